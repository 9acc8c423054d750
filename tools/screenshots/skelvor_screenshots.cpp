// Saves a picture of every screen of the application, driven as a user would drive it, on the
// bundled sample element sets loaded through the sample server: the list, a pass under way on
// the radar plot, the footprint map, the details and the frequency editor, the timeline, Tonight,
// the categories, a category's satellites, the search, the preferences and the help; then the radio
// and rotator settings after a transmitter import, the choice of update categories, the details
// and the editor of imported records, and the pass screen tracking with the hamlib daemons'
// dummy models when they are installed. With
// --gallery it saves instead the plot and the map in the cases a person should look at: the
// held angle, a satellite without a pass, one whose prediction fails, footprints over either
// pole, a high orbit's footprint and the map across the date line.
//
//   skelvor-screenshots DIRECTORY [--size WxH | --maximised] [--dark] [--gallery] [--sunlight]
//
// --sunlight turns on the preference "Sunlight and shadow": day and night on the map and the
// sunlit part of the pass on the plot.
//
// The window opens as the application opens it (fitted to the screen) unless given a size.
// Run with QT_QPA_PLATFORM=offscreen where there is no display; tools/screenshots.sh runs it
// for each window size, scale factor and palette.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <functional>

#include "CategorySelectionController.h"
#include "Daemon.h"
#include "FirstViewController.h"
#include "FootprintController.h"
#include "FootprintGeometry.h"
#include "MainInterface.h"
#include "MessageBoxAlertView.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "SatelliteSearchController.h"
#include "ScrollView.h"
#include "SearchBar.h"
#include "SegmentedControl.h"
#include "SkelvorAppDelegate.h"
#include "StationControl.h"
#include "StationSettingsController.h"
#include "TableView.h"
#include "TonightController.h"
#include "TrackingPanel.h"
#include "Translations.h"
#include "UpdateCategoriesController.h"
#include "ViewController.h"
#include "WindowPlacement.h"

namespace {

constexpr double sampleEpoch = 818251200.0;  // 2026-12-06 12:00 UTC, the samples' epoch
constexpr QSize firstSize(400, 720);         // the application's first window size

class Photographer {
public:
    Photographer(QMainWindow& window, QDir directory) : window_(window), directory_(directory) {}

    void take(const QString& name) {
        settle();
        // Pictures without a keyboard frame in them, as the mouse user sees the screens.
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        settle();
        const QString path = directory_.filePath(name + QStringLiteral(".png"));
        if (!window_.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::printf("%s\n", qPrintable(path));
    }
    static void settle() {
        for (int i = 0; i < 5; ++i) QTest::qWait(20);
    }

private:
    QMainWindow& window_;
    QDir directory_;
};

// The table a screen shows: its view, or the first table within it.
TableView* tableOf(ViewController* screen) {
    if (auto* table = dynamic_cast<TableView*>(screen->view())) return table;
    return screen->view()->findChild<TableView*>();
}

void press(TableView* table, IndexPath path) {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow(path).center());
}

void loadSamples(SkelvorAppDelegate& app) {
    app.updateTLEs();
    const bool loaded = QTest::qWaitFor(
        [&] { return app.dateOfLastTLEUpdate().secondsSinceReferenceDate() > 0; }, 60000);
    if (!loaded) std::fprintf(stderr, "the sample element sets did not load\n");
    Photographer::settle();
}

// The station's frequencies and comment, as a user would have entered them.
void describeStation(SatelliteData& station) {
    FrequencyRecord voice{QStringLiteral("145.990"), QStringLiteral("437.800"),
                          QStringLiteral("FM voice"), true};
    FrequencyRecord packet{QStringLiteral("145.825"), QStringLiteral("145.825"),
                           QStringLiteral("APRS digipeater"), false};
    station.setFrequencyInfo(QList<FrequencyRecord>{voice, packet});
    station.setComments(QStringLiteral("Crew contacts on weekends."));
}

// The Fusion style's colours turned dark, as a dark desktop theme gives them.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 47, 51);
    const QColor base(30, 32, 35);
    const QColor text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(58, 61, 66));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Highlight, QColor(61, 142, 230));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Light, QColor(80, 83, 88));
    dark.setColor(QPalette::Midlight, QColor(66, 69, 74));
    dark.setColor(QPalette::Mid, QColor(90, 93, 98));
    dark.setColor(QPalette::Dark, QColor(25, 26, 28));
    dark.setColor(QPalette::Shadow, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    return dark;
}

struct Options {
    std::optional<QSize> size;
    bool maximised = false;
    bool dark = false;
    bool gallery = false;
    bool sunlight = false;
};

