// TExtInplaceEdit: the string grid's text editor - typing, validating keys, focus, clipboard.
#include "grid/interaction/ext_inplace_edit.h"

#include "grid/foundation/csv_utils.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/text_utils.h"
#include "grid/interaction/edit_text_rules.h"
#include "grid/model/column_size.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/size_while_typing.h"
#include "platform/controls/edit_messages.h"
#include "platform/controls/message_beep.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <vector>

namespace gw {

namespace {

bool IsKeyHeld(Integer VirtKey) { return GetKeyState(VirtKey) < 0; }

// The types whose Enter may insert a line break (LineFeedOnEnter).
bool TakesLineFeed(TEditorType Type)
{
    return Type == edNormal || Type == edCapital || Type == edMixedCase || Type == edLowerCase || Type == edUpperCase ||
        Type == edValidChars;
}

}  // namespace

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AGrid) : TInplaceEdit(AGrid), m_grid(AGrid) {}

void TExtInplaceEdit::CreateParams(TCreateParams& Params)
{
    TInplaceEdit::CreateParams(Params);
    m_wordWrap = m_grid->WordWrap();
    if (m_vAlign) Params.Style |= ES_RIGHT;
    if (m_grid->EditControl == edPassword) {
        Params.Style |= ES_PASSWORD;
        Params.Style &= ~Cardinal(ES_MULTILINE);
    }
    if (m_wordWrap) Params.Style &= ~Cardinal(ES_AUTOHSCROLL);
    Params.Style |= ES_WANTRETURN;
    m_workmode = true;
}

void TExtInplaceEdit::CreateWnd()
{
    TInplaceEdit::CreateWnd();
    if (m_grid->EditControl == edPassword) Perform(EM_SETPASSWORDCHAR, m_grid->PasswordChar);
    m_lengthLimit = m_grid->GetEditLimit();
}

void TExtInplaceEdit::SetVAlign(bool Value)
{
    if (m_vAlign == Value) return;
    m_vAlign = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

void TExtInplaceEdit::BoundsChanged()
{
    if (m_grid->UseRightToLeftReading()) SetBounds(Left() + 1, Top(), Width() - 1, Height());
}

void TExtInplaceEdit::UpdateContents()
{
    m_grid->FNoEditChange = true;
    {
        const TScopeExit filled([this] { m_grid->FNoEditChange = false; });
        TInplaceEdit::UpdateContents();
    }
    SetPasswordChar(m_grid->EditControl == edPassword ? m_grid->PasswordChar : Char(0));
    m_colE = m_grid->Col();
    m_rowE = m_grid->GetRowEx();
    m_grid->DoGetEditorProp(m_colE, m_rowE);
}

LRESULT TExtInplaceEdit::DialogCode() const
{
    LRESULT code = TInplaceEdit::DialogCode();
    if (m_grid->EditorWantsTab()) code |= DLGC_WANTTAB;
    return code;
}

void TExtInplaceEdit::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_CHAR: WMChar(M); return;
    case WM_KEYDOWN: WMKeyDown(M); return;
    case WM_SETFOCUS: WMSetFocus(M); return;
    case WM_KILLFOCUS: WMKillFocus(M); return;
    case WM_PASTE: WMPaste(M); return;
    case WM_COPY:
    case WM_CUT: WMCopyCut(M); return;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: WMSysKey(M); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(M); return;
    default: TInplaceEdit::Dispatch(M); return;
    }
}

