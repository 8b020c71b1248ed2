// TExtStringGrid: how an edit starts and ends - whether an editor may show and which one, the
// text editor's cell text, the special editors' common opening and commit, and the report of an
// edit's end.
#include "grid/foundation/focus_window.h"
#include "grid/foundation/markup_text.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/interaction/edit_done_message.h"
#include "grid/interaction/ext_inplace_edit.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/ui/window_system.h"

namespace gw {

// A cell without properties may still show a control: the column grid's data check box is its
// column's, not the cell's.
static bool HoldsControlGraphic(TExtStringGrid& Grid, Integer ACol, Integer ARow, bool /*HasProperties*/)
{
    return Grid.HasControlGraphic(ACol, ARow);
}

TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this); }

TInplaceEdit* TExtStringGrid::NormalEdit() { return InplaceEditor(); }

bool TExtStringGrid::EditMode() const { return FEditMode; }

// The base grid asks this whenever it would show its editor; the answer opens a special editor
// instead where the cell's type asks for one, so the base grid's hook mutates the edit state.
bool TExtStringGrid::CanEditShow() const
{
    auto& self = const_cast<TExtStringGrid&>(*this);
    if (FValidating) return false;
    bool can = TBaseGrid::CanEditShow();
    if (IsDesigning()) return can;
    const Integer row = GetRowEx();
    const TPoint base = BaseCell(RealColIndex(Col()), row);
    if (!can || FEditMode) return can;
    if (HoldsControlGraphic(self, base.X, base.Y, CellHasProperties(base.X, base.Y))) return false;
    self.FNoEditChange = true;
    // An edit compares with the cell it edits: after a move that took no snapshot (one made by
    // the program) the last one belongs to another cell, into which the value would go.
    if (FOldCol != Col() || FOldRow != row) self.TakeEditSnapshot(Col(), row);
    self.FCellCache = self.GetCurrentCell();
    self.EditControl = DefaultEditor;
    self.GetEditorType(base.X, base.Y, self.EditControl);
    if (EditControl == edNone) return false;
    self.FEditMode = true;
    if (EditorFamily(EditControl) == efText) {
        self.FShowEditProcess = true;
    } else {
        self.OpenCellEditor(DisplColIndex(base.X), base.Y);
        self.FEntered = true;
        if (FocusHelper()->Enabled) self.ShowFocusWindow();
        return false;
    }
    self.FEntered = true;
    self.FEditing = true;
    if (FocusHelper()->Enabled) self.ShowFocusWindow();
    return true;
}

// The steps every special editor shares; each family's control comes with that family's room.
void TExtStringGrid::OpenCellEditor(Integer ACol, Integer ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    TRect r = CellRect(ACol, ARow);
    // Right-to-left reading moves the editor one pixel off the cell's left edge.
    if (UseRightToLeftReading()) ++r.Left;
    r.Right = r.Left + (r.Right - r.Left - 1);
    r.Bottom = r.Top + (r.Bottom - r.Top - 1);
    const TColor colour = EditorColour(ACol, ARow);
    SetGridState(gsNormal);
    EditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;
    switch (EditorFamily(EditControl)) {
    case efCombo: OpenComboEditor(ACol, ARow, r, colour); break;
    case efSpin: OpenSpinEditor(ACol, ARow, r, colour); break;
    default:
        if (EditControl == edCheckBox) OpenCheckEditor(ACol, ARow, r);
        break;
    }
    OpenDateButtonOrRichEditor(ACol, ARow);
    FStartEditChar = 0;
}

// The colour the cell paints with: the special editors take it over.
TColor TExtStringGrid::EditorColour(Integer ACol, Integer ARow)
{
    TFont font;
    TBrush brush;
    brush.SetColor(Color());
    TGridDrawState state = 0;
    GetFontProperties(ACol, RealColIndex(ACol), ARow, state, font, brush, true);
    return brush.Color();
}

