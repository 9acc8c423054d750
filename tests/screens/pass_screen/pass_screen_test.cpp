// The pass screen on a navigation stack shown offscreen: its title, text block and bar buttons,
// the current satellite and the timers while it shows, the plot's pass, the held angle, and the
// screens it opens.
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "FootprintController.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "RadarView.h"
#include "SatelliteData.h"
#include "SatelliteDetailsController.h"
#include "SegmentedControl.h"
#include "Timer.h"
#include "screen_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("pass_screen_tests");

namespace {

// Counts the paintings of a widget.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
    int count = 0;
};

class PassScreen : public ScreenFixture {
protected:
    PassViewController* show(std::shared_ptr<SatelliteData> satellite,
                             std::shared_ptr<PassData> pass = nullptr) {
        stack = std::make_unique<NavigationController>(std::make_unique<ViewController>());
        stack->resize(400, 640);
        stack->show();
        auto controller = std::make_unique<PassViewController>(std::move(satellite), pass);
        screen = controller.get();
        stack->pushViewController(std::move(controller), true);
        return screen;
    }
    QImage plot() { return screen->radarView()->grab().toImage(); }

    PassViewController* screen = nullptr;
    std::unique_ptr<NavigationController> stack;
};

}  // namespace

TEST_F(PassScreen, TitleTextBlockAndBothButtonsWithoutAGivenPass) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    station->setFrequencyInfo(
        QList<FrequencyRecord>{{"145.990", "437.800 MHz", "FM voice", true},
                               {std::nullopt, "29.400", std::nullopt, false}});
    station->setComments(QStringLiteral("Crew on board"));
    show(station);
    EXPECT_EQ(screen->title(), "SAMPLE STATION");
    EXPECT_EQ(screen->passDataView()->toPlainText(),
              "Uplink: 145.990  DownLink: 437.800 MHz\n   Comment: FM voice\n\n"
              "Uplink:   DownLink: 29.400\nComments:\nCrew on board\n");
    EXPECT_TRUE(screen->passDataView()->isReadOnly());
    EXPECT_EQ(screen->passDataView()->font().pixelSize(), 14);
    SegmentedControl* buttons = screen->footprintDetailsButton();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(screen->navigationItem().rightBarButtonItem, buttons);
    EXPECT_EQ(buttons->titleForSegmentAtIndex(0), "Footprint");
    EXPECT_EQ(buttons->titleForSegmentAtIndex(1), "Details");
    EXPECT_TRUE(buttons->isMomentary());

    station->setComments(QString());
    station->setFrequencyInfo(std::nullopt);
    show(station);
    EXPECT_EQ(screen->passDataView()->toPlainText(), "");
}

TEST_F(PassScreen, FootprintAndDetailsOpenTheirScreens) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    show(station);
    screen->footprintDetailsButton()->clickSegment(0);
    auto* footprint = dynamic_cast<FootprintController*>(stack->topViewController());
    ASSERT_NE(footprint, nullptr);
    EXPECT_EQ(&footprint->targetSatellite(), station.get());
    EXPECT_EQ(footprint->specificPass(), nullptr);
    stack->popViewControllerAnimated(true);
    EXPECT_EQ(screen->footprintDetailsButton()->selectedSegmentIndex(),
              SegmentedControl::noSegment);
    screen->footprintDetailsButton()->clickSegment(1);
    auto* details = dynamic_cast<SatelliteDetailsController*>(stack->topViewController());
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->targetSatellite(), station);
}

TEST_F(PassScreen, AGivenPassOffersOnlyTheFootprintMapOfThatPass) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    auto pass = std::make_shared<PassData>(*station);
    show(station, pass);
    EXPECT_EQ(screen->footprintDetailsButton(), nullptr);
    auto* button = qobject_cast<QToolButton*>(screen->navigationItem().rightBarButtonItem);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Footprint");
    QTest::mouseClick(button, Qt::LeftButton);
    auto* footprint = dynamic_cast<FootprintController*>(stack->topViewController());
    ASSERT_NE(footprint, nullptr);
    EXPECT_EQ(footprint->specificPass(), pass);
}

TEST_F(PassScreen, WhileShownItIsTheCurrentSatelliteAndThePlotRedrawsEverySecond) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    show(station);
    EXPECT_EQ(app.currentSatellite(), station);
    ASSERT_NE(screen->refreshTimer(), nullptr);
    EXPECT_TRUE(screen->refreshTimer()->isValid());
    PaintCounter paints;
    screen->radarView()->installEventFilter(&paints);
    QCoreApplication::processEvents();
    const int before = paints.count;
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > before; }, 2500));

    stack->hide();
    EXPECT_EQ(app.currentSatellite(), nullptr);
    EXPECT_EQ(screen->refreshTimer(), nullptr);
    stack->show();
    EXPECT_EQ(app.currentSatellite(), station);
}

