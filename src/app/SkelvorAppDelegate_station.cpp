// The radio, the rotator and the transmitter import, made when first asked for.
#include <QDir>

#include "SkelvorAppDelegate.h"
#include "StationControl.h"

StationControl& SkelvorAppDelegate::station() {
    if (!station_) station_ = std::make_shared<StationControl>(*this, stationSettingsPath());
    return *station_;
}

QString SkelvorAppDelegate::stationSettingsPath() const {
    if (dataDirectory_.isEmpty()) return {};
    return QDir(dataDirectory_).filePath(QStringLiteral("Library/Preferences/stationSettings"));
}