// The character rules: passed on to the key press (which inserts it), dropped silently, or
// refused with a beep.
void TExtInplaceEdit::WMChar(TMessage& M)
{
    const TNavigation& nav = *m_grid->Navigation();
    const bool ctrl = IsKeyHeld(VK_CONTROL);
    Char c = KeypadDecimal(TWMChar(M).CharCode, TWMChar(M).KeyData, m_grid->ExcelStyleDecimalSeparator,
                           FormatSettings.DecimalSeparator);
    if (c == 1 && ctrl) return;  // Ctrl+A: the key-down selected all
    if (c == 10 && ctrl && !TakesCtrlEnter()) return;
    const TEditorType type = m_grid->EditControl;
    if (c == VK_RETURN && nav.LineFeedOnEnter && TakesLineFeed(type)) {
        DefaultHandler(M);
        return;
    }
    TCharFilterInput in;
    in.Type = type;
    in.Text = EditText();
    in.SelStart = SelStart();
    in.SelLength = SelLength();
    in.Ch = c;
    in.Ctrl = ctrl;
    in.DecimalSeparator = FormatSettings.DecimalSeparator;
    in.ThousandSeparator = FormatSettings.ThousandSeparator;
    in.ValidChars = m_grid->ValidChars;
    in.ValidCharSet = m_grid->ValidCharSet;
    in.LengthLimit = m_lengthLimit;
    const TCharFilterResult verdict = FilterEditChar(in);
    if (verdict.Verdict == TCharVerdict::Refuse) MessageBeep(0);
    if (verdict.Verdict != TCharVerdict::Pass) return;
    const Integer caret = SelStart();
    M.WParam = verdict.Ch;
    TInplaceEdit::Dispatch(M);
    if (type == edMixedCase && verdict.Ch >= 32) {
        SetText(ProperCaseText(EditText()));
        SetSelStart(caret + 1);
    }
    const Integer limit = m_grid->MaxEditLength;
    if (nav.AdvanceAuto() && nav.AdvanceOnEnter && limit > 0 && Integer(EditText().size()) == limit &&
        NothingSelected() && SelStart() == limit) {
        Char enter = VK_RETURN;
        m_grid->KeyPress(enter);
    }
}

void TExtInplaceEdit::WMKeyDown(TMessage& M)
{
    Word key = TWMKey(M).Key;
    const TShiftState shift = TWMKey(M).Shift();
    m_grid->EditorKeyDownHook(key, shift);
    m_oldSelStart = SelStart();
    if (key == VK_ESCAPE) {
        SetText(m_grid->OriginalCellValue());
        m_grid->HideInplaceEdit();
    }
    const bool ctrl = (shift & ssCtrl) != 0;
    if (key == 'A' && ctrl && !IsKeyHeld(VK_RMENU)) {
        SelectAll();
        return;
    }
    if (key == VK_RETURN && ctrl && !TakesCtrlEnter()) return;
    if (ValidatingKeyDown(key, shift)) return;
    TInplaceEdit::Dispatch(M);
}

bool TExtInplaceEdit::ValidatingKeyDown(Word Key, TShiftState Shift)
{
    const TNavigation& nav = *m_grid->Navigation();
    const String text = Text();
    const String old = m_grid->FOldCellText;
    const bool ctrl = (Shift & ssCtrl) != 0, plain = !(Shift & (ssCtrl | ssShift));
    if (Key == VK_TAB && m_grid->EditorWantsTab()) {
        if (!m_grid->ValidateCell(text)) {
            ShowRefusedText(old);
            return true;
        }
        SetText(m_grid->FNewCellText);
        m_grid->HideInplaceEdit();
        if (!(m_grid->Options() & goTabs)) {
            PostMessage(m_grid->HandleIfAllocated(), WM_KEYDOWN, VK_TAB, 0);
            return true;
        }
        return false;
    }
    const bool shiftOnly = (Shift & (ssShift | ssCtrl | ssAlt)) == ssShift;
    const Integer length = Integer(EditText().size());
    if (nav.CursorWalkEditor && shiftOnly && NothingSelected() &&
        ((Key == VK_LEFT && m_oldSelStart == 0) || (Key == VK_RIGHT && m_oldSelStart == length))) {
        // Shift at an end of the text leaves the editor for the grid, the value validated.
        {
            const TTemporaryChange writing(m_grid->FValidating, true);
            m_grid->SetCurrentCell(text);
        }
        if (m_grid->ValidateCell(text)) {
            SetText(m_grid->FNewCellText);
            m_grid->HideInplaceEdit();
            if (m_grid->CanFocus()) m_grid->SetFocus();
        } else {
            ShowRefusedText(old);
            Invalidate();
        }
        return true;
    }
    const bool up = Key == VK_UP && CaretLine() == 0;
    const bool down = Key == VK_DOWN && CaretLine() == Integer(Perform(EM_GETLINECOUNT)) - 1;
    if (up || down) {
        {
            const TTemporaryChange writing(m_grid->FValidating, true);
            m_grid->SetCurrentCell(text);
        }
        if (!m_grid->ValidateCell(text)) {
            ShowRefusedText(old);
            Invalidate();
            return true;
        }
        SetText(m_grid->FNewCellText);
        return false;
    }
    if (Key == VK_RETURN && !nav.LineFeedOnEnter && !ctrl) {
        if (!m_grid->ValidateCell(text)) {
            ShowRefusedText(old);
            return true;
        }
        SetText(m_grid->FNewCellText);
        return false;
    }
    if (Key == VK_HOME && plain) {
        SetSelStart(0);
        SetSelLength(0);
        return true;
    }
    if (Key == VK_END && plain) {
        CaretToEnd();
        return true;
    }
    return false;
}

