// The text lines of the radar plot, in the view's four corners: where the satellite is, and
// during a pass the Doppler shift of a 100 MHz carrier, the signal delay, the path loss and the
// active record's frequencies corrected for the shift. Values that are not finite are printed as
// the format prints them.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "FrequencyRecord.h"

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

enum class Corner { topLeft, topRight, bottomLeft, bottomRight };
inline constexpr std::array<Corner, 4> corners{Corner::topLeft, Corner::topRight,
                                               Corner::bottomLeft, Corner::bottomRight};

// The lines of each corner, from the top down.
struct Readout {
    std::array<std::vector<QString>, corners.size()> lines;
    std::vector<QString>& operator[](Corner corner) {
        return lines[static_cast<std::size_t>(corner)];
    }
    const std::vector<QString>& operator[](Corner corner) const {
        return lines[static_cast<std::size_t>(corner)];
    }
};

// Range, azimuth and elevation at the top left; altitude and velocity at the top right.
void addPosition(Readout& readout, const SatelliteReadings& readings);

// Doppler shift at the bottom left; delay and path loss at the bottom right.
void addPassFigures(Readout& readout, const SatelliteReadings& readings);

// The uplink (bottom left) and downlink (bottom right) of each active record, each corrected
// by its own Doppler shift: the satellite hears the uplink shifted, so it is sent that much
// lower, and the downlink arrives that much higher.
void addFrequencies(Readout& readout, const std::optional<QList<FrequencyRecord>>& records,
                    double rangeRate);

// Every line the plot may show, each at the widest its figures reach (an orbit beyond the Moon,
// a ten-gigahertz frequency): the room the corners keep, so that the plot does not move when a
// pass begins or a value grows.
Readout widestReadout();

}  // namespace radar
