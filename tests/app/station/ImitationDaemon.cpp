#include "ImitationDaemon.h"

ImitationDaemon::ImitationDaemon(Script script) : script_(std::move(script)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { serve(socket); });
        }
    });
}

void ImitationDaemon::serve(QTcpSocket* socket) {
    while (socket->canReadLine()) {
        const QString command = QString::fromUtf8(socket->readLine()).trimmed();
        received_.append(command);
        const Answer answer = script_(command);
        if (answer.kind == Answer::Kind::drop) {
            socket->abort();
            return;
        }
        if (answer.kind == Answer::Kind::text) socket->write(answer.text);
    }
}
