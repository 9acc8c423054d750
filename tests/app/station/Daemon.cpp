#include "Daemon.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

namespace {

// A port nobody listens on now; the daemon is given it a moment later.
quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace

Daemon::Daemon(const QString& program, const QStringList& extra) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return;
    // Another program may take the free port between the probe and the start: try again.
    for (int attempt = 0; attempt < 5 && port_ == 0; ++attempt) {
        const quint16 port = freePort();
        process_.start(
            path, QStringList{"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)} + extra);
        if (!process_.waitForStarted(5000)) return;
        // The daemon says nothing when it listens: try to connect until it answers.
        const bool listening = QTest::qWaitFor(
            [&] {
                if (process_.state() != QProcess::Running) return true;
                reader_.abort();
                reader_.connectToHost(QStringLiteral("127.0.0.1"), port);
                return reader_.waitForConnected(200);
            },
            5000);
        if (listening && reader_.state() == QAbstractSocket::ConnectedState) {
            port_ = port;
        } else {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
}

Daemon::~Daemon() {
    reader_.abort();
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
}

QStringList Daemon::ask(const QString& command, int lines) {
    reader_.write(command.toUtf8() + '\n');
    reader_.flush();
    QStringList answer;
    const QDeadlineTimer deadline(5000);
    while (answer.size() < lines && !deadline.hasExpired()) {
        if (!reader_.canReadLine() && !reader_.waitForReadyRead(100)) continue;
        while (reader_.canReadLine() && answer.size() < lines) {
            answer.append(QString::fromUtf8(reader_.readLine()).trimmed());
        }
    }
    return answer;
}

std::optional<double> Daemon::number(const QString& command, int line, int lines) {
    const QStringList answer = ask(command, lines);
    if (answer.size() <= line) return std::nullopt;
    bool ok = false;
    const double value = answer[line].toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}
