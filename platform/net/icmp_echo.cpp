// ICMP echo over an unprivileged datagram socket or, failing that, a raw socket.
#include "platform/net/icmp_echo.h"

#include "platform/runtime/unicode.h"

#include <arpa/inet.h>
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
#include <string>
#include <vector>

namespace gw {

namespace {

constexpr int32_t kMaxPacketSize = 65500;
constexpr size_t kHeaderSize = 8;  // type, code, checksum, identifier, sequence

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
    if (fd >= 0) return Socket(fd, TIcmpSocketKind::Datagram);
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

// The ICMP message inside what recv gave: raw sockets deliver the IP header too.
bool IcmpPart(const uint8_t* bytes, size_t size, TIcmpSocketKind kind, const uint8_t*& icmp, size_t& icmpSize)
{
    size_t offset = 0;
    if (kind == TIcmpSocketKind::Raw) {
        if (size < 20) return false;
        offset = static_cast<size_t>(bytes[0] & 0x0F) * 4;
    }
    if (size < offset + kHeaderSize) return false;
    icmp = bytes + offset;
    icmpSize = size - offset;
    return true;
}

std::atomic<uint16_t> g_sequence{0};

}  // namespace

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

TReplyStatus TIcmpEcho::Ping(std::string_view Payload)
{
    uint32_t address = 0;
    if (!ParseIPv4(Host, address))
        throw EIcmpError(u"\"" + Host + u"\" is not an IPv4 address (four numbers 0-255 joined with \".\")");
    if (PacketSize < 0 || PacketSize > kMaxPacketSize)
        throw EIcmpError(S("Packet size " + std::to_string(PacketSize) + " is outside 0-65500"));

    Socket socket = OpenSocket();
    const uint16_t sequence = ++g_sequence;
    const uint16_t id = static_cast<uint16_t>(::getpid() ^ (sequence << 3));
    const std::string data = RequestData(Payload, PacketSize);
    const std::vector<uint8_t> request = EchoRequest(id, sequence, data);

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(address);
    auto start = std::chrono::steady_clock::now();
    if (::sendto(socket.fd(), request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&target), sizeof target) <
        0)
        throw EIcmpError(u"Cannot send an echo request to " + Host + u": " + S(Errno(errno)));

    m_reply = TReplyStatus{};
    m_reply.SequenceId = sequence;
    auto deadline = start + std::chrono::milliseconds(ReceiveTimeout);
    std::vector<uint8_t> buffer(kMaxPacketSize + 128);
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd waiting{socket.fd(), POLLIN, 0};
        int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        ssize_t got =
            ::recvfrom(socket.fd(), buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (got < 0) continue;
        const uint8_t* icmp = nullptr;
        size_t icmpSize = 0;
        if (!IcmpPart(buffer.data(), static_cast<size_t>(got), socket.kind(), icmp, icmpSize)) continue;
        uint16_t gotId = static_cast<uint16_t>(icmp[4] << 8 | icmp[5]);
        uint16_t gotSequence = static_cast<uint16_t>(icmp[6] << 8 | icmp[7]);
        // A raw socket sees every ICMP message of the machine, our own request on loopback too;
        // the kernel sets the identifier of a datagram socket itself and filters for it.
        bool ours = icmp[0] == ICMP_ECHOREPLY && gotSequence == sequence &&
            (socket.kind() == TIcmpSocketKind::Datagram || gotId == id) &&
            from.sin_addr.s_addr == target.sin_addr.s_addr;
        if (!ours) continue;
        m_reply.ReplyStatusType = rsEcho;
        m_reply.BytesReceived = static_cast<int32_t>(icmpSize - kHeaderSize);
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        m_reply.FromIpAddress = S(text);
        m_reply.MsRoundTrip = static_cast<Cardinal>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        break;
    }
    if (OnReply) OnReply(this, m_reply);
    return m_reply;
}

}  // namespace gw
