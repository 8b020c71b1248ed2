// Tests of ICMP echo: only 127.0.0.1 is ever pinged.
#include "platform/net/icmp_echo.h"

#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

TEST(IcmpEcho, AddressesAreFourDecimalOctets)
{
    struct Case {
        const char16_t* text;
        bool ok;
        uint32_t address;
    };
    const Case cases[] = {
        {u"127.0.0.1", true, 0x7F000001},
        {u"192.168.002.205", true, 0xC0A802CD},  // leading zeros as typed, still decimal
        {u"010.008.0.9", true, 0x0A080009},  // not octal
        {u"255.255.255.255", true, 0xFFFFFFFF},
        {u"", false, 0},
        {u"localhost", false, 0},
        {u"1.2.3", false, 0},
        {u"1.2.3.4.5", false, 0},
        {u"1.2.3.", false, 0},
        {u"1..2.3", false, 0},
        {u"256.1.1.1", false, 0},
        {u"1.2.3.0256", false, 0},
        {u" 1.2.3.4", false, 0},
        {u"1.2.3.4 ", false, 0},
        {u"0x7f.0.0.1", false, 0},
        {u"-1.2.3.4", false, 0},
        {u"+1.2.3.4", false, 0},
        {u"1.2.3.４", false, 0},  // a full-width digit
    };
    for (const auto& c : cases) {
        uint32_t address = 12345;
        EXPECT_EQ(ParseIPv4(c.text, address), c.ok) << StringToUtf8(c.text);
        EXPECT_EQ(address, c.ok ? c.address : 12345u) << StringToUtf8(c.text);
    }
}

TEST(IcmpEcho, UnusableAddressIsAnErrorNotASilence)
{
    TIcmpEcho ping;
    int replies = 0;
    ping.OnReply = [&](TObject*, const TReplyStatus&) { ++replies; };
    for (const char16_t* host : {u"", u"192.168.1", u"300.1.1.1", u"gateway", u"192.168.1.1\n"}) {
        ping.Host = host;
        EXPECT_THROW(ping.Ping("x"), EIcmpError) << StringToUtf8(host);
    }
    ping.Host = u"127.0.0.1";
    ping.PacketSize = 70000;
    EXPECT_THROW(ping.Ping("x"), EIcmpError);
    EXPECT_EQ(replies, 0);
}

class IcmpEchoLoopback : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (TIcmpEcho::SocketKind() == TIcmpSocketKind::None)
            GTEST_SKIP() << "NO ICMP SOCKET: neither an unprivileged ICMP datagram socket (net.ipv4.ping_group_range) "
                            "nor a raw socket (CAP_NET_RAW) can be opened here, so echo cannot be tested";
    }
};

TEST_F(IcmpEchoLoopback, LoopbackEchoesThePayload)
{
    TIcmpEcho ping;
    ping.Host = u"127.0.0.1";
    std::vector<TReplyStatus> seen;
    ping.OnReply = [&](TObject* sender, const TReplyStatus& status) {
        EXPECT_EQ(sender, &ping);
        seen.push_back(status);
    };
    struct Case {
        std::string payload;
        int32_t packetSize;
        int32_t expected;
    };
    const Case cases[] = {
        {"127.0.0.1", 1024, 9},  // the address text as data, as the device check sends it
        {"", 1024, 1024},  // no payload: filler of the packet size
        {"127.0.0.1", 4, 4},  // cut to the packet size
        {std::string(3000, 'z'), 4000, 3000},
    };
    for (const auto& c : cases) {
        ping.PacketSize = c.packetSize;
        TReplyStatus status = ping.Ping(c.payload);
        EXPECT_EQ(status.ReplyStatusType, rsEcho) << c.payload.size();
        EXPECT_EQ(status.BytesReceived, c.expected) << c.payload.size();
        EXPECT_EQ(status.FromIpAddress, u"127.0.0.1");
        EXPECT_LT(status.MsRoundTrip, ping.ReceiveTimeout);
        EXPECT_EQ(ping.ReplyStatus().SequenceId, status.SequenceId);
    }
    ASSERT_EQ(seen.size(), std::size(cases));
    EXPECT_NE(seen[0].SequenceId, seen[1].SequenceId);
    EXPECT_EQ(seen[1].BytesReceived, 1024);
}

}  // namespace
}  // namespace gw::test
