// The search by name: the field, the prefix search from two characters, the result rows with
// their category and status, ticks that select through the catalogue, and closing.
#include <QLineEdit>
#include <QToolButton>

#include "SatelliteSearchController.h"
#include "selection_fixture.h"

class SearchScreen : public SelectionScreenFixture {
protected:
    SatelliteSearchController& openSearch() {
        CategorySelectionController& categories = showCategories();
        categories.satelliteSearch();
        return dynamic_cast<SatelliteSearchController&>(*navigation->modalViewController());
    }

    static void type(SatelliteSearchController& search, const QString& text) {
        QTest::keyClicks(search.searchBar()->textField(), text);
    }

    static QStringList resultNames(SatelliteSearchController& search) {
        return rowTexts(search.resultList());
    }
};

TEST_F(SearchScreen, FieldCapitalisesWithoutCorrectionAndShowsCancel) {
    SatelliteSearchController& search = openSearch();
    SearchBar* bar = search.searchBar();

    EXPECT_TRUE(bar->capitalizesAllCharacters());
    EXPECT_FALSE(bar->autocorrection());
    EXPECT_TRUE(bar->cancelButton()->isVisible());
    EXPECT_EQ(bar->cancelButton()->text(), "Cancel");
    EXPECT_EQ(navigation->focusWidget(), bar->textField());
    type(search, "sample Nav");
    EXPECT_EQ(bar->text(), "SAMPLE NAV");
}

TEST_F(SearchScreen, NeedsTwoCharacters) {
    SatelliteSearchController& search = openSearch();

    type(search, "s");
    EXPECT_TRUE(resultNames(search).isEmpty());
    type(search, "a");
    EXPECT_EQ(resultNames(search).size(), 21);
    QTest::keyClick(search.searchBar()->textField(), Qt::Key_Backspace);
    EXPECT_TRUE(resultNames(search).isEmpty());
    EXPECT_TRUE(search.matchingCategoryNames().isEmpty());
}

TEST_F(SearchScreen, FindsNamesBeginningWithTheTextInAnyCase) {
    mergeCategory("Mixed", {"ISS [+]", "Iss mixed [+]", "iss lower [-]", "I [+]", "XISS [+]"});
    SatelliteSearchController& search = openSearch();

    type(search, "is");
    EXPECT_EQ(resultNames(search), QStringList({"ISS", "Iss mixed", "iss lower"}));
    type(search, "s ");
    EXPECT_EQ(resultNames(search), QStringList({"Iss mixed", "iss lower"}));
    type(search, "m");
    EXPECT_EQ(resultNames(search), QStringList({"Iss mixed"}));
}

TEST_F(SearchScreen, ResultRowsShowNameCategoryAndStatus) {
    SatelliteSearchController& search = openSearch();
    type(search, "SAMPLE NAV C");

    ASSERT_EQ(resultNames(search), QStringList({"SAMPLE NAV C1"}));
    const TableViewCell cell = search.resultList()->cellForRow({0, 0});
    ASSERT_EQ(cell.labels.size(), 3u);
    EXPECT_EQ(cell.labels[0].text, "SAMPLE NAV C1");
    EXPECT_EQ(cell.labels[0].frame, QRectF(0, 0, 200, 40));
    EXPECT_TRUE(cell.labels[0].wordWrap);
    EXPECT_TRUE(cell.labels[0].font.bold());
    EXPECT_EQ(cell.labels[1].text, "Sample nav");
    EXPECT_EQ(cell.labels[1].frame, QRectF(200, 0, 100, 20));
    EXPECT_EQ(cell.labels[2].text, "Extended");
    EXPECT_EQ(cell.labels[2].frame, QRectF(200, 20, 100, 20));
    EXPECT_EQ(cell.labels[2].color, cell.labels[1].color);
    EXPECT_EQ(search.resultList()->rectForRow({0, 0}).height(), 40);
}

TEST_F(SearchScreen, LongNamesShrinkToTwoLinesDownToTwelve) {
    mergeCategory("Long", {"SAMPLE NAME THAT NEEDS SHRINKING [+]",
                           "SAMPLE NAME OF SUCH LENGTH THAT NOT EVEN THE SMALLEST SIZE HOLDS IT IN "
                           "TWO LINES [+]"});
    SatelliteSearchController& search = openSearch();
    type(search, "SAMPLE ");

    const int longer =
        static_cast<int>(resultNames(search).indexOf("SAMPLE NAME THAT NEEDS SHRINKING"));
    const CellLabel name = search.resultList()->cellForRow({0, longer}).labels[0];
    EXPECT_LT(name.font.pixelSize(), 20);
    EXPECT_GT(name.font.pixelSize(), 12);
    EXPECT_LE(QFontMetricsF(name.font)
                  .boundingRect(QRectF(0, 0, 200, 1000), Qt::TextWordWrap, name.text)
                  .height(),
              40.0);
    const int longest = longer == 0 ? 1 : 0;
    EXPECT_EQ(search.resultList()->cellForRow({0, longest}).labels[0].font.pixelSize(), 12);
    const int station = static_cast<int>(resultNames(search).indexOf("SAMPLE STATION"));
    EXPECT_EQ(search.resultList()->cellForRow({0, station}).labels[0].font.pixelSize(), 20);
}

