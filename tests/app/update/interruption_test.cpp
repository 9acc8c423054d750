// An update cut short at every step (cancelled, refused by the server, killed with SIGKILL, or
// ended with the program) and started again within two hours: every category the server has is
// present with its new satellites and the user's data, and no document the server sent is asked
// for twice within the two hours. The steps lie between documents: a client cut off in the middle
// of a transfer cannot know whether the server counts it as sent.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "LoopbackServer.h"
#include "update_fixture.h"

namespace {

const Date launch(818300000.0);  // 2026-12-07T13:33:20Z
constexpr double day = 86400.0;
const QString index_target = QStringLiteral("/NORAD/elements/");

struct Group {
    QString category;
    QString query;
    QString file;
};

// The groups of the imitated index page, in loading order.
const std::vector<Group> groups{
    {"GEO Protected Zone > 35,000 km", "SPECIAL=gpz", "sample-geo.csv"},
    {"GPS Operational", "GROUP=gps-ops", "sample-nav.csv"},
    {"Geostationary", "GROUP=geo", "sample-geo.csv"},
    {"Last 30 Days' Launches", "GROUP=last-30-days", "new-launches.csv"},
    {"Other", "GROUP=other", "sample-heo.csv"},
    {"Space Stations", "GROUP=stations", "sample-leo.csv"},
    {"other comm", "GROUP=other-comm", "sample-nav.csv"},
};
const QString old_epoch = QStringLiteral("2026-12-06T12:00:00");
const QString new_epoch = QStringLiteral("2026-12-07T00:00:00");  // the server's data today
constexpr double new_elements_later = 12 * 3600.0;

QString groupTarget(const QString& query) {
    return QStringLiteral("/NORAD/elements/gp.php?%1&FORMAT=csv").arg(query);
}

QByteArray testData(const QString& name) {
    QFile file(QStringLiteral(SKELVOR_TEST_DATA "/todays-server/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray groupFile(const Group& group, const QString& epoch) {
    return QString::fromUtf8(testData(group.file)).replace(old_epoch, epoch).toUtf8();
}

enum class Interruption { cancel, refusal, kill, close };

std::string nameOf(Interruption interruption) {
    switch (interruption) {
        case Interruption::cancel:
            return "cancelled";
        case Interruption::refusal:
            return "refused";
        case Interruption::kill:
            return "killed";
        case Interruption::close:
            return "closed";
    }
    return {};
}

class Interrupted : public testing::TestWithParam<Interruption> {
protected:
    void SetUp() override {
        server.setAnswer(index_target, {200, testData("index.html"), "text/html"});
        for (const Group& group : groups) {
            server.setAnswer(groupTarget(group.query),
                             {200, groupFile(group, new_epoch), "text/csv"});
        }
    }

    // The documents in the order the update asks for them.
    static QStringList documents() {
        QStringList targets{index_target};
        for (const Group& group : groups) targets << groupTarget(group.query);
        return targets;
    }

    std::unique_ptr<SkelvorAppDelegate> start(const QTemporaryDir& directory, Date time) {
        auto app = std::make_unique<SkelvorAppDelegate>();
        prepareForUpdates(*app, server.url(), board, [time] { return time; });
        app->setDataDirectory(directory.path());
        app->setCacheDirectory(directory.filePath("cache"));
        app->setLocationSource(SkelvorAppDelegate::LocationSource::saved);
        return app;
    }

    // A user of three days ago: all but the newest category, with the elements of then, a
    // satellite with a comment and a frequency, selected.
    void makeExistingUser(const QTemporaryDir& directory) {
        const auto app = start(directory, launch - 3 * day);
        for (const Group& group : groups) {
            if (group.category == "other comm") continue;
            app->mergeTLEFile(QString::fromUtf8(groupFile(group, old_epoch)), group.category,
                              group.query);
        }
        const auto station = app->knownSatellites()["Space Stations"]["SAMPLE STATION"];
        station->setComments(QStringLiteral("voice 145.800"));
        station->setFrequencyInfo(
            QList<FrequencyRecord>{{{}, QStringLiteral("145.800"), {}, true}});
        app->toggleSatelliteSelected("SAMPLE STATION");
        app->setDateOfLastTLEUpdate(launch - 3 * day);
        app->setPreferencesAltered(true);
        app->waitForPendingSaves();
    }

    // How many documents the update has kept: the download log's entries.
    static int documentsKept(const QTemporaryDir& directory) {
        QFile log(directory.filePath("Library/Preferences/downloadTimes"));
        if (!log.open(QIODevice::ReadOnly)) return 0;
        return static_cast<int>(QJsonDocument::fromJson(log.readAll()).object().size());
    }

    // The update of the launch, cut short once it has kept the given number of documents.
    void interruptedUpdate(const QTemporaryDir& directory, int kept) {
        const Interruption interruption = GetParam();
        if (interruption == Interruption::kill) return killedUpdate(directory, kept);
        if (interruption == Interruption::refusal) {
            server.setAnswer(documents()[kept], {503, "Service Unavailable"});
        }
        auto app = start(directory, launch);
        // Far apart, so that the next request cannot begin before the interruption.
        app->setRequestSpacing(100ms);
        app->loadSavedState();
        app->updateTLEs();
        if (interruption == Interruption::refusal) {
            ASSERT_TRUE(waitForTheUpdate(*app));
            ASSERT_NE(board.find("Error reading TLE files"), nullptr);
            board.find("Error reading TLE files")->clickButton(0);
            server.setAnswer(
                documents()[kept],
                {200, kept == 0 ? testData("index.html") : groupFile(groups[kept - 1], new_epoch),
                 kept == 0 ? "text/html" : "text/csv"});
            return;
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return documentsKept(directory) >= kept || !app->networkActivityIndicatorVisible();
            },
            20000));
        if (interruption == Interruption::cancel) {
            if (FakeAlertView* progress = board.find("Loading TLE files")) progress->clickButton(0);
            app->waitForPendingSaves();
        } else {
            app->applicationWillTerminate();
        }
    }

    void killedUpdate(const QTemporaryDir& directory, int kept) {
        QProcess child;
        child.start(SKELVOR_UPDATE_CHILD,
                    {directory.path(), directory.filePath("cache"), server.url().toString(),
                     QString::number(launch.secondsSinceReferenceDate()), "100"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return child.canReadLine(); }, 20000));
        ASSERT_EQ(child.readLine(), "ready\n");
        // Killed before the first step, nothing is asked; after it, the update has begun.
        if (kept > 0) {
            child.write("go\n");
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    return documentsKept(directory) >= kept ||
                           child.state() == QProcess::NotRunning;
                },
                20000));
        }
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(5000));
    }

    // The next launch, an hour later: when it asks, the user answers "Yes".
    std::unique_ptr<SkelvorAppDelegate> restart(const QTemporaryDir& directory) {
        auto app = start(directory, launch + 3600.0);
        app->setTleUpdateDays(2);
        app->applicationDidFinishLaunching();
        if (FakeAlertView* question = board.find("TLE Files Out of Date")) {
            question->clickButton(1);
            EXPECT_TRUE(waitForTheUpdate(*app));
        }
        return app;
    }

    void expectEverythingFromTheServer(const SkelvorAppDelegate& app) {
        QStringList categories;
        for (const Group& group : groups) categories << group.category;
        categories.sort();
        ASSERT_EQ(app.knownSatellites().keys(), categories);
        for (const Group& group : groups) {
            const auto table = app.knownSatellites()[group.category];
            const qsizetype sets = groupFile(group, new_epoch).count('\n') - 1;
            EXPECT_EQ(table.size(), sets) << group.category.toStdString();
            for (const auto& satellite : table) {
                EXPECT_EQ(satellite->keplerDate(), Date(818251200.0 + new_elements_later))
                    << group.category.toStdString() << ": "
                    << satellite->commonName().toStdString();
            }
        }
        const auto station = app.knownSatellites()["Space Stations"]["SAMPLE STATION"];
        EXPECT_EQ(station->comments(), "voice 145.800");
        ASSERT_TRUE(station->frequencyInfo());
        EXPECT_EQ(station->frequencyInfo()->first().downlink, "145.800");
        EXPECT_TRUE(app.isSatelliteSelected("SAMPLE STATION"));
        EXPECT_EQ(board.find("Error reading TLE files"), nullptr);
    }

    LoopbackServer server{SKELVOR_SAMPLE_SERVER};
    AlertBoard board;
};

}  // namespace

