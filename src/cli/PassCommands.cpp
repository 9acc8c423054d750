// passes: the passes of each satellite, one after another, as the details screen lists them.
#include <QCoreApplication>
#include <cmath>

#include "CommandSupport.h"
#include "PassData.h"
#include "SatelliteData.h"

namespace {

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

OutputTable::Cell timeCell(std::optional<Date> date) { return date ? isoTime(*date) : QString(); }

}  // namespace

// Each pass is built from the set of the one before; the listing ends at the first pass that
// rises after the window. A search that finds no pass (none rises, or none reaches the minimum
// elevation, within its ten days) goes on ten days later while that lies within the window; a
// geostationary satellite's pass has no set and ends the listing.
OutputTable passesCommand(const CommandLine& options,
                          const std::vector<std::shared_ptr<SatelliteData>>& satellites,
                          const SettingsStore& appDelegate, Diagnostics& diagnostics) {
    const Date from =
        options.optionalTime(QStringLiteral("from"), appDelegate.now()).value_or(appDelegate.now());
    const double days = options.optionalNumber(QStringLiteral("days"), 0.0, 366.0).value_or(1.0);
    const Date end = from + days * Date::seconds_per_day;
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
        // A set whose model gives no position from the start of the listing on has no passes
        // to tell, and saying none would be wrong.
        satellite->predictLocationAt(from);
        if (!std::isfinite(satellite->elevation()) || !std::isfinite(satellite->range())) {
            diagnostics.noAnswer(
                *satellite, QCoreApplication::translate("skelvor-cli",
                                                        "the orbit model gives no position at %1")
                                .arg(isoTime(from)));
            continue;
        }
        Date start = from;
        while (true) {
            const PassData pass(*satellite, start, minimum);
            if (!pass.aos() && satellite->orbitType() != engine::orbit_geostationary) {
                start = start + SatelliteData::search_window;
                if (end < start) break;
                continue;
            }
            if (!pass.aos() || !pass.los() || end < *pass.aos() || !(start < *pass.los())) break;
            const PassCoordinate& highest = *pass.highestElevationEntry();
            table.addRow(
                {static_cast<long long>(satellite->catalogNumber()), satellite->commonName(),
                 timeCell(pass.aos()), timeCell(pass.los()), static_cast<double>(highest.elevation),
                 timeCell(highest.date), static_cast<double>(pass.passItemAtIndex(0).azimuth),
                 static_cast<double>(pass.passItemAtIndex(pass.passItemCount() - 1).azimuth)});
            start = *pass.los();
        }
    }
    return table;
}
