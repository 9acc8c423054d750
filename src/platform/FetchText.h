// Reading a web address as UTF-8 text, synchronously: the caller waits on a local event loop
// until the document is whole or the fetch has failed. Besides http and https, qrc: and file:
// addresses are read directly (the bundled sample server lives under qrc:/sample-server/).
#pragma once

#include <QString>
#include <QUrl>
#include <chrono>
#include <optional>

struct FetchDeadlines {
    std::chrono::milliseconds connect{10000};     // until the server answers
    std::chrono::milliseconds noProgress{15000};  // without a byte arriving
    std::chrono::milliseconds overall{60000};     // for the whole document
};

// What the caller takes: any text, or plain text only (an HTML page served in place of a
// plain-text file, such as an error or login page, is then a failed fetch).
enum class TextKind { any, plain };

// The document's text, or none when the fetch failed: a deadline passed, the answer was not
// 200, the body was cut off, or the reply was not UTF-8 text of the kind asked for. Never
// partial data.
std::optional<QString> fetchText(const QUrl& url, const FetchDeadlines& deadlines = {},
                                 TextKind kind = TextKind::any);
