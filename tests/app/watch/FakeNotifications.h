// A small notification service for tests, on a bus of their own: it answers Notify as the
// desktop's service does, keeps what it was sent, and can play the user clicking or closing a
// notification.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Received {
        uint id;
        QString application;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    // Registers the service on the connection; false when the name or path is taken.
    bool registerOn(QDBusConnection connection);
    const std::vector<Received>& received() const { return received_; }
    void click(uint id, const QString& action);
    void close(uint id);

public slots:
    uint Notify(const QString& application, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    std::vector<Received> received_;
    uint nextId_ = 1;
};
