// Start-up and the observer's position: the location sources, the fix rules and a typed
// position.
#include <gtest/gtest.h>

#include <QGeoPositionInfoSource>
#include <QTemporaryDir>

#include "FakeAlerts.h"
#include "SkelvorAppDelegate.h"
#include "constants.h"

namespace {

using engine::constants::de2ra;
const Date launch(818300000.0);

// A location service that reports what the test gives it.
class ScriptedSource : public QGeoPositionInfoSource {
public:
    ScriptedSource() : QGeoPositionInfoSource(nullptr) {}
    void report(double latitude, double longitude, double altitude, Date timestamp) {
        emit positionUpdated(QGeoPositionInfo(QGeoCoordinate(latitude, longitude, altitude),
                                              timestamp.toQDateTime()));
    }
    bool running = false;

    void setUpdateInterval(int) override {}
    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override {
        return AllPositioningMethods;
    }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }
    void startUpdates() override { running = true; }
    void stopUpdates() override { running = false; }
    void requestUpdate(int) override {}
};

class Startup : public testing::Test {
protected:
    void SetUp() override {
        app.setDataDirectory(directory.path());
        app.setAlertViewFactory(board.factory());
        app.setReachability([](const QUrl&, ReachabilityAnswer answer) { answer(false); });
        app.setClock([] { return launch; });
    }
    QTemporaryDir directory;
    AlertBoard board;
    SkelvorAppDelegate app;
};

}  // namespace

TEST_F(Startup, WithoutAnySavedLocationTheObserverStandsAtZero) {
    app.setLocationSource(SkelvorAppDelegate::LocationSource::saved);
    app.applicationDidFinishLaunching();
    const engine::geodetic_point_t observer = app.observer_geodetic();
    EXPECT_EQ(observer.lat, 0.0);
    EXPECT_EQ(observer.lon, 0.0);
    EXPECT_EQ(observer.alt, 0.0);
    EXPECT_EQ(app.tleUpdateDays(), 2) << "first run";
    EXPECT_TRUE(board.shown.last().startsWith("No network connectivity"));
}

TEST_F(Startup, TheSimulatorStartsAtItsFixedPlaceWhateverWasSaved) {
    app.setCurrentLocation(Location{10.0, 20.0, 300.0});
    app.setLocationSource(SkelvorAppDelegate::LocationSource::simulator);
    app.applicationDidFinishLaunching();
    const auto location = SkelvorAppDelegate::simulator_location;
    EXPECT_EQ(app.currentLocation(), location);
    EXPECT_DOUBLE_EQ(app.observer_geodetic().lat, location.latitude * de2ra);
    EXPECT_EQ(app.observer_geodetic().alt, 0.0);
}

TEST_F(Startup, TheFirstFreshFixPlacesTheObserverAndEndsTheUpdates) {
    auto* source = new ScriptedSource;
    app.setLocationManagerFactory([source] {
        return std::make_unique<LocationManager>(std::unique_ptr<ScriptedSource>(source));
    });
    app.setLocationSource(SkelvorAppDelegate::LocationSource::service);
    app.applicationDidFinishLaunching();
    ASSERT_TRUE(source->running);
    ASSERT_NE(app.uncertainLocationView(), nullptr);
    EXPECT_EQ(app.uncertainLocationView()->title(), "Finding Location");

    source->report(48.0, 11.0, 500.0, launch - 5.0);  // cached: five seconds old
    EXPECT_TRUE(source->running);
    EXPECT_FALSE(app.currentLocation());

    source->report(48.5, 11.5, 520.0, launch - 4.9);  // counts as four seconds
    EXPECT_FALSE(source->running);
    EXPECT_EQ(app.currentLocation(), (Location{48.5, 11.5, 520.0}));
    EXPECT_DOUBLE_EQ(app.observer_geodetic().lat, 48.5 * de2ra);
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 0.52);
    EXPECT_EQ(app.uncertainLocationView(), nullptr);
}

TEST_F(Startup, ATypedPositionBecomesTheCurrentLocationWithItsAltitude) {
    app.setObserver_geodetic({0.7, -1.2, 0.3, 5.0});
    EXPECT_EQ(app.observer_geodetic().lat, 0.7);
    EXPECT_EQ(app.observer_geodetic().theta, 0.0);
    ASSERT_TRUE(app.currentLocation());
    EXPECT_EQ(app.currentLocation()->latitude, 0.7 / de2ra);
    EXPECT_EQ(app.currentLocation()->longitude, -1.2 / de2ra);
    EXPECT_EQ(app.currentLocation()->altitude, 300.0);  // metres, from 0.3 km
    app.placeObserverAtCurrentLocation();
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 0.3) << "the next placing keeps it";
}
