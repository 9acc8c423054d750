// One half of the footprint map, 512 × 512 points: its half of the world image, the satellite's
// mark and footprint, the ground track, and the footprint at a time picked on the track. It
// shows the west half (longitudes -180° to 0°) when its offset in the scrolling content is a
// multiple of 1024, the east half otherwise.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "Date.h"
#include "FootprintGeometry.h"

class DrawingContext;
class FootprintController;
class SatelliteData;

class FootprintView : public QWidget {
public:
    FootprintView(FootprintController& parentController, std::shared_ptr<SatelliteData> satellite,
                  QImage image, int offset, QWidget* parent = nullptr);

    int offset() const { return offset_; }
    void setOffset(int offset) { offset_ = offset; }
    footprint::MapHalf half() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Draws the mark and footprint at the time (none: now), with the time beside the mark when
    // one is given.
    void drawFootprintAt(DrawingContext& context, std::optional<Date> date);
    void drawTrack(DrawingContext& context);

    FootprintController& parentController_;
    std::shared_ptr<SatelliteData> targetSatellite_;
    QImage baseImage_;
    int offset_;
    std::optional<std::vector<std::vector<QPointF>>> trackSegments_;
};
