// The fixed columns of one element set in the three-line form: a name line with an optional
// bracketed status marker, and two element lines read by column.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "ElementValues.h"

// Whether the two lines can be read as element lines: each at least 68 characters long (the
// last column read) and beginning with its line number.
bool isElementLinePair(const QString& line1, const QString& line2);

// The checksum of an element line: its digits in columns 1 to 68 added up, each minus sign
// counting 1, modulo 10. The line carries it in column 69.
int elementLineChecksum(QStringView line);

// Why two lines that pass isElementLinePair cannot be an element set: a missing or wrong
// checksum, a character other than a digit, blank, sign or point in a numeric column (only
// digits and blanks in the eccentricity), or two different catalogue numbers; none when they
// are sound.
std::optional<QString> elementLineProblem(const QString& line1, const QString& line2);

// The values of the lines as written, before any change of units. The lines must pass
// isElementLinePair.
ElementValues readElementLines(const QString& nameLine, const QString& line1, const QString& line2);
