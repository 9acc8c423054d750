// A screen of the radio and rotator family on a navigation stack in a window shown offscreen,
// over a delegate with the samples merged and the element server at the bundled sample tree
// (so that the transmitter import reads the sample list).
#pragma once

#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "NavigationController.h"
#include "TextField.h"
#include "screen_fixture.h"
#include "typing.h"

class StationScreen : public ScreenFixture {
protected:
    static constexpr int patience = 10000;  // ms for what a user waits for

    void SetUp() override {
        ScreenFixture::SetUp();
        app.setElementServer(QUrl(QStringLiteral("qrc:/sample-server/")));
    }

    // Shows the screen in a window of the given size, as the root of a navigation stack.
    template <class Screen>
    Screen* show(std::unique_ptr<Screen> screen, QSize size = {400, 720}) {
        Screen* shown = screen.get();
        navigation = new NavigationController(std::move(screen));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(navigation);
        window.resize(size);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return shown;
    }

    // Replaces the field's text as the user would and presses Return.
    static void type(TextField* field, const QString& text) { typeInto(field, text); }

    QWidget window;
    NavigationController* navigation = nullptr;
};
