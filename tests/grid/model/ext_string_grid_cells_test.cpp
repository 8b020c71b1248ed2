// The string grid's cell ranges: clears by rectangle with and without hidden columns, trimming,
// row colours that keep merges and controls whole, merging and splitting runs, MergeCols, IsCell,
// and the column order record.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/cell_graphic.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/button.h"
#include "platform/graphics/font.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/ext_string_grid_rows_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridCells : public ::testing::Test {
protected:
    ExtStringGridCells()
    {
        g.SetColCount(5);
        g.SetRowCount(6);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        Fill();
    }
    void Fill()
    {
        for (Integer r = 0; r < g.RowCount(); ++r)
            for (Integer c = 0; c < g.TotalColCount(); ++c)
                g.SetGridCell(c, r, Utf8ToString(std::to_string(c) + std::to_string(r)));
    }
    // The cells still holding text, as "cr" pairs.
    std::string Filled()
    {
        std::string s;
        for (Integer r = 0; r < g.RowCount(); ++r)
            for (Integer c = 0; c < g.TotalColCount(); ++c)
                if (!g.GetGridCell(c, r).empty()) s += std::to_string(c) + std::to_string(r) + " ";
        return s;
    }

    THarness h;
    TRowsGrid g{nullptr};
};

TEST_F(ExtStringGridCells, ClearsByRectangleReachTheRealColumns)
{
    struct Case {
        const char* Name;
        bool SaveHidden;
        std::function<void()> Clear;
        std::string Left;
    };
    const std::vector<Case> cases = {
        // Column 2 is hidden: displayed column 2 is real column 3.
        {"ClearRect displayed, mapped", true, [&] { g.ClearRect(2, 1, 2, 2); },
         "00 10 20 30 40 01 11 21 41 02 12 22 42 03 13 23 33 43 04 14 24 34 44 05 15 25 35 45 "},
        {"ClearRect unmapped", false, [&] { g.ClearRect(2, 1, 2, 2); },
         "00 10 20 30 40 01 11 31 41 02 12 32 42 03 13 23 33 43 04 14 24 34 44 05 15 25 35 45 "},
        {"ClearRows reaches the hidden column", true, [&] { g.ClearRows(2, 1); },
         "00 10 20 30 40 01 11 21 31 41 03 13 23 33 43 04 14 24 34 44 05 15 25 35 45 "},
        {"ClearNormalRows", true, [&] { g.ClearNormalRows(2, 1); },
         "00 10 20 30 40 01 11 21 31 41 02 03 13 23 33 43 04 14 24 34 44 05 15 25 35 45 "},
        {"ClearNormalCells keeps fixed and footer cells", true, [&] { g.ClearNormalCells(); },
         "00 10 20 30 40 01 02 03 04 05 15 25 35 45 "},
        {"Clear", true, [&] { g.Clear(); }, ""},
        {"ClearCols", false, [&] { g.ClearCols(1, 2); }, "00 30 40 01 31 41 02 32 42 03 33 43 04 34 44 05 35 45 "},
    };
    g.HideColumnForTest(2);
    g.SetFixedFooters(1);
    for (const Case& c : cases) {
        Fill();
        g.SaveHiddenCells = c.SaveHidden;
        c.Clear();
        EXPECT_EQ(Filled(), c.Left) << c.Name;
    }
}

TEST_F(ExtStringGridCells, ClearingFreesPropertiesUnlessOnlyTextIsCleared)
{
    g.SetColors(2, 2, clRed);
    g.ClearTextOnly = true;
    g.ClearRect(1, 1, 3, 3);
    EXPECT_EQ(g.GetGridCell(2, 2), u"");
    EXPECT_EQ(g.GetColors(2, 2), clRed);
    g.ClearTextOnly = false;
    g.ClearRect(1, 1, 3, 3);
    EXPECT_EQ(g.GetGridObject(2, 2), nullptr);
    EXPECT_TRUE(g.FHasCellProps) << "only a clear of the whole grid resets the flag";
    g.ClearRect(0, 0, 4, 5);
    EXPECT_FALSE(g.FHasCellProps);
}

TEST_F(ExtStringGridCells, ClearAllEmptiesHiddenRowsToo)
{
    g.HideRowForTest(3);
    g.Clear();
    EXPECT_EQ(g.FHiddenRows.Items(0).Items.Strings(1), u"13");
    g.ClearAll();
    EXPECT_EQ(g.FHiddenRows.Items(0).Items.Strings(1), u"");
    EXPECT_EQ(Filled(), "");
}