void TExtInplaceEdit::ShowRefusedText(const String& OldCellText)
{
    SetText(m_grid->FNewCellText);
    if (m_grid->Navigation()->EditSelectAll)
        SelectAll();
    else
        CaretToEnd();
    m_grid->FOldCellText = OldCellText;
}

// Ctrl+Enter types a line break only where lines can show: wrapped or multi-line cells.
bool TExtInplaceEdit::TakesCtrlEnter() const
{
    return m_grid->Navigation()->AllowCtrlEnter && (m_grid->WordWrap() || m_grid->Multilinecells);
}

void TExtInplaceEdit::CaretToEnd()
{
    const WPARAM end = EditText().size();
    Perform(EM_SETSEL, end, LPARAM(end));
}

void TExtInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    m_selKeyDown = SelStart();
    if (Key == VK_BACK || Key == VK_DELETE) {
        m_workmode = false;
    } else if (Key == VK_UP && CaretLine() > 0) {
        return;  // the caret moves between the lines
    } else if (Key == VK_DOWN && CaretLine() < Integer(Perform(EM_GETLINECOUNT)) - 1) {
        return;
    } else if (Key == VK_RETURN) {
        if ((Shift & (ssCtrl | ssShift)) && m_grid->SizeWhileTyping()->Height && m_grid->Multilinecells)
            GrowRowForNewLine();
    } else {
        m_workmode = true;
    }
    m_grid->EditorKeyHook(Key, Shift);
    TInplaceEdit::KeyDown(Key, Shift);
}

// Shift+Enter or Ctrl+Enter is about to add a line: the row makes room for it now.
void TExtInplaceEdit::GrowRowForNewLine()
{
    TExtStringGrid& g = *m_grid;
    const Integer row = g.Row();
    const Integer lines = CountLines(Text() + u"\r\n ", true);
    {
        const TTemporaryChange unsynched(g.ColumnSize()->SynchWithGrid, false);
        if (lines < g.MaxLinesInRow(row))
            g.AutoSizeRow(row);
        else
            g.SetRowHeightForLines(row, lines, g.TotalYOffset());
    }
    if (g.OnEndRowSize) g.OnEndRowSize(&g, row);
}

// The edited column, and with word wrap the edited row, follow the text typed so far.
void TExtInplaceEdit::SizeToTypedText()
{
    TExtStringGrid& g = *m_grid;
    if (g.SizeWhileTyping()->Width) g.CalcAutoColWidth(g.Col(), true);
    if (!g.SizeWhileTyping()->Height || !g.WordWrap()) return;
    const Integer row = g.Row();
    {
        const TTemporaryChange unsynched(g.ColumnSize()->SynchWithGrid, false);
        g.AutoSizeRow(row);
    }
    if (g.OnEndRowSize) g.OnEndRowSize(&g, row);
}

void TExtInplaceEdit::KeyUp(Word& Key, TShiftState Shift)
{
    const bool plain = !(Shift & (ssShift | ssCtrl | ssAlt));
    if (m_grid->Navigation()->CursorWalkEditor && plain && NothingSelected()) {
        if (Key == VK_LEFT && m_selKeyDown == 0 && SelStart() == 0)
            WalkOut(Key, false);
        else if (Key == VK_RIGHT && Integer(EditText().size()) == m_oldSelStart)
            WalkOut(Key, true);
    }
    if (Key == 0 || Key == VK_LEFT || Key == VK_RIGHT) return;
    TInplaceEdit::KeyUp(Key, Shift);
    DoChange();
    SizeToTypedText();
}

