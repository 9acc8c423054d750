#include "ElementLines.h"

#include <QCoreApplication>
#include <QStringView>
#include <algorithm>
#include <span>

#include "LenientNumber.h"

namespace {

// Both element lines hold fields up to column 68 and their checksum in column 69.
constexpr qsizetype element_line_length = 68;
constexpr qsizetype checksum_column = 69;

struct ColumnRange {
    int first;
    int last;
};

// The numeric fields of each line, after the catalogue number: epoch, the two derivative terms,
// the drag term, ephemeris type and element-set number; inclination, node, perigee, anomaly,
// mean motion and revolution number. The eccentricity is checked on its own.
constexpr ColumnRange line1_numbers[] = {{19, 32}, {34, 43}, {45, 52},
                                         {54, 61}, {63, 63}, {65, 68}};
constexpr ColumnRange line2_numbers[] = {{9, 16}, {18, 25}, {35, 42}, {44, 51}, {53, 63}, {64, 68}};
constexpr ColumnRange eccentricity_columns[] = {{27, 33}};

// Columns first to last of an element line, counted from 1 as in the published format.
QStringView columns(const QString& line, int first, int last) {
    return QStringView(line).mid(first - 1, last - first + 1);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isDigitOrBlank(QChar c) { return isDigit(c) || c == u' '; }

bool isNumberCharacter(QChar c) {
    return isDigit(c) || c == u' ' || c == u'.' || c == u'+' || c == u'-';
}

// The first column of the range holding a character the test refuses; 0 when none does.
int firstRefused(const QString& line, ColumnRange range, bool (*accept)(QChar)) {
    for (int column = range.first; column <= range.last; ++column) {
        if (!accept(line[column - 1])) return column;
    }
    return 0;
}

std::optional<QString> checksumProblem(const QString& line, int lineNumber) {
    if (line.size() < checksum_column || !isDigit(line[checksum_column - 1])) {
        return QCoreApplication::translate("ElementSet",
                                           "element line %1 has no checksum in column 69")
            .arg(lineNumber);
    }
    const int written = line[checksum_column - 1].unicode() - u'0';
    const int computed = elementLineChecksum(line);
    if (written == computed) return std::nullopt;
    return QCoreApplication::translate("ElementSet",
                                       "element line %1 has checksum %2 where its digits give %3")
        .arg(lineNumber)
        .arg(written)
        .arg(computed);
}

std::optional<QString> numberProblem(const QString& line, int lineNumber,
                                     std::span<const ColumnRange> ranges, bool (*accept)(QChar)) {
    for (const ColumnRange range : ranges) {
        if (const int column = firstRefused(line, range, accept)) {
            return QCoreApplication::translate("ElementSet",
                                               "element line %1 has '%2' in numeric column %3")
                .arg(lineNumber)
                .arg(line[column - 1])
                .arg(column);
        }
    }
    return std::nullopt;
}

// Digits and blanks, after a first character that may be an Alpha-5 letter.
std::optional<QString> catalogNumberProblem(const QString& line1, const QString& line2) {
    const QStringView number1 = QStringView(line1).mid(2, 5);
    const QStringView number2 = QStringView(line2).mid(2, 5);
    const bool alpha5 = number1[0] >= u'A' && number1[0] <= u'Z';
    const bool readable = (alpha5 || isDigitOrBlank(number1[0])) &&
                          std::all_of(number1.begin() + 1, number1.end(), isDigitOrBlank);
    if (!readable) {
        return QCoreApplication::translate("ElementSet",
                                           "element line 1 has no catalogue number in columns 3-7");
    }
    if (number1 != number2) {
        return QCoreApplication::translate("ElementSet",
                                           "the element lines carry different catalogue numbers");
    }
    return std::nullopt;
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

int elementLineChecksum(QStringView line) {
    int sum = 0;
    for (const QChar c : line.first(std::min(line.size(), element_line_length))) {
        if (isDigit(c)) sum += c.unicode() - u'0';
        if (c == u'-') ++sum;
    }
    return sum % 10;
}

std::optional<QString> elementLineProblem(const QString& line1, const QString& line2) {
    for (const auto& problem :
         {checksumProblem(line1, 1), checksumProblem(line2, 2), catalogNumberProblem(line1, line2),
          numberProblem(line1, 1, line1_numbers, isNumberCharacter),
          numberProblem(line2, 2, line2_numbers, isNumberCharacter),
          numberProblem(line2, 2, eccentricity_columns, isDigitOrBlank)}) {
        if (problem) return problem;
    }
    return std::nullopt;
}

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
