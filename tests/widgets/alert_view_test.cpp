// Alert boxes over message boxes, offscreen: presses reach the delegate with their index, a
// box closed from the program tells nobody, and the delegate may release the box it hears from.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

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

TEST(AlertView, AReleasedBoxOutlivesAnEventLoopRunByTheDelegate) {
    // A delegate that releases the box and then downloads (an event loop of its own) while the
    // box is still handling the press, as a press given by the program is handled.
    struct Downloader : AlertViewDelegate {
        void alertViewClickedButtonAtIndex(AlertView&, int) override {
            held.reset();
            QEventLoop download;
            QTimer::singleShot(0, &download, &QEventLoop::quit);
            download.exec();
            survived = !box.isNull();
        }
        std::unique_ptr<AlertView> held;
        QPointer<QMessageBox> box;
        bool survived = false;
    } downloader;
    downloader.held =
        MessageBoxAlertView::make("No TLE Files", "Load them?", {"No", "Yes"}, &downloader);
    downloader.held->show();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            downloader.box = box;
        }
    }
    ASSERT_FALSE(downloader.box.isNull());
    downloader.held->clickButton(1);
    EXPECT_TRUE(downloader.survived);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(downloader.box.isNull());
}
