// The radio and rotator screen: it shows the settings in use, stores each change in the
// settings file at once, refuses text it cannot use beside the field, tells a settings file
// that cannot be written, and runs the transmitter import with its outcome.
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "PreferencesController.h"
#include "SegmentedControl.h"
#include "StationControl.h"
#include "StationSettingsController.h"
#include "Switch.h"
#include "UpdateCategoriesController.h"
#include "station_fixture.h"

using station_fields::Field;

namespace {

class StationSettingsScreen : public StationScreen {
protected:
    void SetUp() override {
        StationScreen::SetUp();
        screen = show(std::make_unique<StationSettingsController>(app.station()));
    }

    // The settings as a new run of the program reads them from the file.
    std::optional<StationSettings> stored() const {
        return StationSettings::read(app.stationSettingsPath());
    }

    StationSettingsController* screen = nullptr;
};

}  // namespace

TEST_F(StationSettingsScreen, ChangesAreStoredAtOnceAndReadAgainByTheNextRun) {
    EXPECT_EQ(screen->title(), QStringLiteral("Radio and Rotator"));
    EXPECT_FALSE(screen->radioSwitch()->isOn()) << "everything starts off";
    EXPECT_EQ(screen->field(Field::radioPort)->text(), QStringLiteral("4532"));
    EXPECT_EQ(screen->field(Field::rotatorPort)->text(), QStringLiteral("4533"));
    EXPECT_EQ(screen->vfoLayout()->selectedSegmentIndex(), 0);

    QTest::mouseClick(screen->radioSwitch(), Qt::LeftButton);
    QTest::mouseClick(screen->importWithUpdateSwitch(), Qt::LeftButton);
    screen->vfoLayout()->clickSegment(2);
    type(screen->field(Field::radioHost), QStringLiteral("shack.local"));
    type(screen->field(Field::radioInterval), QStringLiteral("0.5"));
    type(screen->field(Field::azimuthMax), QStringLiteral("450"));

    const StationSettings& inUse = app.station().settings();
    EXPECT_TRUE(inUse.radio.enabled);
    EXPECT_FALSE(inUse.rotator.enabled);
    EXPECT_TRUE(inUse.transmitters.importWithUpdate);
    EXPECT_EQ(inUse.radio.layout, VfoLayout::twoVfos);
    EXPECT_EQ(inUse.radio.host, QStringLiteral("shack.local"));
    EXPECT_EQ(inUse.radio.interval, 0.5);
    EXPECT_EQ(inUse.rotator.limits.azimuthMax, 450.0);
    ASSERT_TRUE(stored());
    EXPECT_EQ(*stored(), inUse);
    EXPECT_TRUE(screen->saveProblem()->isHidden());
}

TEST_F(StationSettingsScreen, UnusableTextIsSaidBesideTheFieldAndTheValueInUseStays) {
    type(screen->field(Field::radioPort), QStringLiteral("99999"));
    EXPECT_EQ(screen->field(Field::radioPort)->text(), QStringLiteral("4532"));
    EXPECT_TRUE(screen->problemOf(Field::radioPort).startsWith(QStringLiteral("99999 is outside")));
    EXPECT_EQ(screen->field(Field::radioPort)->accessibleDescription(),
              screen->problemOf(Field::radioPort));
    type(screen->field(Field::parkAzimuth), QStringLiteral("400"));
    EXPECT_EQ(screen->field(Field::parkAzimuth)->text(), QStringLiteral("0"));
    EXPECT_TRUE(screen->problemOf(Field::parkAzimuth).startsWith(QStringLiteral("The park")));
    EXPECT_EQ(app.station().settings(), StationSettings());
    EXPECT_FALSE(stored()) << "nothing was written";

    type(screen->field(Field::radioPort), QStringLiteral("4600"));
    EXPECT_EQ(screen->problemOf(Field::radioPort), QString()) << "a good value clears the word";
    EXPECT_EQ(app.station().settings().radio.port, 4600);
}

