// Loading the saved state at launch: the catalogue, the selection by name, the date of the
// last element-set update, the settings and the last location.
#include <QCborArray>
#include <algorithm>

#include "KeyedArchiveFile.h"
#include "KeyedArchiver.h"
#include "SkelvorAppDelegate.h"

namespace {

namespace key = savedStateKey;

// Before any element-set update: so long ago that the launch check finds the sets missing.
constexpr Date distant_past(-63113904000.0);
constexpr std::int32_t first_run_tle_update_days = 2;
constexpr std::int32_t shortest_timeline_hours = 12;

using CategoryTable = SkelvorAppDelegate::CategoryTable;
using Catalogue = QMap<QString, CategoryTable>;

bool hasNext(QCborStreamReader& reader) {
    return reader.lastError() == QCborError::NoError && reader.hasNext();
}

// The catalogue is read one satellite at a time, straight from the file. Entries that are not
// satellites with a whole orbital record, and categories that are not maps, are left out. A
// catalogue larger than the application keeps makes the file unreadable.
CategoryTable readCategory(QCborStreamReader& reader, const SettingsStore* settings,
                           qsizetype& count) {
    CategoryTable table;
    reader.enterContainer();
    while (hasNext(reader)) {
        if (++count > SkelvorAppDelegate::max_catalogue_satellites) return table;
        const std::optional<QCborValue> name = readCborValue(reader);
        const std::optional<QCborValue> entry = name ? readCborValue(reader) : std::nullopt;
        if (!entry) break;
        if (!name->isString()) continue;
        auto satellite = SatelliteData::createWithCoder(KeyedUnarchiver(entry->toMap()), settings);
        if (satellite) table.insert(name->toString(), std::move(satellite));
    }
    reader.leaveContainer();
    return table;
}

std::optional<Catalogue> readCatalogue(QCborStreamReader& reader, const SettingsStore* settings) {
    Catalogue catalogue;
    qsizetype count = 0;
    reader.enterContainer();
    while (hasNext(reader)) {
        const std::optional<QCborValue> name = readCborValue(reader);
        if (!name) break;
        if (name->isString() && reader.isMap()) {
            catalogue.insert(name->toString(), readCategory(reader, settings, count));
            if (count > SkelvorAppDelegate::max_catalogue_satellites) return std::nullopt;
        } else if (!readCborValue(reader)) {
            break;
        }
    }
    reader.leaveContainer();
    return catalogue;
}

QMap<QString, QString> stringMap(const QCborValue& value) {
    QMap<QString, QString> map;
    for (const auto& [key, entry] : value.toMap()) {
        if (key.isString() && entry.isString()) map.insert(key.toString(), entry.toString());
    }
    return map;
}

QStringList strings(const QCborValue& value) {
    QStringList list;
    for (const QCborValue& entry : value.toArray()) {
        if (entry.isString()) list.append(entry.toString());
    }
    return list;
}

}  // namespace

// The archive as read: the catalogue, when there is one, and every other entry.
struct SkelvorAppDelegate::LoadedState {
    std::optional<Catalogue> knownSatellites;
    QCborMap entries;
};

SkelvorAppDelegate::StateLoad SkelvorAppDelegate::loadSavedState(LoadMode mode) {
    StateLoad load;
    // A missing or unreadable file reads as an archive without keys: the first-run state.
    restoreState(readSavedState(mode, load).value_or(LoadedState()));
    return load;
}

