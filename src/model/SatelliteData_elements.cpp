// Completing the orbital record from the values of an element set in either form.
#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "ElementLines.h"
#include "SatelliteData.h"
#include "constants.h"
#include "propagators.h"
#include "sidereal_time.h"

namespace {

Date epochDate(std::uint32_t year, std::uint32_t day, double fractionOfDay) {
    const QDateTime newYear = QDate(static_cast<int>(year), 1, 1).startOfDay(QTimeZone::utc());
    return Date::fromQDateTime(newYear) + (day + fractionOfDay - 1.0) * Date::seconds_per_day;
}

}  // namespace

std::shared_ptr<SatelliteData> SatelliteData::createFromValues(const SettingsStore* settings,
                                                               const QString& commonName,
                                                               const QString& fileName,
                                                               std::int32_t catalogNumber,
                                                               const ElementValues& values) {
    auto satellite = std::make_shared<SatelliteData>(settings);
    satellite->tleFileName_ = fileName;
    satellite->catalogNumber_ = catalogNumber;
    satellite->commonName_ = commonName;
    satellite->completeElements(values);
    return satellite;
}

bool SatelliteData::processTLE(const QString& tle, const QString& line1, const QString& line2) {
    if (!isElementLinePair(line1, line2)) return false;
    completeElements(readElementLines(tle, line1, line2));
    return true;
}

void SatelliteData::completeElements(const ElementValues& values) {
    storeElements(values);
    predictLocationAt(keplerDate_);
    classifyOrbit();
}

void SatelliteData::storeElements(const ElementValues& values) {
    using namespace engine;
    using namespace engine::constants;
    sat_record_t& sat = satelliteData_;
    tle_elements_t& el = sat.tle;
    sat.flags = 0;

    el.status = values.statusCode;
    operationalStatus_ = values.statusText;

    el.epoch = values.epoch;
    el.epoch_year = values.epochYear;
    el.epoch_day = values.epochDay;
    el.epoch_fod = values.epochFraction;
    keplerDate_ = epochDate(el.epoch_year, el.epoch_day, el.epoch_fod);
    el.elset = values.elset;
    el.revnum = values.revnum;

    el.xincl = values.inclination * de2ra;
    el.xnodeo = values.node * de2ra;
    el.eo = values.eccentricity;
    el.omegao = values.perigee * de2ra;
    el.xmo = values.anomaly * de2ra;

    const double temp = twopi / minutes_per_day / minutes_per_day;
    sat.meanmo = values.meanMotion;
    el.xno = values.meanMotion * temp * minutes_per_day;
    el.xndt2o = values.xndt2o * temp;
    el.xndd6o = values.xndd6o * temp / minutes_per_day;
    el.bstar = values.bstar;

    if (isDeepSpace(el)) {
        sat.flags |= FLAG_DEEP_SPACE;
    } else {
        sat.flags &= ~FLAG_DEEP_SPACE;
    }
    sat.jul_epoch = Julian_Date_of_Epoch(el.epoch);
}
