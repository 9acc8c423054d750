#include "PreferencesController.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "Angles.h"
#include "LenientNumber.h"
#include "Maidenhead.h"
#include "NavigationController.h"
#include "PreferenceLimits.h"
#include "ScrollView.h"
#include "SettingsForm.h"
#include "SkelvorAppDelegate.h"
#include "StationSettingsController.h"
#include "Switch.h"
#include "TextField.h"
#include "UpdateCategoriesController.h"

namespace {

using preferences::Axis;
using settings_form::alignSwitchWidths;
using settings_form::FormGroup;
using settings_form::makeField;
using settings_form::makeSwitch;

constexpr double passDaysScale = 3600.0;  // the setting holds days times 3600
constexpr double metresPerKilometre = 1000.0;
constexpr double secondsPerMinute = 60.0;
constexpr int shownLocatorLength = 6;

// The screen's words, in one place.
namespace text {
const char* const notALocator = QT_TRANSLATE_NOOP(
    "PreferencesController", "“%1” is not a locator of 4, 6 or 8 characters; the position stays.");
const char* const timelineHeld =
    QT_TRANSLATE_NOOP("PreferencesController", "The timeline spans %1 to %2 hours.");
const char* const note = QT_TRANSLATE_NOOP(
    "PreferencesController",
    "North and east are positive. Type decimal degrees (51.5) or degrees, minutes and seconds "
    "(51 30 15), or a Maidenhead locator (JO01 or JO01ab).");
}  // namespace text

// The shown text of an integer setting.
QString integerText(std::int32_t value) { return QString::asprintf("%d", value); }

// Whole days of the pass span, held within what the integer shown can hold.
std::int32_t passDaysShown(double passTimetableDuration) {
    constexpr auto limits = std::numeric_limits<std::int32_t>();
    const double days = std::trunc(passTimetableDuration / passDaysScale);
    return static_cast<std::int32_t>(std::clamp(days, double{limits.min()}, double{limits.max()}));
}

}  // namespace

PreferencesController::PreferencesController() : appDelegate_(SkelvorAppDelegate::shared()) {
    setTitle(tr("Preferences"));
}

PreferencesController::~PreferencesController() {
    if (observer_) NotificationCenter::defaultCenter().removeObserver(observer_);
}

void PreferencesController::loadView() {
    const settings_form::ScrollingForm form = settings_form::makeScrollingForm();
    scroller_ = form.scroller;
    buildForm(form.column);
    connectActions();
    setView(scroller_);
}

