// The string grid's text walks: highlight and error marks over cells, columns, rows and the grid
// (which cells, and that every stored text comes back exactly), the cell checker's run, the fills,
// and the text a cell is saved or exported as.
#include "grid/foundation/cell_checker.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

class TMarkGrid : public TExtStringGrid {
public:
    using TExtStringGrid::GetExportCellText;
    using TExtStringGrid::TExtStringGrid;
    void AllCellsChanged() override { ++AllChanged; }
    // The formatted text of a cell, as the painter's formatting would give it.
    String GetFormattedCell(Integer ACol, Integer ARow) override { return Prefix + GetGridCell(ACol, ARow); }
    int AllChanged = 0;
    String Prefix;
};

class ExtStringGridMarks : public ::testing::Test {
protected:
    ExtStringGridMarks()
    {
        g.SetColCount(4);
        g.SetRowCount(4);
    }
    // Every cell's stored text, row by row, "|" between cells.
    std::string Texts()
    {
        std::string s;
        for (Integer r = 0; r < g.RowCount(); ++r) {
            for (Integer c = 0; c < g.ColCount(); ++c) s += StringToUtf8(g.GetGridCell(c, r)) + "|";
            s += "\n";
        }
        return s;
    }
    void FillAll(const char16_t* Text)
    {
        for (Integer r = 0; r < g.RowCount(); ++r)
            for (Integer c = 0; c < g.ColCount(); ++c) g.SetCellEx(c, r, Text);
    }
    THarness h;
    TMarkGrid g{nullptr};
};

TEST_F(ExtStringGridMarks, EveryStoredTextComesBackAndCellsWithoutAHitAreUntouched)
{
    const std::vector<const char16_t*> texts = {u"R&D", u"a<b", u"a&lt;b", u"<b>x</b>", u"x&lt;", u"abc"};
    g.SetRowCount(Integer(texts.size()) + 1);
    for (Integer i = 0; i < Integer(texts.size()); ++i) g.SetCellEx(1, i + 1, texts[size_t(i)]);
    const std::string before = Texts();

    g.HilightInGrid(false, u"x");
    for (Integer i = 0; i < Integer(texts.size()); ++i) {
        const String now = g.GetGridCell(1, i + 1);
        const bool hit = String(texts[size_t(i)]).find(u'x') != String::npos;
        if (hit)
            EXPECT_NE(now.find(u"<hi>"), String::npos) << StringToUtf8(texts[size_t(i)]);
        else
            EXPECT_EQ(now, texts[size_t(i)]) << "a cell without a hit keeps its text meanwhile";
    }
    EXPECT_EQ(g.GetGridCell(1, 4), u"&lt;b&gt;<hi>x</hi>&lt;/b&gt;") << "mark-up the cell held shows literally";
    g.UnHilightInGrid();
    EXPECT_EQ(Texts(), before);
}

TEST_F(ExtStringGridMarks, WalksCoverTheirRanges)
{
    g.SetFixedFooters(1);
    g.SetFixedRightCols(1);
    struct Case {
        const char* Name;
        std::function<void()> Walk;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {"cell", [&] { g.HilightInCell(true, 2, 1, u"b"); }, "b|b|b|b|\nb|b|<hi>b</hi>|b|\nb|b|b|b|\nb|b|b|b|\n"},
        {"col without fixed", [&] { g.MarkInCol(false, false, 2, u"B"); },
         "b|b|b|b|\nb|b|<e>b</e>|b|\nb|b|<e>b</e>|b|\nb|b|b|b|\n"},
        {"col with fixed", [&] { g.HilightInCol(true, true, 2, u"b"); },
         "b|b|<hi>b</hi>|b|\nb|b|<hi>b</hi>|b|\nb|b|<hi>b</hi>|b|\nb|b|<hi>b</hi>|b|\n"},
        {"row without fixed", [&] { g.HilightInRow(false, true, 2, u"b"); },
         "b|b|b|b|\nb|b|b|b|\nb|<hi>b</hi>|<hi>b</hi>|b|\nb|b|b|b|\n"},
        {"row with fixed", [&] { g.MarkInRow(true, true, 0, u"b"); },
         "<e>b</e>|<e>b</e>|<e>b</e>|<e>b</e>|\nb|b|b|b|\nb|b|b|b|\nb|b|b|b|\n"},
        {"grid without fixed", [&] { g.MarkInGrid(false, true, u"b"); },
         "b|b|b|b|\nb|<e>b</e>|<e>b</e>|b|\nb|<e>b</e>|<e>b</e>|b|\nb|b|b|b|\n"},
        {"case kept", [&] { g.HilightInGrid(false, true, u"B"); }, "b|b|b|b|\nb|b|b|b|\nb|b|b|b|\nb|b|b|b|\n"},
        {"empty search", [&] { g.HilightInGrid(true, false, u""); }, "b|b|b|b|\nb|b|b|b|\nb|b|b|b|\nb|b|b|b|\n"},
    };
    for (const Case& c : cases) {
        FillAll(u"b");
        c.Walk();
        EXPECT_EQ(Texts(), c.Expected) << c.Name;
    }

    // Removal takes its own tag only, over its range.
    FillAll(u"b");
    g.HilightInGrid(true, true, u"b");
    g.UnMarkInGrid(true);
    EXPECT_EQ(g.GetGridCell(1, 1), u"<hi>b</hi>") << "another mark's tag stays";
    g.UnHilightInCol(false, 1);
    g.UnHilightInRow(true, 3);
    EXPECT_EQ(Texts(),
              "<hi>b</hi>|<hi>b</hi>|<hi>b</hi>|<hi>b</hi>|\n<hi>b</hi>|b|<hi>b</hi>|<hi>b</hi>|\n"
              "<hi>b</hi>|b|<hi>b</hi>|<hi>b</hi>|\nb|b|b|b|\n");
    g.UnHilightInGrid(true);
    EXPECT_EQ(Texts(), "b|b|b|b|\nb|b|b|b|\nb|b|b|b|\nb|b|b|b|\n");
    g.HilightInCell(true, 1, 1, u"b");
    g.UnHilightInCell(1, 1);
    g.MarkInCell(true, 1, 1, u"b");
    g.UnMarkInCell(1, 1);
    EXPECT_EQ(g.GetGridCell(1, 1), u"b");
}

