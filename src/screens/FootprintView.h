// One half of the footprint map, 512 × 512 points of the map drawn at the map's scale: its half
// of the world image, the satellite's mark and footprint, the ground track, and the footprint at
// a time picked on the track. It shows the west half (longitudes -180° to 0°) when its offset in
// the scrolling content is a multiple of 1024, the east half otherwise. A press on the track
// picks its time; a press elsewhere drags the map.
#pragma once

#include <QCoreApplication>
#include <QPointF>
#include <memory>
#include <optional>

#include "Date.h"
#include "DescribedView.h"
#include "FootprintGeometry.h"

class DrawingContext;
class FootprintController;
class SatelliteData;

class FootprintView : public DescribedView {
    Q_DECLARE_TR_FUNCTIONS(FootprintView)

public:
    FootprintView(FootprintController& parentController, std::shared_ptr<SatelliteData> satellite,
                  int offset, QWidget* parent = nullptr);

    // The view's place in the content, in points of the map.
    int offset() const { return offset_; }
    void setOffset(int offset) { offset_ = offset; }
    footprint::MapHalf half() const;

    QAccessible::Role accessibleRole() const override { return QAccessible::Graphic; }
    QString accessibleSummary() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Draws the mark and footprint at the time (none: now), with the time beside the mark when
    // one is given.
    void drawFootprintAt(DrawingContext& context, std::optional<Date> date);
    void drawTrack(DrawingContext& context);
    // The night side and the twilight bands, each darker than the one before, and the
    // terminator.
    void drawDayAndNight(DrawingContext& context);
    double lineWidth() const;

    FootprintController& parentController_;
    std::shared_ptr<SatelliteData> targetSatellite_;
    int offset_;
    bool dragging_ = false;
};
