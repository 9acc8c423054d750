#include "SatelliteSelectionController.h"

SatelliteSelectionController::SatelliteSelectionController()
    : appDelegate_(SkelvorAppDelegate::shared()) {}

void SatelliteSelectionController::loadView() {
    auto* table = new TableView(TableViewStyle::grouped);
    table->setDataSource(this);
    table->setDelegate(this);
    tableView_ = table;
    setView(table);
}

void SatelliteSelectionController::viewDidLoad() {
    setTitle(categoryName_);
    sortedSatelliteNames_ = selection::namesByStatus(satellites_);
    selectionWhenHidden_ = appDelegate_->selectedSatellites();
    tableView_->reloadData();
}

// The tracking list may drop satellites while this screen is hidden behind another tab; the
// check marks then follow. The highlighted row and the scroll position stay.
void SatelliteSelectionController::viewWillAppear(bool) {
    if (appDelegate_->selectedSatellites() != selectionWhenHidden_) refreshAllRows();
}

void SatelliteSelectionController::viewWillDisappear(bool) {
    selectionWhenHidden_ = appDelegate_->selectedSatellites();
}

void SatelliteSelectionController::refreshAllRows() {
    QList<IndexPath> rows;
    for (int section = 0; section < numberOfSections(); ++section) {
        for (int row = 0; row < numberOfRowsInSection(section); ++row) rows.append({section, row});
    }
    tableView_->reloadRowsAtIndexPaths(rows);
}

int SatelliteSelectionController::numberOfSections() {
    return static_cast<int>(selection::statusSectionCount);
}

int SatelliteSelectionController::numberOfRowsInSection(int section) {
    return static_cast<int>(sortedSatelliteNames_.at(static_cast<std::size_t>(section)).size());
}

QString SatelliteSelectionController::titleForHeaderInSection(int section) {
    return selection::shownStatus(
        selection::statusSectionNames().at(static_cast<std::size_t>(section)));
}

const QString& SatelliteSelectionController::nameAt(IndexPath path) const {
    return sortedSatelliteNames_.at(static_cast<std::size_t>(path.section)).at(path.row);
}

TableViewCell SatelliteSelectionController::cellForRow(IndexPath path) {
    TableViewCell cell;
    cell.text = nameAt(path);
    cell.checkable = true;
    cell.accessory = appDelegate_->isSatelliteSelected(cell.text) ? AccessoryType::checkmark
                                                                  : AccessoryType::none;
    return cell;
}

void SatelliteSelectionController::didSelectRow(IndexPath path) {
    appDelegate_->toggleSatelliteSelected(nameAt(path));
    tableView_->reloadRowsAtIndexPaths({path});
    appDelegate_->setPreferencesAltered(true);
}
