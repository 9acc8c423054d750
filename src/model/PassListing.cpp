#include "PassListing.h"

#include "SatelliteData.h"

namespace {

constexpr double unsetFuturePassSpan = 1728000.0;  // seconds: 20 days

}  // namespace

std::optional<double> passTimetableSpan(double passTimetableDuration) {
    const double span = passTimetableDuration * 24.0;
    if (span >= 1.0) return span;
    return std::nullopt;
}

double futurePassSpan(double passTimetableDuration) {
    return passTimetableSpan(passTimetableDuration).value_or(unsetFuturePassSpan);
}

std::vector<std::shared_ptr<PassData>> passesBetween(SatelliteData& satellite, Date from, Date end,
                                                     std::int32_t minimumElevation) {
    std::vector<std::shared_ptr<PassData>> passes;
    Date start = from;
    while (true) {
        auto pass = std::make_shared<PassData>(satellite, start, minimumElevation);
        if (!pass->aos() && satellite.orbitType() != engine::orbit_geostationary) {
            start = start + SatelliteData::search_window;
            if (end < start) break;
            continue;
        }
        if (!pass->aos() || !pass->los() || end < *pass->aos() || !(start < *pass->los())) break;
        start = *pass->los();
        passes.push_back(std::move(pass));
    }
    return passes;
}

std::optional<WatchedPass> nextPassToWatch(SatelliteData& satellite, Date after,
                                           std::int32_t minimumElevation,
                                           const VisibilityConditions& conditions, bool visibleOnly,
                                           double horizon) {
    const Date end = after + horizon;
    Date from = after;
    while (true) {
        auto pass = std::make_shared<PassData>(satellite, from, minimumElevation);
        if (!pass->aos() || !pass->los() || end < *pass->aos()) return std::nullopt;
        const PassVisibility visibility(satellite, *pass, conditions);
        if (!visibleOnly || visibility.isVisible()) {
            return WatchedPass{std::move(pass), visibility.visiblePart()};
        }
        if (!(from < *pass->los())) return std::nullopt;
        from = *pass->los();
    }
}