TEST_F(ExtStringGridCells, TrimmingKeepsBlanksBetweenWords)
{
    g.SetCellEx(2, 3, u"  a b  ");
    g.SetCellEx(3, 3, u"\t x\r\n");
    g.SetCellEx(2, 4, u"  untouched ");
    g.TrimRow(3);
    EXPECT_EQ(g.GetCellEx(2, 3), u"a b");
    EXPECT_EQ(g.GetCellEx(3, 3), u"x");
    EXPECT_EQ(g.GetCellEx(2, 4), u"  untouched ");
    g.TrimColumn(2);
    EXPECT_EQ(g.GetCellEx(2, 4), u"untouched");
}

TEST_F(ExtStringGridCells, RowColoursSetToNoneKeepMergesAndControlsWhole)
{
    g.SetColors(1, 2, clRed);
    g.SetAlignments(1, 2, taRightJustify);
    g.MergeCells(2, 2, 2, 1);
    g.SetColors(2, 2, clBlue);
    TButton button(nullptr);
    g.GetCellProperties(4, 2)->Control = &button;
    g.SetRowColor(2, clNone);
    EXPECT_EQ(g.GetColors(1, 2), clNone);
    EXPECT_EQ(g.GetGridObject(1, 2)->Alignment, taRightJustify) << "a cell without a graphic keeps its looks";
    EXPECT_TRUE(g.IsMergedCell(3, 2));

    g.SetRowColorTo(2, clYellow);
    g.SetRowColorTo(2, clNone);
    EXPECT_EQ(g.GetGridObject(1, 2), nullptr) << "a plain cell loses its whole object";
    ASSERT_NE(g.GetGridObject(2, 2), nullptr);
    EXPECT_EQ(g.GetGridObject(2, 2)->BrushColorTo(), clNone);
    EXPECT_EQ(g.CellSpan(2, 2).X, 1) << "the merge keeps its base";
    ASSERT_NE(g.GetGridObject(4, 2), nullptr);
    EXPECT_EQ(g.GetGridObject(4, 2)->Control, &button);

    g.SetRowFontColor(3, clGreen);
    EXPECT_EQ(g.GetGridObject(2, 3)->FontColor, clGreen);
    g.SetColors(2, 3, clNone);
    g.SetRowFontColor(3, clNone);
    EXPECT_EQ(g.GetGridObject(2, 3), nullptr) << "a cell without a colour loses its object";
    ASSERT_NE(g.GetGridObject(1, 3), nullptr) << "a cell with the grid's colour keeps it";
    EXPECT_EQ(g.GetGridObject(1, 3)->FontColor, clNone);
    EXPECT_EQ(g.GetGridObject(0, 3), nullptr) << "fixed columns are left alone";
}

TEST_F(ExtStringGridCells, ColorRectColoursEveryCell)
{
    g.ColorRect(1, 1, 2, 2, clRed);
    for (Integer r = 1; r <= 2; ++r)
        for (Integer c = 1; c <= 2; ++c) EXPECT_EQ(g.GetColors(c, r), clRed);
    EXPECT_EQ(g.GetColors(3, 2), clNone);
    EXPECT_EQ(g.GetGridObject(3, 2), nullptr) << "reading creates nothing";
}

