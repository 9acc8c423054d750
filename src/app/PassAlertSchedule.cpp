#include "PassAlertSchedule.h"

#include <algorithm>
#include <cmath>

#include "DesktopNotifications.h"
#include "PassData.h"
#include "SettingsStore.h"

namespace {

constexpr double kept_given = 86400.0;  // seconds an alerted rise is remembered past its time
// Without a pass ahead, the search is made again once the horizon has moved this far.
constexpr double search_again = 3600.0;  // seconds

QString degrees(double value) { return QStringLiteral("%1°").arg(std::lround(value)); }

}  // namespace

// The next pass of one satellite, as worked out for its elements, the observer and the
// settings; worked out again when any of them changes or the pass has begun.
struct PassAlertSchedule::Upcoming {
    std::optional<Date> epoch;
    engine::geodetic_point_t observer;
    std::int32_t minimumElevation;
    WatchSettings settings;
    Date searchedAt;
    std::optional<PassAlert> alert;  // none: no pass ahead within the horizon
};

PassAlertSchedule::PassAlertSchedule(const SettingsStore& settings, Satellites satellites,
                                     Settings alertSettings, DesktopNotifications* notifications,
                                     QObject* parent)
    : QObject(parent),
      appDelegate_(settings),
      satellites_(std::move(satellites)),
      settings_(std::move(alertSettings)),
      notifications_(notifications) {
    lookTimer_.setInterval(look_interval_ms);
    connect(&lookTimer_, &QTimer::timeout, this, &PassAlertSchedule::look);
    dueTimer_.setSingleShot(true);
    connect(&dueTimer_, &QTimer::timeout, this, &PassAlertSchedule::look);
    if (!notifications_) return;
    connect(notifications_, &DesktopNotifications::posted, this,
            [this](quint64 request, quint32 notification) {
                if (sent_.contains(request)) {
                    shown_.insert(notification, sent_.take(request));
                    emit alertPosted(shown_.value(notification));
                }
            });
    connect(notifications_, &DesktopNotifications::failed, this,
            [this](quint64 request, const QString&) {
                if (sent_.contains(request)) emit alertForWindow(sent_.take(request));
            });
    connect(notifications_, &DesktopNotifications::activated, this, [this](quint32 notification) {
        if (shown_.contains(notification)) emit passOpened(shown_.value(notification));
    });
    connect(notifications_, &DesktopNotifications::closed, this,
            [this](quint32 notification) { shown_.remove(notification); });
}

PassAlertSchedule::~PassAlertSchedule() = default;

void PassAlertSchedule::start() {
    lookTimer_.start();
    look();
}

void PassAlertSchedule::stop() {
    lookTimer_.stop();
    dueTimer_.stop();
}

void PassAlertSchedule::look() {
    const Date now = appDelegate_.now();
    const WatchSettings settings = settings_();
    for (const auto& satellite : satellites_()) {
        Upcoming* upcoming = upcomingFor(*satellite, now, settings);
        if (!upcoming->alert) continue;
        const PassAlert& alert = *upcoming->alert;
        const bool due = !(now < alert.rise - settings.alertLeadTime);
        if (due && now < alert.rise && !alreadyGiven(alert.satellite, alert.rise)) give(alert);
    }
    for (auto& [name, rises] : given_) {
        std::erase_if(rises, [&](Date rise) { return rise + kept_given < now; });
    }
    aimTimer(now);
}

std::optional<std::pair<Date, PassAlert>> PassAlertSchedule::nextAlert() {
    const Date now = appDelegate_.now();
    const WatchSettings settings = settings_();
    std::optional<std::pair<Date, PassAlert>> next;
    for (const auto& satellite : satellites_()) {
        const Upcoming* upcoming = upcomingFor(*satellite, now, settings);
        if (!upcoming->alert || alreadyGiven(upcoming->alert->satellite, upcoming->alert->rise)) {
            continue;
        }
        const Date due = upcoming->alert->rise - settings.alertLeadTime;
        if (!next || due < next->first) next = std::pair(due, *upcoming->alert);
    }
    return next;
}

