#include "LenientNumber.h"

#include <locale.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

qsizetype skipDigits(QStringView text, qsizetype i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

qsizetype skipSpace(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    return i;
}

qsizetype skipSign(QStringView text, qsizetype i) {
    return i < text.size() && (text[i] == u'+' || text[i] == u'-') ? i + 1 : i;
}

// The longest prefix of text, after white space, that forms a real number; empty when none.
QStringView realPrefix(QStringView text) {
    const qsizetype start = skipSpace(text);
    qsizetype i = skipSign(text, start);
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    qsizetype digits = i - intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracEnd = skipDigits(text, i + 1);
        digits += fracEnd - (i + 1);
        i = fracEnd;
    }
    if (digits == 0) return {};
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        const qsizetype expDigits = skipSign(text, i + 1);
        const qsizetype expEnd = skipDigits(text, expDigits);
        if (expEnd > expDigits) i = expEnd;
    }
    return text.sliced(start, i - start);
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

}  // namespace

double leadingDouble(QStringView text) {
    const QStringView number = realPrefix(text);
    if (number.isEmpty()) return 0.0;
    const std::string ascii = number.toLatin1().toStdString();
    return strtod_l(ascii.c_str(), nullptr, cLocale());
}

bool beginsWithNumber(QStringView text) { return !realPrefix(text).isEmpty(); }

std::int32_t leadingInt(QStringView text) {
    qsizetype i = skipSpace(text);
    const bool negative = i < text.size() && text[i] == u'-';
    i = skipSign(text, i);
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit + 1) value = limit + 1;
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value > limit ? limit : value);
}
