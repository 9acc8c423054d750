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

// What the caller takes: any text, or a plain file, such as a text or CSV file, of any type but
// HTML (an HTML page served in its place, such as an error or login page, is then a failed
// fetch).
enum class TextKind { any, plain };

// What a server answered: its status (0 when no answer came) and its body as text (empty when
// there was none, when the body was not UTF-8, or when a deadline passed).
struct ServerAnswer {
    int status = 0;
    QString body;
};

// The document's text, or none when the fetch failed: a deadline passed, the answer was not
// 200 (a redirect is not followed), the body was cut off, or the reply was not UTF-8 text of
// the kind asked for. Never partial data. With an answer given, a fetch over the network fills
// it in, whether it failed or not, so that a refusal can be shown in the server's own words.
std::optional<QString> fetchText(const QUrl& url, const FetchDeadlines& deadlines = {},
                                 TextKind kind = TextKind::any, ServerAnswer* answer = nullptr);

// Whether the address is fetched from a server (http, https) rather than read locally.
bool isNetworkAddress(const QUrl& url);
