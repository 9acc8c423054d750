#include "CellLayout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <limits>

namespace {

constexpr double mainColumnShare = 0.4;  // of the row, the least the main column keeps
constexpr double buttonPadding = 4.0;    // points around a button's title

double em(const QFont& font) { return QFontMetricsF(font).horizontalAdvance(u'M'); }

// A text's width on one line as drawing lays it out, which rounds up what the advances add to.
double textWidth(const QFont& font, const QString& text) {
    constexpr double room = 1e6;
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, room, room), 0, text).width();
}

double rowPadding(const QFont& base) { return 0.35 * QFontMetricsF(base).lineSpacing(); }

struct TextBox {
    QSizeF size;
    int flags = 0;
};

// The box of a text at most width wide: one line when it fits, else wrapped between words, and
// within a word only where one word alone is wider than the room.
TextBox textBox(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    const double natural = textWidth(font, text);
    if (natural <= width) return {{natural, metrics.lineSpacing()}, 0};
    const QRectF room(0, 0, width, std::numeric_limits<int>::max());
    int flags = Qt::TextWordWrap;
    QRectF box = metrics.boundingRect(room, flags, text);
    if (box.width() > width) {
        flags = Qt::TextWrapAnywhere;
        box = metrics.boundingRect(room, flags, text);
    }
    return {{width, std::max(box.height(), metrics.lineSpacing())}, flags};
}

struct Column {
    std::vector<PlacedPiece> pieces;
    double height = 0.0;
};

// An item's width on one line, as it would stand with room enough.
double naturalWidth(const CellItem& item, const QFont& base) {
    const QFont font = fontFor(item.style, base);
    double width = textWidth(font, item.text);
    if (item.button) width += 2 * buttonPadding;
    if (!item.caption.isEmpty()) {
        width += textWidth(fontFor(TextStyle::emphasis, base), item.caption) +
                 QFontMetricsF(font).horizontalAdvance(u' ');
    }
    return width;
}

double naturalWidth(const std::vector<CellLine>& lines, const QFont& base) {
    const double gap = em(base);
    double widest = 0.0;
    for (const CellLine& line : lines) {
        double width = 0.0;
        for (const CellItem& item : line)
            width += (width > 0 ? gap : 0.0) + naturalWidth(item, base);
        widest = std::max(widest, width);
    }
    return widest;
}

// Places one item with its top-left corner at (x, y) within room points; returns its size.
QSizeF placeItem(const CellItem& item, double x, double y, double room, const QFont& base,
                 std::vector<PlacedPiece>& pieces) {
    const QFont font = fontFor(item.style, base);
    double captionWidth = 0.0;
    double height = 0.0;
    if (!item.caption.isEmpty()) {
        const QFont captionFont = fontFor(TextStyle::emphasis, base);
        const TextBox caption = textBox(item.caption, captionFont, room);
        pieces.push_back({QRectF(QPointF(x, y), caption.size), item.caption, captionFont,
                          CellColour::accent, std::nullopt, caption.flags});
        captionWidth = caption.size.width() + QFontMetricsF(font).horizontalAdvance(u' ');
        height = caption.size.height();
    }
    const double padding = item.button ? buttonPadding : 0.0;
    const double textRoom = std::max(room - captionWidth - 2 * padding, em(font));
    const TextBox text = textBox(item.text, font, textRoom);
    const QSizeF box(text.size.width() + 2 * padding, text.size.height() + padding);
    pieces.push_back({QRectF(QPointF(x + captionWidth, y), box), item.text, font, item.colour,
                      item.button, text.flags});
    return {captionWidth + box.width(), std::max(height, box.height())};
}

Column layoutColumn(const std::vector<CellLine>& lines, double width, const QFont& base) {
    Column column;
    const double gap = em(base);
    for (const CellLine& line : lines) {
        double x = 0.0;
        double lineHeight = 0.0;
        for (const CellItem& item : line) {
            if (x > 0 && x + naturalWidth(item, base) > width) {
                column.height += lineHeight;
                x = 0.0;
                lineHeight = 0.0;
            }
            const QSizeF size = placeItem(item, x, column.height, width - x, base, column.pieces);
            x += size.width() + gap;
            lineHeight = std::max(lineHeight, size.height());
        }
        column.height += lineHeight;
    }
    return column;
}

void moveInto(Column& column, QPointF offset, std::vector<PlacedPiece>& pieces) {
    for (PlacedPiece& piece : column.pieces) {
        piece.rect.translate(offset);
        pieces.push_back(std::move(piece));
    }
}

}  // namespace

double minimumRowHeight(const QFont& base) {
    return 2 * QFontMetricsF(base).lineSpacing() + 2 * rowPadding(base);
}

double leadingMargin(const QFont& base) { return 0.8 * em(base); }

double indentationStep(const QFont& base) { return 1.5 * em(base); }

namespace {

// A row without lines shows its text as one emphasised line.
std::vector<CellLine> mainLinesOf(const TableViewCell& cell) {
    if (!cell.lines.empty() || !cell.side.empty()) return cell.lines;
    return {cellLine(cell.text, TextStyle::emphasis)};
}

}  // namespace

ColumnWidths naturalWidths(const TableViewCell& cell, const QFont& base) {
    return {naturalWidth(mainLinesOf(cell), base), naturalWidth(cell.side, base)};
}

ColumnWidths widest(ColumnWidths a, ColumnWidths b) {
    return {std::max(a.main, b.main), std::max(a.side, b.side)};
}

CellGeometry layoutCell(const TableViewCell& cell, double width, const QFont& base,
                        ColumnWidths columns) {
    const std::vector<CellLine> mainLines = mainLinesOf(cell);
    const double gap = em(base);
    width = std::max(width, gap);

    const double sideWidth = std::min(std::max(columns.side, naturalWidth(cell.side, base)), width);
    const double sideLeft = std::min(width - sideWidth, columns.main + gap);
    const bool besides =
        !cell.side.empty() && sideLeft - gap >= std::min(columns.main, width * mainColumnShare);

    Column main = layoutColumn(mainLines, besides ? sideLeft - gap : width, base);
    Column side = layoutColumn(cell.side, besides ? sideWidth : width, base);
    const double contentHeight =
        besides ? std::max(main.height, side.height) : main.height + side.height;
    CellGeometry geometry;
    geometry.height = std::max(minimumRowHeight(base), contentHeight + 2 * rowPadding(base));
    const double top = (geometry.height - contentHeight) / 2;
    if (besides) {
        moveInto(main, {0.0, top + (contentHeight - main.height) / 2}, geometry.pieces);
        moveInto(side, {sideLeft, top + (contentHeight - side.height) / 2}, geometry.pieces);
    } else {
        moveInto(main, {0.0, top}, geometry.pieces);
        moveInto(side, {0.0, top + main.height}, geometry.pieces);
    }
    return geometry;
}
