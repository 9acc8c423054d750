#include "TableRowLayout.h"

#include <algorithm>

RowRegions rowRegions(const QRectF& row, const RowState& state, double leadingMargin) {
    RowRegions regions;
    const bool editing = state.mode == TableMode::editing;
    const bool hasControl = editing && state.style != EditingStyle::none;
    const bool movable = editing && state.move == RowMove::movable;
    const double indent = hasControl ? editingControlWidth : 0.0;
    if (hasControl) regions.editingControl = QRectF(row.left(), row.top(), indent, row.height());
    const double right = row.right();
    regions.accessory = QRectF(right - accessoryWidth, row.top(), accessoryWidth, row.height());
    double contentRight = regions.accessory.left();
    if (movable) {
        const double half = row.height() / 2;
        regions.moveUp = QRectF(right - moveHandleWidth, row.top(), moveHandleWidth, half);
        regions.moveDown = QRectF(right - moveHandleWidth, row.top() + half, moveHandleWidth, half);
        contentRight = regions.moveUp.left();
    }
    if (state.deletion == RowDeletion::confirming) {
        const double left = (movable ? regions.moveUp.left() : right) - state.confirmationWidth;
        regions.deleteConfirmation = QRectF(left, row.top() + 6, state.confirmationWidth - 4,
                                            std::max(0.0, row.height() - 12));
        contentRight = std::min(contentRight, left);
    }
    const double contentLeft = row.left() + indent + leadingMargin;
    regions.content =
        QRectF(contentLeft, row.top(), std::max(0.0, contentRight - contentLeft), row.height());
    return regions;
}