TEST_F(PassScreen, HeldAngleReadingsAreSmoothedIntoThePlot) {
    show(select(QStringLiteral("SAMPLE STATION")));
    screen->accelerometer(-1.0);
    EXPECT_DOUBLE_EQ(screen->yOrientation(), -0.25);
    EXPECT_DOUBLE_EQ(screen->radarView()->deviceElevation(), -0.25);
    for (int i = 0; i < 100; ++i) screen->accelerometer(-1.2);
    EXPECT_DOUBLE_EQ(screen->radarView()->deviceElevation(), -1.0);
}

TEST_F(PassScreen, AGivenPassIsDrawnUntilItSetsThenTheNextOneWithSunAndMoon) {
    app.setShowSunAndMoon(true);
    auto station = select(QStringLiteral("SAMPLE STATION"));
    auto pass = std::make_shared<PassData>(*station);
    ASSERT_TRUE(pass->aos() && pass->los());
    show(station, pass);
    now = *pass->aos() + (*pass->los() - *pass->aos()) / 2;
    const QImage during = plot();
    RadarView* radar = screen->radarView();
    EXPECT_EQ(radar->displayedPass(), pass);
    EXPECT_FALSE(radar->showSunAndMoon());
    station->predictLocationAt();
    const QPointF satellite =
        radar::locateAzimuth(static_cast<float>(station->azimuth()),
                             static_cast<float>(station->elevation()), radar->frame());
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            const QPoint inside = satellite.toPoint() + QPoint(dx, dy);
            EXPECT_EQ(during.pixelColor(inside), QColor(Qt::black)) << "the satellite mark";
        }
    }

    now = *pass->los() + 1;
    plot();
    ASSERT_NE(radar->displayedPass(), pass);
    EXPECT_GT(*radar->displayedPass()->los(), now);
    EXPECT_TRUE(radar->showSunAndMoon());
}

TEST_F(PassScreen, SatellitesWithoutAPassOrWithoutFinitePredictionsDrawOnlyWhatTheyCan) {
    auto geostationary = select(QStringLiteral("SAMPLE GEO EAST"));
    show(geostationary);
    plot();
    EXPECT_FALSE(screen->radarView()->displayedPass()->aos());

    auto broken = std::make_shared<SatelliteData>(&app);  // an all-zero orbital record
    broken->setCommonName(QStringLiteral("BROKEN"));
    broken->predictLocationAt();
    EXPECT_FALSE(std::isfinite(broken->azimuth()));
    show(broken);
    const QImage image = plot();
    EXPECT_FALSE(screen->radarView()->displayedPass()->aos());
    EXPECT_FALSE(image.isNull());
}

// Saves pictures of the screen for a person to look at when SKELVOR_SHOTS names a directory.
TEST_F(PassScreen, Screenshots) {
    const QString shots = qEnvironmentVariable("SKELVOR_SHOTS");
    if (shots.isEmpty()) GTEST_SKIP() << "SKELVOR_SHOTS names no directory";
    const auto save = [&](const QString& name) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(stack->grab().save(shots + "/pass-" + name + ".png"));
    };
    app.setShowSunAndMoon(true);
    app.setShowHeldAngle(true);
    auto station = select(QStringLiteral("SAMPLE STATION"));
    station->setFrequencyInfo(
        QList<FrequencyRecord>{{"145.990", "437.800 MHz", "FM voice repeater", true},
                               {"2400 kHz", "29.400", std::nullopt, false}});
    station->setComments(QStringLiteral("Crew on board; listen on the downlink."));
    const PassData pass(*station);
    now = *pass.aos() + (*pass.los() - *pass.aos()) / 3;
    show(station);
    for (int i = 0; i < 10; ++i) screen->accelerometer(-0.5);
    save(QStringLiteral("station"));
    stack->resize(320, 460);
    save(QStringLiteral("station-phone"));
    show(select(QStringLiteral("SAMPLE GEO EAST")));
    save(QStringLiteral("geo-east"));
    show(select(QStringLiteral("SAMPLE EQUATORIAL")));
    save(QStringLiteral("no-pass"));
    show(std::make_shared<SatelliteData>(&app));
    save(QStringLiteral("not-finite"));
}
