#include "FetchText.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QTimer>

namespace {

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// A bundled or local tree read like a web server: a folder's address gives its index.html.
std::optional<QString> readLocal(const QUrl& url) {
    QString path = url.scheme() == u"qrc" ? u':' + url.path() : url.toLocalFile();
    if (path.endsWith(u'/')) path += QStringLiteral("index.html");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return decodeUtf8(file.readAll());
}

// Servers label CSV files variously (text/csv, application/csv, application/octet-stream).
bool isText(const QNetworkReply& reply, TextKind kind) {
    const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString();
    if (type.isEmpty()) return true;
    const bool html = type.startsWith(u"text/html", Qt::CaseInsensitive) ||
                      type.startsWith(u"application/xhtml", Qt::CaseInsensitive);
    if (kind == TextKind::plain) return !html;
    return type.startsWith(u"text/", Qt::CaseInsensitive);
}

}  // namespace

bool isNetworkAddress(const QUrl& url) {
    return url.scheme() == u"http" || url.scheme() == u"https";
}

std::optional<QString> fetchText(const QUrl& url, const FetchDeadlines& deadlines, TextKind kind,
                                 ServerAnswer* answer) {
    if (url.scheme() == u"qrc" || url.isLocalFile()) return readLocal(url);
    if (!isNetworkAddress(url)) return std::nullopt;

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    // Any answer other than 200 ends the fetch; redirects are not followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(0);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer overall;
    QTimer silence;
    overall.setSingleShot(true);
    silence.setSingleShot(true);
    bool timedOut = false;
    auto giveUp = [&] {
        timedOut = true;
        reply->abort();
    };
    QObject::connect(&overall, &QTimer::timeout, giveUp);
    QObject::connect(&silence, &QTimer::timeout, giveUp);
    // Until the first answer the connect deadline runs; afterwards the no-progress one.
    QObject::connect(reply, &QNetworkReply::metaDataChanged,
                     [&] { silence.start(deadlines.noProgress); });
    QObject::connect(reply, &QNetworkReply::downloadProgress,
                     [&] { silence.start(deadlines.noProgress); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    overall.start(deadlines.overall);
    silence.start(deadlines.connect);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool whole = !timedOut && reply->error() == QNetworkReply::NoError && status == 200;
    const std::optional<QString> body = timedOut ? std::nullopt : decodeUtf8(reply->readAll());
    if (answer) *answer = {status, body.value_or(QString())};
    const bool wanted = whole && isText(*reply, kind);
    reply->deleteLater();
    return wanted ? body : std::nullopt;
}
