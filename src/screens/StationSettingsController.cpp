#include "StationSettingsController.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScrollView.h"
#include "SegmentedControl.h"
#include "StationControl.h"
#include "Switch.h"
#include "TextField.h"

using station_fields::Field;
using namespace settings_form;

namespace {

const QString widestNumber = QStringLiteral("-00000.0");
const QString widestHost = QStringLiteral("radio.example.org");

// The chosen VFO layout stands out in the palette's highlight, light or dark, as the desktop
// styles draw a checked tool button too faintly on some palettes; the keyboard's segment has a
// frame in the text colour.
const QString segmentStyle = QStringLiteral(
    "QToolButton { border: 1px solid palette(mid); padding: 1px 4px; background: palette(button);"
    " color: palette(button-text); }"
    "QToolButton:checked { background: palette(highlight); color: palette(highlighted-text); }"
    "QToolButton:focus { border: 2px solid palette(window-text); }");

}  // namespace

StationSettingsController::StationSettingsController(StationControl& station) : station_(station) {
    setTitle(tr("Radio and Rotator"));
}

void StationSettingsController::loadView() {
    const ScrollingForm form = makeScrollingForm();
    scroller_ = form.scroller;
    buildForm(*form.column);
    QObject::connect(&station_, &StationControl::importFinished, this,
                     [this](bool ok, const QString& message) { importFinished(ok, message); });
    setView(scroller_);
}

void StationSettingsController::buildForm(QVBoxLayout& form) {
    radioSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    rotatorSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    importWithUpdateSwitch_ = makeSwitch(tr("ON"), tr("OFF"));
    alignSwitchWidths({radioSwitch_, rotatorSwitch_, importWithUpdateSwitch_});
    vfoLayout_ = new SegmentedControl({tr("One"), tr("Split"), tr("Two")});
    vfoLayout_->setStyleSheet(segmentStyle);

    FormGroup radio(form, tr("Radio"));
    radio.addRow(tr("Radio control"), radioSwitch_);
    addField(radio, tr("Host"), Field::radioHost, widestHost);
    addField(radio, tr("Port"), Field::radioPort, widestNumber);
    addField(radio, tr("Update every (s)"), Field::radioInterval, widestNumber);
    radio.addRow(tr("VFOs"), vfoLayout_);
    addField(radio, tr("Frequency step (Hz)"), Field::radioStep, widestNumber);
    radio.addNote(
        tr("The radio is driven through rigctld (port 4532). One: the downlink only on one VFO. "
           "Split: receiving on VFO A, sending on VFO B. Two: Main for the downlink, Sub for "
           "the uplink. A frequency change smaller than the step is not sent. Changes here "
           "take effect when tracking is next started."));

    FormGroup rotator(form, tr("Rotator"));
    rotator.addRow(tr("Rotator control"), rotatorSwitch_);
    addField(rotator, tr("Host"), Field::rotatorHost, widestHost);
    addField(rotator, tr("Port"), Field::rotatorPort, widestNumber);
    addField(rotator, tr("Update every (s)"), Field::rotatorInterval, widestNumber);
    addField(rotator, tr("Azimuth from (°)"), Field::azimuthMin, widestNumber);
    addField(rotator, tr("Azimuth to (°)"), Field::azimuthMax, widestNumber);
    addField(rotator, tr("Elevation from (°)"), Field::elevationMin, widestNumber);
    addField(rotator, tr("Elevation to (°)"), Field::elevationMax, widestNumber);
    addField(rotator, tr("Start moving above (°)"), Field::startElevation, widestNumber);
    addField(rotator, tr("Park azimuth (°)"), Field::parkAzimuth, widestNumber);
    addField(rotator, tr("Park elevation (°)"), Field::parkElevation, widestNumber);
    addField(rotator, tr("Tolerance (°)"), Field::tolerance, widestNumber);
    rotator.addNote(
        tr("The rotator is driven through rotctld (port 4533). An azimuth range beyond 360° "
           "(such as −180 to 540 or 0 to 450) lets a pass cross north without a swing; an "
           "elevation range to 180° lets the rotator flip over. Before AOS it waits at the "
           "rise, after LOS it parks."));

    FormGroup transmitters(form, tr("Transmitters"));
    transmitters.addRow(tr("Import with every element-set update"), importWithUpdateSwitch_);
    addField(transmitters, tr("List address"), Field::transmitterSource, widestHost);
    fields_.at(Field::transmitterSource)->setPlaceholderText(tr("Public database"));
    importButton_ = new QPushButton(tr("Import transmitters now"));
    transmitters.addRow(QString(), importButton_);
    importOutcome_ = styledLabel(QString(), "caption");
    importOutcome_->hide();
    transmitters.addWide(importOutcome_);
    transmitters.addNote(
        tr("Each active transmitter becomes a frequency record, marked as imported, of the "
           "satellites with its catalogue number. Records you typed or changed are kept."));

    saveProblem_ = problemLabel();
    form.addWidget(saveProblem_);
    form.addStretch(1);

    radioSwitch_->setAction([this](bool on) {
        StationSettings settings = station_.settings();
        settings.radio.enabled = on;
        store(settings);
    });
    rotatorSwitch_->setAction([this](bool on) {
        StationSettings settings = station_.settings();
        settings.rotator.enabled = on;
        store(settings);
    });
    importWithUpdateSwitch_->setAction([this](bool on) {
        StationSettings settings = station_.settings();
        settings.transmitters.importWithUpdate = on;
        store(settings);
    });
    vfoLayout_->setAction([this] {
        StationSettings settings = station_.settings();
        settings.radio.layout = static_cast<VfoLayout>(vfoLayout_->selectedSegmentIndex());
        store(settings);
    });
    QObject::connect(importButton_, &QPushButton::clicked, this, [this] { importClicked(); });
}