TEST_F(SearchScreen, CutsAStatusTooWideForItsLabel) {
    SatelliteSearchController& search = openSearch();
    type(search, "SAMPLE TELESCOPE");

    const CellLabel status = search.resultList()->cellForRow({0, 0}).labels[2];
    EXPECT_TRUE(status.text.startsWith("Partially")) << status.text.toStdString();
    EXPECT_TRUE(status.text.endsWith(QChar(0x2026))) << status.text.toStdString();
    QFont smallest = status.font;
    smallest.setPixelSize(12);
    EXPECT_LE(QFontMetricsF(smallest).horizontalAdvance(status.text), 100.0);
}

TEST_F(SearchScreen, ListsASatelliteOfTwoCategoriesTwice) {
    mergeCategory("Stations", {"SAMPLE STATION [+]"});
    SatelliteSearchController& search = openSearch();

    type(search, "SAMPLE ST");

    EXPECT_EQ(resultNames(search), QStringList({"SAMPLE STATION", "SAMPLE STATION"}));
    EXPECT_EQ(search.matchingCategoryNames(), QStringList({"Sample leo", "Stations"}));
    EXPECT_EQ(search.resultList()->cellForRow({0, 1}).labels[1].text, "Stations");
}

TEST_F(SearchScreen, TicksSelectThroughTheCatalogueAndSave) {
    mergeCategory("Stations", {"SAMPLE STATION [+]"});
    select("SAMPLE MOLNIYA");
    SatelliteSearchController& search = openSearch();
    TableView* results = search.resultList();
    type(search, "SAMPLE");
    const int station = static_cast<int>(search.matchingCategoryNames().indexOf("Stations"));
    const int molniya = static_cast<int>(resultNames(search).indexOf("SAMPLE MOLNIYA"));
    EXPECT_EQ(results->cellForRow({0, molniya}).accessory, AccessoryType::checkmark);

    tap(results, {0, station});
    EXPECT_EQ(results->cellForRow({0, station}).accessory, AccessoryType::checkmark);
    EXPECT_FALSE(results->indexPathForSelectedRow());
    const auto first = app.knownSatellites().value("Sample leo").value("SAMPLE STATION");
    EXPECT_TRUE(app.selectedSatellites().contains(first));
    EXPECT_EQ(lastSavedSelection(), QStringList({"SAMPLE MOLNIYA", "SAMPLE STATION"}));
    shoot("search-results");

    tap(results, {0, station});
    tap(results, {0, molniya});
    EXPECT_EQ(results->cellForRow({0, station}).accessory, AccessoryType::none);
    EXPECT_EQ(results->cellForRow({0, molniya}).accessory, AccessoryType::none);
    EXPECT_TRUE(app.selectedSatellites().isEmpty());
    EXPECT_TRUE(lastSavedSelection().isEmpty());
}

TEST_F(SearchScreen, CancelReturnAndEscapeCloseTheSearch) {
    openSearch();
    QTest::mouseClick(dynamic_cast<SatelliteSearchController&>(*navigation->modalViewController())
                          .searchBar()
                          ->cancelButton(),
                      Qt::LeftButton);
    EXPECT_EQ(navigation->modalViewController(), nullptr);

    CategorySelectionController& categories =
        dynamic_cast<CategorySelectionController&>(*navigation->topViewController());
    categories.satelliteSearch();
    auto* search = dynamic_cast<SatelliteSearchController*>(navigation->modalViewController());
    ASSERT_NE(search, nullptr);
    QTest::keyClick(search->searchBar()->textField(), Qt::Key_Return);
    EXPECT_EQ(navigation->modalViewController(), nullptr);

    categories.satelliteSearch();
    search = dynamic_cast<SatelliteSearchController*>(navigation->modalViewController());
    ASSERT_NE(search, nullptr);
    QTest::keyClick(search->searchBar()->textField(), Qt::Key_Escape);
    EXPECT_EQ(navigation->modalViewController(), nullptr);
    EXPECT_EQ(navigation->topViewController(), &categories);
}

TEST_F(SearchScreen, ShowsAHugeCategoryWhole) {
    constexpr int count = 12000;
    mergeBulkCategory(count);
    select("BULK 06000");
    SatelliteSearchController& search = openSearch();

    type(search, "BULK");
    search.resultList()->grab();
    QTest::keyClick(search.searchBar()->textField(), Qt::Key_Backspace);
    type(search, "K");

    ASSERT_EQ(search.matchingSatellites().size(), static_cast<std::size_t>(count));
    EXPECT_EQ(search.resultList()->cellForRow({0, 5999}).accessory, AccessoryType::checkmark);
    EXPECT_EQ(search.resultList()->cellForRow({0, 6000}).accessory, AccessoryType::none);
}
