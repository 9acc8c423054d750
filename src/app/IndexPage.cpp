#include "IndexPage.h"

#include "RegexOperations.h"

namespace {

// The pattern's two double quotes match those around the link target.
const QString link_pattern = QStringLiteral("<a\\shref=\"([^.]*\\.txt)\">([^<]*)</a>");

QString captured(const QString& page, TextRange match, int capture) {
    const TextRange range = rangeOfRegex(page, link_pattern, regexCaseless, match, capture);
    return range.found() ? page.mid(range.location, range.length) : QString();
}

}  // namespace

QMap<QString, QString> readIndexPage(const QString& page) {
    QMap<QString, QString> categories;
    TextRange searchRange{0, page.size()};
    while (true) {
        const TextRange match = rangeOfRegex(page, link_pattern, regexCaseless, searchRange, 0);
        if (!match.found()) break;
        const QString fileName = captured(page, match, 1);
        QString category = captured(page, match, 2);
        if (categories.contains(category)) {
            category = fileName.chopped(4).replace(u'-', u' ');
        }
        categories.insert(category, fileName);
        const qsizetype end = match.location + match.length;
        searchRange = {end, page.size() - end};
    }
    return categories;
}
