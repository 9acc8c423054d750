// Working one pass: at every tick the satellite is predicted on the application's clock, and
// the radio is sent the Doppler-corrected frequencies of the active record and the rotator
// its position, each only when it has changed enough and its link is free. Before AOS the
// rotator waits at the rise position; after LOS it parks, the radio is left where it is, and
// the session finishes. What was acknowledged and what went wrong is kept for the screens.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "CommandLink.h"
#include "Date.h"
#include "RadioSteering.h"
#include "RotatorSteering.h"
#include "StationSettings.h"

class SatelliteData;
class SettingsStore;

class TrackingSession : public QObject {
    Q_OBJECT
public:
    enum class Phase { waiting, tracking, finished, stopped };

    struct Status {
        Phase phase = Phase::waiting;
        Date aos;
        Date los;
        // What the devices last acknowledged: ground frequencies in Hz, rotator degrees.
        radio::LinkFrequencies radioSent;
        std::optional<QString> modeSent;
        std::optional<RotatorPosition> rotatorSent;
        // The last error a device answered, or an answer that could not be used; cleared by
        // the next good answer.
        QString radioProblem;
        QString rotatorProblem;
    };

    // The pass must have a rise and a set. rig and rotator are the links to drive (not owned,
    // and living longer than the session); nullptr leaves that device alone, as does a rig
    // without a channel.
    TrackingSession(std::shared_ptr<SatelliteData> satellite, const PassData& pass,
                    std::optional<radio::Channel> channel, const StationSettings& settings,
                    const SettingsStore& clock, CommandLink* rig, CommandLink* rotator,
                    QObject* parent = nullptr);

    // Ticks at this real-time interval (a simulated clock may run faster) until the pass is
    // over or stop is called. The first tick comes at once.
    void start(std::chrono::milliseconds tickInterval);
    void stop();
    // One step: updates each device whose own interval has passed on the clock.
    void tick();

    const Status& status() const { return status_; }
    const SatelliteData& satellite() const { return *satellite_; }
    const std::optional<radio::RadioSteering>& radioSteering() const { return radio_; }
    const std::optional<RotatorSteering>& rotatorSteering() const { return rotator_; }

    // After LOS the rotator is given this long to reach its park position.
    static constexpr double parkingTime = 300.0;  // seconds

signals:
    void statusChanged();
    void finished();

private:
    // Each gives whether its link was free, so that the update was made.
    bool updateRadio(double rangeRate);
    void sendRadioChanges(double rangeRate);
    void sendSingle(const radio::RadioCommand& command);
    void sendSplit(const radio::RadioCommand& command);
    void sendTwoVfos(const radio::RadioCommand& command);
    std::function<void()> modeNoted(const QString& mode);
    std::function<void()> downlinkNoted(double hz);
    std::function<void()> uplinkNoted(double hz);
    bool updateRotator(Date now, const RotatorPosition& sky);
    // Sends to the rig; on success runs acknowledged, on failure notes the problem.
    void toRig(const ControlCommand& command, std::function<void()> acknowledged = {});
    void finishIfDone(Date now);
    void finish(Phase phase);

    std::shared_ptr<SatelliteData> satellite_;
    StationSettings settings_;
    const SettingsStore& clock_;
    CommandLink* rig_;
    CommandLink* rotatorLink_;
    std::optional<radio::RadioSteering> radio_;
    std::optional<RotatorSteering> rotator_;
    bool splitSet_ = false;
    std::optional<Date> radioUpdated_;
    std::optional<Date> rotatorUpdated_;
    QTimer timer_;
    Status status_;
};
