// The settings for watching the sky: their own file beside the saved state, read back as
// written, values out of range brought to their limits, and a damaged file read as defaults.
#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <QFile>
#include <QTemporaryDir>

#include "SkelvorAppDelegate.h"
#include "WatchSettings.h"

TEST(WatchSettings, WrittenBesideTheStateAndReadBack) {
    QTemporaryDir directory;
    WatchSettings settings;
    settings.darknessElevation = -12.0;
    settings.visiblePassesOnly = true;
    settings.showSunlight = true;
    settings.alertLeadTime = 600.0;
    settings.alertVisibleOnly = true;
    settings.setAlertsOn(QStringLiteral("SAMPLE WEATHER 1"), true);
    settings.setAlertsOn(QStringLiteral("SAMPLE STATION"), true);
    EXPECT_EQ(settings.alertSatellites,
              QStringList({QStringLiteral("SAMPLE STATION"), QStringLiteral("SAMPLE WEATHER 1")}));
    {
        SkelvorAppDelegate appDelegate;
        appDelegate.setDataDirectory(directory.path());
        EXPECT_EQ(appDelegate.watchSettings(), WatchSettings());  // all off at first
        EXPECT_TRUE(appDelegate.setWatchSettings(settings));
        EXPECT_FALSE(QFile::exists(appDelegate.stateFilePath()));  // the state is not touched
    }
    SkelvorAppDelegate restarted;
    restarted.setDataDirectory(directory.path());
    EXPECT_EQ(restarted.watchSettings(), settings);

    // A damaged file: the defaults, and the next write replaces it.
    QFile file(restarted.watchSettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\xa5garbage");
    file.close();
    EXPECT_FALSE(WatchSettings::read(restarted.watchSettingsPath()));
    SkelvorAppDelegate damaged;
    damaged.setDataDirectory(directory.path());
    EXPECT_EQ(damaged.watchSettings(), WatchSettings());
}

TEST(WatchSettings, OddValuesAreBroughtWithinTheirLimits) {
    QCborArray names;
    for (int i = 0; i < WatchSettings::most_alert_satellites + 10; ++i) {
        names.append(QStringLiteral("SAT %1").arg(i, 5, 10, QChar(u'0')));
    }
    names.prepend(QString(WatchSettings::longest_name + 1, u'X'));
    names.prepend(42);
    names.prepend(QString());
    const QCborMap odd{{QStringLiteral("DarknessElevation"), -40.0},
                       {QStringLiteral("AlertLeadTime"), qQNaN()},
                       {QStringLiteral("VisiblePassesOnly"), QStringLiteral("yes")},
                       {QStringLiteral("AlertSatellites"), names},
                       {QStringLiteral("FutureKey"), 1}};
    const WatchSettings read = WatchSettings::fromCbor(odd);
    EXPECT_EQ(read.darknessElevation, VisibilityConditions::darkest);
    EXPECT_EQ(read.alertLeadTime, WatchSettings::default_lead_time);
    EXPECT_FALSE(read.visiblePassesOnly);
    EXPECT_EQ(read.alertSatellites.size(), WatchSettings::most_alert_satellites);
    EXPECT_EQ(read.alertSatellites.first(), QStringLiteral("SAT 00000"));
    EXPECT_EQ(WatchSettings::fromCbor(QCborValue(7)), WatchSettings());
}
