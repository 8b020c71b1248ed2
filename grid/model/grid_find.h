// The grid-free half of find and replace: the find parameters, the cell-text test and the walk
// over a cell range in scan order. The string grid supplies the texts, the range and the moves.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/grids/grid_types.h"
#include "platform/runtime/types.h"

#include <cstdint>
#include <functional>

namespace gw {

enum TFindParameters : uint8_t {
    fnMatchCase,
    fnMatchFull,
    fnMatchRegular,
    fnDirectionLeftRight,
    fnMatchStart,
    fnFindInCurrentRow,
    fnFindInCurrentCol,
    fnIncludeFixed,
    fnAutoGoto,
    fnIgnoreHTMLTags,
    fnBackward,
    fnIncludeHiddenColumns,
    fnFindInPresetCol,
    fnFindInPresetRow,
    fnSelectedCells,
    fnIncludeHiddenRows
};
// A set of find parameters as a 16-bit mask: parameter i is bit i.
using TFindParams = uint16_t;

constexpr TFindParams FindParam(TFindParameters P) { return TFindParams(1u << P); }
template <typename... P>
constexpr TFindParams FindParams(P... Ps)
{
    return TFindParams((0u | ... | FindParam(Ps)));
}
constexpr bool HasFindParam(TFindParams Set, TFindParameters P) { return (Set & FindParam(P)) != 0; }

// The search text as compared: upper-cased unless fnMatchCase.
String FindSearchCache(StringView S, TFindParams Params);

// Whether a cell text matches SearchCache (as FindSearchCache gives it) under Params: two double
// quotes match an empty cell; fnMatchRegular evaluates a filter expression; otherwise the text
// must hold the search text (at its start with fnMatchStart, as all of it with fnMatchFull). An
// empty search text matches nothing.
bool FindTextMatches(StringView CellText, StringView SearchCache, TFindParams Params);

// The cells a run may test, before the restrictions: Current and Preset are (column, row).
TGridRect NarrowFindRange(TGridRect Range, TFindParams Params, TPoint Current, TPoint Preset);

// Walks Range in scan order (row by row with fnDirectionLeftRight, else column by column; from
// the end with fnBackward) and returns the first cell Test accepts, or (-1, -1). Start (-1, -1)
// begins at the first cell of the range (the last when backward) and tests it; any other start
// continues after it. The run ends when it leaves the range: it never wraps and tests each cell
// at most once. Skip, when given, leaves a cell untested (the row-by-row scan's ignored columns).
using TFindCellTest = std::function<bool(Integer ACol, Integer ARow)>;
TPoint FindInRange(const TGridRect& Range, TPoint Start, TFindParams Params, const TFindCellTest& Test,
                   const TFindCellTest& Skip = nullptr);

// The text of a cell after Replace: every occurrence of OrigStr, in any letter case, by NewStr.
String ReplaceInCellText(StringView Text, StringView OrigStr, StringView NewStr);

}  // namespace gw
