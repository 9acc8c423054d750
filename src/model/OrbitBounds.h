// Bounds on how a satellite can move, from its mean elements: how near and how far from the
// Earth's centre it comes, and how fast its direction and distance can change. Searches use
// them to take long steps where nothing can change in between.
#pragma once

#include "records.h"

struct OrbitBounds {
    double perigeeRadius;  // km from the Earth's centre, widened below the mean perigee
    double apogeeRadius;   // km, widened above the mean apogee
    double angularRate;    // rad/s: the fastest the direction from the Earth's centre turns
    double radialSpeed;    // km/s: the fastest the distance from the centre changes
    double speed;          // km/s: the fastest the satellite moves

    static OrbitBounds of(const engine::sat_record_t& sat);

    // rad/s: the fastest EarthShadow::margin can change.
    double shadowRate() const;
};
