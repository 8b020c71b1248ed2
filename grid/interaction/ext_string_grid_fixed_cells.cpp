// TExtStringGrid: the fixed cells under the mouse - a fixed cell pressed as a button (drawn sunken
// until the release), the drop-down button of a header cell and its menu, and the editor a fixed
// cell opens on a click.
#include "grid/foundation/mouse_actions.h"
#include "grid/interaction/fixed_cell_editors.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/frame_controls.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/menus.h"

namespace gw {

namespace {

// The drop-down button of a header cell takes its rightmost pixels.
constexpr Integer DropDownButtonWidth = 16;
// With sizing on, a click this near a fixed cell's edge sizes rather than edits.
constexpr Integer FixedEditMargin = 4;

}  // namespace

// --- a fixed cell as a button --------------------------------------------------------------------

// With FixedAsButtons and both fixed lines, a fixed cell (or one that looks fixed) is a button:
// drawn sunken while held, its click reported on the release like a cell button's.
void TExtStringGrid::PressFixedCellButton(Integer ACol, Integer ARow, Integer X, bool FixedPress)
{
    if (!FixedPress && !IsFixed(ACol, ARow)) return;
    const TGridOptions lines = goFixedVertLine | goFixedHorzLine;
    if (!FixedAsButtons || (Options() & lines) != lines) return;
    const TRect r = CellRect(ACol, ARow);
    if (IsNode(ARow) && IsOnNodeGlyph(ARow, X - r.Left)) return;
    FPushedFixedCell = r;
    FPushedCellButton = {ACol, ARow};
    FFixedCellPushed = true;
    DrawPushedFixedCellEdge(BDR_SUNKENINNER);
}

void TExtStringGrid::ReleaseFixedCellButton()
{
    if (!FFixedCellPushed) return;
    DrawPushedFixedCellEdge(BDR_RAISEDINNER);
    FFixedCellPushed = false;
}

// Drawn between paints: the next paint of the cell draws it raised as its look says.
void TExtStringGrid::DrawPushedFixedCellEdge(Cardinal Edge)
{
    DrawOnWindow(false, [this, Edge](TCanvas& c) {
        TRect r = FPushedFixedCell;
        DrawEdge(c, r, Edge, BF_BOTTOMRIGHT);
        r = FPushedFixedCell;
        DrawEdge(c, r, Edge, BF_TOPLEFT);
    });
}

// --- the header's drop-down button ---------------------------------------------------------------

// A press on the drop-down button of a hover-able header cell: the menu (the handler may change
// or supply it) drops down below the button with the header kept in its hover look; true when
// the press was the menu's.
bool TExtStringGrid::PressFixedDropDown(Integer ACol, Integer ARow, Integer X)
{
    if (ACol < 0 || ARow < 0 || !ControlLook()->FixedDropDownButton || !IsHoverFixedCell(ACol, ARow)) return false;
    const TRect r = CellRect(ACol, ARow);
    const Integer margin = (Options() & goColSizing) ? 2 : 0;
    if (X <= r.Right - DropDownButtonWidth || X >= r.Right - margin) return false;
    FDropDownDown = true;
    if (!FixedDropDownMenu && !OnFixedDropDownClick) return false;
    FNoMouseLeave = true;
    TPopupMenu* menu = FixedDropDownMenu;
    if (menu) menu->Tag = ACol;
    bool keepHighlighted = false;
    if (OnFixedDropDownClick) OnFixedDropDownClick(this, ACol, ARow, menu, keepHighlighted);
    if (menu) {
        FHoverFixedX = ACol;
        FHoverFixedY = ARow;
        RepaintCell(ACol, ARow);
        const TPoint at = ClientToScreen({r.Right - DropDownButtonWidth, r.Bottom});
        menu->Popup(at.X, at.Y);
        FHoverFixedX = FHoverFixedY = -1;
        RepaintCell(ACol, ARow);
    }
    FNoMouseLeave = keepHighlighted;
    return true;
}

// --- editing a fixed cell on a click ------------------------------------------------------------

// The fixed-cell editor on a left click (with sizing on, only well inside the cell, so that its
// edges still size) or a right click, as FixedRowsEdit and FixedColsEdit choose; true when
// it opened.
bool TExtStringGrid::ClickFixedCellEdit(TMouseButton Button, Integer ACol, Integer ARow, Integer X, Integer Y)
{
    if (ACol < 0 || ARow < 0 || (ACol >= FixedCols() && ARow >= FixedRows())) return false;
    const TMouseActions& actions = *MouseActions();
    const bool header = ARow < FixedRows(), rowHeader = ACol < FixedCols();
    const auto inside = [&](TGridOptions Sizing) {
        if (!(Options() & Sizing)) return true;
        TRect r = CellRect(ACol, ARow);
        InflateRect(r, -FixedEditMargin, -FixedEditMargin);
        return PtInRect(r, {X, Y});
    };
    bool open = false;
    if (Button == mbLeft && header && actions.FixedRowsEdit == fceLeftClick)
        open = inside(goColSizing);
    else if (Button == mbLeft && rowHeader && actions.FixedColsEdit == fceLeftClick)
        open = inside(goRowSizing);
    else if (Button == mbRight)
        open =
            (header && actions.FixedRowsEdit == fceRightClick) || (rowHeader && actions.FixedColsEdit == fceRightClick);
    if (open) ShowFixedCellCombo(ACol, ARow);
    return open;
}

void TExtStringGrid::DblClickFixedCellEdit(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0) return;
    const TMouseActions& actions = *MouseActions();
    if ((ARow < FixedRows() && actions.FixedRowsEdit == fceDblClick) ||
        (ACol < FixedCols() && actions.FixedColsEdit == fceDblClick))
        ShowFixedCellCombo(ACol, ARow);
}

