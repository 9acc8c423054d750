#include "LoopbackServer.h"

#include <QFile>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray headers(int status, const QByteArray& reason, const QByteArray& type, qsizetype length,
                   const QByteArray& extra = {}) {
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(length) + "\r\nConnection: close\r\n" +
           extra + "\r\n";
}

QByteArray response(int status, const QByteArray& reason, const QByteArray& type,
                    const QByteArray& body, const QByteArray& extra = {}) {
    return headers(status, reason, type, body.size(), extra) + body;
}

const QByteArray html_page =
    "<html><head><title>Sign in</title></head><body>Please sign in to "
    "use this network.</body></html>";

void sendAndClose(QTcpSocket* socket, const QByteArray& bytes) {
    socket->write(bytes);
    socket->disconnectFromHost();
}

// Lines of text in no format the update reads, about a megabyte of them.
QByteArray garbage() {
    QByteArray text;
    for (int line = 0; text.size() < (1 << 20); ++line) {
        text += "#" + QByteArray::number(line * 7919 % 100003) + " x@!%$ qwerty ~~ 0.1.2\r\n";
    }
    return text;
}

// A body without a length that goes on for as long as the client reads it.
void sendForever(QTcpSocket* socket) {
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n");
    const QByteArray chunk(64 * 1024, 'x');
    auto more = [socket, chunk] {
        while (socket->bytesToWrite() < 4 * chunk.size()) socket->write(chunk);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

}  // namespace

LoopbackServer::LoopbackServer(const QString& root) : root_(root) {
    clock_.start();
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++openConnections_;
            QObject::connect(socket, &QObject::destroyed, [this] { --openConnections_; });
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (request->contains("\r\n\r\n")) answer(socket, *request);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

LoopbackServer::~LoopbackServer() { server_.close(); }

QUrl LoopbackServer::url() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()));
}

LoopbackServer::Fault LoopbackServer::faultFor(const QString& path) const {
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (path.endsWith(it.key())) return it.value();
    }
    return Fault::none;
}

QStringList LoopbackServer::targets() const {
    QStringList targets;
    for (const Request& request : log_) targets << request.target;
    return targets;
}

void LoopbackServer::answer(QTcpSocket* socket, const QByteArray& request) {
    const QString target = QString::fromLatin1(request.split(' ').value(1));
    log_.append({target, clock_.nsecsElapsed()});
    if (const auto fixed = answers_.constFind(target); fixed != answers_.cend()) {
        return sendAndClose(
            socket, response(fixed->status, "Answer", fixed->type, fixed->body, fixed->headers));
    }
    const QString path = target;
    if (path == u"/login.html")
        return sendAndClose(socket, response(200, "OK", "text/html", html_page));

    QString file = root_.filePath(path.mid(1));
    if (path.endsWith(u'/')) file += QStringLiteral("index.html");
    QFile source(file);
    const bool exists = source.open(QIODevice::ReadOnly);
    const QByteArray body = exists ? source.readAll() : QByteArray();
    const QByteArray type = file.endsWith(u".html") ? "text/html" : "text/plain";

    switch (exists ? faultFor(path) : Fault::notFound) {
        case Fault::none:
            return sendAndClose(socket, response(200, "OK", type, body));
        case Fault::silent:
            return;
        case Fault::drip: {
            socket->write(headers(200, "OK", type, body.size()));
            auto* timer = new QTimer(socket);
            auto sent = std::make_shared<qsizetype>(0);
            QObject::connect(timer, &QTimer::timeout, socket, [socket, body, sent] {
                if (*sent < body.size()) socket->write(body.mid((*sent)++, 1));
            });
            timer->start(2000);
            return;
        }
        case Fault::cutOff:
            return sendAndClose(socket, response(200, "OK", type, body).chopped(body.size() / 2));
        case Fault::notFound:
            return sendAndClose(socket, response(404, "Not Found", "text/plain", "Not found\n"));
        case Fault::forbidden:
            return sendAndClose(
                socket, response(403, "Forbidden", "text/plain",
                                 "GP data has not updated since your last successful download. "
                                 "Data is updated once every 2 hours.\n"));
        case Fault::redirectToHtml:
            return sendAndClose(
                socket, response(302, "Found", "text/plain", {}, "Location: /login.html\r\n"));
        case Fault::htmlInstead:
            return sendAndClose(socket, response(200, "OK", "text/html", html_page));
        case Fault::htmlAsText:
            return sendAndClose(socket, response(200, "OK", "text/plain", html_page));
        case Fault::empty:
            return sendAndClose(socket, response(200, "OK", "text/plain", {}));
        case Fault::garbage:
            return sendAndClose(socket, response(200, "OK", "text/plain", garbage()));
        case Fault::endless:
            return sendForever(socket);
        case Fault::stall:
            socket->write(response(200, "OK", type, body).chopped(body.size() / 2));
            return;
    }
}
