#include "CsvElementSet.h"

#include <QDate>
#include <QStringList>
#include <cmath>
#include <limits>

#include "LenientNumber.h"

namespace {

const QStringList columnNames = {QStringLiteral("OBJECT_NAME"),
                                 QStringLiteral("OBJECT_ID"),
                                 QStringLiteral("EPOCH"),
                                 QStringLiteral("MEAN_MOTION"),
                                 QStringLiteral("ECCENTRICITY"),
                                 QStringLiteral("INCLINATION"),
                                 QStringLiteral("RA_OF_ASC_NODE"),
                                 QStringLiteral("ARG_OF_PERICENTER"),
                                 QStringLiteral("MEAN_ANOMALY"),
                                 QStringLiteral("EPHEMERIS_TYPE"),
                                 QStringLiteral("CLASSIFICATION_TYPE"),
                                 QStringLiteral("NORAD_CAT_ID"),
                                 QStringLiteral("ELEMENT_SET_NO"),
                                 QStringLiteral("REV_AT_EPOCH"),
                                 QStringLiteral("BSTAR"),
                                 QStringLiteral("MEAN_MOTION_DOT"),
                                 QStringLiteral("MEAN_MOTION_DDOT")};

enum Column {
    objectName = 0,
    epochColumn = 2,
    meanMotion,
    eccentricity,
    inclination,
    node,
    perigee,
    anomaly,
    catalogNumber = 11,
    elementSet,
    revolution,
    bstar,
    meanMotionDot,
    meanMotionDdot
};

QStringView withoutLineEnd(QStringView line) {
    while (line.endsWith(u'\r')) line.chop(1);
    return line;
}

// The fields of one CSV line; a quoted field may hold commas and doubled quotes. None when a
// quote is left open or text follows a closing quote.
std::optional<QStringList> splitFields(QStringView line) {
    QStringList fields(1);
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            const bool doubled = c == u'"' && i + 1 < line.size() && line[i + 1] == u'"';
            if (c != u'"' || doubled) {
                fields.last() += c;
                i += doubled ? 1 : 0;
            } else {
                quoted = false;
                if (i + 1 < line.size() && line[i + 1] != u',') return std::nullopt;
            }
        } else if (c == u',') {
            fields.append(QString());
        } else if (c == u'"' && fields.last().isEmpty()) {
            quoted = true;
        } else {
            fields.last() += c;
        }
    }
    if (quoted) return std::nullopt;
    return fields;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// How many ASCII digits the text begins with.
qsizetype leadingDigits(QStringView text) {
    qsizetype n = 0;
    while (n < text.size() && isAsciiDigit(text[n])) ++n;
    return n;
}

bool isAllDigits(QStringView text) { return !text.isEmpty() && leadingDigits(text) == text.size(); }

// A decimal number written whole: an optional sign, digits with an optional point (or a point
// and digits), and an optional exponent, with nothing else but blanks around it.
bool isDecimalNumber(QStringView text) {
    text = text.trimmed();
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) text = text.sliced(1);
    const qsizetype whole = leadingDigits(text);
    text = text.sliced(whole);
    qsizetype fraction = 0;
    if (!text.isEmpty() && text.front() == u'.') {
        text = text.sliced(1);
        fraction = leadingDigits(text);
        text = text.sliced(fraction);
    }
    if (whole + fraction == 0) return false;
    if (text.isEmpty()) return true;
    if (text.front() != u'e' && text.front() != u'E') return false;
    text = text.sliced(1);
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) text = text.sliced(1);
    return isAllDigits(text);
}

