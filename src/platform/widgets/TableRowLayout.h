// Where the parts of a table row lie: the editing control at the left while the table is
// edited, the row's own content, the accessory or the move handle at the right, and the
// confirmation button of a deletion.
#pragma once

#include <QRectF>

#include "TableViewCell.h"

struct RowRegions {
    QRectF editingControl;  // empty when the row shows none
    QRectF content;         // where the row's own content goes
    QRectF accessory;
    QRectF moveUp;  // the move handle's halves; empty unless the row can be moved
    QRectF moveDown;
    QRectF deleteConfirmation;  // empty unless a deletion waits for confirmation
};

enum class TableMode { normal, editing };
enum class RowMove { fixed, movable };
enum class RowDeletion { none, confirming };

// What a row shows around its content. The confirmation button is as wide as its title needs.
struct RowState {
    TableMode mode = TableMode::normal;
    EditingStyle style = EditingStyle::none;
    RowMove move = RowMove::fixed;
    RowDeletion deletion = RowDeletion::none;
    double confirmationWidth = 0.0;
};

inline constexpr double editingControlWidth = 38.0;
inline constexpr double accessoryWidth = 30.0;
inline constexpr double moveHandleWidth = 36.0;

// The regions of a row; the content starts after the leading margin, and after the editing
// control while the table is edited.
RowRegions rowRegions(const QRectF& row, const RowState& state, double leadingMargin);
