// TExtRichEdit: selection offsets, keys handed to the grid, focus loss and the row grown while
// typing.
#include "grid/interaction/ext_rich_edit.h"

#include "grid/interaction/cell_editor_owner.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/size_while_typing.h"
#include "platform/controls/edit_messages.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

namespace gw {

using Access = TSpecialEditorAccess;

TExtRichEdit::TExtRichEdit(TComponent* AOwner) : TRichEdit(AOwner), FGrid(OwningGrid(AOwner, u"TExtRichEdit")) {}

void TExtRichEdit::ReCreate()
{
    if (HandleAllocated()) RecreateWnd();
}

void TExtRichEdit::SetSelOffset(Integer Offset)
{
    TCharFormatW format;
    format.dwMask = CFM_OFFSET;
    format.yOffset = Offset;
    Perform(EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

Integer TExtRichEdit::SelOffset()
{
    TCharFormatW format;
    format.dwMask = CFM_OFFSET;
    Perform(EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    return format.yOffset;
}

LRESULT TExtRichEdit::DialogCode() const { return TRichEdit::DialogCode() | DLGC_WANTTAB; }

void TExtRichEdit::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_KILLFOCUS: KillFocus(M); return;
    case CN_NOTIFY:
        if (TWMNotify(M).Code() == EN_REQUESTRESIZE) {
            if (!ResizeRequested(TWMNotify(M).Record<TReqResize>().rc)) return;
        }
        TRichEdit::Dispatch(M);
        return;
    default: TRichEdit::Dispatch(M); return;
    }
}

void TExtRichEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TRichEdit::KeyDown(Key, Shift);
    if (!FGrid) return;
    if (Key == VK_ESCAPE && this == Access::InplaceRichEdit(*FGrid)) {
        // Escape ends the edit without storing, as in every other editor of the grid.
        MarkEscaped();
        Key = 0;
        FGrid->HideInplaceEdit();
        return;
    }
    if (Key == VK_TAB && (FGrid->Options() & goTabs)) {
        Access::FocusGrid(*FGrid);
        Access::GridKeyDown(*FGrid, Key, Shift);
        FGrid->ShowInplaceEdit();
        Key = 0;
        return;
    }
    if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells) {
        Access::FocusGrid(*FGrid);
        Access::GridKeyDown(*FGrid, Key, Shift);
        Key = 0;
    }
}

void TExtRichEdit::KillFocus(TMessage& M)
{
    if (FGrid && HWND(M.WParam) != 0 && HWND(M.WParam) == FGrid->HandleIfAllocated()) FGrid->HideInplaceEdit();
    TRichEdit::Dispatch(M);
}

bool TExtRichEdit::ResizeRequested(const TRect& Requested)
{
    if (!FGrid || (FGrid->ComponentState() & csDesigning)) return true;
    if (this == Access::HiddenRichEdit(*FGrid) && HandleAllocated()) {
        FReqWidth = Requested.Right - Requested.Left;
        FReqHeight = Requested.Bottom - Requested.Top;
    }
    TExtRichEdit* inplace = Access::InplaceRichEdit(*FGrid);
    if (!inplace || !inplace->HandleAllocated()) return false;
    if (this != inplace || !FGrid->SizeWhileTyping()->Height || FLocked) return true;
    const Integer h = Requested.Bottom - Requested.Top;
    const Integer row = FGrid->Row();
    const TRect cell = FGrid->CellRect(FGrid->Col(), row);
    // The row grows with the content while it stays inside the grid; it never shrinks here.
    if (FGrid->RowHeights(row) >= h + 5 || cell.Top + h + 5 > FGrid->Height()) return true;
    SetHeight(h + 9);
    FGrid->SetRowHeights(row, h + 10);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, FGrid->GetRowEx());
    return true;
}

}  // namespace gw
