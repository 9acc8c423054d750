#include "Timer.h"

#include <cmath>

std::unique_ptr<Timer> Timer::scheduledTimer(double seconds, std::function<void()> action,
                                             bool repeats) {
    auto timer = std::make_unique<Timer>();
    timer->timer_.setSingleShot(!repeats);
    timer->timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer->timer_, &QTimer::timeout, std::move(action));
    timer->timer_.start(static_cast<int>(std::lround(seconds * 1000.0)));
    return timer;
}
