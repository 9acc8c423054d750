#include "DocumentFetch.h"

#include <QFile>
#include <QNetworkReply>

namespace {

QString megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'g', 3);
}

}  // namespace

DocumentFetch::DocumentFetch(QObject* parent) : QObject(parent) {
    overall_.setSingleShot(true);
    silence_.setSingleShot(true);
    connect(&overall_, &QTimer::timeout, this, [this] {
        finish({false, {}, QStringLiteral("the download took too long")});
    });
    connect(&silence_, &QTimer::timeout, this, [this] {
        finish({false, {}, QStringLiteral("the server stopped answering")});
    });
}

DocumentFetch::~DocumentFetch() { abandon(); }

void DocumentFetch::start(const QUrl& url, const FetchDeadlines& deadlines, qint64 maxBytes,
                          Handler handler) {
    abandon();
    handler_ = std::move(handler);
    maxBytes_ = maxBytes;
    received_.clear();
    if (!isNetworkAddress(url)) {
        readLocal(url, maxBytes);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(3);
    request.setTransferTimeout(0);
    reply_ = manager_.get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this, deadlines] {
        silence_.start(deadlines.noProgress);
        const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (announced > maxBytes_) {
            finish({false,
                    {},
                    QStringLiteral("the document is larger than %1 MB").arg(megabytes(maxBytes_))});
        }
    });
    connect(reply_, &QNetworkReply::readyRead, this, [this, deadlines] {
        silence_.start(deadlines.noProgress);
        received_ += reply_->read(maxBytes_ + 1 - received_.size());
        if (received_.size() > maxBytes_) {
            finish({false,
                    {},
                    QStringLiteral("the document is larger than %1 MB").arg(megabytes(maxBytes_))});
        }
    });
    connect(reply_, &QNetworkReply::finished, this, [this] {
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply_->error() != QNetworkReply::NoError && status == 0) {
            finish({false, {}, reply_->errorString()});
        } else if (status != 200) {
            finish({false,
                    {},
                    QStringLiteral("the server answered %1 %2")
                        .arg(status)
                        .arg(reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                                 .toString())});
        } else {
            received_ += reply_->readAll();
            if (received_.size() > maxBytes_) {
                finish({false,
                        {},
                        QStringLiteral("the document is larger than %1 MB")
                            .arg(megabytes(maxBytes_))});
            } else {
                finish({true, received_, QString()});
            }
        }
    });
    overall_.start(deadlines.overall);
    silence_.start(deadlines.connect);
}

void DocumentFetch::readLocal(const QUrl& url, qint64 maxBytes) {
    const QString path = url.scheme() == u"qrc" ? u':' + url.path() : url.toLocalFile();
    QFile file(path);
    FetchedDocument document;
    if (!file.open(QIODevice::ReadOnly)) {
        document.problem = QStringLiteral("%1 cannot be read").arg(url.toDisplayString());
    } else if (file.size() > maxBytes) {
        document.problem =
            QStringLiteral("the document is larger than %1 MB").arg(megabytes(maxBytes));
    } else {
        document = {true, file.readAll(), QString()};
    }
    QTimer::singleShot(0, this, [this, document] { finish(document); });
}

void DocumentFetch::finish(FetchedDocument document) {
    if (!handler_) return;
    abandon();
    Handler handler = std::move(handler_);
    handler_ = nullptr;
    received_.clear();
    handler(document);
}

void DocumentFetch::abandon() {
    overall_.stop();
    silence_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
}
