// The fixed columns of one element set in the three-line form: a name line with an optional
// bracketed status marker, and two element lines read by column.
#pragma once

#include <QString>

#include "ElementValues.h"

// Whether the two lines can be read as element lines: each at least 68 characters long (the
// last column read) and beginning with its line number.
bool isElementLinePair(const QString& line1, const QString& line2);

// The values of the lines as written, before any change of units. The lines must pass
// isElementLinePair.
ElementValues readElementLines(const QString& nameLine, const QString& line1, const QString& line2);
