// Runs a test in a time zone of its choice: sets TZ for the process while the object lives and
// puts the previous setting back afterwards.
#pragma once

#include <QByteArray>
#include <ctime>

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
        : previous_(qgetenv("TZ")), hadZone_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone() {
        if (hadZone_) {
            qputenv("TZ", previous_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    QByteArray previous_;
    bool hadZone_;
};
