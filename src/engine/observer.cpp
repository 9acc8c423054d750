#include "observer.h"

#include <cmath>

#include "sidereal_time.h"
#include "vector_math.h"

namespace engine {

namespace {

// Real positions reach the geodetic latitude's fixed point in a handful of iterations; the
// bound only stops a runaway on values that never settle.
constexpr int max_latitude_iterations = 50;
constexpr double latitude_tolerance = 1E-10;  // radians

// The observer's place on the rotating ellipsoid at one instant, with the sines and cosines
// that both the position and the topocentric rotation use.
struct ObserverFrame {
    double sinLat, cosLat, sinTheta, cosTheta;
    vector4_t pos, vel;
};

ObserverFrame observerFrame(double thetaG, geodetic_point_t& geodetic) {
    using namespace constants;
    ObserverFrame f{};
    geodetic.theta = FMod2p(thetaG + geodetic.lon);
    f.sinLat = std::sin(geodetic.lat);
    f.cosLat = std::cos(geodetic.lat);
    f.sinTheta = std::sin(geodetic.theta);
    f.cosTheta = std::cos(geodetic.theta);
    const double c = 1.0 / std::sqrt(1.0 - eccentricity_squared * Sqr(f.sinLat));
    const double sq = Sqr(one_minus_flattening) * c;
    const double achcp = (xkmper * c + geodetic.alt) * f.cosLat;
    f.pos.x = achcp * f.cosTheta;
    f.pos.y = achcp * f.sinTheta;
    f.pos.z = (xkmper * sq + geodetic.alt) * f.sinLat;
    f.vel.x = -earth_rotation * f.pos.y;
    f.vel.y = earth_rotation * f.pos.x;
    f.vel.z = 0.0;
    Magnitude(f.pos);
    Magnitude(f.vel);
    return f;
}

void lookAngles(double thetaG, const vector4_t& pos, const vector4_t& vel,
                geodetic_point_t& geodetic, look_angles_t& obs_set) {
    using namespace constants;
    const ObserverFrame f = observerFrame(thetaG, geodetic);

    vector4_t range{pos.x - f.pos.x, pos.y - f.pos.y, pos.z - f.pos.z, 0.0};
    const vector4_t rgvel{vel.x - f.vel.x, vel.y - f.vel.y, vel.z - f.vel.z, 0.0};
    Magnitude(range);

    const double top_s =
        f.sinLat * f.cosTheta * range.x + f.sinLat * f.sinTheta * range.y - f.cosLat * range.z;
    const double top_e = -f.sinTheta * range.x + f.cosTheta * range.y;
    const double top_z =
        f.cosLat * f.cosTheta * range.x + f.cosLat * f.sinTheta * range.y + f.sinLat * range.z;

    double azim = std::atan(-top_e / top_s);
    if (top_s > 0.0) azim += pi;
    if (azim < 0.0) azim += twopi;

    obs_set.az = azim;
    obs_set.el = ArcSin(top_z / range.w);
    obs_set.range = range.w;
    obs_set.range_rate = Dot(range, rgvel) / range.w;
}

void subSatellitePoint(double thetaG, const vector4_t& pos, geodetic_point_t& geodetic) {
    using namespace constants;
    geodetic.theta = AcTan(pos.y, pos.x);
    geodetic.lon = FMod2p(geodetic.theta - thetaG);
    const double r = std::sqrt(Sqr(pos.x) + Sqr(pos.y));

    // Fixed-point iteration of the geodetic latitude, lat = AcTan(num, r) with
    // num = z + xkmper c e2 sin(lat) and c = 1 / sqrt(1 - e2 sin^2(lat)). It is carried on num:
    // with sin(lat) = num / hypot(num, r), c sin(lat) is num / sqrt(r^2 + (1 - e2) num^2). The
    // change of latitude between two steps, atan((next - num) r / (r^2 + next num)), is compared
    // with the tolerance without evaluating the arctangents.
    constexpr double one_minus_e2 = 1.0 - eccentricity_squared;
    double num = pos.z;
    double previous = num;  // the num from which the last step's c was taken
    for (int i = 0; i < max_latitude_iterations; ++i) {
        const double next = pos.z + xkmper * eccentricity_squared * num /
                                        std::sqrt(Sqr(r) + one_minus_e2 * Sqr(num));
        const double change = std::fabs(next - num) * r;
        const double scale = Sqr(r) + next * num;
        previous = num;
        num = next;
        if (!(change >= latitude_tolerance * scale)) break;  // converged, or not a number
    }
    const double c = std::sqrt((Sqr(previous) + Sqr(r)) / (Sqr(r) + one_minus_e2 * Sqr(previous)));
    geodetic.lat = AcTan(num, r);
    geodetic.alt = std::sqrt(Sqr(num) + Sqr(r)) - xkmper * c;
    if (geodetic.lat > pio2) geodetic.lat -= twopi;
}

}  // namespace

void Calculate_User_PosVel(double time, geodetic_point_t& geodetic, vector4_t& obs_pos,
                           vector4_t& obs_vel) {
    const ObserverFrame f = observerFrame(ThetaG_JD(time), geodetic);
    obs_pos = f.pos;
    obs_vel = f.vel;
}

void Calculate_Obs(double time, const vector4_t& pos, const vector4_t& vel,
                   geodetic_point_t& geodetic, look_angles_t& obs_set) {
    lookAngles(ThetaG_JD(time), pos, vel, geodetic, obs_set);
}

void Calculate_LatLonAlt(double time, const vector4_t& pos, geodetic_point_t& geodetic) {
    subSatellitePoint(ThetaG_JD(time), pos, geodetic);
}

void Calculate_Obs_LatLonAlt(double time, const vector4_t& pos, const vector4_t& vel,
                             geodetic_point_t& observer, look_angles_t& obs_set,
                             geodetic_point_t& subPoint) {
    const double thetaG = ThetaG_JD(time);
    lookAngles(thetaG, pos, vel, observer, obs_set);
    subSatellitePoint(thetaG, pos, subPoint);
}

}  // namespace engine
