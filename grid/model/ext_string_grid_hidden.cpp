// The string grid's hidden columns and rows: hiding and showing them, cells addressed by real
// row, the used cells and the save range.
//
// A hidden column keeps its cells in the store at its real index; only its width moves into the
// visibility map. A hidden row's cells, objects and height move into its hidden-row item and the
// displayed rows close up; showing opens them again. Each call moves the store once, however many
// rows it hides or shows.
#include "grid/foundation/control_list.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>
#include <utility>

namespace gw {

// --- columns -------------------------------------------------------------------------------------

void TExtStringGrid::HideColumn(Integer ColIndex) { HideColumns(ColIndex, ColIndex); }

void TExtStringGrid::UnHideColumn(Integer ColIndex) { UnHideColumns(ColIndex, ColIndex); }

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }

void TExtStringGrid::HideColumns(Integer FromCol, Integer ToCol)
{
    CloseEditorForLayoutChange();
    for (Integer c = std::max(FromCol, 0); c <= ToCol && c < TColumnVisibility::HideableColumns; ++c) {
        if (IsHiddenColumn(c) || c >= TotalColCount() || ColCount() <= 1) continue;
        const Integer d = DisplColIndex(c);
        const Integer width = ColWidths(d);
        for (Integer i = d; i < ColCount() - 1; ++i) SetColWidths(i, ColWidths(i + 1));
        FColumnVisibility.Hide(RealCol(c), width);
        if (Col() == ColCount() - 1 && Col() - 1 >= FixedCols()) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumns(Integer FromCol, Integer ToCol)
{
    CloseEditorForLayoutChange();
    for (Integer c = std::max(FromCol, 0); c <= ToCol && c < TColumnVisibility::HideableColumns; ++c) {
        Integer width = 0;
        if (!FColumnVisibility.Show(RealCol(c), width)) continue;
        SetColCount(ColCount() + 1);
        const Integer d = DisplColIndex(c);
        for (Integer i = ColCount() - 1; i > d; --i) SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, width);
    }
    Invalidate();
}

Integer TExtStringGrid::GetRealCol() const { return RealColIndex(Col()); }

bool TExtStringGrid::IsIgnoredColumn(Integer ACol) const { return m_ignoreColumns->HasValue(ACol); }

void TExtStringGrid::CloseEditorForLayoutChange()
{
    if (TBaseGrid::EditorMode()) HideInplaceEdit();
}

// --- cells by real row ---------------------------------------------------------------------------

String TExtStringGrid::GetCellsEx(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0) return {};
    if (const TGridItem* item = FHiddenRows.Find(RealRow(ARow))) {
        String value = item->Items.Strings(ACol);
        GetDisplText(ACol, ARow, value);
        return value;
    }
    return GetCellEx(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetCellsEx(Integer ACol, Integer ARow, const String& Value)
{
    if (ACol < 0 || ARow < 0) return;
    if (TGridItem* item = FHiddenRows.Find(RealRow(ARow))) {
        item->Items.SetStrings(ACol, Value);
        return;
    }
    const Integer d = DisplRowIndex(ARow);
    SetCellEx(ACol, d, Value);
    if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(ACol), d);
}

TObject* TExtStringGrid::RealRowGridObject(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    if (const TGridItem* item = FHiddenRows.Find(RealRow(ARow))) return item->Items.Objects(ACol);
    return GetGridObject(ACol, DisplRowIndex(ARow));
}

// --- rows ----------------------------------------------------------------------------------------

Integer TExtStringGrid::TotalRowCount() const { return RowCount() + NumHiddenRows(); }

void TExtStringGrid::HideRow(Integer RowIndex) { HideRows(RowIndex, RowIndex); }

void TExtStringGrid::HideRows(Integer FromRow, Integer ToRow)
{
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (FromRow > ToRow) return;
    TakeRowsOut(FHiddenRows.HideRows(RealRow(FromRow), RealRow(ToRow)));
}

void TExtStringGrid::HideRowsEx(Integer FromRow, Integer ToRow)
{
    if (FromRow < 0 || IsHiddenRow(FromRow)) return;
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (FromRow > ToRow) return;
    const Integer row = Row();
    const Integer topRow = TopRow();
    const Integer oldCount = RowCount();
    const auto hidden = FHiddenRows.HideRows(RealRow(FromRow), RealRow(ToRow));
    TakeRowsOut(hidden);
    FMaxRowCount -= static_cast<Integer>(hidden.size());
    // The current and the top row stay on their rows while those are still shown.
    if (hidden.empty() || oldCount == RowCount()) return;
    const Integer first = hidden.front().Shown.Value();
    const Integer count = static_cast<Integer>(hidden.size());
    const auto follow = [&](Integer R) { return R < first ? R : R >= first + count ? R - count : -1; };
    const Integer newRow = follow(row);
    const Integer newTop = follow(topRow);
    if (newRow < 0 || newTop < 0 || newRow >= RowCount() || newTop >= RowCount()) {
        if (FixedRows() < RowCount()) {
            TBaseGrid::SetRow(FixedRows());
            TBaseGrid::SetTopRow(FixedRows());
        }
        return;
    }
    TBaseGrid::SetRow(std::max(newRow, FixedRows()));
    if (newTop >= FixedRows()) TBaseGrid::SetTopRow(newTop);
}

void TExtStringGrid::HideRowList(const TIntList& RowList)
{
    std::vector<DispRow> rows;
    rows.reserve(static_cast<size_t>(RowList.Count()));
    for (Integer i = 0; i < RowList.Count(); ++i) {
        if (RowList.GetInteger(i) >= RowCount())
            throw EListError(u"Row list index out of bounds (" + IntToStr(RowList.GetInteger(i)) + u")");
        rows.push_back(DispRow(RowList.GetInteger(i)));
    }
    TakeRowsOut(FHiddenRows.HideRowList(rows));
}

void TExtStringGrid::UnHideRow(Integer RowIndex)
{
    TShownRow shown = FHiddenRows.UnHideRow(RealRow(RowIndex));
    if (!shown.Item) return;
    std::vector<TShownRow> rows;
    rows.push_back(std::move(shown));
    PutRowsBack(std::move(rows));
}

void TExtStringGrid::UnHideRows(Integer FromRow, Integer ToRow)
{
    PutRowsBack(FHiddenRows.UnHideRows(RealRow(FromRow), RealRow(ToRow)));
}

void TExtStringGrid::UnHideRowsAll() { PutRowsBack(FHiddenRows.UnHideRowsAll()); }

void TExtStringGrid::UnHideRowList()
{
    auto rows = FHiddenRows.UnHideRowList();
    if (Row() >= RowCount() && FixedCols() < ColCount() && FixedRows() < RowCount())
        FocusCell(FixedCols(), FixedRows());
    PutRowsBack(std::move(rows));
}

void TExtStringGrid::TakeRowsOut(const std::vector<THiddenRow>& Rows)
{
    if (Rows.empty()) return;
    TGridCellStore& store = CellStore();
    for (const THiddenRow& hidden : Rows) {
        const Integer d = hidden.Shown.Value();
        TGridItem& item = *hidden.Item;
        item.Height = RowHeights(d);
        // The row's cells go over whole; the emptied row ends up below the display.
        item.Items.Adopt(store.TakeRow(d));
    }
    // Close the display up: each shown row moves up to the next free place with its height;
    // the emptied rows end up below the new last row.
    const Integer oldCount = RowCount();
    Integer write = Rows.front().Shown.Value();
    size_t next = 0;
    for (Integer read = write; read < oldCount; ++read) {
        if (next < Rows.size() && Rows[next].Shown.Value() == read) {
            ++next;
            continue;
        }
        MoveDisplayedRow(read, write++);
    }
    SetRowCount(oldCount - static_cast<Integer>(Rows.size()));
    CellControlsAfterRowChange();
}

void TExtStringGrid::PutRowsBack(std::vector<TShownRow> Rows)
{
    if (Rows.empty()) return;
    const bool marking = m_showModified->Enabled;
    m_showModified->Enabled = false;
    const Integer oldCount = RowCount();
    SetRowCount(oldCount + static_cast<Integer>(Rows.size()));
    // Open the display from the bottom: a shown row goes to its place, the old rows below it
    // move down past the emptied rows.
    TGridCellStore& store = CellStore();
    Integer old = oldCount - 1;
    auto next = Rows.rbegin();
    for (Integer p = RowCount() - 1; p >= 0 && next != Rows.rend(); --p) {
        if (next->Shown.Value() == p) {
            TGridItem& item = *next->Item;
            // The row comes back whole into an emptied row (what stood there moved down); a
            // leftover beyond the old count is dropped with its properties.
            TGridItemCells leftover;
            leftover.Adopt(store.PutRow(p, item.Items.Release()));
            if (store.RowHasObjects(p)) FHasCellProps = true;
            if (RowHeights(p) != item.Height) SetRowHeights(p, item.Height);
            ++next;
        } else {
            MoveDisplayedRow(old--, p);
        }
    }
    m_showModified->Enabled = marking;
    // Hiding every row below the fixed ones took the fixed rows down with the count; they are
    // fixed again once rows below them are back.
    if (TBaseGrid::FixedRows() < FMinFixedRows && FMinFixedRows < RowCount()) TBaseGrid::SetFixedRows(FMinFixedRows);
    CellControlsAfterRowChange();
    Invalidate();
}

void TExtStringGrid::MoveDisplayedRow(Integer From, Integer To)
{
    if (From == To) return;
    // The row at To is an emptied one; exchanging leaves it at From.
    CellStore().ExchangeRows(From, To);
    const Integer height = RowHeights(From);
    if (RowHeights(To) != height) SetRowHeights(To, height);
    if (RowHeights(From) != DefaultRowHeight()) SetRowHeights(From, DefaultRowHeight());
}

void TExtStringGrid::CellControlsAfterRowChange()
{
    if (m_controlList->Count() > 0) CellControlsUpdate(false);
}

// --- the hidden last row ---------------------------------------------------------------------------

// The floating footer's panel shows the hidden last row.
void TExtStringGrid::HiddenLastRowChanged()
{
    if (FFooterPanel) FFooterPanel->Invalidate();
}

// --- used cells and the save range ----------------------------------------------------------------

TGridRect TExtStringGrid::GetUsedCells()
{
    TGridRect used{ColCount(), RowCount(), -1, -1};
    for (Integer r = 0; r < RowCount(); ++r) {
        for (Integer c = 0; c < ColCount(); ++c) {
            if (GetCellEx(c, r).empty()) continue;
            used.Left = std::min(used.Left, c);
            used.Top = std::min(used.Top, r);
            used.Right = std::max(used.Right, c);
            used.Bottom = std::max(used.Bottom, r);
        }
    }
    if (used.Right < 0) return TGridRect{0, 0, 0, 0};
    return used;
}

bool TExtStringGrid::SavesFixedCols() const { return SaveFixedCells || SaveFixedCols; }

bool TExtStringGrid::SavesFixedRows() const { return SaveFixedCells || SaveFixedRows; }

Integer TExtStringGrid::SaveStartCol() const { return SavesFixedCols() ? 0 : FixedCols(); }

Integer TExtStringGrid::SaveEndCol() const
{
    return SavesFixedCols() ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

Integer TExtStringGrid::SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }

Integer TExtStringGrid::SaveStartRow() const { return SavesFixedRows() ? 0 : FixedRows(); }

Integer TExtStringGrid::SaveEndRow() const
{
    return SavesFixedRows() ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

Integer TExtStringGrid::SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }

}  // namespace gw
