// Saving and loading again: everything the user set comes back, and the file has its fixed
// layout.
#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "SkelvorAppDelegate.h"
#include "state_fixture.h"

using namespace state_fixture;

namespace {

const Date update_time(818200000.0);

class RoundTripTest : public ::testing::Test {
protected:
    RoundTripTest() {
        SavedState state;
        state.knownSatellites = generatedCatalogue(40);
        EXPECT_TRUE(writeState(directory.path(), state));
    }
    std::unique_ptr<SkelvorAppDelegate> load() {
        auto appDelegate = std::make_unique<SkelvorAppDelegate>();
        appDelegate->setDataDirectory(directory.path());
        appDelegate->loadSavedState();
        return appDelegate;
    }
    void save(SkelvorAppDelegate& appDelegate) {
        appDelegate.setPreferencesAltered(true);
        appDelegate.waitForPendingSaves();
    }
    QCborMap file() const {
        QFile file(stateFile(directory.path()));
        return file.open(QIODevice::ReadOnly) ? QCborValue::fromCbor(file.readAll()).toMap()
                                              : QCborMap();
    }

    QTemporaryDir directory;
};

std::shared_ptr<SatelliteData> satellite(const SkelvorAppDelegate& appDelegate,
                                         const QString& category, qsizetype index) {
    return appDelegate.knownSatellites()[category].values().value(index);
}

void expectSameSatellite(const SatelliteData& restored, const SatelliteData& saved) {
    EXPECT_EQ(restored.commonName(), saved.commonName());
    EXPECT_EQ(restored.tleFileName(), saved.tleFileName());
    EXPECT_EQ(restored.catalogNumber(), saved.catalogNumber());
    EXPECT_EQ(restored.operationalStatus(), saved.operationalStatus());
    ASSERT_TRUE(restored.keplerDate());
    EXPECT_NEAR(*restored.keplerDate() - *saved.keplerDate(), 0.0, 0.0005);
    EXPECT_EQ(restored.frequencyInfo(), saved.frequencyInfo());
    EXPECT_EQ(restored.comments(), saved.comments());
    EXPECT_EQ(std::memcmp(&restored.satelliteData(), &saved.satelliteData(),
                          sizeof(engine::sat_record_t)),
              0);
}

}  // namespace

TEST_F(RoundTripTest, EverythingTheUserSetComesBack) {
    const auto saved = load();
    const auto station = satellite(*saved, "sample-leo", 3);
    const auto geo = satellite(*saved, "sample-geo", 1);
    const auto nav = satellite(*saved, "sample-nav", 0);
    station->setComments(QStringLiteral("Voice repeater, evenings"));
    station->setFrequencyInfo(QList<FrequencyRecord>{
        {QStringLiteral("145.990 MHz"), QStringLiteral("437.800 MHz"), QStringLiteral("FM"), true},
        {}});
    station->predictLocationAt(*station->keplerDate() + 3600.0);
    saved->selectedSatellites() = {nav, station, geo};
    saved->setCurrentSatellite(station);
    saved->setDateOfLastTLEUpdate(update_time);
    saved->setCurrentLocation(Location{-33.8688, 151.2093, 58.5});
    saved->setUseUTC(true);
    saved->setUseDecimalDegrees(true);
    saved->setPassTimetableDuration(3 * 3600.0);
    saved->setMinimumPathElevation(-5);
    saved->setShowHeldAngle(true);
    saved->setShowSunAndMoon(true);
    saved->setShowFootprintTrack(true);
    saved->setTleUpdateDays(9);
    saved->setTimelineDuration(48);
    save(*saved);

    const auto loaded = load();
    ASSERT_EQ(loaded->knownSatellites().keys(), saved->knownSatellites().keys());
    for (const QString& category : saved->knownSatellites().keys()) {
        const auto& before = saved->knownSatellites()[category];
        const auto& after = loaded->knownSatellites()[category];
        ASSERT_EQ(after.keys(), before.keys());
        for (const QString& name : before.keys()) expectSameSatellite(*after[name], *before[name]);
    }
    QStringList selection;
    for (const auto& selected : loaded->selectedSatellites()) selection << selected->commonName();
    EXPECT_EQ(selection,
              QStringList({nav->commonName(), station->commonName(), geo->commonName()}));
    EXPECT_EQ(loaded->currentSatellite(), loaded->selectedSatellites()[1]);
    EXPECT_EQ(loaded->dateOfLastTLEUpdate(), update_time);
    EXPECT_EQ(loaded->currentLocation(), (Location{-33.8688, 151.2093, 58.5}));
    EXPECT_TRUE(loaded->useUTC());
    EXPECT_TRUE(loaded->useDecimalDegrees());
    EXPECT_EQ(loaded->passTimetableDuration(), 3 * 3600.0);
    EXPECT_EQ(loaded->minimumPathElevation(), -5);
    EXPECT_TRUE(loaded->showHeldAngle());
    EXPECT_TRUE(loaded->showSunAndMoon());
    EXPECT_TRUE(loaded->showFootprintTrack());
    EXPECT_EQ(loaded->tleUpdateDays(), 9);
    EXPECT_EQ(loaded->timelineDuration(), 48);
}

