// The first run with real message boxes, offscreen, against the bundled sample server: the
// question, "Yes", the progress box, and a catalogue of every sample category afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "MessageBoxAlertView.h"
#include "SkelvorAppDelegate.h"

namespace {

QMessageBox* visibleBox(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->windowTitle() == title) return box;
    }
    return nullptr;
}

void press(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) return button->click();
    }
    FAIL() << "no button " << text.toStdString();
}

}  // namespace

TEST(FirstRun, LoadsTheSampleElementSetsThroughRealBoxes) {
    QTemporaryDir directory;
    SkelvorAppDelegate app;
    app.setDataDirectory(directory.path());
    app.setElementServer(QUrl("qrc:/sample-server/"));
    app.setAlertViewFactory(&MessageBoxAlertView::make);
    app.setLocationSource(SkelvorAppDelegate::LocationSource::simulator);
    app.applicationDidFinishLaunching();

    // The question comes once the reachability service has answered, from the event loop.
    ASSERT_TRUE(QTest::qWaitFor([] { return visibleBox("No TLE Files") != nullptr; }, 5000));
    QMessageBox* question = visibleBox("No TLE Files");
    EXPECT_TRUE(question->informativeText().startsWith("No TLE information appears to be loaded."));
    press(question, "Yes");
    ASSERT_NE(visibleBox("Loading TLE files"), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([] { return visibleBox("Loading TLE files") == nullptr; }, 20000));

    EXPECT_EQ(app.knownSatellites().size(), 4);
    EXPECT_NE(app.findSatelliteByCommonName("SAMPLE MOLNIYA"), nullptr);
    app.waitForPendingSaves();
    EXPECT_TRUE(QFile::exists(app.stateFilePath()));
    EXPECT_EQ(visibleBox("Error reading TLE files"), nullptr);
}
