// A delegate for screen tests: a temporary data directory, a clock fixed at the samples' epoch
// (2026-12-06 12:00 UTC) that tests may move, the observer at a fixed place, and the bundled
// sample element sets merged into the catalogue, one category per file ("Sample GEO", ...).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTemporaryDir>

#include "SkelvorAppDelegate.h"
#include "qt_environment.h"

class ScreenFixture : public testing::Test {
protected:
    // 2026-12-06 12:00:00 UTC, the samples' epoch, in seconds since 2001-01-01.
    static constexpr double sampleEpoch = 818251200.0;

    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "text would render as boxes";
        app.setDataDirectory(directory.path());
        app.setClock([this] { return now; });
        app.setObserver_geodetic({observerLatitude, observerLongitude, 0.05, 0.0});
        loadSamples();
    }

    void TearDown() override { app.waitForPendingSaves(); }

    void loadSamples() {
        const QDir samples(QStringLiteral(SKELVOR_SAMPLES));
        for (const QFileInfo& file : samples.entryInfoList({QStringLiteral("*.txt")})) {
            QFile input(file.filePath());
            ASSERT_TRUE(input.open(QIODevice::ReadOnly));
            QString category = file.baseName().replace(u'-', u' ');
            category[0] = category[0].toUpper();
            category.replace(QStringLiteral("sample "), QStringLiteral("Sample "));
            app.mergeTLEFile(QString::fromUtf8(input.readAll()), category, file.fileName());
        }
    }

    std::shared_ptr<SatelliteData> select(const QString& name) {
        app.setSatelliteSelected(name, true);
        return app.findSatelliteByCommonName(name);
    }

    // Latitude 52° N, longitude 0.1° W (radians) and 50 m.
    static constexpr double observerLatitude = 0.9075712110370514;
    static constexpr double observerLongitude = -0.0017453292519943296;

    QTemporaryDir directory;
    Date now{sampleEpoch};
    SkelvorAppDelegate app;
};

// Saves a picture of the widget as <name>.png in the directory SKELVOR_SHOTS names, for a person
// to look at; false when it names none.
inline bool saveShot(QWidget& widget, const QString& name) {
    const QString shots = qEnvironmentVariable("SKELVOR_SHOTS");
    if (shots.isEmpty()) return false;
    QDir().mkpath(shots);
    QCoreApplication::processEvents();  // lets tables lay out their rows
    widget.grab().save(shots + u'/' + name + QStringLiteral(".png"));
    return true;
}

// Each screen test program registers its application once.
#define SKELVOR_SCREEN_TEST_APPLICATION(name)                                      \
    [[maybe_unused]] static testing::Environment* const skelvorScreenApplication = \
        testing::AddGlobalTestEnvironment(new QtEnvironment<QApplication>(name))
