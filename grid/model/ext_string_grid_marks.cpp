// The string grid's walks that rewrite cell texts: search highlights and error marks over a cell,
// a column, a row or the grid; the cell checker's run; and the fills of the normal cells.
#include "grid/foundation/cell_checker.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/format.h"

#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace gw {

namespace {

// The real columns under the displayed columns From..To, as runs of neighbours: cells are
// addressed by real column, and a hidden column between two shown ones splits a run.
std::vector<std::pair<Integer, Integer>> ShownColumnRuns(const TExtStringGrid& G, Integer From, Integer To)
{
    std::vector<std::pair<Integer, Integer>> runs;
    for (Integer d = From; d <= To; ++d) {
        const Integer c = G.RealColIndex(d);
        if (!runs.empty() && runs.back().second + 1 == c)
            runs.back().second = c;
        else
            runs.push_back({c, c});
    }
    return runs;
}

}  // namespace

// --- highlighting and marking ------------------------------------------------------------------

String TExtStringGrid::MarkSourceText(Integer ACol, Integer ARow)
{
    return OnGetDisplText ? GetCellEx(ACol, ARow) : GetGridCell(ACol, ARow);
}

void TExtStringGrid::MarkCells(TCellMark Mark, bool DoCase, const String& Text, Integer FromCol, Integer FromRow,
                               Integer ToCol, Integer ToRow)
{
    const TCellMarker marker(Mark, Text, DoCase);
    for (Integer r = FromRow; r <= ToRow; ++r)
        for (Integer c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            String text = MarkSourceText(c, r);
            // Only a cell that gains a tag pair is written: the others keep their text exactly.
            if (marker.Apply(text)) SetCellEx(c, r, text);
        }
}

void TExtStringGrid::UnmarkCells(TCellMark Mark, Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow)
{
    for (Integer r = FromRow; r <= ToRow; ++r)
        for (Integer c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            String text = MarkSourceText(c, r);
            if (RemoveCellMark(text, Mark)) SetCellEx(c, r, text);
        }
}

TGridRect TExtStringGrid::NormalCells(bool DoFixed, Integer ExtraCols) const
{
    if (DoFixed) return {0, 0, ColCount() - 1 + ExtraCols, RowCount() - 1};
    return {FixedCols(), FixedRows(), ColCount() + ExtraCols - FixedRightCols() - 1, RowCount() - FixedFooters() - 1};
}

void TExtStringGrid::HilightInCell(bool DoCase, Integer ACol, Integer ARow, const String& HiText)
{
    MarkCells(TCellMark::Highlight, DoCase, HiText, ACol, ARow, ACol, ARow);
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, Integer ACol, const String& HiText)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    MarkCells(TCellMark::Highlight, DoCase, HiText, ACol, r.Top, ACol, r.Bottom);
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, Integer ARow, const String& HiText)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    for (const auto& [from, to] : ShownColumnRuns(*this, r.Left, r.Right))
        MarkCells(TCellMark::Highlight, DoCase, HiText, from, ARow, to, ARow);
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const String& HiText)
{
    // The hidden columns are highlighted too (not with DoFixed), so they show it when shown: the
    // real columns from the first normal one on, hidden ones included.
    if (!DoFixed) {
        const TGridRect r = NormalCells(false, NumHiddenColumns());
        MarkCells(TCellMark::Highlight, DoCase, HiText, r.Left, r.Top, r.Right, r.Bottom);
        return;
    }
    const TGridRect r = NormalCells(true, 0);
    for (const auto& [from, to] : ShownColumnRuns(*this, r.Left, r.Right))
        MarkCells(TCellMark::Highlight, DoCase, HiText, from, r.Top, to, r.Bottom);
}

void TExtStringGrid::HilightInGrid(bool CaseSensitive, const String& Text)
{
    HilightInGrid(false, CaseSensitive, Text);
}

void TExtStringGrid::HilightInCol(bool CaseSensitive, const String& Text, Integer ACol)
{
    HilightInCol(false, CaseSensitive, ACol, Text);
}

void TExtStringGrid::MarkInCell(bool DoCase, Integer ACol, Integer ARow, const String& HiText)
{
    MarkCells(TCellMark::Error, DoCase, HiText, ACol, ARow, ACol, ARow);
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, Integer ACol, const String& HiText)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    MarkCells(TCellMark::Error, DoCase, HiText, ACol, r.Top, ACol, r.Bottom);
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, Integer ARow, const String& HiText)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    for (const auto& [from, to] : ShownColumnRuns(*this, r.Left, r.Right))
        MarkCells(TCellMark::Error, DoCase, HiText, from, ARow, to, ARow);
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const String& HiText)
{
    // The shown columns only: a hidden column is neither marked nor in the way of a shown one.
    const TGridRect r = NormalCells(DoFixed, 0);
    for (const auto& [from, to] : ShownColumnRuns(*this, r.Left, r.Right))
        MarkCells(TCellMark::Error, DoCase, HiText, from, r.Top, to, r.Bottom);
}

void TExtStringGrid::UnHilightInCell(Integer ACol, Integer ARow)
{
    UnmarkCells(TCellMark::Highlight, ACol, ARow, ACol, ARow);
}

void TExtStringGrid::UnHilightInCol(bool DoFixed, Integer ACol)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    UnmarkCells(TCellMark::Highlight, ACol, r.Top, ACol, r.Bottom);
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, Integer ARow)
{
    const TGridRect r = NormalCells(DoFixed, NumHiddenColumns());
    UnmarkCells(TCellMark::Highlight, r.Left, ARow, r.Right, ARow);
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed)
{
    const TGridRect r = NormalCells(DoFixed, NumHiddenColumns());
    UnmarkCells(TCellMark::Highlight, r.Left, r.Top, r.Right, r.Bottom);
}

