// ICMP echo (ping) over IPv4: one request, one reply or a time-out.
#pragma once

#include "platform/runtime/exceptions.h"
#include "platform/runtime/object.h"
#include "platform/runtime/types.h"

#include <functional>
#include <string_view>

namespace gw {

// Raised for an address that cannot be used, a socket that cannot be opened or a failed send.
class EIcmpError : public Exception {
public:
    using Exception::Exception;
};

// rsErrorUnreachable: a router or the target's host said the address cannot be reached; such a
// reply carries bytes (the quoted request), yet no answer from the device.
enum TReplyStatusType { rsEcho, rsTimeOut, rsError, rsErrorUnreachable };

// The outcome of one echo request.
struct TReplyStatus {
    TReplyStatusType ReplyStatusType = rsTimeOut;
    // Data bytes the reply carried back; 0 when no reply came within the time-out.
    int32_t BytesReceived = 0;
    String FromIpAddress;
    Cardinal MsRoundTrip = 0;
    Word SequenceId = 0;
};

// How echo requests can be sent on this machine: an unprivileged ICMP datagram socket (allowed
// when the process's group is in net.ipv4.ping_group_range) or a raw socket (needs CAP_NET_RAW).
enum class TIcmpSocketKind { None, Datagram, Raw };

// Sends one echo request carrying Data to Address (four octets, the first in the high byte) and
// waits up to TimeoutMs for its reply; raises EIcmpError when the request cannot be sent.
using TEchoSender = std::function<TReplyStatus(uint32_t Address, std::string_view Data, Cardinal TimeoutMs)>;

// Installs another sender (tests script replies and their timing) and returns the one before;
// an empty function restores the sockets.
TEchoSender SetEchoSender(TEchoSender Sender);

class TIcmpEcho : public TObject {
public:
    // Dotted IPv4 address, four decimal octets 0-255. Leading zeros are decimal ("010" is 10),
    // as a user typing octets into four boxes means them; names are not looked up.
    String Host;
    Cardinal ReceiveTimeout = 400;  // ms
    // The data of a request: the payload given, cut to this many bytes; an empty payload is
    // replaced by this many filler bytes. 0-65500.
    int32_t PacketSize = 1024;
    // Called after every request that was sent, answered or not.
    std::function<void(TObject* Sender, const TReplyStatus& Status)> OnReply;

    String ClassName() const override { return u"TIcmpEcho"; }

    // Sends one echo request to Host and waits up to ReceiveTimeout for its reply. Raises
    // EIcmpError when Host is not a usable address, no ICMP socket can be opened or the send
    // fails; a missing answer is not an error (rsTimeOut, 0 bytes).
    TReplyStatus Ping(std::string_view Payload);
    const TReplyStatus& ReplyStatus() const { return m_reply; }

    // Which socket Ping would use, opening and closing one to find out.
    static TIcmpSocketKind SocketKind();

private:
    TReplyStatus m_reply;
};

// Parses four decimal octets joined with "."; false for anything else.
bool ParseIPv4(StringView text, uint32_t& address);

}  // namespace gw
