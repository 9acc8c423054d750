// The pass screen on a navigation stack shown offscreen: its title, text block and bar buttons,
// the current satellite and the timers while it shows, the plot's pass, the held angle, the
// screens it opens, the plot's texts laid out with real fonts at two sizes, its palette, and
// following changes of the records without being opened again.
#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "FootprintController.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassLayout.h"
#include "PassViewController.h"
#include "RadarGeometry.h"
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

    // The station halfway through its next pass, with an active record: every line of the plot.
    std::shared_ptr<SatelliteData> stationDuringAPass() {
        app.setShowSunAndMoon(true);
        auto station = select(QStringLiteral("SAMPLE STATION"));
        station->setFrequencyInfo(
            QList<FrequencyRecord>{{"145.990", "437.800 MHz", "FM voice", true}});
        const PassData pass(*station);
        now = *pass.aos() + (*pass.los() - *pass.aos()) / 2;
        return station;
    }

    static constexpr QColor satelliteRed{224, 60, 49};

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
    EXPECT_EQ(screen->passDataView()->font(), QApplication::font()) << "the desktop's font";
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
            EXPECT_EQ(during.pixelColor(inside), satelliteRed) << "the satellite mark";
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

TEST_F(PassScreen, TheTextBlockFollowsChangesOfTheRecordsAtOnce) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    show(station);
    EXPECT_EQ(screen->passDataView()->toPlainText(), "");
    station->setFrequencyInfo(QList<FrequencyRecord>{{"145.990", "437.800", std::nullopt, true}});
    app.setPreferencesAltered(true);
    EXPECT_EQ(screen->passDataView()->toPlainText(), "Uplink: 145.990  DownLink: 437.800\n");
    stack->pushViewController(std::make_unique<SatelliteDetailsController>(), true);
    station->setComments(QStringLiteral("Edited in the details"));
    stack->popViewControllerAnimated(true);
    EXPECT_TRUE(screen->passDataView()->toPlainText().endsWith("Edited in the details\n"));
}

TEST_F(PassScreen, APositionChangeFindsThePlotsPassAgain) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    show(station);
    plot();
    const std::shared_ptr<PassData> before = screen->radarView()->displayedPass();
    engine::geodetic_point_t observer = app.observer_geodetic();
    observer.lat = -observer.lat;
    app.setObserver_geodetic(observer);
    app.setPreferencesAltered(true);
    plot();
    EXPECT_NE(screen->radarView()->displayedPass(), before);
    EXPECT_NE(screen->radarView()->displayedPass()->aos(), before->aos());
}

// At a small and a large window, in the desktop's font and a much larger one, the plot's texts
// stay within the view and apart from each other, and the ring keeps clear of the corners.
TEST_F(PassScreen, ThePlotsTextsNeverMeetNorLeaveTheView) {
    auto station = stationDuringAPass();
    show(station);
    RadarView* radar = screen->radarView();
    for (const double points : {QApplication::font().pointSizeF(), 16.0}) {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        radar->setFont(font);
        for (const QSize window : {QSize(360, 600), QSize(1280, 900)}) {
            SCOPED_TRACE(points);
            SCOPED_TRACE(window.width());
            stack->resize(window);
            plot();
            const TextMetrics metrics = radar->textMetrics();
            const QRectF view(QPointF(), QSizeF(radar->size()));
            std::vector<QRectF> boxes;
            for (const radar::PlotText& text : radar->drawnTexts()) {
                const QRectF box(text.topLeft,
                                 QSizeF(metrics.width(text.text), metrics.lineSpacing));
                EXPECT_TRUE(view.contains(box)) << text.text.toStdString();
                for (const QRectF& other : boxes) {
                    EXPECT_FALSE(box.intersects(other))
                        << text.text.toStdString() << " at " << box.x() << "," << box.y() << " "
                        << box.width() << "x" << box.height() << " meets " << other.x() << ","
                        << other.y() << " " << other.width();
                }
                boxes.push_back(box);
            }
            EXPECT_GE(radar->drawnTexts().size(), 15u) << "the readout, the letters, the times";
            const radar::RadarFrame frame = radar->frame();
            // A large font in a small window leaves the ring less, but always some.
            const double share = window.width() < 400 ? 0.15 : 0.4;
            EXPECT_GT(frame.maxRadius, share * std::min(radar->width(), radar->height()));
            for (const QRectF& block : radar->cornerBlocks()) {
                const QPointF c = frame.centre();
                const double dx = std::max({block.left() - c.x(), 0.0, c.x() - block.right()});
                const double dy = std::max({block.top() - c.y(), 0.0, c.y() - block.bottom()});
                EXPECT_GT(std::hypot(dx, dy), frame.maxRadius);
            }
        }
    }
}

