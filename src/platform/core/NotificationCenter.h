// Named notifications delivered synchronously to the observers registered for the name, on the
// thread that posts them. Observers receive the notification of every sender.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct Notification {
    QString name;
    const void* object = nullptr;  // the sender
};

class NotificationCenter {
public:
    using Observer = std::function<void(const Notification&)>;
    using ObserverToken = std::uint64_t;

    // The process-wide centre.
    static NotificationCenter& defaultCenter();

    // Returns the token that removes the observer again.
    ObserverToken addObserver(const QString& name, Observer observer);
    void removeObserver(ObserverToken token);
    // Calls every observer of the name before returning; observers may add or remove observers.
    void post(const QString& name, const void* sender);

private:
    struct Registration {
        ObserverToken token;
        QString name;
        Observer observer;
    };

    std::mutex lock_;
    std::vector<Registration> registrations_;
    ObserverToken nextToken_ = 1;
};
