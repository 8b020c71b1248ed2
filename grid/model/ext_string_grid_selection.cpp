// The string grid's selections beside the rectangle: disjunct row, column and cell flags, the
// modified and enabled rows, the uniform questions (IsSelected, counts, SelectedText) and the
// moves to a cell.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/cell_rich_text.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/list.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <cstdlib>

namespace gw {

namespace {

// The flag lists hold a non-null entry for a set flag.
void* const SetFlag = reinterpret_cast<void*>(uintptr_t{1});

bool ListFlag(const TList& List, Integer Index) { return Index < List.Count() && List.Items(Index) != nullptr; }

void GrowList(TList& List, Integer Count)
{
    if (List.Count() < Count) List.SetCount(Count);
}

// Disjunct cells are kept as row x 65536 + column, in 64 bits so that rows from 32768 on do not
// overflow; the list holds 32-bit integers, so the key is stored with wrap-around and read back
// through the same mapping.
Integer CellKey(Integer ACol, Integer ARow)
{
    return static_cast<Integer>(static_cast<uint32_t>((static_cast<uint64_t>(ARow) << 16) | (ACol & 0xFFFF)));
}

TGridCoord KeyCell(Integer Key)
{
    const auto k = static_cast<uint32_t>(Key);
    return {static_cast<Integer>(k & 0xFFFF), static_cast<Integer>(k >> 16)};
}

// The cells from First to Last counted with the merges at their ends (-1: that end is not
// merged): a range inside the first end's merge counts that merge, a merge at the last end
// reaches further.
Integer MergeAwareCount(Integer First, Integer Last, Integer FirstSpan, Integer LastSpan)
{
    if (FirstSpan >= 0) return First + FirstSpan > Last ? FirstSpan + 1 : Last - First + 1;
    if (LastSpan >= 0) return Last - First + LastSpan + 1;
    return Last - First + 1;
}

}  // namespace

TPoint TExtStringGrid::MergeSpan(Integer ACol, Integer ARow) const
{
    return IsMergedCell(ACol, ARow) ? CellSpan(ACol, ARow) : TPoint{-1, -1};
}

void TExtStringGrid::SetSelection(const TGridRect& Value) { TBaseGrid::SetSelection(Value); }

// The selection goes past the last cell, where nothing paints it as selected (a grid left with
// only its header row must not show that row as current); its two corners are kept.
void TExtStringGrid::HideSelection()
{
    if (!FSelHidden) FHiddenSelection = {Anchor().X, Anchor().Y, Col(), Row()};
    ParkSelectionOutside();
    FSelHidden = true;
}

void TExtStringGrid::SelectCheckedRow(Integer ARow)
{
    if (ARow < FixedRows() || ARow >= RowCount()) return;
    SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
    const Integer real = RealRowIndex(ARow);
    if (real != ARow) RepaintCell(0, ARow);
    if (Row() == ARow && !GetRowSelect(real)) HideSelection();
}

// The kept selection comes back when its top-left cell still exists, cut to the grid (rows or
// columns may have gone meanwhile); otherwise the first normal cell, or the header cell when
// the grid has nothing but its fixed row (column), becomes the selection.
void TExtStringGrid::UnHideSelection()
{
    FSelHidden = false;
    const TGridRect& kept = FHiddenSelection;
    const Integer lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    if (std::min(kept.Top, kept.Bottom) <= lastRow && std::min(kept.Left, kept.Right) <= lastCol) {
        SetSelection({std::min(kept.Left, lastCol), std::min(kept.Top, lastRow), std::min(kept.Right, lastCol),
                      std::min(kept.Bottom, lastRow)});
        return;
    }
    const Integer row = FixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    const Integer col = FixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    SetSelection({col, row, col, row});
}

bool TExtStringGrid::StoredRowSelect(Integer ARow) const { return ListFlag(*m_rowSelectList, ARow); }

Integer TExtStringGrid::SelectionRow(Integer ARow) const
{
    return m_mouseActions->RowSelectPersistent ? RealRowIndex(ARow) : ARow;
}

bool TExtStringGrid::GetRowSelect(Integer ARow)
{
    // A negative row is no row in either mode; a persistent selection may name rows past the
    // displayed ones (hidden rows keep their flags), which read as not selected.
    if (ARow < 0 || (!m_mouseActions->RowSelectPersistent && ARow >= AllRowCount()))
        throw EExtGridError(u"Invalid row " + IntToStr(ARow) + u" accessed");
    if (m_mouseActions->DisjunctRowSelect()) return StoredRowSelect(ARow);
    const TGridRect sel = Selection();
    return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

void TExtStringGrid::SetRowSelect(Integer ARow, bool Value)
{
    if (ARow < 0 || (ARow >= AllRowCount() && RowCount() > FixedRows())) throw EExtGridError(u"Invalid row accessed");
    const bool was = StoredRowSelect(ARow);
    bool allow = true;
    if (was != Value && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
    GrowList(*m_rowSelectList, ARow + 1);
    if (was != Value) RepaintRow(ARow);
    m_rowSelectList->SetItems(ARow, Value ? SetFlag : nullptr);
    if (Value) {
        if (ARow >= FixedRows() && !m_selectedRows->HasValue(ARow)) m_selectedRows->Add(ARow);
    } else {
        m_selectedRows->DeleteValue(ARow);
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TExtStringGrid::GetColSelect(Integer ACol)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError(u"Invalid column accessed");
    return ListFlag(*m_colSelectList, ACol);
}

void TExtStringGrid::SetColSelect(Integer ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError(u"Invalid column accessed");
    GrowList(*m_colSelectList, ACol + 1);
    if (ListFlag(*m_colSelectList, ACol) == Value) return;
    m_colSelectList->SetItems(ACol, Value ? SetFlag : nullptr);
    RepaintCol(ACol);
}

void TExtStringGrid::SelectRows(Integer RowIndex, Integer RCount)
{
    if (RowIndex + RCount > RowCount()) RCount = RowCount() - RowIndex;
    if (RCount <= 0 || RowIndex < 0) return;
    if (!m_mouseActions->DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (Integer r = RowIndex; r < RowIndex + RCount; ++r) {
            const Integer row = SelectionRow(r);
            if (row < RowCount()) SetRowSelect(row, true);
        }
    }
    if (!m_rowIndicator->Empty()) RepaintCol(0);
    FSelChange = false;
}

void TExtStringGrid::UnSelectRows(Integer RowIndex, Integer RCount)
{
    if (!m_mouseActions->DisjunctRowSelect()) return;
    for (Integer r = std::max(RowIndex, 0); r < RowIndex + RCount; ++r) {
        const Integer row = SelectionRow(r);
        if (row < RowCount()) SetRowSelect(row, false);
    }
    FSelChange = false;
}

void TExtStringGrid::SelectCols(Integer ColIndex, Integer CCount)
{
    if (!m_mouseActions->DisjunctColSelect()) {
        const Integer last = std::min(ColIndex + CCount, ColCount()) - 1;
        if (ColIndex < 0 || last < ColIndex) return;
        SetSelection({ColIndex, FixedRows(), last, RowCount() - 1});
        return;
    }
    for (Integer c = std::max(ColIndex, 0); c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExtStringGrid::UnSelectCols(Integer ColIndex, Integer CCount)
{
    if (!m_mouseActions->DisjunctColSelect()) return;
    for (Integer c = std::max(ColIndex, 0); c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TExtStringGrid::SelectRange(Integer FromCol, Integer ToCol, Integer FromRow, Integer ToRow)
{
    SetRowEx(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::SelectCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::ClearRowSelect()
{
    for (Integer r = 0; r < m_rowSelectList->Count(); ++r) {
        if (!StoredRowSelect(r)) continue;
        m_rowSelectList->SetItems(r, nullptr);
        RepaintRow(r);
    }
    m_selectedRows->Clear();
}

void TExtStringGrid::ClearColSelect()
{
    for (Integer c = 0; c < m_colSelectList->Count(); ++c) {
        if (!ListFlag(*m_colSelectList, c)) continue;
        m_colSelectList->SetItems(c, nullptr);
        RepaintCol(c);
    }
}

Integer TExtStringGrid::RowSelectCount()
{
    if (m_mouseActions->DisjunctRowSelect()) {
        const Integer n = std::min(AllRowCount(), m_rowSelectList->Count());
        Integer count = 0;
        for (Integer r = 0; r < n; ++r) count += StoredRowSelect(r) ? 1 : 0;
        return count;
    }
    const TGridRect sel = Selection();
    return std::abs(sel.Bottom - sel.Top) + 1;
}

Integer TExtStringGrid::ColSelectCount()
{
    if (m_mouseActions->DisjunctColSelect()) {
        Integer count = 0;
        for (Integer c = 0; c < m_colSelectList->Count(); ++c) count += ListFlag(*m_colSelectList, c) ? 1 : 0;
        return count;
    }
    const TGridRect sel = Selection();
    return sel.Right - sel.Left + 1;
}

void TExtStringGrid::UpdateRowSelectFromSelection(bool Value)
{
    const TGridRect sel = Selection();
    const Integer bottom = std::min(sel.Bottom, RowCount() - FixedFooters() - 1);
    for (Integer r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= sel.Top && r <= bottom;
        if (inside || Value) SetRowSelect(SelectionRow(r), inside);
    }
    if (NumHiddenRows() > 0) Invalidate();
}

void TExtStringGrid::UpdateColSelectFromSelection(bool Value)
{
    const TGridRect sel = Selection();
    for (Integer c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= sel.Left && c <= sel.Right;
        if (inside || Value) SetColSelect(c, inside);
    }
}

// --- modified and enabled rows -------------------------------------------------------------------

bool TExtStringGrid::GetRowModified(Integer ARow)
{
    return ARow >= 0 && ARow < m_modifiedRows->Count() && m_modifiedRows->GetInteger(ARow) == 1;
}

void TExtStringGrid::SetRowModified(Integer ARow, bool Value)
{
    if (ARow < 0) return;
    while (m_modifiedRows->Count() <= ARow) m_modifiedRows->Insert(m_modifiedRows->Count(), 0);
    m_modifiedRows->SetInteger(ARow, Value ? 1 : 0);
    RepaintCell(0, ARow);
}

Integer TExtStringGrid::ModifiedRowCount() const
{
    Integer count = 0;
    for (Integer r = 0; r < m_modifiedRows->Count(); ++r) count += m_modifiedRows->GetInteger(r) == 1 ? 1 : 0;
    return count;
}

void TExtStringGrid::ClearModifiedRows()
{
    m_modifiedRows->Clear();
    Invalidate();
}

bool TExtStringGrid::GetRowEnabled(Integer ARow)
{
    return ARow < 0 || ARow >= m_enabledRows->Count() || m_enabledRows->GetInteger(ARow) == 0;
}

void TExtStringGrid::SetRowEnabled(Integer ARow, bool Value)
{
    if (ARow < 0) return;
    if (ARow == Row() && !Value) {
        for (Integer r = FixedRows(); r < RowCount(); ++r) {
            if (r == ARow || !GetRowEnabled(r)) continue;
            SetRowEx(r);
            break;
        }
    }
    FUseEnabledRows = true;
    while (m_enabledRows->Count() <= ARow) m_enabledRows->Insert(m_enabledRows->Count(), 0);
    m_enabledRows->SetInteger(ARow, Value ? 0 : 1);
    RepaintRow(ARow);
}

// --- uniform questions -----------------------------------------------------------------------------

bool TExtStringGrid::IsSelected(Integer ACol, Integer ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    if (m_mouseActions->DisjunctCellSelect()) return m_selectedCells->HasValue(CellKey(ACol, ARow));
    if (m_mouseActions->DisjunctRowSelect()) return StoredRowSelect(SelectionRow(ARow));
    if (m_mouseActions->DisjunctColSelect()) return ListFlag(*m_colSelectList, ACol);
    return Selection().Contains(ACol, ARow);
}

String TExtStringGrid::SelectedText()
{
    TGridRect r = Selection();
    if ((Options() & goRowSelect) && m_dragDropSettings->OleEntireRows) {
        r.Left = 0;
        r.Right = ColCount() - 1;
    }
    std::vector<Integer> rows;
    if (m_mouseActions->DisjunctRowSelect()) {
        for (Integer row = FixedRows(); row < RowCount(); ++row)
            if (StoredRowSelect(SelectionRow(row))) rows.push_back(row);
    } else {
        for (Integer row = r.Top; row <= r.Bottom; ++row) rows.push_back(row);
    }
    String text;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += u"\r\n";
        for (Integer c = r.Left; c <= r.Right; ++c) {
            if (c > r.Left) text += u'\t';
            String cell = GetCellEx(RealColIndex(c), rows[i]);
            if (ClassifyCellText(cell, false) == ctkRichText) cell = RichCellPlainText(cell);
            if (ExcelClipboardFormat && CountLines(cell, true) > 1) QuoteMultiLineCsv(cell);
            text += cell;
        }
    }
    return text;
}

// --- disjunct cells and counts ------------------------------------------------------------------

bool TExtStringGrid::GetSelectedCells(Integer ACol, Integer ARow)
{
    if (m_mouseActions->DisjunctCellSelect()) return m_selectedCells->HasValue(CellKey(ACol, ARow));
    return Selection().Contains(ACol, ARow);
}

void TExtStringGrid::SetSelectedCells(Integer ACol, Integer ARow, bool Value)
{
    const Integer key = CellKey(ACol, ARow);
    const bool present = m_selectedCells->HasValue(key);
    if (Value == present) return;
    if (Value)
        m_selectedCells->Add(key);
    else
        m_selectedCells->DeleteValue(key);
    RepaintCell(ACol, ARow);
}

TGridCoord TExtStringGrid::SelectedCell(Integer Index) const { return KeyCell(m_selectedCells->GetInteger(Index)); }

Integer TExtStringGrid::SelectedRow(Integer Index)
{
    if (m_mouseActions->DisjunctRowSelect())
        return Index >= 0 && Index < m_selectedRows->Count() ? m_selectedRows->GetInteger(Index) : -1;
    const TGridRect sel = Selection();
    return Index >= 0 && sel.Top + Index <= sel.Bottom ? sel.Top + Index : -1;
}

Integer TExtStringGrid::SelectedCellsCount()
{
    if (m_mouseActions->DisjunctCellSelect()) return m_selectedCells->Count();
    m_selectedCells->Clear();
    const TGridRect sel = Selection();
    if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
        m_selectedCells->Add(CellKey(Col(), Row()));
        return 1;
    }
    for (Integer c = sel.Left; c <= sel.Right; ++c)
        for (Integer r = sel.Top; r <= sel.Bottom; ++r) m_selectedCells->Add(CellKey(c, r));
    return m_selectedCells->Count();
}

Integer TExtStringGrid::SelectedRowCount()
{
    if (m_mouseActions->DisjunctRowSelect()) return m_selectedRows->Count();
    TGridRect s = Selection();
    const Integer lastNormal = RowCount() - FixedFooters() - 1;
    if (s.Bottom > lastNormal) s.Bottom = std::max(lastNormal, s.Top);
    return MergeAwareCount(s.Top, s.Bottom, MergeSpan(s.Left, s.Top).Y, MergeSpan(s.Left, s.Bottom).Y);
}

Integer TExtStringGrid::SelectedColCount()
{
    if (m_mouseActions->DisjunctColSelect()) return ColSelectCount();
    const TGridRect s = Selection();
    return MergeAwareCount(s.Left, s.Right, MergeSpan(s.Left, s.Top).X, MergeSpan(s.Right, s.Top).X);
}

void TExtStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    m_selectedCells->Clear();
    Invalidate();
}

void TExtStringGrid::InvalidateCellRange(const TGridRect& ARect) { RepaintRect(ARect); }

// --- cells and navigation --------------------------------------------------------------------------

void TExtStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell)
{
    const String fromText = GetGridCell(FromCell.X, FromCell.Y);
    TCellProperties* fromObject = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, fromText);
    SetGridObject(ToCell.X, ToCell.Y, fromObject);
}

TPoint TExtStringGrid::CurrentBaseCell() const
{
    const TPoint cell{RealColIndex(Col()), Row()};
    return IsMergedCell(cell.X, cell.Y) ? BaseCell(cell.X, cell.Y) : cell;
}

String TExtStringGrid::GetCurrentCell()
{
    const TPoint cell = CurrentBaseCell();
    return GetGridCell(cell.X, cell.Y);
}

void TExtStringGrid::SetCurrentCell(const String& Value)
{
    const TPoint cell = CurrentBaseCell();
    SetCellEx(cell.X, cell.Y, Value);
}

String TExtStringGrid::GetCurrentCellText()
{
    const TPoint cell = CurrentBaseCell();
    return GetCellEx(cell.X, cell.Y);
}

void TExtStringGrid::SetCurrentCellEditText(const String& Value)
{
    const TPoint cell = CurrentBaseCell();
    SetEditText(DisplColIndex(cell.X), cell.Y, Value);
}

bool TExtStringGrid::CalcSizingState(Integer X, Integer Y)
{
    Integer index = 0, offset = 0;
    const TGridState state = TBaseGrid::CalcSizingState(X, Y, index, offset);
    if (state == gsNormal) return false;
    Integer c = -1, r = -1;
    bool allow = true;
    // The cell left of the line: a column sized from a fixed row may be vetoed.
    MouseToCell(X - 6, Y, c, r);
    if (state == gsColSizing && r >= 0 && r < FixedRows() && c >= 0 && OnColumnSize) OnColumnSize(this, c, allow);
    if (!allow) return false;
    MouseToCell(X, Y - 6, c, r);
    if (state == gsRowSizing && c >= 0 && c < FixedCols() && r >= 0 && OnRowSize) OnRowSize(this, r, allow);
    return allow;
}

void TExtStringGrid::GotoCell(Integer ACol, Integer ARow)
{
    SetRowEx(ARow);
    SetCol(ACol);
}

void TExtStringGrid::EditCell(Integer ACol, Integer ARow)
{
    if (CanFocus()) SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

}  // namespace gw
