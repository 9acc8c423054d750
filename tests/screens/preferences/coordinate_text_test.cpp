// Reading typed coordinates and writing them back in decimal or sexagesimal form.
#include <gtest/gtest.h>

#include <cmath>

#include "CoordinateText.h"

namespace {

using namespace preferences;
using namespace Qt::Literals::StringLiterals;

constexpr double second = 1.0 / 3600.0;

double latitude(const QString& text) {
    return parseCoordinate(text, Axis::latitude).value_or(-999.0);
}
double longitude(const QString& text) {
    return parseCoordinate(text, Axis::longitude).value_or(-999.0);
}

TEST(ParseCoordinate, DegreesMinutesAndSecondsWithAnySeparator) {
    EXPECT_DOUBLE_EQ(latitude(u"45°30'"_s), 45.5);
    EXPECT_DOUBLE_EQ(latitude(u"45:30:"_s), 45.5);
    EXPECT_DOUBLE_EQ(latitude(u"45 30'"_s), 45.5);
    EXPECT_DOUBLE_EQ(latitude(u"45•30 15"_s), 45.5 + 15 * second);
    EXPECT_DOUBLE_EQ(latitude(u"  45°  5' 7.25\"  "_s), 45 + 5 / 60.0 + 7.25 * second);
    EXPECT_DOUBLE_EQ(latitude(u"-45 30 00"_s), -45.5);
    EXPECT_DOUBLE_EQ(latitude(u"+45 30 00"_s), 45.5);
    EXPECT_DOUBLE_EQ(latitude(u"-0° 30' 0.00\""_s), -0.5);
    EXPECT_DOUBLE_EQ(latitude(u"45 30"_s), 45.0);  // no separator after the minutes
}

TEST(ParseCoordinate, MinutesAndSecondsAreHeldBelowSixty) {
    EXPECT_DOUBLE_EQ(latitude(u"10:75:"_s), 10 + 59 / 60.0);
    EXPECT_DOUBLE_EQ(latitude(u"10:00:75"_s), 10 + 59.99 * second);
    EXPECT_DOUBLE_EQ(latitude(u"10:00:59.995"_s), 10 + 59.995 * second);
    EXPECT_DOUBLE_EQ(latitude(u"10:00:."_s), 10.0);
}

TEST(ParseCoordinate, OtherTextReadsAsALeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(latitude(u"-12.25"_s), -12.25);
    EXPECT_DOUBLE_EQ(latitude(u" 12.5 north"_s), 12.5);
    EXPECT_DOUBLE_EQ(latitude(u".5"_s), 0.5);
    EXPECT_DOUBLE_EQ(latitude(u"1e1"_s), 10.0);
    EXPECT_DOUBLE_EQ(latitude(u"45,5"_s), 45.0);  // reading stops at the comma
}

TEST(ParseCoordinate, TextWithoutANumberGivesNone) {
    for (const QString& text : {u""_s, u"   "_s, u"north"_s, u"-"_s, u"."_s, u"1e999"_s}) {
        EXPECT_FALSE(parseCoordinate(text, Axis::latitude)) << text.toStdString();
        EXPECT_FALSE(parseCoordinate(text, Axis::longitude)) << text.toStdString();
    }
}

TEST(ParseCoordinate, LatitudeIsHeldWithinThePolesOnlyWhenParsedAsOne) {
    EXPECT_DOUBLE_EQ(readDegrees(u"95.5"_s).value_or(0), 95.5);
    EXPECT_DOUBLE_EQ(latitude(u"95.5"_s), 90.0);
    EXPECT_DOUBLE_EQ(latitude(u"-100"_s), -90.0);
    EXPECT_DOUBLE_EQ(latitude(u"-999:59:59"_s), -90.0);
}

TEST(ParseCoordinate, LongitudeIsBroughtIntoOneTurnByWholeTurns) {
    EXPECT_DOUBLE_EQ(longitude(u"190"_s), -170.0);
    EXPECT_DOUBLE_EQ(longitude(u"-190"_s), 170.0);
    EXPECT_DOUBLE_EQ(longitude(u"-540"_s), -180.0);
    EXPECT_DOUBLE_EQ(longitude(u"540"_s), 180.0);
    EXPECT_DOUBLE_EQ(longitude(u"-900"_s), -180.0);
    EXPECT_DOUBLE_EQ(longitude(u"900"_s), 180.0);
    EXPECT_DOUBLE_EQ(longitude(u"360"_s), 0.0);
    EXPECT_DOUBLE_EQ(longitude(u"370 30 00"_s), 10.5);
    const double far = longitude(u"1e300"_s);  // reduced without endless turns
    EXPECT_GE(far, -180.0);
    EXPECT_LE(far, 180.0);
}

TEST(FormatCoordinate, DecimalDegreesWithThreePlaces) {
    EXPECT_EQ(formatCoordinate(45.5, true), u"45.500"_s);
    EXPECT_EQ(formatCoordinate(-0.0001, true), u"-0.000"_s);
}

TEST(FormatCoordinate, SexagesimalFormShowsTheSignOfEveryNegativeValue) {
    EXPECT_EQ(formatCoordinate(45.5, false), u"45° 30' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(-45.5, false), u"-45° 30' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(-0.5, false), u"-0° 30' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(-0.0001, false), u"-0°  0' 0.36\""_s);
    EXPECT_EQ(formatCoordinate(45 + 5 / 60.0 + 7.25 * second, false), u"45°  5' 7.25\""_s);
    EXPECT_EQ(formatCoordinate(10.9999, false), u"10° 59' 59.64\""_s);
}

TEST(FormatCoordinate, ZeroAndValuesRoundingToZeroShowNoSign) {
    EXPECT_EQ(formatCoordinate(0.0, false), u"0°  0' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(-0.0, false), u"0°  0' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(-1e-9, false), u"0°  0' 0.00\""_s);
}

TEST(FormatCoordinate, SecondsRoundingToSixtyCarryIntoTheMinutesAndDegrees) {
    EXPECT_EQ(formatCoordinate(10.99999999, false), u"11°  0' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(-10.99999999, false), u"-11°  0' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(0.7, false), u"0° 42' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(12 + 34.9999999 / 60.0, false), u"12° 35' 0.00\""_s);
    EXPECT_EQ(formatCoordinate(179.9999999, false), u"180°  0' 0.00\""_s);
}

TEST(FormatCoordinate, EveryTextReadsBackAsTheValueItShows) {
    const double values[] = {-180.0,    -179.9999999, -123.456789, -90.0,      -45.5,
                             -1.0,      -0.99999999,  -0.5,        -0.0001,    -1e-7,
                             0.0,       1e-7,         0.0001,      0.5,        10.99999999,
                             45.123456, 89.9999999,   90.0,        179.999999, 180.0};
    for (const double v : values) {
        for (const Axis axis : {Axis::latitude, Axis::longitude}) {
            if (axis == Axis::latitude && std::abs(v) > 90.0) continue;
            const QString sexagesimal = formatCoordinate(v, false);
            const QString decimal = formatCoordinate(v, true);
            const auto fromSexagesimal = parseCoordinate(sexagesimal, axis);
            const auto fromDecimal = parseCoordinate(decimal, axis);
            ASSERT_TRUE(fromSexagesimal && fromDecimal) << v;
            EXPECT_NEAR(*fromSexagesimal, v, 0.005 * second + 1e-12) << sexagesimal.toStdString();
            EXPECT_NEAR(*fromDecimal, v, 0.0005 + 1e-12) << decimal.toStdString();
            EXPECT_EQ(formatCoordinate(*fromSexagesimal, false), sexagesimal);
        }
    }
}

}  // namespace
