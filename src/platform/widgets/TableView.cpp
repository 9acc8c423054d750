#include "TableView.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include "TableCellPainter.h"
#include "TableModel.h"

namespace {

constexpr double confirmationPadding = 20.0;  // points around the "Delete" title

bool isReturn(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

TableView::TableView(TableViewStyle style, QWidget* parent)
    : QListView(parent), style_(style), model_(new TableModel) {
    model_->setParent(this);
    setModel(model_);
    setItemDelegate(new TableCellPainter(this, model_));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(false);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

TableView::~TableView() = default;

void TableView::setDataSource(TableViewDataSource* dataSource) { dataSource_ = dataSource; }

void TableView::setDelegate(TableViewDelegate* delegate) { delegate_ = delegate; }

void TableView::reloadData() {
    if (updateDepth_ > 0) return;
    const std::optional<IndexPath> current = currentRow();
    pendingDeletion_.reset();
    columnWidths_.reset();
    model_->reload(dataSource_);
    if (current && model_->listRowOf(*current)) {
        selectionModel()->setCurrentIndex(model_->index(*model_->listRowOf(*current)),
                                          QItemSelectionModel::NoUpdate);
    }
}

void TableView::reloadRowsAtIndexPaths(const QList<IndexPath>& paths) {
    for (const IndexPath& path : paths) model_->refreshRow(path);
    rowsChanged();
}

void TableView::rowsChanged() {
    columnWidths_.reset();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void TableView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) rowsChanged();
}

ColumnWidths TableView::columnWidths() const {
    if (!columnWidths_) {
        ColumnWidths columns;
        for (int listRow = 0; listRow < model_->rowCount(); ++listRow) {
            const TableModel::Entry& entry = model_->entryAt(listRow);
            if (!entry.header) {
                columns = widest(columns, naturalWidths(model_->cellAt(entry.path), font()));
            }
        }
        columnWidths_ = columns;
    }
    return *columnWidths_;
}

void TableView::beginUpdates() { ++updateDepth_; }

void TableView::endUpdates() {
    if (updateDepth_ > 0 && --updateDepth_ == 0) reloadData();
}

void TableView::insertRowsAtIndexPaths(const QList<IndexPath>&) { reloadData(); }

void TableView::deleteRowsAtIndexPaths(const QList<IndexPath>&) { reloadData(); }

void TableView::setEditing(bool editing, bool) {
    editing_ = editing;
    pendingDeletion_.reset();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

std::optional<IndexPath> TableView::indexPathForSelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return std::nullopt;
    return model_->entryAt(selected.first().row()).path;
}

void TableView::selectRow(IndexPath path) {
    if (const std::optional<int> listRow = model_->listRowOf(path)) {
        selectionModel()->setCurrentIndex(model_->index(*listRow),
                                          QItemSelectionModel::ClearAndSelect);
    }
}

void TableView::deselectRow(IndexPath path, bool) {
    if (const std::optional<int> listRow = model_->listRowOf(path)) {
        selectionModel()->select(model_->index(*listRow), QItemSelectionModel::Deselect);
    }
}

void TableView::makeCurrent(IndexPath path) {
    if (const std::optional<int> listRow = model_->listRowOf(path)) {
        selectionModel()->setCurrentIndex(model_->index(*listRow), QItemSelectionModel::NoUpdate);
    }
}

std::optional<IndexPath> TableView::currentRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() >= model_->rowCount()) return std::nullopt;
    const TableModel::Entry& entry = model_->entryAt(current.row());
    if (entry.header) return std::nullopt;
    return entry.path;
}

TableViewCell TableView::cellForRow(IndexPath path) const { return model_->cellAt(path); }

QRect TableView::rectForRow(IndexPath path) const {
    const std::optional<int> listRow = model_->listRowOf(path);
    return listRow ? visualRect(model_->index(*listRow)) : QRect();
}

RowState TableView::rowState(IndexPath path) const {
    RowState state;
    state.confirmationWidth =
        QFontMetricsF(fontFor(TextStyle::emphasis, font()))
            .horizontalAdvance(QCoreApplication::translate("TableView", "Delete")) +
        confirmationPadding;
    if (pendingDeletion_ == path) state.deletion = RowDeletion::confirming;
    if (!editing_ || !dataSource_) return state;
    state.mode = TableMode::editing;
    if (dataSource_->canEditRow(path) && delegate_)
        state.style = delegate_->editingStyleForRow(path);
    if (dataSource_->canMoveRow(path)) state.move = RowMove::movable;
    return state;
}

RowRegions TableView::regionsForRow(IndexPath path, const QRectF& rect) const {
    const TableViewCell& cell = model_->cellAt(path);
    const double indent =
        leadingMargin(font()) + indentationStep(font()) * std::max(0, cell.indentationLevel);
    return rowRegions(rect, rowState(path), indent);
}

