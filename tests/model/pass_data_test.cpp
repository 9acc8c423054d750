// Sampled passes, the minimum-elevation rule, the pass in progress, the next-pass cache and
// the ordering by next event.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PassData.h"
#include "sample_sky.h"

using namespace sample;

TEST(PassData, SamplesEveryMinuteFromRiseWithAClosingSampleAtTheSet) {
    Sky sky;
    const auto satellite = sky.make(station);
    const PassData pass(*satellite, epoch);
    ASSERT_TRUE(pass.aos() && pass.los());
    const int count = pass.passItemCount();
    EXPECT_EQ(count, static_cast<int>(std::ceil((*pass.los() - *pass.aos()) / 60.0)) + 1);
    EXPECT_EQ(pass.passItemAtIndex(0).date, pass.aos());
    EXPECT_EQ(pass.passItemAtIndex(count - 1).date, pass.los());
    float highest = -90.0f;
    for (int i = 0; i < count; ++i) {
        const PassCoordinate& sample = pass.passItemAtIndex(i);
        if (i + 1 < count) {
            EXPECT_EQ(*sample.date, *pass.aos() + 60.0 * i);
        }
        highest = std::max(highest, sample.elevation);
    }
    EXPECT_EQ(pass.highestElevationEntry()->elevation, highest);
    EXPECT_EQ(pass.highestElevation(), static_cast<int>(highest));
    EXPECT_EQ(pass.highestElevationDate(), pass.highestElevationEntry()->date);
    EXPECT_EQ(&pass.satelliteReference(), satellite.get());
}

TEST(PassData, PassesBelowTheMinimumElevationAreSkipped) {
    Sky sky;
    const auto satellite = sky.make(weather);
    Date from = epoch;
    // Find a pass that stays low, then ask for one reaching a degree above its top.
    for (int i = 0; i < 20; ++i) {
        const PassData low(*satellite, from);
        ASSERT_TRUE(low.aos());
        if (low.highestElevation() < 30) {
            const int top = low.highestElevation();
            const PassData same(*satellite, from, top);
            EXPECT_EQ(same.aos(), low.aos()) << "a top of exactly the minimum is accepted";
            const PassData higher(*satellite, from, top + 1);
            ASSERT_TRUE(higher.aos());
            EXPECT_GE(*higher.aos(), *low.los());
            EXPECT_GE(higher.highestElevationEntry()->elevation, static_cast<float>(top + 1));
            return;
        }
        from = *low.los();
    }
    FAIL() << "no low pass in twenty";
}

TEST(PassData, WithoutAStartThePassInProgressIsFoundFromItsRise) {
    Sky sky;
    const auto satellite = sky.make(station);
    const PassData coming(*satellite, epoch);
    sky.setNow(*coming.aos() + 120.0);
    const PassData current(*satellite);
    ASSERT_TRUE(current.aos());
    EXPECT_NEAR(*current.aos() - *coming.aos(), 0.0, 10.0);
    EXPECT_EQ(current.nextEventDate(), current.los());
    sky.setNow(*coming.aos() - 60.0);
    EXPECT_EQ(PassData(*satellite).nextEventDate(), PassData(*satellite).aos());
}

TEST(PassData, GeostationaryAndNeverRisingSatellites) {
    Sky sky;
    const auto geo = sky.make(geostationary);
    const PassData fixed(*geo);
    EXPECT_FALSE(fixed.aos() || fixed.los() || fixed.nextEventDate());
    ASSERT_EQ(fixed.passItemCount(), 1);
    EXPECT_FALSE(fixed.passItemAtIndex(0).date);
    geo->predictLocationAt(epoch);
    EXPECT_EQ(fixed.highestElevation(), static_cast<int>(geo->elevation()));

    Sky north(60.0, 0.0);
    const PassData none(*north.make(equatorial));
    EXPECT_FALSE(none.aos() || none.los() || none.highestElevationEntry() || none.nextEventDate());
    EXPECT_EQ(none.passItemCount(), 0);
    EXPECT_EQ(none.highestElevation(), 0);
}

TEST(PassData, TheCacheHoldsAPassUntilItHasSet) {
    Sky sky;
    const auto satellite = sky.make(station);
    const auto first = satellite->nextPass();
    EXPECT_EQ(satellite->nextPass(), first);
    sky.setNow(*first->los());
    EXPECT_EQ(satellite->nextPass(), first) << "a set just now is not past";
    sky.setNow(*first->los() + 1.0);
    const auto second = satellite->nextPass();
    EXPECT_NE(second, first);
    EXPECT_GT(*second->aos(), *first->los());
}

TEST(PassData, OrderingPutsSatellitesWithoutAnEventLast) {
    Sky sky(60.0, 0.0);
    const auto station1 = sky.make(station);
    const auto station2 = sky.make(station);
    const auto weather1 = sky.make(weather);
    const auto never = sky.make(equatorial);
    EXPECT_EQ(station1->compareByEventDateWith(*station2), 0);
    EXPECT_EQ(never->compareByEventDateWith(*station1), 1);
    EXPECT_EQ(station1->compareByEventDateWith(*never), -1);
    const bool stationFirst = *station1->nextPass()->aos() < *weather1->nextPass()->aos();
    EXPECT_EQ(station1->compareByEventDateWith(*weather1), stationFirst ? -1 : 1);
    EXPECT_EQ(weather1->compareByEventDateWith(*station1), stationFirst ? 1 : -1);
}
