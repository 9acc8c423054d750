// Rise and set searches: where they land, how they treat a satellite that is up or down at the
// start, their windows, and the satellites they must give up on.
#include <gtest/gtest.h>

#include <cmath>

#include "sample_sky.h"

using namespace sample;

namespace {

// The searches stop once the elevation is within this many degrees of the horizon.
constexpr double horizon_tolerance = 0.05;

double elevationAt(SatelliteData& satellite, Date date) {
    satellite.predictLocationAt(date);
    return satellite.elevation();
}

}  // namespace

TEST(Events, RisesAndSetsLieOnTheHorizonAndAlternate) {
    Sky sky;
    for (const Lines& lines : {station, weather, molniya}) {
        const auto satellite = sky.make(lines);
        Date from = epoch;
        for (int pass = 0; pass < 5; ++pass) {
            const std::optional<Date> rise = satellite->nextAOSAfter(from, std::nullopt);
            ASSERT_TRUE(rise) << lines.name;
            const std::optional<Date> set = satellite->nextLOSAfter(*rise + 60.0, std::nullopt);
            ASSERT_TRUE(set) << lines.name;
            EXPECT_LT(*rise, *set);
            EXPECT_LT(std::fabs(elevationAt(*satellite, *rise)), horizon_tolerance);
            EXPECT_LT(std::fabs(elevationAt(*satellite, *set)), horizon_tolerance);
            EXPECT_GT(elevationAt(*satellite, *rise + (*set - *rise) / 2), 0.0) << lines.name;
            from = *set;
        }
    }
}

TEST(Events, ASatelliteUpAtTheStartRisesOnlyAfterItsCurrentSet) {
    Sky sky;
    const auto satellite = sky.make(station);
    const Date rise = *satellite->nextAOSAfter(epoch, std::nullopt);
    const Date set = *satellite->nextLOSAfter(rise + 60.0, std::nullopt);
    const Date during = rise + (set - rise) / 2;

    const std::optional<Date> nextRise = satellite->nextAOSAfter(during, std::nullopt);
    ASSERT_TRUE(nextRise);
    EXPECT_GT(*nextRise, set);
    const std::optional<Date> currentSet = satellite->nextLOSAfter(during, std::nullopt);
    ASSERT_TRUE(currentSet);
    EXPECT_NEAR(*currentSet - set, 0.0, 10.0);

    // Seen from before the rise, the set found is that of the coming pass.
    const std::optional<Date> comingSet = satellite->nextLOSAfter(rise - 600.0, std::nullopt);
    ASSERT_TRUE(comingSet);
    EXPECT_NEAR(*comingSet - set, 0.0, 10.0);
}

TEST(Events, AnExplicitEndShortensTheSearch) {
    Sky sky;
    const auto satellite = sky.make(station);
    const Date rise = *satellite->nextAOSAfter(epoch, std::nullopt);
    EXPECT_FALSE(satellite->nextAOSAfter(epoch, rise - 300.0));
    EXPECT_TRUE(satellite->nextAOSAfter(epoch, rise + 300.0));
    // Without an end the search looks ten days ahead and no further.
    const auto nextRise = satellite->nextAOSAfter(rise + 1200.0, std::nullopt);
    ASSERT_TRUE(nextRise);
    EXPECT_LT(*nextRise - rise, 864000.0);
}

TEST(Events, SatellitesThatCannotRiseOrSetGiveNoneAtOnce) {
    Sky north(60.0, 0.0);
    EXPECT_FALSE(north.make(equatorial)->nextAOSAfter(std::nullopt, std::nullopt));
    EXPECT_FALSE(north.make(equatorial)->nextLOSAfter(std::nullopt, std::nullopt));
    Sky sky;
    const auto geo = sky.make(geostationary);
    EXPECT_EQ(geo->orbitType(), engine::orbit_geostationary);
    EXPECT_FALSE(geo->nextAOSAfter(std::nullopt, std::nullopt));
    EXPECT_FALSE(geo->nextLOSAfter(std::nullopt, std::nullopt));
}

