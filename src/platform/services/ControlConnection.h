// A connection to a rig or rotator control daemon over its network line protocol: a command is
// one line; the answer is the command's value lines, or one report line "RPRT n" (0 for
// success, a negative error number otherwise). Connecting and waiting never block the event
// loop. Every answer is bounded in length and time; an answer that is not the protocol's, or
// none in time, leaves the stream out of step, so the connection is dropped and opened again.
// A lost connection is retried with a delay that doubles up to a limit.
#pragma once

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <deque>

#include "CommandLink.h"

class ControlConnection : public QObject, public CommandLink {
    Q_OBJECT
public:
    enum class State { closed, connecting, connected, waitingToRetry };

    struct Limits {
        std::chrono::milliseconds connect{5000};     // until the daemon accepts
        std::chrono::milliseconds answer{3000};      // for each answer
        std::chrono::milliseconds firstRetry{1000};  // the delay after the first failure
        std::chrono::milliseconds lastRetry{30000};  // the longest delay
        int queue = 16;                              // commands waiting at most
    };
    static constexpr qsizetype maxLineLength = 256;

    explicit ControlConnection(QObject* parent = nullptr);
    ~ControlConnection() override;

    void setLimits(const Limits& limits) { limits_ = limits; }
    // Connects to the daemon and keeps connecting after every loss until closed.
    void open(const QString& host, quint16 port);
    void close();

    State state() const { return state_; }
    // What went wrong last, in words; empty once an answer has come.
    const QString& problem() const { return problem_; }
    std::chrono::milliseconds retryDelay() const { return retryDelay_; }

    bool isReady() const override { return state_ == State::connected; }
    bool isIdle() const override { return queue_.empty(); }
    void send(const ControlCommand& command, Handler handler) override;

signals:
    void stateChanged(ControlConnection::State state, const QString& problem);
    // A command as written to the daemon.
    void commandSent(const QString& command);

private:
    struct Pending {
        ControlCommand command;
        Handler handler;
    };
    void connectNow();
    void setState(State state, const QString& problem);
    void writeNext();
    void readLines();
    void finishCommand(ControlReply reply);
    void fail(const QString& problem);
    void answerLater(const Handler& handler, ControlReply reply);

    QTcpSocket socket_;
    QTimer connectTimer_;
    QTimer answerTimer_;
    QTimer retryTimer_;
    Limits limits_;
    QString host_;
    quint16 port_ = 0;
    State state_ = State::closed;
    QString problem_;
    std::chrono::milliseconds retryDelay_{0};
    std::deque<Pending> queue_;  // the front one is written and waits for its answer
    bool written_ = false;
    QStringList answerLines_;
};
