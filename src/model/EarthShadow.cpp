#include "EarthShadow.h"

#include <cmath>
#include <numbers>

#include "constants.h"

namespace {

struct Vector {
    double x, y, z;
};

double length(const Vector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// The angle between two directions, accurate also when they nearly coincide.
double angleBetween(const Vector& a, const Vector& b) {
    const Vector cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(length(cross), a.x * b.x + a.y * b.y + a.z * b.z);
}

// The angular radius of a sphere seen from a distance; a half circle from inside it.
double angularRadius(double radius, double distance) {
    return radius < distance ? std::asin(radius / distance) : std::numbers::pi / 2.0;
}

}  // namespace

EarthShadow::EarthShadow(const engine::vector4_t& satellite, const engine::vector4_t& sun) {
    const Vector toEarth{-satellite.x, -satellite.y, -satellite.z};
    const Vector toSun{sun.x - satellite.x, sun.y - satellite.y, sun.z - satellite.z};
    separation_ = angleBetween(toEarth, toSun);
    earthRadius_ = angularRadius(engine::constants::xkmper, length(toEarth));
    sunDistance_ = length(toSun);
}

// The Sun's disc is needed only here, not for the margin that searches ask most.
Illumination EarthShadow::illumination() const {
    const double sunRadius = angularRadius(sun_radius, sunDistance_);
    if (separation_ >= earthRadius_ + sunRadius) return Illumination::sunlit;
    if (separation_ <= earthRadius_ - sunRadius) return Illumination::umbra;
    return Illumination::penumbra;
}
