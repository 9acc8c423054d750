#include "SunAndMoon.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "SettingsStore.h"

namespace {

constexpr double full_circle = 6.283185307179586;

// x reduced into [0, p): the IEEE remainder, plus p when negative.
double reduce(double x, double p) {
    const double r = std::remainder(x, p);
    return r < 0.0 ? r + p : r;
}

constexpr double kilometres_per_astronomical_unit = 149597870.7;

struct Sky {
    double lst;        // local sidereal time, degrees
    double lat;        // observer latitude, radians
    double daysJ2000;  // days from J2000.0
};

double daysFromJ2000(Date date) { return date.julianDate() - 2451545.0; }

// Mean sidereal time at Greenwich plus the longitude (degrees).
double localSiderealTime(double d, double longitude) {
    return reduce(280.46061837 + 360.98564736629 * d + longitude / radians_per_degree, 360.0);
}

Sky skyOf(const engine::geodetic_point_t& observer, Date date) {
    const double d = daysFromJ2000(date);
    return {localSiderealTime(d, observer.lon), observer.lat, d};
}

Sky skyAt(const SettingsStore& settings, Date date) {
    return skyOf(settings.observer_geodetic(), date);
}

struct Horizontal {
    double azimuth;    // radians, 0 to 2 pi
    double elevation;  // radians
};

// The elevation alone, for the many questions that need no azimuth.
double elevationRadians(const Sky& sky, double ra, double dec) {
    const double h = sky.lst * radians_per_degree - ra;
    // Rounding can carry the sine just past 1 with the body overhead.
    return std::asin(std::clamp(
        std::sin(sky.lat) * std::sin(dec) + std::cos(sky.lat) * std::cos(dec) * std::cos(h), -1.0,
        1.0));
}

Horizontal horizontalRadians(const Sky& sky, double ra, double dec) {
    const double h = sky.lst * radians_per_degree - ra;
    const double elevation = elevationRadians(sky, ra, dec);
    double azimuth = std::atan2(
        -std::sin(h), std::cos(sky.lat) * std::tan(dec) - std::sin(sky.lat) * std::cos(h));
    if (azimuth < 0.0) azimuth += full_circle;
    return {azimuth, elevation};
}

AzimuthAndElevation horizontal(const Sky& sky, double ra, double dec) {
    const Horizontal place = horizontalRadians(sky, ra, dec);
    return {static_cast<float>(place.azimuth / radians_per_degree),
            static_cast<float>(place.elevation / radians_per_degree)};
}

// The low-precision solar series: ecliptic longitude and obliquity, and from them right
// ascension, declination and distance.
struct Solar {
    double lambda;    // ecliptic longitude, radians
    double epsilon;   // obliquity of the ecliptic, radians
    double ra;        // radians, 0 to 2 pi
    double dec;       // radians
    double distance;  // km
};

Solar solarSeries(double d) {
    const double l = reduce(280.461 + 0.9856474 * d, 360.0);
    const double g = reduce(357.528 + 0.98560028 * d, 360.0) * radians_per_degree;
    const double lambda =
        reduce(l + 1.9148 * std::sin(g) + 0.02 * std::sin(2.0 * g) + 0.0003 * std::sin(3.0 * g),
               360.0) *
        radians_per_degree;
    const double epsilon = (23.439 - 0.0000004 * d) * radians_per_degree;
    double ra = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
    if (ra < 0.0) ra += full_circle;
    const double dec = std::asin(std::sin(epsilon) * std::sin(lambda));
    const double distance = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2.0 * g);
    return {lambda, epsilon, ra, dec, distance * kilometres_per_astronomical_unit};
}

