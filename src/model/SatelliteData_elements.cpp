// Reading the three lines of an element set, and completing the orbital record from the values
// of an element set in either form.
#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "ElementValues.h"
#include "LenientNumber.h"
#include "SatelliteData.h"
#include "constants.h"
#include "propagators.h"
#include "sidereal_time.h"

namespace {

using namespace engine;

// Both element lines hold fields up to column 68.
constexpr qsizetype element_line_length = 68;

bool isElementSet(const QString& line1, const QString& line2) {
    return line1.size() >= element_line_length && line2.size() >= element_line_length &&
           line1.startsWith(u'1') && line2.startsWith(u'2');
}

// Columns first to last of an element line, counted from 1 as in the published format.
QStringView columns(const QString& line, int first, int last) {
    return QStringView(line).mid(first - 1, last - first + 1);
}

double realAt(const QString& line, int first, int last) {
    return leadingDouble(columns(line, first, last));
}

std::int32_t intAt(const QString& line, int first, int last) {
    return leadingInt(columns(line, first, last));
}

// A field written as sign, five mantissa digits behind an implied point, and a signed exponent
// digit, as in " 13844-3" for .13844E-3.
double impliedPointValue(const QString& line, int signColumn) {
    const QString text = columns(line, signColumn, signColumn).toString() + u'.' +
                         columns(line, signColumn + 1, signColumn + 5).toString() + u'E' +
                         columns(line, signColumn + 6, signColumn + 7).toString();
    return leadingDouble(text);
}

struct Status {
    std::int32_t code;
    const char* text;
};

// The status marker is the character after the first "[" of the name line.
Status statusOf(const QString& tle) {
    const qsizetype bracket = tle.indexOf(u'[');
    const QChar marker = bracket >= 0 && bracket + 1 < tle.size() ? tle[bracket + 1] : u' ';
    switch (marker.unicode()) {
        case u'+':
            return {1, "Operational"};
        case u'-':
            return {2, "Not Operational"};
        case u'P':
            return {3, "Partially Operational"};
        case u'B':
            return {4, "On Standby"};
        case u'S':
            return {5, "Spare"};
        case u'X':
            return {6, "Extended"};
        default:
            return {0, "Unknown"};
    }
}

std::uint32_t centuryYear(std::int32_t twoDigitYear) {
    return static_cast<std::uint32_t>(twoDigitYear + (twoDigitYear < 57 ? 2000 : 1900));
}

Date epochDate(std::uint32_t year, std::uint32_t day, double fractionOfDay) {
    const QDateTime newYear = QDate(static_cast<int>(year), 1, 1).startOfDay(QTimeZone::utc());
    return Date::fromQDateTime(newYear) + (day + fractionOfDay - 1.0) * Date::seconds_per_day;
}

// The fields of a name line and two element lines, as written.
ElementValues readElementLines(const QString& tle, const QString& line1, const QString& line2) {
    ElementValues values;
    const Status status = statusOf(tle);
    values.statusCode = status.code;
    values.statusText = QString::fromLatin1(status.text);

    values.epoch = realAt(line1, 19, 32);
    values.epochYear = centuryYear(intAt(line1, 19, 20));
    values.epochDay = static_cast<std::uint32_t>(intAt(line1, 21, 23));
    values.epochFraction = realAt(line1, 24, 32);
    values.xndt2o = realAt(line1, 34, 43);
    values.xndd6o = impliedPointValue(line1, 45);
    values.bstar = impliedPointValue(line1, 54);
    values.elset = intAt(line1, 65, 68);

    values.inclination = realAt(line2, 9, 16);
    values.node = realAt(line2, 18, 25);
    values.eccentricity = leadingDouble(QStringLiteral("0.") + columns(line2, 27, 33).toString());
    values.perigee = realAt(line2, 35, 42);
    values.anomaly = realAt(line2, 44, 51);
    values.meanMotion = realAt(line2, 53, 63);
    values.revnum = intAt(line2, 64, 68);
    return values;
}

}  // namespace

std::shared_ptr<SatelliteData> SatelliteData::createFromCsv(const SettingsStore* appDelegate,
                                                            const QString& commonName,
                                                            const QString& fileName,
                                                            std::int32_t catalogNumber,
                                                            const ElementValues& record) {
    auto satellite = std::make_shared<SatelliteData>(appDelegate);
    satellite->tleFileName_ = fileName;
    satellite->catalogNumber_ = catalogNumber;
    satellite->commonName_ = commonName;
    satellite->completeElements(record);
    return satellite;
}

bool SatelliteData::processTLE(const QString& tle, const QString& line1, const QString& line2) {
    if (!isElementSet(line1, line2)) return false;
    completeElements(readElementLines(tle, line1, line2));
    return true;
}

void SatelliteData::completeElements(const ElementValues& values) {
    storeElements(values);
    predictLocationAt(keplerDate_);
    classifyOrbit();
}

void SatelliteData::storeElements(const ElementValues& values) {
    using namespace constants;
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
