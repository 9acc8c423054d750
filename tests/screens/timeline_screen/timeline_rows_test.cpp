// The timeline's rows: up to ten coming passes of each selected satellite laid out as bars,
// and recomputed on a later appearance only when the timeline's hours changed.
#include "timeline_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("timeline_screen_tests");

namespace {

// Points per second of a timeline of this many hours.
float scale(int hours) { return static_cast<float>(638.0 / (hours * 3600.0)); }

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
            EXPECT_EQ(entry.location->top(), static_cast<double>(n) * 86.25);
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
    EXPECT_EQ(rows[1][0].location->top(), 172.5);
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

TEST_F(TimelineScreen, ALandscapeWindowGivesALowerContent) {
    open({"SAMPLE STATION", "SAMPLE WEATHER 1"}, {700, 420});
    EXPECT_EQ(timeline->scrollView()->contentSize(), QSize(640, 218));
    EXPECT_EQ(timeline->view2()->geometry(), QRect(320, 0, 320, 218));
    EXPECT_EQ(timeline->satellites()[1][0].location->top(), 99.0);
    shoot("landscape");
    navigation->resize(360, 640);
    EXPECT_EQ(timeline->scrollView()->contentSize(), QSize(640, 365));
    EXPECT_EQ(timeline->view1()->geometry(), QRect(0, 0, 320, 365));
}

}  // namespace
