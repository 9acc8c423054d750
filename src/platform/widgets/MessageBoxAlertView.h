// An alert box over a non-modal message box: the title in bold above the message, and in the
// window's title bar.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "AlertView.h"

class MessageBoxAlertView : public AlertView {
public:
    MessageBoxAlertView(const QString& title, const QString& message, const QStringList& buttons,
                        AlertViewDelegate* delegate);
    ~MessageBoxAlertView() override;

    QString title() const override { return box_->windowTitle(); }
    QString message() const override { return box_->informativeText(); }
    void setMessage(const QString& message) override { box_->setInformativeText(message); }
    QStringList buttons() const override { return buttons_; }
    void show() override { box_->show(); }
    bool isVisible() const override { return box_->isVisible(); }
    void dismissWithClickedButtonIndex(int buttonIndex) override;
    void clickButton(int buttonIndex) override;

    // The factory for the application's boxes.
    static std::unique_ptr<AlertView> make(const QString& title, const QString& message,
                                           const QStringList& buttons, AlertViewDelegate* delegate);

private:
    QPointer<QMessageBox> box_;
    QStringList buttons_;
    QList<QAbstractButton*> buttonWidgets_;
    AlertViewDelegate* delegate_;
    bool clicking_ = false;  // a press is being handed to the delegate
};
