// Fuzz target: UTF-8 decoding and re-encoding of arbitrary bytes.
#include "platform/runtime/unicode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const gw::String text = gw::Utf8ToString(bytes);
    const std::string back = gw::StringToUtf8(text);
    // Valid input must survive the round trip unchanged; the re-encoded form is always valid.
    if (gw::IsValidUtf8(bytes) && back != bytes) std::abort();
    if (!gw::IsValidUtf8(back)) std::abort();
    return 0;
}
