#include "IconButton.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

QIcon IconButton::tintedIcon(const QString& path, const QColor& colour) {
    QImage shape(path);
    if (shape.isNull()) return {};
    shape = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shape);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), colour);
    painter.end();
    return QIcon(QPixmap::fromImage(shape));
}

IconButton::IconButton(QString path, QWidget* parent)
    : QToolButton(parent), path_(std::move(path)) {
    setAutoRaise(true);
    tint();
}

void IconButton::changeEvent(QEvent* event) {
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) tint();
}

void IconButton::tint() { setIcon(tintedIcon(path_, palette().color(QPalette::ButtonText))); }
