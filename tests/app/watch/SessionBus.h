// A private D-Bus session bus for one test program: a dbus-daemon of its own, started with the
// system's session configuration on a socket in a temporary directory, stopped at the end.
// Tests talk to it through connections of their own and never touch the user's bus.
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class SessionBus {
public:
    SessionBus();
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    // Empty when dbus-daemon could not be found or started.
    const QString& address() const { return address_; }
    // A new connection to the bus under the name given.
    QDBusConnection connect(const QString& name) const;

private:
    QTemporaryDir directory_;
    QProcess daemon_;
    QString address_;
};
