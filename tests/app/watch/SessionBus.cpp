#include "SessionBus.h"

#include <QStandardPaths>

namespace {

constexpr int start_ms = 10000;

}  // namespace

SessionBus::SessionBus() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty() || !directory_.isValid()) return;
    daemon_.start(program, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--print-address=1"),
                            QStringLiteral("--address=unix:dir=") + directory_.path()});
    if (!daemon_.waitForStarted(start_ms)) return;
    // The daemon prints its address once it listens.
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(start_ms)) {
    }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

SessionBus::~SessionBus() {
    for (const QString& name : {QStringLiteral("client"), QStringLiteral("service")}) {
        QDBusConnection::disconnectFromBus(name);
    }
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        if (!daemon_.waitForFinished(start_ms)) daemon_.kill();
        daemon_.waitForFinished(start_ms);
    }
}

QDBusConnection SessionBus::connect(const QString& name) const {
    return QDBusConnection::connectToBus(address_, name);
}
