// Reading HTML as far as the element-set server's pages and answers need it: comments, tags
// with their attributes, character references and the text a browser shows.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringView>

#include "RegexOperations.h"

// The stretches of the page outside HTML comments, in page order. A comment runs from "<!--"
// to the next "-->" (the end of the page when there is none); "<!-->" is an empty comment.
QList<TextRange> rangesOutsideComments(QStringView page);

struct HtmlToken {
    bool isTag = false;
    QString text;                       // text as written, references not decoded
    QString name;                       // tag name in lower case, "/td" for an end tag
    QMap<QString, QString> attributes;  // names in lower case, values with references decoded
};

// The page as text and tags, comments left out. Attribute values may be quoted with either
// quote or not at all; a "<" that starts no tag, and a ">" outside a tag, are text.
// Declarations such as <!DOCTYPE …> and a tag cut off by the end of the page are left out.
QList<HtmlToken> htmlTokens(QStringView page);

// &amp; &lt; &gt; &quot; &apos; &nbsp; and numeric references; any other "&" stays as written.
QString decodeCharacterReferences(QStringView text);

// What a browser shows of the tokens: the text with references decoded, tags other than inline
// ones (a, b, i, span …) read as white space, the contents of head, title, script and style left
// out, white space collapsed and trimmed.
QString visibleText(const QList<HtmlToken>& tokens);
