// The radar plot of the pass screen: the observer's sky with north up and east to the right, the
// satellite's pass track with clock times, where the satellite is now, its range, position and,
// during the pass, Doppler shift, delay, path loss and the corrected active frequencies;
// optionally the Sun, the Moon, the angle at which the phone is held, and the sunlit part of the
// track with the shadow's edges marked. The lines of figures
// stand in the view's corners, and the sky's ring is as large as they leave room for.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <span>
#include <vector>

#include "DescribedView.h"
#include "PassReadout.h"
#include "PassVisibility.h"
#include "RadarGeometry.h"

class DrawingContext;
class PassData;
class SatelliteData;
class SettingsStore;

class RadarView : public DescribedView {
    Q_DECLARE_TR_FUNCTIONS(RadarView)

public:
    explicit RadarView(QWidget* parent = nullptr);
    ~RadarView() override;

    // None draws only the empty plot.
    const std::shared_ptr<SatelliteData>& targetSatellite() const { return targetSatellite_; }
    void setTargetSatellite(std::shared_ptr<SatelliteData> satellite);
    // The pass whose track is drawn. Once its set has passed, or when there is none, the next
    // drawing puts the satellite's pass under way, or else its next one, in its place.
    const std::shared_ptr<PassData>& displayedPass() const { return displayedPass_; }
    void setDisplayedPass(std::shared_ptr<PassData> pass);

    // The smoothed accelerometer reading that the held-angle ring shows.
    double deviceElevation() const { return deviceElevation_; }
    void setDeviceElevation(double value) { deviceElevation_ = value; }

    // The Sun and Moon setting as taken when the displayed pass was last computed.
    bool showSunAndMoon() const { return showSunAndMoon_; }

    // The plot's frame: this view's size and the horizon ring's radius for it, clear of the
    // corners' lines.
    radar::RadarFrame frame() const;
    // The rectangles the corners' lines keep for themselves in a view of this size.
    std::vector<QRectF> cornerBlocks() const { return cornerBlocks(QSizeF(size())); }
    std::vector<QRectF> cornerBlocks(QSizeF size) const;
    // The least height at this width that leaves the ring nearly all the width: more than the
    // width where the corners' lines are large for the view.
    int preferredHeight(int width) const;
    TextMetrics textMetrics() const;
    // The texts drawn at the last painting: the corners' lines and the pass's clock times.
    const std::vector<radar::PlotText>& drawnTexts() const { return drawnTexts_; }

    QAccessible::Role accessibleRole() const override { return QAccessible::Chart; }
    QString accessibleSummary() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    radar::Readout reservedReadout() const;
    void drawPlot(DrawingContext& context, const radar::RadarFrame& frame,
                  const SettingsStore& settings);
    void drawHeldAngle(DrawingContext& context, const radar::RadarFrame& frame) const;
    void renewEndedPass(const SettingsStore& settings);
    // Draws the track and its clock times, and during the pass the satellite's mark; adds the
    // pass's figures to the readout.
    void drawPass(DrawingContext& context, const radar::RadarFrame& frame,
                  const SettingsStore& settings, radar::Readout& readout);
    void drawSatelliteMark(DrawingContext& context, const radar::RadarFrame& frame);
    // The sunlit stretches of the track and a ring at each crossing of the shadow's edge,
    // worked out once per displayed pass.
    void drawSunlight(DrawingContext& context, const radar::RadarFrame& frame,
                      std::span<const PassCoordinate> samples);
    void drawTexts(DrawingContext& context, const std::vector<radar::PlotText>& texts);

    std::shared_ptr<SatelliteData> targetSatellite_;
    std::shared_ptr<PassData> displayedPass_;
    double deviceElevation_ = 0.0;
    bool showSunAndMoon_ = false;
    std::vector<radar::PlotText> drawnTexts_;
    // The shadow's crossings of the displayed pass and its light at the rise, for that pass.
    std::shared_ptr<PassData> litPass_;
    std::vector<ShadowCrossing> crossings_;
    bool sunlitAtRise_ = false;
};
