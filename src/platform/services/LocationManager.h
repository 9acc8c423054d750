// The location service: readings of latitude, longitude, altitude and their time, from a Qt
// Positioning source (the system's service, or an NMEA source replaying a file in tests).
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "Location.h"

class QGeoPositionInfoSource;

class LocationManager {
public:
    using Callback = std::function<void(const LocationReading&)>;

    explicit LocationManager(std::unique_ptr<QGeoPositionInfoSource> source);
    ~LocationManager();
    LocationManager(const LocationManager&) = delete;
    LocationManager& operator=(const LocationManager&) = delete;

    // The system's location service, or none on a machine without one.
    static std::unique_ptr<LocationManager> systemManager();

    // Readings go to the callback until stopped, as precise as the service can give them.
    void startUpdatingLocation(Callback callback);
    void stopUpdatingLocation();

private:
    std::unique_ptr<QGeoPositionInfoSource> source_;
    QMetaObject::Connection connection_;
};
