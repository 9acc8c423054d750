// The navigation stack passes showing and hiding on to its screens: loading once, appearing and
// disappearing on push, pop, modal screens and tab switches, in the order screens rely on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "NavigationController.h"

namespace {

struct Screen : ViewController {
    // Screens may set their bar items while they load, before they are on a stack.
    void viewDidLoad() override {
        setRightBarButtonItem(new QToolButton);
        log->append(name + QStringLiteral(" loaded"));
    }
    Screen(QString screenName, QStringList* journal) : name(std::move(screenName)), log(journal) {}
    ~Screen() override { log->append(name + QStringLiteral(" gone")); }
    void viewWillAppear(bool) override { log->append(name + QStringLiteral(" appears")); }
    void viewWillDisappear(bool) override { log->append(name + QStringLiteral(" disappears")); }
    QString name;
    QStringList* log;
};

class Navigation : public testing::Test {
protected:
    std::unique_ptr<Screen> screen(const QString& name) {
        return std::make_unique<Screen>(name, &log);
    }
    // Lets the stack delete the screens it took off.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // Screens still waiting to be deleted write to this test's journal.
    void TearDown() override { settle(); }

    QStringList log;
};

}  // namespace

TEST_F(Navigation, PushAndPopTellBothScreensAndDeleteThePoppedOne) {
    NavigationController stack(screen(QStringLiteral("list")));
    stack.show();
    stack.pushViewController(screen(QStringLiteral("pass")), true);
    EXPECT_EQ(stack.count(), 2);
    stack.popViewControllerAnimated(true);
    stack.popViewControllerAnimated(true);  // the root stays
    settle();
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(log, QStringList({"list loaded", "list appears", "pass loaded", "list disappears",
                                "pass appears", "pass disappears", "list appears", "pass gone"}));
}

TEST_F(Navigation, ANewScreenLoadsBeforeTheCoveredOneDisappears) {
    // A screen that reads what the covered screen clears when it disappears must load first.
    NavigationController stack(screen(QStringLiteral("pass")));
    stack.show();
    log.clear();
    stack.pushViewController(screen(QStringLiteral("details")), true);
    EXPECT_EQ(log.first(), "details loaded");
}

TEST_F(Navigation, TabSwitchesHideAndShowTheTopScreen) {
    QTabWidget tabs;
    auto* first = new NavigationController(screen(QStringLiteral("list")));
    auto* second = new NavigationController(screen(QStringLiteral("help")));
    tabs.addTab(first, QStringLiteral("Tracking"));
    tabs.addTab(second, QStringLiteral("Help"));
    tabs.show();
    log.clear();
    tabs.setCurrentIndex(1);
    tabs.setCurrentIndex(0);
    EXPECT_EQ(log,
              QStringList({"list disappears", "help appears", "help disappears", "list appears"}));
}

TEST_F(Navigation, AModalScreenCoversTheStackUntilDismissed) {
    NavigationController stack(screen(QStringLiteral("categories")));
    stack.show();
    log.clear();
    stack.presentModalViewController(screen(QStringLiteral("search")), true);
    EXPECT_NE(stack.modalViewController(), nullptr);
    stack.dismissModalViewControllerAnimated(true);
    settle();
    EXPECT_EQ(stack.modalViewController(), nullptr);
    EXPECT_EQ(log, QStringList({"search loaded", "categories disappears", "search appears",
                                "search disappears", "categories appears", "search gone"}));
}

TEST_F(Navigation, TheBarShowsTheTopScreensTitleAndABackButtonBelowIt) {
    auto root = screen(QStringLiteral("list"));
    root->setTitle(QStringLiteral("Tracking"));
    NavigationController stack(std::move(root));
    stack.show();
    auto* back = stack.findChild<QToolButton*>();
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isVisible());
    auto pass = screen(QStringLiteral("pass"));
    pass->setTitle(QStringLiteral("SAMPLE STATION"));
    stack.pushViewController(std::move(pass), true);
    EXPECT_TRUE(back->isVisible());
    EXPECT_EQ(stack.findChild<QLabel*>()->text(), "SAMPLE STATION");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.findChild<QLabel*>()->text(), "Tracking");
}

// The keyboard goes back as the back button does: Escape and Alt+Left close a screen shown over
// the stack, else take the top screen off; at the root they are left to others. A pushed screen
// gets the keyboard.
TEST_F(Navigation, EscapeAndAltLeftGoBackAndAPushedScreenGetsTheKeyboard) {
    struct Field : ViewController {
        void loadView() override { setView(new QLineEdit); }
    };
    NavigationController stack(screen(QStringLiteral("root")));
    stack.show();
    stack.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&stack));
    stack.pushViewController(std::make_unique<Field>(), true);
    QWidget* field = stack.topViewController()->view();
    EXPECT_TRUE(field->hasFocus());
    stack.presentModalViewController(screen(QStringLiteral("modal")), true);
    QTest::keyClick(&stack, Qt::Key_Escape);
    EXPECT_EQ(stack.modalViewController(), nullptr);
    EXPECT_EQ(stack.count(), 2);
    QTest::keyClick(field, Qt::Key_Left, Qt::AltModifier);  // unused by the field: it goes up
    EXPECT_EQ(stack.count(), 1);
    EXPECT_FALSE(stack.goBack()) << "the root stays";
}
