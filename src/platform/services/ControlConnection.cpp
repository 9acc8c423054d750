#include "ControlConnection.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString reportPrefix = QStringLiteral("RPRT ");

// The daemons' error numbers that a user may meet, in words.
QString errorMeaning(int code) {
    switch (code) {
        case -1:
            return QCoreApplication::translate("ControlConnection", "invalid parameter");
        case -4:
            return QCoreApplication::translate("ControlConnection", "not implemented");
        case -5:
            return QCoreApplication::translate("ControlConnection",
                                               "the radio did not answer the daemon");
        case -6:
            return QCoreApplication::translate("ControlConnection", "input/output error");
        case -8:
            return QCoreApplication::translate("ControlConnection", "protocol error");
        case -9:
            return QCoreApplication::translate("ControlConnection", "command rejected");
        case -11:
            return QCoreApplication::translate("ControlConnection", "not available");
        case -12:
            return QCoreApplication::translate("ControlConnection", "VFO not targetable");
        default:
            return QCoreApplication::translate("ControlConnection", "error");
    }
}

// The number of a report line; none when the line is not one.
std::optional<int> reportCode(const QString& line) {
    if (!line.startsWith(reportPrefix)) return std::nullopt;
    bool ok = false;
    const int code = line.mid(reportPrefix.size()).trimmed().toInt(&ok);
    return ok ? std::optional(code) : std::nullopt;
}

QString describe(const QAbstractSocket& socket) { return socket.errorString(); }

QString seconds(std::chrono::milliseconds duration) {
    return QString::number(std::chrono::duration<double>(duration).count());
}

}  // namespace

ControlConnection::ControlConnection(QObject* parent) : QObject(parent) {
    connectTimer_.setSingleShot(true);
    answerTimer_.setSingleShot(true);
    retryTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        fail(QCoreApplication::translate("ControlConnection", "no connection within %1 s")
                 .arg(seconds(limits_.connect)));
    });
    connect(&answerTimer_, &QTimer::timeout, this, [this] {
        fail(QCoreApplication::translate("ControlConnection", "no answer within %1 s")
                 .arg(seconds(limits_.answer)));
    });
    connect(&retryTimer_, &QTimer::timeout, this, &ControlConnection::connectNow);
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        connectTimer_.stop();
        setState(State::connected, problem_);
        writeNext();
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &ControlConnection::readLines);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this] { fail(describe(socket_)); });
    connect(&socket_, &QTcpSocket::disconnected, this, [this] {
        fail(QCoreApplication::translate("ControlConnection", "the daemon closed the connection"));
    });
}

ControlConnection::~ControlConnection() {
    socket_.disconnect(this);
    socket_.abort();
}

void ControlConnection::open(const QString& host, quint16 port) {
    close();
    host_ = host;
    port_ = port;
    retryDelay_ = limits_.firstRetry;
    connectNow();
}

void ControlConnection::close() {
    retryTimer_.stop();
    connectTimer_.stop();
    answerTimer_.stop();
    setState(State::closed, QString());
    socket_.abort();
    written_ = false;
    std::deque<Pending> unanswered;
    unanswered.swap(queue_);
    for (const Pending& pending : unanswered) {
        answerLater(pending.handler, {pending.command.text,
                                      false,
                                      {},
                                      QCoreApplication::translate("ControlConnection",
                                                                  "the connection was closed")});
    }
}

void ControlConnection::connectNow() {
    socket_.abort();
    answerLines_.clear();
    written_ = false;
    setState(State::connecting, problem_);
    connectTimer_.start(limits_.connect);
    socket_.connectToHost(host_, port_);
}

void ControlConnection::setState(State state, const QString& problem) {
    const bool changed = state != state_ || problem != problem_;
    state_ = state;
    problem_ = problem;
    if (changed) emit stateChanged(state_, problem_);
}

