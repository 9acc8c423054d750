// When the satellite next rises above the observer's horizon (AOS) and next sets (LOS).
#include <cmath>

#include "SatelliteData.h"
#include "SettingsStore.h"
#include "constants.h"

namespace {

using namespace engine;

constexpr double first_aos_step = 120.0;        // seconds
constexpr double first_los_step = 90.0;         // seconds
constexpr double fine_tolerance = 0.05;         // degrees of elevation
constexpr double coarse_elevation_limit = 1.0;  // degrees: the coarse phases stop within it

// Inherited step rules, kept with their historical values. Coarse rise step in seconds:
// -30 (el (alt / 8400 + 0.46) - 2), long while far below the horizon and for high orbits.
constexpr double aos_step_scale = -30.0;
constexpr double aos_step_height = 8400.0;  // km
constexpr double aos_step_base = 0.46;
constexpr double aos_step_offset = 2.0;
// Coarse set step in seconds: cos(el - 1) sqrt(alt) / 3.456.
constexpr double los_step_divisor = 3.456;
// Inherited: the semi-major axis in km is 331.25 (1440 / n)^(2/3) for n revolutions a day.
constexpr double semi_major_axis_scale = 331.25;

// Real searches take a few hundred steps at most (ten days of a high orbit that stays up); the
// bounds only end a search whose predictions have left the model's range.
constexpr int max_coarse_steps = 2000000;
constexpr int max_fine_steps = 1000;

bool isEarlier(Date a, Date b) { return a < b; }

}  // namespace

bool SatelliteData::canRise() const {
    using namespace constants;
    const sat_record_t& sat = satelliteData_;
    double lin = sat.tle.xincl;
    if (lin >= pio2) lin = pi - lin;
    const double sma =
        semi_major_axis_scale * std::exp(std::log(minutes_per_day / sat.meanmo) * (2.0 / 3.0));
    const double apogee = sma * (1.0 + sat.tle.eo) - xkmper;
    const double reach = std::acos(xkmper / (apogee + xkmper)) + lin;
    return reach > std::fabs(appDelegate_->observer_geodetic().lat);
}

std::optional<SatelliteData::SearchWindow> SatelliteData::searchWindow(std::optional<Date> after,
                                                                       std::optional<Date> before) {
    const Date start = after ? *after : appDelegate_->now();
    predictLocationAt(start);
    const std::int32_t type = satelliteData_.otype;
    if (type == orbit_geostationary || type == orbit_decayed || !canRise()) return std::nullopt;
    return SearchWindow{start, before ? *before : start + search_window};
}

std::optional<Date> SatelliteData::nextAOSAfter(std::optional<Date> after,
                                                std::optional<Date> before) {
    const std::optional<SearchWindow> window = searchWindow(after, before);
    if (!window) return std::nullopt;
    const auto [start, end] = *window;

    Date t = start;
    if (elevation() > 0.0) {
        const std::optional<Date> set = nextLOSAfter(start, end);
        if (!set) return std::nullopt;
        t = *set;
    }
    t = t + first_aos_step;
    predictLocationAt(t);

    // Coarse: long steps while well below the horizon, growing with the depth below it.
    for (int i = 0; elevation() < -coarse_elevation_limit && isEarlier(t, end); ++i) {
        const double step =
            aos_step_scale *
            (elevation() * (altitude() / aos_step_height + aos_step_base) - aos_step_offset);
        if (!(step > 0.0) || i == max_coarse_steps) return std::nullopt;
        t = t + step;
        predictLocationAt(t);
    }
    // Fine: steps proportional to the remaining elevation until it is within the tolerance.
    for (int i = 0; i < max_fine_steps; ++i) {
        if (!isEarlier(t, end)) return std::nullopt;
        if (std::fabs(elevation()) < fine_tolerance) return t;
        t = t - elevation() * std::sqrt(altitude());
        predictLocationAt(t);
    }
    return std::nullopt;
}

std::optional<Date> SatelliteData::nextLOSAfter(std::optional<Date> after,
                                                std::optional<Date> before) {
    const std::optional<SearchWindow> window = searchWindow(after, before);
    if (!window) return std::nullopt;
    const auto [start, end] = *window;

    Date t = start;
    if (elevation() < 0.0) {
        const std::optional<Date> rise = nextAOSAfter(start, end);
        if (!rise) return std::nullopt;
        t = *rise;
    }
    t = t + first_los_step;
    predictLocationAt(t);

    // Coarse: short steps while above the horizon, shrinking towards the zenith.
    for (int i = 0; elevation() >= coarse_elevation_limit && isEarlier(t, end); ++i) {
        const double step = std::cos((elevation() - coarse_elevation_limit) * constants::de2ra) *
                            std::sqrt(altitude()) / los_step_divisor;
        if (!(step > 0.0) || i == max_coarse_steps) return std::nullopt;
        t = t + step;
        predictLocationAt(t);
    }
    // Fine: the step comes before the test, so the set found may lie one step beyond end.
    for (int i = 0; i < max_fine_steps; ++i) {
        if (!isEarlier(t, end)) return std::nullopt;
        t = t + elevation() * std::sqrt(altitude());
        predictLocationAt(t);
        if (std::fabs(elevation()) < fine_tolerance) return t;
    }
    return std::nullopt;
}

std::optional<Date> SatelliteData::nextEventDate() {
    predictLocationAt();
    if (elevation() > 0.0) return nextLOSAfter(std::nullopt, std::nullopt);
    return nextAOSAfter(std::nullopt, std::nullopt);
}

QString SatelliteData::nextEventDuration(double* secondsToEvent) {
    const Date now = appDelegate_->now();
    predictLocationAt(now);
    const bool up = elevation() > 0.0;
    const std::optional<Date> event =
        up ? nextLOSAfter(now, std::nullopt) : nextAOSAfter(now, std::nullopt);
    if (!event) return QStringLiteral("No pass visible");
    if (secondsToEvent) *secondsToEvent = *event - now;
    const QString time = appDelegate_->formatTime(*event, QStringLiteral("HH:mm:ss"));
    return (up ? QStringLiteral("LOS: %1") : QStringLiteral("AOS: %1")).arg(time);
}

QString SatelliteData::nextEvent() { return nextEventDuration(nullptr); }
