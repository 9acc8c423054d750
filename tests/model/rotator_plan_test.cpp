// Placing a pass on a rotator's ranges: the long way round past a stop, flipping over the
// zenith, holding at a stop, and never swinging round in the middle of a pass.
#include <gtest/gtest.h>

#include <cmath>

#include "PassData.h"
#include "RotatorSteering.h"
#include "sample_sky.h"

namespace {

// A pass's sky track sampled every degree of azimuth from `from` turning by `turn` degrees
// (negative: anticlockwise), climbing to `top` degrees halfway.
std::vector<RotatorPosition> track(double from, double turn, double top) {
    std::vector<RotatorPosition> positions;
    const int steps = static_cast<int>(std::abs(turn));
    for (int i = 0; i <= steps; ++i) {
        const double fraction = static_cast<double>(i) / steps;
        const double azimuth = std::fmod(from + turn * fraction + 720.0, 360.0);
        positions.push_back({azimuth, top * std::sin(M_PI * fraction)});
    }
    return positions;
}

RotatorLimits limits(double azimuthMin, double azimuthMax, double elevationMax = 90.0) {
    RotatorLimits l;
    l.azimuthMin = azimuthMin;
    l.azimuthMax = azimuthMax;
    l.elevationMax = elevationMax;
    return l;
}

// The largest step between consecutive positions the rotator is sent along the track; a
// swing round the stop would show as a step of nearly a full turn.
double largestStep(const RotatorPlan& plan, const std::vector<RotatorPosition>& sky) {
    double largest = 0.0;
    for (std::size_t i = 1; i < sky.size(); ++i) {
        largest = std::max(largest, std::abs(plan.positionFor(sky[i]).azimuth -
                                             plan.positionFor(sky[i - 1]).azimuth));
    }
    return largest;
}

void expectWithin(const RotatorPlan& plan, const std::vector<RotatorPosition>& sky,
                  const RotatorLimits& l) {
    for (const RotatorPosition& p : sky) {
        const RotatorPosition r = plan.positionFor(p);
        EXPECT_GE(r.azimuth, l.azimuthMin);
        EXPECT_LE(r.azimuth, l.azimuthMax);
        EXPECT_GE(r.elevation, l.elevationMin);
        EXPECT_LE(r.elevation, l.elevationMax);
    }
}

// One degree of sky track per sample: a rotator following it steps a degree or two.
constexpr double smoothStep = 2.0;

}  // namespace

TEST(RotatorPlan, APassThroughNorthOnA360RotatorIsHeldAtTheStopNeverSwung) {
    const auto sky = track(300.0, 120.0, 40.0);  // 300 through north to 60
    const RotatorLimits l = limits(0.0, 360.0);
    const RotatorPlan plan(sky, l);
    EXPECT_FALSE(plan.flipped());
    EXPECT_FALSE(plan.followsWholeTrack());
    EXPECT_LE(largestStep(plan, sky), smoothStep);
    expectWithin(plan, sky, l);
}

TEST(RotatorPlan, A450RotatorFollowsAPassThroughNorthPastTheStop) {
    const RotatorLimits l = limits(0.0, 450.0);
    const auto clockwise = track(300.0, 120.0, 40.0);
    const RotatorPlan plan(clockwise, l);
    EXPECT_TRUE(plan.followsWholeTrack());
    EXPECT_DOUBLE_EQ(plan.risePosition().azimuth, 300.0);
    EXPECT_DOUBLE_EQ(plan.positionFor(clockwise.back()).azimuth, 420.0);
    EXPECT_LE(largestStep(plan, clockwise), smoothStep);

    // Anticlockwise from 60 through north to 300: the rotator starts the long way round, at
    // 420, rather than at 60 from where it would have to cross the stop.
    const auto anticlockwise = track(60.0, -120.0, 40.0);
    const RotatorPlan longWay(anticlockwise, l);
    EXPECT_TRUE(longWay.followsWholeTrack());
    EXPECT_DOUBLE_EQ(longWay.risePosition().azimuth, 420.0);
    EXPECT_DOUBLE_EQ(longWay.positionFor(anticlockwise.back()).azimuth, 300.0);
    EXPECT_LE(largestStep(longWay, anticlockwise), smoothStep);
    expectWithin(longWay, anticlockwise, l);
}

TEST(RotatorPlan, OfTwoWaysTheOneStartingNearerThePark) {
    RotatorLimits l = limits(-180.0, 540.0);
    const auto sky = track(330.0, 60.0, 30.0);
    l.park = {0.0, 0.0};
    EXPECT_DOUBLE_EQ(RotatorPlan(sky, l).risePosition().azimuth, -30.0);
    l.park = {360.0, 0.0};
    EXPECT_DOUBLE_EQ(RotatorPlan(sky, l).risePosition().azimuth, 330.0);
}

TEST(RotatorPlan, AFlipOverRotatorFlipsAPassThroughItsStop) {
    const RotatorLimits l = limits(0.0, 360.0, 180.0);
    const auto sky = track(300.0, 120.0, 70.0);
    const RotatorPlan plan(sky, l);
    EXPECT_TRUE(plan.flipped());
    EXPECT_TRUE(plan.followsWholeTrack());
    EXPECT_DOUBLE_EQ(plan.risePosition().azimuth, 120.0);
    EXPECT_DOUBLE_EQ(plan.risePosition().elevation, 180.0);
    EXPECT_LE(largestStep(plan, sky), smoothStep);
    expectWithin(plan, sky, l);

    // A pass clear of the stop is followed without flipping.
    EXPECT_FALSE(RotatorPlan(track(100.0, 120.0, 70.0), l).flipped());
}

