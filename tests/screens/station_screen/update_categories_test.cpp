// The choice of categories for element-set updates: flipping check marks one at a time (all
// checked stands for all, later ones included; the last one cannot go), and the screen over an
// update against a loopback server that has dropped one group: the server's categories listed,
// the dropped one shown as such, the choice saved and used by the next update.
#include <QFile>
#include <QLabel>
#include <QSignalSpy>

#include "LoopbackServer.h"
#include "TableView.h"
#include "UpdateCategoriesController.h"
#include "UpdateCategoryChoice.h"
#include "station_fixture.h"
#include "wait_until.h"

using update_choice::toggled;

namespace {

const QStringList server{QStringLiteral("Amateur"), QStringLiteral("Weather"),
                         QStringLiteral("Stations")};

}  // namespace

TEST(UpdateCategoryChoice, FlippingCheckMarksKeepsAllAsAllAndNeverChoosesNothing) {
    const update_choice::Toggle withoutWeather = toggled(server, std::nullopt, "Weather");
    EXPECT_FALSE(withoutWeather.refused);
    EXPECT_EQ(withoutWeather.chosen, (QStringList{"Amateur", "Stations"}));
    EXPECT_FALSE(update_choice::isChosen(withoutWeather.chosen, "Weather"));
    EXPECT_TRUE(update_choice::isChosen(std::nullopt, "Anything new")) << "none: all";

    const update_choice::Toggle allAgain = toggled(server, withoutWeather.chosen, "Weather");
    EXPECT_EQ(allAgain.chosen, std::nullopt) << "every one checked again: all, later ones too";

    const update_choice::Toggle last = toggled(server, QStringList{"Stations"}, "Stations");
    EXPECT_TRUE(last.refused);
    EXPECT_EQ(last.chosen, QStringList{"Stations"}) << "unchanged";

    // A category the server no longer names leaves the choice when the user next changes it.
    const update_choice::Toggle renamed =
        toggled(server, QStringList{"Amateur", "Old name"}, "Stations");
    EXPECT_EQ(renamed.chosen, (QStringList{"Amateur", "Stations"}));
}

namespace {

QByteArray serverPage(const QString& name) {
    QFile file(QStringLiteral(SKELVOR_TEST_DATA "/todays-server/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString groupTarget(const QString& query) {
    return QStringLiteral("/NORAD/elements/gp.php?%1&FORMAT=csv").arg(query);
}

// An update against an imitation of the server's group pages (tests/data/todays-server) that
// has dropped the GPS group.
class UpdateCategoriesScreen : public StationScreen {
protected:
    void SetUp() override {
        StationScreen::SetUp();
        loopback.setAnswer(QStringLiteral("/NORAD/elements/"),
                           {200, serverPage("index.html"), "text/html"});
        const QMap<QString, QString> groups{
            {"SPECIAL=gpz", "sample-geo.csv"},          {"GROUP=geo", "sample-geo.csv"},
            {"GROUP=last-30-days", "new-launches.csv"}, {"GROUP=other", "sample-heo.csv"},
            {"GROUP=stations", "sample-leo.csv"},       {"GROUP=other-comm", "sample-nav.csv"}};
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            loopback.setAnswer(groupTarget(group.key()),
                               {200, serverPage(group.value()), "text/csv"});
        }
        loopback.setAnswer(groupTarget("GROUP=gps-ops"), {404, "No GP data found"});
        app.setElementServer(loopback.url());
        app.setRequestSpacing(std::chrono::milliseconds(0));
    }

    void update() {
        const int before = loopback.requests();
        app.updateTLEs();
        ASSERT_SOON(app.updateState() == SkelvorAppDelegate::UpdateState::idle &&
                        loopback.requests() > before,
                    patience);
    }

    TableView* table() const { return screen->tableView(); }
    int rowOf(const QString& category) const {
        return static_cast<int>(screen->categories().indexOf(category));
    }
    void press(const QString& category) const {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->rectForRow({0, rowOf(category)}).center());
    }
    AccessoryType mark(const QString& category) const {
        return table()->cellForRow({0, rowOf(category)}).accessory;
    }

    LoopbackServer loopback{QStringLiteral(SKELVOR_SAMPLE_SERVER)};
    UpdateCategoriesController* screen = nullptr;
};

const QString gps = QStringLiteral("GPS Operational");
const QString stations = QStringLiteral("Space Stations");
const QString geostationary = QStringLiteral("Geostationary");

}  // namespace

TEST_F(UpdateCategoriesScreen, BeforeAnyUpdateItSaysWhereTheCategoriesComeFrom) {
    screen = show(std::make_unique<UpdateCategoriesController>());
    EXPECT_EQ(table()->model()->rowCount(), 0);
    EXPECT_TRUE(screen->note()->text().contains(QStringLiteral("after the first element-set")));
    EXPECT_FALSE(screen->allButton()->isEnabled());
}

TEST_F(UpdateCategoriesScreen, ListsTheServersCategoriesAndTheNextUpdateFetchesTheChoice) {
    update();
    screen = show(std::make_unique<UpdateCategoriesController>());
    ASSERT_EQ(screen->categories(), app.serverCategoryNames());
    ASSERT_TRUE(screen->categories().contains(gps));
    ASSERT_TRUE(screen->categories().contains(stations));
    for (const QString& category : screen->categories()) {
        EXPECT_EQ(mark(category), AccessoryType::checkmark) << category.toStdString();
        const bool saysDropped = table()
                                     ->cellForRow({0, rowOf(category)})
                                     .texts()
                                     .join(u' ')
                                     .contains(QStringLiteral("Dropped by the server"));
        EXPECT_EQ(saysDropped, category == gps) << category.toStdString();
    }
    saveShot(window, QStringLiteral("update-categories"));

    // Only the stations (and the dropped GPS group) stay checked.
    for (const QString& category : screen->categories()) {
        if (category != stations && category != gps) press(category);
    }
    EXPECT_EQ(mark(geostationary), AccessoryType::none);
    EXPECT_EQ(app.chosenUpdateCategories(), (QStringList{gps, stations}));
    app.waitForPendingSaves();
    EXPECT_EQ(app.savedState().updateCategories, app.chosenUpdateCategories()) << "saved";

    now = now + 3 * 3600.0;  // past the two hours in which nothing is fetched again
    const int before = loopback.requests();
    update();
    EXPECT_EQ(loopback.targets().mid(before),
              (QStringList{QStringLiteral("/NORAD/elements/"), groupTarget("GROUP=stations")}));

    press(gps);
    EXPECT_EQ(mark(gps), AccessoryType::none);
    press(stations);  // the last one checked
    EXPECT_EQ(mark(stations), AccessoryType::checkmark);
    EXPECT_TRUE(screen->note()->text().startsWith(QStringLiteral("At least one category")));
    EXPECT_EQ(app.chosenUpdateCategories(), QStringList{stations});

    screen->allButton()->click();
    EXPECT_EQ(app.chosenUpdateCategories(), std::nullopt);
    EXPECT_EQ(mark(geostationary), AccessoryType::checkmark);
    EXPECT_FALSE(screen->note()->text().startsWith(QStringLiteral("At least")));
}
