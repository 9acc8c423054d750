// Saves a picture of every screen of the application, driven as a user would drive it, on the
// bundled sample element sets loaded through the sample server: the list, a pass under way on
// the radar plot, the footprint map, the details and the frequency editor, the timeline, the
// categories, a category's satellites, the search, the preferences and the help.
//
//   skelvor-screenshots DIRECTORY      (run with QT_QPA_PLATFORM=offscreen where there is no
//   display)
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "CategorySelectionController.h"
#include "FirstViewController.h"
#include "MainInterface.h"
#include "MessageBoxAlertView.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "SatelliteSearchController.h"
#include "SearchBar.h"
#include "SegmentedControl.h"
#include "SkelvorAppDelegate.h"
#include "TableView.h"
#include "ViewController.h"

namespace {

class Photographer {
public:
    Photographer(QMainWindow& window, QDir directory) : window_(window), directory_(directory) {}

    void take(const QString& name) {
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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skelvor-screenshots DIRECTORY\n");
        return 2;
    }
    QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.mkpath(QStringLiteral("."))) return 1;
    QTemporaryDir data;

    SkelvorAppDelegate app;
    Date now(818251200.0);  // 2026-12-06 12:00 UTC, the samples' epoch
    app.setClock([&now] { return now; });
    app.setDataDirectory(data.path());
    app.setElementServer(QUrl(QStringLiteral("qrc:/sample-server/")));
    app.setAlertViewFactory(&MessageBoxAlertView::make);
    app.loadSavedState();  // a fresh state: the default settings
    app.setObserver_geodetic({52.2 * M_PI / 180.0, 0.12 * M_PI / 180.0, 0.02, 0.0});
    app.setUseUTC(true);
    app.setShowSunAndMoon(true);
    app.setShowFootprintTrack(true);
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
    window.resize(400, 720);
    window.show();
    Photographer camera(window, directory);

    NavigationController* tracking = tabs->stackOf(MainInterface::tracking);
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
    if (!QTest::qWaitFor([&] { return tracking->count() == 2; }, 30000)) return 1;
    camera.take(QStringLiteral("timeline"));
    tracking->popViewControllerAnimated(true);

    tabs->setCurrentIndex(MainInterface::satellites);
    NavigationController* satellites = tabs->stackOf(MainInterface::satellites);
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

    tabs->setCurrentIndex(MainInterface::preferences);
    camera.take(QStringLiteral("preferences"));
    tabs->setCurrentIndex(MainInterface::help);
    camera.take(QStringLiteral("help"));
    NavigationController* help = tabs->stackOf(MainInterface::help);
    press(tableOf(help->topViewController()), {1, 0});
    camera.take(QStringLiteral("help-topic"));
    app.waitForPendingSaves();
    return 0;
}
