#include "ViewController.h"

#include <QCoreApplication>
#include <QToolButton>

#include "NavigationController.h"

ViewController::ViewController() = default;

ViewController::~ViewController() {
    delete navigationItem_.leftBarButtonItem.data();
    delete navigationItem_.rightBarButtonItem.data();
    delete view_.data();
}

QWidget* ViewController::view() {
    if (view_.isNull()) {
        loadView();
        viewDidLoad();
    }
    return view_.data();
}

void ViewController::loadView() { setView(new QWidget); }

void ViewController::setView(QWidget* view) { view_ = view; }

void ViewController::viewWillAppear(bool) {}

void ViewController::viewWillDisappear(bool) {}

void ViewController::setTitle(const QString& title) {
    navigationItem_.title = title;
    if (navigationController_) navigationController_->refreshBar(this);
}

void ViewController::setLeftBarButtonItem(QWidget* item) {
    if (navigationItem_.leftBarButtonItem != item) delete navigationItem_.leftBarButtonItem;
    navigationItem_.leftBarButtonItem = item;
    if (navigationController_) navigationController_->refreshBar(this);
}

void ViewController::setRightBarButtonItem(QWidget* item) {
    if (navigationItem_.rightBarButtonItem != item) delete navigationItem_.rightBarButtonItem;
    navigationItem_.rightBarButtonItem = item;
    if (navigationController_) navigationController_->refreshBar(this);
}

void ViewController::setEditing(bool editing, bool) {
    editing_ = editing;
    if (editButton_)
        editButton_->setText(editing ? QCoreApplication::translate("ViewController", "Done")
                                     : QCoreApplication::translate("ViewController", "Edit"));
}

bool ViewController::toggleEditing() {
    if (editButton_.isNull()) return false;
    setEditing(!editing_, true);
    return true;
}

QToolButton* ViewController::editButtonItem() {
    if (editButton_.isNull()) {
        editButton_ = new QToolButton;
        editButton_->setText(editing_ ? QCoreApplication::translate("ViewController", "Done")
                                      : QCoreApplication::translate("ViewController", "Edit"));
        editButton_->setToolTip(
            QCoreApplication::translate("ViewController", "Edit the list (Ctrl+E)"));
        QObject::connect(editButton_.data(), &QToolButton::clicked, this,
                         [this] { setEditing(!editing_, true); });
    }
    return editButton_.data();
}
