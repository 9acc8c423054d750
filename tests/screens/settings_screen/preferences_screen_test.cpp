// The preferences screen: filling from the settings, the switches, the number fields with their
// limits and what they say of unusable text, typed coordinates, altitude and locator moving the
// observer, and the form following the window's width.
#include <QDir>
#include <QLabel>

#include "CoordinateText.h"
#include "ScrollView.h"
#include "WatchSettings.h"
#include "preferences_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("settings_screen_tests");

namespace {

const QString fiftyTwoNorth = QStringLiteral("52°  0' 0.00\"");
const QString pointOneWest = QStringLiteral("-0°  6' 0.00\"");

}  // namespace

TEST_F(PreferencesScreen, FillsTheControlsFromTheSettingsEachTimeItAppears) {
    EXPECT_EQ(preferences->title(), QStringLiteral("Preferences"));
    EXPECT_EQ(preferences->scroller()->contentSize().width(),
              preferences->scroller()->viewport()->width())
        << "the form takes the window's width";
    EXPECT_FALSE(preferences->useUTCSwitch()->isOn());
    EXPECT_EQ(preferences->altitude()->text(), QStringLiteral("50"));
    EXPECT_EQ(preferences->locator()->text(), QStringLiteral("IO92wa"));
    EXPECT_EQ(preferences->timelineDuration()->text(), QStringLiteral("12"));
    EXPECT_EQ(preferences->latitude()->text(), fiftyTwoNorth);
    EXPECT_EQ(preferences->longitude()->text(), pointOneWest);

    app.setUseUTC(true);
    app.setShowSunAndMoon(true);
    app.setShowHeldAngle(true);
    app.setShowFootprintTrack(true);
    app.setMinimumPathElevation(-5);
    app.setPassTimetableDuration(3 * 3600 + 1800);
    app.setTleUpdateDays(14);
    app.setTimelineDuration(48);
    app.setUseDecimalDegrees(true);
    reappear();
    EXPECT_TRUE(preferences->useUTCSwitch()->isOn());
    EXPECT_TRUE(preferences->useDecimalDegreesSwitch()->isOn());
    EXPECT_TRUE(preferences->showSunAndMoonSwitch()->isOn());
    EXPECT_TRUE(preferences->showHeldAngleSwitch()->isOn());
    EXPECT_TRUE(preferences->showFootprintTrackSwitch()->isOn());
    EXPECT_EQ(preferences->minimumElevationField()->text(), QStringLiteral("-5"));
    EXPECT_EQ(preferences->passDays()->text(), QStringLiteral("3"));
    EXPECT_EQ(preferences->tleUpdateDays()->text(), QStringLiteral("14"));
    EXPECT_EQ(preferences->timelineDuration()->text(), QStringLiteral("48"));
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("52.000"));
    EXPECT_EQ(preferences->longitude()->text(), QStringLiteral("-0.100"));
    EXPECT_EQ(writesMade(), 0);  // showing the screen changes nothing
}

TEST_F(PreferencesScreen, EachSwitchWritesItsSettingAndAsksForASave) {
    struct Case {
        Switch* control;
        bool (SkelvorAppDelegate::*setting)() const;
        bool SavedState::*savedSetting;
    };
    const Case cases[] = {
        {preferences->useUTCSwitch(), &SkelvorAppDelegate::useUTC, &SavedState::useUTC},
        {preferences->useDecimalDegreesSwitch(), &SkelvorAppDelegate::useDecimalDegrees,
         &SavedState::useDecimalDegrees},
        {preferences->showSunAndMoonSwitch(), &SkelvorAppDelegate::showSunAndMoon,
         &SavedState::showSunAndMoon},
        {preferences->showHeldAngleSwitch(), &SkelvorAppDelegate::showHeldAngle,
         &SavedState::showHeldAngle},
        {preferences->showFootprintTrackSwitch(), &SkelvorAppDelegate::showFootprintTrack,
         &SavedState::showFootprintTrack},
    };
    for (const Case& each : cases) {
        const QString name = each.control->text();
        flip(each.control);
        EXPECT_TRUE((app.*each.setting)()) << name.toStdString();
        EXPECT_TRUE((*saved()).*each.savedSetting) << name.toStdString();
        flip(each.control);
        EXPECT_FALSE((app.*each.setting)()) << name.toStdString();
        EXPECT_FALSE((*saved()).*each.savedSetting) << name.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(app.stateFilePath()));
}

