#include "FetchText.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkReply>
#include <QStringDecoder>

#include "RegularFile.h"

namespace {

constexpr qint64 read_buffer_bytes = 1024 * 1024;

QString seconds(std::chrono::milliseconds span) {
    return QString::number(std::chrono::duration<double>(span).count());
}

// A bundled or local tree read like a web server: a folder's address gives its index.html.
FetchResult readLocal(const QUrl& url, qint64 maxBytes) {
    FetchResult result;
    QString path = url.scheme() == u"qrc" ? u':' + url.path() : url.toLocalFile();
    if (path.endsWith(u'/')) path += QStringLiteral("index.html");
    if (url.scheme() == u"qrc") {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            result.document = file.readAll();
        } else {
            result.failure = QCoreApplication::translate("FetchText", "no such file");
        }
        return result;
    }
    FileContents file = readRegularFile(path, maxBytes);
    if (file.outcome == FileContents::Outcome::read) {
        result.document = std::move(file.bytes);
    } else {
        result.failure = file.error.isEmpty()
                             ? QCoreApplication::translate("FetchText", "no such file")
                             : file.error;
    }
    return result;
}

// Servers label CSV files variously (text/csv, application/csv, application/octet-stream).
bool isWanted(const QNetworkReply& reply, TextKind kind) {
    const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString();
    if (type.isEmpty()) return true;
    const bool html = type.startsWith(u"text/html", Qt::CaseInsensitive) ||
                      type.startsWith(u"application/xhtml", Qt::CaseInsensitive);
    if (kind == TextKind::plain) return !html;
    return type.startsWith(u"text/", Qt::CaseInsensitive);
}

}  // namespace

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

bool isNetworkAddress(const QUrl& url) {
    return url.scheme() == u"http" || url.scheme() == u"https";
}

TextFetch::TextFetch(const QUrl& url, const FetchDeadlines& deadlines, TextKind kind,
                     qint64 maxBytes, Progress progress, Finished finished)
    : deadlines_(deadlines),
      kind_(kind),
      maxBytes_(maxBytes),
      progress_(std::move(progress)),
      finished_(std::move(finished)) {
    if (url.scheme() == u"qrc" || url.isLocalFile()) {
        finish(readLocal(url, maxBytes_));
    } else if (!isNetworkAddress(url)) {
        finish(
            {std::nullopt, 0, {}, QCoreApplication::translate("FetchText", "not a web address")});
    } else {
        start(url);
    }
}

TextFetch::~TextFetch() {
    if (!reply_ || done_) return;
    done_ = true;
    reply_->disconnect(&context_);
    reply_->abort();
}

void TextFetch::start(const QUrl& url) {
    QNetworkRequest request(url);
    // Any answer other than 200 ends the fetch; redirects are not followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(0);
    reply_ = manager_.get(request);
    // Qt stops reading from the socket once this much waits unread, so a server sending faster
    // than the event loop takes its bytes cannot fill the memory beyond the size limit.
    reply_->setReadBufferSize(read_buffer_bytes);
    QObject::connect(reply_, &QNetworkReply::metaDataChanged, &context_,
                     [this] { headersArrived(); });
    QObject::connect(reply_, &QNetworkReply::readyRead, &context_, [this] { bytesArrived(); });
    QObject::connect(reply_, &QNetworkReply::finished, &context_, [this] { transferEnded(); });

    // Until the first answer the connect deadline runs; afterwards the no-progress one.
    for (QTimer* timer : {&overall_, &silence_}) timer->setSingleShot(true);
    QObject::connect(&overall_, &QTimer::timeout, &context_, [this] {
        giveUp(QCoreApplication::translate("FetchText", "the document was not whole after %1 s")
                   .arg(seconds(deadlines_.overall)));
    });
    QObject::connect(&silence_, &QTimer::timeout, &context_, [this] {
        giveUp(
            answered_
                ? QCoreApplication::translate("FetchText", "the server sent nothing for %1 s")
                      .arg(seconds(deadlines_.noProgress))
                : QCoreApplication::translate("FetchText", "the server did not answer within %1 s")
                      .arg(seconds(deadlines_.connect)));
    });
    overall_.start(deadlines_.overall);
    silence_.start(deadlines_.connect);
}

void TextFetch::headersArrived() {
    answered_ = true;
    silence_.start(deadlines_.noProgress);
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBytes_) {
        giveUp(QCoreApplication::translate("FetchText", "the document is ") +
               tooLargeReason(maxBytes_));
    }
}

void TextFetch::bytesArrived() {
    silence_.start(deadlines_.noProgress);
    received_ += reply_->readAll();
    if (received_.size() > maxBytes_) {
        return giveUp(QCoreApplication::translate("FetchText", "the document is ") +
                      tooLargeReason(maxBytes_));
    }
    if (progress_) {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        progress_(received_.size(), length.isValid() ? length.toLongLong() : -1);
    }
}

void TextFetch::transferEnded() {
    if (done_) return;
    received_ += reply_->readAll();
    FetchResult result;
    result.status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool whole = reply_->error() == QNetworkReply::NoError && result.status == 200;
    if (whole && isWanted(*reply_, kind_)) {
        result.document = received_;
    } else if (whole) {
        result.failure =
            QCoreApplication::translate("FetchText", "an HTML page came where a file was expected");
    } else if (result.status == 0 || result.status == 200) {
        result.failure = reply_->errorString();
    }
    result.body = std::exchange(received_, {});
    finish(std::move(result));
}

void TextFetch::giveUp(const QString& why) {
    if (done_) return;
    finish({std::nullopt, 0, {}, why});
    reply_->disconnect(&context_);
    reply_->abort();
    received_.clear();
}

// The result goes to the caller from the event loop, so that the caller may destroy the fetch
// when it hears of it; a fetch destroyed before then never reports.
void TextFetch::finish(FetchResult result) {
    if (done_) return;
    done_ = true;
    overall_.stop();
    silence_.stop();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [alive = std::weak_ptr<char>(alive_), finished = finished_, result = std::move(result)] {
            if (alive.lock()) finished(result);
        },
        Qt::QueuedConnection);
}
