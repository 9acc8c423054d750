#include "PassData.h"

#include <algorithm>
#include <cmath>

#include "GoldenSection.h"
#include "SatelliteData.h"
#include "SettingsStore.h"

namespace {

constexpr double sample_interval = 60.0;         // seconds
constexpr double in_progress_lookback = 3600.0;  // seconds

// The highest point is narrowed by golden-section search around the highest sample until the
// bracket is within a second and its inner points within 0.005 degrees of each other; a pass
// overhead, where the elevation turns sharply, needs the most steps.
constexpr double highest_time_resolution = 1.0;         // seconds
constexpr double highest_elevation_resolution = 0.005;  // degrees
constexpr int max_highest_steps = 40;

}  // namespace

PassData::PassData(SatelliteData& satellite, std::optional<Date> after,
                   std::int32_t minimumElevation)
    : satelliteReference_(&satellite) {
    if (satellite.orbitType() == engine::orbit_geostationary) {
        sampleGeostationary();
        return;
    }
    const Date now = satellite.appDelegate()->now();
    if (!after) {
        satellite.predictLocationAt(now);
        after = satellite.elevation() >= 0.0 ? now - in_progress_lookback : now;
    }
    const Date limit = std::max(now, *after) + SatelliteData::search_window;
    while (true) {
        const auto pass = satellite.nextRiseAndSet(after, std::nullopt);
        if (!pass) return;
        if (samplePass(pass->rise, pass->set, minimumElevation)) return;
        // A set that does not move the search forward would repeat the same pass for ever.
        if (!(*after < pass->set)) return;
        after = pass->set;
        if (!(*after < limit)) return;
    }
}

void PassData::sampleGeostationary() {
    satelliteReference_->predictLocationAt(satelliteReference_->appDelegate()->now());
    appendSample(std::nullopt);
    highest_ = passArray_.back();
}

// Samples the pass and keeps it when its highest point reaches the minimum elevation;
// otherwise leaves the pass empty and gives false. The highest sample is the first one, or a
// later one whose elevation is above the stored (single-precision) elevation of the highest so
// far; the closing sample at the set counts only above 0 degrees. The highest point is then
// refined around it.
bool PassData::samplePass(Date aos, Date los, std::int32_t minimumElevation) {
    aos_ = aos;
    los_ = los;
    SatelliteData& satellite = *satelliteReference_;
    std::optional<std::size_t> highest;
    const auto take = [&](double elevation) {
        if (highest ? passArray_[*highest].elevation < elevation : elevation > 0.0) {
            highest = passArray_.size() - 1;
        }
    };
    for (Date t = aos; t < los; t = t + sample_interval) {
        satellite.predictLocationAt(t);
        appendSample(t);
        if (!highest) highest = 0;
        take(satellite.elevation());
    }
    satellite.predictLocationAt(los);
    appendSample(los);
    take(satellite.elevation());
    if (highest) refineHighest(*highest);
    if (highest_ && !(highest_->elevation < static_cast<float>(minimumElevation))) return true;
    clear();
    return false;
}

// Appends the satellite's latest prediction.
void PassData::appendSample(std::optional<Date> date) {
    const SatelliteData& satellite = *satelliteReference_;
    passArray_.push_back({static_cast<float>(satellite.azimuth()),
                          static_cast<float>(satellite.elevation()),
                          static_cast<float>(satellite.altitude()), date});
}

// Narrows the highest point between the samples on either side of the highest sample,
// comparing the double-precision elevations, which still differ on the flattest peaks.
void PassData::refineHighest(std::size_t index) {
    SatelliteData& satellite = *satelliteReference_;
    struct Probe {
        Date t;
        double elevation;
    };
    const auto at = [&](Date t) {
        satellite.predictLocationAt(t);
        return Probe{t, satellite.elevation()};
    };
    const PassCoordinate& before = passArray_[index > 0 ? index - 1 : index];
    const Date hi = *passArray_[std::min(index + 1, passArray_.size() - 1)].date;
    GoldenSection peak(Probe{*before.date, before.elevation}, hi, at,
                       [](const Probe& p) { return p.elevation; });
    Probe best = {*passArray_[index].date, passArray_[index].elevation};
    for (int i = 0; i < max_highest_steps; ++i) {
        for (const Probe& probe : {peak.inner1(), peak.inner2()}) {
            if (probe.elevation > best.elevation) best = probe;
        }
        if (peak.width() < highest_time_resolution &&
            std::fabs(peak.inner1().elevation - peak.inner2().elevation) <
                highest_elevation_resolution) {
            break;
        }
        peak.narrow();
    }
    satellite.predictLocationAt(best.t);
    highest_ = {static_cast<float>(satellite.azimuth()), static_cast<float>(satellite.elevation()),
                static_cast<float>(satellite.altitude()), best.t};
}

void PassData::clear() {
    aos_.reset();
    los_.reset();
    highest_.reset();
    passArray_.clear();
}

const PassCoordinate* PassData::highestElevationEntry() const {
    return highest_ ? &*highest_ : nullptr;
}

std::int32_t PassData::highestElevation() const {
    const PassCoordinate* entry = highestElevationEntry();
    if (!entry || !std::isfinite(entry->elevation)) return 0;
    return static_cast<std::int32_t>(entry->elevation);
}

std::optional<Date> PassData::highestElevationDate() const {
    const PassCoordinate* entry = highestElevationEntry();
    return entry ? entry->date : std::nullopt;
}

std::optional<Date> PassData::nextEventDate() const {
    if (!aos_) return std::nullopt;
    const Date now = satelliteReference_->appDelegate()->now();
    return *aos_ - now >= 0.0 ? aos_ : los_;
}
