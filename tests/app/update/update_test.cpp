// The element-set update as a user meets it: the age check and its question, loading the
// categories with progress and Cancel, and every way the server can fail.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "FakeAlerts.h"
#include "LoopbackServer.h"
#include "SkelvorAppDelegate.h"

using namespace std::chrono_literals;
using Fault = LoopbackServer::Fault;

namespace {

const Date launch(818300000.0);  // 2026-12-07, the clock of these tests
constexpr double day = 86400.0;
const QString read_error = QStringLiteral("Error reading TLE files");
const QString standard_error = QStringLiteral(
    "An error has ocurred while trying to read the TLE files. Please re-start the application "
    "later on to pick up the latest TLE information");
const QString forbidden_text = QStringLiteral(
    "GP data has not updated since your last successful download. Data is updated once every 2 "
    "hours.");

class Update : public testing::Test {
protected:
    void SetUp() override {
        app.setDataDirectory(directory.path());
        app.setElementServer(server.url());
        app.setAlertViewFactory(board.factory());
        app.setReachability([](const QUrl&) { return true; });
        app.setFetchDeadlines({1000ms, 1000ms, 3000ms});
        app.setRequestSpacing(5ms);
        app.setClock([] { return launch; });
    }

    // Answers the question with "Yes" and waits until the loading has ended.
    void loadEverything() {
        app.setDateOfLastTLEUpdate(launch - 30 * day);
        app.updateTLEsIfOldBy(2 * day);
        board.find("TLE Files Out of Date")->clickButton(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !app.networkActivityIndicatorVisible(); }, 20000));
    }

    QStringList categories() const { return app.knownSatellites().keys(); }

    QTemporaryDir directory;
    LoopbackServer server{SKELVOR_SAMPLE_SERVER};
    AlertBoard board;
    SkelvorAppDelegate app;
};

}  // namespace

TEST_F(Update, TheAgeCheckAsksOnlyWhenTheSetsAreTooOld) {
    app.setDateOfLastTLEUpdate(launch - 1.5 * day);
    app.updateTLEsIfOldBy(2 * day);
    EXPECT_TRUE(board.shown.isEmpty());

    app.updateTLEsIfOldBy(1 * day);
    EXPECT_EQ(board.shown.last(),
              "TLE Files Out of Date: The current TLE files are 2 days old. "
              "Do you want to update these files now?");
    EXPECT_EQ(board.find("TLE Files Out of Date")->buttons(), QStringList({"No", "Yes"}));

    app.setDateOfLastTLEUpdate(launch - 0.6 * day);
    app.updateTLEsIfOldBy(0.0);
    EXPECT_TRUE(board.shown.last().contains("are 1 day old."));

    app.setDateOfLastTLEUpdate(Date(-63113904000.0));  // never updated
    app.updateTLEsIfOldBy(2 * day);
    EXPECT_TRUE(board.shown.last().startsWith("No TLE Files: No TLE information appears"));

    app.setReachability([](const QUrl&) { return false; });
    app.updateTLEsIfOldBy(2 * day);
    EXPECT_TRUE(board.shown.last().startsWith("No network connectivity: "));
    EXPECT_EQ(board.find("No network connectivity")->buttons(), QStringList({"OK"}));
}

TEST_F(Update, YesLoadsEveryCategoryWithProgressAndAsksForASave) {
    loadEverything();
    EXPECT_EQ(categories(), QStringList({"Sample eccentric orbits", "Sample geostationary",
                                         "Sample low orbits", "Sample navigation"}));
    EXPECT_EQ(app.knownSatellites()["Sample low orbits"].size(), 10);
    EXPECT_EQ(app.knownSatellites()["Sample low orbits"]["SAMPLE SIX-DIGIT"]->catalogNumber(),
              100001);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch);
    EXPECT_TRUE(board.shown.contains("Loading TLE files: 1 of 4"));
    EXPECT_EQ(board.find("Loading TLE files"), nullptr) << "the progress box is closed";
    app.waitForPendingSaves();
    EXPECT_TRUE(QFile::exists(app.stateFilePath()));
}

