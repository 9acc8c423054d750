#include "PreferencesController.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "Angles.h"
#include "CoordinateText.h"
#include "LenientNumber.h"
#include "PreferenceLimits.h"
#include "ScrollView.h"
#include "SkelvorAppDelegate.h"
#include "Switch.h"
#include "TextField.h"

namespace {

constexpr double passDaysScale = 3600.0;  // the setting holds days times 3600
const QSize contentSize(320, 700);
constexpr int fieldFontSize = 20;
constexpr int smallestCoordinateFontSize = 14;
constexpr int numberFieldWidth = 76;
constexpr int coordinateFieldWidth = 178;
constexpr int rowHeight = 38;

const QString formStyle = QStringLiteral(
    "#preferencesForm { background: #efeff4; }"
    "QFrame[role=\"panel\"] { background: white; border: 1px solid #d6d6da; border-radius: 10px; }"
    "QFrame[role=\"separator\"] { background: #e2e2e6; border: none; }"
    "QLabel[role=\"heading\"] { color: #6d6d72; font-size: 13px; font-weight: bold; }"
    "QLabel[role=\"caption\"] { color: black; font-size: 15px; }"
    "QLabel[role=\"note\"] { color: #6d6d72; font-size: 12px; }");

QLabel* styledLabel(const QString& text, const char* role) {
    auto* label = new QLabel(text);
    label->setProperty("role", role);
    label->setWordWrap(true);
    return label;
}

// One group of the form: a heading above a rounded panel of captioned rows.
class FormGroup {
public:
    FormGroup(QVBoxLayout& form, const QString& heading) : form_(form) {
        form_.addWidget(styledLabel(heading, "heading"));
        panel_ = new QFrame;
        panel_->setProperty("role", "panel");
        rows_ = new QGridLayout(panel_);
        rows_->setContentsMargins(12, 2, 10, 2);
        rows_->setHorizontalSpacing(8);
        rows_->setVerticalSpacing(0);
        rows_->setColumnStretch(0, 1);
        form_.addWidget(panel_);
    }

    void addRow(const QString& caption, QWidget* control) {
        if (nextRow_ > 0) {
            auto* separator = new QFrame;
            separator->setProperty("role", "separator");
            separator->setFixedHeight(1);
            rows_->addWidget(separator, nextRow_++, 0, 1, 2);
        }
        auto* label = styledLabel(caption, "caption");
        label->setMinimumHeight(rowHeight);
        rows_->addWidget(label, nextRow_, 0);
        rows_->addWidget(control, nextRow_++, 1, Qt::AlignRight | Qt::AlignVCenter);
    }

    void addNote(const QString& note) { form_.addWidget(styledLabel(note, "note")); }

private:
    QVBoxLayout& form_;
    QFrame* panel_;
    QGridLayout* rows_;
    int nextRow_ = 0;
};

Switch* makeSwitch(const QString& onText, const QString& offText) {
    auto* control = new Switch;
    control->setTexts(onText, offText);
    return control;
}

// The switches of a column take the width of the widest, so that their knobs line up.
void alignSwitchWidths(std::initializer_list<Switch*> switches) {
    int width = 0;
    for (const Switch* control : switches) width = std::max(width, control->sizeHint().width());
    for (Switch* control : switches) control->setFixedWidth(width);
}

TextField* makeField(int width) {
    auto* field = new TextField;
    field->setFontSize(fieldFontSize);
    field->setFixedWidth(width);
    field->setAlignment(Qt::AlignRight);
    return field;
}

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
    setTitle(QStringLiteral("Preferences"));
}

