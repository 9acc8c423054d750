// The preferences screen: filling from the settings, the switches, the number fields with their
// limits, and typed coordinates moving the observer.
#include <QDir>

#include "CoordinateText.h"
#include "ScrollView.h"
#include "preferences_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("settings_screen_tests");

namespace {

const QString fiftyTwoNorth = QStringLiteral("52°  0' 0.00\"");
const QString pointOneWest = QStringLiteral("-0°  6' 0.00\"");

}  // namespace

TEST_F(PreferencesScreen, FillsTheControlsFromTheSettingsEachTimeItAppears) {
    EXPECT_EQ(preferences->title(), QStringLiteral("Preferences"));
    EXPECT_EQ(preferences->scroller()->contentSize(), QSize(320, 700));
    EXPECT_FALSE(preferences->useUTCSwitch()->isOn());
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
    type(preferences->tleUpdateDays(), QStringLiteral("never"));
    EXPECT_EQ(app.tleUpdateDays(), 0);
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
    EXPECT_DOUBLE_EQ(observerLatitudeDegrees(), 90.0);
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

TEST_F(PreferencesScreen, EveryControlLiesInsideTheContentWithoutOverlapping) {
    QWidget* content = preferences->scroller()->content();
    const QWidget* controls[] = {preferences->useUTCSwitch(),
                                 preferences->useDecimalDegreesSwitch(),
                                 preferences->showSunAndMoonSwitch(),
                                 preferences->showHeldAngleSwitch(),
                                 preferences->showFootprintTrackSwitch(),
                                 preferences->minimumElevationField(),
                                 preferences->passDays(),
                                 preferences->timelineDuration(),
                                 preferences->tleUpdateDays(),
                                 preferences->latitude(),
                                 preferences->longitude()};
    std::vector<QRect> frames;
    for (const QWidget* control : controls) {
        const QRect frame(control->mapTo(content, QPoint()), control->size());
        EXPECT_TRUE(content->rect().contains(frame)) << control->metaObject()->className();
        for (const QRect& other : frames) EXPECT_FALSE(frame.intersects(other));
        frames.push_back(frame);
    }

    if (!saveShot(*content, QStringLiteral("preferences"))) return;
    saveShot(*navigation, QStringLiteral("preferences-visible"));
    for (Switch* control : {preferences->useUTCSwitch(), preferences->useDecimalDegreesSwitch(),
                            preferences->showSunAndMoonSwitch()}) {
        flip(control);
    }
    preferences->latitude()->setFocus();
    saveShot(*content, QStringLiteral("preferences-on"));
}
