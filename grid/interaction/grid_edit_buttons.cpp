// TGridEditBtn and TGridUnitEditBtn: the button editors' keys, characters, paste and button.
#include "grid/interaction/grid_edit_buttons.h"

#include "grid/foundation/navigation.h"
#include "grid/interaction/edit_text_rules.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/message_beep.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

using Access = TSpecialEditorAccess;

bool IsKeyHeld(Integer VirtKey) { return GetKeyState(VirtKey) < 0; }

// The button types filter as the text editor's numeric and float types.
TEditorType FilterType(TEditorType Type)
{
    switch (Type) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return edFloat;
    default: return edNormal;
    }
}

void RecreateIfMade(TWinControl& Control)
{
    if (Control.HandleAllocated()) Control.RecreateWnd();
}

}  // namespace

bool EditButtonTakesChar(TExtStringGrid& Grid, TCustomMaskEdit& Edit, Char& Ch, bool DropTab)
{
    if (Ch == VK_RETURN || (DropTab && Ch == VK_TAB)) return false;
    TCharFilterInput in;
    in.Type = FilterType(Access::EditorType(Grid));
    in.Text = Edit.EditText();
    in.SelStart = Edit.SelStart();
    in.SelLength = Edit.SelLength();
    in.Ch = Ch;
    in.Ctrl = IsKeyHeld(VK_CONTROL);
    in.DecimalSeparator = FormatSettings.DecimalSeparator;
    in.ThousandSeparator = FormatSettings.ThousandSeparator;
    const TCharFilterResult verdict = FilterEditChar(in);
    if (verdict.Verdict == TCharVerdict::Refuse) MessageBeep(0);
    return verdict.Verdict == TCharVerdict::Pass;
}

// --- TGridEditBtn ------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    OnClickBtn = [this](TObject*) { ButtonClicked(); };
}

void TGridEditBtn::ReCreate() { RecreateIfMade(*this); }

void TGridEditBtn::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_WANTSPECIALKEY: {
        const Word key = TWMKey(M).Key;
        M.Result = key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && Access::EditorWantsTab(*FGrid));
        if (!M.Result) TEsgEditBtn::Dispatch(M);
        return;
    }
    case WM_CHAR: WMChar(M); return;
    case WM_PASTE: WMPaste(M); return;
    case WM_LBUTTONDBLCLK:
        TEsgEditBtn::Dispatch(M);
        if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->GetRowEx(), FGrid->Col());
        return;
    default: TEsgEditBtn::Dispatch(M); return;
    }
}

void TGridEditBtn::WMChar(TMessage& M)
{
    Char c = TWMChar(M).CharCode;
    if (EditButtonTakesChar(*FGrid, *this, c, true)) TEsgEditBtn::Dispatch(M);
}

// A paste is not filtered: the grid's clipboard events may refuse or change it, and a single
// line break at its end (a copied line's) is dropped.
void TGridEditBtn::WMPaste(TMessage& /*M*/)
{
    TClipboard& clip = *Clipboard();
    bool allow = clip.HasFormat(CF_TEXT) || clip.HasFormat(CF_UNICODETEXT);
    if (!allow) return;
    String value = clip.AsText();
    if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
    if (allow && FGrid->OnClipboardBeforePasteCell)
        FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->GetRowEx(), value, allow);
    if (!allow) return;
    TPasteInput in;
    in.Type = edNormal;
    in.Text = EditText();
    in.SelStart = SelStart();
    in.SelLength = SelLength();
    in.Pasted = value;
    const TPasteResult merged = MergePaste(in);
    SetEditTextRaw(merged.Text);
    Access::SetCurrentCellEditText(*FGrid, EditText());
    Perform(EM_SETSEL, WPARAM(merged.SelStart), LPARAM(merged.SelStart + merged.SelLength));
}

void TGridEditBtn::ButtonClicked()
{
    String text = Text();
    Access::DoEllipsClick(*FGrid, text);
    SetText(text);
    SelectAll();
    Invalidate();
    if (!StopEditAfterClick) return;
    FGrid->HideInplaceEdit();
    Access::FocusGrid(*FGrid);
}

void TGridEditBtn::DoExit()
{
    FGrid->HideInplaceEdit();
    TEsgEditBtn::DoExit();
}

void TGridEditBtn::Change()
{
    TEsgEditBtn::Change();
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->GetRowEx(), Text());
}

void TGridEditBtn::KeyPress(Char& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key == VK_TAB) return;
    TEsgEditBtn::KeyPress(Key);
}

bool TGridEditBtn::CommitForKey(Word& Key)
{
    const TEditorType before = Access::EditorType(*FGrid);
    const bool accepted = Access::Commit(*FGrid, Text());
    SetText(Access::ValidatedText(*FGrid));
    if (accepted) return true;
    SelectAll();
    Invalidate();
    Key = 0;
    Access::SetEditorType(*FGrid, before);
    return false;
}

