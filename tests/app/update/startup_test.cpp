// Start-up and the observer's position: the location sources, the fix rules and a typed
// position.
#include <gtest/gtest.h>

#include <QFile>
#include <QGeoPositionInfoSource>
#include <QTemporaryDir>
#include <QTest>

#include "FakeAlerts.h"
#include "NotificationCenter.h"
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
    app.placeObserverAtTypedPosition({0.7, -1.2, 0.3, 5.0});
    EXPECT_EQ(app.observer_geodetic().lat, 0.7);
    EXPECT_EQ(app.observer_geodetic().theta, 0.0);
    ASSERT_TRUE(app.currentLocation());
    EXPECT_EQ(app.currentLocation()->latitude, 0.7 / de2ra);
    EXPECT_EQ(app.currentLocation()->longitude, -1.2 / de2ra);
    EXPECT_EQ(app.currentLocation()->altitude, 300.0);  // metres, from 0.3 km
    app.placeObserverAtCurrentLocation();
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 0.3) << "the next placing keeps it";
}

namespace {

// A location manager over a source that never answers, or answers when the test says.
std::function<std::unique_ptr<LocationManager>()> managerOver(ScriptedSource* source) {
    return [source] {
        return std::make_unique<LocationManager>(std::unique_ptr<ScriptedSource>(source));
    };
}

}  // namespace

TEST_F(Startup, WithoutAFixInTimeTheFirstRunAsksForThePositionAfterTheUpdateQuestion) {
    auto* silent = new ScriptedSource;
    app.setLocationManagerFactory(managerOver(silent));
    app.setLocationWaitLimit(std::chrono::milliseconds(20));
    app.setLocationSource(SkelvorAppDelegate::LocationSource::service);
    int wanted = 0;
    const auto token = NotificationCenter::defaultCenter().addObserver(
        SkelvorAppDelegate::positionWantedNotification,
        [&wanted](const Notification&) { ++wanted; });
    app.applicationDidFinishLaunching();
    ASSERT_NE(app.uncertainLocationView(), nullptr);

    QTRY_VERIFY(app.uncertainLocationView() == nullptr);  // "Finding Location" never waits on
    EXPECT_EQ(app.positionQuestionView(), nullptr) << "not over the update's own box";
    board.find("No network connectivity")->clickButton(0);
    ASSERT_NE(app.positionQuestionView(), nullptr);
    FakeAlertView* question = board.find("Position Unknown");
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isVisible());
    EXPECT_TRUE(question->message().contains("Maidenhead locator"));
    EXPECT_EQ(question->buttons(), QStringList({"Later", "Enter Position"}));
    question->clickButton(1);
    EXPECT_EQ(wanted, 1);
    EXPECT_EQ(app.positionQuestionView(), nullptr);
    NotificationCenter::defaultCenter().removeObserver(token);
}

TEST_F(Startup, WithoutAnyLocationServiceTheFirstRunAsksOnceTheUpdateQuestionIsAnswered) {
    app.setLocationManagerFactory([] { return std::unique_ptr<LocationManager>(); });
    app.setLocationSource(SkelvorAppDelegate::LocationSource::service);
    app.applicationDidFinishLaunching();
    EXPECT_EQ(app.uncertainLocationView(), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(app.positionQuestionView(), nullptr);
    board.find("No network connectivity")->clickButton(0);
    ASSERT_NE(app.positionQuestionView(), nullptr);
    EXPECT_TRUE(board.shown.last().startsWith("Position Unknown"));
    board.find("Position Unknown")->clickButton(0);  // "Later": nothing else happens
    EXPECT_EQ(app.positionQuestionView(), nullptr);
    EXPECT_EQ(app.observer_geodetic().lat, 0.0);
}

TEST_F(Startup, AFixInTimeEndsTheWaitAndAsksNothing) {
    auto* source = new ScriptedSource;
    app.setLocationManagerFactory(managerOver(source));
    app.setLocationWaitLimit(std::chrono::milliseconds(20));
    app.setLocationSource(SkelvorAppDelegate::LocationSource::service);
    app.applicationDidFinishLaunching();
    source->report(48.5, 11.5, 520.0, launch);
    EXPECT_EQ(app.currentLocation(), (Location{48.5, 11.5, 520.0}));
    board.find("No network connectivity")->clickButton(0);
    EXPECT_EQ(app.positionQuestionView(), nullptr);
    EXPECT_EQ(app.uncertainLocationView(), nullptr);
}

// A typed position is the fixed position: neither a fix nor the simulator's place replaces it
// at the next start, until the user chooses the location service again.
TEST_F(Startup, AFixedPositionSurvivesARestart) {
    const engine::geodetic_point_t typed{0.9, 0.2, 0.1, 0.0};
    app.placeObserverAtTypedPosition(typed);
    app.setPreferencesAltered(true);
    app.waitForPendingSaves();
    EXPECT_EQ(readPositionChoice(app.positionChoicePath()), PositionChoice::fixedPosition);

    // The simulator first: the service's turn ends by choosing the location service again.
    for (const auto source : {SkelvorAppDelegate::LocationSource::simulator,
                              SkelvorAppDelegate::LocationSource::service}) {
        AlertBoard nextBoard;
        SkelvorAppDelegate next;
        next.setDataDirectory(directory.path());
        next.setAlertViewFactory(nextBoard.factory());
        next.setReachability([](const QUrl&, ReachabilityAnswer answer) { answer(false); });
        next.setClock([] { return launch; });
        bool serviceAsked = false;
        next.setLocationManagerFactory([&serviceAsked] {
            serviceAsked = true;
            return std::unique_ptr<LocationManager>();
        });
        next.setLocationSource(source);
        next.applicationDidFinishLaunching();
        EXPECT_EQ(next.positionChoice(), PositionChoice::fixedPosition);
        EXPECT_FALSE(serviceAsked);
        EXPECT_EQ(next.uncertainLocationView(), nullptr);
        EXPECT_DOUBLE_EQ(next.observer_geodetic().lat, typed.lat);
        EXPECT_DOUBLE_EQ(next.observer_geodetic().alt, typed.alt);
        if (source == SkelvorAppDelegate::LocationSource::simulator) continue;

        // Choosing the location service again asks it, and its fix is taken.
        auto* answering = new ScriptedSource;
        next.setLocationManagerFactory(managerOver(answering));
        next.setPositionChoice(PositionChoice::locationService);
        EXPECT_TRUE(answering->running);
        answering->report(48.5, 11.5, 520.0, launch);
        EXPECT_DOUBLE_EQ(next.observer_geodetic().lat, 48.5 * de2ra);
        EXPECT_EQ(readPositionChoice(next.positionChoicePath()), PositionChoice::locationService);
        next.waitForPendingSaves();
    }
}

TEST(PositionChoiceFile, AnythingButTheFixedWordMeansTheLocationService) {
    QTemporaryDir directory;
    const QString path = directory.filePath("positionSource");
    EXPECT_EQ(readPositionChoice(path), PositionChoice::locationService) << "no file";
    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    EXPECT_EQ(readPositionChoice(path), PositionChoice::locationService);
    ASSERT_TRUE(writePositionChoice(path, PositionChoice::fixedPosition));
    EXPECT_EQ(readPositionChoice(path), PositionChoice::fixedPosition);
    EXPECT_FALSE(writePositionChoice(QString(), PositionChoice::fixedPosition));
}
