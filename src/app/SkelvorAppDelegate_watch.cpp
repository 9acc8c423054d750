// Watching the sky: its settings and the pass alerts.
#include <QDir>

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
    const QString path = watchSettingsPath();
    return path.isEmpty() || watchSettings_->write(path);
}

QString SkelvorAppDelegate::watchSettingsPath() const {
    if (dataDirectory_.isEmpty()) return {};
    return QDir(dataDirectory_).filePath(QStringLiteral("Library/Preferences/watchSettings"));
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