TEST_F(ExtStringGridMarks, AMergedRangeIsMarkedOnceThroughItsBase)
{
    FillAll(u"ab");
    g.MergeCells(1, 1, 2, 2);
    g.HilightInGrid(false, true, u"b");
    EXPECT_EQ(g.GetGridCell(1, 1), u"a<hi>b</hi>");
    EXPECT_EQ(g.GetGridCell(2, 2), u"ab") << "a covered cell is skipped";
    g.UnHilightInGrid(false);
    EXPECT_EQ(g.GetGridCell(1, 1), u"ab");
}

TEST_F(ExtStringGridMarks, DisplayTextIsMarkedWhenTheGridShowsAnother)
{
    g.SetCellEx(1, 1, u"raw");
    g.OnGetDisplText = [](TObject*, Integer, Integer, String& Value) { Value = u"shown " + Value; };
    g.HilightInCell(true, 1, 1, u"shown");
    g.OnGetDisplText = nullptr;
    EXPECT_EQ(g.GetGridCell(1, 1), u"<hi>shown</hi> raw");
}

// A checker that upper-cases when correcting and marks "bad" as an error.
class TUpperChecker : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    String Correct(Integer, Integer, const String& s) override
    {
        String r = s;
        for (Char& c : r) c = (c >= u'a' && c <= u'z') ? Char(c - 32) : c;
        return r;
    }
    String MarkError(Integer, Integer, const String& s) override { return s == u"bad" ? String(u"<e>bad</e>") : s; }
    void StartCheck() override { Log.push_back("start"); }
    void StopCheck() override { Log.push_back("stop"); }
    std::vector<std::string> Log;
};

TEST_F(ExtStringGridMarks, TheCheckerRewritesAndTellsWhetherAnythingChanged)
{
    g.SetCellEx(1, 1, u"ab");
    EXPECT_TRUE(g.CheckGrid(false)) << "no checker: nothing to do";
    EXPECT_EQ(g.GetGridCell(1, 1), u"ab");

    TUpperChecker checker(nullptr);
    g.CellChecker = &checker;
    checker.UseCorrect = true;
    struct Case {
        const char16_t* Text;
        bool Correct;
        bool Mark;
        const char16_t* After;
        bool Unchanged;
    };
    for (const Case& c : {Case{u"ab", true, false, u"AB", false}, Case{u"AB", true, false, u"AB", true},
                          Case{u"<e>AB</e>", false, false, u"AB", true},
                          Case{u"bad", false, true, u"<e>bad</e>", false}, Case{u"ok", true, true, u"ok", true}}) {
        checker.UseCorrect = c.Correct;
        checker.UseMarkError = c.Mark;
        g.SetCellEx(2, 2, c.Text);
        EXPECT_EQ(g.CheckCell(2, 2), c.Unchanged) << StringToUtf8(c.Text);
        EXPECT_EQ(g.GetGridCell(2, 2), c.After) << StringToUtf8(c.Text);
    }

    checker.UseCorrect = true;
    checker.UseMarkError = false;
    FillAll(u"X");
    g.SetCellEx(1, 2, u"y");
    g.SetFixedFooters(1);
    EXPECT_FALSE(g.CheckGrid(false));
    EXPECT_EQ(g.GetGridCell(1, 2), u"Y");
    EXPECT_TRUE(g.CheckRow(false, 2));
    EXPECT_TRUE(g.CheckCol(true, 3));
    g.SetCellEx(0, 3, u"z");
    g.CheckGrid(false);
    EXPECT_EQ(g.GetGridCell(0, 3), u"z") << "fixed cells and footers stay out";
    EXPECT_FALSE(g.CheckCells(0, 3, 0, 3));
    EXPECT_EQ(checker.Log,
              (std::vector<std::string>{"start", "stop", "start", "stop", "start", "stop", "start", "stop", "start",
                                        "stop"}));

    checker.GotoCell = true;
    g.SetRow(1);
    g.SetCol(1);
    g.CheckCells(2, 2, 3, 3);
    EXPECT_EQ(g.Row(), 1) << "the current cell comes back";
    EXPECT_EQ(g.Col(), 1);
    g.CellChecker = nullptr;
}

