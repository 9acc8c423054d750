#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "element_lines.h"
#include "sidereal_time.h"

using namespace engine;
using namespace fixture;

namespace {
constexpr double de2ra = 0.0174532925;
}

TEST(Prediction, AtTheEpochAndOneDayLater) {
    SettingsStore store;
    const auto sat = make(store, line1_88888, line2_88888);
    const sat_record_t& rec = sat->satelliteData();
    EXPECT_NEAR(rec.tsince, 0.0, 1e-6);
    EXPECT_EQ(sat->orbit(), 104);                  // revnum - 1: mean anomaly below one turn
    EXPECT_NEAR(rec.pos.x, 2328.97048951, 0.005);  // published position at the epoch, km
    const Date later = *sat->keplerDate() + 86400.0;
    store.setClock([later] { return later; });
    sat->predictLocationAt();  // now, from the store's clock
    EXPECT_NEAR(rec.tsince, 1440.0, 1e-5);
    EXPECT_EQ(sat->orbit(), 120);  // 16.06 turns a day and 0.31 of a turn at the epoch
}

TEST(Prediction, PropertiesStayInTheirRangesOverADay) {
    SettingsStore store;
    store.setObserver_geodetic({52.0 * de2ra, 4.0 * de2ra, 0.01, 0.0});
    const auto sat = make(store, line1_88888, line2_88888);
    double west = 0.0, east = 0.0, highest = -90.0;
    for (double s = 0.0; s < 86400.0; s += 97.0) {
        sat->predictLocationAt(*sat->keplerDate() + s);
        west = std::min(west, sat->longitude());
        east = std::max(east, sat->longitude());
        highest = std::max(highest, sat->elevation());
        EXPECT_TRUE(sat->longitude() >= -180.0 && sat->longitude() <= 180.0);
        EXPECT_TRUE(sat->azimuth() >= 0.0 && sat->azimuth() < 360.0);
        EXPECT_NEAR(sat->velocity(), 7.75, 0.2);
    }
    EXPECT_LT(west, -170.0);  // east longitudes beyond 180 come out negative
    EXPECT_GT(east, 170.0);
    EXPECT_GT(highest, 0.0);
    EXPECT_EQ(store.observer_geodetic().theta, 0.0);  // predictions work on a copy
}

TEST(Prediction, GeostationaryStationAt190EastOverTheObserver) {
    SettingsStore store;
    store.setObserver_geodetic({0.0, -170.0 * de2ra, 0.0, 0.0});
    const double theta = ThetaG_JD(Julian_Date_of_Epoch(80275.98708465)) / de2ra;
    const auto sat = make(store, line1("80275.98708465", " .00000000", " 00000-0", " 00000-0"),
                          line2(0.0, 0.0, "0000000", 0.0, std::fmod(theta + 190.0, 360.0), 1.0027));
    EXPECT_EQ(sat->orbitType(), orbit_geostationary);
    EXPECT_NEAR(sat->longitude(), -170.0, 0.2);
    EXPECT_NEAR(sat->latitude(), 0.0, 0.01);
    EXPECT_GT(sat->elevation(), 89.0);
    EXPECT_NEAR(sat->range(), 35786.0, 30.0);
    EXPECT_LT(std::fabs(sat->rangeRate()), 0.01);
}

TEST(Prediction, OrbitClassOfNewElementSets) {
    SettingsStore store;
    const QString noDecay = line1("80275.98708465", " .00000000");
    const std::tuple<QString, double, int32_t> cases[] = {
        {noDecay, 1.0027, orbit_geostationary}, {noDecay, 1.00289, orbit_geostationary},
        {noDecay, 1.0030, orbit_ordinary},      {noDecay, 15.5, orbit_ordinary},
        {noDecay, 16.9, orbit_decayed},         {line1(), 16.9, orbit_decayed},
        {line1(), 15.5, orbit_ordinary}};
    for (const auto& [l1, meanMotion, otype] : cases) {
        const auto sat = make(store, l1, line2(0.5, 0.0, "0001000", 0.0, 0.0, meanMotion));
        EXPECT_EQ(sat->orbitType(), otype) << meanMotion << " " << l1.toStdString();
    }
}

// A 24-hour orbit is geostationary only while it stays put in the sky: an inclined station
// (the bundled sample at 8 degrees) and a Tundra orbit rise and set like any other.
TEST(Prediction, TwentyFourHourOrbitsThatMoveInTheSkyAreOrdinary) {
    SettingsStore store;
    const QString l1 = line1("80275.98708465", " .00000000", " 00000-0", " 00000-0");
    const std::tuple<double, const char*, int32_t> cases[] = {
        {0.05, "0003000", orbit_geostationary}, {0.99, "0049000", orbit_geostationary},
        {1.01, "0003000", orbit_ordinary},      {8.0, "0004000", orbit_ordinary},
        {0.05, "0051000", orbit_ordinary},      {63.4, "2700000", orbit_ordinary}};
    for (const auto& [inclination, eccentricity, otype] : cases) {
        const auto sat =
            make(store, l1, line2(inclination, 200.0, eccentricity, 270.0, 30.0, 1.0028));
        EXPECT_EQ(sat->orbitType(), otype) << inclination << " " << eccentricity;
    }
}
