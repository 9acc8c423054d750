// The table's sections and rows as one list for the list view: a header entry before each
// titled section, then the section's rows. Row values are asked of the data source when first
// painted and kept until the next reload.
#pragma once

#include <QAbstractListModel>
#include <optional>
#include <vector>

#include "TableViewInterfaces.h"

class TableModel : public QAbstractListModel {
public:
    struct Entry {
        IndexPath path;
        bool header = false;
    };

    void reload(TableViewDataSource* dataSource);
    void refreshRow(IndexPath path);

    int rowCount(const QModelIndex& parent = {}) const override;
    // Assistive technology reads each row as one phrase, with its check mark as a check state.
    QVariant data(const QModelIndex& index, int role) const override;
    // Headings can be neither chosen nor reached by the keyboard.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const Entry& entryAt(int listRow) const { return entries_.at(listRow); }
    std::optional<int> listRowOf(IndexPath path) const;
    const TableViewCell& cellAt(IndexPath path) const;
    QString headerTitle(int section) const { return headers_.at(section); }

private:
    TableViewDataSource* dataSource_ = nullptr;
    std::vector<Entry> entries_;
    std::vector<QString> headers_;
    std::vector<int> firstListRow_;  // per section, the list row of its row 0
    mutable std::vector<std::vector<std::optional<TableViewCell>>> cells_;
};
