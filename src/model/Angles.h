// Degrees to radians at full double precision, for the Sun and Moon series, the map's great
// circles and typed coordinates. The orbit engine and the observer record keep the system's
// stored value instead (engine::constants::de2ra, 0.0174532925).
#pragma once

#include <numbers>

inline constexpr double radians_per_degree = std::numbers::pi / 180.0;
