// The application delegate: the single owner of the settings and the observer's position, the
// catalogue and the selection, the saved state and the element-set update. Its operations are
// split over several source files, one per concern: catalogue, saved state, start-up and
// location, element-set update.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "AlertView.h"
#include "BackgroundReader.h"
#include "Date.h"
#include "DesktopNotifications.h"
#include "DocumentCache.h"
#include "DownloadLog.h"
#include "ElementSetReader.h"
#include "FetchText.h"
#include "Location.h"
#include "LocationManager.h"
#include "PassAlertSchedule.h"
#include "PositionChoice.h"
#include "Reachability.h"
#include "RequestSpacing.h"
#include "SatelliteData.h"
#include "SavedState.h"
#include "SettingsStore.h"
#include "Timer.h"
#include "TonightScan.h"
#include "WatchSettings.h"

class StationControl;

class SkelvorAppDelegate : public SettingsStore, private AlertViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(SkelvorAppDelegate)

public:
    // One category's satellites, keyed by common name.
    using CategoryTable = QMap<QString, std::shared_ptr<SatelliteData>>;

    SkelvorAppDelegate();
    // Waits for a running write of the saved state before anything it reads goes away.
    ~SkelvorAppDelegate() override;

    // The running application's delegate: the one created last and still alive.
    static SkelvorAppDelegate* shared();

    // ---- Where things are: set before start-up (tests point them at their own places).
    // The application's data directory; the saved state is Library/Preferences/currentState
    // below it. Empty: nothing is loaded or saved.
    void setDataDirectory(const QString& directory) { dataDirectory_ = directory; }
    const QString& dataDirectory() const { return dataDirectory_; }
    QString stateFilePath() const;
    // The platform's cache folder; fetched documents are kept in "documents" below it. Empty:
    // they are kept in memory for the run.
    void setCacheDirectory(const QString& directory) { cacheDirectory_ = directory; }
    QString documentCachePath() const;

    // ---- Catalogue (SkelvorAppDelegate_catalogue.cpp)
    const QMap<QString, CategoryTable>& knownSatellites() const { return knownSatellites_; }
    // The list screen edits the selection in place.
    QList<std::shared_ptr<SatelliteData>>& selectedSatellites() { return selectedSatellites_; }
    const QList<std::shared_ptr<SatelliteData>>& selectedSatellites() const {
        return selectedSatellites_;
    }
    std::shared_ptr<SatelliteData> currentSatellite() const { return currentSatellite_; }
    void setCurrentSatellite(std::shared_ptr<SatelliteData> satellite) {
        currentSatellite_ = std::move(satellite);
    }
    std::shared_ptr<SatelliteData> findSatelliteByCommonName(const QString& name) const;
    bool isSatelliteSelected(const QString& name) const;
    bool toggleSatelliteSelected(const QString& name);
    void setSatelliteSelected(const QString& name, bool selected);
    // The catalogue never holds more satellites than this, far more than any real one: all the
    // groups of today's server together hold about 30,000.
    static constexpr qsizetype max_catalogue_satellites = 100000;
    qsizetype satelliteCount() const;
    // What a merge did: the sets merged, and whether the file was refused whole because the
    // catalogue would have grown beyond its limit.
    struct MergeOutcome {
        qsizetype mergedSets = 0;
        bool refusedAsTooLarge = false;
    };
    // Merges the element sets read from one file into the category, creating the category
    // when it is new; rejected sets were left out by the reader.
    MergeOutcome mergeElementSets(const ElementSetText& sets, const QString& categoryName,
                                  const QString& fileName);
    // The same for the text of a file, three-line sets or the server's CSV form (none when it
    // could not be fetched).
    MergeOutcome mergeTLEFile(const std::optional<QString>& text, const QString& categoryName,
                              const QString& fileName);

    // ---- Saved state (SkelvorAppDelegate_savedState.cpp, SkelvorAppDelegate_loadState.cpp)
    // Asks for a save (true) of the whole state, written on a background thread, and tells the
    // screens by the notification below. Called on the main thread, like waitForPendingSaves.
    void setPreferencesAltered(bool altered);
    // Posted for every change that asks for a save (a setting, the position, a satellite's
    // records, the selection) and when a location fix moves the observer.
    static inline const QString preferencesAlteredNotification =
        QStringLiteral("PreferencesAltered");
    bool preferencesAltered() const;
    // Loads the saved state: at launch an unreadable file is set aside under a new name and
    // the temporaries of interrupted writes are removed; read-only never writes, renames or
    // removes a file. A missing or unreadable file gives the first-run state.
    enum class LoadMode { launch, readOnly };
    struct StateLoad {
        enum class Outcome { loaded, missing, unreadable };
        Outcome outcome = Outcome::missing;
        QString reason;        // why an unreadable file could not be read
        QString setAsidePath;  // where it went at launch; empty when it stayed
    };
    StateLoad loadSavedState(LoadMode mode = LoadMode::launch);
    // Blocks until no write is running or pending.
    void waitForPendingSaves();
    // The state as the file holds it, copied on the main thread.
    SavedState savedState() const;
    // Called on the writer thread with each state just before it is written; set before the
    // first save. Tests watch and pace the writes with it.
    using SaveHook = std::function<void(const SavedState&)>;
    void setSaveHook(SaveHook hook) { saveHook_ = std::move(hook); }
    Date dateOfLastTLEUpdate() const { return dateOfLastTLEUpdate_; }
    void setDateOfLastTLEUpdate(Date date) { dateOfLastTLEUpdate_ = date; }
    std::optional<Location> currentLocation() const { return currentLocation_; }
    void setCurrentLocation(std::optional<Location> location) { currentLocation_ = location; }

    // ---- Start-up and location (SkelvorAppDelegate_startup.cpp)
    // At the end of the program: an update still loading ends as if cancelled, keeping what it
    // merged, and the last save is written.
    void applicationWillTerminate();
    // Where the observer's position comes from: the location service, the fixed position of
    // the simulator mode, or the position saved last time.
    enum class LocationSource { service, simulator, saved };
    void setLocationSource(LocationSource source) { locationSource_ = source; }
    void setLocationManagerFactory(std::function<std::unique_ptr<LocationManager>()> factory) {
        locationManagerFactory_ = std::move(factory);
    }
    static constexpr Location simulator_location{51.4779, -0.0015, 0.0};  // Greenwich
    // Loads the saved state, places the observer and runs the element-set age check. The
    // window with its tab bar is shown by the caller first.
    void applicationDidFinishLaunching();
    // A reading of the location service; the first one younger than 5 seconds is used.
    void locationUpdated(const LocationReading& reading);
    // Builds the observer record from the current location (0, 0, 0 when there is none).
    void placeObserverAtCurrentLocation();
    // A typed position: the observer's record, the current location (altitude included) and,
    // from now on, the fixed position, which no location fix replaces.
    void placeObserverAtTypedPosition(const engine::geodetic_point_t& observer);
    const AlertView* uncertainLocationView() const { return uncertainLocationView_.get(); }

    // ---- The observer's position source (SkelvorAppDelegate_position.cpp)
    // The location service (the first choice) or the fixed position the user typed, kept in a
    // file beside the saved state. Choosing the location service asks it for a fresh fix.
    PositionChoice positionChoice() const { return positionChoice_; }
    void setPositionChoice(PositionChoice choice);
    QString positionChoicePath() const;
    // How long the location service's first fix is awaited before the box "Finding Location"
    // goes and, where no position is known, the user is asked for one (tests shorten it).
    void setLocationWaitLimit(std::chrono::milliseconds limit) { locationWaitLimit_ = limit; }
    const AlertView* positionQuestionView() const { return positionQuestionView_.get(); }
    // Posted when the user asks to type the position; the window opens the position fields.
    static inline const QString positionWantedNotification =
        QStringLiteral("ObserverPositionWanted");

    // ---- Element-set update (SkelvorAppDelegate_update.cpp)
    // The element-set server's root address; the index page lives at NORAD/elements/ below it.
    void setElementServer(const QUrl& root) { elementServer_ = root; }
    QUrl elementServerBase() const;
    void setReachability(Reachability reachability) { reachability_ = std::move(reachability); }
    void setFetchDeadlines(const FetchDeadlines& deadlines) { fetchDeadlines_ = deadlines; }
    // Requests to the server are at least this far apart (one second; tests shorten it).
    void setRequestSpacing(std::chrono::milliseconds interval) {
        requestSpacing_.setInterval(interval);
    }
    // The documents downloaded within two hours are remembered in this file beside the saved
    // state (empty without a data directory).
    QString downloadTimesPath() const;
    void setAlertViewFactory(AlertViewFactory factory) { alertViewFactory_ = std::move(factory); }
    // The age check of the launch: when the element sets are older than the limit, asks the
    // reachability service and then the user. The answer comes later, from the event loop.
    bool updateTLEsIfOldBy(double seconds);
    // Starts an update: reads the index page, then loads the chosen category files one by one.
    void updateTLEs();
    // The user's "Update element sets now" (F5): answers a launch question still open by
    // updating; does nothing while an update runs.
    void updateTLEsNow();
    bool networkActivityIndicatorVisible() const { return networkActivityIndicatorVisible_; }
    enum class UpdateState {
        idle,          // no update; the launch check may offer one
        checking,      // the launch check waits for the reachability service
        asking,        // the question of the launch check is shown
        readingIndex,  // the index page is fetched or read
        loading,       // the category files are loaded, one at a time
        stopped,       // the server refused or failed; only the user starts the next update
    };
    UpdateState updateState() const { return updateState_; }

    // ---- Which categories an update fetches (SkelvorAppDelegate_updateChoice.cpp)
    // The categories named by the server's last index page, in loading order.
    QStringList serverCategoryNames() const { return serverCategories_.keys(); }
    // The categories chosen for updates; none: all of them, the default.
    const std::optional<QStringList>& chosenUpdateCategories() const {
        return chosenUpdateCategories_;
    }
    bool isChosenForUpdate(const QString& category) const;
    // Stores the choice (none: all) and asks for a save.
    void setChosenUpdateCategories(std::optional<QStringList> categories);
    // Whether the server has dropped the category's group: it answered "No GP data found",
    // and later updates leave it out.
    bool isDroppedByServer(const QString& category) const;

    // ---- Radio, rotator and transmitter import (SkelvorAppDelegate_station.cpp)
    // Made on first use, with its settings read from stationSettingsPath.
    StationControl& station();
    // The station settings' file beside the saved state (empty without a data directory).
    QString stationSettingsPath() const;

    // ---- Watching the sky (SkelvorAppDelegate_watch.cpp)
    // Read from watchSettingsPath at the first call; the defaults without a readable file.
    const WatchSettings& watchSettings() const;
    // Keeps the settings, tells the screens as a change of preferences does, and writes their
    // file; false when it could not be written.
    bool setWatchSettings(WatchSettings settings);
    // The file beside the saved state (empty without a data directory).
    QString watchSettingsPath() const;
    // The catalogue's satellites in the categories (all when none is named), each once, copied
    // for tonight's scan.
    std::vector<TonightSatellite> tonightSatellites(const QStringList& categories) const;
    // The pass alerts, made at the first call, for the catalogue's satellites alerts are on
    // for, on the notification service of the session bus or of the bus set before.
    PassAlertSchedule& passAlerts();
    void setNotificationBus(const QDBusConnection& bus) { notificationBus_ = bus; }

    // A box that only tells something and closes with its "OK" (none without the factory).
    void tell(const QString& title, const QString& message);

