#include "Commands.h"

#include <cstdio>

#include "CommandSupport.h"
#include "TrackingCommands.h"

namespace {

constexpr int exit_ok = 0;
constexpr int exit_failure = 1;
constexpr int exit_usage = 2;

const char* const usage_text =
    "usage:\n"
    "  skelvor-cli propagate --tle FILE --minutes M[,M...]\n"
    "  skelvor-cli look --tle FILE --lat DEG --lon DEG [--alt METRES] --at TIME[,TIME...]\n"
    "  skelvor-cli passes [--tle FILE --lat DEG --lon DEG [--alt METRES]] [--from TIME]\n"
    "                     [--days D] [--min-elevation DEG]\n"
    "    (without --tle: the selected satellites and the observer of the saved state)\n"
    "  skelvor-cli sun|moon --lat DEG --lon DEG --at TIME[,TIME...]\n"
    "  skelvor-cli doppler --tle FILE --lat DEG --lon DEG [--catalog N] [--from TIME]\n"
    "                      [--downlink MHZ] [--uplink MHZ] [--step SECONDS]\n"
    "  skelvor-cli track --tle FILE --lat DEG --lon DEG [--catalog N] [--rig HOST:PORT]\n"
    "                    [--rotator HOST:PORT] [--dry-run] [--downlink F] [--uplink F]\n"
    "                    [--mode M] [--vfo single|split|two] [--start TIME] [--speed X]\n"
    "                    (see the README for the rest)\n"
    "options for every command: --format table|csv|json (table by default)\n"
    "FILE holds three-line element sets ('-' reads standard input); TIME is ISO 8601 UTC,\n"
    "such as 2026-12-06T21:00:00Z, or 'now'. Exit code 2: bad usage or input.\n";

const QString tle = QStringLiteral("tle");
const QString lat = QStringLiteral("lat");
const QString lon = QStringLiteral("lon");
const QString alt = QStringLiteral("alt");
const QString at = QStringLiteral("at");

// Runs one command; throws UsageError for bad usage or input.
// The selected satellites of the saved state, read without writing anything, and its
// observer unless --lat and --lon place one.
std::vector<std::shared_ptr<SatelliteData>> savedSelection(const CommandLine& options,
                                                           SkelvorAppDelegate& appDelegate) {
    appDelegate.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
    if (options.has(lat) || options.has(lon)) {
        placeObserver(options, appDelegate);
    } else {
        appDelegate.placeObserverAtCurrentLocation();
    }
    const auto& selected = appDelegate.selectedSatellites();
    if (selected.isEmpty()) {
        throw CommandFailure(QStringLiteral("no satellite is selected in the saved state (%1)")
                                 .arg(appDelegate.stateFilePath())
                                 .toStdString());
    }
    return {selected.begin(), selected.end()};
}

QString run(const QString& command, const QStringList& arguments, QString& err,
            SkelvorAppDelegate& appDelegate) {
    if (command == u"propagate") {
        const CommandLine options(arguments, {tle, QStringLiteral("minutes")});
        const OutputFormat format = options.format();
        return propagateCommand(options, loadSets(options, err, appDelegate)).render(format);
    }
    if (command == u"look") {
        const CommandLine options(arguments, {tle, lat, lon, alt, at});
        const OutputFormat format = options.format();
        placeObserver(options, appDelegate);
        return lookCommand(options, loadSets(options, err, appDelegate), appDelegate)
            .render(format);
    }
    if (command == u"passes") {
        const CommandLine options(
            arguments, {tle, lat, lon, alt, QStringLiteral("from"), QStringLiteral("days"),
                        QStringLiteral("min-elevation")});
        const OutputFormat format = options.format();
        if (!options.has(tle)) {
            return passesCommand(options, savedSelection(options, appDelegate), appDelegate)
                .render(format);
        }
        placeObserver(options, appDelegate);
        return passesCommand(options, loadSets(options, err, appDelegate).satellites, appDelegate)
            .render(format);
    }
    if (command == u"sun" || command == u"moon") {
        const CommandLine options(arguments, {lat, lon, at});
        const OutputFormat format = options.format();
        placeObserver(options, appDelegate);
        const OutputTable table = command == u"sun" ? sunCommand(options, appDelegate)
                                                    : moonCommand(options, appDelegate);
        return table.render(format);
    }
    if (command == u"doppler") {
        const CommandLine options(arguments, {tle, lat, lon, alt, QStringLiteral("catalog"),
                                              QStringLiteral("from"), QStringLiteral("downlink"),
                                              QStringLiteral("uplink"), QStringLiteral("step")});
        const OutputFormat format = options.format();
        placeObserver(options, appDelegate);
        return dopplerCommand(options, loadSets(options, err, appDelegate), appDelegate)
            .render(format);
    }
    if (command == u"track") {
        trackCommand(arguments, err, appDelegate, [](const QString& line) {
            std::fputs((line + u'\n').toUtf8().constData(), stdout);
            std::fflush(stdout);
        });
        return QString();
    }
    throw UsageError(QStringLiteral("unknown command (see skelvor-cli --help)").toStdString());
}

}  // namespace

int runCli(const QStringList& arguments, QString& out, QString& err,
           SkelvorAppDelegate& appDelegate) {
    if (arguments.isEmpty()) {
        err += QStringLiteral("skelvor-cli: no command given (see skelvor-cli --help)\n");
        return exit_usage;
    }
    const QString& command = arguments.first();
    if (command == u"--help" || command == u"help") {
        out += QString::fromLatin1(usage_text);
        return exit_ok;
    }
    try {
        out += run(command, arguments.mid(1), err, appDelegate);
        return exit_ok;
    } catch (const UsageError& error) {
        err += QStringLiteral("skelvor-cli %1: %2\n")
                   .arg(command, QString::fromStdString(error.what()));
        return exit_usage;
    } catch (const CommandFailure& error) {
        err += QStringLiteral("skelvor-cli %1: %2\n")
                   .arg(command, QString::fromStdString(error.what()));
        return exit_failure;
    }
}
