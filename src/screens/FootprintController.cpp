#include "FootprintController.h"

#include <QEvent>
#include <QHash>
#include <QScrollBar>
#include <cmath>

#include "FootprintView.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "ScrollView.h"
#include "SkelvorAppDelegate.h"
#include "Timer.h"

namespace {

constexpr double updateInterval = 15.0;  // seconds between redraws while the screen shows
constexpr double trackStep = 60.0;       // seconds between the drawn track's points

}  // namespace

FootprintController::FootprintController(std::shared_ptr<SatelliteData> satellite,
                                         std::shared_ptr<PassData> specificPass)
    : appDelegate_(SkelvorAppDelegate::shared()),
      targetSatellite_(std::move(satellite)),
      specificPass_(std::move(specificPass)) {
    setTitle(tr("Footprint"));
}

FootprintController::~FootprintController() {
    NotificationCenter::defaultCenter().removeObserver(preferencesObserver_);
}

void FootprintController::loadView() {
    worldViewScroller_ = new ScrollView;
    worldViewScroller_->setObjectName(QStringLiteral("FootprintDisplay"));
    worldViewScroller_->setShowsFocus(true);
    worldViewScroller_->setAccessibleName(tr("World map"));
    // The map fills the height; sideways it scrolls, and it can always be dragged.
    worldViewScroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    worldViewScroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int side = static_cast<int>(footprint::viewSize);
    for (std::size_t i = 0; i < views_.size(); ++i) {
        views_[i] = new FootprintView(*this, targetSatellite_, static_cast<int>(i) * side,
                                      worldViewScroller_->content());
    }
    worldViewScroller_->setScrollAction([this] { scrollViewDidScroll(); });
    worldViewScroller_->setResizeAction([this] { fitToViewport(); });
    worldViewScroller_->installEventFilter(this);
    fitToViewport();
    setView(worldViewScroller_);
}

// Scrolls to the satellite at once, and again when first shown, once the viewport has the size
// the screen gives it.
void FootprintController::viewDidLoad() {
    scrollToSatellite();
    preferencesObserver_ = NotificationCenter::defaultCenter().addObserver(
        SkelvorAppDelegate::preferencesAlteredNotification,
        [this](const Notification&) { updateFootprint(); });
}

bool FootprintController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == worldViewScroller_ && event->type() == QEvent::Show && !shownOnce_) {
        shownOnce_ = true;
        fitToViewport();
        scrollToSatellite();
    }
    return ViewController::eventFilter(watched, event);
}

void FootprintController::fitToViewport() {
    const QSize viewport = worldViewScroller_->viewport()->size();
    const double scale = footprint::mapScale(QSizeF(viewport));
    const QPoint offset = worldViewScroller_->contentOffset();
    const QPointF centre =
        (QPointF(offset) + QPointF(viewport.width(), viewport.height()) / 2) / scale_;
    scale_ = scale;
    chooseWorldImage();
    worldViewScroller_->setContentSize(
        QSize(static_cast<int>(std::ceil(footprint::contentWidth * scale_)),
              static_cast<int>(std::ceil(footprint::viewSize * scale_))));
    worldViewScroller_->setContentOffset(
        (centre * scale_ - QPointF(viewport.width(), viewport.height()) / 2).toPoint());
    scrollViewDidScroll();
}

// The finer image only where the halves are drawn larger than the small one's pixels.
void FootprintController::chooseWorldImage() {
    const double ratio = worldViewScroller_->devicePixelRatioF();
    const QString name = footprint::worldImageFor(footprint::viewSize * scale_ * ratio);
    if (name == worldImageName_) return;
    worldImageName_ = name;
    // Each map is decoded once for the whole run: the large one takes the better part of a
    // second.
    static QHash<QString, QImage> decoded;
    auto map = decoded.find(name);
    if (map == decoded.end()) map = decoded.insert(name, QImage(name));
    worldImage_ = *map;
}

Date FootprintController::trackStart() const {
    const std::optional<Date> aos = specificPass_ ? specificPass_->aos() : std::nullopt;
    return aos ? *aos : appDelegate_->now();
}

const std::vector<std::vector<QPointF>>& FootprintController::trackSegments(
    footprint::MapHalf half) {
    auto& segments = trackSegments_[half == footprint::MapHalf::west ? 0 : 1];
    if (!segments) {
        segments = footprint::trackSegments(
            footprint::groundTrack(*targetSatellite_, trackStart(), trackStep), half);
    }
    return *segments;
}

void FootprintController::scrollToSatellite() {
    targetSatellite_->predictLocationAt(trackStart());
    const std::optional<QRectF> target = footprint::initialScrollRect(
        targetSatellite_->latitude(), targetSatellite_->longitude(), targetSatellite_->footprint());
    if (!target) return;
    const QRectF onScreen(target->topLeft() * scale_, target->size() * scale_);
    worldViewScroller_->scrollRectToVisible(onScreen.toAlignedRect(), true);
}

// Each pair of halves covers two tiles of the content: the first pair those under the
// viewport's left edge, the second the two after them.
void FootprintController::scrollViewDidScroll() {
    const double left = worldViewScroller_->contentOffset().x() / scale_;
    const int side = static_cast<int>(std::ceil(footprint::viewSize * scale_));
    for (std::size_t pair = 0; pair < views_.size() / 2; ++pair) {
        const std::optional<footprint::HalfOffsets> offsets =
            footprint::halfOffsetsForScroll(left + footprint::mapWidth * static_cast<double>(pair));
        if (!offsets) return;
        views_[2 * pair]->setOffset(static_cast<int>(offsets->west));
        views_[2 * pair + 1]->setOffset(static_cast<int>(offsets->east));
    }
    for (FootprintView* half : views_) {
        half->setGeometry(static_cast<int>(std::lround(half->offset() * scale_)), 0, side, side);
        half->update();
    }
}

void FootprintController::beginDrag(QPoint globalPosition) {
    dragStart_ = globalPosition;
    dragOffset_ = worldViewScroller_->contentOffset();
}

void FootprintController::dragTo(QPoint globalPosition) {
    worldViewScroller_->setContentOffset(dragOffset_ - (globalPosition - dragStart_));
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
    for (FootprintView* half : views_) half->update();
    worldViewScroller_->viewport()->update();
}

void FootprintController::setFootprintTime(std::optional<Date> time) {
    footprintTime_ = time;
    if (time && isViewLoaded()) {
        for (FootprintView* half : views_) half->update();
    }
    // A change puts the next periodic redraw a full period away.
    if (updateTimer_) startUpdateTimer();
}
