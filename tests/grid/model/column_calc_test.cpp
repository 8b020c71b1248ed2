// The column and row calculations and the footer's calculation: the values cells count as, which
// rows count, the numbering of the footer's rows, progress, and a generated table of rows checked
// against Python's figures.
#include "grid/model/column_calc.h"

#include "grid/model/cell_number.h"
#include "grid/model/ext_grid_error.h"
#include "grid/model/footer_calc.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace gw {
namespace {

using CellNumber = test::FormatSettingsTest;

TEST_F(CellNumber, CellTextsAsTheCalculationsReadThem)
{
    struct Case {
        const char16_t* text;
        double value;
    };
    const Case cases[] = {
        {u"", 0},       {u"-", 0},
        {u"abc", 0},    {u"Name", 0},  // reduced to its "e": no digit, so 0, not an error
        {u"n/a", 0},    {u"2.5", 2.5},
        {u"-3", -3},    {u"$ 1,234.50", 1234.5},
        {u"(12)", -12}, {u"-7 kg", -7},
        {u"1e3", 1000}, {u"12abc", 12},
    };
    for (const Case& c : cases) EXPECT_EQ(CellTextToFloat(c.text), c.value) << StringToUtf8(c.text);
    for (const char16_t* text : {u"1.2.3", u"1e", u"1-2", u"1e400"}) {
        try {
            CellTextToFloat(text);
            ADD_FAILURE() << StringToUtf8(text) << " converted";
        } catch (const EExtGridError& e) {
            EXPECT_EQ(e.Message(), u"Cell does not contain a float value");
        }
    }
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    EXPECT_EQ(CellTextToFloat(u"1.234,5"), 1234.5);
    EXPECT_EQ(CellTextToFloat(u"-0,25"), -0.25);
}

// Rows of cells as the grid keeps them: all rows in order, some hidden; the displayed numbering
// skips the hidden ones.
struct TFakeRow {
    std::vector<String> Cells;
    bool Hidden = false;
    bool GroupTotals = false;  // a node or summary row of a grouped grid
    std::set<Integer> NotBase = {};  // columns where the cell is merged into another
};

class TFakeCells : public TCalcCells {
public:
    std::vector<TFakeRow> Rows;
    mutable std::vector<std::string> Log;

    TFakeCells() = default;
    // One column of texts, none hidden.
    TFakeCells(std::initializer_list<const char16_t*> Column)
    {
        for (const char16_t* text : Column) Rows.push_back({{text}});
    }

