#include "framework/HttpFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace tessary::fw {

namespace {

bool isHttp(const QUrl& url) {
    return url.isValid() && url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 &&
           !url.host().isEmpty();
}

} // namespace

CHttpFetcher::CHttpFetcher(QByteArray userAgent, Limits limits, QObject* parent)
    : QObject(parent), userAgent_(std::move(userAgent)), limits_(limits),
      manager_(new QNetworkAccessManager(this)) {
    // The proxy the system is set up with (http_proxy and no_proxy among others); no cache is
    // ever given to the manager, so nothing is kept on disk.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    stallTimer_.setSingleShot(true);
    connect(&stallTimer_, &QTimer::timeout, this, &CHttpFetcher::onStalled);
}

CHttpFetcher::~CHttpFetcher() {
    if (reply_ != nullptr) {
        reply_->disconnect(this);
        reply_->abort();
        delete reply_;
    }
}

void CHttpFetcher::start(const QUrl& url) {
    dropReply();
    end_ = End::Running;
    headSeen_ = false;
    status_ = 0;
    announced_ = -1;
    body_.clear();
    errorText_.clear();

    if (!isHttp(url)) {
        // Ended at once, but reported from the event loop like every other end.
        end_ = End::NetworkError;
        errorText_ = QStringLiteral("not an http address");
        QMetaObject::invokeMethod(this, &CHttpFetcher::finished, Qt::QueuedConnection);
        return;
    }

    redirects_ = 0;
    send(url);
}

void CHttpFetcher::send(const QUrl& url) {
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", userAgent_);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Redirects are followed here, one request each, so that every hop is checked.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);

    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &CHttpFetcher::onMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &CHttpFetcher::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &CHttpFetcher::onReplyFinished);
    stallTimer_.start(limits_.stallMs);
}

void CHttpFetcher::abort() {
    if (end_ == End::Running && reply_ != nullptr) {
        finish(End::Cancelled);
    }
}

bool CHttpFetcher::examineHead() {
    if (headSeen_) {
        return status_ == 200;
    }
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200) {
        return false; // no status line parsed yet
    }
    const QByteArray location = reply_->rawHeader("Location");
    if ((status == 301 || status == 302 || status == 303 || status == 307 || status == 308) &&
        !location.isEmpty()) {
        follow(location);
        return false;
    }
    headSeen_ = true;
    status_ = status;
    if (status != 200) {
        // Only a 200 answer has a body worth having.
        finish(End::Answered);
        return false;
    }
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    announced_ = length.isValid() ? length.toLongLong() : -1;
    if (announced_ > limits_.maxBodyBytes) {
        finish(End::TooLarge);
        return false;
    }
    return true;
}

void CHttpFetcher::onMetaData() {
    stallTimer_.start(limits_.stallMs);
    examineHead();
}

void CHttpFetcher::onReadyRead() {
    stallTimer_.start(limits_.stallMs);
    if (!examineHead()) {
        return;
    }
    const qint64 available = reply_->bytesAvailable();
    if (available == 0) {
        return;
    }
    if (available > limits_.maxBodyBytes - body_.size()) {
        finish(End::TooLarge);
        return;
    }
    body_ += reply_->read(available);
    emit progress(body_.size(), announced_);
}

void CHttpFetcher::follow(const QByteArray& location) {
    const QUrl target = reply_->url().resolved(QUrl::fromEncoded(location));
    if (!isHttp(target)) {
        finish(End::NetworkError, QStringLiteral("redirected away from http"));
        return;
    }
    if (++redirects_ > limits_.maxRedirects) {
        finish(End::NetworkError, QStringLiteral("too many redirects"));
        return;
    }
    dropReply();
    stallTimer_.start(limits_.stallMs);
    send(target);
}

void CHttpFetcher::dropReply() {
    if (reply_ != nullptr) {
        QNetworkReply* reply = std::exchange(reply_, nullptr);
        reply->disconnect(this);
        // Aborted from the event loop: this may run inside one of the reply's own signals.
        QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        reply->deleteLater();
    }
}

void CHttpFetcher::onReplyFinished() {
    // Qt reports a 404 or a 500 as an error too; those are answers, judged by their status.
    // Errors below the content range (connection, transfer, proxy) are network errors, and so
    // is any error without a status line.
    const QNetworkReply::NetworkError error = reply_->error();
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (error != QNetworkReply::NoError &&
        (error < QNetworkReply::ContentAccessDenied || status < 200)) {
        finish(End::NetworkError, reply_->errorString());
        return;
    }
    const QNetworkReply* reply = reply_;
    if (examineHead()) {
        // Whatever arrived with the end of the transfer.
        onReadyRead();
    }
    if (end_ != End::Running || reply_ != reply) {
        return; // ended, or on its way to a redirect's target
    }
    if (!headSeen_) {
        status_ = status; // a redirect status without a target, such as 304
    }
    finish(End::Answered);
}

void CHttpFetcher::onStalled() {
    if (end_ == End::Running && reply_ != nullptr) {
        finish(End::NetworkError, QStringLiteral("no progress"));
    }
}

void CHttpFetcher::finish(End end, const QString& errorText) {
    stallTimer_.stop();
    end_ = end;
    errorText_ = errorText;
    if (end != End::Answered || status_ != 200) {
        body_.clear();
    }
    dropReply();
    emit finished();
}

} // namespace tessary::fw
