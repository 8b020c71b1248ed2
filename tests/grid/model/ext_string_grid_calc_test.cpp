// The string grid's column and row calculations read through the grid: the normal rows for -1,
// the displayed text without mark-up, merged ranges once, progress through the export hook.
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

class CalcGrid : public TExtStringGrid {
public:
    CalcGrid() : TExtStringGrid(nullptr) {}
    std::vector<std::pair<TGridExportState, Integer>> Progress;

protected:
    void ExportNotification(TGridExportState AState, Integer ARow) override { Progress.push_back({AState, ARow}); }
};

class ExtStringGridCalc : public FormatSettingsTest {
protected:
    THarness h;
    CalcGrid g;

    // Column 1 of rows 1.. holds the texts; row 0 is a fixed header holding 1000.
    void Column(const std::vector<const char16_t*>& Texts, Integer Footers = 0)
    {
        g.SetColCount(3);
        g.SetRowCount(Integer(Texts.size()) + 1 + Footers);
        g.SetFixedRows(1);
        g.SetFixedFooters(Footers);
        g.SetGridCell(1, 0, u"1000");
        for (size_t i = 0; i < Texts.size(); ++i) g.SetGridCell(1, Integer(i) + 1, Texts[i]);
        for (Integer f = 0; f < Footers; ++f) g.SetGridCell(1, g.RowCount() - 1 - f, u"500");
    }
};

TEST_F(ExtStringGridCalc, TheDesignsNumbersOverTheNormalRows)
{
    Column({u"1", u"abc", u"2.5", u""}, 1);
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 3.5) << "header and footer rows left out";
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, -1, 7), 0.875) << "-1 selects the normal rows whatever ToRow is";
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, 0, 5), 1503.5) << "an explicit range is taken as it is";
    EXPECT_DOUBLE_EQ(g.ColumnMin(1, -1, -1), 0);
    EXPECT_DOUBLE_EQ(g.ColumnMax(1, -1, -1), 2.5);

    Column({u"2", u"4", u"4", u"4", u"5", u"5", u"7", u"9"});
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(1, -1, -1), 2);
    Column({u"a", u"A", u"b", u""});
    EXPECT_DOUBLE_EQ(g.ColumnDistinct(1, -1, -1), 3);
    Column({u"", u"5", u"3"});
    EXPECT_DOUBLE_EQ(g.ColumnMin(1, -1, -1), 0);
    Column({u"1.2.3", u"4"});
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 4) << "a text that does not convert is skipped";
    EXPECT_THROW(g.ColumnStdDev(1, -1, -1), EExtGridError);
}

TEST_F(ExtStringGridCalc, ValuesAreTheDisplayedTextsWithoutMarkup)
{
    Column({u"<b>4</b>", u"(1,000.50)", u"$3"});
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 4 - 1000.5 + 3);
    g.OnGetDisplText = [](TObject*, Integer, Integer, String& Value) {
        if (Value == u"$3") Value = u"30";
    };
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 4 - 1000.5 + 30);
    EXPECT_DOUBLE_EQ(g.RowSum(2, 1, 2), -1000.5);
}

TEST_F(ExtStringGridCalc, AMergedRangeCountsOnceByItsBaseCell)
{
    Column({u"1", u"2", u"3", u"4"});
    g.MergeCells(1, 2, 1, 2);
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 1 + 2 + 4);
    g.SetGridCell(0, 1, u"10");
    g.SetGridCell(2, 1, u"20");
    g.MergeCells(1, 1, 2, 1);
    EXPECT_DOUBLE_EQ(g.RowSum(1, 0, 2), 10 + 1) << "the columns the merge covers count once";
    EXPECT_DOUBLE_EQ(g.RowAvg(1, 0, 2), 11.0 / 3);
    EXPECT_DOUBLE_EQ(g.RowMax(1, 0, 2), 10);
    EXPECT_DOUBLE_EQ(g.RowMin(1, 0, 2), 1);
}

TEST_F(ExtStringGridCalc, CustomCalculationsAskTheirEvents)
{
    Column({u"1"});
    EXPECT_EQ(g.ColumnCustomCalc(1, 1, 1), 0);
    g.OnColumnCalc = [](TObject*, Integer ACol, Integer FromRow, Integer ToRow, double& Res) {
        Res = ACol * 100 + FromRow * 10 + ToRow;
    };
    EXPECT_EQ(g.ColumnCustomCalc(1, 2, 3), 123);
    EXPECT_EQ(g.GroupCustomCalc(1, 2, 3), 0) << "the group event is another one";
}

TEST_F(ExtStringGridCalc, ProgressIsReportedThroughTheExportHook)
{
    Column({u"1", u"2"});
    g.ColumnSum(1, -1, -1);
    using P = std::pair<TGridExportState, Integer>;
    EXPECT_EQ(g.Progress,
              (std::vector<P>{{esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}}));
}

}  // namespace
}  // namespace gw::test
