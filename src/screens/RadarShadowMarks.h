// The sunlit part of a pass on the radar plot: the track cut where the satellite enters and
// leaves the Earth's shadow, so that the stretches in sunlight are drawn distinctly, and a ring
// where each crossing lies.
#pragma once

#include <span>
#include <vector>

#include "PassCoordinate.h"
#include "PassVisibility.h"

namespace radar {

// The stretches of the track in sunlight, from the first sample or an exit from the shadow to
// the next entry or the last sample, with the crossings' places at their ends. The samples and
// the crossings are in time order; sunlitAtStart tells the light at the first sample.
std::vector<std::vector<PassCoordinate>> sunlitStretches(std::span<const PassCoordinate> samples,
                                                         std::span<const ShadowCrossing> crossings,
                                                         bool sunlitAtStart);

}  // namespace radar
