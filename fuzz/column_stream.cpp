// Fuzz target: the column grid's column stream. A stream that reads must write back as bytes
// that read again to the same bytes; anything else must raise EReadError alone.
#include "fuzz/fuzz_support.h"

#include "grid/model/column_stream.h"
#include "platform/runtime/exceptions.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = gw::fuzz::Bytes(data, size);
    TGridColumnCollection first(nullptr);
    try {
        ReadColumnStream(bytes, first, nullptr);
    } catch (const EReadError&) {
        if (first.Count() > static_cast<Integer>(size)) Fail("more items than bytes");
        return 0;
    }
    const std::string written = WriteColumnStream(first);
    TGridColumnCollection second(nullptr);
    ReadColumnStream(written, second, nullptr);
    if (WriteColumnStream(second) != written) Fail("a written stream does not read back the same");
    return 0;
}
