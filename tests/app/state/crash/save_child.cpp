// The saving side of the crash test: loads the state left in the data directory (the first
// time, a catalogue of 2,000 satellites), then saves state after state until it is killed,
// saying "saved" after each. State k holds k as its element-set update period and as the comment of
// the first satellite, so that a reader can tell whether a file is whole.
#include <unistd.h>

#include <cstdio>

#include "SkelvorAppDelegate.h"
#include "state_fixture.h"

namespace {

constexpr int catalogue_size = 2000;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA-DIRECTORY\n", argv[0]);
        return 2;
    }
    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(QString::fromLocal8Bit(argv[1]));
    appDelegate.loadSavedState();
    if (appDelegate.knownSatellites().isEmpty()) {
        SavedState state;
        state.knownSatellites = state_fixture::generatedCatalogue(catalogue_size);
        if (!state_fixture::writeState(appDelegate.dataDirectory(), state)) return 1;
        appDelegate.loadSavedState();
    }
    const auto marked = appDelegate.knownSatellites().first().first();

    // Ends by itself should the test that started it go away.
    const pid_t test = ::getppid();
    for (std::int32_t k = appDelegate.tleUpdateDays() + 1; ::getppid() == test; ++k) {
        appDelegate.setTleUpdateDays(k);
        marked->setComments(QString::number(k));
        appDelegate.setPreferencesAltered(true);
        appDelegate.waitForPendingSaves();
        std::puts("saved");
        std::fflush(stdout);
    }
    return 0;
}
