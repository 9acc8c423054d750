#include "PreferenceLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "LenientNumber.h"

namespace preferences {

std::int32_t timelineDurationFor(std::int32_t hours) {
    return std::clamp(hours, shortestTimeline, longestTimeline);
}

std::int32_t minimumElevationFromText(QStringView text) {
    constexpr auto limits = std::numeric_limits<std::int32_t>();
    const double degrees = std::trunc(leadingDouble(text));
    return static_cast<std::int32_t>(
        std::clamp(degrees, double{limits.min()}, double{limits.max()}));
}

}  // namespace preferences
