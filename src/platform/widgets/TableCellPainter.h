// Paints the table's rows from their values in the table's palette: section headings as bands
// with their title, rows with their texts and button, the accessory, the keyboard's focus, and
// while editing the rows' controls and move handle. Row heights follow the rows' layout at the
// table's width.
#pragma once

#include <QStyledItemDelegate>

class TableView;
class TableModel;
struct CellGeometry;
struct RowRegions;
struct TableViewCell;

class TableCellPainter : public QStyledItemDelegate {
public:
    TableCellPainter(TableView* table, TableModel* model);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Rows are changed only through their data source, never by the view's own editing.
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&,
                     const QModelIndex&) override {
        return false;
    }

private:
    void paintHeader(QPainter* painter, const QStyleOptionViewItem& option,
                     const QString& title) const;
    void paintContent(QPainter* painter, const QPalette& palette,
                      const CellGeometry& geometry) const;
    void paintRight(QPainter* painter, const QPalette& palette, const TableViewCell& cell,
                    const RowRegions& regions) const;

    TableView* table_;
    TableModel* model_;
};
