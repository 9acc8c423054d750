// A new user's first session with the whole application, offscreen: the first-run question and
// the loading of the sample element sets, choosing satellites by category and by search, their
// events in the list, a pass with its footprint map and details, a frequency record and a
// comment, the preferences; then a restart that finds all of it again without asking anything.
#include <QPlainTextEdit>
#include <algorithm>

#include "CategorySelectionController.h"
#include "CommentEditorController.h"
#include "FirstViewController.h"
#include "FootprintController.h"
#include "FrequencyEditorController.h"
#include "PassViewController.h"
#include "PreferencesController.h"
#include "SatelliteData.h"
#include "SatelliteDetailsController.h"
#include "SatelliteSearchController.h"
#include "SatelliteSelectionController.h"
#include "SegmentedControl.h"
#include "app_flow_fixture.h"
#include "qt_environment.h"

namespace {

[[maybe_unused]] testing::Environment* const application =
    testing::AddGlobalTestEnvironment(new QtEnvironment<QApplication>("app_flow_tests"));

using Tab = MainInterface::Tab;
using LocationSource = SkelvorAppDelegate::LocationSource;

constexpr double degreesPerRadian = 57.29577951308232;
const QStringList chosen{"SAMPLE STATION", "SAMPLE AMATEUR 1", "SAMPLE MOLNIYA"};
const QString comment = QStringLiteral("Beacon strong above 30 degrees");

class NewUser : public AppFlow {
protected:
    void answerFirstRunQuestion() {
        QMessageBox* question = visibleBox(QStringLiteral("No TLE Files"));
        ASSERT_NE(question, nullptr);
        press(question, QStringLiteral("Yes"));
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return visibleBox(QStringLiteral("Loading TLE files")) == nullptr &&
                       app->dateOfLastTLEUpdate() == now;
            },
            patience));
        // No error, and with the simulator's fixed place no box about the location either.
        EXPECT_EQ(visibleBoxCount(), 0);
    }

    void chooseTwoByCategory() {
        ASSERT_NO_FATAL_FAILURE(switchTo(Tab::satellites));
        auto* categories = rootOf<CategorySelectionController>(Tab::satellites);
        ASSERT_NE(categories, nullptr);
        EXPECT_EQ(categories->sortedCategoryKeys(),
                  QStringList({"Sample eccentric orbits", "Sample geostationary",
                               "Sample low orbits", "Sample navigation"}));
        const auto lowOrbits = categories->sortedCategoryKeys().indexOf("Sample low orbits");
        pressRow(categories->tableView(), {0, static_cast<int>(lowOrbits)});

        auto* category = topOf<SatelliteSelectionController>(Tab::satellites);
        ASSERT_NE(category, nullptr);
        EXPECT_EQ(category->title(), "Sample low orbits");
        for (const QString& name : chosen.first(2)) {
            const IndexPath row = rowOf(*category, name);
            pressRow(category->tableView(), row);
            EXPECT_EQ(category->tableView()->cellForRow(row).accessory, AccessoryType::checkmark)
                << name.toStdString();
        }
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::satellites));
        EXPECT_EQ(stack(Tab::satellites)->topViewController(), categories);
    }

    void chooseOneBySearch() {
        auto* categories = rootOf<CategorySelectionController>(Tab::satellites);
        ASSERT_NO_FATAL_FAILURE(click(categories->searchButton()));
        auto* search =
            dynamic_cast<SatelliteSearchController*>(stack(Tab::satellites)->modalViewController());
        ASSERT_NE(search, nullptr);
        type(search->searchBar()->textField(), QStringLiteral("sa"));
        EXPECT_EQ(search->searchBar()->text(), "SA");
        const auto& found = search->matchingSatellites();
        const auto molniya = std::find_if(found.begin(), found.end(), [](const auto& satellite) {
            return satellite->commonName() == chosen[2];
        });
        ASSERT_NE(molniya, found.end());
        const IndexPath row{0, static_cast<int>(molniya - found.begin())};
        pressRow(search->resultList(), row);
        EXPECT_EQ(search->resultList()->cellForRow(row).accessory, AccessoryType::checkmark);

        ASSERT_NO_FATAL_FAILURE(click(search->searchBar()->cancelButton()));
        EXPECT_EQ(stack(Tab::satellites)->modalViewController(), nullptr);
        EXPECT_EQ(stack(Tab::satellites)->topViewController(), categories);
    }

    // The list's rows: each satellite's name with its next event or why there is none.
    void expectTheListOfTheChosen() {
        ASSERT_NO_FATAL_FAILURE(switchTo(Tab::tracking));
        TableView* list = rootOf<FirstViewController>(Tab::tracking)->tableView();
        ASSERT_EQ(list->dataSource()->numberOfRowsInSection(0), chosen.size());
        for (int row = 0; row < chosen.size(); ++row) {
            const QStringList texts = list->cellForRow({0, row}).texts();
            ASSERT_GE(texts.size(), 2);
            EXPECT_EQ(texts[0], chosen[row]);
            const QString& event = texts[1];
            EXPECT_TRUE(event.startsWith("AOS: ") || event.startsWith("LOS: ") ||
                        event == "No pass visible" || event == "Geosynchronous Satellite")
                << event.toStdString();
        }
    }

    PassViewController* openPassOf(int row) {
        pressRow(rootOf<FirstViewController>(Tab::tracking)->tableView(), {0, row});
        auto* pass = topOf<PassViewController>(Tab::tracking);
        EXPECT_NE(pass, nullptr);
        return pass && pass->title() == chosen[row] ? pass : nullptr;
    }

    void lookAtTheFootprint(PassViewController& pass) {
        ASSERT_NO_FATAL_FAILURE(click(segment(pass.footprintDetailsButton(), "Footprint")));
        auto* footprint = topOf<FootprintController>(Tab::tracking);
        ASSERT_NE(footprint, nullptr);
        EXPECT_TRUE(footprint->view()->isVisible());
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::tracking));
    }

    void addAFrequencyRecord(SatelliteDetailsController& details) {
        ASSERT_NO_FATAL_FAILURE(click(details.editButtonItem()));
        ASSERT_TRUE(details.isEditing());
        // The extra row below the records, pressed on its insert control at the left.
        pressRow(details.displayTable(), {0, 0}, 10);
        auto* editor = topOf<FrequencyEditorController>(Tab::tracking);
        ASSERT_NE(editor, nullptr);
        typeInto(editor->uplinkValue(), QStringLiteral("145.990"));
        typeInto(editor->downlinkValue(), QStringLiteral("437.800"));
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::tracking));
        const QStringList record = details.displayTable()->cellForRow({0, 0}).texts();
        ASSERT_GE(record.size(), 4);
        EXPECT_EQ(record[1], "145.990");
        EXPECT_EQ(record[3], "437.800");
        ASSERT_NO_FATAL_FAILURE(click(details.editButtonItem()));
        EXPECT_FALSE(details.isEditing());
    }

    void writeAComment(SatelliteDetailsController& details) {
        pressRow(details.displayTable(), {1, 0});
        auto* editor = topOf<CommentEditorController>(Tab::tracking);
        ASSERT_NE(editor, nullptr);
        type(editor->commentField(), comment);
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::tracking));
        EXPECT_EQ(details.displayTable()->cellForRow({1, 0}).texts().at(0), comment);
    }

    void fillInTheDetails(PassViewController& pass) {
        ASSERT_NO_FATAL_FAILURE(click(segment(pass.footprintDetailsButton(), "Details")));
        auto* details = topOf<SatelliteDetailsController>(Tab::tracking);
        ASSERT_NE(details, nullptr);
        ASSERT_EQ(details->targetSatellite()->commonName(), chosen[0]);
        ASSERT_NO_FATAL_FAILURE(addAFrequencyRecord(*details));
        ASSERT_NO_FATAL_FAILURE(writeAComment(*details));
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::tracking));
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::tracking));
    }

    void changePreferences() {
        ASSERT_NO_FATAL_FAILURE(switchTo(Tab::preferences));
        auto* preferences = rootOf<PreferencesController>(Tab::preferences);
        ASSERT_FALSE(app->useUTC());
        ASSERT_NO_FATAL_FAILURE(click(preferences->useUTCSwitch()));
        EXPECT_TRUE(app->useUTC());
        typeInto(preferences->timelineDuration(), QStringLiteral("24"));
        EXPECT_EQ(app->timelineDuration(), 24);
        typeInto(preferences->latitude(), QStringLiteral("48.5"));
        EXPECT_NEAR(app->observer_geodetic().lat * degreesPerRadian, 48.5, 1e-9);
        shownLatitude = preferences->latitude()->text();
    }

    void expectEverythingRestored() {
        EXPECT_EQ(visibleBoxCount(), 0) << "no question within the update age";
        QStringList names;
        for (const auto& satellite : app->selectedSatellites()) names << satellite->commonName();
        EXPECT_EQ(names, chosen);
        ASSERT_NO_FATAL_FAILURE(expectTheListOfTheChosen());

        PassViewController* pass = openPassOf(0);
        ASSERT_NE(pass, nullptr);
        const QString text = pass->passDataView()->toPlainText();
        EXPECT_TRUE(text.contains("Uplink: 145.990  DownLink: 437.800")) << text.toStdString();
        EXPECT_TRUE(text.contains("Comments:\n" + comment)) << text.toStdString();
        ASSERT_NO_FATAL_FAILURE(goBack(Tab::tracking));

        ASSERT_NO_FATAL_FAILURE(switchTo(Tab::preferences));
        auto* preferences = rootOf<PreferencesController>(Tab::preferences);
        EXPECT_TRUE(preferences->useUTCSwitch()->isOn());
        EXPECT_EQ(preferences->timelineDuration()->text(), "24");
        EXPECT_EQ(preferences->latitude()->text(), shownLatitude);
        EXPECT_TRUE(app->useUTC());
        EXPECT_EQ(app->timelineDuration(), 24);
        EXPECT_NEAR(app->observer_geodetic().lat * degreesPerRadian, 48.5, 1e-9);
        EXPECT_NEAR(app->observer_geodetic().lon * degreesPerRadian,
                    SkelvorAppDelegate::simulator_location.longitude, 1e-9);
    }

    QString shownLatitude;
};

}  // namespace