TEST_P(Interrupted, AtEveryStepTheNextStartWithinTwoHoursCompletesTheUpdate) {
    const bool refusal = GetParam() == Interruption::refusal;
    const int steps = static_cast<int>(documents().size());
    // A refusal comes in place of a document: of the first, the second, ... the last.
    for (int kept = 0; kept <= (refusal ? steps - 1 : steps); ++kept) {
        SCOPED_TRACE(nameOf(GetParam()) + " after " + std::to_string(kept) + " documents");
        QTemporaryDir directory;
        makeExistingUser(directory);
        const int before = server.requests();
        interruptedUpdate(directory, kept);
        const auto app = restart(directory);
        expectEverythingFromTheServer(*app);
        EXPECT_GE(app->dateOfLastTLEUpdate(), launch) << "the update completed";
        const QStringList asked = server.targets().mid(before);
        for (const QString& target : documents()) {
            const bool refused = refusal && target == documents()[kept];
            EXPECT_EQ(asked.count(target), refused ? 2 : 1) << target.toStdString();
        }
        app->waitForPendingSaves();
    }
}

INSTANTIATE_TEST_SUITE_P(Update, Interrupted,
                         testing::Values(Interruption::cancel, Interruption::refusal,
                                         Interruption::kill, Interruption::close),
                         [](const testing::TestParamInfo<Interruption>& param) {
                             return nameOf(param.param);
                         });
