#include "TimelineController.h"

#include <QApplication>
#include <QEvent>
#include <QTimeZone>

#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "ScrollView.h"
#include "SkelvorAppDelegate.h"
#include "TimelineView.h"

namespace {

constexpr int maxPassesPerRow = 10;
constexpr int halfWidth = 320;  // points: each view draws half the content

// The window the timeline shows in, or will show in once pushed: until the scroll view has
// one, the active window or else the first one shown.
const QWidget* hostWindow(const ScrollView* scrollView) {
    if (scrollView && scrollView->parentWidget()) return scrollView->window();
    if (const QWidget* active = QApplication::activeWindow()) return active;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) return widget;
    }
    return nullptr;
}

}  // namespace

TimelineController::TimelineController() : appDelegate_(SkelvorAppDelegate::shared()) {
    setTitle(QStringLiteral("Timeline"));
}

TimelineController::~TimelineController() = default;

TimelineView* TimelineController::view1() const { return view1_; }

TimelineView* TimelineController::view2() const { return view2_; }

ScrollView* TimelineController::scrollView() const { return scrollView_; }

void TimelineController::loadView() {
    scrollView_ = new ScrollView;
    scrollView_->installEventFilter(this);
    setView(scrollView_);
}

void TimelineController::viewDidLoad() { createSubviews(); }

void TimelineController::createSubviews() {
    view1_ = new TimelineView(scrollView_->content());
    view2_ = new TimelineView(scrollView_->content());
    view1_->setParentController(this);
    view2_->setParentController(this);
    fitContent();
}

float TimelineController::contentHeight() const {
    const QWidget* window = hostWindow(scrollView_);
    const bool landscape = window && window->width() > window->height();
    return landscape ? timeline::landscapeHeight : timeline::portraitHeight;
}

// The content takes the height of the window's orientation; the two views share it side by
// side, each as high as the content, so that the axis lies along the content's bottom edge.
void TimelineController::fitContent() {
    const int height = static_cast<int>(contentHeight());
    scrollView_->setContentSize(QSize(static_cast<int>(timeline::contentWidth), height));
    view1_->setGeometry(0, 0, halfWidth, height);
    view2_->setGeometry(halfWidth, 0, halfWidth, height);
}

bool TimelineController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollView_ && event->type() == QEvent::Resize && view1_ && view2_) {
        const int height = static_cast<int>(contentHeight());
        if (scrollView_->contentSize().height() != height) fitContent();
    }
    return ViewController::eventFilter(watched, event);
}

void TimelineController::loadSelectedSatellites() {
    satellites_.clear();
    rowSatellites_.clear();
    const Date now = appDelegate_->now();
    const std::int32_t hours = appDelegate_->timelineDuration();
    const std::int32_t minimumElevation = appDelegate_->minimumPathElevation();
    const Date end = now + timeline::passSearchSpan(appDelegate_->passTimetableDuration(), hours);
    std::vector<std::vector<timeline::PassTimes>> times;
    for (const std::shared_ptr<SatelliteData>& satellite : appDelegate_->selectedSatellites()) {
        rowSatellites_.push_back(satellite);
        TimelineEntries& row = satellites_.emplace_back();
        std::vector<timeline::PassTimes>& rowTimes = times.emplace_back();
        // A pass without a set leaves the start missing: the next search starts from now.
        std::optional<Date> after = now;
        for (int i = 0; i < maxPassesPerRow && !(after && *after > end); ++i) {
            auto pass = std::make_shared<PassData>(*satellite, after, minimumElevation);
            rowTimes.push_back({pass->aos(), pass->los()});
            after = pass->los();
            row.push_back({std::move(pass), std::nullopt});
        }
    }
    const std::optional<Date> origin = timeline::hourOrigin(now, QTimeZone::systemTimeZone());
    if (origin) {
        const std::vector<timeline::TimelineRow> bars =
            timeline::layoutRows(times, contentHeight(), *origin, hours);
        for (std::size_t n = 0; n < bars.size(); ++n) {
            for (std::size_t i = 0; i < bars[n].size(); ++i) {
                satellites_[n][i].location = bars[n][i];
            }
        }
    }
    timelineDuration_ = hours;
}

std::vector<timeline::TimelineRow> TimelineController::locations() const {
    std::vector<timeline::TimelineRow> rows;
    rows.reserve(satellites_.size());
    for (const TimelineEntries& entries : satellites_) {
        timeline::TimelineRow& row = rows.emplace_back();
        for (const TimelineEntry& entry : entries) row.push_back(entry.location);
    }
    return rows;
}

QString TimelineController::satelliteName(std::size_t row) const {
    return row < rowSatellites_.size() ? rowSatellites_[row]->commonName() : QString();
}

void TimelineController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    if (timelineDuration_ != appDelegate_->timelineDuration()) loadSelectedSatellites();
    if (view1_) view1_->update();
    if (view2_) view2_->update();
}

void TimelineController::openPass(const timeline::TimelineHit& hit) {
    if (hit.row >= satellites_.size() || hit.pass >= satellites_[hit.row].size()) return;
    if (!navigationController()) return;
    navigationController()->pushViewController(
        std::make_unique<PassViewController>(rowSatellites_[hit.row],
                                             satellites_[hit.row][hit.pass].pass),
        true);
}
