#include "platform/icmp_client.h"
#include "platform/file_descriptor.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Icmp_Header_Size = 8;
constexpr std::uint8_t Icmp_Echo_Reply = 0;
constexpr std::uint8_t Icmp_Echo_Request = 8;

in_addr Resolve(const QString& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    const QByteArray name = host.toUtf8();
    if (name.isEmpty() || ::getaddrinfo(name.constData(), nullptr, &hints, &found) != 0 || !found)
        throw EIcmpError(QStringLiteral("The host \"%1\" cannot be resolved").arg(host));
    const in_addr address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    ::freeaddrinfo(found);
    return address;
}

std::uint16_t Internet_Checksum(const std::uint8_t* data, std::size_t size) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) sum += std::uint32_t(data[i] << 8 | data[i + 1]);
    if (size % 2) sum += std::uint32_t(data[size - 1] << 8);
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return std::uint16_t(~sum);
}

int Real_Echo(const QString& host, const QByteArray& data, std::uint16_t sequence, int timeoutMs) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr = Resolve(host);

    // A datagram socket needs no privilege where the system allows it; the raw one does.
    bool raw = false;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0) {
        raw = true;
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    }
    if (fd < 0) throw EIcmpError(QStringLiteral("No ICMP socket can be opened: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    const TFileDescriptor socket(fd);

    // A datagram socket puts its own identifier in; a raw one keeps ours.
    const std::uint16_t identifier = std::uint16_t(::getpid());
    QByteArray packet(Icmp_Header_Size, '\0');
    packet[0] = char(Icmp_Echo_Request);
    packet[4] = char(identifier >> 8);
    packet[5] = char(identifier);
    packet[6] = char(sequence >> 8);
    packet[7] = char(sequence);
    packet += data;
    const std::uint16_t checksum = Internet_Checksum(reinterpret_cast<const std::uint8_t*>(packet.constData()), std::size_t(packet.size()));
    packet[2] = char(checksum >> 8);
    packet[3] = char(checksum);
    if (::sendto(fd, packet.constData(), std::size_t(packet.size()), 0, reinterpret_cast<const sockaddr*>(&target),
                 sizeof target) < 0)
        return 0;  // nothing left the machine, so no reply can come

    // The socket waits in real time, also where a test has replaced the program's clock:
    // a clock that stands still must not turn a stream of foreign replies into a hang.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    std::uint8_t buffer[65536];
    for (;;) {
        const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (remaining <= 0) return 0;
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, int(remaining));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return 0;
        sockaddr_in sender{};
        socklen_t senderSize = sizeof sender;
        const ssize_t received =
            ::recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (received <= 0) continue;
        // Only the host that was asked answers; a datagram socket takes echo replies of
        // any host that carry its identifier.
        if (senderSize < sizeof sender || sender.sin_addr.s_addr != target.sin_addr.s_addr) continue;
        // A raw socket hands over the IP header too, and every ICMP message of the machine.
        std::size_t start = 0;
        if (raw) start = std::size_t(buffer[0] & 0x0F) * 4;
        if (std::size_t(received) < start + Icmp_Header_Size) continue;
        const std::uint8_t* icmp = buffer + start;
        const std::uint16_t reply_identifier = std::uint16_t(icmp[4] << 8 | icmp[5]);
        const std::uint16_t reply_sequence = std::uint16_t(icmp[6] << 8 | icmp[7]);
        if (icmp[0] != Icmp_Echo_Reply || reply_sequence != sequence) continue;
        if (raw && reply_identifier != identifier) continue;
        return int(received) - int(start);
    }
}

IcmpEchoFunction& Replacement() {
    static IcmpEchoFunction echo;
    return echo;
}

}  // namespace

int SendIcmpEcho(const QString& host, const QByteArray& data, std::uint16_t sequence, int timeoutMs) {
    if (Replacement()) return Replacement()(host, data, sequence, timeoutMs);
    return Real_Echo(host, data, sequence, timeoutMs);
}

void SetIcmpEchoFunction(IcmpEchoFunction echo) { Replacement() = std::move(echo); }

void TIcmpClient::Ping(const QString& data, std::uint16_t sequence) {
    if (sequence == 0) {
        if (++FSequence == 0) FSequence = 1;
        sequence = FSequence;
    }
    const QByteArray payload = data.toLatin1().left(std::max(0, FPacketSize - Icmp_Header_Size));
    TReplyStatus status;
    status.SequenceId = sequence;
    status.BytesReceived = SendIcmpEcho(FHost, payload, sequence, FReceiveTimeout);
    if (OnReply) OnReply(this, status);
}
