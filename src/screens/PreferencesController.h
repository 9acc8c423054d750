// The preferences tab: every setting and the observer's position, in captioned groups on a
// scrolling form. Each change is written straight into the application delegate, which is then
// asked for a save.
#pragma once

#include <QPointer>
#include <QString>

#include "ScrollView.h"
#include "Switch.h"
#include "TextField.h"
#include "ViewController.h"

class SkelvorAppDelegate;

class PreferencesController : public ViewController {
public:
    PreferencesController();

    void viewWillAppear(bool animated) override;

    ScrollView* scroller() const { return scroller_; }
    Switch* useUTCSwitch() const { return useUTCSwitch_; }
    Switch* useDecimalDegreesSwitch() const { return useDecimalDegreesSwitch_; }
    Switch* showSunAndMoonSwitch() const { return showSunAndMoonSwitch_; }
    Switch* showHeldAngleSwitch() const { return showHeldAngleSwitch_; }
    Switch* showFootprintTrackSwitch() const { return showFootprintTrackSwitch_; }
    TextField* minimumElevationField() const { return minimumElevationField_; }
    TextField* passDays() const { return passDays_; }
    TextField* tleUpdateDays() const { return tleUpdateDays_; }
    TextField* timelineDuration() const { return timelineDuration_; }
    TextField* latitude() const { return latitude_; }
    TextField* longitude() const { return longitude_; }

protected:
    void loadView() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void timeZoneSwitchChanged(bool on);
    void useDecimalDegreesSwitchChanged(bool on);
    void showSunAndMoonSwitchChanged(bool on);
    void showHeldAngleSwitchChanged(bool on);
    void showFootprintTrackSwitchChanged(bool on);
    void minElevationAltered(const QString& text);
    void passDaysAltered(const QString& text);
    void tleUpdateDaysAltered(const QString& text);
    void timelineDurationAltered(const QString& text);
    void longitudeAltered(const QString& text);
    void latitudeAltered(const QString& text);

    using FieldAction = void (PreferencesController::*)(const QString&);

    void connectActions();
    void commitEdits(TextField& field, FieldAction action);
    void coordinateAltered(TextField& field, const QString& text, bool isLatitude);
    void showCoordinates();
    QString shownCoordinate(bool isLatitude) const;

    SkelvorAppDelegate* appDelegate_;
    QPointer<ScrollView> scroller_;
    QPointer<Switch> useUTCSwitch_;
    QPointer<Switch> useDecimalDegreesSwitch_;
    QPointer<Switch> showSunAndMoonSwitch_;
    QPointer<Switch> showHeldAngleSwitch_;
    QPointer<Switch> showFootprintTrackSwitch_;
    QPointer<TextField> minimumElevationField_;
    QPointer<TextField> passDays_;
    QPointer<TextField> tleUpdateDays_;
    QPointer<TextField> timelineDuration_;
    QPointer<TextField> latitude_;
    QPointer<TextField> longitude_;
};
