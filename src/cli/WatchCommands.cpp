#include "WatchCommands.h"

#include <QFileInfo>

#include "CommandSupport.h"
#include "PassCalendar.h"
#include "TonightScan.h"

namespace {

const QString format_option = QStringLiteral("format");

VisibilityConditions conditionsOf(const CommandLine& options) {
    using Limits = VisibilityConditions;
    return {options.optionalNumber(QStringLiteral("darkness"), Limits::darkest, Limits::lightest)
                .value_or(Limits::default_darkness),
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
                                             const SettingsStore& settings) {
    const QString category = QFileInfo(options.text(QStringLiteral("tle"))).completeBaseName();
    std::vector<TonightSatellite> satellites;
    for (const auto& satellite : loadSets(options, diagnostics, settings).satellites) {
        satellites.push_back({satellite->commonName(), category, satellite->catalogNumber(),
                              satellite->satelliteData()});
    }
    return satellites;
}

}  // namespace

bool calendarFormat(const CommandLine& options) {
    return options.has(format_option) && options.text(format_option) == u"ics";
}

QString passesCalendar(const CommandLine& options,
                       const std::vector<std::shared_ptr<SatelliteData>>& satellites,
                       const SettingsStore& settings, Diagnostics& diagnostics) {
    const PassSpan span = passSpan(options, settings);
    std::vector<std::shared_ptr<SatelliteData>> placed;
    for (const auto& satellite : satellites) {
        if (hasPositionAt(*satellite, span.from, diagnostics)) placed.push_back(satellite);
    }
    return passCalendar(calendarPasses(placed, span.from, span.end, minimumElevation(options),
                                       conditionsOf(options)),
                        settings.now());
}

QString tonightCommand(const CommandLine& options, Diagnostics& diagnostics,
                       SkelvorAppDelegate& appDelegate) {
    const bool calendar = calendarFormat(options);
    const OutputFormat format = calendar ? OutputFormat::table : options.format();
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
    if (calendar) {
        std::vector<CalendarPass> events;
        for (const TonightPass& pass : list.passes) events.push_back(CalendarPass::of(pass));
        return passCalendar(events, appDelegate.now());
    }
    return tonightTable(list.passes).render(format);
}
