// The details screen: its sections and rows, editing mode with the entry row, activation,
// deletion and reordering of the frequency records, each change saved, and the future passes.
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "PassData.h"
#include "PassViewController.h"
#include "details_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("details_screen_tests");

namespace {

// The row's texts in reading order, captions included.
QString labelText(const TableViewCell& cell, qsizetype index) {
    const QStringList texts = cell.texts();
    return index < texts.size() ? texts[index] : QString();
}

}  // namespace

TEST_F(DetailsScreen, ShowsRecordsCommentAndFuturePassesUnderTheirHeaders) {
    app.setUseUTC(true);
    SatelliteDetailsController& screen =
        open(QStringLiteral("SAMPLE STATION"),
             QList<FrequencyRecord>{{"145.990", "437.800 MHz", "FM voice repeater", false},
                                    {"145.800", "437.800", {}, false}},
             QStringLiteral("Crewed station; the voice repeater is on most weekends, packet radio "
                            "on weekdays."));
    TableView& table = *screen.displayTable();
    EXPECT_EQ(screen.title(), "SAMPLE STATION");
    EXPECT_EQ(screen.navigationItem().rightBarButtonItem, screen.editButtonItem());
    ASSERT_EQ(screen.numberOfSections(), 4);
    EXPECT_EQ(screen.titleForHeaderInSection(0), "Frequency Information");
    EXPECT_EQ(screen.titleForHeaderInSection(1), "Comments");
    EXPECT_EQ(screen.titleForHeaderInSection(2), "Future Passes (UTC)") << "the times' zone";
    EXPECT_EQ(screen.numberOfRowsInSection(0), 2);
    EXPECT_EQ(screen.numberOfRowsInSection(1), 1);
    EXPECT_EQ(screen.numberOfRowsInSection(2), 10);

    const TableViewCell record = table.cellForRow({0, 1});
    EXPECT_EQ(labelText(record, 0), "Uplink");
    EXPECT_EQ(labelText(record, 1), "145.800");
    EXPECT_EQ(labelText(record, 2), "Downlink");
    EXPECT_EQ(labelText(record, 3), "437.800");
    EXPECT_EQ(labelText(record, 4), "Inactive");
    EXPECT_EQ(record.accessory, AccessoryType::disclosureIndicator);
    ASSERT_TRUE(record.button());
    EXPECT_EQ(record.button()->text, "Inactive");
    EXPECT_EQ(labelText(table.cellForRow({0, 0}), 5), "FM voice repeater");
    EXPECT_TRUE(labelText(table.cellForRow({1, 0}), 0).startsWith("Crewed station"));
    // The whole comment shows, on as many lines as the row's width needs.
    const QRect comment = table.rectForRow({1, 0});
    EXPECT_GT(comment.height(), 2 * table.fontMetrics().lineSpacing());
    screen.activateFrequency(0);
    shoot(QStringLiteral("records"));
}

TEST_F(DetailsScreen, EditingModeAddsTheEntryRowAndDoneTakesItAway) {
    SatelliteDetailsController& screen =
        open(QStringLiteral("SAMPLE STATION"),
             QList<FrequencyRecord>{{"145.990", "437.800", "FM voice", true},
                                    {"145.825", "145.825", "APRS", false}});
    TableView& table = *screen.displayTable();
    QToolButton& editButton = *screen.editButtonItem();
    editButton.click();
    EXPECT_TRUE(table.isEditing());
    EXPECT_EQ(editButton.text(), "Done");
    ASSERT_EQ(screen.numberOfRowsInSection(0), 3);
    const TableViewCell entry = table.cellForRow({0, 2});
    EXPECT_EQ(labelText(entry, 0), "Enter new frequency data here");
    EXPECT_EQ(entry.lines.at(0).at(0).colour, CellColour::placeholder);
    EXPECT_FALSE(entry.button());
    EXPECT_EQ(screen.editingStyleForRow({0, 1}), EditingStyle::remove);
    EXPECT_EQ(screen.editingStyleForRow({0, 2}), EditingStyle::insert);
    EXPECT_EQ(screen.editingStyleForRow({1, 0}), EditingStyle::insert);
    EXPECT_FALSE(screen.canEditRow({2, 0}));
    EXPECT_TRUE(screen.canMoveRow({0, 1}));
    EXPECT_FALSE(screen.canMoveRow({0, 2}));
    EXPECT_FALSE(screen.canMoveRow({1, 0}));
    shoot(QStringLiteral("editing"));

    editButton.click();
    EXPECT_FALSE(table.isEditing());
    EXPECT_EQ(screen.numberOfRowsInSection(0), 2);
    EXPECT_EQ(labelText(table.cellForRow({0, 1}), 1), "145.825");
}

