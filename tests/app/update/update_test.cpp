// The element-set update as a user meets it: the age check and its question, loading the
// categories with progress and Cancel, and every way the server can fail, each told, none
// replacing good element sets.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "LoopbackServer.h"
#include "Translations.h"
#include "update_fixture.h"

using Fault = LoopbackServer::Fault;

namespace {

const Date launch(818300000.0);  // 2026-12-07, the clock of these tests
constexpr double day = 86400.0;
constexpr double two_hours = 7200.0;
const QString read_error = QStringLiteral("Error reading TLE files");
const QString standard_error = QStringLiteral(
    "An error has occurred while trying to read the TLE files. Please re-start the application "
    "later on to pick up the latest TLE information");
const QString forbidden_text = QStringLiteral(
    "GP data has not updated since your last successful download. Data is updated once every 2 "
    "hours.");
const QStringList sample_categories{"Sample eccentric orbits", "Sample geostationary",
                                    "Sample low orbits", "Sample navigation"};

QByteArray sampleFile(const QString& name) {
    QFile file(QStringLiteral(SKELVOR_SAMPLES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Update : public testing::Test {
protected:
    void SetUp() override {
        installTranslations({QStringLiteral("en")});  // the English plural forms
        app.setDataDirectory(directory.path());
        app.setCacheDirectory(directory.filePath("cache"));
        prepareForUpdates(app, server.url(), board, [this] { return clock; });
    }

    // Answers the question with "Yes" and waits until the loading has ended.
    void loadEverything() {
        app.setDateOfLastTLEUpdate(clock - 30 * day);
        app.updateTLEsIfOldBy(2 * day);
        ASSERT_NE(board.find("TLE Files Out of Date"), nullptr);
        board.find("TLE Files Out of Date")->clickButton(1);
        ASSERT_TRUE(waitForTheUpdate(app));
    }

    QStringList categories() const { return app.knownSatellites().keys(); }
    std::shared_ptr<SatelliteData> station() const {
        return app.knownSatellites().value("Sample low orbits").value("SAMPLE STATION");
    }

    Date clock = launch;
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
    board.find("TLE Files Out of Date")->clickButton(0);

    app.setDateOfLastTLEUpdate(launch - 0.6 * day);
    app.updateTLEsIfOldBy(0.0);
    EXPECT_TRUE(board.shown.last().contains("are 1 day old."));
    board.find("TLE Files Out of Date")->clickButton(0);

    app.setDateOfLastTLEUpdate(Date(-63113904000.0));  // never updated
    app.updateTLEsIfOldBy(2 * day);
    EXPECT_TRUE(board.shown.last().startsWith("No TLE Files: No TLE information appears"));
    board.find("No TLE Files")->clickButton(0);

    app.setReachability(answering(false));
    app.updateTLEsIfOldBy(2 * day);
    EXPECT_TRUE(board.shown.last().startsWith("No network connectivity: "));
    EXPECT_EQ(board.find("No network connectivity")->buttons(), QStringList({"OK"}));
}

// The reachability service answers from the event loop: nothing waits for it, and the question
// comes when it has answered.
TEST_F(Update, TheQuestionWaitsForTheReachabilityServiceWithoutHoldingTheCaller) {
    ReachabilityAnswer pending;
    app.setReachability([&](const QUrl&, ReachabilityAnswer answer) { pending = answer; });
    app.setDateOfLastTLEUpdate(launch - 30 * day);
    app.updateTLEsIfOldBy(2 * day);
    EXPECT_EQ(app.updateState(), SkelvorAppDelegate::UpdateState::checking);
    EXPECT_TRUE(board.shown.isEmpty());
    pending(true);
    EXPECT_EQ(board.shown.size(), 1);
    EXPECT_EQ(app.updateState(), SkelvorAppDelegate::UpdateState::asking);
}

TEST_F(Update, YesLoadsEveryCategoryWithProgressAndAsksForASave) {
    loadEverything();
    EXPECT_EQ(categories(), sample_categories);
    EXPECT_EQ(app.knownSatellites()["Sample low orbits"].size(), 10);
    EXPECT_EQ(app.knownSatellites()["Sample low orbits"]["SAMPLE SIX-DIGIT"]->catalogNumber(),
              100001);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch);
    // The box is there while the index page is read; then it counts the files, from 1.
    EXPECT_TRUE(board.shown.contains("Loading TLE files: Reading the list of files"));
    QStringList counts = board.messages.filter("Loading TLE files: ");
    counts.removeIf([](const QString& message) { return message.contains("Reading"); });
    EXPECT_TRUE(counts.first().startsWith("Loading TLE files: 1 of 4")) << counts.join('|').data();
    EXPECT_TRUE(counts.last().startsWith("Loading TLE files: 4 of 4"));
    EXPECT_TRUE(board.messages.join('|').contains(" of 4\n")) << "the bytes of each transfer";
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

TEST_F(Update, CancelKeepsAndSavesWhatIsMergedButNotTheDate) {
    app.setDateOfLastTLEUpdate(launch - 30 * day);
    app.updateTLEsIfOldBy(2 * day);
    board.find("TLE Files Out of Date")->clickButton(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !categories().isEmpty(); }, 10000));
    const qsizetype merged = categories().size();
    board.find("Loading TLE files")->clickButton(0);
    EXPECT_FALSE(app.networkActivityIndicatorVisible());
    EXPECT_EQ(app.updateState(), SkelvorAppDelegate::UpdateState::idle);
    QTest::qWait(50);
    EXPECT_EQ(categories().size(), merged);
    EXPECT_LT(merged, 4);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch - 30 * day);

    app.waitForPendingSaves();
    SkelvorAppDelegate restarted;
    restarted.setDataDirectory(directory.path());
    restarted.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
    EXPECT_EQ(restarted.knownSatellites().size(), merged) << "what merged was saved";
}

// During a transfer that drips one byte every two seconds, Cancel ends it at once and the
// event loop never pauses long: the window stays responsive.
TEST_F(Update, CancelActsAtOnceDuringASlowTransfer) {
    server.setFault("sample-geo.txt", Fault::drip);
    app.setFetchDeadlines({10s, 10s, 60s});
    app.setDateOfLastTLEUpdate(launch - 30 * day);
    app.updateTLEsIfOldBy(2 * day);
    board.find("TLE Files Out of Date")->clickButton(1);

    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
    sinceTick.start();
    ticker.start(10);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return server.targets().contains("/NORAD/elements/sample-geo.txt"); }, 10000));
    QTest::qWait(2500);  // a byte has come
    EXPECT_TRUE(board.find("Loading TLE files")->message().startsWith("1 of 4\n"))
        << board.find("Loading TLE files")->message().toStdString();

    QElapsedTimer cancel;
    cancel.start();
    board.find("Loading TLE files")->clickButton(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 2000));
    RecordProperty("cancel_ms", static_cast<int>(cancel.elapsed()));
    EXPECT_LT(cancel.elapsed(), 200);
    EXPECT_FALSE(app.networkActivityIndicatorVisible());
    // The loop turns every few milliseconds; the bound leaves room for a machine under load.
    RecordProperty("longest_event_loop_pause_ms", static_cast<int>(longestPause));
    EXPECT_LT(longestPause, 500) << "milliseconds without a turn of the event loop";
}

