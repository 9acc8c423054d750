#include "StationFields.h"

#include <QCoreApplication>
#include <cmath>

#include "PreferenceLimits.h"

namespace station_fields {

namespace {

using preferences::Range;

constexpr Range portRange{1.0, 65535.0};
constexpr Range intervalRange{StationSettings::shortestInterval,
                              StationSettings::longestInterval};  // seconds
constexpr Range stepRange{0.0, 100000.0};                         // Hz
constexpr Range azimuthStartRange{-360.0, 360.0};                 // degrees
constexpr Range azimuthEndRange{0.0, 1080.0};
constexpr Range elevationStartRange{0.0, 90.0};
constexpr Range elevationEndRange{90.0, 180.0};
constexpr Range parkAzimuthRange{-360.0, 1080.0};
constexpr Range parkElevationRange{0.0, 180.0};
constexpr Range toleranceRange{0.0, 45.0};

QString translated(const char* text) { return QCoreApplication::translate("StationFields", text); }

// The number a numeric field edits, and its range; none for the text fields.
struct NumberField {
    double* value;
    Range range;
};
std::optional<NumberField> numberField(StationSettings& s, Field field) {
    RotatorLimits& limits = s.rotator.limits;
    switch (field) {
        case Field::radioInterval:
            return NumberField{&s.radio.interval, intervalRange};
        case Field::radioStep:
            return NumberField{&s.radio.step, stepRange};
        case Field::rotatorInterval:
            return NumberField{&s.rotator.interval, intervalRange};
        case Field::azimuthMin:
            return NumberField{&limits.azimuthMin, azimuthStartRange};
        case Field::azimuthMax:
            return NumberField{&limits.azimuthMax, azimuthEndRange};
        case Field::elevationMin:
            return NumberField{&limits.elevationMin, elevationStartRange};
        case Field::elevationMax:
            return NumberField{&limits.elevationMax, elevationEndRange};
        case Field::startElevation:
            return NumberField{&limits.startElevation, elevationStartRange};
        case Field::parkAzimuth:
            return NumberField{&limits.park.azimuth, parkAzimuthRange};
        case Field::parkElevation:
            return NumberField{&limits.park.elevation, parkElevationRange};
        case Field::tolerance:
            return NumberField{&limits.tolerance, toleranceRange};
        default:
            return std::nullopt;
    }
}

quint16* portField(StationSettings& s, Field field) {
    if (field == Field::radioPort) return &s.radio.port;
    if (field == Field::rotatorPort) return &s.rotator.port;
    return nullptr;
}

QString* hostField(StationSettings& s, Field field) {
    if (field == Field::radioHost) return &s.radio.host;
    if (field == Field::rotatorHost) return &s.rotator.host;
    return nullptr;
}

// Why a rotator value that lies within its own range still cannot be used.
QString unfittingRotatorValue(Field field) {
    switch (field) {
        case Field::azimuthMin:
        case Field::azimuthMax:
            return translated(
                "An azimuth range spans 360° to 720°, starts within −360° to 360° and holds "
                "the park position; the range in use stays.");
        case Field::elevationMin:
        case Field::elevationMax:
            return translated(
                "An elevation range starts within 0° to 90°, ends within 90° to 180° and holds "
                "the park position; the range in use stays.");
        default:
            return translated(
                "The park position lies within the azimuth and elevation ranges; the position "
                "in use stays.");
    }
}

// Reads the typed number into the candidate settings; gives the problem, if any.
QString readNumberInto(StationSettings& candidate, Field field, const QString& typed) {
    quint16* port = portField(candidate, field);
    const std::optional<NumberField> number = numberField(candidate, field);
    const Range range = port ? portRange : number->range;
    const preferences::NumberReading reading = preferences::readNumber(typed, range);
    if (reading.problem != preferences::FieldProblem::none) {
        return preferences::problemText(reading, typed, range);
    }
    if (port) {
        *port = static_cast<quint16>(std::trunc(reading.value));
    } else {
        *number->value = reading.value;
        if (!candidate.rotator.limits.isValid()) return unfittingRotatorValue(field);
    }
    return QString();
}

QString readTextInto(StationSettings& candidate, Field field, const QString& typed) {
    const QString text = typed.trimmed();
    if (QString* host = hostField(candidate, field)) {
        *host = text;
        if (candidate.validated() != candidate) {
            return translated("“%1” is not a host name or address; the host in use stays.")
                .arg(text);
        }
        return QString();
    }
    candidate.transmitters.source = text.isEmpty() ? QUrl() : QUrl(text, QUrl::StrictMode);
    const bool unusable = !text.isEmpty() && !candidate.transmitters.source.isValid();
    if (unusable || candidate.validated() != candidate) {
        return translated("“%1” is not an http, https or file address; the address in use stays.")
            .arg(text);
    }
    return QString();
}

}  // namespace

QString shownText(const StationSettings& settings, Field field) {
    StationSettings copy = settings;
    if (const QString* host = hostField(copy, field)) return *host;
    if (const quint16* port = portField(copy, field)) return QString::number(*port);
    if (const std::optional<NumberField> number = numberField(copy, field)) {
        return preferences::numberText(*number->value);
    }
    return settings.transmitters.source.toString();
}

Edit edit(const StationSettings& current, Field field, const QString& typed) {
    StationSettings candidate = current;
    const bool isText = hostField(candidate, field) != nullptr || field == Field::transmitterSource;
    const QString problem =
        isText ? readTextInto(candidate, field, typed) : readNumberInto(candidate, field, typed);
    if (!problem.isEmpty()) return {current, problem};
    return {candidate, QString()};
}

}  // namespace station_fields
