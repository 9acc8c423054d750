// The ranges the preferences screen holds typed numbers to, and the reading of a typed number
// against its range.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

namespace preferences {

inline constexpr std::int32_t shortestTimeline = 12;  // hours
inline constexpr std::int32_t longestTimeline = 60;   // hours

// The range of each number field; a value outside it is refused, the one in use kept.
struct Range {
    double lowest = 0.0;
    double highest = 0.0;
};
inline constexpr Range elevationRange{-90.0, 90.0};    // degrees
inline constexpr Range latitudeRange{-90.0, 90.0};     // degrees
inline constexpr Range dayRange{0.0, 365.0};           // days: pass list, update age
inline constexpr Range altitudeRange{-500.0, 9000.0};  // metres above the ellipsoid

// The timeline's span for the hours typed: 11 or less becomes 12, above 60 becomes 60.
std::int32_t timelineDurationFor(std::int32_t hours);

// A typed number: its value, or why it cannot be used.
enum class FieldProblem { none, unreadable, outOfRange };
struct NumberReading {
    double value = 0.0;
    FieldProblem problem = FieldProblem::none;
};

// The text's leading number (what follows it is ignored), refused when there is none and when
// it lies outside the range.
NumberReading readNumber(QStringView text, Range range);

// A number as the fields show it: up to ten significant digits.
QString numberText(double value);

// What a field says beside itself about the reading of the typed text; empty when the number
// was taken.
QString problemText(const NumberReading& reading, QStringView typed, Range range);

}  // namespace preferences
