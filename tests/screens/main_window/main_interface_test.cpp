// The main window's keys: Ctrl+1 to Ctrl+4 choose a tab and give its screen the keyboard,
// Ctrl+F opens the search by name with the keyboard in its field, Ctrl+E switches the shown
// list's editing, Ctrl+Q closes the window; and the tabs drop their icons in a narrow window
// rather than cut their names.
#include <QLineEdit>
#include <QMainWindow>
#include <QTabBar>
#include <QTest>

#include "FirstViewController.h"
#include "MainInterface.h"
#include "NavigationController.h"
#include "NotificationCenter.h"
#include "PreferencesController.h"
#include "SatelliteSearchController.h"
#include "SearchBar.h"
#include "TableView.h"
#include "screen_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("main_window_tests");

namespace {

class MainWindow : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        select(QStringLiteral("SAMPLE STATION"));
        tabs = new MainInterface;
        window.setCentralWidget(tabs);
        window.resize(400, 720);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void press(QKeyCombination keys) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &window, keys.key(), keys.keyboardModifiers());
    }

    QMainWindow window;
    MainInterface* tabs = nullptr;
};

}  // namespace

TEST_F(MainWindow, ControlAndADigitChooseATabAndGiveItsScreenTheKeyboard) {
    press(Qt::CTRL | Qt::Key_3);
    EXPECT_EQ(tabs->currentIndex(), MainInterface::preferences);
    press(Qt::CTRL | Qt::Key_1);
    EXPECT_EQ(tabs->currentIndex(), MainInterface::tracking);
    auto* list = static_cast<FirstViewController*>(
        tabs->stackOf(MainInterface::tracking)->topViewController());
    EXPECT_TRUE(list->tableView()->hasFocus());
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(tabs->stackOf(MainInterface::tracking)->count(), 2) << "the pass screen is open";
    press(Qt::Key_Escape);
    EXPECT_EQ(tabs->stackOf(MainInterface::tracking)->count(), 1);
}

TEST_F(MainWindow, ControlFSearchesAndControlEEdits) {
    press(Qt::CTRL | Qt::Key_F);
    EXPECT_EQ(tabs->currentIndex(), MainInterface::satellites);
    auto* search = dynamic_cast<SatelliteSearchController*>(
        tabs->stackOf(MainInterface::satellites)->modalViewController());
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->searchBar()->textField()->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("molni"));
    EXPECT_EQ(search->matchingSatellites().size(), 1u);

    press(Qt::CTRL | Qt::Key_1);
    auto* list = static_cast<FirstViewController*>(
        tabs->stackOf(MainInterface::tracking)->topViewController());
    press(Qt::CTRL | Qt::Key_E);
    EXPECT_TRUE(list->tableView()->isEditing());
    press(Qt::CTRL | Qt::Key_E);
    EXPECT_FALSE(list->tableView()->isEditing());
}

// "Enter Position" in the box about an unknown position opens the position fields.
TEST_F(MainWindow, AskingForThePositionOpensThePositionFields) {
    NotificationCenter::defaultCenter().post(SkelvorAppDelegate::positionWantedNotification, &app);
    EXPECT_EQ(tabs->currentIndex(), MainInterface::preferences);
    auto* preferences = static_cast<PreferencesController*>(
        tabs->stackOf(MainInterface::preferences)->viewControllerAt(0));
    EXPECT_TRUE(preferences->latitude()->hasFocus());
    EXPECT_FALSE(preferences->latitude()->visibleRegion().isEmpty());
}

TEST_F(MainWindow, ControlQClosesTheWindow) {
    press(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindow, ANarrowWindowDropsTheTabIconsRatherThanCutTheirNames) {
    EXPECT_FALSE(tabs->tabBar()->iconSize().isEmpty());
    EXPECT_LE(tabs->minimumSizeHint().width(), 360);
    window.resize(300, 600);
    QCoreApplication::processEvents();
    EXPECT_TRUE(tabs->tabBar()->iconSize().isEmpty());
    EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width()) << "every name whole";
    window.resize(1280, 900);
    QCoreApplication::processEvents();
    EXPECT_FALSE(tabs->tabBar()->iconSize().isEmpty());
}
