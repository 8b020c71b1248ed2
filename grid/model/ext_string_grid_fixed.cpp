// The string grid's fixed-cell test: fixed rows and columns at the start, fixed footers and fixed
// right columns at the end, and the grid's own rule with its event.
#include "grid/model/ext_string_grid.h"

namespace gw {

bool TExtStringGrid::IsFixed(Integer ACol, Integer ARow) const
{
    bool fixed = ARow >= RowCount() - FFixedFooters || ACol >= ColCount() - FFixedRightCols;
    // The rule and its event are the grid's per-cell hook, which reads nothing it changes.
    const_cast<TExtStringGrid*>(this)->IsFixedCell(ACol, ARow, fixed);
    return fixed;
}

}  // namespace gw
