// The satellite list: its rows' event and countdown lines, ordering, deleting and moving rows,
// the edit mode, the refresh while shown, and opening a pass and the timeline.
#include <QTest>
#include <QTimeZone>

#include "FirstViewController.h"
#include "ListRowText.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "SegmentedControl.h"
#include "TimelineController.h"
#include "scoped_time_zone.h"
#include "screen_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("list_screen_tests");

namespace {

class ListScreen : public ScreenFixture {
protected:
    void show() {
        auto list = std::make_unique<FirstViewController>();
        screen = list.get();
        stack = std::make_unique<NavigationController>(std::move(list));
        stack->resize(320, 480);
        stack->show();
    }
    TableViewCell row(int index) { return screen->tableView()->cellForRow({0, index}); }
    QStringList names() {
        QStringList result;
        for (const auto& satellite : app.selectedSatellites()) result << satellite->commonName();
        return result;
    }

    FirstViewController* screen = nullptr;
    std::unique_ptr<NavigationController> stack;
};

// A pass with the given rise and set, made from the empty pass of a geostationary satellite.
PassData passBetween(SatelliteData& geostationary, Date aos, Date los) {
    PassData pass(geostationary);
    pass.setAos(aos);
    pass.setLos(los);
    return pass;
}

}  // namespace

TEST(ListRow, CountdownsTruncateToWholeMinutes) {
    EXPECT_EQ(countdownText(2 * 3600 + 5 * 60 + 59), "in 2:05");
    EXPECT_EQ(countdownText(59), "in 0:00");
    EXPECT_EQ(countdownText(36 * 3600), "in 36:00");
}

TEST_F(ListScreen, RowsShowTheRiseAheadOrTheSetOfAPassUnderWayInTheChosenZone) {
    const ScopedTimeZone kolkata("Asia/Kolkata");
    app.setUseUTC(true);
    auto geo = app.findSatelliteByCommonName(QStringLiteral("SAMPLE GEO EAST"));
    const PassData ahead = passBetween(*geo, now + 7559, now + 8000);
    EXPECT_EQ(listRowText(ahead, false, now, app).eventLine, "AOS: 14:05:59 UTC");
    EXPECT_EQ(listRowText(ahead, false, now, app).countdownLine, "in 2:05");
    const PassData underWay = passBetween(*geo, now - 60, now + 300);
    EXPECT_EQ(listRowText(underWay, false, now, app).eventLine, "LOS: 12:05:00 UTC");
    EXPECT_EQ(listRowText(underWay, false, now, app).countdownLine, "in 0:05");
    app.setUseUTC(false);
    EXPECT_EQ(listRowText(ahead, false, now, app).eventLine, "AOS: 19:35:59 IST");
}

TEST_F(ListScreen, SatellitesWithoutAPassExplainWhy) {
    auto geo = app.findSatelliteByCommonName(QStringLiteral("SAMPLE GEO EAST"));
    const PassData none(*geo);
    EXPECT_EQ(listRowText(none, true, now, app).eventLine, "Geosynchronous Satellite");
    EXPECT_EQ(listRowText(none, true, now, app).countdownLine, "");
    EXPECT_EQ(listRowText(none, false, now, app).eventLine, "No pass visible");
    EXPECT_EQ(listRowText(none, false, now, app).countdownLine, "from this location");
}

TEST_F(ListScreen, ShowsOneRowPerSelectedSatelliteInSelectionOrder) {
    select(QStringLiteral("SAMPLE MOLNIYA"));
    select(QStringLiteral("SAMPLE STATION"));
    show();
    ASSERT_EQ(screen->tableView()->model()->rowCount(), 2);
    EXPECT_EQ(row(0).texts().at(0), "SAMPLE MOLNIYA");
    EXPECT_EQ(row(1).texts().at(0), "SAMPLE STATION");
    EXPECT_TRUE(row(1).texts().at(1).startsWith(QStringLiteral("AOS: ")) ||
                row(1).texts().at(1).startsWith(QStringLiteral("LOS: ")));
    EXPECT_EQ(row(1).accessory, AccessoryType::disclosureIndicator);
    EXPECT_TRUE(screen->isRefreshing());
}

TEST_F(ListScreen, OrderingPutsTheEarliestEventFirstAndSaves) {
    select(QStringLiteral("SAMPLE GEO EAST"));
    select(QStringLiteral("SAMPLE MOLNIYA"));
    select(QStringLiteral("SAMPLE STATION"));
    show();
    screen->orderByInterval();
    EXPECT_EQ(names().last(), "SAMPLE GEO EAST");  // no event: last
    app.waitForPendingSaves();
    EXPECT_TRUE(QFile::exists(app.stateFilePath()));
}

