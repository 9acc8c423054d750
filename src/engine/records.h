// The fixed-layout orbital record of one satellite and the small records shared by the
// propagators and the observer geometry. The byte layout of sat_record_t is a stored format
// (it is archived as 1432 raw bytes), so every offset is pinned by a static_assert below.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace engine {

static_assert(std::endian::native == std::endian::little,
              "the archived record is little-endian and stored as raw bytes");

// Doubles are packed on 4 bytes in the stored layout. Members of these records must be read
// and written directly (never through a double* or double&), since they may sit on 4-byte
// boundaries.
#pragma pack(push, 4)

struct vector4_t {
    double x, y, z, w;
};

struct look_angles_t {
    double az, el, range, range_rate;
};

struct astro_coords_t {
    double ra, dec;
};

struct geodetic_point_t {
    double lat, lon, alt, theta;
};

struct tle_elements_t {
    double epoch;
    std::uint32_t epoch_year;
    std::uint32_t epoch_day;
    double epoch_fod;
    double xndt2o;
    double xndd6o;
    double bstar;
    double xincl;
    double xnodeo;
    double eo;
    double omegao;
    double xmo;
    double xno;
    std::int32_t catnr;
    std::int32_t elset;
    std::int32_t revnum;
    char sat_name[25];
    char idesg[9];
    char padding[2];
    std::int32_t status;
    double xincl1;
    double xnodeo1;
    double omegao1;
};

struct sgp4_init_t {
    double aodp, aycof, c1, c4, c5, cosio, d2, d3, d4, delmo, omgcof, eta, omgdot, sinio;
    double xnodp, sinmo, t2cof, t3cof, t4cof, t5cof, x1mth2, x3thm1, x7thm1, xmcof, xmdot;
    double xnodcf, xnodot, xlcof;
};

struct deep_values_t {
    double thgr, xnq, xqncl, omegaq, zmol, zmos, savtsn, ee2, e3, xi2, xl2, xl3, xl4, xgh2;
    double xgh3, xgh4, xh2, xh3, sse, ssi, ssg, xi3, se2, si2, sl2, sgh2, sh2, se3, si3, sl3;
    double sgh3, sh3, sl4, sgh4, ssl, ssh, d3210, d3222, d4410, d4422, d5220, d5232, d5421;
    double d5433, del1, del2, del3, fasx2, fasx4, fasx6, xlamo, xfact, xni, atime, stepp;
    double stepn, step2, preep, pl, sghs, xli, d2201, d2211, sghl, sh1, pinc, pe, shs, zsingl;
    double zcosgl, zsinhl, zcoshl, zsinil, zcosil;
};

struct deep_link_t {
    double eosq, sinio, cosio, betao, aodp, theta2, sing, cosg, betao2, xmdot, omgdot, xnodot;
    double xnodp, xll, omgadf, xnode, em, xinc, xn, t, ds50;
};

struct sat_record_t {
    tle_elements_t tle;
    std::int32_t flags;
    sgp4_init_t sgps;
    deep_values_t dps;
    deep_link_t deep_arg;
    vector4_t pos;
    vector4_t vel;
    look_angles_t bearing;
    astro_coords_t astro;
    double jul_epoch;
    double jul_utc;
    double tsince;
    double aos;
    double los;
    double az;
    double el;
    double range;
    double range_rate;
    double ra;
    double dec;
    double ssplat;
    double ssplon;
    double alt;
    double velo;
    double ma;
    double footprint;
    double phase;
    double meanmo;
    std::uint32_t orbit;
    std::int32_t otype;
};

#pragma pack(pop)

inline constexpr std::int32_t FLAG_SGP4_READY = 0x0002;
inline constexpr std::int32_t FLAG_SDP4_READY = 0x0004;
inline constexpr std::int32_t FLAG_SIMPLE = 0x0020;
inline constexpr std::int32_t FLAG_DEEP_SPACE = 0x0040;
inline constexpr std::int32_t FLAG_LUNAR_DONE = 0x0080;
inline constexpr std::int32_t FLAG_INTEGRATE = 0x0200;
inline constexpr std::int32_t FLAG_RESONANT = 0x0400;
inline constexpr std::int32_t FLAG_SYNCHRONOUS = 0x0800;
inline constexpr std::int32_t FLAG_RESTART = 0x1000;

inline constexpr std::int32_t orbit_ordinary = 0;
inline constexpr std::int32_t orbit_geostationary = 3;
inline constexpr std::int32_t orbit_decayed = 9;

inline constexpr std::size_t sat_record_size = 1432;

