#include "CoordinateText.h"

#include <algorithm>
#include <cmath>

#include "LenientNumber.h"
#include "RegexOperations.h"

namespace preferences {

namespace {

constexpr double hundredthsPerDegree = 360000.0;  // hundredths of a second of arc
constexpr double hundredthsPerMinute = 6000.0;

QString capture(const QString& text, int group) {
    return stringByMatching(text, sexagesimalPattern, group).value_or(QString());
}

// Degrees, minutes and optional seconds when the text matches the sexagesimal pattern.
std::optional<double> sexagesimalValue(const QString& text) {
    if (!stringByMatching(text, sexagesimalPattern, 0)) return std::nullopt;
    const double minutes = std::min(leadingDouble(capture(text, 3)), 59.0);
    double value = leadingDouble(capture(text, 2)) + minutes / 60.0;
    const QString secondsText = capture(text, 4);
    if (!secondsText.isEmpty()) {
        const double seconds = leadingDouble(secondsText);
        value += (seconds >= 60.0 ? 59.99 : std::max(seconds, 0.0)) / 3600.0;
    }
    return capture(text, 1) == QStringLiteral("-") ? -value : value;
}

// As if 360 were added while below -180, then taken away while above 180; the remainder is
// taken at once, so a huge value needs no endless turning.
double normalisedLongitude(double degrees) {
    if (degrees < -180.0) {
        const double past = std::fmod(degrees + 180.0, 360.0);
        degrees = (past < 0.0 ? past + 360.0 : past) - 180.0;
    }
    if (degrees > 180.0) {
        const double past = std::fmod(degrees - 180.0, 360.0);
        degrees = past == 0.0 ? 180.0 : past - 180.0;
    }
    return degrees;
}

}  // namespace

std::optional<double> readDegrees(const QString& text) {
    const QString trimmed = text.trimmed();
    std::optional<double> value = sexagesimalValue(trimmed);
    if (!value && beginsWithNumber(trimmed)) value = leadingDouble(trimmed);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<double> parseCoordinate(const QString& text, Axis axis) {
    const std::optional<double> value = readDegrees(text);
    if (!value) return std::nullopt;
    return axis == Axis::latitude ? std::clamp(*value, -90.0, 90.0) : normalisedLongitude(*value);
}

QString formatCoordinate(double value, bool useDecimalDegrees) {
    if (useDecimalDegrees) return QString::asprintf("%3.3f", value);
    // Rounding the whole value first carries 59.995 seconds into the next minute.
    const double hundredths = std::round(std::abs(value) * hundredthsPerDegree);
    const double degrees = std::floor(hundredths / hundredthsPerDegree);
    const double minutes = std::fmod(std::floor(hundredths / hundredthsPerMinute), 60.0);
    const double seconds = std::fmod(hundredths, hundredthsPerMinute) / 100.0;
    const char* sign = value < 0.0 && hundredths > 0.0 ? "-" : "";
    return QString::asprintf("%s%.0f° %2.0f' %4.2f\"", sign, degrees, minutes, seconds);
}

}  // namespace preferences
