// TGridButton: the cell button's release, Space, arrows and Esc.
#include "grid/interaction/grid_button.h"

#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

using Access = TSpecialEditorAccess;

bool IsArrow(Word Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner)) {}

void TGridButton::CreateParams(TCreateParams& Params) { TButton::CreateParams(Params); }

void TGridButton::ReCreate()
{
    if (HandleAllocated()) RecreateWnd();
}

void TGridButton::Dispatch(TMessage& M)
{
    if (M.Msg == CM_WANTSPECIALKEY) {
        const Word key = TWMKey(M).Key;
        M.Result = key == VK_ESCAPE || IsArrow(key);
        if (!M.Result) TButton::Dispatch(M);
        return;
    }
    TButton::Dispatch(M);
}

void TGridButton::DoExit()
{
    FGrid->HideInplaceEdit();
    TButton::DoExit();
}

void TGridButton::ExchangeCaption()
{
    String caption = Caption();
    Access::DoEllipsClick(*FGrid, caption);
    SetCaption(caption);
    FGrid->SetCellEx(FGrid->RealColIndex(FGrid->Col()), FGrid->GetRowEx(), caption);
}

void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && FGrid && Parent() == FGrid) ExchangeCaption();
    TButton::MouseUp(Button, Shift, X, Y);
}

void TGridButton::KeyUp(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        ExchangeCaption();
        if (CanFocus()) SetFocus();
        Invalidate();
    }
    TButton::KeyUp(Key, Shift);
}

void TGridButton::LeaveToGrid()
{
    SetVisible(false);
    SetEnabled(false);
    Access::ClearEditMode(*FGrid);
    Access::FocusGrid(*FGrid);
}

void TGridButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (IsArrow(Key)) {
        const Word key = Key;
        Key = 0;
        const HWND grid = FGrid->Handle();
        SendMessage(grid, WM_KEYDOWN, key, 0);
        LeaveToGrid();
        SendMessage(grid, WM_KEYUP, key, 0);
        return;
    }
    if (Key == VK_ESCAPE) {
        Key = 0;
        // The cache is written back before the button hides: the focus then moving to the grid
        // notes the cell as it is, which would be the exchanged caption.
        Access::RestoreCellCache(*FGrid);
        LeaveToGrid();
        SendMessage(FGrid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    TButton::KeyDown(Key, Shift);
}

}  // namespace gw