// Tab with the grid wanting it: true when the key is dealt with.
bool TGridEditBtn::TabOn(Word& Key, TShiftState Shift)
{
    if (!Access::Commit(*FGrid, Text())) {
        SetText(Access::ValidatedText(*FGrid));
        SetSelStart(Integer(EditText().size()));
        Invalidate();
        Key = 0;
        return true;
    }
    if (FGrid->Options() & goTabs) {
        FGrid->HideInplaceEdit();
        Access::TabToNextCell(*FGrid, Shift);
    } else {
        PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    return true;
}

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    const bool acted = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
        Key == VK_UP || Key == VK_DOWN;
    if (!acted && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if ((Shift & ssCtrl) || !acted) {
        TEsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if ((Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) && !CommitForKey(Key)) return;
    if (Key == VK_TAB && Access::EditorWantsTab(*FGrid) && TabOn(Key, Shift)) return;
    if (Key == VK_ESCAPE) SetText(FGrid->OriginalCellValue());
    const Word key = Key;
    Key = 0;
    FGrid->DoneInplaceEdit(key, Shift);
}

void TGridEditBtn::KeyUp(Word& Key, TShiftState Shift)
{
    if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
    const bool plain = !(Shift & (ssShift | ssCtrl | ssAlt));
    if (FGrid->Navigation()->CursorWalkEditor && plain && SelLength() == 0) {
        const bool atEnd = SelStart() == Integer(EditText().size());
        if ((Key == VK_RIGHT && atEnd) || (Key == VK_LEFT && FSelKeyDown == 0)) {
            Word walk = Key;
            Key = 0;
            FGrid->DoneInplaceEdit(walk, Shift);
            return;
        }
    }
    if (Key == VK_RETURN) return;
    TEsgEditBtn::KeyUp(Key, Shift);
    CompleteFromLookup();
}

void TGridEditBtn::CompleteFromLookup()
{
    if (!WorkMode || SelLength() != 0 || !FGrid->Lookup || FGrid->LookupItems()->Count() == 0) return;
    std::vector<String> items;
    for (Integer i = 0; i < FGrid->LookupItems()->Count(); ++i) items.push_back(FGrid->LookupItems()->Strings(i));
    String completed;
    Integer from = 0;
    if (!LookupComplete(EditText(), SelStart(), items, FGrid->LookupCaseSensitive, completed, from)) return;
    SetEditTextRaw(completed);
    Perform(EM_SETSEL, WPARAM(from), LPARAM(completed.size()));
}

// --- TGridUnitEditBtn --------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner)
    : TEsgUnitEditBtn(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    OnClickBtn = [this](TObject*) { ButtonClicked(); };
}

void TGridUnitEditBtn::ReCreate() { RecreateIfMade(*this); }

void TGridUnitEditBtn::LoadValue(const String& Value)
{
    SetUnitID(u"");
    SetText(u"");
    SetTextAndUnit(Value);
    if (TextAndUnit() == Value) return;
    // No unit ends the value: it is all text (setting it through TextAndUnit changed nothing).
    SetText(Value);
}

void TGridUnitEditBtn::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_WANTSPECIALKEY: {
        const Word key = TWMKey(M).Key;
        M.Result = key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && (FGrid->Options() & goTabs));
        if (!M.Result) TEsgUnitEditBtn::Dispatch(M);
        return;
    }
    case WM_CHAR: {
        Char c = TWMChar(M).CharCode;
        if (EditButtonTakesChar(*FGrid, *this, c, false)) TEsgUnitEditBtn::Dispatch(M);
        return;
    }
    default: TEsgUnitEditBtn::Dispatch(M); return;
    }
}

void TGridUnitEditBtn::ButtonClicked()
{
    String text = Text();
    Access::DoEllipsClick(*FGrid, text);
    SetText(text);
    SelectAll();
    Invalidate();
}

void TGridUnitEditBtn::DoExit()
{
    FGrid->HideInplaceEdit();
    TEsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    const bool acted = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
        Key == VK_UP || Key == VK_DOWN;
    if (!acted) {
        TEsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!Access::Commit(*FGrid, TextAndUnit())) {
            SetText(Access::CurrentCell(*FGrid));
            return;
        }
        LoadValue(Access::CurrentCell(*FGrid));
    }
    if (Key == VK_RETURN && FGrid->Navigation()->AdvanceOnEnter) {
        FGrid->HideInplaceEdit();
        Access::FocusGrid(*FGrid);
        Key = 0;
        FGrid->AdvanceToNextCell(FGrid->Col(), FGrid->GetRowEx(), false, true, true, false, true);
        return;
    }
    if (Key == VK_TAB && (FGrid->Options() & goTabs)) {
        FGrid->HideInplaceEdit();
        Access::TabToNextCell(*FGrid, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        // The edit ends without storing: the cell keeps the value it had when the edit began.
        MarkEscaped();
        SetUnitID(u"");
        SetText(FGrid->OriginalCellValue());
    }
    const Word key = Key;
    Key = 0;
    FGrid->DoneInplaceEdit(key, Shift);
}

}  // namespace gw
