#include "TextField.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

TextField::TextField(QWidget* parent) : QLineEdit(parent) {
    setFontSize(fontSize_);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (changeAction_) changeAction_(text);
    });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (commitAction_) commitAction_(text());
    });
    connect(this, &QLineEdit::textChanged, this, [this] { fitFont(); });
}

void TextField::setFontSize(double pointSize, bool bold) {
    fontSize_ = static_cast<int>(pointSize);
    QFont shown = font();
    shown.setBold(bold);
    shown.setPixelSize(fontSize_);
    setFont(shown);
    fitFont();
}

void TextField::setMinimumFontSize(double pointSize) {
    minimumFontSize_ = pointSize;
    fitFont();
}

void TextField::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) clearFocus();
}

void TextField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitFont();
}

// Steps the font down from its set size until the text fits the room inside the frame.
void TextField::fitFont() {
    if (minimumFontSize_ <= 0.0) return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const double width = room.width() - 2 * 2;  // the text's own margins in the field
    QFont shown = font();
    shown.setPixelSize(fontSize_);
    while (shown.pixelSize() > minimumFontSize_ &&
           QFontMetricsF(shown).horizontalAdvance(text()) > width) {
        shown.setPixelSize(shown.pixelSize() - 1);
    }
    if (shown != font()) setFont(shown);
}
