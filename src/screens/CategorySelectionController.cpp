#include "CategorySelectionController.h"

#include <QToolButton>

#include "IconButton.h"
#include "NavigationController.h"
#include "SatelliteChoice.h"
#include "SatelliteSearchController.h"
#include "SatelliteSelectionController.h"
#include "SkelvorAppDelegate.h"

CategorySelectionController::CategorySelectionController()
    : appDelegate_(SkelvorAppDelegate::shared()) {
    setTitle(tr("Categories"));
}

void CategorySelectionController::loadView() {
    auto* table = new TableView(TableViewStyle::plain);
    table->setDataSource(this);
    table->setDelegate(this);
    tableView_ = table;
    setView(table);
}

void CategorySelectionController::viewDidLoad() {
    refreshCategories();
    tableView_->reloadData();
    // Placed directly: the navigation stack shows it once it has taken this screen in, which
    // for the root screen is after its view was made.
    searchButton_ = makeSearchButton();
    navigationItem().rightBarButtonItem = searchButton_.data();
}

QToolButton* CategorySelectionController::makeSearchButton() {
    auto* button = new IconButton(QStringLiteral(":/images/segment_search.png"));
    if (button->icon().isNull()) button->setText(tr("Search"));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(tr("Search satellites by name (Ctrl+F)"));
    button->setAccessibleName(tr("Search"));
    QObject::connect(button, &QToolButton::clicked, this, [this] { satelliteSearch(); });
    return button;
}

// The categories as the catalogue holds them now; true when they changed. The first element-set
// loading of a new user ends after this screen may have been made, so the list is renewed
// whenever the screen comes on again.
bool CategorySelectionController::refreshCategories() {
    const QStringList keys = selection::sortedPlainly(appDelegate_->knownSatellites().keys());
    if (keys == sortedCategoryKeys_) return false;
    sortedCategoryKeys_ = keys;
    return true;
}

void CategorySelectionController::viewWillAppear(bool) {
    if (refreshCategories()) {
        tableView_->reloadData();
    } else if (const auto selected = tableView_->indexPathForSelectedRow()) {
        tableView_->deselectRow(*selected, false);
    }
}

int CategorySelectionController::numberOfRowsInSection(int) {
    return static_cast<int>(sortedCategoryKeys_.size());
}

TableViewCell CategorySelectionController::cellForRow(IndexPath path) {
    TableViewCell cell;
    cell.text = sortedCategoryKeys_.at(path.row);
    cell.accessory = AccessoryType::disclosureIndicator;
    return cell;
}

void CategorySelectionController::didSelectRow(IndexPath path) {
    const QString& name = sortedCategoryKeys_.at(path.row);
    auto satellites = std::make_unique<SatelliteSelectionController>();
    satellites->setCategory(name);
    satellites->setSatellites(appDelegate_->knownSatellites().value(name));
    navigationController()->pushViewController(std::move(satellites), true);
}

void CategorySelectionController::satelliteSearch() {
    navigationController()->presentModalViewController(
        std::make_unique<SatelliteSearchController>(), true);
}
