// Watching the sky: the catalogue copied for tonight's scan, and the pass alerts.
#include <QDir>
#include <QSet>

#include "NotificationCenter.h"
#include "SkelvorAppDelegate.h"

const WatchSettings& SkelvorAppDelegate::watchSettings() const {
    if (!watchSettings_) {
        const QString path = watchSettingsPath();
        watchSettings_ =
            path.isEmpty() ? WatchSettings() : WatchSettings::read(path).value_or(WatchSettings());
    }
    return *watchSettings_;
}

bool SkelvorAppDelegate::setWatchSettings(WatchSettings settings) {
    watchSettings_ = std::move(settings);
    NotificationCenter::defaultCenter().post(preferencesAlteredNotification, this);
    const QString path = watchSettingsPath();
    return path.isEmpty() || watchSettings_->write(path);
}

QString SkelvorAppDelegate::watchSettingsPath() const {
    if (dataDirectory_.isEmpty()) return {};
    return QDir(dataDirectory_).filePath(QStringLiteral("Library/Preferences/watchSettings"));
}

std::vector<TonightSatellite> SkelvorAppDelegate::tonightSatellites(
    const QStringList& categories) const {
    std::vector<TonightSatellite> satellites;
    QSet<std::int32_t> numbers;
    QSet<QString> names;
    for (auto category = knownSatellites_.cbegin(); category != knownSatellites_.cend();
         ++category) {
        if (!categories.isEmpty() && !categories.contains(category.key())) continue;
        for (const auto& satellite : *category) {
            // A satellite filed in several categories is scanned once.
            const std::int32_t number = satellite->catalogNumber();
            if (number != 0 ? numbers.contains(number) : names.contains(satellite->commonName())) {
                continue;
            }
            numbers.insert(number);
            names.insert(satellite->commonName());
            satellites.push_back(
                {satellite->commonName(), category.key(), number, satellite->satelliteData()});
        }
    }
    return satellites;
}

PassAlertSchedule& SkelvorAppDelegate::passAlerts() {
    if (!passAlerts_) {
        notifications_ = std::make_unique<DesktopNotifications>(
            notificationBus_.value_or(QDBusConnection::sessionBus()));
        const auto satellites = [this] {
            std::vector<std::shared_ptr<SatelliteData>> on;
            for (const QString& name : watchSettings().alertSatellites) {
                if (auto satellite = findSatelliteByCommonName(name)) on.push_back(satellite);
            }
            return on;
        };
        passAlerts_ = std::make_unique<PassAlertSchedule>(
            *this, satellites, [this] { return watchSettings(); }, notifications_.get());
    }
    return *passAlerts_;
}
