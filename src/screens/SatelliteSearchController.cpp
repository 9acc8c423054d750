#include "SatelliteSearchController.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QVBoxLayout>

#include "NavigationController.h"
#include "SatelliteChoice.h"
#include "SkelvorAppDelegate.h"

namespace {

const QColor labelBlue(0, 0, 255);

// The name label: bold, up to two wrapped lines, its size shrunk from 20 down to 12 until the
// name fits its frame.
CellLabel nameLabel(const QString& name) {
    const QRectF frame(0, 0, 200, 40);
    CellLabel label = cellLabel(frame, name, 20, true, Qt::black);
    label.wordWrap = true;
    label.minimumFontSize = 12;
    const QRectF tall(0, 0, frame.width(), 1000);
    while (label.font.pixelSize() > label.minimumFontSize &&
           QFontMetricsF(label.font).boundingRect(tall, Qt::TextWordWrap, name).height() >
               frame.height()) {
        label.font.setPixelSize(label.font.pixelSize() - 1);
    }
    return label;
}

// A category or status label: its size shrunk from 16 down to 12 until the text fits, and the
// text cut short with an ellipsis when even that is too wide.
CellLabel sideLabel(const QRectF& frame, const QString& text) {
    CellLabel label = cellLabel(frame, text, 16, true, labelBlue);
    label.minimumFontSize = 12;
    QFont smallest = label.font;
    smallest.setPixelSize(static_cast<int>(label.minimumFontSize));
    label.text = QFontMetricsF(smallest).elidedText(text, Qt::ElideRight, frame.width());
    return label;
}

}  // namespace

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
    searchBar_->textField()->setPlaceholderText(QStringLiteral("Satellite name"));
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
         selection::findByNamePrefix(appDelegate_->knownSatellites(), text)) {
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
    TableViewCell cell;
    cell.text = satellite.commonName();
    cell.labels.push_back(nameLabel(satellite.commonName()));
    cell.labels.push_back(sideLabel({200, 0, 100, 20}, matchingCategoryNames_.at(path.row)));
    cell.labels.push_back(sideLabel({200, 20, 100, 20}, satellite.operationalStatus()));
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
