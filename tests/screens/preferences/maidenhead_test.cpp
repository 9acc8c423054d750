// Maidenhead locators: positions to locators of 4, 6 and 8 characters and back to the centres
// of their squares, the edges of the map, and text that is no locator. The reference locators
// are worked out by hand from the definition (fields of 20° × 10°, squares of 2° × 1°,
// subsquares of 5' × 2.5', extended squares of 30" × 15").
#include "Maidenhead.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace maidenhead;

// Half the extended square's latitude step: the farthest a round trip of 8 characters may land
// from where it started.
constexpr double extendedHalfHeight = 1.0 / 24.0 / 10.0 / 2.0;

TEST(Maidenhead, PositionsGiveTheirSquaresAtEachLength) {
    // Greenwich, 51.4779° N 0.0015° W: field IO, square 91, subsquare xl.
    EXPECT_EQ(locatorFor(51.4779, -0.0015, 4), "IO91");
    EXPECT_EQ(locatorFor(51.4779, -0.0015, 6), "IO91xl");
    EXPECT_EQ(locatorFor(51.4779, -0.0015), "IO91xl") << "six characters unless asked";
    EXPECT_EQ(locatorFor(51.4779, -0.0015, 8), "IO91xl94");
    EXPECT_EQ(locatorFor(-33.8688, 151.2093, 6), "QF56od");  // Sydney
    EXPECT_EQ(locatorFor(0.0, 0.0, 6), "JJ00aa");
}

TEST(Maidenhead, TheEdgesOfTheMapStayOnIt) {
    EXPECT_EQ(locatorFor(90.0, 180.0, 6), "AR09ax") << "the pole just below it, 180° as -180°";
    EXPECT_EQ(locatorFor(-90.0, -180.0, 4), "AA00");
    EXPECT_EQ(locatorFor(89.9999, 179.9999, 4), "RR99");
    EXPECT_EQ(locatorFor(10.0, 540.0, 4), "AK00") << "longitudes by whole turns";
}

TEST(Maidenhead, LocatorsGiveTheCentreOfTheirSquareInEitherCase) {
    const auto centre = [](QStringView locator) { return centreOf(locator).value(); };
    EXPECT_DOUBLE_EQ(centre(u"JO01").latitude, 51.5);
    EXPECT_DOUBLE_EQ(centre(u"JO01").longitude, 1.0);
    EXPECT_DOUBLE_EQ(centre(u"jo01MM").latitude, centre(u"JO01mm").latitude);
    EXPECT_NEAR(centre(u"IO91xl").latitude, 51.4792, 1e-4);
    EXPECT_NEAR(centre(u"IO91xl").longitude, -0.0417, 1e-4);
    EXPECT_NEAR(centre(u"  IO91xl99 ").longitude, -0.0042, 1e-4) << "blanks around it";
}

TEST(Maidenhead, RoundTripsLandInTheSameSquare) {
    for (double latitude = -89.5; latitude < 90; latitude += 7.3) {
        for (double longitude = -179.5; longitude < 180; longitude += 11.7) {
            for (const int length : {4, 6, 8}) {
                const QString locator = locatorFor(latitude, longitude, length).value();
                const Position centre = centreOf(locator).value();
                EXPECT_EQ(locatorFor(centre.latitude, centre.longitude, length), locator);
            }
            const Position fine = centreOf(locatorFor(latitude, longitude, 8).value()).value();
            EXPECT_NEAR(fine.latitude, latitude, 2 * extendedHalfHeight + 1e-9);
        }
    }
}

TEST(Maidenhead, AnythingElseIsNoLocator) {
    for (const QStringView text :
         {u"", u"JO0", u"JO01a", u"JO01abc", u"JO01ab1", u"SO01", u"JS01", u"JOA1", u"JO01ay",
          u"JO01ya", u"JO01abX9", u"JO01 ab", u"10JO", u"JO01ab12cd"}) {
        EXPECT_FALSE(centreOf(text)) << text.toString().toStdString();
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(locatorFor(nan, 0.0));
    EXPECT_FALSE(locatorFor(0.0, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(locatorFor(90.5, 0.0));
    EXPECT_FALSE(locatorFor(10.0, 10.0, 5));
}

}  // namespace
