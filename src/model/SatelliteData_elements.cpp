// Reading the three lines of an element set into the orbital record.
#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "LenientNumber.h"
#include "SatelliteData.h"
#include "constants.h"
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
    return Date::fromQDateTime(newYear) + (day + fractionOfDay - 1.0) * 86400.0;
}

// Whether the orbit's period, from the mean motion corrected for the Earth's oblateness, is
// 225 minutes or more.
bool isDeepSpace(const tle_elements_t& tle) {
    using namespace constants;
    const double a1 = std::pow(xke / tle.xno, tothrd);
    const double temp = ck2_x1_5 * (3.0 * std::pow(std::cos(tle.xincl), 2) - 1.0) /
                        std::pow(1.0 - tle.eo * tle.eo, 1.5);
    const double del1 = temp / (a1 * a1);
    const double ao = a1 * (1.0 - del1 * (half_tothrd + del1 * (1.0 + c134_81 * del1)));
    const double delo = temp / (ao * ao);
    const double xnodp = tle.xno / (1.0 + delo);
    return twopi / xnodp / minutes_per_day >= 0.15625;
}

}  // namespace

bool SatelliteData::processTLE(const QString& tle, const QString& line1, const QString& line2) {
    if (!isElementSet(line1, line2)) return false;
    readElements(tle, line1, line2);
    predictLocationAt(keplerDate_);
    classifyOrbit();
    return true;
}

void SatelliteData::readElements(const QString& tle, const QString& line1, const QString& line2) {
    using namespace constants;
    sat_record_t& sat = satelliteData_;
    tle_elements_t& el = sat.tle;
    sat.flags = 0;

    const Status status = statusOf(tle);
    el.status = status.code;
    operationalStatus_ = QString::fromLatin1(status.text);

    el.epoch = realAt(line1, 19, 32);
    el.epoch_year = centuryYear(intAt(line1, 19, 20));
    el.epoch_day = static_cast<std::uint32_t>(intAt(line1, 21, 23));
    el.epoch_fod = realAt(line1, 24, 32);
    keplerDate_ = epochDate(el.epoch_year, el.epoch_day, el.epoch_fod);
    el.xndt2o = realAt(line1, 34, 43);
    el.xndd6o = impliedPointValue(line1, 45);
    el.bstar = impliedPointValue(line1, 54);
    el.elset = intAt(line1, 65, 68);

    el.xincl = realAt(line2, 9, 16) * de2ra;
    el.xnodeo = realAt(line2, 18, 25) * de2ra;
    el.eo = leadingDouble(QStringLiteral("0.") + columns(line2, 27, 33).toString());
    el.omegao = realAt(line2, 35, 42) * de2ra;
    el.xmo = realAt(line2, 44, 51) * de2ra;
    el.xno = realAt(line2, 53, 63);
    el.revnum = intAt(line2, 64, 68);

    const double temp = twopi / minutes_per_day / minutes_per_day;
    sat.meanmo = el.xno;
    el.xno = el.xno * temp * minutes_per_day;
    el.xndt2o = el.xndt2o * temp;
    el.xndd6o = el.xndd6o * temp / minutes_per_day;

    if (isDeepSpace(el)) {
        sat.flags |= FLAG_DEEP_SPACE;
    } else {
        sat.flags &= ~FLAG_DEEP_SPACE;
    }
    sat.jul_epoch = Julian_Date_of_Epoch(el.epoch);
}
