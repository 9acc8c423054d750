// A control daemon imitation on the loopback interface: each command line it receives is
// answered by the test's script, which may answer well, answer an error, send garbage, say
// nothing, or drop the connection. It runs on the test's own event loop.
#pragma once

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

class ImitationDaemon {
public:
    struct Answer {
        enum class Kind { text, silence, drop } kind = Kind::text;
        QByteArray text;  // sent as it is
    };
    using Script = std::function<Answer(const QString& command)>;

    explicit ImitationDaemon(Script script);
    quint16 port() const { return server_.serverPort(); }
    const QStringList& received() const { return received_; }
    int connections() const { return connections_; }
    void setScript(Script script) { script_ = std::move(script); }

    static Answer text(const QByteArray& bytes) { return {Answer::Kind::text, bytes}; }
    static Answer silence() { return {Answer::Kind::silence, {}}; }
    static Answer drop() { return {Answer::Kind::drop, {}}; }

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    Script script_;
    QStringList received_;
    int connections_ = 0;
};
