// An independent reference for sunlight and shadow: the Sun from another low-precision series
// (the solar coordinates of Meeus, Astronomical Algorithms, 2nd ed., chapter 25: mean
// longitude and anomaly in Julian centuries, equation of the centre, distance from the true
// anomaly, the correction to apparent longitude and obliquity), and the Earth's shadow written
// out as three cones with their apexes and half-angles:
//   umbra     apex behind the Earth, where the tangents common to both spheres meet outside
//             them; inside it the Sun is wholly hidden;
//   penumbra  apex between the Earth and the Sun, where the tangents crossing between the
//             spheres meet; outside it the Sun is wholly in view;
//   centre    apex at the Sun's centre, tangent to the Earth; inside it the Sun's centre is
//             below the Earth's limb.
// Each cone holds the points beyond the plane of its circle of contact with the Earth.
#pragma once

#include <cmath>
#include <numbers>

#include "records.h"

namespace shadow_reference {

inline constexpr double earth_radius = 6378.135;  // km, the orbit model's
inline constexpr double sun_radius = 695700.0;    // km
inline constexpr double astronomical_unit = 149597870.7;

struct Vec {
    double x, y, z;
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(const Vec& o) const { return x * o.x + y * o.y + z * o.z; }
    double norm() const { return std::sqrt(dot(*this)); }
};

inline Vec of(const engine::vector4_t& v) { return {v.x, v.y, v.z}; }

// The Sun from the Earth's centre, km, equator and equinox of date.
inline Vec sun(double julianDate) {
    constexpr double rad = std::numbers::pi / 180.0;
    const double t = (julianDate - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m * rad) +
                     (0.019993 - 0.000101 * t) * std::sin(2.0 * m * rad) +
                     0.000289 * std::sin(3.0 * m * rad);
    const double trueLongitude = l0 + c;
    const double nu = m + c;
    const double r = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(nu * rad));
    const double omega = 125.04 - 1934.136 * t;
    const double lambda = (trueLongitude - 0.00569 - 0.00478 * std::sin(omega * rad)) * rad;
    const double epsilon0 =
        23.0 + (26.0 + (21.448 - t * (46.8150 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double epsilon = (epsilon0 + 0.00256 * std::cos(omega * rad)) * rad;
    const double km = r * astronomical_unit;
    return {km * std::cos(lambda), km * std::cos(epsilon) * std::sin(lambda),
            km * std::sin(epsilon) * std::sin(lambda)};
}

// A cone by its apex, the unit direction in which it opens, its half-angle and the plane
// (distance along the Sun's direction from the Earth's centre) beyond which it counts, on the
// side away from the Sun.
struct Cone {
    Vec apex;
    Vec opens;
    double halfAngle;
    double contactPlane;

    bool holds(const Vec& p, const Vec& towardSun) const {
        const Vec fromApex = p - apex;
        const double cosine = fromApex.dot(opens) / fromApex.norm();
        return cosine > std::cos(halfAngle) && p.dot(towardSun) < contactPlane;
    }
};

enum class Light { sunlit, penumbra, umbra };

struct Shadow {
    Cone umbra, penumbra, centre;
    Vec towardSun;

    explicit Shadow(const Vec& sunPosition) {
        const double d = sunPosition.norm();
        towardSun = sunPosition * (1.0 / d);
        const Vec away = towardSun * -1.0;
        const double umbraAngle = std::asin((sun_radius - earth_radius) / d);
        const double penumbraAngle = std::asin((sun_radius + earth_radius) / d);
        const double centreAngle = std::asin(earth_radius / d);
        // The umbra's apex lies behind the Earth and the cone opens back toward the Sun.
        umbra = {away * (earth_radius / std::sin(umbraAngle)), towardSun, umbraAngle,
                 -earth_radius * std::sin(umbraAngle)};
        penumbra = {towardSun * (earth_radius / std::sin(penumbraAngle)), away, penumbraAngle,
                    earth_radius * std::sin(penumbraAngle)};
        centre = {sunPosition, away, centreAngle, earth_radius * std::sin(centreAngle)};
    }

    Light light(const Vec& p) const {
        if (umbra.holds(p, towardSun)) return Light::umbra;
        return penumbra.holds(p, towardSun) ? Light::penumbra : Light::sunlit;
    }
    bool centreHidden(const Vec& p) const { return centre.holds(p, towardSun); }
};

}  // namespace shadow_reference
