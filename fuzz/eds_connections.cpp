// Fuzz target: the EDS connection reader on any bytes taken as an EDS file.
#include "fuzz/fuzz_support.h"

#include "tables/eds_connections.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace gw;
    const auto file = gw::fuzz::ScratchFolder::Path() / "device.eds";
    gw::fuzz::ScratchFolder::Write(file, gw::fuzz::Bytes(data, size));
    const TConnList list = Load_EDS_Connections(gw::fuzz::ScratchFolder::ToString(file));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TConnData& conn = list[i];
        if (conn.ConnIndex != static_cast<Integer>(i) + 1) gw::fuzz::Fail("labels are not 1..k");
        if (conn.DimHeaderOT > 7 || conn.DimHeaderTO > 7) gw::fuzz::Fail("a header kind outside 0..7");
        if (conn.NumClass != 0) gw::fuzz::Fail("the class count left at its initial value");
    }
    return 0;
}