// The stored layout, field by field.
static_assert(sizeof(vector4_t) == 32 && sizeof(look_angles_t) == 32);
static_assert(sizeof(astro_coords_t) == 16 && sizeof(geodetic_point_t) == 32);
static_assert(sizeof(tle_elements_t) == 172);
static_assert(sizeof(sgp4_init_t) == 28 * 8);
static_assert(sizeof(deep_values_t) == 74 * 8);
static_assert(sizeof(deep_link_t) == 21 * 8);
static_assert(sizeof(sat_record_t) == sat_record_size);

static_assert(offsetof(tle_elements_t, epoch) == 0);
static_assert(offsetof(tle_elements_t, epoch_year) == 8);
static_assert(offsetof(tle_elements_t, epoch_day) == 12);
static_assert(offsetof(tle_elements_t, epoch_fod) == 16);
static_assert(offsetof(tle_elements_t, xndt2o) == 24);
static_assert(offsetof(tle_elements_t, xndd6o) == 32);
static_assert(offsetof(tle_elements_t, bstar) == 40);
static_assert(offsetof(tle_elements_t, xincl) == 48);
static_assert(offsetof(tle_elements_t, xnodeo) == 56);
static_assert(offsetof(tle_elements_t, eo) == 64);
static_assert(offsetof(tle_elements_t, omegao) == 72);
static_assert(offsetof(tle_elements_t, xmo) == 80);
static_assert(offsetof(tle_elements_t, xno) == 88);
static_assert(offsetof(tle_elements_t, catnr) == 96);
static_assert(offsetof(tle_elements_t, elset) == 100);
static_assert(offsetof(tle_elements_t, revnum) == 104);
static_assert(offsetof(tle_elements_t, sat_name) == 108);
static_assert(offsetof(tle_elements_t, idesg) == 133);
static_assert(offsetof(tle_elements_t, padding) == 142);
static_assert(offsetof(tle_elements_t, status) == 144);
static_assert(offsetof(tle_elements_t, xincl1) == 148);
static_assert(offsetof(tle_elements_t, xnodeo1) == 156);
static_assert(offsetof(tle_elements_t, omegao1) == 164);

static_assert(offsetof(sat_record_t, tle) == 0);
static_assert(offsetof(sat_record_t, flags) == 172);
static_assert(offsetof(sat_record_t, sgps) == 176);
static_assert(offsetof(sat_record_t, dps) == 400);
static_assert(offsetof(sat_record_t, deep_arg) == 992);
static_assert(offsetof(sat_record_t, pos) == 1160);
static_assert(offsetof(sat_record_t, vel) == 1192);
static_assert(offsetof(sat_record_t, bearing) == 1224);
static_assert(offsetof(sat_record_t, astro) == 1256);
static_assert(offsetof(sat_record_t, jul_epoch) == 1272);
static_assert(offsetof(sat_record_t, jul_utc) == 1280);
static_assert(offsetof(sat_record_t, tsince) == 1288);
static_assert(offsetof(sat_record_t, aos) == 1296);
static_assert(offsetof(sat_record_t, los) == 1304);
static_assert(offsetof(sat_record_t, az) == 1312);
static_assert(offsetof(sat_record_t, el) == 1320);
static_assert(offsetof(sat_record_t, range) == 1328);
static_assert(offsetof(sat_record_t, range_rate) == 1336);
static_assert(offsetof(sat_record_t, ra) == 1344);
static_assert(offsetof(sat_record_t, dec) == 1352);
static_assert(offsetof(sat_record_t, ssplat) == 1360);
static_assert(offsetof(sat_record_t, ssplon) == 1368);
static_assert(offsetof(sat_record_t, alt) == 1376);
static_assert(offsetof(sat_record_t, velo) == 1384);
static_assert(offsetof(sat_record_t, ma) == 1392);
static_assert(offsetof(sat_record_t, footprint) == 1400);
static_assert(offsetof(sat_record_t, phase) == 1408);
static_assert(offsetof(sat_record_t, meanmo) == 1416);
static_assert(offsetof(sat_record_t, orbit) == 1424);
static_assert(offsetof(sat_record_t, otype) == 1428);

// Spot checks inside the model sub-records: first and last field of each, and the fields
// whose position the deep-space code relies on.
static_assert(offsetof(sat_record_t, sgps) + offsetof(sgp4_init_t, xlcof) == 176 + 27 * 8);
static_assert(offsetof(deep_values_t, zcosil) == 73 * 8);
static_assert(offsetof(deep_values_t, atime) == 53 * 8);
static_assert(offsetof(deep_link_t, ds50) == 20 * 8);

}  // namespace engine
