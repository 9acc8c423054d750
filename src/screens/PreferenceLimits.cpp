#include "PreferenceLimits.h"

#include <algorithm>

#include "LenientNumber.h"

namespace preferences {

std::int32_t timelineDurationFor(std::int32_t hours) {
    return std::clamp(hours, shortestTimeline, longestTimeline);
}

NumberReading readNumber(QStringView text, Range range) {
    if (!beginsWithNumber(text)) return {0.0, FieldProblem::unreadable};
    const double value = leadingDouble(text);
    if (!(value >= range.lowest && value <= range.highest)) {
        return {value, FieldProblem::outOfRange};
    }
    return {value, FieldProblem::none};
}

}  // namespace preferences
