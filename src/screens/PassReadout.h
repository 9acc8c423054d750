// The text lines of the radar plot: where the satellite is, and during a pass the Doppler shift
// of a 100 MHz carrier, the signal delay, the path loss and the active record's frequencies
// corrected for the shift. Values that are not finite are printed as the format prints them.
#pragma once

#include <QList>
#include <QSizeF>
#include <optional>
#include <vector>

#include "FrequencyRecord.h"
#include "RadarGeometry.h"

class SatelliteData;

namespace radar {

// A satellite's latest prediction, in degrees, km and km/s.
struct SatelliteReadings {
    double range = 0.0;
    double azimuth = 0.0;
    double elevation = 0.0;
    double altitude = 0.0;
    double velocity = 0.0;
    double rangeRate = 0.0;
};
SatelliteReadings readingsOf(const SatelliteData& satellite);

// Range, azimuth and elevation at the top left; altitude and velocity at the top right.
std::vector<PlotText> positionLines(const SatelliteReadings& readings, QSizeF size);

// Doppler shift at the bottom left; delay and path loss at the bottom right.
std::vector<PlotText> passLines(const SatelliteReadings& readings, QSizeF size);

// The uplink (bottom left) and downlink (bottom right) of each active record, each corrected
// by its own Doppler shift: the satellite hears the uplink shifted, so it is sent that much
// lower, and the downlink arrives that much higher.
std::vector<PlotText> frequencyLines(const std::optional<QList<FrequencyRecord>>& records,
                                     double rangeRate, QSizeF size);

}  // namespace radar
