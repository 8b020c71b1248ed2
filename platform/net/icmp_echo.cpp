// ICMP echo over an unprivileged datagram socket or, failing that, a raw socket.
#include "platform/net/icmp_echo.h"

#include "platform/net/icmp_packet.h"
#include "platform/runtime/unicode.h"

#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace gw {

namespace {

constexpr int32_t kMaxPacketSize = 65500;
constexpr size_t kHeaderSize = 8;  // type, code, checksum, identifier, sequence
constexpr size_t kMinIpHeader = 20;

class Socket {
public:
    Socket() = default;
    Socket(int fd, TIcmpSocketKind kind) : m_fd(fd), m_kind(kind) {}
    ~Socket()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    Socket(Socket&& other) noexcept : m_fd(other.m_fd), m_kind(other.m_kind) { other.m_fd = -1; }
    Socket& operator=(Socket&&) = delete;
    Socket(const Socket&) = delete;

    int fd() const { return m_fd; }
    TIcmpSocketKind kind() const { return m_kind; }

private:
    int m_fd = -1;
    TIcmpSocketKind m_kind = TIcmpSocketKind::None;
};

std::string Errno(int error) { return std::strerror(error); }

Socket OpenSocket()
{
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd >= 0) {
        // A datagram socket hears of "unreachable" only through its error queue.
        int on = 1;
        ::setsockopt(fd, IPPROTO_IP, IP_RECVERR, &on, sizeof on);
        return Socket(fd, TIcmpSocketKind::Datagram);
    }
    int datagramError = errno;
    fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd >= 0) return Socket(fd, TIcmpSocketKind::Raw);
    int rawError = errno;
    throw EIcmpError(S("Cannot open an ICMP socket: an unprivileged ICMP datagram socket was refused (" +
                       Errno(datagramError) +
                       "; the group must be in net.ipv4.ping_group_range) and so was a raw socket (" + Errno(rawError) +
                       "; it needs CAP_NET_RAW)"));
}

uint16_t Checksum(const uint8_t* data, size_t size)
{
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2) sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2) sum += static_cast<uint32_t>(data[size - 1] << 8);
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

std::vector<uint8_t> EchoRequest(uint16_t id, uint16_t sequence, std::string_view data)
{
    std::vector<uint8_t> packet(kHeaderSize + data.size(), 0);
    packet[0] = ICMP_ECHO;
    packet[4] = static_cast<uint8_t>(id >> 8);
    packet[5] = static_cast<uint8_t>(id);
    packet[6] = static_cast<uint8_t>(sequence >> 8);
    packet[7] = static_cast<uint8_t>(sequence);
    std::memcpy(packet.data() + kHeaderSize, data.data(), data.size());
    uint16_t sum = Checksum(packet.data(), packet.size());
    packet[2] = static_cast<uint8_t>(sum >> 8);
    packet[3] = static_cast<uint8_t>(sum);
    return packet;
}

std::string RequestData(std::string_view payload, int32_t packetSize)
{
    if (payload.empty()) {
        std::string filler(static_cast<size_t>(packetSize), '\0');
        for (size_t i = 0; i < filler.size(); ++i) filler[i] = static_cast<char>('a' + i % 23);
        return filler;
    }
    return std::string(payload.substr(0, static_cast<size_t>(packetSize)));
}

uint16_t Be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t Be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

String DottedText(uint32_t address)
{
    in_addr a{htonl(address)};
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a, text, sizeof text);
    return S(text);
}

// A "destination unreachable" waiting in a datagram socket's error queue; every error there
// belongs to the one request the socket sent.
bool QueuedUnreachable(int fd, TReplyStatus& reply)
{
    std::vector<uint8_t> data(kMaxPacketSize + 128);
    alignas(cmsghdr) char control[512];
    iovec part{data.data(), data.size()};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t got = ::recvmsg(fd, &message, MSG_ERRQUEUE | MSG_DONTWAIT);
    if (got < 0) return false;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_RECVERR) continue;
        sock_extended_err error{};
        std::memcpy(&error, CMSG_DATA(c), sizeof error);
        if (error.ee_origin != SO_EE_ORIGIN_ICMP || error.ee_type != ICMP_DEST_UNREACH) return false;
        sockaddr_in offender{};
        if (c->cmsg_len >= CMSG_LEN(sizeof error + sizeof offender))
            std::memcpy(&offender, CMSG_DATA(c) + sizeof error, sizeof offender);
        reply.ReplyStatusType = rsErrorUnreachable;
        reply.BytesReceived = static_cast<int32_t>(static_cast<size_t>(got) > kHeaderSize ? got - kHeaderSize : got);
        reply.FromIpAddress = DottedText(ntohl(offender.sin_addr.s_addr));
        return true;
    }
    return false;
}

