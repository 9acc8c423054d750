#include "TableModel.h"

void TableModel::reload(TableViewDataSource* dataSource) {
    beginResetModel();
    dataSource_ = dataSource;
    entries_.clear();
    headers_.clear();
    firstListRow_.clear();
    cells_.clear();
    const int sections = dataSource ? dataSource->numberOfSections() : 0;
    for (int section = 0; section < sections; ++section) {
        headers_.push_back(dataSource->titleForHeaderInSection(section));
        if (!headers_.back().isEmpty()) entries_.push_back({{section, 0}, true});
        firstListRow_.push_back(static_cast<int>(entries_.size()));
        const int rows = std::max(0, dataSource->numberOfRowsInSection(section));
        for (int row = 0; row < rows; ++row) entries_.push_back({{section, row}, false});
        cells_.emplace_back(static_cast<std::size_t>(rows));
    }
    endResetModel();
}

void TableModel::refreshRow(IndexPath path) {
    const std::optional<int> listRow = listRowOf(path);
    if (!listRow) return;
    cells_[path.section][path.row].reset();
    const QModelIndex changed = index(*listRow);
    emit dataChanged(changed, changed);
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Entry& entry = entries_.at(index.row());
    if (role == Qt::AccessibleTextRole || role == Qt::DisplayRole) {
        return entry.header ? headers_.at(entry.path.section) : cellAt(entry.path).accessibleText();
    }
    if (role == Qt::CheckStateRole && !entry.header && cellAt(entry.path).checkable) {
        return cellAt(entry.path).accessory == AccessoryType::checkmark ? Qt::Checked
                                                                        : Qt::Unchecked;
    }
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || entries_.at(index.row()).header) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (cellAt(entries_.at(index.row()).path).checkable) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

std::optional<int> TableModel::listRowOf(IndexPath path) const {
    if (path.section < 0 || path.section >= static_cast<int>(cells_.size())) return std::nullopt;
    if (path.row < 0 || path.row >= static_cast<int>(cells_[path.section].size())) {
        return std::nullopt;
    }
    return firstListRow_[path.section] + path.row;
}

const TableViewCell& TableModel::cellAt(IndexPath path) const {
    std::optional<TableViewCell>& cell = cells_.at(path.section).at(path.row);
    if (!cell) cell = dataSource_->cellForRow(path);
    return *cell;
}
