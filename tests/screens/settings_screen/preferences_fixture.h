// The preferences screen on a navigation stack shown offscreen, with the writes of the saved
// state watched.
#pragma once

#include <QPushButton>
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

    // At a narrow and a wide window every caption, note and control lies inside the form, none
    // over another, each label as high as its wrapped text needs in the font it is drawn in.
    void expectEveryControlHasItsRoom() {
        QWidget* content = preferences->scroller()->content();
        for (const QSize size : {QSize(360, 600), QSize(1280, 900)}) {
            window.resize(size);
            QCoreApplication::processEvents();
            std::vector<std::pair<QRect, QString>> frames;
            for (const QWidget* widget : content->findChildren<QWidget*>()) {
                const bool control = dynamic_cast<const Switch*>(widget) ||
                                     dynamic_cast<const TextField*>(widget) ||
                                     qobject_cast<const QPushButton*>(widget);
                const auto* label = qobject_cast<const QLabel*>(widget);
                if (!widget->isVisible() || (!control && !label)) continue;
                const QRect frame(widget->mapTo(content, QPoint()), widget->size());
                const QString name = label ? label->text() : widget->accessibleName();
                EXPECT_TRUE(content->rect().contains(frame)) << name.toStdString();
                if (label) {
                    const QRect needed = label->fontMetrics().boundingRect(
                        QRect(0, 0, label->contentsRect().width(), 10000), Qt::TextWordWrap,
                        label->text());
                    EXPECT_GE(label->contentsRect().height(), needed.height())
                        << name.toStdString();
                }
                for (const auto& [other, otherName] : frames) {
                    EXPECT_FALSE(frame.intersects(other))
                        << name.toStdString() << " meets " << otherName.toStdString();
                }
                frames.emplace_back(frame, name);
            }
            EXPECT_GT(frames.size(), 30u);
        }
    }

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
