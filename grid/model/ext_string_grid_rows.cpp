// The string grid's shape: inserting and removing rows and columns with every side structure kept
// in step (heights, widths, column visibility, hidden-row items, flag lists, cell controls, the
// current row), removal by selection, check state and duplicates, and the change notification.
//
// Rows move whole in the cell store (hidden columns and cell objects with them), in bulk; no cell
// object is ever referenced from two cells, stored rows past RowCount included.
#include "grid/foundation/control_list.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/grid_change_notifier.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/list.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <limits>
#include <unordered_set>
#include <vector>

namespace gw {

namespace {

constexpr Integer AllStored = std::numeric_limits<Integer>::max();

// Deletes Count entries at Index from a per-row list, as far as the list reaches.
void DeleteEntries(TIntList& List, Integer Index, Integer Count)
{
    for (Integer i = 0; i < Count && Index < List.Count(); ++i) List.Delete(Index);
}

void DeleteEntries(TList& List, Integer Index, Integer Count)
{
    for (Integer i = 0; i < Count && Index < List.Count(); ++i) List.Delete(Index);
}

// Inserts Count cleared entries at Index when Index lies inside the list.
void InsertEntries(TIntList& List, Integer Index, Integer Count)
{
    if (Index < 0 || Index >= List.Count()) return;
    for (Integer i = 0; i < Count; ++i) List.Insert(Index, 0);
}

// The selected rows after Count rows went at Index: those inside are dropped, those after move up.
void RemoveFromSelectedRows(TIntList& Rows, Integer Index, Integer Count)
{
    for (Integer i = Rows.Count() - 1; i >= 0; --i) {
        const Integer r = Rows.GetInteger(i);
        if (r >= Index + Count)
            Rows.SetInteger(i, r - Count);
        else if (r >= Index)
            Rows.Delete(i);
    }
}

void ShiftSelectedRows(TIntList& Rows, Integer Index, Integer Count)
{
    for (Integer i = 0; i < Rows.Count(); ++i)
        if (Rows.GetInteger(i) >= Index) Rows.SetInteger(i, Rows.GetInteger(i) + Count);
}

// Controls whose (real) row lies at or after FromRow move by Delta.
void ShiftControls(TControlList& List, Integer FromRow, Integer Delta)
{
    struct TItem {
        Integer X, Y;
        TControl* Control;
    };
    std::vector<TItem> items;
    for (Integer i = 0; i < List.Count(); ++i) {
        const TControlItem* item = List.GetControl(i);
        items.push_back({item->X(), item->Y() >= FromRow ? item->Y() + Delta : item->Y(), item->Control()});
    }
    List.Clear();
    for (const TItem& item : items) List.AddControl(item.X, item.Y, item.Control);
}

// A visible floating footer stands aside while rows are removed: the removal moves the footer's
// row up itself, and the row-count setter must not move it once more (it would put an emptied row
// over it). The footer comes back, with the fixed footers it had, when the scope ends.
[[nodiscard]] auto FooterAside(TExtStringGrid& Grid)
{
    TFloatingFooter& footer = *Grid.FloatingFooter();
    const bool shown = footer.Visible();
    const Integer footers = Grid.FixedFooters();
    if (shown) footer.SetVisible(false);
    return TScopeExit{[&Grid, &footer, shown, footers] {
        if (!shown) return;
        footer.SetVisible(true);
        Grid.SetFixedFooters(footers);
    }};
}

}  // namespace

// --- change notification -------------------------------------------------------------------------

void TExtStringGrid::NotifyCellsChanged(const TGridRect& R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    m_notifiers->CellsChanged(R);
    // The footer is recalculated only where there is one to show it.
    if (m_floatingFooter) CalcFooter(-1);
}

// The current row moves without the row setter's resynchronisation of the disjunct row flags,
// which a removal has just kept in step.
void TExtStringGrid::MoveCurrentRow(Integer ARow)
{
    if (Row() == ARow || ARow < 0 || ARow >= RowCount()) return;
    MoveColRow(Col(), ARow, true, false);
    ReportRowChange();
}

// Most tables keep one height: only a differing height is written, which spares a large table
// a resize per row.
void TExtStringGrid::CopyRowHeight(Integer FromRow, Integer ToRow)
{
    if (RowHeights(ToRow) != RowHeights(FromRow)) SetRowHeights(ToRow, RowHeights(FromRow));
}

// --- rows --------------------------------------------------------------------------------------------

void TExtStringGrid::EmptyRowCells(Integer ARow)
{
    FreeCellPropertiesRange(0, ARow, AllStored, ARow);
    CellStore().ClearRow(ARow);
}

void TExtStringGrid::RemoveRows(Integer ARow, Integer ACount)
{
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
    ACount = std::min(ACount, RowCount() - ARow);
    if (m_controlList->Count() > 0) ShiftControls(*m_controlList, RealRowIndex(ARow + ACount), -ACount);
    FreeCellPropertiesRange(0, ARow, AllStored, ARow + ACount - 1);
    const Integer oldRow = Row();
    const Integer oldTop = TopRow();
    // The bounds of the normal rows come from the fixed footers as they were before the footer
    // stood aside: hidden, it counts none.
    const Integer footers = FixedFooters();
    BeginUpdate();
    {
        TScopeExit endUpdate([this] { EndUpdate(); });
        const auto footerAside = FooterAside(*this);
        FHiddenRows.ShiftForRemovedRows(DispRow(ARow), ACount);
        if (m_showModified->Enabled) DeleteEntries(*m_modifiedRows, ARow, ACount);
        if (FUseEnabledRows) DeleteEntries(*m_enabledRows, ARow, ACount);
        if (m_mouseActions->DisjunctRowSelect()) {
            DeleteEntries(*m_rowSelectList, ARow, ACount);
            RemoveFromSelectedRows(*m_selectedRows, ARow, ACount);
        }
        // Heights follow their rows; the store closes the gap in one step.
        for (Integer r = ARow; r + ACount < RowCount(); ++r) CopyRowHeight(r + ACount, r);
        CellStore().DeleteRows(ARow, ACount);
        const Integer newCount = RowCount() - ACount;
        for (Integer r = newCount; r < CellStore().RowExtent(); ++r) EmptyRowCells(r);
        SetRowCount(newCount);
        FMaxRowCount = std::max(FMaxRowCount - ACount, RowCount());
        const Integer lastNormal = RowCount() - footers - 1;
        if (oldRow <= lastNormal) {
            if (!m_mouseActions->DisjunctRowSelect()) MoveCurrentRow(oldRow);
            SetTopRowEx(oldTop);
        } else if (lastNormal >= FixedRows()) {
            MoveCurrentRow(lastNormal);
        } else {
            HideSelection();
        }
    }
    NotifyCellsChanged({0, ARow, ColCount() - 1, ARow + ACount});
    const Integer fill = RowCount() + FixedRows() - VisibleRowCount() - 2;
    if (TopRow() >= fill && RowCount() - VisibleRowCount() - 1 > 0) SetTopRowEx(fill);
    if (m_controlList->Count() > 0) CellControlsUpdate(false);
}

void TExtStringGrid::RemoveRowsEx(Integer ARow, Integer ACount)
{
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
    ACount = std::min(ACount, RowCount() - ARow);
    const Integer oldRow = Row();
    const Integer oldTop = TopRow();
    BeginUpdate();
    {
        TScopeExit endUpdate([this] { EndUpdate(); });
        const auto footerAside = FooterAside(*this);
        // The removed rows' objects still in their slots belong to nobody else: free them rather
        // than losing them.
        FreeCellPropertiesRange(0, ARow, AllStored, ARow + ACount - 1);
        CellStore().DeleteRows(ARow, ACount);
        const Integer newCount = RowCount() - ACount;
        for (Integer r = newCount; r < CellStore().RowExtent(); ++r) EmptyRowCells(r);
        if (m_mouseActions->DisjunctRowSelect()) {
            DeleteEntries(*m_rowSelectList, ARow, ACount);
            RemoveFromSelectedRows(*m_selectedRows, ARow, ACount);
        }
        SetRowCount(newCount);
        FMaxRowCount = std::max(FMaxRowCount - ACount, RowCount());
        if (oldRow < RowCount()) {
            MoveCurrentRow(oldRow);
            SetTopRowEx(oldTop);
        } else if (FixedRows() < RowCount()) {
            MoveCurrentRow(FixedRows());
            SetTopRowEx(FixedRows());
        }
    }
    FHiddenRows.ShiftForRemovedRows(DispRow(ARow), ACount);
    NotifyCellsChanged({0, ARow, ColCount() - 1, ARow + ACount});
}

void TExtStringGrid::DeleteRowRange(Integer ARow, Integer ACount)
{
    if (ARow < 0 || ACount <= 0) return;
    FreeCellPropertiesRange(0, ARow, AllStored, ARow + ACount - 1);
    RemoveRowRange(ARow, ACount, true);
}

void TExtStringGrid::RemoveRowRange(Integer ARow, Integer ACount, bool Flag)
{
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
    ACount = std::min(ACount, RowCount() - ARow);
    if (Flag) {
        const Integer from = RealRowIndex(ARow), to = RealRowIndex(ARow + ACount - 1);
        for (Integer i = m_controlList->Count() - 1; i >= 0; --i) {
            const TControlItem* item = m_controlList->GetControl(i);
            if (item->Y() < from || item->Y() > to) continue;
            if (item->Control()) item->Control()->SetVisible(false);
            m_controlList->RemoveControl(i);
        }
        ShiftControls(*m_controlList, to + 1, -ACount);
    }
    const bool disjunct = m_mouseActions->DisjunctRowSelect();
    const Integer footers = FixedFooters();
    const Integer oldRow = Row();
    const Integer oldTop = TopRow();
    // Everything set aside here is back before the change is announced, so that the footer is
    // calculated over the rows that remain.
    {
        TScopeExit restoreDisjunct([this, disjunct] { m_mouseActions->SetDisjunctRowSelectDirect(disjunct); });
        m_mouseActions->SetDisjunctRowSelectDirect(false);
        BeginUpdate();
        TScopeExit endUpdate([this] { EndUpdate(); });
        const auto footerAside = FooterAside(*this);
        TTemporaryChange<Integer> noFooters(FFixedFooters, 0);
        std::vector<Integer> heights;
        for (Integer r = 0; r < RowCount(); ++r) heights.push_back(RowHeights(r));
        heights.erase(heights.begin() + ARow, heights.begin() + ARow + ACount);
        if (Flag) FHiddenRows.ShiftForRemovedRows(DispRow(ARow), ACount);
        if (disjunct && !m_mouseActions->RowSelectPersistent) {
            DeleteEntries(*m_rowSelectList, ARow, ACount);
            RemoveFromSelectedRows(*m_selectedRows, ARow, ACount);
        }
        // The row deletion of the base grid: the rows after the range move up in one step.
        TBaseGrid::DeleteRows(ARow, ACount);
        FNormalRowCount = RowCount();
        const Integer lastNormal = RowCount() - footers - 1;
        if (oldRow <= lastNormal) {
            MoveCurrentRow(oldRow);
            SetTopRowEx(oldTop);
        } else if (lastNormal >= FixedRows()) {
            MoveCurrentRow(lastNormal);
        } else {
            HideSelection();
        }
        for (Integer r = 0; r < RowCount() && r < Integer(heights.size()); ++r)
            if (RowHeights(r) != heights[r]) SetRowHeights(r, heights[r]);
    }
    NotifyCellsChanged({0, ARow, ColCount() - 1, ARow + ACount});
    if (TopRow() >= RowCount() - 1) SetTopRowEx(RowCount() - 1);
    if (m_controlList->Count() > 0) CellControlsUpdate(false);
}

void TExtStringGrid::InsertRows(Integer ARow, Integer ACount, bool Update) { InsertRowRange(ARow, ACount, Update); }

void TExtStringGrid::InsertRowRange(Integer ARow, Integer ACount, bool Flag)
{
    if (ARow < 0 || ARow > RowCount() || ACount <= 0) return;
    if (FSelHidden) UnHideSelection();
    const Integer realAt = RealRowIndex(ARow);
    // Rows inserted before a visible footer's row push it to the new end themselves: the count
    // setter must not move it once more (it would put an empty row over it). Hidden meanwhile,
    // the footer is shown and calculated again after.
    const bool footerShown = m_floatingFooter->Visible() && ARow < RowCount();
    if (footerShown) m_floatingFooter->SetVisible(false);
    CellStore().InsertRows(ARow, ACount);
    SetRowCount(RowCount() + ACount);
    if (footerShown) {
        m_floatingFooter->SetVisible(true);
        CalcFooter(-1);
    }
    for (Integer r = RowCount() - 1; r >= ARow + ACount; --r) CopyRowHeight(r - ACount, r);
    for (Integer r = ARow; r < ARow + ACount; ++r)
        if (RowHeights(r) != DefaultRowHeight()) SetRowHeights(r, DefaultRowHeight());
    if (m_showModified->Enabled) InsertEntries(*m_modifiedRows, ARow, ACount);
    if (FUseEnabledRows) InsertEntries(*m_enabledRows, ARow, ACount);
    // Hidden rows and row flags after the insert point move down with their rows, as the removals
    // move them up.
    FHiddenRows.ShiftForInsertedRows(RealRow(realAt), ACount);
    const Integer selectAt = m_mouseActions->RowSelectPersistent ? realAt : ARow;
    if (selectAt < m_rowSelectList->Count())
        for (Integer i = 0; i < ACount; ++i) m_rowSelectList->Insert(selectAt, nullptr);
    ShiftSelectedRows(*m_selectedRows, selectAt, ACount);
    if (Flag && m_controlList->Count() > 0) {
        ShiftControls(*m_controlList, realAt, ACount);
        CellControlsUpdate(false);
    }
    if (!FDestroying) NotifyCellsChanged({0, ARow, ColCount() - 1, ARow + ACount});
}

void TExtStringGrid::AddRow()
{
    // Under a visible footer the new row goes before the footer's row.
    if (m_floatingFooter->Visible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (m_floatingFooter->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
}

// --- columns -----------------------------------------------------------------------------------------

void TExtStringGrid::InsertCols(Integer ACol, Integer ACount)
{
    if (ACol < 0 || ACol > TotalColCount() || ACount <= 0) return;
    const Integer displayedAt = DisplColIndex(ACol);
    CellStore().InsertColumns(ACol, ACount);
    FColumnVisibility.InsertColumns(RealCol(ACol), ACount);
    SetColCount(ColCount() + ACount);
    for (Integer c = ColCount() - 1; c >= displayedAt + ACount; --c) SetColWidths(c, ColWidths(c - ACount));
    for (Integer c = displayedAt; c < displayedAt + ACount && c < ColCount(); ++c) SetColWidths(c, DefaultColWidth());
    NotifyCellsChanged({ACol, 0, ACol + ACount, RowCount() - 1});
}

void TExtStringGrid::AddColumn() { InsertCols(TotalColCount(), 1); }

void TExtStringGrid::RemoveCols(Integer ACol, Integer ACount)
{
    if (ACol < 0 || ACol >= TotalColCount() || ACount <= 0) return;
    ACount = std::min(ACount, TotalColCount() - ACol);
    // The widths of the displayed columns that stay, in their order.
    std::vector<Integer> widths;
    for (Integer c = 0; c < ColCount(); ++c) {
        const Integer real = RealColIndex(c);
        if (real < ACol || real >= ACol + ACount) widths.push_back(ColWidths(c));
    }
    ClearRealRect(ACol, 0, ACol + ACount - 1, RowCount() - 1);
    FreeCellPropertiesRange(ACol, 0, ACol + ACount - 1, AllStored);
    CellStore().DeleteColumns(ACol, ACount);
    FColumnVisibility.RemoveColumns(RealCol(ACol), ACount);
    SetColCount(Integer(widths.size()));
    for (Integer c = 0; c < ColCount() && c < Integer(widths.size()); ++c)
        if (ColWidths(c) != widths[c]) SetColWidths(c, widths[c]);
    NotifyCellsChanged({ACol, 0, ACol + ACount, RowCount() - 1});
}

// --- removal and hiding by selection, check state and duplicates -------------------------------------

void TExtStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    TScopeExit endUpdate([this] { EndUpdate(); });
    if (m_mouseActions->DisjunctRowSelect()) {
        std::vector<Integer> rows;
        for (Integer r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
            if (StoredRowSelect(SelectionRow(r))) rows.push_back(r);
        for (const Integer r : rows) DeleteRowRange(r, 1);
        ClearRowSelect();
        return;
    }
    const TGridRect sel = Selection();
    for (Integer r = sel.Bottom; r >= sel.Top; --r) DeleteRowRange(r, 1);
}

void TExtStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    TScopeExit endUpdate([this] { EndUpdate(); });
    for (Integer r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
        if (!GetRowSelect(r)) DeleteRowRange(r, 1);
    if (m_mouseActions->RowSelectPersistent)
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
}

void TExtStringGrid::RemoveSelectedCols()
{
    if (m_mouseActions->DisjunctColSelect()) {
        for (Integer c = ColCount() - 1; c >= FixedCols(); --c) {
            if (!GetColSelect(c)) continue;
            RemoveCols(RealColIndex(c), 1);
            DeleteEntries(*m_colSelectList, c, 1);
        }
        return;
    }
    const TGridRect sel = Selection();
    RemoveCols(RealColIndex(sel.Left), sel.Right - sel.Left + 1);
}

void TExtStringGrid::RemoveUnSelectedCols()
{
    if (m_mouseActions->DisjunctColSelect()) {
        for (Integer c = ColCount() - 1; c >= FixedCols(); --c) {
            if (GetColSelect(c)) continue;
            RemoveCols(RealColIndex(c), 1);
            DeleteEntries(*m_colSelectList, c, 1);
        }
    } else {
        const TGridRect sel = Selection();
        if (sel.Right + 1 < ColCount()) RemoveCols(RealColIndex(sel.Right + 1), ColCount() - sel.Right - 1);
        if (sel.Left > FixedCols()) RemoveCols(RealColIndex(FixedCols()), sel.Left - FixedCols());
    }
    ClearColSelect();
}

void TExtStringGrid::HideSelectedRows()
{
    BeginUpdate();
    TScopeExit endUpdate([this] { EndUpdate(); });
    for (Integer r = RowCount() - 1; r >= FixedRows(); --r) {
        if (!StoredRowSelect(SelectionRow(r))) continue;
        const Integer real = RealRowIndex(r);
        HideRows(real, real);
    }
}

void TExtStringGrid::HideUnSelectedRows()
{
    BeginUpdate();
    TScopeExit endUpdate([this] { EndUpdate(); });
    for (Integer r = FixedRows(); r < RowCount();) {
        if (StoredRowSelect(SelectionRow(r))) {
            ++r;
            continue;
        }
        const Integer real = RealRowIndex(r);
        HideRows(real, real);
    }
}

void TExtStringGrid::RemoveCheckedRows(Integer CheckBoxColumn, bool RemoveChecked)
{
    BeginUpdate();
    TScopeExit endUpdate([this] { EndUpdate(); });
    for (Integer r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
}

void TExtStringGrid::RemoveDuplicates(Integer ACol, bool DoCase)
{
    const Integer col = RealColIndex(ACol);
    std::unordered_set<String> kept;
    BeginUpdate();
    TScopeExit endUpdate([this] { EndUpdate(); });
    for (Integer r = FixedRows(); r < RowCount() - FixedFooters();) {
        const String text = DoCase ? GetCellEx(col, r) : AnsiUpperCase(GetCellEx(col, r));
        if (!kept.insert(text).second) {
            DeleteRowRange(r, 1);
            continue;
        }
        ++r;
    }
}

}  // namespace gw