PassAlertSchedule::Upcoming* PassAlertSchedule::upcomingFor(SatelliteData& satellite, Date now,
                                                            const WatchSettings& settings) {
    std::unique_ptr<Upcoming>& upcoming = upcoming_[satellite.commonName()];
    const engine::geodetic_point_t observer = appDelegate_.observer_geodetic();
    const std::int32_t minimum = appDelegate_.minimumPathElevation();
    const bool current =
        upcoming && upcoming->epoch == satellite.keplerDate() &&
        upcoming->observer.lat == observer.lat && upcoming->observer.lon == observer.lon &&
        upcoming->observer.alt == observer.alt && upcoming->minimumElevation == minimum &&
        upcoming->settings == settings && !(now < upcoming->searchedAt) &&
        (upcoming->alert ? now < upcoming->alert->rise : now < upcoming->searchedAt + search_again);
    if (current) return upcoming.get();
    const VisibilityConditions conditions = settings.conditions(static_cast<double>(minimum));
    const std::optional<WatchedPass> pass =
        nextPassToWatch(satellite, now, minimum, conditions, settings.alertVisibleOnly, horizon);
    upcoming = std::make_unique<Upcoming>(
        Upcoming{satellite.keplerDate(), observer, minimum, settings, now,
                 pass ? std::optional(alertFor(satellite, *pass)) : std::nullopt});
    return upcoming.get();
}

PassAlert PassAlertSchedule::alertFor(const SatelliteData& satellite,
                                      const WatchedPass& watched) const {
    const PassData& pass = *watched.pass;
    PassAlert alert;
    alert.satellite = satellite.commonName();
    alert.rise = *pass.aos();
    alert.riseAzimuth = pass.passItemAtIndex(0).azimuth;
    alert.highestElevation = pass.highestElevationEntry()->elevation;
    alert.visible = watched.visible;
    const auto clock = [&](Date t) {
        return appDelegate_.formatTime(t, QStringLiteral("HH:mm:ss"));
    };
    alert.summary = tr("%1 rises at %2").arg(alert.satellite, clock(alert.rise));
    alert.body = tr("Rises at azimuth %1, highest %2.")
                     .arg(degrees(alert.riseAzimuth), degrees(alert.highestElevation));
    alert.body += u' ';
    alert.body += alert.visible ? tr("Visible from %1 to %2, highest %3.")
                                      .arg(clock(alert.visible->start), clock(alert.visible->end),
                                           degrees(alert.visible->highest.elevation))
                                : tr("Not visible.");
    return alert;
}

bool PassAlertSchedule::alreadyGiven(const QString& satellite, Date rise) const {
    const auto found = given_.find(satellite);
    if (found == given_.end()) return false;
    return std::any_of(found->second.begin(), found->second.end(),
                       [&](Date given) { return std::fabs(given - rise) < same_pass; });
}

void PassAlertSchedule::give(const PassAlert& alert) {
    given_[alert.satellite].push_back(alert.rise);
    if (!notifications_) {
        emit alertForWindow(alert);
        return;
    }
    sent_.insert(notifications_->post(alert.summary, alert.body, tr("Open pass")), alert);
}

// Wakes at the next alert's due time, besides the regular looks; a timer runs on the monotonic
// clock, so after a sleep or a clock change the regular look sets things right.
void PassAlertSchedule::aimTimer(Date now) {
    const std::optional<std::pair<Date, PassAlert>> next = nextAlert();
    if (!next || !lookTimer_.isActive()) {
        dueTimer_.stop();
        return;
    }
    const double wait = std::clamp(next->first - now, 0.0, look_interval_ms / 1000.0);
    dueTimer_.start(static_cast<int>(std::ceil(wait * 1000.0)));
}
