#include "OrbitBounds.h"

#include <algorithm>
#include <cmath>

#include "HorizonCrossing.h"
#include "constants.h"

namespace {

using namespace engine::constants;

// The mean elements leave out the short-period terms (a few km in radius for low orbits),
// drag over a night and the lunar-solar terms over days; the radii are widened by this part of
// the semi-major axis and these kilometres, the rates raised by this factor.
constexpr double radius_margin = 0.01;
constexpr double radius_margin_km = 50.0;
constexpr double rate_margin = 1.25;
// Elements outside any orbit give bounds that let nothing be skipped.
constexpr double lowest_perigee = xkmper + 1.0;                             // km
constexpr double earth_mu = xke * xke * xkmper * xkmper * xkmper / 3600.0;  // km^3/s^2
// The Sun's own motion and the parallax of the satellite's motion seen against it.
constexpr double sun_turn = 1.0e-6;  // rad/s

}  // namespace

OrbitBounds OrbitBounds::of(const engine::sat_record_t& sat) {
    const double a = horizon::meanSemiMajorAxis(sat);
    const double eccentricity = sat.tle.eo;  // a copy: the packed record is never referenced
    const double e = std::clamp(eccentricity, 0.0, 0.999);
    OrbitBounds b{};
    b.perigeeRadius =
        std::max(a * (1.0 - e) * (1.0 - radius_margin) - radius_margin_km, lowest_perigee);
    b.apogeeRadius = a * (1.0 + e) * (1.0 + radius_margin) + radius_margin_km;
    const double semiLatusRectum = std::max(a * (1.0 - e * e), lowest_perigee);
    const double momentum = std::sqrt(earth_mu * semiLatusRectum);
    b.angularRate = rate_margin * momentum / (b.perigeeRadius * b.perigeeRadius);
    b.radialSpeed = rate_margin * e * std::sqrt(earth_mu / semiLatusRectum);
    b.speed = rate_margin * std::hypot(momentum / b.perigeeRadius, b.radialSpeed);
    if (!std::isfinite(b.apogeeRadius) || !std::isfinite(b.angularRate) ||
        !std::isfinite(b.speed)) {
        b = {lowest_perigee, HUGE_VAL, HUGE_VAL, HUGE_VAL, HUGE_VAL};
    }
    return b;
}

double OrbitBounds::shadowRate() const {
    // The shadow's margin is the angle between the Earth's centre and the Sun's less the
    // Earth's angular radius asin(R / r): the first turns with the satellite's direction, the
    // second with its distance, fastest at perigee.
    const double r = perigeeRadius;
    return angularRate + sun_turn + xkmper * radialSpeed / (r * std::sqrt(r * r - xkmper * xkmper));
}