TEST(Events, PredictionsBeyondTheModelsRangeEndTheSearch) {
    // Drag so strong that the orbit decays within a day: positions become not-a-number, and
    // the searches must give none rather than loop.
    Sky sky;
    const Lines decaying{"DECAYING",
                         "1 99009U 26001A   26340.50000000  .00000000  00000-0  99999+1 0  9999",
                         "2 99009  51.6000  90.0000 0005000  10.0000 100.0000 15.90000000  9018"};
    const auto satellite = sky.make(decaying);
    ASSERT_TRUE(satellite);
    satellite->predictLocationAt(epoch + 20 * 86400.0);
    ASSERT_TRUE(std::isnan(satellite->elevation()));
    EXPECT_FALSE(satellite->nextAOSAfter(epoch + 20 * 86400.0, std::nullopt));
    EXPECT_FALSE(satellite->nextLOSAfter(epoch + 20 * 86400.0, std::nullopt));
}

TEST(Events, EventTextNamesTheComingEventInTheChosenZone) {
    Sky sky;
    sky.appDelegate.setUseUTC(true);
    const auto satellite = sky.make(station);
    const Date rise = *satellite->nextAOSAfter(epoch, std::nullopt);
    double seconds = -1.0;
    EXPECT_EQ(satellite->nextEventDuration(&seconds),
              "AOS: " + rise.toQDateTime().toString(QStringLiteral("HH:mm:ss")));
    EXPECT_NEAR(seconds, rise - epoch, 1e-6);

    sky.setNow(rise + 120.0);
    const Date set = *satellite->nextLOSAfter(rise + 120.0, std::nullopt);
    EXPECT_EQ(satellite->nextEvent(),
              "LOS: " + set.toQDateTime().toString(QStringLiteral("HH:mm:ss")));
    EXPECT_EQ(satellite->nextEventDate(), set);

    const auto geo = sky.make(geostationary);
    seconds = -1.0;
    EXPECT_EQ(geo->nextEventDuration(&seconds), "No pass visible");
    EXPECT_EQ(seconds, -1.0);
}

// Orbits the inherited steps lost: a transfer orbit that stays below 1 degree for a while after
// it rises (up 23:13 to 08:30 at 52 N on 6-7 December 2026), and a Tundra orbit, up about half
// of each day.
TEST(Events, SlowRisesOfEccentricOrbitsHaveTheirSets) {
    Sky north(52.0, -1.5);
    const Lines transfer{"SAMPLE TRANSFER [-]",
                         "1 99303U 26050B   26340.50000000  .00000050  00000-0  10000-4 0  9997",
                         "2 99303  27.0000 120.0000 7300000 180.0000  20.0000  2.25000000   110"};
    const auto satellite = north.make(transfer);
    const Date evening(818291400.0);  // 2026-12-06T23:10:00Z
    const auto rise = satellite->nextAOSAfter(evening, std::nullopt);
    ASSERT_TRUE(rise);
    EXPECT_NEAR(*rise - evening, 220.0, 60.0);
    EXPECT_LT(elevationAt(*satellite, *rise + 90.0), 1.0) << "below 1 degree after the first step";
    const auto set = satellite->nextLOSAfter(*rise + 60.0, std::nullopt);
    ASSERT_TRUE(set);
    EXPECT_NEAR(*set - evening, 33600.0, 120.0) << "sets at 08:30";

    const Lines tundra{"SAMPLE TUNDRA [+]",
                       "1 99302U 20007A   26340.50000000  .00000000  00000-0  00000-0 0  9992",
                       "2 99302  63.4000 200.0000 2700000 270.0000  30.0000  1.00280000 20015"};
    const auto high = north.make(tundra);
    EXPECT_EQ(high->orbitType(), engine::orbit_ordinary);
    const auto highRise = high->nextAOSAfter(epoch, std::nullopt);
    ASSERT_TRUE(highRise);
    const auto highSet = high->nextLOSAfter(*highRise + 60.0, std::nullopt);
    ASSERT_TRUE(highSet);
    EXPECT_GT(*highSet - *highRise, 10 * 3600.0);
    EXPECT_LT(std::fabs(elevationAt(*high, *highRise)), horizon_tolerance);
    EXPECT_LT(std::fabs(elevationAt(*high, *highSet)), horizon_tolerance);
}
