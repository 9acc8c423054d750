#include "RadarView.h"

#include <QFontMetricsF>
#include <span>

#include "DrawingContext.h"
#include "HeldAngle.h"
#include "PassData.h"
#include "PassReadout.h"
#include "RadarPassMarks.h"
#include "RadarSkyMarks.h"
#include "RadarTextLayout.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "SunAndMoon.h"

namespace {

using namespace radar;

constexpr double textSize = 12.0;  // also the spacing of the lines of text

QFont textFont() { return DrawingContext::systemFont(textSize); }

void drawTexts(DrawingContext& context, std::span<const PlotText> texts) {
    const QFont font = textFont();
    for (const PlotText& text : texts) context.drawText(text.text, text.topLeft, font);
}

void append(std::vector<PlotText>& lines, const std::vector<PlotText>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

void addArc(DrawingContext& context, const PlotArc& arc) {
    context.addArc(arc.centre, arc.radius, arc.startAngle, arc.endAngle,
                   arc.endAngle < arc.startAngle);
}

// The axes and rings, stroked as one path, and the compass letters.
void drawGrid(DrawingContext& context, const RadarFrame& plot) {
    const RadarGrid grid = radarGrid(plot);
    context.addLine(grid.vertical);
    context.addLine(grid.horizontal);
    for (const float radius : grid.ringRadii) context.addCircle(grid.centre, radius);
    context.strokePath();
    drawTexts(context, grid.letters);
}

void drawSunAndMoon(DrawingContext& context, const RadarFrame& plot,
                    const SettingsStore& settings) {
    if (const std::optional<PlotCircle> sun =
            sunMark(SunAndMoon::sunAt(settings, std::nullopt), plot)) {
        context.addCircle(sun->centre, sun->radius);
        context.drawPath(DrawingContext::PathMode::fillStroke);
    }
    if (const auto moon = moonMark(SunAndMoon::moonAt(settings, std::nullopt), plot)) {
        addArc(context, (*moon)[0]);
        addArc(context, (*moon)[1]);
        context.strokePath();
    }
}

// Whether the pass has set: a pass without a set (none found, geostationary) never has.
bool hasEnded(const PassData& pass, Date now) {
    const std::optional<Date> los = pass.los();
    return los && *los - now < 0.0;
}

}  // namespace

RadarView::RadarView(QWidget* parent) : QWidget(parent) {
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
}

RadarView::~RadarView() = default;

void RadarView::setTargetSatellite(std::shared_ptr<SatelliteData> satellite) {
    targetSatellite_ = std::move(satellite);
}

void RadarView::setDisplayedPass(std::shared_ptr<PassData> pass) {
    displayedPass_ = std::move(pass);
}

RadarFrame RadarView::frame() const { return {QSizeF(size()), maxRadiusFor(QSizeF(size()))}; }

void RadarView::paintEvent(QPaintEvent*) {
    DrawingContext context(this);
    const RadarFrame plot = frame();
    drawGrid(context, plot);
    const SkelvorAppDelegate* appDelegate = SkelvorAppDelegate::shared();
    if (appDelegate) drawPlot(context, plot, *appDelegate);
}

void RadarView::drawPlot(DrawingContext& context, const RadarFrame& plot,
                         const SettingsStore& settings) {
    if (settings.showHeldAngle()) drawHeldAngle(context, plot);
    if (!targetSatellite_) return;
    targetSatellite_->predictLocationAt();
    std::vector<PlotText> lines = positionLines(readingsOf(*targetSatellite_), plot.size);
    renewEndedPass(settings);
    if (displayedPass_->aos()) {
        append(lines, drawPass(context, plot, settings));
    } else {
        drawSatelliteMark(context, plot);
    }
    if (showSunAndMoon_) drawSunAndMoon(context, plot, settings);
    const QFontMetricsF metrics(textFont());
    drawTexts(context,
              fitTextLines(std::move(lines), plot.size, textSize,
                           [&](const QString& text) { return metrics.horizontalAdvance(text); }));
}

void RadarView::drawHeldAngle(DrawingContext& context, const RadarFrame& plot) const {
    const std::optional<double> radius = heldAngleRadius(deviceElevation_, plot.maxRadius);
    if (!radius) return;
    context.setLineDash(0.0, heldAngleDashes);
    context.addCircle(plot.centre(), *radius);
    context.strokePath();
    context.setLineDash(0.0, {});
}

void RadarView::renewEndedPass(const SettingsStore& settings) {
    if (displayedPass_ && !hasEnded(*displayedPass_, settings.now())) return;
    displayedPass_ = std::make_shared<PassData>(*targetSatellite_, std::nullopt,
                                                settings.minimumPathElevation());
    showSunAndMoon_ = settings.showSunAndMoon();
}

std::vector<PlotText> RadarView::drawPass(DrawingContext& context, const RadarFrame& plot,
                                          const SettingsStore& settings) {
    const std::vector<PassCoordinate> samples = passSamples(*displayedPass_);
    context.addPolyline(passTrack(samples, plot));
    context.strokePath();
    drawTexts(context, timeMarks(samples, plot, settings));
    if (!(*displayedPass_->aos() - settings.now() < 0.0)) return {};
    drawSatelliteMark(context, plot);
    targetSatellite_->predictLocationAt();
    const SatelliteReadings readings = readingsOf(*targetSatellite_);
    std::vector<PlotText> lines = passLines(readings, plot.size);
    append(lines, frequencyLines(targetSatellite_->frequencyInfo(), readings.rangeRate, plot.size));
    return lines;
}

void RadarView::drawSatelliteMark(DrawingContext& context, const RadarFrame& plot) {
    targetSatellite_->predictLocationAt();
    const std::optional<QRectF> mark =
        satelliteMark(targetSatellite_->azimuth(), targetSatellite_->elevation(), plot);
    if (!mark) return;
    context.addRect(*mark);
    context.drawPath(DrawingContext::PathMode::fillStroke);
}
