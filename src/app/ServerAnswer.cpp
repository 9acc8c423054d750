#include "ServerAnswer.h"

#include "CsvElementSet.h"
#include "HtmlText.h"

namespace {

constexpr qsizetype longest_words = 300;  // characters of the server's text shown
// Only the beginning of a long body is read for words.
constexpr qsizetype words_source_bytes = 64 * 1024;

// The server's answer to a download repeated too soon; some servers send it with status 200.
bool saysNotUpdated(const QString& text) {
    const qsizetype lineEnd = text.indexOf(u'\n');
    const QStringView firstLine =
        lineEnd < 0 ? QStringView(text) : QStringView(text).first(lineEnd);
    return !isCsvElementHeader(firstLine) &&
           text.contains(QStringLiteral("has not updated"), Qt::CaseInsensitive);
}

QString beginningOf(const QByteArray& body) {
    return QString::fromUtf8(body.left(words_source_bytes));
}

}  // namespace

QString serverWords(const QByteArray& body) {
    QString words = visibleText(htmlTokens(beginningOf(body)));
    if (words.size() <= longest_words) return words;
    words.truncate(longest_words - 1);
    if (words.back().isHighSurrogate()) words.chop(1);
    return words + u'\u2026';
}

std::optional<QString> refusalOf(const FetchResult& answer) {
    const QByteArray& said = answer.document ? *answer.document : answer.body;
    const bool refused =
        (answer.status != 0 && answer.status != 200) || saysNotUpdated(beginningOf(said));
    if (!refused) return std::nullopt;
    return serverWords(said);
}

bool saysGroupDropped(const FetchResult& answer) {
    return answer.status == 404 &&
           serverWords(answer.body)
               .contains(QStringLiteral("No GP data found"), Qt::CaseInsensitive);
}
