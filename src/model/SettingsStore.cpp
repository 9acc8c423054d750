#include "SettingsStore.h"

#include <QDateTime>
#include <QTimeZone>

SettingsStore::SettingsStore() : clock_(&Date::now) {}

void SettingsStore::setObserver_geodetic(const engine::geodetic_point_t& observer) {
    observer_geodetic_ = observer;
    observer_geodetic_.theta = 0.0;
}

QTimeZone SettingsStore::timeZone() const {
    return useUTC_ ? QTimeZone::utc() : QTimeZone::systemTimeZone();
}

QString SettingsStore::formatTime(Date date, const QString& pattern) const {
    return date.toQDateTime().toTimeZone(timeZone()).toString(pattern);
}

QString SettingsStore::zoneAbbreviation(Date date) const {
    if (useUTC_) return QStringLiteral("UTC");
    return date.toQDateTime().toTimeZone(timeZone()).timeZoneAbbreviation();
}
