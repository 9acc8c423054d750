// Alert boxes over message boxes, offscreen: presses reach the delegate with their index, a
// box closed from the program tells nobody, the delegate may release the box it hears from, and
// a box is modal to the main window, centred on it and waits for it to appear.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
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

// A box belongs to the main window: modal to it, centred on it, with the keyboard in it; one
// shown before the window appears waits for it.
TEST(AlertView, IsModalToTheMainWindowCentredOnItAndWaitsForIt) {
    Recorder recorder;
    QMainWindow window;
    window.setGeometry(100, 100, 600, 500);
    const auto alert =
        MessageBoxAlertView::make("No TLE Files", "Load them?", {"No", "Yes"}, &recorder);
    QMessageBox* box = static_cast<MessageBoxAlertView&>(*alert).messageBox();
    EXPECT_EQ(box->parentWidget(), &window);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    alert->show();
    EXPECT_TRUE(alert->isVisible()) << "shown, waiting for its window";
    EXPECT_FALSE(box->isVisible());
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->isVisible(); }));
    EXPECT_LT((box->geometry().center() - window.geometry().center()).manhattanLength(), 40);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->isAncestorOf(QApplication::focusWidget()); }))
        << "the keyboard is in the box";
    alert->dismissWithClickedButtonIndex(0);
    EXPECT_FALSE(alert->isVisible());
}

TEST(AlertView, ABoxDismissedWhileItWaitsNeverShows) {
    Recorder recorder;
    QMainWindow window;
    const auto alert =
        MessageBoxAlertView::make("Finding Location", "Please Wait", {"Cancel"}, &recorder);
    alert->show();
    alert->dismissWithClickedButtonIndex(0);
    window.show();
    QCoreApplication::processEvents();  // the window's appearance is heard on the next turn
    QCoreApplication::processEvents();
    EXPECT_FALSE(static_cast<MessageBoxAlertView&>(*alert).messageBox()->isVisible());
}
