// A small HTTP server on the loopback interface that serves a directory and misbehaves on
// demand, one fault per file name. It runs on the test's own event loop.
#pragma once

#include <QDir>
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
    };

    explicit LoopbackServer(const QString& root);
    ~LoopbackServer();

    QUrl url() const;
    // The fault for every request whose path ends with the name.
    void setFault(const QString& name, Fault fault) { faults_.insert(name, fault); }
    int requests() const { return requests_; }

private:
    void answer(QTcpSocket* socket, const QByteArray& request);
    Fault faultFor(const QString& path) const;

    QDir root_;
    QTcpServer server_;
    QMap<QString, Fault> faults_;
    int requests_ = 0;
};
