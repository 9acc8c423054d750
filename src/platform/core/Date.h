// An absolute instant: seconds since 1 January 2001 00:00:00 UTC, kept as a double so that the
// searches' fractional steps are not rounded.
#pragma once

#include <compare>

class QDateTime;

class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(double secondsSinceReferenceDate)
        : seconds_(secondsSinceReferenceDate) {}

    // The wall clock. Code that tests must control takes its instants from an injected clock.
    static Date now();
    static Date fromQDateTime(const QDateTime& dateTime);

    constexpr double secondsSinceReferenceDate() const { return seconds_; }
    // Seconds since 1970-01-01 00:00:00 UTC.
    constexpr double secondsSince1970() const { return seconds_ + reference_date_unix_seconds; }
    QDateTime toQDateTime() const;
    // The Julian date (UT) of the instant, as the orbit engine takes it.
    constexpr double julianDate() const {
        return seconds_ / seconds_per_day + reference_julian_date;
    }

    constexpr Date operator+(double seconds) const { return Date(seconds_ + seconds); }
    constexpr Date operator-(double seconds) const { return Date(seconds_ - seconds); }
    constexpr double operator-(Date other) const { return seconds_ - other.seconds_; }
    constexpr auto operator<=>(const Date&) const = default;

    static constexpr double reference_date_unix_seconds = 978307200.0;
    static constexpr double reference_julian_date = 2451910.5;  // of 2001-01-01 00:00:00 UTC
    static constexpr double seconds_per_day = 86400.0;

private:
    double seconds_ = 0.0;
};
