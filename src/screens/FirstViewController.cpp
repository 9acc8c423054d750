#include "FirstViewController.h"

#include <QToolButton>

#include "BusyIndicator.h"
#include "ListRowText.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "SegmentedControl.h"
#include "SkelvorAppDelegate.h"
#include "TimelineController.h"

namespace {

constexpr double refreshInterval = 30.0;
constexpr int geostationaryOrbit = 3;

TableViewCell augmentedNameCell(const QString& name, const ListRowText& text) {
    TableViewCell cell;
    cell.accessory = AccessoryType::disclosureIndicator;
    // Long names and explanations shrink to fit their frames rather than being cut off.
    CellLabel nameLabel = cellLabel({10, 12, 170, 25}, name, 20, true, Qt::black);
    nameLabel.minimumFontSize = 11;
    CellLabel event = cellLabel({180, 8, 120, 13}, text.eventLine, 12, false, Qt::blue);
    CellLabel countdown = cellLabel({180, 26, 120, 13}, text.countdownLine, 12, false, Qt::blue);
    event.minimumFontSize = countdown.minimumFontSize = 8;
    cell.labels = {nameLabel, event, countdown};
    return cell;
}

}  // namespace

FirstViewController::FirstViewController() : appDelegate_(SkelvorAppDelegate::shared()) {
    setTitle(QStringLiteral("Tracking"));
}

FirstViewController::~FirstViewController() {
    NotificationCenter::defaultCenter().removeObserver(selectionObserver_);
}

void FirstViewController::loadView() {
    table_ = new TableView(TableViewStyle::plain);
    table_->setDataSource(this);
    table_->setDelegate(this);
    setView(table_);
}

void FirstViewController::viewDidLoad() {
    timelineEditButton_ =
        new SegmentedControl({QStringLiteral("Timeline"), QStringLiteral("Edit")});
    timelineEditButton_->setMomentary(true);
    timelineEditButton_->setAction([this] { timelineEditAction(); });
    setRightBarButtonItem(timelineEditButton_);
    auto* orderButton = new QToolButton;
    orderButton->setIcon(QIcon(QStringLiteral(":/images/DownArrow.png")));
    orderButton->setToolTip(QStringLiteral("Order by next event"));
    orderButton->setAutoRaise(true);
    QObject::connect(orderButton, &QToolButton::clicked, this, [this] { orderByInterval(); });
    setLeftBarButtonItem(orderButton);
    selectionObserver_ = NotificationCenter::defaultCenter().addObserver(
        QStringLiteral("SatelliteSelectionAltered"), [this](const Notification&) {
            if (table_) table_->reloadData();
        });
}

void FirstViewController::viewWillAppear(bool) {
    for (const std::shared_ptr<SatelliteData>& satellite : appDelegate_->selectedSatellites()) {
        satellite->setNextPass(std::make_shared<PassData>(*satellite, std::nullopt,
                                                          appDelegate_->minimumPathElevation()));
    }
    refreshTimer_ = Timer::scheduledTimer(
        refreshInterval, [this] { refreshDurations(); }, true);
    table_->reloadData();
}

void FirstViewController::viewWillDisappear(bool) {
    if (refreshTimer_) refreshTimer_->invalidate();
    refreshTimer_.reset();
}

void FirstViewController::refreshDurations() { table_->reloadData(); }

int FirstViewController::numberOfRowsInSection(int) {
    return static_cast<int>(appDelegate_->selectedSatellites().size());
}

TableViewCell FirstViewController::cellForRow(IndexPath path) {
    SatelliteData& satellite = *appDelegate_->selectedSatellites().at(path.row);
    const std::shared_ptr<PassData> pass = satellite.nextPass();
    return augmentedNameCell(satellite.commonName(),
                             listRowText(*pass, satellite.orbitType() == geostationaryOrbit,
                                         appDelegate_->now(), *appDelegate_));
}

void FirstViewController::didSelectRow(IndexPath path) {
    std::shared_ptr<SatelliteData> satellite = appDelegate_->selectedSatellites().at(path.row);
    navigationController()->pushViewController(
        std::make_unique<PassViewController>(std::move(satellite), nullptr), true);
}

void FirstViewController::commitEditingStyle(EditingStyle style, IndexPath path) {
    if (style != EditingStyle::remove) return;
    appDelegate_->selectedSatellites().removeAt(path.row);
    appDelegate_->setPreferencesAltered(true);
    table_->deleteRowsAtIndexPaths({path});
}

void FirstViewController::moveRow(IndexPath from, IndexPath to) {
    appDelegate_->selectedSatellites().move(from.row, to.row);
    appDelegate_->setPreferencesAltered(true);
}

void FirstViewController::orderByInterval() {
    orderByNextEvent(appDelegate_->selectedSatellites());
    appDelegate_->setPreferencesAltered(true);
    table_->reloadData();
}

void FirstViewController::timelineEditAction() {
    if (timelineEditButton_->selectedSegmentIndex() == 0) {
        openTimeline();
    } else {
        toggleEditing();
    }
}

void FirstViewController::toggleEditing() {
    const bool startEditing = timelineEditButton_->titleForSegmentAtIndex(1) == u"Edit";
    table_->setEditing(startEditing, true);
    timelineEditButton_->setTitleForSegmentAtIndex(
        startEditing ? QStringLiteral("Done") : QStringLiteral("Edit"), 1);
}

// The timeline's passes take a while to compute: the busy indicator is shown first, and the
// computation starts from a timer once it is on screen.
void FirstViewController::openTimeline() {
    if (newTimelineController_) return;
    newTimelineController_ = std::make_unique<TimelineController>();
    indicator_ = new BusyIndicator(view());
    indicator_->centreInParent();
    indicator_->startAnimating();
    progressTimer_ = Timer::scheduledTimer(0.001, [this] { createTimelineController(); });
}

void FirstViewController::createTimelineController() {
    newTimelineController_->loadSelectedSatellites();
    if (indicator_) {
        indicator_->stopAnimating();
        indicator_->deleteLater();
    }
    navigationController()->pushViewController(std::move(newTimelineController_), true);
}