TEST_F(Update, NoLeavesEverythingAsItWas) {
    app.setDateOfLastTLEUpdate(launch - 30 * day);
    app.updateTLEsIfOldBy(2 * day);
    board.find("TLE Files Out of Date")->clickButton(0);
    EXPECT_TRUE(board.live.isEmpty());
    EXPECT_EQ(server.requests(), 0);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch - 30 * day);
}

TEST_F(Update, CancelKeepsWhatIsMergedAndTheDate) {
    app.setDateOfLastTLEUpdate(launch - 30 * day);
    app.updateTLEsIfOldBy(2 * day);
    board.find("TLE Files Out of Date")->clickButton(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !categories().isEmpty(); }, 10000));
    const qsizetype merged = categories().size();
    board.find("Loading TLE files")->clickButton(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.networkActivityIndicatorVisible(); }, 10000));
    EXPECT_EQ(categories().size(), merged);
    EXPECT_LT(merged, 4);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch - 30 * day);
}

TEST_F(Update, AFailedCategoryFileStopsTheLoadingAndIsReported) {
    for (const Fault fault : {Fault::silent, Fault::drip, Fault::cutOff, Fault::notFound,
                              Fault::forbidden, Fault::redirectToHtml, Fault::htmlInstead}) {
        SCOPED_TRACE(static_cast<int>(fault));
        SkelvorAppDelegate fresh;
        fresh.setElementServer(server.url());
        fresh.setAlertViewFactory(board.factory());
        fresh.setReachability([](const QUrl&) { return true; });
        fresh.setFetchDeadlines({1000ms, 1000ms, 3000ms});
        fresh.setRequestSpacing(5ms);
        fresh.setClock([] { return launch; });
        fresh.setDateOfLastTLEUpdate(launch - 30 * day);
        server.setFault("sample-geo.txt", fault);  // the second category in loading order

        fresh.updateTLEsIfOldBy(2 * day);
        board.find("TLE Files Out of Date")->clickButton(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return board.find(read_error) != nullptr; }, 10000));
        EXPECT_EQ(fresh.knownSatellites().keys(), QStringList({"Sample eccentric orbits"}));
        EXPECT_EQ(fresh.dateOfLastTLEUpdate(), launch - 30 * day);
        EXPECT_FALSE(fresh.networkActivityIndicatorVisible());
        EXPECT_EQ(board.find("Loading TLE files"), nullptr);
        // A refusal is told in the server's words, any other failure in the standard ones.
        FakeAlertView* error = board.find(read_error);
        const QString message = fault == Fault::notFound    ? "Not found"
                                : fault == Fault::forbidden ? forbidden_text
                                                            : standard_error;
        EXPECT_EQ(error->message(), message);
        ASSERT_EQ(error->buttons(), QStringList({"OK"}));
        error->clickButton(0);
        EXPECT_EQ(board.find(read_error), nullptr) << "OK closes the box";
    }
}

TEST_F(Update, AnUnreadableIndexPageIsReported) {
    for (const Fault fault : {Fault::notFound, Fault::forbidden, Fault::redirectToHtml,
                              Fault::htmlInstead, Fault::cutOff}) {
        SCOPED_TRACE(static_cast<int>(fault));
        server.setFault("NORAD/elements/", fault);
        app.setDateOfLastTLEUpdate(launch - 30 * day);
        app.updateTLEs();  // after a failure only the user starts the next update
        ASSERT_TRUE(QTest::qWaitFor([&] { return board.find(read_error) != nullptr; }, 10000));
        EXPECT_TRUE(categories().isEmpty());
        EXPECT_EQ(app.dateOfLastTLEUpdate(), launch - 30 * day);
        EXPECT_FALSE(app.networkActivityIndicatorVisible());
        board.find(read_error)->clickButton(0);
    }
}