// Days from 0h UT on 31 December 1999 by the calendar date of the instant, to the minute.
double moonDayNumber(Date date) {
    const QDateTime utc = date.toQDateTime();
    const qint64 y = utc.date().year();
    const qint64 m = utc.date().month();
    const qint64 day = utc.date().day();
    const qint64 whole = 367 * y - (7 * (y + (m + 9) / 12)) / 4 + (275 * m) / 9 + day - 730530;
    return static_cast<double>(whole) + (60.0 * utc.time().hour() + utc.time().minute()) / 1440.0;
}

}  // namespace

double SunAndMoon::rem2Pi(double angle) { return reduce(angle, full_circle); }

AzimuthAndElevation SunAndMoon::sunAt(const SettingsStore& settings, std::optional<Date> date) {
    const Sky sky = skyAt(settings, date ? *date : settings.now());
    const Solar sun = solarSeries(sky.daysJ2000);
    return horizontal(sky, sun.ra, sun.dec);
}

SunAndMoon::Sun SunAndMoon::sunFor(const engine::geodetic_point_t& observer, Date date) {
    const Sky sky = skyOf(observer, date);
    const Solar sun = solarSeries(sky.daysJ2000);
    const double r = sun.distance;
    const double sinLambda = std::sin(sun.lambda);
    return {{r * std::cos(sun.lambda), r * std::cos(sun.epsilon) * sinLambda,
             r * std::sin(sun.epsilon) * sinLambda, r},
            elevationRadians(sky, sun.ra, sun.dec) / radians_per_degree};
}

double SunAndMoon::sunElevation(const engine::geodetic_point_t& observer, Date date) {
    const Sky sky = skyOf(observer, date);
    const Solar sun = solarSeries(sky.daysJ2000);
    return elevationRadians(sky, sun.ra, sun.dec) / radians_per_degree;
}

SunAndMoon::GroundPoint SunAndMoon::subsolarPoint(Date date) {
    const double d = daysFromJ2000(date);
    const Solar sun = solarSeries(d);
    const double hourAngle = localSiderealTime(d, 0.0) - sun.ra / radians_per_degree;
    return {sun.dec / radians_per_degree, 180.0 - reduce(hourAngle + 180.0, 360.0)};
}

AzimuthAndElevation SunAndMoon::moonAt(const SettingsStore& settings, std::optional<Date> date) {
    const Date when = date ? *date : settings.now();
    const Sky sky = skyAt(settings, when);
    const double d = moonDayNumber(when);

    const double node = 2.18380483 - 0.00092422 * d;
    const double inclination = 0.08980417;
    const double perigee = 5.55125356 + 0.00286858 * d;
    const double a = 60.2666;
    const double e = 0.0549;
    const double meanAnomaly = 2.01350607 + 0.22802714 * d;

    const double eccentric =
        meanAnomaly + e * std::sin(meanAnomaly) * (1.0 + e * std::cos(meanAnomaly));
    const double x = a * (std::cos(eccentric) - e);
    const double y = a * 0.9984918577534821 * std::sin(eccentric);
    const double r = std::sqrt(x * x + y * y);
    const double u = std::atan2(y, x) + perigee;

    const double xh =
        r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inclination));
    const double yh =
        r * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(inclination));
    const double zh = r * std::sin(u) * std::sin(inclination);
    const double lon = std::atan2(yh, xh);
    const double lat = std::atan2(zh, std::sqrt(xh * xh + yh * yh));

    const double xe = r * std::cos(lon) * std::cos(lat);
    const double ye = r * std::sin(lon) * std::cos(lat);
    const double ze = r * std::sin(lat);
    const double epsilon = 0.40909296 - 6.2186e-09 * d;
    const double xq = xe;
    const double yq = ye * std::cos(epsilon) - ze * std::sin(epsilon);
    const double zq = ye * std::sin(epsilon) + ze * std::cos(epsilon);

    double ra = std::atan2(yq, xq);
    if (ra < 0.0) ra += full_circle;
    const double dec = std::atan(zq / std::sqrt(xq * xq + yq * yq));
    return horizontal(sky, ra, dec);
}
