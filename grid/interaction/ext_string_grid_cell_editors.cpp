// TExtStringGrid: the combo, spin and check-box cell editors - their opening over a cell, their
// commit, the combo item API and the combo editor's notifications.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/number_utils.h"
#include "grid/interaction/cell_editor_owner.h"
#include "grid/interaction/grid_check_box.h"
#include "grid/interaction/grid_combo.h"
#include "grid/interaction/grid_spin.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

bool SoftLook(TGridLook Look) { return Look == glSoft || (Look >= glZEQ && Look <= glOffice2007); }

// The leading integer of a text ("12abc" is 12); none is 0.
Integer LeadingInteger(const String& Text)
{
    const String t = Trim(Text);
    size_t end = (!t.empty() && (t[0] == u'-' || t[0] == u'+')) ? 1 : 0;
    while (end < t.size() && t[end] >= u'0' && t[end] <= u'9') ++end;
    Integer value = 0;
    return TryStrToInt(t.substr(0, end), value) ? value : 0;
}

}  // namespace

TExtStringGrid* OwningGrid(TComponent* AOwner, const String& EditorClass)
{
    auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
    if (!grid) throw EInvalidCast(EditorClass + u" needs a TExtStringGrid as its owner");
    return grid;
}

// ---- the combo item API --------------------------------------------------------------------

void TExtStringGrid::ClearComboString() { ComboEditor()->Items()->Clear(); }

void TExtStringGrid::AddComboString(const String& S) { ComboEditor()->Items()->Add(S); }

void TExtStringGrid::AddComboStringObject(const String& S, TObject* AObject)
{
    ComboEditor()->Items()->AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const String& S)
{
    TStrings& items = *ComboEditor()->Items();
    const Integer i = items.IndexOf(S);
    if (i < 0) return false;
    items.Delete(i);
    return true;
}

bool TExtStringGrid::SetComboSelectionString(const String& S)
{
    const Integer i = ComboEditor()->Items()->IndexOf(S);
    if (i < 0) return false;
    FComboIdx = i;
    return true;
}

void TExtStringGrid::SetComboSelection(Integer Index) { FComboIdx = Index; }

Integer TExtStringGrid::GetComboCount() const { return EditCombo ? EditCombo->Items()->Count() : 0; }

void TExtStringGrid::SetComboIndex(Integer ACol, Integer ARow, Integer Index)
{
    DoGetEditorProp(ACol, ARow);
    SetCellEx(ACol, ARow, ComboEditor()->Items()->Get(Index));
}

Integer TExtStringGrid::GetComboIndex(Integer ACol, Integer ARow)
{
    DoGetEditorProp(ACol, ARow);
    return ComboEditor()->Items()->IndexOf(GetCellEx(ACol, ARow));
}

TGridSpin* TExtStringGrid::SpinEdit()
{
    if (EditSpin) return EditSpin;
    EditSpin = new TGridSpin(this);
    EditSpin->SetVisible(false);
    EditSpin->SetEnabled(false);
    EditSpin->SetBorderStyle(bsNone);
    EditSpin->SetIsWinXP(FIsWinXP);
    EditSpin->SetParent(this);
    return EditSpin;
}

// ---- opening -------------------------------------------------------------------------------

// The common tail of an opening: shown, enabled, in the cell's colour, focused, with the
// character that started the edit typed into it.
static void ShowOverCell(TWinControl& Editor, TColor Colour, Char StartChar)
{
    Editor.SetVisible(true);
    Editor.SetEnabled(true);
    Editor.SetColor(Colour);
    if (Editor.CanFocus()) Editor.SetFocus();
    if (StartChar != 0 && Editor.HandleIfAllocated()) PostMessage(Editor.HandleIfAllocated(), WM_CHAR, StartChar, 0);
}

