#include "RadarView.h"

#include "DrawingContext.h"
#include "HeldAngle.h"
#include "PassData.h"
#include "RadarPassMarks.h"
#include "RadarShadowMarks.h"
#include "RadarSkyMarks.h"
#include "RadarTextLayout.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "SunAndMoon.h"
#include "SunlitColour.h"

namespace {

using namespace radar;

// The marks keep their colours in every palette, strong enough on light and dark backgrounds.
const QColor satelliteColour(224, 60, 49);
const QColor sunColour(245, 166, 35);
const QColor sunEdge(184, 120, 11);
const QColor moonColour(111, 134, 166);

constexpr double sunlitWidth = 3.0;   // points: the sunlit track over the plain one
constexpr double crossingRing = 4.0;  // points: the radius of the ring at a shadow's edge

constexpr double ringShare = 0.45;  // of the width, the ring's radius the plot's height aims at
constexpr int heightSteps = 20;     // the heights tried, each a twentieth of the width apart

void addArc(DrawingContext& context, const PlotArc& arc) {
    context.addArc(arc.centre, arc.radius, arc.startAngle, arc.endAngle,
                   arc.endAngle < arc.startAngle);
}

void drawSunAndMoon(DrawingContext& context, const RadarFrame& plot,
                    const SettingsStore& settings) {
    if (const std::optional<PlotCircle> sun =
            sunMark(SunAndMoon::sunAt(settings, std::nullopt), plot)) {
        context.setStrokeColor(sunEdge);
        context.setFillColor(sunColour);
        context.addCircle(sun->centre, sun->radius);
        context.drawPath(DrawingContext::PathMode::fillStroke);
    }
    if (const auto moon = moonMark(SunAndMoon::moonAt(settings, std::nullopt), plot)) {
        context.setStrokeColor(moonColour);
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

// The line naming the zone of the plot's clock times.
QString zoneLine(const SettingsStore& settings) {
    return QCoreApplication::translate("RadarView", "Times: %1")
        .arg(settings.zoneAbbreviation(settings.now()));
}

}  // namespace

RadarView::RadarView(QWidget* parent) : DescribedView(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(tr("Radar plot"));
}

RadarView::~RadarView() = default;

void RadarView::setTargetSatellite(std::shared_ptr<SatelliteData> satellite) {
    targetSatellite_ = std::move(satellite);
}

void RadarView::setDisplayedPass(std::shared_ptr<PassData> pass) {
    displayedPass_ = std::move(pass);
}

TextMetrics RadarView::textMetrics() const { return metricsOf(font()); }

Readout RadarView::reservedReadout() const {
    Readout readout = widestReadout();
    if (const SkelvorAppDelegate* settings = SkelvorAppDelegate::shared()) {
        readout[Corner::topRight].push_back(zoneLine(*settings));
    }
    return readout;
}

std::vector<QRectF> RadarView::cornerBlocks(QSizeF size) const {
    const Readout reserved = reservedReadout();
    std::array<QRectF, corners.size()> blocks;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        blocks[i] = cornerBlock(corners[i], reserved[corners[i]], size, textMetrics());
    }
    blocks = arrangeBlocks(blocks);
    return {blocks.begin(), blocks.end()};
}

int RadarView::preferredHeight(int width) const {
    const int step = std::max(1, width / heightSteps);
    for (int height = width; height < 2 * width; height += step) {
        const QSizeF size(width, height);
        if (fitFrame(size, cornerBlocks(size), textMetrics()).maxRadius >= ringShare * width) {
            return height;
        }
    }
    return 2 * width;
}

RadarFrame RadarView::frame() const {
    return fitFrame(QSizeF(size()), cornerBlocks(), textMetrics());
}

void RadarView::paintEvent(QPaintEvent*) {
    DrawingContext context(this);
    const QColor ink = palette().color(QPalette::Text);
    context.setStrokeColor(ink);
    context.setFillColor(ink);
    drawnTexts_.clear();
    const RadarFrame plot = frame();
    const RadarGrid grid = radarGrid(plot, textMetrics());
    // The axes are crisp lines of whole pixels; the rings are smoothed.
    context.painter().setRenderHint(QPainter::Antialiasing, false);
    context.addLine(grid.vertical);
    context.addLine(grid.horizontal);
    context.strokePath();
    context.painter().setRenderHint(QPainter::Antialiasing, true);
    for (const float radius : grid.ringRadii) context.addCircle(grid.centre, radius);
    context.strokePath();
    drawTexts(context, {grid.letters.begin(), grid.letters.end()});
    if (const SkelvorAppDelegate* appDelegate = SkelvorAppDelegate::shared()) {
        drawPlot(context, plot, *appDelegate);
    }
    summaryChanged();
}

void RadarView::drawTexts(DrawingContext& context, const std::vector<PlotText>& texts) {
    context.setStrokeColor(palette().color(QPalette::Text));
    for (const PlotText& text : texts) context.drawText(text.text, text.topLeft, font());
    drawnTexts_.insert(drawnTexts_.end(), texts.begin(), texts.end());
}

void RadarView::drawPlot(DrawingContext& context, const RadarFrame& plot,
                         const SettingsStore& settings) {
    if (settings.showHeldAngle()) drawHeldAngle(context, plot);
    if (!targetSatellite_) return;
    targetSatellite_->predictLocationAt();
    Readout readout;
    addPosition(readout, readingsOf(*targetSatellite_));
    readout[Corner::topRight].push_back(zoneLine(settings));
    renewEndedPass(settings);
    if (displayedPass_->aos()) {
        drawPass(context, plot, settings, readout);
    } else {
        drawSatelliteMark(context, plot);
    }
    if (showSunAndMoon_) drawSunAndMoon(context, plot, settings);
    const std::vector<QRectF> blocks = cornerBlocks();
    std::vector<PlotText> lines;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const std::vector<PlotText> placed =
            placeLines(corners[i], readout[corners[i]], blocks[i], textMetrics());
        lines.insert(lines.end(), placed.begin(), placed.end());
    }
    drawTexts(context, lines);
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

void RadarView::drawPass(DrawingContext& context, const RadarFrame& plot,
                         const SettingsStore& settings, Readout& readout) {
    const std::vector<PassCoordinate> samples = passSamples(*displayedPass_);
    context.addPolyline(passTrack(samples, plot));
    context.strokePath();
    if (SkelvorAppDelegate::shared()->watchSettings().showSunlight) {
        drawSunlight(context, plot, samples);
    }
    // The clock times keep clear of the corners' lines and of the compass letters.
    std::vector<QRectF> keepClear = cornerBlocks();
    const TextMetrics metrics = textMetrics();
    for (const PlotText& letter : radarGrid(plot, metrics).letters) {
        keepClear.emplace_back(letter.topLeft,
                               QSizeF(metrics.width(letter.text), metrics.lineSpacing));
    }
    drawTexts(context, placeTimeMarks(timeMarks(samples, plot, settings), QSizeF(size()), keepClear,
                                      metrics));
    if (!(*displayedPass_->aos() - settings.now() < 0.0)) return;
    drawSatelliteMark(context, plot);
    targetSatellite_->predictLocationAt();
    const SatelliteReadings readings = readingsOf(*targetSatellite_);
    addPassFigures(readout, readings);
    addFrequencies(readout, targetSatellite_->frequencyInfo(), readings.rangeRate);
}

void RadarView::drawSunlight(DrawingContext& context, const RadarFrame& plot,
                             std::span<const PassCoordinate> samples) {
    if (litPass_ != displayedPass_) {
        litPass_ = displayedPass_;
        const VisibilityConditions conditions =
            SkelvorAppDelegate::shared()->watchSettings().conditions(0.0);
        crossings_ = PassVisibility(*targetSatellite_, *litPass_, conditions).shadowCrossings();
        sunlitAtRise_ =
            PassVisibility::lightAt(*targetSatellite_, *litPass_->aos(), conditions).sunlit;
    }
    context.setStrokeColor(sunlitColour());
    context.setLineWidth(sunlitWidth);
    for (const auto& stretch : sunlitStretches(samples, crossings_, sunlitAtRise_)) {
        context.addPolyline(passTrack(stretch, plot));
        context.strokePath();
    }
    for (const ShadowCrossing& crossing : crossings_) {
        const std::optional<QPointF> at =
            skyPoint(crossing.place.azimuth, crossing.place.elevation, plot);
        if (!at) continue;
        context.addCircle(*at, crossingRing);
        context.strokePath();
    }
    context.setLineWidth(1.0);
    context.setStrokeColor(palette().color(QPalette::Text));
}

void RadarView::drawSatelliteMark(DrawingContext& context, const RadarFrame& plot) {
    targetSatellite_->predictLocationAt();
    const std::optional<QRectF> mark =
        satelliteMark(targetSatellite_->azimuth(), targetSatellite_->elevation(), plot);
    if (!mark) return;
    context.setStrokeColor(satelliteColour);
    context.setFillColor(satelliteColour);
    context.addRect(*mark);
    context.drawPath(DrawingContext::PathMode::fillStroke);
    context.setStrokeColor(palette().color(QPalette::Text));
}

QString RadarView::accessibleSummary() const {
    QStringList parts;
    if (targetSatellite_) parts.append(targetSatellite_->commonName());
    for (const PlotText& text : drawnTexts_) {
        if (text.text.size() > 1) parts.append(text.text.simplified());
    }
    return parts.join(QStringLiteral(", "));
}
