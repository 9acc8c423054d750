#include "RegexOperations.h"

#include "RegexCache.h"

namespace {

void requirePattern(const QString& pattern, const char* operation) {
    if (pattern.isNull()) {
        throw std::invalid_argument(std::string("QString ") + operation +
                                    "(): The regular expression argument is NULL.");
    }
}

void requireCapture(const CachedRegex& regex, int capture, const char* operation) {
    if (capture < 0 || capture > regex.groupCount()) {
        throw std::invalid_argument(std::string("QString ") + operation +
                                    "(): The capture argument is not valid.");
    }
}

void requireRangeInside(const QString& text, TextRange range, const char* operation) {
    if (range.location < 0 || range.length < 0 || range.location > text.size() ||
        range.length > text.size() - range.location) {
        throw std::out_of_range(std::string("QString ") + operation +
                                "(): Range or index out of bounds");
    }
}

// The range of the capture group in the current match; not found when it took no part.
TextRange captureRange(const CachedRegex& regex, int capture) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t start = uregex_start(regex.get(), capture, &status);
    const int32_t end = uregex_end(regex.get(), capture, &status);
    if (U_FAILURE(status) || start < 0) return {};
    return {start, end - start};
}

bool findFirst(const CachedRegex& regex) {
    UErrorCode status = U_ZERO_ERROR;
    return uregex_find(regex.get(), 0, &status) && U_SUCCESS(status);
}

bool findNext(const CachedRegex& regex) {
    UErrorCode status = U_ZERO_ERROR;
    return uregex_findNext(regex.get(), &status) && U_SUCCESS(status);
}

QString regexErrorDescription() {
    return QStringLiteral("There was an error compiling the regular expression.");
}

}  // namespace

QStringList componentsSeparatedByRegex(const QString& text, const QString& pattern) {
    requirePattern(pattern, "componentsSeparatedByRegex");
    const CachedRegex regex(pattern, regexNoOptions, text);
    if (text.isEmpty()) return {};
    QStringList pieces;
    qsizetype pieceStart = 0;
    for (bool found = findFirst(regex); found; found = findNext(regex)) {
        const TextRange match = captureRange(regex, 0);
        pieces.append(text.sliced(pieceStart, match.location - pieceStart));
        pieceStart = match.location + match.length;
    }
    pieces.append(text.sliced(pieceStart));
    return pieces;
}

TextRange rangeOfRegex(const QString& text, const QString& pattern, RegexOptions options,
                       TextRange searchRange, int capture, RegexError* error) {
    requirePattern(pattern, "rangeOfRegex");
    requireRangeInside(text, searchRange, "rangeOfRegex");
    try {
        const CachedRegex regex(pattern, options, text);
        requireCapture(regex, capture, "rangeOfRegex");
        UErrorCode status = U_ZERO_ERROR;
        uregex_setRegion(regex.get(), static_cast<int32_t>(searchRange.location),
                         static_cast<int32_t>(searchRange.location + searchRange.length), &status);
        if (U_FAILURE(status) || !findNext(regex)) return {};
        return captureRange(regex, capture);
    } catch (const ICURegexException& exception) {
        if (error == nullptr) throw;
        *error = {QStringLiteral("ICURegexErrorDomain"),
                  exception.userInfo().value(QStringLiteral("ICURegexErrorCode")).toInt(),
                  regexErrorDescription(), exception.userInfo()};
        return {};
    }
}

std::optional<QString> stringByMatching(const QString& text, const QString& pattern, int capture) {
    requirePattern(pattern, "stringByMatching");
    const CachedRegex regex(pattern, regexNoOptions, text);
    requireCapture(regex, capture, "stringByMatching");
    if (!findFirst(regex)) return std::nullopt;
    const TextRange range = captureRange(regex, capture);
    if (!range.found()) return QStringLiteral("");
    return text.sliced(range.location, range.length);
}