// The settings file's place is taken by a folder, which no write can replace.
TEST_F(StationSettingsScreen, ASettingsFileThatCannotBeWrittenIsToldAndTheChangeHolds) {
    ASSERT_TRUE(QDir().mkpath(app.stationSettingsPath() + QStringLiteral("/blocked")));
    QTest::mouseClick(screen->rotatorSwitch(), Qt::LeftButton);
    EXPECT_TRUE(app.station().settings().rotator.enabled) << "holds until the program ends";
    EXPECT_FALSE(screen->saveProblem()->isHidden());
    EXPECT_TRUE(screen->saveProblem()->text().contains(QStringLiteral("could not be written")));

    ASSERT_TRUE(QDir(app.stationSettingsPath()).removeRecursively());
    QTest::mouseClick(screen->rotatorSwitch(), Qt::LeftButton);
    EXPECT_TRUE(screen->saveProblem()->isHidden()) << "until a write succeeds again";
}

TEST_F(StationSettingsScreen, ImportNowShowsItsOutcomeAndMarksTheRecords) {
    screen->importButton()->click();
    EXPECT_FALSE(screen->importButton()->isEnabled()) << "one import at a time";
    EXPECT_FALSE(screen->importOutcome()->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->importButton()->isEnabled(); }, patience));
    EXPECT_TRUE(screen->importOutcome()->text().startsWith(QStringLiteral("8 transmitters read")))
        << screen->importOutcome()->text().toStdString();
    const QColor told = screen->importOutcome()->palette().color(QPalette::WindowText);
    const auto station = app.findSatelliteByCommonName(QStringLiteral("SAMPLE STATION"));
    ASSERT_TRUE(station->frequencyInfo());
    EXPECT_EQ(station->frequencyInfo()->size(), 2) << "its two active transmitters";

    type(screen->field(Field::transmitterSource),
         QUrl::fromLocalFile(directory.filePath(QStringLiteral("missing.json"))).toString());
    screen->importButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->importButton()->isEnabled(); }, patience));
    EXPECT_TRUE(screen->importOutcome()->text().startsWith(
        QStringLiteral("The transmitter list could not be read")))
        << screen->importOutcome()->text().toStdString();
    EXPECT_NE(screen->importOutcome()->palette().color(QPalette::WindowText), told)
        << "a failure in the problem colour";
    EXPECT_EQ(station->frequencyInfo()->size(), 2) << "nothing lost";
}

// Every row of the form stays within the window's width at the first window size, so nothing
// is cut off at the right.
TEST_F(StationSettingsScreen, TheFormFitsTheFirstWindowWidth) {
    for (const Field field : station_fields::allFields) {
        const QWidget* control = screen->field(field);
        const QRect onWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_LE(onWindow.right(), window.width()) << static_cast<int>(field);
        EXPECT_GE(onWindow.left(), 0);
    }
    const QWidget* segments = screen->vfoLayout();
    EXPECT_LE(segments->mapTo(&window, QPoint(segments->width(), 0)).x(), window.width());
    saveShot(window, QStringLiteral("station-settings"));
}

// The preferences lead to both screens, and back.
TEST_F(StationScreen, ThePreferencesOpenTheRadioAndRotatorAndTheCategoryScreens) {
    show(std::make_unique<PreferencesController>());
    const auto button = [&](const QString& text) {
        for (QPushButton* candidate : window.findChildren<QPushButton*>()) {
            if (candidate->text() == text) return candidate;
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return static_cast<QPushButton*>(nullptr);
    };
    QPushButton* setUp = button(QStringLiteral("Set up…"));
    ASSERT_TRUE(setUp);
    EXPECT_EQ(setUp->accessibleName(), QStringLiteral("Tracking and transmitters"));
    setUp->click();
    EXPECT_TRUE(dynamic_cast<StationSettingsController*>(navigation->topViewController()));
    navigation->popViewControllerAnimated(true);
    QPushButton* choose = button(QStringLiteral("Choose…"));
    ASSERT_TRUE(choose);
    choose->click();
    EXPECT_TRUE(dynamic_cast<UpdateCategoriesController*>(navigation->topViewController()));
}
