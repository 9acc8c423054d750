#include "Date.h"

#include <QDateTime>
#include <QTimeZone>
#include <cmath>

Date Date::now() { return fromQDateTime(QDateTime::currentDateTimeUtc()); }

Date Date::fromQDateTime(const QDateTime& dateTime) {
    return Date(static_cast<double>(dateTime.toMSecsSinceEpoch()) / 1000.0 -
                reference_date_unix_seconds);
}

QDateTime Date::toQDateTime() const {
    return QDateTime::fromMSecsSinceEpoch(
        static_cast<qint64>(std::llround(secondsSince1970() * 1000.0)), QTimeZone::utc());
}
