// A single-line text field in the desktop's font. It runs one action on every change the user
// makes and another when editing ends (Return, or the field losing focus); Return also leaves
// the field.
#pragma once

#include <QLineEdit>
#include <functional>

class TextField : public QLineEdit {
public:
    using Action = std::function<void(const QString&)>;

    explicit TextField(QWidget* parent = nullptr);

    // Called with the text after each change the user makes, not after setText.
    void setChangeAction(Action action) { changeAction_ = std::move(action); }
    // Called with the text when editing ends.
    void setCommitAction(Action action) { commitAction_ = std::move(action); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Action changeAction_;
    Action commitAction_;
};
