#include "platform/http_client.h"

#include "platform/http_answer_reader.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

// Qt's own buffer in front of the socket: the server can never make it grow beyond this.
constexpr qint64 kSocketBufferBytes = 64 * 1024;

HttpTransport& CurrentTransport() {
    static HttpTransport transport;
    return transport;
}

QByteArray RequestBytes(const QUrl& url, const THTTPRequest& request) {
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty()) path = "/";
    if (url.hasQuery()) path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':')) host = '[' + host + ']';
    if (url.port() >= 0) host += ':' + QByteArray::number(url.port());
    QByteArray bytes = "GET " + path + " HTTP/1.1\r\nHost: " + host + "\r\n";
    if (!request.Accept.isEmpty()) bytes += "Accept: " + request.Accept.toUtf8() + "\r\n";
    if (!request.UserAgent.isEmpty()) bytes += "User-Agent: " + request.UserAgent.toUtf8() + "\r\n";
    return bytes + "Accept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

}  // namespace

THTTPResponse QtNetworkGet(const THTTPRequest& request) {
    THTTPResponse response;
    const QUrl url(request.URL);
    const bool secure = url.scheme() == QLatin1String("https");
    if (!url.isValid() || url.host().isEmpty() || (url.scheme() != QLatin1String("http") && !secure)) return response;
    // A header value holding a line end would start another header.
    for (const QString& value : {request.Accept, request.UserAgent})
        if (value.contains(u'\r') || value.contains(u'\n')) return response;
    const QByteArray requestBytes = RequestBytes(url, request);

    // The connection lives on this thread and this call: nothing outlives the request,
    // and aborting it closes the socket at once. No cookie is kept, no proxy used, no
    // redirect followed.
    std::unique_ptr<QTcpSocket> socket = secure ? std::make_unique<QSslSocket>() : std::make_unique<QTcpSocket>();
    socket->setProxy(QNetworkProxy::NoProxy);
    socket->setReadBufferSize(kSocketBufferBytes);
    THTTPAnswerReader reader;
    QEventLoop loop;
    const auto readAvailable = [&] {
        char buffer[16 * 1024];
        while (reader.State() == THTTPAnswerReader::Reading) {
            const qint64 got = socket->read(buffer, sizeof buffer);
            if (got <= 0) break;
            reader.Feed(buffer, qsizetype(got));
        }
        if (reader.State() != THTTPAnswerReader::Reading) loop.quit();
    };
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &loop, readAvailable);
    QObject::connect(socket.get(), &QTcpSocket::disconnected, &loop, [&] {
        readAvailable();
        reader.Finish();
        loop.quit();
    });
    QObject::connect(socket.get(), &QAbstractSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) return;  // the disconnection ends it
        loop.quit();
    });
    const auto sendRequest = [&] { socket->write(requestBytes); };
    if (secure) {
        auto* ssl = static_cast<QSslSocket*>(socket.get());
        QObject::connect(ssl, &QSslSocket::encrypted, &loop, sendRequest);
        ssl->connectToHostEncrypted(url.host(), quint16(url.port(443)));
    } else {
        QObject::connect(socket.get(), &QTcpSocket::connected, &loop, sendRequest);
        socket->connectToHost(url.host(), quint16(url.port(80)));
    }
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (request.TimeLimitMs > 0) limit.start(request.TimeLimitMs);

    // Paint events and socket traffic go on; the user's clicks and keys wait until the end.
    if (socket->state() != QAbstractSocket::UnconnectedState) loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket->abort();
    if (reader.State() != THTTPAnswerReader::Complete) return response;
    response.StatusCode = reader.StatusCode();
    response.Ok = response.StatusCode >= 200 && response.StatusCode < 300;
    if (response.Ok) response.Body = reader.Body();
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
