// AdvanceToNextCell: where the current cell goes by direction, forward or backward, at the ends
// with appending or looping, past merged and read-only cells, and when a handler refuses.
#include "tests/grid/interaction/edit_grid_fixture.h"

#include <functional>

namespace gw::test {
namespace {

struct TAdvanceCase {
    const char* What;
    TAdvanceDirection Direction;
    bool Forward;
    bool Insert, Loop;
    TGridCoord Start, Expected;
    Integer RowCount = 6, ColCount = 5;
    std::function<void(TEditTestGrid&)> Setup = nullptr;
};

void PrintTo(const TAdvanceCase& C, std::ostream* Out) { *Out << C.What; }

class AdvanceTest : public EditGridTest, public testing::WithParamInterface<TAdvanceCase> {};

TEST_P(AdvanceTest, GoesWhereTheSettingsSay)
{
    const TAdvanceCase& c = GetParam();
    TNavigation& nav = *grid->Navigation();
    nav.SetAdvanceDirection(c.Direction);
    nav.SetAdvanceInsert(c.Insert);
    nav.AdvanceOnEnterLoop = c.Loop;
    nav.AdvanceSkipReadOnlyCells = false;
    grid->FocusCell(c.Start.X, c.Start.Y);
    if (c.Setup) c.Setup(*grid);
    grid->AdvanceToNextCell(c.Start.X, c.Start.Y, true, false, c.Forward, false, false);
    EXPECT_EQ(grid->Col(), c.Expected.X);
    EXPECT_EQ(grid->Row(), c.Expected.Y);
    EXPECT_EQ(grid->RowCount(), c.RowCount);
    EXPECT_EQ(grid->ColCount(), c.ColCount);
}

void ReadOnlyColumn2(TEditTestGrid& G)
{
    G.OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) {
        if (ACol == 2) CanEdit = false;
    };
}

const TAdvanceCase AdvanceCases[] = {
    {"right: the next column", adLeftRight, true, false, false, {1, 1}, {2, 1}},
    {"right at the row's end: the next row's first column", adLeftRight, true, false, false, {4, 1}, {0, 2}},
    {"right at the last cell without insert or loop: stays", adLeftRight, true, false, false, {4, 5}, {4, 5}},
    {"right at the last cell with loop: the first data cell", adLeftRight, true, false, true, {4, 5}, {0, 1}},
    {"right at the last cell with insert: a new row", adLeftRight, true, true, false, {4, 5}, {0, 6}, 7},
    {"insert with a footer row: the new row goes before it",
     adLeftRight,
     true,
     true,
     false,
     {4, 4},
     {0, 5},
     7,
     5,
     [](TEditTestGrid& G) {
         G.SetFixedFooters(1);
         G.SetCellEx(1, 5, u"total");
         G.OnAutoAddRow = [](TObject* Sender, Integer ARow) {
             EXPECT_EQ(static_cast<TEditTestGrid*>(Sender)->GetCellEx(1, ARow + 1), u"total")
                 << "the footer moved down";
         };
     }},
    {"insert refused by OnCanAddRow: the first column of the same row",
     adLeftRight,
     true,
     true,
     false,
     {4, 5},
     {0, 5},
     6,
     5,
     [](TEditTestGrid& G) { G.OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; }; }},
    {"in the row with loop: back to its first column", adLeftRightInRow, true, false, true, {4, 3}, {0, 3}},
    {"in the row without loop: stays", adLeftRightInRow, true, true, false, {4, 3}, {4, 3}},
    {"down: the next row", adTopBottom, true, false, false, {1, 1}, {1, 2}},
    {"down at the column's end: the next column's first row", adTopBottom, true, false, false, {1, 5}, {2, 1}},
    {"down at the last cell without insert: the first cell", adTopBottom, true, false, false, {4, 5}, {0, 1}},
    {"in the column: back to its first row", adTopBottomInCol, true, false, false, {3, 5}, {3, 1}},
    {"left: the column before", adLeftRight, false, false, false, {2, 3}, {1, 3}},
    {"left at the row's start: the row above's last column", adLeftRight, false, false, false, {0, 3}, {4, 2}},
    {"left at the first cell: the last cell", adLeftRight, false, false, false, {0, 1}, {4, 5}},
    {"up: the row above", adTopBottom, false, false, false, {2, 3}, {2, 2}},
    {"up at the first row: the column before's last row", adTopBottom, false, false, false, {2, 1}, {1, 5}},
    {"up at the first cell: the last cell", adTopBottom, false, false, false, {0, 1}, {4, 5}},
    {"backward in the row: nothing moves", adLeftRightInRow, false, false, true, {2, 3}, {2, 3}},
    {"backward in the column: nothing moves", adTopBottomInCol, false, false, true, {2, 3}, {2, 3}},
    {"a merged start is left past its whole span",
     adLeftRight,
     true,
     false,
     false,
     {1, 1},
     {3, 1},
     6,
     5,
     [](TEditTestGrid& G) { G.MergeCells(1, 1, 2, 1); }},
    {"a read-only cell becomes current without skipping",
     adLeftRight,
     true,
     false,
     false,
     {1, 1},
     {2, 1},
     6,
     5,
     ReadOnlyColumn2},
    {"a read-only cell is passed over with skipping",
     adLeftRight,
     true,
     false,
     false,
     {1, 1},
     {3, 1},
     6,
     5,
     [](TEditTestGrid& G) {
         ReadOnlyColumn2(G);
         G.Navigation()->AdvanceSkipReadOnlyCells = true;
     }},
    {"a grid without an editable cell ends the search after one round",
     adLeftRight,
     true,
     false,
     true,
     {1, 1},
     {1, 1},
     6,
     5,
     [](TEditTestGrid& G) {
         G.OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
         G.Navigation()->AdvanceSkipReadOnlyCells = true;
     }},
    {"OnAutoAdvance refuses: stays",
     adLeftRight,
     true,
     false,
     false,
     {1, 1},
     {1, 1},
     6,
     5,
     [](TEditTestGrid& G) {
         G.OnAutoAdvance = [](TObject*, Integer, Integer, Integer&, Integer&, bool& Allow) { Allow = false; };
     }},
    {"OnCellChanging refuses: stays",
     adLeftRight,
     true,
     false,
     false,
     {1, 1},
     {1, 1},
     6,
     5,
     [](TEditTestGrid& G) {
         G.OnCellChanging = [](TObject*, Integer, Integer, Integer, Integer, bool& Allow) { Allow = false; };
     }},
    {"OnAutoAdvance chooses another cell",
     adLeftRight,
     true,
     false,
     false,
     {1, 1},
     {4, 3},
     6,
     5,
     [](TEditTestGrid& G) {
         G.OnAutoAdvance = [](TObject*, Integer, Integer, Integer& Row, Integer& Col, bool&) {
             Row = 3;
             Col = 4;
         };
     }},
};

