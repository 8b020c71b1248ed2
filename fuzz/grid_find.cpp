// Fuzz target: find and replace over a small grid of outside cell texts. The input is the find
// parameters (two bytes), a start cell (two bytes), the search text and the replacement (each
// ended by a NUL byte), then up to 16 cell texts of a 4 x 4 grid (NUL-separated). Each run must
// test every cell at most once, and a replace run count at most the cells of its range.
#include "fuzz/fuzz_support.h"

#include "grid/model/grid_find.h"

#include <array>
#include <set>
#include <utility>

namespace {

using namespace gw;
using gw::fuzz::Fail;

constexpr Integer kSize = 4;

struct TSmallGrid {
    std::array<String, kSize * kSize> Cells;
    String& At(Integer ACol, Integer ARow) { return Cells[size_t(ARow * kSize + ACol)]; }
};

// One run from Start: its result, and that no cell was tested twice or outside the range.
TPoint CheckedRun(TSmallGrid& G, const TGridRect& Range, TPoint Start, const String& Cache, TFindParams Params)
{
    std::set<std::pair<Integer, Integer>> tested;
    const TPoint found = FindInRange(Range, Start, Params, [&](Integer c, Integer r) {
        if (c < Range.Left || c > Range.Right || r < Range.Top || r > Range.Bottom) Fail("a cell outside the range");
        if (!tested.emplace(c, r).second) Fail("a cell tested twice in one run");
        return FindTextMatches(G.At(c, r), Cache, Params);
    });
    if (found != TPoint{-1, -1} && !tested.count({found.X, found.Y})) Fail("a result that was not tested");
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const TFindParams params = TFindParams(data[0] | (data[1] << 8));
    const TPoint start{Integer(int8_t(data[2])) % 6 - 1, Integer(int8_t(data[3])) % 6 - 1};
    std::string_view rest = gw::fuzz::Bytes(data + 4, size - 4);
    const String search = gw::fuzz::FuzzText(gw::fuzz::SplitAtNul(rest));
    const String replacement = gw::fuzz::FuzzText(gw::fuzz::SplitAtNul(rest));
    TSmallGrid g;
    for (String& cell : g.Cells) cell = gw::fuzz::FuzzText(gw::fuzz::SplitAtNul(rest));
    const TGridRect full{0, 0, kSize - 1, kSize - 1};
    const TPoint current{data[2] % kSize, data[3] % kSize};
    const TPoint preset{data[3] % kSize, data[2] % kSize};
    const TGridRect range = NarrowFindRange(full, params, current, preset);
    const String cache = FindSearchCache(search, params);
    CheckedRun(g, range, start, cache, params);
    // FindNext to the end: every match is a new cell, so the chain is at most the range long.
    const Integer cells = (range.Right - range.Left + 1) * (range.Bottom - range.Top + 1);
    Integer count = 0;
    for (TPoint at = CheckedRun(g, range, {-1, -1}, cache, params); at != TPoint{-1, -1};
         at = CheckedRun(g, range, at, cache, params)) {
        g.At(at.X, at.Y) = ReplaceInCellText(g.At(at.X, at.Y), search, replacement);
        if (++count > cells) Fail("a replace run counted more cells than its range holds");
    }
    return 0;
}
