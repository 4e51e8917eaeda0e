#pragma once
// A hostile web server on 127.0.0.1 in a thread of its own: after the request it sends a
// prefix and then the same piece again and again, as fast as the client takes it, until
// the client closes the connection or a time bound passes. So it never blocks the test's
// own event loop, as a server on the other side of a network would not.

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

class EndlessHttpServer {
public:
    // pauseMs: the wait between two pieces (0: none).
    EndlessHttpServer(QByteArray prefix, QByteArray repeated, int pauseMs = 0)
        : FPrefix(std::move(prefix)), FRepeated(std::move(repeated)), FPauseMs(pauseMs) {
        FListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(FListener, 4);
        socklen_t length = sizeof address;
        ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length);
        FPort = ntohs(address.sin_port);
        FThread = std::thread([this] { Serve(); });
    }
    ~EndlessHttpServer() {
        FStop = true;
        ::shutdown(FListener, SHUT_RDWR);
        FThread.join();
        ::close(FListener);
    }

    quint16 Port() const { return FPort; }
    // True once the client has closed the connection (the server saw it go).
    bool ClientGone() const { return FClientGone; }
    qint64 BytesSent() const { return FSent; }

private:
    void Serve() {
        const int client = ::accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) return;
        char request[4096];
        (void)::recv(client, request, sizeof request, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        bool ok = Send(client, FPrefix);
        while (ok && !FStop && std::chrono::steady_clock::now() < deadline) {
            ok = Send(client, FRepeated);
            if (FPauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(FPauseMs));
        }
        FClientGone = !ok;
        ::close(client);
    }
    bool Send(int client, const QByteArray& bytes) {
        const ssize_t sent = ::send(client, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0) FSent += sent;
        return sent > 0;
    }

    QByteArray FPrefix, FRepeated;
    int FPauseMs = 0;
    int FListener = -1;
    quint16 FPort = 0;
    std::thread FThread;
    std::atomic<bool> FStop{false}, FClientGone{false};
    std::atomic<qint64> FSent{0};
};
