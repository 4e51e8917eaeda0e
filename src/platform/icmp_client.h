#pragma once
// ICMP echo over IPv4: one request, one reply or a time-out. It uses an ICMP datagram
// socket where the system permits one and a raw socket otherwise. Tests replace the
// echo function; the default sends real packets.

#include "platform/component.h"
#include "platform/types.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class EIcmpError : public Exception {
    using Exception::Exception;
};

// Sends one echo request carrying data to the host (a dotted address or a name) and
// waits at most timeoutMs for its reply. Answers the byte count of the reply's ICMP
// message, 0 on time-out; raises EIcmpError when the host cannot be resolved or no
// socket can be opened.
using IcmpEchoFunction =
    std::function<int(const QString& host, const QByteArray& data, std::uint16_t sequence, int timeoutMs)>;
int SendIcmpEcho(const QString& host, const QByteArray& data, std::uint16_t sequence, int timeoutMs);
// Passing an empty function restores the real echo.
void SetIcmpEchoFunction(IcmpEchoFunction echo);

struct TReplyStatus {
    int BytesReceived = 0;  // above 0 for a reply, 0 for a time-out
    std::uint16_t SequenceId = 0;
};

using TReplyEvent = std::function<void(TObject* ASender, const TReplyStatus& AReplyStatus)>;

class TIcmpClient : public TComponent {
public:
    explicit TIcmpClient(TComponent* AOwner) : TComponent(AOwner) {}

    QString Host() const { return FHost; }
    void SetHost(const QString& value) { FHost = value; }
    int ReceiveTimeout() const { return FReceiveTimeout; }
    void SetReceiveTimeout(int value) { FReceiveTimeout = value; }
    int PacketSize() const { return FPacketSize; }
    void SetPacketSize(int value) { FPacketSize = value; }

    // Raised once per Ping, for a reply and for a time-out alike.
    TReplyEvent OnReply;

    // One echo request with the text as its data (cut to the packet size); a sequence
    // number of 0 takes the client's own, which counts up by one per request.
    void Ping(const QString& data = QString(), std::uint16_t sequence = 0);

private:
    QString FHost;
    int FReceiveTimeout = 5000;
    int FPacketSize = 1024;
    std::uint16_t FSequence = 0;
};
