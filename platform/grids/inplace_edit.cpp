// TInplaceEdit: the grid's editor - its contents, its place, and the keys it gives the grid.
#include "platform/grids/inplace_edit.h"

#include "platform/grids/custom_grid.h"

namespace gw {

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TCustomMaskEdit(AGrid), m_grid(AGrid)
{
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
}

void TInplaceEdit::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    // Several lines, so that the edit keeps Enter and Escape from the form's dialog keys.
    Params.Style |= ES_MULTILINE;
}

LRESULT TInplaceEdit::DialogCode() const
{
    LRESULT code = TCustomMaskEdit::DialogCode();
    if (m_grid->Options() & goTabs) code |= DLGC_WANTTAB;
    return code;
}

void TInplaceEdit::UpdateContents()
{
    const Integer col = m_grid->Col(), row = m_grid->Row();
    SetEditMask(m_grid->GetEditMask(col, row));
    SetMaxLength(m_grid->GetEditLimit());
    SetReadOnly(!m_grid->CanEditModify());
    SetText(m_grid->GetEditText(col, row));
    SetModified(false);
    SelectAll();
}

void TInplaceEdit::Move(const TRect& Loc)
{
    SetBounds(Loc.Left, Loc.Top, Loc.Width(), Loc.Height());
    BoundsChanged();
    Show();
}

void TInplaceEdit::Deselect()
{
    const WPARAM end = EditText().size();
    Perform(EM_SETSEL, end, LPARAM(end));
}

bool TInplaceEdit::CaretAtStart() const { return SelLength() == 0 && SelStart() == 0; }

bool TInplaceEdit::CaretAtEnd() const { return SelLength() == 0 && SelStart() == Integer(EditText().size()); }

void TInplaceEdit::SendToGrid(Word& Key, TShiftState Shift)
{
    m_grid->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    const bool ctrl = (Shift & ssCtrl) != 0;
    // Sideways keys leave the cell only in a grid whose editor always shows.
    const bool walks = (m_grid->Options() & goAlwaysShowEditor) != 0;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
    case VK_F2: SendToGrid(Key, Shift); return;
    case VK_TAB:
        if (!(Shift & ssAlt)) SendToGrid(Key, Shift);
        return;
    case VK_LEFT:
    case VK_HOME:
        if (walks && (ctrl || CaretAtStart())) {
            SendToGrid(Key, Shift);
            return;
        }
        break;
    case VK_RIGHT:
    case VK_END:
        if (walks && (ctrl || CaretAtEnd())) {
            SendToGrid(Key, Shift);
            return;
        }
        break;
    default: break;
    }
    // The keys the text keeps are the grid's keys too.
    if (m_grid->OnKeyDown) m_grid->OnKeyDown(m_grid, Key, Shift);
    if (Key != 0) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(Char& Key)
{
    m_grid->KeyPress(Key);
    // Tab and Escape did their work as keys; Enter was the grid's.
    if (Key == VK_TAB || Key == VK_ESCAPE || Key == VK_RETURN) Key = 0;
    if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

}  // namespace gw
