// doppler: the corrected downlink and uplink over the next pass, at a fixed step.
#include <QCoreApplication>
#include <cmath>

#include "PassData.h"
#include "RadioFrequency.h"
#include "TrackingCommands.h"

std::shared_ptr<SatelliteData> chosenSatellite(const CommandLine& options,
                                               const ElementFile& sets) {
    if (!options.has(QStringLiteral("catalog"))) return sets.satellites.front();
    const double number = options.number(QStringLiteral("catalog"), 0.0, 999999999.0);
    for (const auto& satellite : sets.satellites) {
        if (satellite->catalogNumber() == number) return satellite;
    }
    throw UsageError(QCoreApplication::translate(
                         "skelvor-cli", "no element set with catalogue number %1 in the file")
                         .arg(number)
                         .toStdString());
}

OutputTable dopplerCommand(const CommandLine& options, const ElementFile& sets,
                           const SettingsStore& settings) {
    const std::shared_ptr<SatelliteData> satellite = chosenSatellite(options, sets);
    const Date from =
        options.optionalTime(QStringLiteral("from"), settings.now()).value_or(settings.now());
    const double step = options.optionalNumber(QStringLiteral("step"), 0.1, 3600.0).value_or(10.0);
    const auto frequency = [&](const char* name) -> std::optional<double> {
        if (!options.has(QLatin1String(name))) return std::nullopt;
        const double hertz = radio::frequencyFromText(options.text(QLatin1String(name)));
        if (hertz <= 0.0) {
            throw UsageError(QCoreApplication::translate(
                                 "skelvor-cli", "--%1 takes a frequency such as 145.9 or 2400 kHz")
                                 .arg(QLatin1String(name))
                                 .toStdString());
        }
        return hertz;
    };
    const std::optional<double> downlink = frequency("downlink");
    const std::optional<double> uplink = frequency("uplink");

    OutputTable table({{"catalog", 0},
                       {"name", 0},
                       {"time", 0},
                       {"azimuth", 2},
                       {"elevation", 2},
                       {"range_rate", 4},
                       {"downlink", 0},
                       {"uplink", 0}});
    const PassData pass(*satellite, from, 0);
    if (!pass.aos() || !pass.los()) return table;
    const auto cell = [](std::optional<double> hertz) -> OutputTable::Cell {
        if (!hertz) return QString();
        return static_cast<long long>(std::llround(*hertz));
    };
    for (Date t = *pass.aos(); t <= *pass.los(); t = t + step) {
        satellite->predictLocationAt(t);
        const double rangeRate = satellite->rangeRate();
        table.addRow({static_cast<long long>(satellite->catalogNumber()), satellite->commonName(),
                      isoTime(t), satellite->azimuth(), satellite->elevation(), rangeRate,
                      cell(downlink ? std::optional(radio::receivedOnGround(*downlink, rangeRate))
                                    : std::nullopt),
                      cell(uplink ? std::optional(radio::sentFromGround(*uplink, rangeRate))
                                  : std::nullopt)});
    }
    return table;
}
