// The three regular-expression operations over strings: splitting by a pattern, the range of a
// capture group and the text of a capture group. Patterns use ICU's syntax; positions, lengths
// and ranges count UTF-16 code units, as QString does.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <cstdint>
#include <optional>
#include <stdexcept>

// ICU's pattern flags, as passed to its compiler.
using RegexOptions = std::uint32_t;
inline constexpr RegexOptions regexNoOptions = 0;
inline constexpr RegexOptions regexCaseless = 2;

// A span of UTF-16 code units; location 2147483647 with length 0 means not found.
struct TextRange {
    static constexpr qsizetype notFound = 2147483647;
    qsizetype location = notFound;
    qsizetype length = 0;
    bool found() const { return location != notFound; }
    bool operator==(const TextRange&) const = default;
};

// A pattern ICU rejected, reported through an error slot instead of an exception.
struct RegexError {
    QString domain;  // "ICURegexErrorDomain"
    int code = 0;    // ICU's error number
    QString localizedDescription;
    QVariantMap userInfo;  // the same details as ICURegexException::userInfo
};

// Thrown for a pattern ICU rejects when the caller gave no error slot.
class ICURegexException : public std::runtime_error {
public:
    ICURegexException(const QString& reason, QVariantMap userInfo);
    static QString name() { return QStringLiteral("ICURegexException"); }
    QString reason() const { return QString::fromUtf8(what()); }
    // ICURegexRegex, ICURegexRegexOptions, ICURegexErrorCode, ICURegexErrorName, ICURegexLine,
    // ICURegexOffset, ICURegexPreContext and ICURegexPostContext.
    const QVariantMap& userInfo() const { return userInfo_; }

private:
    QVariantMap userInfo_;
};

// The pieces of text between successive matches of pattern, the matches left out; the piece
// after the last match is always there (empty when text ends with a match). Text without a
// match gives itself alone; empty text gives no pieces.
QStringList componentsSeparatedByRegex(const QString& text, const QString& pattern);

// The range of the capture group (0: the whole match) in the first match inside searchRange;
// not found when nothing matches or the group took no part in the match. With an error slot, a
// rejected pattern fills it and gives not found instead of throwing.
TextRange rangeOfRegex(const QString& text, const QString& pattern, RegexOptions options,
                       TextRange searchRange, int capture, RegexError* error = nullptr);

// The text of the capture group in the first match anywhere in text; none when text does not
// match, empty when the group took no part in the match.
std::optional<QString> stringByMatching(const QString& text, const QString& pattern, int capture);

// Frees every compiled pattern; called when the platform reports low memory.
void clearRegexCache();
