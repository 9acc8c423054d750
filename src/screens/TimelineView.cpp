#include "TimelineView.h"

#include <QMouseEvent>
#include <QTimeZone>
#include <span>
#include <vector>

#include "DrawingContext.h"
#include "SkelvorAppDelegate.h"
#include "TimelineController.h"
#include "TimelineGeometry.h"

namespace {

const QColor background = QColor::fromRgbF(0.94f, 0.91f, 0.82f);
constexpr double fontSize = 14.0;

// A one-point line along whole coordinates would straddle two rows or columns of pixels;
// moved by half a point it fills one.
void strokeLines(DrawingContext& context, const std::vector<QLineF>& lines,
                 std::span<const double> dashes) {
    context.setLineDash(0.0, dashes);
    for (const QLineF& line : lines) context.addLine(line.translated(0.5, 0.5));
    context.strokePath();
}

void drawAxis(DrawingContext& context, const timeline::TimelineAxis& axis, const QFont& font) {
    context.setStrokeColor(Qt::black);
    context.setLineWidth(1.0);
    strokeLines(context, {axis.axis}, {});
    strokeLines(context, axis.ticks, {});
    strokeLines(context, axis.hourLines, timeline::hourLineDashes);
    for (const timeline::TimelineLabel& label : axis.labels) {
        context.drawText(label.text, label.topLeft, font);
    }
    strokeLines(context, {axis.now}, timeline::nowLineDashes);
    context.setLineDash(0.0, {});
}

void drawRow(DrawingContext& context, const timeline::RowDrawing& row, const QString& name,
             const QFont& font) {
    const QColor colour = QColor::fromRgbF(row.colour.red, row.colour.green, row.colour.blue);
    for (const QRectF& bar : row.bars) context.fillRect(bar, colour);
    context.setStrokeColor(Qt::blue);
    for (const QPointF& label : row.labels) context.drawText(name, label, font);
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void TimelineView::paintEvent(QPaintEvent*) {
    appDelegate_ = SkelvorAppDelegate::shared();
    if (!appDelegate_ || !parentController_) return;
    DrawingContext context(this);
    const QFont font = DrawingContext::systemFont(fontSize);
    const QRectF frame = geometry();
    const Date now = appDelegate_->now();
    const std::optional<Date> origin = timeline::hourOrigin(now, QTimeZone::systemTimeZone());
    if (!origin) return;
    const std::optional<timeline::TimelineAxis> axis = timeline::timelineAxis(
        frame, appDelegate_->timelineDuration(), *origin, now, *appDelegate_);
    if (axis) drawAxis(context, *axis, font);
    const std::vector<timeline::RowDrawing> rows =
        timeline::rowsInView(parentController_->locations(), frame);
    for (std::size_t n = 0; n < rows.size(); ++n) {
        drawRow(context, rows[n], parentController_->satelliteName(n), font);
    }
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
    if (!parentController_) return;
    const std::optional<timeline::TimelineHit> hit =
        timeline::touchedPass(parentController_->locations(), event->position(), geometry());
    if (hit) parentController_->openPass(*hit);
}
