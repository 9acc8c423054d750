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

}  // namespace

void Calculate_LatLonAlt_ThetaG(double thetaG, const vector4_t& pos, geodetic_point_t& geodetic) {
    using namespace constants;
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
    // The longitude comes after the iteration, whose long chain of square roots and divisions
    // the processor works through alongside it.
    geodetic.theta = AcTan(pos.y, pos.x);
    geodetic.lon = FMod2p(geodetic.theta - thetaG);
    const double c = std::sqrt((Sqr(previous) + Sqr(r)) / (Sqr(r) + one_minus_e2 * Sqr(previous)));
    geodetic.lat = AcTan(num, r);
    geodetic.alt = std::sqrt(Sqr(num) + Sqr(r)) - xkmper * c;
    if (geodetic.lat > pio2) geodetic.lat -= twopi;
}

observer_site_t Observer_Site(const geodetic_point_t& geodetic) {
    using namespace constants;
    observer_site_t site{};
    site.lat = geodetic.lat;
    site.lon = geodetic.lon;
    site.alt = geodetic.alt;
    site.sin_lat = std::sin(geodetic.lat);
    site.cos_lat = std::cos(geodetic.lat);
    const double c = 1.0 / std::sqrt(1.0 - eccentricity_squared * Sqr(site.sin_lat));
    const double sq = Sqr(one_minus_flattening) * c;
    site.axis_distance = (xkmper * c + geodetic.alt) * site.cos_lat;
    site.equator_height = (xkmper * sq + geodetic.alt) * site.sin_lat;
    return site;
}

observer_frame_t Observer_Frame(double thetaG, const observer_site_t& site) {
    using constants::earth_rotation;
    observer_frame_t f{};
    f.theta = FMod2p(thetaG + site.lon);
    f.sin_theta = std::sin(f.theta);
    f.cos_theta = std::cos(f.theta);
    f.pos.x = site.axis_distance * f.cos_theta;
    f.pos.y = site.axis_distance * f.sin_theta;
    f.pos.z = site.equator_height;
    f.vel.x = -earth_rotation * f.pos.y;
    f.vel.y = earth_rotation * f.pos.x;
    f.vel.z = 0.0;
    return f;
}

void Calculate_User_PosVel(double time, geodetic_point_t& geodetic, vector4_t& obs_pos,
                           vector4_t& obs_vel) {
    const observer_frame_t f = Observer_Frame(ThetaG_JD(time), Observer_Site(geodetic));
    geodetic.theta = f.theta;
    obs_pos = f.pos;
    obs_vel = f.vel;
    Magnitude(obs_pos);
    Magnitude(obs_vel);
}

void Calculate_Obs(double time, const vector4_t& pos, const vector4_t& vel,
                   geodetic_point_t& geodetic, look_angles_t& obs_set) {
    const observer_site_t site = Observer_Site(geodetic);
    const observer_frame_t f = Observer_Frame(ThetaG_JD(time), site);
    geodetic.theta = f.theta;
    Calculate_Obs_Frame(f, site, pos, vel, obs_set);
}

// Look angles from the observer frame: the range vector turned into the observer's south, east
// and zenith directions.
void Calculate_Obs_Frame(const observer_frame_t& f, const observer_site_t& site,
                         const vector4_t& pos, const vector4_t& vel, look_angles_t& obs_set) {
    using namespace constants;
    vector4_t range{pos.x - f.pos.x, pos.y - f.pos.y, pos.z - f.pos.z, 0.0};
    const vector4_t rgvel{vel.x - f.vel.x, vel.y - f.vel.y, vel.z - f.vel.z, 0.0};
    Magnitude(range);

    const double top_s = site.sin_lat * f.cos_theta * range.x +
                         site.sin_lat * f.sin_theta * range.y - site.cos_lat * range.z;
    const double top_e = -f.sin_theta * range.x + f.cos_theta * range.y;
    const double top_z = site.cos_lat * f.cos_theta * range.x +
                         site.cos_lat * f.sin_theta * range.y + site.sin_lat * range.z;

    double azim = std::atan(-top_e / top_s);
    if (top_s > 0.0) azim += pi;
    if (azim < 0.0) azim += twopi;

    obs_set.az = azim;
    obs_set.el = ArcSin(top_z / range.w);
    obs_set.range = range.w;
    obs_set.range_rate = Dot(range, rgvel) / range.w;
}

void Calculate_LatLonAlt(double time, const vector4_t& pos, geodetic_point_t& geodetic) {
    Calculate_LatLonAlt_ThetaG(ThetaG_JD(time), pos, geodetic);
}

void Calculate_Obs_LatLonAlt(double time, const vector4_t& pos, const vector4_t& vel,
                             const observer_site_t& site, look_angles_t& obs_set,
                             geodetic_point_t& subPoint) {
    const double thetaG = ThetaG_JD(time);
    Calculate_LatLonAlt_ThetaG(thetaG, pos, subPoint);
    Calculate_Obs_Frame(Observer_Frame(thetaG, site), site, pos, vel, obs_set);
}

}  // namespace engine
