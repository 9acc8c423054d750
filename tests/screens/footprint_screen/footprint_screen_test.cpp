// The footprint map: the halves placed under the scroll position, the first scroll onto the
// satellite, touches on the ground track, the periodic redraw and satellites whose predictions
// are not usable.
#include <gtest/gtest.h>

#include <limits>

#include "footprint_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("footprint_screen_tests");

namespace {

using footprint::MapHalf;

TEST_F(FootprintScreen, HalvesCoverTheTwoTilesUnderTheLeftEdgeOfTheViewport) {
    open("SAMPLE STATION", false);
    const struct {
        int scroll;
        int west;
        int east;
    } cases[] = {{1600, 2048, 1536}, {600, 1024, 512}, {1100, 1024, 1536}, {0, 0, 512}};
    for (const auto& c : cases) {
        scroller().setContentOffset({c.scroll, 0});
        EXPECT_EQ(map->footprintView1()->offset(), c.west) << c.scroll;
        EXPECT_EQ(map->footprintView2()->offset(), c.east) << c.scroll;
        EXPECT_EQ(map->footprintView1()->geometry(), QRect(c.west, 0, 512, 512)) << c.scroll;
        EXPECT_EQ(map->footprintView2()->geometry(), QRect(c.east, 0, 512, 512)) << c.scroll;
        EXPECT_EQ(map->footprintView1()->half(), MapHalf::west);
        EXPECT_EQ(map->footprintView2()->half(), MapHalf::east);
    }
}

TEST_F(FootprintScreen, OpensScrolledOntoTheSatelliteAtTheRiseOfThePass) {
    // A geostationary satellite's pass has no rise: the map shows it now.
    for (const QString name : {"SAMPLE STATION", "SAMPLE GEO WEST", "SAMPLE MOLNIYA"}) {
        open(name, true);
        satellite->predictLocationAt(pass->aos().value_or(now));
        const QPointF centre =
            footprint::initialScrollRect(satellite->latitude(), satellite->longitude(), 0.0)
                ->center();
        const QRectF visible(scroller().contentOffset(), scroller().viewport()->size());
        EXPECT_TRUE(visible.contains(centre))
            << name.toStdString() << ": " << centre.x() << ", " << centre.y() << " outside "
            << visible.x() << ", " << visible.y();
    }
}

TEST_F(FootprintScreen, PressOnTheTrackPicksItsTimeAndReleaseForgetsIt) {
    open("SAMPLE STATION", true);
    const Date start = *pass->aos();
    const std::vector<footprint::TrackSample> track =
        footprint::groundTrack(*satellite, start, 120.0);
    ASSERT_GT(track.size(), 1u);
    const MapHalf half = track[1].longitude < 0 ? MapHalf::west : MapHalf::east;
    FootprintView& view = viewOf(half);
    const QPoint step = footprint::mapPoint(track[1].latitude, track[1].longitude, half).toPoint();
    const QImage before = view.grab().toImage();

    QTest::mousePress(&view, Qt::LeftButton, {}, step);
    EXPECT_EQ(map->footprintTime(), start + 120.0);
    EXPECT_NE(view.grab().toImage(), before) << "the touched footprint is drawn";
    ASSERT_TRUE(map->updateTimer());
    EXPECT_TRUE(map->updateTimer()->isValid());

    QTest::mouseRelease(&view, Qt::LeftButton, {}, step);
    EXPECT_FALSE(map->footprintTime());
    EXPECT_TRUE(map->updateTimer()->isValid());
}

TEST_F(FootprintScreen, PressAwayFromTheTrackChangesNothing) {
    open("SAMPLE STATION", false);
    const Date picked = now + 600.0;
    map->setFootprintTime(picked);
    // Latitude 88° N, which a track inclined by 51.6° never reaches.
    QTest::mousePress(map->footprintView2(), Qt::LeftButton, {}, QPoint(256, 6));
    EXPECT_EQ(map->footprintTime(), picked);
}

TEST_F(FootprintScreen, RedrawsPeriodicallyOnlyWhileShown) {
    open("SAMPLE STATION", false);
    ASSERT_TRUE(map->updateTimer());
    EXPECT_TRUE(map->updateTimer()->isValid());
    navigation->hide();
    EXPECT_FALSE(map->updateTimer());
    navigation->show();
    ASSERT_TRUE(map->updateTimer());
    EXPECT_TRUE(map->updateTimer()->isValid());
    navigation->pushViewController(std::make_unique<ViewController>(), true);
    EXPECT_FALSE(map->updateTimer());
}

TEST_F(FootprintScreen, TimeSetWhileHiddenStartsNoRedraws) {
    open("SAMPLE STATION", false);
    navigation->hide();
    map->setFootprintTime(now);
    EXPECT_FALSE(map->updateTimer()) << "a touch while hidden does not start the redraws";
}

TEST_F(FootprintScreen, UnusablePredictionsDrawOnlyTheMap) {
    satellite = select("SAMPLE STATION");
    engine::sat_record_t record = satellite->satelliteData();
    record.tle.xno = std::numeric_limits<double>::quiet_NaN();
    record.tle.xmo = std::numeric_limits<double>::quiet_NaN();
    satellite->setSatelliteData(record);
    satellite->predictLocationAt(now);
    ASSERT_FALSE(std::isfinite(satellite->latitude()));

    open();
    for (FootprintView* view : {map->footprintView1(), map->footprintView2()}) {
        EXPECT_FALSE(view->grab().isNull());
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(256, 256));
        EXPECT_FALSE(map->footprintTime());
    }
    scroller().setContentOffset({900, 0});
    map->updateFootprint();
}

}  // namespace
