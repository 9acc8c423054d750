#include "Reachability.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QObject>
#include <QTimer>

namespace {

// One question to the name service: answered by the first of the lookup and the deadline,
// then gone. It belongs to the application, so that one still open at the end is freed.
class HostLookup : public QObject {
public:
    explicit HostLookup(ReachabilityAnswer answer)
        : QObject(QCoreApplication::instance()), answer_(std::move(answer)) {}

    void start(const QString& host) {
        lookupId_ = QHostInfo::lookupHost(host, this, [this](const QHostInfo& info) {
            answer(info.error() == QHostInfo::NoError && !info.addresses().isEmpty());
        });
        QTimer::singleShot(reachability_deadline, this, [this] {
            QHostInfo::abortHostLookup(lookupId_);
            answer(false);
        });
    }

    void answerLater(bool reachable) {
        QTimer::singleShot(0, this, [this, reachable] { answer(reachable); });
    }

private:
    void answer(bool reachable) {
        if (answered_) return;
        answered_ = true;
        answer_(reachable);
        deleteLater();
    }

    ReachabilityAnswer answer_;
    int lookupId_ = -1;
    bool answered_ = false;
};

bool isAlwaysReachable(const QUrl& server) {
    if (server.scheme() == u"qrc" || server.isLocalFile()) return true;
    const QString host = server.host();
    return host == u"localhost" || QHostAddress(host).isLoopback();
}

}  // namespace

void checkHostReachable(const QUrl& server, ReachabilityAnswer answer) {
    auto* lookup = new HostLookup(std::move(answer));
    if (isAlwaysReachable(server) || server.host().isEmpty()) {
        lookup->answerLater(isAlwaysReachable(server));
    } else {
        lookup->start(server.host());
    }
}
