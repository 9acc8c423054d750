// The update against an imitation of the server's group pages and its rules: categories from
// titled cells, CSV groups with six-digit numbers, no document twice within two hours, requests
// a second apart, and a stop in the server's own words at every refusal.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "LoopbackServer.h"
#include "RequestSpacing.h"
#include "update_fixture.h"

namespace {

const Date launch(818300000.0);
constexpr double day = 86400.0;
const QString read_error = QStringLiteral("Error reading TLE files");
const QString index_target = QStringLiteral("/NORAD/elements/");
const QString not_updated = QStringLiteral(
    "GP data has not updated since your last successful download of GROUP=gps-ops at "
    "2026-12-07 08:11:36 UTC. Data is updated once every 2 hours.");

QByteArray testData(const QString& name) {
    QFile file(QStringLiteral(SKELVOR_TEST_DATA "/todays-server/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString groupTarget(const QString& query) {
    return QStringLiteral("/NORAD/elements/gp.php?%1&FORMAT=csv").arg(query);
}

class TodaysServer : public testing::Test {
protected:
    void SetUp() override {
        server.setAnswer(index_target, {200, testData("index.html"), "text/html"});
        const QMap<QString, QString> groups{
            {"SPECIAL=gpz", "sample-geo.csv"},     {"GROUP=gps-ops", "sample-nav.csv"},
            {"GROUP=geo", "sample-geo.csv"},       {"GROUP=last-30-days", "new-launches.csv"},
            {"GROUP=other", "sample-heo.csv"},     {"GROUP=stations", "sample-leo.csv"},
            {"GROUP=other-comm", "sample-nav.csv"}};
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            server.setAnswer(groupTarget(group.key()), {200, testData(*group), "text/csv"});
        }
        setUp(app);
    }

    // The delegate of a run of the program on the test's folders.
    void setUp(SkelvorAppDelegate& delegate) {
        prepareForUpdates(delegate, server.url(), board, [this] { return clock; });
        delegate.setDataDirectory(directory.path());
        delegate.setCacheDirectory(directory.filePath("cache"));
    }

    // The user starts an update; waits until the loading has ended.
    static void update(SkelvorAppDelegate& delegate) {
        delegate.updateTLEs();
        ASSERT_TRUE(waitForTheUpdate(delegate));
    }

    std::shared_ptr<SatelliteData> satellite(const QString& category, const QString& name) const {
        return app.knownSatellites().value(category).value(name);
    }

    Date clock = launch;
    QTemporaryDir directory;
    LoopbackServer server{SKELVOR_SAMPLE_SERVER};
    AlertBoard board;
    SkelvorAppDelegate app;
};

}  // namespace

TEST_F(TodaysServer, ANewUserGetsEveryGroupAsCsvWithSixDigitNumbers) {
    app.setDateOfLastTLEUpdate(Date(-63113904000.0));
    app.updateTLEsIfOldBy(2 * day);
    board.find("No TLE Files")->clickButton(1);
    ASSERT_TRUE(waitForTheUpdate(app));

    const QStringList categories{"GEO Protected Zone > 35,000 km",
                                 "GPS Operational",
                                 "Geostationary",
                                 "Last 30 Days' Launches",
                                 "Other",
                                 "Space Stations",
                                 "other comm"};
    EXPECT_EQ(app.knownSatellites().keys(), categories);
    QStringList expected{index_target};
    for (const char* query : {"SPECIAL=gpz", "GROUP=gps-ops", "GROUP=geo", "GROUP=last-30-days",
                              "GROUP=other", "GROUP=stations", "GROUP=other-comm"}) {
        expected << groupTarget(query);
    }
    EXPECT_EQ(server.targets(), expected) << "nothing commented out, no table, no format but CSV";

    EXPECT_EQ(app.knownSatellites()["Space Stations"].size(), 10);
    EXPECT_EQ(satellite("Space Stations", "SAMPLE SIX-DIGIT")->catalogNumber(), 100001);
    const auto newLaunch = satellite("Last 30 Days' Launches", "SAMPLE NEW LAUNCH");
    ASSERT_TRUE(newLaunch);
    EXPECT_EQ(newLaunch->catalogNumber(), 412345);
    EXPECT_EQ(newLaunch->tleFileName(), "GROUP=last-30-days");
    EXPECT_EQ(newLaunch->operationalStatus(), "Unknown");
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch);

    app.waitForPendingSaves();
    SkelvorAppDelegate restarted;
    restarted.setDataDirectory(directory.path());
    restarted.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
    EXPECT_EQ(restarted.findSatelliteByCommonName("SAMPLE NEW LAUNCH")->catalogNumber(), 412345);
}

