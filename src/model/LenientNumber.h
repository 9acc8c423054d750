// The lenient reading of numbers from text used for element-set columns and typed values:
// leading white space is skipped, an optional sign and digits (with point and exponent for
// real values) are taken as far as they form a number, the rest is ignored, and text with no
// number reads as 0.
#pragma once

#include <QStringView>
#include <cstdint>

double leadingDouble(QStringView text);

// Saturates at the limits of a 32-bit integer.
std::int32_t leadingInt(QStringView text);

// Whether the text begins (after white space) with something leadingDouble reads as a number.
bool beginsWithNumber(QStringView text);
