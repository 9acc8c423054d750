// Drives a rotator through one pass: to the rise position before AOS, along the track once the
// satellite has climbed to the starting elevation, to the park position after LOS. Only a
// change of at least the tolerance is sent. No connection: the caller sends and reports back
// what the rotator acknowledged.
#pragma once

#include <optional>

#include "Date.h"
#include "RotatorPlan.h"

class PassData;
class SatelliteData;

class RotatorSteering {
public:
    RotatorSteering(RotatorPlan plan, const RotatorLimits& limits, Date aos, Date los);
    // The steering for a pass with a rise and a set, planned on the satellite's track sampled
    // every trackStep seconds from rise to set.
    static RotatorSteering forPass(SatelliteData& satellite, const PassData& pass,
                                   const RotatorLimits& limits);
    static constexpr double trackStep = 10.0;  // seconds

    const RotatorPlan& plan() const { return plan_; }
    // Where the rotator should point at this instant, for the satellite's sky position then;
    // none while it holds still (below the starting elevation during the pass).
    std::optional<RotatorPosition> wanted(Date now, const RotatorPosition& sky) const;
    // What to send: the wanted position when it differs from the last acknowledged one by the
    // tolerance or more in either axis.
    std::optional<RotatorPosition> change(Date now, const RotatorPosition& sky) const;
    void positionSent(const RotatorPosition& position) { sent_ = position; }
    const std::optional<RotatorPosition>& sent() const { return sent_; }
    // Whether the pass is over and the rotator parked.
    bool isParked(Date now) const;

private:
    RotatorPlan plan_;
    RotatorLimits limits_;
    Date aos_;
    Date los_;
    std::optional<RotatorPosition> sent_;
};
