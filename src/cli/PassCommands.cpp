// passes: the passes of each satellite, one after another, as the details screen lists them.
#include <QCoreApplication>
#include <cmath>

#include "CommandSupport.h"
#include "PassData.h"
#include "PassListing.h"
#include "SatelliteData.h"

namespace {

OutputTable::Cell timeCell(std::optional<Date> date) { return date ? isoTime(*date) : QString(); }

}  // namespace

std::int32_t minimumElevation(const CommandLine& options) {
    const double value =
        options.optionalNumber(QStringLiteral("min-elevation"), -90.0, 90.0).value_or(0.0);
    if (value != std::trunc(value)) {
        throw UsageError(
            QCoreApplication::translate("skelvor-cli", "--min-elevation takes whole degrees")
                .toStdString());
    }
    return static_cast<std::int32_t>(value);
}

bool hasPositionAt(SatelliteData& satellite, Date from, Diagnostics& diagnostics) {
    satellite.predictLocationAt(from);
    if (std::isfinite(satellite.elevation()) && std::isfinite(satellite.range())) return true;
    diagnostics.noAnswer(satellite, QCoreApplication::translate(
                                        "skelvor-cli", "the orbit model gives no position at %1")
                                        .arg(isoTime(from)));
    return false;
}

PassSpan passSpan(const CommandLine& options, const SettingsStore& settings) {
    const Date from =
        options.optionalTime(QStringLiteral("from"), settings.now()).value_or(settings.now());
    const double days = options.optionalNumber(QStringLiteral("days"), 0.0, 366.0).value_or(1.0);
    return {from, from + days * Date::seconds_per_day};
}

OutputTable passesCommand(const CommandLine& options,
                          const std::vector<std::shared_ptr<SatelliteData>>& satellites,
                          const SettingsStore& settings, Diagnostics& diagnostics) {
    const PassSpan span = passSpan(options, settings);
    const std::int32_t minimum = minimumElevation(options);

    OutputTable table({{"catalog", 0},
                       {"name", 0},
                       {"aos", 0},
                       {"los", 0},
                       {"max_elevation", 2},
                       {"max_elevation_time", 0},
                       {"aos_azimuth", 2},
                       {"los_azimuth", 2}});
    for (const auto& satellite : satellites) {
        if (!hasPositionAt(*satellite, span.from, diagnostics)) continue;
        for (const auto& pass : passesBetween(*satellite, span.from, span.end, minimum)) {
            const PassCoordinate& highest = *pass->highestElevationEntry();
            table.addRow(
                {static_cast<long long>(satellite->catalogNumber()), satellite->commonName(),
                 timeCell(pass->aos()), timeCell(pass->los()),
                 static_cast<double>(highest.elevation), timeCell(highest.date),
                 static_cast<double>(pass->passItemAtIndex(0).azimuth),
                 static_cast<double>(pass->passItemAtIndex(pass->passItemCount() - 1).azimuth)});
        }
    }
    return table;
}
