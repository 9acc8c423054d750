#include "PassReadout.h"

#include <QCoreApplication>
#include <cmath>

#include "RadioFrequency.h"
#include "SatelliteData.h"

namespace radar {

namespace {

constexpr double referenceCarrier = 100000000.0;  // Hz

// A translated caption around one figure, the figure in its fixed-width form.
QString line(const char* caption, const char* format, double value) {
    return QCoreApplication::translate("PassReadout", caption)
        .arg(QString::asprintf(format, value));
}

double megahertz(double hertz) { return hertz / 1000000.0; }

}  // namespace

SatelliteReadings readingsOf(const SatelliteData& satellite) {
    return {satellite.range(),    satellite.azimuth(),  satellite.elevation(),
            satellite.altitude(), satellite.velocity(), satellite.rangeRate()};
}

void addPosition(Readout& readout, const SatelliteReadings& readings) {
    std::vector<QString>& left = readout[Corner::topLeft];
    left.push_back(line(QT_TRANSLATE_NOOP("PassReadout", "Range: %1 km"), "%6.0f", readings.range));
    left.push_back(line(QT_TRANSLATE_NOOP("PassReadout", " Az: %1°"), "%7.2f", readings.azimuth));
    left.push_back(line(QT_TRANSLATE_NOOP("PassReadout", "Elv: %1°"), "%7.2f", readings.elevation));
    std::vector<QString>& right = readout[Corner::topRight];
    right.push_back(
        line(QT_TRANSLATE_NOOP("PassReadout", "Alt: %1 km"), "%7.2f", readings.altitude));
    right.push_back(
        line(QT_TRANSLATE_NOOP("PassReadout", "Vel: %1 km/s"), "%7.3f", readings.velocity));
}

void addPassFigures(Readout& readout, const SatelliteReadings& readings) {
    const double delay = readings.range / 299.792458;  // ms
    const double loss = 20 * std::log10(readings.range) + 72.4;
    readout[Corner::bottomLeft].push_back(
        line(QT_TRANSLATE_NOOP("PassReadout", "Doppler: %1 Hz"), "%5.0f",
             radio::dopplerShift(referenceCarrier, readings.rangeRate)));
    readout[Corner::bottomRight].push_back(
        line(QT_TRANSLATE_NOOP("PassReadout", "Delay: %1 mSec"), "%5.2f", delay));
    readout[Corner::bottomRight].push_back(
        line(QT_TRANSLATE_NOOP("PassReadout", "Loss: %1 dB"), "%6.2f", loss));
}

void addFrequencies(Readout& readout, const std::optional<QList<FrequencyRecord>>& records,
                    double rangeRate) {
    if (!records) return;
    for (const FrequencyRecord& record : *records) {
        if (!record.active) continue;
        if (record.uplink) {
            const double f = radio::frequencyFromText(*record.uplink);
            readout[Corner::bottomLeft].push_back(
                line(QT_TRANSLATE_NOOP("PassReadout", "Uplink: %1"), "%8.3f",
                     megahertz(f - radio::dopplerShift(f, rangeRate))));
        }
        if (record.downlink) {
            const double f = radio::frequencyFromText(*record.downlink);
            readout[Corner::bottomRight].push_back(
                line(QT_TRANSLATE_NOOP("PassReadout", "Downlink: %1"), "%8.3f",
                     megahertz(f + radio::dopplerShift(f, rangeRate))));
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
