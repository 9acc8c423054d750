// Where the observer's position comes from: the location service, whose first fix is awaited
// for a while before the user is asked for the position, or the fixed position the user typed,
// which nothing replaces until the user chooses the location service again.
#include <QDir>

#include "NotificationCenter.h"
#include "SkelvorAppDelegate.h"

QString SkelvorAppDelegate::positionChoicePath() const {
    if (dataDirectory_.isEmpty()) return {};
    return QDir(dataDirectory_).filePath(QStringLiteral("Library/Preferences/positionSource"));
}

void SkelvorAppDelegate::setPositionChoice(PositionChoice choice) {
    if (choice == positionChoice_) return;
    positionChoice_ = choice;
    writePositionChoice(positionChoicePath(), choice);
    if (choice == PositionChoice::fixedPosition) return stopLocationService();
    followLocationSource(false);
    placeObserverAtCurrentLocation();
    setPreferencesAltered(true);
}

void SkelvorAppDelegate::followLocationSource(bool atLaunch) {
    switch (locationSource_) {
        case LocationSource::service:
            startLocationService(atLaunch);
            break;
        case LocationSource::simulator:
            currentLocation_ = simulator_location;
            break;
        case LocationSource::saved:
            break;
    }
}

// At launch the "Finding Location" box is made, to be shown after the update's dialogs; a
// switch back to the location service waits for its fix without a box.
void SkelvorAppDelegate::startLocationService(bool atLaunch) {
    stopLocationService();
    locationManager_ = locationManagerFactory_();
    if (!locationManager_) return later([this] { locationUnanswered(); });
    if (atLaunch) {
        uncertainLocationView_ =
            makeAlert(tr("Finding Location"), tr("Currently determining our location. Please Wait"),
                      {tr("Cancel")});
    }
    locationManager_->startUpdatingLocation(
        [this](const LocationReading& reading) { locationUpdated(reading); });
    locationWait_ = Timer::scheduledTimer(std::chrono::duration<double>(locationWaitLimit_).count(),
                                          [this] { locationUnanswered(); });
}

void SkelvorAppDelegate::stopLocationService() {
    locationWait_.reset();
    if (locationManager_) locationManager_->stopUpdatingLocation();
    locationManager_.reset();
    releaseLocationBox();
}

void SkelvorAppDelegate::releaseLocationBox() {
    if (!uncertainLocationView_) return;
    if (uncertainLocationView_->isVisible())
        uncertainLocationView_->dismissWithClickedButtonIndex(0);
    uncertainLocationView_.reset();
}

// No fix in time, or no location service at all: the box goes (a late fix is still taken), and
// where no position was ever known the user is asked for one, at once when nothing else is
// being asked, else once the update's dialogs are done.
void SkelvorAppDelegate::locationUnanswered() {
    locationWait_.reset();
    const bool boxShown = uncertainLocationView_ && uncertainLocationView_->isVisible();
    releaseLocationBox();
    if (currentLocation_) return;
    positionQuestionDue_ = true;
    const bool updateQuiet =
        updateState_ == UpdateState::idle || updateState_ == UpdateState::stopped;
    if (boxShown || updateQuiet) showPositionQuestion();
}

void SkelvorAppDelegate::showPositionQuestion() {
    positionQuestionDue_ = false;
    if (positionQuestionView_) return;
    positionQuestionView_ = makeAlert(
        tr("Position Unknown"),
        tr("No location service answered. Please type your position, as coordinates or as a "
           "Maidenhead locator, on the Preferences tab."),
        {tr("Later"), tr("Enter Position")});
    if (positionQuestionView_) positionQuestionView_->show();
}

void SkelvorAppDelegate::positionQuestionAnswered(int buttonIndex) {
    positionQuestionView_.reset();
    if (buttonIndex == 1) {
        NotificationCenter::defaultCenter().post(positionWantedNotification, this);
    }
}
