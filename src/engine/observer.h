// Geometry between a propagated satellite, the rotating Earth ellipsoid and the observer.
#pragma once

#include "records.h"

namespace engine {

// Observer position (km) and velocity (km/s) in the propagators' inertial frame; writes the
// local mean sidereal angle into geodetic.theta.
void Calculate_User_PosVel(double time, geodetic_point_t& geodetic, vector4_t& obs_pos,
                           vector4_t& obs_vel);

// Look angles (azimuth, geometric elevation, range, range rate) of a satellite state in km and
// km/s seen from the observer.
void Calculate_Obs(double time, const vector4_t& pos, const vector4_t& vel,
                   geodetic_point_t& geodetic, look_angles_t& obs_set);

// Sub-satellite point: geodetic latitude, longitude in [0, 2pi), height in km; theta receives
// the right ascension of the position vector.
void Calculate_LatLonAlt(double time, const vector4_t& pos, geodetic_point_t& geodetic);

// Calculate_Obs and Calculate_LatLonAlt at one instant, computing its sidereal time once.
void Calculate_Obs_LatLonAlt(double time, const vector4_t& pos, const vector4_t& vel,
                             geodetic_point_t& observer, look_angles_t& obs_set,
                             geodetic_point_t& subPoint);

}  // namespace engine