INSTANTIATE_TEST_SUITE_P(Directions, AdvanceTest, testing::ValuesIn(AdvanceCases));

TEST_F(EditGridTest, AnAdvanceNeedsAdvanceOnEnterOrForceAndReportsWhereTheChainStarted)
{
    std::vector<std::string> log;
    grid->OnAutoAdvance = [&](TObject*, Integer OldRow, Integer OldCol, Integer& NewRow, Integer& NewCol, bool&) {
        log.push_back(std::to_string(OldCol) + "," + std::to_string(OldRow) + "->" + std::to_string(NewCol) + "," +
                      std::to_string(NewRow));
    };
    grid->OnCellChanging = [&](TObject*, Integer, Integer, Integer, Integer, bool&) { log.push_back("cell changing"); };
    grid->AdvanceToNextCell(1, 1, false, false, true, false, false);
    EXPECT_EQ(grid->Col(), 1) << "AdvanceOnEnter off and no force";
    grid->Navigation()->AdvanceOnEnter = true;
    grid->OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) { CanEdit = ACol != 2; };
    grid->AdvanceToNextCell(1, 1, false, false, true, false, false);
    EXPECT_EQ(grid->Col(), 3);
    // One changing report for the move: the base grid's move runs with the cell event held back.
    EXPECT_EQ(log, (std::vector<std::string>{"1,1->3,1", "cell changing"}));
}

TEST_F(EditGridTest, WithAutoEditTheNewCellsEditorOpens)
{
    grid->Navigation()->AdvanceAutoEdit = true;
    grid->AdvanceToNextCell(1, 1, true, true, true, false, true);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->EditMode()) << "the combo column's special editor";
    EXPECT_FALSE(EditorShown());
    grid->HideInplaceEdit();
    grid->AdvanceToNextCell(2, 1, true, true, true, false, true);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_TRUE(EditorShown());
    EXPECT_TRUE(Editor()->Focused());
    grid->Navigation()->AdvanceAutoEdit = false;
    h.Press(VK_ESCAPE);
    grid->AdvanceToNextCell(3, 1, true, true, true, false, true);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_FALSE(EditorShown()) << "without AdvanceAutoEdit";
}

}  // namespace
}  // namespace gw::test
