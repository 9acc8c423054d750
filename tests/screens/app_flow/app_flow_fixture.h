// The whole application as the program assembles it: a delegate on a fresh data directory with
// real message boxes, the main window with its four tabs, and the sample element sets served on
// the loopback interface. The clock stands at the samples' epoch until the test moves it. The
// helpers press things as a user does: boxes by their button texts, tabs, buttons and table
// rows with the mouse, text fields with the keyboard.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "LoopbackServer.h"
#include "MainInterface.h"
#include "MessageBoxAlertView.h"
#include "NavigationController.h"
#include "SatelliteSelectionController.h"
#include "SkelvorAppDelegate.h"
#include "TableView.h"

class AppFlow : public testing::Test {
protected:
    // 2026-12-06 12:00:00 UTC, the samples' epoch, in seconds since 2001-01-01.
    static constexpr double sampleEpoch = 818251200.0;
    static constexpr int patience = 20000;  // ms to wait for anything the user waits for

    void SetUp() override { ASSERT_TRUE(directory.isValid()); }
    void TearDown() override { quit(); }

    // Starts the application as the program does: the delegate first, then the window with
    // its tabs, the launch, and the window shown.
    void launch(SkelvorAppDelegate::LocationSource source) {
        app = std::make_unique<SkelvorAppDelegate>();
        app->setDataDirectory(directory.path());
        app->setElementServer(server.url());
        app->setAlertViewFactory(&MessageBoxAlertView::make);
        app->setLocationSource(source);
        app->setClock([this] { return now; });
        window = std::make_unique<QMainWindow>();
        tabs = new MainInterface;
        window->setCentralWidget(tabs);
        window->resize(360, 680);
        app->applicationDidFinishLaunching();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Ends the application: the last save written, the screens gone, then the delegate.
    void quit() {
        if (!app) return;
        app->waitForPendingSaves();
        window.reset();
        tabs = nullptr;
        // Screens taken off a stack go at the next turn of the event loop; they go while the
        // delegate they point at is still there.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.reset();
    }

    // ---- Message boxes
    static QMessageBox* visibleBox(const QString& title) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible() && box->windowTitle() == title) return box;
        }
        return nullptr;
    }

    static int visibleBoxCount() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(widget) && widget->isVisible()) ++count;
        }
        return count;
    }

    static void press(QMessageBox* box, const QString& text) {
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == text) return click(button);
        }
        FAIL() << "no button " << text.toStdString();
    }

    // ---- Tabs and navigation stacks
    void switchTo(MainInterface::Tab tab) {
        QTabBar* bar = tabs->tabBar();
        fromEventLoop(
            [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center()); });
        ASSERT_EQ(tabs->currentIndex(), tab);
    }

    NavigationController* stack(MainInterface::Tab tab) const { return tabs->stackOf(tab); }

    template <class Screen>
    Screen* topOf(MainInterface::Tab tab) const {
        return dynamic_cast<Screen*>(stack(tab)->topViewController());
    }

    template <class Screen>
    Screen* rootOf(MainInterface::Tab tab) const {
        return dynamic_cast<Screen*>(stack(tab)->viewControllerAt(0));
    }

    // The bar's back button of the tab's stack.
    void goBack(MainInterface::Tab tab) {
        const int depth = stack(tab)->count();
        for (QToolButton* button : stack(tab)->findChildren<QToolButton*>()) {
            if (button->isVisible() && button->text().endsWith(QStringLiteral("Back"))) {
                click(button);
                ASSERT_EQ(stack(tab)->count(), depth - 1);
                return;
            }
        }
        FAIL() << "no back button";
    }

    // ---- Pressing and typing
    // Delivers input from the event loop, where a user's input arrives. What the application
    // lets go with deleteLater while handling it then lasts until the handling has ended, also
    // when the handling runs a loop of its own (the downloads do).
    static void fromEventLoop(const std::function<void()>& input) {
        bool delivered = false;
        QTimer::singleShot(0, [&] {
            input();
            delivered = true;
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return delivered; }, patience));
    }

    static void click(QAbstractButton* button) {
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible()) << button->text().toStdString();
        fromEventLoop(
            [button] { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); });
    }

    // The segment with this title of a segmented control.
    static QAbstractButton* segment(QWidget* control, const QString& title) {
        for (QAbstractButton* button : control->findChildren<QAbstractButton*>()) {
            if (button->text() == title) return button;
        }
        return nullptr;
    }

    // Presses the row where the user would, scrolling it into view first; dx from the row's
    // left edge, or its middle when negative.
    static void pressRow(TableView* table, IndexPath path, int dx = -1) {
        ASSERT_NE(table, nullptr);
        QRect row = table->rectForRow(path);
        ASSERT_TRUE(row.isValid()) << "no row " << path.section << ", " << path.row;
        if (!table->viewport()->rect().contains(row)) {
            table->verticalScrollBar()->setValue(table->verticalScrollBar()->value() + row.top());
            row = table->rectForRow(path);
        }
        const QPoint point = dx < 0 ? row.center() : QPoint(row.left() + dx, row.center().y());
        fromEventLoop([&] { QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, point); });
    }

    // The row of the satellite on a category's screen.
    static IndexPath rowOf(SatelliteSelectionController& category, const QString& name) {
        for (int section = 0; section < category.numberOfSections(); ++section) {
            const auto row =
                category.sortedSatelliteNames(static_cast<std::size_t>(section)).indexOf(name);
            if (row >= 0) return {section, static_cast<int>(row)};
        }
        ADD_FAILURE() << "no row " << name.toStdString();
        return {};
    }

    static void type(QWidget* widget, const QString& text) {
        ASSERT_NE(widget, nullptr);
        widget->setFocus();
        fromEventLoop([&] { QTest::keyClicks(widget, text); });
    }

    // Replaces the field's text by typing, then ends the editing with Return.
    static void typeInto(QLineEdit* field, const QString& text) {
        ASSERT_NE(field, nullptr);
        field->setFocus();
        fromEventLoop([&] {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        });
    }

    QTemporaryDir directory;
    LoopbackServer server{QStringLiteral(SKELVOR_SAMPLE_SERVER)};
    Date now{sampleEpoch};
    std::unique_ptr<SkelvorAppDelegate> app;
    std::unique_ptr<QMainWindow> window;
    MainInterface* tabs = nullptr;  // owned by the window
};
