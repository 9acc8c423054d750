#include "TextField.h"

#include <QKeyEvent>

TextField::TextField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (changeAction_) changeAction_(text);
    });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (commitAction_) commitAction_(text());
    });
}

// Return ends the editing: the field gives the keyboard to the screen around it, so that the
// screen's own keys (Escape goes back) still reach the screen.
void TextField::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return;
    if (QWidget* around = parentWidget()) {
        around->setFocus(Qt::OtherFocusReason);
    } else {
        clearFocus();
    }
}
