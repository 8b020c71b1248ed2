// The string grid's dimensions and current cell: counts with the fixed minimums and the largest
// counts, row heights and fixed sizes, word wrap, and the current row with its one report per move.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"

namespace gw {

void TExtStringGrid::SetRowCount(Integer Value)
{
    if (FixedRowAlways && RowCount() == FixedRows() && FSelHidden) UnHideSelection();
    // A visible footer's row stays the grid's last row: it is taken out before the count
    // changes (a shrinking grid would free it) and put back at the new end.
    const bool footerRowMoves = m_floatingFooter->Visible() && Value != RowCount() && RowCount() > 0;
    TFooterRow footerRow;
    if (footerRowMoves) footerRow = TakeFooterRow();
    TBaseGrid::SetRowCount(Value);
    if (FixedRowAlways && RowCount() > FMinFixedRows) SetFixedRows(FMinFixedRows);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    FNormalRowCount = Value;
    FFooterPanel->Invalidate();
    if (ScrollProportional()) {
        UpdateVertProportionalScroll();
        UpdateHorzProportionalScroll();
    }
    ApplyScrollBarAlways(false);
    if (ScrollType() != ssNormal) SyncFlatVertScrollBar();
    if (footerRowMoves) {
        PutFooterRow(std::move(footerRow));
        CalcFooter(-1);
    }
}

TExtStringGrid::TFooterRow TExtStringGrid::TakeFooterRow()
{
    TFooterRow row;
    const Integer last = RowCount() - 1;
    for (Integer c = 0; c < ColCount(); ++c) {
        // The slot's properties travel with the row: taken out here, not freed.
        row.emplace_back(GetGridCell(c, last), std::unique_ptr<TCellProperties>(GetGridObject(c, last)));
        SetGridObject(c, last, nullptr);
        SetGridCell(c, last, u"");
    }
    return row;
}

void TExtStringGrid::PutFooterRow(TFooterRow Row)
{
    const Integer last = RowCount() - 1;
    for (Integer c = 0; c < std::min(Integer(Row.size()), ColCount()); ++c) {
        SetGridCell(c, last, Row[std::size_t(c)].first);
        if (Row[std::size_t(c)].second) SetCellProperties(c, last, Row[std::size_t(c)].second.release());
    }
}

void TExtStringGrid::SetColCount(Integer Value)
{
    TBaseGrid::SetColCount(Value);
    if (FixedColAlways && ColCount() > FMinFixedCols) SetFixedCols(FMinFixedCols);
    FMaxColCount = std::max(FMaxColCount, Value);
    SetBounds(Left(), Top(), Width(), Height());
    if (ScrollProportional()) {
        UpdateHorzProportionalScroll();
        UpdateVertProportionalScroll();
    }
    ApplyScrollBarAlways(false);
}

Integer TExtStringGrid::FixedRows() const
{
    const Integer fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FixedRowAlways ? 1 : fixed;
}

Integer TExtStringGrid::FixedCols() const
{
    const Integer fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FixedColAlways ? 1 : fixed;
}

void TExtStringGrid::SetFixedRows(Integer Value)
{
    // The base grid needs one scrolling row.
    TBaseGrid::SetFixedRows(FixedRowAlways && Value >= RowCount() ? RowCount() - 1 : Value);
    if (!(ComponentState() & csLoading)) FMinFixedRows = Value;
}

void TExtStringGrid::SetFixedCols(Integer Value)
{
    TBaseGrid::SetFixedCols(FixedColAlways && Value >= ColCount() ? ColCount() - 1 : Value);
    if (!(ComponentState() & csLoading)) FMinFixedCols = Value;
}

void TExtStringGrid::SetFixedFooters(Integer Value)
{
    FFixedFooters = Value;
    Invalidate();
}

void TExtStringGrid::SetFixedRightCols(Integer Value)
{
    FFixedRightCols = Value;
    Invalidate();
}

void TExtStringGrid::SetDefaultRowHeight(Integer Value)
{
    TBaseGrid::SetDefaultRowHeight(Value);
    if (IsDesigning()) m_fixedRowHeight = Value;
    m_floatingFooter->SetHeight(Value);
    if (m_floatingFooter->Visible()) FFooterPanel->SetHeight(Value);
}

void TExtStringGrid::SetFixedRowHeight(Integer Value)
{
    m_fixedRowHeight = Value;
    if (ComponentState() & csLoading) return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (Integer r = 0; r < TBaseGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

Integer TExtStringGrid::FixedColWidth() const { return ColWidths(0); }

void TExtStringGrid::SetFixedColWidth(Integer Value)
{
    if ((ComponentState() & csLoading) || Value == DefaultColWidth()) return;
    for (Integer c = 0; c < TBaseGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TExtStringGrid::SetDefaultAlignment(TAlignment Value)
{
    if (m_defaultAlignment == Value) return;
    m_defaultAlignment = Value;
    Invalidate();
}

void TExtStringGrid::SetWordWrap(bool Value)
{
    m_wordWrap = Value;
    TBaseGrid::WordWrap = Value;
    // The in-place editor takes it too once the editing room builds it. Under an update lock
    // the window system keeps the invalidation until the lock ends.
    Invalidate();
}

void TExtStringGrid::SetCol(Integer Value)
{
    TBaseGrid::SetCol(Value);
    if (m_syncGrid->Grid() && m_syncGrid->SelectionColumn) m_syncGrid->Grid()->SetCol(Col());
}

void TExtStringGrid::SetRowEx(Integer Value)
{
    if (Col() < 0 || Col() >= ColCount()) MoveColRow(FixedCols(), Value, true, true);
    TBaseGrid::SetRow(Value);
    ReportRowChange();
    if (m_mouseActions->DisjunctRowSelect()) UpdateRowSelectFromSelection(true);
    if (m_syncGrid->Grid() && m_syncGrid->SelectionRow) m_syncGrid->Grid()->SetRowEx(GetRowEx());
    if (Value == RowCount() - 1 && m_searchFooter->Visible()) KeepLastRowAboveSearchPanel();
}

void TExtStringGrid::ReportRowChange()
{
    const Integer row = GetRowEx();
    if (row == FOldRowSel) return;
    const Integer old = FOldRowSel;
    FOldRowSel = row;
    if (OnRowChanged) OnRowChanged(this, old, row);
}

void TExtStringGrid::FocusCell(Integer ACol, Integer ARow) { MoveColRow(ACol, ARow, true, true); }

void TExtStringGrid::SetTopRowEx(Integer Value)
{
    if (Value >= FixedRows() && Value <= RowCount() - 1) TBaseGrid::SetTopRow(Value);
}

// A hidden grid paints nothing anyway: its lock stays as it is. While the lock is on, the cells
// the changes name are gathered; everything else is invalidated through the window system,
// which keeps it while redraw is off. A window whose redraw someone else turned off gathers
// nothing: what was dropped before is not known.
void TExtStringGrid::BeginUpdate()
{
    if (!Visible()) return;
    if (++FUpdateCount == 1 && HandleAllocated() && IsRedrawEnabled(Handle())) BeginGathering();
    if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 0, 0);
}

// The outermost EndUpdate repaints what changed: the gathered cells, or all without a
// gathering (an unmatched EndUpdate too); a grid being destroyed only lowers the count.
void TExtStringGrid::EndUpdate()
{
    if (!Visible()) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount != 0 || FDestroying) return;
    FSelChange = false;
    const TGatheredCells changed = EndGathering();
    if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 1, 0);
    if (!changed.Gathering)
        Invalidate();
    else if (changed.Any)
        InvalidateCells(changed.Cells);
    // A repaint that reaches the window's edge draws the border after it anyway.
    if (!HandleAllocated() || !FramePaintPending(Handle())) PaintColoredBorder();
}

Integer TExtStringGrid::TotalColCount() const { return ColCount() + NumHiddenColumns(); }

Integer TExtStringGrid::DisplColIndex(Integer ACol) const
{
    return FColumnVisibility.DisplColIndex(RealCol(ACol)).Value();
}

Integer TExtStringGrid::NumHiddenColumns() const { return FColumnVisibility.NumHiddenColumns(); }

Integer TExtStringGrid::NumHiddenRows() const { return FHiddenRows.Count(); }

Integer TExtStringGrid::AllRowCount() const { return RowCount() + NumHiddenRows(); }

Integer TExtStringGrid::AllColCount() const { return TotalColCount(); }

Integer TExtStringGrid::RealColIndex(Integer ACol) const
{
    return FColumnVisibility.RealColIndex(DispCol(ACol)).Value();
}

Integer TExtStringGrid::MapDisplToRealCol(Integer ACol) const { return RealColIndex(ACol); }

Integer TExtStringGrid::MapRealToDisplCol(Integer ACol) const { return DisplColIndex(ACol); }

Integer TExtStringGrid::RealRowIndex(Integer ARow) const { return FHiddenRows.RealRowIndex(DispRow(ARow)).Value(); }

Integer TExtStringGrid::MapDisplToRealRow(Integer ARow) const { return RealRowIndex(ARow); }

Integer TExtStringGrid::DisplRowIndex(Integer ARow) const { return FHiddenRows.DisplRowIndex(RealRow(ARow)).Value(); }

Integer TExtStringGrid::MapRealToDisplRow(Integer ARow) const { return DisplRowIndex(ARow); }

bool TExtStringGrid::IsHiddenColumn(Integer ACol) const { return FColumnVisibility.IsHiddenColumn(RealCol(ACol)); }

bool TExtStringGrid::IsHiddenRow(Integer ARow) const { return FHiddenRows.IsHiddenRow(RealRow(ARow)); }

}  // namespace gw
