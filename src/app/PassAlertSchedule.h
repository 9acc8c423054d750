// Pass alerts: a desktop notification a lead time before each rise of the satellites alerts
// are on for, saying the satellite's name, the rise time and azimuth, the highest elevation and
// whether the pass can be seen; clicking it asks the window to open the pass. Without a
// notification service the alert goes to the window instead.
//
// The schedule is driven by the clock alone: at every look it works out from the clock's now
// which alerts are due, so that sleep and clock changes cannot confuse it. An alert is never
// given twice for one pass (a pass is known by its satellite and its rise within two minutes,
// which survives new element sets), and never for a pass that has begun: after a jump past a
// rise, that pass is gone and the next one waits for its own time.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "Date.h"
#include "PassListing.h"
#include "SatelliteData.h"
#include "WatchSettings.h"

class DesktopNotifications;
class SettingsStore;

struct PassAlert {
    QString satellite;  // common name
    Date rise;
    float riseAzimuth = 0.0f;       // degrees
    float highestElevation = 0.0f;  // degrees
    std::optional<VisiblePart> visible;
    QString summary;  // the notification's text
    QString body;
};

class PassAlertSchedule : public QObject {
    Q_OBJECT
public:
    // How often the clock is looked at besides the moment the next alert is due, and how far
    // ahead a pass is looked for.
    static constexpr int look_interval_ms = 15000;
    static constexpr double horizon = 2.0 * 86400.0;  // seconds
    // Two rises of one satellite this close are the same pass.
    static constexpr double same_pass = 120.0;  // seconds

    using Satellites = std::function<std::vector<std::shared_ptr<SatelliteData>>()>;
    using Settings = std::function<WatchSettings()>;

    // settings gives the clock, the observer, the minimum elevation and the clock-time rule;
    // satellites the ones alerts are on for; alertSettings the lead time and the choice of
    // passes; notifications the desktop's service (none: every alert goes to the window).
    PassAlertSchedule(const SettingsStore& settings, Satellites satellites, Settings alertSettings,
                      DesktopNotifications* notifications, QObject* parent = nullptr);
    ~PassAlertSchedule() override;

    // Looks at the clock now and then until stopped.
    void start();
    void stop();
    // Gives every alert that is due by the clock's now.
    void look();
    // The next alert to come, by its due time; none when no pass is ahead.
    std::optional<std::pair<Date, PassAlert>> nextAlert();

signals:
    void alertPosted(const PassAlert& alert);
    void alertForWindow(const PassAlert& alert);
    void passOpened(const PassAlert& alert);

private:
    struct Upcoming;
    Upcoming* upcomingFor(SatelliteData& satellite, Date now, const WatchSettings& settings);
    PassAlert alertFor(const SatelliteData& satellite, const WatchedPass& pass) const;
    bool alreadyGiven(const QString& satellite, Date rise) const;
    void give(const PassAlert& alert);
    void aimTimer(Date now);

    const SettingsStore& appDelegate_;
    Satellites satellites_;
    Settings settings_;
    DesktopNotifications* notifications_;
    std::map<QString, std::unique_ptr<Upcoming>> upcoming_;  // by satellite
    std::map<QString, std::vector<Date>> given_;             // rises alerted, by satellite
    QHash<quint64, PassAlert> sent_;                         // by request
    QHash<quint32, PassAlert> shown_;                        // by notification
    QTimer lookTimer_;
    QTimer dueTimer_;
};
