// Alert boxes over message boxes, offscreen: presses reach the delegate with their index, a
// box closed from the program tells nobody, and the delegate may release the box it hears from.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>

#include "MessageBoxAlertView.h"
#include "qt_environment.h"

namespace {

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment<QApplication>("widgets_tests"));

struct Recorder : AlertViewDelegate {
    void alertViewClickedButtonAtIndex(AlertView&, int buttonIndex) override {
        presses.push_back(buttonIndex);
        if (releaseOnPress) held.reset();
    }
    std::vector<int> presses;
    bool releaseOnPress = false;
    std::unique_ptr<AlertView> held;
};

}  // namespace

TEST(AlertView, TextIsRenderedWithARealFont) {
    EXPECT_FALSE(QFontDatabase::families().isEmpty()) << "text would render as boxes";
}

TEST(AlertView, PressesReachTheDelegateAndTheProgramClosesQuietly) {
    Recorder recorder;
    const auto box =
        MessageBoxAlertView::make("TLE Files Out of Date", "2 days old", {"No", "Yes"}, &recorder);
    EXPECT_EQ(box->title(), "TLE Files Out of Date");
    EXPECT_EQ(box->message(), "2 days old");
    EXPECT_EQ(box->buttons(), QStringList({"No", "Yes"}));
    box->show();
    EXPECT_TRUE(box->isVisible());
    box->clickButton(1);
    EXPECT_EQ(recorder.presses, std::vector<int>{1});
    EXPECT_FALSE(box->isVisible());

    box->show();
    box->setMessage("3 of 4");
    EXPECT_EQ(box->message(), "3 of 4");
    box->dismissWithClickedButtonIndex(0);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(recorder.presses.size(), 1u);
}

TEST(AlertView, TheDelegateMayReleaseTheBoxItHearsFrom) {
    Recorder recorder;
    recorder.releaseOnPress = true;
    recorder.held = MessageBoxAlertView::make("Loading TLE files", "1 of 4", {"Cancel"}, &recorder);
    recorder.held->show();
    recorder.held->clickButton(0);
    EXPECT_EQ(recorder.presses, std::vector<int>{0});
    EXPECT_EQ(recorder.held, nullptr);
    QCoreApplication::processEvents();  // the message box itself goes now
}
