#include "TableViewCell.h"

CellLabel cellLabel(const QRectF& frame, const QString& text, double pointSize, bool bold,
                    const QColor& color) {
    CellLabel label;
    label.frame = frame;
    label.text = text;
    label.font.setPixelSize(static_cast<int>(pointSize));
    label.font.setBold(bold);
    label.color = color;
    return label;
}
