// A first session with the keyboard alone: every step below is a key sent to whatever has the
// keyboard focus, as the desktop would send it. The first-run question and the loading,
// choosing satellites by category and by search, a pass with its footprint map and details, a
// new frequency record, the timeline, an update at the user's word, the preferences, and quit.
#include <QAbstractButton>
#include <QApplication>

#include "CategorySelectionController.h"
#include "FirstViewController.h"
#include "FootprintController.h"
#include "FrequencyEditorController.h"
#include "PassViewController.h"
#include "PreferencesController.h"
#include "SatelliteDetailsController.h"
#include "SatelliteSearchController.h"
#include "SatelliteSelectionController.h"
#include "TimelineController.h"
#include "app_flow_fixture.h"

namespace {

using Tab = MainInterface::Tab;

class KeyboardUser : public AppFlow {
protected:
    // One key to the widget with the keyboard focus (the active window when none has it).
    void key(Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        fromEventLoop([&] {
            QWidget* target = QApplication::focusWidget();
            if (!target) target = QApplication::activeWindow();
            ASSERT_NE(target, nullptr) << "nothing has the keyboard";
            QTest::keyClick(target, pressed, modifiers);
        });
    }

    void keys(const QString& text) {
        fromEventLoop([&] {
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            QTest::keyClicks(QApplication::focusWidget(), text);
        });
    }

