#include "platform/icmp_client.h"
#include "platform/tick_clock.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

TEST(IcmpClient, RealEchoOfTheLoopbackAddressAnswers) {
    TIcmpClient client(nullptr);
    client.SetHost(QStringLiteral("127.0.0.1"));
    client.SetReceiveTimeout(2000);
    std::vector<TReplyStatus> replies;
    client.OnReply = [&replies](TObject*, const TReplyStatus& status) { replies.push_back(status); };
    try {
        client.Ping(QStringLiteral("127.0.0.1"));
    } catch (const EIcmpError& error) {
        if (error.Message().startsWith(QStringLiteral("No ICMP socket")))
            GTEST_SKIP() << "neither ICMP datagram nor raw sockets are permitted here: " << error.what();
        throw;
    }
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_GT(replies[0].BytesReceived, 0);
    EXPECT_EQ(replies[0].SequenceId, 1);
}

TEST(IcmpClient, AHostThatCannotBeResolvedRaises) {
    TIcmpClient client(nullptr);
    bool replied = false;
    client.OnReply = [&replied](TObject*, const TReplyStatus&) { replied = true; };
    EXPECT_THROW(client.Ping(QStringLiteral("10.0.0.7")), EIcmpError);  // no host set
    EXPECT_FALSE(replied);
}

TEST(IcmpClient, SequenceNumbersDataAndTimeOutsThroughTheReplacedEcho) {
    struct Request {
        QString host;
        QByteArray data;
        std::uint16_t sequence;
        int timeout;
    };
    std::vector<Request> requests;
    SetIcmpEchoFunction([&requests](const QString& host, const QByteArray& data, std::uint16_t sequence, int timeout) {
        requests.push_back({host, data, sequence, timeout});
        return requests.size() == 2 ? 0 : 40;
    });
    TIcmpClient client(nullptr);
    client.SetHost(QStringLiteral("10.0.0.7"));
    client.SetReceiveTimeout(400);
    client.SetPacketSize(12);
    std::vector<TReplyStatus> replies;
    client.OnReply = [&replies](TObject*, const TReplyStatus& status) { replies.push_back(status); };
    client.Ping(QStringLiteral("10.0.0.7"));
    client.Ping(QStringLiteral("abc"), 0);
    client.Ping(QString(), 9);
    client.Ping();
    SetIcmpEchoFunction({});

    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].host, "10.0.0.7");
    EXPECT_EQ(requests[0].data, "10.0");  // cut to the packet size less the 8-byte header
    EXPECT_EQ(requests[0].timeout, 400);
    const std::uint16_t sequences[] = {1, 2, 9, 3};  // 0 takes the client's running number
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(requests[i].sequence, sequences[i]) << i;
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0].BytesReceived, 40);
    EXPECT_EQ(replies[1].BytesReceived, 0);
}

// An echo host of the test's own making: a thread in a network namespace of its own,
// where the kernel answers no echo request and the test answers instead, with forged
// replies from the host asked or from another one.
class IcmpNamespace {
public:
    // Runs body(ok) on a thread in a fresh network namespace; ok is false where the
    // namespace cannot be made (no privilege), and body then skips.
    static void Run(bool datagramAllowed, const std::function<void(bool ok)>& body) {
        std::thread([&] { body(Enter(datagramAllowed)); }).join();
    }

private:
    static bool WriteProc(const char* path, const char* text) {
        const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = ::write(fd, text, std::strlen(text)) == ssize_t(std::strlen(text));
        ::close(fd);
        return ok;
    }

    static bool Enter(bool datagramAllowed) {
        if (::unshare(CLONE_NEWNET) != 0) return false;
        const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (control < 0) return false;
        ifreq loopback{};
        std::strcpy(loopback.ifr_name, "lo");
        bool up = ::ioctl(control, SIOCGIFFLAGS, &loopback) == 0;
        loopback.ifr_flags = short(loopback.ifr_flags | IFF_UP);
        up = up && ::ioctl(control, SIOCSIFFLAGS, &loopback) == 0;
        ::close(control);
        return up && WriteProc("/proc/sys/net/ipv4/icmp_echo_ignore_all", "1") &&
               WriteProc("/proc/sys/net/ipv4/ping_group_range", datagramAllowed ? "0 2147483647" : "1 0");
    }
};

struct ForgedReply {
    const char* from;
    int type;             // 0 echo reply, 8 echo request
    int identifierDelta;  // added to the identifier of the request
    int sequenceDelta;
    int dataSize;
};

std::uint16_t Checksum(const QByteArray& packet) {
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i + 1 < packet.size(); i += 2)
        sum += std::uint32_t(std::uint8_t(packet[i]) << 8 | std::uint8_t(packet[i + 1]));
    if (packet.size() % 2) sum += std::uint32_t(std::uint8_t(packet.back()) << 8);
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return std::uint16_t(~sum);
}

