// The radio and rotator screen, reached from the preferences: the radio's and the rotator's
// connection and how each is driven, and the transmitter import with its outcome. Each change
// is stored in the station settings at once; a field whose text cannot be used says so beside
// it and keeps the value in use.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <map>

#include "ScrollView.h"
#include "SegmentedControl.h"
#include "SettingsForm.h"
#include "StationFields.h"
#include "Switch.h"
#include "TextField.h"
#include "ViewController.h"

class QVBoxLayout;
class StationControl;

class StationSettingsController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(StationSettingsController)
public:
    explicit StationSettingsController(StationControl& station);

    void viewWillAppear(bool animated) override;

    Switch* radioSwitch() const { return radioSwitch_; }
    Switch* rotatorSwitch() const { return rotatorSwitch_; }
    Switch* importWithUpdateSwitch() const { return importWithUpdateSwitch_; }
    // One VFO, split, or two VFOs.
    SegmentedControl* vfoLayout() const { return vfoLayout_; }
    TextField* field(station_fields::Field field) const { return fields_.at(field); }
    // What the screen says beside the field; empty when it has nothing to say.
    QString problemOf(station_fields::Field field) const;
    QPushButton* importButton() const { return importButton_; }
    // The last import's outcome, or that one is running.
    QLabel* importOutcome() const { return importOutcome_; }
    // Shown while the settings cannot be written to their file.
    QLabel* saveProblem() const { return saveProblem_; }

protected:
    void loadView() override;

private:
    void buildForm(QVBoxLayout& form);
    void addField(settings_form::FormGroup& group, const QString& caption,
                  station_fields::Field field, const QString& widestText);
    void fieldCommitted(station_fields::Field field, const QString& text);
    void importClicked();
    void importFinished(bool ok, const QString& message);
    // Stores the settings and shows them.
    void store(const StationSettings& settings);
    void showSettings();

    StationControl& station_;
    QPointer<ScrollView> scroller_;
    QPointer<Switch> radioSwitch_;
    QPointer<Switch> rotatorSwitch_;
    QPointer<Switch> importWithUpdateSwitch_;
    QPointer<SegmentedControl> vfoLayout_;
    std::map<station_fields::Field, TextField*> fields_;
    std::map<station_fields::Field, QLabel*> problems_;
    QPointer<QPushButton> importButton_;
    QPointer<QLabel> importOutcome_;
    QPointer<QLabel> saveProblem_;
};
