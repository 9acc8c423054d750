#include "FirstViewController.h"

#include <QTimer>
#include <QToolButton>

#include "BusyIndicator.h"
#include "IconButton.h"
#include "ListRowText.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassListing.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "SegmentedControl.h"
#include "SkelvorAppDelegate.h"
#include "TimelineController.h"
#include "TonightController.h"

namespace {

constexpr double refreshInterval = 30.0;
constexpr int geostationaryOrbit = 3;

// The name in large bold type, the event, the countdown and what of the pass can be seen in a
// column at its right.
TableViewCell augmentedNameCell(const QString& name, const ListRowText& text,
                                const QString& visibleLine) {
    TableViewCell cell;
    cell.accessory = AccessoryType::disclosureIndicator;
    cell.lines = {cellLine(name, TextStyle::title)};
    cell.side = {cellLine(text.eventLine, TextStyle::body, CellColour::accent)};
    if (!text.countdownLine.isEmpty()) {
        cell.side.push_back(cellLine(text.countdownLine, TextStyle::body, CellColour::accent));
    }
    if (!visibleLine.isEmpty()) {
        cell.side.push_back(cellLine(visibleLine, TextStyle::detail, CellColour::accent));
    }
    return cell;
}

}  // namespace

FirstViewController::FirstViewController()
    : appDelegate_(SkelvorAppDelegate::shared()),
      calendarExport_([this] { return calendarContent(); }) {
    setTitle(tr("Tracking"));
}

FirstViewController::~FirstViewController() {
    NotificationCenter::defaultCenter().removeObserver(selectionObserver_);
    NotificationCenter::defaultCenter().removeObserver(preferencesObserver_);
}

void FirstViewController::loadView() {
    table_ = new TableView(TableViewStyle::plain);
    table_->setDataSource(this);
    table_->setDelegate(this);
    setView(calendarExport_.frame(table_));
}

void FirstViewController::viewDidLoad() {
    timelineEditButton_ = new SegmentedControl({tr("Timeline"), tr("Edit"), tr("Tonight")});
    timelineEditButton_->setMomentary(true);
    timelineEditButton_->setAction([this] { timelineEditAction(); });
    timelineEditButton_->setAccessibleName(tr("Timeline and editing"));
    setRightBarButtonItem(timelineEditButton_);
    auto* orderButton = new IconButton(QStringLiteral(":/images/DownArrow.png"));
    orderButton->setToolTip(tr("Order by next event"));
    orderButton->setAccessibleName(tr("Order by next event"));
    QObject::connect(orderButton, &QToolButton::clicked, this, [this] { orderByInterval(); });
    setLeftBarButtonItem(orderButton);
    selectionObserver_ = NotificationCenter::defaultCenter().addObserver(
        QStringLiteral("SatelliteSelectionAltered"), [this](const Notification&) {
            if (table_) table_->reloadData();
        });
    preferencesObserver_ = NotificationCenter::defaultCenter().addObserver(
        SkelvorAppDelegate::preferencesAlteredNotification,
        [this](const Notification&) { preferencesAltered(); });
}

void FirstViewController::viewWillAppear(bool) {
    shown_ = true;
    rebuildNextPasses();
    refreshTimer_ = Timer::scheduledTimer(
        refreshInterval, [this] { refreshDurations(); }, true);
    table_->reloadData();
}

void FirstViewController::viewWillDisappear(bool) {
    shown_ = false;
    if (refreshTimer_) refreshTimer_->invalidate();
    refreshTimer_.reset();
}

void FirstViewController::rebuildNextPasses() {
    passesStale_ = false;
    for (const std::shared_ptr<SatelliteData>& satellite : appDelegate_->selectedSatellites()) {
        satellite->setNextPass(std::make_shared<PassData>(*satellite, std::nullopt,
                                                          appDelegate_->minimumPathElevation()));
    }
}

// Several changes in a row are shown once, after the change that set them off has ended; a
// hidden list finds its passes again when it next appears.
void FirstViewController::preferencesAltered() {
    passesStale_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!passesStale_ || !shown_) return;
        rebuildNextPasses();
        table_->reloadData();
    });
}

void FirstViewController::refreshDurations() { table_->reloadData(); }

int FirstViewController::numberOfRowsInSection(int) {
    return static_cast<int>(appDelegate_->selectedSatellites().size());
}

TableViewCell FirstViewController::cellForRow(IndexPath path) {
    SatelliteData& satellite = *appDelegate_->selectedSatellites().at(path.row);
    const auto [pass, visible] = shownPass(satellite);
    const auto clock = [this](Date date) {
        return appDelegate_->formatTime(date, QStringLiteral("HH:mm"));
    };
    const QString visibleLine =
        visible ? tr("Visible %1 to %2").arg(clock(visible->start), clock(visible->end))
                : QString();
    return augmentedNameCell(satellite.commonName(),
                             listRowText(*pass, satellite.orbitType() == geostationaryOrbit,
                                         appDelegate_->now(), *appDelegate_),
                             visibleLine);
}

std::pair<std::shared_ptr<PassData>, std::optional<VisiblePart>> FirstViewController::shownPass(
    SatelliteData& satellite) {
    std::shared_ptr<PassData> pass = satellite.nextPass();
    const WatchSettings& watch = appDelegate_->watchSettings();
    if (!watch.marksVisibility()) return {pass, std::nullopt};
    const VisibilityConditions conditions =
        watch.conditions(static_cast<double>(appDelegate_->minimumPathElevation()));
    std::optional<VisiblePart> visible = PassVisibility(satellite, *pass, conditions).visiblePart();
    if (visible || !watch.visiblePassesOnly) return {pass, visible};
    const std::optional<WatchedPass> watched =
        nextPassToWatch(satellite, appDelegate_->now(), appDelegate_->minimumPathElevation(),
                        conditions, true, SatelliteData::search_window);
    if (!watched) return {pass, visible};
    satellite.setNextPass(watched->pass);
    return {watched->pass, watched->visible};
}

CalendarExport::Content FirstViewController::calendarContent() const {
    const QList<std::shared_ptr<SatelliteData>>& listed = appDelegate_->selectedSatellites();
    if (listed.isEmpty()) {
        return {{}, QString(), tr("The list is empty: choose satellites on the Satellites tab.")};
    }
    return {CalendarExport::futurePasses({listed.begin(), listed.end()}),
            QStringLiteral("passes.ics"),
            tr("No listed satellite has a pass that rises, reaches the minimum elevation and sets "
               "within the next %n day(s).",
               nullptr, CalendarExport::futureDays())};
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
    switch (timelineEditButton_->selectedSegmentIndex()) {
        case 0:
            openTimeline();
            break;
        case 1:
            toggleEditing();
            break;
        default:
            navigationController()->pushViewController(std::make_unique<TonightController>(), true);
    }
}

bool FirstViewController::toggleEditing() {
    if (!timelineEditButton_) return false;
    const bool startEditing = timelineEditButton_->titleForSegmentAtIndex(1) == tr("Edit");
    table_->setEditing(startEditing, true);
    timelineEditButton_->setTitleForSegmentAtIndex(startEditing ? tr("Done") : tr("Edit"), 1);
    return true;
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
