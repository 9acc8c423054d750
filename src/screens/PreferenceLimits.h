// The ranges the preferences screen holds typed numbers to.
#pragma once

#include <QStringView>
#include <cstdint>

namespace preferences {

inline constexpr std::int32_t shortestTimeline = 12;  // hours
inline constexpr std::int32_t longestTimeline = 60;   // hours

// The timeline's span for the hours typed: 11 or less becomes 12, above 60 becomes 60.
std::int32_t timelineDurationFor(std::int32_t hours);

// The minimum pass elevation of the typed text: its leading number truncated toward zero, held
// within the range of the setting's 32-bit integer. No other range applies.
std::int32_t minimumElevationFromText(QStringView text);

}  // namespace preferences
