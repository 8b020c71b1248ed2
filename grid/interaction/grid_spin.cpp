// TGridSpin: the string grid's spin cell editor - keys, commit, limits and spin events.
#include "grid/interaction/grid_spin.h"

#include "grid/foundation/navigation.h"
#include "grid/interaction/cell_editor_owner.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/scope.h"
#include "platform/ui/window_system.h"

namespace gw {

TGridSpin::TGridSpin(TComponent* AOwner) : TEsgSpinEdit(AOwner), m_grid(OwningGrid(AOwner, u"TGridSpin"))
{
    MaxValue = 100;
    MinValue = 0;
    Increment = 1;
}

void TGridSpin::ReCreate()
{
    if (HandleAllocated()) RecreateWnd();
}

void TGridSpin::Dispatch(TMessage& M)
{
    if (M.Msg == CM_WANTSPECIALKEY) {
        const Word key = Word(M.WParam);
        M.Result = key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && (Grid().Options() & goTabs));
        if (M.Result) return;
    }
    TEsgSpinEdit::Dispatch(M);
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_HOME || Key == VK_END) ToLimit(Key == VK_HOME);
    if (Key == VK_ESCAPE) Restore();
    const bool ends = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    if ((Key == VK_TAB || Key == VK_RETURN) && !Commit(Key)) return;
    TExtStringGrid& grid = Grid();
    if (Key == VK_TAB && (grid.Options() & goTabs)) {
        grid.HideInplaceEdit();
        // The grid's Tab walk (backwards with Shift held down now), over read-only and merged cells.
        TSpecialEditorAccess::TabToNextCell(grid, KeyboardStateToShiftState());
        Key = 0;
        return;
    }
    if (ends) {
        {
            // Escape leaves the cell as it was when the edit began.
            const TTemporaryChange cancelled(grid.FEditCancelled, Key == VK_ESCAPE);
            grid.DoneInplaceEdit(Key, Shift);
        }
        if (grid.Navigation()->AdvanceOnEnter && grid.Navigation()->AdvanceAutoEdit) grid.ShowInplaceEdit();
        Key = 0;
    }
    TEsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::ToLimit(bool Maximum)
{
    if (SpinType() == sptNormal) SetValue(Maximum ? MaxValue : MinValue);
    if (SpinType() == sptFloat) SetFloatValue(Maximum ? MaxFloatValue : MinFloatValue);
    TExtStringGrid& grid = Grid();
    if (grid.OnSpinClick) grid.OnSpinClick(&grid, grid.Col(), grid.GetRowEx(), Value(), Maximum);
}

void TGridSpin::Restore()
{
    SetText(Grid().OriginalCellValue());
    if (SpinType() == sptNormal) SetValue(Value());
    if (SpinType() == sptFloat) SetFloatValue(FloatValue());
}

bool TGridSpin::Commit(Word& Key)
{
    TExtStringGrid& grid = Grid();
    const String text = Text();
    {
        const TTemporaryChange writing(grid.FValidating, true);
        grid.SetCurrentCell(text);
    }
    if (!grid.ValidateCell(text)) {
        SetText(grid.GetCurrentCell());
        SetSelStart(Integer(Text().size()));
        Invalidate();
        if (Key == VK_RETURN) grid.FNoAutoAdvance = true;
        Key = 0;
        return false;
    }
    SetText(grid.GetCurrentCell());
    return true;
}

void TGridSpin::KeyPress(Char& Key)
{
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::DoExit()
{
    Grid().HideInplaceEdit();
    TEsgSpinEdit::DoExit();
}

void TGridSpin::Change()
{
    TEsgSpinEdit::Change();
    TExtStringGrid& grid = Grid();
    if (grid.OnEditChange) grid.OnEditChange(&grid, grid.Col(), grid.GetRowEx(), Text());
}

void TGridSpin::UpClick(TObject* Sender)
{
    TEsgSpinEdit::UpClick(Sender);
    ReportClick(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TEsgSpinEdit::DownClick(Sender);
    ReportClick(false);
}

void TGridSpin::ReportClick(bool Up)
{
    TExtStringGrid& grid = Grid();
    const Integer col = grid.Col(), row = grid.GetRowEx();
    switch (SpinType()) {
    case sptNormal:
        if (grid.OnSpinClick) grid.OnSpinClick(&grid, col, row, Value(), Up);
        break;
    case sptFloat:
        if (grid.OnFloatSpinClick) grid.OnFloatSpinClick(&grid, col, row, FloatValue(), Up);
        break;
    case sptDate:
        if (grid.OnDateSpinClick) grid.OnDateSpinClick(&grid, col, row, DateValue(), Up);
        break;
    case sptTime:
        if (grid.OnTimeSpinClick) grid.OnTimeSpinClick(&grid, col, row, TimeValue(), Up);
        break;
    }
}

}  // namespace gw
