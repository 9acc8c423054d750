// How a rotator follows one pass. The pass's track is placed once, before it starts, on one of
// the ways the rotator can reach it: an azimuth window that the whole track fits in without
// crossing a stop (the long way round from the start, where the range reaches past 360
// degrees), else the flipped track where the elevation range allows it, else the way that
// follows most of the pass, held at the stop for the rest. Every position of the pass is then
// mapped on that same way, so the rotator never swings round in the middle of a pass.
#pragma once

#include <vector>

#include "RotatorLimits.h"

class RotatorPlan {
public:
    // track: the satellite's sky positions over the pass in time order (azimuth 0 to 360).
    RotatorPlan(const std::vector<RotatorPosition>& track, const RotatorLimits& limits);

    bool flipped() const { return flipped_; }
    // Whether every position of the track lies within the rotator's reach on this plan.
    bool followsWholeTrack() const { return followsWholeTrack_; }
    // Where the rotator waits for the rise: the first position of the track.
    RotatorPosition risePosition() const { return rise_; }
    // The rotator's position for a sky position of the pass, on the plan's way, held within
    // the rotator's ranges.
    RotatorPosition positionFor(const RotatorPosition& sky) const;

private:
    struct Way {
        bool flipped;
        double windowLow;  // the track's azimuths on this way span windowLow..windowHigh
        double windowHigh;
        double start;  // the first azimuth of the track on this way
        int reached;   // track positions within the azimuth range on this way
    };
    static std::vector<Way> waysFor(const std::vector<RotatorPosition>& track,
                                    const RotatorLimits& limits);
    double rotatorAzimuth(double skyAzimuth) const;

    RotatorLimits limits_;
    bool flipped_ = false;
    bool followsWholeTrack_ = true;
    double windowLow_ = 0.0;
    double windowHigh_ = 0.0;
    RotatorPosition rise_;
};
