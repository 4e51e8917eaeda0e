#pragma once
// A synchronous HTTP client for short requests made from the user-interface thread.
// The wait keeps the windows painting but holds back user input, and ends after a
// time limit, so an unreachable server never freezes the program. No cookie is kept
// or sent and no proxy is used. Tests replace the transport; the default speaks
// HTTP/1.1 over a Qt socket on the calling thread, with every part of the answer bounded.

#include "platform/component.h"

#include <QByteArray>
#include <QString>
#include <functional>

struct THTTPRequest {
    QString URL;
    QString Accept;
    QString UserAgent;
    int TimeLimitMs = 0;  // the whole request, from connecting to the last byte
};

struct THTTPResponse {
    bool Ok = false;     // true only for a complete answer with a 2xx status
    int StatusCode = 0;  // 0 when no answer came
    QByteArray Body;
};

using HttpTransport = std::function<THTTPResponse(const THTTPRequest& request)>;

// The real transport: one GET on a socket of the calling thread, no proxy, redirects not
// followed. It ends within the time limit, and the connection is closed when it returns.
THTTPResponse QtNetworkGet(const THTTPRequest& request);
// Passing an empty function restores the real transport.
void SetHttpTransport(HttpTransport transport);

class THTTPClient : public TComponent {
public:
    static constexpr int Default_Time_Limit_Ms = 10000;

    explicit THTTPClient(TComponent* AOwner) : TComponent(AOwner) {}

    QString Accept() const { return FAccept; }
    void SetAccept(const QString& value) { FAccept = value; }
    QString UserAgent() const { return FUserAgent; }
    void SetUserAgent(const QString& value) { FUserAgent = value; }
    int TimeLimitMs() const { return FTimeLimitMs; }
    void SetTimeLimitMs(int value) { FTimeLimitMs = value; }

    // Blocks until the answer is complete, the request fails or the time limit passes.
    THTTPResponse Get(const QString& url) const;

private:
    QString FAccept;
    QString FUserAgent;
    int FTimeLimitMs = Default_Time_Limit_Ms;
};
