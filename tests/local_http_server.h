#pragma once
// A web server on 127.0.0.1 for tests: it answers every request with one fixed
// response, or never answers. It runs on the test's own event loop, so it serves
// while the code under test waits for its answer.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <vector>

class LocalHttpServer {
public:
    // An empty response means the server accepts the connection and stays silent.
    explicit LocalHttpServer(QByteArray response) : FResponse(std::move(response)) {
        FServer.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = FServer.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { Serve(socket); });
            }
        });
    }

    quint16 Port() const { return FServer.serverPort(); }
    // The raw requests received (request line and headers).
    const std::vector<QByteArray>& Requests() const { return FRequests; }

    // A complete answer with the status line given and the body.
    static QByteArray Answer(const QByteArray& body, const QByteArray& status = "200 OK",
                             const QByteArray& extraHeaders = {}) {
        return "HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
    }

    // A port on 127.0.0.1 where nothing listens, so connections are refused.
    static quint16 RefusingPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& pending = FPending[socket];
        pending += socket->readAll();
        const qsizetype end = pending.indexOf("\r\n\r\n");
        if (end < 0) return;
        FRequests.push_back(pending.left(end));
        pending.clear();
        if (FResponse.isEmpty()) return;
        socket->write(FResponse);
        socket->disconnectFromHost();
    }

    QTcpServer FServer;
    QByteArray FResponse;
    std::vector<QByteArray> FRequests;
    std::map<QTcpSocket*, QByteArray> FPending;
};
