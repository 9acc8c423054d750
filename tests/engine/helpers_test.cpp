#include <gtest/gtest.h>

#include <cmath>

#include "sidereal_time.h"
#include "vector_math.h"

using namespace engine;
using namespace engine::constants;

TEST(AcTan, FullCircleRulesOnTheAxesAndInEachQuadrant) {
    EXPECT_EQ(AcTan(0.0, 1.0), twopi);  // zero sine with positive cosine: the full circle
    EXPECT_EQ(AcTan(0.0, -1.0), pi);
    EXPECT_EQ(AcTan(1.0, 0.0), pio2);
    EXPECT_EQ(AcTan(-1.0, 0.0), x3pio2);
    EXPECT_EQ(AcTan(0.0, 0.0), x3pio2);
    EXPECT_DOUBLE_EQ(AcTan(1.0, -1.0), pi - std::atan(1.0));
    EXPECT_DOUBLE_EQ(AcTan(-1.0, -1.0), pi + std::atan(1.0));
    EXPECT_DOUBLE_EQ(AcTan(-1.0, 1.0), twopi - std::atan(1.0));
}

TEST(FMod2p, ReducesAnyFiniteValueIntoOneTurn) {
    EXPECT_DOUBLE_EQ(FMod2p(-0.5), 5.7831853071796);
    EXPECT_EQ(FMod2p(twopi), 0.0);
    EXPECT_DOUBLE_EQ(FMod2p(-3.0 * twopi - 1.0), twopi - 1.0);
    EXPECT_EQ(Modulus(-7.5, 2.0), 0.5);
    EXPECT_EQ(Modulus(3e9 + 0.25, 1.0), 0.25);  // quotients past 32 bits
    EXPECT_EQ(Modulus(-3e9 - 0.25, 1.0), 0.75);
    for (const double x : {1e12, -1e12}) {
        const double r = FMod2p(x), turns = (x - r) / twopi;
        EXPECT_TRUE(r >= 0.0 && r < twopi) << x;
        EXPECT_NEAR(turns, std::round(turns), 1e-4) << x;
    }
    for (const double x : {NAN, INFINITY, -INFINITY}) EXPECT_TRUE(std::isnan(FMod2p(x)));
    EXPECT_TRUE(std::isnan(Modulus(1.0, 0.0)));
}

TEST(ArcSin, ClampsAtTheQuarterTurn) {
    EXPECT_EQ(ArcSin(1.0000001), pio2);
    EXPECT_EQ(ArcSin(-1.0), -pio2);
    EXPECT_NEAR(ArcSin(-0.999999), std::asin(-0.999999), 1e-12);
}

TEST(JulianDate, OfYearsAndOfElementEpochs) {
    EXPECT_EQ(Julian_Date_of_Year(2000.0), 2451543.5);
    EXPECT_EQ(Julian_Date_of_Epoch(1.5), 2451545.0);      // 2000 January 1, 12h
    EXPECT_EQ(Julian_Date_of_Epoch(56001.0), 2471998.5);  // 2056 January 1
    EXPECT_EQ(Julian_Date_of_Epoch(57001.0), 2435839.5);  // 1957 January 1
    EXPECT_NEAR(Julian_Date_of_Epoch(80275.98708465), 2444238.5 + 275.98708465, 1e-8);
}

TEST(SiderealTime, AnglesOfJulianDatesAndOfEpochsAgree) {
    EXPECT_NEAR(ThetaG_JD(2451545.0), 4.89496118, 5e-9);
    EXPECT_NEAR(FMod2p(ThetaG_JD(2451546.0) - ThetaG_JD(2451545.0)),
                twopi * (86636.55456 / 86400.0 - 1.0), 1e-6);  // a day turns a bit more
    for (const double epoch : {1.5, 80275.98708465, 24123.75}) {
        deep_link_t link{};
        const double theta = ThetaG(epoch, link), jd = Julian_Date_of_Epoch(epoch);
        EXPECT_NEAR(link.ds50, jd - 2433281.5, 1e-8) << epoch;
        EXPECT_NEAR(std::remainder(theta - ThetaG_JD(jd), twopi), 0.0, 1e-3) << epoch;
    }
}
