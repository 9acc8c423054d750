#include "TableRowLayout.h"

RowRegions rowRegions(const QRectF& row, bool editing, EditingStyle style, bool movable,
                      bool confirmingDelete) {
    RowRegions regions;
    const bool hasControl = editing && style != EditingStyle::none;
    const double indent = hasControl ? editingControlWidth : 0.0;
    regions.contentOrigin = QPointF(row.left() + indent, row.top());
    if (hasControl) regions.editingControl = QRectF(row.left(), row.top(), indent, row.height());
    const double right = row.right();
    regions.accessory = QRectF(right - accessoryWidth, row.top(), accessoryWidth, row.height());
    if (editing && movable) {
        const double half = row.height() / 2;
        regions.moveUp = QRectF(right - moveHandleWidth, row.top(), moveHandleWidth, half);
        regions.moveDown = QRectF(right - moveHandleWidth, row.top() + half, moveHandleWidth, half);
    }
    if (confirmingDelete) {
        const double left =
            right - (editing && movable ? moveHandleWidth : 0.0) - deleteButtonWidth;
        regions.deleteConfirmation =
            QRectF(left, row.top() + 6, deleteButtonWidth - 4, row.height() - 12);
    }
    return regions;
}
