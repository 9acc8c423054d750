// track: works the next pass of one satellite with a radio and a rotator reached through their
// control daemons, or with neither connected (--dry-run), printing each command as it is sent.
// --start and --speed run it on a simulated clock, from a given instant and faster than real
// time.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "CommandSupport.h"
#include "ControlConnection.h"
#include "DryRunLink.h"
#include "PassData.h"
#include "RadioChannel.h"
#include "TrackingCommands.h"
#include "TrackingSession.h"

namespace {

struct Endpoint {
    QString host;
    quint16 port;
};

// HOST:PORT; an IPv6 address in brackets.
Endpoint endpoint(const CommandLine& options, const QString& name) {
    const QString text = options.text(name);
    const qsizetype colon = text.lastIndexOf(u':');
    bool ok = false;
    const int port = colon > 0 ? text.mid(colon + 1).toInt(&ok) : 0;
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
    if (!ok || port < 1 || port > 65535 || host.isEmpty()) {
        throw UsageError(QCoreApplication::translate("skelvor-cli",
                                                     "--%1 takes HOST:PORT, such as 127.0.0.1:4532")
                             .arg(name)
                             .toStdString());
    }
    return {host, static_cast<quint16>(port)};
}

// MIN:MAX as two numbers.
std::pair<double, double> pair(const CommandLine& options, const QString& name, double low,
                               double high) {
    const QStringList parts = options.text(name).split(u':');
    if (parts.size() != 2) {
        throw UsageError(QCoreApplication::translate("skelvor-cli", "--%1 takes two numbers as A:B")
                             .arg(name)
                             .toStdString());
    }
    const double a = parseNumber(parts[0], name);
    const double b = parseNumber(parts[1], name);
    if (a < low || a > high || b < low || b > high) {
        throw UsageError(QCoreApplication::translate("skelvor-cli", "--%1 lies between %2 and %3")
                             .arg(name)
                             .arg(low)
                             .arg(high)
                             .toStdString());
    }
    return {a, b};
}

VfoLayout layout(const CommandLine& options) {
    const QString name = options.has(QStringLiteral("vfo")) ? options.text(QStringLiteral("vfo"))
                                                            : QStringLiteral("single");
    if (name == u"single") return VfoLayout::single;
    if (name == u"split") return VfoLayout::split;
    if (name == u"two") return VfoLayout::twoVfos;
    throw UsageError(QCoreApplication::translate("skelvor-cli", "--vfo takes single, split or two")
                         .toStdString());
}

StationSettings settingsFrom(const CommandLine& options) {
    StationSettings settings;
    RadioSettings& radio = settings.radio;
    radio.layout = layout(options);
    radio.step = options.optionalNumber(QStringLiteral("step"), 0.0, 100000.0).value_or(radio.step);
    radio.interval =
        options
            .optionalNumber(QStringLiteral("interval"), StationSettings::shortestInterval,
                            StationSettings::longestInterval)
            .value_or(radio.interval);
    settings.rotator.interval = radio.interval;
    RotatorLimits& limits = settings.rotator.limits;
    if (options.has(QStringLiteral("azimuth-range"))) {
        std::tie(limits.azimuthMin, limits.azimuthMax) =
            pair(options, QStringLiteral("azimuth-range"), -360.0, 720.0);
    }
    if (options.has(QStringLiteral("elevation-range"))) {
        std::tie(limits.elevationMin, limits.elevationMax) =
            pair(options, QStringLiteral("elevation-range"), 0.0, 180.0);
    }
    if (options.has(QStringLiteral("park"))) {
        std::tie(limits.park.azimuth, limits.park.elevation) =
            pair(options, QStringLiteral("park"), -360.0, 720.0);
    }
    limits.tolerance =
        options.optionalNumber(QStringLiteral("tolerance"), 0.0, 45.0).value_or(limits.tolerance);
    limits.startElevation = options.optionalNumber(QStringLiteral("start-elevation"), 0.0, 90.0)
                                .value_or(limits.startElevation);
    if (!limits.isValid()) {
        throw UsageError(
            "the rotator's ranges must reach every azimuth (360 to 720 degrees wide) and the "
            "zenith, with the park position inside them");
    }
    return settings;
}

// The channel of --downlink, --uplink (frequencies or passbands as typed in a frequency
// record), --mode and --inverting.
std::optional<radio::Channel> channelFrom(const CommandLine& options) {
    FrequencyRecord record;
    if (options.has(QStringLiteral("downlink")))
        record.downlink = options.text(QStringLiteral("downlink"));
    if (options.has(QStringLiteral("uplink")))
        record.uplink = options.text(QStringLiteral("uplink"));
    if (options.has(QStringLiteral("mode"))) record.mode = options.text(QStringLiteral("mode"));
    record.inverting = options.has(QStringLiteral("inverting")) &&
                       options.text(QStringLiteral("inverting")) == u"yes";
    const std::optional<radio::Channel> channel = radio::channelOf(record);
    if ((record.downlink || record.uplink) && !channel) {
        throw UsageError(
            QCoreApplication::translate(
                "skelvor-cli",
                "--downlink and --uplink take frequencies such as 145.9 or 435.8-435.85")
                .toStdString());
    }
    return channel;
}

// A device's link: the daemon's connection, or the dry run's stand-in.
struct Device {
    Device(const QString& label, bool dryRun, const std::function<void(const QString&)>& show) {
        if (dryRun) {
            QObject::connect(&dry, &DryRunLink::commandSent,
                             [label, show](const QString& text) { show(label + u' ' + text); });
            link = &dry;
        } else {
            QObject::connect(&connection, &ControlConnection::commandSent,
                             [label, show](const QString& text) { show(label + u' ' + text); });
            QObject::connect(&connection, &ControlConnection::stateChanged,
                             [label, show](ControlConnection::State, const QString& problem) {
                                 if (!problem.isEmpty())
                                     show(QStringLiteral("# %1: %2").arg(label, problem));
                             });
            link = &connection;
        }
    }
    DryRunLink dry;
    ControlConnection connection;
    CommandLink* link = nullptr;
};

}  // namespace

