// A stack of screens under a navigation bar: the bar shows the top screen's title and bar
// items, and a back button while a screen lies below it. The stack owns its screens. Showing
// and hiding are passed to the screens: the screen that comes on top hears viewWillAppear, the
// one that goes away or is covered hears viewWillDisappear, and the top screen hears both when
// the stack itself is shown or hidden (a tab switch). Escape and Alt+Left, when the screen
// leaves them unused, go back as the back button does, or close a screen shown over the stack.
#pragma once

#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <memory>
#include <vector>

#include "ViewController.h"

class QHBoxLayout;

class NavigationController : public QWidget {
public:
    explicit NavigationController(std::unique_ptr<ViewController> root, QWidget* parent = nullptr);
    ~NavigationController() override;

    void pushViewController(std::unique_ptr<ViewController> controller, bool animated);
    // Takes the top screen off (never the root); it is deleted once the event loop runs again,
    // so that a screen may pop itself from one of its own actions.
    void popViewControllerAnimated(bool animated);
    // Shows a screen over the whole stack, without the bar, until it is dismissed.
    void presentModalViewController(std::unique_ptr<ViewController> controller, bool animated);
    void dismissModalViewControllerAnimated(bool animated);
    // Closes the screen shown over the stack, else takes the top screen off; false when only
    // the root is left.
    bool goBack();
    // The screen the user sees: the one shown over the stack, else the top one.
    ViewController* visibleController() const;
    // Gives the keyboard to the first control of the screen the user sees.
    void focusVisibleScreen();

    ViewController* topViewController() const;
    ViewController* modalViewController() const { return modal_.get(); }
    int count() const { return static_cast<int>(stack_.size()); }
    ViewController* viewControllerAt(int index) const { return stack_.at(index).get(); }

    // Shows a screen's title and bar items again if it is the top screen.
    void refreshBar(ViewController* controller);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showController(ViewController* controller);
    static void focusFirstIn(QWidget* view);
    void placeBarItem(QWidget* item, QPointer<QWidget>& slot, int index);
    void retire(std::unique_ptr<ViewController> controller);
    // The stack is shown or hidden as a whole, as by a tab switch or the window.
    void stackWillAppear();
    void stackWillDisappear();

    QWidget* bar_;
    QHBoxLayout* barLayout_;
    QToolButton* backButton_;
    QLabel* titleLabel_;
    QPointer<QWidget> leftItem_;
    QPointer<QWidget> rightItem_;
    QStackedWidget* pages_;
    std::vector<std::unique_ptr<ViewController>> stack_;
    std::unique_ptr<ViewController> modal_;
    bool shown_ = false;
};
