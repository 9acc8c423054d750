#include "ElementSetReader.h"

#include <QCoreApplication>
#include <QStringList>
#include <QStringView>
#include <algorithm>

#include "CatalogNumber.h"
#include "CsvElementSet.h"
#include "ElementLines.h"

namespace {

bool isSpaceOrTab(QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; }

QString trimSpacesAndTabs(QStringView text) {
    while (!text.isEmpty() && isSpaceOrTab(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isSpaceOrTab(text.back())) text.chop(1);
    return text.toString();
}

bool isBlank(const QString& line) { return trimSpacesAndTabs(line).isEmpty(); }

// The lines between line feeds, each without the carriage return before its line feed.
QStringList linesOf(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].endsWith(u'\r')) lines[i].chop(1);
    }
    return lines;
}

bool startsSet(const QStringList& lines, qsizetype i) {
    return i + 2 < lines.size() && lines[i + 1].startsWith(u"1 ") && lines[i + 2].startsWith(u"2 ");
}

class ThreeLineReader {
public:
    explicit ThreeLineReader(const QStringList& lines) : lines_(lines) {}

    ElementSetText read() {
        for (qsizetype i = 0; i < lines_.size();) {
            if (startsSet(lines_, i)) {
                reportStray();
                readSet(i);
                i += 3;
            } else if (isNamelessPair(i)) {
                reportStray();
                problem(i, QCoreApplication::translate("ElementSet",
                                                       "element lines without a name line"));
                i += 2;
            } else {
                if (strayStart_ < 0 && !isBlank(lines_[i])) strayStart_ = i;
                ++i;
            }
        }
        reportStray();
        return std::move(result_);
    }

private:
    bool isNamelessPair(qsizetype i) const {
        return i + 1 < lines_.size() && lines_[i].startsWith(u"1 ") &&
               lines_[i + 1].startsWith(u"2 ");
    }

    void readSet(qsizetype first) {
        const QString& line1 = lines_[first + 1];
        const QString& line2 = lines_[first + 2];
        if (!isElementLinePair(line1, line2)) {
            return reject(first, QCoreApplication::translate(
                                     "ElementSet", "element lines shorter than 68 characters"));
        }
        if (const std::optional<QString> why = elementLineProblem(line1, line2)) {
            return reject(first, *why);
        }
        ElementSetEntry set;
        set.lineNumber = first + 1;
        set.nameLine = trimSpacesAndTabs(lines_[first]);
        set.commonName = commonNameOf(set.nameLine);
        set.catalogNumber = readCatalogNumber(line1);
        set.values = readElementLines(set.nameLine, line1, line2);
        if (const std::optional<QString> why = orbitValueProblem(set.values)) {
            return reject(first, *why);
        }
        result_.sets.push_back(std::move(set));
    }

    void reject(qsizetype index, const QString& reason) {
        result_.problems.push_back({index + 1, reason, ElementFileProblem::Kind::rejectedSet});
    }

    void reportStray() {
        if (strayStart_ < 0) return;
        problem(strayStart_,
                QCoreApplication::translate("ElementSet", "not a three-line element set"));
        strayStart_ = -1;
    }

    void problem(qsizetype index, const QString& reason) {
        result_.problems.push_back({index + 1, reason});
    }

    const QStringList& lines_;
    ElementSetText result_;
    qsizetype strayStart_ = -1;  // first line of a stretch that is not an element set
};

ElementSetText readCsvRecords(const QStringList& lines, qsizetype header) {
    ElementSetText result;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        if (isBlank(lines[i])) continue;
        const std::optional<CsvElementSet> record = readCsvElementSet(lines[i]);
        const std::optional<QString> why =
            record ? orbitValueProblem(record->elements)
                   : QCoreApplication::translate("ElementSet", "not a CSV element record");
        if (why) {
            result.problems.push_back({i + 1, *why, ElementFileProblem::Kind::rejectedSet});
            continue;
        }
        ElementSetEntry set;
        set.lineNumber = i + 1;
        set.nameLine = trimSpacesAndTabs(record->name);
        set.commonName = commonNameOf(set.nameLine);
        set.catalogNumber = record->catalogNumber;
        set.values = record->elements;
        result.sets.push_back(std::move(set));
    }
    return result;
}

}  // namespace

qsizetype ElementSetText::rejectedSets() const {
    return std::count_if(problems.begin(), problems.end(), [](const ElementFileProblem& problem) {
        return problem.kind == ElementFileProblem::Kind::rejectedSet;
    });
}

std::optional<QString> orbitValueProblem(const ElementValues& values) {
    if (!(values.meanMotion > 0.0)) {
        return QCoreApplication::translate("ElementSet",
                                           "mean motion %1 is not above 0 revolutions a day")
            .arg(values.meanMotion);
    }
    if (!(values.eccentricity >= 0.0 && values.eccentricity < 1.0)) {
        return QCoreApplication::translate("ElementSet", "eccentricity %1 lies outside 0 to 1")
            .arg(values.eccentricity);
    }
    if (values.epochDay < 1 || values.epochDay > 366) {
        return QCoreApplication::translate("ElementSet", "epoch day %1 lies outside 1 to 366")
            .arg(values.epochDay);
    }
    return std::nullopt;
}

QString commonNameOf(const QString& nameLine) {
    const qsizetype bracket = nameLine.indexOf(u'[');
    return bracket < 0 ? trimSpacesAndTabs(nameLine)
                       : trimSpacesAndTabs(QStringView(nameLine).first(bracket));
}

ElementSetText readElementSetText(const QString& text) {
    const QStringList lines = linesOf(text);
    qsizetype first = 0;
    while (first < lines.size() && isBlank(lines[first])) ++first;
    if (first < lines.size() && isCsvElementHeader(lines[first])) {
        return readCsvRecords(lines, first);
    }
    return ThreeLineReader(lines).read();
}
