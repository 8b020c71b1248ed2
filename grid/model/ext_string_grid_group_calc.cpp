// The string grid's group calculations: one value per expanded group, written into its header row
// or, with summary rows, into the summary row that follows the group.
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"

#include <algorithm>

namespace gw {

void TExtStringGrid::GroupCalc(Integer ACol, Integer Method)
{
    for (Integer r = FixedRows(); r < RowCount();) {
        const TCellGraphic* node = NodeGraphic(r);
        if (!node || node->CellBoolean) {
            ++r;
            continue;
        }
        const Integer span = node->CellIndex;
        const Integer target = m_grouping->Summary ? r + span : r;
        const Integer from = r + 1;
        const Integer to = r + span - 1;
        switch (Method) {
        case 1: SetFloats(ACol, target, ColumnSum(ACol, from, to)); break;
        case 2: SetFloats(ACol, target, ColumnAvg(ACol, from, to)); break;
        case 3: SetFloats(ACol, target, ColumnMin(ACol, from, to)); break;
        case 4: SetFloats(ACol, target, ColumnMax(ACol, from, to)); break;
        case 5: SetInts(ACol, target, span - 1); break;
        case 6: {
            double result = 0;
            if (OnGroupCalc) OnGroupCalc(this, ACol, from, to, result);
            SetFloats(ACol, target, result);
            break;
        }
        case 7: SetFloats(ACol, target, ColumnDistinct(ACol, from, to)); break;
        case 8: SetFloats(ACol, target, ColumnStdDev(ACol, from, to)); break;
        default: break;
        }
        // A span-0 node has no counted block to step over.
        r += std::max(span, 1);
    }
}

}  // namespace gw
