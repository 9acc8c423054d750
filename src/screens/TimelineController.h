// The timeline: the coming passes of all selected satellites on one time axis, one row per
// satellite, named at its left, and one bar per pass, over a content at least 640 points wide
// that scrolls sideways where the window is narrower and takes the window's height. Two views
// draw its left and right halves; clicking a bar, or choosing it with the arrow keys and
// pressing Return, opens that pass on the pass screen. While the user asks what of each pass can
// be seen, a stripe within each bar marks its visible part. The rows follow the selection, the
// position and the settings.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "NotificationCenter.h"
#include "TimelineGeometry.h"
#include "ViewController.h"

class PassData;
class SatelliteData;
class ScrollView;
class SkelvorAppDelegate;
class TimelineView;

// One pass of a row and its bar in content coordinates; no bar for a pass without a rise. While
// the user asks what of each pass can be seen, the stripe of its visible part within the bar.
struct TimelineEntry {
    std::shared_ptr<PassData> pass;
    std::optional<QRectF> location;
    std::optional<QRectF> visibleLocation;
};
using TimelineEntries = std::vector<TimelineEntry>;

class TimelineController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(TimelineController)

public:
    TimelineController();
    ~TimelineController() override;

    // Computes the rows: up to 10 passes of each selected satellite, in selection order.
    void loadSelectedSatellites();
    // The rows of the last computation, their bars laid out for the content's present size.
    const std::vector<TimelineEntries>& satellites() const { return satellites_; }
    // The bars of the rows, as the views draw and touch them, laid out again first when the
    // hour or the content's size has changed.
    std::vector<timeline::TimelineRow> locations() { return laidOut(&TimelineEntry::location); }
    // The stripes of the visible parts, row by row as the bars.
    std::vector<timeline::TimelineRow> visibleLocations() {
        return laidOut(&TimelineEntry::visibleLocation);
    }
    // The name of the row's satellite.
    QString satelliteName(std::size_t row) const;
    // The row sizes of the content's present height; none without rows.
    std::optional<timeline::RowSizes> rowSizes() const;
    // The content's left edge that the viewport shows.
    double visibleLeft() const;

    // Recomputes the rows when the timeline's hours or anything the passes hang on changed
    // since the last computation.
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // Opens the pass of the row on the pass screen.
    void openPass(const timeline::TimelineHit& hit);
    // The bar the keyboard stands on; none before the first arrow key.
    std::optional<timeline::TimelineHit> currentBar() const { return currentBar_; }
    // Moves the keyboard to a bar and shows it.
    void selectBar(std::optional<timeline::TimelineHit> bar);
    // In words, for assistive technology: the pass of a bar.
    QString describeBar(const timeline::TimelineHit& bar) const;

    // The left and right halves, and the scroll view holding them; none before the view loads.
    TimelineView* view1() const;
    TimelineView* view2() const;
    ScrollView* scrollView() const;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    void createSubviews();
    double lineSpacing() const;
    void fitContent();
    void layoutBars();
    std::vector<timeline::TimelineRow> laidOut(std::optional<QRectF> TimelineEntry::*place);
    bool handleKey(QKeyEvent* event);
    // A change of the selection, the position or a setting: the rows are computed again, at
    // once while the timeline shows, else when it next appears.
    void passesAltered();
    void redraw();

    SkelvorAppDelegate* appDelegate_;
    QPointer<ScrollView> scrollView_;
    QPointer<TimelineView> view1_;
    QPointer<TimelineView> view2_;
    std::vector<TimelineEntries> satellites_;
    std::vector<std::vector<timeline::PassTimes>> times_;
    // The satellite of each row, for opening its passes.
    std::vector<std::shared_ptr<SatelliteData>> rowSatellites_;
    std::int32_t timelineDuration_ = 0;
    // What the bars were last laid out for.
    std::optional<Date> layoutOrigin_;
    QSizeF layoutSize_;
    std::optional<timeline::TimelineHit> currentBar_;
    bool stale_ = false;
    bool shown_ = false;
    std::vector<NotificationCenter::ObserverToken> observers_;
};
