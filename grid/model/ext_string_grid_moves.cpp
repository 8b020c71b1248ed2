// The string grid's programmatic moves of columns and rows, with the cell controls following
// them, and bringing a cell into view.
#include "grid/foundation/control_list.h"
#include "grid/foundation/int_list.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/row_block_move.h"

#include <algorithm>
#include <vector>

namespace gw {

void TExtStringGrid::RemapCellControls(const std::function<void(Integer& X, Integer& Y)>& Remap)
{
    if (m_controlList->Count() == 0) return;
    struct TPlaced {
        Integer X, Y;
        TControl* Control;
    };
    std::vector<TPlaced> placed;
    for (Integer i = 0; i < m_controlList->Count(); ++i) {
        const TControlItem* item = m_controlList->GetControl(i);
        placed.push_back({item->X(), item->Y(), item->Control()});
    }
    m_controlList->Clear();
    for (TPlaced& p : placed) {
        Remap(p.X, p.Y);
        m_controlList->AddControl(p.X, p.Y, p.Control);
    }
    CellControlsUpdate(false);
}

void TExtStringGrid::MoveColumn(Integer FromIndex, Integer ToIndex)
{
    if (m_columnOrder->Count() == 0) SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    RemapCellControls([&](Integer& X, Integer&) { X = MovedIndex(X, FromIndex, ToIndex); });
}

void TExtStringGrid::MoveRow(Integer FromIndex, Integer ToIndex)
{
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    RemapCellControls([&](Integer&, Integer& Y) { Y = MovedIndex(Y, FromIndex, ToIndex); });
}

void TExtStringGrid::MoveRows(Integer FromIndex, Integer ToIndex, Integer Count)
{
    if (FromIndex == ToIndex || Count <= 0) return;
    // The rows' texts and properties, every real column; the properties stay in their slots
    // until the rows are out (removing them frees nothing) and are put back once.
    struct TCellCopy {
        String Text;
        TCellProperties* Props;
    };
    std::vector<std::vector<TCellCopy>> rows;
    for (Integer r = FromIndex; r < FromIndex + Count; ++r) {
        std::vector<TCellCopy>& row = rows.emplace_back();
        for (Integer c = 0; c < TotalColCount(); ++c) row.push_back({GetGridCell(c, r), GetGridObject(c, r)});
    }
    const Integer target = MovedRowsTarget(FromIndex, ToIndex, Count);
    RemoveRowsEx(FromIndex, Count);
    InsertRows(target, Count, true);
    for (Integer i = 0; i < Count; ++i) {
        for (Integer c = 0; c < TotalColCount(); ++c) {
            const TCellCopy& cell = rows[static_cast<size_t>(i)][static_cast<size_t>(c)];
            SetGridCell(c, target + i, cell.Text);
            SetGridObject(c, target + i, cell.Props);
        }
    }
}

void TExtStringGrid::ScrollInView(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    Integer left = LeftCol();
    Integer top = TopRow();
    if (ACol < LeftCol() || ACol >= LeftCol() + VisibleColCount()) {
        SetCol(ACol);
        left = std::max(ACol - VisibleColCount() / 2, FixedCols());
    }
    if (ARow < TopRow() || ARow >= TopRow() + VisibleRowCount()) {
        SetRowEx(ARow);
        top = std::max(ARow - VisibleRowCount() / 2, FixedRows());
    }
    left = std::min(left, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(std::clamp(left, FixedCols(), ColCount() - 1));
    top = std::min(top, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() >= RowCount()) return;
    SetTopRowEx(top);
    ScrollAboveSearchPanel(ARow);
}

}  // namespace gw
