#include "SavedState.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborStreamWriter>

#include "KeyedArchiver.h"

namespace {

const QString keyLatitude = QStringLiteral("Latitude");
const QString keyLongitude = QStringLiteral("Longitude");
const QString keyAltitude = QStringLiteral("Altitude");

// The catalogue is streamed: a map of category name to a map of satellite name to the
// satellite's own map.
void writeCatalogue(QCborStreamWriter& writer,
                    const std::vector<SavedState::Category>& categories) {
    writer.startMap(categories.size());
    for (const SavedState::Category& category : categories) {
        writer.append(category.name);
        writer.startMap(category.satellites.size());
        for (const SavedState::Entry& entry : category.satellites) {
            writer.append(entry.name);
            KeyedArchiver coder;
            entry.satellite.encodeWithCoder(coder);
            coder.map().toCborValue().toCbor(writer);
        }
        writer.endMap();
    }
    writer.endMap();
}

}  // namespace

QByteArray SavedState::toCbor() const {
    namespace key = savedStateKey;
    KeyedArchiver rest;
    rest.encodeObject(key::selectedSatellites, QCborArray::fromStringList(selectedSatellites));
    rest.encodeString(key::currentSatellite, currentSatellite);
    rest.encodeDate(key::dateOfTLEUpdate, dateOfTLEUpdate);
    rest.encodeBool(key::useUTC, useUTC);
    rest.encodeBool(key::useDecimalDegrees, useDecimalDegrees);
    rest.encodeDouble(key::passTimetableDuration, passTimetableDuration);
    rest.encodeInt32(key::minimumPathElevation, minimumPathElevation);
    rest.encodeObject(key::currentLocation, locationToCbor(currentLocation));
    rest.encodeBool(key::showHeldAngle, showHeldAngle);
    rest.encodeBool(key::showSunAndMoon, showSunAndMoon);
    rest.encodeBool(key::showFootprintTrack, showFootprintTrack);
    rest.encodeInt32(key::tleUpdateDays, tleUpdateDays);
    rest.encodeInt32(key::timelineDuration, timelineDuration);
    QCborMap categories;
    for (auto category = serverCategories.cbegin(); category != serverCategories.cend();
         ++category) {
        categories.insert(category.key(), category.value());
    }
    rest.encodeObject(key::serverCategories, categories);
    rest.encodeObject(key::updateCategories,
                      updateCategories ? QCborValue(QCborArray::fromStringList(*updateCategories))
                                       : QCborValue(nullptr));
    rest.encodeObject(key::droppedGroups, QCborArray::fromStringList(droppedGroups));

    QByteArray bytes;
    QCborStreamWriter writer(&bytes);
    writer.startMap(1 + rest.map().size());
    writer.append(key::knownSatellites);
    writeCatalogue(writer, knownSatellites);
    for (auto it = rest.map().constBegin(); it != rest.map().constEnd(); ++it) {
        it.key().toCbor(writer);
        it.value().toCbor(writer);
    }
    writer.endMap();
    return bytes;
}

QCborValue locationToCbor(const std::optional<Location>& location) {
    if (!location) return QCborValue(nullptr);
    KeyedArchiver coder;
    coder.encodeDouble(keyLatitude, location->latitude);
    coder.encodeDouble(keyLongitude, location->longitude);
    coder.encodeDouble(keyAltitude, location->altitude);
    return coder.map();
}

std::optional<Location> locationFromCbor(const QCborValue& value) {
    if (!value.isMap()) return std::nullopt;
    const KeyedUnarchiver coder(value.toMap());
    return Location{coder.decodeDouble(keyLatitude), coder.decodeDouble(keyLongitude),
                    coder.decodeDouble(keyAltitude)};
}
