#include "platform/icmp_client.h"

#include <gtest/gtest.h>

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

}  // namespace
