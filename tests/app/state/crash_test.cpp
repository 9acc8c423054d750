// A save killed at any moment leaves the state file whole: a helper process saves a catalogue
// of 2,000 satellites over and over and, once it has finished a save, is killed at a random
// moment of the saves that follow; after every kill the file loads as the state of one of its
// saves, never a damaged one, and never one older than the save it reported.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "SkelvorAppDelegate.h"

using namespace std::chrono_literals;

namespace {

constexpr int kills = 200;
constexpr int catalogue_size = 2000;

// The helper process, started with its standard output on a pipe.
class SaveChild {
public:
    explicit SaveChild(const QString& dataDirectory) {
        int out[2];
        if (::pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const QByteArray directory = dataDirectory.toLocal8Bit();
        char* const argv[] = {const_cast<char*>(SKELVOR_SAVE_CHILD),
                              const_cast<char*>(directory.constData()), nullptr};
        if (::posix_spawn(&pid_, SKELVOR_SAVE_CHILD, &actions, nullptr, argv, environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        output_ = out[0];
    }
    ~SaveChild() {
        kill();
        if (output_ >= 0) ::close(output_);
    }

    // True once the helper has finished a save, within the time allowed.
    bool waitForASave(std::chrono::milliseconds patience) const {
        if (pid_ < 0) return false;
        const auto deadline = std::chrono::steady_clock::now() + patience;
        std::string said;
        while (said.find("saved\n") == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd output{output_, POLLIN, 0};
            char buffer[64];
            if (left.count() <= 0 || ::poll(&output, 1, static_cast<int>(left.count())) != 1) {
                return false;
            }
            const ssize_t read = ::read(output_, buffer, sizeof buffer);
            if (read <= 0) return false;
            said.append(buffer, static_cast<std::size_t>(read));
        }
        return true;
    }
    void kill() {
        if (pid_ < 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

int satelliteCount(const SkelvorAppDelegate& appDelegate) {
    int count = 0;
    for (const auto& category : appDelegate.knownSatellites()) {
        count += static_cast<int>(category.size());
    }
    return count;
}

}  // namespace

TEST(Crash, AKilledSaveLeavesTheOldOrTheNewState) {
    QTemporaryDir directory;
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delay(0, 30);
    std::int32_t last = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SaveChild child(directory.path());
        ASSERT_TRUE(child.waitForASave(20s)) << "kill " << kill;
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        child.kill();

        SkelvorAppDelegate reader;
        reader.setDataDirectory(directory.path());
        reader.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
        ASSERT_EQ(satelliteCount(reader), catalogue_size) << "kill " << kill;
        const std::int32_t k = reader.tleUpdateDays();
        ASSERT_GT(k, last) << "kill " << kill;
        const auto comment = reader.knownSatellites().first().first()->comments();
        ASSERT_EQ(comment, QString::number(k)) << "kill " << kill;
        last = k;
    }
}
