#include "ElementLines.h"

#include <QStringView>

#include "LenientNumber.h"

namespace {

// Both element lines hold fields up to column 68.
constexpr qsizetype element_line_length = 68;

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
Status statusOf(const QString& nameLine) {
    const qsizetype bracket = nameLine.indexOf(u'[');
    const QChar marker =
        bracket >= 0 && bracket + 1 < nameLine.size() ? nameLine[bracket + 1] : u' ';
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

}  // namespace

bool isElementLinePair(const QString& line1, const QString& line2) {
    return line1.size() >= element_line_length && line2.size() >= element_line_length &&
           line1.startsWith(u'1') && line2.startsWith(u'2');
}

ElementValues readElementLines(const QString& nameLine, const QString& line1,
                               const QString& line2) {
    ElementValues values;
    const Status status = statusOf(nameLine);
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
