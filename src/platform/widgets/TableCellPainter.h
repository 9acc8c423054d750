// Paints the table's rows from their values: section headers as bands with their title, rows
// with their labels, button, accessory, and while editing their controls and move handle.
#pragma once

#include <QStyledItemDelegate>

class TableView;
class TableModel;
struct TableViewCell;
struct RowRegions;

class TableCellPainter : public QStyledItemDelegate {
public:
    TableCellPainter(TableView* table, TableModel* model);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int headerHeight = 30;

private:
    void paintHeader(QPainter* painter, const QRect& rect, const QString& title) const;
    void paintContent(QPainter* painter, const TableViewCell& cell, QPointF origin,
                      double height) const;
    void paintRight(QPainter* painter, const TableViewCell& cell, const RowRegions& regions) const;

    TableView* table_;
    TableModel* model_;
};
