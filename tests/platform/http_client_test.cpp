#include "endless_http_server.h"
#include "local_http_server.h"

#include "platform/http_client.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTimer>

namespace {

QString LocalUrl(quint16 port) { return QStringLiteral("http://127.0.0.1:%1/page.asp?x=1").arg(port); }

THTTPResponse GetFrom(quint16 port, int timeLimitMs = 5000) {
    THTTPRequest request;
    request.URL = LocalUrl(port);
    request.Accept = QStringLiteral("text/html");
    request.UserAgent = QStringLiteral("Agent/1.0");
    request.TimeLimitMs = timeLimitMs;
    return QtNetworkGet(request);
}

struct ServerCase {
    const char* name;
    QByteArray response;
    bool ok;
    QByteArray body;
};

TEST(QtNetworkGet, AcceptsOnlyCompleteSuccessfulAnswers) {
    const ServerCase cases[] = {
        {"200 with a body", LocalHttpServer::Answer("VER. 1.710"), true, "VER. 1.710"},
        {"200 with no body", LocalHttpServer::Answer(""), true, ""},
        {"404 with a body", LocalHttpServer::Answer("VER. 9.999", "404 Not Found"), false, ""},
        {"500", LocalHttpServer::Answer("oops", "500 Internal Server Error"), false, ""},
        // A redirect is not followed: the page asked for is the only one that counts.
        {"302 to another page", LocalHttpServer::Answer("", "302 Found", "Location: /other\r\n"), false, ""},
        {"an answer larger than any version page", LocalHttpServer::Answer(QByteArray(2 * 1024 * 1024, 'x')), false,
         ""},
        {"garbage instead of HTTP", "this is not HTTP at all\r\n\r\n", false, ""},
        {"a body cut short of its length",
         "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nVER. 1.710", false, ""},
        {"a chunked body that never ends",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\nA\r\nVER. 1.710\r\n", false,
         ""},
        {"a small compressed answer that unpacks to more than any version page",
         LocalHttpServer::Answer(qCompress(QByteArray(64 * 1024 * 1024, ' ')).mid(4), "200 OK",
                                 "Content-Encoding: deflate\r\n"),
         false, ""},
    };
    for (const ServerCase& c : cases) {
        SCOPED_TRACE(c.name);
        LocalHttpServer server(c.response);
        const THTTPResponse response = GetFrom(server.Port());
        EXPECT_EQ(response.Ok, c.ok);
        if (c.ok) EXPECT_EQ(response.Body, c.body);
        EXPECT_FALSE(server.Requests().empty());
        for (const QByteArray& request : server.Requests()) EXPECT_TRUE(request.startsWith("GET /page.asp?x=1 "));
    }
}

TEST(QtNetworkGet, SendsTheGivenHeadersAndNoCookies) {
    LocalHttpServer server(LocalHttpServer::Answer("fine", "200 OK", "Set-Cookie: id=1\r\n"));
    ASSERT_TRUE(GetFrom(server.Port()).Ok);
    ASSERT_TRUE(GetFrom(server.Port()).Ok);
    ASSERT_EQ(server.Requests().size(), 2u);
    for (const QByteArray& request : server.Requests()) {
        EXPECT_TRUE(request.startsWith("GET /page.asp?x=1 HTTP/1.1\r\n")) << request.constData();
        EXPECT_TRUE(request.contains("\r\nAccept: text/html\r\n")) << request.constData();
        EXPECT_TRUE(request.contains("\r\nUser-Agent: Agent/1.0\r\n")) << request.constData();
        EXPECT_FALSE(request.toLower().contains("\r\ncookie:")) << request.constData();
    }
}

TEST(QtNetworkGet, FailsWithoutAnAnswer) {
    {
        SCOPED_TRACE("refused connection");
        EXPECT_FALSE(GetFrom(LocalHttpServer::RefusingPort()).Ok);
    }
    {
        SCOPED_TRACE("a server that never answers: the time limit ends the wait");
        LocalHttpServer silent{QByteArray()};
        bool eventsServed = false;
        QTimer::singleShot(0, [&eventsServed] { eventsServed = true; });
        const THTTPResponse response = GetFrom(silent.Port(), 300);
        EXPECT_FALSE(response.Ok);
        EXPECT_EQ(response.StatusCode, 0);
        EXPECT_EQ(silent.Requests().size(), 1u);
        // The wait keeps the event loop running (painting, timers).
        EXPECT_TRUE(eventsServed);
    }
    for (const char* url : {"", "not a url", "ftp://127.0.0.1/file"}) {
        SCOPED_TRACE(url);
        THTTPRequest request;
        request.URL = QString::fromLatin1(url);
        request.TimeLimitMs = 300;
        EXPECT_FALSE(QtNetworkGet(request).Ok);
    }
}

TEST(THTTPClient, PassesItsSettingsToTheTransport) {
    THTTPClient client(nullptr);
    EXPECT_EQ(client.TimeLimitMs(), 10000);
    client.SetAccept(QStringLiteral("a/b"));
    client.SetUserAgent(QStringLiteral("Agent"));
    THTTPRequest seen;
    SetHttpTransport([&seen](const THTTPRequest& request) {
        seen = request;
        THTTPResponse response;
        response.Ok = true;
        response.Body = "body";
        return response;
    });
    const THTTPResponse response = client.Get(QStringLiteral("http://example.invalid/x"));
    SetHttpTransport({});
    EXPECT_EQ(response.Body, "body");
    EXPECT_EQ(seen.URL, QStringLiteral("http://example.invalid/x"));
    EXPECT_EQ(seen.Accept, QStringLiteral("a/b"));
    EXPECT_EQ(seen.UserAgent, QStringLiteral("Agent"));
    EXPECT_EQ(seen.TimeLimitMs, 10000);
}

}  // namespace