TEST_F(DetailsScreen, ActivationLeavesExactlyTheChosenRecordActiveAndIsSaved) {
    SatelliteDetailsController& screen =
        open(QStringLiteral("SAMPLE STATION"), records({"145.800", "437.800", "29.400"}));
    screen.activateFrequency(0);
    TableView& table = *screen.displayTable();
    // The row's button, pressed as the user would.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, buttonCentre({0, 2}));
    EXPECT_EQ(activeFlags(), QList<bool>({false, false, true}));
    const CellItem button = *table.cellForRow({0, 2}).button();
    EXPECT_EQ(button.text, "Active");
    EXPECT_EQ(button.button->titleColour, QColor(Qt::yellow)) << "the same in every palette";
    EXPECT_EQ(button.button->background, QColor(Qt::red));
    EXPECT_EQ(table.cellForRow({0, 0}).button()->text, "Inactive");
    // The keyboard presses the current row's button with the space bar.
    table.setFocus();
    table.selectRow({0, 0});
    QTest::keyClick(&table, Qt::Key_Space);
    EXPECT_EQ(activeFlags(), QList<bool>({true, false, false}));
    table.selectRow({0, 2});
    EXPECT_EQ(savedRecords(), satellite->frequencyInfo());

    screen.activateFrequency(2);
    EXPECT_EQ(activeFlags(), QList<bool>({false, false, true}));
}

TEST_F(DetailsScreen, ControlEditsAndTheKeyboardAddsARecord) {
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    EXPECT_TRUE(screen.toggleEditing());
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(screen.editButtonItem()->text(), "Done");
    TableView& table = *screen.displayTable();
    table.setFocus();
    table.selectRow({0, 0});
    QTest::keyClick(&table, Qt::Key_Return);
    EXPECT_EQ(navigation->topViewController()->title(), "Frequency Information");
}

TEST_F(DetailsScreen, DeletingTheActiveRecordLeavesNoneActive) {
    SatelliteDetailsController& screen =
        open(QStringLiteral("SAMPLE STATION"), records({"145.800", "437.800", "29.400"}));
    screen.activateFrequency(1);
    screen.setEditing(true, true);
    screen.commitEditingStyle(EditingStyle::remove, {0, 1});
    EXPECT_EQ(uplinks(), QStringList({"145.800", "29.400"}));
    EXPECT_EQ(activeFlags(), QList<bool>({false, false}));
    EXPECT_EQ(screen.numberOfRowsInSection(0), 3);
    EXPECT_EQ(labelText(screen.displayTable()->cellForRow({0, 1}), 1), "29.400");
    EXPECT_EQ(savedRecords(), satellite->frequencyInfo());
}

TEST_F(DetailsScreen, MovingTheFirstRecordToTheLastPlaceIsSaved) {
    SatelliteDetailsController& screen =
        open(QStringLiteral("SAMPLE STATION"), records({"145.800", "437.800", "29.400"}));
    screen.setEditing(true, true);
    screen.moveRow({0, 0}, {0, 2});
    EXPECT_EQ(uplinks(), QStringList({"437.800", "29.400", "145.800"}));
    const auto saved = savedRecords();
    ASSERT_TRUE(saved && *saved);
    EXPECT_EQ((*saved)->at(2).uplink, "145.800");
}

