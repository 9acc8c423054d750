#include "HorizonCrossing.h"

#include <algorithm>
#include <cmath>

#include "GoldenSection.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "constants.h"
#include "observer.h"

namespace horizon {

namespace {

using namespace engine::constants;

constexpr double semi_major_axis_scale = 331.25;  // km

// A crossing is found once the elevation is within this many degrees of the horizon and within
// what it changes in this many seconds; a bracket this narrow (seconds) ends the search.
constexpr double elevation_tolerance = 0.05;
constexpr double time_tolerance = 1.0;
constexpr double min_bracket = 0.01;

// The geodetic vertical, from which elevations are measured, and the direction from the
// Earth's centre differ by at most 0.19 degrees; the central-angle bounds allow for it.
constexpr double vertical_deflection = 0.2 * de2ra;

// Near the horizon the inherited fine step, elevation x sqrt(height) seconds, is taken with the
// elevation held between the tolerance and this band (degrees). A pass that fits between two
// such steps culminates below about a thousandth of a degree.
constexpr double near_band = 0.4;
constexpr double min_step = 0.5;         // seconds
constexpr double min_step_height = 1.0;  // km: the step's height below which it stays the same

// The bound on the rate of the central angle, from the orbit's mean elements, is raised by this
// margin for the short-period terms, drag and the lunar-solar terms of ten days.
constexpr double rate_margin = 1.25;

// A peak found within this many seconds decides whether an approach reaches the horizon.
constexpr double peak_resolution = 1.0;

// Steps of one search: ten days of 20-second steps, far more than a real search takes (a
// satellite hovering near the horizon for days takes steps of a minute or more).
constexpr int max_scan_steps = 50000;
constexpr int max_peak_steps = 40;
constexpr int max_refine_steps = 60;

// Gravitational parameter in km^3/s^2 from the model's constants.
constexpr double earth_mu = xke * xke * xkmper * xkmper * xkmper / 3600.0;

// The fastest the central angle between the satellite and the observer, and the horizon's own
// angle, can change (rad/s), bounded over the whole orbit by its perigee: the satellite's
// angular rate there plus the Earth's rotation, and the radial speed's effect on the horizon.
double maxAngularRate(const engine::sat_record_t& sat, double observerRadius) {
    const double a = meanSemiMajorAxis(sat);
    const double eccentricity = sat.tle.eo;  // a copy: the packed record is never referenced
    const double e = std::clamp(eccentricity, 0.0, 0.999);
    const double perigee = std::max(a * (1.0 - e), observerRadius + 1.0);
    const double semiLatusRectum = a * (1.0 - e * e);
    const double angular = std::sqrt(earth_mu * semiLatusRectum) / (perigee * perigee);
    const double radialSpeed = e * std::sqrt(earth_mu / semiLatusRectum);
    const double horizonPerKm =
        observerRadius / (perigee * std::sqrt(perigee * perigee - observerRadius * observerRadius));
    const double rate = rate_margin * (angular + earth_rotation + horizonPerKm * radialSpeed);
    // Elements outside any orbit give no bound: every step is then a near-horizon step.
    return rate > 0.0 && std::isfinite(rate) ? rate : HUGE_VAL;
}

double observerRadiusOf(const SatelliteData& satellite) {
    engine::geodetic_point_t observer = satellite.appDelegate()->observer_geodetic();
    engine::vector4_t position{};
    engine::vector4_t velocity{};
    engine::Calculate_User_PosVel(0.0, observer, position, velocity);
    return position.w;
}

double sign(Direction direction) { return direction == Direction::rise ? 1.0 : -1.0; }

}  // namespace

double meanSemiMajorAxis(const engine::sat_record_t& sat) {
    return semi_major_axis_scale * std::exp(std::log(minutes_per_day / sat.meanmo) * (2.0 / 3.0));
}

CrossingSearch::CrossingSearch(SatelliteData& satellite)
    : satellite_(satellite),
      observerRadius_(observerRadiusOf(satellite)),
      maxAngularRate_(maxAngularRate(satellite.satelliteData(), observerRadius_)) {}

Sample CrossingSearch::sampleAt(Date t) {
    satellite_.predictLocationAt(t);
    const double r = satellite_.satelliteData().pos.w;
    const double range = satellite_.range();
    const double R = observerRadius_;
    const double cosine = (r * r + R * R - range * range) / (2.0 * r * R);
    return {t, satellite_.elevation(), satellite_.altitude(),
            std::acos(std::clamp(cosine, -1.0, 1.0)), r};
}

// Positive on the far side of the horizon (above it for a rise, below it for a set).
double CrossingSearch::side(Direction direction, const Sample& s) const {
    return sign(direction) * s.elevation;
}

// Seconds during which the sample's side surely does not change: the central angle must first
// reach the horizon's angle, widened for the deflection of the vertical, at the bounded rate.
double CrossingSearch::clearance(Direction direction, const Sample& s) const {
    const double horizonAngle =
        std::acos(std::min(1.0, observerRadius_ * std::cos(vertical_deflection) / s.radius));
    const double margin = direction == Direction::rise
                              ? s.centralAngle - (horizonAngle + vertical_deflection)
                              : (horizonAngle - vertical_deflection) - s.centralAngle;
    return margin > 0.0 ? margin / maxAngularRate_ : 0.0;
}

// The next step of the scan: the clearance where it is long, else the inherited fine step.
double CrossingSearch::step(Direction direction, const Sample& s) const {
    const double elevation = std::clamp(std::fabs(s.elevation), elevation_tolerance, near_band);
    const double fine = elevation * std::sqrt(std::max(s.altitude, min_step_height));
    return std::max({clearance(direction, s), fine, min_step});
}

std::optional<Crossing> CrossingSearch::next(Direction direction, Sample from, Date end) {
    if (side(direction, from) > 0.0) return Crossing{from.t, from};
    std::optional<Sample> previous;
    Sample current = from;
    for (int i = 0; i < max_scan_steps && current.t < end; ++i) {
        const Sample ahead = sampleAt(current.t + step(direction, current));
        if (!std::isfinite(ahead.elevation)) return std::nullopt;
        if (side(direction, ahead) > 0.0) return refine(direction, current, ahead);
        // The elevation turned back on the near side between samples the clearances do not
        // cover: look whether the approach reached the horizon between them.
        if (previous && side(direction, current) > side(direction, *previous) &&
            side(direction, current) >= side(direction, ahead) &&
            ahead.t - previous->t > clearance(direction, *previous) + clearance(direction, ahead)) {
            if (auto crossing = overPeak(direction, *previous, ahead)) return crossing;
        }
        previous = current;
        current = ahead;
    }
    return std::nullopt;
}

// The highest point of the side between two samples by golden-section search; a crossing when
// it lies on the far side, none for a grazing approach that stays on the near side.
std::optional<Crossing> CrossingSearch::overPeak(Direction direction, Sample before, Sample after) {
    GoldenSection peak(
        before, after.t, [this](Date t) { return sampleAt(t); },
        [this, direction](const Sample& s) { return side(direction, s); });
    for (int i = 0; i < max_peak_steps && peak.width() > peak_resolution; ++i) {
        if (!std::isfinite(peak.inner1().elevation) || !std::isfinite(peak.inner2().elevation)) {
            break;
        }
        if (side(direction, peak.inner1()) > 0.0)
            return refine(direction, peak.low(), peak.inner1());
        if (side(direction, peak.inner2()) > 0.0) {
            return refine(direction, peak.inner1(), peak.inner2());
        }
        peak.narrow();
    }
    return std::nullopt;
}

// Narrows a bracket around a crossing until the elevation is within the tolerance, or within
// what the elevation changes in a second where it changes slowly (high orbits, low passes): the
// inherited fine step from the latest sample while it stays inside the bracket, else halving.
Crossing CrossingSearch::refine(Direction direction, Sample near, Sample far) {
    Sample latest = far;
    Sample previous = near;
    for (int i = 0; i < max_refine_steps && far.t - near.t > min_bracket; ++i) {
        const double rate =
            std::fabs((latest.elevation - previous.elevation) / (latest.t - previous.t));
        if (std::fabs(latest.elevation) < std::min(elevation_tolerance, rate * time_tolerance)) {
            return {latest.t, far};
        }
        Date t = latest.t -
                 side(direction, latest) * std::sqrt(std::max(latest.altitude, min_step_height));
        if (!(near.t < t && t < far.t)) t = near.t + (far.t - near.t) / 2.0;
        previous = latest;
        latest = sampleAt(t);
        if (!std::isfinite(latest.elevation)) break;
        if (side(direction, latest) > 0.0) {
            far = latest;
        } else {
            near = latest;
        }
    }
    return {std::fabs(near.elevation) < std::fabs(far.elevation) ? near.t : far.t, far};
}

}  // namespace horizon
