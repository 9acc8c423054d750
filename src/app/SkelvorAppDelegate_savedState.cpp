// Saving the state: every request copies the state on the main thread and hands the newest
// copy to one background writer, which builds the file from it and replaces the old one.
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <system_error>

#include "KeyedArchiveFile.h"
#include "NotificationCenter.h"
#include "SkelvorAppDelegate.h"

struct SkelvorAppDelegate::PendingSave {
    QString path;  // empty: nowhere to save
    SavedState state;
};

namespace {

// Saving must not take time from the user interface. On Linux each thread has its own nice
// value; failing to change it leaves the normal priority.
void lowerThreadPriority() {
    static_cast<void>(::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10));
}

}  // namespace

SavedState SkelvorAppDelegate::savedState() const {
    SavedState state;
    state.knownSatellites.reserve(knownSatellites_.size());
    for (auto category = knownSatellites_.cbegin(); category != knownSatellites_.cend();
         ++category) {
        SavedState::Category& copy = state.knownSatellites.emplace_back();
        copy.name = category.key();
        copy.satellites.reserve(category->size());
        for (auto entry = category->cbegin(); entry != category->cend(); ++entry) {
            copy.satellites.push_back({entry.key(), entry.value()->archived()});
        }
    }
    for (const auto& satellite : selectedSatellites_) {
        state.selectedSatellites.append(satellite->commonName());
    }
    if (currentSatellite_) state.currentSatellite = currentSatellite_->commonName();
    state.dateOfTLEUpdate = dateOfLastTLEUpdate_;
    state.useUTC = useUTC();
    state.useDecimalDegrees = useDecimalDegrees();
    state.passTimetableDuration = passTimetableDuration();
    state.minimumPathElevation = minimumPathElevation();
    state.currentLocation = currentLocation_;
    state.showHeldAngle = showHeldAngle();
    state.showSunAndMoon = showSunAndMoon();
    state.showFootprintTrack = showFootprintTrack();
    state.tleUpdateDays = tleUpdateDays();
    state.timelineDuration = timelineDuration();
    state.serverCategories = serverCategories_;
    state.updateCategories = chosenUpdateCategories_;
    state.droppedGroups = droppedGroups_;
    return state;
}

void SkelvorAppDelegate::setPreferencesAltered(bool altered) {
    std::shared_ptr<const PendingSave> save;
    if (altered)
        save = std::make_shared<const PendingSave>(PendingSave{stateFilePath(), savedState()});
    bool startWriter = false;
    {
        const std::lock_guard lock(preferenceCountLock_);
        if (altered) {
            pendingSave_ = std::move(save);
            startWriter = ++preferenceChangeCount_ == 1;
        }
        preferencesAltered_ = altered;
    }
    if (altered) NotificationCenter::defaultCenter().post(preferencesAlteredNotification, this);
    if (!startWriter) return;

    // The previous writer has left its loop; only its ending is left to wait for.
    if (writer_.joinable()) writer_.join();
    try {
        writer_ = std::thread(&SkelvorAppDelegate::performPreferenceSave, this);
    } catch (const std::system_error&) {
        // No thread to be had: the request is dropped and the next one tries again.
        const std::lock_guard lock(preferenceCountLock_);
        preferenceChangeCount_ = 0;
        preferencesAltered_ = false;
    }
}

bool SkelvorAppDelegate::preferencesAltered() const {
    const std::lock_guard lock(preferenceCountLock_);
    return preferencesAltered_;
}

void SkelvorAppDelegate::waitForPendingSaves() {
    // The writer ends only once no request is left, and requests come from this thread.
    if (writer_.joinable()) writer_.join();
}

// The writer thread: writes the newest state until a write ends with no new request. Requests
// made during a write cost one more write; the count drops by those the write covered.
void SkelvorAppDelegate::performPreferenceSave() {
    lowerThreadPriority();
    std::unique_lock lock(preferenceCountLock_);
    while (const std::int32_t covered = preferenceChangeCount_) {
        const std::shared_ptr<const PendingSave> save = std::move(pendingSave_);
        lock.unlock();
        processPreferenceSave(*save);
        lock.lock();
        preferenceChangeCount_ -= covered;
    }
    preferencesAltered_ = false;
}

// A failed write leaves the previous file; the next request writes everything again. The user
// hears of a failure once, and of the end of failures, on the main thread.
void SkelvorAppDelegate::processPreferenceSave(const PendingSave& save) {
    if (save.path.isEmpty()) return;
    if (saveHook_) saveHook_(save.state);
    const std::optional<QString> failure =
        KeyedArchiveFile(save.path, max_state_file_bytes).write(save.state.toCbor());
    if (failure.has_value() == lastWriteFailed_) return;
    lastWriteFailed_ = failure.has_value();
    later([this, failure] { saveEnded(failure); });
}

void SkelvorAppDelegate::saveEnded(const std::optional<QString>& failure) {
    if (!failure) {
        if (saveFailureView_ && saveFailureView_->isVisible()) {
            saveFailureView_->dismissWithClickedButtonIndex(0);
        }
        saveFailureView_.reset();
        return;
    }
    saveFailureView_ = makeAlert(
        tr("Cannot Save"),
        tr("Skelvor could not save its state in %1 (%2). Your satellites and settings "
           "are kept while it runs, and saved with your next change once saving "
           "works again: make room on the disk or let Skelvor write to that folder.")
            .arg(QDir::toNativeSeparators(QFileInfo(stateFilePath()).absolutePath()), *failure),
        {tr("OK")});
    if (saveFailureView_) saveFailureView_->show();
}