void TExtStringGrid::OpenSpinEditor(Integer ACol, Integer ARow, const TRect& R, TColor Colour)
{
    TGridSpin& spin = *SpinEdit();
    spin.ReCreate();
    spin.SetBounds(R.Left, R.Top, R.Width(), R.Height());
    spin.ExcelStyleDecimalSeparator = ExcelStyleDecimalSeparator;
    DoGetEditorProp(RealColIndex(ACol), ARow);
    const String text = GetEditText(ACol, ARow);
    switch (EditControl) {
    case edSpinEdit:
        spin.SetSpinType(sptNormal);
        spin.SetValue(LeadingInteger(text));
        break;
    case edFloatSpinEdit: {
        spin.SetSpinType(sptFloat);
        String plain = CleanNumberText(text);
        for (Char& c : plain)
            if (c == u'.') c = FormatSettings.DecimalSeparator;
        double value = 0;
        if (!TryStrToFloat(plain, value)) value = 0;
        spin.SetFloatValue(value);
        break;
    }
    case edTimeSpinEdit:
        spin.SetSpinType(sptTime);
        spin.SetText(text);
        break;
    default: {
        spin.SetSpinType(sptDate);
        TDateTime date = 0;
        spin.SetDateValue(!text.empty() && TryStrToDate(text, date) ? date : Now());
        break;
    }
    }
    ShowOverCell(spin, Colour, FStartEditChar);
    EditCtrl = &spin;
}

