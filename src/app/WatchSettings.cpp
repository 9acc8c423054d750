#include "WatchSettings.h"

#include <QCborArray>
#include <QCborMap>
#include <algorithm>
#include <cmath>

#include "KeyedArchiveFile.h"

namespace {

// A thousand names of 200 characters fit in about 600 kB.
constexpr qint64 largest_file = 1024 * 1024;  // bytes
const QString key_darkness = QStringLiteral("DarknessElevation");
const QString key_visible_only = QStringLiteral("VisiblePassesOnly");
const QString key_sunlight = QStringLiteral("ShowSunlight");
const QString key_lead_time = QStringLiteral("AlertLeadTime");
const QString key_alert_visible_only = QStringLiteral("AlertVisibleOnly");
const QString key_alert_satellites = QStringLiteral("AlertSatellites");

double number(const QCborMap& map, const QString& key, double fallback, double low, double high) {
    const QCborValue value = map.value(key);
    double read = fallback;
    if (value.isDouble()) read = value.toDouble();
    if (value.isInteger()) read = static_cast<double>(value.toInteger());
    return std::isfinite(read) ? std::clamp(read, low, high) : fallback;
}

}  // namespace

void WatchSettings::setAlertsOn(const QString& name, bool on) {
    alertSatellites.removeAll(name);
    if (on) {
        alertSatellites.append(name);
        alertSatellites.sort();
    }
}

QCborValue WatchSettings::toCbor() const {
    QCborMap map;
    map.insert(key_darkness, darknessElevation);
    map.insert(key_visible_only, visiblePassesOnly);
    map.insert(key_sunlight, showSunlight);
    map.insert(key_lead_time, alertLeadTime);
    map.insert(key_alert_visible_only, alertVisibleOnly);
    map.insert(key_alert_satellites, QCborArray::fromStringList(alertSatellites));
    return map;
}

WatchSettings WatchSettings::fromCbor(const QCborValue& value) {
    WatchSettings settings;
    if (!value.isMap()) return settings;
    const QCborMap map = value.toMap();
    settings.darknessElevation =
        number(map, key_darkness, VisibilityConditions::default_darkness,
               VisibilityConditions::darkest, VisibilityConditions::lightest);
    settings.visiblePassesOnly = map.value(key_visible_only).toBool(false);
    settings.showSunlight = map.value(key_sunlight).toBool(false);
    settings.alertLeadTime = number(map, key_lead_time, default_lead_time, 0.0, longest_lead_time);
    settings.alertVisibleOnly = map.value(key_alert_visible_only).toBool(false);
    for (const QCborValue& name : map.value(key_alert_satellites).toArray()) {
        if (settings.alertSatellites.size() == most_alert_satellites) break;
        if (name.isString() && !name.toString().isEmpty() &&
            name.toString().size() <= longest_name) {
            settings.setAlertsOn(name.toString(), true);
        }
    }
    return settings;
}

std::optional<WatchSettings> WatchSettings::read(const QString& path) {
    const std::optional<QCborMap> map = KeyedArchiveFile(path, largest_file).readMap();
    if (!map) return std::nullopt;
    return fromCbor(*map);
}

bool WatchSettings::write(const QString& path) const {
    return !KeyedArchiveFile(path, largest_file).write(toCbor().toCbor());
}