// Places the window as the options ask, or as the application places it the first time.
void placeWindow(QMainWindow& window, const Options& options) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    if (options.maximised) {
        window.showMaximized();
    } else {
        window.setGeometry(options.size ? QRect(available.topLeft(), *options.size)
                                        : openingFrame(std::nullopt, firstSize, available));
        window.show();
    }
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "the window did not show\n");
}

// Every screen, driven as a user drives it.
void tour(MainInterface& tabs, Photographer& camera) {
    NavigationController* tracking = tabs.stackOf(MainInterface::tracking);
    auto* list = static_cast<FirstViewController*>(tracking->topViewController());
    camera.take(QStringLiteral("list"));
    press(list->tableView(), {0, 0});
    auto* passScreen = static_cast<PassViewController*>(tracking->topViewController());
    camera.take(QStringLiteral("pass"));
    passScreen->footprintDetailsButton()->clickSegment(0);
    camera.take(QStringLiteral("footprint"));
    tracking->popViewControllerAnimated(true);
    passScreen->footprintDetailsButton()->clickSegment(1);
    camera.take(QStringLiteral("details"));
    auto* details = tracking->topViewController();
    details->setEditing(true, true);
    camera.take(QStringLiteral("details-editing"));
    details->setEditing(false, true);
    press(tableOf(details), {0, 0});
    camera.take(QStringLiteral("frequency-editor"));
    while (tracking->count() > 1) tracking->popViewControllerAnimated(true);

    list->timelineEditButton()->clickSegment(0);
    if (!QTest::qWaitFor([&] { return tracking->count() == 2; }, 30000)) return;
    camera.take(QStringLiteral("timeline"));
    tracking->popViewControllerAnimated(true);
    list->timelineEditButton()->clickSegment(2);
    const auto* tonight = dynamic_cast<const TonightController*>(tracking->topViewController());
    if (!tonight || !QTest::qWaitFor([&] { return !tonight->isScanning(); }, 30000)) return;
    camera.take(QStringLiteral("tonight"));
    tracking->popViewControllerAnimated(true);

    tabs.setCurrentIndex(MainInterface::satellites);
    NavigationController* satellites = tabs.stackOf(MainInterface::satellites);
    auto* categories = static_cast<CategorySelectionController*>(satellites->topViewController());
    camera.take(QStringLiteral("categories"));
    press(categories->tableView(), {0, 0});
    camera.take(QStringLiteral("satellites"));
    satellites->popViewControllerAnimated(true);
    categories->satelliteSearch();
    auto* search = static_cast<SatelliteSearchController*>(satellites->modalViewController());
    QTest::keyClicks(search->searchBar()->textField(), QStringLiteral("sa"));
    camera.take(QStringLiteral("search"));
    satellites->dismissModalViewControllerAnimated(true);

    tabs.setCurrentIndex(MainInterface::preferences);
    camera.take(QStringLiteral("preferences"));
    tabs.setCurrentIndex(MainInterface::help);
    camera.take(QStringLiteral("help"));
    NavigationController* help = tabs.stackOf(MainInterface::help);
    press(tableOf(help->topViewController()), {1, 0});
    camera.take(QStringLiteral("help-topic"));
}

