#include "SettingsStore.h"

#include <QDateTime>
#include <QTimeZone>

SettingsStore::SettingsStore() : clock_(&Date::now) {}

void SettingsStore::setObserver_geodetic(const engine::geodetic_point_t& observer) {
    observer_geodetic_ = observer;
    observer_geodetic_.theta = 0.0;
}

QString SettingsStore::formatTime(Date date, const QString& pattern) const {
    const QTimeZone zone = useUTC_ ? QTimeZone::utc() : QTimeZone::systemTimeZone();
    return date.toQDateTime().toTimeZone(zone).toString(pattern);
}