TEST_F(ExtStringGridCells, MergingRunsOfEqualTexts)
{
    g.SetRowCount(7);
    const std::vector<const char16_t*> texts = {u"head", u"x", u"x", u"y", u"y", u"y", u"z"};
    for (Integer r = 0; r < 7; ++r) g.SetCellEx(2, r, texts[r]);
    g.MergeColumnCells(2, true);
    EXPECT_EQ(g.CellSpan(2, 1), (TPoint{0, 1}));
    EXPECT_EQ(g.CellSpan(2, 3), (TPoint{0, 2}));
    EXPECT_FALSE(g.IsMergedCell(2, 6)) << "a lone value";
    EXPECT_FALSE(g.IsMergedCell(2, 0));

    g.SplitColumnCells(2);
    EXPECT_FALSE(g.IsMergedCell(2, 1));
    EXPECT_FALSE(g.IsMergedCell(2, 4));
    for (Integer r = 0; r < 7; ++r) g.SetCellEx(3, r, texts[r]);
    g.MergeColumnCells(2, true);
    g.MergeColumnCells(3, false);
    EXPECT_EQ(g.CellSpan(3, 1), (TPoint{0, 1})) << "merged alike in the other column";
    EXPECT_FALSE(g.IsMergedCell(3, 6));
    g.SplitColumnCells(2);
    g.SplitColumnCells(3);
    g.SetCellEx(3, 3, u"other");
    g.MergeColumnCells(3, true);
    g.MergeColumnCells(2, false);
    EXPECT_EQ(g.CellSpan(2, 1), (TPoint{0, 1}));
    EXPECT_FALSE(g.IsMergedCell(2, 3)) << "row 3 is merged otherwise in column 3";

    g.SetRowCount(3);
    for (Integer c = 0; c < 5; ++c) g.SetCellEx(c, 2, c == 4 ? u"w" : u"v");
    g.MergeRowCells(2, true);
    EXPECT_EQ(g.CellSpan(1, 2), (TPoint{2, 0}));
    g.SplitRowCells(2);
    EXPECT_FALSE(g.IsMergedCell(2, 2));
    g.MergeCells(1, 1, 2, 2);
    g.SplitAllCells();
    for (Integer r = 0; r < 3; ++r)
        for (Integer c = 0; c < 5; ++c) EXPECT_FALSE(g.IsMergedCell(c, r)) << c << "," << r;
}

TEST_F(ExtStringGridCells, MergeColsJoinsAndRemovesTheSecondColumn)
{
    g.SetCellEx(1, 2, u"a");
    g.SetCellEx(3, 2, u"b");
    g.SetCellEx(1, 3, u"");
    g.SetCellEx(3, 3, u"");
    g.MergeCols(1, 3, u", ");
    EXPECT_EQ(g.GetCellEx(1, 2), u"a, b");
    EXPECT_EQ(g.GetCellEx(1, 3), u",");
    EXPECT_EQ(g.GetCellEx(1, 0), u"10") << "fixed rows are not joined";
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.GetCellEx(3, 2), u"42");
}

TEST_F(ExtStringGridCells, IsCellFindsWholeTextsRowByRow)
{
    g.SetCellEx(3, 1, u"needle");
    g.SetCellEx(1, 2, u"needle");
    g.SetCellEx(2, 1, u"a needle");
    Integer c = -7, r = -7;
    ASSERT_TRUE(g.IsCell(u"needle", c, r));
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 1);
    c = r = -7;
    EXPECT_FALSE(g.IsCell(u"needl", c, r));
    EXPECT_EQ(c, -7);
    EXPECT_EQ(r, -7);
    g.SetCellEx(2, 2, u"|\\x");
    EXPECT_TRUE(g.IsWideCell(2, 2));
    EXPECT_FALSE(g.IsWideCell(2, 1));
}

TEST_F(ExtStringGridCells, ColumnOrderAnswersForEveryColumn)
{
    for (Integer col = 0; col < 5; ++col) {
        EXPECT_EQ(g.ColumnPosition(col), col);
        EXPECT_EQ(g.ColumnAtPosition(col), col);
    }
    EXPECT_EQ(g.ColumnAtPosition(9), 9) << "past the record";
    EXPECT_EQ(g.ColumnByHeader(u"30"), 3);
    EXPECT_EQ(g.ColumnByHeader(u"3"), -1);
    g.SetGridCell(2, 0, u"Name");
    EXPECT_EQ(g.ColumnByHeader(u"name"), -1) << "case-sensitive";
    g.HideColumnForTest(2);
    EXPECT_EQ(g.ColumnByHeader(u"Name"), 2) << "a hidden column is found";
    g.FGroupColumn = 1;
    EXPECT_EQ(g.ColumnPosition(3), 2);
    EXPECT_EQ(g.ColumnAtPosition(1), 2);
}

