// The preferences screen on a navigation stack shown offscreen, with the writes of the saved
// state watched.
#pragma once

#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <mutex>
#include <optional>

#include "NavigationController.h"
#include "PreferencesController.h"
#include "Switch.h"
#include "TextField.h"
#include "screen_fixture.h"
#include "typing.h"

class PreferencesScreen : public ScreenFixture {
protected:
    static constexpr double radiansPerDegree = 0.017453292519943295;

    void SetUp() override {
        ScreenFixture::SetUp();
        app.setSaveHook([this](const SavedState& state) {
            const std::lock_guard lock(savedMutex);
            lastSaved = state;
            ++writes;
        });
        app.setTimelineDuration(12);
        app.setTleUpdateDays(2);
        auto root = std::make_unique<PreferencesController>();
        preferences = root.get();
        // The stack sits in a window of its own, so that it can be hidden and shown again (as
        // on a tab switch) while the window stays active.
        navigation = new NavigationController(std::move(root));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(navigation);
        window.resize(360, 600);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Hides and shows the screen again, as a tab switch does.
    void reappear() {
        navigation->hide();
        navigation->show();
    }

    // Replaces the field's text as the user would and presses Return.
    static void type(TextField* field, const QString& text) { typeInto(field, text); }

    static void flip(Switch* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // The state of the last write, once every asked-for write has ended; none without a write.
    std::optional<SavedState> saved() {
        app.waitForPendingSaves();
        const std::lock_guard lock(savedMutex);
        return lastSaved;
    }

    int writesMade() {
        app.waitForPendingSaves();
        const std::lock_guard lock(savedMutex);
        return writes;
    }

    double observerLatitudeDegrees() const {
        return app.observer_geodetic().lat / radiansPerDegree;
    }
    double observerLongitudeDegrees() const {
        return app.observer_geodetic().lon / radiansPerDegree;
    }

    QWidget window;
    NavigationController* navigation = nullptr;
    PreferencesController* preferences = nullptr;

private:
    std::mutex savedMutex;
    std::optional<SavedState> lastSaved;
    int writes = 0;
};