TEST_F(PreferencesScreen, SwitchesShowTheTextsOfTheirStates) {
    Switch* utc = preferences->useUTCSwitch();
    Switch* decimal = preferences->useDecimalDegreesSwitch();
    EXPECT_EQ(utc->text(), QStringLiteral("Local"));
    EXPECT_EQ(decimal->text(), QStringLiteral("D°M'S\""));
    flip(utc);
    flip(decimal);
    EXPECT_EQ(utc->text(), QStringLiteral("UTC"));
    EXPECT_EQ(decimal->text(), QStringLiteral("D.dd"));
}

TEST_F(PreferencesScreen, DecimalDegreesSwitchRewritesBothCoordinateFields) {
    flip(preferences->useDecimalDegreesSwitch());
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("52.000"));
    EXPECT_EQ(preferences->longitude()->text(), QStringLiteral("-0.100"));
    flip(preferences->useDecimalDegreesSwitch());
    EXPECT_EQ(preferences->latitude()->text(), fiftyTwoNorth);
    EXPECT_EQ(preferences->longitude()->text(), pointOneWest);
}

TEST_F(PreferencesScreen, TimelineDurationIsHeldBetweenTwelveAndSixtyHours) {
    const std::pair<QString, int> cases[] = {{"5", 12}, {"100", 60}, {"30", 30}, {"-7", 12}};
    for (const auto& [typed, hours] : cases) {
        type(preferences->timelineDuration(), typed);
        EXPECT_EQ(preferences->timelineDuration()->text(), QString::number(hours));
        EXPECT_EQ(app.timelineDuration(), hours);
        EXPECT_EQ(saved()->timelineDuration, hours);
    }
}

TEST_F(PreferencesScreen, PassDaysAreStoredTimes3600AndShownInWholeDays) {
    type(preferences->passDays(), QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(app.passTimetableDuration(), 7200.0);
    EXPECT_DOUBLE_EQ(saved()->passTimetableDuration, 7200.0);
    reappear();
    EXPECT_EQ(preferences->passDays()->text(), QStringLiteral("2"));

    type(preferences->passDays(), QStringLiteral("1.5"));
    EXPECT_DOUBLE_EQ(app.passTimetableDuration(), 5400.0);
    reappear();
    EXPECT_EQ(preferences->passDays()->text(), QStringLiteral("1"));
}

TEST_F(PreferencesScreen, PassDaysTooLargeToHoldKeepTheSpanInUse) {
    type(preferences->passDays(), QStringLiteral("2"));
    const int writesBefore = writesMade();
    type(preferences->passDays(), QStringLiteral("1e400"));
    EXPECT_DOUBLE_EQ(app.passTimetableDuration(), 7200.0);
    EXPECT_EQ(preferences->passDays()->text(), QStringLiteral("2"));
    EXPECT_EQ(writesMade(), writesBefore);
}

TEST_F(PreferencesScreen, WholeNumberFieldsReadTheLeadingNumber) {
    type(preferences->minimumElevationField(), QStringLiteral("10.9"));
    EXPECT_EQ(app.minimumPathElevation(), 10);
    type(preferences->minimumElevationField(), QStringLiteral("-3.7"));
    EXPECT_EQ(app.minimumPathElevation(), -3);
    EXPECT_EQ(saved()->minimumPathElevation, -3);

    type(preferences->tleUpdateDays(), QStringLiteral(" 7 days"));
    EXPECT_EQ(app.tleUpdateDays(), 7);
    EXPECT_EQ(saved()->tleUpdateDays, 7);
    type(preferences->tleUpdateDays(), QStringLiteral("3 days"));
    EXPECT_EQ(app.tleUpdateDays(), 3);
}

TEST_F(PreferencesScreen, UnusableTextIsNamedBesideItsFieldAndTheValueInUseStays) {
    const int writesBefore = writesMade();
    type(preferences->tleUpdateDays(), QStringLiteral("never"));
    EXPECT_EQ(app.tleUpdateDays(), 2);
    EXPECT_EQ(preferences->tleUpdateDays()->text(), QStringLiteral("2"));
    EXPECT_EQ(preferences->problemOf(preferences->tleUpdateDays()),
              QStringLiteral("“never” is not a number; the value in use stays."));
    EXPECT_EQ(preferences->tleUpdateDays()->accessibleDescription(),
              preferences->problemOf(preferences->tleUpdateDays()));

    type(preferences->minimumElevationField(), QStringLiteral("95"));
    EXPECT_EQ(app.minimumPathElevation(), 0);
    EXPECT_EQ(preferences->problemOf(preferences->minimumElevationField()),
              QStringLiteral("95 is outside -90 to 90; the value in use stays."));
    type(preferences->latitude(), QStringLiteral("abc"));
    EXPECT_FALSE(preferences->problemOf(preferences->latitude()).isEmpty());
    EXPECT_EQ(writesMade(), writesBefore) << "nothing changed, nothing saved";

    type(preferences->minimumElevationField(), QStringLiteral("10"));
    EXPECT_EQ(app.minimumPathElevation(), 10);
    EXPECT_TRUE(preferences->problemOf(preferences->minimumElevationField()).isEmpty());
}

TEST_F(PreferencesScreen, TheDarknessAndTheAlertLeadTimeAreKeptInTheWatchSettingsFile) {
    EXPECT_EQ(preferences->darkness()->text(), QStringLiteral("-6"));
    type(preferences->darkness(), QStringLiteral("-12.5"));
    type(preferences->alertLeadTime(), QStringLiteral("10"));
    const std::optional<WatchSettings> kept = WatchSettings::read(app.watchSettingsPath());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->darknessElevation, -12.5);
    EXPECT_EQ(kept->alertLeadTime, 600.0);

    type(preferences->darkness(), QStringLiteral("3"));
    EXPECT_EQ(preferences->problemOf(preferences->darkness()),
              QStringLiteral("3 is outside -18 to 0; the value in use stays."));
    EXPECT_EQ(preferences->darkness()->text(), QStringLiteral("-12.5"));
    EXPECT_EQ(app.watchSettings().darknessElevation, -12.5);
}

