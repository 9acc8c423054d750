#include "TableView.h"

#include <QMouseEvent>

#include "TableCellPainter.h"
#include "TableModel.h"
#include "TableRowLayout.h"

TableView::TableView(TableViewStyle style, QWidget* parent)
    : QListView(parent), style_(style), model_(new TableModel) {
    model_->setParent(this);
    setModel(model_);
    setItemDelegate(new TableCellPainter(this, model_));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(false);
}

TableView::~TableView() = default;

void TableView::setDataSource(TableViewDataSource* dataSource) { dataSource_ = dataSource; }

void TableView::setDelegate(TableViewDelegate* delegate) { delegate_ = delegate; }

void TableView::reloadData() {
    if (updateDepth_ > 0) return;
    pendingDeletion_.reset();
    model_->reload(dataSource_);
}

void TableView::reloadRowsAtIndexPaths(const QList<IndexPath>& paths) {
    for (const IndexPath& path : paths) model_->refreshRow(path);
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
    viewport()->update();
}

std::optional<IndexPath> TableView::indexPathForSelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return std::nullopt;
    return model_->entryAt(selected.first().row()).path;
}

void TableView::selectRow(IndexPath path) {
    if (const std::optional<int> listRow = model_->listRowOf(path)) {
        selectionModel()->select(model_->index(*listRow), QItemSelectionModel::ClearAndSelect);
    }
}

void TableView::deselectRow(IndexPath path, bool) {
    if (const std::optional<int> listRow = model_->listRowOf(path)) {
        selectionModel()->select(model_->index(*listRow), QItemSelectionModel::Deselect);
    }
}

TableViewCell TableView::cellForRow(IndexPath path) const { return model_->cellAt(path); }

QRect TableView::rectForRow(IndexPath path) const {
    const std::optional<int> listRow = model_->listRowOf(path);
    return listRow ? visualRect(model_->index(*listRow)) : QRect();
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
    if (handleEditingPress(path, point, rowRect)) return;
    const TableViewCell& cell = model_->cellAt(path);
    const RowRegions regions =
        rowRegions(QRectF(rowRect), editing_, EditingStyle::none, false, false);
    if (cell.button && cell.button->frame.translated(regions.contentOrigin).contains(point)) {
        if (delegate_) delegate_->cellButtonTapped(path);
        return;
    }
    if (!delegate_ || !delegate_->canSelectRow(path, editing_)) return;
    selectRow(path);
    delegate_->didSelectRow(path);
}

// A press on an editing control, a confirmation or a move handle; true when it was one.
bool TableView::handleEditingPress(IndexPath path, QPointF point, const QRect& rowRect) {
    const bool confirming = pendingDeletion_ == path;
    if (pendingDeletion_ && !confirming) {
        pendingDeletion_.reset();
        viewport()->update();
        return true;
    }
    if (!editing_ && !confirming) return false;
    const EditingStyle style = dataSource_->canEditRow(path) && delegate_
                                   ? delegate_->editingStyleForRow(path)
                                   : EditingStyle::none;
    const RowRegions regions =
        rowRegions(QRectF(rowRect), editing_, style, dataSource_->canMoveRow(path), confirming);
    if (confirming) {
        pendingDeletion_.reset();
        if (regions.deleteConfirmation.contains(point)) {
            dataSource_->commitEditingStyle(EditingStyle::remove, path);
        }
        viewport()->update();
        return true;
    }
    if (regions.editingControl.contains(point)) {
        if (style == EditingStyle::insert) dataSource_->commitEditingStyle(style, path);
        if (style == EditingStyle::remove) pendingDeletion_ = path;
        viewport()->update();
        return true;
    }
    if (regions.moveUp.contains(point) || regions.moveDown.contains(point)) {
        moveBy(path, regions.moveUp.contains(point) ? -1 : 1);
        return true;
    }
    return false;
}

void TableView::moveBy(IndexPath path, int step) {
    IndexPath proposed{path.section, path.row + step};
    if (proposed.row < 0 || proposed.row >= dataSource_->numberOfRowsInSection(path.section)) {
        return;
    }
    if (delegate_) proposed = delegate_->targetIndexPathForMove(path, proposed);
    if (proposed == path) return;
    dataSource_->moveRow(path, proposed);
    reloadData();
}