void PreferencesController::buildForm(QVBoxLayout* form) {
    useUTCSwitch_ = makeSwitch(tr("UTC"), tr("Local"));
    useDecimalDegreesSwitch_ = makeSwitch(QStringLiteral("D.dd"), QStringLiteral("D°M'S\""));
    showSunAndMoonSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    showHeldAngleSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    showFootprintTrackSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    visiblePassesOnlySwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    sunlightSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    alertVisibleOnlySwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    useLocationServiceSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    updateButton_ = new QPushButton(tr("Update"));
    updateButton_->setToolTip(tr("Update the element sets now (F5)"));
    alignSwitchWidths({useUTCSwitch_, useDecimalDegreesSwitch_, showSunAndMoonSwitch_,
                       showHeldAngleSwitch_, showFootprintTrackSwitch_, visiblePassesOnlySwitch_,
                       sunlightSwitch_, alertVisibleOnlySwitch_, useLocationServiceSwitch_});
    const QString widestNumber = QStringLiteral("-00000");
    minimumElevationField_ = makeField(widestNumber);
    passDays_ = makeField(widestNumber);
    timelineDuration_ = makeField(widestNumber);
    tleUpdateDays_ = makeField(widestNumber);
    const QString widestCoordinate = QStringLiteral("-000° 00' 00.00\"");
    latitude_ = makeField(widestCoordinate, true);
    longitude_ = makeField(widestCoordinate, true);
    altitude_ = makeField(widestNumber);
    locator_ = makeField(QStringLiteral("MM00MM00"));
    alertLeadTime_ = makeField(widestNumber);
    darkness_ = makeField(widestNumber);

    const auto row = [this](FormGroup& group, const QString& caption, QWidget* control) {
        QLabel* problem = group.addRow(caption, control);
        if (auto* field = dynamic_cast<TextField*>(control)) problems_[field] = problem;
    };
    FormGroup time(*form, tr("Time and coordinates"));
    row(time, tr("Show times in"), useUTCSwitch_);
    row(time, tr("Show coordinates as"), useDecimalDegreesSwitch_);

    FormGroup displays(*form, tr("Displays"));
    row(displays, tr("Show Sun and Moon"), showSunAndMoonSwitch_);
    row(displays, tr("Show holding angle"), showHeldAngleSwitch_);
    row(displays, tr("Show ground track"), showFootprintTrackSwitch_);

    FormGroup passes(*form, tr("Passes"));
    row(passes, tr("Minimum elevation (°)"), minimumElevationField_);
    row(passes, tr("List passes for (days)"), passDays_);
    row(passes, tr("Timeline span (hours)"), timelineDuration_);

    FormGroup sky(*form, tr("Watching the sky"));
    row(sky, tr("Dark when the Sun is below (°)"), darkness_);
    row(sky, tr("Visible passes only"), visiblePassesOnlySwitch_);
    row(sky, tr("Sunlight and shadow"), sunlightSwitch_);
    row(sky, tr("Alert before a rise (min)"), alertLeadTime_);
    row(sky, tr("Alerts for visible passes only"), alertVisibleOnlySwitch_);

    FormGroup elements(*form, tr("Element sets"));
    row(elements, tr("Update every (days)"), tleUpdateDays_);
    row(elements, tr("Update element sets now"), updateButton_);
    const auto open = [this](const char* text, auto makeScreen) {
        return settings_form::makeOpeningButton(
            QCoreApplication::translate("PreferencesController", text),
            [this, makeScreen] { navigationController()->pushViewController(makeScreen(), true); });
    };
    row(elements, tr("Categories to update"),
        open(QT_TRANSLATE_NOOP("PreferencesController", "Choose…"),
             [] { return std::make_unique<UpdateCategoriesController>(); }));
    FormGroup station(*form, tr("Radio and rotator"));
    row(station, tr("Tracking and transmitters"),
        open(QT_TRANSLATE_NOOP("PreferencesController", "Set up…"), [this] {
            return std::make_unique<StationSettingsController>(appDelegate_->station());
        }));

    FormGroup observer(*form, tr("Observer"));
    row(observer, tr("Use the location service"), useLocationServiceSwitch_);
    row(observer, tr("Latitude"), latitude_);
    row(observer, tr("Longitude"), longitude_);
    row(observer, tr("Altitude (m)"), altitude_);
    row(observer, tr("Locator"), locator_);
    observer.addNote(tr(text::note));
    form->addStretch(1);
}

void PreferencesController::connectActions() {
    useUTCSwitch_->setAction([this](bool on) { timeZoneSwitchChanged(on); });
    useDecimalDegreesSwitch_->setAction([this](bool on) { useDecimalDegreesSwitchChanged(on); });
    showSunAndMoonSwitch_->setAction([this](bool on) { showSunAndMoonSwitchChanged(on); });
    showHeldAngleSwitch_->setAction([this](bool on) { showHeldAngleSwitchChanged(on); });
    showFootprintTrackSwitch_->setAction([this](bool on) { showFootprintTrackSwitchChanged(on); });
    useLocationServiceSwitch_->setAction([this](bool on) { useLocationServiceSwitchChanged(on); });
    QObject::connect(updateButton_, &QPushButton::clicked, this,
                     [this] { appDelegate_->updateTLEsNow(); });
    commitEdits(*minimumElevationField_, &PreferencesController::minElevationAltered);
    commitEdits(*passDays_, &PreferencesController::passDaysAltered);
    commitEdits(*tleUpdateDays_, &PreferencesController::tleUpdateDaysAltered);
    commitEdits(*timelineDuration_, &PreferencesController::timelineDurationAltered);
    commitEdits(*latitude_, &PreferencesController::latitudeAltered);
    commitEdits(*longitude_, &PreferencesController::longitudeAltered);
    commitEdits(*altitude_, &PreferencesController::altitudeAltered);
    commitEdits(*locator_, &PreferencesController::locatorAltered);
    commitEdits(*alertLeadTime_, &PreferencesController::alertLeadTimeAltered);
    commitEdits(*darkness_, &PreferencesController::darknessAltered);
    visiblePassesOnlySwitch_->setAction([this](bool on) {
        alterWatchSettings([on](WatchSettings& settings) { settings.visiblePassesOnly = on; });
    });
    sunlightSwitch_->setAction([this](bool on) {
        alterWatchSettings([on](WatchSettings& settings) { settings.showSunlight = on; });
    });
    alertVisibleOnlySwitch_->setAction([this](bool on) {
        alterWatchSettings([on](WatchSettings& settings) { settings.alertVisibleOnly = on; });
    });
    // The coordinate fields offer a clear button while they are being edited.
    latitude_->installEventFilter(this);
    longitude_->installEventFilter(this);
}