TEST_F(PreferencesScreen, TheAltitudeIsKeptInTheObserverAndTheSavedLocation) {
    type(preferences->altitude(), QStringLiteral("1200"));
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 1.2);
    EXPECT_DOUBLE_EQ(saved()->currentLocation->altitude, 1200.0);
    type(preferences->latitude(), QStringLiteral("45"));
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 1.2) << "a typed position keeps it";
    app.placeObserverAtCurrentLocation();
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 1.2);
    type(preferences->altitude(), QStringLiteral("20000"));
    EXPECT_DOUBLE_EQ(app.observer_geodetic().alt, 1.2);
    EXPECT_EQ(preferences->altitude()->text(), QStringLiteral("1200"));
    EXPECT_FALSE(preferences->problemOf(preferences->altitude()).isEmpty());
}

TEST_F(PreferencesScreen, ALocatorPlacesTheObserverAtItsCentreAndFollowsTheCoordinates) {
    flip(preferences->useDecimalDegreesSwitch());
    type(preferences->locator(), QStringLiteral("jo01"));
    EXPECT_NEAR(observerLatitudeDegrees(), 51.5, 1e-9);
    EXPECT_NEAR(observerLongitudeDegrees(), 1.0, 1e-9);
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("51.500"));
    EXPECT_EQ(preferences->locator()->text(), QStringLiteral("JO01mm"));
    type(preferences->longitude(), QStringLiteral("-0.1"));
    EXPECT_EQ(preferences->locator()->text(), QStringLiteral("IO91wm"));
    type(preferences->locator(), QStringLiteral("JO0"));
    EXPECT_EQ(preferences->locator()->text(), QStringLiteral("IO91wm"));
    EXPECT_FALSE(preferences->problemOf(preferences->locator()).isEmpty());
    EXPECT_NEAR(observerLongitudeDegrees(), -0.1, 1e-9);
}

TEST_F(PreferencesScreen, TypedLatitudeMovesTheObserverAndShowsTheValueInUse) {
    const engine::geodetic_point_t before = app.observer_geodetic();
    type(preferences->latitude(), QStringLiteral("45°30'"));
    EXPECT_DOUBLE_EQ(app.observer_geodetic().lat, 45.5 * radiansPerDegree);
    EXPECT_EQ(app.observer_geodetic().lon, before.lon);
    EXPECT_EQ(app.observer_geodetic().alt, before.alt);
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("45° 30' 0.00\""));
    const std::optional<Location> location = saved()->currentLocation;
    ASSERT_TRUE(location);
    EXPECT_NEAR(location->latitude, 45.5, 1e-6);

    type(preferences->latitude(), QStringLiteral("95.5"));
    EXPECT_DOUBLE_EQ(observerLatitudeDegrees(), 45.5) << "beyond the pole: refused";
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("45° 30' 0.00\""));
    EXPECT_FALSE(preferences->problemOf(preferences->latitude()).isEmpty());
    type(preferences->latitude(), QStringLiteral("90"));
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("90°  0' 0.00\""));

    type(preferences->latitude(), QStringLiteral("-0.5"));
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("-0° 30' 0.00\""));
    reappear();
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("-0° 30' 0.00\""));
}

