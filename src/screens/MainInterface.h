// The main window's content: the tab bar with its four tabs, each a navigation stack: the
// satellite list ("Tracking"), the categories to choose satellites from ("Satellites"), the
// preferences and the help. The keyboard reaches every tab and action from anywhere in the
// window: Ctrl+1 to Ctrl+4 choose a tab, Ctrl+F opens the search by name, Ctrl+E switches the
// shown list's editing on and off, F5 updates the element sets, and Ctrl+Q closes the window.
// When the user asks to type the position, the preferences open at the position fields.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <functional>

#include "TabBarController.h"

class NavigationController;

class MainInterface : public TabBarController {
    Q_DECLARE_TR_FUNCTIONS(MainInterface)

public:
    explicit MainInterface(QWidget* parent = nullptr);
    ~MainInterface() override;

    enum Tab { tracking, satellites, preferences, help };
    NavigationController* stackOf(Tab tab) const;

    // Shows the satellites tab with the search by name over it, the keyboard in its field.
    void searchByName();
    // Switches the editing of the shown screen on or off, as its Edit/Done button does.
    void toggleEditing();
    // Shows the preferences with the focus in the position fields.
    void enterPosition();

    // Narrow enough to let a narrow window drop the tabs' icons rather than cut their names.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The tabs' icons take the palette's colour, light or dark.
    void changeEvent(QEvent* event) override;

private:
    void addShortcut(const QKeySequence& keys, std::function<void()> action);
    // The tabs' width with their icons and without them.
    int tabsWidth(QSize iconSize) const;
    void tintIcons();

    std::uint64_t positionObserver_ = 0;
};
