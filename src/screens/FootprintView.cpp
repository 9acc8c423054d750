#include "FootprintView.h"

#include <QMouseEvent>
#include <algorithm>

#include "DrawingContext.h"
#include "FootprintController.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "TextStyle.h"
#include "TwilightBands.h"

namespace {

constexpr double touchStep = 120.0;  // seconds between the track points a touch may pick
constexpr double lineGrowth = 0.75;  // of the map's scale, the lines' width in screen points
// The map's colours are its own, the same in every palette.
const QColor background(0, 0, 64);
const QColor markColour(Qt::white);
const QColor crossColour(Qt::yellow);
const QColor outlineFill = QColor::fromRgbF(0.2f, 0.5f, 0.8f, 0.5f);
const QColor trackColour = QColor::fromRgbF(0.2f, 1.0f, 1.0f, 1.0f);
// Each band below the horizon and each twilight limit darkens the map a little more.
const QColor nightShade = QColor::fromRgbF(0.0f, 0.0f, 0.1f, 0.22f);
const QColor terminatorColour = QColor::fromRgbF(1.0f, 0.85f, 0.4f, 0.8f);

}  // namespace

FootprintView::FootprintView(FootprintController& parentController,
                             std::shared_ptr<SatelliteData> satellite, int offset, QWidget* parent)
    : DescribedView(parent),
      parentController_(parentController),
      targetSatellite_(std::move(satellite)),
      offset_(offset) {
    setCursor(Qt::OpenHandCursor);
}

footprint::MapHalf FootprintView::half() const {
    return offset_ % static_cast<int>(footprint::mapWidth) == 0 ? footprint::MapHalf::west
                                                                : footprint::MapHalf::east;
}

// Lines one screen point wide on a small map, growing a little with a large one.
double FootprintView::lineWidth() const {
    const double scale = parentController_.mapScale();
    return std::max(1.0, lineGrowth * scale) / scale;
}

void FootprintView::paintEvent(QPaintEvent*) {
    DrawingContext context(this);
    context.painter().scale(parentController_.mapScale(), parentController_.mapScale());
    const QRectF bounds(0, 0, footprint::viewSize, footprint::viewSize);
    const QImage& world = parentController_.worldImage();
    if (world.isNull()) {
        context.fillRect(bounds, background);
    } else {
        const double side = world.width() / 2.0;
        const double left = half() == footprint::MapHalf::west ? 0.0 : side;
        context.drawImage(bounds, world, QRectF(left, 0, side, world.height()));
    }
    if (parentController_.appDelegate().watchSettings().showSunlight) {
        drawDayAndNight(context);
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

    context.setLineWidth(lineWidth());
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
    // The time stands alone on the map, so it names its zone; it is drawn in the screen's
    // points, not enlarged with the map.
    const SkelvorAppDelegate& settings = parentController_.appDelegate();
    const QString label = settings.formatTime(*date, QStringLiteral("HH:mm")) + u' ' +
                          settings.zoneAbbreviation(*date);
    QPainter& painter = context.painter();
    const QTransform mapping = painter.transform();
    painter.resetTransform();
    context.setStrokeColor(markColour);
    context.drawText(label, mapping.map(shape->mark), fontFor(TextStyle::emphasis, font()));
    painter.setTransform(mapping);
}

void FootprintView::drawTrack(DrawingContext& context) {
    context.setLineWidth(lineWidth());
    context.setStrokeColor(trackColour);
    for (const std::vector<QPointF>& segment : parentController_.trackSegments(half())) {
        context.addPolyline(segment);
        context.strokePath();
    }
}

void FootprintView::drawDayAndNight(DrawingContext& context) {
    const TwilightBands bands = TwilightBands::at(parentController_.appDelegate().now());
    const auto inView = [this](const MapOutline& outline) {
        std::vector<QPointF> points;
        points.reserve(outline.size());
        for (const LonLat& p : outline) {
            points.push_back(footprint::mapPoint(static_cast<float>(p.latitude),
                                                 static_cast<float>(p.longitude), half()));
        }
        return points;
    };
    context.setFillColor(nightShade);
    for (const double limit : TwilightBands::limits) {
        for (const MapOutline& region : bands.regionBelow(limit)) {
            context.addPolyline(inView(region));
            context.closePath();
            context.drawPath(DrawingContext::PathMode::fill);
        }
    }
    context.setLineWidth(lineWidth());
    context.setStrokeColor(terminatorColour);
    for (const MapOutline& line : bands.lineAt(TwilightBands::limits.front())) {
        context.addPolyline(inView(line));
        context.strokePath();
    }
}

void FootprintView::mousePressEvent(QMouseEvent* event) {
    const QPointF point = event->position() / parentController_.mapScale();
    const std::optional<Date> picked = footprint::touchedTrackTime(
        footprint::groundTrack(*targetSatellite_, parentController_.trackStart(), touchStep), point,
        half());
    if (picked) {
        parentController_.setFootprintTime(picked);
        return;
    }
    dragging_ = true;
    setCursor(Qt::ClosedHandCursor);
    parentController_.beginDrag(event->globalPosition().toPoint());
}

void FootprintView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) parentController_.dragTo(event->globalPosition().toPoint());
}

void FootprintView::mouseReleaseEvent(QMouseEvent*) {
    if (dragging_) {
        dragging_ = false;
        setCursor(Qt::OpenHandCursor);
        return;
    }
    parentController_.setFootprintTime({});
}

QString FootprintView::accessibleSummary() const {
    SatelliteData& satellite = *targetSatellite_;
    satellite.predictLocationAt(parentController_.appDelegate().now());
    return tr("%1 over latitude %2°, longitude %3°, seen from a circle %4 km across")
        .arg(satellite.commonName())
        .arg(satellite.latitude(), 0, 'f', 1)
        .arg(satellite.longitude(), 0, 'f', 1)
        .arg(satellite.footprint(), 0, 'f', 0);
}