TEST_F(ExtStringGridMarks, FillsWriteTheNormalCellsOrAll)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    FillAll(u"");
    g.LinearFill(false);
    EXPECT_EQ(Texts(), "|||\n|1:1|2:1|\n|1:2|2:2|\n");
    EXPECT_EQ(g.AllChanged, 1);
    g.FormatFill(false, u"R%1:d C%0:d");
    EXPECT_EQ(g.GetGridCell(1, 1), u"R1 C1");
    EXPECT_EQ(g.GetGridCell(1, 2), u"R2 C1");
    EXPECT_EQ(g.GetGridCell(2, 1), u"R1 C2");
    EXPECT_THROW(g.FormatFill(false, u"%s"), Exception) << "the runtime's error on a mismatch";
    g.RandomFill(true, 1);
    EXPECT_EQ(Texts(), "0|0|0|\n0|0|0|\n0|0|0|\n");
    g.SetFixedRightCols(1);
    g.SetFixedFooters(1);
    g.TextFill(false, u"t");
    EXPECT_EQ(Texts(), "0|0|0|\n0|t|0|\n0|0|0|\n");
    g.RandomFill(false, 10);
    const Integer v = g.GetInts(1, 1);
    EXPECT_TRUE(v >= 0 && v < 10) << v;
}

TEST_F(ExtStringGridMarks, ExportTextByKindOfCell)
{
    g.SaveVirtCells = false;
    g.AddCheckBox(1, 1, true, false);
    g.AddCheckBox(1, 2, false, false);
    g.AddCheckBox(2, 1, cbGrayed);
    g.AddCheckBox(2, 2, cbChecked);
    EXPECT_EQ(g.GetExportCellText(1, 1), u"Y");
    EXPECT_EQ(g.GetExportCellText(1, 2), u"N");
    EXPECT_EQ(g.GetExportCellText(2, 1), u"N") << "grayed saves as unchecked";
    EXPECT_EQ(g.GetExportCellText(2, 2), u"Y");
    g.SetCellEx(1, 1, u"caption");
    EXPECT_EQ(g.GetExportCellText(1, 1), u"caption") << "a text is saved as it is";

    g.SetCellEx(3, 1, u"<b>bold</b> text");
    EXPECT_EQ(g.GetExportCellText(3, 1), u"<b>bold</b> text");
    g.SaveWithHTML = false;
    EXPECT_EQ(g.GetExportCellText(3, 1), u"bold text");

    g.SetCellEx(3, 2, u"{\\rtf1 one\\par\r\ntwo}");
    EXPECT_EQ(g.GetExportCellText(3, 2), u"one\r\ntwo") << "without RTF: the plain text";
    g.SaveWithRTF = true;
    EXPECT_EQ(g.GetExportCellText(3, 2), u"{\\rtf1 one\\partwo}") << "with RTF: on one line";

    g.SaveVirtCells = true;
    g.Prefix = u"$";
    g.SetCellEx(1, 3, u"5");
    EXPECT_EQ(g.GetExportCellText(1, 3), u"$5") << "the formatted text";
    g.OnSaveCell = [](TObject*, Integer ACol, Integer ARow, String& Value) {
        Value += u"@" + String(1, Char(u'0' + ACol)) + String(1, Char(u'0' + ARow));
    };
    EXPECT_EQ(g.GetExportCellText(1, 3), u"$5@13");
}

}  // namespace
}  // namespace gw::test
