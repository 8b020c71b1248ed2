// The footer panel's answers to the pointer: the column under it, and clicks passed on as the
// grid's.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/ui/application.h"
#include "platform/ui/message_records.h"

namespace gw {

Integer TFooterPanel::ColumnAt(Integer X) const
{
    const TExtStringGrid& grid = *FGrid;
    const Integer x = PlacedX(X);
    Integer right = 0;
    auto reaches = [&](Integer ACol) {
        right += grid.ColWidths(ACol);
        return right >= x;
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

void TFooterPanel::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomPanel::MouseMove(Shift, X, Y);
    const Integer col = ColumnAt(X);
    if (FGrid->FloatingFooter()->ShowHint() && FLastHintX >= 0 && col != FLastHintX) {
        Application->CancelHint();
        FLastHintX = col;
    }
}

void TFooterPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_HINTSHOW: HintShow(Message); return;
    case CM_MOUSELEAVE: PointerLeft(Message); return;
    default: TCustomPanel::Dispatch(Message); return;
    }
}

void TFooterPanel::HintShow(TMessage& Message)
{
    THintInfo& info = *TCMHintShow(Message).Info;
    const Integer col = ColumnAt(info.CursorPos.X);
    if (FGrid->OnGridHint && col >= 0) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, col, info.HintStr);
    const bool show = FGrid->FloatingFooter()->ShowHint();
    FLastHintX = show && col >= 0 ? col : -1;
    Message.Result = show ? 0 : 1;
}

void TFooterPanel::PointerLeft(TMessage& Message)
{
    TCustomPanel::Dispatch(Message);
    FLastHintX = -1;
}

}  // namespace gw