TEST_F(Update, AFailedCategoryFileStopsTheLoadingAndIsReported) {
    for (const Fault fault :
         {Fault::silent, Fault::drip, Fault::cutOff, Fault::notFound, Fault::forbidden,
          Fault::redirectToHtml, Fault::htmlInstead, Fault::endless, Fault::stall}) {
        SCOPED_TRACE(static_cast<int>(fault));
        SkelvorAppDelegate fresh;  // without folders: a log and copies of its own
        prepareForUpdates(fresh, server.url(), board, [] { return launch; });
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

// A file that yields no usable element set is a failed file, however it came: nothing of it
// replaces the satellites loaded before, and the user is told.
TEST_F(Update, AFileWithoutAUsableSetNeverReplacesGoodElements) {
    loadEverything();
    const auto before = station();
    const std::optional<Date> epoch = before->keplerDate();
    QByteArray garbled = sampleFile("sample-leo.txt");
    garbled.replace("26340.50000000", "26345.50000000");  // new epochs, old checksums
    const struct {
        Fault fault;
        QByteArray body;
        QString told;
    } failures[] = {
        {Fault::empty, {}, standard_error},
        {Fault::htmlAsText, {}, "Please sign in to use this network."},
        {Fault::garbage, {}, ""},
        {Fault::none, garbled,
         "No element set of \"Sample low orbits\" could be used (line 1: element line 1 has "
         "checksum 8 where its digits give 3)."},
    };
    for (const auto& [fault, body, told] : failures) {
        SCOPED_TRACE(static_cast<int>(fault));
        clock = clock + two_hours;  // the server's data have changed
        server.setFault("sample-leo.txt", fault);
        server.removeAnswer("/NORAD/elements/sample-leo.txt");
        if (!body.isEmpty()) server.setAnswer("/NORAD/elements/sample-leo.txt", {200, body});
        app.updateTLEs();
        ASSERT_TRUE(waitForTheUpdate(app));
        ASSERT_NE(board.find(read_error), nullptr);
        if (!told.isEmpty()) {
            EXPECT_EQ(board.find(read_error)->message(), told);
        }
        board.find(read_error)->clickButton(0);
        EXPECT_EQ(station(), before);
        EXPECT_EQ(station()->keplerDate(), epoch);
        EXPECT_EQ(app.knownSatellites()["Sample low orbits"].size(), 10);
        EXPECT_EQ(app.dateOfLastTLEUpdate(), launch);
    }
}

// Sets that cannot be used are left out of a file that has good ones, and the user hears how
// many.
TEST_F(Update, RejectedSetsAreLeftOutAndCounted) {
    QByteArray file = sampleFile("sample-leo.txt");
    file.replace("15.50000000300019", "15.50000000300018");  // the station's checksum broken
    server.setAnswer("/NORAD/elements/sample-leo.txt", {200, file});
    loadEverything();
    EXPECT_FALSE(station());
    EXPECT_EQ(app.knownSatellites()["Sample low orbits"].size(), 9);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch);
    ASSERT_NE(board.find("Element Sets Left Out"), nullptr);
    EXPECT_TRUE(board.find("Element Sets Left Out")
                    ->message()
                    .startsWith("1 element sets in Sample low orbits could not be used"));
}

// Two categories whose links name one file both get its satellites, from one request.
TEST_F(Update, TwoCategoriesOfOneFileBothGetItsSatellites) {
    server.setAnswer(
        "/NORAD/elements/",
        {200, "<a href=\"sample-leo.txt\">Low</a><a href=\"sample-leo.txt\">Also low</a>",
         "text/html"});
    loadEverything();
    EXPECT_EQ(app.knownSatellites()["Low"].size(), 10);
    EXPECT_EQ(app.knownSatellites()["Also low"].size(), 10);
    EXPECT_EQ(server.targets().count("/NORAD/elements/sample-leo.txt"), 1);
}

TEST_F(Update, OnlyTheChosenCategoriesAreFetched) {
    loadEverything();  // the index page names the categories
    EXPECT_EQ(app.serverCategoryNames(), sample_categories);
    app.setChosenUpdateCategories(QStringList{"Sample navigation"});
    clock = clock + two_hours;
    const int before = server.requests();
    app.updateTLEs();
    ASSERT_TRUE(waitForTheUpdate(app));
    EXPECT_EQ(server.targets().mid(before),
              QStringList({"/NORAD/elements/", "/NORAD/elements/sample-nav.txt"}));
    EXPECT_EQ(app.dateOfLastTLEUpdate(), clock);
}

// A catalogue far larger than any real one is refused before anything of it is merged.
TEST_F(Update, ACatalogueFarLargerThanAnyRealOneIsRefused) {
    const QByteArray header =
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
        "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n";
    QByteArray huge = header;
    for (qsizetype n = 1; n <= SkelvorAppDelegate::max_catalogue_satellites + 1; ++n) {
        huge += "S," + QByteArray::number(n) +
                ",2026-12-06T12:00:00,15.5,.0006,51.64,120,80,280,"
                "0,U," +
                QByteArray::number(n) + ",999,30001,.00021,.00012,0\n";
    }
    server.setAnswer("/NORAD/elements/sample-geo.txt", {200, huge, "text/csv"});
    loadEverything();
    ASSERT_NE(board.find(read_error), nullptr);
    EXPECT_TRUE(board.find(read_error)->message().contains("more than 100000 satellites"));
    EXPECT_EQ(categories(), QStringList{"Sample eccentric orbits"}) << "nothing of it merged";
    app.waitForPendingSaves();
    SkelvorAppDelegate restarted;
    restarted.setDataDirectory(directory.path());
    restarted.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
    EXPECT_EQ(restarted.satelliteCount(), app.satelliteCount());
}

TEST_F(Update, AnUnreadableIndexPageIsReported) {
    for (const Fault fault : {Fault::notFound, Fault::forbidden, Fault::redirectToHtml,
                              Fault::htmlInstead, Fault::cutOff, Fault::empty, Fault::garbage}) {
        SCOPED_TRACE(static_cast<int>(fault));
        clock = clock + two_hours;  // no copy of the page from before
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

// "Update element sets now" answers the launch's question by updating, and does nothing more
// while the update runs.
TEST_F(Update, UpdatingNowAnswersTheQuestionAndIsHarmlessWhileAnUpdateRuns) {
    app.setDateOfLastTLEUpdate(clock - 30 * day);
    app.updateTLEsIfOldBy(2 * day);
    ASSERT_NE(board.find("TLE Files Out of Date"), nullptr);

    app.updateTLEsNow();
    EXPECT_EQ(board.find("TLE Files Out of Date"), nullptr);
    EXPECT_EQ(app.updateState(), SkelvorAppDelegate::UpdateState::readingIndex);
    app.updateTLEsNow();
    EXPECT_EQ(board.shown.filter("Loading TLE files").size(), 1);
    ASSERT_TRUE(waitForTheUpdate(app));
    EXPECT_EQ(categories(), sample_categories);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), clock);
}
