#include "TrackingStatusText.h"

#include <QCoreApplication>

#include "SettingsStore.h"

namespace tracking_text {

namespace {

constexpr double hertzPerMegahertz = 1e6;

QString translated(const char* text) {
    return QCoreApplication::translate("TrackingStatusText", text);
}

QString clockTime(Date date, const SettingsStore& settings) {
    return settings.formatTime(date, QStringLiteral("HH:mm:ss")) + u' ' +
           settings.zoneAbbreviation(date);
}

QString megahertz(double hertz) {
    return QString::number(hertz / hertzPerMegahertz, 'f', 6) + QStringLiteral(" MHz");
}

QString stateText(const ControlConnection& connection) {
    switch (connection.state()) {
        case ControlConnection::State::connecting:
            return translated("connecting");
        case ControlConnection::State::connected:
            return translated("connected");
        case ControlConnection::State::waitingToRetry:
            return translated("lost: %1").arg(connection.problem());
        case ControlConnection::State::closed:
            break;
    }
    return translated("closed");
}

}  // namespace

QString phaseText(const TrackingSession::Status& status, const SettingsStore& settings) {
    switch (status.phase) {
        case TrackingSession::Phase::waiting:
            return translated("Waiting for AOS at %1").arg(clockTime(status.aos, settings));
        case TrackingSession::Phase::tracking:
            return translated("Tracking until LOS at %1").arg(clockTime(status.los, settings));
        case TrackingSession::Phase::finished:
            return translated("The pass is over; the radio stays where it is.");
        case TrackingSession::Phase::stopped:
            break;
    }
    return translated("Tracking stopped.");
}

QString frequenciesText(const TrackingSession::Status& status) {
    QStringList parts;
    if (status.radioSent.downlink) {
        parts.append(translated("Down %1").arg(megahertz(*status.radioSent.downlink)));
    }
    if (status.radioSent.uplink) {
        parts.append(translated("Up %1").arg(megahertz(*status.radioSent.uplink)));
    }
    if (status.modeSent) parts.append(*status.modeSent);
    return parts.join(QStringLiteral("  ·  "));
}

QString pointingText(const TrackingSession::Status& status) {
    if (!status.rotatorSent) return QString();
    return translated("Azimuth %1°  ·  Elevation %2°")
        .arg(QString::number(status.rotatorSent->azimuth, 'f', 1),
             QString::number(status.rotatorSent->elevation, 'f', 1));
}

QString connectionText(const QString& device, const ControlConnection* connection,
                       const QString& answerProblem) {
    if (!connection) return QString();
    QString text = translated("%1: %2").arg(device, stateText(*connection));
    if (!answerProblem.isEmpty()) text += QStringLiteral(" — ") + answerProblem;
    return text;
}

}  // namespace tracking_text