namespace {

qint64 ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLongLong();
    return 0;
}

int ThreadCount() { return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

struct EndlessCase {
    const char* name;
    QByteArray prefix;
    QByteArray repeated;
};

// Servers that never stop sending: the request ends within its time limit (here as soon
// as a bound is passed), the memory stays bounded, the event loop keeps running, and the
// connection is closed when the call returns, with no thread left behind.
TEST(QtNetworkGet, EndlessAnswersAreCutOffWithinTheLimit) {
    const EndlessCase cases[] = {
        {"an endless chunked body", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
         "FFF\r\n" + QByteArray(0xFFF, 'v') + "\r\n"},
        {"endless headers", "HTTP/1.1 200 OK\r\n", "X-Padding: " + QByteArray(1000, 'h') + "\r\n"},
        {"an endless body without a length", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n", QByteArray(4096, 'b')},
        {"an endless chunk-size line", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", QByteArray(4096, '0')},
    };
    for (const EndlessCase& c : cases) {
        SCOPED_TRACE(c.name);
        const qint64 memoryBefore = ResidentKilobytes();
        const int threadsBefore = ThreadCount();
        EndlessHttpServer server(c.prefix, c.repeated);
        int ticks = 0;
        QTimer painter;
        QObject::connect(&painter, &QTimer::timeout, [&ticks] { ++ticks; });
        painter.start(10);
        QElapsedTimer clock;
        clock.start();
        const THTTPResponse response = GetFrom(server.Port(), THTTPClient::Default_Time_Limit_Ms);
        const qint64 elapsed = clock.elapsed();
        painter.stop();
        EXPECT_FALSE(response.Ok);
        EXPECT_LT(elapsed, THTTPClient::Default_Time_Limit_Ms);
        EXPECT_LT(ResidentKilobytes() - memoryBefore, 64 * 1024) << "kilobytes grown";
        // The loop served timers throughout (every 10 ms of the wait, give or take).
        EXPECT_GE(ticks, elapsed / 50);
        // The server sees the connection go once the call is over.
        QElapsedTimer gone;
        gone.start();
        while (!server.ClientGone() && gone.elapsed() < 2000) QThread::msleep(5);
        EXPECT_TRUE(server.ClientGone());
        EXPECT_LE(ThreadCount(), threadsBefore + 1);  // the server's own thread
    }
}

// A server that sends a byte now and then never ends the wait: the time limit does.
TEST(QtNetworkGet, ATricklingAnswerEndsAtTheTimeLimit) {
    EndlessHttpServer trickle("HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n", "x", 100);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(GetFrom(trickle.Port(), 700).Ok);
    EXPECT_LT(clock.elapsed(), 2000);
}

}  // namespace
