#include "Reachability.h"

#include <QHostAddress>
#include <QHostInfo>

bool isHostReachable(const QUrl& server) {
    if (server.scheme() == u"qrc" || server.isLocalFile()) return true;
    const QString host = server.host();
    if (host.isEmpty()) return false;
    if (host == u"localhost" || QHostAddress(host).isLoopback()) return true;
    const QHostInfo info = QHostInfo::fromName(host);
    return info.error() == QHostInfo::NoError && !info.addresses().isEmpty();
}
