// The footprint map: a world map scrolling sideways over two copies of itself, showing where the
// satellite is, the ground that sees it and, when asked for, its ground track for the next three
// revolutions. A press on the track shows the footprint at that point of the track; a press
// elsewhere drags the map. The map fills the screen's height, drawn from a finer image where
// the screen has the pixels for it.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "Date.h"
#include "FootprintGeometry.h"
#include "NotificationCenter.h"
#include "ViewController.h"

class FootprintView;
class PassData;
class SatelliteData;
class ScrollView;
class SkelvorAppDelegate;
class Timer;

class FootprintController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(FootprintController)

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

    // Screen points per point of the map.
    double mapScale() const { return scale_; }
    // The world image the halves are drawn from, and the ground track in a half's points,
    // computed once per half.
    const QImage& worldImage() const { return worldImage_; }
    const std::vector<std::vector<QPointF>>& trackSegments(footprint::MapHalf half);

    ScrollView* worldViewScroller() const { return worldViewScroller_; }
    // The first pair of halves covers the two tiles under the viewport's left edge, the second
    // the next two, which a wide window also shows.
    FootprintView* footprintView1() const { return views_[0]; }
    FootprintView* footprintView2() const { return views_[1]; }
    const std::array<FootprintView*, 4>& footprintViews() const { return views_; }
    const Timer* updateTimer() const { return updateTimer_.get(); }

    // Dragging the map: the content scrolled by the pointer's movement since the press.
    void beginDrag(QPoint globalPosition);
    void dragTo(QPoint globalPosition);

protected:
    void loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Scrolls the satellite at the pass's rise (or now) and its footprint into view.
    void scrollToSatellite();
    void scrollViewDidScroll();
    void startUpdateTimer();
    // Sizes the map to the viewport, keeping the map's point at the viewport's centre there.
    void fitToViewport();
    void chooseWorldImage();

    SkelvorAppDelegate* appDelegate_;
    std::shared_ptr<SatelliteData> targetSatellite_;
    std::shared_ptr<PassData> specificPass_;
    // The screen's view and its halves, which the view owns; they live as long as the screen.
    ScrollView* worldViewScroller_ = nullptr;
    std::array<FootprintView*, 4> views_{};
    std::unique_ptr<Timer> updateTimer_;
    std::optional<Date> footprintTime_;
    bool shownOnce_ = false;
    double scale_ = 1.0;
    QImage worldImage_;
    QString worldImageName_;
    std::array<std::optional<std::vector<std::vector<QPointF>>>, 2> trackSegments_;
    QPoint dragStart_;
    QPoint dragOffset_;
    NotificationCenter::ObserverToken preferencesObserver_ = 0;
};
