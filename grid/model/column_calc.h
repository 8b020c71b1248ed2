// The string grid's column and row calculations (sum, average, minimum, maximum, population
// standard deviation, distinct texts) over a narrow reading of its cells, so that the footer,
// the grouping's group sums and direct callers share one implementation.
//
// The rows of a column calculation carry their numbering: displayed rows, or all rows with the
// hidden ones at their place. The caller says which; the functions never guess it from the range
// (a footer range that ends on the last displayed row would otherwise be read as displayed rows
// and sum the footer row itself).
#pragma once

#include "platform/runtime/types.h"

#include <cstdint>

namespace gw {

enum TCalcRowNumbering : uint8_t {
    rnDisplayedRows,  // the rows the grid shows
    rnAllRows,  // every row, hidden rows included at their place
};

// Rows FromRow..ToRow (inclusive), numbered as Numbering says; empty when ToRow < FromRow.
struct TCalcRows {
    Integer FromRow = 0;
    Integer ToRow = -1;
    TCalcRowNumbering Numbering = rnDisplayedRows;

    Integer Count() const { return ToRow >= FromRow ? ToRow - FromRow + 1 : 0; }
};

// The steps a column calculation reports (the grid passes them on as its export notification).
enum TCalcProgress : uint8_t { cpStart, cpNextRow, cpDone };

// What the calculations read of the grid. Row numbers are those of the numbering passed.
class TCalcCells {
public:
    // The displayed text of a cell (GetCellEx: the base cell of a merged range, display event
    // applied): the texts ColumnDistinct counts.
    virtual String DisplayedText(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const = 0;
    // The displayed text without mark-up, which values are read from (CellTextToFloat).
    virtual String ValueText(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const
    {
        return DisplayedText(ACol, ARow, Numbering);
    }
    // A shown outline node or summary row of a grouped grid: it holds group totals, so the column
    // sums, minimum and maximum leave it out. A hidden row never does, nor any row of a grid
    // without a group column.
    virtual bool HoldsGroupTotals(Integer /*ARow*/, TCalcRowNumbering /*Numbering*/) const { return false; }
    // False for the cells of a merged range other than its base cell, which are left out.
    virtual bool IsBaseCell(Integer /*ACol*/, Integer /*ARow*/, TCalcRowNumbering /*Numbering*/) const { return true; }
    virtual void CalcProgress(TCalcProgress /*Step*/, Integer /*ARow*/) const {}

protected:
    ~TCalcCells() = default;
};

// The rows a direct call (ACol, FromRow, ToRow) of the grid means, as callers have always used
// it: FromRow or ToRow -1 stand for the normal rows FixedRows..RowCount - FixedFooters - 1;
// otherwise a ToRow past the displayed rows (past RowCount - 1 with the floating footer shown,
// past RowCount without) numbers all rows, else the displayed ones.
struct TCalcGridRows {
    Integer RowCount = 0;
    Integer FixedRows = 0;
    Integer FixedFooters = 0;
    bool FooterVisible = false;
};
TCalcRows CallerCalcRows(Integer FromRow, Integer ToRow, const TCalcGridRows& Grid);

// Sum of the counted cells: not a group-total row, the base cell of its range, a value that
// converts (an empty cell or a word counts 0; one that does not convert is skipped).
double ColumnSum(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows);
// ColumnSum divided by the number of rows of the range; 0 for an empty range.
double ColumnAvg(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows);
// The smallest / largest counted value, starting from the first counted cell, which is read
// without catching (EExtGridError when it does not convert); 0 when no cell counts.
double ColumnMin(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows);
double ColumnMax(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows);
// Population standard deviation around ColumnAvg over every row of the range (no filters):
// EExtGridError when a cell does not convert; 0 for an empty range.
double ColumnStdDev(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows);
// The number of different displayed texts, case ignored (AnsiCompareText), the empty text
// counting as one; every row of the range.
double ColumnDistinct(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows);

// The same along displayed row ARow over the columns FromCol..ToCol: base cells only, a cell
// that does not convert skipped; RowMin and RowMax start from the first base cell, read without
// catching; RowAvg divides by the number of columns (0 for an empty range).
double RowSum(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol);
double RowAvg(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol);
double RowMin(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol);
double RowMax(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol);

}  // namespace gw
