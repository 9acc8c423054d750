// The search by name: the field, the search from two characters (names beginning with the text,
// then names holding it), the result rows with their category and status laid out whole at any
// width, ticks that select through the catalogue, and closing.
#include <QFontMetricsF>
#include <QLineEdit>
#include <QToolButton>
#include <cmath>

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

TEST_F(SearchScreen, FindsNamesBeginningWithTheTextFirstThenNamesHoldingIt) {
    mergeCategory("Mixed", {"XISS [+]", "ISS [+]", "Iss mixed [+]", "iss lower [-]", "I [+]"});
    SatelliteSearchController& search = openSearch();

    type(search, "is");
    // Then, in the catalogue's order of categories, the names holding the text further on.
    EXPECT_EQ(resultNames(search),
              QStringList({"ISS", "Iss mixed", "iss lower", "XISS", "SAMPLE DEBRIS"}));
    type(search, "s ");
    EXPECT_EQ(resultNames(search), QStringList({"Iss mixed", "iss lower"}));
    type(search, "m");
    EXPECT_EQ(resultNames(search), QStringList({"Iss mixed"}));
}

TEST_F(SearchScreen, AnyPartOfANameFindsIt) {
    SatelliteSearchController& search = openSearch();
    type(search, "molni");
    EXPECT_EQ(resultNames(search), QStringList({"SAMPLE MOLNIYA"}));
}

TEST_F(SearchScreen, ResultRowsShowNameCategoryAndStatus) {
    SatelliteSearchController& search = openSearch();
    type(search, "SAMPLE NAV C");

    ASSERT_EQ(resultNames(search), QStringList({"SAMPLE NAV C1"}));
    const TableViewCell cell = search.resultList()->cellForRow({0, 0});
    EXPECT_EQ(cell.texts(), QStringList({"SAMPLE NAV C1", "Sample nav", "Extended"}));
    EXPECT_EQ(cell.lines.at(0).at(0).style, TextStyle::title);
    EXPECT_EQ(cell.side.at(0).at(0).colour, CellColour::accent);
    EXPECT_EQ(cell.side.at(1).at(0).colour, cell.side.at(0).at(0).colour);
    EXPECT_TRUE(cell.checkable);
}

// At a narrow and a wide window the rows keep every text whole, each within its row and apart
// from the others, laid out with the fonts the list is drawn in.
TEST_F(SearchScreen, LongNamesAndStatusesAreShownWholeAtAnyWidth) {
    mergeCategory("Long", {"SAMPLE NAME OF SUCH LENGTH THAT IT TAKES SEVERAL LINES [+]",
                           "SAMPLE TELESCOPE [+]"});
    SatelliteSearchController& search = openSearch();
    type(search, "SAMPLE ");
    TableView* results = search.resultList();
    for (const int width : {360, 1280}) {
        navigation->resize(width, 700);
        QCoreApplication::processEvents();
        for (int row = 0; row < results->model()->rowCount() - 7; ++row) {
            const QRect rect = results->rectForRow({0, row});
            const CellGeometry geometry = results->geometryForRow({0, row}, rect);
            EXPECT_EQ(rect.height(), static_cast<int>(std::ceil(geometry.height)));
            for (std::size_t i = 0; i < geometry.pieces.size(); ++i) {
                const PlacedPiece& piece = geometry.pieces[i];
                EXPECT_TRUE(QRectF(rect).contains(piece.rect)) << piece.text.toStdString();
                EXPECT_GE(piece.rect.height(),
                          QFontMetricsF(piece.font)
                                  .boundingRect(QRectF(0, 0, piece.rect.width(), 1e6),
                                                Qt::TextWordWrap | piece.flags, piece.text)
                                  .height() -
                              0.5);
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(piece.rect.intersects(geometry.pieces[j].rect));
                }
            }
        }
    }
    // The sample telescope's own category comes after "Long".
    const int telescope = static_cast<int>(resultNames(search).lastIndexOf("SAMPLE TELESCOPE"));
    EXPECT_TRUE(results->cellForRow({0, telescope}).texts().contains("Partially Operational"));
}

TEST_F(SearchScreen, ListsASatelliteOfTwoCategoriesTwice) {
    mergeCategory("Stations", {"SAMPLE STATION [+]"});
    SatelliteSearchController& search = openSearch();

    type(search, "SAMPLE ST");

    EXPECT_EQ(resultNames(search), QStringList({"SAMPLE STATION", "SAMPLE STATION"}));
    EXPECT_EQ(search.matchingCategoryNames(), QStringList({"Sample leo", "Stations"}));
    EXPECT_EQ(search.resultList()->cellForRow({0, 1}).texts().at(1), "Stations");
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
