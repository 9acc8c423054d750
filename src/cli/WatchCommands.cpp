#include "WatchCommands.h"

#include <QFileInfo>

#include "CommandSupport.h"
#include "TonightScan.h"

namespace {

VisibilityConditions conditionsOf(const CommandLine& options) {
    return {options.optionalNumber(QStringLiteral("darkness"), -18.0, 0.0).value_or(-6.0),
            static_cast<double>(minimumElevation(options))};
}

OutputTable::Cell timeCell(Date date) { return isoTime(date); }

OutputTable tonightTable(const std::vector<TonightPass>& passes) {
    OutputTable table({{"catalog", 0},
                       {"name", 0},
                       {"category", 0},
                       {"aos", 0},
                       {"los", 0},
                       {"max_elevation", 2},
                       {"visible_start", 0},
                       {"visible_end", 0},
                       {"visible_max_elevation", 2},
                       {"visible_max_time", 0},
                       {"visible_max_azimuth", 2},
                       {"aos_azimuth", 2},
                       {"los_azimuth", 2}});
    for (const TonightPass& pass : passes) {
        const PassCoordinate& top = pass.visible.highest;
        table.addRow({static_cast<long long>(pass.catalogNumber), pass.name, pass.category,
                      timeCell(pass.aos), timeCell(pass.los),
                      static_cast<double>(pass.highest.elevation), timeCell(pass.visible.start),
                      timeCell(pass.visible.end), static_cast<double>(top.elevation),
                      top.date ? timeCell(*top.date) : OutputTable::Cell(QString()),
                      static_cast<double>(top.azimuth), static_cast<double>(pass.aosAzimuth),
                      static_cast<double>(pass.losAzimuth)});
    }
    return table;
}

std::vector<TonightSatellite> fileSatellites(const CommandLine& options, Diagnostics& diagnostics,
                                             const SettingsStore& appDelegate) {
    const QString category = QFileInfo(options.text(QStringLiteral("tle"))).completeBaseName();
    std::vector<TonightSatellite> satellites;
    for (const auto& satellite : loadSets(options, diagnostics, appDelegate).satellites) {
        satellites.push_back({satellite->commonName(), category, satellite->catalogNumber(),
                              satellite->satelliteData()});
    }
    return satellites;
}

}  // namespace

QString tonightCommand(const CommandLine& options, Diagnostics& diagnostics,
                       SkelvorAppDelegate& appDelegate) {
    const OutputFormat format = options.format();
    TonightOptions tonight;
    tonight.from =
        options.optionalTime(QStringLiteral("from"), appDelegate.now()).value_or(appDelegate.now());
    const VisibilityConditions conditions = conditionsOf(options);
    tonight.darknessElevation = conditions.darknessElevation;
    tonight.minimumElevation = minimumElevation(options);
    const QStringList categories =
        options.has(QStringLiteral("category"))
            ? options.text(QStringLiteral("category")).split(u',', Qt::SkipEmptyParts)
            : QStringList();

    std::vector<TonightSatellite> satellites;
    if (options.has(QStringLiteral("tle"))) {
        placeObserver(options, appDelegate);
        satellites = fileSatellites(options, diagnostics, appDelegate);
    } else {
        useSavedState(options, appDelegate);
        satellites = appDelegate.tonightSatellites(categories);
        if (satellites.empty()) {
            throw CommandFailure(QStringLiteral("no satellite in the saved catalogue%1 (%2)")
                                     .arg(categories.isEmpty()
                                              ? QString()
                                              : QStringLiteral(" in ") + categories.join(u','),
                                          appDelegate.stateFilePath())
                                     .toStdString());
        }
    }
    tonight.observer = appDelegate.observer_geodetic();
    const TonightList list = scanTonight(satellites, tonight);
    return tonightTable(list.passes).render(format);
}
