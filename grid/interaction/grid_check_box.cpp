// TGridCheckBox: the string grid's check-box cell editor.
#include "grid/interaction/grid_check_box.h"

#include "grid/foundation/navigation.h"
#include "grid/interaction/cell_editor_owner.h"
#include "grid/model/ext_string_grid.h"

namespace gw {

namespace {

bool EndsEdit(Word Key)
{
    switch (Key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: return true;
    default: return false;
    }
}

}  // namespace

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), m_grid(OwningGrid(AOwner, u"TGridCheckBox")) {}

void TGridCheckBox::ReCreate()
{
    if (HandleAllocated()) RecreateWnd();
}

void TGridCheckBox::Dispatch(TMessage& M)
{
    if (M.Msg == CM_WANTSPECIALKEY && EndsEdit(Word(M.WParam))) {
        M.Result = 1;
        return;
    }
    if (M.Msg == WM_LBUTTONDOWN) ToggleNow();
    TCheckBox::Dispatch(M);
}

void TGridCheckBox::ToggleNow()
{
    TCheckBox::Toggle();
    m_toggled = true;
}

void TGridCheckBox::Toggle()
{
    if (m_toggled) {
        m_toggled = false;
        return;
    }
    TCheckBox::Toggle();
}

void TGridCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && Shift == 0) ToggleNow();
    if (EndsEdit(Key)) {
        EndByKey(Key, Shift);
        if (Key == VK_UP || Key == VK_DOWN) Grid().KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    TCheckBox::KeyDown(Key, Shift);
}

void TGridCheckBox::EndByKey(Word Key, TShiftState /*Shift*/)
{
    TExtStringGrid& grid = Grid();
    if (Key == VK_ESCAPE) SetCaption(grid.GetCurrentCell());
    grid.HideInplaceEdit();
    if (grid.CanFocus()) grid.SetFocus();
    if (Key == VK_RETURN && grid.Navigation()->AdvanceOnEnter)
        grid.AdvanceToNextCell(grid.Col(), grid.GetRowEx(), false, true, true, false, true);
}

void TGridCheckBox::DoExit()
{
    Grid().HideInplaceEdit();
    TCheckBox::DoExit();
}

}  // namespace gw
