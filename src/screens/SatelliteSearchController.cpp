#include "SatelliteSearchController.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "NavigationController.h"
#include "SatelliteChoice.h"
#include "SkelvorAppDelegate.h"

SatelliteSearchController::SatelliteSearchController()
    : appDelegate_(SkelvorAppDelegate::shared()) {}

void SatelliteSearchController::loadView() {
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("SatelliteSearch"));
    searchBar_ = new SearchBar;
    resultList_ = new TableView(TableViewStyle::plain);
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(searchBar_);
    layout->addWidget(resultList_, 1);
    setView(view);
}

void SatelliteSearchController::viewDidLoad() {
    matchingSatellites_.clear();
    matchingCategoryNames_.clear();
    selectedSatellites_.clear();
    searchBar_->setAutocorrection(false);
    searchBar_->setCapitalizesAllCharacters(true);
    searchBar_->setShowsCancelButton(true);
    searchBar_->textField()->setPlaceholderText(tr("Satellite name"));
    searchBar_->setDelegate(this);
    resultList_->setDataSource(this);
    resultList_->setDelegate(this);
    resultList_->reloadData();
}

void SatelliteSearchController::viewWillAppear(bool) { searchBar_->textField()->setFocus(); }

void SatelliteSearchController::textDidChange(SearchBar&, const QString& text) {
    matchingSatellites_.clear();
    matchingCategoryNames_.clear();
    selectedSatellites_.clear();
    QSet<const SatelliteData*> selected;
    for (const auto& satellite : appDelegate_->selectedSatellites()) {
        selected.insert(satellite.get());
    }
    for (selection::SearchResult& result :
         selection::findByName(appDelegate_->knownSatellites(), text)) {
        if (selected.contains(result.satellite.get())) {
            selectedSatellites_.insert(result.satellite.get());
        }
        matchingSatellites_.push_back(std::move(result.satellite));
        matchingCategoryNames_.append(std::move(result.categoryName));
    }
    resultList_->reloadData();
}

void SatelliteSearchController::searchButtonClicked(SearchBar&) { close(); }

void SatelliteSearchController::cancelButtonClicked(SearchBar&) { close(); }

void SatelliteSearchController::close() {
    if (navigationController()) navigationController()->dismissModalViewControllerAnimated(true);
}

bool SatelliteSearchController::isSelectedHere(const SatelliteData* satellite) const {
    return selectedSatellites_.contains(satellite);
}

int SatelliteSearchController::numberOfRowsInSection(int) {
    return static_cast<int>(matchingSatellites_.size());
}

TableViewCell SatelliteSearchController::cellForRow(IndexPath path) {
    const SatelliteData& satellite = *matchingSatellites_.at(static_cast<std::size_t>(path.row));
    // The name, wrapped where it is long; its category and status in a column at its right.
    TableViewCell cell;
    cell.lines = {cellLine(satellite.commonName(), TextStyle::title)};
    cell.side = {
        cellLine(matchingCategoryNames_.at(path.row), TextStyle::emphasis, CellColour::accent),
        cellLine(selection::shownStatus(satellite.operationalStatus()), TextStyle::emphasis,
                 CellColour::accent)};
    cell.checkable = true;
    cell.accessory = isSelectedHere(&satellite) ? AccessoryType::checkmark : AccessoryType::none;
    return cell;
}

void SatelliteSearchController::didSelectRow(IndexPath path) {
    resultList_->deselectRow(path, false);
    const SatelliteData& satellite = *matchingSatellites_.at(static_cast<std::size_t>(path.row));
    const bool select = !isSelectedHere(&satellite);
    if (select) {
        selectedSatellites_.insert(&satellite);
    } else {
        selectedSatellites_.remove(&satellite);
    }
    appDelegate_->setSatelliteSelected(satellite.commonName(), select);
    resultList_->reloadRowsAtIndexPaths({path});
    appDelegate_->setPreferencesAltered(true);
}
