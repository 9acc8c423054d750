#include "DrawingContext.h"

#include <QFontMetricsF>
#include <cmath>

namespace {
constexpr double degreesPerRadian = 57.29577951308232;
}  // namespace

DrawingContext::DrawingContext(QPaintDevice* device) : painter_(device), pen_(Qt::black) {
    painter_.setRenderHint(QPainter::Antialiasing);
    pen_.setWidthF(1.0);
    pen_.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen_);
}

void DrawingContext::moveTo(QPointF point) { path_.moveTo(point); }

void DrawingContext::addLineTo(QPointF point) { path_.lineTo(point); }

void DrawingContext::addLine(const QLineF& line) {
    path_.moveTo(line.p1());
    path_.lineTo(line.p2());
}

void DrawingContext::addPolyline(std::span<const QPointF> points) {
    if (points.empty()) return;
    path_.moveTo(points.front());
    for (const QPointF& point : points.subspan(1)) path_.lineTo(point);
}

void DrawingContext::addArc(QPointF centre, double radius, double startAngle, double endAngle,
                            bool counterClockwise) {
    // Qt's angles grow counter-clockwise on the screen, ours clockwise (y points down).
    double sweep = endAngle - startAngle;
    const double turn = 2.0 * M_PI;
    if (!counterClockwise && sweep < 0) sweep += turn * std::ceil(-sweep / turn);
    if (counterClockwise && sweep > 0) sweep -= turn * std::ceil(sweep / turn);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const QPointF start(centre.x() + radius * std::cos(startAngle),
                        centre.y() + radius * std::sin(startAngle));
    if (path_.elementCount() == 0) {
        path_.moveTo(start);
    } else {
        path_.lineTo(start);
    }
    path_.arcTo(box, -startAngle * degreesPerRadian, -sweep * degreesPerRadian);
}

void DrawingContext::addCircle(QPointF centre, double radius) {
    path_.addEllipse(centre, radius, radius);
}

void DrawingContext::addRect(const QRectF& rect) { path_.addRect(rect); }

void DrawingContext::closePath() { path_.closeSubpath(); }

void DrawingContext::drawPath(PathMode mode) {
    if (mode != PathMode::stroke) painter_.fillPath(path_, fill_);
    if (mode != PathMode::fill) painter_.strokePath(path_, pen_);
    path_ = QPainterPath();
}

void DrawingContext::setStrokeColor(const QColor& colour) { pen_.setColor(colour); }

void DrawingContext::setFillColor(const QColor& colour) { fill_ = colour; }

void DrawingContext::setLineWidth(double width) { pen_.setWidthF(width); }

void DrawingContext::setLineDash(double phase, std::span<const double> lengths) {
    if (lengths.empty()) {
        pen_.setStyle(Qt::SolidLine);
        return;
    }
    // Qt counts dashes in line widths.
    const double width = pen_.widthF() > 0 ? pen_.widthF() : 1.0;
    QList<qreal> pattern;
    for (double length : lengths) pattern.append(length / width);
    pen_.setDashPattern(pattern);
    pen_.setDashOffset(phase / width);
}

void DrawingContext::fillRect(const QRectF& rect, const QColor& colour) {
    painter_.fillRect(rect, colour);
}

void DrawingContext::drawText(const QString& text, QPointF topLeft, const QFont& font) {
    painter_.setFont(font);
    painter_.setPen(QPen(pen_.color()));
    painter_.drawText(topLeft + QPointF(0, QFontMetricsF(font).ascent()), text);
}

void DrawingContext::drawImage(const QRectF& target, const QImage& image, const QRectF& source) {
    painter_.drawImage(target, image, source);
}