// Left at the start or Right at the end of the text walks to the neighbour cell: onto a control
// graphic directly after a validation, else by an advance (validating first only leftwards).
void TExtInplaceEdit::WalkOut(Word& Key, bool Forward)
{
    TExtStringGrid& g = *m_grid;
    TNavigation& nav = *g.Navigation();
    Key = 0;
    const Integer row = g.GetRowEx();
    const Integer span = g.CellSpan(g.RealColIndex(g.Col()), row).X;
    const Integer neighbour = Forward ? g.Col() + span + 1 : g.Col() - 1;
    const bool inside = Forward ? g.Col() < g.ColCount() - g.FFixedRightCols - 1 : g.Col() > g.FixedCols();
    const Integer real = inside ? g.RealColIndex(neighbour) : -1;
    if (inside && g.CellHasProperties(real, row) && g.HasControlGraphic(real, row)) {
        if (g.ValidateCell(Text())) {
            g.HideInplaceEdit();
            g.SetCol(neighbour);
        }
        return;
    }
    if (!Forward && g.ValidateCell(Text())) g.HideInplaceEdit();
    {
        const TAdvanceDirection direction = nav.AdvanceDirection();
        const TScopeExit restore([&] { nav.SetAdvanceDirection(direction); });
        nav.SetAdvanceDirection(adLeftRight);
        g.AdvanceToNextCell(g.Col(), row, true, true, Forward, false, true);
    }
    if (nav.CursorWalkAlwaysEdit)
        Key = VK_RETURN;
    else
        g.HideInplaceEdit();
}

void TExtInplaceEdit::KeyPress(Char& Key)
{
    const TNavigation& nav = *m_grid->Navigation();
    if (Key == VK_RETURN && !nav.LineFeedOnEnter && !m_grid->ValidateCell(Text())) {
        SetText(m_grid->GetCurrentCell());
        Key = 0;
        return;
    }
    TInplaceEdit::KeyPress(Key);
    if (nav.AdvanceAuto() && IsMasked() && EditText().find(u' ') == String::npos &&
        SelStart() == Integer(EditText().size())) {
        Char enter = VK_RETURN;
        m_grid->KeyPress(enter);
    }
}

void TExtInplaceEdit::Change()
{
    TInplaceEdit::Change();
    if (!m_grid->FNoEditChange && m_grid->OnEditChange)
        m_grid->OnEditChange(m_grid, m_grid->Col(), m_grid->GetRowEx(), Text());
}

void TExtInplaceEdit::DoChange()
{
    if (!m_workmode || !NothingSelected() || !m_grid->Lookup) return;
    const TStringList& items = *m_grid->LookupItems();
    if (items.Count() == 0) return;
    std::vector<String> list;
    for (Integer i = 0; i < items.Count(); ++i) list.push_back(items.Strings(i));
    String completed;
    Integer from = 0;
    if (!LookupComplete(EditText(), SelStart(), list, m_grid->LookupCaseSensitive, completed, from)) return;
    SetText(completed);
    Perform(EM_SETSEL, WPARAM(from), LPARAM(completed.size()));
}

void TExtInplaceEdit::WMSetFocus(TMessage& M)
{
    TInplaceEdit::Dispatch(M);
    m_gotFocus = true;
    // An Alt+Backspace released while another window had the focus never told this editor.
    m_altBack = m_altBack && IsKeyHeld(VK_BACK);
    m_grid->FNoEditChange = false;
    m_lengthLimit = m_grid->GetEditLimit();
    SetMaxLength(m_lengthLimit);
    const TNavigation& nav = *m_grid->Navigation();
    if (IsMasked() && !m_grid->LButFlg && nav.ImproveMaskSel) {
        Perform(EM_SETSEL, 0, 1);
        return;
    }
    if (!nav.EditSelectAll) CaretToEnd();
    if (m_grid->LButFlg) CaretToPointer();
}

