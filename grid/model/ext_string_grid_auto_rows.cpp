// The rows the keyboard inserts and deletes: a normal or child row where outline nodes exist,
// and the last normal row cleared rather than removed.
#include "grid/model/ext_string_grid.h"

namespace gw {

void TExtStringGrid::AutoInsertRow(Integer ARow)
{
    if (!HasNodes()) {
        InsertRows(ARow, 1, true);
        return;
    }
    if (GetParentRow(DisplRowIndex(ARow)) == -1)
        InsertNormalRow(ARow);
    else
        InsertChildRow(ARow, 0);
}

void TExtStringGrid::AutoDeleteRow(Integer ARow)
{
    if (HasNodes()) {
        if (GetParentRow(ARow) == -1)
            RemoveNormalRow(ARow);
        else
            RemoveChildRow(ARow);
    } else if (RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways) {
        // The last normal row stays: a grid keeps at least one row to type into.
        ClearRows(ARow, 1);
    } else {
        DeleteRowRange(ARow, 1);
    }
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

}  // namespace gw
