// The in-place editor's life, as the order of the grid's events: typing, F2 and Enter open it,
// Enter and F2 close it giving a changed text back, Escape drops the text, the keys and clicks
// that leave the cell, the focus going elsewhere and the grid hidden end it the same way.
#include "platform/controls/edit.h"
#include "tests/platform/grids/grid_fixture.h"

#include <functional>
#include <vector>

namespace gw::test {
namespace {

class GridEditorTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetOptions(grid->Options() | goEditing);
        for (Integer r = 1; r < 5; ++r)
            for (Integer c = 1; c < 5; ++c) grid->SetCells(c, r, u"old");
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(450, 10, 100, 21);
        grid->OnEnter = [this](TObject*) { h.Log.Add("grid enter"); };
        grid->OnExit = [this](TObject*) { h.Log.Add("grid exit"); };
        LogEvents();
    }
    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }

    TEdit* other = nullptr;
};

class GridEditorLifeTest;

struct TLifeCase {
    const char* What;
    TGridOptions Extra;  // options besides goEditing
    std::function<void(GridEditorLifeTest&)> Script;
    std::vector<std::string> Log;
    String Cell11;  // the text of cell (1, 1) afterwards
    TGridCoord Current;
    bool EditorShown;
    bool GridFocused;
};

void PrintTo(const TLifeCase& Case, std::ostream* Out) { *Out << Case.What; }

class GridEditorLifeTest : public GridEditorTest, public testing::WithParamInterface<TLifeCase> {
public:
    THarness& H() { return h; }
    TTestGrid* Grid() { return grid; }
    TEdit* Other() { return other; }
    TPoint CellCentreOf(Integer ACol, Integer ARow) const { return CellCentre(ACol, ARow); }
};

TEST_P(GridEditorLifeTest, EventsComeInOrder)
{
    const TLifeCase& c = GetParam();
    grid->SetOptions(grid->Options() | c.Extra);
    h.Log.Clear();
    c.Script(*this);
    EXPECT_EQ(h.Log.Take(), c.Log);
    EXPECT_EQ(grid->Cells(1, 1), c.Cell11);
    EXPECT_EQ(Current(), c.Current);
    EXPECT_EQ(EditorShown(), c.EditorShown);
    EXPECT_EQ(grid->Focused(), c.GridFocused);
    if (c.EditorShown) {
        EXPECT_TRUE(Editor()->Focused() || !c.GridFocused);
    }
}

using G = GridEditorLifeTest;

