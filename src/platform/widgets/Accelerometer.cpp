#include "Accelerometer.h"

#include <cmath>

namespace {
constexpr double standardGravity = 9.80665;  // m/s² in one g
}  // namespace

Accelerometer::Accelerometer() {
    QObject::connect(&sensor_, &QAccelerometer::readingChanged, [this] {
        const QAccelerometerReading* reading = sensor_.reading();
        // Qt reports the support against gravity: +1 g along y when the device stands upright.
        if (reading && listener_) listener_(-reading->y() / standardGravity);
    });
}

void Accelerometer::start(double updateInterval, Listener listener) {
    listener_ = std::move(listener);
    sensor_.setDataRate(static_cast<int>(std::lround(1.0 / updateInterval)));
    sensor_.start();
}

void Accelerometer::stop() {
    sensor_.stop();
    listener_ = nullptr;
}
