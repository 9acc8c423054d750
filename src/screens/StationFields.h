// The text fields of the radio and rotator settings: the text each shows for the settings in
// use, and how a typed text changes them. A text that cannot be read, a number outside its
// field's range, or a value that does not fit with the others (a park position outside the
// rotator's ranges) changes nothing and is said in words; the settings in use stay.
#pragma once

#include <QString>
#include <array>

#include "StationSettings.h"

namespace station_fields {

enum class Field {
    radioHost,
    radioPort,
    radioInterval,
    radioStep,
    rotatorHost,
    rotatorPort,
    rotatorInterval,
    azimuthMin,
    azimuthMax,
    elevationMin,
    elevationMax,
    startElevation,
    parkAzimuth,
    parkElevation,
    tolerance,
    transmitterSource,
};
inline constexpr std::array allFields{
    Field::radioHost,   Field::radioPort,     Field::radioInterval,   Field::radioStep,
    Field::rotatorHost, Field::rotatorPort,   Field::rotatorInterval, Field::azimuthMin,
    Field::azimuthMax,  Field::elevationMin,  Field::elevationMax,    Field::startElevation,
    Field::parkAzimuth, Field::parkElevation, Field::tolerance,       Field::transmitterSource,
};

// The field's text for these settings.
QString shownText(const StationSettings& settings, Field field);

// The settings with the typed text in the field, or why they stay as they are.
struct Edit {
    StationSettings settings;  // the new settings; the current ones when there is a problem
    QString problem;           // empty when the text was taken
};
Edit edit(const StationSettings& current, Field field, const QString& typed);

}  // namespace station_fields
