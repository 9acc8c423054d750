// The Tonight screen: the catalogue's visible passes of the night in time order under the
// night's dusk and dawn, and a row that opens its pass on the pass screen.
#include <QTest>

#include "FirstViewController.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SegmentedControl.h"
#include "TonightController.h"
#include "screen_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("tonight_screen_tests");

namespace {

class TonightScreen : public ScreenFixture {};

}  // namespace

TEST_F(TonightScreen, ListsTheNightsVisiblePassesAndOpensThem) {
    app.setUseUTC(true);
    select(QStringLiteral("SAMPLE STATION"));
    NavigationController navigation(std::make_unique<FirstViewController>());
    navigation.resize(400, 720);
    navigation.show();
    auto& list = static_cast<FirstViewController&>(*navigation.viewControllerAt(0));
    list.timelineEditButton()->clickSegment(2);
    auto* tonight = dynamic_cast<TonightController*>(navigation.visibleController());
    ASSERT_TRUE(tonight);
    EXPECT_EQ(tonight->title(), "Tonight");
    // The scan runs beside the window, which says so until the list comes.
    ASSERT_TRUE(tonight->isScanning());
    EXPECT_EQ(tonight->titleForHeaderInSection(0), "Looking through the catalogue…");
    QTRY_VERIFY_WITH_TIMEOUT(!tonight->isScanning(), 60000);
    const TonightList& passes = tonight->tonight();
    ASSERT_TRUE(passes.night);
    EXPECT_TRUE(tonight->titleForHeaderInSection(0).startsWith("Dusk 16:"))
        << tonight->titleForHeaderInSection(0).toStdString();
    ASSERT_GT(passes.passes.size(), 10u) << "the whole catalogue, not only the selection";
    EXPECT_EQ(tonight->numberOfRowsInSection(0), static_cast<int>(passes.passes.size()));
    for (std::size_t i = 1; i < passes.passes.size(); ++i) {
        EXPECT_FALSE(passes.passes[i].visible.start < passes.passes[i - 1].visible.start);
    }
    const TonightPass& third = passes.passes[2];
    const QStringList texts = tonight->tableView()->cellForRow({0, 2}).texts();
    EXPECT_EQ(texts.first(), third.name);
    EXPECT_TRUE(texts.last().startsWith("Visible ")) << texts.last().toStdString();

    saveShot(navigation, QStringLiteral("tonight"));
    tonight->didSelectRow({0, 2});
    auto* pass = dynamic_cast<PassViewController*>(navigation.visibleController());
    ASSERT_TRUE(pass);
    EXPECT_EQ(pass->targetSatellite().commonName(), third.name);
    ASSERT_TRUE(pass->specificPass() && pass->specificPass()->aos());
    EXPECT_NEAR(*pass->specificPass()->aos() - third.aos, 0.0, 2.0);
}

// A category chosen on the bar scans that category alone; "All categories" the whole catalogue.
TEST_F(TonightScreen, TheCategoryChosenOnTheBarIsTheOneScanned) {
    NavigationController navigation(std::make_unique<TonightController>());
    navigation.resize(400, 720);
    navigation.show();
    auto& tonight = static_cast<TonightController&>(*navigation.viewControllerAt(0));
    QTRY_VERIFY_WITH_TIMEOUT(!tonight.isScanning(), 60000);
    EXPECT_EQ(tonight.categoryButton()->text(), "All categories");
    const std::vector<TonightPass> all = tonight.tonight().passes;
    ASSERT_FALSE(all.empty());
    const QString chosen = all.front().category;

    tonight.chooseCategory(chosen);
    EXPECT_EQ(tonight.categoryButton()->text(), chosen);
    QTRY_VERIFY_WITH_TIMEOUT(!tonight.isScanning(), 60000);
    const std::vector<TonightPass>& some = tonight.tonight().passes;
    ASSERT_FALSE(some.empty());
    EXPECT_LT(some.size(), all.size());
    for (const TonightPass& pass : some) EXPECT_EQ(pass.category, chosen);

    tonight.chooseCategory(QString());
    QTRY_VERIFY_WITH_TIMEOUT(!tonight.isScanning(), 60000);
    EXPECT_EQ(tonight.tonight().passes.size(), all.size());
}
