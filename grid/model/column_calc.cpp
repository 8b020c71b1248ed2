// The column and row calculations over the grid's cells.
#include "grid/model/column_calc.h"

#include "grid/model/cell_number.h"
#include "grid/model/ext_grid_error.h"
#include "platform/runtime/strings.h"

#include <cmath>
#include <functional>
#include <optional>
#include <set>

namespace gw {

namespace {

bool CountsInColumn(const TCalcCells& Cells, Integer ACol, Integer ARow, TCalcRowNumbering Numbering)
{
    return !Cells.HoldsGroupTotals(ARow, Numbering) && Cells.IsBaseCell(ACol, ARow, Numbering);
}

// The value of a counted cell, or nothing when its text does not convert.
std::optional<double> TryValue(const std::function<double()>& Read)
{
    try {
        return Read();
    } catch (const EExtGridError&) {
        return std::nullopt;
    }
}

double ValueAt(const TCalcCells& Cells, Integer ACol, Integer ARow, TCalcRowNumbering Numbering)
{
    return CellTextToFloat(Cells.ValueText(ACol, ARow, Numbering));
}

// Minimum (Better = less) or maximum (Better = greater) of the counted cells of a column.
template <class Better>
double ColumnExtreme(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows, Better IsBetter)
{
    Cells.CalcProgress(cpStart, Rows.FromRow);
    std::optional<double> result;
    for (Integer row = Rows.FromRow; row <= Rows.ToRow; ++row) {
        if (!CountsInColumn(Cells, ACol, row, Rows.Numbering)) continue;
        if (!result) {
            result = ValueAt(Cells, ACol, row, Rows.Numbering);  // the first one raises
        } else if (const auto value = TryValue([&] { return ValueAt(Cells, ACol, row, Rows.Numbering); })) {
            if (IsBetter(*value, *result)) result = value;
        }
        Cells.CalcProgress(cpNextRow, row);
    }
    Cells.CalcProgress(cpDone, -1);
    return result.value_or(0);
}

template <class Better>
double RowExtreme(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol, Better IsBetter)
{
    std::optional<double> result;
    for (Integer col = FromCol; col <= ToCol; ++col) {
        if (!Cells.IsBaseCell(col, ARow, rnDisplayedRows)) continue;
        if (!result) {
            result = ValueAt(Cells, col, ARow, rnDisplayedRows);
        } else if (const auto value = TryValue([&] { return ValueAt(Cells, col, ARow, rnDisplayedRows); })) {
            if (IsBetter(*value, *result)) result = value;
        }
    }
    return result.value_or(0);
}

struct TNoCaseLess {
    bool operator()(const String& A, const String& B) const { return AnsiCompareText(A, B) < 0; }
};

}  // namespace

TCalcRows CallerCalcRows(Integer FromRow, Integer ToRow, const TCalcGridRows& Grid)
{
    if (FromRow == -1 || ToRow == -1)
        return {.FromRow = Grid.FixedRows, .ToRow = Grid.RowCount - Grid.FixedFooters - 1};
    const Integer lastDisplayed = Grid.FooterVisible ? Grid.RowCount - 1 : Grid.RowCount;
    return {.FromRow = FromRow, .ToRow = ToRow, .Numbering = ToRow > lastDisplayed ? rnAllRows : rnDisplayedRows};
}

double ColumnSum(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows)
{
    Cells.CalcProgress(cpStart, Rows.FromRow);
    double sum = 0;
    for (Integer row = Rows.FromRow; row <= Rows.ToRow; ++row) {
        if (!CountsInColumn(Cells, ACol, row, Rows.Numbering)) continue;
        if (const auto value = TryValue([&] { return ValueAt(Cells, ACol, row, Rows.Numbering); })) sum += *value;
        Cells.CalcProgress(cpNextRow, row);
    }
    Cells.CalcProgress(cpDone, -1);
    return sum;
}

double ColumnAvg(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows)
{
    const Integer count = Rows.Count();
    return count == 0 ? 0 : ColumnSum(Cells, ACol, Rows) / count;
}

double ColumnMin(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows)
{
    return ColumnExtreme(Cells, ACol, Rows, std::less<double>());
}

double ColumnMax(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows)
{
    return ColumnExtreme(Cells, ACol, Rows, std::greater<double>());
}

double ColumnStdDev(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows)
{
    const Integer count = Rows.Count();
    if (count == 0) return 0;
    const double average = ColumnAvg(Cells, ACol, Rows);
    Cells.CalcProgress(cpStart, Rows.FromRow);
    double squares = 0;
    for (Integer row = Rows.FromRow; row <= Rows.ToRow; ++row) {
        const double difference = ValueAt(Cells, ACol, row, Rows.Numbering) - average;
        squares += difference * difference;
    }
    Cells.CalcProgress(cpDone, -1);
    return std::sqrt(squares / count);
}

double ColumnDistinct(const TCalcCells& Cells, Integer ACol, const TCalcRows& Rows)
{
    Cells.CalcProgress(cpStart, Rows.FromRow);
    std::set<String, TNoCaseLess> texts;
    for (Integer row = Rows.FromRow; row <= Rows.ToRow; ++row) {
        texts.insert(Cells.DisplayedText(ACol, row, Rows.Numbering));
        Cells.CalcProgress(cpNextRow, row);
    }
    Cells.CalcProgress(cpDone, -1);
    return static_cast<double>(texts.size());
}

double RowSum(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol)
{
    double sum = 0;
    for (Integer col = FromCol; col <= ToCol; ++col) {
        if (!Cells.IsBaseCell(col, ARow, rnDisplayedRows)) continue;
        if (const auto value = TryValue([&] { return ValueAt(Cells, col, ARow, rnDisplayedRows); })) sum += *value;
    }
    return sum;
}

double RowAvg(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol)
{
    return ToCol < FromCol ? 0 : RowSum(Cells, ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

double RowMin(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol)
{
    return RowExtreme(Cells, ARow, FromCol, ToCol, std::less<double>());
}

double RowMax(const TCalcCells& Cells, Integer ARow, Integer FromCol, Integer ToCol)
{
    return RowExtreme(Cells, ARow, FromCol, ToCol, std::greater<double>());
}

}  // namespace gw
