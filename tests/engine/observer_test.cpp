#include "observer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "sidereal_time.h"
#include "vector_math.h"

using namespace engine;
using namespace engine::constants;

namespace {

constexpr double jd = 2455000.3;

vector4_t plus(vector4_t v, double k, const vector4_t& u) {
    return {v.x + k * u.x, v.y + k * u.y, v.z + k * u.z, 0.0};
}

double distance(const vector4_t& a, const vector4_t& b) {
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

}  // namespace

TEST(Observer, OnTheEquatorWhereTheSiderealAngleIsZero) {
    geodetic_point_t observer{0.0, -ThetaG_JD(jd), 0.0, 123.0};
    vector4_t pos{}, vel{};
    Calculate_User_PosVel(jd, observer, pos, vel);
    EXPECT_NEAR(distance(pos, {6378.135, 0.0, 0.0, 0.0}), 0.0, 1e-9);
    EXPECT_NEAR(distance(vel, {0.0, 6378.135 * 7.292115E-5, 0.0, 0.0}), 0.0, 1e-12);
    EXPECT_NEAR(pos.w, 6378.135, 1e-9);
    EXPECT_NEAR(std::sin(observer.theta), 0.0, 1e-12);  // theta overwritten
}

TEST(Observer, LookAnglesOfPointsPlacedAroundTheObserver) {
    geodetic_point_t observer{-33.0 * de2ra, 151.0 * de2ra, 0.2, 0.0};
    vector4_t pos{}, vel{};
    Calculate_User_PosVel(jd, observer, pos, vel);
    const double sl = std::sin(observer.lat), cl = std::cos(observer.lat);
    const double st = std::sin(observer.theta), ct = std::cos(observer.theta);
    const vector4_t up{cl * ct, cl * st, sl, 0}, north{-sl * ct, -sl * st, cl, 0};
    const vector4_t east{-st, ct, 0, 0};
    look_angles_t look{};
    Calculate_Obs(jd, plus(pos, 500.0, up), vel, observer, look);
    EXPECT_NEAR(look.el, pio2, 1e-7);
    EXPECT_NEAR(look.range, 500.0, 1e-6);
    for (const double azDeg : {30.0, 120.0, 210.0, 300.0}) {
        for (const double elDeg : {-20.0, 0.5, 45.0}) {  // negative below the horizon
            const double az = azDeg * de2ra, el = elDeg * de2ra;
            const vector4_t dir = plus(plus(plus({}, std::cos(el) * std::cos(az), north),
                                            std::cos(el) * std::sin(az), east),
                                       std::sin(el), up);
            Calculate_Obs(jd, plus(pos, 1000.0, dir), plus(vel, 2.0, dir), observer, look);
            EXPECT_NEAR(look.az, az, 1e-9) << azDeg << " " << elDeg;
            EXPECT_NEAR(look.el, el, 1e-9) << azDeg << " " << elDeg;
            EXPECT_NEAR(look.range_rate, 2.0, 1e-9);  // receding
            Calculate_Obs(jd, plus(pos, 1000.0, dir), plus(vel, -1.5, dir), observer, look);
            EXPECT_NEAR(look.range_rate, -1.5, 1e-9);
        }
    }
}

TEST(Observer, SubSatellitePointInvertsTheObserverPosition) {
    for (const geodetic_point_t& site : {geodetic_point_t{50.0 * de2ra, 20.0 * de2ra, 300.0, 0},
                                         geodetic_point_t{-35.0 * de2ra, -70.0 * de2ra, 0.0, 0},
                                         geodetic_point_t{-89.0 * de2ra, 3.0, 20000.0, 0}}) {
        geodetic_point_t observer = site, sub{};
        vector4_t pos{}, vel{};
        Calculate_User_PosVel(jd, observer, pos, vel);
        Calculate_LatLonAlt(jd, pos, sub);
        EXPECT_NEAR(sub.lat, site.lat, 1e-9);          // south negative
        EXPECT_NEAR(sub.lon, FMod2p(site.lon), 1e-9);  // west between pi and 2 pi
        EXPECT_NEAR(sub.alt, site.alt, 1e-6);
    }
}

TEST(Observer, SubSatellitePointOverTheEquatorAndOfNonsense) {
    geodetic_point_t sub{};
    Calculate_LatLonAlt(jd, {7000.0, 0.0, 0.0, 7000.0}, sub);
    EXPECT_NEAR(sub.lat, 0.0, 1e-20);  // AcTan gives twopi first
    EXPECT_NEAR(sub.alt, 7000.0 - 6378.135, 1e-9);
    EXPECT_NEAR(sub.lon, FMod2p(-ThetaG_JD(jd)), 1e-12);
    Calculate_LatLonAlt(jd, {NAN, 1.0, 1.0, 0.0}, sub);  // ends instead of iterating forever
    EXPECT_TRUE(std::isnan(sub.lat) || std::isnan(sub.alt));
}

TEST(Observer, OneSiteAndFrameGiveTheSameAnswersAsTheObserverRecord) {
    const geodetic_point_t record{52.0 * de2ra, -1.5 * de2ra, 0.1, 0.0};
    const observer_site_t site = Observer_Site(record);
    const vector4_t pos{-4000.0, 3000.0, 4500.0, 0.0}, vel{-2.0, -5.0, 3.5, 0.0};
    for (const double when : {jd, jd + 0.37, jd + 3.9}) {
        geodetic_point_t copy = record, sub{}, subOnce{};
        look_angles_t look{}, lookOnce{};
        Calculate_Obs(when, pos, vel, copy, look);
        Calculate_LatLonAlt(when, pos, sub);
        Calculate_Obs_LatLonAlt(when, pos, vel, site, lookOnce, subOnce);
        EXPECT_EQ(look.az, lookOnce.az);
        EXPECT_EQ(look.el, lookOnce.el);
        EXPECT_EQ(look.range_rate, lookOnce.range_rate);
        EXPECT_EQ(sub.lat, subOnce.lat);
        EXPECT_EQ(sub.lon, subOnce.lon);
        EXPECT_EQ(sub.alt, subOnce.alt);
        EXPECT_EQ(copy.theta, Observer_Frame(ThetaG_JD(when), site).theta);
    }
}