TEST_F(PassScreen, AWideWindowPutsTheTextBlockBesideThePlot) {
    const QSize text(300, 100);
    const PassAreas tall = passAreas(QSize(400, 640), text, 420);
    EXPECT_EQ(tall.plot, QRect(0, 0, 400, 420));
    EXPECT_EQ(tall.text, QRect(0, 420, 400, 220));
    EXPECT_EQ(passAreas(QSize(400, 450), text, 420).plot.height(), 350)
        << "the text keeps its lines";
    const PassAreas wide = passAreas(QSize(1280, 800), text, 1300);
    EXPECT_EQ(wide.plot, QRect(0, 0, 980, 800));
    EXPECT_EQ(wide.text, QRect(980, 0, 300, 800));
    EXPECT_EQ(passAreas(QSize(1920, 800), text, 2000).plot.width(), 1040)
        << "no wider than 1.3 heights";
}

TEST_F(PassScreen, ThePlotTakesThePalettesColoursAndItsMarksKeepTheirs) {
    auto station = stationDuringAPass();
    show(station);
    RadarView* radar = screen->radarView();
    QPalette dark = radar->palette();
    dark.setColor(QPalette::Base, QColor(28, 30, 34));
    dark.setColor(QPalette::Text, QColor(236, 236, 236));
    radar->setPalette(dark);
    const QImage image = plot();
    const radar::RadarFrame frame = radar->frame();
    EXPECT_EQ(image.pixelColor(frame.centre().toPoint() + QPoint(20, 20)), QColor(28, 30, 34));
    int axis = 0;  // the lightest pixel across the horizontal axis, which may straddle two rows
    for (int dy = -1; dy <= 1; ++dy) {
        axis =
            std::max(axis, image.pixelColor(frame.centre().toPoint() + QPoint(20, dy)).lightness());
    }
    EXPECT_GT(axis, 150) << "the axis in the light text colour";
    station->predictLocationAt();
    const QPointF satellite = *radar::skyPoint(static_cast<float>(station->azimuth()),
                                               static_cast<float>(station->elevation()), frame);
    EXPECT_EQ(image.pixelColor(satellite.toPoint()), satelliteRed);
}

TEST_F(PassScreen, NoMarkStandsInTheCornerWhileTheSatelliteIsBelowTheHorizon) {
    auto station = select(QStringLiteral("SAMPLE STATION"));
    const PassData next(*station);
    now = *next.aos() - 600;
    station->predictLocationAt(now);
    ASSERT_LT(station->elevation(), 0.0);
    show(station);
    const QImage image = plot();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_NE(image.pixelColor(x, y), satelliteRed) << x << ", " << y;
        }
    }
}

TEST_F(PassScreen, ThePlotTellsAssistiveTechnologyWhatItShows) {
    show(stationDuringAPass());
    plot();
    QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(screen->radarView());
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->role(), QAccessible::Chart);
    EXPECT_EQ(plot->text(QAccessible::Name), "Radar plot");
    const QString description = plot->text(QAccessible::Description);
    EXPECT_TRUE(description.startsWith("SAMPLE STATION")) << description.toStdString();
    EXPECT_TRUE(description.contains("Range:")) << description.toStdString();
    EXPECT_TRUE(description.contains("Doppler:")) << description.toStdString();
}
