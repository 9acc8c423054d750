#include "TimelineView.h"

#include <QMouseEvent>
#include <span>
#include <vector>

#include "DrawingContext.h"
#include "PassData.h"
#include "ScrollView.h"
#include "SkelvorAppDelegate.h"
#include "SunlitColour.h"
#include "TextStyle.h"
#include "TimelineController.h"
#include "TimelineGeometry.h"

namespace {

// A one-point line along whole coordinates would straddle two rows or columns of pixels;
// moved by half a point it fills one.
void strokeLines(DrawingContext& context, const std::vector<QLineF>& lines,
                 std::span<const double> dashes) {
    context.setLineDash(0.0, dashes);
    for (const QLineF& line : lines) context.addLine(line.translated(0.5, 0.5));
    context.strokePath();
}

void drawAxis(DrawingContext& context, const timeline::TimelineAxis& axis, const QFont& font,
              const QPalette& colours) {
    context.setStrokeColor(colours.color(QPalette::Text));
    context.setLineWidth(1.0);
    strokeLines(context, {axis.axis}, {});
    strokeLines(context, axis.ticks, {});
    strokeLines(context, axis.hourLines, timeline::hourLineDashes);
    strokeLines(context, {axis.now}, timeline::nowLineDashes);
    context.setLineDash(0.0, {});
    // The clock labels stand on a patch of background, so that the current-time line passing
    // behind one leaves it readable.
    const TextMetrics metrics = metricsOf(font);
    for (const timeline::TimelineLabel& label : axis.labels) {
        context.fillRect(
            QRectF(label.topLeft, QSizeF(metrics.width(label.text), metrics.lineSpacing)),
            colours.color(QPalette::Base));
        context.drawText(label.text, label.topLeft, font);
    }
}

// The visible parts of a row's passes that fall in this half, in the sunlit colour.
void drawStripes(DrawingContext& context, const timeline::TimelineRow& stripes, const QRectF& frame,
                 const QColor& edge) {
    context.setStrokeColor(edge);
    context.setFillColor(sunlitColour());
    for (const std::optional<QRectF>& stripe : stripes) {
        if (!stripe) continue;
        const QRectF inView = stripe->translated(-frame.x(), 0.0);
        if (inView.right() < 0 || inView.left() >= frame.width()) continue;
        context.addRect(inView.adjusted(0.5, 0.5, -0.5, -0.5));
        context.drawPath(DrawingContext::PathMode::fillStroke);
    }
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : DescribedView(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(tr("Timeline"));
}

void TimelineView::paintEvent(QPaintEvent*) {
    const SkelvorAppDelegate* appDelegate = SkelvorAppDelegate::shared();
    if (!appDelegate || !parentController_) return;
    DrawingContext context(this);
    const QPalette& colours = palette();
    const QColor ink = colours.color(QPalette::Text);
    const QRectF frame = geometry();
    const Date now = appDelegate->now();
    const std::optional<Date> origin = timeline::hourOrigin(now, appDelegate->timeZone());
    if (!origin) return;
    const TextMetrics metrics = metricsOf(font());
    const std::optional<timeline::TimelineAxis> axis = timeline::timelineAxis(
        frame, appDelegate->timelineDuration(), *origin, now, *appDelegate, metrics);
    if (axis) drawAxis(context, *axis, font(), colours);

    const std::vector<timeline::TimelineRow> bars = parentController_->locations();
    const std::optional<timeline::RowSizes> sizes = parentController_->rowSizes();
    if (!sizes) return;
    std::vector<double> nameWidths;
    for (std::size_t n = 0; n < bars.size(); ++n) {
        nameWidths.push_back(metrics.width(parentController_->satelliteName(n)));
    }
    // Names beside the bars only where the bars' band is a line high.
    const bool namesBesideBars = sizes->rowHeight - sizes->nameHeight >= metrics.lineSpacing;
    const std::vector<timeline::RowDrawing> rows = timeline::rowsInView(bars, nameWidths, frame);
    const std::vector<timeline::TimelineRow> stripes = parentController_->visibleLocations();
    // Thin edges in the text colour keep the darker bars apart from a dark background.
    QColor edge = ink;
    edge.setAlphaF(0.35f);
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const timeline::RowDrawing& row = rows[n];
        const QColor colour = QColor::fromRgbF(row.colour.red, row.colour.green, row.colour.blue);
        context.setStrokeColor(edge);
        context.setFillColor(colour);
        for (const QRectF& bar : row.bars) {
            context.addRect(bar.adjusted(0.5, 0.5, -0.5, -0.5));
            context.drawPath(DrawingContext::PathMode::fillStroke);
        }
        drawStripes(context, stripes[n], frame, edge);
        if (!namesBesideBars) continue;
        context.setStrokeColor(colours.color(QPalette::Link));
        for (const QPointF& label : row.labels) {
            context.drawText(parentController_->satelliteName(n), label, font());
        }
    }

    // Each row's name at the left edge of what the window shows, over a patch of background.
    const QFont nameFont = fontFor(TextStyle::emphasis, font());
    const TextMetrics nameMetrics = metricsOf(nameFont);
    QColor patch = colours.color(QPalette::Base);
    patch.setAlphaF(0.8f);
    for (std::size_t n = 0; n < bars.size(); ++n) {
        const QPointF place = timeline::rowNamePlace(n, *sizes, parentController_->visibleLeft()) -
                              QPointF(frame.x(), 0.0);
        const QString name = parentController_->satelliteName(n);
        const QRectF box(place, QSizeF(nameMetrics.width(name), nameMetrics.lineSpacing));
        if (box.right() < 0 || box.left() >= frame.width()) continue;
        context.fillRect(box.adjusted(-2, 0, 2, 0), patch);
        context.setStrokeColor(ink);
        context.drawText(name, place, nameFont);
    }

    const auto current = parentController_->currentBar();
    if (current && current->row < bars.size() && current->pass < bars[current->row].size() &&
        bars[current->row][current->pass] && parentController_->scrollView()->hasFocus()) {
        context.setStrokeColor(colours.color(QPalette::Highlight));
        context.setLineWidth(2.0);
        context.addRect(
            bars[current->row][current->pass]->translated(-frame.x(), 0).adjusted(-3, -3, 3, 3));
        context.strokePath();
    }
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
    if (!parentController_) return;
    const std::optional<timeline::TimelineHit> hit =
        timeline::touchedPass(parentController_->locations(), event->position(), geometry());
    if (hit) parentController_->openPass(*hit);
}

// The passes whose bars begin in this half, row by row.
QString TimelineView::accessibleSummary() const {
    if (!parentController_) return {};
    QStringList rows;
    const QRectF frame = geometry();
    const auto& satellites = parentController_->satellites();
    for (std::size_t n = 0; n < satellites.size(); ++n) {
        QStringList passes;
        for (std::size_t i = 0; i < satellites[n].size(); ++i) {
            const auto& location = satellites[n][i].location;
            if (location && location->left() >= frame.left() && location->left() < frame.right()) {
                passes.append(parentController_->describeBar({n, i}));
            }
        }
        if (!passes.isEmpty()) rows.append(passes.join(QStringLiteral("; ")));
    }
    return rows.join(QStringLiteral(". "));
}
