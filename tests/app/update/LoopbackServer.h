// A small HTTP server on the loopback interface that serves a directory and misbehaves on
// demand, one fault per file name. It runs on the test's own event loop.
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

class LoopbackServer {
public:
    enum class Fault {
        none,
        silent,          // accepts the connection and never answers
        drip,            // sends the headers, then one byte every two seconds
        cutOff,          // announces the whole length and stops halfway
        notFound,        // 404
        forbidden,       // 403 with a text body
        redirectToHtml,  // 302 to an HTML page
        htmlInstead,     // 200 with an HTML page in place of the file
        htmlAsText,      // 200 with an HTML page labelled text/plain
        empty,           // 200 with no body at all
        garbage,         // 200 with 1 MB of text that is no element set
        endless,         // 200 whose body never ends
        stall,           // sends the headers and half the body, then nothing
    };

    // A fixed answer to one request target (path and query), in place of the directory's.
    struct Answer {
        Answer(int status_, QByteArray body_, QByteArray type_ = "text/plain",
               QByteArray headers_ = {})
            : status(status_),
              body(std::move(body_)),
              type(std::move(type_)),
              headers(std::move(headers_)) {}
        int status;
        QByteArray body;
        QByteArray type;
        QByteArray headers;  // extra header lines, each ending in CR LF
    };
    struct Request {
        QString target;  // path and query as sent
        qint64 arrival;  // nanoseconds since the server started
    };

    explicit LoopbackServer(const QString& root);
    ~LoopbackServer();

    QUrl url() const;
    // The fault for every request whose path ends with the name.
    void setFault(const QString& name, Fault fault) { faults_.insert(name, fault); }
    void setAnswer(const QString& target, Answer answer) { answers_.insert(target, answer); }
    void removeAnswer(const QString& target) { answers_.remove(target); }
    int requests() const { return static_cast<int>(log_.size()); }
    // Connections open now: a transfer the client abandoned closes its connection.
    int openConnections() const { return openConnections_; }
    const QList<Request>& log() const { return log_; }
    QStringList targets() const;

private:
    void answer(QTcpSocket* socket, const QByteArray& request);
    Fault faultFor(const QString& path) const;

    QDir root_;
    QTcpServer server_;
    QMap<QString, Fault> faults_;
    QMap<QString, Answer> answers_;
    QElapsedTimer clock_;
    QList<Request> log_;
    int openConnections_ = 0;
};