void PreferencesController::loadView() {
    scroller_ = new ScrollView;
    scroller_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QWidget* content = scroller_->content();
    content->setObjectName(QStringLiteral("preferencesForm"));
    content->setStyleSheet(formStyle);
    scroller_->setStyleSheet(QStringLiteral("QScrollArea { background: #efeff4; }"));
    auto* form = new QVBoxLayout(content);
    form->setContentsMargins(10, 12, 10, 8);
    form->setSpacing(6);

    useUTCSwitch_ = makeSwitch(QStringLiteral("UTC"), QStringLiteral("Local"));
    useDecimalDegreesSwitch_ = makeSwitch(QStringLiteral("D.dd"), QStringLiteral("D°M'S\""));
    showSunAndMoonSwitch_ = makeSwitch(QStringLiteral("ON"), QStringLiteral("OFF"));
    showHeldAngleSwitch_ = makeSwitch(QStringLiteral("ON"), QStringLiteral("OFF"));
    showFootprintTrackSwitch_ = makeSwitch(QStringLiteral("ON"), QStringLiteral("OFF"));
    alignSwitchWidths({useUTCSwitch_, useDecimalDegreesSwitch_, showSunAndMoonSwitch_,
                       showHeldAngleSwitch_, showFootprintTrackSwitch_});
    minimumElevationField_ = makeField(numberFieldWidth);
    passDays_ = makeField(numberFieldWidth);
    timelineDuration_ = makeField(numberFieldWidth);
    tleUpdateDays_ = makeField(numberFieldWidth);
    latitude_ = makeField(coordinateFieldWidth);
    longitude_ = makeField(coordinateFieldWidth);

    FormGroup time(*form, QStringLiteral("Time and coordinates"));
    time.addRow(QStringLiteral("Show times in"), useUTCSwitch_);
    time.addRow(QStringLiteral("Show coordinates as"), useDecimalDegreesSwitch_);

    FormGroup displays(*form, QStringLiteral("Displays"));
    displays.addRow(QStringLiteral("Show Sun and Moon"), showSunAndMoonSwitch_);
    displays.addRow(QStringLiteral("Show holding angle"), showHeldAngleSwitch_);
    displays.addRow(QStringLiteral("Show ground track"), showFootprintTrackSwitch_);

    FormGroup passes(*form, QStringLiteral("Passes"));
    passes.addRow(QStringLiteral("Minimum elevation (°)"), minimumElevationField_);
    passes.addRow(QStringLiteral("List passes for (days)"), passDays_);
    passes.addRow(QStringLiteral("Timeline span (hours)"), timelineDuration_);

    FormGroup elements(*form, QStringLiteral("Element sets"));
    elements.addRow(QStringLiteral("Update every (days)"), tleUpdateDays_);

    FormGroup observer(*form, QStringLiteral("Observer"));
    observer.addRow(QStringLiteral("Latitude"), latitude_);
    observer.addRow(QStringLiteral("Longitude"), longitude_);
    observer.addNote(
        QStringLiteral("North and east are positive. Type decimal degrees (51.5) or degrees, "
                       "minutes and seconds (51 30 15)."));
    form->addStretch(1);

    scroller_->setContentSize(contentSize);
    connectActions();
    setView(scroller_);
}

