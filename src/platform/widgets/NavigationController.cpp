#include "NavigationController.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

NavigationController::NavigationController(std::unique_ptr<ViewController> root, QWidget* parent)
    : QWidget(parent),
      bar_(new QWidget),
      barLayout_(new QHBoxLayout(bar_)),
      backButton_(new QToolButton),
      titleLabel_(new QLabel),
      pages_(new QStackedWidget) {
    backButton_->setText(QCoreApplication::translate("NavigationController", "‹ Back"));
    backButton_->setAccessibleName(QCoreApplication::translate("NavigationController", "Back"));
    backButton_->setToolTip(
        QCoreApplication::translate("NavigationController", "Back (Escape, Alt+Left)"));
    backButton_->setAutoRaise(true);
    connect(backButton_, &QToolButton::clicked, this, [this] { popViewControllerAnimated(true); });
    QFont titleFont = titleLabel_->font();
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    titleLabel_->setAlignment(Qt::AlignCenter);
    barLayout_->setContentsMargins(6, 4, 6, 4);
    barLayout_->addWidget(backButton_);
    barLayout_->addWidget(titleLabel_, 1);
    bar_->setObjectName(QStringLiteral("navigationBar"));
    bar_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(pages_, 1);
    root->setNavigationController(this);
    pages_->addWidget(root->view());
    stack_.push_back(std::move(root));
    refreshBar(stack_.back().get());
}

NavigationController::~NavigationController() {
    modal_.reset();
    while (!stack_.empty()) stack_.pop_back();
}

ViewController* NavigationController::topViewController() const { return stack_.back().get(); }

ViewController* NavigationController::visibleController() const {
    return modal_ ? modal_.get() : topViewController();
}

void NavigationController::pushViewController(std::unique_ptr<ViewController> controller, bool) {
    controller->setNavigationController(this);
    QWidget* view = controller->view();
    if (shown_) topViewController()->viewWillDisappear(true);
    pages_->addWidget(view);
    stack_.push_back(std::move(controller));
    if (shown_) topViewController()->viewWillAppear(true);
    showController(topViewController());
}

void NavigationController::popViewControllerAnimated(bool) {
    if (stack_.size() < 2) return;
    std::unique_ptr<ViewController> leaving = std::move(stack_.back());
    stack_.pop_back();
    if (shown_) leaving->viewWillDisappear(true);
    if (shown_) topViewController()->viewWillAppear(true);
    showController(topViewController());
    retire(std::move(leaving));
}

void NavigationController::presentModalViewController(std::unique_ptr<ViewController> controller,
                                                      bool) {
    if (modal_) return;
    controller->setNavigationController(this);
    QWidget* view = controller->view();
    if (shown_) topViewController()->viewWillDisappear(true);
    pages_->addWidget(view);
    modal_ = std::move(controller);
    if (shown_) modal_->viewWillAppear(true);
    bar_->hide();
    pages_->setCurrentWidget(view);
    if (isVisible()) focusFirstIn(view);
}

void NavigationController::dismissModalViewControllerAnimated(bool) {
    if (!modal_) return;
    std::unique_ptr<ViewController> leaving = std::move(modal_);
    if (shown_) leaving->viewWillDisappear(true);
    if (shown_) topViewController()->viewWillAppear(true);
    bar_->show();
    showController(topViewController());
    retire(std::move(leaving));
}

bool NavigationController::goBack() {
    if (modal_) {
        dismissModalViewControllerAnimated(true);
        return true;
    }
    if (stack_.size() < 2) return false;
    popViewControllerAnimated(true);
    return true;
}

void NavigationController::keyPressEvent(QKeyEvent* event) {
    const bool back = (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) ||
                      (event->key() == Qt::Key_Left && event->modifiers() == Qt::AltModifier) ||
                      event->matches(QKeySequence::Back);
    if (back && goBack()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void NavigationController::retire(std::unique_ptr<ViewController> controller) {
    if (controller->isViewLoaded()) pages_->removeWidget(controller->view());
    controller.release()->deleteLater();
}

void NavigationController::showController(ViewController* controller) {
    pages_->setCurrentWidget(controller->view());
    refreshBar(controller);
    if (isVisible()) focusFirstIn(controller->view());
}

void NavigationController::focusVisibleScreen() { focusFirstIn(visibleController()->view()); }

// The keyboard follows the user to the screen that comes on: its first control that takes the
// focus by the Tab key.
void NavigationController::focusFirstIn(QWidget* view) {
    for (QWidget* widget = view; widget; widget = widget->nextInFocusChain()) {
        if (widget != view && !view->isAncestorOf(widget)) return;
        if (widget->isVisibleTo(view) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (widget->nextInFocusChain() == view) return;
    }
}

void NavigationController::refreshBar(ViewController* controller) {
    // A screen loading its view may set its bar items before it is on the stack.
    if (stack_.empty() || controller != topViewController()) return;
    const NavigationItem& item = controller->navigationItem();
    titleLabel_->setText(item.title);
    backButton_->setVisible(stack_.size() > 1 && !item.leftBarButtonItem);
    placeBarItem(item.leftBarButtonItem, leftItem_, 0);
    placeBarItem(item.rightBarButtonItem, rightItem_, -1);
}

void NavigationController::placeBarItem(QWidget* item, QPointer<QWidget>& slot, int index) {
    if (slot == item) return;
    if (slot) {
        barLayout_->removeWidget(slot);
        slot->hide();
    }
    slot = item;
    if (!item) return;
    if (index < 0) {
        barLayout_->addWidget(item);
    } else {
        barLayout_->insertWidget(1, item);
    }
    item->show();
}

void NavigationController::stackWillAppear() {
    if (shown_) return;
    shown_ = true;
    visibleController()->viewWillAppear(false);
}

void NavigationController::stackWillDisappear() {
    if (!shown_) return;
    shown_ = false;
    visibleController()->viewWillDisappear(false);
}

void NavigationController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) stackWillAppear();
}

void NavigationController::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) stackWillDisappear();
}
