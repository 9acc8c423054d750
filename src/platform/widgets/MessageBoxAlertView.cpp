#include "MessageBoxAlertView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

namespace {

// Boxes belong to the application's main window, so that they stay above it, also when the
// window appears after them.
QWidget* mainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget)) return widget;
    }
    return nullptr;
}

}  // namespace

MessageBoxAlertView::MessageBoxAlertView(const QString& title, const QString& message,
                                         const QStringList& buttons, AlertViewDelegate* delegate)
    : box_(new QMessageBox(mainWindow())), buttons_(buttons), delegate_(delegate) {
    box_->setWindowTitle(title);
    box_->setTextFormat(Qt::RichText);
    box_->setText(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()));
    box_->setInformativeText(message);
    box_->setWindowModality(Qt::NonModal);
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

void MessageBoxAlertView::dismissWithClickedButtonIndex(int) { box_->hide(); }

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
