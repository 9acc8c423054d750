// Drawing into a view or an image: a current path built of moves, lines, arcs and rectangles,
// stroked or filled; solid or dashed lines; colours; text drawn with its top-left corner at a
// point; images. Lengths are in the view's units; the stroke and fill start black, and views
// set them from their palette.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <span>

class DrawingContext {
public:
    explicit DrawingContext(QPaintDevice* device);

    QPainter& painter() { return painter_; }

    void moveTo(QPointF point);
    void addLineTo(QPointF point);
    void addLine(const QLineF& line);
    void addPolyline(std::span<const QPointF> points);
    // An arc about centre from startAngle to endAngle (radians from the +x axis towards +y,
    // that is clockwise on the screen); it runs clockwise unless counterClockwise.
    void addArc(QPointF centre, double radius, double startAngle, double endAngle,
                bool counterClockwise);
    void addCircle(QPointF centre, double radius);
    void addRect(const QRectF& rect);
    void closePath();

    enum class PathMode { stroke, fill, fillStroke };
    // Draws the current path and starts a new one.
    void drawPath(PathMode mode);
    void strokePath() { drawPath(PathMode::stroke); }

    void setStrokeColor(const QColor& colour);
    void setFillColor(const QColor& colour);
    void setLineWidth(double width);
    // Dash lengths in points starting at phase; an empty pattern draws solid lines.
    void setLineDash(double phase, std::span<const double> lengths);
    void fillRect(const QRectF& rect, const QColor& colour);
    void drawText(const QString& text, QPointF topLeft, const QFont& font);
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source);

private:
    QPainter painter_;
    QPainterPath path_;
    QPen pen_;
    QColor fill_ = Qt::black;
};
