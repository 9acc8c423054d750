#include "HtmlText.h"

#include <QSet>

namespace {

bool isHtmlSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Whether the "<" at i opens a tag or a declaration rather than being text.
bool opensTag(QStringView page, qsizetype i) {
    if (i + 1 >= page.size()) return false;
    const QChar next = page[i + 1];
    if (isAsciiLetter(next) || next == u'!' || next == u'?') return true;
    return next == u'/' && i + 2 < page.size() && isAsciiLetter(page[i + 2]);
}

// Reads one tag from its "<"; the position after its ">", or -1 when the page ends first.
class TagReader {
public:
    TagReader(QStringView page, qsizetype start) : page_(page), i_(start + 1) {}

    qsizetype read(HtmlToken& tag) {
        tag.isTag = true;
        if (page_[i_] == u'!' || page_[i_] == u'?') {  // a declaration: skipped whole
            const qsizetype end = page_.indexOf(u'>', i_);
            return end < 0 ? -1 : end + 1;
        }
        tag.name = word([](QChar c) { return isHtmlSpace(c) || c == u'>'; }).toLower();
        while (i_ < page_.size()) {
            while (i_ < page_.size() && (isHtmlSpace(page_[i_]) || page_[i_] == u'/')) ++i_;
            if (i_ >= page_.size()) break;
            if (page_[i_] == u'>') return i_ + 1;
            readAttribute(tag);
        }
        return -1;
    }

private:
    template <typename Stop>
    QString word(Stop stop) {
        const qsizetype start = i_;
        while (i_ < page_.size() && !stop(page_[i_])) ++i_;
        return page_.sliced(start, i_ - start).toString();
    }

    void skipSpace() {
        while (i_ < page_.size() && isHtmlSpace(page_[i_])) ++i_;
    }

    void readAttribute(HtmlToken& tag) {
        const QString name = word([](QChar c) {
                                 return isHtmlSpace(c) || c == u'>' || c == u'/' || c == u'=';
                             }).toLower();
        if (name.isEmpty()) {  // a stray "="
            ++i_;
            return;
        }
        skipSpace();
        QString value;
        if (i_ < page_.size() && page_[i_] == u'=') {
            ++i_;
            skipSpace();
            value = attributeValue();
        }
        if (!tag.attributes.contains(name)) {
            tag.attributes.insert(name, decodeCharacterReferences(value));
        }
    }

    QString attributeValue() {
        if (i_ >= page_.size()) return {};
        const QChar quote = page_[i_];
        if (quote != u'"' && quote != u'\'') {
            return word([](QChar c) { return isHtmlSpace(c) || c == u'>'; });
        }
        ++i_;
        QString value = word([quote](QChar c) { return c == quote; });
        if (i_ < page_.size()) ++i_;
        return value;
    }

    QStringView page_;
    qsizetype i_;
};

void appendTokens(QStringView page, QList<HtmlToken>& tokens) {
    qsizetype i = 0;
    while (i < page.size()) {
        qsizetype next = page.indexOf(u'<', i);
        while (next >= 0 && !opensTag(page, next)) next = page.indexOf(u'<', next + 1);
        const qsizetype textEnd = next < 0 ? page.size() : next;
        if (textEnd > i) tokens.append({false, page.sliced(i, textEnd - i).toString(), {}, {}});
        if (next < 0) return;
        HtmlToken tag;
        i = TagReader(page, next).read(tag);
        if (i < 0) return;
        if (tag.name.isEmpty()) continue;
        const bool rawText = tag.name == u"script" || tag.name == u"style";
        const QString end = QStringLiteral("</") + tag.name;
        tokens.append(std::move(tag));
        if (!rawText) continue;
        // The contents of a script or style are text whatever they hold, up to the end tag.
        qsizetype close = page.indexOf(end, i, Qt::CaseInsensitive);
        if (close < 0) close = page.size();
        if (close > i) tokens.append({false, page.sliced(i, close - i).toString(), {}, {}});
        i = close;
    }
}

std::optional<char32_t> namedReference(QStringView name) {
    static const QMap<QString, char32_t> names{
        {QStringLiteral("amp"), U'&'},   {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},    {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''}, {QStringLiteral("nbsp"), U'\u00a0'}};
    const auto found = names.constFind(name.toString());
    if (found == names.cend()) return std::nullopt;
    return *found;
}

std::optional<char32_t> numericReference(QStringView digits) {
    const bool hex = digits.startsWith(u'x') || digits.startsWith(u'X');
    if (hex) digits = digits.sliced(1);
    if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
    bool ok = false;
    const uint code = digits.toUInt(&ok, hex ? 16 : 10);
    if (!ok) return std::nullopt;
    const bool valid = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? char32_t(code) : U'\uFFFD';
}

// Tags that a browser shows inside a line of text without breaking it.
bool isInlineTag(QString name) {
    static const QSet<QString> inlineTags{"a",    "abbr",  "b",      "code", "em",  "font", "i",
                                          "span", "small", "strong", "sub",  "sup", "u"};
    if (name.startsWith(u'/')) name.remove(0, 1);
    return inlineTags.contains(name);
}

bool isHiddenContent(const QString& name) {
    return name == u"head" || name == u"title" || name == u"script" || name == u"style";
}

}  // namespace

QList<TextRange> rangesOutsideComments(QStringView page) {
    QList<TextRange> ranges;
    qsizetype start = 0;
    while (start <= page.size()) {
        const qsizetype open = page.indexOf(u"<!--", start);
        const qsizetype end = open < 0 ? page.size() : open;
        if (end > start) ranges.append({start, end - start});
        if (open < 0) break;
        const qsizetype close = page.indexOf(u"-->", open + 2);
        if (close < 0) break;
        start = close + 3;
    }
    return ranges;
}

QList<HtmlToken> htmlTokens(QStringView page) {
    QList<HtmlToken> tokens;
    for (const TextRange range : rangesOutsideComments(page)) {
        appendTokens(page.sliced(range.location, range.length), tokens);
    }
    return tokens;
}

QString decodeCharacterReferences(QStringView text) {
    constexpr qsizetype longestReference = 10;  // "&#x10FFFF;"
    QString decoded;
    decoded.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype amp = text.indexOf(u'&'); amp >= 0; amp = text.indexOf(u'&', amp + 1)) {
        const QStringView candidate =
            text.sliced(amp + 1).first(std::min(longestReference, text.size() - amp - 1));
        const qsizetype semicolon = candidate.indexOf(u';');
        if (semicolon < 0) continue;
        const QStringView reference = candidate.first(semicolon);
        const std::optional<char32_t> c = reference.startsWith(u'#')
                                              ? numericReference(reference.sliced(1))
                                              : namedReference(reference);
        if (!c) continue;
        decoded += text.sliced(copied, amp - copied);
        decoded += QString::fromUcs4(&*c, 1);
        copied = amp + 2 + semicolon;
    }
    decoded += text.sliced(copied);
    return decoded;
}

QString visibleText(const QList<HtmlToken>& tokens) {
    QString text;
    QString hiddenUntil;  // the end tag that closes hidden content
    for (const HtmlToken& token : tokens) {
        if (!hiddenUntil.isEmpty()) {
            if (token.isTag && token.name == hiddenUntil) hiddenUntil.clear();
        } else if (!token.isTag) {
            text += decodeCharacterReferences(token.text);
        } else if (isHiddenContent(token.name)) {
            hiddenUntil = u'/' + token.name;
        } else if (!isInlineTag(token.name)) {
            text += u' ';
        }
    }
    return text.simplified();
}
