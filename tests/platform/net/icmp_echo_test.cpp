// Tests of ICMP echo: only 127.0.0.1 is ever pinged.
#include "platform/net/icmp_echo.h"

#include "platform/net/icmp_packet.h"
#include "platform/runtime/scope.h"
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

// --- recognising the reply among the messages a socket receives ------------------------------------

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
}

// An IP header (Words 32-bit words long) from Source to Target.
Bytes Ip(uint32_t Source, uint32_t Target, int Words = 5)
{
    Bytes b(size_t(Words) * 4, 0);
    b[0] = uint8_t(0x40 | Words);
    b[9] = 1;  // ICMP
    Put32(b, 12, Source);
    Put32(b, 16, Target);
    return b;
}

// An ICMP header with identifier and sequence, then Data bytes of filler.
Bytes Icmp(uint8_t Type, uint16_t Id, uint16_t Sequence, size_t Data = 0)
{
    Bytes b{Type, 0, 0, 0, uint8_t(Id >> 8), uint8_t(Id), uint8_t(Sequence >> 8), uint8_t(Sequence)};
    b.resize(8 + Data, 'x');
    return b;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(IcmpEcho, OnlyTheReplyToThisRequestCounts)
{
    constexpr uint32_t device = 0x0A000009, router = 0x0A000001, other = 0x0A000063, me = 0x0A000002;
    const detail::TEchoRequestId request{0x1234, 7, device};
    constexpr uint8_t reply = 0, unreachable = 3, echo = 8, timeExceeded = 11;
    const Bytes ours = Ip(me, device) + Icmp(echo, 0x1234, 7);  // the request as a router quotes it
    using M = detail::TIcmpMatch;
    struct Case {
        const char* name;
        Bytes message;
        bool raw;  // with the IP header, as a raw socket receives it
        uint32_t from;
        M match;
        int32_t data;
    };
    const Case cases[] = {
        {"echo reply", Ip(device, me) + Icmp(reply, 0x1234, 7, 9), true, device, M::Echo, 9},
        {"echo reply, IP options", Ip(device, me, 6) + Icmp(reply, 0x1234, 7, 9), true, device, M::Echo, 9},
        {"datagram echo reply", Icmp(reply, 0x1234, 7, 1024), false, device, M::Echo, 1024},
        {"datagram: the kernel's identifier", Icmp(reply, 0x9999, 7, 3), false, device, M::Echo, 3},
        {"raw: another program's identifier", Ip(device, me) + Icmp(reply, 0x9999, 7, 9), true, device, M::Other, 0},
        {"another sequence", Ip(device, me) + Icmp(reply, 0x1234, 8, 9), true, device, M::Other, 0},
        {"reply from another host", Ip(other, me) + Icmp(reply, 0x1234, 7, 9), true, other, M::Other, 0},
        {"our own request on loopback", Ip(me, device) + Icmp(echo, 0x1234, 7, 9), true, device, M::Other, 0},
        {"unreachable quoting this request", Ip(router, me) + Icmp(unreachable, 0, 0) + ours, true, router,
         M::Unreachable, 28},
        {"unreachable quoting a request to another host",
         Ip(router, me) + Icmp(unreachable, 0, 0) + Ip(me, other) + Icmp(echo, 0x1234, 7), true, router, M::Other, 0},
        {"unreachable quoting another sequence",
         Ip(router, me) + Icmp(unreachable, 0, 0) + Ip(me, device) + Icmp(echo, 0x1234, 6), true, router, M::Other, 0},
        {"unreachable quoting the IP header only", Ip(router, me) + Icmp(unreachable, 0, 0) + Ip(me, device), true,
         router, M::Other, 0},
        {"time exceeded", Ip(router, me) + Icmp(timeExceeded, 0, 0) + ours, true, router, M::Other, 0},
        {"shorter than an IP header", Bytes(12, 0x45), true, device, M::Other, 0},
        {"IP header without ICMP", Ip(device, me), true, device, M::Other, 0},
    };
    for (const Case& c : cases) {
        int32_t data = -1;
        EXPECT_EQ(detail::ClassifyIcmp(c.message.data(), c.message.size(), c.raw, c.from, request, data), c.match)
            << c.name;
        if (c.match != M::Other) {
            EXPECT_EQ(data, c.data) << c.name;
        }
    }
}

TEST(IcmpEcho, AnInstalledSenderGetsTheParsedAddressAndTheData)
{
    struct Sent {
        uint32_t address;
        std::string data;
        Cardinal timeout;
    };
    std::vector<Sent> sent;
    TReplyStatus scripted;
    scripted.ReplyStatusType = rsErrorUnreachable;
    scripted.BytesReceived = 28;
    TEchoSender before = SetEchoSender([&](uint32_t Address, std::string_view Data, Cardinal Timeout) {
        sent.push_back({Address, std::string(Data), Timeout});
        if (Data == "fail") throw EIcmpError(u"Cannot send");
        return scripted;
    });
    TScopeExit restore([&] { SetEchoSender(before); });
    TIcmpEcho ping;
    std::vector<TReplyStatusType> replies;
    ping.OnReply = [&](TObject*, const TReplyStatus& Status) { replies.push_back(Status.ReplyStatusType); };
    ping.Host = u"010.008.0.9";
    EXPECT_EQ(ping.Ping("010.008.0.9").BytesReceived, 28);
    EXPECT_EQ(ping.ReplyStatus().ReplyStatusType, rsErrorUnreachable);
    EXPECT_THROW(ping.Ping("fail"), EIcmpError);
    ping.Host = u"gateway";  // refused before anything is sent
    EXPECT_THROW(ping.Ping("x"), EIcmpError);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].address, 0x0A080009u);  // decimal, never octal
    EXPECT_EQ(sent[0].data, "010.008.0.9");
    EXPECT_EQ(sent[0].timeout, 400u);
    EXPECT_EQ(replies, std::vector<TReplyStatusType>{rsErrorUnreachable});
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
