#include "PassReadout.h"

#include <cmath>

#include "RadioFrequency.h"
#include "SatelliteData.h"

namespace radar {

namespace {

constexpr double referenceCarrier = 100000000.0;  // Hz

PlotText line(double x, double y, const char* format, double value) {
    return {QPointF(x, y), QString::asprintf(format, value)};
}

double megahertz(double hertz) { return hertz / 1000000.0; }

}  // namespace

SatelliteReadings readingsOf(const SatelliteData& satellite) {
    return {satellite.range(),    satellite.azimuth(),  satellite.elevation(),
            satellite.altitude(), satellite.velocity(), satellite.rangeRate()};
}

std::vector<PlotText> positionLines(const SatelliteReadings& readings, QSizeF size) {
    const double right = size.width() - 90;
    return {
        line(0, 0, "Range: %6.0f km", readings.range),
        line(15, 12, " Az: %7.2f°", readings.azimuth),
        line(15, 24, "Elv: %7.2f°", readings.elevation),
        line(right, 0, "Alt: %7.2f km", readings.altitude),
        line(right, 12, "Vel: %7.3f km/s", readings.velocity),
    };
}

std::vector<PlotText> passLines(const SatelliteReadings& readings, QSizeF size) {
    const double right = size.width() - 100;
    const double bottom = size.height();
    const double delay = readings.range / 299.792458;  // ms
    const double loss = 20 * std::log10(readings.range) + 72.4;
    return {
        line(0, bottom - 15, "Doppler: %5.0f Hz",
             radio::dopplerShift(referenceCarrier, readings.rangeRate)),
        line(right, bottom - 24, "Delay: %5.2f mSec", delay),
        line(right, bottom - 12, "Loss: %6.2f dB", loss),
    };
}

std::vector<PlotText> frequencyLines(const std::optional<QList<FrequencyRecord>>& records,
                                     double rangeRate, QSizeF size) {
    std::vector<PlotText> lines;
    if (!records) return lines;
    const double bottom = size.height() - 10;
    for (const FrequencyRecord& record : *records) {
        if (!record.active) continue;
        if (record.uplink) {
            const double f = radio::frequencyFromText(*record.uplink);
            lines.push_back(
                line(0, bottom, "Uplink: %8.3f", megahertz(f - radio::dopplerShift(f, rangeRate))));
        }
        if (record.downlink) {
            const double f = radio::frequencyFromText(*record.downlink);
            lines.push_back(line(size.width() - 100, bottom, "Downlink: %8.3f",
                                 megahertz(f + radio::dopplerShift(f, rangeRate))));
        }
    }
    return lines;
}

}  // namespace radar
