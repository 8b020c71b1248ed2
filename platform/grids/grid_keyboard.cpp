// TCustomGrid: the keys - moving the current cell, extending the selection, Tab, and the keys
// and characters that open and close the editor.
#include "platform/grids/custom_grid.h"

#include "platform/ui/message_records.h"

#include <algorithm>

namespace gw {

namespace {

bool Has(TShiftState Shift, TShiftState Bit) { return (Shift & Bit) != 0; }

}  // namespace

LRESULT TCustomGrid::DialogCode() const
{
    LRESULT code = DLGC_WANTARROWS;
    if (m_options & goTabs) code |= DLGC_WANTTAB;
    if (m_options & goEditing) code |= DLGC_WANTCHARS;
    return code;
}

// An editable grid takes Enter for its editor rather than leaving it to the form's default
// button.
void TCustomGrid::CMWantSpecialKey(TMessage& M)
{
    M.Result = TWMKey(M).Key == VK_RETURN && (m_options & goEditing) ? 1 : 0;
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool ctrl = Has(Shift, ssCtrl), shift = Has(Shift, ssShift);
    const bool rowSelect = (m_options & goRowSelect) != 0;
    const Integer lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const Integer pageRows = std::max(VisibleRowCount(), 1), pageCols = std::max(VisibleColCount(), 1);
    TGridCoord cell = m_current;
    TGridCoord topLeft = m_topLeft;
    switch (Key) {
    case VK_UP:
        if (ctrl)
            --topLeft.Y;
        else
            --cell.Y;
        break;
    case VK_DOWN:
        if (ctrl)
            ++topLeft.Y;
        else
            ++cell.Y;
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        // With right-to-left alignment the columns run leftwards: Left goes to the next one.
        const bool back = (Key == VK_LEFT) != UseRightToLeftAlignment();
        const Integer step = (back ? -1 : 1) * (ctrl ? pageCols : 1);
        if (!rowSelect) cell.X += step;
        // A selected row stays; the columns scroll under it.
        if (rowSelect || ctrl) topLeft.X += step;
        break;
    }
    case VK_PRIOR:
        if (ctrl) {
            cell.Y = m_topLeft.Y;
        } else {
            cell.Y -= pageRows;
            topLeft.Y -= pageRows;
        }
        break;
    case VK_NEXT:
        if (ctrl) {
            cell.Y = std::max(m_topLeft.Y + pageRows - 1, m_topLeft.Y);
        } else {
            cell.Y += pageRows;
            topLeft.Y += pageRows;
        }
        break;
    case VK_HOME:
        if (ctrl)
            cell = {m_fixedCols, m_fixedRows};
        else if (rowSelect)
            cell.Y = m_fixedRows;
        else
            cell.X = m_fixedCols;
        break;
    case VK_END:
        if (ctrl)
            cell = {lastCol, lastRow};
        else if (rowSelect)
            cell.Y = lastRow;
        else
            cell.X = lastCol;
        break;
    case VK_TAB:
        if (!Has(Shift, ssAlt) && (m_options & goTabs)) {
            cell = TabTarget(shift);
            FocusCell(cell.X, cell.Y, true);
        }
        return;
    case VK_F2:
        if (m_options & goEditing) {
            if (m_options & goAlwaysShowEditor)
                ShowEditor();
            else
                SetEditorMode(!m_editorMode);
        }
        return;
    case VK_ESCAPE: CancelEdit(); return;
    default: return;
    }
    // The view first (it may carry the cell along), then the cell, both kept inside the grid.
    const Integer maxLeft = std::max(MaxFirst(m_cols, m_fixedCols, ClientWidth()), m_fixedCols);
    const Integer maxTop = std::max(MaxFirst(m_rows, m_fixedRows, ClientHeight()), m_fixedRows);
    MoveTopLeft(std::clamp(topLeft.X, m_fixedCols, maxLeft), std::clamp(topLeft.Y, m_fixedRows, maxTop));
    cell.X = std::clamp(cell.X, m_fixedCols, lastCol);
    cell.Y = std::clamp(cell.Y, m_fixedRows, lastRow);
    if (cell != m_current) FocusCell(cell.X, cell.Y, !(shift && (m_options & goRangeSelect)));
}

TGridCoord TCustomGrid::TabTarget(bool Backward) const
{
    TGridCoord cell = m_current;
    if (Backward) {
        if (--cell.X < m_fixedCols) {
            cell.X = ColCount() - 1;
            if (--cell.Y < m_fixedRows) cell.Y = RowCount() - 1;
        }
    } else {
        if (++cell.X >= ColCount()) {
            cell.X = m_fixedCols;
            if (++cell.Y >= RowCount()) cell.Y = m_fixedRows;
        }
    }
    return cell;
}

void TCustomGrid::KeyPress(Char& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key != VK_RETURN || !(m_options & goEditing)) return;
    // Enter opens the editor and closes it again, giving its text back; an editor that always
    // shows gives its text back and stays.
    if (m_options & goAlwaysShowEditor)
        UpdateText();
    else
        SetEditorMode(!m_editorMode);
    Key = 0;
}

void TCustomGrid::WMChar(TMessage& M)
{
    const Char c = TWMChar(M).CharCode;
    // Typing on an editable grid opens the editor with that character.
    if ((m_options & goEditing) && (c == VK_BACK || c >= 32)) {
        ShowEditorChar(c);
        return;
    }
    TCustomControl::Dispatch(M);
}

}  // namespace gw
