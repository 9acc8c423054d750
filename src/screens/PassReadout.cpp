#include "PassReadout.h"

#include <cmath>

#include "RadioFrequency.h"
#include "SatelliteData.h"

namespace radar {

namespace {

constexpr double referenceCarrier = 100000000.0;  // Hz

QString line(const char* format, double value) { return QString::asprintf(format, value); }

double megahertz(double hertz) { return hertz / 1000000.0; }

}  // namespace

SatelliteReadings readingsOf(const SatelliteData& satellite) {
    return {satellite.range(),    satellite.azimuth(),  satellite.elevation(),
            satellite.altitude(), satellite.velocity(), satellite.rangeRate()};
}

void addPosition(Readout& readout, const SatelliteReadings& readings) {
    std::vector<QString>& left = readout[Corner::topLeft];
    left.push_back(line("Range: %6.0f km", readings.range));
    left.push_back(line(" Az: %7.2f°", readings.azimuth));
    left.push_back(line("Elv: %7.2f°", readings.elevation));
    std::vector<QString>& right = readout[Corner::topRight];
    right.push_back(line("Alt: %7.2f km", readings.altitude));
    right.push_back(line("Vel: %7.3f km/s", readings.velocity));
}

void addPassFigures(Readout& readout, const SatelliteReadings& readings) {
    const double delay = readings.range / 299.792458;  // ms
    const double loss = 20 * std::log10(readings.range) + 72.4;
    readout[Corner::bottomLeft].push_back(
        line("Doppler: %5.0f Hz", radio::dopplerShift(referenceCarrier, readings.rangeRate)));
    readout[Corner::bottomRight].push_back(line("Delay: %5.2f mSec", delay));
    readout[Corner::bottomRight].push_back(line("Loss: %6.2f dB", loss));
}

void addFrequencies(Readout& readout, const std::optional<QList<FrequencyRecord>>& records,
                    double rangeRate) {
    if (!records) return;
    for (const FrequencyRecord& record : *records) {
        if (!record.active) continue;
        if (record.uplink) {
            const double f = radio::frequencyFromText(*record.uplink);
            readout[Corner::bottomLeft].push_back(
                line("Uplink: %8.3f", megahertz(f - radio::dopplerShift(f, rangeRate))));
        }
        if (record.downlink) {
            const double f = radio::frequencyFromText(*record.downlink);
            readout[Corner::bottomRight].push_back(
                line("Downlink: %8.3f", megahertz(f + radio::dopplerShift(f, rangeRate))));
        }
    }
}

Readout widestReadout() {
    const SatelliteReadings widest{999999.0, 359.99, -90.0, 99999.99, 99.999, -99.0};
    Readout readout;
    addPosition(readout, widest);
    addPassFigures(readout, widest);
    const FrequencyRecord tenGigahertz{QStringLiteral("10489.550"), QStringLiteral("10489.550"),
                                       std::nullopt, true};
    addFrequencies(readout, QList<FrequencyRecord>{tenGigahertz}, widest.rangeRate);
    return readout;
}

}  // namespace radar
