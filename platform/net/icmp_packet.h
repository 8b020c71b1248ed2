// Recognising the reply to one echo request among the ICMP messages a socket receives.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gw::detail {

// What identifies a request in the messages that come back. The identifier of a datagram socket
// is the kernel's, which also filters for it; only a raw socket compares it.
struct TEchoRequestId {
    uint16_t Id = 0;
    uint16_t Sequence = 0;
    uint32_t Target = 0;  // first octet in the high byte
};

enum class TIcmpMatch { Other, Echo, Unreachable };

// Classifies one received message. A raw socket delivers the IP header first (WithIpHeader);
// From is the sender's address. An echo reply matches when it comes from the target with the
// request's numbers; a "destination unreachable" matches when the request it quotes is this one.
// DataBytes receives the data bytes after the ICMP header of a match.
TIcmpMatch ClassifyIcmp(const uint8_t* Bytes, std::size_t Size, bool WithIpHeader, uint32_t From,
                        const TEchoRequestId& Request, std::int32_t& DataBytes);

}  // namespace gw::detail