private:
    void alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) override;
    std::unique_ptr<AlertView> makeAlert(const QString& title, const QString& message,
                                         const QStringList& buttons);
    void showLocationBox();
    // The position source (SkelvorAppDelegate_position.cpp).
    // Takes the position from the source of this run: the location service, the simulator's
    // place, or the saved position.
    void followLocationSource(bool atLaunch);
    void startLocationService(bool atLaunch);
    void stopLocationService();
    void releaseLocationBox();
    void locationUnanswered();
    void showPositionQuestion();
    void positionQuestionAnswered(int buttonIndex);
    // Runs the action on the main thread's event loop, unless the delegate is gone by then.
    void later(std::function<void()> action);

    // Element-set update (SkelvorAppDelegate_update.cpp).
    void askToUpdate(double age, bool reachable);
    void readIndex();
    void indexRead(const QMap<QString, QString>& categories);
    void cancelLoading();
    void stopLoading(const QString& message);
    void finishLoading();
    void endLoading(UpdateState next);
    void tellWhatWasLeftOut();
    // Loading the category files (SkelvorAppDelegate_loading.cpp).
    // A document as the update obtains it.
    struct Document {
        // The whole document: from the server now, or kept from within two hours.
        std::optional<QByteArray> bytes;
        // Fetched within two hours but no longer kept: it is not asked for again so soon.
        bool lost = false;
        // The server's answer when there are no bytes.
        FetchResult answer;
    };
    using DocumentUse = std::function<void(const Document& document)>;
    void loadTLEFile();
    void scheduleLoadingTick();
    void obtainDocument(const QUrl& address, TextKind kind, DocumentUse use);
    void documentFetched(const QUrl& address, const FetchResult& answer, const DocumentUse& use);
    void categoryFileObtained(const QString& category, const QString& fileName,
                              const Document& document);
    void categoryFileRead(const QString& category, const QString& fileName,
                          const ElementSetText& sets);
    void nextCategoryFile();
    void showProgress(const QString& bytes = {});
    QUrl categoryFileAddress(const QString& fileName) const;
    DownloadLog& downloadLog();
    DocumentCache& documentCache();

    QString dataDirectory_;
    QString cacheDirectory_;

    // Catalogue.
    QMap<QString, CategoryTable> knownSatellites_;
    QList<std::shared_ptr<SatelliteData>> selectedSatellites_;
    std::shared_ptr<SatelliteData> currentSatellite_;

    // Saved state.
    struct PendingSave;
    void performPreferenceSave();
    void processPreferenceSave(const PendingSave& save);
    void saveEnded(const std::optional<QString>& failure);
    struct LoadedState;
    std::optional<LoadedState> readSavedState(LoadMode mode, StateLoad& load) const;
    void restoreState(LoadedState loaded);
    void restoreSelection(const KeyedUnarchiver& coder);

    mutable std::mutex preferenceCountLock_;
    std::int32_t preferenceChangeCount_ = 0;
    bool preferencesAltered_ = false;
    // The newest state asked to be saved, not yet taken by the writer.
    std::shared_ptr<const PendingSave> pendingSave_;
    std::thread writer_;
    SaveHook saveHook_;
    // The writer's last outcome, told to the main thread only when it changes; only writer
    // threads touch it, one after another.
    bool lastWriteFailed_ = false;
    std::unique_ptr<AlertView> saveFailureView_;  // held until a save succeeds again
    Date dateOfLastTLEUpdate_;
    std::optional<Location> currentLocation_;

    // Start-up and location.
    LocationSource locationSource_ = LocationSource::saved;
    std::function<std::unique_ptr<LocationManager>()> locationManagerFactory_ =
        &LocationManager::systemManager;
    std::unique_ptr<LocationManager> locationManager_;
    std::unique_ptr<AlertView> uncertainLocationView_;
    PositionChoice positionChoice_ = PositionChoice::locationService;
    std::chrono::milliseconds locationWaitLimit_{10000};
    std::unique_ptr<Timer> locationWait_;
    std::unique_ptr<AlertView> positionQuestionView_;
    bool positionQuestionDue_ = false;  // asked once the update's dialogs are done

    // Element-set update.
    QUrl elementServer_{QStringLiteral("https://celestrak.org/")};
    Reachability reachability_ = &checkHostReachable;
    FetchDeadlines fetchDeadlines_;
    AlertViewFactory alertViewFactory_;
    std::unique_ptr<AlertView> alertDisplay_;
    std::unique_ptr<AlertView> progressActionView_;
    std::unique_ptr<AlertView> errorView_;
    std::vector<std::unique_ptr<AlertView>> notices_;  // boxes that only tell something
    UpdateState updateState_ = UpdateState::idle;
    // Counts updates and their ends, so that an answer arriving after its update ended is
    // recognised and dropped.
    std::uint64_t updateRun_ = 0;
    // The categories this update loads (name to file name), in loading order, and the index of
    // the next one.
    QMap<QString, QString> tleCategories_;
    QStringList tleCategoryNames_;
    qsizetype categoryIndex_ = 0;
    // What this update met on its way, told when it ends.
    struct UpdateTally {
        bool unsaved = false;     // something was merged or noted and not yet saved
        bool incomplete = false;  // a document fetched within two hours was no longer kept
        qsizetype rejectedSets = 0;
        QStringList rejectedFiles;
        QStringList droppedCategories;
    };
    UpdateTally tally_;
    std::unique_ptr<Timer> tleLoadingTimer_;
    std::unique_ptr<TextFetch> fetch_;
    bool networkActivityIndicatorVisible_ = false;
    std::optional<DownloadLog> downloadLog_;      // read when the first update starts
    std::optional<DocumentCache> documentCache_;  // likewise
    RequestSpacing requestSpacing_;
    // The choice of categories, saved with the state.
    QMap<QString, QString> serverCategories_;
    std::optional<QStringList> chosenUpdateCategories_;
    QStringList droppedGroups_;

    // Watching the sky.
    mutable std::optional<WatchSettings> watchSettings_;
    std::optional<QDBusConnection> notificationBus_;
    std::unique_ptr<DesktopNotifications> notifications_;
    std::unique_ptr<PassAlertSchedule> passAlerts_;

    SkelvorAppDelegate* previous_;
    // Answers from the event loop and from other threads come through these two; declared late,
    // they go first (the reader waiting for its work), so that no answer reaches a delegate
    // being destroyed.
    QObject callbacks_;
    BackgroundReader reader_;
    // Last, so that it goes first: it refers to the delegate while it stops.
    std::shared_ptr<StationControl> station_;
};
