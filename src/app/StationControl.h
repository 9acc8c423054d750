// The radio, the rotator and the transmitter import as the application runs them: their
// settings (kept in their own file beside the saved state), the connections to the control
// daemons, the tracking session of the pass being worked, and importing transmitters as
// frequency records. Owned by the application delegate; the screens show and steer it.
#pragma once

#include <QObject>
#include <memory>

#include "ControlConnection.h"
#include "FetchText.h"
#include "StationSettings.h"
#include "TrackingSession.h"

class SatelliteData;
class SkelvorAppDelegate;

class StationControl : public QObject {
    Q_OBJECT
public:
    // Reads the settings from the file at settingsPath (none there: the defaults, all off).
    StationControl(SkelvorAppDelegate& appDelegate, QString settingsPath);
    ~StationControl() override;

    const StationSettings& settings() const { return settings_; }
    // Stores the settings, each value out of its range replaced by its default, and writes
    // them; false when the file could not be written (the settings are kept all the same).
    // A running tracking session goes on with the settings it started with.
    bool setSettings(const StationSettings& settings);

    // ---- Tracking
    // Starts working the satellite's pass under way or next, sending the active record's
    // frequencies to the radio and the track to the rotator, each if switched on. Gives why
    // not (no device switched on, no pass, no frequency for the radio alone) as an empty
    // string on success. A session already running is stopped first.
    QString startTracking(std::shared_ptr<SatelliteData> satellite);
    void stopTracking();
    // The session running, or the last one until the next starts; nullptr before the first.
    const TrackingSession* tracking() const { return session_.get(); }
    bool isTracking() const;
    // The daemons' connections, for their state; nullptr while that device is not in use.
    const ControlConnection* rigConnection() const { return rigInUse_ ? &rig_ : nullptr; }
    const ControlConnection* rotatorConnection() const {
        return rotatorInUse_ ? &rotator_ : nullptr;
    }
    // Settings for the connections (shorter ones in tests).
    void setConnectionLimits(const ControlConnection::Limits& limits);

    // ---- Transmitters
    // Where the transmitter list is read from (see TransmitterSettings::source).
    QUrl transmitterSource() const;
    static const QUrl publicTransmitterList;
    void setFetchDeadlines(const FetchDeadlines& deadlines) { deadlines_ = deadlines; }
    // Fetches the list and merges every active transmitter into the satellites of its
    // catalogue number, in every category; all at once when the whole list has been read,
    // nothing when it cannot be. Ends with importFinished. Ignored while one is running.
    void importTransmitters();
    bool isImporting() const { return fetch_ != nullptr; }
    // Called by the element-set update when it has finished: imports too when the user has
    // switched that on.
    void elementSetsUpdated();

signals:
    // Tracking started, stopped or finished, or what it sent changed.
    void trackingChanged();
    // A connection's state changed.
    void connectionChanged();
    // ok: the list was read and merged; message: what changed, or why nothing did.
    void importFinished(bool ok, const QString& message);

private:
    void applyTransmitters(const QByteArray& json);
    void retireSession();

    SkelvorAppDelegate& appDelegate_;
    QString settingsPath_;
    StationSettings settings_;
    ControlConnection rig_;
    ControlConnection rotator_;
    bool rigInUse_ = false;
    bool rotatorInUse_ = false;
    std::unique_ptr<TrackingSession> session_;
    std::unique_ptr<TextFetch> fetch_;
    FetchDeadlines deadlines_;
};