const std::vector<OptionSpec>& trackOptions() {
    static const std::vector<OptionSpec> options{
        {QStringLiteral("catalog"), QStringLiteral("N"),
         QCoreApplication::translate("skelvor-cli",
                                     "the set to track (the file's first set by default)")},
        {QStringLiteral("rig"), QStringLiteral("HOST:PORT"),
         QCoreApplication::translate("skelvor-cli", "the radio's rigctld")},
        {QStringLiteral("rotator"), QStringLiteral("HOST:PORT"),
         QCoreApplication::translate("skelvor-cli", "the rotator's rotctld")},
        {QStringLiteral("dry-run"), QString(),
         QCoreApplication::translate("skelvor-cli", "print the commands without connecting")},
        {QStringLiteral("downlink"), QStringLiteral("F"),
         QCoreApplication::translate("skelvor-cli",
                                     "downlink in MHz, or a passband such as 435.8-435.85")},
        {QStringLiteral("uplink"), QStringLiteral("F"),
         QCoreApplication::translate("skelvor-cli", "uplink in MHz, or a passband")},
        {QStringLiteral("mode"), QStringLiteral("M"),
         QCoreApplication::translate("skelvor-cli", "the radio's mode, such as USB")},
        {QStringLiteral("inverting"), QStringLiteral("yes"),
         QCoreApplication::translate("skelvor-cli", "the transponder inverts its passband")},
        {QStringLiteral("vfo"), QStringLiteral("single|split|two"),
         QCoreApplication::translate(
             "skelvor-cli", "how the radio holds uplink and downlink (single by default)")},
        {QStringLiteral("step"), QStringLiteral("HZ"),
         QCoreApplication::translate("skelvor-cli", "the least change of frequency that is sent")},
        {QStringLiteral("interval"), QStringLiteral("S"),
         QCoreApplication::translate("skelvor-cli", "seconds between updates, 0.2 to 60")},
        {QStringLiteral("azimuth-range"), QStringLiteral("MIN:MAX"),
         QCoreApplication::translate("skelvor-cli", "the rotator's azimuth range, such as 0:450")},
        {QStringLiteral("elevation-range"), QStringLiteral("MIN:MAX"),
         QCoreApplication::translate("skelvor-cli",
                                     "the rotator's elevation range, such as 0:180 for flip-over")},
        {QStringLiteral("park"), QStringLiteral("AZ:EL"),
         QCoreApplication::translate("skelvor-cli", "the park position")},
        {QStringLiteral("tolerance"), QStringLiteral("DEG"),
         QCoreApplication::translate("skelvor-cli", "the least change of position that is sent")},
        {QStringLiteral("start-elevation"), QStringLiteral("DEG"),
         QCoreApplication::translate("skelvor-cli",
                                     "the elevation at which the rotator starts to follow")},
        {QStringLiteral("min-elevation"), QStringLiteral("DEG"),
         QCoreApplication::translate("skelvor-cli",
                                     "whole degrees the pass must reach (0 by default)")},
        {QStringLiteral("start"), QStringLiteral("TIME"),
         QCoreApplication::translate("skelvor-cli", "run on a simulated clock from this instant")},
        {QStringLiteral("speed"), QStringLiteral("X"),
         QCoreApplication::translate("skelvor-cli", "that many times faster than real time")},
    };
    return options;
}

