// The string grid's find and replace: Find, FindWide, FindFirst, FindNext, Replace and the key
// lookup Search. The matching and the walk over the range are grid_find's; this room supplies the
// range, the cell texts and the move to the found cell.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/show_modified.h"
#include "grid/model/sort_settings.h"
#include "platform/runtime/strings.h"

namespace gw {

TGridRect TExtStringGrid::FindRange(TFindParams FindParams) const
{
    TGridRect r = HasFindParam(FindParams, fnSelectedCells) ? Selection()
                                                            : NormalCells(HasFindParam(FindParams, fnIncludeFixed), 0);
    if (HasFindParam(FindParams, fnIncludeHiddenColumns)) r.Right += NumHiddenColumns();
    if (HasFindParam(FindParams, fnIncludeHiddenRows)) r.Bottom += NumHiddenRows();
    return NarrowFindRange(r, FindParams, {Col(), Row()}, {FindCol, FindRow});
}

bool TExtStringGrid::FindCellMatches(Integer ACol, Integer ARow, TFindParams FindParams)
{
    const Integer col = HasFindParam(FindParams, fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    const String text = HasFindParam(FindParams, fnIncludeHiddenRows) ? GetCellsEx(col, ARow) : GetGridCell(col, ARow);
    return FindTextMatches(text, FSearchCache, FindParams);
}

void TExtStringGrid::GotoFoundCell(TPoint Cell, TFindParams FindParams)
{
    Integer row = Cell.Y;
    if (HasFindParam(FindParams, fnIncludeHiddenRows) && NumHiddenRows() > 0) {
        if (IsHiddenRow(row) && HasNodes()) {
            // The node whose span reaches the found row is opened first.
            Integer sum = FixedRows();
            Integer node = RowCount() - 1;
            for (Integer r = FixedRows(); r <= RowCount() - 2; ++r) {
                if (IsNode(r)) sum += GetNodeSpan(r);
                if (sum >= row) {
                    node = r;
                    break;
                }
            }
            ExpandNode(RealRowIndex(node));
        }
        row = DisplRowIndex(row);
    }
    // Only a cell the grid can hold as current is gone to: a fixed or hidden match stays a result.
    if (row < FixedRows() || row >= RowCount() || Cell.X < FixedCols() || Cell.X >= ColCount()) return;
    if (MouseActions()->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRowEx(row);
    } else {
        SetRowEx(row);
        SetCol(Cell.X);
    }
}

TPoint TExtStringGrid::RunFind(TPoint StartCell, const String& S, TFindParams FindParams)
{
    const TPoint none{-1, -1};
    ExportNotification(esExportStart, -1);
    FFindParams = FindParams;
    FFindBusy = true;
    FSearchCache = FindSearchCache(S, FindParams);
    TPoint found = none;
    const bool empty =
        ColCount() == 0 || ColCount() == FixedCols() || RowCount() == 0 || RowCount() + NumHiddenRows() == FixedRows();
    if (!empty) {
        const bool rows = HasFindParam(FindParams, fnDirectionLeftRight);
        // The column-by-column scan tests the ignored columns too.
        TFindCellTest skip;
        if (rows && IgnoreColumns()->Count() > 0)
            skip = [this](Integer ACol, Integer /*ARow*/) { return IgnoreColumns()->HasValue(ACol); };
        auto test = [&](Integer ACol, Integer ARow) {
            ExportNotification(esExportNewRow, ARow);
            return FindCellMatches(ACol, ARow, FindParams);
        };
        found = FindInRange(FindRange(FindParams), StartCell, FindParams, test, skip);
    }
    if (found != none) {
        FSearchCell = found;
        if (HasFindParam(FindParams, fnAutoGoto)) GotoFoundCell(found, FindParams);
    }
    FFindBusy = false;
    ExportNotification(found == none ? esExportDone : esExportFail, -1);
    return found;
}

void TExtStringGrid::KeepFoundRowAboveFooter()
{
    // The found row is not left behind the floating footer's two rows.
    const Integer a = FloatingFooter()->Visible() ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - a - 2 && VisibleRowCount() + FixedRows() + a < RowCount())
        SetTopRowEx(TopRow() + a + 1);
}

TPoint TExtStringGrid::Find(TPoint StartCell, const String& S, TFindParams FindParams)
{
    const TPoint found = RunFind(StartCell, S, FindParams);
    if (HasFindParam(FindParams, fnAutoGoto)) KeepFoundRowAboveFooter();
    return found;
}

TPoint TExtStringGrid::FindWide(TPoint StartCell, const String& S, TFindParams FindParams)
{
    return RunFind(StartCell, S, FindParams);
}

TPoint TExtStringGrid::FindFirst(const String& S, TFindParams FindParams)
{
    FSearchCell = Find({-1, -1}, S, FindParams);
    return FSearchCell;
}

TPoint TExtStringGrid::FindNext()
{
    FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
    return FSearchCell;
}

Integer TExtStringGrid::Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams)
{
    const bool hiddenRows = HasFindParam(FindParams, fnIncludeHiddenRows);
    Integer count = 0;
    // Each run steps on from the previous match and ends at the range's end, so a new text that
    // still matches is not visited again.
    for (TPoint cell = Find({-1, -1}, OrigStr, FindParams); cell != TPoint{-1, -1};
         cell = Find(cell, OrigStr, FindParams)) {
        const Integer col = HasFindParam(FindParams, fnIncludeHiddenColumns) ? cell.X : RealColIndex(cell.X);
        const String text =
            ReplaceInCellText(hiddenRows ? GetCellsEx(col, cell.Y) : GetGridCell(col, cell.Y), OrigStr, NewStr);
        if (hiddenRows)
            SetCellsEx(col, cell.Y, text);
        else
            SetCellEx(col, cell.Y, text);
        if (ShowModified()->Enabled) SetRowModified(cell.Y, true);
        ++count;
    }
    return count;
}

Integer TExtStringGrid::Search(const String& S)
{
    if (RowCount() < 2) return -1;
    Integer col = FixedCols();
    if (SortSettings()->Show()) {
        if (!SortSettings()->IndexShow)
            col = SortSettings()->Column;
        else if (SortIndexes().Count() > 0)
            col = SortIndexes().GetSortColumns(0);
    }
    if (col == -1) return -1;
    for (Integer r = FixedRows(); r < RowCount(); ++r) {
        const String text = GetStrippedCell(col, r);
        if (AnsiUpperCase(StringView(text).substr(0, S.size())) == S) return r;
    }
    return -1;
}

}  // namespace gw
