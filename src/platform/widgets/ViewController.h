// A screen: it makes its view when first asked for it, and hears when it is about to be shown or
// hidden. Screens are stacked by a NavigationController, which owns them, gives them its bar
// items and passes the showing and hiding on, tab switches included.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class NavigationController;
class QToolButton;

// What a screen puts in the navigation bar while it is on top: a title and the widgets at the
// left and right. The bar takes the widgets over while the screen is on top.
struct NavigationItem {
    QString title;
    QPointer<QWidget> leftBarButtonItem;
    QPointer<QWidget> rightBarButtonItem;
};

class ViewController : public QObject {
public:
    ViewController();
    ~ViewController() override;

    // The screen's view, made by loadView and followed by viewDidLoad on the first call.
    QWidget* view();
    bool isViewLoaded() const { return !view_.isNull(); }

    virtual void viewWillAppear(bool animated);
    virtual void viewWillDisappear(bool animated);

    QString title() const { return navigationItem_.title; }
    void setTitle(const QString& title);
    NavigationItem& navigationItem() { return navigationItem_; }
    // Replaces a bar widget; the bar shows the change when the screen is on top.
    void setLeftBarButtonItem(QWidget* item);
    void setRightBarButtonItem(QWidget* item);

    NavigationController* navigationController() const { return navigationController_; }
    void setNavigationController(NavigationController* controller) {
        navigationController_ = controller;
    }

    bool isEditing() const { return editing_; }
    virtual void setEditing(bool editing, bool animated);
    // The standard bar button that switches editing on ("Edit") and off ("Done").
    QToolButton* editButtonItem();
    // What the Edit/Done button does, for the keyboard: true when the screen can be edited.
    virtual bool toggleEditing();

protected:
    // Makes the view; a plain widget unless a screen makes its own.
    virtual void loadView();
    virtual void viewDidLoad() {}
    void setView(QWidget* view);

private:
    QPointer<QWidget> view_;
    NavigationItem navigationItem_;
    NavigationController* navigationController_ = nullptr;
    QPointer<QToolButton> editButton_;
    bool editing_ = false;
};
