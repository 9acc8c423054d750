// A one-shot timer on the main thread's event loop.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>

class Timer {
public:
    // Calls action once, seconds from now, unless invalidated first.
    static std::unique_ptr<Timer> scheduledTimer(double seconds, std::function<void()> action);

    void invalidate() { timer_.stop(); }
    bool isValid() const { return timer_.isActive(); }

private:
    QTimer timer_;
};