Cardinal MsSince(std::chrono::steady_clock::time_point start)
{
    return static_cast<Cardinal>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

std::atomic<uint16_t> g_sequence{0};

TReplyStatus SocketEcho(uint32_t address, std::string_view data, Cardinal timeout)
{
    Socket socket = OpenSocket();
    detail::TEchoRequestId request;
    request.Sequence = ++g_sequence;
    request.Id = static_cast<uint16_t>(::getpid() ^ (request.Sequence << 3));
    request.Target = address;
    const std::vector<uint8_t> packet = EchoRequest(request.Id, request.Sequence, data);

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(address);
    auto start = std::chrono::steady_clock::now();
    if (::sendto(socket.fd(), packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&target), sizeof target) < 0)
        throw EIcmpError(u"Cannot send an echo request to " + DottedText(address) + u": " + S(Errno(errno)));

    TReplyStatus reply;
    reply.SequenceId = request.Sequence;
    auto deadline = start + std::chrono::milliseconds(timeout);
    std::vector<uint8_t> buffer(kMaxPacketSize + 128);
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd waiting{socket.fd(), POLLIN, 0};
        int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        if ((waiting.revents & POLLERR) && QueuedUnreachable(socket.fd(), reply)) break;
        if (!(waiting.revents & POLLIN)) continue;
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        ssize_t got = ::recvfrom(socket.fd(), buffer.data(), buffer.size(), MSG_DONTWAIT,
                                 reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (got < 0) continue;
        int32_t dataBytes = 0;
        const uint32_t sender = ntohl(from.sin_addr.s_addr);
        // A raw socket sees every ICMP message of the machine, our own request on loopback too.
        const detail::TIcmpMatch match = detail::ClassifyIcmp(
            buffer.data(), static_cast<size_t>(got), socket.kind() == TIcmpSocketKind::Raw, sender, request, dataBytes);
        if (match == detail::TIcmpMatch::Other) continue;
        reply.ReplyStatusType = match == detail::TIcmpMatch::Echo ? rsEcho : rsErrorUnreachable;
        reply.BytesReceived = dataBytes;
        reply.FromIpAddress = DottedText(sender);
        break;
    }
    if (reply.ReplyStatusType != rsTimeOut) reply.MsRoundTrip = MsSince(start);
    return reply;
}

std::mutex g_senderLock;
TEchoSender g_sender;

TEchoSender CurrentSender()
{
    std::lock_guard<std::mutex> lock(g_senderLock);
    return g_sender ? g_sender : TEchoSender(SocketEcho);
}

}  // namespace

namespace detail {

TIcmpMatch ClassifyIcmp(const uint8_t* Bytes, size_t Size, bool WithIpHeader, uint32_t From,
                        const TEchoRequestId& Request, int32_t& DataBytes)
{
    size_t offset = 0;
    if (WithIpHeader) {
        if (Size < kMinIpHeader) return TIcmpMatch::Other;
        offset = static_cast<size_t>(Bytes[0] & 0x0F) * 4;
        if (offset < kMinIpHeader) return TIcmpMatch::Other;
    }
    if (Size < offset + kHeaderSize) return TIcmpMatch::Other;
    const uint8_t* icmp = Bytes + offset;
    const size_t icmpSize = Size - offset;
    // The kernel sets the identifier of a datagram socket itself and filters for it.
    auto same = [&](const uint8_t* header) {
        return Be16(header + 6) == Request.Sequence && (!WithIpHeader || Be16(header + 4) == Request.Id);
    };
    if (icmp[0] == ICMP_ECHOREPLY) {
        if (From != Request.Target || !same(icmp)) return TIcmpMatch::Other;
        DataBytes = static_cast<int32_t>(icmpSize - kHeaderSize);
        return TIcmpMatch::Echo;
    }
    if (icmp[0] != ICMP_DEST_UNREACH) return TIcmpMatch::Other;
    // It quotes the IP header of the request and at least the request's ICMP header.
    const uint8_t* quoted = icmp + kHeaderSize;
    const size_t quotedSize = icmpSize - kHeaderSize;
    if (quotedSize < kMinIpHeader) return TIcmpMatch::Other;
    const size_t quotedHeader = static_cast<size_t>(quoted[0] & 0x0F) * 4;
    if (quotedHeader < kMinIpHeader || quotedSize < quotedHeader + kHeaderSize) return TIcmpMatch::Other;
    const uint8_t* request = quoted + quotedHeader;
    if (Be32(quoted + 16) != Request.Target || request[0] != ICMP_ECHO || !same(request)) return TIcmpMatch::Other;
    DataBytes = static_cast<int32_t>(quotedSize);
    return TIcmpMatch::Unreachable;
}

}  // namespace detail

bool ParseIPv4(StringView text, uint32_t& address)

{
    uint32_t result = 0;
    int parts = 0;
    size_t i = 0;
    while (parts < 4) {
        size_t start = i;
        uint32_t octet = 0;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && i - start < 3)
            octet = octet * 10 + static_cast<uint32_t>(text[i++] - u'0');
        if (i == start || octet > 255 || (i < text.size() && text[i] >= u'0' && text[i] <= u'9')) return false;
        result = result << 8 | octet;
        if (++parts < 4) {
            if (i >= text.size() || text[i] != u'.') return false;
            ++i;
        }
    }
    if (i != text.size()) return false;
    address = result;
    return true;
}

TIcmpSocketKind TIcmpEcho::SocketKind()
{
    try {
        return OpenSocket().kind();
    } catch (const EIcmpError&) {
        return TIcmpSocketKind::None;
    }
}

TEchoSender SetEchoSender(TEchoSender Sender)
{
    std::lock_guard<std::mutex> lock(g_senderLock);
    TEchoSender before = std::move(g_sender);
    g_sender = std::move(Sender);
    return before;
}

TReplyStatus TIcmpEcho::Ping(std::string_view Payload)
{
    uint32_t address = 0;
    if (!ParseIPv4(Host, address))
        throw EIcmpError(u"\"" + Host + u"\" is not an IPv4 address (four numbers 0-255 joined with \".\")");
    if (PacketSize < 0 || PacketSize > kMaxPacketSize)
        throw EIcmpError(S("Packet size " + std::to_string(PacketSize) + " is outside 0-65500"));
    m_reply = CurrentSender()(address, RequestData(Payload, PacketSize), ReceiveTimeout);
    if (OnReply) OnReply(this, m_reply);
    return m_reply;
}

}  // namespace gw
