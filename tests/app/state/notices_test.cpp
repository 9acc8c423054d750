// What the user is told about the saved state: a file set aside at launch, with its new name,
// and saves that fail, once, until a save succeeds again.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "FakeAlerts.h"
#include "SkelvorAppDelegate.h"
#include "qt_environment.h"
#include "state_fixture.h"

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment<QCoreApplication>("state_tests"));

const Date launch_time(818251200.0);  // 2026-12-06T12:00:00Z

class Notices : public testing::Test {
protected:
    void SetUp() override {
        app.setDataDirectory(directory.path());
        app.setAlertViewFactory(board.factory());
        app.setReachability([](const QUrl&, ReachabilityAnswer answer) { answer(false); });
        app.setClock([] { return launch_time; });
        ASSERT_TRUE(QDir().mkpath(preferences()));
    }
    QString preferences() const { return directory.filePath("Library/Preferences"); }
    QString statePath() const { return state_fixture::stateFile(directory.path()); }

    QTemporaryDir directory;
    AlertBoard board;
    SkelvorAppDelegate app;
};

}  // namespace

// A link to a device, a FIFO, a directory or a file beyond the size limit is never read; it is
// set aside, and the user hears its new name.
TEST_F(Notices, AStateSetAsideAtLaunchIsToldWithItsNewName) {
    const QString aside = statePath() + ".unreadable-20261206T120000";
    const std::vector<std::pair<const char*, std::function<bool()>>> damaged{
        {"link to /dev/zero", [&] { return QFile::link("/dev/zero", statePath()); }},
        {"FIFO", [&] { return ::mkfifo(QFile::encodeName(statePath()).constData(), 0600) == 0; }},
        {"directory", [&] { return QDir().mkdir(statePath()); }},
        {"beyond the limit",
         [&] {
             QFile file(statePath());
             return file.open(QIODevice::WriteOnly) && file.resize(max_state_file_bytes + 1);
         }},
    };
    for (const auto& [what, make] : damaged) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(make());
        SkelvorAppDelegate launched;
        launched.setDataDirectory(directory.path());
        launched.setAlertViewFactory(board.factory());
        launched.setReachability([](const QUrl&, ReachabilityAnswer answer) { answer(false); });
        launched.setClock([] { return launch_time; });
        launched.applicationDidFinishLaunching();
        EXPECT_TRUE(launched.knownSatellites().isEmpty());
        EXPECT_EQ(launched.tleUpdateDays(), 2) << "the first-run values";
        const FakeAlertView* notice = board.find("Saved State Unreadable");
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->message().contains(QDir::toNativeSeparators(aside)))
            << notice->message().toStdString();
        EXPECT_FALSE(QFileInfo::exists(statePath()));
        const QFileInfo kept(aside);
        ASSERT_TRUE(kept.exists() || kept.isSymLink());
        ASSERT_TRUE(kept.isDir() ? QDir(aside).removeRecursively() : QFile::remove(aside));
    }
}

// A folder in the file's place stands for a disk that refuses the write.
TEST_F(Notices, AFailedSaveIsToldOnceUntilASaveSucceedsAgain) {
    ASSERT_TRUE(QDir().mkpath(statePath() + "/in-the-way"));
    for (int request = 0; request < 3; ++request) {
        app.setPreferencesAltered(true);
        app.waitForPendingSaves();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.find("Cannot Save") != nullptr; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(board.shown.filter("Cannot Save").size(), 1);
    EXPECT_TRUE(board.find("Cannot Save")->message().contains("Is a directory"));

    ASSERT_TRUE(QDir(statePath()).removeRecursively());
    app.setPreferencesAltered(true);
    app.waitForPendingSaves();
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.find("Cannot Save") == nullptr; }, 5000))
        << "a save that succeeds closes the box";
    EXPECT_TRUE(QFileInfo(statePath()).isFile());

    ASSERT_TRUE(QFile::remove(statePath()));
    ASSERT_TRUE(QDir().mkpath(statePath() + "/in-the-way"));
    app.setPreferencesAltered(true);
    app.waitForPendingSaves();
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.find("Cannot Save") != nullptr; }, 5000));
    EXPECT_EQ(board.shown.filter("Cannot Save").size(), 2) << "told again after a success";
}
