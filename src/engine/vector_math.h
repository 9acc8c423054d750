// Small pure helpers over doubles and four-element vectors shared by the element parser, the
// propagators, the observer geometry and the prediction step.
#pragma once

#include <cmath>
#include <cstdint>

#include "constants.h"
#include "records.h"

namespace engine {

inline double Sqr(double x) { return x * x; }

inline double Degrees(double radians) { return radians / constants::de2ra; }

inline double Dot(const vector4_t& a, const vector4_t& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline void Magnitude(vector4_t& v) { v.w = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// Full-circle arctangent in [0, 2pi]; a sine of exactly 0 with a positive cosine gives twopi.
inline double AcTan(double sinx, double cosx) {
    using namespace constants;
    if (cosx == 0.0) return sinx > 0.0 ? pio2 : x3pio2;
    if (cosx > 0.0) return sinx > 0.0 ? std::atan(sinx / cosx) : std::atan(sinx / cosx) + twopi;
    return std::atan(sinx / cosx) + pi;
}

// a reduced into [0, b) by subtracting a whole number of b, the quotient truncated to a 32-bit
// integer. Quotients beyond that range reduce with fmod, and non-finite input gives NaN, so the
// truncation is never undefined.
inline double Modulus(double a, double b) {
    const double q = a / b;
    if (!std::isfinite(q)) return std::nan("");
    double r;
    if (std::fabs(q) < 2147483647.0) {
        r = a - static_cast<double>(static_cast<std::int32_t>(q)) * b;
    } else {
        r = std::fmod(a, b);
    }
    if (r < 0.0) r += b;
    return r;
}

inline double FMod2p(double x) { return Modulus(x, constants::twopi); }

inline double Frac(double x) { return x - std::floor(x); }

inline double ArcSin(double x) {
    if (std::fabs(x) >= 1.0) return x > 0.0 ? constants::pio2 : -constants::pio2;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

// Scales a propagated state from Earth radii and Earth radii per minute to km and km/s.
void Convert_Sat_State(vector4_t& pos, vector4_t& vel);

}  // namespace engine
