// Undo and redo of cell edits: the recorded items, the level and the markers through undo and
// redo sequences, the limit, the events, the current cell, and the links between grid and
// component.
#include "grid/foundation/undo_redo.h"

#include "grid/foundation/base_grid.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// A grid whose second real column is hidden: displayed columns skip it.
class THidingGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    bool HideColumn1 = false;
    Integer DisplColIndex(Integer ACol) const override { return HideColumn1 && ACol > 1 ? ACol - 1 : ACol; }
};

class UndoRedoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(5);
        grid.SetRowCount(5);
        grid.SetUndoRedo(&undo);
    }
    // Writes a cell and records the change, as the string grid's editing does.
    void Edit(Integer ACol, Integer ARow, const String& Value)
    {
        undo.RegisterChange(ACol, ARow, grid.GetCellEx(ACol, ARow), Value);
        grid.SetCellEx(ACol, ARow, Value);
    }
    // "S" start, "T" stop, "c,r:old>new" a change; a "|" stands at Level.
    std::string Items() const
    {
        std::string s;
        for (Integer i = 0; i < undo.Items().Count(); ++i) {
            if (i == undo.Level()) s += "| ";
            const TUndoRedoItem& it = undo.Item(i);
            if (it.SequenceStart)
                s += "S ";
            else if (it.SequenceStop)
                s += "T ";
            else
                s += std::to_string(it.Col) + "," + std::to_string(it.Row) + ":" + StringToUtf8(it.OrigValue) + ">" +
                    StringToUtf8(it.Value) + " ";
        }
        if (undo.Level() == undo.Items().Count()) s += "|";
        return s;
    }
    std::string Cells() const
    {
        return StringToUtf8(grid.GetGridCell(1, 1) + u"/" + grid.GetGridCell(2, 3) + u"/" + grid.GetGridCell(3, 0));
    }

    THidingGrid grid{nullptr};
    TExtGridUndoRedo undo{nullptr};
};

TEST_F(UndoRedoTest, ChangesAreRecordedInTheArgumentOrderColumnRowOldNew)
{
    EXPECT_EQ(undo.Grid(), &grid) << "the grid's UndoRedo links back";
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
    undo.RegisterChange(2, 3, u"old", u"new");
    const TUndoRedoItem& it = undo.Item(0);
    EXPECT_EQ(it.Col, 2);
    EXPECT_EQ(it.Row, 3);
    EXPECT_EQ(it.OrigValue, u"old");
    EXPECT_EQ(it.Value, u"new");
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_TRUE(undo.CanUndo());
}

TEST_F(UndoRedoTest, StepsThroughSingleChangesAndSequences)
{
    // Each step: the action, then the items with the level, then the three cells watched.
    struct Step {
        const char* Action;
        std::string Items;
        std::string Cells;
    };
    const std::vector<Step> steps = {
        {"edit 1,1 a", "1,1:>a |", "a//"},
        {"start", "1,1:>a S |", "a//"},
        {"edit 2,3 b", "1,1:>a S 2,3:>b |", "a/b/"},
        {"edit 3,0 c", "1,1:>a S 2,3:>b 3,0:>c |", "a/b/c"},
        {"stop", "1,1:>a S 2,3:>b 3,0:>c T |", "a/b/c"},
        {"undo", "1,1:>a | S 2,3:>b 3,0:>c T ", "a//"},
        {"undo", "| 1,1:>a S 2,3:>b 3,0:>c T ", "//"},
        {"undo", "| 1,1:>a S 2,3:>b 3,0:>c T ", "//"},
        {"redo", "1,1:>a | S 2,3:>b 3,0:>c T ", "a//"},
        {"redo", "1,1:>a S 2,3:>b 3,0:>c T |", "a/b/c"},
        {"redo", "1,1:>a S 2,3:>b 3,0:>c T |", "a/b/c"},
        {"undo", "1,1:>a | S 2,3:>b 3,0:>c T ", "a//"},
        {"edit 1,1 d", "1,1:>a 1,1:a>d |", "d//"},
    };
    for (const Step& s : steps) {
        const std::string a = s.Action;
        if (a == "start")
            undo.StartSequence();
        else if (a == "stop")
            undo.StopSequence();
        else if (a == "undo")
            undo.Undo();
        else if (a == "redo")
            undo.Redo();
        else
            Edit(a[5] - '0', a[7] - '0', Utf8ToString(a.substr(9)));
        EXPECT_EQ(Items(), s.Items) << "after " << a;
        EXPECT_EQ(Cells(), s.Cells) << "after " << a;
    }
    EXPECT_FALSE(undo.CanRedo()) << "a new change drops what was undone";
}

