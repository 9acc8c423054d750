// Rejected patterns, capture numbers beyond the pattern and ranges outside the text.
#include <gtest/gtest.h>

#include "RegexOperations.h"

namespace {

const QString broken = QStringLiteral("ab(c");

TEST(RegexFailure, ARejectedPatternThrowsWithIcuDetails) {
    try {
        componentsSeparatedByRegex(QStringLiteral("abc"), broken);
        FAIL() << "no exception";
    } catch (const ICURegexException& exception) {
        EXPECT_EQ(exception.reason(),
                  "ICU regular expression error #66310, U_REGEX_MISMATCHED_PAREN");
        const QVariantMap& info = exception.userInfo();
        EXPECT_EQ(info.value("ICURegexRegex").toString(), broken);
        EXPECT_EQ(info.value("ICURegexErrorCode").toInt(), 66310);
        EXPECT_EQ(info.value("ICURegexOffset").toInt(), 4);
        EXPECT_EQ(info.value("ICURegexPreContext").toString(), broken);
        for (const char* key :
             {"ICURegexRegexOptions", "ICURegexErrorName", "ICURegexLine", "ICURegexPostContext"}) {
            EXPECT_TRUE(info.contains(key)) << key;
        }
    }
    EXPECT_THROW(stringByMatching(QStringLiteral("abc"), broken, 0), ICURegexException);
}

TEST(RegexFailure, AnErrorSlotReceivesTheErrorInsteadOfAnException) {
    RegexError error;
    EXPECT_FALSE(rangeOfRegex("abc", broken, regexCaseless, {0, 3}, 0, &error).found());
    EXPECT_EQ(error.domain, "ICURegexErrorDomain");
    EXPECT_EQ(error.code, 66310);
    EXPECT_EQ(error.localizedDescription, "There was an error compiling the regular expression.");
    EXPECT_EQ(error.userInfo.value("ICURegexRegexOptions").toUInt(), regexCaseless);
    EXPECT_THROW(rangeOfRegex("abc", broken, 0, {0, 3}, 0), ICURegexException);
}

TEST(RegexFailure, BadArgumentsThrowWithReasonsNamingTheOperation) {
    const QString text = QStringLiteral("a1b");
    const QString digit = QStringLiteral("(\\d)");
    EXPECT_NO_THROW(rangeOfRegex(text, digit, 0, {3, 0}, 1));
    try {
        rangeOfRegex(text, digit, 0, {0, 3}, 2);
        FAIL() << "no exception";
    } catch (const std::invalid_argument& exception) {
        EXPECT_STREQ(exception.what(),
                     "QString rangeOfRegex(): The capture argument is not valid.");
    }
    EXPECT_THROW(stringByMatching(text, digit, 2), std::invalid_argument);
    EXPECT_THROW(rangeOfRegex(text, QString(), 0, {0, 3}, 0), std::invalid_argument);
    EXPECT_THROW(rangeOfRegex(text, digit, 0, {2, 2}, 0), std::out_of_range);
    EXPECT_THROW(rangeOfRegex(text, digit, 0, {-1, 1}, 0), std::out_of_range);
}

}  // namespace