const TLifeCase LifeCases[] = {
    {"typing opens the editor with the character and Enter gives the text back",
     0,
     [](G& t) {
         t.H().Type(u"ab");
         EXPECT_EQ(t.Grid()->InplaceEditor()->Text(), u"ab") << "the first character replaced the old text";
         t.H().Press(VK_RETURN);
     },
     {"get 1,1", "set 1,1 ab"},
     u"ab",
     {1, 1},
     false,
     true},
    {"parking the selection past the last cell gives the text back and hides the editor unasked",
     0,
     [](G& t) {
         t.H().Type(u"q");
         t.Grid()->ParkSelectionOutside();
         const TGridRect s = t.Grid()->Selection();
         EXPECT_EQ((std::vector<Integer>{s.Left, s.Top, s.Right, s.Bottom}), (std::vector<Integer>{5, 5, 5, 5}));
     },
     {"get 1,1", "set 1,1 q"},
     u"q",
     {5, 5},
     false,
     true},
    {"from past the last cell an arrow comes back to the nearest cell, typing edits there",
     0,
     [](G& t) {
         t.Grid()->ParkSelectionOutside();
         t.H().Press(VK_UP);
         t.H().Type(u"z");
     },
     {"select 4,4", "get 4,4"},
     u"old",
     {4, 4},
     true,
     false},
    {"F2 opens and closes; nothing typed, nothing given back",
     0,
     [](G& t) {
         t.H().Press(VK_F2);
         EXPECT_TRUE(t.Grid()->InplaceEditor()->Focused());
         t.H().Press(VK_F2);
     },
     {"get 1,1"},
     u"old",
     {1, 1},
     false,
     true},
    {"Enter opens, typing changes, F2 closes",
     0,
     [](G& t) {
         t.H().Press(VK_RETURN);
         t.H().Press(VK_END);
         t.H().Type(u"!");
         t.H().Press(VK_F2);
     },
     {"get 1,1", "set 1,1 old!"},
     u"old!",
     {1, 1},
     false,
     true},
    {"Escape drops what was typed",
     0,
     [](G& t) {
         t.H().Press(VK_F2);
         t.H().Type(u"zz");
         t.H().Press(VK_ESCAPE);
     },
     {"get 1,1"},
     u"old",
     {1, 1},
     false,
     true},
    {"an arrow leaves the cell: the move is asked first, then the text goes back",
     0,
     [](G& t) {
         t.H().Type(u"q");
         t.H().Press(VK_DOWN);
     },
     {"get 1,1", "select 1,2", "set 1,1 q"},
     u"q",
     {1, 2},
     false,
     true},
    {"with the editor always shown (open already) it follows the move and reads the next cell",
     goAlwaysShowEditor,
     [](G& t) {
         t.H().Type(u"q");
         t.H().Press(VK_DOWN);
     },
     {"select 1,2", "set 1,1 q", "get 1,2"},
     u"q",
     {1, 2},
     true,
     false},
    {"Left and Right move the caret; at the text's end Right leaves with the editor always shown",
     goAlwaysShowEditor,
     [](G& t) {
         t.H().Press(VK_LEFT);
         t.H().Press(VK_RIGHT);
         t.H().Press(VK_END);
         t.H().Press(VK_RIGHT);
     },
     {"select 2,1", "get 2,1"},
     u"old",
     {2, 1},
     true,
     false},
    {"a click on another cell moves there and closes the editor",
     0,
     [](G& t) {
         t.H().Type(u"w");
         t.H().Click(t.Grid(), t.CellCentreOf(3, 3));
     },
     {"get 1,1", "select 3,3", "set 1,1 w"},
     u"w",
     {3, 3},
     false,
     true},
    {"with the editor always shown a click on another cell takes the editor there",
     goAlwaysShowEditor,
     [](G& t) {
         t.H().Type(u"w");
         t.H().Click(t.Grid(), t.CellCentreOf(3, 3));
         EXPECT_EQ(t.Grid()->InplaceEditor()->BoundsRect(), t.Grid()->CellRect(3, 3));
     },
     {"select 3,3", "set 1,1 w", "get 3,3"},
     u"w",
     {3, 3},
     true,
     false},
    {"a click on the current cell opens the editor there",
     0,
     [](G& t) { t.H().Click(t.Grid(), t.CellCentreOf(1, 1)); },
     {"get 1,1"},
     u"old",
     {1, 1},
     true,
     false},
    {"the focus going to another control gives the text back before the grid's exit",
     0,
     [](G& t) {
         t.H().Type(u"e");
         t.H().Click(t.Other(), {5, 5});
     },
     {"get 1,1", "set 1,1 e", "grid exit"},
     u"e",
     {1, 1},
     false,
     false},
    {"the grid hidden while editing gives the text back",
     0,
     [](G& t) {
         t.H().Type(u"r");
         t.Grid()->Hide();
         t.H().ProcessMessages();
         t.Grid()->Show();
         t.H().ProcessMessages();
     },
     {"get 1,1", "set 1,1 r", "grid exit"},
     u"r",
     {1, 1},
     false,
     false},
    {"Tab with goTabs leaves the cell like an arrow",
     goTabs,
     [](G& t) {
         t.H().Type(u"t");
         t.H().Press(VK_TAB);
     },
     {"get 1,1", "select 2,1", "set 1,1 t"},
     u"t",
     {2, 1},
     false,
     true},
};

INSTANTIATE_TEST_SUITE_P(Editor, GridEditorLifeTest, testing::ValuesIn(LifeCases));

