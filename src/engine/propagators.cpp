#include "propagators.h"

#include <algorithm>
#include <cmath>

#include "constants.h"
#include "vector_math.h"

namespace engine {

namespace {

using namespace constants;

// Kepler's equation: the inherited iteration's number of evaluations, and the limited
// iteration's step bound (radians) and evaluations. Limited steps converge within 9
// evaluations for any mean longitude at eccentricities up to 0.999.
constexpr int inherited_kepler_evaluations = 11;
constexpr double max_kepler_step = 0.95;
constexpr int limited_kepler_evaluations = 20;

// Floor of |1 + cos i| in the long-period coefficient xlcof, which is singular for an
// inclination of 180 degrees.
constexpr double min_one_plus_cosio = 1.5e-12;

// The sine and cosine of an angle, taken together.
struct SinCos {
    double sin, cos;
};

SinCos sinCos(double angle) { return {std::sin(angle), std::cos(angle)}; }

// Many angles of a prediction differ from one whose sine and cosine are known by a small turn:
// the next estimate of Kepler's equation, the short-period corrections of the argument of
// latitude and of the inclination, the drag terms of the mean anomaly. Their sines and cosines
// follow from the addition theorem, with sin d and 1 - cos d from their series, which up to this
// turn are exact to double precision; the results differ from the library's by a unit or two in
// the last place, at a fraction of the cost.
constexpr double small_turn = 0.02;  // radians

SinCos turned(SinCos base, double d) {
    const double d2 = d * d;
    const double sinD =
        d * (1.0 - d2 * (1.0 / 6.0) * (1.0 - d2 * (1.0 / 20.0) * (1.0 - d2 * (1.0 / 42.0))));
    const double versD =
        d2 * 0.5 *
        (1.0 - d2 * (1.0 / 12.0) * (1.0 - d2 * (1.0 / 30.0) * (1.0 - d2 * (1.0 / 56.0))));
    return {base.sin + (base.cos * sinD - base.sin * versD),
            base.cos - (base.sin * sinD + base.cos * versD)};
}

// AcTan places the angles of the left half-plane and of the lower right quadrant with the stored
// values of pi and twopi, which exceed pi and 2 pi by about 7e-15 and 1.4e-14: its angle is the
// true one turned by that much. An angle whose sine and cosine are taken without AcTan keeps this
// turn, so that positions stay as they were.
constexpr double pi_low = 1.2246467991473532e-16;  // pi less its nearest double
constexpr double pi_excess = (pi - 3.141592653589793) - pi_low;
constexpr double twopi_excess = (twopi - 6.283185307179586) - 2.0 * pi_low;

double acTanExcess(double sinx, double cosx) {
    if (cosx > 0.0) return sinx > 0.0 ? 0.0 : twopi_excess;
    return pi_excess;
}

// The sine and cosine of angle, which is base turned by turn: from base's when the turn is
// small, else from the library.
SinCos sinCosNear(double angle, SinCos base, double turn) {
    return std::fabs(turn) <= small_turn ? turned(base, turn) : sinCos(angle);
}

// The original mean motion and semi-major axis, recovered from the element set's mean motion
// and the Earth's oblateness, with the inclination and eccentricity terms they are made of.
struct Recovered {
    double cosio, theta2, x3thm1, eosq, betao2, betao, xnodp, aodp;
};

Recovered recoverMeanMotion(const tle_elements_t& tle) {
    Recovered r{};
    const double a1 = std::pow(xke / tle.xno, tothrd);
    r.cosio = std::cos(tle.xincl);
    r.theta2 = r.cosio * r.cosio;
    r.x3thm1 = 3.0 * r.theta2 - 1.0;
    r.eosq = tle.eo * tle.eo;
    r.betao2 = 1.0 - r.eosq;
    r.betao = std::sqrt(r.betao2);
    const double del1 = ck2_x1_5 * r.x3thm1 / (a1 * a1 * r.betao * r.betao2);
    const double ao = a1 * (1.0 - del1 * (half_tothrd + del1 * (1.0 + c134_81 * del1)));
    const double delo = ck2_x1_5 * r.x3thm1 / (ao * ao * r.betao * r.betao2);
    r.xnodp = tle.xno / (1.0 + delo);
    r.aodp = ao / (1.0 - delo);
    return r;
}

// Initialisation values that SGP4 and SDP4 compute alike from the mean elements.
struct CommonInit : Recovered {
    double s4, qoms24, pinvsq, tsi, eta, etasq, eeta, psisq, coef, coef1;
    double c1, sinio, x1mth2, c4, xmdot, omgdot, xhdot1, xnodot;
    double xnodcf, t2cof, xlcof, aycof, x7thm1;
};

// Recovers the original mean motion and semi-major axis from the elements and computes the
// secular and drag coefficients shared by both models.
CommonInit initCommon(const tle_elements_t& tle) {
    CommonInit c{};
    static_cast<Recovered&>(c) = recoverMeanMotion(tle);

    // Density function parameters for low perigees.
    const double perige = (c.aodp * (1.0 - tle.eo) - 1.0) * xkmper;
    c.s4 = s;
    c.qoms24 = qoms2t;
    if (perige < 156.0) {
        c.s4 = perige <= 98.0 ? 20.0 : perige - 78.0;
        c.qoms24 = std::pow((120.0 - c.s4) / xkmper, 4);
        c.s4 = c.s4 / xkmper + 1.0;
    }

    c.pinvsq = 1.0 / (c.aodp * c.aodp * c.betao2 * c.betao2);
    c.tsi = 1.0 / (c.aodp - c.s4);
    c.eta = c.aodp * tle.eo * c.tsi;
    c.etasq = c.eta * c.eta;
    c.eeta = tle.eo * c.eta;
    c.psisq = std::fabs(1.0 - c.etasq);
    c.coef = c.qoms24 * std::pow(c.tsi, 4);
    c.coef1 = c.coef / std::pow(c.psisq, 3.5);

    const double c2 =
        c.coef1 * c.xnodp *
        (c.aodp * (1.0 + 1.5 * c.etasq + c.eeta * (4.0 + c.etasq)) +
         ck2_x0_75 * c.tsi / c.psisq * c.x3thm1 * (8.0 + 3.0 * c.etasq * (8.0 + c.etasq)));
    c.c1 = tle.bstar * c2;
    c.sinio = std::sin(tle.xincl);
    c.x1mth2 = 1.0 - c.theta2;
    c.c4 = 2.0 * c.xnodp * c.coef1 * c.aodp * c.betao2 *
           (c.eta * (2.0 + 0.5 * c.etasq) + tle.eo * (0.5 + 2.0 * c.etasq) +
            ck2_xm2 * c.tsi / (c.aodp * c.psisq) *
                (-3.0 * c.x3thm1 * (1.0 - 2.0 * c.eeta + c.etasq * (1.5 - 0.5 * c.eeta)) +
                 0.75 * c.x1mth2 * (2.0 * c.etasq - c.eeta * (1.0 + c.etasq)) *
                     std::cos(2.0 * tle.omegao)));

    const double theta4 = c.theta2 * c.theta2;
    const double temp1 = ck2_x3 * c.pinvsq * c.xnodp;
    const double temp2 = temp1 * ck2 * c.pinvsq;
    const double temp3 = ck4_x1_25 * c.pinvsq * c.pinvsq * c.xnodp;
    c.xmdot = c.xnodp + 0.5 * temp1 * c.betao * c.x3thm1 +
              0.0625 * temp2 * c.betao * (13.0 - 78.0 * c.theta2 + 137.0 * theta4);
    c.omgdot = -0.5 * temp1 * (1.0 - 5.0 * c.theta2) +
               0.0625 * temp2 * (7.0 - 114.0 * c.theta2 + 395.0 * theta4) +
               temp3 * (3.0 - 36.0 * c.theta2 + 49.0 * theta4);
    c.xhdot1 = -temp1 * c.cosio;
    c.xnodot =
        c.xhdot1 +
        (0.5 * temp2 * (4.0 - 19.0 * c.theta2) + 2.0 * temp3 * (3.0 - 7.0 * c.theta2)) * c.cosio;

    c.xnodcf = 3.5 * c.betao2 * c.xhdot1 * c.c1;
    c.t2cof = 1.5 * c.c1;
    const double onePlusCosio = 1.0 + c.cosio;
    c.xlcof = a3ovk2_8 * c.sinio * (3.0 + 5.0 * c.cosio) /
              (std::fabs(onePlusCosio) > min_one_plus_cosio ? onePlusCosio : min_one_plus_cosio);
    c.aycof = a3ovk2_4 * c.sinio;
    c.x7thm1 = 7.0 * c.theta2 - 1.0;
    return c;
}

void storeShared(const CommonInit& c, sgp4_init_t& sgps) {
    sgps.x3thm1 = c.x3thm1;
    sgps.x1mth2 = c.x1mth2;
    sgps.x7thm1 = c.x7thm1;
    sgps.c1 = c.c1;
    sgps.c4 = c.c4;
    sgps.xnodcf = c.xnodcf;
    sgps.t2cof = c.t2cof;
    sgps.xlcof = c.xlcof;
    sgps.aycof = c.aycof;
}

void initSGP4(sat_record_t& sat) {
    const tle_elements_t& tle = sat.tle;
    sgp4_init_t& g = sat.sgps;
    const CommonInit c = initCommon(tle);
    storeShared(c, g);
    g.aodp = c.aodp;
    g.xnodp = c.xnodp;
    g.cosio = c.cosio;
    g.sinio = c.sinio;
    g.eta = c.eta;
    g.xmdot = c.xmdot;
    g.omgdot = c.omgdot;
    g.xnodot = c.xnodot;

    if (c.aodp * (1.0 - tle.eo) < perigee_220km) {
        sat.flags |= FLAG_SIMPLE;
    } else {
        sat.flags &= ~FLAG_SIMPLE;
    }

    // A circular orbit has no perigee: the terms divided by the eccentricity vanish with it.
    const double c3 = tle.eo == 0.0 ? 0.0 : c.coef * c.tsi * a3ovk2 * c.xnodp * c.sinio / tle.eo;
    g.c5 = 2.0 * c.coef1 * c.aodp * c.betao2 * (1.0 + 2.75 * (c.etasq + c.eeta) + c.eeta * c.etasq);
    g.omgcof = tle.bstar * c3 * std::cos(tle.omegao);
    g.xmcof = c.eeta == 0.0 ? 0.0 : -tothrd * c.coef * tle.bstar / c.eeta;
    g.delmo = std::pow(1.0 + c.eta * std::cos(tle.xmo), 3);
    g.sinmo = std::sin(tle.xmo);

    if ((sat.flags & FLAG_SIMPLE) == 0) {
        const double c1sq = c.c1 * c.c1;
        g.d2 = 4.0 * c.aodp * c.tsi * c1sq;
        const double temp = g.d2 * c.tsi * c.c1 / 3.0;
        g.d3 = (17.0 * c.aodp + c.s4) * temp;
        g.d4 = 0.5 * temp * c.aodp * c.tsi * (221.0 * c.aodp + 31.0 * c.s4) * c.c1;
        g.t3cof = g.d2 + 2.0 * c1sq;
        g.t4cof = 0.25 * (3.0 * g.d3 + c.c1 * (12.0 * g.d2 + 10.0 * c1sq));
        g.t5cof = 0.2 * (3.0 * g.d4 + 12.0 * c.c1 * g.d3 + 6.0 * g.d2 * g.d2 +
                         15.0 * c1sq * (2.0 * g.d2 + c1sq));
    }
}

void initSDP4(sat_record_t& sat) {
    const CommonInit c = initCommon(sat.tle);
    storeShared(c, sat.sgps);
    deep_link_t& d = sat.deep_arg;
    d.cosio = c.cosio;
    d.theta2 = c.theta2;
    d.eosq = c.eosq;
    d.betao2 = c.betao2;
    d.betao = c.betao;
    d.xnodp = c.xnodp;
    d.aodp = c.aodp;
    d.sinio = c.sinio;
    d.xmdot = c.xmdot;
    d.omgdot = c.omgdot;
    d.xnodot = c.xnodot;
    d.sing = std::sin(sat.tle.omegao);
    d.cosg = std::cos(sat.tle.omegao);
}

// Mean orbital elements at the instant, after the secular, resonance and long-period effects
// each model applies, ready for Kepler's equation and the short-period terms.
struct MeanState {
    double a, e, omega, xl, xnode, xinc;
    double cosio, sinio;    // of the inclination the short-period terms are scaled with
    bool inclinationFixed;  // xinc is the element set's, whose cosine and sine are cosio and sinio
    double phaseOmega;      // argument of perigee subtracted for the orbital phase
};

// Kepler's equation for the eccentric longitude, given the mean longitude capu and the
// eccentricity components axn, ayn, by Newton's iteration from capu. The sine and cosine are
// those of the estimate before the final correction.
struct KeplerSolution {
    double sinepw, cosepw;
    bool converged;  // the final correction was at most e6a
};

KeplerSolution iterateKepler(double capu, double axn, double ayn, int evaluations, bool limited) {
    KeplerSolution solution{0.0, 0.0, false};
    double epw0 = capu;
    SinCos estimate{};
    double turn = HUGE_VAL;  // from the previous estimate
    for (int i = 0; i < evaluations && !solution.converged; ++i) {
        estimate = sinCosNear(epw0, estimate, turn);
        solution.sinepw = estimate.sin;
        solution.cosepw = estimate.cos;
        double step = (capu - ayn * solution.cosepw + axn * solution.sinepw - epw0) /
                      (1.0 - axn * solution.cosepw - ayn * solution.sinepw);
        if (limited) step = std::clamp(step, -max_kepler_step, max_kepler_step);
        const double epw = epw0 + step;
        turn = epw - epw0;
        solution.converged = std::fabs(turn) <= e6a;
        epw0 = epw;
    }
    return solution;
}

// The inherited iteration (at most 11 evaluations, full Newton steps) wherever it converges, so
// that its results stay exactly as they were. Near an eccentricity of 1 full steps overshoot
// and wander; the iteration is then run again with each step limited to 0.95 radians, which
// converges for eccentricities up to 0.999. When neither converges (elements outside the
// model's range) the inherited last estimate stands.
KeplerSolution solveKepler(double capu, double axn, double ayn) {
    const KeplerSolution inherited =
        iterateKepler(capu, axn, ayn, inherited_kepler_evaluations, false);
    if (inherited.converged) return inherited;
    const KeplerSolution limited = iterateKepler(capu, axn, ayn, limited_kepler_evaluations, true);
    return limited.converged ? limited : inherited;
}

// Long-period terms, Kepler's equation, short-period terms and orientation, shared by both
// models. Writes pos, vel and phase; returns the mean motion of the instant and the osculating
// node and inclination.
struct Osculating {
    double xn, xnodek, xinck;
};

Osculating finishState(sat_record_t& sat, const MeanState& m) {
    const sgp4_init_t& g = sat.sgps;
    // Library calls come before independent square roots and divisions, which the processor
    // then works through alongside them.
    const SinCos omega = sinCos(m.omega);
    const double beta = std::sqrt(1.0 - m.e * m.e);
    const double xn = xke / (m.a * std::sqrt(m.a));

    const double axn = m.e * omega.cos;
    double temp = 1.0 / (m.a * beta * beta);
    const double xll = temp * g.xlcof * axn;
    const double aynl = temp * g.aycof;
    const double xlt = m.xl + xll;
    const double ayn = m.e * omega.sin + aynl;

    const KeplerSolution kepler = solveKepler(FMod2p(xlt - m.xnode), axn, ayn);
    const double sinepw = kepler.sinepw;
    const double cosepw = kepler.cosepw;

    const double ecose = axn * cosepw + ayn * sinepw;
    const double esine = axn * sinepw - ayn * cosepw;
    const double elsq = axn * axn + ayn * ayn;
    const double pl = m.a * (1.0 - elsq);
    const double r = m.a * (1.0 - ecose);
    // Quantities divided by more than once are inverted once.
    const double inverseR = 1.0 / r;
    const double rdot = xke * std::sqrt(m.a) * esine * inverseR;
    const double rfdot = xke * std::sqrt(pl) * inverseR;
    const double betal = std::sqrt(1.0 - elsq);
    const double aOverR = m.a * inverseR;
    const double esineOverOnePlusBetal = esine / (1.0 + betal);
    const double cosu = aOverR * (cosepw - axn + ayn * esineOverOnePlusBetal);
    const double sinu = aOverR * (sinepw - ayn - axn * esineOverOnePlusBetal);
    const double sin2u = 2.0 * sinu * cosu;
    const double cos2u = 2.0 * cosu * cosu - 1.0;
    const double inversePl = 1.0 / pl;
    const double temp1 = ck2 * inversePl;
    const double temp2 = temp1 * inversePl;

    const double rk = r * (1.0 - 1.5 * temp2 * betal * g.x3thm1) + 0.5 * temp1 * g.x1mth2 * cos2u;
    const double du = -0.25 * temp2 * g.x7thm1 * sin2u;
    const double xnodek = m.xnode + 1.5 * temp2 * m.cosio * sin2u;
    const double xinck = m.xinc + 1.5 * temp2 * m.cosio * m.sinio * cos2u;
    const double rdotk = rdot - xn * temp1 * g.x1mth2 * sin2u;
    const double rfdotk = rfdot + xn * temp1 * (g.x1mth2 * cos2u + 1.5 * g.x3thm1);

    const SinCos nok = sinCos(xnodek);
    // sinu and cosu are, to rounding, the sine and cosine of the argument of latitude
    // u = AcTan(sinu, cosu).
    const double norm = std::sqrt(sinu * sinu + cosu * cosu);
    const double inverseNorm = 1.0 / norm;
    const SinCos ukTrig =
        norm > 0.0 && cosu != 0.0 && std::fabs(du) <= small_turn
            ? turned({sinu * inverseNorm, cosu * inverseNorm}, du + acTanExcess(sinu, cosu))
            : sinCos(AcTan(sinu, cosu) + du);
    const SinCos ikTrig =
        m.inclinationFixed ? sinCosNear(xinck, {m.sinio, m.cosio}, xinck - m.xinc) : sinCos(xinck);
    const double sinuk = ukTrig.sin;
    const double cosuk = ukTrig.cos;
    const double sinik = ikTrig.sin;
    const double cosik = ikTrig.cos;
    const double sinnok = nok.sin;
    const double cosnok = nok.cos;
    const double xmx = -sinnok * cosik;
    const double xmy = cosnok * cosik;
    const double ux = xmx * sinuk + cosnok * cosuk;
    const double uy = xmy * sinuk + sinnok * cosuk;
    const double uz = sinik * sinuk;
    const double vx = xmx * cosuk - cosnok * sinuk;
    const double vy = xmy * cosuk - sinnok * sinuk;
    const double vz = sinik * cosuk;

    sat.pos.x = rk * ux;
    sat.pos.y = rk * uy;
    sat.pos.z = rk * uz;
    sat.vel.x = rdotk * ux + rfdotk * vx;
    sat.vel.y = rdotk * uy + rfdotk * vy;
    sat.vel.z = rdotk * uz + rfdotk * vz;

    temp = (xlt - m.xnode) - m.phaseOmega + twopi;
    if (temp < 0.0) temp += twopi;
    sat.phase = FMod2p(temp);
    return {xn, xnodek, xinck};
}

}  // namespace

void SGP4(sat_record_t& sat, double tsince) {
    if ((sat.flags & FLAG_SGP4_READY) == 0) {
        sat.flags |= FLAG_SGP4_READY;
        initSGP4(sat);
    }
    const tle_elements_t& tle = sat.tle;
    const sgp4_init_t& g = sat.sgps;

    // Secular gravity and atmospheric drag.
    const double xmdf = tle.xmo + g.xmdot * tsince;
    const double omgadf = tle.omegao + g.omgdot * tsince;
    const double xnoddf = tle.xnodeo + g.xnodot * tsince;
    double omega = omgadf;
    double xmp = xmdf;
    const double tsq = tsince * tsince;
    const double xnode = xnoddf + g.xnodcf * tsq;
    double tempa = 1.0 - g.c1 * tsince;
    double tempe = tle.bstar * g.c4 * tsince;
    double templ = g.t2cof * tsq;
    if ((sat.flags & FLAG_SIMPLE) == 0) {
        const SinCos mdf = sinCos(xmdf);
        const double delomg = g.omgcof * tsince;
        const double eta = 1.0 + g.eta * mdf.cos;
        const double delm = g.xmcof * (eta * eta * eta - g.delmo);
        xmp = xmdf + delomg + delm;
        const double sinxmp = sinCosNear(xmp, mdf, xmp - xmdf).sin;
        omega = omgadf - (delomg + delm);
        const double tcube = tsq * tsince;
        const double tfour = tsince * tcube;
        tempa = tempa - (g.d2 * tsq + g.d3 * tcube + g.d4 * tfour);
        tempe = tempe + tle.bstar * g.c5 * (sinxmp - g.sinmo);
        templ = templ + g.t3cof * tcube + tfour * (g.t4cof + tsince * g.t5cof);
    }

    MeanState m{};
    m.a = g.aodp * tempa * tempa;
    m.e = tle.eo - tempe;
    m.omega = omega;
    m.xl = xmp + omega + xnode + g.xnodp * templ;
    m.xnode = xnode;
    m.xinc = tle.xincl;
    m.cosio = g.cosio;
    m.sinio = g.sinio;
    m.inclinationFixed = true;
    m.phaseOmega = omgadf;
    const Osculating osc = finishState(sat, m);

    sat.tle.omegao1 = omega;
    sat.tle.xincl1 = osc.xinck;
    sat.tle.xnodeo1 = osc.xnodek;
}

void SDP4(sat_record_t& sat, double tsince) {
    if ((sat.flags & FLAG_SDP4_READY) == 0) {
        sat.flags |= FLAG_SDP4_READY;
        initSDP4(sat);
        Deep(dpinit, sat);
    }
    const tle_elements_t& tle = sat.tle;
    const sgp4_init_t& g = sat.sgps;
    deep_link_t& d = sat.deep_arg;

    // Secular gravity and drag, then the lunar-solar secular and resonance terms.
    d.xll = tle.xmo + d.xmdot * tsince;
    d.omgadf = tle.omegao + d.omgdot * tsince;
    const double tsq = tsince * tsince;
    d.xnode = tle.xnodeo + d.xnodot * tsince + g.xnodcf * tsq;
    const double tempa = 1.0 - g.c1 * tsince;
    const double tempe = tle.bstar * g.c4 * tsince;
    const double templ = g.t2cof * tsq;
    d.xn = d.xnodp;
    d.t = tsince;
    Deep(dpsec, sat);

    const double a = std::pow(xke / d.xn, tothrd) * tempa * tempa;
    d.em = d.em - tempe;
    d.xll = d.xll + d.xnodp * templ;
    Deep(dpper, sat);

    MeanState m{};
    m.a = a;
    m.e = d.em;
    m.omega = d.omgadf;
    m.xl = d.xll + d.omgadf + d.xnode;
    m.xnode = d.xnode;
    m.xinc = d.xinc;
    m.cosio = d.cosio;
    m.sinio = d.sinio;
    m.inclinationFixed = false;
    m.phaseOmega = d.omgadf;
    d.xn = finishState(sat, m).xn;

    sat.tle.omegao1 = d.omgadf;
    sat.tle.xincl1 = d.xinc;
    sat.tle.xnodeo1 = d.xnode;
}

void propagate(sat_record_t& sat, double tsince) {
    if ((sat.flags & FLAG_DEEP_SPACE) != 0) {
        SDP4(sat, tsince);
    } else {
        SGP4(sat, tsince);
    }
}

void Forget_Earlier_Predictions(sat_record_t& sat, double tsince) {
    if ((sat.flags & FLAG_DEEP_SPACE) == 0) return;
    constexpr double stale = 1e20;  // the initialisation's value: no terms computed yet
    sat.dps.savtsn = stale;
    if (!(std::fabs(tsince) >= std::fabs(sat.dps.atime))) sat.dps.atime = 0.0;
}

bool isDeepSpace(const tle_elements_t& tle) {
    return twopi / recoverMeanMotion(tle).xnodp / minutes_per_day >= 0.15625;
}

}  // namespace engine
