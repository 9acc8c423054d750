#include "PreferenceLimits.h"

#include <QCoreApplication>
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

QString numberText(double value) { return QString::number(value, 'g', 10); }

QString problemText(const NumberReading& reading, QStringView typed, Range range) {
    switch (reading.problem) {
        case FieldProblem::unreadable:
            return QCoreApplication::translate("PreferenceLimits",
                                               "“%1” is not a number; the value in use stays.")
                .arg(typed.trimmed());
        case FieldProblem::outOfRange:
            return QCoreApplication::translate("PreferenceLimits",
                                               "%1 is outside %2 to %3; the value in use stays.")
                .arg(numberText(reading.value), numberText(range.lowest),
                     numberText(range.highest));
        case FieldProblem::none:
            break;
    }
    return QString();
}

}  // namespace preferences
