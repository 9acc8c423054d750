// Deep: the lunar-solar and resonance terms of SDP4, after Spacetrack Report No. 3.
#include <cmath>
#include <limits>

#include "constants.h"
#include "propagators.h"
#include "sidereal_time.h"
#include "vector_math.h"

namespace engine {

namespace {

using namespace constants;

constexpr double zns = 1.19459E-5;
constexpr double znl = 1.5835218E-4;
constexpr double zes = 0.01675;
constexpr double zel = 0.0549;
constexpr double c1ss = 2.9864797E-6;
constexpr double c1l = 4.7968065E-7;
constexpr double zcosgs = 0.1945905;
constexpr double zsings = -0.98088458;
constexpr double zcosis = 0.91744867;
constexpr double zsinis = 0.39785416;
constexpr double q22 = 1.7891679E-6;
constexpr double q31 = 2.1460748E-6;
constexpr double q33 = 2.2123015E-7;
constexpr double thdt = 4.3752691E-3;
constexpr double root22 = 1.7891679E-6;
constexpr double root32 = 3.7393792E-7;
constexpr double root44 = 7.3636953E-9;
constexpr double root52 = 1.1428639E-7;
constexpr double root54 = 2.1765803E-9;
constexpr double g22 = 5.7686396;
constexpr double g32 = 0.95240898;
constexpr double g44 = 1.8014998;
constexpr double g52 = 1.050833;
constexpr double g54 = 4.4108898;
constexpr double fasx2 = 0.13130908;
constexpr double fasx4 = 2.8843198;
constexpr double fasx6 = 0.37448087;
constexpr double three_degrees = 5.2359877E-2;
constexpr double lyddane_inclination = 0.2;

// The resonance integration is meaningless decades from the epoch and would take ever more
// 720-minute steps; beyond this span (about 190 years) it gives not-a-number instead.
constexpr double max_integration_minutes = 1.0e8;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Geometry of one perturbing body (the Sun or the Moon) for the third-body formulas.
struct Body {
    double zcosg, zsing, zcosi, zsini, zcosh, zsinh, cc, zn, ze;
};

// Secular rates and periodic coefficients that one body causes.
struct BodyTerms {
    double se, si, sl, sgh, sh;
    double e2, e3, i2, i3, l2, l3, l4, gh2, gh3, gh4, h2, h3;
};

// The satellite quantities the third-body formulas read.
struct Orbit {
    double eq, eqsq, rteqsq, bsq, siniq, cosiq, sinomo, cosomo, xnoi, xqncl;
};

BodyTerms thirdBody(const Body& b, const Orbit& o) {
    const double a1 = b.zcosg * b.zcosh + b.zsing * b.zcosi * b.zsinh;
    const double a3 = -b.zsing * b.zcosh + b.zcosg * b.zcosi * b.zsinh;
    const double a7 = -b.zcosg * b.zsinh + b.zsing * b.zcosi * b.zcosh;
    const double a8 = b.zsing * b.zsini;
    const double a9 = b.zsing * b.zsinh + b.zcosg * b.zcosi * b.zcosh;
    const double a10 = b.zcosg * b.zsini;
    const double a2 = o.cosiq * a7 + o.siniq * a8;
    const double a4 = o.cosiq * a9 + o.siniq * a10;
    const double a5 = -o.siniq * a7 + o.cosiq * a8;
    const double a6 = -o.siniq * a9 + o.cosiq * a10;

    const double x1 = a1 * o.cosomo + a2 * o.sinomo;
    const double x2 = a3 * o.cosomo + a4 * o.sinomo;
    const double x3 = -a1 * o.sinomo + a2 * o.cosomo;
    const double x4 = -a3 * o.sinomo + a4 * o.cosomo;
    const double x5 = a5 * o.sinomo;
    const double x6 = a6 * o.sinomo;
    const double x7 = a5 * o.cosomo;
    const double x8 = a6 * o.cosomo;

    const double eqsq = o.eqsq;
    const double z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    const double z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    const double z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    double z1 = 3.0 * (a1 * a1 + a2 * a2) + z31 * eqsq;
    double z2 = 6.0 * (a1 * a3 + a2 * a4) + z32 * eqsq;
    double z3 = 3.0 * (a3 * a3 + a4 * a4) + z33 * eqsq;
    const double z11 = -6.0 * a1 * a5 + eqsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    const double z12 = -6.0 * (a1 * a6 + a3 * a5) +
                       eqsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    const double z13 = -6.0 * a3 * a6 + eqsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    const double z21 = 6.0 * a2 * a5 + eqsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    const double z22 =
        6.0 * (a4 * a5 + a2 * a6) + eqsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    const double z23 = 6.0 * a4 * a6 + eqsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    z1 = z1 + z1 + o.bsq * z31;
    z2 = z2 + z2 + o.bsq * z32;
    z3 = z3 + z3 + o.bsq * z33;

    const double s3 = b.cc * o.xnoi;
    const double s2 = -0.5 * s3 / o.rteqsq;
    const double s4 = s3 * o.rteqsq;
    const double s1 = -15.0 * o.eq * s4;
    const double s5 = x1 * x3 + x2 * x4;
    const double s6 = x2 * x3 + x1 * x4;
    const double s7 = x2 * x4 - x1 * x3;

    BodyTerms t{};
    t.se = s1 * b.zn * s5;
    t.si = s2 * b.zn * (z11 + z13);
    t.sl = -b.zn * s3 * (z1 + z3 - 14.0 - 6.0 * eqsq);
    t.sgh = s4 * b.zn * (z31 + z33 - 6.0);
    t.sh = o.xqncl < three_degrees ? 0.0 : -b.zn * s2 * (z21 + z23);
    t.e2 = 2.0 * s1 * s6;
    t.e3 = 2.0 * s1 * s7;
    t.i2 = 2.0 * s2 * z12;
    t.i3 = 2.0 * s2 * (z13 - z11);
    t.l2 = -2.0 * s3 * z2;
    t.l3 = -2.0 * s3 * (z3 - z1);
    t.l4 = -2.0 * s3 * (-21.0 - 9.0 * eqsq) * b.ze;
    t.gh2 = 2.0 * s4 * z32;
    t.gh3 = 2.0 * s4 * (z33 - z31);
    t.gh4 = -18.0 * s4 * b.ze;
    t.h2 = -2.0 * s2 * z22;
    t.h3 = -2.0 * s2 * (z23 - z21);
    return t;
}

// sh / sin(i): the node rate a body causes. Below 3 degrees sh is held at 0, and so is the
// quotient, also for an inclination of exactly 0, where it would be 0 / 0.
double nodeRate(double sh, double siniq) { return sh == 0.0 ? 0.0 : sh / siniq; }

void lunarGeometry(deep_values_t& dp, double day) {
    dp.preep = day;
    const double xnodce = 4.5236020 - 9.2422029E-4 * day;
    const double stem = std::sin(xnodce);
    const double ctem = std::cos(xnodce);
    dp.zcosil = 0.91375164 - 0.03568096 * ctem;
    dp.zsinil = std::sqrt(1.0 - dp.zcosil * dp.zcosil);
    dp.zsinhl = 0.089683511 * stem / dp.zsinil;
    dp.zcoshl = std::sqrt(1.0 - dp.zsinhl * dp.zsinhl);
    const double c = 4.7199672 + 0.22997150 * day;
    const double gam = 5.8351514 + 0.0019443680 * day;
    dp.zmol = FMod2p(c - gam);
    double zx = 0.39785416 * stem / dp.zsinil;
    const double zy = dp.zcoshl * ctem + 0.91744867 * dp.zsinhl * stem;
    zx = AcTan(zx, zy);
    zx = gam + zx - xnodce;
    dp.zcosgl = std::cos(zx);
    dp.zsingl = std::sin(zx);
    dp.zmos = FMod2p(6.2565837 + 0.017201977 * day);
}

void storeSolar(deep_values_t& dp, const BodyTerms& t, double siniq, double cosiq) {
    dp.sse = t.se;
    dp.ssi = t.si;
    dp.ssl = t.sl;
    dp.ssh = nodeRate(t.sh, siniq);
    dp.ssg = t.sgh - cosiq * dp.ssh;
    dp.se2 = t.e2;
    dp.si2 = t.i2;
    dp.sl2 = t.l2;
    dp.sgh2 = t.gh2;
    dp.sh2 = t.h2;
    dp.se3 = t.e3;
    dp.si3 = t.i3;
    dp.sl3 = t.l3;
    dp.sgh3 = t.gh3;
    dp.sh3 = t.h3;
    dp.sl4 = t.l4;
    dp.sgh4 = t.gh4;
}

void storeLunar(deep_values_t& dp, const BodyTerms& t, double siniq, double cosiq) {
    dp.ee2 = t.e2;
    dp.e3 = t.e3;
    dp.xi2 = t.i2;
    dp.xi3 = t.i3;
    dp.xl2 = t.l2;
    dp.xl3 = t.l3;
    dp.xl4 = t.l4;
    dp.xgh2 = t.gh2;
    dp.xgh3 = t.gh3;
    dp.xgh4 = t.gh4;
    dp.xh2 = t.h2;
    dp.xh3 = t.h3;
    dp.sse = dp.sse + t.se;
    dp.ssi = dp.ssi + t.si;
    dp.ssl = dp.ssl + t.sl;
    dp.ssg = dp.ssg + t.sgh - (t.sh == 0.0 ? 0.0 : cosiq / siniq * t.sh);
    dp.ssh = dp.ssh + nodeRate(t.sh, siniq);
}

// 24-hour resonance: returns bfact.
double initSynchronous(sat_record_t& sat, const Orbit& o, double aqnv, double xmao, double xpidot) {
    deep_values_t& dp = sat.dps;
    const deep_link_t& d = sat.deep_arg;
    sat.flags |= FLAG_RESONANT | FLAG_SYNCHRONOUS;
    const double g200 = 1.0 + o.eqsq * (-2.5 + 0.8125 * o.eqsq);
    const double g310 = 1.0 + 2.0 * o.eqsq;
    const double g300 = 1.0 + o.eqsq * (-6.0 + 6.60937 * o.eqsq);
    const double f220 = 0.75 * (1.0 + o.cosiq) * (1.0 + o.cosiq);
    const double f311 = 0.9375 * o.siniq * o.siniq * (1.0 + 3.0 * o.cosiq) - 0.75 * (1.0 + o.cosiq);
    double f330 = 1.0 + o.cosiq;
    f330 = 1.875 * f330 * f330 * f330;
    const double del1 = 3.0 * dp.xnq * dp.xnq * aqnv * aqnv;
    dp.del2 = 2.0 * del1 * f220 * g200 * q22;
    dp.del3 = 3.0 * del1 * f330 * g300 * q33 * aqnv;
    dp.del1 = del1 * f311 * g310 * q31 * aqnv;
    dp.fasx2 = fasx2;
    dp.fasx4 = fasx4;
    dp.fasx6 = fasx6;
    dp.xlamo = xmao + sat.tle.xnodeo + sat.tle.omegao - dp.thgr;
    const double bfact = d.xmdot + xpidot - thdt;
    return bfact + dp.ssl + dp.ssg + dp.ssh;
}

// 12-hour resonance: returns bfact.
double initHalfDay(sat_record_t& sat, const Orbit& o, double aqnv, double xmao) {
    deep_values_t& dp = sat.dps;
    const deep_link_t& d = sat.deep_arg;
    sat.flags |= FLAG_RESONANT;
    const double eq = o.eq;
    const double eqsq = o.eqsq;
    const double eoc = eq * eqsq;
    const double g201 = -0.306 - (eq - 0.64) * 0.440;
    double g211, g310, g322, g410, g422, g520, g533, g521, g532;
    if (eq <= 0.65) {
        g211 = 3.616 - 13.247 * eq + 16.290 * eqsq;
        g310 = -19.302 + 117.390 * eq - 228.419 * eqsq + 156.591 * eoc;
        g322 = -18.9068 + 109.7927 * eq - 214.6334 * eqsq + 146.5816 * eoc;
        g410 = -41.122 + 242.694 * eq - 471.094 * eqsq + 313.953 * eoc;
        g422 = -146.407 + 841.880 * eq - 1629.014 * eqsq + 1083.435 * eoc;
        g520 = -532.114 + 3017.977 * eq - 5740.0 * eqsq + 3708.276 * eoc;
    } else {
        g211 = -72.099 + 331.819 * eq - 508.738 * eqsq + 266.724 * eoc;
        g310 = -346.844 + 1582.851 * eq - 2415.925 * eqsq + 1246.113 * eoc;
        g322 = -342.585 + 1554.908 * eq - 2366.899 * eqsq + 1215.972 * eoc;
        g410 = -1052.797 + 4758.686 * eq - 7193.992 * eqsq + 3651.957 * eoc;
        g422 = -3581.69 + 16178.11 * eq - 24462.77 * eqsq + 12422.52 * eoc;
        if (eq <= 0.715) {
            g520 = 1464.74 - 4664.75 * eq + 3763.64 * eqsq;
        } else {
            g520 = -5149.66 + 29936.92 * eq - 54087.36 * eqsq + 31324.56 * eoc;
        }
    }
    if (eq < 0.7) {
        g533 = -919.2277 + 4988.61 * eq - 9064.77 * eqsq + 5542.21 * eoc;
        g521 = -822.71072 + 4568.6173 * eq - 8491.4146 * eqsq + 5337.524 * eoc;
        g532 = -853.666 + 4690.25 * eq - 8624.77 * eqsq + 5341.4 * eoc;
    } else {
        g533 = -37995.78 + 161616.52 * eq - 229838.2 * eqsq + 109377.94 * eoc;
        g521 = -51752.104 + 218913.95 * eq - 309468.16 * eqsq + 146349.42 * eoc;
        g532 = -40023.88 + 170470.89 * eq - 242699.48 * eqsq + 115605.82 * eoc;
    }

    const double siniq = o.siniq;
    const double cosiq = o.cosiq;
    const double cosq2 = d.theta2;
    const double sini2 = siniq * siniq;
    const double f220 = 0.75 * (1.0 + 2.0 * cosiq + cosq2);
    const double f221 = 1.5 * sini2;
    const double f321 = 1.875 * siniq * (1.0 - 2.0 * cosiq - 3.0 * cosq2);
    const double f322 = -1.875 * siniq * (1.0 + 2.0 * cosiq - 3.0 * cosq2);
    const double f441 = 35.0 * sini2 * f220;
    const double f442 = 39.3750 * sini2 * sini2;
    const double f522 = 9.84375 * siniq *
                        (sini2 * (1.0 - 2.0 * cosiq - 5.0 * cosq2) +
                         0.33333333 * (-2.0 + 4.0 * cosiq + 6.0 * cosq2));
    const double f523 = siniq * (4.92187512 * sini2 * (-2.0 - 4.0 * cosiq + 10.0 * cosq2) +
                                 6.56250012 * (1.0 + 2.0 * cosiq - 3.0 * cosq2));
    const double f542 =
        29.53125 * siniq * (2.0 - 8.0 * cosiq + cosq2 * (-12.0 + 8.0 * cosiq + 10.0 * cosq2));
    const double f543 =
        29.53125 * siniq * (-2.0 - 8.0 * cosiq + cosq2 * (12.0 + 8.0 * cosiq - 10.0 * cosq2));

    const double xno2 = dp.xnq * dp.xnq;
    const double ainv2 = aqnv * aqnv;
    double temp1 = 3.0 * xno2 * ainv2;
    double temp = temp1 * root22;
    dp.d2201 = temp * f220 * g201;
    dp.d2211 = temp * f221 * g211;
    temp1 = temp1 * aqnv;
    temp = temp1 * root32;
    dp.d3210 = temp * f321 * g310;
    dp.d3222 = temp * f322 * g322;
    temp1 = temp1 * aqnv;
    temp = 2.0 * temp1 * root44;
    dp.d4410 = temp * f441 * g410;
    dp.d4422 = temp * f442 * g422;
    temp1 = temp1 * aqnv;
    temp = temp1 * root52;
    dp.d5220 = temp * f522 * g520;
    dp.d5232 = temp * f523 * g532;
    temp = 2.0 * temp1 * root54;
    dp.d5421 = temp * f542 * g521;
    dp.d5433 = temp * f543 * g533;
    dp.xlamo = xmao + sat.tle.xnodeo + sat.tle.xnodeo - dp.thgr - dp.thgr;
    const double bfact = d.xmdot + d.xnodot + d.xnodot - thdt - thdt;
    return bfact + dp.ssl + dp.ssh + dp.ssh;
}

void deepInit(sat_record_t& sat) {
    deep_values_t& dp = sat.dps;
    deep_link_t& d = sat.deep_arg;
    const tle_elements_t& tle = sat.tle;

    dp.thgr = ThetaG(tle.epoch, d);
    const double eq = tle.eo;
    dp.xnq = d.xnodp;
    const double aqnv = 1.0 / d.aodp;
    dp.xqncl = tle.xincl;
    const double xmao = tle.xmo;
    const double xpidot = d.omgdot + d.xnodot;
    const double sinq = std::sin(tle.xnodeo);
    const double cosq = std::cos(tle.xnodeo);
    dp.omegaq = tle.omegao;

    const double day = d.ds50 + 18261.5;
    if (day != dp.preep) lunarGeometry(dp, day);

    const Orbit o{eq,      d.eosq, d.betao, d.betao2,     d.sinio,
                  d.cosio, d.sing, d.cosg,  1.0 / dp.xnq, dp.xqncl};
    dp.savtsn = 1E20;
    const Body sun{zcosgs, zsings, zcosis, zsinis, cosq, sinq, c1ss, zns, zes};
    storeSolar(dp, thirdBody(sun, o), o.siniq, o.cosiq);

    sat.flags |= FLAG_LUNAR_DONE;
    const Body moon{dp.zcosgl,
                    dp.zsingl,
                    dp.zcosil,
                    dp.zsinil,
                    dp.zcoshl * cosq + dp.zsinhl * sinq,
                    sinq * dp.zcoshl - cosq * dp.zsinhl,
                    c1l,
                    znl,
                    zel};
    storeLunar(dp, thirdBody(moon, o), o.siniq, o.cosiq);

    sat.flags &= ~(FLAG_RESONANT | FLAG_SYNCHRONOUS);
    double bfact = 0.0;
    if (dp.xnq < 0.0052359877 && dp.xnq > 0.0034906585) {
        bfact = initSynchronous(sat, o, aqnv, xmao, xpidot);
    } else if (dp.xnq >= 8.26E-3 && dp.xnq <= 9.24E-3 && eq >= 0.5) {
        bfact = initHalfDay(sat, o, aqnv, xmao);
    } else {
        return;
    }
    dp.xfact = bfact - dp.xnq;
    dp.xli = dp.xlamo;
    dp.xni = dp.xnq;
    dp.atime = 0.0;
    dp.stepp = 720.0;
    dp.stepn = -720.0;
    dp.step2 = 259200.0;
}

struct Rates {
    double xndot, xnddt, xldot;
};

// Rates of the resonance longitude and mean motion at the integrator's state.
Rates resonanceRates(const sat_record_t& sat) {
    const deep_values_t& dp = sat.dps;
    const double xli = dp.xli;
    Rates r{};
    if ((sat.flags & FLAG_SYNCHRONOUS) != 0) {
        r.xndot = dp.del1 * std::sin(xli - dp.fasx2) + dp.del2 * std::sin(2.0 * (xli - dp.fasx4)) +
                  dp.del3 * std::sin(3.0 * (xli - dp.fasx6));
        r.xnddt = dp.del1 * std::cos(xli - dp.fasx2) +
                  2.0 * dp.del2 * std::cos(2.0 * (xli - dp.fasx4)) +
                  3.0 * dp.del3 * std::cos(3.0 * (xli - dp.fasx6));
    } else {
        const double xomi = dp.omegaq + sat.deep_arg.omgdot * dp.atime;
        const double x2omi = xomi + xomi;
        const double x2li = xli + xli;
        r.xndot = dp.d2201 * std::sin(x2omi + xli - g22) + dp.d2211 * std::sin(xli - g22) +
                  dp.d3210 * std::sin(xomi + xli - g32) + dp.d3222 * std::sin(-xomi + xli - g32) +
                  dp.d4410 * std::sin(x2omi + x2li - g44) + dp.d4422 * std::sin(x2li - g44) +
                  dp.d5220 * std::sin(xomi + xli - g52) + dp.d5232 * std::sin(-xomi + xli - g52) +
                  dp.d5421 * std::sin(xomi + x2li - g54) + dp.d5433 * std::sin(-xomi + x2li - g54);
        r.xnddt = dp.d2201 * std::cos(x2omi + xli - g22) + dp.d2211 * std::cos(xli - g22) +
                  dp.d3210 * std::cos(xomi + xli - g32) + dp.d3222 * std::cos(-xomi + xli - g32) +
                  dp.d5220 * std::cos(xomi + xli - g52) + dp.d5232 * std::cos(-xomi + xli - g52) +
                  2.0 * (dp.d4410 * std::cos(x2omi + x2li - g44) + dp.d4422 * std::cos(x2li - g44) +
                         dp.d5421 * std::cos(xomi + x2li - g54) +
                         dp.d5433 * std::cos(-xomi + x2li - g54));
    }
    r.xldot = dp.xni + dp.xfact;
    r.xnddt = r.xnddt * r.xldot;
    return r;
}

// Euler-Maclaurin integration of the resonance terms in 720-minute steps from the epoch,
// continuing from where the previous call stopped.
void integrateResonance(sat_record_t& sat) {
    deep_values_t& dp = sat.dps;
    deep_link_t& d = sat.deep_arg;
    const double t = d.t;
    if (!(std::fabs(t) <= max_integration_minutes)) {
        d.xn = nan;
        d.xll = nan;
        return;
    }

    double delt = dp.stepp;
    double ft = 0.0;
    Rates r{};
    do {
        if (dp.atime == 0.0 || (t >= 0.0 && dp.atime < 0.0) || (t < 0.0 && dp.atime >= 0.0)) {
            delt = t >= 0.0 ? dp.stepp : dp.stepn;
            dp.atime = 0.0;
            dp.xni = dp.xnq;
            dp.xli = dp.xlamo;
        } else if (std::fabs(t) >= std::fabs(dp.atime)) {
            delt = t > 0.0 ? dp.stepp : dp.stepn;
        }
        do {
            if (std::fabs(t - dp.atime) >= dp.stepp) {
                sat.flags |= FLAG_INTEGRATE;
                sat.flags &= ~FLAG_RESTART;
            } else {
                ft = t - dp.atime;
                sat.flags &= ~FLAG_INTEGRATE;
            }
            if (std::fabs(t) < std::fabs(dp.atime)) {
                delt = t >= 0.0 ? dp.stepn : dp.stepp;
                sat.flags |= FLAG_INTEGRATE | FLAG_RESTART;
            }
            r = resonanceRates(sat);
            if ((sat.flags & FLAG_INTEGRATE) != 0) {
                dp.xli = dp.xli + r.xldot * delt + r.xndot * dp.step2;
                dp.xni = dp.xni + r.xndot * delt + r.xnddt * dp.step2;
                dp.atime = dp.atime + delt;
            }
        } while ((sat.flags & FLAG_INTEGRATE) != 0 && (sat.flags & FLAG_RESTART) == 0);
    } while ((sat.flags & FLAG_INTEGRATE) != 0 && (sat.flags & FLAG_RESTART) != 0);

    d.xn = dp.xni + r.xndot * ft + r.xnddt * ft * ft * 0.5;
    const double xl = dp.xli + r.xldot * ft + r.xndot * ft * ft * 0.5;
    const double temp = -d.xnode + dp.thgr + t * thdt;
    d.xll = (sat.flags & FLAG_SYNCHRONOUS) != 0 ? xl - d.omgadf + temp : xl + 2.0 * temp;
}

void deepSecular(sat_record_t& sat) {
    const deep_values_t& dp = sat.dps;
    deep_link_t& d = sat.deep_arg;
    const double t = d.t;
    d.xll = d.xll + dp.ssl * t;
    d.omgadf = d.omgadf + dp.ssg * t;
    d.xnode = d.xnode + dp.ssh * t;
    d.em = sat.tle.eo + dp.sse * t;
    d.xinc = sat.tle.xincl + dp.ssi * t;
    if (d.xinc < 0.0) {
        d.xinc = -d.xinc;
        d.xnode = d.xnode + pi;
        d.omgadf = d.omgadf - pi;
    }
    if ((sat.flags & FLAG_RESONANT) != 0) integrateResonance(sat);
}

void deepPeriodics(sat_record_t& sat) {
    deep_values_t& dp = sat.dps;
    deep_link_t& d = sat.deep_arg;
    const double t = d.t;
    const double sinis = std::sin(d.xinc);
    const double cosis = std::cos(d.xinc);

    if (std::fabs(dp.savtsn - t) >= 30.0) {
        dp.savtsn = t;
        double zm = dp.zmos + zns * t;
        double zf = zm + 0.0335 * std::sin(zm);
        double sinzf = std::sin(zf);
        double f2 = 0.5 * sinzf * sinzf - 0.25;
        double f3 = -0.5 * sinzf * std::cos(zf);
        const double ses = dp.se2 * f2 + dp.se3 * f3;
        const double sis = dp.si2 * f2 + dp.si3 * f3;
        const double sls = dp.sl2 * f2 + dp.sl3 * f3 + dp.sl4 * sinzf;
        dp.sghs = dp.sgh2 * f2 + dp.sgh3 * f3 + dp.sgh4 * sinzf;
        dp.shs = dp.sh2 * f2 + dp.sh3 * f3;
        zm = dp.zmol + znl * t;
        zf = zm + 0.1098 * std::sin(zm);
        sinzf = std::sin(zf);
        f2 = 0.5 * sinzf * sinzf - 0.25;
        f3 = -0.5 * sinzf * std::cos(zf);
        const double sel = dp.ee2 * f2 + dp.e3 * f3;
        const double sil = dp.xi2 * f2 + dp.xi3 * f3;
        const double sll = dp.xl2 * f2 + dp.xl3 * f3 + dp.xl4 * sinzf;
        dp.sghl = dp.xgh2 * f2 + dp.xgh3 * f3 + dp.xgh4 * sinzf;
        dp.sh1 = dp.xh2 * f2 + dp.xh3 * f3;
        dp.pe = ses + sel;
        dp.pinc = sis + sil;
        dp.pl = sls + sll;
    }

    double pgh = dp.sghs + dp.sghl;
    double ph = dp.shs + dp.sh1;
    d.xinc = d.xinc + dp.pinc;
    d.em = d.em + dp.pe;

    if (dp.xqncl >= lyddane_inclination) {
        ph = ph / d.sinio;
        pgh = pgh - d.cosio * ph;
        d.omgadf = d.omgadf + pgh;
        d.xnode = d.xnode + ph;
        d.xll = d.xll + dp.pl;
        return;
    }

    // Lyddane's form for low inclinations.
    const double sinok = std::sin(d.xnode);
    const double cosok = std::cos(d.xnode);
    const double alfdp = sinis * sinok + ph * cosok + dp.pinc * cosis * sinok;
    const double betdp = sinis * cosok - ph * sinok + dp.pinc * cosis * cosok;
    d.xnode = FMod2p(d.xnode);
    const double xls = d.xll + d.omgadf + cosis * d.xnode + dp.pl + pgh - dp.pinc * d.xnode * sinis;
    const double xnoh = d.xnode;
    d.xnode = AcTan(alfdp, betdp);
    if (std::fabs(xnoh - d.xnode) > pi) {
        d.xnode = d.xnode < xnoh ? d.xnode + twopi : d.xnode - twopi;
    }
    d.xll = d.xll + dp.pl;
    d.omgadf = xls - d.xll - std::cos(d.xinc) * d.xnode;
}

}  // namespace

void Deep(int entry, sat_record_t& sat) {
    switch (entry) {
        case dpinit:
            deepInit(sat);
            break;
        case dpsec:
            deepSecular(sat);
            break;
        case dpper:
            deepPeriodics(sat);
            break;
        default:
            break;
    }
}

}  // namespace engine
