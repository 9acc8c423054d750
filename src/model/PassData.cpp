#include "PassData.h"

#include <cmath>

#include "SatelliteData.h"
#include "SettingsStore.h"

namespace {

constexpr double sample_interval = 60.0;         // seconds
constexpr double in_progress_lookback = 3600.0;  // seconds

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
    const Date limit = now + SatelliteData::search_window;
    while (true) {
        const std::optional<Date> rise = satellite.nextAOSAfter(after, std::nullopt);
        if (!rise) return;
        const std::optional<Date> set =
            satellite.nextLOSAfter(*rise + sample_interval, std::nullopt);
        if (!set) return;
        if (samplePass(*rise, *set, minimumElevation)) return;
        // A set that does not move the search forward would repeat the same pass for ever.
        if (!(*after < *set)) return;
        after = set;
        if (!(*after < limit)) return;
    }
}

void PassData::sampleGeostationary() {
    satelliteReference_->predictLocationAt(satelliteReference_->appDelegate()->now());
    appendSample(std::nullopt, true);
}

// Samples the pass and keeps it when its highest sample reaches the minimum elevation;
// otherwise leaves the pass empty and gives false.
bool PassData::samplePass(Date aos, Date los, std::int32_t minimumElevation) {
    aos_ = aos;
    los_ = los;
    SatelliteData& satellite = *satelliteReference_;
    for (Date t = aos; t < los; t = t + sample_interval) {
        satellite.predictLocationAt(t);
        appendSample(t, true);
    }
    satellite.predictLocationAt(los);
    appendSample(los, false);
    if (highestIndex_ &&
        !(passArray_[*highestIndex_].elevation < static_cast<float>(minimumElevation))) {
        return true;
    }
    clear();
    return false;
}

// Appends the satellite's latest prediction. It becomes the highest entry when that entry's
// stored elevation is below the new one (ties keep the earlier sample); with no highest entry
// yet, a leading sample takes the place, while a closing sample must be above 0 degrees.
void PassData::appendSample(std::optional<Date> date, bool leading) {
    const SatelliteData& satellite = *satelliteReference_;
    const double elevation = satellite.elevation();
    passArray_.push_back({static_cast<float>(satellite.azimuth()), static_cast<float>(elevation),
                          static_cast<float>(satellite.altitude()), date});
    const bool higher = highestIndex_ ? passArray_[*highestIndex_].elevation < elevation
                                      : leading || 0.0 < elevation;
    if (higher) highestIndex_ = passArray_.size() - 1;
}

void PassData::clear() {
    aos_.reset();
    los_.reset();
    highestIndex_.reset();
    passArray_.clear();
}

const PassCoordinate* PassData::highestElevationEntry() const {
    return highestIndex_ ? &passArray_[*highestIndex_] : nullptr;
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
