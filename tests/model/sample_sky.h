// Sample satellites over an observer at Greenwich, with the clock held at the samples' epoch.
#pragma once

#include <QString>
#include <memory>

#include "SatelliteData.h"
#include "SettingsStore.h"

namespace sample {

inline constexpr double degree = 0.0174532925;
inline const Date epoch(818251200.0);  // 2026-12-06T12:00:00Z

struct Lines {
    const char* name;
    const char* line1;
    const char* line2;
};

inline const Lines station{"SAMPLE STATION [+]",
                           "1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998",
                           "2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019"};
inline const Lines weather{"SAMPLE WEATHER 1 [+]",
                           "1 99002U 09005A   26340.50000000  .00000150  00000-0  10000-3 0  9994",
                           "2 99002  99.1900 310.5000 0014000  95.0000 265.2000 14.12720000 90010"};
inline const Lines equatorial{
    "SAMPLE EQUATORIAL [S]",
    "1 99008U 17001A   26340.50000000  .00000200  00000-0  20000-4 0  9993",
    "2 99008   6.0000  33.0000 0015000  10.0000 350.0000 14.76000000 20016"};
inline const Lines geostationary{
    "SAMPLE GEO EAST [+]", "1 99201U 17040A   26340.50000000  .00000000  00000-0  00000-0 0  9993",
    "2 99201   0.0300  90.0000 0002000 270.0000 180.0000  1.00273000 30012"};
inline const Lines molniya{"SAMPLE MOLNIYA [+]",
                           "1 99301U 11030A   26340.50000000  .00000000  00000-0  00000-0 0  9997",
                           "2 99301  63.4000 150.0000 7200000 270.0000  10.0000  2.00570000 40011"};

// An observer whose clock the test moves.
struct Sky {
    explicit Sky(double latitude = 51.4779, double longitude = -0.0015) {
        appDelegate.setObserver_geodetic({latitude * degree, longitude * degree, 0.046, 0.0});
        setNow(epoch);
    }
    void setNow(Date date) {
        now = date;
        appDelegate.setClock([this] { return now; });
    }
    std::shared_ptr<SatelliteData> make(const Lines& lines) const {
        const QString name = QString::fromLatin1(lines.name);
        return SatelliteData::createSatellite(
            &appDelegate, name.section(u'[', 0, 0).trimmed(), QStringLiteral("sample.txt"), 0, name,
            QString::fromLatin1(lines.line1), QString::fromLatin1(lines.line2));
    }

    SettingsStore appDelegate;
    Date now;
};

}  // namespace sample
