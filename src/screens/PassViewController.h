// The pass screen: the radar plot of one satellite's pass, the text block of its frequency
// records and comment, and the way to its footprint map and its details.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "Accelerometer.h"
#include "NotificationCenter.h"
#include "ViewController.h"

class PassData;
class QPlainTextEdit;
class RadarView;
class SatelliteData;
class SegmentedControl;
class SkelvorAppDelegate;
class Timer;
class TrackingPanel;

class PassViewController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(PassViewController)

public:
    // Shows the satellite's pass under way or the next one, or the given pass until it ends.
    PassViewController(std::shared_ptr<SatelliteData> satellite,
                       std::shared_ptr<PassData> specificPass);
    ~PassViewController() override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    SatelliteData& targetSatellite() const { return *targetSatellite_; }
    const std::shared_ptr<PassData>& specificPass() const { return specificPass_; }

    // Redraws the plot; the refresh timer calls it every second while the screen shows.
    void refreshView();
    // A new accelerometer reading along the phone's long axis, in g: smoothed into
    // yOrientation and handed to the plot, which shows it at its next redraw.
    void accelerometer(double acceleration);
    double yOrientation() const { return yOrientation_; }

    // Opens the footprint map for the satellite and the given pass.
    void footprintClicked();
    // Opens the footprint map for segment 0, else the details screen.
    void footprintDetailsButton(const SegmentedControl& sender);

    RadarView* radarView() const { return radarView_; }
    QPlainTextEdit* passDataView() const { return passDataView_; }
    // The footprint and details control; none when the screen shows a given pass.
    SegmentedControl* footprintDetailsButton() const { return footprintDetailsButton_; }
    const Timer* refreshTimer() const { return refreshTimer_.get(); }
    // The radio and rotator block; none on a screen for a given pass.
    TrackingPanel* trackingPanel() const { return trackingPanel_; }

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    QString passDataText() const;
    // Shows a change of the records, the position or the settings.
    void preferencesAltered();
    void placeBarButton();

    SkelvorAppDelegate* appDelegate_;
    std::shared_ptr<SatelliteData> targetSatellite_;
    std::shared_ptr<PassData> specificPass_;
    RadarView* radarView_ = nullptr;
    QPlainTextEdit* passDataView_ = nullptr;
    SegmentedControl* footprintDetailsButton_ = nullptr;
    TrackingPanel* trackingPanel_ = nullptr;
    std::unique_ptr<Timer> refreshTimer_;
    Accelerometer accelerometer_;
    double yOrientation_ = 0.0;
    NotificationCenter::ObserverToken preferencesObserver_ = 0;
};