TEST_F(ListScreen, DeletingAndMovingRowsChangeTheSelectionOnly) {
    select(QStringLiteral("SAMPLE GEO EAST"));
    select(QStringLiteral("SAMPLE MOLNIYA"));
    select(QStringLiteral("SAMPLE STATION"));
    show();
    screen->moveRow({0, 0}, {0, 2});
    EXPECT_EQ(names(), QStringList({"SAMPLE MOLNIYA", "SAMPLE STATION", "SAMPLE GEO EAST"}));
    screen->commitEditingStyle(EditingStyle::remove, {0, 2});
    screen->commitEditingStyle(EditingStyle::remove, {0, 1});
    screen->commitEditingStyle(EditingStyle::remove, {0, 0});
    EXPECT_EQ(screen->tableView()->model()->rowCount(), 0);
    EXPECT_NE(app.findSatelliteByCommonName(QStringLiteral("SAMPLE GEO EAST")), nullptr);
}

TEST_F(ListScreen, EditTogglesBetweenEditAndDone) {
    show();
    SegmentedControl* control = screen->timelineEditButton();
    control->clickSegment(1);
    EXPECT_TRUE(screen->tableView()->isEditing());
    EXPECT_EQ(control->titleForSegmentAtIndex(1), "Done");
    control->clickSegment(1);
    EXPECT_FALSE(screen->tableView()->isEditing());
    EXPECT_EQ(control->titleForSegmentAtIndex(1), "Edit");
}

TEST_F(ListScreen, TheRefreshStopsWhileHidden) {
    show();
    stack->hide();
    EXPECT_FALSE(screen->isRefreshing());
    stack->show();
    EXPECT_TRUE(screen->isRefreshing());
}

TEST_F(ListScreen, ASelectionMadeElsewhereShowsAtOnce) {
    show();
    select(QStringLiteral("SAMPLE STATION"));
    EXPECT_EQ(screen->tableView()->model()->rowCount(), 1);
}

TEST_F(ListScreen, TheKeyboardOpensARowAndSwitchesEditing) {
    select(QStringLiteral("SAMPLE MOLNIYA"));
    select(QStringLiteral("SAMPLE STATION"));
    show();
    TableView* table = screen->tableView();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_TRUE(screen->toggleEditing());
    EXPECT_TRUE(table->isEditing());
    EXPECT_EQ(screen->timelineEditButton()->titleForSegmentAtIndex(1), "Done");
    EXPECT_TRUE(screen->toggleEditing());
    QTest::keyClick(table, Qt::Key_Return);
    auto* pass = dynamic_cast<PassViewController*>(stack->topViewController());
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->targetSatellite().commonName(), "SAMPLE STATION");
}

TEST_F(ListScreen, AChangedPositionFindsTheNextPassesAgain) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    show();
    const std::shared_ptr<PassData> before = station->nextPass();
    engine::geodetic_point_t observer = app.observer_geodetic();
    observer.lat = -observer.lat;
    app.setObserver_geodetic(observer);
    app.setPreferencesAltered(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return station->nextPass() != before; }));
    EXPECT_NE(station->nextPass()->aos(), before->aos());
}

TEST_F(ListScreen, ARowOpensThePassScreenOfItsSatellite) {
    select(QStringLiteral("SAMPLE STATION"));
    show();
    QTest::mouseClick(screen->tableView()->viewport(), Qt::LeftButton, {},
                      screen->tableView()->rectForRow({0, 0}).center());
    auto* pass = dynamic_cast<PassViewController*>(stack->topViewController());
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->targetSatellite().commonName(), "SAMPLE STATION");
    EXPECT_EQ(pass->specificPass(), nullptr);
}

TEST_F(ListScreen, TheTimelineIsBuiltBehindTheIndicatorThenPushed) {
    select(QStringLiteral("SAMPLE STATION"));
    show();
    screen->timelineEditButton()->clickSegment(0);
    EXPECT_TRUE(screen->isBuildingTimeline());
    EXPECT_TRUE(QTest::qWaitFor([&] { return stack->count() == 2; }));
    EXPECT_NE(dynamic_cast<TimelineController*>(stack->topViewController()), nullptr);
    EXPECT_FALSE(screen->isBuildingTimeline());
}