// The radio and rotator screens: the settings after an import of the sample transmitters, the
// update categories, the imported records, and a pass being tracked with the daemons' dummy
// radio and rotator.
void stationTour(MainInterface& tabs, Photographer& camera, SkelvorAppDelegate& app) {
    tabs.setCurrentIndex(MainInterface::preferences);
    NavigationController* preferences = tabs.stackOf(MainInterface::preferences);
    auto settingsScreen = std::make_unique<StationSettingsController>(app.station());
    StationSettingsController* settings = settingsScreen.get();
    preferences->pushViewController(std::move(settingsScreen), true);
    settings->importButton()->click();
    if (!QTest::qWaitFor([&] { return !app.station().isImporting(); }, 10000)) {
        std::fprintf(stderr, "the transmitter import did not end\n");
    }
    camera.take(QStringLiteral("station-settings"));
    auto* scroller = static_cast<ScrollView*>(settings->view());
    scroller->setContentOffset(QPoint(0, scroller->content()->height()));
    camera.take(QStringLiteral("station-settings-end"));
    preferences->popViewControllerAnimated(true);
    preferences->pushViewController(std::make_unique<UpdateCategoriesController>(), true);
    camera.take(QStringLiteral("update-categories"));
    preferences->popViewControllerAnimated(true);

    tabs.setCurrentIndex(MainInterface::tracking);
    NavigationController* tracking = tabs.stackOf(MainInterface::tracking);
    auto station = app.findSatelliteByCommonName(QStringLiteral("SAMPLE STATION"));
    auto passScreen = std::make_unique<PassViewController>(station, nullptr);
    PassViewController* pass = passScreen.get();
    tracking->pushViewController(std::move(passScreen), true);
    pass->footprintDetailsButton()->clickSegment(1);
    camera.take(QStringLiteral("details-imported"));
    const int imported = static_cast<int>(station->frequencyInfo()->size()) - 1;
    press(tableOf(tracking->topViewController()), {0, imported});
    camera.take(QStringLiteral("frequency-editor-imported"));
    tracking->popViewControllerAnimated(true);
    tracking->popViewControllerAnimated(true);

    const Daemon rigctld(QStringLiteral("rigctld"));
    const Daemon rotctld(QStringLiteral("rotctld"), {"-C", "min_az=-180,max_az=540"});
    if (!rigctld.isRunning() || !rotctld.isRunning()) {
        std::fprintf(stderr, "no rigctld and rotctld: no picture of a tracked pass\n");
        return;
    }
    StationSettings working = app.station().settings();
    working.radio.enabled = working.rotator.enabled = true;
    working.radio.port = rigctld.port();
    working.rotator.port = rotctld.port();
    working.radio.layout = VfoLayout::split;
    app.station().setSettings(working);
    pass->viewWillAppear(false);
    pass->trackingPanel()->trackClicked();
    const bool sent = QTest::qWaitFor(
        [&] {
            const TrackingSession* session = app.station().tracking();
            return session && session->status().rotatorSent && session->status().radioSent.downlink;
        },
        10000);
    if (!sent) std::fprintf(stderr, "the daemons acknowledged nothing\n");
    camera.take(QStringLiteral("pass-tracking"));
    app.station().stopTracking();
}

// Moves the clock to the first minute within a day at which the satellite's position passes
// the test.
void advanceUntil(SatelliteData& satellite, Date& now,
                  const std::function<bool(double latitude, double longitude)>& test) {
    for (int minute = 0; minute < 1440; ++minute, now = now + 60.0) {
        satellite.predictLocationAt(now);
        if (test(satellite.latitude(), satellite.longitude())) return;
    }
    std::fprintf(stderr, "%s never got there\n", qPrintable(satellite.commonName()));
}

// The plot and the map in the cases a person should look at.
void gallery(MainInterface& tabs, Photographer& camera, SkelvorAppDelegate& app, Date& now) {
    NavigationController* tracking = tabs.stackOf(MainInterface::tracking);
    const Date start = now;
    const auto showPass = [&](const QString& name, const QString& picture) {
        auto satellite = app.findSatelliteByCommonName(name);
        auto screen = std::make_unique<PassViewController>(satellite, nullptr);
        PassViewController* pass = screen.get();
        tracking->pushViewController(std::move(screen), true);
        for (int i = 0; i < 10; ++i) pass->accelerometer(-0.5);
        camera.take(picture);
        tracking->popViewControllerAnimated(true);
    };
    app.setShowHeldAngle(true);
    showPass(QStringLiteral("SAMPLE STATION"), QStringLiteral("pass-held-angle"));
    app.setShowHeldAngle(false);
    showPass(QStringLiteral("SAMPLE GEO EAST"), QStringLiteral("pass-geostationary"));
    showPass(QStringLiteral("SAMPLE EQUATORIAL"), QStringLiteral("pass-none-visible"));
    auto broken = std::make_shared<SatelliteData>(&app);  // an all-zero orbital record
    broken->setCommonName(QStringLiteral("NOT FINITE"));
    tracking->pushViewController(std::make_unique<PassViewController>(broken, nullptr), true);
    camera.take(QStringLiteral("pass-not-finite"));
    tracking->popViewControllerAnimated(true);

    const auto showMap = [&](const QString& name, const QString& picture,
                             std::optional<double> scrollTo) {
        auto satellite = app.findSatelliteByCommonName(name);
        auto screen = std::make_unique<FootprintController>(satellite, nullptr);
        FootprintController* map = screen.get();
        tracking->pushViewController(std::move(screen), true);
        Photographer::settle();
        if (scrollTo) {
            const double scale = map->mapScale();
            map->worldViewScroller()->setContentOffset(
                QPoint(static_cast<int>(*scrollTo * scale -
                                        map->worldViewScroller()->viewport()->width() / 2),
                       0));
        }
        camera.take(picture);
        tracking->popViewControllerAnimated(true);
    };
    auto weather = app.findSatelliteByCommonName(QStringLiteral("SAMPLE WEATHER 1"));
    advanceUntil(*weather, now, [](double latitude, double) { return latitude > 78.0; });
    showMap(QStringLiteral("SAMPLE WEATHER 1"), QStringLiteral("footprint-north-pole"), {});
    advanceUntil(*weather, now, [](double latitude, double) { return latitude < -78.0; });
    showMap(QStringLiteral("SAMPLE WEATHER 1"), QStringLiteral("footprint-south-pole"), {});
    now = start;
    auto molniya = app.findSatelliteByCommonName(QStringLiteral("SAMPLE MOLNIYA"));
    advanceUntil(*molniya, now, [](double latitude, double) { return latitude > 60.0; });
    showMap(QStringLiteral("SAMPLE MOLNIYA"), QStringLiteral("footprint-high-orbit"), {});
    now = start;
    auto station = app.findSatelliteByCommonName(QStringLiteral("SAMPLE STATION"));
    advanceUntil(*station, now,
                 [](double, double longitude) { return std::fabs(longitude) > 178.0; });
    showMap(QStringLiteral("SAMPLE STATION"), QStringLiteral("footprint-date-line"),
            footprint::mapWidth);
    now = start;
}