TEST_F(PreferencesScreen, TypedLongitudeIsBroughtIntoOneTurn) {
    flip(preferences->useDecimalDegreesSwitch());
    type(preferences->longitude(), QStringLiteral("190"));
    EXPECT_DOUBLE_EQ(observerLongitudeDegrees(), -170.0);
    EXPECT_DOUBLE_EQ(observerLatitudeDegrees(), 52.0);
    EXPECT_EQ(preferences->longitude()->text(), QStringLiteral("-170.000"));
    EXPECT_NEAR(saved()->currentLocation->longitude, -170.0, 1e-6);
}

TEST_F(PreferencesScreen, CoordinateTextWithoutANumberLeavesTheObserverWhereItIs) {
    const engine::geodetic_point_t before = app.observer_geodetic();
    for (const QString& typed : {QString(), QStringLiteral("north"), QStringLiteral("  ")}) {
        type(preferences->latitude(), typed);
        type(preferences->longitude(), typed);
        EXPECT_EQ(app.observer_geodetic().lat, before.lat) << typed.toStdString();
        EXPECT_EQ(app.observer_geodetic().lon, before.lon) << typed.toStdString();
        EXPECT_EQ(preferences->latitude()->text(), fiftyTwoNorth);
        EXPECT_EQ(preferences->longitude()->text(), pointOneWest);
    }
    EXPECT_EQ(writesMade(), 0);
}

TEST_F(PreferencesScreen, LeavingAFieldByTabCommitsItToo) {
    TextField* field = preferences->minimumElevationField();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("15"));
    EXPECT_EQ(app.minimumPathElevation(), 0);  // not while typing
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(app.minimumPathElevation(), 15);
}

TEST_F(PreferencesScreen, EveryControlAndCaptionHasItsRoomAtAnyWidth) {
    type(preferences->tleUpdateDays(), QStringLiteral("never"));  // a problem shown too
    expectEveryControlHasItsRoom();
    EXPECT_LE(preferences->minimumElevationField()->width(), preferences->latitude()->width())
        << "fields as wide as their texts need";
}

// A typed position is the fixed position: the switch of the location service goes off, and on
// again only at the user's word.
TEST_F(PreferencesScreen, ATypedPositionIsFixedUntilTheLocationServiceIsChosenAgain) {
    EXPECT_TRUE(preferences->useLocationServiceSwitch()->isOn());
    type(preferences->latitude(), QStringLiteral("48.5"));
    EXPECT_EQ(app.positionChoice(), PositionChoice::fixedPosition);
    EXPECT_FALSE(preferences->useLocationServiceSwitch()->isOn());
    reappear();
    EXPECT_FALSE(preferences->useLocationServiceSwitch()->isOn());

    flip(preferences->useLocationServiceSwitch());
    EXPECT_EQ(app.positionChoice(), PositionChoice::locationService);
    EXPECT_EQ(readPositionChoice(app.positionChoicePath()), PositionChoice::locationService);
    EXPECT_NEAR(observerLatitudeDegrees(), 48.5, 1e-9) << "kept until a fix comes";
}

// A fix from the location service while the screen is open shows at once, except in a field the
// user is typing in.
TEST_F(PreferencesScreen, AFixWhileOpenMovesThePositionFieldsButNotTheOneBeingTyped) {
    preferences->altitude()->setFocus();
    preferences->altitude()->setText(QStringLiteral("12"));
    preferences->altitude()->setModified(true);
    app.locationUpdated({Location{-33.86, 151.21, 40.0}, now});
    EXPECT_EQ(preferences->latitude()->text(), QStringLiteral("-33° 51' 36.00\""));
    EXPECT_EQ(preferences->locator()->text(), QStringLiteral("QF56od"));
    EXPECT_EQ(preferences->altitude()->text(), QStringLiteral("12"));
    // Typing given up: nothing left to commit (and save) as the screen goes.
    preferences->altitude()->setModified(false);
}