std::optional<double> number(const QString& field) {
    if (!isDecimalNumber(field)) return std::nullopt;
    const double value = leadingDouble(field);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> count(const QString& field) {
    const QStringView digits = QStringView(field).trimmed();
    if (!isAllDigits(digits)) return std::nullopt;
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

constexpr qint64 nanosecondsPerUnit = 864000;  // 1e-8 of a day
constexpr qint64 unitsPerDay = 100000000;

struct RoundedEpoch {
    QDate date;
    qint64 units;  // of 1e-8 of a day since midnight
};

// The epoch rounded to the precision of the three-line form; halves of the last unit round up,
// and rounding up to midnight moves to the next day.
std::optional<RoundedEpoch> roundedEpoch(const QString& field) {
    // "YYYY-MM-DDTHH:MM:SS" with an optional fraction of the second after a point.
    const QStringView text = QStringView(field).trimmed();
    constexpr qsizetype fixedLength = 19;
    if (text.size() < fixedLength) return std::nullopt;
    const QStringView form = u"dddd-dd-ddTdd:dd:dd";
    for (qsizetype i = 0; i < fixedLength; ++i) {
        if (form[i] == u'd' ? !isAsciiDigit(text[i]) : text[i] != form[i]) return std::nullopt;
    }
    QStringView fraction = text.sliced(fixedLength);
    if (!fraction.isEmpty()) {
        if (fraction.front() != u'.' || !isAllDigits(fraction.sliced(1))) return std::nullopt;
        fraction = fraction.sliced(1);
    }
    auto part = [&](qsizetype at, qsizetype length) { return text.sliced(at, length).toInt(); };
    const QDate date(part(0, 4), part(5, 2), part(8, 2));
    const int hour = part(11, 2);
    const int minute = part(14, 2);
    const int second = part(17, 2);
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    const qint64 seconds = (hour * 60 + minute) * 60 + second;
    const qint64 nanoseconds =
        seconds * 1000000000 + fraction.toString().leftJustified(9, u'0', true).toLongLong();
    const qint64 units = (nanoseconds + nanosecondsPerUnit / 2) / nanosecondsPerUnit;
    if (units == unitsPerDay) return RoundedEpoch{date.addDays(1), 0};
    return RoundedEpoch{date, units};
}

// The epoch fields read from the same text as columns 19-32 of element line 1 would hold, so
// both forms give the same numbers.
bool readEpoch(const QString& field, ElementValues& values) {
    const std::optional<RoundedEpoch> epoch = roundedEpoch(field);
    if (!epoch || epoch->date.year() < 1957 || epoch->date.year() > 2056) return false;
    const QString text = QString::asprintf("%02d%03d.%08lld", epoch->date.year() % 100,
                                           epoch->date.dayOfYear(), epoch->units);
    values.epoch = leadingDouble(text);
    values.epochYear = static_cast<std::uint32_t>(epoch->date.year());
    values.epochDay = static_cast<std::uint32_t>(epoch->date.dayOfYear());
    values.epochFraction = leadingDouble(text.sliced(5));
    return true;
}

// Each real field with where its value goes.
bool readReals(const QStringList& fields, ElementValues& values) {
    const std::pair<Column, double*> reals[] = {{meanMotion, &values.meanMotion},
                                                {eccentricity, &values.eccentricity},
                                                {inclination, &values.inclination},
                                                {node, &values.node},
                                                {perigee, &values.perigee},
                                                {anomaly, &values.anomaly},
                                                {bstar, &values.bstar},
                                                {meanMotionDot, &values.xndt2o},
                                                {meanMotionDdot, &values.xndd6o}};
    for (const auto& [column, target] : reals) {
        const std::optional<double> value = number(fields[column]);
        if (!value) return false;
        *target = *value;
    }
    return true;
}

}  // namespace

bool isCsvElementHeader(QStringView line) {
    if (line.startsWith(QChar(0xFEFF))) line = line.sliced(1);
    const std::optional<QStringList> fields = splitFields(withoutLineEnd(line));
    return fields && *fields == columnNames;
}

std::optional<CsvElementSet> readCsvElementSet(QStringView line) {
    const std::optional<QStringList> fields = splitFields(withoutLineEnd(line));
    if (!fields || fields->size() != columnNames.size()) return std::nullopt;
    CsvElementSet set;
    set.name = (*fields)[objectName].trimmed();
    const std::optional<std::int32_t> catalog = count((*fields)[catalogNumber]);
    const std::optional<std::int32_t> elset = count((*fields)[elementSet]);
    const std::optional<std::int32_t> revnum = count((*fields)[revolution]);
    if (!catalog || !elset || !revnum) return std::nullopt;
    set.catalogNumber = *catalog;
    set.elements.elset = *elset;
    set.elements.revnum = *revnum;
    if (!readEpoch((*fields)[epochColumn], set.elements)) return std::nullopt;
    if (!readReals(*fields, set.elements)) return std::nullopt;
    return set;
}