std::optional<Options> parseOptions(const QStringList& arguments, QString& directory) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("directory"), QStringLiteral("Where to save"));
    parser.addOption(
        {QStringLiteral("size"), QStringLiteral("Window size"), QStringLiteral("WxH")});
    parser.addOption({QStringLiteral("maximised"), QStringLiteral("Maximise the window")});
    parser.addOption({QStringLiteral("dark"), QStringLiteral("A dark palette")});
    parser.addOption({QStringLiteral("gallery"), QStringLiteral("The plot and map gallery")});
    parser.addOption({QStringLiteral("sunlight"), QStringLiteral("Sunlight and shadow shown")});
    if (!parser.parse(arguments) || parser.positionalArguments().size() != 1) return {};
    directory = parser.positionalArguments().first();
    Options options;
    options.maximised = parser.isSet(QStringLiteral("maximised"));
    options.dark = parser.isSet(QStringLiteral("dark"));
    options.gallery = parser.isSet(QStringLiteral("gallery"));
    options.sunlight = parser.isSet(QStringLiteral("sunlight"));
    if (parser.isSet(QStringLiteral("size"))) {
        const QStringList sides = parser.value(QStringLiteral("size")).split(u'x');
        if (sides.size() != 2) return {};
        options.size = QSize(sides[0].toInt(), sides[1].toInt());
        if (options.size->isEmpty()) return {};
    }
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installTranslations(QLocale::system().uiLanguages());  // as the application chooses
    QString path;
    const std::optional<Options> options = parseOptions(application.arguments(), path);
    if (!options) {
        std::fprintf(stderr,
                     "usage: skelvor-screenshots DIRECTORY [--size WxH | --maximised] [--dark] "
                     "[--gallery] [--sunlight]\n");
        return 2;
    }
    QDir directory(path);
    if (!directory.mkpath(QStringLiteral("."))) return 1;
    if (options->dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    QTemporaryDir data;

    SkelvorAppDelegate app;
    Date now(sampleEpoch);
    app.setClock([&now] { return now; });
    app.setDataDirectory(data.path());
    app.setElementServer(QUrl(QStringLiteral("qrc:/sample-server/")));
    app.setAlertViewFactory(&MessageBoxAlertView::make);
    app.loadSavedState();  // a fresh state: the default settings
    app.setObserver_geodetic({52.2 * M_PI / 180.0, 0.12 * M_PI / 180.0, 0.02, 0.0});
    app.setUseUTC(true);
    app.setShowSunAndMoon(true);
    app.setShowFootprintTrack(true);
    if (options->sunlight) {
        WatchSettings watch;
        watch.showSunlight = true;
        app.setWatchSettings(watch);
    }
    loadSamples(app);

    for (const char* name : {"SAMPLE STATION", "SAMPLE MOLNIYA", "SAMPLE GEO EAST", "SAMPLE NAV A1",
                             "SAMPLE WEATHER 1"}) {
        app.setSatelliteSelected(QString::fromLatin1(name), true);
    }
    auto station = app.findSatelliteByCommonName(QStringLiteral("SAMPLE STATION"));
    describeStation(*station);
    const PassData pass(*station, now, 0);
    if (pass.aos() && pass.los()) now = *pass.aos() + (*pass.los() - *pass.aos()) * 0.4;

    QMainWindow window;
    auto* tabs = new MainInterface;
    window.setCentralWidget(tabs);
    placeWindow(window, *options);
    Photographer camera(window, directory);
    if (options->gallery) {
        gallery(*tabs, camera, app, now);
    } else {
        tour(*tabs, camera);
        stationTour(*tabs, camera, app);
    }
    app.waitForPendingSaves();
    return 0;
}
