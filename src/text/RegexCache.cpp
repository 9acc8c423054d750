#include "RegexCache.h"

#include <array>
#include <memory>

namespace {

constexpr std::size_t slotCount = 23;

struct RegexCloser {
    void operator()(URegularExpression* regex) const { uregex_close(regex); }
};

struct Slot {
    QString pattern;
    RegexOptions options = 0;
    std::unique_ptr<URegularExpression, RegexCloser> regex;
    // Keeps the UTF-16 buffer that ICU points into alive until the next text is set.
    QString text;
};

struct Cache {
    std::mutex lock;
    std::array<Slot, slotCount> entries;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

const UChar* utf16(const QString& text) { return reinterpret_cast<const UChar*>(text.constData()); }

QString fromUChars(const UChar* text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text));
}

[[noreturn]] void throwCompileError(const QString& pattern, RegexOptions options, UErrorCode status,
                                    const UParseError& where) {
    const QString errorName = QString::fromLatin1(u_errorName(status));
    const QVariantMap userInfo{
        {QStringLiteral("ICURegexRegex"), pattern},
        {QStringLiteral("ICURegexRegexOptions"), options},
        {QStringLiteral("ICURegexErrorCode"), static_cast<int>(status)},
        {QStringLiteral("ICURegexErrorName"), errorName},
        {QStringLiteral("ICURegexLine"), where.line},
        {QStringLiteral("ICURegexOffset"), where.offset},
        {QStringLiteral("ICURegexPreContext"), fromUChars(where.preContext)},
        {QStringLiteral("ICURegexPostContext"), fromUChars(where.postContext)},
    };
    throw ICURegexException(QStringLiteral("ICU regular expression error #%1, %2")
                                .arg(static_cast<int>(status))
                                .arg(errorName),
                            userInfo);
}

URegularExpression* compile(const QString& pattern, RegexOptions options) {
    UParseError where{};
    UErrorCode status = U_ZERO_ERROR;
    URegularExpression* regex =
        uregex_open(utf16(pattern), static_cast<int32_t>(pattern.size()), options, &where, &status);
    if (U_FAILURE(status)) {
        uregex_close(regex);
        throwCompileError(pattern, options, status, where);
    }
    return regex;
}

Slot& slotFor(Cache& store, const QString& pattern, RegexOptions options) {
    Slot& slot = store.entries[qHash(pattern) % slotCount];
    if (!slot.regex || slot.options != options || slot.pattern != pattern) {
        slot.regex.reset();
        slot.text.clear();
        slot.regex.reset(compile(pattern, options));
        slot.pattern = pattern;
        slot.options = options;
    }
    return slot;
}

}  // namespace

ICURegexException::ICURegexException(const QString& reason, QVariantMap userInfo)
    : std::runtime_error(reason.toStdString()), userInfo_(std::move(userInfo)) {}

CachedRegex::CachedRegex(const QString& pattern, RegexOptions options, const QString& text)
    : lock_(cache().lock) {
    Slot& slot = slotFor(cache(), pattern, options);
    slot.text = text;
    UErrorCode status = U_ZERO_ERROR;
    uregex_setText(slot.regex.get(), utf16(slot.text), static_cast<int32_t>(slot.text.size()),
                   &status);
    regex_ = slot.regex.get();
}

int CachedRegex::groupCount() const {
    UErrorCode status = U_ZERO_ERROR;
    return uregex_groupCount(regex_, &status);
}

void clearRegexCache() {
    const std::lock_guard guard(cache().lock);
    for (Slot& slot : cache().entries) slot = Slot{};
}