TEST_F(TodaysServer, TheCsvGroupGivesTheSamePositionsAsTheThreeLineFile) {
    update(app);
    QFile file(SKELVOR_SAMPLES "/sample-leo.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    SkelvorAppDelegate threeLine;
    threeLine.setClock([] { return launch; });
    threeLine.mergeTLEFile(QString::fromUtf8(file.readAll()), "Leo", "sample-leo.txt");

    const auto csv = app.knownSatellites()["Space Stations"];
    ASSERT_EQ(threeLine.knownSatellites()["Leo"].keys(), csv.keys());
    for (const auto& lines : threeLine.knownSatellites()["Leo"]) {
        const auto fromCsv = csv.value(lines->commonName());
        EXPECT_EQ(fromCsv->catalogNumber(), lines->catalogNumber());
        EXPECT_EQ(fromCsv->keplerDate(), lines->keplerDate());
        for (const double hours : {0.0, 7.5, 49.0}) {
            lines->predictLocationAt(launch + hours * 3600.0);
            fromCsv->predictLocationAt(launch + hours * 3600.0);
            const auto& a = lines->satelliteData();
            const auto& b = fromCsv->satelliteData();
            EXPECT_EQ(std::memcmp(&a.pos, &b.pos, sizeof a.pos), 0) << lines->commonName().data();
            EXPECT_EQ(std::memcmp(&a.vel, &b.vel, sizeof a.vel), 0) << lines->commonName().data();
        }
    }
}

TEST_F(TodaysServer, NoDocumentIsAskedForTwiceWithinTwoHours) {
    update(app);
    const auto station = satellite("Space Stations", "SAMPLE STATION");
    station->setComments(QStringLiteral("voice 145.800"));
    station->setFrequencyInfo(QList<FrequencyRecord>{{{}, QStringLiteral("145.800"), {}, true}});
    app.toggleSatelliteSelected("SAMPLE STATION");
    const int requests = server.requests();

    app.setPreferencesAltered(true);  // as the screens ask after the user's changes
    app.waitForPendingSaves();

    clock = launch + 7199.0;
    update(app);
    EXPECT_EQ(server.requests(), requests);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), clock) << "nothing was older than the server's data";
    {
        // A new start on the same folders: the state it saved, and the documents from their
        // copies.
        SkelvorAppDelegate restarted;
        setUp(restarted);
        restarted.loadSavedState();
        update(restarted);
        EXPECT_EQ(server.requests(), requests);
        ASSERT_EQ(restarted.knownSatellites().keys(), app.knownSatellites().keys());
        for (const QString& category : app.knownSatellites().keys()) {
            EXPECT_EQ(restarted.knownSatellites()[category].keys(),
                      app.knownSatellites()[category].keys());
        }
        const auto restored = restarted.knownSatellites()["Space Stations"]["SAMPLE STATION"];
        EXPECT_EQ(restored->comments(), "voice 145.800");
        EXPECT_TRUE(restarted.isSatelliteSelected("SAMPLE STATION"));
    }

    clock = launch + 7200.0;
    update(app);
    EXPECT_EQ(server.requests(), 2 * requests);
    EXPECT_EQ(satellite("Space Stations", "SAMPLE STATION"), station) << "updated in place";
    EXPECT_EQ(station->comments(), "voice 145.800");
    EXPECT_EQ(station->frequencyInfo()->first().downlink, "145.800");
    EXPECT_TRUE(app.isSatelliteSelected("SAMPLE STATION"));
    EXPECT_EQ(app.knownSatellites()["Space Stations"].size(), 10);
}

TEST_F(TodaysServer, AnUnreadableLogIsAnEmptyOne) {
    QDir(directory.path()).mkpath("Library/Preferences");
    QFile log(app.downloadTimesPath());
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("{\"http://127.0.0.1/\": {\"time\": \"soon\"}, \"x\": 3, [");
    log.close();
    update(app);
    EXPECT_EQ(server.requests(), 8);
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch);
}

