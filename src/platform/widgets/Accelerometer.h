// The device's accelerometer, read at a fixed interval while someone listens. Machines without
// one give no readings.
#pragma once

#include <QAccelerometer>
#include <functional>

class Accelerometer {
public:
    // The reading along the device's long axis in g: about -1 when it is held upright, 0 when
    // it lies flat, +1 upside down.
    using Listener = std::function<void(double)>;

    Accelerometer();
    void start(double updateInterval, Listener listener);
    void stop();
    bool isActive() const { return sensor_.isActive(); }

private:
    QAccelerometer sensor_;
    Listener listener_;
};
