// The footprint map: filling the window's height, the halves placed under the scroll position,
// the first scroll onto the satellite, touches on the ground track, dragging, the finer image
// for large windows, the periodic redraw and satellites whose predictions are not usable.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QRegion>
#include <cmath>
#include <limits>

#include "footprint_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("footprint_screen_tests");

namespace {

using footprint::MapHalf;

TEST_F(FootprintScreen, TheMapFillsTheHeightOfAnyWindow) {
    for (const QSize window : {QSize(360, 640), QSize(1280, 900), QSize(1920, 600)}) {
        open("SAMPLE STATION", false, window);
        const QSize viewport = scroller().viewport()->size();
        EXPECT_NEAR(map->mapScale(), std::max(viewport.height() / 512.0, viewport.width() / 2048.0),
                    1e-9);
        EXPECT_GE(scroller().contentSize().height(), viewport.height());
        EXPECT_LE(scroller().contentSize().height(), viewport.height() + 1) << "no grey band";
        // Every point the viewport shows is drawn by one of the halves.
        const QRect shown(scroller().contentOffset(), viewport);
        QRegion covered;
        for (FootprintView* half : map->footprintViews()) covered += half->geometry();
        EXPECT_TRUE((QRegion(shown) - covered).isEmpty()) << window.width();
    }
}

TEST_F(FootprintScreen, HalvesCoverTheTwoTilesUnderTheLeftEdgeOfTheViewport) {
    open("SAMPLE STATION", false);
    const double scale = map->mapScale();
    const int side = static_cast<int>(std::ceil(512 * scale));
    const struct {
        int scroll;
        int west;
        int east;
    } cases[] = {{1100, 1024, 1536}, {600, 1024, 512}, {0, 0, 512}};
    for (const auto& c : cases) {
        scroller().setContentOffset(onScreen({static_cast<double>(c.scroll), 0}).toPoint());
        EXPECT_EQ(map->footprintView1()->offset(), c.west) << c.scroll;
        EXPECT_EQ(map->footprintView2()->offset(), c.east) << c.scroll;
        EXPECT_EQ(map->footprintView1()->geometry(),
                  QRect(static_cast<int>(std::lround(c.west * scale)), 0, side, side));
        EXPECT_EQ(map->footprintView2()->geometry(),
                  QRect(static_cast<int>(std::lround(c.east * scale)), 0, side, side));
        EXPECT_EQ(map->footprintView1()->half(), MapHalf::west);
        EXPECT_EQ(map->footprintView2()->half(), MapHalf::east);
    }
}

TEST_F(FootprintScreen, ThePointerDragsTheMap) {
    open("SAMPLE STATION", false, {1000, 700});
    scroller().setContentOffset({600, 0});
    // A press near the North Pole, which the track never reaches, starts a drag.
    FootprintView* half = map->footprintView1();
    const QPoint start(half->width() / 2, 4);
    QTest::mousePress(half, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(-150, 0)),
                     QPointF(half->mapToGlobal(start + QPoint(-150, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(half, &move);
    QTest::mouseRelease(half, Qt::LeftButton, {}, start + QPoint(-150, 0));
    EXPECT_EQ(scroller().contentOffset().x(), 750);
    EXPECT_FALSE(map->footprintTime());
}

TEST_F(FootprintScreen, ALargeWindowDrawsFromTheFinerImage) {
    open("SAMPLE STATION", false, {360, 600});
    EXPECT_EQ(map->worldImage().width(), 1024);
    open("SAMPLE STATION", false, {1280, 1000});
    EXPECT_EQ(map->worldImage().width(), 4096);
    EXPECT_EQ(map->worldImage().height(), 2048);
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
        EXPECT_TRUE(visible.contains(onScreen(centre)))
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
    const QPoint step =
        onScreen(footprint::mapPoint(track[1].latitude, track[1].longitude, half)).toPoint();
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
    QTest::mousePress(map->footprintView2(), Qt::LeftButton, {}, onScreen({256, 6}).toPoint());
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