// Waits for the first echo request on the loopback and answers it with the replies
// given, in order; with flood set it then keeps sending the last one until stop is set
// (or a bound of seconds passes). Runs on its own thread.
class FakeEchoHost {
public:
    FakeEchoHost(std::vector<ForgedReply> replies, bool flood) : FReplies(std::move(replies)), FFlood(flood) {
        FListen = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        FThread = std::thread([this] { Serve(); });
    }
    ~FakeEchoHost() {
        Stop();
        if (FListen >= 0) ::close(FListen);
    }
    void Stop() {
        FStop = true;
        if (FThread.joinable()) FThread.join();
    }
    bool FloodEndedByItsBound() const { return FBoundReached; }

private:
    void Send(const ForgedReply& reply, std::uint16_t identifier, std::uint16_t sequence) {
        const int fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        sockaddr_in from{};
        from.sin_family = AF_INET;
        ::inet_pton(AF_INET, reply.from, &from.sin_addr);
        ::bind(fd, reinterpret_cast<const sockaddr*>(&from), sizeof from);
        QByteArray packet(8, '\0');
        packet[0] = char(reply.type);
        const std::uint16_t id = std::uint16_t(identifier + reply.identifierDelta);
        const std::uint16_t seq = std::uint16_t(sequence + reply.sequenceDelta);
        packet[4] = char(id >> 8);
        packet[5] = char(id);
        packet[6] = char(seq >> 8);
        packet[7] = char(seq);
        packet += QByteArray(reply.dataSize, 'r');
        const std::uint16_t sum = Checksum(packet);
        packet[2] = char(sum >> 8);
        packet[3] = char(sum);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::sendto(fd, packet.constData(), std::size_t(packet.size()), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        ::close(fd);
    }

    void Serve() {
        const auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::uint8_t buffer[65536];
        while (!FStop && std::chrono::steady_clock::now() < bound) {
            pollfd waiting{FListen, POLLIN, 0};
            if (::poll(&waiting, 1, 20) <= 0) continue;
            const ssize_t received = ::recv(FListen, buffer, sizeof buffer, 0);
            const std::size_t start = std::size_t(buffer[0] & 0x0F) * 4;
            if (received < ssize_t(start + 8) || buffer[start] != 8) continue;
            const std::uint16_t identifier = std::uint16_t(buffer[start + 4] << 8 | buffer[start + 5]);
            const std::uint16_t sequence = std::uint16_t(buffer[start + 6] << 8 | buffer[start + 7]);
            for (const ForgedReply& reply : FReplies) Send(reply, identifier, sequence);
            while (FFlood && !FStop && std::chrono::steady_clock::now() < bound) {
                Send(FReplies.back(), identifier, sequence);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            FBoundReached = std::chrono::steady_clock::now() >= bound;
            return;
        }
    }

    std::vector<ForgedReply> FReplies;
    bool FFlood;
    int FListen = -1;
    std::atomic<bool> FStop{false};
    std::atomic<bool> FBoundReached{false};
    std::thread FThread;
};

TEST(IcmpClient, TakesOnlyTheReplyOfTheHostAskedWithItsIdentifierAndSequence) {
    for (const bool datagram : {true, false}) {
        SCOPED_TRACE(datagram ? "ICMP datagram socket" : "raw socket");
        bool namespaceMade = false;
        int bytes = -1;
        IcmpNamespace::Run(datagram, [&](bool ok) {
            namespaceMade = ok;
            if (!ok) return;
            // Each forged reply has its own size, so the size answered tells which one was taken.
            FakeEchoHost host({{"127.0.0.2", 0, 0, 0, 1},   // another host
                               {"127.0.0.1", 0, 0, 1, 2},   // another sequence
                               {"127.0.0.1", 0, 1, 0, 3},   // another process's identifier
                               {"127.0.0.1", 8, 0, 0, 4},   // a request, not a reply
                               {"127.0.0.1", 0, 0, 0, 5}},  // the reply
                              false);
            bytes = SendIcmpEcho(QStringLiteral("127.0.0.1"), "probe", 7, 2000);
        });
        if (!namespaceMade) GTEST_SKIP() << "no network namespace can be made here";
        EXPECT_EQ(bytes, 8 + 5);
    }
}

TEST(IcmpClient, ForeignRepliesEndInATimeOutAlsoUnderAStoppedClock) {
    bool namespaceMade = false;
    int bytes = -1;
    bool floodOutlastedTheWait = false;
    // A test clock that stands still must not stretch the real socket's wait.
    SetTickClock({[] { return std::int64_t(1000); }, [](int) {}});
    IcmpNamespace::Run(true, [&](bool ok) {
        namespaceMade = ok;
        if (!ok) return;
        FakeEchoHost host({{"127.0.0.1", 0, 0, 1, 1}}, true);  // replies to another request
        bytes = SendIcmpEcho(QStringLiteral("127.0.0.1"), "probe", 7, 200);
        host.Stop();
        floodOutlastedTheWait = !host.FloodEndedByItsBound();
    });
    SetTickClock({});
    if (!namespaceMade) GTEST_SKIP() << "no network namespace can be made here";
    EXPECT_EQ(bytes, 0);
    EXPECT_TRUE(floodOutlastedTheWait);
}

}  // namespace
