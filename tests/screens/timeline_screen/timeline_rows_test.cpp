// The timeline's rows: up to ten coming passes of each selected satellite laid out as bars for
// the space the window gives, laid out again when it changes size, and recomputed on a later
// appearance when the timeline's hours changed, or at once when the position changes.
#include "PassViewController.h"
#include "PassVisibility.h"
#include "WatchSettings.h"
#include "scoped_time_zone.h"
#include "timeline_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("timeline_screen_tests");

namespace {

TEST_F(TimelineScreen, RowsHoldTheComingPassesOfEachSelectedSatellite) {
    const QStringList names{"SAMPLE STATION", "SAMPLE GEO EAST", "SAMPLE MOLNIYA", "SAMPLE NAV A1"};
    const auto& rows = open(names).satellites();
    ASSERT_EQ(rows.size(), 4u);
    const Date end = now + 12 * 3600.0;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        SCOPED_TRACE(names[static_cast<qsizetype>(n)].toStdString());
        ASSERT_FALSE(rows[n].empty());
        EXPECT_LE(rows[n].size(), 10u);
        EXPECT_EQ(timeline->satelliteName(n), names[static_cast<qsizetype>(n)]);
        std::optional<Date> previousSet = now;
        for (std::size_t i = 0; i < rows[n].size(); ++i) {
            const TimelineEntry& entry = rows[n][i];
            EXPECT_EQ(entry.pass->satelliteReference().commonName(), timeline->satelliteName(n));
            if (!entry.pass->aos()) {
                EXPECT_FALSE(entry.location);
                continue;
            }
            EXPECT_GE(*entry.pass->aos(), *previousSet) << "passes in order, none in progress";
            if (i + 1 < rows[n].size()) {
                EXPECT_LE(*entry.pass->los(), end);
            }
            previousSet = entry.pass->los();
            ASSERT_TRUE(entry.location);
            const timeline::RowSizes sizes = *timeline->rowSizes();
            EXPECT_NEAR(entry.location->top(),
                        static_cast<double>(n) * sizes.rowHeight + sizes.nameHeight + 2, 1e-3);
            EXPECT_EQ(entry.location->height(), 25.0);
            EXPECT_FLOAT_EQ(static_cast<float>(entry.location->left()),
                            static_cast<float>(*entry.pass->aos() - origin()) * scale(12) + 1);
            EXPECT_NEAR(entry.location->width(),
                        (*entry.pass->los() - *entry.pass->aos()) * scale(12), 1e-3);
        }
    }
    EXPECT_TRUE(rows[0].front().location) << "the station passes within the hours";
    ASSERT_EQ(rows[1].size(), 10u) << "a geostationary row";
    for (const TimelineEntry& entry : rows[1]) EXPECT_FALSE(entry.location);
}

TEST_F(TimelineScreen, TheTimetableSpanFindsAtMostTenPassesARow) {
    app.setPassTimetableDuration(3 * 3600.0);
    const auto& rows = open({"SAMPLE STATION", "SAMPLE WEATHER 1"}).satellites();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].size(), 10u);
    EXPECT_EQ(rows[1].size(), 10u);
    const timeline::RowSizes sizes = *timeline->rowSizes();
    EXPECT_NEAR(rows[1][0].location->top(), sizes.rowHeight + sizes.nameHeight + 2, 1e-3);
    EXPECT_EQ(rows[1][0].location->height(), 25.0);
}

TEST_F(TimelineScreen, RecomputesOnAppearingOnlyWhenTheHoursChanged) {
    open({"SAMPLE STATION"});
    const std::shared_ptr<PassData> first = timeline->satellites()[0][0].pass;
    const double width = timeline->satellites()[0][0].location->width();
    const auto appearAgain = [this] {
        navigation->pushViewController(std::make_unique<ViewController>(), true);
        navigation->popViewControllerAnimated(true);
    };
    now = now + 600.0;
    appearAgain();
    EXPECT_EQ(timeline->satellites()[0][0].pass, first);

    app.setTimelineDuration(24);
    appearAgain();
    const TimelineEntry& redone = timeline->satellites()[0][0];
    EXPECT_NE(redone.pass, first);
    EXPECT_NEAR(redone.location->width(), width / 2, 0.01) << "the same pass over twice the hours";
}

TEST_F(TimelineScreen, TheRowsFollowTheWindowsSize) {
    open({"SAMPLE STATION", "SAMPLE WEATHER 1"}, {700, 420});
    const auto expectRowsFill = [this] {
        const QSize viewport = timeline->scrollView()->viewport()->size();
        const QSize content = timeline->scrollView()->contentSize();
        EXPECT_EQ(content.height(), viewport.height()) << "the rows take the height";
        EXPECT_EQ(content.width(), std::max(640, viewport.width()));
        EXPECT_EQ(
            timeline->view2()->geometry(),
            QRect(content.width() / 2, 0, content.width() - content.width() / 2, content.height()));
        const timeline::RowSizes sizes = *timeline->rowSizes();
        EXPECT_NEAR(timeline->satellites()[1][0].location->top(),
                    sizes.rowHeight + sizes.nameHeight + 2, 1e-3);
        EXPECT_LE(timeline->satellites()[1][0].location->bottom(), content.height());
    };
    expectRowsFill();
    shoot("landscape");
    navigation->resize(360, 640);
    expectRowsFill();
    navigation->resize(1280, 900);
    expectRowsFill();
    shoot("wide");
}

