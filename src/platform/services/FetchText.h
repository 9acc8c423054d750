// Reading a web address as a text document without waiting for it: the transfer runs on the
// event loop, reports its progress and ends with one result, never partial data. Besides http
// and https, qrc: and file: addresses are read directly (the bundled sample server lives under
// qrc:/sample-server/).
#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QNetworkReply;

struct FetchDeadlines {
    std::chrono::milliseconds connect{10000};     // until the server answers
    std::chrono::milliseconds noProgress{15000};  // without a byte arriving
    std::chrono::milliseconds overall{60000};     // for the whole document
};

// The largest element-set document the update takes; today's largest element-set group
// is below 10 MB.
inline constexpr qint64 max_document_bytes = 64 * 1024 * 1024;

// What the caller takes: any text, or a plain file, such as a text or CSV file, of any type but
// HTML (an HTML page served in its place, such as an error or login page, is then no document).
enum class TextKind { any, plain };

struct FetchResult {
    // The whole body of a 200 answer of the kind asked for; none otherwise.
    std::optional<QByteArray> document;
    // The server's status, 0 when no answer came or the address was read locally.
    int status = 0;
    // What the server sent, so that a refusal can be told in its own words; empty when a
    // deadline or the size limit ended the transfer.
    QByteArray body;
    // Why there is no document, in words, when no status other than 200 says it.
    QString failure;
};

class TextFetch {
public:
    // Bytes received so far, and the whole length when the server announced it (else -1).
    using Progress = std::function<void(qint64 received, qint64 total)>;
    using Finished = std::function<void(const FetchResult& result)>;

    // Starts the transfer. finished is called once, from the event loop, never during the
    // constructor; the caller may destroy the fetch in it.
    // A document larger than maxBytes is refused while it arrives.
    TextFetch(const QUrl& url, const FetchDeadlines& deadlines, TextKind kind, qint64 maxBytes,
              Progress progress, Finished finished);
    // A transfer still running is aborted at once, and finished is not called.
    ~TextFetch();
    TextFetch(const TextFetch&) = delete;
    TextFetch& operator=(const TextFetch&) = delete;

private:
    void start(const QUrl& url);
    void headersArrived();
    void bytesArrived();
    void transferEnded();
    void giveUp(const QString& why);
    void finish(FetchResult result);

    FetchDeadlines deadlines_;
    TextKind kind_;
    qint64 maxBytes_;
    Progress progress_;
    Finished finished_;
    QByteArray received_;
    QNetworkAccessManager manager_;
    QNetworkReply* reply_ = nullptr;  // owned by the manager
    QTimer overall_;
    QTimer silence_;
    bool answered_ = false;  // the headers have come
    bool done_ = false;
    std::shared_ptr<char> alive_ = std::make_shared<char>();  // for the queued result
    QObject context_;  // first to go: no signal reaches a fetch being destroyed
};

// The bytes as UTF-8 text; none when they are not UTF-8.
std::optional<QString> decodeUtf8(const QByteArray& bytes);

// Whether the address is fetched from a server (http, https) rather than read locally.
bool isNetworkAddress(const QUrl& url);
