#include "FakeNotifications.h"

namespace {

constexpr uint closed_by_user = 2;

}  // namespace

bool FakeNotifications::registerOn(QDBusConnection connection) {
    return connection.registerObject(
               QStringLiteral("/org/freedesktop/Notifications"), this,
               QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
           connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

uint FakeNotifications::Notify(const QString& application, uint, const QString&,
                               const QString& summary, const QString& body,
                               const QStringList& actions, const QVariantMap& hints, int) {
    received_.push_back({nextId_, application, summary, body, actions, hints});
    return nextId_++;
}

void FakeNotifications::click(uint id, const QString& action) { emit ActionInvoked(id, action); }

void FakeNotifications::close(uint id) { emit NotificationClosed(id, closed_by_user); }
