// Fuzz target: the string grid's native text stream read into a grid. A stream that fails must
// raise the grid's or the conversion's error and leave the grid and the stream's position as they
// were; one that loads must save as bytes that load into a fresh grid and save the same again.
// The first byte chooses the grid's settings, the rest is the stream.
#include "fuzz/fuzz_support.h"

#include "grid/model/ext_grid_error.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/streams.h"

#include <memory>

namespace {

using namespace gw;
using gw::fuzz::Fail;

THarness& Harness()
{
    static THarness harness;
    return harness;
}

std::unique_ptr<TExtStringGrid> NewGrid(uint8_t Switches, const String& Text)
{
    auto g = std::make_unique<TExtStringGrid>(nullptr);
    g->SetColCount(3);
    g->SetRowCount(3);
    g->SaveFixedCells = !(Switches & 1);
    g->Multilinecells = Switches & 2;
    g->SetGridCell(1, 1, Text);
    return g;
}

std::string Saved(TExtStringGrid& G)
{
    TMemoryStream stream;
    G.SaveToStream(&stream);
    return std::string(stream.Bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    Harness();
    const uint8_t switches = data[0];
    auto grid = NewGrid(switches, u"before");
    const std::string before = Saved(*grid);
    TMemoryStream stream;
    stream.WriteBuffer(gw::fuzz::Bytes(data + 1, size - 1));
    stream.SetPosition(0);
    try {
        grid->LoadFromStream(&stream);
    } catch (const EExtGridError&) {
        if (stream.Position() != 0) Fail("a failed load moved the stream");
        if (Saved(*grid) != before) Fail("a failed load changed the grid");
        return 0;
    } catch (const EConvertError&) {
        if (stream.Position() != 0) Fail("a failed load moved the stream");
        if (Saved(*grid) != before) Fail("a failed load changed the grid");
        return 0;
    }
    if (stream.Position() % 2 != 0 || stream.Position() > stream.Size()) Fail("a load stopped inside a unit");
    // Saving walks every cell: the round trip is checked on grids of a size a test would use.
    if ((switches & 1) || Int64(grid->ColCount()) * grid->RowCount() > 4096) return 0;
    const std::string first = Saved(*grid);
    auto again = NewGrid(switches, u"");  // a load leaves unnamed cells: start from none
    TMemoryStream copy;
    copy.WriteBuffer(first);
    copy.SetPosition(0);
    again->LoadFromStream(&copy);
    if (copy.Position() != copy.Size()) Fail("a saved stream did not load whole");
    if (Saved(*again) != first) Fail("a saved stream loads as another grid");
    return 0;
}
