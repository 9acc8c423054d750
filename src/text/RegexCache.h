// The cache of compiled patterns behind the regular-expression operations: 23 slots chosen by
// the pattern's hash, each holding one compiled pattern and the last text searched with it, so
// that a pattern used in a loop is compiled once.
#pragma once

#include <unicode/uregex.h>

#include <QString>
#include <mutex>

#include "RegexOperations.h"

// A compiled pattern with the text set on it, used under the cache's lock for as long as it
// lives. Throws ICURegexException when ICU rejects the pattern.
class CachedRegex {
public:
    CachedRegex(const QString& pattern, RegexOptions options, const QString& text);
    CachedRegex(const CachedRegex&) = delete;
    CachedRegex& operator=(const CachedRegex&) = delete;

    URegularExpression* get() const { return regex_; }
    int groupCount() const;

private:
    std::unique_lock<std::mutex> lock_;
    URegularExpression* regex_;
};
