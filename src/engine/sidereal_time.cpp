#include "sidereal_time.h"

#include <cmath>

#include "vector_math.h"

namespace engine {

namespace {

struct EpochParts {
    double year;  // four-digit year
    double day;   // day of the year with its fraction
};

// Splits YYDDD.DDDDDDDD into its year (century rule applied) and day. Truncations use
// std::trunc rather than integer casts so that nonsense epochs give nonsense numbers, never
// undefined behaviour; for real epochs the results are the same.
EpochParts splitEpoch(double epoch) {
    double year = 0.0;
    const double fraction = std::modf(epoch * 0.001, &year);
    year += year < 57.0 ? 2000.0 : 1900.0;
    return {year, fraction * 1000.0};
}

// Mean sidereal time at 0h UT of the day that begins at jd0, in seconds. Predictions come in
// runs within one day, so each thread keeps the last day's.
double siderealTimeAtMidnight(double jd0) {
    struct Day {
        double jd0 = std::nan("");
        double gmst = 0.0;
    };
    thread_local Day day;
    if (day.jd0 != jd0) {
        const double tu = (jd0 - 2451545.0) / 36525.0;
        day = {jd0, 24110.54841 + tu * (8640184.812866 + tu * (0.093104 - tu * 6.2E-6))};
    }
    return day.gmst;
}

}  // namespace

double Julian_Date_of_Year(double year) {
    const double y = year - 1.0;
    const double a = std::trunc(y / 100.0);
    const double b = 2.0 - a + std::trunc(a / 4.0);
    double i = std::trunc(365.25 * y);
    i = std::trunc(i + 428.4014);
    return i + 1720994.5 + b;
}

double Julian_Date_of_Epoch(double epoch) {
    const EpochParts parts = splitEpoch(epoch);
    return Julian_Date_of_Year(parts.year) + parts.day;
}

double ThetaG(double epoch, deep_link_t& deep_arg) {
    const EpochParts parts = splitEpoch(epoch);
    double wholeDay = 0.0;
    const double ut = std::modf(parts.day, &wholeDay);
    const double jd = Julian_Date_of_Year(parts.year) + wholeDay;
    deep_arg.ds50 = jd - 2433281.5 + ut;
    return FMod2p(6.3003880987 * deep_arg.ds50 + 1.72944494);
}

double ThetaG_JD(double jd) {
    const double ut = Frac(jd + 0.5);
    const double jd0 = jd - ut;
    const double gmst =
        Modulus(siderealTimeAtMidnight(jd0) + constants::sidereal_seconds_per_day * ut,
                constants::seconds_per_day);
    return constants::twopi * gmst / constants::seconds_per_day;
}

}  // namespace engine
