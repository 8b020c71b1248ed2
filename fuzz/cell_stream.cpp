// Fuzz target: the grid's cell stream split into its records, as a paste or a drop from another
// program would hand it over. Anything but a sound stream must raise EReadError alone; a sound
// one cannot hold more cells than its bytes can carry.
#include "fuzz/fuzz_support.h"

#include "grid/exchange/cell_stream.h"
#include "platform/runtime/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace gw;
    TCellStream stream;
    try {
        stream = ReadCellStream(gw::fuzz::Bytes(data, size));
    } catch (const EReadError&) {
        return 0;
    }
    // A cell record is at least the signature, a class name and the two end bytes.
    if (stream.Cells.size() * 8 > size) gw::fuzz::Fail("more cells than bytes");
    for (const TCellStreamCell& cell : stream.Cells)
        if (cell.Payload && !cell.Graphic) gw::fuzz::Fail("a payload without its graphic");
    return 0;
}
