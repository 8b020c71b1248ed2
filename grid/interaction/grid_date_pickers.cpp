// TGridDatePicker and TGridDateTimePicker: the date editors' keys, digits and frame.
#include "grid/interaction/grid_date_pickers.h"

#include "grid/foundation/navigation.h"
#include "grid/interaction/cell_editor_owner.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/edit_messages.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/datetime.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

using Access = TSpecialEditorAccess;

bool ClaimedKey(TExtStringGrid& Grid, Word Key)
{
    return Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && Access::EditorWantsTab(Grid));
}

}  // namespace

// --- TGridDatePicker ---------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* AOwner)
    : TEsgDateTimePicker(AOwner), FGrid(OwningGrid(AOwner, u"TGridDatePicker"))
{
}

void TGridDatePicker::ReCreate()
{
    if (HandleAllocated()) RecreateWnd();
}

void TGridDatePicker::Dispatch(TMessage& M)
{
    // The shift message is registered at run time: no case label can name it.
    if (M.Msg == DTPShiftFocusMessage()) {
        TEsgDateTimePicker::Dispatch(M);
        AdvancePart();
        return;
    }
    switch (M.Msg) {
    case CM_WANTSPECIALKEY:
        M.Result = ClaimedKey(*FGrid, TWMKey(M).Key);
        if (!M.Result) TEsgDateTimePicker::Dispatch(M);
        return;
    case WM_CHAR: WMChar(M); return;
    case CN_NOTIFY: {
        const UINT code = TWMNotify(M).Code();
        if (code == DTN_DROPDOWN) FOldDropped = true;
        if (code == DTN_CLOSEUP) FOldDropped = false;
        TEsgDateTimePicker::Dispatch(M);
        return;
    }
    default: TEsgDateTimePicker::Dispatch(M); return;
    }
}

void TGridDatePicker::WMChar(TMessage& M)
{
    Char c = TWMChar(M).CharCode;
    if (c >= u'0' && c <= u'9') {
        FParts = PickerPartsOf(DateTime());
        FField = CurrentField();
        TEsgDateTimePicker::Dispatch(M);
        if (HandleAllocated()) PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
    } else {
        TEsgDateTimePicker::Dispatch(M);
    }
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, c);
}

void TGridDatePicker::AdvancePart()
{
    if (!PickerPartAdvances(Kind() == dtkTime, Format(), FParts, PickerPartsOf(DateTime()))) return;
    // The picker moves on by itself once a part is full: then the step is made already.
    if (HandleAllocated() && CurrentField() == FField) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::DoExit()
{
    FGrid->HideInplaceEdit();
    TEsgDateTimePicker::DoExit();
}

void TGridDatePicker::PaintWindow(TCanvas& Canvas)
{
    TEsgDateTimePicker::PaintWindow(Canvas);
    // The cell's own grid lines frame the editor: the picker's outer edge is hidden in the
    // window colour.
    Canvas.Brush()->SetColor(clWindow);
    Canvas.FrameRect(Rect(0, 0, Width(), Height()));
    Canvas.FrameRect(Rect(1, 1, Width() - 1, Height() - 1));
}

void TGridDatePicker::RestoreFromCell()
{
    const String text = Access::CurrentCell(*FGrid);
    TDateTime value = 0;
    const bool read = Kind() == dtkTime ? TryStrToTime(text, value) : TryStrToDate(text, value);
    try {
        SetDateTime(read ? value : Now());
    } catch (const EDateTimeError&) {
        SetDateTime(Now());
    }
}

// Enter and Tab: false when the validation refused the value (then shown, the key cleared).
bool TGridDatePicker::CommitOrShowRefusal(Word& Key)
{
    if (Access::Commit(*FGrid, DisplayText())) return true;
    TDateTime value = 0;
    const String shown = Access::ValidatedText(*FGrid);
    if (Kind() == dtkTime ? TryStrToTime(shown, value) : TryStrToDate(shown, value)) {
        try {
            SetDateTime(value);
        } catch (const EDateTimeError&) {
        }
    }
    Invalidate();
    Key = 0;
    return false;
}

void TGridDatePicker::KeyDown(Word& Key, TShiftState Shift)
{
    const bool acted =
        Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END;
    if (!acted) {
        TEsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        MarkEscaped();
        RestoreFromCell();
    }
    if (Key == VK_RETURN) {
        // Completes the part being typed.
        Perform(WM_KEYDOWN, VK_RIGHT, 0);
        Perform(WM_KEYUP, VK_RIGHT, 0);
        if (!CommitOrShowRefusal(Key)) {
            Access::SetNoAutoAdvance(*FGrid);
            return;
        }
        RestoreFromCell();
    }
    if (Key == VK_TAB && Access::EditorWantsTab(*FGrid)) {
        if (!CommitOrShowRefusal(Key)) return;
        Key = 0;
        if (FGrid->Options() & goTabs) {
            FGrid->HideInplaceEdit();
            Access::TabToNextCell(*FGrid, Shift);
        } else {
            PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
        }
        return;
    }
    if (DroppedDown()) return;
    const Word key = Key;
    Key = 0;
    FGrid->DoneInplaceEdit(key, Shift);
}

// --- TGridDateTimePicker -----------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExtDateTimePicker(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
}

void TGridDateTimePicker::ReCreate()
{
    if (HandleAllocated()) RecreateWnd();
}

void TGridDateTimePicker::Dispatch(TMessage& M)
{
    if (M.Msg == CM_WANTSPECIALKEY && ClaimedKey(*FGrid, TWMKey(M).Key)) {
        M.Result = 1;
        return;
    }
    TExtDateTimePicker::Dispatch(M);
}

void TGridDateTimePicker::DoExit()
{
    FGrid->HideInplaceEdit();
    TExtDateTimePicker::DoExit();
}

void TGridDateTimePicker::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE) {
        MarkEscaped();
        SetDateTime(Access::OriginalDateTime(*FGrid));
        FGrid->HideInplaceEdit();
        Access::FocusGrid(*FGrid);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN) {
        FGrid->HideInplaceEdit();
        Access::FocusGrid(*FGrid);
        Key = 0;
        if (FGrid->Navigation()->AdvanceOnEnter)
            FGrid->AdvanceToNextCell(FGrid->Col(), FGrid->GetRowEx(), false, true, true, false, true);
        return;
    }
    if (Key == VK_TAB && Access::EditorWantsTab(*FGrid)) {
        // The commit stored the value (empty when unchecked); the picker's text is not written
        // over it.
        FGrid->HideInplaceEdit();
        Key = 0;
        Access::TabToNextCell(*FGrid, Shift);
        return;
    }
    TExtDateTimePicker::KeyDown(Key, Shift);
}

}  // namespace gw
