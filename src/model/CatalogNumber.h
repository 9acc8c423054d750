// The NORAD catalogue number in columns 3 to 7 of element line 1. Besides plain digits it may
// have the Alpha-5 form for numbers from 100000: a capital letter other than I and O (A = 10 ...
// Z = 33) followed by four digits, so "A0000" is 100000 and "Z9999" is 339999.
#pragma once

#include <QStringView>
#include <cstdint>

std::int32_t readCatalogNumber(QStringView line1);