void StationSettingsController::addField(FormGroup& group, const QString& caption, Field field,
                                         const QString& widestText) {
    TextField* control = makeField(widestText);
    fields_[field] = control;
    problems_[field] = group.addRow(caption, control);
    // Editing ends on Return and when the field loses focus; only text the user changed since
    // the screen last wrote the field is taken.
    control->setCommitAction([this, control, field](const QString& text) {
        if (!control->isModified()) return;
        control->setModified(false);
        fieldCommitted(field, text);
    });
}

void StationSettingsController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    showSettings();
    importButton_->setEnabled(!station_.isImporting());
}

void StationSettingsController::showSettings() {
    const StationSettings& settings = station_.settings();
    radioSwitch_->setOn(settings.radio.enabled);
    rotatorSwitch_->setOn(settings.rotator.enabled);
    importWithUpdateSwitch_->setOn(settings.transmitters.importWithUpdate);
    vfoLayout_->setSelectedSegmentIndex(static_cast<int>(settings.radio.layout));
    for (const auto& [field, control] : fields_) {
        control->setText(station_fields::shownText(settings, field));
    }
}

QString StationSettingsController::problemOf(Field field) const {
    return problems_.at(field)->text();
}

void StationSettingsController::fieldCommitted(Field field, const QString& text) {
    const station_fields::Edit edit = station_fields::edit(station_.settings(), field, text);
    showProblem(*problems_.at(field), *fields_.at(field), edit.problem);
    if (edit.problem.isEmpty()) {
        store(edit.settings);
    } else {
        fields_.at(field)->setText(station_fields::shownText(station_.settings(), field));
    }
}

void StationSettingsController::store(const StationSettings& settings) {
    const bool written = station_.setSettings(settings);
    saveProblem_->setText(
        written ? QString()
                : tr("The radio and rotator settings could not be written to their file; they "
                     "hold until Skelvor quits. Check that the data folder is writable."));
    saveProblem_->setVisible(!written);
    showSettings();
}

void StationSettingsController::importClicked() {
    importButton_->setEnabled(false);
    markAsProblem(*importOutcome_, false);
    importOutcome_->setText(tr("Importing transmitters…"));
    importOutcome_->show();
    station_.importTransmitters();
}

void StationSettingsController::importFinished(bool ok, const QString& message) {
    if (!isViewLoaded()) return;
    importButton_->setEnabled(true);
    markAsProblem(*importOutcome_, !ok);
    importOutcome_->setText(message);
    importOutcome_->show();
}
