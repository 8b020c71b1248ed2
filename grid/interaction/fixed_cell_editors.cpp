// TGridTransEdit and TGridTransCombo: the fixed-cell editors' validated write-back.
#include "grid/interaction/fixed_cell_editors.h"

#include "grid/model/ext_string_grid.h"

namespace gw {

// A control owned by anything but a grid has no cell to write: it only hides itself.
TFixedCellEdit::TFixedCellEdit(TComponent* AOwner) : m_grid(dynamic_cast<TExtStringGrid*>(AOwner)) {}

bool TFixedCellEdit::StopEdit(TWinControl& Editor, const String& Text)
{
    if (!m_grid) {
        Editor.SetVisible(false);
        return true;
    }
    TExtStringGrid& grid = *m_grid;
    String value = Text;
    bool valid = true;
    if (grid.OnCellValidate) grid.OnCellValidate(&grid, m_col, m_row, value, valid);
    if (!valid) {
        // The grid's cursor goes to the cell's column and row where it can stand (a header's
        // fixed row or column is no place for the current cell).
        if (m_col >= grid.FixedCols() && m_col < grid.ColCount()) grid.SetCol(grid.DisplColIndex(m_col));
        if (m_row >= grid.FixedRows() && m_row < grid.RowCount()) grid.SetRowEx(m_row);
        if (Editor.CanFocus()) Editor.SetFocus();
        return false;
    }
    if (grid.OnEditingDone) grid.OnEditingDone(&grid);
    grid.SetCellEx(m_col, m_row, value);
    Editor.SetVisible(false);
    return true;
}

TGridTransEdit::TGridTransEdit(TComponent* AOwner) : TCustomEdit(AOwner), TFixedCellEdit(AOwner) { SetVisible(false); }

// Enter does not end the edit: leaving the editor does.
void TGridTransEdit::KeyPress(Char& Key)
{
    if (Key == VK_RETURN) Key = 0;
    TCustomEdit::KeyPress(Key);
}

void TGridTransEdit::DoExit()
{
    TCustomEdit::DoExit();
    StopEdit();
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner) : TCustomComboBox(AOwner), TFixedCellEdit(AOwner)
{
    SetVisible(false);
}

void TGridTransCombo::KeyPress(Char& Key)
{
    if (Key == VK_RETURN) Key = 0;
    TCustomComboBox::KeyPress(Key);
}

void TGridTransCombo::DoExit()
{
    TCustomComboBox::DoExit();
    StopEdit();
}

}  // namespace gw