TEST_F(TimelineScreen, ManyRowsScrollDownRatherThanShrinkTheirNames) {
    QStringList names;
    for (const auto& category : app.knownSatellites()) names += category.keys();
    open(names, {360, 400});
    const timeline::RowSizes sizes = *timeline->rowSizes();
    EXPECT_GE(sizes.rowHeight, sizes.nameHeight + sizes.barHeight);
    EXPECT_GE(sizes.nameHeight, timeline->scrollView()->fontMetrics().lineSpacing());
    EXPECT_GT(timeline->scrollView()->contentSize().height(),
              timeline->scrollView()->viewport()->height());
}

// The bars and the axis stand on the hours of the zone the labels name: in UTC an observer in
// India sees the axis start at the UTC hour, on local time at the Indian hour.
TEST_F(TimelineScreen, TheHoursAreThoseOfTheZoneTheLabelsName) {
    const ScopedTimeZone kolkata("Asia/Kolkata");
    open({"SAMPLE STATION"});
    const auto firstBarLeft = [this] {
        for (const TimelineEntry& entry : timeline->satellites()[0]) {
            if (entry.location) return std::pair(entry.location->left(), *entry.pass->aos());
        }
        return std::pair(0.0, Date());
    };
    const auto first = firstBarLeft();
    const double left = first.first;
    const Date aos = first.second;
    EXPECT_FLOAT_EQ(static_cast<float>(left),
                    static_cast<float>(aos - Date(sampleEpoch)) * scale(12) + 1);
    const TextMetrics metrics = metricsOf(timeline->view1()->font());
    const auto utcAxis =
        timeline::timelineAxis(timeline->view1()->geometry(), 12, origin(), now, app, metrics);
    EXPECT_EQ(utcAxis->labels[0].text, "12:00 UTC");
    EXPECT_EQ(utcAxis->labels[1].text, "15:00");

    app.setUseUTC(false);
    app.setPreferencesAltered(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return firstBarLeft().first != left; }));
    EXPECT_EQ(origin(), Date(sampleEpoch - 1800));
    const auto localAxis =
        timeline::timelineAxis(timeline->view1()->geometry(), 12, origin(), now, app, metrics);
    EXPECT_EQ(localAxis->labels[0].text, "17:00 IST");
    EXPECT_EQ(localAxis->labels[1].text, "20:00");
}

TEST_F(TimelineScreen, APositionChangedWhileShownComputesTheRowsAgain) {
    open({"SAMPLE STATION"});
    const std::shared_ptr<PassData> first = timeline->satellites()[0][0].pass;
    engine::geodetic_point_t observer = app.observer_geodetic();
    observer.lat = -observer.lat;
    app.setObserver_geodetic(observer);
    app.setPreferencesAltered(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return timeline->satellites()[0][0].pass != first; }));
}

// With sunlight and shadow asked for, each pass that can be seen has a stripe within its bar
// from the start to the end of its visible part; without it, none.
TEST_F(TimelineScreen, TheVisiblePartOfEachPassIsAStripeWithinItsBar) {
    const QStringList names{"SAMPLE STATION", "SAMPLE WEATHER 1", "SAMPLE AMATEUR 1"};
    open(names);
    for (const TimelineEntries& row : timeline->satellites()) {
        for (const TimelineEntry& entry : row) EXPECT_FALSE(entry.visibleLocation);
    }
    const auto recomputed = [this, first = timeline->satellites()[0][0].pass] {
        return timeline->satellites()[0][0].pass != first;
    };
    WatchSettings watch = app.watchSettings();
    watch.showSunlight = true;
    app.setWatchSettings(watch);
    QTRY_VERIFY(recomputed());
    const VisibilityConditions conditions = watch.conditions(0.0);
    int stripes = 0;
    for (std::size_t n = 0; n < timeline->satellites().size(); ++n) {
        for (const TimelineEntry& entry : timeline->satellites()[n]) {
            const std::optional<VisiblePart> visible =
                PassVisibility(*app.findSatelliteByCommonName(names[static_cast<qsizetype>(n)]),
                               *entry.pass, conditions)
                    .visiblePart();
            ASSERT_EQ(entry.visibleLocation.has_value(), visible && entry.location.has_value());
            if (!entry.visibleLocation) continue;
            ++stripes;
            EXPECT_TRUE(entry.location->contains(*entry.visibleLocation));
            EXPECT_FLOAT_EQ(static_cast<float>(entry.visibleLocation->left()),
                            static_cast<float>(visible->start - origin()) * scale(12) + 1);
        }
    }
    EXPECT_GT(stripes, 0) << "the evening brings passes that can be seen";

    const std::shared_ptr<PassData> shown = timeline->satellites()[0][0].pass;
    watch.showSunlight = false;
    app.setWatchSettings(watch);
    QTRY_VERIFY(timeline->satellites()[0][0].pass != shown);
    EXPECT_FALSE(timeline->visibleLocations()[0][0]) << "nothing marked once nobody asks";
}

TEST_F(TimelineScreen, ArrowKeysChooseABarAndReturnOpensIt) {
    open({"SAMPLE GEO EAST", "SAMPLE STATION"});
    ScrollView* scroller = timeline->scrollView();
    scroller->setFocus();
    QTest::keyClick(scroller, Qt::Key_Right);
    ASSERT_TRUE(timeline->currentBar());
    EXPECT_EQ(timeline->currentBar()->row, 1u) << "the geostationary row has no bars";
    QTest::keyClick(scroller, Qt::Key_Right);
    const timeline::TimelineHit chosen = *timeline->currentBar();
    EXPECT_EQ(chosen.pass, 1u);
    EXPECT_TRUE(scroller->accessibleDescription().startsWith("SAMPLE STATION, pass from"));
    QTest::keyClick(scroller, Qt::Key_Return);
    ASSERT_EQ(navigation->count(), 3);
    const auto* pass = dynamic_cast<PassViewController*>(navigation->topViewController());
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->specificPass(), timeline->satellites()[1][1].pass);
}

}  // namespace