TEST_F(ExtStringGridCells, AMovedColumnIsFollowedByTheRecordAndResetPutsItBack)
{
    g.SetColCount(3);
    g.SetFixedCols(0);
    g.SetColumnOrder();
    g.HideRowForTest(2);
    g.TBaseGrid::MoveColumn(0, 2);
    EXPECT_EQ(g.ColumnPosition(0), 2);
    EXPECT_EQ(g.ColumnAtPosition(0), 1);
    EXPECT_EQ(g.GetGridCell(2, 1), u"01");
    EXPECT_EQ(g.FHiddenRows.Items(0).Items.Strings(2), u"02") << "the hidden row's cells move too";
    g.ResetColumnOrder();
    for (Integer c = 0; c < 3; ++c) {
        EXPECT_EQ(g.GetGridCell(c, 1), Utf8ToString(std::to_string(c) + "1"));
        EXPECT_EQ(g.ColumnAtPosition(c), c);
    }
    EXPECT_EQ(g.FHiddenRows.Items(0).Items.Strings(0), u"02");
}

TEST_F(ExtStringGridCells, TheCurrentCellIsReadAndWrittenAtTheBaseOfItsMerge)
{
    g.SetCellEx(2, 2, u"<b>base</b>");
    g.MergeCells(2, 2, 2, 2);
    g.GotoCell(3, 3);
    EXPECT_EQ(g.GetCurrentCell(), u"<b>base</b>");
    g.SetCurrentCell(u"new");
    EXPECT_EQ(g.GetGridCell(2, 2), u"new");
    EXPECT_EQ(g.GetCurrentCellText(), u"new");
    g.GotoCell(1, 1);
    g.SetCurrentCellEditText(u"edited");
    EXPECT_EQ(g.GetGridCell(1, 1), u"edited");
}

TEST_F(ExtStringGridCells, PropertyArraysReadDefaultsWithoutCreatingAndKeepWhatIsWritten)
{
    struct Case {
        const char* Name;
        std::function<bool()> ReadsDefault;
        std::function<void()> Write;
        std::function<bool()> ReadsWritten;
    };
    const std::vector<Case> cases = {
        {"Colors", [&] { return g.GetColors(2, 2) == clNone; }, [&] { g.SetColors(2, 2, clRed); },
         [&] { return g.GetColors(2, 2) == clRed; }},
        {"ColorsTo", [&] { return g.GetColorsTo(2, 2) == clNone; }, [&] { g.SetColorsTo(2, 2, clRed); },
         [&] { return g.GetColorsTo(2, 2) == clRed; }},
        {"FontColors", [&] { return g.GetFontColors(2, 2) == clNone; }, [&] { g.SetFontColors(2, 2, clBlue); },
         [&] { return g.GetFontColors(2, 2) == clBlue; }},
        {"Alignments", [&] { return g.GetAlignments(2, 2) == taLeftJustify; }, [&] { g.SetAlignments(2, 2, taCenter); },
         [&] { return g.GetAlignments(2, 2) == taCenter; }},
        {"Gradients", [&] { return g.GetGradients(2, 2) == GradientVertical; },
         [&] { g.SetGradients(2, 2, GradientHorizontal); }, [&] { return g.GetGradients(2, 2) == GradientHorizontal; }},
        {"ReadOnly", [&] { return !g.GetReadOnly(2, 2); }, [&] { g.SetReadOnly(2, 2, true); },
         [&] { return g.GetReadOnly(2, 2); }},
        {"FontStyles", [&] { return g.GetFontStyles(2, 2) == 0; }, [&] { g.SetFontStyles(2, 2, fsItalic); },
         [&] { return g.GetFontStyles(2, 2) == fsItalic; }},
        {"FontNames", [&] { return g.GetFontNames(2, 2).empty(); }, [&] { g.SetFontNames(2, 2, u"Courier"); },
         [&] { return g.GetFontNames(2, 2) == u"Courier"; }},
        {"FontSizes", [&] { return g.GetFontSizes(2, 2) == 0; }, [&] { g.SetFontSizes(2, 2, 14); },
         [&] { return g.GetFontSizes(2, 2) == 14; }},
    };
    for (const Case& c : cases) {
        g.SetCellProperties(2, 2, nullptr);
        EXPECT_TRUE(c.ReadsDefault()) << c.Name;
        EXPECT_EQ(g.GetGridObject(2, 2), nullptr) << c.Name << ": a read creates nothing";
        c.Write();
        EXPECT_TRUE(c.ReadsWritten()) << c.Name;
    }
    TFont font;
    font.SetName(u"Courier");
    font.SetSize(13);
    font.SetStyle(fsBold);
    font.SetColor(clMaroon);
    g.SetFonts(3, 3, &font);
    EXPECT_EQ(g.GetFontNames(3, 3), u"Courier");
    EXPECT_EQ(g.GetFontSizes(3, 3), 13);
    EXPECT_EQ(g.GetFontStyles(3, 3), fsBold);
    EXPECT_EQ(g.GetFontColors(3, 3), clMaroon);

    g.SetCellProperties(2, 2, nullptr);
    g.SetWordWrap(false);
    EXPECT_FALSE(g.GetWordWraps(2, 2));
    EXPECT_NE(g.GetGridObject(2, 2), nullptr) << "WordWraps reads through new properties";
    g.SetWordWraps(2, 2, true);
    EXPECT_TRUE(g.GetWordWraps(2, 2));
}

