// The footprint map: a world map scrolling sideways over two copies of itself, showing where the
// satellite is, the ground that sees it and, when asked for, its ground track for the next three
// revolutions. A touch on the track shows the footprint at that point of the track.
#pragma once

#include <memory>
#include <optional>

#include "Date.h"
#include "ViewController.h"

class FootprintView;
class PassData;
class SatelliteData;
class ScrollView;
class SkelvorAppDelegate;
class Timer;

class FootprintController : public ViewController {
public:
    // Shows the satellite now, or, with a pass, at the pass's highest elevation and its track
    // from the pass's rise.
    FootprintController(std::shared_ptr<SatelliteData> satellite,
                        std::shared_ptr<PassData> specificPass);
    ~FootprintController() override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    SatelliteData& targetSatellite() const { return *targetSatellite_; }
    const std::shared_ptr<PassData>& specificPass() const { return specificPass_; }
    SkelvorAppDelegate& appDelegate() const { return *appDelegate_; }
    // Where the ground track begins: the pass's rise, or now.
    Date trackStart() const;

    // The time picked by a touch on the track; setting a time redraws at once, and any change
    // puts the next periodic redraw a full period away.
    const std::optional<Date>& footprintTime() const { return footprintTime_; }
    void setFootprintTime(std::optional<Date> time);

    // Redraws the map; the update timer calls it every 15 s while the screen shows.
    void updateFootprint();

    ScrollView* worldViewScroller() const { return worldViewScroller_; }
    FootprintView* footprintView1() const { return footprintView1_; }
    FootprintView* footprintView2() const { return footprintView2_; }
    const Timer* updateTimer() const { return updateTimer_.get(); }

protected:
    void loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Scrolls the satellite at the pass's rise (or now) and its footprint into view.
    void scrollToSatellite();
    void scrollViewDidScroll();
    void startUpdateTimer();

    SkelvorAppDelegate* appDelegate_;
    std::shared_ptr<SatelliteData> targetSatellite_;
    std::shared_ptr<PassData> specificPass_;
    // The screen's view and its two halves, which the view owns; they live as long as the screen.
    ScrollView* worldViewScroller_ = nullptr;
    FootprintView* footprintView1_ = nullptr;
    FootprintView* footprintView2_ = nullptr;
    std::unique_ptr<Timer> updateTimer_;
    std::optional<Date> footprintTime_;
    bool shownOnce_ = false;
};
