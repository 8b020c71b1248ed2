// The footer panel's answers to the pointer: the column under it, and clicks passed on as the
// grid's.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"

namespace gw {

Integer TFooterPanel::ColumnAt(Integer X) const
{
    const TExtStringGrid& grid = *FGrid;
    Integer right = 0;
    auto reaches = [&](Integer ACol) {
        right += grid.ColWidths(ACol);
        return right >= X;
    };
    for (Integer c = 0; c < grid.FixedCols(); ++c)
        if (reaches(c)) return c;
    for (Integer c = grid.LeftCol(); c < grid.ColCount(); ++c)
        if (reaches(c)) return c;
    return -1;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}

}  // namespace gw