void ControlConnection::send(const ControlCommand& command, Handler handler) {
    if (state_ != State::connected) {
        answerLater(handler, {command.text,
                              false,
                              {},
                              QCoreApplication::translate("ControlConnection", "not connected")});
        return;
    }
    if (static_cast<int>(queue_.size()) >= limits_.queue) {
        answerLater(handler, {command.text,
                              false,
                              {},
                              QCoreApplication::translate("ControlConnection",
                                                          "too many commands waiting")});
        return;
    }
    queue_.push_back({command, std::move(handler)});
    writeNext();
}

void ControlConnection::answerLater(const Handler& handler, ControlReply reply) {
    QTimer::singleShot(0, this, [handler, reply] { handler(reply); });
}

void ControlConnection::writeNext() {
    if (written_ || queue_.empty() || state_ != State::connected) return;
    const QString& text = queue_.front().command.text;
    written_ = true;
    answerLines_.clear();
    socket_.write(text.toUtf8() + '\n');
    answerTimer_.start(limits_.answer);
    emit commandSent(text);
}

void ControlConnection::readLines() {
    while (state_ == State::connected) {
        if (!socket_.canReadLine()) {
            if (socket_.bytesAvailable() > maxLineLength) {
                fail(QCoreApplication::translate("ControlConnection",
                                                 "an answer line longer than %1 bytes")
                         .arg(maxLineLength));
            }
            return;
        }
        const QByteArray bytes = socket_.readLine(maxLineLength + 2);
        if (!bytes.endsWith('\n')) {
            fail(QCoreApplication::translate("ControlConnection",
                                             "an answer line longer than %1 bytes")
                     .arg(maxLineLength));
            return;
        }
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (!written_) {
            fail(QCoreApplication::translate("ControlConnection",
                                             "the daemon sent text nobody asked for"));
            return;
        }
        const ControlCommand& command = queue_.front().command;
        if (const std::optional<int> code = reportCode(line)) {
            if (*code == 0 && command.values == 0) {
                finishCommand({command.text, true, {}, QString()});
            } else if (*code < 0) {
                finishCommand({command.text,
                               false,
                               {},
                               QCoreApplication::translate("ControlConnection", "RPRT %1 (%2)")
                                   .arg(*code)
                                   .arg(errorMeaning(*code))});
            } else {
                fail(QCoreApplication::translate(
                         "ControlConnection", "the answer \"%1\" to \"%2\" is not the protocol's")
                         .arg(line, command.text));
                return;
            }
            continue;
        }
        if (command.values == 0) {
            fail(QCoreApplication::translate("ControlConnection",
                                             "the answer \"%1\" to \"%2\" is not the protocol's")
                     .arg(line.left(40), command.text));
            return;
        }
        answerLines_.append(line);
        if (answerLines_.size() == command.values) {
            finishCommand({command.text, true, answerLines_, QString()});
        }
    }
}

void ControlConnection::finishCommand(ControlReply reply) {
    answerTimer_.stop();
    Pending done = std::move(queue_.front());
    queue_.pop_front();
    written_ = false;
    answerLines_.clear();
    retryDelay_ = limits_.firstRetry;
    if (reply.ok) setState(State::connected, QString());
    done.handler(reply);
    writeNext();
}

void ControlConnection::fail(const QString& problem) {
    if (state_ == State::closed || state_ == State::waitingToRetry) return;
    connectTimer_.stop();
    answerTimer_.stop();
    written_ = false;
    std::deque<Pending> unanswered;
    unanswered.swap(queue_);
    // The state changes first: dropping the socket reports the loss again, to no effect.
    setState(State::waitingToRetry,
             QCoreApplication::translate("ControlConnection", "%1; trying again in %2 s")
                 .arg(problem, seconds(retryDelay_)));
    socket_.abort();
    retryTimer_.start(retryDelay_);
    retryDelay_ = std::min(retryDelay_ * 2, limits_.lastRetry);
    for (const Pending& pending : unanswered) {
        answerLater(pending.handler, {pending.command.text, false, {}, problem});
    }
}
