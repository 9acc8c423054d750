#include "NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::ObserverToken NotificationCenter::addObserver(const QString& name,
                                                                  Observer observer) {
    const std::lock_guard guard(lock_);
    const ObserverToken token = nextToken_++;
    registrations_.push_back({token, name, std::move(observer)});
    return token;
}

void NotificationCenter::removeObserver(ObserverToken token) {
    const std::lock_guard guard(lock_);
    std::erase_if(registrations_, [token](const Registration& r) { return r.token == token; });
}

void NotificationCenter::post(const QString& name, const void* sender) {
    std::vector<Observer> observers;
    {
        const std::lock_guard guard(lock_);
        for (const Registration& registration : registrations_) {
            if (registration.name == name) observers.push_back(registration.observer);
        }
    }
    const Notification notification{name, sender};
    for (const Observer& observer : observers) observer(notification);
}
