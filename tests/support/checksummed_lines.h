// Element lines written by hand in tests, completed with the checksum their digits call for, so
// that the element-set reader accepts them wherever a field was changed.
#pragma once

#include <QString>

#include "ElementLines.h"

// The line's first 68 columns (padded with blanks) and its checksum in column 69.
inline QString withChecksum(const QString& line) {
    const QString fields = line.left(68).leftJustified(68, u' ');
    return fields + QString::number(elementLineChecksum(fields));
}
