#include "DesktopNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QVariantMap>

namespace {

const QString application_name = QStringLiteral("Skelvor");
const QString desktop_entry = QStringLiteral("io.skelvor.Skelvor");

}  // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {
    if (!connection_.isConnected()) return;
    connection_.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                        SLOT(onActionInvoked(uint, QString)));
    connection_.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                        SLOT(onNotificationClosed(uint, uint)));
}

quint64 DesktopNotifications::post(const QString& summary, const QString& body,
                                   const QString& actionLabel) {
    const quint64 request = nextRequest_++;
    if (!connection_.isConnected()) {
        const QString reason = QStringLiteral("no session bus");
        QMetaObject::invokeMethod(
            this, [this, request, reason] { emit failed(request, reason); }, Qt::QueuedConnection);
        return request;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), desktop_entry);
    call << application_name << quint32(0) << QString() << summary.left(longest_text)
         << body.left(longest_text) << QStringList{default_action, actionLabel.left(longest_text)}
         << hints << qint32(-1);
    auto* watcher =
        new QDBusPendingCallWatcher(connection_.asyncCall(call, reply_timeout_ms), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<quint32> reply = *finished;
                if (reply.isError()) {
                    emit failed(request, reply.error().message());
                } else {
                    emit posted(request, reply.value());
                }
                finished->deleteLater();
            });
    return request;
}

void DesktopNotifications::onActionInvoked(uint notification, const QString& action) {
    if (action == default_action) emit activated(notification);
}

void DesktopNotifications::onNotificationClosed(uint notification, uint) {
    emit closed(notification);
}
