// Where the pieces of a table row go, measured with the fonts the row is drawn in: the items of
// each line left to right, moving to a new line when there is no room and wrapping a text that
// is wider than the whole row, so that nothing is cut off or drawn over anything else. A second
// column stands at the right while the main column keeps enough room, else below it.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "TableViewCell.h"

struct PlacedPiece {
    QRectF rect;  // the text's box; a button's whole box
    QString text;
    QFont font;
    CellColour colour = CellColour::text;
    std::optional<CellButton> button;
    int flags = 0;  // how the text wraps within its box (Qt::TextWordWrap, Qt::TextWrapAnywhere)
};

struct CellGeometry {
    std::vector<PlacedPiece> pieces;  // in the row's content coordinates
    double height = 0.0;              // the row's height, padding included
};

// The widths the columns of a row would take on one line each. A table lays all its rows out
// for the widest of them, so that their second columns line up.
struct ColumnWidths {
    double main = 0.0;
    double side = 0.0;
};
ColumnWidths naturalWidths(const TableViewCell& cell, const QFont& base);
ColumnWidths widest(ColumnWidths a, ColumnWidths b);

// The row's pieces within a content area of the width, starting at (0, 0), in fonts derived
// from base. The second column starts after the main column's width, or further left where it
// would otherwise run past the edge, but not where the main column would keep less than its
// share of the row: it then goes below the main one. The height is never below
// minimumRowHeight(base).
CellGeometry layoutCell(const TableViewCell& cell, double width, const QFont& base,
                        ColumnWidths columns);

// The least height of a row: room for two lines of text with some space around them.
double minimumRowHeight(const QFont& base);

// The space left of a row's content, and the further indentation per level.
double leadingMargin(const QFont& base);
double indentationStep(const QFont& base);