TEST_F(DetailsScreen, RecordsMoveOnlyAmongTheRecordRows) {
    SatelliteDetailsController& screen =
        open(QStringLiteral("SAMPLE STATION"), records({"145.800", "437.800", "29.400"}));
    screen.setEditing(true, true);
    EXPECT_EQ(screen.targetIndexPathForMove({0, 0}, {0, 1}), IndexPath({0, 1}));
    EXPECT_EQ(screen.targetIndexPathForMove({0, 1}, {0, 3}), IndexPath({0, 2}));
    EXPECT_EQ(screen.targetIndexPathForMove({0, 1}, {1, 0}), IndexPath({0, 2}));
    EXPECT_EQ(screen.targetIndexPathForMove({0, 1}, {0, -1}), IndexPath({0, 0}));

    // The last record's down handle proposes the entry row: nothing moves.
    TableView& table = *screen.displayTable();
    const QRect row = table.rectForRow({0, 2});
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, row.bottomRight() - QPoint(10, 5));
    EXPECT_EQ(uplinks(), QStringList({"145.800", "437.800", "29.400"}));
    // Its up handle moves it above the middle one.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, row.topRight() + QPoint(-10, 5));
    EXPECT_EQ(uplinks(), QStringList({"145.800", "29.400", "437.800"}));
}

TEST_F(DetailsScreen, InsertingAddsAnEmptyRecordAndOpensItsEditor) {
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    screen.setEditing(true, true);
    EXPECT_EQ(screen.numberOfRowsInSection(0), 1);  // the entry row only
    screen.commitEditingStyle(EditingStyle::insert, {0, 0});
    ASSERT_TRUE(satellite->frequencyInfo());
    EXPECT_EQ(*satellite->frequencyInfo(), QList<FrequencyRecord>({FrequencyRecord{}}));
    EXPECT_EQ(navigation->topViewController()->title(), "Frequency Information");

    navigation->popViewControllerAnimated(true);
    EXPECT_EQ(screen.numberOfRowsInSection(0), 2);
    EXPECT_EQ(labelText(screen.displayTable()->cellForRow({0, 0}), 1), "");
}

TEST_F(DetailsScreen, FuturePassesFollowEachOtherWithinTheDefaultSpan) {
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    const auto& passes = screen.futurePasses();
    ASSERT_EQ(passes.size(), 10u);
    Date from = now;
    for (const auto& pass : passes) {
        ASSERT_TRUE(pass->aos() && pass->los());
        EXPECT_LT(from, *pass->aos());
        EXPECT_LE(from - now, 1728000.0);
        from = *pass->los();
    }
}

TEST_F(DetailsScreen, FuturePassesStopWhereTheNextSearchWouldStartAfterTheSpan) {
    app.setPassTimetableDuration(2 * 3600.0);  // two days
    app.setMinimumPathElevation(40);
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    const auto& passes = screen.futurePasses();
    ASSERT_FALSE(passes.empty());
    ASSERT_LT(passes.size(), 10u);
    const Date end = now + 2 * 86400.0;
    for (std::size_t i = 0; i + 1 < passes.size(); ++i) EXPECT_LE(*passes[i]->los(), end);
    EXPECT_GT(*passes.back()->los(), end);
}

TEST_F(DetailsScreen, ASatelliteWithoutPassesListsNone) {
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE GEO EAST"));
    EXPECT_EQ(screen.numberOfRowsInSection(2), 0);
}

