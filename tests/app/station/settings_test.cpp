// The station settings: their own file beside the saved state, read back as written, every
// value out of its range replaced by its default, and a damaged file read as the defaults.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "SkelvorAppDelegate.h"
#include "StationControl.h"

TEST(StationSettings, WrittenBesideTheStateAndReadBack) {
    QTemporaryDir directory;
    StationSettings settings;
    settings.radio = {true, QStringLiteral("radio.local"), 14532, 0.2, VfoLayout::twoVfos, 25.0};
    settings.rotator.enabled = true;
    settings.rotator.limits.azimuthMin = -180.0;
    settings.rotator.limits.azimuthMax = 540.0;
    settings.rotator.limits.elevationMax = 180.0;
    settings.rotator.limits.park = {180.0, 90.0};
    settings.transmitters = {QUrl(QStringLiteral("https://example.org/tx.json")), true};
    {
        SkelvorAppDelegate appDelegate;
        appDelegate.setDataDirectory(directory.path());
        EXPECT_EQ(appDelegate.station().settings(), StationSettings());  // all off at first
        EXPECT_TRUE(appDelegate.station().setSettings(settings));
        EXPECT_FALSE(QFile::exists(appDelegate.stateFilePath()));  // the state is not touched
    }
    SkelvorAppDelegate restarted;
    restarted.setDataDirectory(directory.path());
    EXPECT_EQ(restarted.station().settings(), settings);
}

TEST(StationSettings, ValuesOutOfRangeTakeTheirDefaults) {
    const StationSettings defaults;
    StationSettings wild;
    wild.radio.interval = 0.05;
    wild.radio.step = -3.0;
    wild.radio.host = QStringLiteral("a host; rm -rf");
    wild.rotator.interval = 1e9;
    wild.rotator.limits.azimuthMax = 200.0;
    wild.transmitters.source = QUrl(QStringLiteral("ftp://example.org/list"));
    const StationSettings valid = wild.validated();
    EXPECT_EQ(valid.radio.interval, defaults.radio.interval);
    EXPECT_EQ(valid.radio.step, defaults.radio.step);
    EXPECT_EQ(valid.radio.host, defaults.radio.host);
    EXPECT_EQ(valid.rotator.interval, defaults.rotator.interval);
    EXPECT_EQ(valid.rotator, defaults.rotator);
    EXPECT_TRUE(valid.transmitters.source.isEmpty());

    // Wrong types, unknown names and unknown keys in the file's map.
    const QCborMap odd{
        {QStringLiteral("Radio"), QCborMap{{QStringLiteral("Enabled"), QStringLiteral("yes")},
                                           {QStringLiteral("Port"), 70000},
                                           {QStringLiteral("VfoLayout"), QStringLiteral("Triple")},
                                           {QStringLiteral("Interval"), 0.5}}},
        {QStringLiteral("FutureKey"), 1}};
    const StationSettings read = StationSettings::fromCbor(odd);
    EXPECT_FALSE(read.radio.enabled);
    EXPECT_EQ(read.radio.port, 4532);
    EXPECT_EQ(read.radio.layout, VfoLayout::single);
    EXPECT_EQ(read.radio.interval, 0.5);
}

TEST(StationSettings, ADamagedFileReadsAsTheDefaults) {
    QTemporaryDir directory;
    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(directory.path());
    QDir().mkpath(QFileInfo(appDelegate.stationSettingsPath()).path());
    QFile file(appDelegate.stationSettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xa1\x65Radio\xff garbage");
    file.close();
    EXPECT_EQ(appDelegate.station().settings(), StationSettings());
}
