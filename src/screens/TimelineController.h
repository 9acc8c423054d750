// The timeline: the coming passes of all selected satellites on one time axis, one row per
// satellite and one bar per pass, over a content 640 points wide that scrolls sideways. Two
// views draw its left and right halves; touching a bar opens that pass on the pass screen.
#pragma once

#include <QPointer>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "TimelineGeometry.h"
#include "ViewController.h"

class PassData;
class SatelliteData;
class ScrollView;
class SkelvorAppDelegate;
class TimelineView;

// One pass of a row and its bar in content coordinates; no bar for a pass without a rise.
struct TimelineEntry {
    std::shared_ptr<PassData> pass;
    std::optional<QRectF> location;
};
using TimelineEntries = std::vector<TimelineEntry>;

class TimelineController : public ViewController {
public:
    TimelineController();
    ~TimelineController() override;

    // Computes the rows: up to 10 passes of each selected satellite, in selection order.
    void loadSelectedSatellites();
    // The rows of the last computation.
    const std::vector<TimelineEntries>& satellites() const { return satellites_; }
    // The bars of the rows, as the views draw and touch them.
    std::vector<timeline::TimelineRow> locations() const;
    // The name of the row's satellite.
    QString satelliteName(std::size_t row) const;

    // Recomputes the rows when the timeline's hours changed since the last computation.
    void viewWillAppear(bool animated) override;

    // Opens the pass of the row on the pass screen.
    void openPass(const timeline::TimelineHit& hit);

    // The left and right halves, and the scroll view holding them; none before the view loads.
    TimelineView* view1() const;
    TimelineView* view2() const;
    ScrollView* scrollView() const;

protected:
    void loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createSubviews();
    // The content height for the window's orientation: landscape when it is wider than tall.
    float contentHeight() const;
    void fitContent();

    SkelvorAppDelegate* appDelegate_;
    QPointer<ScrollView> scrollView_;
    QPointer<TimelineView> view1_;
    QPointer<TimelineView> view2_;
    std::vector<TimelineEntries> satellites_;
    // The satellite of each row, for opening its passes.
    std::vector<std::shared_ptr<SatelliteData>> rowSatellites_;
    std::int32_t timelineDuration_ = 0;
};
