#include "LocationManager.h"

#include <QGeoPositionInfoSource>

LocationManager::LocationManager(std::unique_ptr<QGeoPositionInfoSource> source)
    : source_(std::move(source)) {}

LocationManager::~LocationManager() { stopUpdatingLocation(); }

std::unique_ptr<LocationManager> LocationManager::systemManager() {
    std::unique_ptr<QGeoPositionInfoSource> source(
        QGeoPositionInfoSource::createDefaultSource(nullptr));
    if (!source) return nullptr;
    return std::make_unique<LocationManager>(std::move(source));
}

void LocationManager::startUpdatingLocation(Callback callback) {
    connection_ = QObject::connect(
        source_.get(), &QGeoPositionInfoSource::positionUpdated,
        [callback = std::move(callback)](const QGeoPositionInfo& info) {
            const QGeoCoordinate c = info.coordinate();
            const double altitude = c.type() == QGeoCoordinate::Coordinate3D ? c.altitude() : 0.0;
            callback(
                {{c.latitude(), c.longitude(), altitude}, Date::fromQDateTime(info.timestamp())});
        });
    source_->setPreferredPositioningMethods(QGeoPositionInfoSource::AllPositioningMethods);
    source_->startUpdates();
}

void LocationManager::stopUpdatingLocation() {
    if (!source_) return;
    source_->stopUpdates();
    QObject::disconnect(connection_);
}
