#include "FootprintController.h"

#include <QEvent>

#include "FootprintGeometry.h"
#include "FootprintView.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "ScrollView.h"
#include "SkelvorAppDelegate.h"
#include "Timer.h"

namespace {

constexpr double updateInterval = 15.0;  // seconds between redraws while the screen shows
const QString worldImage = QStringLiteral(":/images/nasa-topo_1024.jpg");

// The scroll view of the screen, over content that shows the map twice side by side.
ScrollView* makeFootprintDisplay() {
    auto* scroller = new ScrollView;
    scroller->setObjectName(QStringLiteral("FootprintDisplay"));
    scroller->setContentSize(
        QSize(static_cast<int>(footprint::contentWidth), static_cast<int>(footprint::viewSize)));
    return scroller;
}

// A half of the world image; null when the image is missing.
QImage halfImage(const QImage& world, int left) {
    if (world.isNull()) return {};
    const int side = static_cast<int>(footprint::viewSize);
    return world.copy(left, 0, side, side);
}

}  // namespace

FootprintController::FootprintController(std::shared_ptr<SatelliteData> satellite,
                                         std::shared_ptr<PassData> specificPass)
    : appDelegate_(SkelvorAppDelegate::shared()),
      targetSatellite_(std::move(satellite)),
      specificPass_(std::move(specificPass)) {
    setTitle(QStringLiteral("Footprint"));
}

FootprintController::~FootprintController() = default;

void FootprintController::loadView() {
    worldViewScroller_ = makeFootprintDisplay();
    const QImage world(worldImage);
    const int side = static_cast<int>(footprint::viewSize);
    footprintView1_ = new FootprintView(*this, targetSatellite_, halfImage(world, 0), 0,
                                        worldViewScroller_->content());
    footprintView2_ = new FootprintView(*this, targetSatellite_, halfImage(world, side), side,
                                        worldViewScroller_->content());
    worldViewScroller_->setScrollAction([this] { scrollViewDidScroll(); });
    worldViewScroller_->installEventFilter(this);
    setView(worldViewScroller_);
}

// Scrolls to the satellite at once, and again when first shown, once the viewport has the size
// the screen gives it.
void FootprintController::viewDidLoad() { scrollToSatellite(); }

bool FootprintController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == worldViewScroller_ && event->type() == QEvent::Show && !shownOnce_) {
        shownOnce_ = true;
        scrollToSatellite();
    }
    return ViewController::eventFilter(watched, event);
}

Date FootprintController::trackStart() const {
    const std::optional<Date> aos = specificPass_ ? specificPass_->aos() : std::nullopt;
    return aos ? *aos : appDelegate_->now();
}

void FootprintController::scrollToSatellite() {
    targetSatellite_->predictLocationAt(trackStart());
    const std::optional<QRectF> target = footprint::initialScrollRect(
        targetSatellite_->latitude(), targetSatellite_->longitude(), targetSatellite_->footprint());
    if (target) worldViewScroller_->scrollRectToVisible(target->toAlignedRect(), true);
}

void FootprintController::scrollViewDidScroll() {
    const std::optional<footprint::HalfOffsets> offsets =
        footprint::halfOffsetsForScroll(worldViewScroller_->contentOffset().x());
    if (!offsets) return;
    const int side = static_cast<int>(footprint::viewSize);
    footprintView1_->setOffset(static_cast<int>(offsets->west));
    footprintView2_->setOffset(static_cast<int>(offsets->east));
    for (FootprintView* half : {footprintView1_, footprintView2_}) {
        half->setGeometry(half->offset(), 0, side, side);
        half->update();
    }
}

void FootprintController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    updateFootprint();
    startUpdateTimer();
}

void FootprintController::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    updateTimer_.reset();
}

void FootprintController::startUpdateTimer() {
    updateTimer_ = Timer::scheduledTimer(
        updateInterval, [this] { updateFootprint(); }, true);
}

void FootprintController::updateFootprint() {
    if (!isViewLoaded()) return;
    footprintView1_->update();
    footprintView2_->update();
    worldViewScroller_->viewport()->update();
}

void FootprintController::setFootprintTime(std::optional<Date> time) {
    footprintTime_ = time;
    if (time && isViewLoaded()) {
        footprintView1_->update();
        footprintView2_->update();
    }
    // A change puts the next periodic redraw a full period away.
    if (updateTimer_) startUpdateTimer();
}
