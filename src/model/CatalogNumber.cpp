#include "CatalogNumber.h"

#include "LenientNumber.h"

namespace {

// Value of an Alpha-5 leading letter, or -1 when the letter is not one.
int alpha5LetterValue(QChar letter) {
    const char16_t c = letter.unicode();
    if (c < u'A' || c > u'Z' || c == u'I' || c == u'O') return -1;
    int value = 10 + (c - u'A');
    if (c > u'I') --value;
    if (c > u'O') --value;
    return value;
}

bool allDigits(QStringView text) {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

}  // namespace

std::int32_t readCatalogNumber(QStringView line1) {
    const QStringView field = line1.mid(2, 5);
    if (field.size() == 5) {
        const int letter = alpha5LetterValue(field[0]);
        if (letter >= 0 && allDigits(field.sliced(1))) {
            return letter * 10000 + leadingInt(field.sliced(1));
        }
    }
    return leadingInt(field);
}