void PreferencesController::connectActions() {
    useUTCSwitch_->setAction([this](bool on) { timeZoneSwitchChanged(on); });
    useDecimalDegreesSwitch_->setAction([this](bool on) { useDecimalDegreesSwitchChanged(on); });
    showSunAndMoonSwitch_->setAction([this](bool on) { showSunAndMoonSwitchChanged(on); });
    showHeldAngleSwitch_->setAction([this](bool on) { showHeldAngleSwitchChanged(on); });
    showFootprintTrackSwitch_->setAction([this](bool on) { showFootprintTrackSwitchChanged(on); });
    commitEdits(*minimumElevationField_, &PreferencesController::minElevationAltered);
    commitEdits(*passDays_, &PreferencesController::passDaysAltered);
    commitEdits(*tleUpdateDays_, &PreferencesController::tleUpdateDaysAltered);
    commitEdits(*timelineDuration_, &PreferencesController::timelineDurationAltered);
    commitEdits(*latitude_, &PreferencesController::latitudeAltered);
    commitEdits(*longitude_, &PreferencesController::longitudeAltered);
    // The coordinate fields offer a clear button while they are being edited.
    latitude_->installEventFilter(this);
    longitude_->installEventFilter(this);
    latitude_->setMinimumFontSize(smallestCoordinateFontSize);
    longitude_->setMinimumFontSize(smallestCoordinateFontSize);
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

void PreferencesController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    useUTCSwitch_->setOn(appDelegate_->useUTC());
    useDecimalDegreesSwitch_->setOn(appDelegate_->useDecimalDegrees());
    showSunAndMoonSwitch_->setOn(appDelegate_->showSunAndMoon());
    showHeldAngleSwitch_->setOn(appDelegate_->showHeldAngle());
    showFootprintTrackSwitch_->setOn(appDelegate_->showFootprintTrack());
    minimumElevationField_->setText(integerText(appDelegate_->minimumPathElevation()));
    passDays_->setText(integerText(passDaysShown(appDelegate_->passTimetableDuration())));
    tleUpdateDays_->setText(integerText(appDelegate_->tleUpdateDays()));
    timelineDuration_->setText(integerText(appDelegate_->timelineDuration()));
    showCoordinates();
}

void PreferencesController::showCoordinates() {
    longitude_->setText(shownCoordinate(false));
    latitude_->setText(shownCoordinate(true));
}

QString PreferencesController::shownCoordinate(bool isLatitude) const {
    const engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
    const double radians = isLatitude ? observer.lat : observer.lon;
    return preferences::formatCoordinate(radians / radians_per_degree,
                                         appDelegate_->useDecimalDegrees());
}

void PreferencesController::timeZoneSwitchChanged(bool on) {
    appDelegate_->setUseUTC(on);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::useDecimalDegreesSwitchChanged(bool on) {
    appDelegate_->setUseDecimalDegrees(on);
    showCoordinates();
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

void PreferencesController::minElevationAltered(const QString& text) {
    appDelegate_->setMinimumPathElevation(preferences::minimumElevationFromText(text));
    appDelegate_->setPreferencesAltered(true);
}

// A span too large to hold (an overflowing exponent) keeps the span in use, shown again.
void PreferencesController::passDaysAltered(const QString& text) {
    const double duration = leadingDouble(text) * passDaysScale;
    if (!std::isfinite(duration)) {
        passDays_->setText(integerText(passDaysShown(appDelegate_->passTimetableDuration())));
        return;
    }
    appDelegate_->setPassTimetableDuration(duration);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::tleUpdateDaysAltered(const QString& text) {
    appDelegate_->setTleUpdateDays(leadingInt(text));
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::timelineDurationAltered(const QString& text) {
    const std::int32_t typed = leadingInt(text);
    const std::int32_t hours = preferences::timelineDurationFor(typed);
    if (hours != typed) timelineDuration_->setText(integerText(hours));
    appDelegate_->setTimelineDuration(hours);
    appDelegate_->setPreferencesAltered(true);
}

void PreferencesController::longitudeAltered(const QString& text) {
    coordinateAltered(*longitude_, text, false);
}

void PreferencesController::latitudeAltered(const QString& text) {
    coordinateAltered(*latitude_, text, true);
}

// Text without a number leaves the observer where it is and shows the position in use again.
void PreferencesController::coordinateAltered(TextField& field, const QString& text,
                                              bool isLatitude) {
    const std::optional<double> degrees = preferences::parseCoordinate(text, isLatitude);
    if (!degrees) {
        field.setText(shownCoordinate(isLatitude));
        return;
    }
    engine::geodetic_point_t observer = appDelegate_->observer_geodetic();
    (isLatitude ? observer.lat : observer.lon) = *degrees * radians_per_degree;
    appDelegate_->setObserver_geodetic(observer);
    field.setText(preferences::formatCoordinate(*degrees, appDelegate_->useDecimalDegrees()));
    appDelegate_->setPreferencesAltered(true);
}
