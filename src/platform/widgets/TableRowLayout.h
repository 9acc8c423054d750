// Where the parts of a table row lie: the editing control at the left while the table is
// edited, the row's own content, the accessory or the move handle at the right, and the
// confirmation button of a deletion.
#pragma once

#include <QRectF>

#include "TableViewCell.h"

struct RowRegions {
    QRectF editingControl;  // empty when the row shows none
    QPointF contentOrigin;  // where the row's label frames start
    QRectF accessory;
    QRectF moveUp;  // the move handle's halves; empty unless the row can be moved
    QRectF moveDown;
    QRectF deleteConfirmation;  // empty unless a deletion waits for confirmation
};

inline constexpr double editingControlWidth = 38.0;
inline constexpr double accessoryWidth = 30.0;
inline constexpr double moveHandleWidth = 36.0;
inline constexpr double deleteButtonWidth = 72.0;

RowRegions rowRegions(const QRectF& row, bool editing, EditingStyle style, bool movable,
                      bool confirmingDelete);
