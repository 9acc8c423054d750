// The pass screen's tracking block: the button that starts and stops working the satellite's
// pass with the radio and the rotator, and what is being sent (frequencies, mode, azimuth,
// elevation) with each connection's state. It follows the station control's signals and never
// waits on a connection. Hidden while radio and rotator control are both switched off.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class SatelliteData;
class SettingsStore;
class StationControl;

class TrackingPanel : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TrackingPanel)
public:
    TrackingPanel(StationControl& station, std::shared_ptr<SatelliteData> satellite,
                  const SettingsStore& settings, QWidget* parent = nullptr);

    // Shows the state now; the settings may have changed while the screen was away.
    void refresh();
    // The height the panel takes at this width; 0 while it is hidden.
    int heightFor(int width) const;

    QPushButton* trackButton() const { return trackButton_; }
    QLabel* phase() const { return phase_; }
    // What is sent and the connections, a line each.
    QLabel* details() const { return details_; }

    // Starts tracking this satellite, or stops the tracking running for it.
    void trackClicked();

private:
    // Whether the session the station runs, or ran last, is this satellite's.
    bool showsOwnSession() const;

    StationControl& station_;
    std::shared_ptr<SatelliteData> satellite_;
    const SettingsStore& settings_;
    QPushButton* trackButton_;
    QLabel* phase_;
    QLabel* details_;
    QString refusal_;      // why the last start was refused; shown until the next press
    bool wanted_ = false;  // whether the panel is to show
};
