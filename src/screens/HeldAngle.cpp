#include "HeldAngle.h"

#include <algorithm>
#include <cmath>

#include "RadarGeometry.h"

namespace radar {

double smoothedOrientation(double previous, double reading) {
    if (!std::isfinite(reading)) return previous;
    return std::clamp(0.25 * reading + 0.75 * previous, -1.0, 1.0);
}

std::optional<double> heldAngleRadius(double deviceElevation, float maxRadius) {
    const double radius = maxRadius * (1.0 + 2.0 * std::asin(deviceElevation) / onePi);
    if (!std::isfinite(radius)) return std::nullopt;
    return radius;
}

}  // namespace radar