// Editing ends both on Return and when the field then loses focus; only text the user has
// changed since the screen last wrote the field is taken.
void PreferencesController::commitEdits(TextField& field, FieldAction action) {
    field.setCommitAction([this, &field, action](const QString& text) {
        if (!field.isModified()) return;
        field.setModified(false);
        (this->*action)(text);
    });
}

bool PreferencesController::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if ((focusIn || event->type() == QEvent::FocusOut) &&
        (watched == latitude_ || watched == longitude_)) {
        static_cast<TextField*>(watched)->setClearButtonEnabled(focusIn);
    }
    return ViewController::eventFilter(watched, event);
}

// A fix from the location service moves the observer while the screen is open: the position
// fields follow it.
void PreferencesController::viewDidLoad() {
    observer_ = NotificationCenter::defaultCenter().addObserver(
        SkelvorAppDelegate::preferencesAlteredNotification,
        [this](const Notification&) { showObserver(); });
}

void PreferencesController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    showSettings();
    showObserver();
}

void PreferencesController::showSettings() {
    useUTCSwitch_->setOn(appDelegate_->useUTC());
    useDecimalDegreesSwitch_->setOn(appDelegate_->useDecimalDegrees());
    showSunAndMoonSwitch_->setOn(appDelegate_->showSunAndMoon());
    showHeldAngleSwitch_->setOn(appDelegate_->showHeldAngle());
    showFootprintTrackSwitch_->setOn(appDelegate_->showFootprintTrack());
    minimumElevationField_->setText(integerText(appDelegate_->minimumPathElevation()));
    passDays_->setText(integerText(passDaysShown(appDelegate_->passTimetableDuration())));
    tleUpdateDays_->setText(integerText(appDelegate_->tleUpdateDays()));
    timelineDuration_->setText(integerText(appDelegate_->timelineDuration()));
    const WatchSettings& watch = appDelegate_->watchSettings();
    visiblePassesOnlySwitch_->setOn(watch.visiblePassesOnly);
    sunlightSwitch_->setOn(watch.showSunlight);
    alertVisibleOnlySwitch_->setOn(watch.alertVisibleOnly);
    alertLeadTime_->setText(preferences::numberText(watch.alertLeadTime / secondsPerMinute));
    darkness_->setText(preferences::numberText(watch.darknessElevation));
}

// A field the user is typing in keeps the text typed so far.
void PreferencesController::showObserver() {
    const auto show = [](TextField& field, const QString& text) {
        if (!field.isModified()) field.setText(text);
    };
    useLocationServiceSwitch_->setOn(appDelegate_->positionChoice() ==
                                     PositionChoice::locationService);
    show(*longitude_, shownCoordinate(Axis::longitude));
    show(*latitude_, shownCoordinate(Axis::latitude));
    const engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
    show(*altitude_, QString::number(std::round(observer.alt * metresPerKilometre), 'f', 0));
    show(*locator_, maidenhead::locatorFor(observer.lat / radians_per_degree,
                                           observer.lon / radians_per_degree, shownLocatorLength)
                        .value_or(QString()));
}

