#include "platform/http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

// The pages this client reads are a few bytes; a larger answer is not one of them and
// must not fill the memory.
constexpr qint64 kMaxBodyBytes = 1024 * 1024;

HttpTransport& CurrentTransport() {
    static HttpTransport transport;
    return transport;
}

}  // namespace

THTTPResponse QtNetworkGet(const THTTPRequest& request) {
    THTTPResponse response;
    const QUrl url(request.URL);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return response;

    // A manager per request: nothing (cookies, connections) is carried from one to the next.
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    QNetworkRequest networkRequest(url);
    if (!request.Accept.isEmpty()) networkRequest.setRawHeader("Accept", request.Accept.toUtf8());
    if (!request.UserAgent.isEmpty()) networkRequest.setRawHeader("User-Agent", request.UserAgent.toUtf8());
    networkRequest.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    std::unique_ptr<QNetworkReply> reply(manager.get(networkRequest));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    bool tooLarge = false;
    QNetworkReply* rawReply = reply.get();
    QObject::connect(rawReply, &QNetworkReply::downloadProgress, [&tooLarge, rawReply](qint64 received, qint64) {
        if (received > kMaxBodyBytes && !tooLarge) {
            tooLarge = true;
            rawReply->abort();
        }
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (request.TimeLimitMs > 0) limit.start(request.TimeLimitMs);

    // Paint events and socket traffic go on; the user's clicks and keys wait until the end.
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->isFinished()) {
        reply->abort();
        return response;
    }
    if (tooLarge || reply->error() != QNetworkReply::NoError) return response;
    response.StatusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.Body = reply->readAll();
    response.Ok = response.StatusCode >= 200 && response.StatusCode < 300;
    return response;
}

void SetHttpTransport(HttpTransport transport) { CurrentTransport() = std::move(transport); }

THTTPResponse THTTPClient::Get(const QString& url) const {
    THTTPRequest request;
    request.URL = url;
    request.Accept = FAccept;
    request.UserAgent = FUserAgent;
    request.TimeLimitMs = FTimeLimitMs;
    return CurrentTransport() ? CurrentTransport()(request) : QtNetworkGet(request);
}