    String DisplayedText(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const override
    {
        const TFakeRow& row = At(ARow, Numbering);
        return ACol >= 0 && ACol < static_cast<Integer>(row.Cells.size()) ? row.Cells[ACol] : String();
    }
    bool HoldsGroupTotals(Integer ARow, TCalcRowNumbering Numbering) const override
    {
        const TFakeRow& row = At(ARow, Numbering);
        return row.GroupTotals && !row.Hidden;
    }
    bool IsBaseCell(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const override
    {
        return !At(ARow, Numbering).NotBase.contains(ACol);
    }
    void CalcProgress(TCalcProgress Step, Integer ARow) const override
    {
        static const char* const names[] = {"start", "next", "done"};
        Log.push_back(std::string(names[Step]) + " " + std::to_string(ARow));
    }

    Integer DisplayedCount() const
    {
        return static_cast<Integer>(
            std::count_if(Rows.begin(), Rows.end(), [](const TFakeRow& r) { return !r.Hidden; }));
    }
    Integer HiddenCount() const { return static_cast<Integer>(Rows.size()) - DisplayedCount(); }

private:
    const TFakeRow& At(Integer ARow, TCalcRowNumbering Numbering) const
    {
        if (Numbering == rnAllRows) return Rows.at(static_cast<size_t>(ARow));
        for (const TFakeRow& row : Rows)
            if (!row.Hidden && ARow-- == 0) return row;
        throw std::out_of_range("no such displayed row");
    }
};

TCalcRows AllOf(const TFakeCells& Cells)
{
    return {.FromRow = 0, .ToRow = static_cast<Integer>(Cells.Rows.size()) - 1};
}

std::string RaisedBy(const std::function<void()>& Run)
{
    try {
        Run();
    } catch (const EExtGridError& e) {
        return StringToUtf8(e.Message());
    }
    return "nothing";
}

TEST(ColumnCalc, TheFiguresOfSmallColumns)
{
    const TFakeCells mixed{u"1", u"abc", u"2.5", u""};
    EXPECT_EQ(ColumnSum(mixed, 0, AllOf(mixed)), 3.5);
    EXPECT_EQ(ColumnAvg(mixed, 0, AllOf(mixed)), 0.875) << "divided by the rows, not the numbers";
    EXPECT_EQ(ColumnMin(mixed, 0, AllOf(mixed)), 0);
    EXPECT_EQ(ColumnMax(mixed, 0, AllOf(mixed)), 2.5);

    const TFakeCells spread{u"2", u"4", u"4", u"4", u"5", u"5", u"7", u"9"};
    EXPECT_EQ(ColumnStdDev(spread, 0, AllOf(spread)), 2) << "population, not sample";
    EXPECT_EQ(ColumnAvg(spread, 0, AllOf(spread)), 5);
    EXPECT_EQ(ColumnStdDev(spread, 0, {.FromRow = 1, .ToRow = 3}), 0);

    const TFakeCells empty_first{u"", u"5", u"3"};
    EXPECT_EQ(ColumnMin(empty_first, 0, AllOf(empty_first)), 0) << "the empty first cell counts as 0";
    EXPECT_EQ(ColumnMax(empty_first, 0, AllOf(empty_first)), 5);
    const TFakeCells negative{u"-4", u"-9", u"(2)", u"-1"};
    EXPECT_EQ(ColumnMin(negative, 0, AllOf(negative)), -9);
    EXPECT_EQ(ColumnMax(negative, 0, AllOf(negative)), -1) << "the search starts from the first cell, not 0";
    EXPECT_EQ(ColumnMax(negative, 0, {.FromRow = 1, .ToRow = 2}), -2);

    const TFakeCells texts{u"a", u"A", u"b", u"", u"Caf\u00E9", u"CAF\u00C9", u"cafe", u""};
    EXPECT_EQ(ColumnDistinct(texts, 0, {.FromRow = 0, .ToRow = 3}), 3);
    EXPECT_EQ(ColumnDistinct(texts, 0, AllOf(texts)), 5) << "case folds, accents stay";

    // Empty ranges.
    for (const TCalcRows rows : {TCalcRows{.FromRow = 2, .ToRow = 1}, TCalcRows{.FromRow = 3, .ToRow = -1}}) {
        EXPECT_EQ(ColumnSum(spread, 0, rows), 0);
        EXPECT_EQ(ColumnAvg(spread, 0, rows), 0);
        EXPECT_EQ(ColumnStdDev(spread, 0, rows), 0);
        EXPECT_EQ(ColumnMin(spread, 0, rows), 0);
        EXPECT_EQ(ColumnMax(spread, 0, rows), 0);
        EXPECT_EQ(ColumnDistinct(spread, 0, rows), 0);
    }
}

TEST(ColumnCalc, ACellThatDoesNotConvertIsSkippedOrRaises)
{
    const TFakeCells later{u"4", u"1.2.3", u"8", u"-1"};
    EXPECT_EQ(ColumnSum(later, 0, AllOf(later)), 11);
    EXPECT_EQ(ColumnAvg(later, 0, AllOf(later)), 2.75);
    EXPECT_EQ(ColumnMin(later, 0, AllOf(later)), -1);
    EXPECT_EQ(ColumnMax(later, 0, AllOf(later)), 8);
    EXPECT_EQ(RaisedBy([&] { ColumnStdDev(later, 0, AllOf(later)); }), "Cell does not contain a float value");

    const TFakeCells first{u"1.2.3", u"8"};
    EXPECT_EQ(ColumnSum(first, 0, AllOf(first)), 8);
    EXPECT_EQ(RaisedBy([&] { ColumnMin(first, 0, AllOf(first)); }), "Cell does not contain a float value");
    EXPECT_EQ(RaisedBy([&] { ColumnMax(first, 0, AllOf(first)); }), "Cell does not contain a float value");
    EXPECT_EQ(ColumnDistinct(first, 0, AllOf(first)), 2);
}

// A grouped column: node and summary rows hold group totals and are left out of the sums, unless
// hidden; the cells merged into a base cell above them count once.
TEST(ColumnCalc, GroupTotalsAndMergedCellsCountNot)
{
    TFakeCells cells;
    cells.Rows = {
        {{u"h", u"100"}, false, true},  // group node: 100 is a total
        {{u"a", u"1"}},  //
        {{u"b", u"2"}, false, false, {1}},  // merged into the cell above
        {{u"c", u"40"}, true, true},  // a hidden node counts
        {{u"d", u"-3"}},  //
        {{u"s", u"1000"}, false, true},  // summary row
    };
    const TCalcRows all{.FromRow = 0, .ToRow = 5, .Numbering = rnAllRows};
    EXPECT_EQ(ColumnSum(cells, 1, all), 38);
    EXPECT_EQ(ColumnMin(cells, 1, all), -3);
    EXPECT_EQ(ColumnMax(cells, 1, all), 40) << "not the totals, and not from the first (total) row";
    EXPECT_EQ(ColumnAvg(cells, 1, all), 38.0 / 6);
    // Standard deviation and distinct texts read every row of the range.
    EXPECT_EQ(ColumnDistinct(cells, 1, all), 6);
    const double mean = 38.0 / 6;
    double squares = 0;
    for (const double v : {100.0, 1.0, 2.0, 40.0, -3.0, 1000.0}) squares += (v - mean) * (v - mean);
    EXPECT_DOUBLE_EQ(ColumnStdDev(cells, 1, all), std::sqrt(squares / 6));
    // Displayed numbering: the hidden node is no row of it.
    EXPECT_EQ(ColumnSum(cells, 1, {.FromRow = 0, .ToRow = 4}), -2);
}

TEST(ColumnCalc, RowCalculations)
{
    TFakeCells cells;
    cells.Rows = {{{u"5", u"x", u"-2", u"1.2.3", u"7"}, false, false, {4}}, {{u"1.2.3", u"4"}}};
    EXPECT_EQ(RowSum(cells, 0, 0, 4), 3) << "x counts 0, 1.2.3 is skipped, the merged cell is not counted";
    EXPECT_EQ(RowAvg(cells, 0, 0, 4), 0.6) << "divided by the columns";
    EXPECT_EQ(RowMin(cells, 0, 0, 4), -2);
    EXPECT_EQ(RowMax(cells, 0, 0, 4), 5);
    EXPECT_EQ(RowMax(cells, 0, 2, 3), -2) << "starts from the first cell, not 0";
    EXPECT_EQ(RowAvg(cells, 0, 3, 2), 0);
    EXPECT_EQ(RowSum(cells, 1, 0, 1), 4);
    EXPECT_EQ(RaisedBy([&] { RowMin(cells, 1, 0, 1); }), "Cell does not contain a float value");
    EXPECT_EQ(RaisedBy([&] { RowMax(cells, 1, 0, 1); }), "Cell does not contain a float value");
}

TEST(ColumnCalc, ProgressOfEachCalculation)
{
    TFakeCells cells{u"1", u"2", u"3", u"4"};
    cells.Rows[2].GroupTotals = true;
    const TCalcRows rows{.FromRow = 1, .ToRow = 3};
    using Log = std::vector<std::string>;
    ColumnSum(cells, 0, rows);
    EXPECT_EQ(cells.Log, (Log{"start 1", "next 1", "next 3", "done -1"})) << "only the rows counted";
    cells.Log.clear();
    ColumnMax(cells, 0, rows);
    EXPECT_EQ(cells.Log, (Log{"start 1", "next 1", "next 3", "done -1"}));
    cells.Log.clear();
    ColumnStdDev(cells, 0, rows);
    EXPECT_EQ(cells.Log, (Log{"start 1", "next 1", "next 3", "done -1", "start 1", "done -1"}))
        << "the average's own report, then start and done";
    cells.Log.clear();
    ColumnDistinct(cells, 0, rows);
    EXPECT_EQ(cells.Log, (Log{"start 1", "next 1", "next 2", "next 3", "done -1"}));
    cells.Log.clear();
    cells.Rows[1].Cells[0] = u"1.2.3";
    EXPECT_ANY_THROW(ColumnMin(cells, 0, rows));
    EXPECT_EQ(cells.Log, (Log{"start 1"})) << "no done after a raise";
}

TEST(ColumnCalc, RowsOfADirectCall)
{
    struct Case {
        Integer from, to;
        bool footer;
        TCalcRows rows;
    };
    // 10 rows shown, 1 fixed, 1 fixed footer.
    const Case cases[] = {
        {-1, 5, true, {1, 8, rnDisplayedRows}},   {3, -1, true, {1, 8, rnDisplayedRows}},
        {2, 9, true, {2, 9, rnDisplayedRows}},    {2, 10, true, {2, 10, rnAllRows}},
        {2, 10, false, {2, 10, rnDisplayedRows}}, {2, 11, false, {2, 11, rnAllRows}},
    };
    for (const Case& c : cases) {
        const TCalcGridRows grid{.RowCount = 10, .FixedRows = 1, .FixedFooters = 1, .FooterVisible = c.footer};
        const TCalcRows rows = CallerCalcRows(c.from, c.to, grid);
        EXPECT_EQ(rows.FromRow, c.rows.FromRow) << c.from << ".." << c.to;
        EXPECT_EQ(rows.ToRow, c.rows.ToRow) << c.from << ".." << c.to;
        EXPECT_EQ(rows.Numbering, c.rows.Numbering) << c.from << ".." << c.to;
    }
}

// Eight rows of 1, a hidden row of 5 between them, the footer row of 100 last.
TFakeCells FooterColumn()
{
    TFakeCells cells{u"1", u"1", u"1", u"1", u"1", u"1", u"1", u"1", u"100"};
    cells.Rows.insert(cells.Rows.begin() + 4, TFakeRow{{u"5"}, true});
    return cells;
}

// The footer's range ends on the last displayed row when exactly one row is hidden: read as
// displayed rows it would take the footer in and miss the hidden row.
TEST(FooterCalc, TheFooterNumbersItsRowsExplicitly)
{
    const TFakeCells cells = FooterColumn();
    const TFooterGridRows grid{.RowCount = cells.DisplayedCount(), .FixedRows = 0, .HiddenRows = cells.HiddenCount()};
    const TCalcRows rows = FooterCalcRows(grid);
    EXPECT_EQ(rows.ToRow, grid.RowCount - 1);
    EXPECT_EQ(rows.Numbering, rnAllRows);
    EXPECT_EQ(ColumnSum(cells, 0, rows), 13);
    const TFooterValue sum = CalcFooterValue(acSUM, 0, grid, cells, {});
    EXPECT_EQ(sum.Kind, TFooterValue::fvFloat);
    EXPECT_EQ(sum.Float, 13);
    // The inference a direct call makes reads the same range as displayed rows: the fault.
    const TCalcRows inferred =
        CallerCalcRows(rows.FromRow, rows.ToRow, {.RowCount = grid.RowCount, .FooterVisible = true});
    EXPECT_EQ(ColumnSum(cells, 0, inferred), 108);

    TFooterGridRows shown = grid;
    shown.CalculateHiddenRows = false;
    EXPECT_EQ(CalcFooterValue(acSUM, 0, shown, cells, {}).Float, 8) << "the hidden row left out";
    EXPECT_EQ(CalcFooterValue(acMAX, 0, shown, cells, {}).Float, 1);
    EXPECT_EQ(CalcFooterValue(acMAX, 0, grid, cells, {}).Float, 5);
    EXPECT_EQ(CalcFooterValue(acDISTINCT, 0, grid, cells, {}).Float, 2);
    EXPECT_DOUBLE_EQ(CalcFooterValue(acAVG, 0, grid, cells, {}).Float, 13.0 / 9);
}

TEST(FooterCalc, ValueByCalculationType)
{
    // Ten rows shown (one fixed, the footer last), three hidden.
    TFakeCells cells{u"head", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"999"};
    for (const char16_t* hidden : {u"10", u"20", u"30"})
        cells.Rows.insert(cells.Rows.begin() + 3, TFakeRow{{hidden}, true});
    const TFooterGridRows grid{.RowCount = 10, .FixedRows = 1, .HiddenRows = 3};
    TFooterGridRows shown = grid;
    shown.CalculateHiddenRows = false;

    EXPECT_EQ(CalcFooterValue(acCOUNT, 0, grid, cells, {}).Count, 11);
    EXPECT_EQ(CalcFooterValue(acCOUNT, 0, grid, cells, {}).Kind, TFooterValue::fvCount);
    EXPECT_EQ(CalcFooterValue(acCOUNT, 0, shown, cells, {}).Count, 8);
    EXPECT_EQ(CalcFooterValue(acSUM, 0, grid, cells, {}).Float, 96);
    EXPECT_EQ(CalcFooterValue(acSUM, 0, shown, cells, {}).Float, 36);
    EXPECT_EQ(CalcFooterValue(acMIN, 0, grid, cells, {}).Float, 1);
    EXPECT_EQ(CalcFooterValue(acMAX, 0, grid, cells, {}).Float, 30);
    EXPECT_EQ(CalcFooterValue(static_cast<TColumnCalcType>(acSUM | 0x80), 0, grid, cells, {}).Float, 96)
        << "the top bit is ignored";
    for (const TColumnCalcType leave : {acNONE, acSPREAD, static_cast<TColumnCalcType>(42)})
        EXPECT_EQ(CalcFooterValue(leave, 0, grid, cells, {}).Kind, TFooterValue::fvLeave) << int(leave);

    EXPECT_EQ(CalcFooterValue(acCUSTOM, 0, grid, cells, {}).Kind, TFooterValue::fvClear) << "no handler";
    const TFooterCustomCalc none = [](Integer, Integer, String&) { return false; };
    EXPECT_EQ(CalcFooterValue(acCUSTOM, 0, grid, cells, none).Kind, TFooterValue::fvClear);
    std::vector<std::pair<Integer, Integer>> asked;
    const TFooterCustomCalc custom = [&](Integer ACol, Integer ARow, String& Value) {
        EXPECT_TRUE(Value.empty());
        asked.emplace_back(ACol, ARow);
        Value = u"total";
        return true;
    };
    const TFooterValue text = CalcFooterValue(acCUSTOM, 3, grid, cells, custom);
    EXPECT_EQ(text.Kind, TFooterValue::fvText);
    EXPECT_EQ(text.Text, u"total");
    CalcFooterValue(acCUSTOM, 3, shown, cells, custom);
    EXPECT_EQ(asked, (std::vector<std::pair<Integer, Integer>>{{3, 12}, {3, 9}}));
}

// ---- a generated table of rows against Python --------------------------------------------------

// The records of an RFC 4180 file (quoted fields may hold commas, doubled quotes and line breaks).
std::vector<std::vector<String>> ReadCsv(const std::string& Bytes)
{
    std::vector<std::vector<String>> rows(1);
    std::string field;
    bool quoted = false;
    auto endField = [&] {
        rows.back().push_back(Utf8ToString(field));
        field.clear();
    };
    for (size_t i = 0; i < Bytes.size(); ++i) {
        const char c = Bytes[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < Bytes.size() && Bytes[i + 1] == '"')
                field += Bytes[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\r' && i + 1 < Bytes.size() && Bytes[i + 1] == '\n') {
            endField();
            ++i;
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

struct TPythonFigures {
    double sum, avg, stddev, min, max;
};

TEST(ColumnCalc, GeneratedRowsAgainstPython)
{
    TFakeCells cells;
    for (auto& record : ReadCsv(test::readBytes(test::fixture("calc_rows.csv"))))
        cells.Rows.push_back({std::move(record)});
    std::ifstream expected(test::fixture("calc_rows.expected"));
    std::string word;
    Integer count = 0;
    expected >> word >> count;
    ASSERT_EQ(static_cast<Integer>(cells.Rows.size()), count);
    for (const auto& row : cells.Rows) ASSERT_EQ(row.Cells.size(), 10u);
    const TCalcRows rows = AllOf(cells);
    for (int k = 0; k < 4; ++k) {
        Integer col = 0;
        TPythonFigures py{};
        std::string a, b, c, d, e;
        expected >> word >> col >> a >> py.sum >> b >> py.avg >> c >> py.stddev >> d >> py.min >> e >> py.max;
        ASSERT_TRUE(expected) << "figures of the " << k << "th column";
        SCOPED_TRACE("column " + std::to_string(col));
        EXPECT_EQ(ColumnSum(cells, col, rows), py.sum) << "the same additions in the same order";
        EXPECT_EQ(ColumnMin(cells, col, rows), py.min);
        EXPECT_EQ(ColumnMax(cells, col, rows), py.max);
        // Python's mean and deviation are exactly rounded; ours add in row order.
        EXPECT_NEAR(ColumnAvg(cells, col, rows), py.avg, std::abs(py.avg) * 1e-12);
        EXPECT_NEAR(ColumnStdDev(cells, col, rows), py.stddev, py.stddev * 1e-12);
    }
    Integer col = 0, distinct = 0;
    expected >> word >> col >> distinct;
    ASSERT_TRUE(expected);
    EXPECT_EQ(ColumnDistinct(cells, col, rows), distinct);
}

}  // namespace
}  // namespace gw
