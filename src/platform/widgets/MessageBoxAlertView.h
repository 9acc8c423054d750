// An alert box over a message box: the title in bold above the message, and in the window's
// title bar. The box belongs to the application's main window: it is modal to it, centred on it
// and takes the keyboard. A box shown before the window appears waits for it.
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
    void show() override;
    // Also while it waits for its window to appear.
    bool isVisible() const override { return waiting_ || box_->isVisible(); }
    void dismissWithClickedButtonIndex(int buttonIndex) override;
    void clickButton(int buttonIndex) override;

    QMessageBox* messageBox() const { return box_; }

    // The factory for the application's boxes.
    static std::unique_ptr<AlertView> make(const QString& title, const QString& message,
                                           const QStringList& buttons, AlertViewDelegate* delegate);

private:
    void present();

    QPointer<QMessageBox> box_;
    QStringList buttons_;
    QList<QAbstractButton*> buttonWidgets_;
    AlertViewDelegate* delegate_;
    QPointer<QObject> windowWatch_;
    bool clicking_ = false;  // a press is being handed to the delegate
    bool waiting_ = false;   // shown before its window, which has not appeared yet
};
