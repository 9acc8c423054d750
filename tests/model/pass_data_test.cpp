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
    // The highest point lies between the samples, at least as high as the highest of them.
    const PassCoordinate* top = pass.highestElevationEntry();
    ASSERT_TRUE(top && top->date);
    EXPECT_GE(top->elevation, highest);
    EXPECT_TRUE(*pass.aos() < *top->date && *top->date < *pass.los());
    satellite->predictLocationAt(*top->date);
    EXPECT_EQ(top->elevation, static_cast<float>(satellite->elevation()));
    EXPECT_EQ(top->azimuth, static_cast<float>(satellite->azimuth()));
    for (const double offset : {-1.0, 1.0}) {
        satellite->predictLocationAt(*top->date + offset);
        EXPECT_LE(satellite->elevation(), top->elevation + 0.01);
    }
    EXPECT_EQ(pass.highestElevation(), static_cast<int>(top->elevation));
    EXPECT_EQ(pass.highestElevationDate(), top->date);
    EXPECT_EQ(&pass.satelliteReference(), satellite.get());
}

// Cases that went wrong: an approach that peaks just below the horizon is no rise; a pass
// overhead, whose elevation turns sharply, has its true top; the minimum elevation is judged by
// the true top, not the highest sample.
TEST(PassData, GrazingApproachesOverheadPassesAndTheMinimumElevation) {
    Sky north(52.0, -1.5);
    const Lines amateur{"SAMPLE AMATEUR 1 [+]",
                        "1 99005U 13066B   26340.50000000  .00000400  00000-0  50000-4 0  9992",
                        "2 99005  97.6000  10.0000 0011000 150.0000 210.0000 14.82000000 70012"};
    const auto satellite = north.make(amateur);
    const Date grazing(818351460.0);  // 2026-12-07T15:51:00Z, where the approach peaks below 0
    const PassData pass(*satellite, grazing);
    ASSERT_TRUE(pass.aos());
    const Date realRise(818357400.0);  // 2026-12-07T17:30:00Z
    EXPECT_NEAR(*pass.aos() - realRise, -560.0, 30.0) << "rises at 17:20:40";
    EXPECT_GT(pass.highestElevationEntry()->elevation, 13.0f);

    // An overhead pass: the satellite's own sub-satellite point at its highest sample.
    const PassData first(*satellite, epoch);
    satellite->predictLocationAt(*first.highestElevationDate());
    Sky below(satellite->latitude(), satellite->longitude());
    const auto overhead = below.make(amateur);
    const PassData top(*overhead, *first.aos() - 600.0);
    float highestSample = -90.0f;
    for (int i = 0; i < top.passItemCount(); ++i) {
        highestSample = std::max(highestSample, top.passItemAtIndex(i).elevation);
    }
    EXPECT_GT(top.highestElevationEntry()->elevation, 89.0f);
    EXPECT_GT(top.highestElevationEntry()->elevation - highestSample, 5.0f);
    // Kept at a minimum elevation above its highest sample.
    const PassData kept(*overhead, *first.aos() - 600.0, static_cast<int>(highestSample) + 2);
    EXPECT_EQ(kept.aos(), top.aos());
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
