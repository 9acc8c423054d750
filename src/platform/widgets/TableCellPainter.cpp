#include "TableCellPainter.h"

#include <QPainter>
#include <QPainterPath>

#include "TableModel.h"
#include "TableRowLayout.h"
#include "TableView.h"

namespace {

const QColor selectionGrey(217, 217, 217);
const QColor separatorGrey(224, 224, 224);
const QColor headerBand(240, 240, 244);
const QColor accessoryGrey(150, 150, 150);
const QColor checkBlue(50, 79, 133);

QFont shrunkToFit(const CellLabel& label) {
    QFont font = label.font;
    if (label.minimumFontSize <= 0.0 || label.wordWrap) return font;
    while (font.pixelSize() > label.minimumFontSize &&
           QFontMetricsF(font).horizontalAdvance(label.text) > label.frame.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void paintLabel(QPainter* painter, const CellLabel& label, QPointF origin) {
    const QRectF frame = label.frame.translated(origin);
    if (label.background.alpha() > 0) painter->fillRect(frame, label.background);
    painter->setFont(shrunkToFit(label));
    painter->setPen(label.color);
    const int flags = static_cast<int>(label.alignment) | (label.wordWrap ? Qt::TextWordWrap : 0);
    painter->drawText(frame, flags, label.text);
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

void paintTriangle(QPainter* painter, const QRectF& area, bool up) {
    const QPointF c = area.center();
    const double h = up ? -4.0 : 4.0;
    QPainterPath path;
    path.moveTo(c + QPointF(-6, -h));
    path.lineTo(c + QPointF(6, -h));
    path.lineTo(c + QPointF(0, h));
    path.closeSubpath();
    painter->fillPath(path, accessoryGrey);
}

}  // namespace

TableCellPainter::TableCellPainter(TableView* table, TableModel* model)
    : QStyledItemDelegate(table), table_(table), model_(model) {}

QSize TableCellPainter::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const TableModel::Entry& entry = model_->entryAt(index.row());
    if (entry.header) return {320, headerHeight};
    const double height = table_->delegate() ? table_->delegate()->heightForRow(entry.path) : 44.0;
    return {320, static_cast<int>(height)};
}

void TableCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const TableModel::Entry& entry = model_->entryAt(index.row());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (entry.header) {
        paintHeader(painter, option.rect, model_->headerTitle(entry.path.section));
        painter->restore();
        return;
    }
    const TableViewCell& cell = model_->cellAt(entry.path);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, selected ? selectionGrey : QColor(Qt::white));
    painter->setPen(separatorGrey);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    const bool editing = table_->isEditing();
    const EditingStyle style =
        editing && table_->dataSource()->canEditRow(entry.path) && table_->delegate()
            ? table_->delegate()->editingStyleForRow(entry.path)
            : EditingStyle::none;
    const bool movable = editing && table_->dataSource()->canMoveRow(entry.path);
    const RowRegions regions = rowRegions(QRectF(option.rect), editing, style, movable,
                                          table_->pendingDeletion() == entry.path);
    if (style != EditingStyle::none) {
        paintCircleSign(painter, regions.editingControl,
                        style == EditingStyle::insert ? QColor(76, 175, 80) : QColor(220, 53, 34),
                        style == EditingStyle::insert);
    }
    paintContent(painter, cell, regions.contentOrigin, option.rect.height());
    paintRight(painter, cell, regions);
    painter->restore();
}

void TableCellPainter::paintHeader(QPainter* painter, const QRect& rect,
                                   const QString& title) const {
    painter->fillRect(rect, headerBand);
    QFont font = painter->font();
    font.setPixelSize(15);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(QColor(76, 86, 108));
    painter->drawText(rect.adjusted(12, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
}

void TableCellPainter::paintContent(QPainter* painter, const TableViewCell& cell, QPointF origin,
                                    double height) const {
    if (cell.labels.empty() && !cell.text.isEmpty()) {
        QFont font = painter->font();
        font.setPixelSize(17);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::black);
        const double indent = 10.0 + 20.0 * cell.indentationLevel;
        const double width = table_->viewport()->width() - origin.x() - indent - accessoryWidth;
        painter->drawText(QRectF(origin.x() + indent, origin.y(), width, height),
                          Qt::AlignLeft | Qt::AlignVCenter, cell.text);
    }
    for (const CellLabel& label : cell.labels) paintLabel(painter, label, origin);
    if (cell.button) {
        const QRectF frame = cell.button->frame.translated(origin);
        if (cell.button->background.alpha() > 0) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(cell.button->background);
            painter->drawRoundedRect(frame, 4, 4);
            painter->setBrush(Qt::NoBrush);
        }
        QFont font = painter->font();
        font.setPixelSize(15);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(cell.button->titleColor);
        painter->drawText(frame, Qt::AlignCenter, cell.button->title);
    }
}

void TableCellPainter::paintRight(QPainter* painter, const TableViewCell& cell,
                                  const RowRegions& regions) const {
    if (!regions.deleteConfirmation.isEmpty()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(220, 53, 34));
        painter->drawRoundedRect(regions.deleteConfirmation, 5, 5);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(Qt::white);
        QFont font = painter->font();
        font.setPixelSize(14);
        font.setBold(true);
        painter->setFont(font);
        painter->drawText(regions.deleteConfirmation, Qt::AlignCenter, QStringLiteral("Delete"));
    }
    if (!regions.moveUp.isEmpty()) {
        paintTriangle(painter, regions.moveUp, true);
        paintTriangle(painter, regions.moveDown, false);
        return;
    }
    const QPointF c = regions.accessory.center();
    if (cell.accessory == AccessoryType::disclosureIndicator) {
        painter->setPen(QPen(accessoryGrey, 2.0));
        painter->drawPolyline(
            QList<QPointF>{c + QPointF(-3, -6), c + QPointF(3, 0), c + QPointF(-3, 6)});
    } else if (cell.accessory == AccessoryType::checkmark) {
        painter->setPen(QPen(checkBlue, 2.5));
        painter->drawPolyline(
            QList<QPointF>{c + QPointF(-7, 0), c + QPointF(-2, 6), c + QPointF(7, -7)});
    }
}