TEST_F(UndoRedoTest, UndoOfASequenceRunsLastChangeFirstAndEndsOnTheFirstCell)
{
    std::vector<std::string> log;
    undo.OnUndo = [&](TObject* Sender, TBaseGrid* G, Integer c, Integer r, const String& Orig, const String& New) {
        EXPECT_EQ(Sender, &undo);
        EXPECT_EQ(G, &grid);
        log.push_back(std::to_string(c) + "," + std::to_string(r) + " " + StringToUtf8(Orig) + ">" + StringToUtf8(New));
    };
    undo.OnRedo = [&](TObject*, TBaseGrid*, Integer c, Integer r, const String& Orig, const String& New) {
        log.push_back("redo " + std::to_string(c) + "," + std::to_string(r) + " " + StringToUtf8(Orig) + ">" +
                      StringToUtf8(New));
    };
    grid.SetGridCell(1, 1, u"x");
    undo.StartSequence();
    Edit(1, 1, u"y");
    Edit(2, 3, u"z");
    undo.StopSequence();
    undo.Undo();
    EXPECT_EQ(log, (std::vector<std::string>{"2,3 z>", "1,1 y>x"}));
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(Point(grid.Col(), grid.Row()), Point(1, 1)) << "the first change's cell";
    log.clear();
    undo.Redo();
    EXPECT_EQ(log, (std::vector<std::string>{"redo 1,1 x>y", "redo 2,3 >z"}));
    EXPECT_EQ(undo.Level(), 4);
    EXPECT_EQ(Point(grid.Col(), grid.Row()), Point(2, 3));
}

TEST_F(UndoRedoTest, TheCurrentCellIsShownAtItsDisplayedColumn)
{
    grid.HideColumn1 = true;
    Edit(3, 2, u"v");
    undo.Undo();
    EXPECT_EQ(grid.GetGridCell(3, 2), u"");
    EXPECT_EQ(Point(grid.Col(), grid.Row()), Point(2, 2));
}

TEST_F(UndoRedoTest, WritesGoToTheBaseCellOfAMerge)
{
    grid.MergeCells(1, 1, 2, 2);
    Edit(2, 2, u"m");
    EXPECT_EQ(grid.GetGridCell(1, 1), u"m");
    undo.Undo();
    EXPECT_EQ(grid.GetGridCell(1, 1), u"");
    undo.Redo();
    EXPECT_EQ(grid.GetGridCell(1, 1), u"m");
}

TEST_F(UndoRedoTest, TheLimitDropsTheOldestChangeButNoMarker)
{
    undo.MaxLevel = 3;
    for (int i = 0; i < 4; ++i) Edit(i, 0, Utf8ToString(std::to_string(i)));
    EXPECT_EQ(Items(), "1,0:>1 2,0:>2 3,0:>3 |");
    EXPECT_EQ(undo.Level(), 3);
    undo.StartSequence();
    EXPECT_EQ(undo.Items().Count(), 4) << "markers are not trimmed";
    Edit(4, 4, u"e");
    EXPECT_EQ(Items(), "3,0:>3 S 4,4:>e |");
}

TEST_F(UndoRedoTest, SequencesWithoutOneOfTheirMarkersStayInsideTheGrid)
{
    // The start trimmed away: undo runs to the first item and the level stops at 0.
    undo.MaxLevel = 2;
    undo.StartSequence();
    Edit(1, 1, u"a");
    Edit(2, 3, u"b");
    undo.StopSequence();
    EXPECT_EQ(Items(), "1,1:>a 2,3:>b T |");
    undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(Cells(), "//");

    // A sequence never stopped: its start is stepped over alone; redo runs to the end.
    undo.Reset();
    EXPECT_EQ(undo.Level(), 0) << "Reset leaves nothing to undo";
    EXPECT_FALSE(undo.CanUndo());
    undo.MaxLevel = 0;
    Edit(1, 1, u"p");
    undo.StartSequence();
    undo.Undo();
    EXPECT_EQ(Items(), "1,1:>p | S ");
    EXPECT_EQ(Cells(), "p//") << "the marker wrote no cell";
    undo.Undo();
    undo.Redo();
    undo.Redo();
    EXPECT_EQ(Items(), "1,1:>p S |");
    EXPECT_EQ(Cells(), "p//");
}

TEST_F(UndoRedoTest, NothingHappensWithoutAGridOrAStep)
{
    TExtGridUndoRedo lone(nullptr);
    lone.RegisterChange(0, 0, u"", u"x");
    lone.Undo();
    EXPECT_EQ(lone.Level(), 1) << "no grid: nothing undone";
    undo.Undo();
    undo.Redo();
    EXPECT_EQ(undo.Level(), 0);
}

TEST_F(UndoRedoTest, GridAndComponentForgetEachOtherWhenEitherGoes)
{
    {
        TBaseGrid other(nullptr);
        other.SetUndoRedo(&undo);
        EXPECT_EQ(undo.Grid(), &other);
        EXPECT_EQ(grid.UndoRedo(), &undo) << "the first grid still links to it";
    }
    EXPECT_EQ(undo.Grid(), nullptr);
    undo.Undo();  // harmless

    auto* owned = new TExtGridUndoRedo(nullptr);
    grid.SetUndoRedo(owned);
    delete owned;
    EXPECT_EQ(grid.UndoRedo(), nullptr);

    TExtGridUndoRedo kept(nullptr);
    grid.SetUndoRedo(&kept);
    grid.SetUndoRedo(nullptr);
    EXPECT_EQ(kept.Grid(), nullptr) << "unlinking clears both ends";
}

}  // namespace
}  // namespace gw::test