TEST_F(TodaysServer, EveryRefusalStopsTheLoadingInTheServersWords) {
    const QByteArray moved =
        "<html><head><title>301 Moved Permanently</title></head><body><center><h1>301 Moved "
        "Permanently</h1></center><hr><center>gp-server</center></body></html>";
    const struct {
        LoopbackServer::Answer answer;
        QString shown;
    } refusals[] = {
        {{403, not_updated.toUtf8()}, not_updated},
        {{200, not_updated.toUtf8()}, not_updated},
        {{404, "Not Found"}, "Not Found"},
        {{301, moved, "text/html", "Location: http://127.0.0.2/elsewhere\r\n"},
         "301 Moved Permanently gp-server"},
        {{503, "  Service\r\n Unavailable \n"}, "Service Unavailable"},
        {{503, QByteArray(2000, 'x')}, QString(299, u'x') + u'\u2026'},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.shown.left(20).toStdString());
        server.setAnswer(groupTarget("GROUP=gps-ops"), refusal.answer);
        const int before = server.requests();
        SkelvorAppDelegate fresh;  // without folders: a log and copies of its own
        prepareForUpdates(fresh, server.url(), board, [this] { return clock; });
        fresh.setDateOfLastTLEUpdate(launch - 30 * day);
        update(fresh);
        EXPECT_EQ(server.targets().mid(before).last(), groupTarget("GROUP=gps-ops"));
        EXPECT_EQ(server.requests(), before + 3);
        EXPECT_EQ(fresh.knownSatellites().keys(), QStringList{"GEO Protected Zone > 35,000 km"});
        EXPECT_EQ(fresh.dateOfLastTLEUpdate(), launch - 30 * day);
        EXPECT_EQ(board.find("Loading TLE files"), nullptr);
        ASSERT_NE(board.find(read_error), nullptr);
        EXPECT_EQ(board.find(read_error)->message(), refusal.shown);
        board.find(read_error)->clickButton(0);

        // Nothing more is asked of the server until the user starts an update.
        fresh.updateTLEsIfOldBy(2 * day);
        QTest::qWait(20);
        EXPECT_TRUE(board.live.isEmpty());
        EXPECT_EQ(server.requests(), before + 3);
        EXPECT_EQ(fresh.dateOfLastTLEUpdate(), launch - 30 * day);
    }
}

TEST(RequestSpacing, ARequestWaitsUntilTheIntervalHasPassedSinceTheLastOneToItsHostEnded) {
    RequestSpacing::TimePoint now{};
    RequestSpacing spacing([&] { return now; });
    const QUrl first("https://server.example/a"), second("https://server.example/b");
    EXPECT_EQ(spacing.waitBefore(first), 0ms);
    spacing.requestEnded(first);
    now += 300ms;
    EXPECT_EQ(spacing.waitBefore(second), 700ms) << "one host, whatever the path";
    EXPECT_EQ(spacing.waitBefore(QUrl("https://other.example/a")), 0ms);
    now += 700ms;
    EXPECT_EQ(spacing.waitBefore(second), 0ms);
    spacing.requestEnded(QUrl("qrc:/sample-server/"));
    EXPECT_EQ(spacing.waitBefore(QUrl("qrc:/sample-server/")), 0ms) << "local reads are not spaced";
}

// The update waits for the spacing on its timer: the requests arrive that far apart while the
// event loop goes on.
TEST_F(TodaysServer, RequestsToTheServerAreSpacedWhileTheEventLoopRuns) {
    server.setAnswer(groupTarget("GROUP=gps-ops"), {503, "Service Unavailable"});
    app.setRequestSpacing(200ms);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    update(app);
    ASSERT_EQ(server.requests(), 3);
    for (qsizetype i = 1; i < server.log().size(); ++i) {
        EXPECT_GE(server.log()[i].arrival - server.log()[i - 1].arrival, 200'000'000);
    }
    EXPECT_GE(ticks, 10);
}

// A group the server has dropped is told once and left out of later updates; the others load.
TEST_F(TodaysServer, AGroupTheServerDroppedIsToldOnceAndLeftOutLater) {
    server.setAnswer(groupTarget("GROUP=gps-ops"), {404, "No GP data found"});
    update(app);
    EXPECT_EQ(app.knownSatellites().size(), 6);
    EXPECT_FALSE(app.knownSatellites().contains("GPS Operational"));
    EXPECT_EQ(app.dateOfLastTLEUpdate(), launch) << "a complete update";
    EXPECT_EQ(board.find("Error reading TLE files"), nullptr);
    ASSERT_NE(board.find("Categories Dropped by the Server"), nullptr);
    EXPECT_TRUE(
        board.find("Categories Dropped by the Server")->message().contains("GPS Operational"));
    EXPECT_TRUE(app.isDroppedByServer("GPS Operational"));
    board.find("Categories Dropped by the Server")->clickButton(0);

    clock = launch + 7200.0;
    const int before = server.requests();
    update(app);
    EXPECT_FALSE(server.targets().mid(before).contains(groupTarget("GROUP=gps-ops")));
    EXPECT_EQ(server.requests(), before + 7);
    EXPECT_EQ(board.shown.filter("Categories Dropped").size(), 1) << "told once";

    app.waitForPendingSaves();
    SkelvorAppDelegate restarted;
    setUp(restarted);
    restarted.loadSavedState();
    EXPECT_TRUE(restarted.isDroppedByServer("GPS Operational")) << "remembered";
}