void TExtStringGrid::CloseCellEditor(Integer ACol, Integer ARow)
{
    if (FDestroying) return;
    FSpecialEditor = false;
    FBlockKill = true;
    const Integer real = RealColIndex(ACol);
    FStartEditChar = 0;
    CloseComboSpinCheck(real, ARow);
    FEditCancelled = false;
    CommitDateButtonOrRichEditor();
    if (EditControl != edNormal && FEditActive) DoEditingDone(real, ARow);
    FBlockKill = false;
    FEditActive = false;
}

void TExtStringGrid::ShowInplaceEdit()
{
    const Integer row = GetRowEx();
    const Integer real = RealColIndex(Col());
    if (HoldsControlGraphic(*this, real, row, CellHasProperties(real, row))) return;
    if (row < TopRow()) SetTopRow(row);
    if (Col() < LeftCol()) SetLeftCol(Col());
    FEditText = GetCurrentCell();
    ShowEditor();
}

void TExtStringGrid::HideInplaceEdit()
{
    if (!FEditMode) return;
    HideEditor();
    CloseCellEditor(Col(), GetRowEx());
    FEditMode = false;
    SelectCell(Col(), GetRowEx());
}

void TExtStringGrid::DoneInplaceEdit(Word Key, TShiftState Shift)
{
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) KeyDown(Key, Shift);
    const bool alwaysEdit = Navigation()->AlwaysEdit;
    Navigation()->AlwaysEdit = false;
    if (CanFocus()) SetFocus();
    if (Key == VK_RETURN) AdvanceToNextCell(Col(), GetRowEx(), false, true, true, false, false);
    Navigation()->AlwaysEdit = alwaysEdit;
    FBlockFocus = false;
}

// OnEditCellDone follows from the posted message, after the key or focus change that ended the
// edit has been handled.
void TExtStringGrid::DoEditingDone(Integer ACol, Integer ARow)
{
    if (OnEditingDone) OnEditingDone(this);
    FEditMode = false;
    if (const HWND h = HandleIfAllocated()) PostMessage(h, GridEditDoneMessage(), WPARAM(ACol), LPARAM(ARow));
}

void TExtStringGrid::RestoreCellCache() { SetCellEx(RealColIndex(Col()), GetRowEx(), FCellCache); }

void TExtStringGrid::WriteEditedCell(const String& Value)
{
    const Integer row = GetRowEx();
    SetEditText(Col(), row, Value);
    SetCellEx(RealColIndex(Col()), row, Value);
}

TAlignment TExtStringGrid::EditAlignment(Integer ACol, Integer ARow) { return GetCellAlignment(ACol, ARow); }

String TExtStringGrid::GetEditText(Integer ACol, Integer ARow)
{
    FNoEditChange = true;
    const Integer real = RealColIndex(ACol);
    if (auto* editor = dynamic_cast<TExtInplaceEdit*>(InplaceEditor()))
        editor->SetVAlign(EditAlignment(real, ARow) == taRightJustify);
    const TPoint base = BaseCell(real, ARow);
    String text = GetGridCell(base.X, base.Y);
    if (!EditWithTags) text = MarkupToPlainText(text);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TExtStringGrid::SetEditText(Integer ACol, Integer ARow, const String& Value)
{
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    SetCellEx(base.X, base.Y, Value);
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

String TExtStringGrid::GetEditMask(Integer ACol, Integer ARow)
{
    String mask = EditMask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

Integer TExtStringGrid::GetEditLimit() { return MaxEditLength; }

bool TExtStringGrid::EditorWantsTab() { return (Options() & goTabs) || OnCellValidate; }

void TExtStringGrid::EditorKeyDownHook(Word& /*Key*/, TShiftState /*Shift*/) {}

void TExtStringGrid::EditorKeyHook(Word& /*Key*/, TShiftState /*Shift*/) {}

bool TExtStringGrid::EditorFormulaMode() { return false; }

void TExtStringGrid::DoGetEditorProp(Integer ACol, Integer ARow)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow);
}

void TExtStringGrid::DoEllipsClick(Integer ACol, Integer ARow, String& S)
{
    if (OnEllipsClick) OnEllipsClick(this, ACol, ARow, S);
}

}  // namespace gw
