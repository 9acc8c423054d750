#include "TonightController.h"

#include <QMenu>
#include <cmath>

#include "BusyIndicator.h"
#include "NavigationController.h"
#include "PassOpening.h"
#include "PassViewController.h"
#include "SkelvorAppDelegate.h"
#include "TableView.h"

TonightController::TonightController()
    : appDelegate_(SkelvorAppDelegate::shared()),
      calendarExport_([this] { return calendarContent(); }) {
    setTitle(tr("Tonight"));
}

void TonightController::loadView() {
    table_ = new TableView(TableViewStyle::plain);
    table_->setDataSource(this);
    table_->setDelegate(this);
    setView(calendarExport_.frame(table_));
    categoryButton_ = new QPushButton;
    categoryButton_->setAccessibleName(tr("Category"));
    auto* menu = new QMenu(categoryButton_);
    QObject::connect(menu, &QMenu::aboutToShow, categoryButton_, [this, menu] {
        menu->clear();
        const auto offer = [this, menu](const QString& text, const QString& category) {
            QAction* action = menu->addAction(text, [this, category] { chooseCategory(category); });
            action->setCheckable(true);
            action->setChecked(category == category_);
        };
        offer(tr("All categories"), QString());
        for (const QString& name : appDelegate_->knownSatellites().keys()) offer(name, name);
    });
    categoryButton_->setMenu(menu);
    setRightBarButtonItem(categoryButton_);
    showCategory();
}

void TonightController::showCategory() {
    if (categoryButton_) {
        categoryButton_->setText(category_.isEmpty() ? tr("All categories") : category_);
    }
}

void TonightController::chooseCategory(const QString& category) {
    category_ = category;
    showCategory();
    startScan();
}

void TonightController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    startScan();
}

// The satellites are copied here, on the main thread; the scan of the copies runs on the
// scanner's thread, and its list replaces the one shown when it comes back.
void TonightController::startScan() {
    TonightOptions options;
    options.observer = appDelegate_->observer_geodetic();
    options.from = appDelegate_->now();
    options.darknessElevation = appDelegate_->watchSettings().darknessElevation;
    options.minimumElevation = appDelegate_->minimumPathElevation();
    auto satellites =
        std::make_shared<std::vector<TonightSatellite>>(appDelegate_->tonightSatellites(
            category_.isEmpty() ? QStringList() : QStringList{category_}));
    ++scansRunning_;
    if (!indicator_) {
        indicator_ = new BusyIndicator(view());
        indicator_->centreInParent();
        indicator_->startAnimating();
    }
    table_->reloadData();
    scanner_.run<TonightList>([satellites, options] { return scanTonight(*satellites, options); },
                              [this](TonightList& list) { scanDone(list); });
}

void TonightController::scanDone(TonightList& list) {
    tonight_ = std::move(list);
    if (--scansRunning_ == 0 && indicator_) {
        indicator_->stopAnimating();
        indicator_->deleteLater();
        indicator_ = nullptr;
    }
    table_->reloadData();
}

int TonightController::numberOfRowsInSection(int) {
    return static_cast<int>(tonight_.passes.size());
}

QString TonightController::titleForHeaderInSection(int) {
    if (isScanning()) return tr("Looking through the catalogue…");
    if (!tonight_.night) return tr("No night here today");
    const auto clock = [this](Date date) {
        return appDelegate_->formatTime(date, QStringLiteral("HH:mm"));
    };
    return tr("Dusk %1 to dawn %2 (%3)")
        .arg(clock(tonight_.night->dusk), clock(tonight_.night->dawn),
             appDelegate_->zoneAbbreviation(tonight_.night->dusk));
}

TableViewCell TonightController::cellForRow(IndexPath path) {
    const TonightPass& pass = tonight_.passes.at(static_cast<std::size_t>(path.row));
    const auto clock = [this](Date date) {
        return appDelegate_->formatTime(date, QStringLiteral("HH:mm:ss"));
    };
    TableViewCell cell;
    cell.accessory = AccessoryType::disclosureIndicator;
    cell.lines = {cellLine(pass.name, TextStyle::emphasis)};
    cell.lines.push_back(cellLine(tr("Visible %1 to %2, highest %3°")
                                      .arg(clock(pass.visible.start), clock(pass.visible.end))
                                      .arg(std::lround(pass.visible.highest.elevation)),
                                  TextStyle::body, CellColour::accent));
    return cell;
}

CalendarExport::Content TonightController::calendarContent() const {
    std::vector<CalendarPass> passes;
    for (const TonightPass& pass : tonight_.passes) passes.push_back(CalendarPass::of(pass));
    return {std::move(passes), QStringLiteral("tonight.ics"),
            tonight_.night ? tr("No satellite of the catalogue can be seen tonight.")
                           : tr("There is no night here today, so no pass can be seen.")};
}

void TonightController::didSelectRow(IndexPath path) {
    const TonightPass& chosen = tonight_.passes.at(static_cast<std::size_t>(path.row));
    std::shared_ptr<SatelliteData> satellite = appDelegate_->findSatelliteByCommonName(chosen.name);
    if (!satellite) return;
    auto pass = passRisingAt(*satellite, chosen.aos, appDelegate_->minimumPathElevation());
    navigationController()->pushViewController(
        std::make_unique<PassViewController>(std::move(satellite), std::move(pass)), true);
}
