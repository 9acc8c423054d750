// What a table row shows, as plain values: lines of items (texts, captioned values, a button)
// in a main column, optionally a second column of lines at the right, and the accessory at the
// right edge; or simply one line of text. The table lays rows out with the fonts it is shown in
// and paints them from these values, so a screen with thousands of rows makes no widget per row.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "TextStyle.h"

struct IndexPath {
    int section = 0;
    int row = 0;
    bool operator==(const IndexPath&) const = default;
};

enum class AccessoryType { none, disclosureIndicator, checkmark };

// The control a row shows while the table is edited: none, a control that deletes the row, or
// one that inserts a row there.
enum class EditingStyle { none, remove, insert };

// The palette role a text is drawn in: the text colour, the accent (links), or the faint colour
// of placeholders. The table takes the colours from its palette, so rows follow the theme.
enum class CellColour { text, accent, placeholder };

// An item drawn as a button; colours left empty are the palette's.
struct CellButton {
    std::optional<QColor> titleColour;
    std::optional<QColor> background;
};

// One piece of a line: a text, after an optional caption in the emphasised accent style
// ("Uplink 145.990"), or a button titled by the text. An item moves to the next line as a whole
// when the line has no room for it; a text that is wider than the whole row wraps.
struct CellItem {
    QString caption;
    QString text;
    TextStyle style = TextStyle::body;
    CellColour colour = CellColour::text;
    std::optional<CellButton> button = std::nullopt;
};
using CellLine = std::vector<CellItem>;

struct TableViewCell {
    QString text;  // one line at the row's left, used when the row has no lines
    int indentationLevel = 0;
    std::vector<CellLine> lines;  // the main column, from the top
    std::vector<CellLine> side;   // a column at the right; below the main one in a narrow row
    AccessoryType accessory = AccessoryType::none;
    bool checkable = false;  // a check mark may come and go (the accessory shows it)

    // Every text of the row in reading order, captions included.
    QStringList texts() const;
    // The row as one phrase for assistive technology.
    QString accessibleText() const;
    // The first item that is a button, in reading order; none without one.
    const CellItem* button() const;
};

// A line of one item.
CellLine cellLine(const QString& text, TextStyle style = TextStyle::body,
                  CellColour colour = CellColour::text);
