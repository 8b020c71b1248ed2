// TExtStringGrid: the window messages of editing - a typed character that opens the editor, the
// text editor's change notification that writes the typed text through, and the posted report
// of an ended edit. Every other message goes to the base grid.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/theme_style.h"
#include "grid/interaction/edit_done_message.h"
#include "grid/interaction/edit_text_rules.h"
#include "grid/interaction/grid_combo.h"
#include "grid/model/ext_string_grid.h"
#include "platform/grids/inplace_edit.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/strings.h"
#include "platform/ui/message_records.h"

namespace gw {

void TExtStringGrid::WndProc(TMessage& Message)
{
    if (FDestroying) {
        TBaseGrid::WndProc(Message);
        return;
    }
    if (Message.Msg == GridEditDoneMessage()) {
        WMGridEditDone(Message);
        return;
    }
    if (wheelpan && PanningMessage(Message)) return;
    if (wheelmsg != 0 && Message.Msg == UINT(wheelmsg) && !wheelpan) {
        WMWheel(Message);
        return;
    }
    // The release reports the selection against the one its press found.
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_RBUTTONDOWN) FPressSelection = Selection();
    switch (Message.Msg) {
    case WM_CHAR: WMChar(Message); return;
    case WM_SETCURSOR: WMSetCursorCell(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return;
    case WM_MBUTTONDOWN: WMMButtonDown(Message); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return;
    case WM_RBUTTONDOWN: WMRButtonDown(Message); return;
    case WM_RBUTTONUP: WMRButtonUp(Message); return;
    case WM_KEYDOWN: WMKeyDown(Message); return;
    case WM_TIMER: WMTimer(Message); return;
    case WM_SIZE: WMSize(Message); return;
    case CM_HINTSHOW: CMHintShow(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_COLORCHANGED: CMColorChanged(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_CURSORCHANGED: CMCursorChanged(Message); return;
    case WM_NOTIFY: WMNotify(Message); return;
    case WM_COMMAND:
        if (TWMCommand(Message).NotifyCode == EN_CHANGE && TWMCommand(Message).Ctl != HandleIfAllocated()) {
            WMEditChange(Message);
            return;
        }
        if (IsComboNotification(TWMCommand(Message).NotifyCode)) {
            WMComboCommand(Message);
            return;
        }
        break;
    case WM_OFFICETHEMECHANGE: WMThemeChanged(Message); break;
    case WM_THEMECHANGED: WMThemeChanged(Message); break;
    case WM_DESTROY: WMDestroyTheme(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); return;
    default: break;
    }
    TBaseGrid::WndProc(Message);
}

void TExtStringGrid::WMGridEditDone(TMessage& Message)
{
    if (OnEditCellDone) OnEditCellDone(this, Integer(Message.WParam), Integer(Message.LParam));
    if (MouseActions()->EditOnDblClickOnly()) {
        HideEditor();
        FEditMode = false;
        SetOptions(Options() & ~TGridOptions(goEditing));
    }
}

// The child hears of its change once, from here; while a text edit is open the typed text is in
// the cell at every change.
void TExtStringGrid::WMEditChange(TMessage& Message)
{
    if (TWinControl* child = FindControl(TWMCommand(Message).Ctl))
        child->Perform(CN_COMMAND, Message.WParam, Message.LParam);
    if (!FShowEditProcess) return;
    TInplaceEdit* editor = InplaceEditor();
    if (!editor || editor->HandleIfAllocated() != TWMCommand(Message).Ctl) return;
    editor->Perform(WM_SETREDRAW, 0);
    if (!FNoEditChange && FEditMode && EditorFamily(EditControl) == efText) {
        const TPoint base = BaseCell(RealColIndex(Col()), GetRowEx());
        // The editor's own write: the cell takes the text without filling the editor again.
        TBaseGrid::SetEditText(base.X, base.Y, editor->Text());
        if (CellHasProperties(base.X, base.Y)) CellChanged(base.X, base.Y);
    }
    editor->Perform(WM_SETREDRAW, 1);
}

void TExtStringGrid::WMChar(TMessage& Message)
{
    Char c = TWMChar(Message).CharCode;
    const Integer row = GetRowEx();
    const Integer real = RealColIndex(Col());
    if (EnableHTML && UpperCase(GetGridCell(real, row)).find(u"<CONTROL") != String::npos) {
        Message.Result = 1;
        return;
    }
    if (MouseActions()->EditOnDblClickOnly()) {
        bool canEdit = true;
        CanEditCell(Col(), row, canEdit);
        if (canEdit) SetOptions(Options() | goEditing);
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (Navigation()->AllowClipboardShortCuts && ctrl && (c == 3 || c == 22 || c == 24)) return;
    c = KeypadDecimal(c, TWMChar(Message).KeyData, ExcelStyleDecimalSeparator, FormatSettings.DecimalSeparator);
    if ((Options() & goEditing) && (c == VK_BACK || (c >= 32 && c <= 255))) {
        if (OnKeyPress) OnKeyPress(this, c);
        FStartEditChar = c;
        if (c == 0 || HasControlGraphic(real, row)) return;
        ShowEditorChar(c);
        return;
    }
    Message.WParam = c;
    TBaseGrid::WndProc(Message);
}

}  // namespace gw
