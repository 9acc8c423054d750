// The preferences tab: every setting and the observer's position (latitude, longitude,
// altitude and Maidenhead locator), in captioned groups on a scrolling form that follows the
// window's width. Each change is written straight into the application delegate, which is then
// asked for a save. A field whose text cannot be used says so beside it and keeps the value in
// use.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <functional>
#include <map>

#include "CoordinateText.h"
#include "NotificationCenter.h"
#include "ScrollView.h"
#include "Switch.h"
#include "TextField.h"
#include "ViewController.h"

class QLabel;
class QVBoxLayout;
class SkelvorAppDelegate;
struct WatchSettings;

class PreferencesController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(PreferencesController)

public:
    PreferencesController();
    ~PreferencesController() override;

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
    TextField* altitude() const { return altitude_; }
    TextField* locator() const { return locator_; }
    Switch* visiblePassesOnlySwitch() const { return visiblePassesOnlySwitch_; }
    Switch* sunlightSwitch() const { return sunlightSwitch_; }
    Switch* alertVisibleOnlySwitch() const { return alertVisibleOnlySwitch_; }
    TextField* alertLeadTime() const { return alertLeadTime_; }
    TextField* darkness() const { return darkness_; }
    Switch* useLocationServiceSwitch() const { return useLocationServiceSwitch_; }
    QPushButton* updateButton() const { return updateButton_; }
    // Brings the position fields into view with the focus on the latitude, for the user to type
    // the position.
    void focusPosition();
    // What the screen says beside a field about its last text; empty when it had nothing to say.
    QString problemOf(const TextField* field) const;

protected:
    void loadView() override;
    void viewDidLoad() override;
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
    void altitudeAltered(const QString& text);
    void locatorAltered(const QString& text);
    void alertLeadTimeAltered(const QString& text);
    void darknessAltered(const QString& text);
    // Changes the settings for watching the sky, which keep their own file.
    void alterWatchSettings(const std::function<void(WatchSettings&)>& change);
    void useLocationServiceSwitchChanged(bool on);

    using FieldAction = void (PreferencesController::*)(const QString&);

    void buildForm(QVBoxLayout* form);
    void connectActions();
    void commitEdits(TextField& field, FieldAction action);
    void coordinateAltered(TextField& field, const QString& text, preferences::Axis axis);
    void moveObserver(double latitude, double longitude);
    void showSettings();
    void showObserver();
    QString shownCoordinate(preferences::Axis axis) const;
    // Shows the problem beside the field, or none; the field's text is left to the caller.
    void showProblem(TextField& field, const QString& problem);
    // Reads a number field against its range; on a problem, says so and shows the value in use.
    std::optional<double> readField(TextField& field, const QString& text, double lowest,
                                    double highest, const QString& inUse);

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
    QPointer<TextField> altitude_;
    QPointer<TextField> locator_;
    QPointer<Switch> visiblePassesOnlySwitch_;
    QPointer<Switch> sunlightSwitch_;
    QPointer<Switch> alertVisibleOnlySwitch_;
    QPointer<TextField> alertLeadTime_;
    NotificationCenter::ObserverToken observer_ = 0;
    QPointer<TextField> darkness_;
    QPointer<Switch> useLocationServiceSwitch_;
    QPointer<QPushButton> updateButton_;
    std::map<const TextField*, QLabel*> problems_;
};
