// A timer on the main thread's event loop, firing once or repeatedly until invalidated.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>

class Timer {
public:
    // Calls action seconds from now (and every seconds after that when it repeats), unless
    // invalidated first.
    static std::unique_ptr<Timer> scheduledTimer(double seconds, std::function<void()> action,
                                                 bool repeats = false);

    void invalidate() { timer_.stop(); }
    bool isValid() const { return timer_.isActive(); }

private:
    QTimer timer_;
};
