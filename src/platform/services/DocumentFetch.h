// Fetching one document without waiting for it: the caller's event loop runs on and the
// answer comes back to a handler. Bounded in size and in time (connect, no progress, overall);
// never partial data. Besides http and https, qrc: and file: addresses are read locally, such
// as the bundled sample server tree.
#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "FetchText.h"

struct FetchedDocument {
    bool ok = false;
    QByteArray body;  // the whole document when ok, else empty
    QString problem;  // why not, in words
};

class DocumentFetch : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const FetchedDocument&)>;

    explicit DocumentFetch(QObject* parent = nullptr);
    ~DocumentFetch() override;

    // Starts fetching; a fetch still running is abandoned without an answer. The handler is
    // called once, from the event loop.
    void start(const QUrl& url, const FetchDeadlines& deadlines, qint64 maxBytes, Handler handler);
    bool isRunning() const { return reply_ != nullptr; }

private:
    void readLocal(const QUrl& url, qint64 maxBytes);
    void finish(FetchedDocument document);
    void abandon();

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QTimer overall_;
    QTimer silence_;
    QByteArray received_;
    qint64 maxBytes_ = 0;
    Handler handler_;
};
