// The angle at which the phone is held, shown on the radar plot as a dashed ring: the sky's
// elevation that the phone's top edge points at. The accelerometer's reading along the long
// axis is smoothed before use.
#pragma once

#include <array>
#include <optional>

namespace radar {

// The dash lengths of the held-angle ring, in points, starting at phase 0.
inline constexpr std::array<double, 4> heldAngleDashes{5.0, 3.0, 2.0, 3.0};

// The smoothed reading after a new one (in g): a quarter of the new reading and three quarters
// of the previous, held in [-1, 1]. A reading that is not finite is ignored.
double smoothedOrientation(double previous, double reading);

// The ring's radius: the centre for -1 (top edge to the zenith), the horizon for 0 (lying flat)
// and twice the horizon radius for 1. None when the reading lies outside [-1, 1].
std::optional<double> heldAngleRadius(double deviceElevation, float maxRadius);

}  // namespace radar
