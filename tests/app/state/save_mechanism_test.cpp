// Asking for saves: one writer at a time, requests during a write cost exactly one more write,
// and each write holds the state as it was when it was asked for.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "SkelvorAppDelegate.h"
#include "state_fixture.h"

using namespace std::chrono_literals;

namespace {

constexpr auto patience = 10s;

// Watches the writes through the save hook and can hold the first one until released.
class Writes {
public:
    struct Write {
        std::int32_t timelineDuration;
        int onItsThread;  // 1 for a writer thread's first write, 2 for its second, ...
    };

    explicit Writes(bool holdFirst) : held_(holdFirst) {}

    void operator()(const SavedState& state) {
        thread_local int writesOnThisThread = 0;
        std::unique_lock lock(mutex_);
        writes_.push_back({state.timelineDuration, ++writesOnThisThread});
        changed_.notify_all();
        changed_.wait_for(lock, patience, [this] { return !held_; });
    }
    bool waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, patience, [&] { return writes_.size() >= count; });
    }
    void release() {
        const std::lock_guard lock(mutex_);
        held_ = false;
        changed_.notify_all();
    }
    std::vector<Write> writes() {
        const std::lock_guard lock(mutex_);
        return writes_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Write> writes_;
    bool held_;
};

class SaveTest : public ::testing::Test {
protected:
    SaveTest() {
        appDelegate.setDataDirectory(directory.path());
        appDelegate.loadSavedState();
    }
    std::int32_t timelineInFile() {
        SkelvorAppDelegate reader;
        reader.setDataDirectory(directory.path());
        reader.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
        return reader.timelineDuration();
    }
    void request(std::int32_t timelineDuration) {
        appDelegate.setTimelineDuration(timelineDuration);
        appDelegate.setPreferencesAltered(true);
    }

    QTemporaryDir directory;
    SkelvorAppDelegate appDelegate;
};

}  // namespace

TEST_F(SaveTest, RequestsDuringAWriteCostOneMoreWriteOfTheNewestState) {
    Writes writes(true);
    appDelegate.setSaveHook(std::ref(writes));
    request(20);
    ASSERT_TRUE(writes.waitFor(1));
    EXPECT_TRUE(appDelegate.preferencesAltered());
    request(30);
    request(40);
    appDelegate.setTimelineDuration(50);  // changed without asking for a save
    writes.release();
    appDelegate.waitForPendingSaves();

    const auto written = writes.writes();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].timelineDuration, 20);
    EXPECT_EQ(written[1].timelineDuration, 40);
    EXPECT_EQ(written[1].onItsThread, 2);  // the same writer went on
    EXPECT_FALSE(appDelegate.preferencesAltered());
    EXPECT_EQ(timelineInFile(), 40);
}

TEST_F(SaveTest, ARequestAfterTheWriterEndedStartsANewOne) {
    Writes writes(false);
    appDelegate.setSaveHook(std::ref(writes));
    request(20);
    appDelegate.waitForPendingSaves();
    EXPECT_EQ(timelineInFile(), 20);
    request(30);
    appDelegate.waitForPendingSaves();

    const auto written = writes.writes();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].onItsThread, 1);
    EXPECT_EQ(timelineInFile(), 30);
}

TEST(SaveWithoutDataDirectory, NothingIsWritten) {
    SkelvorAppDelegate appDelegate;
    int written = 0;
    appDelegate.setSaveHook([&](const SavedState&) { ++written; });
    appDelegate.setPreferencesAltered(true);
    appDelegate.waitForPendingSaves();
    EXPECT_EQ(written, 0);
    EXPECT_FALSE(appDelegate.preferencesAltered());
}