TEST_F(ExtStringGridCells, ACellControlIsListedOnceAndClearedOnce)
{
    TButton button(nullptr);
    TButton other(nullptr);
    g.SetCellControls(2, 3, &button);
    g.SetCellControls(2, 3, &other);
    EXPECT_EQ(g.CellControlCount(), 1) << "a second control replaces the first";
    EXPECT_EQ(g.GetCellControls(2, 3), &other);
    EXPECT_EQ(other.Parent(), &g);
    g.SetCellControls(2, 3, nullptr);
    g.SetCellControls(2, 3, nullptr);
    EXPECT_EQ(g.CellControlCount(), 0);
    EXPECT_EQ(g.GetCellControls(2, 3), nullptr);
    other.SetParent(nullptr);
    button.SetParent(nullptr);
}

TEST_F(ExtStringGridCells, SmallAccessors)
{
    g.SetColWidths(2, 77);
    g.HideColumnForTest(2);
    EXPECT_EQ(g.GetAllColWidths(2), 77) << "the width the hidden column had";
    EXPECT_EQ(g.GetAllColWidths(3), g.ColWidths(2));
    g.SetCellEx(1, 2, u"one\r\ntwo\r\nthree");
    EXPECT_EQ(g.LinesInCell(1, 2), 3);
    EXPECT_EQ(g.LinesInCell(1, 3), 1);
}

TEST_F(ExtStringGridCells, OriginalCellsReadTheColumnWhereItStandsNow)
{
    g.SetFixedCols(0);
    g.SetColumnOrder();
    g.TBaseGrid::MoveColumn(0, 2);
    EXPECT_EQ(g.GetOriginalCells(0, 1), u"01");
    EXPECT_EQ(g.GetCellEx(2, 1), u"01");
    g.SetOriginalCells(0, 1, u"x");
    EXPECT_EQ(g.GetCellEx(2, 1), u"x");
}

TEST_F(ExtStringGridCells, RealRowAccessorsReadHiddenRowsFromTheirItems)
{
    g.HideColumnForTest(2);
    g.HideRowForTest(3);
    struct Case {
        Integer Col, Row;
        const char16_t* Expected;
    };
    for (const Case& c : std::vector<Case>{
             {1, 3, u"13"}, {1, 4, u"14"}, {2, 4, u"24"}, {2, 3, u"23"}, {-1, 2, u""}, {1, -1, u""}, {1, 5, u"15"}})
        EXPECT_EQ(g.GetAllGridCells(c.Col, c.Row), c.Expected) << c.Col << "," << c.Row;
    EXPECT_EQ(g.HiddenRowTexts(4), nullptr);
    ASSERT_NE(g.HiddenRowTexts(3), nullptr);

    g.SetAllGridCells(1, 3, u"hidden");
    g.SetAllGridCells(9, 3, u"beyond");
    g.SetAllGridCells(2, 4, u"shown");
    EXPECT_EQ(g.HiddenRowTexts(3)->Strings(1), u"hidden");
    EXPECT_EQ(g.HiddenRowTexts(3)->Count(), 5) << "a hidden row is not lengthened";
    EXPECT_EQ(g.GetGridCell(2, 3), u"shown");

    TObject tag;
    g.SetAllObjects(1, 3, &tag);
    g.SetAllObjects(4, 4, &tag);
    EXPECT_EQ(g.GetAllObjects(1, 3), &tag);
    EXPECT_EQ(g.GetAllGridObject(1, 3), g.HiddenRowTexts(3)->Objects(1));
    EXPECT_EQ(g.GetObjectEx(4, 3), &tag);
    EXPECT_EQ(g.GetAllObjects(4, 5), nullptr);
}

}  // namespace
}  // namespace gw::test
