// Pictures of the footprint map for looking at, saved only when SKELVOR_SHOTS names a directory:
// a pass with its track and a touched footprint, footprints over either pole, a high orbit's
// footprint, and the map scrolled across the date line.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "footprint_fixture.h"

namespace {

class FootprintShots : public FootprintScreen {
protected:
    void SetUp() override {
        if (qEnvironmentVariable("SKELVOR_SHOTS").isEmpty()) GTEST_SKIP() << "SKELVOR_SHOTS unset";
        FootprintScreen::SetUp();
    }

    // Moves the clock to the first minute within a day at which the satellite's position
    // passes the test.
    void advanceUntil(const std::function<bool(double latitude, double longitude)>& test) {
        for (int minute = 0; minute < 1440; ++minute, now = now + 60.0) {
            satellite->predictLocationAt(now);
            if (test(satellite->latitude(), satellite->longitude())) return;
        }
        FAIL() << "never there";
    }

    // Scrolls the satellite's copy in the content's middle copy of the map into the middle of
    // the screen.
    void centreOnSatellite() {
        satellite->predictLocationAt(now);
        const QPointF centre =
            footprint::initialScrollRect(satellite->latitude(), satellite->longitude(), 0.0)
                ->center();
        const QSize visible = scroller().viewport()->size();
        scroller().setContentOffset(
            (centre - QPointF(visible.width(), visible.height()) / 2).toPoint());
    }
};

TEST_F(FootprintShots, PassWithTrackAndTouchedFootprint) {
    open("SAMPLE STATION", true);
    map->setFootprintTime(*pass->aos() + 1800.0);
    shoot(QStringLiteral("station"));
}

TEST_F(FootprintShots, FootprintsOverThePoles) {
    satellite = select("SAMPLE WEATHER 1");
    advanceUntil([](double latitude, double) { return latitude > 78.0; });
    open();
    centreOnSatellite();
    shoot(QStringLiteral("polar-north"));
    advanceUntil([](double latitude, double) { return latitude < -78.0; });
    open();
    centreOnSatellite();
    shoot(QStringLiteral("polar-south"));
}

TEST_F(FootprintShots, HighOrbitFootprint) {
    satellite = select("SAMPLE MOLNIYA");
    advanceUntil([](double latitude, double) { return latitude > 60.0; });
    open();
    shoot(QStringLiteral("molniya"));
}

TEST_F(FootprintShots, AcrossTheDateLine) {
    satellite = select("SAMPLE STATION");
    advanceUntil([](double, double longitude) { return std::fabs(longitude) > 178.0; });
    open();
    scroller().setContentOffset({1024 - 180, 0});
    shoot(QStringLiteral("dateline"));
}

}  // namespace
