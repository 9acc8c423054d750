// A real control daemon from the hamlib utilities (rigctld, rotctld) with its dummy model,
// listening on a free loopback port for as long as the object lives, and a plain connection
// to it for the test's own reads.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTcpSocket>
#include <optional>

class Daemon {
public:
    // program: "rigctld" or "rotctld"; extra: further arguments, such as "-C max_el=180".
    explicit Daemon(const QString& program, const QStringList& extra = {});
    ~Daemon();
    bool isRunning() const { return port_ != 0; }
    quint16 port() const { return port_; }
    // Sends one command on the test's own connection and gives the answer's lines (waiting
    // for that many, at most five seconds).
    QStringList ask(const QString& command, int lines);
    std::optional<double> number(const QString& command, int line = 0, int lines = 1);

private:
    QProcess process_;
    QTcpSocket reader_;
    quint16 port_ = 0;
};
