// The one reader of element-set files, for the catalogue and for skelvor-cli alike: text in
// either form (three-line sets, or the server's CSV form when its first filled line is the CSV
// header row) becomes the element sets it holds, in file order, and a problem for every line
// or stretch of lines that is not one.
//
// Three-line sets are found where a line is followed by a pair of lines beginning "1 " and
// "2 ": a well-formed file is read in groups of three from its first line, and a stray line (a
// comment, a blank line, the two lines of a set without its name line) is reported and skipped
// without shifting the sets after it. A blank line is skipped without a report.
//
// A set is kept only when it can describe an orbit: the checksums and numeric columns of its
// element lines are sound, and its values are (mean motion above 0, eccentricity from 0 up to
// but not including 1, epoch day 1 to 366). Any other set is reported as rejected, so that it
// never replaces a good set of the same satellite.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "ElementValues.h"

struct ElementSetEntry {
    qsizetype lineNumber = 0;  // the set's first line, counted from 1
    QString nameLine;          // trimmed of spaces and tabs; the CSV form's name
    QString commonName;        // the name line before its bracketed status marker
    std::int32_t catalogNumber = 0;
    ElementValues values;
};

struct ElementFileProblem {
    enum class Kind {
        strayLines,   // lines that are no element set, such as a comment
        rejectedSet,  // an element set that cannot be used
    };
    qsizetype lineNumber = 0;  // counted from 1
    QString reason;
    Kind kind = Kind::strayLines;
};

struct ElementSetText {
    std::vector<ElementSetEntry> sets;
    std::vector<ElementFileProblem> problems;

    // How many element sets were found but rejected.
    qsizetype rejectedSets() const;
};

ElementSetText readElementSetText(const QString& text);

// Why the values cannot describe an orbit; none when they can.
std::optional<QString> orbitValueProblem(const ElementValues& values);

// The name shown for a name line: the part before its first "[", trimmed of spaces and tabs.
QString commonNameOf(const QString& nameLine);
