#include "TimelineController.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "ScrollView.h"
#include "SkelvorAppDelegate.h"
#include "TextStyle.h"
#include "TimelineView.h"

namespace {

constexpr int maxPassesPerRow = 10;

// From the start to the end of what of the pass can be seen; none when it cannot be seen or
// nobody asked (no conditions).
std::optional<PassVisibility::Span> visibleSpan(
    SatelliteData& satellite, const PassData& pass,
    const std::optional<VisibilityConditions>& conditions) {
    if (!conditions || !pass.aos()) return std::nullopt;
    const std::optional<VisiblePart> part =
        PassVisibility(satellite, pass, *conditions).visiblePart();
    if (!part) return std::nullopt;
    return PassVisibility::Span{part->start, part->end};
}

}  // namespace

TimelineController::TimelineController() : appDelegate_(SkelvorAppDelegate::shared()) {
    setTitle(tr("Timeline"));
}

TimelineController::~TimelineController() {
    for (const auto token : observers_) NotificationCenter::defaultCenter().removeObserver(token);
}

TimelineView* TimelineController::view1() const { return view1_; }

TimelineView* TimelineController::view2() const { return view2_; }

ScrollView* TimelineController::scrollView() const { return scrollView_; }

void TimelineController::loadView() {
    scrollView_ = new ScrollView;
    scrollView_->setShowsFocus(true);
    scrollView_->setAccessibleName(tr("Timeline of the coming passes"));
    scrollView_->setResizeAction([this] { fitContent(); });
    scrollView_->setKeyAction([this](QKeyEvent* event) { return handleKey(event); });
    scrollView_->setScrollAction([this] { redraw(); });
    setView(scrollView_);
}

void TimelineController::viewDidLoad() {
    createSubviews();
    for (const QString& name : {SkelvorAppDelegate::preferencesAlteredNotification,
                                QStringLiteral("SatelliteSelectionAltered")}) {
        observers_.push_back(NotificationCenter::defaultCenter().addObserver(
            name, [this](const Notification&) { passesAltered(); }));
    }
}

void TimelineController::createSubviews() {
    view1_ = new TimelineView(scrollView_->content());
    view2_ = new TimelineView(scrollView_->content());
    view1_->setParentController(this);
    view2_->setParentController(this);
    view2_->setAccessibleName(tr("Timeline, later hours"));
    fitContent();
}

// The rows' names are drawn emphasised, the clock labels plain: the taller of the two, in
// whole points.
double TimelineController::lineSpacing() const {
    const QFont font = scrollView_ ? scrollView_->font() : QFont();
    return std::ceil(std::max(QFontMetricsF(font).lineSpacing(),
                              QFontMetricsF(fontFor(TextStyle::emphasis, font)).lineSpacing()));
}

// The content takes the viewport's width and height, or more where the rows need it; the two
// views share it side by side, each as high as the content, so that the axis lies along the
// content's bottom edge.
void TimelineController::fitContent() {
    if (!scrollView_ || !view1_ || !view2_) return;
    const QSizeF viewport(scrollView_->viewport()->size());
    const QSizeF content = timeline::contentSize(viewport, satellites_.size(), lineSpacing());
    const int width = static_cast<int>(content.width());
    const int height = static_cast<int>(content.height());
    scrollView_->setContentSize(QSize(width, height));
    view1_->setGeometry(0, 0, width / 2, height);
    view2_->setGeometry(width / 2, 0, width - width / 2, height);
    layoutBars();
}

void TimelineController::loadSelectedSatellites() {
    satellites_.clear();
    times_.clear();
    rowSatellites_.clear();
    const Date now = appDelegate_->now();
    const std::int32_t hours = appDelegate_->timelineDuration();
    const std::int32_t minimumElevation = appDelegate_->minimumPathElevation();
    const Date end = now + timeline::passSearchSpan(appDelegate_->passTimetableDuration(), hours);
    const WatchSettings& watch = appDelegate_->watchSettings();
    const std::optional<VisibilityConditions> conditions =
        watch.marksVisibility()
            ? std::optional(watch.conditions(static_cast<double>(minimumElevation)))
            : std::nullopt;
    for (const std::shared_ptr<SatelliteData>& satellite : appDelegate_->selectedSatellites()) {
        rowSatellites_.push_back(satellite);
        TimelineEntries& row = satellites_.emplace_back();
        std::vector<timeline::PassTimes>& rowTimes = times_.emplace_back();
        // A pass without a set leaves the start missing: the next search starts from now.
        std::optional<Date> after = now;
        for (int i = 0; i < maxPassesPerRow && !(after && *after > end); ++i) {
            auto pass = std::make_shared<PassData>(*satellite, after, minimumElevation);
            rowTimes.push_back(
                {pass->aos(), pass->los(), visibleSpan(*satellite, *pass, conditions)});
            after = pass->los();
            row.push_back({std::move(pass), std::nullopt, std::nullopt});
        }
    }
    timelineDuration_ = hours;
    stale_ = false;
    currentBar_.reset();
    layoutOrigin_.reset();
    fitContent();
}