// Opens the edit box or the combo over a fixed cell; each writes its text back itself when the
// focus leaves it. An open one that refuses to close keeps the focus.
void TExtStringGrid::ShowFixedCellCombo(Integer ACol, Integer ARow)
{
    if (EditTrans && EditTrans->Visible() && !EditTrans->StopEdit()) return;
    if (ComboTrans && ComboTrans->Visible() && !ComboTrans->StopEdit()) return;
    bool canEdit = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit) return;
    FFixedColEdit = ACol;
    FFixedRowEdit = ARow;
    const TMouseActions& actions = *MouseActions();
    TGridFixedCellEditor kind = ACol == 0 ? actions.FixedColsEditor : actions.FixedRowsEditor;
    TStringList values;
    values.Assign(actions.FixedComboValues());
    DoFixedEdit(ACol, ARow, kind, &values);
    TRect r = CellRect(ACol, ARow);
    InflateRect(r, -1, -1);
    const Integer real = RealColIndex(ACol);
    const TNotifyEvent changed = [this](TObject* Sender) {
        const String text = Sender == EditTrans ? EditTrans->Text() : ComboTrans->Text();
        if (OnEditChange) OnEditChange(this, FFixedColEdit, FFixedRowEdit, text);
    };
    TWinControl* editor = nullptr;
    if (kind == fceEdit) {
        TGridTransEdit& edit = *FixedCellEdit();
        edit.OnChange = nullptr;
        edit.SetBounds(r.Left, r.Top, r.Width(), r.Height());
        edit.SetText(GetCellEx(real, ARow));
        edit.OnChange = changed;
        edit.SetCol(real);
        edit.SetRow(ARow);
        editor = &edit;
    } else {
        TGridTransCombo& combo = *FixedCellCombo();
        combo.OnChange = nullptr;
        combo.SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        combo.Items()->Assign(&values);
        combo.SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
        combo.SetText(GetCellEx(real, ARow));
        combo.OnChange = changed;
        combo.SetCol(real);
        combo.SetRow(ARow);
        editor = &combo;
    }
    editor->SetEnabled(true);
    editor->SetVisible(true);
    if (editor->CanFocus()) editor->SetFocus();
}

}  // namespace gw
