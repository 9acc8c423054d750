// Keeps the requests to one server at least an interval apart: the next request to a host may
// start once the interval has passed since the previous one to it ended, so that the server
// sees them that far apart however long each took. Addresses read locally are not spaced.
#pragma once

#include <QHash>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

class RequestSpacing {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Clock = std::function<TimePoint()>;

    // The monotonic clock unless a test gives another.
    explicit RequestSpacing(Clock clock = &std::chrono::steady_clock::now)
        : clock_(std::move(clock)) {}

    void setInterval(std::chrono::milliseconds interval) { interval_ = interval; }
    // How long a request to the address must still wait; zero when it may start now.
    std::chrono::milliseconds waitBefore(const QUrl& address) const;
    void requestEnded(const QUrl& address);

private:
    Clock clock_;
    std::chrono::milliseconds interval_{1000};
    QHash<QString, TimePoint> lastEnd_;  // by host
};
