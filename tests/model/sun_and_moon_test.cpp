// The Sun's and the Moon's place in the sky from their low-precision series.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "SunAndMoon.h"
#include "sample_sky.h"

using namespace sample;

namespace {

// The solar series is good to about a hundredth of a degree; the figures below are rounded
// almanac values, so they are checked to a tenth.
constexpr double almanac_tolerance = 0.1;
// The Moon's series leaves out the perturbations, which move it by up to a few degrees.
constexpr double moon_tolerance = 0.5;

Date utc(int year, int month, int day, int hour, int minute, int second = 0) {
    return Date::fromQDateTime(
        QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc()));
}

}  // namespace

TEST(SunAndMoon, RemainderOfAFullCircle) {
    EXPECT_DOUBLE_EQ(SunAndMoon::rem2Pi(-0.5), 6.283185307179586 - 0.5);
    EXPECT_DOUBLE_EQ(SunAndMoon::rem2Pi(7.0), 7.0 - 6.283185307179586);
    EXPECT_DOUBLE_EQ(SunAndMoon::rem2Pi(1.0), 1.0);
}

TEST(SunAndMoon, TheSunAtThePoleStandsAtItsDeclination) {
    Sky pole(90.0, 0.0);
    // December solstice 2026 (21 December, 20:50 UTC): declination -23.44 degrees.
    EXPECT_NEAR(SunAndMoon::sunAt(pole.appDelegate, utc(2026, 12, 21, 20, 50)).elevation, -23.44,
                almanac_tolerance);
    // March equinox 2026 (20 March, 14:46 UTC): declination 0.
    EXPECT_NEAR(SunAndMoon::sunAt(pole.appDelegate, utc(2026, 3, 20, 14, 46)).elevation, 0.0,
                almanac_tolerance);
}

TEST(SunAndMoon, TheSunCulminatesInTheSouthAtLocalNoon) {
    Sky greenwich(51.4779, 0.0);
    // 6 December: the Sun crosses the Greenwich meridian at about 11:51 UTC (equation of time
    // +8.8 minutes) at an elevation of 90 - 51.48 - 22.5 degrees.
    const AzimuthAndElevation noon =
        SunAndMoon::sunAt(greenwich.appDelegate, utc(2026, 12, 6, 11, 51));
    EXPECT_NEAR(noon.azimuth, 180.0, 0.5);
    EXPECT_NEAR(noon.elevation, 16.0, 0.2);
    // Now is the clock's instant when no date is given.
    const AzimuthAndElevation now = SunAndMoon::sunAt(greenwich.appDelegate, std::nullopt);
    const AzimuthAndElevation atEpoch = SunAndMoon::sunAt(greenwich.appDelegate, epoch);
    EXPECT_EQ(now.azimuth, atEpoch.azimuth);
    EXPECT_EQ(now.elevation, atEpoch.elevation);
}

TEST(SunAndMoon, AzimuthsStayWithinAFullCircle) {
    Sky sky(-33.9, 18.4);
    for (int hour = 0; hour < 48; ++hour) {
        for (const auto body : {&SunAndMoon::sunAt, &SunAndMoon::moonAt}) {
            const AzimuthAndElevation place = body(sky.appDelegate, epoch + hour * 1800.0);
            EXPECT_GE(place.azimuth, 0.0f);
            EXPECT_LT(place.azimuth, 360.0f);
            EXPECT_LE(std::fabs(place.elevation), 90.0f);
        }
    }
}

TEST(SunAndMoon, TheMoonFollowsItsMeanOrbit) {
    Sky pole(90.0, 0.0);
    // At the pole the elevation is the declination, which the Moon keeps within about 28.7
    // degrees of the equator.
    for (int day = 0; day < 30; ++day) {
        EXPECT_LE(std::fabs(SunAndMoon::moonAt(pole.appDelegate, epoch + day * 86400.0).elevation),
                  28.8f);
    }
    // Full Moon of 24 December 2026: seen from the equator at local midnight it stands near
    // the meridian, opposite the Sun.
    Sky equator(0.0, 0.0);
    const AzimuthAndElevation moon =
        SunAndMoon::moonAt(equator.appDelegate, utc(2026, 12, 24, 0, 0));
    EXPECT_GT(moon.elevation, 55.0f - moon_tolerance);
    // Two instants in one UTC minute share the Moon's elements but not the sidereal time.
    const AzimuthAndElevation a =
        SunAndMoon::moonAt(equator.appDelegate, utc(2026, 12, 24, 0, 0, 5));
    const AzimuthAndElevation b =
        SunAndMoon::moonAt(equator.appDelegate, utc(2026, 12, 24, 0, 0, 55));
    EXPECT_NE(a.azimuth, b.azimuth);
    EXPECT_NEAR(a.azimuth, b.azimuth, 1.0);
}
