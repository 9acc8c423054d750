// The archived form of a satellite: its identity, the user's data and the raw orbital record.
#include <QCborArray>
#include <cstring>

#include "KeyedArchiver.h"
#include "SatelliteData.h"

namespace {

const QString keyTleFileName = QStringLiteral("SatDatTleFileName");
const QString keyCatalogNumber = QStringLiteral("SatDatCatalogNumber");
const QString keyOperationalStatus = QStringLiteral("SatDatOperationalStatus");
const QString keyCommonName = QStringLiteral("SatDatCommonName");
const QString keyData = QStringLiteral("SatDatData");
const QString keyKeplerDate = QStringLiteral("SatDatKeplerDate");
const QString keyFrequencyInfo = QStringLiteral("SatDatFrequencyInfo");
const QString keyComments = QStringLiteral("SatDatComments");

QCborValue frequenciesToCbor(const std::optional<QList<FrequencyRecord>>& records) {
    if (!records) return QCborValue(nullptr);
    QCborArray array;
    for (const FrequencyRecord& record : *records) array.append(record.toCbor());
    return array;
}

std::optional<QList<FrequencyRecord>> frequenciesFromCbor(const QCborValue& value) {
    if (!value.isArray()) return std::nullopt;
    QList<FrequencyRecord> records;
    for (const QCborValue& entry : value.toArray())
        records.append(FrequencyRecord::fromCbor(entry));
    return records;
}

}  // namespace

ArchivedSatellite SatelliteData::archived() const {
    return {tleFileName_,   catalogNumber_, operationalStatus_, commonName_,
            satelliteData_, keplerDate_,    frequencyInfo_,     comments_};
}

void ArchivedSatellite::encodeWithCoder(KeyedArchiver& coder) const {
    coder.encodeString(keyTleFileName, tleFileName);
    coder.encodeInt32(keyCatalogNumber, catalogNumber);
    coder.encodeString(keyOperationalStatus, operationalStatus);
    coder.encodeString(keyCommonName, commonName);
    coder.encodeBytes(keyData, QByteArray(reinterpret_cast<const char*>(&record), sizeof record));
    coder.encodeDate(keyKeplerDate, keplerDate);
    coder.encodeObject(keyFrequencyInfo, frequenciesToCbor(frequencyInfo));
    coder.encodeString(keyComments, comments);
}

std::shared_ptr<SatelliteData> SatelliteData::createWithCoder(const KeyedUnarchiver& coder,
                                                              const SettingsStore* settings) {
    // Without a whole orbital record there is nothing to predict from: the entry is skipped.
    const std::optional<QByteArray> data = coder.decodeBytes(keyData);
    if (!data || data->size() < static_cast<qsizetype>(engine::sat_record_size)) return nullptr;

    auto satellite = std::make_shared<SatelliteData>(settings);
    satellite->tleFileName_ = coder.decodeString(keyTleFileName).value_or(QString());
    satellite->catalogNumber_ = coder.decodeInt32(keyCatalogNumber);
    satellite->operationalStatus_ = coder.decodeString(keyOperationalStatus).value_or(QString());
    satellite->commonName_ = coder.decodeString(keyCommonName).value_or(QString());
    std::memcpy(&satellite->satelliteData_, data->constData(), engine::sat_record_size);
    satellite->keplerDate_ = coder.decodeDate(keyKeplerDate);
    satellite->frequencyInfo_ = frequenciesFromCbor(coder.decodeObject(keyFrequencyInfo));
    satellite->comments_ = coder.decodeString(keyComments);
    return satellite;
}