QString PreferencesController::shownCoordinate(Axis axis) const {
    const engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
    const double radians = axis == Axis::latitude ? observer.lat : observer.lon;
    return preferences::formatCoordinate(radians / radians_per_degree,
                                         appDelegate_->useDecimalDegrees());
}

QString PreferencesController::problemOf(const TextField* field) const {
    const auto found = problems_.find(field);
    return found == problems_.end() ? QString() : found->second->text();
}

void PreferencesController::showProblem(TextField& field, const QString& problem) {
    const auto found = problems_.find(&field);
    if (found != problems_.end()) settings_form::showProblem(*found->second, field, problem);
}

std::optional<double> PreferencesController::readField(TextField& field, const QString& typed,
                                                       double lowest, double highest,
                                                       const QString& inUse) {
    const preferences::NumberReading reading = preferences::readNumber(typed, {lowest, highest});
    showProblem(field, preferences::problemText(reading, typed, {lowest, highest}));
    if (reading.problem == preferences::FieldProblem::none) return reading.value;
    field.setText(inUse);
    return std::nullopt;
}

void PreferencesController::timeZoneSwitchChanged(bool on) {
    appDelegate_->setUseUTC(on);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::useDecimalDegreesSwitchChanged(bool on) {
    appDelegate_->setUseDecimalDegrees(on);
    showObserver();
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::showSunAndMoonSwitchChanged(bool on) {
    appDelegate_->setShowSunAndMoon(on);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::showHeldAngleSwitchChanged(bool on) {
    appDelegate_->setShowHeldAngle(on);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::showFootprintTrackSwitchChanged(bool on) {
    appDelegate_->setShowFootprintTrack(on);
    appDelegate_->setPreferencesAltered(true);
}

// Whole degrees, the typed number truncated toward zero.
void PreferencesController::minElevationAltered(const QString& typed) {
    const auto [lowest, highest] = preferences::elevationRange;
    const std::optional<double> degrees =
        readField(*minimumElevationField_, typed, lowest, highest,
                  integerText(appDelegate_->minimumPathElevation()));
    if (!degrees) return;
    appDelegate_->setMinimumPathElevation(static_cast<std::int32_t>(std::trunc(*degrees)));
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::passDaysAltered(const QString& typed) {
    const auto [lowest, highest] = preferences::dayRange;
    const std::optional<double> days =
        readField(*passDays_, typed, lowest, highest,
                  integerText(passDaysShown(appDelegate_->passTimetableDuration())));
    if (!days) return;
    appDelegate_->setPassTimetableDuration(*days * passDaysScale);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::tleUpdateDaysAltered(const QString& typed) {
    const auto [lowest, highest] = preferences::dayRange;
    const std::optional<double> days = readField(*tleUpdateDays_, typed, lowest, highest,
                                                 integerText(appDelegate_->tleUpdateDays()));
    if (!days) return;
    appDelegate_->setTleUpdateDays(static_cast<std::int32_t>(std::trunc(*days)));
    appDelegate_->setPreferencesAltered(true);
}

// The span is held to its range and the field shows the hours in use, with a word on the range
// when the typed number was outside it.
void PreferencesController::timelineDurationAltered(const QString& typed) {
    if (!beginsWithNumber(typed)) {
        showProblem(
            *timelineDuration_,
            preferences::problemText({0.0, preferences::FieldProblem::unreadable}, typed, {}));
        timelineDuration_->setText(integerText(appDelegate_->timelineDuration()));
        return;
    }
    const std::int32_t asked = leadingInt(typed);
    const std::int32_t hours = preferences::timelineDurationFor(asked);
    showProblem(*timelineDuration_, hours == asked ? QString()
                                                   : tr(text::timelineHeld)
                                                         .arg(preferences::shortestTimeline)
                                                         .arg(preferences::longestTimeline));
    if (hours != asked) timelineDuration_->setText(integerText(hours));
    appDelegate_->setTimelineDuration(hours);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::longitudeAltered(const QString& text) {
    coordinateAltered(*longitude_, text, Axis::longitude);
}

void PreferencesController::latitudeAltered(const QString& text) {
    coordinateAltered(*latitude_, text, Axis::latitude);
}

// A latitude beyond a pole is refused; a longitude is brought into one turn, as east and west
// of the date line name the same meridians.
void PreferencesController::coordinateAltered(TextField& field, const QString& typed, Axis axis) {
    using preferences::FieldProblem;
    const std::optional<double> read = preferences::readDegrees(typed);
    const auto [lowest, highest] = preferences::latitudeRange;
    if (!read) {
        showProblem(field, preferences::problemText({0.0, FieldProblem::unreadable}, typed, {}));
    } else if (axis == Axis::latitude && (*read < lowest || *read > highest)) {
        showProblem(field, preferences::problemText({*read, FieldProblem::outOfRange}, typed,
                                                    preferences::latitudeRange));
    } else {
        showProblem(field, QString());
        const double degrees = *preferences::parseCoordinate(typed, axis);
        const engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
        const double latitude =
            axis == Axis::latitude ? degrees : observer.lat / radians_per_degree;
        const double longitude =
            axis == Axis::longitude ? degrees : observer.lon / radians_per_degree;
        moveObserver(latitude, longitude);
        return;
    }
    field.setText(shownCoordinate(axis));
}

void PreferencesController::altitudeAltered(const QString& typed) {
    engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
    const auto [lowest, highest] = preferences::altitudeRange;
    const std::optional<double> metres =
        readField(*altitude_, typed, lowest, highest,
                  QString::number(std::round(observer.alt * metresPerKilometre), 'f', 0));
    if (!metres) return;
    observer.alt = *metres / metresPerKilometre;
    appDelegate_->placeObserverAtTypedPosition(observer);
    showObserver();
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::locatorAltered(const QString& typed) {
    const std::optional<maidenhead::Position> centre = maidenhead::centreOf(typed);
    if (!centre) {
        showProblem(*locator_, tr(text::notALocator).arg(typed.trimmed()));
        showObserver();
        return;
    }
    showProblem(*locator_, QString());
    moveObserver(centre->latitude, centre->longitude);
}

void PreferencesController::alertLeadTimeAltered(const QString& typed) {
    const double inUse = appDelegate_->watchSettings().alertLeadTime / secondsPerMinute;
    const std::optional<double> minutes =
        readField(*alertLeadTime_, typed, 0.0, WatchSettings::longest_lead_time / secondsPerMinute,
                  preferences::numberText(inUse));
    if (!minutes) return;
    alterWatchSettings(
        [&](WatchSettings& settings) { settings.alertLeadTime = *minutes * secondsPerMinute; });
}

// The Sun's elevation below which the observer counts as in darkness, from the horizon to the
// end of astronomical twilight.
void PreferencesController::darknessAltered(const QString& typed) {
    const double inUse = appDelegate_->watchSettings().darknessElevation;
    const std::optional<double> degrees =
        readField(*darkness_, typed, VisibilityConditions::darkest, VisibilityConditions::lightest,
                  preferences::numberText(inUse));
    if (!degrees) return;
    alterWatchSettings([&](WatchSettings& settings) { settings.darknessElevation = *degrees; });
}

void PreferencesController::alterWatchSettings(const std::function<void(WatchSettings&)>& change) {
    WatchSettings settings = appDelegate_->watchSettings();
    change(settings);
    appDelegate_->setWatchSettings(std::move(settings));
}

// The observer's new place, its altitude kept; every field shows the position in use.
void PreferencesController::moveObserver(double latitude, double longitude) {
    engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
    observer.lat = latitude * radians_per_degree;
    observer.lon = longitude * radians_per_degree;
    appDelegate_->placeObserverAtTypedPosition(observer);
    showObserver();
    appDelegate_->setPreferencesAltered(true);
}

// A typed position is the fixed position; the location service replaces it only once chosen
// again here.
void PreferencesController::useLocationServiceSwitchChanged(bool on) {
    appDelegate_->setPositionChoice(on ? PositionChoice::locationService
                                       : PositionChoice::fixedPosition);
}

void PreferencesController::focusPosition() {
    view();
    scroller_->ensureWidgetVisible(locator_);
    scroller_->ensureWidgetVisible(latitude_);
    latitude_->setFocus(Qt::OtherFocusReason);
    latitude_->selectAll();
}