// The bars hang on the start of the hour, in the zone the axis names, and on the content's
// size; they are laid out again when either has changed.
void TimelineController::layoutBars() {
    const std::optional<Date> origin =
        timeline::hourOrigin(appDelegate_->now(), appDelegate_->timeZone());
    const QSizeF size = scrollView_ && view1_
                            ? QSizeF(scrollView_->contentSize())
                            : timeline::contentSize(QSizeF(), satellites_.size(), lineSpacing());
    if (!origin || (origin == layoutOrigin_ && size == layoutSize_)) return;
    layoutOrigin_ = origin;
    layoutSize_ = size;
    const std::int32_t hours = appDelegate_->timelineDuration();
    const std::vector<timeline::TimelineRow> bars =
        timeline::layoutRows(times_, size, *origin, hours, lineSpacing());
    const std::vector<timeline::TimelineRow> stripes =
        timeline::visibleStripes(times_, bars, size.width(), *origin, hours);
    for (std::size_t n = 0; n < bars.size(); ++n) {
        for (std::size_t i = 0; i < bars[n].size(); ++i) {
            satellites_[n][i].location = bars[n][i];
            satellites_[n][i].visibleLocation = stripes[n][i];
        }
    }
}

std::vector<timeline::TimelineRow> TimelineController::laidOut(
    std::optional<QRectF> TimelineEntry::*place) {
    layoutBars();
    std::vector<timeline::TimelineRow> rows;
    rows.reserve(satellites_.size());
    for (const TimelineEntries& entries : satellites_) {
        timeline::TimelineRow& row = rows.emplace_back();
        for (const TimelineEntry& entry : entries) row.push_back(entry.*place);
    }
    return rows;
}

std::optional<timeline::RowSizes> TimelineController::rowSizes() const {
    const double height = scrollView_ ? scrollView_->contentSize().height() : 0.0;
    return timeline::rowSizes(static_cast<float>(height), satellites_.size(), lineSpacing());
}

double TimelineController::visibleLeft() const {
    return scrollView_ ? scrollView_->contentOffset().x() : 0.0;
}

QString TimelineController::satelliteName(std::size_t row) const {
    return row < rowSatellites_.size() ? rowSatellites_[row]->commonName() : QString();
}

void TimelineController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    shown_ = true;
    if (stale_ || timelineDuration_ != appDelegate_->timelineDuration()) loadSelectedSatellites();
    redraw();
}

void TimelineController::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    shown_ = false;
}

void TimelineController::passesAltered() {
    stale_ = true;
    // Several changes in a row are shown once, after the change that set them off has ended.
    QTimer::singleShot(0, this, [this] {
        if (!stale_ || !shown_) return;
        loadSelectedSatellites();
        redraw();
    });
}

void TimelineController::redraw() {
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

void TimelineController::selectBar(std::optional<timeline::TimelineHit> bar) {
    if (!bar) return;
    currentBar_ = bar;
    const std::optional<QRectF>& location = satellites_[bar->row][bar->pass].location;
    if (location && scrollView_) {
        scrollView_->scrollRectToVisible(location->toAlignedRect().adjusted(-8, -8, 8, 8), false);
        scrollView_->setAccessibleDescription(describeBar(*bar));
    }
    redraw();
}

QString TimelineController::describeBar(const timeline::TimelineHit& bar) const {
    const PassData& pass = *satellites_[bar.row][bar.pass].pass;
    const auto time = [this](std::optional<Date> date) {
        return date ? appDelegate_->formatTime(*date, QStringLiteral("HH:mm")) : QString();
    };
    const QString zone = appDelegate_->zoneAbbreviation(pass.aos().value_or(appDelegate_->now()));
    const std::optional<PassVisibility::Span>& visible = times_[bar.row][bar.pass].visible;
    if (!visible) {
        return tr("%1, pass from %2 to %3 %4")
            .arg(satelliteName(bar.row), time(pass.aos()), time(pass.los()), zone);
    }
    return tr("%1, pass from %2 to %3 %4, visible from %5 to %6")
        .arg(satelliteName(bar.row), time(pass.aos()), time(pass.los()), zone, time(visible->start),
             time(visible->end));
}

// The arrow keys move from bar to bar, Return opens the bar's pass; other keys scroll.
bool TimelineController::handleKey(QKeyEvent* event) {
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    const auto step = [this](timeline::Step direction) {
        selectBar(timeline::stepFrom(locations(), currentBar_, direction));
        return true;
    };
    switch (event->key()) {
        case Qt::Key_Right:
            return step(timeline::Step::next);
        case Qt::Key_Left:
            return step(timeline::Step::previous);
        case Qt::Key_Down:
            return step(timeline::Step::down);
        case Qt::Key_Up:
            return step(timeline::Step::up);
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (currentBar_) openPass(*currentBar_);
            return currentBar_.has_value();
        default:
            return false;
    }
}
