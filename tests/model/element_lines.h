// Element lines for the model tests, with fields written into their fixed columns.
#pragma once

#include <QString>
#include <memory>

#include "SatelliteData.h"
#include "SettingsStore.h"

namespace fixture {

inline const QString line1_88888 =
    QStringLiteral("1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    8");
inline const QString line2_88888 =
    QStringLiteral("2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  105");
inline const QString line1_11801 =
    QStringLiteral("1 11801U          80230.29629788  .01431103  00000-0  14311-1       8");
inline const QString line2_11801 =
    QStringLiteral("2 11801  46.7916 230.4354 7318036  47.4722  10.4117  2.28537848     6");

// Line 1 with epoch, mean motion derivatives and drag term in columns 19-32, 34-43, 45-52, 54-61.
inline QString line1(const char* epoch = "80275.98708465", const char* ndot = " .00073094",
                     const char* nddot = " 13844-3", const char* bstar = " 66816-4") {
    return QString::asprintf("1 88888U          %s %s %s %s 0    8", epoch, ndot, nddot, bstar);
}

// Line 2 from angles in degrees, the seven eccentricity digits and the mean motion.
inline QString line2(double incl, double node, const char* ecc, double perigee, double anomaly,
                     double meanMotion) {
    return QString::asprintf("2 88888 %8.4f %8.4f %7s %8.4f %8.4f %11.8f  105", incl, node, ecc,
                             perigee, anomaly, meanMotion);
}

inline std::shared_ptr<SatelliteData> make(const SettingsStore& store, const QString& l1,
                                           const QString& l2,
                                           const QString& name = QStringLiteral("TEST")) {
    return SatelliteData::createSatellite(&store, name, QStringLiteral("test.txt"), 88888, name, l1,
                                          l2);
}

}  // namespace fixture