TEST_F(GridEditorTest, TheEditorLiesOverTheCellAndFollowsTheView)
{
    grid->SetRowCount(60);
    h.Press(VK_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
    grid->SetColWidths(1, 120);
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1)) << "sized with its column";
    h.Type(u"kept");
    grid->SetTopRow(20);
    EXPECT_FALSE(Editor()->Visible()) << "the cell scrolled out of view";
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_TRUE(grid->Focused());
    grid->SetTopRow(1);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), u"kept") << "the text typed waits in the editor";
    EXPECT_TRUE(Editor()->Focused());
    h.Press(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), u"kept");
}

TEST_F(GridEditorTest, TheProgramWritingTheEditedCellShowsInTheEditor)
{
    h.Press(VK_F2);
    grid->SetCells(1, 1, u"from the program");
    EXPECT_EQ(Editor()->Text(), u"from the program");
    grid->SetCells(2, 1, u"elsewhere");
    EXPECT_EQ(Editor()->Text(), u"from the program");
    h.Press(VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 1), u"from the program");
}

TEST_F(GridEditorTest, CharactersOpenTheEditorOnlyWhereItCanShow)
{
    grid->OnKeyPress = [this](TObject*, Char& Key) { h.Log.Add("key " + Utf8(String(1, Key))); };
    grid->SetOptions(grid->Options() & ~goEditing);
    h.Type(u"x");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"key x"})) << "without goEditing a key press";
    grid->SetOptions(grid->Options() | goEditing | goRowSelect);
    h.Type(u"y");
    h.Press(VK_F2);
    EXPECT_FALSE(EditorShown()) << "whole rows are not edited";
    grid->SetOptions(grid->Options() & ~goRowSelect);
    h.Press(VK_BACK);
    ASSERT_TRUE(EditorShown()) << "Backspace opens the editor too";
    EXPECT_EQ(Editor()->Text(), u"");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"get 1,1", "key \b"})) << "the grid sees the editor's keys";
}

TEST_F(GridEditorTest, TheGridMayGoWhileItsEditorIsOpen)
{
    h.Type(u"pending");
    ASSERT_TRUE(EditorShown());
    delete form;
    form = nullptr;
    h.ProcessMessages();
    SUCCEED() << "nothing of the grid or its editor is touched after it went";
}

class TLimitedGrid : public TTestGrid {
public:
    using TTestGrid::TTestGrid;
    bool Modifiable = true;
    Integer Limit = 0;

protected:
    bool CanEditModify() const override { return Modifiable; }
    Integer GetEditLimit() override { return Limit; }
};

TEST_F(GridEditorTest, MaskLimitAndPermissionComeFromTheGrid)
{
    auto* g = new TLimitedGrid(form);
    g->SetParent(form);
    g->SetBounds(10, 320, 300, 120);
    g->SetOptions(g->Options() | goEditing);
    g->Limit = 3;
    g->SetFocus();
    h.Type(u"abcdef");
    EXPECT_EQ(g->InplaceEditor()->Text(), u"abc");
    h.Press(VK_RETURN);
    EXPECT_EQ(g->Cells(1, 1), u"abc");

    g->Modifiable = false;
    h.Press(VK_F2);
    h.Type(u"z");
    EXPECT_TRUE(g->InplaceEditor()->ReadOnly());
    EXPECT_EQ(g->InplaceEditor()->Text(), u"abc");
    h.Press(VK_RETURN);

    g->Modifiable = true;
    g->Limit = 0;
    g->OnGetEditMask = [](TObject*, Integer, Integer, String& Mask) { Mask = u"00:00;1;_"; };
    g->SetCells(1, 1, u"");
    h.Press(VK_F2);
    EXPECT_EQ(g->InplaceEditor()->EditText(), u"__:__");
    h.Type(u"1234");
    h.Press(VK_RETURN);
    EXPECT_EQ(g->Cells(1, 1), u"12:34");
}

}  // namespace
}  // namespace gw::test
