// Alert boxes without widgets: each box the application makes is recorded, and the test
// presses its buttons.
#pragma once

#include <QList>
#include <memory>

#include "AlertView.h"

class FakeAlertView;

struct AlertBoard {
    QList<FakeAlertView*> live;  // boxes the application still holds
    QStringList shown;           // "title: message" of every box when it was shown
    QStringList messages;        // "title: message" of every message set on a box

    AlertViewFactory factory();
    FakeAlertView* find(const QString& title) const;
};

class FakeAlertView : public AlertView {
public:
    FakeAlertView(AlertBoard& board, QString title, QString message, QStringList buttons,
                  AlertViewDelegate* delegate)
        : board_(board),
          title_(std::move(title)),
          message_(std::move(message)),
          buttons_(std::move(buttons)),
          delegate_(delegate) {
        board_.live.append(this);
    }
    ~FakeAlertView() override { board_.live.removeOne(this); }

    QString title() const override { return title_; }
    QString message() const override { return message_; }
    void setMessage(const QString& message) override {
        message_ = message;
        board_.messages << title_ + QStringLiteral(": ") + message_;
    }
    QStringList buttons() const override { return buttons_; }
    void show() override {
        visible_ = true;
        board_.shown << title_ + QStringLiteral(": ") + message_;
    }
    bool isVisible() const override { return visible_; }
    void dismissWithClickedButtonIndex(int) override { visible_ = false; }
    void clickButton(int buttonIndex) override {
        visible_ = false;
        delegate_->alertViewClickedButtonAtIndex(*this, buttonIndex);
    }

private:
    AlertBoard& board_;
    QString title_;
    QString message_;
    QStringList buttons_;
    AlertViewDelegate* delegate_;
    bool visible_ = false;
};

inline AlertViewFactory AlertBoard::factory() {
    return [this](const QString& title, const QString& message, const QStringList& buttons,
                  AlertViewDelegate* delegate) -> std::unique_ptr<AlertView> {
        return std::make_unique<FakeAlertView>(*this, title, message, buttons, delegate);
    };
}

inline FakeAlertView* AlertBoard::find(const QString& title) const {
    for (FakeAlertView* alert : live) {
        if (alert->title() == title) return alert;
    }
    return nullptr;
}
