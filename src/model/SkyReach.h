// Where in the observer's sky a satellite can be seen during a night, by geometry alone: the
// cap of sky above the minimum elevation, how far round the Earth it reaches for a satellite
// at a given distance, and when in the night any point of that cap at a given distance is in
// sunlight. All bounds are widened so that they never rule out what the full search would find.
#pragma once

#include <vector>

#include "Date.h"
#include "observer.h"

class SkyReach {
public:
    struct Window {
        Date start;
        Date end;
    };

    // For an observer and a minimum elevation (degrees; at or below 0 the horizon), over the
    // night from start to end.
    SkyReach(const engine::geodetic_point_t& observer, double minimumElevation, Date start,
             Date end);

    // The angle at the Earth's centre (radians) from the observer's zenith within which a
    // satellite radius km from the centre may stand above the minimum elevation.
    double capAngle(double radius) const;
    // Whether an orbit of this inclination (radians) that comes at most apogeeRadius km from
    // the centre can ever stand above the minimum elevation.
    bool reaches(double inclination, double apogeeRadius) const;
    // The stretches of the night during which a satellite no farther than apogeeRadius km from
    // the centre may be sunlit while above the minimum elevation.
    std::vector<Window> sunlitWindows(double apogeeRadius) const;

    const engine::observer_site_t& site() const { return site_; }
    double observerRadius() const { return observerRadius_; }

private:
    double sunlitRadius(double angleFromAntisolar) const;

    engine::geodetic_point_t observer_;
    engine::observer_site_t site_;
    double observerRadius_;      // km from the Earth's centre
    double geocentricLatitude_;  // radians
    double elevation_;           // radians, widened below the minimum elevation
    struct Cell {
        Date start;
        Date end;
        double radius;  // km: the least distance from the centre that may be sunlit in the cap
    };
    std::vector<Cell> cells_;
};
