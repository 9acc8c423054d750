// Start-up and the observer's position.
#include <QDir>
#include <cmath>

#include "NotificationCenter.h"
#include "SkelvorAppDelegate.h"
#include "constants.h"

namespace {

using engine::constants::de2ra;

// A reading this old or older is a cached position, not a fresh fix.
constexpr double max_reading_age = 5.0;  // seconds

}  // namespace

void SkelvorAppDelegate::applicationDidFinishLaunching() {
    const StateLoad load = loadSavedState(LoadMode::launch);
    if (load.outcome == StateLoad::Outcome::unreadable) {
        const QString kept =
            load.setAsidePath.isEmpty()
                ? tr("It could not be moved aside and stays as it is.")
                : tr("It was kept as %1.").arg(QDir::toNativeSeparators(load.setAsidePath));
        tell(tr("Saved State Unreadable"),
             tr("The saved state %1 could not be read (%2). %3 Skelvor starts with "
                "an empty catalogue and its first settings.")
                 .arg(QDir::toNativeSeparators(stateFilePath()), load.reason, kept));
    }

    // A fixed position stays whatever the source; otherwise the location service's place, or
    // the simulator's, replaces the saved one.
    positionChoice_ = readPositionChoice(positionChoicePath());
    if (positionChoice_ == PositionChoice::locationService) followLocationSource(true);
    placeObserverAtCurrentLocation();
    updateTLEsIfOldBy(tleUpdateDays() * Date::seconds_per_day);
}

void SkelvorAppDelegate::locationUpdated(const LocationReading& reading) {
    const double age = std::fabs(std::trunc(reading.timestamp - now()));
    if (!(age < max_reading_age) || positionChoice_ == PositionChoice::fixedPosition) return;
    if (locationManager_) locationManager_->stopUpdatingLocation();
    locationWait_.reset();
    positionQuestionDue_ = false;
    currentLocation_ = reading.location;
    placeObserverAtCurrentLocation();
    NotificationCenter::defaultCenter().post(preferencesAlteredNotification, this);
    releaseLocationBox();
}

void SkelvorAppDelegate::placeObserverAtTypedPosition(const engine::geodetic_point_t& observer) {
    setObserver_geodetic(observer);
    currentLocation_ = Location{observer.lat / de2ra, observer.lon / de2ra, observer.alt * 1000.0};
    setPositionChoice(PositionChoice::fixedPosition);
}

// Without any location ever saved, the observer stands at latitude, longitude and altitude 0
// until a position is typed or a fix comes.
void SkelvorAppDelegate::placeObserverAtCurrentLocation() {
    const Location location = currentLocation_.value_or(Location{});
    setObserver_geodetic(
        {location.latitude * de2ra, location.longitude * de2ra, location.altitude / 1000.0, 0.0});
}

void SkelvorAppDelegate::showLocationBox() {
    if (positionQuestionDue_) return showPositionQuestion();
    if (uncertainLocationView_ && !uncertainLocationView_->isVisible())
        uncertainLocationView_->show();
}

void SkelvorAppDelegate::tell(const QString& title, const QString& message) {
    std::unique_ptr<AlertView> notice = makeAlert(title, message, {tr("OK")});
    if (!notice) return;
    notice->show();
    notices_.push_back(std::move(notice));
}

std::unique_ptr<AlertView> SkelvorAppDelegate::makeAlert(const QString& title,
                                                         const QString& message,
                                                         const QStringList& buttons) {
    if (!alertViewFactory_) return nullptr;
    return alertViewFactory_(title, message, buttons, this);
}
