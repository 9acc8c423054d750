// When the satellite next rises above the observer's horizon (AOS) and next sets (LOS).
#include <QCoreApplication>
#include <cmath>

#include "HorizonCrossing.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "constants.h"

namespace {

using namespace engine;
using horizon::CrossingSearch;
using horizon::Direction;

// After the set of a pass in progress, the rise search goes on from this much later.
constexpr double first_aos_step = 120.0;  // seconds

// The next rise from start before end, with the sample above the horizon that closes its
// bracket; for a satellite up at start, the rise of the following pass.
std::optional<horizon::Crossing> nextRise(CrossingSearch& search, Date start, Date end) {
    horizon::Sample from = search.sampleAt(start);
    if (from.elevation > 0.0) {
        const auto set = search.next(Direction::set, from, end);
        if (!set) return std::nullopt;
        from = search.sampleAt(set->time + first_aos_step);
    }
    const auto rise = search.next(Direction::rise, from, end);
    if (!rise || !(rise->time < end)) return std::nullopt;
    return rise;
}

}  // namespace

bool SatelliteData::canRise() const {
    using namespace constants;
    const sat_record_t& sat = satelliteData_;
    double lin = sat.tle.xincl;
    if (lin >= pio2) lin = pi - lin;
    const double apogee = horizon::meanSemiMajorAxis(sat) * (1.0 + sat.tle.eo) - xkmper;
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
    CrossingSearch search(*this);
    const auto rise = nextRise(search, window->start, window->end);
    return rise ? std::optional(rise->time) : std::nullopt;
}

std::optional<Date> SatelliteData::nextLOSAfter(std::optional<Date> after,
                                                std::optional<Date> before) {
    const std::optional<SearchWindow> window = searchWindow(after, before);
    if (!window) return std::nullopt;
    CrossingSearch search(*this);
    horizon::Sample from = search.sampleAt(window->start);
    if (from.elevation < 0.0) {
        const auto rise = nextRise(search, window->start, window->end);
        if (!rise) return std::nullopt;
        from = rise->beyond;
    }
    const auto set = search.next(Direction::set, from, window->end);
    if (!set) return std::nullopt;
    return set->time;
}

std::optional<SatelliteData::RiseAndSet> SatelliteData::nextRiseAndSet(std::optional<Date> after,
                                                                       std::optional<Date> before) {
    const std::optional<SearchWindow> window = searchWindow(after, before);
    if (!window) return std::nullopt;
    CrossingSearch search(*this);
    const auto rise = nextRise(search, window->start, window->end);
    if (!rise) return std::nullopt;
    // The set is searched from the rise itself, so that a pass shorter than any fixed first
    // step keeps its own set; it may lie beyond the window's end, as a pass may.
    const auto set = search.next(Direction::set, rise->beyond, rise->time + search_window);
    if (!set) return std::nullopt;
    return RiseAndSet{rise->time, set->time};
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
    if (!event) return QCoreApplication::translate("SatelliteData", "No pass visible");
    if (secondsToEvent) *secondsToEvent = *event - now;
    const QString time = appDelegate_->formatTime(*event, QStringLiteral("HH:mm:ss"));
    return (up ? QCoreApplication::translate("SatelliteData", "LOS: %1")
               : QCoreApplication::translate("SatelliteData", "AOS: %1"))
        .arg(time);
}

QString SatelliteData::nextEvent() { return nextEventDuration(nullptr); }