void TExtStringGrid::UnHilightInGrid() { UnHilightInGrid(false); }
void TExtStringGrid::UnHilightInCol(Integer ACol) { UnHilightInCol(false, ACol); }

void TExtStringGrid::UnMarkInCell(Integer ACol, Integer ARow) { UnmarkCells(TCellMark::Error, ACol, ARow, ACol, ARow); }

void TExtStringGrid::UnMarkInCol(bool DoFixed, Integer ACol)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    UnmarkCells(TCellMark::Error, ACol, r.Top, ACol, r.Bottom);
}

void TExtStringGrid::UnMarkInRow(bool DoFixed, Integer ARow)
{
    const TGridRect r = NormalCells(DoFixed, NumHiddenColumns());
    UnmarkCells(TCellMark::Error, r.Left, ARow, r.Right, ARow);
}

void TExtStringGrid::UnMarkInGrid(bool DoFixed)
{
    const TGridRect r = NormalCells(DoFixed, NumHiddenColumns());
    UnmarkCells(TCellMark::Error, r.Left, r.Top, r.Right, r.Bottom);
}

// --- the cell checker --------------------------------------------------------------------------

bool TExtStringGrid::CheckCell(Integer ACol, Integer ARow)
{
    if (!CellChecker) return true;
    const String unmarked = UnMarkText(GetCellEx(ACol, ARow));
    if (CellChecker->GotoCell) MoveColRow(ACol, ARow, true, true);
    String result = unmarked;
    // Each receives the unmarked text: with both on, the marking replaces the correction.
    if (CellChecker->UseCorrect) result = CellChecker->Correct(ACol, ARow, unmarked);
    if (CellChecker->UseMarkError) result = CellChecker->MarkError(ACol, ARow, unmarked);
    SetCellEx(ACol, ARow, result);
    return result == unmarked;
}

namespace {

// The checker's run over the rows by the runs of columns: started and stopped once, whatever the
// runs; Restore brings the current cell back when the checker went to each cell.
bool RunChecker(TExtStringGrid& G, const std::vector<std::pair<Integer, Integer>>& Runs, Integer FromRow,
                Integer ToRow, const std::function<void()>& Restore)
{
    G.CellChecker->StartCheck();
    bool unchanged = true;
    for (Integer r = FromRow; r <= ToRow; ++r)
        for (const auto& [from, to] : Runs)
            for (Integer c = from; c <= to; ++c)
                if (!G.CheckCell(c, r)) unchanged = false;
    G.CellChecker->StopCheck();
    if (G.CellChecker->GotoCell) Restore();
    return unchanged;
}

}  // namespace

bool TExtStringGrid::CheckCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow)
{
    if (!CellChecker) return true;
    const Integer oldRow = Row();
    const Integer oldCol = Col();
    return RunChecker(*this, {{FromCol, ToCol}}, FromRow, ToRow, [&] { MoveColRow(oldCol, oldRow, true, true); });
}

bool TExtStringGrid::CheckCol(bool DoFixed, Integer ACol)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    return CheckCells(ACol, r.Top, ACol, r.Bottom);
}

bool TExtStringGrid::CheckRow(bool DoFixed, Integer ARow)
{
    if (!CellChecker) return true;
    const TGridRect r = NormalCells(DoFixed, 0);
    const Integer oldRow = Row();
    const Integer oldCol = Col();
    return RunChecker(*this, ShownColumnRuns(*this, r.Left, r.Right), ARow, ARow,
                      [&] { MoveColRow(oldCol, oldRow, true, true); });
}

bool TExtStringGrid::CheckGrid(bool DoFixed)
{
    if (!CellChecker) return true;
    const TGridRect r = NormalCells(DoFixed, 0);
    const Integer oldRow = Row();
    const Integer oldCol = Col();
    return RunChecker(*this, ShownColumnRuns(*this, r.Left, r.Right), r.Top, r.Bottom,
                      [&] { MoveColRow(oldCol, oldRow, true, true); });
}

// --- fills -------------------------------------------------------------------------------------

template <class Fill>
void TExtStringGrid::FillCells(bool DoFixed, Fill&& Write)
{
    const TGridRect r = NormalCells(DoFixed, 0);
    const auto runs = ShownColumnRuns(*this, r.Left, r.Right);
    for (Integer row = r.Top; row <= r.Bottom; ++row)
        for (const auto& [from, to] : runs)
            for (Integer col = from; col <= to; ++col) Write(col, row);
    AllCellsChanged();
}

void TExtStringGrid::TextFill(bool DoFixed, const String& Txt)
{
    FillCells(DoFixed, [&](Integer c, Integer r) { SetCellEx(c, r, Txt); });
}

void TExtStringGrid::FormatFill(bool DoFixed, const String& Fmt)
{
    // A format that does not take two integers raises the runtime's error.
    FillCells(DoFixed, [&](Integer c, Integer r) { SetCellEx(c, r, Format(Fmt, {c, r})); });
}

void TExtStringGrid::RandomFill(bool DoFixed, Integer Rnd)
{
    static std::minstd_rand generator;
    FillCells(DoFixed,
              [&](Integer c, Integer r) { SetInts(c, r, Rnd > 0 ? Integer(generator() % uint32_t(Rnd)) : 0); });
}

void TExtStringGrid::LinearFill(bool DoFixed)
{
    FillCells(DoFixed, [&](Integer c, Integer r) { SetCellEx(c, r, IntToStr(c) + u":" + IntToStr(r)); });
}

}  // namespace gw
