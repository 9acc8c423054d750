// The search for the next time a satellite crosses the observer's horizon in one direction:
// rising above it, or setting below it.
#pragma once

#include <optional>

#include "Date.h"
#include "records.h"

class SatelliteData;

namespace horizon {

// The semi-major axis in km from the mean motion as the element set gives it, by the inherited
// rule 331.25 (1440 / n)^(2/3) for n revolutions a day.
double meanSemiMajorAxis(const engine::sat_record_t& sat);

enum class Direction { rise = 1, set = -1 };

// One prediction of a search: the instant, the elevation (degrees) and the satellite's height
// (km), and the angle at the Earth's centre between the satellite and the observer (radians)
// with the satellite's distance from the centre (km).
struct Sample {
    Date t;
    double elevation;
    double altitude;
    double centralAngle;
    double radius;
};

// A crossing found: its time, within the elevation tolerance of the horizon, and a sample on
// the far side of it (above the horizon after a rise, below it after a set).
struct Crossing {
    Date time;
    Sample beyond;
};

// Searches over one satellite for one observer. The satellite's predictions move as it goes.
class CrossingSearch {
public:
    explicit CrossingSearch(SatelliteData& satellite);

    // Predicts the satellite at t.
    Sample sampleAt(Date t);

    // The first crossing in the direction after the sample, which must lie on the near side
    // (at or below the horizon for a rise, at or above it for a set); none when there is no
    // crossing before end or the predictions leave the model's range.
    std::optional<Crossing> next(Direction direction, Sample from, Date end);

private:
    double side(Direction direction, const Sample& s) const;
    double clearance(Direction direction, const Sample& s) const;
    double step(Direction direction, const Sample& s) const;
    std::optional<Crossing> overPeak(Direction direction, Sample before, Sample after);
    Crossing refine(Direction direction, Sample near, Sample far);

    SatelliteData& satellite_;
    double observerRadius_;  // km from the Earth's centre
    double maxAngularRate_;  // rad/s: how fast the central angle and horizon can change
};

}  // namespace horizon
