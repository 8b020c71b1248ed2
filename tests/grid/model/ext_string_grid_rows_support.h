// A string grid for the row and column tests: its side structures open to the test, and rows and
// columns hidden the way the hiding does it (cells and height into the hidden-row item, the column
// out of the display), so the shape operations can be tested before the hiding room lands.
#pragma once

#include "grid/foundation/int_list.h"
#include "grid/model/ext_string_grid.h"

#include <memory>
#include <vector>

namespace gw::test {

// The entries of an integer list, for comparing with a vector.
inline std::vector<Integer> Entries(const TIntList& L)
{
    std::vector<Integer> v;
    for (Integer i = 0; i < L.Count(); ++i) v.push_back(L.GetInteger(i));
    return v;
}

class TRowsGrid : public TExtStringGrid {
public:
    using TExtStringGrid::DeleteRowRange;
    using TExtStringGrid::FColumnVisibility;
    using TExtStringGrid::FGroupColumn;
    using TExtStringGrid::FHiddenRows;
    using TExtStringGrid::FMaxRowCount;
    using TExtStringGrid::FUseEnabledRows;
    using TExtStringGrid::GetCurrentCell;
    using TExtStringGrid::GetCurrentCellText;
    using TExtStringGrid::InsertRowRange;
    using TExtStringGrid::RemoveRowRange;
    using TExtStringGrid::SetCurrentCell;
    using TExtStringGrid::SetCurrentCellEditText;
    using TExtStringGrid::TExtStringGrid;

    void HideRowForTest(Integer Row)
    {
        const RealRow real(RealRowIndex(Row));
        TGridItem* item = FHiddenRows.HideRows(real, real).at(0).Item;
        item->Height = RowHeights(Row);
        for (Integer c = 0; c < TotalColCount(); ++c) {
            item->Items.SetStrings(c, GetGridCell(c, Row));
            item->Items.SetObjects(c, std::unique_ptr<TCellProperties>(GetGridObject(c, Row)));
            SetGridObject(c, Row, nullptr);
        }
        RemoveRowRange(Row, 1, false);
    }

    void HideColumnForTest(Integer Col)
    {
        FColumnVisibility.Hide(RealCol(RealColIndex(Col)), ColWidths(Col));
        for (Integer c = Col; c + 1 < ColCount(); ++c) SetColWidths(c, ColWidths(c + 1));
        SetColCount(ColCount() - 1);
    }
};

}  // namespace gw::test
