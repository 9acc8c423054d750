#include "RigCommands.h"

#include <QRegularExpression>
#include <cmath>

namespace {

QString hertzText(double hertz) { return QString::number(std::llround(hertz)); }

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

namespace rigctl {

ControlCommand setFrequency(double hertz) { return {QStringLiteral("F ") + hertzText(hertz), 0}; }
ControlCommand getFrequency() { return {QStringLiteral("f"), 1}; }
ControlCommand setMode(const QString& mode) { return {QStringLiteral("M %1 0").arg(mode), 0}; }
ControlCommand setVfo(const QString& vfo) { return {QStringLiteral("V ") + vfo, 0}; }
ControlCommand setSplit(bool on) {
    return {on ? QStringLiteral("S 1 VFOB") : QStringLiteral("S 0 VFOA"), 0};
}
ControlCommand setSplitFrequency(double hertz) {
    return {QStringLiteral("I ") + hertzText(hertz), 0};
}
ControlCommand setSplitMode(const QString& mode) { return {QStringLiteral("X %1 0").arg(mode), 0}; }

bool isModeName(const QString& mode) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9]{1,12}$"));
    return name.match(mode).hasMatch();
}

std::optional<double> frequencyFrom(const ControlReply& reply) {
    if (!reply.ok || reply.values.size() != 1) return std::nullopt;
    const std::optional<double> frequency = number(reply.values.front());
    if (!frequency || *frequency <= 0.0) return std::nullopt;
    return frequency;
}

}  // namespace rigctl

namespace rotctl {

ControlCommand setPosition(double azimuth, double elevation) {
    return {QStringLiteral("P %1 %2").arg(QString::number(azimuth, 'f', 2),
                                          QString::number(elevation, 'f', 2)),
            0};
}
ControlCommand getPosition() { return {QStringLiteral("p"), 2}; }

std::optional<Position> positionFrom(const ControlReply& reply) {
    if (!reply.ok || reply.values.size() != 2) return std::nullopt;
    const std::optional<double> azimuth = number(reply.values[0]);
    const std::optional<double> elevation = number(reply.values[1]);
    if (!azimuth || !elevation) return std::nullopt;
    return Position{*azimuth, *elevation};
}

}  // namespace rotctl