// An edit a click started puts the caret on the character under the pointer.
void TExtInplaceEdit::CaretToPointer()
{
    const TPoint p = ScreenToClient(GetCursorPos());
    if (p.X < 0 || p.X > Width() || p.Y < 0 || p.Y > Height()) return;
    const LRESULT at = Perform(EM_CHARFROMPOS, 0, MakeLParam(p.X, p.Y));
    if (at == -1) return;
    Perform(EM_SETSEL, WPARAM(at & 0xFFFF), LPARAM(at & 0xFFFF));
    m_grid->LButFlg = false;
}

// Leaving for another window validates and ends the edit; leaving for the grid only reports
// the end. Alt+Backspace held (an undo chord) keeps the edit open.
void TExtInplaceEdit::WMKillFocus(TMessage& M)
{
    m_grid->FStartEditChar = 0;
    if (m_grid->LookupHistory && m_grid->LookupItems()->IndexOf(Text()) < 0) m_grid->LookupItems()->Add(Text());
    TInplaceEdit::Dispatch(M);
    if (m_altBack) return;
    if (TWMFocus(M).Other != m_grid->HandleIfAllocated()) {
        {
            const TScopeExit ended([this] {
                m_grid->HideInplaceEdit();
                m_grid->FEditing = false;
                m_grid->FEditMode = false;
            });
            m_grid->ValidateCell(Text());
            SetText(m_grid->GetCurrentCell());
        }
        m_grid->SelectCell(m_colE, m_rowE);
    }
    {
        const TTemporaryChange quiet(m_grid->FNoEditChange, true);
        SetText(m_grid->GetCurrentCell());
    }
    if (m_gotFocus) {
        m_gotFocus = false;
        m_grid->DoEditingDone(m_grid->RealColIndex(m_colE), m_rowE);
    }
}

void TExtInplaceEdit::WMPaste(TMessage& /*M*/)
{
    TClipboard& clip = *Clipboard();
    bool allow = clip.HasFormat(CF_TEXT) || clip.HasFormat(CF_UNICODETEXT);
    String value = clip.AsText();
    if (m_grid->OnClipboardPaste) m_grid->OnClipboardPaste(this, allow);
    const Integer col = m_grid->Col(), row = m_grid->GetRowEx();
    if (allow && m_grid->OnClipboardBeforePasteCell) m_grid->OnClipboardBeforePasteCell(this, col, row, value, allow);
    if (!allow) return;
    TPasteInput in;
    in.Type = m_grid->EditControl;
    in.Text = EditText();
    in.SelStart = SelStart();
    in.SelLength = SelLength();
    in.Pasted = value;
    in.ValidChars = m_grid->ValidChars;
    in.LengthLimit = m_lengthLimit;
    const TPasteResult merged = MergePaste(in);
    if (!merged.Fits) return;
    SetEditTextRaw(merged.Text);
    m_grid->SetCurrentCellEditText(EditText());
    Perform(EM_SETSEL, WPARAM(merged.SelStart), LPARAM(merged.SelStart + merged.SelLength));
    if (m_grid->OnClipboardAfterPasteCell) m_grid->OnClipboardAfterPasteCell(this, col, row, EditText());
}

void TExtInplaceEdit::WMCopyCut(TMessage& M)
{
    bool allow = true;
    auto& handler = M.Msg == WM_COPY ? m_grid->OnClipboardCopy : m_grid->OnClipboardCut;
    if (handler) handler(this, allow);
    if (allow) TInplaceEdit::Dispatch(M);
}

void TExtInplaceEdit::WMSysKey(TMessage& M)
{
    if (TWMKey(M).Key == VK_BACK) m_altBack = M.Msg == WM_SYSKEYDOWN;
    TInplaceEdit::Dispatch(M);
}

void TExtInplaceEdit::WMLButtonDblClk(TMessage& M)
{
    TInplaceEdit::Dispatch(M);
    if (m_grid->OnDblClickCell) m_grid->OnDblClickCell(m_grid, m_grid->GetRowEx(), m_grid->Col());
}

}  // namespace gw