// The update's choices follow the fourteen keys, where readers that do not know them pass over
// them.
TEST_F(RoundTripTest, TheUpdatesChoicesComeBack) {
    SavedState state;
    state.knownSatellites = generatedCatalogue(4);
    state.serverCategories = {{"Amateur Radio", "GROUP=amateur"}, {"Old Group", "GROUP=old"}};
    state.updateCategories = QStringList{"Amateur Radio"};
    state.droppedGroups = {"GROUP=old"};
    ASSERT_TRUE(writeState(directory.path(), state));

    const auto appDelegate = load();
    EXPECT_EQ(appDelegate->serverCategoryNames(), QStringList({"Amateur Radio", "Old Group"}));
    EXPECT_EQ(appDelegate->chosenUpdateCategories(), QStringList{"Amateur Radio"});
    EXPECT_TRUE(appDelegate->isChosenForUpdate("Amateur Radio"));
    EXPECT_FALSE(appDelegate->isChosenForUpdate("Old Group"));
    EXPECT_TRUE(appDelegate->isDroppedByServer("Old Group"));
    EXPECT_FALSE(appDelegate->isDroppedByServer("Amateur Radio"));

    appDelegate->setChosenUpdateCategories(std::nullopt);  // asks for a save
    appDelegate->waitForPendingSaves();
    const auto reloaded = load();
    EXPECT_FALSE(reloaded->chosenUpdateCategories()) << "all categories, the default";
    EXPECT_TRUE(reloaded->isChosenForUpdate("Old Group"));
    EXPECT_TRUE(reloaded->isDroppedByServer("Old Group"));
}

TEST_F(RoundTripTest, TheFileHoldsTheFourteenKeysInTheirOrder) {
    const auto appDelegate = load();
    appDelegate->setDateOfLastTLEUpdate(update_time);
    save(*appDelegate);

    const QCborMap archive = file();
    QStringList keys;
    for (auto it = archive.constBegin(); it != archive.constEnd(); ++it) {
        keys << it.key().toString();
    }
    EXPECT_EQ(keys, QStringList({"KnownSatellites", "SelectedSatellites", "CurrentSatellite",
                                 "DateOfTLEUpdate", "UseUTC", "UseDecimalDegrees",
                                 "PassTimetableDuration", "MinimumPathElevation", "CurrentLocation",
                                 "ShowHeldAngle", "ShowSunAndMoon", "ShowFootprintTrack",
                                 "TLEUpdateDays", "TimelineDuration", "ServerCategories",
                                 "UpdateCategories", "DroppedGroups"}));
    EXPECT_EQ(archive.value("CurrentSatellite"), QCborValue(QString("")));
    EXPECT_TRUE(archive.value("CurrentLocation").isNull());
    // Tag 1, seconds since 1970, which reading turns into a date-time.
    EXPECT_EQ(archive.value("DateOfTLEUpdate").toDateTime(), update_time.toQDateTime());
    EXPECT_TRUE(archive.value("PassTimetableDuration").isDouble());
    EXPECT_TRUE(archive.value("TimelineDuration").isInteger());
    const QCborMap entry = archive.value("KnownSatellites")
                               .toMap()
                               .value("sample-heo")
                               .toMap()
                               .value(satellite(*appDelegate, "sample-heo", 0)->commonName())
                               .toMap();
    EXPECT_EQ(entry.value("SatDatData").toByteArray().size(), 1432);

    appDelegate->setCurrentLocation(Location{10.5, -20.25, 300.0});
    save(*appDelegate);
    const QCborMap location = file().value("CurrentLocation").toMap();
    EXPECT_EQ(location, QCborMap({{"Latitude", 10.5}, {"Longitude", -20.25}, {"Altitude", 300.0}}));
}
