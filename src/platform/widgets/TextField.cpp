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

void TextField::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) clearFocus();
}
