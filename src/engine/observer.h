// Geometry between a propagated satellite, the rotating Earth ellipsoid and the observer.
#pragma once

#include "records.h"

namespace engine {

// What the geometry needs of one observer that does not change with time: the sine and cosine
// of the latitude and the place on the ellipsoid, as distance from the Earth's axis and height
// above the equatorial plane (km). Made once per observer, it spares every prediction a sine,
// a cosine and a square root.
struct observer_site_t {
    double lat, lon, alt;
    double sin_lat, cos_lat;
    double axis_distance;
    double equator_height;
};

// The observer at one instant: the site turned by the Earth's rotation to the local mean
// sidereal angle theta, with its position (km) and velocity (km/s) in the propagators' inertial
// frame (w not set).
struct observer_frame_t {
    double theta, sin_theta, cos_theta;
    vector4_t pos, vel;
};

observer_site_t Observer_Site(const geodetic_point_t& geodetic);

// The site at the Greenwich sidereal angle thetaG (ThetaG_JD of the instant).
observer_frame_t Observer_Frame(double thetaG, const observer_site_t& site);

// Observer position (km) and velocity (km/s) in the propagators' inertial frame; writes the
// local mean sidereal angle into geodetic.theta.
void Calculate_User_PosVel(double time, geodetic_point_t& geodetic, vector4_t& obs_pos,
                           vector4_t& obs_vel);

// Look angles (azimuth, geometric elevation, range, range rate) of a satellite state in km and
// km/s seen from the observer.
void Calculate_Obs(double time, const vector4_t& pos, const vector4_t& vel,
                   geodetic_point_t& geodetic, look_angles_t& obs_set);

// The same from an observer frame already made for the instant.
void Calculate_Obs_Frame(const observer_frame_t& frame, const observer_site_t& site,
                         const vector4_t& pos, const vector4_t& vel, look_angles_t& obs_set);

// Sub-satellite point: geodetic latitude, longitude in [0, 2pi), height in km; theta receives
// the right ascension of the position vector.
void Calculate_LatLonAlt(double time, const vector4_t& pos, geodetic_point_t& geodetic);

// The same from the Greenwich sidereal angle of the instant.
void Calculate_LatLonAlt_ThetaG(double thetaG, const vector4_t& pos, geodetic_point_t& geodetic);

// Calculate_Obs and Calculate_LatLonAlt at one instant, computing its sidereal time once.
void Calculate_Obs_LatLonAlt(double time, const vector4_t& pos, const vector4_t& vel,
                             const observer_site_t& site, look_angles_t& obs_set,
                             geodetic_point_t& subPoint);

}  // namespace engine