CellGeometry TableView::geometryForRow(IndexPath path, const QRectF& rect) const {
    const RowRegions regions = regionsForRow(path, rect);
    CellGeometry geometry =
        layoutCell(model_->cellAt(path), regions.content.width(), font(), columnWidths());
    for (PlacedPiece& piece : geometry.pieces) piece.rect.translate(regions.content.topLeft());
    return geometry;
}

double TableView::headerHeight() const {
    return QFontMetricsF(fontFor(TextStyle::heading, font())).lineSpacing() * 1.8;
}

void TableView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !dataSource_) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || model_->entryAt(index.row()).header) return;
    handlePress(model_->entryAt(index.row()).path, event->position(), visualRect(index));
}

void TableView::handlePress(IndexPath path, QPointF point, const QRect& rowRect) {
    makeCurrent(path);
    if (handleEditingPress(path, point, rowRect)) return;
    for (const PlacedPiece& piece : geometryForRow(path, QRectF(rowRect)).pieces) {
        if (piece.button && piece.rect.contains(point)) {
            if (delegate_) delegate_->cellButtonTapped(path);
            return;
        }
    }
    if (!delegate_ || !delegate_->canSelectRow(path, editing_)) return;
    selectRow(path);
    delegate_->didSelectRow(path);
}

// A press on an editing control, a confirmation or a move handle; true when it was one.
bool TableView::handleEditingPress(IndexPath path, QPointF point, const QRect& rowRect) {
    const bool confirming = pendingDeletion_ == path;
    if (pendingDeletion_ && !confirming) {
        setPendingDeletion(std::nullopt);
        return true;
    }
    if (!editing_ && !confirming) return false;
    const RowRegions regions = regionsForRow(path, QRectF(rowRect));
    if (confirming) {
        setPendingDeletion(std::nullopt);
        if (regions.deleteConfirmation.contains(point)) {
            dataSource_->commitEditingStyle(EditingStyle::remove, path);
        }
        return true;
    }
    if (regions.editingControl.contains(point)) {
        const EditingStyle style = rowState(path).style;
        if (style == EditingStyle::insert) dataSource_->commitEditingStyle(style, path);
        if (style == EditingStyle::remove) setPendingDeletion(path);
        return true;
    }
    if (regions.moveUp.contains(point) || regions.moveDown.contains(point)) {
        moveBy(path, regions.moveUp.contains(point) ? -1 : 1);
        return true;
    }
    return false;
}

// Rows wrap their texts to the table's width, so a new width (a scroll bar that came or went
// included) gives them new heights; the list view alone lays rows out again only for a new
// height.
void TableView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) scheduleDelayedItemsLayout();
}

void TableView::setPendingDeletion(std::optional<IndexPath> path) {
    pendingDeletion_ = path;
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void TableView::keyPressEvent(QKeyEvent* event) {
    const std::optional<IndexPath> path = dataSource_ ? currentRow() : std::nullopt;
    const bool moving = event->modifiers().testAnyFlags(Qt::AltModifier | Qt::ControlModifier) &&
                        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down);
    if (path && isReturn(*event)) {
        activateRow(*path);
    } else if (path && event->key() == Qt::Key_Space) {
        if (delegate_ && model_->cellAt(*path).button()) {
            delegate_->cellButtonTapped(*path);
        } else {
            activateRow(*path);
        }
    } else if (path && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        deleteRow(*path);
    } else if (event->key() == Qt::Key_Escape && pendingDeletion_) {
        setPendingDeletion(std::nullopt);
    } else if (path && moving && editing_) {
        if (const auto moved = moveBy(*path, event->key() == Qt::Key_Up ? -1 : 1)) {
            makeCurrent(*moved);
        }
    } else {
        QListView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TableView::activateRow(IndexPath path) {
    if (pendingDeletion_ == path) {
        deleteRow(path);
        return;
    }
    setPendingDeletion(std::nullopt);
    if (editing_ && rowState(path).style == EditingStyle::insert) {
        dataSource_->commitEditingStyle(EditingStyle::insert, path);
        return;
    }
    if (!delegate_ || !delegate_->canSelectRow(path, editing_)) return;
    selectRow(path);
    delegate_->didSelectRow(path);
}

void TableView::deleteRow(IndexPath path) {
    if (!editing_ || rowState(path).style != EditingStyle::remove) return;
    if (pendingDeletion_ != path) {
        setPendingDeletion(path);
        return;
    }
    setPendingDeletion(std::nullopt);
    dataSource_->commitEditingStyle(EditingStyle::remove, path);
}

std::optional<IndexPath> TableView::moveBy(IndexPath path, int step) {
    IndexPath proposed{path.section, path.row + step};
    if (proposed.row < 0 || proposed.row >= dataSource_->numberOfRowsInSection(path.section)) {
        return std::nullopt;
    }
    if (delegate_) proposed = delegate_->targetIndexPathForMove(path, proposed);
    if (proposed == path) return std::nullopt;
    dataSource_->moveRow(path, proposed);
    reloadData();
    return proposed;
}