void trackCommand(const CommandLine& options, Diagnostics& diagnostics,
                  SkelvorAppDelegate& appDelegate,
                  const std::function<void(const QString&)>& print) {
    const bool dryRun = options.has(QStringLiteral("dry-run"));
    placeObserver(options, appDelegate);
    const ElementFile sets = loadSets(options, diagnostics, appDelegate);
    const std::shared_ptr<SatelliteData> satellite = chosenSatellite(options, sets);
    const StationSettings settings = settingsFrom(options);
    const std::optional<radio::Channel> channel = channelFrom(options);
    const bool useRig = options.has(QStringLiteral("rig")) || (dryRun && channel);
    const bool useRotator = options.has(QStringLiteral("rotator")) || dryRun;
    if (options.has(QStringLiteral("rig")) && !channel) {
        throw UsageError(
            QCoreApplication::translate("skelvor-cli", "--rig needs --downlink or --uplink")
                .toStdString());
    }
    if (!useRig && !useRotator)
        throw UsageError(
            QCoreApplication::translate("skelvor-cli", "give --rig, --rotator or --dry-run")
                .toStdString());

    // The clock: real time or, given --start or --speed, a simulated clock from --start that
    // moves on by one step at each tick, the ticks coming at --speed times real time. A busy
    // machine then slows a simulated run down instead of skipping through the pass.
    const Date start = options.optionalTime(QStringLiteral("start"), appDelegate.now())
                           .value_or(appDelegate.now());
    const double speed =
        options.optionalNumber(QStringLiteral("speed"), 0.001, 10000.0).value_or(1.0);
    const double step = std::min(settings.radio.interval, settings.rotator.interval);
    const bool simulated =
        options.has(QStringLiteral("start")) || options.has(QStringLiteral("speed"));
    std::int64_t steps = 0;
    if (simulated) {
        appDelegate.setClock(
            [start, step, &steps] { return start + static_cast<double>(steps) * step; });
    }
    const double minimum =
        options.optionalNumber(QStringLiteral("min-elevation"), 0.0, 90.0).value_or(0.0);
    const PassData pass(*satellite, std::nullopt, static_cast<std::int32_t>(minimum));
    if (!pass.aos() || !pass.los()) {
        throw CommandFailure(
            QCoreApplication::translate("skelvor-cli", "%1 has no pass within ten days")
                .arg(satellite->commonName())
                .toStdString());
    }

    const auto show = [&](const QString& line) {
        print(line.startsWith(u'#') ? line : isoTime(appDelegate.now()) + u' ' + line);
    };
    Device rig(QStringLiteral("rig"), dryRun, show);
    Device rotator(QStringLiteral("rotator"), dryRun, show);
    if (!dryRun) {
        if (useRig) {
            const Endpoint at = endpoint(options, QStringLiteral("rig"));
            rig.connection.open(at.host, at.port);
        }
        if (useRotator) {
            const Endpoint at = endpoint(options, QStringLiteral("rotator"));
            rotator.connection.open(at.host, at.port);
        }
    }
    TrackingSession session(satellite, pass, channel, settings, appDelegate,
                            useRig ? rig.link : nullptr, useRotator ? rotator.link : nullptr);
    print(QCoreApplication::translate("skelvor-cli", "# %1 (%2): AOS %3, LOS %4")
              .arg(satellite->commonName())
              .arg(satellite->catalogNumber())
              .arg(isoTime(*pass.aos()), isoTime(*pass.los())));
    if (const auto& steering = session.rotatorSteering()) {
        print(QCoreApplication::translate("skelvor-cli", "# rotator: %1%2")
                  .arg(steering->plan().flipped()
                           ? QCoreApplication::translate("skelvor-cli", "flipped over the zenith")
                           : QCoreApplication::translate("skelvor-cli", "not flipped"),
                       steering->plan().followsWholeTrack()
                           ? QString()
                           : QCoreApplication::translate("skelvor-cli",
                                                         ", held at a stop for part of the pass")));
    }
    QString radioProblem;
    QString rotatorProblem;
    QObject::connect(&session, &TrackingSession::statusChanged, [&] {
        const TrackingSession::Status& status = session.status();
        if (status.radioProblem != radioProblem && !status.radioProblem.isEmpty()) {
            show(QStringLiteral("# rig: ") + status.radioProblem);
        }
        if (status.rotatorProblem != rotatorProblem && !status.rotatorProblem.isEmpty()) {
            show(QStringLiteral("# rotator: ") + status.rotatorProblem);
        }
        radioProblem = status.radioProblem;
        rotatorProblem = status.rotatorProblem;
    });
    QEventLoop loop;
    QObject::connect(&session, &TrackingSession::finished, &loop, &QEventLoop::quit);
    const std::chrono::milliseconds tick(std::max(1LL, std::llround(step / speed * 1000.0)));
    QTimer stepper;
    if (simulated) {
        QObject::connect(&stepper, &QTimer::timeout, [&] {
            ++steps;
            session.tick();
        });
        stepper.start(tick);
        session.tick();
    } else {
        session.start(tick);
    }
    loop.exec();
    print(QCoreApplication::translate("skelvor-cli", "# the pass is over"));
}