// None when there is no file or it cannot be read. At launch an unreadable file is kept aside
// under another name, so that the next save does not overwrite it, and the temporaries of
// writes a crash cut short are removed, those of the download log too.
std::optional<SkelvorAppDelegate::LoadedState> SkelvorAppDelegate::readSavedState(
    LoadMode mode, StateLoad& load) const {
    if (stateFilePath().isEmpty()) return std::nullopt;
    const KeyedArchiveFile file(stateFilePath(), max_state_file_bytes);
    if (mode == LoadMode::launch) {
        file.removeInterruptedWrites();
        KeyedArchiveFile(downloadTimesPath(), 0).removeInterruptedWrites();
    }
    LoadedState loaded;
    bool tooLarge = false;
    const KeyedArchiveFile::ReadResult read =
        file.read([&](const QString& name, QCborStreamReader& reader) {
            if (name == key::knownSatellites && reader.isMap()) {
                loaded.knownSatellites = readCatalogue(reader, this);
                tooLarge = !loaded.knownSatellites;
                return !tooLarge;
            }
            if (const std::optional<QCborValue> value = readCborValue(reader)) {
                loaded.entries.insert(name, *value);
            }
            return reader.lastError() == QCborError::NoError;
        });
    switch (read.outcome) {
        case FileContents::Outcome::read:
            load.outcome = StateLoad::Outcome::loaded;
            return loaded;
        case FileContents::Outcome::missing:
            return std::nullopt;
        case FileContents::Outcome::unreadable:
            break;
    }
    load.outcome = StateLoad::Outcome::unreadable;
    load.reason = tooLarge ? tr("it holds more than %1 satellites").arg(max_catalogue_satellites)
                           : read.error;
    if (mode == LoadMode::launch) load.setAsidePath = file.setAside(now()).value_or(QString());
    return std::nullopt;
}

void SkelvorAppDelegate::restoreState(LoadedState loaded) {
    const KeyedUnarchiver coder(loaded.entries);
    if (loaded.knownSatellites) {
        knownSatellites_ = std::move(*loaded.knownSatellites);
        restoreSelection(coder);
        setTleUpdateDays(coder.decodeInt32(key::tleUpdateDays));
    } else {
        knownSatellites_.clear();
        selectedSatellites_.clear();
        currentSatellite_.reset();
        setTleUpdateDays(first_run_tle_update_days);
    }
    dateOfLastTLEUpdate_ = coder.decodeDate(key::dateOfTLEUpdate).value_or(distant_past);
    setUseUTC(coder.decodeBool(key::useUTC));
    setUseDecimalDegrees(coder.decodeBool(key::useDecimalDegrees));
    setPassTimetableDuration(coder.decodeDouble(key::passTimetableDuration));
    setMinimumPathElevation(coder.decodeInt32(key::minimumPathElevation));
    currentLocation_ = locationFromCbor(coder.decodeObject(key::currentLocation));
    setShowHeldAngle(coder.decodeBool(key::showHeldAngle));
    setShowSunAndMoon(coder.decodeBool(key::showSunAndMoon));
    setShowFootprintTrack(coder.decodeBool(key::showFootprintTrack));
    setTimelineDuration(
        std::max(coder.decodeInt32(key::timelineDuration), shortest_timeline_hours));
    serverCategories_ = stringMap(coder.decodeObject(key::serverCategories));
    const QCborValue chosen = coder.decodeObject(key::updateCategories);
    chosenUpdateCategories_ =
        chosen.isArray() ? std::optional<QStringList>(strings(chosen)) : std::nullopt;
    droppedGroups_ = strings(coder.decodeObject(key::droppedGroups));
}

// The selection by name, in stored order: each name is looked up in the categories in the
// catalogue's order, and names no longer in it are dropped. The current satellite comes back
// only when it is also selected.
void SkelvorAppDelegate::restoreSelection(const KeyedUnarchiver& coder) {
    const std::optional<QString> current = coder.decodeString(key::currentSatellite);
    selectedSatellites_.clear();
    currentSatellite_.reset();
    for (const QCborValue& name : coder.decodeObject(key::selectedSatellites).toArray()) {
        if (!name.isString()) continue;
        for (const CategoryTable& table : std::as_const(knownSatellites_)) {
            const auto found = table.find(name.toString());
            if (found == table.end()) continue;
            if (name.toString() == current) currentSatellite_ = *found;
            selectedSatellites_.append(*found);
            break;
        }
    }
}
