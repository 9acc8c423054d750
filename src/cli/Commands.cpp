#include "Commands.h"

#include <QCoreApplication>

#include "CommandSupport.h"
#include "PassVisibility.h"
#include "TrackingCommands.h"
#include "WatchCommands.h"

namespace {

constexpr int exit_ok = 0;
constexpr int exit_failure = 1;
constexpr int exit_usage = 2;

const QString tle = QStringLiteral("tle");
const QString lat = QStringLiteral("lat");
const QString lon = QStringLiteral("lon");
const QString alt = QStringLiteral("alt");
const QString at = QStringLiteral("at");

OptionSpec tleOption() {
    return {tle, QStringLiteral("FILE"),
            QCoreApplication::translate("skelvor-cli",
                                        "element sets, three-line or CSV ('-': standard input)")};
}
OptionSpec latOption() {
    return {lat, QStringLiteral("DEG"),
            QCoreApplication::translate("skelvor-cli", "the observer's latitude, north positive")};
}
OptionSpec lonOption() {
    return {lon, QStringLiteral("DEG"),
            QCoreApplication::translate("skelvor-cli", "the observer's longitude, east positive")};
}
OptionSpec altOption() {
    return {alt, QStringLiteral("METRES"),
            QCoreApplication::translate("skelvor-cli", "the observer's altitude (0 by default)")};
}
OptionSpec atOption() {
    return {at, QStringLiteral("TIME[,TIME...]"),
            QCoreApplication::translate(
                "skelvor-cli", "ISO 8601 UTC times, such as 2026-12-06T21:00:00Z, or now")};
}

OptionSpec minElevationOption() {
    return {QStringLiteral("min-elevation"), QStringLiteral("DEG"),
            QCoreApplication::translate("skelvor-cli",
                                        "whole degrees a pass must reach (0 by default)")};
}
OptionSpec darknessOption() {
    using Limits = VisibilityConditions;
    return {QStringLiteral("darkness"), QStringLiteral("DEG"),
            QCoreApplication::translate("skelvor-cli",
                                        "the Sun's elevation below which it is dark, %1 to %2 "
                                        "(%3 by default)")
                .arg(Limits::darkest)
                .arg(Limits::lightest)
                .arg(Limits::default_darkness)};
}

// Runs one command with its options; its answers, rendered. A command that runs for a while
// writes its lines to live as they happen.
using Run = QString (*)(const CommandLine& options, Diagnostics& diagnostics,
                        SkelvorAppDelegate& appDelegate, const LivePrinter& live);

struct Command {
    QString name;
    QString synopsis;
    QString description;
    std::vector<OptionSpec> options;
    Run run;
};

// The selected satellites of the saved state.
std::vector<std::shared_ptr<SatelliteData>> savedSelection(const CommandLine& options,
                                                           SkelvorAppDelegate& appDelegate) {
    useSavedState(options, appDelegate);
    const auto& selected = appDelegate.selectedSatellites();
    if (selected.isEmpty()) {
        throw CommandFailure(QCoreApplication::translate(
                                 "skelvor-cli", "no satellite is selected in the saved state (%1)")
                                 .arg(appDelegate.stateFilePath())
                                 .toStdString());
    }
    return {selected.begin(), selected.end()};
}

QString propagate(const CommandLine& options, Diagnostics& diagnostics,
                  SkelvorAppDelegate& appDelegate, const LivePrinter&) {
    const OutputFormat format = options.format();
    const ElementFile sets = loadSets(options, diagnostics, appDelegate);
    return propagateCommand(options, sets, diagnostics).render(format);
}

QString look(const CommandLine& options, Diagnostics& diagnostics, SkelvorAppDelegate& appDelegate,
             const LivePrinter&) {
    const OutputFormat format = options.format();
    placeObserver(options, appDelegate);
    const ElementFile sets = loadSets(options, diagnostics, appDelegate);
    return lookCommand(options, sets, appDelegate, diagnostics).render(format);
}

QString passes(const CommandLine& options, Diagnostics& diagnostics,
               SkelvorAppDelegate& appDelegate, const LivePrinter&) {
    const bool calendar = calendarFormat(options);
    const OutputFormat format = calendar ? OutputFormat::table : options.format();
    std::vector<std::shared_ptr<SatelliteData>> satellites;
    if (!options.has(tle)) {
        satellites = savedSelection(options, appDelegate);
    } else {
        placeObserver(options, appDelegate);
        satellites = loadSets(options, diagnostics, appDelegate).satellites;
    }
    if (calendar) return passesCalendar(options, satellites, appDelegate, diagnostics);
    return passesCommand(options, satellites, appDelegate, diagnostics).render(format);
}

QString tonight(const CommandLine& options, Diagnostics& diagnostics,
                SkelvorAppDelegate& appDelegate, const LivePrinter&) {
    return tonightCommand(options, diagnostics, appDelegate);
}

QString sun(const CommandLine& options, Diagnostics&, SkelvorAppDelegate& appDelegate,
            const LivePrinter&) {
    const OutputFormat format = options.format();
    placeObserver(options, appDelegate);
    return sunCommand(options, appDelegate).render(format);
}

QString moon(const CommandLine& options, Diagnostics&, SkelvorAppDelegate& appDelegate,
             const LivePrinter&) {
    const OutputFormat format = options.format();
    placeObserver(options, appDelegate);
    return moonCommand(options, appDelegate).render(format);
}

QString doppler(const CommandLine& options, Diagnostics& diagnostics,
                SkelvorAppDelegate& appDelegate, const LivePrinter&) {
    const OutputFormat format = options.format();
    placeObserver(options, appDelegate);
    const ElementFile sets = loadSets(options, diagnostics, appDelegate);
    return dopplerCommand(options, sets, appDelegate).render(format);
}

QString track(const CommandLine& options, Diagnostics& diagnostics, SkelvorAppDelegate& appDelegate,
              const LivePrinter& live) {
    trackCommand(options, diagnostics, appDelegate, live);
    return QString();
}

// The options of a command: those it shares with others, then its own.
std::vector<OptionSpec> joined(std::vector<OptionSpec> first, const std::vector<OptionSpec>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// The element sets and the observer's place, which most commands take.
std::vector<OptionSpec> observerOptions() {
    return {tleOption(), latOption(), lonOption(), altOption()};
}

const std::vector<Command>& commands() {
    static const std::vector<Command> all{
        {QStringLiteral("propagate"),
         QStringLiteral("--tle FILE --minutes M[,M...]"),
         QCoreApplication::translate(
             "skelvor-cli",
             "State vectors in km and km/s, in the model's frame, at minutes from "
             "each set's epoch."),
         {tleOption(),
          {QStringLiteral("minutes"), QStringLiteral("M[,M...]"),
           QCoreApplication::translate("skelvor-cli",
                                       "minutes from the epoch, within 10,000,000 either way")}},
         &propagate},
        {QStringLiteral("look"),
         QStringLiteral("--tle FILE --lat DEG --lon DEG [--alt METRES] --at TIME[,TIME...]"),
         QCoreApplication::translate(
             "skelvor-cli",
             "Where each satellite stands in the observer's sky, and over the Earth."),
         joined(observerOptions(), {atOption()}), &look},
        {QStringLiteral("passes"),
         QStringLiteral("[--tle FILE --lat DEG --lon DEG [--alt METRES]] [--from TIME] [--days D] "
                        "[--min-elevation DEG]"),
         QCoreApplication::translate(
             "skelvor-cli",
             "The passes of each satellite, one after another. Without --tle: the "
             "satellites selected in the saved state, and its observer. --format ics "
             "gives an iCalendar file, with what of each pass can be seen."),
         joined(observerOptions(),
                {{QStringLiteral("from"), QStringLiteral("TIME"),
                  QCoreApplication::translate(
                      "skelvor-cli", "the start, an ISO 8601 UTC time or now (now by default)")},
                 {QStringLiteral("days"), QStringLiteral("D"),
                  QCoreApplication::translate("skelvor-cli",
                                              "days to list passes for, 0 to 366 (1 by default)")},
                 minElevationOption(),
                 darknessOption()}),
         &passes},
        {QStringLiteral("tonight"),
         QStringLiteral("[--tle FILE --lat DEG --lon DEG [--alt METRES]] [--from TIME] "
                        "[--min-elevation DEG] [--darkness DEG] [--category NAME[,NAME...]]"),
         QCoreApplication::translate(
             "skelvor-cli",
             "Every visible pass of the whole catalogue from dusk to dawn, in time "
             "order. Without --tle: the catalogue of the saved state, and its "
             "observer. --format ics gives an iCalendar file."),
         joined(
             observerOptions(),
             {{QStringLiteral("from"), QStringLiteral("TIME"),
               QCoreApplication::translate(
                   "skelvor-cli", "the night under way then, or the next (now by default)")},
              minElevationOption(),
              darknessOption(),
              {QStringLiteral("category"), QStringLiteral("NAME[,NAME...]"),
               QCoreApplication::translate(
                   "skelvor-cli", "only the saved catalogue's satellites of these categories")}}),
         &tonight},
        {QStringLiteral("sun"),
         QStringLiteral("--lat DEG --lon DEG [--alt METRES] --at TIME[,TIME...]"),
         QCoreApplication::translate("skelvor-cli", "The Sun's azimuth and elevation."),
         {latOption(), lonOption(), altOption(), atOption()},
         &sun},
        {QStringLiteral("moon"),
         QStringLiteral("--lat DEG --lon DEG [--alt METRES] --at TIME[,TIME...]"),
         QCoreApplication::translate("skelvor-cli", "The Moon's azimuth and elevation."),
         {latOption(), lonOption(), altOption(), atOption()},
         &moon},
        {QStringLiteral("doppler"),
         QStringLiteral("--tle FILE --lat DEG --lon DEG [--catalog N] [--from TIME] [--downlink F] "
                        "[--uplink F] [--step S]"),
         QCoreApplication::translate(
             "skelvor-cli", "The Doppler-corrected downlink and uplink (Hz) over the next pass."),
         joined(observerOptions(),
                {{QStringLiteral("catalog"), QStringLiteral("N"),
                  QCoreApplication::translate(
                      "skelvor-cli", "the set to answer (the file's first set by default)")},
                 {QStringLiteral("from"), QStringLiteral("TIME"),
                  QCoreApplication::translate("skelvor-cli",
                                              "the pass after this instant (now by default)")},
                 {QStringLiteral("downlink"), QStringLiteral("F"),
                  QCoreApplication::translate("skelvor-cli", "downlink in MHz")},
                 {QStringLiteral("uplink"), QStringLiteral("F"),
                  QCoreApplication::translate("skelvor-cli", "uplink in MHz")},
                 {QStringLiteral("step"), QStringLiteral("S"),
                  QCoreApplication::translate("skelvor-cli",
                                              "seconds between rows (10 by default)")}}),
         &doppler},
        {QStringLiteral("track"),
         QStringLiteral("--tle FILE --lat DEG --lon DEG [--catalog N] [--rig HOST:PORT] "
                        "[--rotator HOST:PORT] [--dry-run] [--start TIME] [--speed X] ..."),
         QCoreApplication::translate(
             "skelvor-cli",
             "Works the next pass with a radio and a rotator through their control "
             "daemons, printing every command as it is sent."),
         joined(observerOptions(), trackOptions()), &track},
    };
    return all;
}

QString usageText() {
    QString text = QCoreApplication::translate("skelvor-cli", "usage:\n");
    for (const Command& command : commands()) {
        text += QStringLiteral("  skelvor-cli %1 %2\n").arg(command.name, command.synopsis);
    }
    return text + QStringLiteral(
                      "  skelvor-cli COMMAND --help    options of the command\n"
                      "  skelvor-cli --version\n"
                      "options for every command: --format table|csv|json (table by default)\n"
                      "FILE holds three-line or CSV element sets ('-' reads standard input); TIME "
                      "is ISO 8601 UTC,\nsuch as 2026-12-06T21:00:00Z, or 'now'. Exit code 2: bad "
                      "usage or input; 1: a set\nwithout an answer or another failure.\n");
}

QString helpText(const Command& command) {
    QString text =
        QCoreApplication::translate("skelvor-cli", "usage: skelvor-cli %1 %2\n%3\n\noptions:\n")
            .arg(command.name, command.synopsis, command.description);
    qsizetype width = 0;
    std::vector<std::pair<QString, QString>> lines;
    for (const auto* list : {&command.options, &commonOptions()}) {
        for (const OptionSpec& option : *list) {
            lines.emplace_back(
                QStringLiteral("--%1 %2").arg(option.name, option.valueName).trimmed(),
                option.description);
            width = std::max(width, lines.back().first.size());
        }
    }
    lines.emplace_back(QStringLiteral("-h, --help"),
                       QCoreApplication::translate("skelvor-cli", "this text"));
    for (const auto& [option, description] : lines) {
        text += QStringLiteral("  %1  %2\n").arg(option.leftJustified(width), description);
    }
    return text;
}

}  // namespace

int runCli(const QStringList& arguments, QString& out, QString& err,
           SkelvorAppDelegate& appDelegate, const LivePrinter& live) {
    if (arguments.isEmpty()) {
        err += QCoreApplication::translate(
            "skelvor-cli", "skelvor-cli: no command given (see skelvor-cli --help)\n");
        return exit_usage;
    }
    const QString& word = arguments.first();
    if (word == u"--help" || word == u"-h" || word == u"help") {
        out += usageText();
        return exit_ok;
    }
    if (word == u"--version") {
        out += QStringLiteral("skelvor-cli %1\n").arg(QStringLiteral(SKELVOR_VERSION));
        return exit_ok;
    }
    const auto command = std::find_if(commands().begin(), commands().end(),
                                      [&](const Command& known) { return known.name == word; });
    Diagnostics diagnostics;
    try {
        if (command == commands().end()) {
            throw UsageError(QCoreApplication::translate("skelvor-cli",
                                                         "unknown command (see skelvor-cli --help)")
                                 .toStdString());
        }
        const CommandLine options(arguments.mid(1), command->options);
        if (options.wantsHelp()) {
            out += helpText(*command);
            return exit_ok;
        }
        out += command->run(options, diagnostics, appDelegate, live);
    } catch (const UsageError& error) {
        err +=
            diagnostics.text +
            QStringLiteral("skelvor-cli %1: %2\n").arg(word, QString::fromStdString(error.what()));
        return exit_usage;
    } catch (const CommandFailure& error) {
        err +=
            diagnostics.text +
            QStringLiteral("skelvor-cli %1: %2\n").arg(word, QString::fromStdString(error.what()));
        return exit_failure;
    }
    err += diagnostics.text;
    if (diagnostics.badInput) return exit_usage;
    return diagnostics.unanswered ? exit_failure : exit_ok;
}
