#include "IndexPage.h"

#include <QSet>
#include <algorithm>
#include <optional>

#include "HtmlText.h"
#include "RegexOperations.h"

namespace {

// The pattern's two double quotes match those around the link target.
const QString link_pattern = QStringLiteral("<a\\shref=\"([^.]*\\.txt)\">([^<]*)</a>");

QString captured(const QString& page, TextRange match, int capture) {
    const TextRange range = rangeOfRegex(page, link_pattern, regexCaseless, match, capture);
    return range.found() ? page.mid(range.location, range.length) : QString();
}

void addCategory(QMap<QString, QString>& categories, QString name, const QString& fileName,
                 const QString& fileTitle) {
    if (categories.contains(name)) name = QString(fileTitle).replace(u'-', u' ');
    categories.insert(name, fileName);
}

// Links to ".txt" files, searched stretch by stretch between comments.
QMap<QString, QString> readTextFileLinks(const QString& page) {
    QMap<QString, QString> categories;
    for (const TextRange stretch : rangesOutsideComments(page)) {
        const qsizetype stretchEnd = stretch.location + stretch.length;
        TextRange searchRange = stretch;
        while (true) {
            const TextRange match = rangeOfRegex(page, link_pattern, regexCaseless, searchRange, 0);
            if (!match.found()) break;
            const QString fileName = captured(page, match, 1);
            addCategory(categories, captured(page, match, 2), fileName, fileName.chopped(4));
            const qsizetype end = match.location + match.length;
            searchRange = {end, stretchEnd - end};
        }
    }
    return categories;
}

// The query a link asks the server, "GROUP=stations" for "gp.php?GROUP=stations&FORMAT=tle";
// none for a link anywhere else.
std::optional<QString> groupQuery(const HtmlToken& token) {
    if (!token.isTag || token.name != u"a") return std::nullopt;
    const QString href = token.attributes.value(QStringLiteral("href"));
    const qsizetype question = href.indexOf(u'?');
    if (question < 0) return std::nullopt;
    const QStringView path = QStringView(href).first(question);
    if (path != u"gp.php" && !path.endsWith(u"/gp.php")) return std::nullopt;
    for (const QStringView parameter : QStringView(href).sliced(question + 1).split(u'&')) {
        if (isGroupQuery(parameter)) return parameter.toString();
    }
    return std::nullopt;
}

bool isCellBoundary(const QString& tagName) {
    static const QSet<QString> boundaries{"td",    "/td",    "th",     "/th",   "tr",
                                          "/tr",   "table",  "/table", "tbody", "/tbody",
                                          "thead", "/thead", "tfoot",  "/tfoot"};
    return boundaries.contains(tagName);
}

// One table cell as it is read: the tokens of its title, and the first query it links to.
struct Cell {
    QList<HtmlToken> title;
    bool pastFirstLink = false;
    std::optional<QString> query;

    void read(const HtmlToken& token) {
        const bool isLink = token.isTag && token.name == u"a";
        if (isLink && !query) query = groupQuery(token);
        pastFirstLink = pastFirstLink || isLink;
        if (!pastFirstLink) title.append(token);
    }
};

QMap<QString, QString> readGroupCells(const QList<HtmlToken>& tokens) {
    QMap<QString, QString> categories;
    QSet<QString> queries;
    std::optional<Cell> cell;
    auto closeCell = [&] {
        if (cell && cell->query && !queries.contains(*cell->query)) {
            queries.insert(*cell->query);
            const QString value = cell->query->sliced(cell->query->indexOf(u'=') + 1);
            const QString title = visibleText(cell->title);
            addCategory(categories, title.isEmpty() ? QString(value).replace(u'-', u' ') : title,
                        *cell->query, value);
        }
        cell.reset();
    };
    for (const HtmlToken& token : tokens) {
        if (token.isTag && isCellBoundary(token.name)) {
            closeCell();
            if (token.name == u"td" || token.name == u"th") cell.emplace();
        } else if (cell) {
            cell->read(token);
        }
    }
    closeCell();
    return categories;
}

bool isQueryCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'_';
}

}  // namespace

QMap<QString, QString> readIndexPage(const QString& page) {
    const QList<HtmlToken> tokens = htmlTokens(page);
    const bool groupPage = std::any_of(tokens.cbegin(), tokens.cend(), [](const HtmlToken& token) {
        return groupQuery(token).has_value();
    });
    return groupPage ? readGroupCells(tokens) : readTextFileLinks(page);
}

bool isGroupQuery(QStringView fileName) {
    QStringView value;
    if (fileName.startsWith(u"GROUP=")) {
        value = fileName.sliced(6);
    } else if (fileName.startsWith(u"SPECIAL=")) {
        value = fileName.sliced(8);
    }
    return !value.isEmpty() && std::all_of(value.cbegin(), value.cend(), isQueryCharacter);
}
