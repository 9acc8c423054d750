// The application delegate: the single owner of the settings and the observer's position, the
// catalogue and the selection, the saved state and the element-set update. Its operations are
// split over several source files, one per concern: catalogue, saved state, start-up and
// location, element-set update.
#pragma once

#include <QList>
#include <QMap>
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
#include "Date.h"
#include "DownloadLog.h"
#include "FetchText.h"
#include "Location.h"
#include "LocationManager.h"
#include "Reachability.h"
#include "RequestSpacing.h"
#include "SatelliteData.h"
#include "SavedState.h"
#include "SettingsStore.h"
#include "Timer.h"

class StationControl;

class SkelvorAppDelegate : public SettingsStore, private AlertViewDelegate {
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
    // Merges the text of one element-set file, three-line sets or the server's CSV form (none
    // when it could not be fetched), into the category, creating the category when it is new.
    void mergeTLEFile(const std::optional<QString>& text, const QString& categoryName,
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
    // Loads the saved state at launch. Read-only: never writes, renames or removes a file.
    enum class LoadMode { launch, readOnly };
    void loadSavedState(LoadMode mode = LoadMode::launch);
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
    // A typed position: stores the record and makes it the current location, altitude included.
    void setObserver_geodetic(const engine::geodetic_point_t& observer) override;
    const AlertView* uncertainLocationView() const { return uncertainLocationView_.get(); }

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
    bool updateTLEsIfOldBy(double seconds);
    bool hasWiFiConnection() const;
    void updateTLEs();
    void loadTLEFile();
    bool networkActivityIndicatorVisible() const { return networkActivityIndicatorVisible_; }

    // ---- Radio, rotator and transmitter import (SkelvorAppDelegate_station.cpp)
    // Made on first use, with its settings read from stationSettingsPath.
    StationControl& station();
    // The station settings' file beside the saved state (empty without a data directory).
    QString stationSettingsPath() const;

private:
    void alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) override;
    std::unique_ptr<AlertView> makeAlert(const QString& title, const QString& message,
                                         const QStringList& buttons);
    void showLocationBox();
    void readIndex();
    QUrl categoryFileAddress(const QString& fileName) const;
    std::optional<QString> download(const QUrl& address, TextKind kind, QString& refusal);
    bool waitForRequestSpacing(const QUrl& address, std::function<void()> retry);
    DownloadLog& downloadLog();
    void stopLoading(const QString& refusal);
    void finishLoading();
    void showReadError(const QString& refusal);
    void scheduleLoadingTick();

    QString dataDirectory_;

    // Catalogue.
    QMap<QString, CategoryTable> knownSatellites_;
    QList<std::shared_ptr<SatelliteData>> selectedSatellites_;
    std::shared_ptr<SatelliteData> currentSatellite_;

    // Saved state.
    struct PendingSave;
    void performPreferenceSave();
    void processPreferenceSave(const PendingSave& save) const;
    struct LoadedState;
    std::optional<LoadedState> readSavedState(LoadMode mode) const;
    void restoreState(LoadedState loaded);
    void restoreSelection(const KeyedUnarchiver& coder);

    mutable std::mutex preferenceCountLock_;
    std::int32_t preferenceChangeCount_ = 0;
    bool preferencesAltered_ = false;
    // The newest state asked to be saved, not yet taken by the writer.
    std::shared_ptr<const PendingSave> pendingSave_;
    std::thread writer_;
    SaveHook saveHook_;
    Date dateOfLastTLEUpdate_;
    std::optional<Location> currentLocation_;

    // Start-up and location.
    LocationSource locationSource_ = LocationSource::saved;
    std::function<std::unique_ptr<LocationManager>()> locationManagerFactory_ =
        &LocationManager::systemManager;
    std::unique_ptr<LocationManager> locationManager_;
    std::unique_ptr<AlertView> uncertainLocationView_;

    // Element-set update.
    QUrl elementServer_{QStringLiteral("https://celestrak.org/")};
    Reachability reachability_ = &isHostReachable;
    FetchDeadlines fetchDeadlines_;
    AlertViewFactory alertViewFactory_;
    std::unique_ptr<AlertView> alertDisplay_;
    std::unique_ptr<AlertView> progressActionView_;
    std::unique_ptr<AlertView> errorView_;
    QMap<QString, QString> tleCategories_;
    QStringList tleCategoryNames_;
    std::int32_t categoryIndex_ = 0;
    std::unique_ptr<Timer> tleLoadingTimer_;
    bool networkActivityIndicatorVisible_ = false;
    // Stopped: the server refused or failed, and nothing is asked of it until the user starts
    // the next update.
    enum class UpdateState { idle, running, stopped };
    UpdateState updateState_ = UpdateState::idle;
    std::optional<DownloadLog> downloadLog_;  // read when the first update starts
    RequestSpacing requestSpacing_;

    SkelvorAppDelegate* previous_;
    // Last, so that it goes first: it refers to the delegate while it stops.
    std::shared_ptr<StationControl> station_;
};
