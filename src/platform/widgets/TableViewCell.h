// What a table row shows, as plain values: labels placed at frames within the row, an optional
// button, the accessory at the right edge, or simply one line of text. The table paints rows
// from these values, so a screen with thousands of rows makes no widget per row.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

struct IndexPath {
    int section = 0;
    int row = 0;
    bool operator==(const IndexPath&) const = default;
};

enum class AccessoryType { none, disclosureIndicator, checkmark };

// The control a row shows while the table is edited: none, a control that deletes the row, or
// one that inserts a row there.
enum class EditingStyle { none, remove, insert };

struct CellLabel {
    QRectF frame;
    QString text;
    QFont font;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    // When above 0 the font shrinks, down to this size, until the text fits the frame's width.
    double minimumFontSize = 0.0;
    QColor background = Qt::transparent;
};

struct CellButton {
    QRectF frame;
    QString title;
    QColor titleColor = Qt::black;
    QColor background = Qt::transparent;
};

struct TableViewCell {
    QString text;  // one line at the row's left, used when the row has no labels
    int indentationLevel = 0;
    std::vector<CellLabel> labels;
    std::optional<CellButton> button;
    AccessoryType accessory = AccessoryType::none;
};

// A label in the system font of the given size in points (one point is one pixel of the
// layout), optionally bold.
CellLabel cellLabel(const QRectF& frame, const QString& text, double pointSize, bool bold,
                    const QColor& color);
