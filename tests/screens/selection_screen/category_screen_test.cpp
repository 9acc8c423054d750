// The category screen: its order, the way to a category's satellites and to the search, and
// categories that arrive after the screen was made.
#include "SatelliteSearchController.h"
#include "SatelliteSelectionController.h"
#include "selection_fixture.h"

using CategoryScreen = SelectionScreenFixture;

TEST_F(CategoryScreen, ListsCategoriesCapitalsFirstWithDisclosureArrows) {
    mergeCategory("aa", {"LOWER [+]"});
    mergeCategory("Zz", {"UPPER [+]"});
    CategorySelectionController& categories = showCategories();

    const QStringList expected = {"Sample geo", "Sample heo", "Sample leo",
                                  "Sample nav", "Zz",         "aa"};
    EXPECT_EQ(categories.sortedCategoryKeys(), expected);
    EXPECT_EQ(rowTexts(categories.tableView()), expected);
    EXPECT_EQ(categories.tableView()->cellForRow({0, 5}).accessory,
              AccessoryType::disclosureIndicator);
    EXPECT_EQ(categories.title(), "Categories");
    shoot("select-categories");
}

TEST_F(CategoryScreen, TapOpensTheCategorysSatellites) {
    CategorySelectionController& categories = showCategories();

    tap(categories.tableView(), {0, 2});

    ASSERT_EQ(navigation->count(), 2);
    auto* satellites = dynamic_cast<SatelliteSelectionController*>(navigation->topViewController());
    ASSERT_NE(satellites, nullptr);
    EXPECT_EQ(satellites->category(), "Sample leo");
    EXPECT_EQ(satellites->title(), "Sample leo");
    EXPECT_TRUE(satellites->sortedSatelliteNames(0).contains("SAMPLE STATION"));
}

TEST_F(CategoryScreen, SearchButtonPresentsTheSearchOverTheTab) {
    CategorySelectionController& categories = showCategories();
    ASSERT_NE(categories.searchButton(), nullptr);
    EXPECT_TRUE(categories.searchButton()->isVisible());

    categories.searchButton()->click();

    EXPECT_NE(dynamic_cast<SatelliteSearchController*>(navigation->modalViewController()), nullptr);
    EXPECT_EQ(navigation->count(), 1);
}

TEST_F(CategoryScreen, ShowsCategoriesAddedWhileItWasAway) {
    CategorySelectionController& categories = showCategories();
    tap(categories.tableView(), {0, 0});

    mergeCategory("Weather", {"NEW WEATHER [+]"});
    navigation->popViewControllerAnimated(true);

    EXPECT_EQ(categories.sortedCategoryKeys().last(), "Weather");
    EXPECT_EQ(rowTexts(categories.tableView()).last(), "Weather");
    EXPECT_FALSE(categories.tableView()->indexPathForSelectedRow());
}

TEST_F(CategoryScreen, ShowsTheFirstLoadingsCategoriesWhenTheTabComesBack) {
    SkelvorAppDelegate fresh;  // a new user's empty catalogue
    CategorySelectionController& categories = showCategories();
    EXPECT_TRUE(rowTexts(categories.tableView()).isEmpty());

    navigation->hide();
    fresh.mergeTLEFile(elementSet("FIRST [+]", 1), "Loaded", "loaded.txt");
    navigation->show();

    EXPECT_EQ(rowTexts(categories.tableView()), QStringList({"Loaded"}));
    navigation.reset();
}
