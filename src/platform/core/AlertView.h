// An alert box: a title, a message and buttons, shown without blocking, whose presses go to
// its delegate. The boxes themselves are made by a factory, so that the application core runs
// and is tested without widgets.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class AlertView;

class AlertViewDelegate {
public:
    virtual void alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) = 0;

protected:
    ~AlertViewDelegate() = default;
};

class AlertView {
public:
    virtual ~AlertView() = default;

    virtual QString title() const = 0;
    virtual QString message() const = 0;
    virtual void setMessage(const QString& message) = 0;
    virtual QStringList buttons() const = 0;
    virtual void show() = 0;
    virtual bool isVisible() const = 0;
    // Closes the box from the program; the delegate hears nothing of it.
    virtual void dismissWithClickedButtonIndex(int buttonIndex) = 0;
    // What a press of the button does: the box closes and the delegate hears of it. The
    // delegate may release the box during that call.
    virtual void clickButton(int buttonIndex) = 0;
};

using AlertViewFactory = std::function<std::unique_ptr<AlertView>(
    const QString& title, const QString& message, const QStringList& buttons,
    AlertViewDelegate* delegate)>;
