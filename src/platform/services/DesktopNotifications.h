// The desktop's notification service (org.freedesktop.Notifications) over D-Bus: posts a
// notification with a default action and reports, asynchronously, whether it was shown, and
// when the user clicks or closes it. Every failure (no bus, no service, no answer in time, an
// error from the service) comes back as failed with its reason.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");
    static inline const QString interface = QStringLiteral("org.freedesktop.Notifications");
    // The action a click on the notification's body invokes.
    static inline const QString default_action = QStringLiteral("default");
    static constexpr int reply_timeout_ms = 2000;
    static constexpr int longest_text = 1000;  // characters of summary or body sent

    // On the given bus: the session bus, or a private one in tests.
    explicit DesktopNotifications(const QDBusConnection& connection, QObject* parent = nullptr);

    // Posts a notification and gives the number by which posted or failed will name it.
    quint64 post(const QString& summary, const QString& body, const QString& actionLabel);

signals:
    void posted(quint64 request, quint32 notification);
    void failed(quint64 request, const QString& reason);
    void activated(quint32 notification);
    void closed(quint32 notification);

private slots:
    void onActionInvoked(uint notification, const QString& action);
    void onNotificationClosed(uint notification, uint reason);

private:
    QDBusConnection connection_;
    quint64 nextRequest_ = 1;
};
