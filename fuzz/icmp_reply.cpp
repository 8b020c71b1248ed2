// Fuzz target: recognising the reply to an echo request among the ICMP messages a socket
// receives, on arbitrary bytes from the network.
#include "fuzz/fuzz_support.h"

#include "platform/net/icmp_packet.h"

#include <vector>

namespace {

using gw::fuzz::Fail;

uint32_t Read32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

}  // namespace

// Input: one byte whose low bit says raw socket (with the IP header), the request's identifier,
// sequence and target and the sender's address (12 bytes), then the message received.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 13) return 0;
    const bool raw = data[0] & 1;
    gw::detail::TEchoRequestId request;
    request.Id = static_cast<uint16_t>(data[1] << 8 | data[2]);
    request.Sequence = static_cast<uint16_t>(data[3] << 8 | data[4]);
    request.Target = Read32(data + 5);
    const uint32_t from = Read32(data + 9);
    // A copy of exactly the message, so that a read past its end is caught.
    const std::vector<uint8_t> message(data + 13, data + size);
    int32_t bytes = -1;
    const auto match = gw::detail::ClassifyIcmp(message.data(), message.size(), raw, from, request, bytes);
    if (match == gw::detail::TIcmpMatch::Other) {
        if (bytes != -1) Fail("a message that is no reply set the byte count");
        return 0;
    }
    if (bytes < 0 || static_cast<size_t>(bytes) + 8 > message.size()) Fail("the byte count lies outside the message");
    if (match == gw::detail::TIcmpMatch::Echo && from != request.Target) Fail("an echo from another host counted");
    return 0;
}
