#include "FootprintView.h"

#include <QMouseEvent>

#include "DrawingContext.h"
#include "FootprintController.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"

namespace {

constexpr double trackStep = 60.0;   // seconds between the drawn track's points
constexpr double touchStep = 120.0;  // seconds between the track points a touch may pick
constexpr double labelSize = 14.0;
const QColor background(0, 0, 64);
const QColor markColour(Qt::white);
const QColor crossColour(Qt::yellow);
const QColor outlineFill = QColor::fromRgbF(0.2f, 0.5f, 0.8f, 0.5f);
const QColor trackColour = QColor::fromRgbF(0.2f, 1.0f, 1.0f, 1.0f);

}  // namespace

FootprintView::FootprintView(FootprintController& parentController,
                             std::shared_ptr<SatelliteData> satellite, QImage image, int offset,
                             QWidget* parent)
    : QWidget(parent),
      parentController_(parentController),
      targetSatellite_(std::move(satellite)),
      baseImage_(std::move(image)),
      offset_(offset) {
    setGeometry(offset, 0, static_cast<int>(footprint::viewSize),
                static_cast<int>(footprint::viewSize));
}

footprint::MapHalf FootprintView::half() const {
    return offset_ % static_cast<int>(footprint::mapWidth) == 0 ? footprint::MapHalf::west
                                                                : footprint::MapHalf::east;
}

void FootprintView::paintEvent(QPaintEvent*) {
    DrawingContext context(this);
    const QRectF bounds = rect();
    if (baseImage_.isNull()) {
        context.fillRect(bounds, background);
    } else {
        context.drawImage(bounds, baseImage_, baseImage_.rect());
    }
    const std::shared_ptr<PassData>& pass = parentController_.specificPass();
    drawFootprintAt(context, pass ? pass->highestElevationDate() : std::nullopt);
    if (!parentController_.appDelegate().showFootprintTrack()) return;
    drawTrack(context);
    if (const std::optional<Date>& picked = parentController_.footprintTime()) {
        drawFootprintAt(context, picked);
    }
}

void FootprintView::drawFootprintAt(DrawingContext& context, std::optional<Date> date) {
    SatelliteData& satellite = *targetSatellite_;
    satellite.predictLocationAt(date ? *date : parentController_.appDelegate().now());
    const std::optional<footprint::Footprint> shape = footprint::footprintAt(
        satellite.latitude(), satellite.longitude(), satellite.footprint(), half());
    if (!shape) return;

    context.setLineWidth(1.0);
    context.setStrokeColor(markColour);
    context.setFillColor(markColour);
    context.addRect(shape->markSquare);
    context.drawPath(DrawingContext::PathMode::fillStroke);

    context.setStrokeColor(crossColour);
    for (const QLineF& line : shape->cross) context.addLine(line);
    context.strokePath();

    context.setFillColor(outlineFill);
    context.addPolyline(shape->outline);
    context.drawPath(DrawingContext::PathMode::fillStroke);

    if (!date) return;
    context.setStrokeColor(markColour);
    context.drawText(parentController_.appDelegate().formatTime(*date, QStringLiteral("HH:mm")),
                     shape->mark, DrawingContext::systemFont(labelSize, true));
}

void FootprintView::drawTrack(DrawingContext& context) {
    if (!trackSegments_) {
        trackSegments_ = footprint::trackSegments(
            footprint::groundTrack(*targetSatellite_, parentController_.trackStart(), trackStep),
            half());
    }
    context.setLineWidth(1.0);
    context.setStrokeColor(trackColour);
    for (const std::vector<QPointF>& segment : *trackSegments_) {
        context.addPolyline(segment);
        context.strokePath();
    }
}

void FootprintView::mousePressEvent(QMouseEvent* event) {
    const std::optional<Date> picked = footprint::touchedTrackTime(
        footprint::groundTrack(*targetSatellite_, parentController_.trackStart(), touchStep),
        event->position(), half());
    if (picked) parentController_.setFootprintTime(picked);
}

void FootprintView::mouseReleaseEvent(QMouseEvent*) { parentController_.setFootprintTime({}); }
