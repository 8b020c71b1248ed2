// The string grid's sorts: the comparison of two rows, the plain, indexed and group sorts, the
// unsort, and the frame every sort runs in (column 0 kept, current and top row, update block).
//
// A sort finds the new order of its rows first, as a permutation of row indexes (a stable merge
// sort that stays in bounds whatever the comparison answers), and then moves each row once along
// the permutation's cycles through SortSwapRows, which keeps heights, flags, SortRow and the sort
// cross-reference in step. Rows are exchanged whole in the cell store, hidden columns included.
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/row_compare.h"
#include "grid/model/row_compare_columns.h"
#include "grid/model/row_sort.h"
#include "grid/model/show_modified.h"
#include "grid/model/sort_settings.h"
#include "platform/runtime/scope.h"

#include <optional>
#include <vector>

namespace gw {

namespace {

bool IsCheckBoxType(TCellType Type)
{
    return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

}  // namespace

// What the comparison of one column of two rows asks the grid beyond the texts.
class TGridCellCompare final : public TCellCompareGrid {
public:
    TGridCellCompare(TExtStringGrid& AGrid, Integer ACol, Integer ARow1, Integer ARow2)
        : m_grid(AGrid), m_col(ACol), m_row1(ARow1), m_row2(ARow2)
    {
    }
    bool IsCheckBoxCell() const override { return IsCheckBoxType(TypeOf(m_row1)); }
    std::pair<bool, bool> CheckStates() const override { return {Checked(m_row1), Checked(m_row2)}; }
    std::pair<Integer, Integer> PictureKeys() const override { return {PictureKey(m_row1), PictureKey(m_row2)}; }
    Integer CustomCompare(StringView A, StringView B) const override
    {
        Integer res = 0;
        if (m_grid.OnCustomCompare) m_grid.OnCustomCompare(&m_grid, String(A), String(B), res);
        return res;
    }
    Integer RawCompare() const override
    {
        Integer res = 0;
        if (m_grid.OnRawCompare) m_grid.OnRawCompare(&m_grid, m_col, m_row1, m_row2, res);
        return res;
    }
    void StripMarkup(String& A, String& B) const override
    {
        A = m_grid.GetStrippedCell(m_col, m_row1);
        B = m_grid.GetStrippedCell(m_col, m_row2);
    }

private:
    TCellType TypeOf(Integer ARow) const { return m_grid.GetCellType(m_col, ARow); }
    bool Checked(Integer ARow) const
    {
        bool state = false;
        return IsCheckBoxType(TypeOf(ARow)) && m_grid.GetCheckBoxState(m_col, ARow, state) && state;
    }
    // Image-list cells by their index; other pictures by a key that only tells them apart.
    Integer PictureKey(Integer ARow) const
    {
        const TCellType type = TypeOf(ARow);
        if (type == ctImageList) return m_grid.GetImageIdx(m_col, ARow);
        if (type == ctBitmap || type == ctIcon) return ARow;
        return -1;
    }