void TExtStringGrid::OpenComboEditor(Integer ACol, Integer ARow, const TRect& R, TColor Colour)
{
    TGridCombo& combo = *ComboEditor();
    const Integer real = RealColIndex(ACol);
    combo.DropDownCount = ControlLook()->DropDownCount;
    DoGetEditorProp(real, ARow);
    combo.SetBounds(R.Left, R.Top, 0, 0);
    combo.SetEnabled(true);
    combo.SetDroppedDown(false);
    combo.SetStyle(EditControl == edComboEdit ? csDropDown : csDropDownList);
    combo.Perform(CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(R.Height() - 6));
    // The list drops down as a window of its own: the combo takes the cell's height.
    combo.SetBounds(R.Left, R.Top, R.Width(), R.Height());
    bool forcedFirst = false;
    if (EditControl == edComboEdit) {
        combo.SetText(GetEditText(ACol, ARow));
        if (FComboIdx != -1 && combo.ItemIndex() == -1) combo.SetItemIndex(FComboIdx);
        combo.SetMaxLength(MaxComboLength);
    } else {
        Integer index = combo.Items()->IndexOf(GetCellEx(real, ARow));
        if (index < 0 && FComboIdx == -1) {
            index = combo.Items()->IndexOf(GetEditText(ACol, ARow));
            forcedFirst = index < 0;
        }
        if (index < 0) index = FComboIdx == -1 ? 0 : FComboIdx;
        combo.SetItemIndex(index);
        if (forcedFirst) combo.Change();
    }
    combo.SetFlat(SoftLook(Look()));
    combo.SetEtched(SoftLook(Look()));
    if (Navigation()->AutoComboDropSize) {
        combo.SizeDropDownWidth();
    } else if (combo.DropWidth() > 0) {
        combo.Perform(CB_SETDROPPEDWIDTH, WPARAM(combo.DropWidth()));
    }
    ShowOverCell(combo, Colour, FStartEditChar);
    if (MouseActions()->DirectComboDrop || ControlLook()->DropDownAlwaysVisible()) combo.SetDroppedDown(true);
    if (MouseActions()->DirectEdit && MouseActions()->DirectComboDrop) {
        const TGridRect s = Selection();
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
    EditCtrl = &combo;
    if (forcedFirst && combo.Items()->Count() > 0) ReportComboChange(real, ARow, 0, combo.Items()->Get(0));
}

void TExtStringGrid::OpenCheckEditor(Integer ACol, Integer ARow, const TRect& R)
{
    TGridCheckBox& check = *CheckEditor();
    check.ReCreate();
    check.SetBounds(R.Left, R.Top, R.Width(), R.Height());
    check.SetCaption(GetEditText(ACol, ARow));
    check.SetEnabled(true);
    check.SetState(cbUnchecked);
    check.SetVisible(true);
    if (check.CanFocus()) check.SetFocus();
}

// ---- commit --------------------------------------------------------------------------------

void TExtStringGrid::CloseComboSpinCheck(Integer ARealCol, Integer ARow)
{
    const bool cancelled = FEditCancelled;
    // An editor closed while it has the focus hands it back to the grid, not to the form.
    const bool editorFocused = EditCtrl ? EditCtrl->Focused() : EditCheck && EditCheck->Focused();
    const TScopeExit refocus([&] {
        if (editorFocused && CanFocus()) SetFocus();
    });
    if (EditorFamily(EditControl) == efSpin && EditSpin) {
        FEditMode = false;
        TGridSpin& spin = *EditSpin;
        if (cancelled) {
            WriteEditedCell(FCellCache);
        } else if (spin.AllowEmptyValue && Trim(spin.Text()).empty()) {
            SetGridCell(ARealCol, ARow, u"");
        } else if (EditControl == edSpinEdit) {
            SetInts(ARealCol, ARow, spin.Value());
        } else if (EditControl == edFloatSpinEdit) {
            SetFloats(ARealCol, ARow, spin.FloatValue());
        } else if (EditControl == edTimeSpinEdit) {
            WriteEditedCell(spin.Text());
        } else {
            SetDates(ARealCol, ARow, spin.DateValue());
        }
        spin.SetEnabled(false);
        spin.SetVisible(false);
    } else if (EditorFamily(EditControl) == efCombo && FEditMode) {
        FEditMode = false;
        TGridCombo& combo = *ComboEditor();
        WriteEditedCell(cancelled ? FCellCache : combo.Text());
        combo.SetVisible(false);
        combo.SetEnabled(false);
    } else if (EditControl == edCheckBox) {
        TGridCheckBox& check = *CheckEditor();
        check.SetEnabled(false);
        check.SetVisible(false);
        FEditMode = false;
    }
}

// ---- change reports ------------------------------------------------------------------------

void TExtStringGrid::ReportComboChange(Integer ACol, Integer ARow, Integer AIndex, const String& AText)
{
    if (OnComboChange) OnComboChange(this, ACol, ARow, AIndex, AText);
    TStrings& items = *ComboEditor()->Items();
    TObject* object = AIndex >= 0 && AIndex < items.Count() ? items.Objects(AIndex) : nullptr;
    if (OnComboObjectChange) OnComboObjectChange(this, ACol, ARow, AIndex, AText, object);
}

// The combo editor's notifications, after the combo has heard them itself. An edit change (5)
// is the combo editor's only while it edits: the mark-up and header combos and list boxes send
// the same code.
void TExtStringGrid::WMComboCommand(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    const Word code = TWMCommand(Message).NotifyCode;
    const bool fromEditor = EditCombo && TWMCommand(Message).Ctl == EditCombo->HandleIfAllocated();
    if (!fromEditor) return;
    const Integer real = RealColIndex(Col());
    const Integer index = EditCombo->ItemIndex();
    const String text = index >= 0 ? EditCombo->Items()->Get(index) : EditCombo->Text();
    if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && FEditMode) ReportComboChange(real, Row(), index, text);
    if (code == CBN_CLOSEUP) {
        if (MouseActions()->DirectComboClose) {
            EditCombo->SetText(text);
            ReportComboChange(real, Row(), index, text);
            EditControl = edComboEdit;
            FEditMode = true;
            {
                const TTemporaryChange noDirectEdit(MouseActions()->DirectEdit, false);
                HideInplaceEdit();
            }
            if (CanFocus()) SetFocus();
        }
        DoComboCloseUp(Row(), real);
    }
    if (code == CBN_DROPDOWN) DoComboDropDown(Row(), real);
    if (code == CBN_EDITCHANGE && FEditMode && OnComboChange) OnComboChange(this, Col(), Row(), -1, EditCombo->Text());
}

}  // namespace gw
