#include "SatelliteData.h"

SatelliteData::SatelliteData(const SettingsStore* settings) : appDelegate_(settings) {}

std::shared_ptr<SatelliteData> SatelliteData::createSatellite(
    const SettingsStore* settings, const QString& commonName, const QString& fileName,
    std::int32_t catalogNumber, const QString& tle, const QString& line1, const QString& line2) {
    auto satellite = std::make_shared<SatelliteData>(settings);
    satellite->tleFileName_ = fileName;
    satellite->catalogNumber_ = catalogNumber;
    satellite->commonName_ = commonName;
    if (!satellite->processTLE(tle, line1, line2)) return nullptr;
    return satellite;
}