    TExtStringGrid& m_grid;
    Integer m_col;
    Integer m_row1;
    Integer m_row2;
};

namespace {

// The texts and objects of column 0, kept while the rows move under NormalCellsOnly.
class TColumnZeroCopy {
public:
    TColumnZeroCopy(TBaseGrid& AGrid, bool Keep) : m_grid(AGrid)
    {
        if (!Keep) return;
        for (Integer r = 0; r < AGrid.RowCount(); ++r)
            m_cells.push_back({AGrid.GetGridCell(0, r), AGrid.GetGridObject(0, r)});
    }
    // Puts each text and object back into its row; the slots only change hands, nothing is freed.
    void WriteBack()
    {
        for (size_t r = 0; r < m_cells.size(); ++r) {
            m_grid.SetGridCell(0, Integer(r), m_cells[r].Text);
            m_grid.SetGridObject(0, Integer(r), m_cells[r].Object);
        }
    }

private:
    struct TCell {
        String Text;
        TCellProperties* Object;
    };
    TBaseGrid& m_grid;
    std::vector<TCell> m_cells;
};

}  // namespace

// --- comparisons --------------------------------------------------------------------------------

StringView TExtStringGrid::SortCellText(Integer ACol, Integer ARow, String& Buffer)
{
    if (ACol == m_sortKeyCol && ARow >= m_sortKeyFirst && ARow - m_sortKeyFirst < Integer(m_sortKeys.size()))
        return m_sortKeys[size_t(ARow - m_sortKeyFirst)];
    const bool displayed = m_sortSettings->SortOnVirtualCells;
    if (!displayed || (!OnGetDisplText && !OnGetDisplWideText && !CellHasProperties(ACol, ARow)))
        return CellText(ACol, ARow);
    Buffer = GetCellEx(ACol, ARow);
    return Buffer;
}

bool TExtStringGrid::SortIgnoresColumn(Integer ACol) const
{
    return m_ignoreColumns->Count() > 0 && IsIgnoredColumn(ACol);
}

Integer TExtStringGrid::CompareRowCells(Integer ACol, Integer ARow1, Integer ARow2, TSortDirection Direction)
{
    ++Compares;
    const TSortSettings& settings = *m_sortSettings;
    TCellSortRule rule{.Style = StartSortFormat(settings.AutoFormat, settings.IgnoreCase),
                       .IgnoreCase = settings.IgnoreCase,
                       .IgnoreBlanks = settings.IgnoreBlanks,
                       .BlankPos = settings.BlankPos,
                       .Direction = Direction};
    GetSortFormat(ACol, rule.Style, rule.Prefix, rule.Suffix);
    String bufferA, bufferB;
    const StringView a = SortCellText(ACol, ARow1, bufferA);
    const StringView b = SortCellText(ACol, ARow2, bufferB);
    const TGridCellCompare grid(*this, ACol, ARow1, ARow2);
    return CompareCells(rule, a, b, grid);
}

Integer TExtStringGrid::CompareRowsFrom(Integer ACol, Integer ARow1, Integer ARow2)
{
    const TSortDirection direction = m_sortSettings->Direction;
    return gw::CompareRowsFrom(
        ACol, TotalColCount() - 1, m_sortSettings->Full, [this](Integer C) { return SortIgnoresColumn(C); },
        [&](Integer C) { return CompareRowCells(C, ARow1, ARow2, direction); });
}

Integer TExtStringGrid::CompareRowsIndexed(Integer Index, Integer ARow1, Integer ARow2)
{
    return gw::CompareRowsIndexed(
        *m_sortIndexes, Index, m_sortSettings->Full, [this](Integer C) { return SortIgnoresColumn(C); },
        [&](Integer C, TSortDirection D) { return CompareRowCells(C, ARow1, ARow2, D); });
}

// --- moving rows ----------------------------------------------------------------------------------

void TExtStringGrid::CheckGridIndex(Integer Index, Integer Count)
{
    if (Index < 0 || Index >= Count) throw EInvalidGridOperation(u"Grid index out of range");
}

template <class Compare>
void TExtStringGrid::SortRowsBy(Integer First, Integer Last, Integer KeyCol, Compare Cmp)
{
    if (Last < First) return;
    // Rows outside the grid would be made in the store and then refused half-way.
    CheckGridIndex(First, RowCount());
    CheckGridIndex(Last, RowCount());
    // Without display hooks a cell's text is what the store holds: the key column is read once
    // per row instead of twice per comparison (the rows do not move while the order is found).
    std::vector<Integer> order;
    {
        TScopeExit dropKeys([this] {
            std::vector<String>().swap(m_sortKeys);
            m_sortKeyCol = -1;
        });
        if (KeyCol >= 0 && (!m_sortSettings->SortOnVirtualCells || (!OnGetDisplText && !OnGetDisplWideText))) {
            String buffer;
            m_sortKeys.reserve(size_t(std::max<Integer>(Last - First + 1, 0)));
            for (Integer r = First; r <= Last; ++r) m_sortKeys.emplace_back(SortCellText(KeyCol, r, buffer));
            m_sortKeyFirst = First;
            m_sortKeyCol = KeyCol;
        }
        order = SortRowOrder(First, Last, Cmp);
    }
    ApplyRowOrder(First, order, [this](Integer A, Integer B) { SortSwapRows(A, B); });
}

void TExtStringGrid::SortSwapRows(Integer ARow1, Integer ARow2)
{
    ++Swaps;
    TIntList& xref = *m_sortedRows;
    if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < xref.Count() && ARow2 < xref.Count()) {
        const Integer entry = xref.GetInteger(ARow1);
        xref.SetInteger(ARow1, xref.GetInteger(ARow2));
        xref.SetInteger(ARow2, entry);
    }
    if (m_sortSettings->SingleColumn) {
        // The stored texts and the slots themselves: no display text becomes a stored one, no
        // merged cell writes its base.
        ExchangeStoredCells(m_sortSettings->Column, ARow1, m_sortSettings->Column, ARow2);
        return;
    }
    const Integer height = RowHeights(ARow1);
    if (height != RowHeights(ARow2)) {
        SetRowHeights(ARow1, RowHeights(ARow2));
        SetRowHeights(ARow2, height);
    }
    CellStore().ExchangeRows(ARow1, ARow2);
    if (m_mouseActions->DisjunctRowSelect() && m_navigation->MoveRowOnSort) {
        const Integer r1 = NumHiddenRows() > 0 ? RealRowIndex(ARow1) : ARow1;
        const Integer r2 = NumHiddenRows() > 0 ? RealRowIndex(ARow2) : ARow2;
        const bool selected = GetRowSelect(r1);
        SetRowSelect(r1, GetRowSelect(r2));
        SetRowSelect(r2, selected);
    }
    if (m_showModified->Enabled) {
        const bool modified = GetRowModified(ARow1);
        SetRowModified(ARow1, GetRowModified(ARow2));
        SetRowModified(ARow2, modified);
    }
    if (SortRow == ARow1)
        SortRow = ARow2;
    else if (SortRow == ARow2)
        SortRow = ARow1;
}

void TExtStringGrid::ExchangeStoredCells(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2)
{
    const String text = GetGridCell(ACol1, ARow1);
    TCellProperties* object = GetGridObject(ACol1, ARow1);
    SetGridCell(ACol1, ARow1, CellText(ACol2, ARow2));
    SetGridObject(ACol1, ARow1, GetGridObject(ACol2, ARow2));
    SetGridCell(ACol2, ARow2, text);
    SetGridObject(ACol2, ARow2, object);
}

void TExtStringGrid::InitSortXRef()
{
    m_sortedRows->Clear();
    for (Integer r = 0; r < RowCount(); ++r) m_sortedRows->Insert(r, r);
}

// --- rows by the order before the sorts ------------------------------------------------------------

String TExtStringGrid::GetUnSortedCells(Integer ACol, Integer ARow) { return GetCellEx(ACol, SortedPosition(ARow)); }

void TExtStringGrid::SetUnSortedCells(Integer ACol, Integer ARow, const String& Value)
{
    SetCellEx(ACol, SortedPosition(ARow), Value);
}

Integer TExtStringGrid::SortedPosition(Integer ARow) const
{
    if (ARow < 0 || ARow >= m_sortedRows->Count()) return ARow;
    const Integer at = m_sortedRows->IndexOf(ARow);
    return at >= 0 ? at : ARow;
}

Integer TExtStringGrid::SortedRowIndex(Integer ARow)
{
    if (ARow < 0) return ARow;
    const TIntList& xref = *m_sortedRows;
    return MapDisplToRealRow(ARow < xref.Count() ? xref.GetInteger(ARow) : ARow);
}

Integer TExtStringGrid::UnSortedRowIndex(Integer ARow)
{
    const TIntList& xref = *m_sortedRows;
    if (xref.Count() == 0) return ARow;
    const Integer at = xref.IndexOf(ARow);
    return at >= 0 ? at : xref.Count();
}

// --- the sort frame -------------------------------------------------------------------------------

template <class Body>
void TExtStringGrid::RunSortFrame(Body SortBody)
{
    if (RowCount() != m_sortedRows->Count()) InitSortXRef();
    // Every bound comes from the footer rows as they are now.
    const Integer footers = FixedFooters();
    TColumnZeroCopy columnZero(*this, m_sortSettings->NormalCellsOnly && FixedCols() > 0);
    const Integer topRow = GetTopRowEx();
    TUpdateScope<TExtStringGrid> update(*this);
    TScopeExit restoreTop([&] {
        if (m_navigation->KeepScrollOnSort) SetTopRowEx(topRow);
    });
    TScopeExit restoreColumnZero([&] { columnZero.WriteBack(); });
    SortRow = GetRowEx();
    SortBody(FixedRows(), RowCount() - footers - 1);
    if (m_floatingFooter->Visible()) UpdateFooter();
}

void TExtStringGrid::RestoreRowAfterSort(Integer OldRow)
{
    if (m_navigation->MoveRowOnSort) {
        FOldRowSel = -1;
        SetRowEx(SortRow);
    } else if (GetRowEx() != OldRow) {
        SetRowEx(OldRow);
    }
}

void TExtStringGrid::QSort()
{
    if (m_sortSettings->Column < 0) return;
    m_sortIndexes->Clear();
    const Integer col = m_sortSettings->Column;
    const Integer oldRow = GetRowEx();
    RunSortFrame([&](Integer First, Integer Last) {
        SortDir = m_sortSettings->Direction == sdAscending ? 1 : -1;
        SortRowsBy(First, Last, col, [&](Integer A, Integer B) { return SortDir * CompareRowsFrom(col, A, B); });
        if (!m_mouseActions->DisjunctRowSelect()) RestoreRowAfterSort(oldRow);
        if (OnRowChanged && !m_navigation->MoveRowOnSort) OnRowChanged(this, oldRow, GetRowEx());
    });
}

void TExtStringGrid::QSortIndexed()
{
    if (RowCount() != m_sortedRows->Count()) InitSortXRef();
    if (m_sortIndexes->Count() == 0) throw EExtGridError(u"No indexes specified for indexed sort");
    const Integer oldRow = GetRowEx();
    RunSortFrame([&](Integer First, Integer Last) {
        QuickSortIndexed(First, Last);
        RestoreRowAfterSort(oldRow);
    });
}

void TExtStringGrid::SortGroupRows(bool Indexed)
{
    const Integer oldRow = GetRowEx();
    RunSortFrame([&](Integer First, Integer Last) {
        const std::vector<TRowRange> groups = DeepestNodeGroups(First, Last, [this](Integer R) {
            TNodeRowInfo info;
            info.IsNode = IsNode(R);
            if (!info.IsNode) return info;
            info.Level = GetNodeLevel(R);
            info.Expanded = !GetNodeState(R);
            info.Span = GetNodeSpan(R);
            return info;
        });
        for (const TRowRange& group : groups) {
            if (Indexed)
                QuickSortIndexed(group.First, group.Last);
            else
                QuickSort(m_sortSettings->Column, group.First, group.Last);
        }
        RestoreRowAfterSort(oldRow);
    });
}

void TExtStringGrid::QSortGroup() { SortGroupRows(false); }

void TExtStringGrid::QSortGroupIndexed() { SortGroupRows(true); }

void TExtStringGrid::QUnSort()
{
    // The initial order: each row goes where its cross-reference entry says. The entries are read
    // before anything moves (a list shorter than the rows raises here).
    std::vector<Integer> entries;
    for (Integer r = 0; r < RowCount(); ++r) entries.push_back(m_sortedRows->GetInteger(r));
    TColumnZeroCopy columnZero(*this, m_sortSettings->NormalCellsOnly && FixedCols() > 0);
    TUpdateScope<TExtStringGrid> update(*this);
    TScopeExit restoreColumnZero([&] { columnZero.WriteBack(); });
    SortRowsBy(0, RowCount() - 1, -1, [&](Integer A, Integer B) {
        const Integer a = entries[size_t(A)], b = entries[size_t(B)];
        return a < b ? -1 : (a > b ? 1 : 0);
    });
}

// --- entry points ---------------------------------------------------------------------------------

void TExtStringGrid::Sort(Integer Column, TSortDirection Direction)
{
    m_sortSettings->Column = Column;
    m_sortSettings->Direction = Direction;
    QSort();
}

void TExtStringGrid::SortByColumn(Integer Col)
{
    if (RowCount() <= 1) return;
    m_sortSettings->Column = Col;
    QSort();
}

void TExtStringGrid::QuickSort(Integer Col, Integer Left, Integer Right)
{
    SortDir = m_sortSettings->Direction == sdAscending ? 1 : -1;
    SortRowsBy(Left, Right, Col, [&](Integer A, Integer B) { return SortDir * CompareRowsFrom(Col, A, B); });
}

void TExtStringGrid::QuickSortIndexed(Integer Left, Integer Right)
{
    const Integer keyCol = m_sortIndexes->Count() > 0 ? m_sortIndexes->GetSortColumns(0) : -1;
    SortRowsBy(Left, Right, keyCol, [&](Integer A, Integer B) { return CompareRowsIndexed(0, A, B); });
}

bool TExtStringGrid::SortLine(Integer Col, Integer ARow1, Integer ARow2)
{
    // Before any plain sort has set SortDir, the settings' direction counts.
    const Integer direction = SortDir != 0 ? SortDir : (m_sortSettings->Direction == sdAscending ? 1 : -1);
    const Integer lastCol = TotalColCount() - 1;
    for (Integer c = Col; c <= lastCol; ++c) {
        const Integer result = CompareRowCells(c, ARow1, ARow2, m_sortSettings->Direction);
        if (result == 0) continue;
        if (result != direction) return false;
        SortSwapRows(ARow1, ARow2);
        return true;
    }
    return false;
}

}  // namespace gw
