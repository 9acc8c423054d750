#include "SatelliteData.h"

SatelliteData::SatelliteData(const SettingsStore* appDelegate) : appDelegate_(appDelegate) {}

std::shared_ptr<SatelliteData> SatelliteData::createSatellite(
    const SettingsStore* appDelegate, const QString& commonName, const QString& fileName,
    std::int32_t catalogNumber, const QString& tle, const QString& line1, const QString& line2) {
    auto satellite = std::make_shared<SatelliteData>(appDelegate);
    satellite->tleFileName_ = fileName;
    satellite->catalogNumber_ = catalogNumber;
    satellite->commonName_ = commonName;
    if (!satellite->processTLE(tle, line1, line2)) return nullptr;
    return satellite;
}
