// Loading the saved state at launch: the first-run values, the limits applied to settings, the
// selection restored by name, and what becomes of damaged files and interrupted saves.
#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SkelvorAppDelegate.h"
#include "state_fixture.h"

using namespace state_fixture;
using LoadMode = SkelvorAppDelegate::LoadMode;

namespace {

const Date launch_time(818251200.0);  // 2026-12-06T12:00:00Z

class LoadTest : public ::testing::Test {
protected:
    std::unique_ptr<SkelvorAppDelegate> load(LoadMode mode = LoadMode::launch) {
        auto appDelegate = std::make_unique<SkelvorAppDelegate>();
        appDelegate->setDataDirectory(directory.path());
        appDelegate->setClock([] { return launch_time; });
        appDelegate->loadSavedState(mode);
        return appDelegate;
    }
    void write(const SavedState& state) { ASSERT_TRUE(writeState(directory.path(), state)); }
    void writeBytes(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(preferences().path()));
        QFile file(preferences().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readBytes(const QString& name) const {
        QFile file(preferences().filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QDir preferences() const { return QDir(directory.filePath("Library/Preferences")); }
    QStringList files() const { return preferences().entryList(QDir::Files, QDir::Name); }

    QTemporaryDir directory;
};

void expectFirstRun(const SkelvorAppDelegate& appDelegate) {
    EXPECT_TRUE(appDelegate.knownSatellites().isEmpty());
    EXPECT_TRUE(appDelegate.selectedSatellites().isEmpty());
    EXPECT_FALSE(appDelegate.currentSatellite());
    EXPECT_EQ(appDelegate.tleUpdateDays(), 2);
    EXPECT_EQ(appDelegate.timelineDuration(), 12);
    EXPECT_LT(appDelegate.dateOfLastTLEUpdate(), launch_time - 10000 * 86400.0);
    EXPECT_FALSE(appDelegate.useUTC() || appDelegate.useDecimalDegrees() ||
                 appDelegate.showHeldAngle() || appDelegate.showSunAndMoon() ||
                 appDelegate.showFootprintTrack());
    EXPECT_EQ(appDelegate.minimumPathElevation(), 0);
    EXPECT_EQ(appDelegate.passTimetableDuration(), 0.0);
    EXPECT_FALSE(appDelegate.currentLocation());
}

QStringList names(const QList<std::shared_ptr<SatelliteData>>& satellites) {
    QStringList result;
    for (const auto& satellite : satellites) result << satellite->commonName();
    return result;
}

}  // namespace

TEST_F(LoadTest, WithoutAFileTheFirstRunValuesApply) {
    expectFirstRun(*load());

    // A catalogue without the other keys is no first run: the update period is not defaulted.
    write(SavedState{});
    const auto appDelegate = load();
    EXPECT_EQ(appDelegate->tleUpdateDays(), 0);
    EXPECT_EQ(appDelegate->timelineDuration(), 12);
    EXPECT_TRUE(appDelegate->knownSatellites().isEmpty());
}

TEST_F(LoadTest, ATimelineShorterThanTwelveHoursBecomesTwelve) {
    for (const auto& [stored, loaded] : {std::pair{5, 12}, {11, 12}, {12, 12}, {60, 60}}) {
        SavedState state;
        state.timelineDuration = stored;
        write(state);
        EXPECT_EQ(load()->timelineDuration(), loaded) << "stored " << stored;
    }
}

TEST_F(LoadTest, TheSelectionComesBackByNameInItsOrder) {
    SavedState state;
    state.knownSatellites = generatedCatalogue(21);
    const auto& geo = state.knownSatellites[0].satellites;  // categories in their sorted order
    const auto& leo = state.knownSatellites[2].satellites;
    // The same name in a later category is not the one selected.
    SavedState::Entry twin = geo[0];
    twin.satellite.catalogNumber = 7;
    state.knownSatellites[3].satellites.push_back(twin);
    state.selectedSatellites = {leo[2].name, "NO LONGER KNOWN", geo[0].name, leo[0].name};
    state.currentSatellite = geo[0].name;
    write(state);

    auto appDelegate = load();
    EXPECT_EQ(names(appDelegate->selectedSatellites()),
              QStringList({leo[2].name, geo[0].name, leo[0].name}));
    ASSERT_TRUE(appDelegate->currentSatellite());
    EXPECT_EQ(appDelegate->currentSatellite(), appDelegate->selectedSatellites()[1]);
    EXPECT_NE(appDelegate->currentSatellite()->catalogNumber(), 7);
    EXPECT_EQ(appDelegate->selectedSatellites()[0],
              appDelegate->knownSatellites()["sample-leo"][leo[2].name]);

    // A current satellite that is not selected does not come back.
    state.currentSatellite = leo[1].name;
    write(state);
    appDelegate = load();
    EXPECT_EQ(appDelegate->selectedSatellites().size(), 3);
    EXPECT_FALSE(appDelegate->currentSatellite());
}

TEST_F(LoadTest, EntriesThatAreNoSatellitesAreSkipped) {
    SavedState state;
    state.knownSatellites = generatedCatalogue(21);
    const QString broken = state.knownSatellites[2].satellites[0].name;
    QCborMap archive = QCborValue::fromCbor(state.toCbor()).toMap();
    QCborMap catalogue = archive.value("KnownSatellites").toMap();
    QCborMap leo = catalogue.value("sample-leo").toMap();
    QCborMap entry = leo.value(broken).toMap();
    entry.insert(QStringLiteral("SatDatData"), QByteArray(1431, '\0'));
    leo.insert(broken, entry);
    leo.insert(QStringLiteral("NOT A SATELLITE"), QStringLiteral("text"));
    catalogue.insert(QStringLiteral("sample-leo"), leo);
    catalogue.insert(QStringLiteral("NOT A CATEGORY"), 42);
    archive.insert(QStringLiteral("KnownSatellites"), catalogue);
    writeBytes("currentState", archive.toCborValue().toCbor());

    const auto appDelegate = load();
    EXPECT_EQ(appDelegate->knownSatellites().keys(), sample_categories);
    const auto& loaded = appDelegate->knownSatellites()["sample-leo"];
    EXPECT_EQ(loaded.size(),
              static_cast<qsizetype>(state.knownSatellites[2].satellites.size()) - 1);
    EXPECT_FALSE(loaded.contains(broken));
    EXPECT_FALSE(loaded.contains("NOT A SATELLITE"));
}

TEST_F(LoadTest, AFileThatIsNoArchiveIsKeptAsideAndTheFirstRunValuesApply) {
    SavedState state;
    state.knownSatellites = generatedCatalogue(5);
    state.timelineDuration = 24;
    const QByteArray whole = state.toCbor();
    const QList<std::pair<const char*, QByteArray>> damaged{
        {"truncated", whole.left(whole.size() / 2)},
        {"trailing bytes", whole + "junk"},
        {"empty", QByteArray()},
        {"not a map", QCborValue(QCborArray{1, 2, 3}).toCbor()},
        {"text", "currentState\n"},
    };
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        writeBytes("currentState", bytes);
        expectFirstRun(*load());
        EXPECT_EQ(files(), QStringList{"currentState.unreadable-20261206T120000"});
        EXPECT_EQ(readBytes("currentState.unreadable-20261206T120000"), bytes);
        ASSERT_TRUE(preferences().remove("currentState.unreadable-20261206T120000"));
    }
}

TEST_F(LoadTest, TemporariesOfAnInterruptedSaveAreRemovedAtLaunch) {
    SavedState state;
    state.timelineDuration = 24;
    write(state);
    writeBytes("currentState.saving-a1B2c3", "half a state");
    writeBytes("currentState.unreadable-20261201T000000", "kept");
    writeBytes("downloadTimes", "{}");
    writeBytes("downloadTimes.saving-x9Y8z7", "half a log");
    EXPECT_EQ(load()->timelineDuration(), 24);
    EXPECT_EQ(files(), QStringList({"currentState", "currentState.unreadable-20261201T000000",
                                    "downloadTimes"}));
}

TEST_F(LoadTest, AReadOnlyLoadChangesNoFile) {
    EXPECT_EQ(load(LoadMode::readOnly)->tleUpdateDays(), 2);
    EXPECT_FALSE(preferences().exists());

    writeBytes("currentState", "not an archive");
    writeBytes("currentState.saving-a1B2c3", "half a state");
    expectFirstRun(*load(LoadMode::readOnly));
    EXPECT_EQ(files(), QStringList({"currentState", "currentState.saving-a1B2c3"}));
    EXPECT_EQ(readBytes("currentState"), "not an archive");
}
