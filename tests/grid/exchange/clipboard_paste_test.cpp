// The text paste: where the fields land, what may be written, the grid's growth, the events,
// undo, and a paste ended by an error taken back whole.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/floating_footer.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/clock.h"
#include "platform/ui/window_system.h"
#include "tests/grid/exchange/clipboard_grid.h"

#include <stdexcept>

namespace gw::test {
namespace {

// The data cells start as "." so that an emptied cell shows.
class PasteTest : public ClipboardGridTest {
protected:
    PasteTest()
    {
        for (Integer r = 1; r < 6; ++r)
            for (Integer c = 1; c < 5; ++c) g.SetCellEx(c, r, u".");
    }
    Integer Paste(Integer ACol, Integer ARow, const String& Text)
    {
        Integer cols = -1, rows = -1;
        return g.PasteTextAt(ACol, ARow, cols, rows, Text);
    }
};

TEST_F(PasteTest, FieldsLandFromTheStartCellAndNeverOutsideTheGrid)
{
    struct Case {
        const char* Name;
        const char16_t* Text;
        TPoint At;
        bool Grow;
        Integer Count;
        const char* Cells;  // columns 1..4 of rows 1..5
        Integer ColCount, RowCount;
    };
    const Case cases[] = {
        {"a block", u"a\tb\r\nc\td\r\n", {1, 1}, true, 5, "a|b|.|./c|d|.|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
        {"lone CR and LF", u"a\rb\nc", {2, 1}, true, 2, ".|a|.|./.|b\nc|.|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
        {"an empty middle field empties", u"x\t\ty", {1, 1}, true, 3, "x||y|./.|.|.|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
        {"a final tab writes nothing", u"a\t", {3, 2}, true, 2, ".|.|.|./.|.|a|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
        {"an empty line between empties", u"a\r\n\r\nb", {4, 1}, true, 3, ".|.|.|a/.|.|.|/.|.|.|b/.|.|.|./.|.|.|.", 5, 6},
        {"ragged rows", u"a\tb\tc\r\nd\r\ne\tf", {2, 3}, true, 6, ".|.|.|./.|.|.|./.|a|b|c/.|d|.|./.|e|f|.", 5, 6},
        {"columns grow", u"1\t2\t3", {4, 5}, true, 3, ".|.|.|./.|.|.|./.|.|.|./.|.|.|./.|.|.|1", 7, 6},
        {"columns held", u"1\t2\t3", {4, 5}, false, 3, ".|.|.|./.|.|.|./.|.|.|./.|.|.|./.|.|.|1", 5, 6},
        {"rows grow", u"a\r\nb\r\nc\r\n", {1, 4}, true, 4, ".|.|.|./.|.|.|./.|.|.|./a|.|.|./b|.|.|.", 5, 7},
        {"rows held", u"a\r\nb\r\nc\r\n", {1, 4}, false, 4, ".|.|.|./.|.|.|./.|.|.|./a|.|.|./b|.|.|.", 5, 6},
        {"a final break asks for no row", u"a\r\nb\r\n", {1, 4}, true, 3, ".|.|.|./.|.|.|./.|.|.|./a|.|.|./b|.|.|.", 5, 6},
        {"a final tab asks for no column", u"a\t", {4, 1}, true, 2, ".|.|.|a/.|.|.|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
        {"quoted multi-line field", u"\"a\n\nb\"\tz", {1, 1}, true, 2, "a\n\nb|z|.|./.|.|.|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
        {"negative start", u"a", {-1, 1}, true, 0, ".|.|.|./.|.|.|./.|.|.|./.|.|.|./.|.|.|.", 5, 6},
    };
    for (const Case& c : cases) {
        TClipGrid& grid = g;
        grid.SetColCount(5);
        grid.SetRowCount(6);
        for (Integer r = 1; r < 6; ++r)
            for (Integer col = 1; col < 5; ++col) grid.SetCellEx(col, r, u".");
        grid.Navigation()->AllowClipboardColGrow = c.Grow;
        grid.Navigation()->AllowClipboardRowGrow = c.Grow;
        EXPECT_EQ(Paste(c.At.X, c.At.Y, c.Text), c.Count) << c.Name;
        EXPECT_EQ(Cells(1, 1, 4, 5), c.Cells) << c.Name;
        EXPECT_EQ(grid.ColCount(), c.ColCount) << c.Name;
        EXPECT_EQ(grid.RowCount(), c.RowCount) << c.Name;
        EXPECT_EQ(Cells(0, 0, grid.ColCount() - 1, 0), std::string(grid.ColCount() - 1, '|')) << c.Name << ": header";
    }
}

TEST_F(PasteTest, OnlyCellsTheUserMayEditAreWrittenUnlessTheClipboardMayAlways)
{
    g.SetFixedRightCols(1);  // column 4 is fixed
    g.OnCanEditCell = [](TObject*, Integer ARow, Integer ACol, bool& CanEdit) { CanEdit = !(ACol == 2 && ARow == 1); };
    EXPECT_EQ(Paste(1, 1, u"a\tb\tc\td"), 4);
    EXPECT_EQ(Cells(1, 1, 4, 1), "a|.|c|.") << "read-only and fixed cells kept";
    g.Navigation()->AllowClipboardAlways = true;
    Paste(1, 1, u"A\tB\tC");
    EXPECT_EQ(Cells(1, 1, 3, 1), "A|B|C");

    g.Navigation()->AllowClipboardAlways = false;
    g.SetOptions(g.Options() & ~TGridOptions(goEditing));
    EXPECT_EQ(Paste(1, 2, u"x"), 0) << "a grid without editing takes no text";
    EXPECT_EQ(Cells(1, 2, 1, 2), ".");
    g.MouseActions()->RangeSelectAndEdit = true;
    EXPECT_EQ(Paste(1, 2, u"x"), 1);
    EXPECT_EQ(Cells(1, 2, 1, 2), "x");
}

TEST_F(PasteTest, HiddenColumnsAreSkippedAsTheUserSeesThem)
{
    g.SetCellEx(2, 1, u"hidden");
    g.HideColumn(2);
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    Paste(1, 1, u"a\tb\tc");
    EXPECT_EQ(g.GetCellEx(2, 1), u"hidden");
    EXPECT_EQ(Cells(1, 1, 1, 1), "a");
    EXPECT_EQ(g.GetCellEx(3, 1), u"b");
    EXPECT_EQ(g.GetCellEx(4, 1), u"c");
    undo.Undo();
    EXPECT_EQ(g.GetCellEx(3, 1), u".") << "undo addresses the real column";
    EXPECT_EQ(g.GetCellEx(4, 1), u".");
    EXPECT_EQ(g.GetCellEx(2, 1), u"hidden");
    g.SetUndoRedo(nullptr);
}

TEST_F(PasteTest, InsertingPutsANewRowBeforeEveryNonEmptyLine)
{
    for (Integer r = 1; r < 6; ++r) g.SetCellEx(1, r, Utf8ToString("r" + std::to_string(r)));
    g.Navigation()->ClipboardPasteAction = paInsert;
    Paste(1, 2, u"a\r\n\r\nb");
    EXPECT_EQ(Cells(1, 1, 1, 7), "r1/a//b/r3/r4/r5") << "the empty line empties the row it lands on";
    EXPECT_EQ(g.RowCount(), 8);
}

TEST_F(PasteTest, EachCellIsOfferedToItsEventsAndRefusedOrChangedThere)
{
    std::vector<std::string> log;
    g.OnClipboardBeforePasteCell = [&](TObject*, Integer ACol, Integer ARow, String& Value, bool& Allow) {
        log.push_back("before " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + StringToUtf8(Value));
        if (Value == u"no") Allow = false;
        if (Value == u"low") Value = u"LOW";
    };
    g.OnClipboardAfterPasteCell = [&](TObject*, Integer ACol, Integer ARow, const String& Value) {
        log.push_back("after " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + StringToUtf8(Value));
    };
    g.OnClipboardBeforePasteWideCell = [&](TObject*, Integer, Integer, String& Value, bool&) {
        log.push_back("wide before " + StringToUtf8(Value));
        Value += u"!";
    };
    g.OnClipboardAfterPasteWideCell = [&](TObject*, Integer, Integer, const String& Value) {
        log.push_back("wide after " + StringToUtf8(Value));
    };
    std::vector<TGridRect> changed;
    g.OnCellsChanged = [&](TObject*, const TGridRect& R) { changed.push_back(R); };
    Paste(1, 1, u"no\tlow\t" + EncodeWideCellText(u"\x263A"));
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1 no", "before 2,1 low", "after 2,1 LOW",
                                             "wide before \xE2\x98\xBA", "wide after \xE2\x98\xBA!"}));
    EXPECT_EQ(Cells(1, 1, 2, 1), ".|LOW");
    EXPECT_EQ(g.GetCellEx(3, 1), EncodeWideCellText(u"\x263A!"));
    ASSERT_EQ(changed.size(), 1u) << "one notice for the paste";
    EXPECT_EQ((std::vector<Integer>{changed[0].Left, changed[0].Top, changed[0].Right, changed[0].Bottom}),
              (std::vector<Integer>{1, 1, 3, 1}));
}

TEST_F(PasteTest, APasteIsOneUndoStepAndMarksItsRowsForTheSourcesOperation)
{
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    g.ShowModified()->Enabled = true;
    g.FClipTopLeft = {3, 4};
    g.FClipLastOp = coCopy;
    Paste(2, 2, u"a\tb\r\nc\r\n");
    ASSERT_EQ(g.Marks.size(), 1u);
    EXPECT_EQ(g.Marks[0].From, (TPoint{3, 4}));
    EXPECT_EQ((std::vector<Integer>{g.Marks[0].R.Left, g.Marks[0].R.Top, g.Marks[0].R.Right, g.Marks[0].R.Bottom}),
              (std::vector<Integer>{2, 2, 3, 3}));
    EXPECT_EQ(g.Marks[0].Operation, coCopy);
    EXPECT_TRUE(g.GetRowModified(2));
    EXPECT_TRUE(g.GetRowModified(3));
    EXPECT_FALSE(g.GetRowModified(4));
    undo.Undo();
    EXPECT_EQ(Cells(2, 2, 3, 3), ".|./.|.");
    g.SetUndoRedo(nullptr);
}

TEST_F(PasteTest, ACheckBoxCellTakesItsStateFromTheCheckText)
{
    g.AddCheckBox(1, 1, false, false);
    g.AddCheckBox(2, 1, true, false);
    Paste(1, 1, g.CheckTrue + u"\t" + u"anything");
    bool state = false;
    EXPECT_TRUE(g.GetCheckBoxState(1, 1, state) && state);
    EXPECT_TRUE(g.GetCheckBoxState(2, 1, state) && !state);
}

TEST_F(PasteTest, APasteEndedByAnErrorIsTakenBackWhole)
{
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    g.AddCheckBox(1, 1, false, false);
    struct Case {
        const char* Name;
        TClipboardPasteAction Action;
    };
    for (const Case& c : {Case{"replacing", paReplace}, Case{"inserting", paInsert}}) {
        g.Navigation()->ClipboardPasteAction = c.Action;
        Integer seen = 0;
        g.OnClipboardAfterPasteCell = [&](TObject*, Integer, Integer, const String&) {
            if (++seen == 6) throw std::runtime_error("handler failed");
        };
        const std::string before = Cells(1, 1, 4, 5);
        EXPECT_THROW(Paste(1, 1, g.CheckTrue + u"\tb\tc\td\te\r\nf\tg\r\nh\r\ni\r\nj\r\nk\r\nl"), std::runtime_error)
            << c.Name;
        EXPECT_EQ(Cells(1, 1, 4, 5), before) << c.Name;
        EXPECT_EQ(g.ColCount(), 5) << c.Name;
        EXPECT_EQ(g.RowCount(), 6) << c.Name;
        bool state = true;
        EXPECT_TRUE(g.GetCheckBoxState(1, 1, state) && !state) << c.Name;
    }
    g.OnClipboardAfterPasteCell = nullptr;
    g.Navigation()->ClipboardPasteAction = paReplace;
    EXPECT_EQ(Paste(1, 1, u"ok"), 1) << "the next paste runs normally";
    EXPECT_EQ(Cells(1, 2, 1, 2), ".");
    g.SetUndoRedo(nullptr);
}

TEST_F(PasteTest, ALargeTextGrowsTheGridOnceAndKeepsItsShape)
{
    String text;
    constexpr Integer Lines = 20000;
    for (Integer i = 0; i < Lines; ++i) text += Utf8ToString(std::to_string(i) + "\tx\ty\r\n");
    const Cardinal started = GetTickCount();
    EXPECT_EQ(Paste(1, 1, text), Lines * 3 + 1);
    EXPECT_LT(GetTickCount() - started, 20000u) << "no work per row that grows with the grid";
    EXPECT_EQ(g.RowCount(), Lines + 1);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(Cells(1, Lines, 4, Lines), "19999|x|y|");
}

TEST_F(PasteTest, SetSelectionAsTextStoresRawAndGrowsWithoutAsking)
{
    g.Navigation()->AllowClipboardColGrow = false;
    g.Navigation()->AllowClipboardRowGrow = false;
    g.OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
    bool asked = false;
    g.OnClipboardBeforePasteCell = [&](TObject*, Integer, Integer, String&, bool&) { asked = true; };
    std::vector<TGridRect> changed;
    g.OnCellsChanged = [&](TObject*, const TGridRect& R) { changed.push_back(R); };
    g.AddCheckBox(3, 4, false, false);
    Select(3, 4, 3, 4);
    g.SetSelectionAsText(u"a\tb\tc\r\nd\r\ne\r\n");
    EXPECT_FALSE(asked);
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(Cells(3, 4, 5, 6), "a|b|c/d|.|/e||");
    bool state = true;
    EXPECT_TRUE(g.GetCheckBoxState(3, 4, state) && !state) << "the raw text, not a check state";
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ((std::vector<Integer>{changed[0].Left, changed[0].Top, changed[0].Right, changed[0].Bottom}),
              (std::vector<Integer>{3, 4, 5, 6}));
}

TEST_F(PasteTest, TheFloatingFootersRowStaysBelowThePastedRows)
{
    g.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
    g.FloatingFooter()->SetVisible(true);
    const Integer rows = g.RowCount();
    Paste(1, rows - 3, u"a\r\nb\r\nc");
    EXPECT_EQ(g.RowCount(), rows + 1) << "the row before the footer's asks for one more";
}

}  // namespace
}  // namespace gw::test