TEST_F(DetailsScreen, PassRowsShowTimesAndWholeDegreesAndOpenThePass) {
    app.setUseUTC(true);
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    const std::shared_ptr<PassData> pass = screen.futurePasses().at(3);
    const TableViewCell cell = screen.displayTable()->cellForRow({2, 3});
    EXPECT_EQ(labelText(cell, 0), "AOS");
    EXPECT_EQ(labelText(cell, 1), pass->aos()->toQDateTime().toUTC().toString("dd-MMM HH:mm:ss"));
    EXPECT_EQ(labelText(cell, 2), "LOS");
    EXPECT_EQ(labelText(cell, 3), pass->los()->toQDateTime().toUTC().toString("dd-MMM HH:mm:ss"));
    EXPECT_EQ(labelText(cell, 4), "Max Elevation");

    // Whole degrees, cut rather than rounded: 45.9 shows as 45.
    bool roundingWouldDiffer = false;
    for (int row = 0; row < screen.numberOfRowsInSection(2); ++row) {
        const float highest = screen.futurePasses()
                                  .at(static_cast<std::size_t>(row))
                                  ->highestElevationEntry()
                                  ->elevation;
        roundingWouldDiffer |= highest - std::floor(highest) >= 0.5f;
        EXPECT_EQ(labelText(screen.displayTable()->cellForRow({2, row}), 5),
                  QString::number(static_cast<int>(highest)) + " °");
    }
    EXPECT_TRUE(roundingWouldDiffer);

    click({2, 3});
    auto* passScreen = dynamic_cast<PassViewController*>(navigation->topViewController());
    ASSERT_NE(passScreen, nullptr);
    EXPECT_EQ(passScreen->specificPass(), pass);
    EXPECT_EQ(&passScreen->targetSatellite(), satellite.get());
}

TEST_F(DetailsScreen, ThePassesAreBuiltAfreshAtEachAppearance) {
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    const Date firstAos = *screen.futurePasses().front()->aos();
    now = *screen.futurePasses().front()->los() + 1.0;
    click({1, 0});
    navigation->popViewControllerAnimated(true);
    ASSERT_FALSE(screen.futurePasses().empty());
    EXPECT_GT(*screen.futurePasses().front()->aos(), firstAos);
}

// The alert switch turns the satellite's alerts on and off in the watch settings' own file; the
// future passes that can be seen say when.
TEST_F(DetailsScreen, AlertSwitchAndTheVisiblePartOfFuturePasses) {
    app.setUseUTC(true);
    SatelliteDetailsController& screen = open(QStringLiteral("SAMPLE STATION"));
    EXPECT_EQ(screen.titleForHeaderInSection(3), "Pass Alerts");
    ASSERT_EQ(screen.numberOfRowsInSection(3), 1);
    EXPECT_EQ(screen.displayTable()->cellForRow({3, 0}).button()->text, "Off");
    screen.cellButtonTapped({3, 0});
    EXPECT_TRUE(app.watchSettings().alertsOn(QStringLiteral("SAMPLE STATION")));
    EXPECT_EQ(screen.displayTable()->cellForRow({3, 0}).button()->text, "On");
    EXPECT_EQ(WatchSettings::read(app.watchSettingsPath()), app.watchSettings());
    screen.cellButtonTapped({3, 0});
    EXPECT_TRUE(app.watchSettings().alertSatellites.isEmpty());

    // The visible parts are told once the user asks for sunlight and shadow.
    WatchSettings sunlight = app.watchSettings();
    sunlight.showSunlight = true;
    app.setWatchSettings(sunlight);
    screen.viewWillAppear(false);
    int visible = 0;
    for (int row = 0; row < screen.numberOfRowsInSection(2); ++row) {
        const QStringList texts = screen.displayTable()->cellForRow({2, row}).texts();
        if (!texts.contains(QStringLiteral("Visible"))) continue;
        ++visible;
        EXPECT_TRUE(texts.last().contains(QStringLiteral(" to ")))
            << texts.join(u'|').toStdString();
    }
    EXPECT_GT(visible, 0) << "some of ten station passes in December are seen at dusk or dawn";
}
