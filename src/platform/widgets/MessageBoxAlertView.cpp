#include "MessageBoxAlertView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

// Boxes belong to the application's main window, so that they stay above it, also when the
// window appears after them.
QWidget* mainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget)) return widget;
    }
    return nullptr;
}

// Calls back once, as soon as the event loop runs after the watched window has appeared.
class ShowWatch : public QObject {
public:
    ShowWatch(QWidget* window, std::function<void()> shown)
        : QObject(window), shown_(std::move(shown)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                shown_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> shown_;
};

}  // namespace

MessageBoxAlertView::MessageBoxAlertView(const QString& title, const QString& message,
                                         const QStringList& buttons, AlertViewDelegate* delegate)
    : box_(new QMessageBox(mainWindow())), buttons_(buttons), delegate_(delegate) {
    box_->setWindowTitle(title);
    box_->setTextFormat(Qt::RichText);
    box_->setText(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()));
    box_->setInformativeText(message);
    box_->setWindowModality(box_->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    for (const QString& text : buttons) {
        buttonWidgets_.append(box_->addButton(text, QMessageBox::AcceptRole));
    }
    QObject::connect(box_, &QMessageBox::buttonClicked, [this](QAbstractButton* button) {
        const auto index = static_cast<int>(buttonWidgets_.indexOf(button));
        // The delegate may release this box: nothing of it is touched after the call.
        clicking_ = true;
        if (index >= 0 && delegate_) delegate_->alertViewClickedButtonAtIndex(*this, index);
    });
}

// The message box may be the sender of the click being handled, which closes the box after
// the delegate has heard it; the delegate may meanwhile run an event loop of its own (a
// download), so the box goes only once it has finished closing, never within that loop.
MessageBoxAlertView::~MessageBoxAlertView() {
    delete windowWatch_.data();
    if (!box_) return;
    QMessageBox* box = box_.data();
    QObject::disconnect(box, nullptr, nullptr, nullptr);
    box->hide();
    if (clicking_) {
        QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    } else {
        box->deleteLater();
    }
}

void MessageBoxAlertView::show() {
    QWidget* window = box_->parentWidget();
    if (window && !window->isVisible()) {
        waiting_ = true;
        if (!windowWatch_) {
            windowWatch_ = new ShowWatch(window, [this] {
                if (waiting_) present();
            });
        }
        return;
    }
    present();
}

// The dialog centres itself on its window when it first shows; it is raised and given the
// keyboard, its first button taking Return.
void MessageBoxAlertView::present() {
    waiting_ = false;
    box_->show();
    box_->raise();
    box_->activateWindow();
}

void MessageBoxAlertView::dismissWithClickedButtonIndex(int) {
    waiting_ = false;
    box_->hide();
}

void MessageBoxAlertView::clickButton(int buttonIndex) {
    if (buttonIndex >= 0 && buttonIndex < buttonWidgets_.size()) {
        buttonWidgets_[buttonIndex]->click();
    }
}

std::unique_ptr<AlertView> MessageBoxAlertView::make(const QString& title, const QString& message,
                                                     const QStringList& buttons,
                                                     AlertViewDelegate* delegate) {
    return std::make_unique<MessageBoxAlertView>(title, message, buttons, delegate);
}