TEST(RotatorPlan, ElevationsBelowTheRangeAreHeldAtItsEdge) {
    RotatorLimits l = limits(0.0, 360.0);
    l.elevationMin = 5.0;
    const RotatorPlan plan(track(100.0, 90.0, 40.0), l);
    EXPECT_DOUBLE_EQ(plan.positionFor({120.0, -0.5}).elevation, 5.0);
    EXPECT_DOUBLE_EQ(plan.positionFor({120.0, 95.0}).elevation, 90.0);
}

TEST(RotatorPlan, EveryPassOfTheSampleSatellitesIsFollowedWithoutASwing) {
    sample::Sky sky(60.0, 10.0);  // far enough north for passes through north
    int throughNorth = 0;
    int wholeTracks = 0;
    for (const sample::Lines& lines : {sample::station, sample::weather}) {
        const auto satellite = sky.make(lines);
        Date from = sample::epoch;
        for (int n = 0; n < 8; ++n) {
            const PassData pass(*satellite, from);
            ASSERT_TRUE(pass.aos() && pass.los());
            from = *pass.los();
            std::vector<RotatorPosition> seconds;
            for (Date t = *pass.aos(); t <= *pass.los(); t = t + 1.0) {
                satellite->predictLocationAt(t);
                seconds.push_back({satellite->azimuth(), satellite->elevation()});
            }
            bool crossesNorth = false;
            for (std::size_t i = 1; i < seconds.size(); ++i) {
                crossesNorth |= std::abs(seconds[i].azimuth - seconds[i - 1].azimuth) > 180.0;
            }
            throughNorth += crossesNorth;
            for (const RotatorLimits& l : {limits(0.0, 360.0), limits(0.0, 450.0),
                                           limits(-180.0, 540.0), limits(0.0, 360.0, 180.0)}) {
                const RotatorSteering steering = RotatorSteering::forPass(*satellite, pass, l);
                // Near the zenith the sky azimuth itself turns fast; a swing is a half turn.
                EXPECT_LT(largestStep(steering.plan(), seconds), 180.0);
                expectWithin(steering.plan(), seconds, l);
                // Two whole turns of azimuth reach any track that turns less than one.
                if (l.azimuthMax - l.azimuthMin >= 720.0) {
                    EXPECT_TRUE(steering.plan().followsWholeTrack());
                }
                wholeTracks += steering.plan().followsWholeTrack();
            }
        }
    }
    EXPECT_GT(throughNorth, 0);      // the cases above include passes through north
    EXPECT_GT(wholeTracks, 16 * 3);  // most passes are followed whole on every rotator
}

TEST(RotatorSteering, RiseThenFollowThenPark) {
    RotatorLimits l = limits(0.0, 450.0);
    l.startElevation = 5.0;
    l.tolerance = 2.0;
    l.park = {180.0, 90.0};
    const auto sky = track(300.0, 120.0, 40.0);
    const Date aos(1000.0);
    const Date los(2000.0);
    RotatorSteering steering(RotatorPlan(sky, l), l, aos, los);

    EXPECT_EQ(steering.change(aos - 60.0, {200.0, -10.0}), (RotatorPosition{300.0, 0.0}));
    steering.positionSent({300.0, 0.0});
    EXPECT_FALSE(steering.change(aos - 30.0, {200.0, -10.0}));  // already there
    // Risen but below the starting elevation: holds still.
    EXPECT_FALSE(steering.change(aos + 10.0, {302.0, 3.0}));
    // Above it: follows, once the change reaches the tolerance.
    EXPECT_EQ(steering.change(aos + 20.0, {303.0, 6.0}), (RotatorPosition{303.0, 6.0}));
    steering.positionSent({303.0, 6.0});
    EXPECT_FALSE(steering.change(aos + 21.0, {304.5, 7.5}));
    EXPECT_TRUE(steering.change(aos + 22.0, {305.0, 7.5}));
    EXPECT_EQ(steering.change(aos + 500.0, {10.0, 30.0}), (RotatorPosition{370.0, 30.0}));
    // After the set: to the park position exactly, then nothing more.
    steering.positionSent({181.0, 89.5});
    EXPECT_FALSE(steering.isParked(los + 1.0));
    EXPECT_EQ(steering.change(los + 1.0, {60.0, -1.0}), l.park);
    steering.positionSent(l.park);
    EXPECT_TRUE(steering.isParked(los + 1.0));
    EXPECT_FALSE(steering.change(los + 2.0, {60.0, -1.0}));
}

TEST(RotatorLimits, RangesARotatorCanHave) {
    EXPECT_TRUE(limits(0.0, 360.0).isValid());
    EXPECT_TRUE(limits(-180.0, 540.0, 180.0).isValid());
    EXPECT_FALSE(limits(0.0, 270.0).isValid());  // cannot reach every direction
    EXPECT_FALSE(limits(0.0, 360.0, 60.0).isValid());
    RotatorLimits parkedOutside = limits(0.0, 360.0);
    parkedOutside.park = {400.0, 0.0};
    EXPECT_FALSE(parkedOutside.isValid());
}
