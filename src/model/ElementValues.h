// The values of one element set as its source writes them, before any change of units: what
// the three-line form and the CSV form both read into, and what a satellite's record is
// completed from.
#pragma once

#include <QString>
#include <cstdint>

struct ElementValues {
    double epoch = 0.0;  // two-digit year, day of year and fraction, as YYDDD.DDDDDDDD
    std::uint32_t epochYear = 0;
    std::uint32_t epochDay = 0;
    double epochFraction = 0.0;  // of the day, to 8 decimals
    double xndt2o = 0.0;         // first derivative term of the mean motion, rev/day²
    double xndd6o = 0.0;         // second derivative term, rev/day³
    double bstar = 0.0;          // drag term, 1/earth radii
    double inclination = 0.0;    // degrees
    double node = 0.0;           // right ascension of the ascending node, degrees
    double eccentricity = 0.0;
    double perigee = 0.0;     // argument of perigee, degrees
    double anomaly = 0.0;     // mean anomaly, degrees
    double meanMotion = 0.0;  // revolutions per day
    std::int32_t revnum = 0;
    std::int32_t elset = 0;
    std::int32_t statusCode = 0;
    QString statusText = QStringLiteral("Unknown");
};