    // Tab until the keyboard is on a widget that passes the test.
    void tabTo(const std::function<bool(QWidget*)>& wanted, const QString& what) {
        for (int press = 0; press < 60; ++press) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && wanted(focus)) return;
            key(Qt::Key_Tab);
        }
        QWidget* focus = QApplication::focusWidget();
        FAIL() << "Tab never reaches " << what.toStdString() << "; the keyboard is on "
               << (focus ? focus->metaObject()->className() : "nothing");
    }

    void tabToButton(const QString& text) {
        tabTo(
            [text](QWidget* widget) {
                const auto* button = qobject_cast<QAbstractButton*>(widget);
                return button && button->text() == text;
            },
            text);
    }

    void tabTo(QWidget* widget) {
        tabTo([widget](QWidget* focus) { return focus == widget; }, widget->accessibleName());
    }

    // The arrow keys, down and then up, until the table's current row is the one wanted.
    void arrowTo(TableView* table, IndexPath row) {
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(QApplication::focusWidget(), table) << "the list has the keyboard";
        for (const Qt::Key direction : {Qt::Key_Down, Qt::Key_Up}) {
            for (int press = 0; press < 100; ++press) {
                if (table->currentRow() == row) return;
                key(direction);
            }
        }
        FAIL() << "the arrows never reach row " << row.section << ", " << row.row;
    }

    void waitForTheLoading() {
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return visibleBox(QStringLiteral("Loading TLE files")) == nullptr &&
                       app->updateState() == SkelvorAppDelegate::UpdateState::idle;
            },
            patience));
    }

    // A desktop's window manager gives the keyboard back to the main window when a box over it
    // closes; the offscreen platform leaves no window active, so the test does it instead.
    void backToTheWindow() {
        if (!window->isActiveWindow()) window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void answerTheFirstRunQuestion() {
        // The box takes the keyboard once it is shown over the window.
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                QMessageBox* box = visibleBox(QStringLiteral("No TLE Files"));
                return box && box->isAncestorOf(QApplication::focusWidget());
            },
            patience));
        ASSERT_NO_FATAL_FAILURE(tabToButton(QStringLiteral("Yes")));
        key(Qt::Key_Space);
        ASSERT_NO_FATAL_FAILURE(waitForTheLoading());
        EXPECT_EQ(app->dateOfLastTLEUpdate(), now);
        EXPECT_EQ(visibleBoxCount(), 0);
        ASSERT_NO_FATAL_FAILURE(backToTheWindow());
    }

    void chooseByCategory() {
        key(Qt::Key_2, Qt::ControlModifier);
        ASSERT_EQ(tabs->currentIndex(), Tab::satellites);
        auto* categories = rootOf<CategorySelectionController>(Tab::satellites);
        const int lowOrbits =
            static_cast<int>(categories->sortedCategoryKeys().indexOf("Sample low orbits"));
        ASSERT_NO_FATAL_FAILURE(arrowTo(categories->tableView(), {0, lowOrbits}));
        key(Qt::Key_Return);
        auto* category = topOf<SatelliteSelectionController>(Tab::satellites);
        ASSERT_NE(category, nullptr);
        for (const QString name : {"SAMPLE STATION", "SAMPLE AMATEUR 1"}) {
            const IndexPath row = rowOf(*category, name);
            ASSERT_NO_FATAL_FAILURE(arrowTo(category->tableView(), row));
            key(Qt::Key_Return);
            EXPECT_TRUE(app->isSatelliteSelected(name)) << name.toStdString();
        }
        key(Qt::Key_Escape);
        EXPECT_EQ(stack(Tab::satellites)->topViewController(), categories);
    }

    void chooseBySearch() {
        key(Qt::Key_F, Qt::ControlModifier);
        auto* search =
            dynamic_cast<SatelliteSearchController*>(stack(Tab::satellites)->modalViewController());
        ASSERT_NE(search, nullptr);
        keys(QStringLiteral("molni"));  // inside the name, not at its start
        ASSERT_EQ(search->matchingSatellites().size(), 1u);
        ASSERT_NO_FATAL_FAILURE(tabTo(search->resultList()));
        ASSERT_NO_FATAL_FAILURE(arrowTo(search->resultList(), {0, 0}));
        key(Qt::Key_Return);
        EXPECT_TRUE(app->isSatelliteSelected("SAMPLE MOLNIYA"));
        key(Qt::Key_Escape);
        EXPECT_EQ(stack(Tab::satellites)->modalViewController(), nullptr);
    }

    PassViewController* openTheFirstPass() {
        key(Qt::Key_1, Qt::ControlModifier);
        auto* list = rootOf<FirstViewController>(Tab::tracking);
        EXPECT_EQ(list->tableView()->dataSource()->numberOfRowsInSection(0), 3);
        arrowTo(list->tableView(), {0, 0});
        key(Qt::Key_Return);
        return topOf<PassViewController>(Tab::tracking);
    }

    void lookAtTheFootprint() {
        ASSERT_NO_FATAL_FAILURE(tabToButton(QStringLiteral("Footprint")));
        key(Qt::Key_Space);
        ASSERT_NE(topOf<FootprintController>(Tab::tracking), nullptr);
        key(Qt::Key_Left, Qt::AltModifier);
        ASSERT_NE(topOf<PassViewController>(Tab::tracking), nullptr);
    }

    void addAFrequencyRecord() {
        ASSERT_NO_FATAL_FAILURE(tabToButton(QStringLiteral("Details")));
        key(Qt::Key_Space);
        auto* details = topOf<SatelliteDetailsController>(Tab::tracking);
        ASSERT_NE(details, nullptr);
        key(Qt::Key_E, Qt::ControlModifier);
        ASSERT_TRUE(details->isEditing());
        ASSERT_NO_FATAL_FAILURE(tabTo(details->displayTable()));
        ASSERT_NO_FATAL_FAILURE(arrowTo(details->displayTable(), {0, 0}));
        key(Qt::Key_Return);  // the insert row
        auto* editor = topOf<FrequencyEditorController>(Tab::tracking);
        ASSERT_NE(editor, nullptr);
        ASSERT_NO_FATAL_FAILURE(tabTo(editor->uplinkValue()));
        keys(QStringLiteral("145.990"));
        ASSERT_NO_FATAL_FAILURE(tabTo(editor->downlinkValue()));
        keys(QStringLiteral("437.800"));
        key(Qt::Key_Return);
        key(Qt::Key_Escape);
        ASSERT_EQ(topOf<SatelliteDetailsController>(Tab::tracking), details);
        const QStringList record = details->displayTable()->cellForRow({0, 0}).texts();
        ASSERT_GE(record.size(), 4);
        EXPECT_EQ(record[1], "145.990");
        EXPECT_EQ(record[3], "437.800");
        key(Qt::Key_E, Qt::ControlModifier);
        EXPECT_FALSE(details->isEditing());
        key(Qt::Key_Escape);
        key(Qt::Key_Escape);
        EXPECT_EQ(stack(Tab::tracking)->count(), 1);
    }

    void lookAtTheTimeline() {
        ASSERT_NO_FATAL_FAILURE(tabToButton(QStringLiteral("Timeline")));
        key(Qt::Key_Space);
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return topOf<TimelineController>(Tab::tracking) != nullptr; }, patience));
        key(Qt::Key_Escape);
        EXPECT_EQ(stack(Tab::tracking)->count(), 1);
    }

    // F5 loads the element sets at once; whatever the loading has to say is closed by Return.
    void updateNow() {
        key(Qt::Key_F5);
        EXPECT_NE(app->updateState(), SkelvorAppDelegate::UpdateState::idle);
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return visibleBox(QStringLiteral("Loading TLE files")) == nullptr; }, patience));
        for (int box = 0; box < 3 && visibleBoxCount() > 0; ++box) key(Qt::Key_Return);
        EXPECT_EQ(visibleBoxCount(), 0);
        ASSERT_NO_FATAL_FAILURE(backToTheWindow());
    }

    void changeThePreferences() {
        key(Qt::Key_3, Qt::ControlModifier);
        auto* preferences = rootOf<PreferencesController>(Tab::preferences);
        ASSERT_NO_FATAL_FAILURE(tabTo(preferences->timelineDuration()));
        key(Qt::Key_A, Qt::ControlModifier);
        keys(QStringLiteral("24"));
        key(Qt::Key_Return);
        EXPECT_EQ(app->timelineDuration(), 24);
        ASSERT_NO_FATAL_FAILURE(tabTo(preferences->locator()));
        key(Qt::Key_A, Qt::ControlModifier);
        keys(QStringLiteral("JO62qm"));
        key(Qt::Key_Return);
        EXPECT_EQ(app->positionChoice(), PositionChoice::fixedPosition);
        EXPECT_FALSE(preferences->useLocationServiceSwitch()->isOn());
    }
};

}  // namespace

TEST_F(KeyboardUser, GoesThroughAFirstSessionWithoutTheMouse) {
    ASSERT_NO_FATAL_FAILURE(launch(SkelvorAppDelegate::LocationSource::simulator));
    ASSERT_NO_FATAL_FAILURE(answerTheFirstRunQuestion());
    ASSERT_NO_FATAL_FAILURE(chooseByCategory());
    ASSERT_NO_FATAL_FAILURE(chooseBySearch());

    ASSERT_NE(openTheFirstPass(), nullptr);
    ASSERT_NO_FATAL_FAILURE(lookAtTheFootprint());
    ASSERT_NO_FATAL_FAILURE(addAFrequencyRecord());
    ASSERT_NO_FATAL_FAILURE(lookAtTheTimeline());
    ASSERT_NO_FATAL_FAILURE(updateNow());
    ASSERT_NO_FATAL_FAILURE(changeThePreferences());

    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}
