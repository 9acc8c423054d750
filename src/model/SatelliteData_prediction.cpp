// Where the satellite is at an instant, and the orbit class of a new element set.
#include <cmath>
#include <limits>

#include "SatelliteData.h"
#include "SettingsStore.h"
#include "constants.h"
#include "observer.h"
#include "propagators.h"
#include "vector_math.h"

namespace {

using namespace engine;

constexpr double footprint_factor = 12756.33;  // km

// Orbit classes. Geostationary: a mean motion within the inherited 0.0002 revolutions a day of
// 1.0027, and an orbit that stays put in the sky. An inclination i swings the satellite i
// degrees north and south of its place every day, an eccentricity e 2e radians east and west;
// below these bounds it stays within about a degree of one point, so no observer sees it rise
// or set by more than that. A more inclined or eccentric 24-hour orbit (an ageing station
// drifting to several degrees, a Tundra orbit) rises and sets like any other.
// Decayed (inherited): the mean motion, growing at the drag term's rate, would have reached
// 16.666666 revolutions a day (a period of 86.4 minutes) before the prediction.
constexpr double geostationary_mean_motion = 1.0027;      // revolutions a day
constexpr double geostationary_tolerance = 0.0002;        // revolutions a day
constexpr double geostationary_max_inclination = 1.0;     // degrees
constexpr double geostationary_max_eccentricity = 0.005;  // east-west swing of 0.57 degrees
constexpr double decayed_mean_motion = 16.666666;         // revolutions a day

bool staysPutInTheSky(const sat_record_t& sat) {
    return std::fabs(sat.meanmo - geostationary_mean_motion) < geostationary_tolerance &&
           sat.tle.eo < geostationary_max_eccentricity &&
           sat.tle.xincl < geostationary_max_inclination * constants::de2ra;
}

// Revolution number at the prediction, wrapped to the record's 32 bits; 0 when not a number.
std::uint32_t revolutionNumber(const sat_record_t& sat) {
    using constants::twopi;
    const double age = sat.jul_utc - sat.jul_epoch;
    const double n = std::floor((sat.tle.xno * 1440.0 / twopi + age * sat.tle.bstar) * age +
                                sat.tle.xmo / twopi);
    const double orbit = n + sat.tle.revnum - 1.0;
    constexpr double int64_limit = 9.0e18;
    if (!(std::fabs(orbit) < int64_limit)) return 0;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(orbit));
}

// The observer's site, made again only when the observer has moved. Each thread keeps its own,
// so that scans on several threads need no lock.
const observer_site_t& observerSite(const geodetic_point_t& observer) {
    struct Cache {
        geodetic_point_t observer;
        observer_site_t site;
        bool made = false;
    };
    thread_local Cache cache;
    if (!cache.made || cache.observer.lat != observer.lat || cache.observer.lon != observer.lon ||
        cache.observer.alt != observer.alt) {
        cache = {observer, Observer_Site(observer), true};
    }
    return cache.site;
}

}  // namespace

void SatelliteData::predictLocationAt(std::optional<Date> date) {
    using namespace constants;
    sat_record_t& sat = satelliteData_;
    const Date when = date ? *date : appDelegate_->now();
    sat.jul_utc = when.julianDate();
    sat.tsince = (sat.jul_utc - sat.jul_epoch) * minutes_per_day;
    Forget_Earlier_Predictions(sat, sat.tsince);
    // The revolution number needs only the instant; its divisions run alongside the propagation.
    sat.orbit = revolutionNumber(sat);
    propagate(sat, sat.tsince);
    Convert_Sat_State(sat.pos, sat.vel);
    sat.velo = sat.vel.w;

    look_angles_t look{};
    geodetic_point_t subPoint{};
    Calculate_Obs_LatLonAlt(sat.jul_utc, sat.pos, sat.vel,
                            observerSite(appDelegate_->observer_geodetic()), look, subPoint);

    // The sub-satellite longitude comes in [0, 2pi) or as not-a-number; fold it into -pi..pi.
    if (subPoint.lon < -pi) subPoint.lon += twopi;
    if (subPoint.lon > pi) subPoint.lon -= twopi;

    sat.az = Degrees(look.az);
    sat.el = Degrees(look.el);
    sat.range = look.range;
    sat.range_rate = look.range_rate;
    sat.ssplat = Degrees(subPoint.lat);
    sat.ssplon = Degrees(subPoint.lon);
    sat.alt = subPoint.alt;
    sat.ma = Degrees(sat.phase) * 256.0 / 360.0;
    sat.phase = Degrees(sat.phase);
    sat.footprint = footprint_factor * std::acos(xkmper / (xkmper + sat.alt));
}

void SatelliteData::classifyOrbit() {
    sat_record_t& sat = satelliteData_;
    sat.otype = orbit_ordinary;
    if (staysPutInTheSky(sat)) {
        sat.otype = orbit_geostationary;
    } else if (sat.jul_epoch +
                   (decayed_mean_motion - sat.meanmo) / (10.0 * std::fabs(sat.tle.xndt2o)) <
               sat.jul_utc) {
        sat.otype = orbit_decayed;
    }
}