TEST_F(NewUser, SetsUpASessionAndFindsItAgainAfterARestart) {
    ASSERT_NO_FATAL_FAILURE(launch(LocationSource::simulator));
    ASSERT_NO_FATAL_FAILURE(answerFirstRunQuestion());
    ASSERT_NO_FATAL_FAILURE(chooseTwoByCategory());
    ASSERT_NO_FATAL_FAILURE(chooseOneBySearch());
    ASSERT_NO_FATAL_FAILURE(expectTheListOfTheChosen());

    PassViewController* pass = openPassOf(0);
    ASSERT_NE(pass, nullptr);
    ASSERT_NO_FATAL_FAILURE(lookAtTheFootprint(*pass));
    ASSERT_NO_FATAL_FAILURE(fillInTheDetails(*pass));
    ASSERT_NO_FATAL_FAILURE(changePreferences());

    // A day later, from the position saved: the simulator would move the observer back to its
    // fixed place. The element sets are still young enough to ask nothing of the server.
    ASSERT_NO_FATAL_FAILURE(quit());
    const int requests = server.requests();
    now = now + 86400.0;
    ASSERT_NO_FATAL_FAILURE(launch(LocationSource::saved));
    ASSERT_NO_FATAL_FAILURE(expectEverythingRestored());
    EXPECT_EQ(server.requests(), requests);
}
