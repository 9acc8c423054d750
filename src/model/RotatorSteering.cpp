#include "RotatorSteering.h"

#include <cmath>

#include "PassData.h"
#include "SatelliteData.h"

RotatorSteering::RotatorSteering(RotatorPlan plan, const RotatorLimits& limits, Date aos, Date los)
    : plan_(std::move(plan)), limits_(limits), aos_(aos), los_(los) {}

RotatorSteering RotatorSteering::forPass(SatelliteData& satellite, const PassData& pass,
                                         const RotatorLimits& limits) {
    const Date aos = *pass.aos();
    const Date los = *pass.los();
    std::vector<RotatorPosition> track;
    for (Date t = aos; t < los; t = t + trackStep) {
        satellite.predictLocationAt(t);
        track.push_back({satellite.azimuth(), satellite.elevation()});
    }
    satellite.predictLocationAt(los);
    track.push_back({satellite.azimuth(), satellite.elevation()});
    return RotatorSteering(RotatorPlan(track, limits), limits, aos, los);
}

std::optional<RotatorPosition> RotatorSteering::wanted(Date now, const RotatorPosition& sky) const {
    if (now < aos_) return plan_.risePosition();
    if (now > los_) return limits_.park;
    if (sky.elevation < limits_.startElevation) return std::nullopt;
    return plan_.positionFor(sky);
}

std::optional<RotatorPosition> RotatorSteering::change(Date now, const RotatorPosition& sky) const {
    const std::optional<RotatorPosition> target = wanted(now, sky);
    if (!target || !sent_) return target;
    if (*target == *sent_) return std::nullopt;
    // The park position is reached exactly, however close the rotator already is.
    if (now > los_) return target;
    const bool moved = std::abs(target->azimuth - sent_->azimuth) >= limits_.tolerance ||
                       std::abs(target->elevation - sent_->elevation) >= limits_.tolerance;
    return moved ? target : std::nullopt;
}

bool RotatorSteering::isParked(Date now) const { return now > los_ && sent_ == limits_.park; }
