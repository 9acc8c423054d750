#include "TableCellPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "CellLayout.h"
#include "TableModel.h"
#include "TableRowLayout.h"
#include "TableView.h"

namespace {

// The editing controls keep their colours in every palette: red removes, green inserts.
const QColor removeRed(220, 53, 34);
const QColor insertGreen(56, 142, 60);
constexpr double selectionOpacity = 0.3;  // the highlight under a chosen row's texts

QColor mixed(const QColor& under, const QColor& over, double opacity) {
    return QColor::fromRgbF(
        static_cast<float>(under.redF() + (over.redF() - under.redF()) * opacity),
        static_cast<float>(under.greenF() + (over.greenF() - under.greenF()) * opacity),
        static_cast<float>(under.blueF() + (over.blueF() - under.blueF()) * opacity));
}

QColor colourOf(CellColour colour, const QPalette& palette) {
    switch (colour) {
        case CellColour::accent:
            return palette.color(QPalette::Link);
        case CellColour::placeholder:
            return palette.color(QPalette::PlaceholderText);
        case CellColour::text:
            break;
    }
    return palette.color(QPalette::Text);
}

QColor faint(const QPalette& palette) {
    QColor colour = palette.color(QPalette::Text);
    colour.setAlphaF(0.45f);
    return colour;
}

void paintCircleSign(QPainter* painter, const QRectF& area, const QColor& colour, bool plus) {
    const QPointF centre = area.center();
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawEllipse(centre, 10.0, 10.0);
    painter->setPen(QPen(Qt::white, 2.5));
    painter->drawLine(centre + QPointF(-5, 0), centre + QPointF(5, 0));
    if (plus) painter->drawLine(centre + QPointF(0, -5), centre + QPointF(0, 5));
    painter->setBrush(Qt::NoBrush);
}

void paintTriangle(QPainter* painter, const QRectF& area, bool up, const QColor& colour) {
    const QPointF c = area.center();
    const double h = up ? -4.0 : 4.0;
    QPainterPath path;
    path.moveTo(c + QPointF(-6, -h));
    path.lineTo(c + QPointF(6, -h));
    path.lineTo(c + QPointF(0, h));
    path.closeSubpath();
    painter->fillPath(path, colour);
}

void paintButton(QPainter* painter, const QPalette& palette, const PlacedPiece& piece) {
    const QRectF box = piece.rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter->setPen(piece.button->background ? QPen(Qt::NoPen) : QPen(faint(palette), 1.0));
    painter->setBrush(piece.button->background.value_or(Qt::transparent));
    painter->drawRoundedRect(box, 4, 4);
    painter->setBrush(Qt::NoBrush);
    painter->setFont(piece.font);
    painter->setPen(piece.button->titleColour.value_or(palette.color(QPalette::Text)));
    painter->drawText(piece.rect, Qt::AlignCenter | Qt::TextDontClip | piece.flags, piece.text);
}

}  // namespace

TableCellPainter::TableCellPainter(TableView* table, TableModel* model)
    : QStyledItemDelegate(table), table_(table), model_(model) {}

QSize TableCellPainter::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const TableModel::Entry& entry = model_->entryAt(index.row());
    const int width = table_->viewport()->width();
    if (entry.header) return {width, static_cast<int>(std::ceil(table_->headerHeight()))};
    const CellGeometry geometry = table_->geometryForRow(entry.path, QRectF(0, 0, width, 1));
    return {width, static_cast<int>(std::ceil(geometry.height))};
}

void TableCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const TableModel::Entry& entry = model_->entryAt(index.row());
    const QPalette& palette = option.palette;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (entry.header) {
        paintHeader(painter, option, model_->headerTitle(entry.path.section));
        painter->restore();
        return;
    }
    const TableViewCell& cell = model_->cellAt(entry.path);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor base = palette.color(QPalette::Base);
    painter->fillRect(
        option.rect,
        selected ? mixed(base, palette.color(QPalette::Highlight), selectionOpacity) : base);
    painter->setPen(QPen(mixed(base, palette.color(QPalette::Text), 0.15), 1.0));
    painter->drawLine(QLineF(option.rect.left(), option.rect.bottom() + 0.5, option.rect.right(),
                             option.rect.bottom() + 0.5));
    const QRectF rect(option.rect);
    const RowRegions regions = table_->regionsForRow(entry.path, rect);
    const RowState state = table_->rowState(entry.path);
    if (state.mode == TableMode::editing && state.style != EditingStyle::none) {
        paintCircleSign(painter, regions.editingControl,
                        state.style == EditingStyle::insert ? insertGreen : removeRed,
                        state.style == EditingStyle::insert);
    }
    paintContent(painter, palette, table_->geometryForRow(entry.path, rect));
    paintRight(painter, palette, cell, regions);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setPen(QPen(palette.color(QPalette::Highlight), 2.0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(rect.adjusted(2, 2, -2, -2), 3, 3);
    }
    painter->restore();
}

void TableCellPainter::paintHeader(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QString& title) const {
    // Headings cannot be chosen, but they are not disabled: they take the table's own colours.
    const QPalette& palette = table_->palette();
    painter->fillRect(option.rect, palette.color(QPalette::Window));
    painter->setFont(fontFor(TextStyle::heading, table_->font()));
    painter->setPen(palette.color(QPalette::WindowText));
    const int margin = static_cast<int>(leadingMargin(table_->font()));
    painter->drawText(option.rect.adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      title);
}

void TableCellPainter::paintContent(QPainter* painter, const QPalette& palette,
                                    const CellGeometry& geometry) const {
    for (const PlacedPiece& piece : geometry.pieces) {
        if (piece.button) {
            paintButton(painter, palette, piece);
            continue;
        }
        painter->setFont(piece.font);
        painter->setPen(colourOf(piece.colour, palette));
        painter->drawText(piece.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | piece.flags,
                          piece.text);
    }
}

void TableCellPainter::paintRight(QPainter* painter, const QPalette& palette,
                                  const TableViewCell& cell, const RowRegions& regions) const {
    if (!regions.deleteConfirmation.isEmpty()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(removeRed);
        painter->drawRoundedRect(regions.deleteConfirmation, 5, 5);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(Qt::white);
        painter->setFont(fontFor(TextStyle::emphasis, table_->font()));
        painter->drawText(regions.deleteConfirmation, Qt::AlignCenter,
                          QCoreApplication::translate("TableView", "Delete"));
    }
    if (!regions.moveUp.isEmpty()) {
        paintTriangle(painter, regions.moveUp, true, faint(palette));
        paintTriangle(painter, regions.moveDown, false, faint(palette));
        return;
    }
    const QPointF c = regions.accessory.center();
    if (cell.accessory == AccessoryType::disclosureIndicator) {
        painter->setPen(QPen(faint(palette), 2.0));
        painter->drawPolyline(
            QList<QPointF>{c + QPointF(-3, -6), c + QPointF(3, 0), c + QPointF(-3, 6)});
    } else if (cell.accessory == AccessoryType::checkmark) {
        painter->setPen(QPen(palette.color(QPalette::Link), 2.5));
        painter->drawPolyline(
            QList<QPointF>{c + QPointF(-7, 0), c + QPointF(-2, 6), c + QPointF(7, -7)});
    }
}
