// The satellites of one category: the seven status sections, the check marks, and a tap that
// selects or drops a satellite, asks for a save and leaves the row highlighted.

#include "NotificationCenter.h"
#include "SatelliteSelectionController.h"
#include "selection_fixture.h"

namespace {

const QStringList sectionTitles = {
    "Operational", "Partially Operational", "Not Operational", "On Standby", "Spare", "Extended",
    "Unknown"};

}  // namespace

class SatelliteScreen : public SelectionScreenFixture {
protected:
    SatelliteSelectionController& open(const QString& category) {
        CategorySelectionController& categories = showCategories();
        const auto row = categories.sortedCategoryKeys().indexOf(category);
        EXPECT_GE(row, 0);
        tap(categories.tableView(), {0, static_cast<int>(row)});
        return dynamic_cast<SatelliteSelectionController&>(*navigation->topViewController());
    }

    static QStringList headers(TableView* table) {
        QStringList titles;
        for (int section = 0; section < table->dataSource()->numberOfSections(); ++section) {
            titles.append(table->dataSource()->titleForHeaderInSection(section));
        }
        return titles;
    }
};

TEST_F(SatelliteScreen, ShowsAllSevenSectionsForASingleStatus) {
    mergeCategory("Beacons", {"BEACON B [+]", "BEACON A [+]"});
    SatelliteSelectionController& satellites = open("Beacons");
    TableView* table = satellites.tableView();

    EXPECT_EQ(table->style(), TableViewStyle::grouped);
    EXPECT_EQ(headers(table), sectionTitles);
    EXPECT_EQ(rowTexts(table, 0), QStringList({"BEACON A", "BEACON B"}));
    for (int section = 1; section < 7; ++section) {
        EXPECT_EQ(table->dataSource()->numberOfRowsInSection(section), 0) << section;
    }
}

TEST_F(SatelliteScreen, TapTogglesTheSelectionAndAsksForASave) {
    select("SAMPLE STATION");
    SatelliteSelectionController& satellites = open("Sample leo");
    TableView* table = satellites.tableView();
    const IndexPath station{0, 2};
    const IndexPath amateur{0, 0};
    ASSERT_EQ(table->cellForRow(station).text, "SAMPLE STATION");
    EXPECT_EQ(table->cellForRow(station).accessory, AccessoryType::checkmark);
    EXPECT_EQ(table->cellForRow(amateur).accessory, AccessoryType::none);
    int notifications = 0;
    const auto token = NotificationCenter::defaultCenter().addObserver(
        "SatelliteSelectionAltered", [&](const Notification&) { ++notifications; });

    tap(table, amateur);
    EXPECT_EQ(table->cellForRow(amateur).accessory, AccessoryType::checkmark);
    EXPECT_EQ(table->indexPathForSelectedRow(), amateur);
    EXPECT_EQ(selectedNames(), QStringList({"SAMPLE STATION", "SAMPLE AMATEUR 1"}));
    EXPECT_EQ(lastSavedSelection(), selectedNames());
    shoot("select-satellites");

    tap(table, station);
    EXPECT_EQ(table->cellForRow(station).accessory, AccessoryType::none);
    EXPECT_EQ(table->indexPathForSelectedRow(), station);
    EXPECT_EQ(selectedNames(), QStringList({"SAMPLE AMATEUR 1"}));
    EXPECT_EQ(lastSavedSelection(), QStringList({"SAMPLE AMATEUR 1"}));
    EXPECT_EQ(notifications, 2);
    NotificationCenter::defaultCenter().removeObserver(token);
}

TEST_F(SatelliteScreen, ChecksANameSelectedInAnEarlierCategory) {
    mergeCategory("Later", {"SAMPLE STATION [+]"});
    select("SAMPLE STATION");
    SatelliteSelectionController& satellites = open("Later");

    EXPECT_EQ(satellites.tableView()->cellForRow({0, 0}).accessory, AccessoryType::checkmark);
    tap(satellites.tableView(), {0, 0});
    EXPECT_EQ(satellites.tableView()->cellForRow({0, 0}).accessory, AccessoryType::none);
    EXPECT_TRUE(app.selectedSatellites().isEmpty());
}

TEST_F(SatelliteScreen, FollowsSelectionChangesMadeOnAnotherTab) {
    SatelliteSelectionController& satellites = open("Sample leo");
    TableView* table = satellites.tableView();
    tap(table, {0, 2});
    ASSERT_EQ(table->cellForRow({0, 2}).accessory, AccessoryType::checkmark);

    navigation->hide();
    app.setSatelliteSelected("SAMPLE STATION", false);
    navigation->show();

    EXPECT_EQ(table->cellForRow({0, 2}).accessory, AccessoryType::none);
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 2}));
}

TEST_F(SatelliteScreen, ShowsAHugeCategoryWhole) {
    constexpr int count = 12000;
    mergeBulkCategory(count);
    select("BULK 00001");

    SatelliteSelectionController& satellites = open("Bulk");
    TableView* table = satellites.tableView();
    tap(table, {0, 1});
    navigation->hide();
    app.setSatelliteSelected("BULK 00001", false);
    navigation->show();
    table->grab();

    EXPECT_EQ(table->dataSource()->numberOfRowsInSection(0), count);
    EXPECT_EQ(table->cellForRow({0, 0}).text, "BULK 00001");
    EXPECT_EQ(table->cellForRow({0, 0}).accessory, AccessoryType::none);
    EXPECT_EQ(table->cellForRow({0, 1}).accessory, AccessoryType::checkmark);
}
