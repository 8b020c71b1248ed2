// The edit text's way in and out of the cell store, and what follows scrolls, key releases and
// the pointer: special editors closed by a scroll, the linked grid, the disjunct cell selection,
// the cell cursor, the relays and the editor link's dialog code filter.
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/sync_grid.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

class TFollowUpGrid : public TEditTestGrid {
public:
    using TEditTestGrid::ControlDlgCodeFilter;
    using TEditTestGrid::DisjunctCellList;
    using TEditTestGrid::DoEllipsClick;
    using TEditTestGrid::GetEditText;
    using TEditTestGrid::SetEditText;
    using TEditTestGrid::TEditTestGrid;
    using TEditTestGrid::UnitChangedRelay;
    using TEditTestGrid::WriteEditedCell;
};

TFollowUpGrid& Open(TEditTestGrid* Grid) { return static_cast<TFollowUpGrid&>(*Grid); }

TEST_F(EditGridTest, TheEditorTakesThePlainTextOfTheBaseCellAndGivesItBackThere)
{
    TFollowUpGrid& g = Open(grid);
    grid->SetCellEx(3, 2, u"<b>bold</b> text");
    EXPECT_EQ(g.GetEditText(3, 2), u"bold text") << "mark-up removed";
    grid->EditWithTags = true;
    EXPECT_EQ(g.GetEditText(3, 2), u"<b>bold</b> text");
    grid->MergeCells(3, 3, 2, 2);
    grid->SetCellEx(3, 3, u"merged");
    EXPECT_EQ(g.GetEditText(4, 4), u"merged") << "a merged cell edits its base cell";
    g.SetEditText(4, 4, u"written");
    EXPECT_EQ(grid->GetGridCell(3, 3), u"written");
    EXPECT_EQ(grid->GetGridCell(4, 4), u"");
    g.WriteEditedCell(u"current");
    EXPECT_EQ(grid->GetCellEx(1, 1), u"current");
}

TEST_F(EditGridTest, ARightAlignedColumnOpensTheEditorRightAligned)
{
    grid->OnGetAlignment = [](TObject*, Integer, Integer ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 3) HAlign = taRightJustify;
    };
    h.Type(u"a");
    EXPECT_FALSE(Editor()->VAlign());
    h.Press(VK_RETURN);
    h.Press(VK_RIGHT);
    h.Press(VK_RIGHT);
    h.Type(u"7");
    ASSERT_EQ(grid->Col(), 3);
    EXPECT_TRUE(Editor()->VAlign());
    EXPECT_EQ(Editor()->Alignment(), taRightJustify);
}

class LinkedGridTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->SetRowCount(60);
        linked = new TEditTestGrid(form);
        linked->SetRowCount(60);
        linked->SetColCount(5);
        linked->SetParent(form);
        linked->SetBounds(10, 320, 300, 70);
        grid->SyncGrid()->SetGrid(linked);
        grid->SyncGrid()->ScrollVertical = true;
    }
    TEditTestGrid* linked = nullptr;
};

TEST_F(LinkedGridTest, AScrollClosesASpecialEditorAndTheLinkedGridFollows)
{
    grid->OnGetEditorType = [](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = edComboList; };
    h.Press(VK_F2);
    ASSERT_TRUE(grid->EditMode());
    grid->SetTopRow(20);
    EXPECT_FALSE(grid->EditMode()) << "the special editor was committed and closed";
    EXPECT_EQ(linked->TopRow(), 20);
    const Integer left = linked->LeftCol();
    grid->SetLeftCol(2);
    EXPECT_EQ(linked->LeftCol(), left) << "horizontal scrolling is not linked";

    grid->OnGetEditorType = nullptr;
    grid->SetTopRow(1);
    h.Type(u"x");
    grid->SetTopRow(30);
    EXPECT_TRUE(grid->EditMode()) << "the text editor stays with the base grid";
}

TEST_F(EditGridTest, SpaceAndShiftKeysKeepTheDisjunctCellSelection)
{
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    grid->MouseActions()->SetDisjunctCellSelect(true);
    grid->FocusCell(1, 1);
    h.Press(VK_SPACE);
    h.Press(VK_RIGHT);
    h.Press(VK_SPACE, ssCtrl);
    h.Press(VK_DOWN);
    h.Press(VK_SPACE, ssCtrl);
    std::vector<Integer> keys;
    auto list = [&] {
        keys.clear();
        const TIntList& cells = Open(grid).DisjunctCellList();
        for (Integer i = 0; i < cells.Count(); ++i) keys.push_back(cells.GetInteger(i));
        return keys;
    };
    EXPECT_EQ(list(), (std::vector<Integer>{1 << 16 | 1, 1 << 16 | 2, 2 << 16 | 2}));
    h.Press(VK_SPACE, ssCtrl);  // again: out of the selection
    EXPECT_EQ(list(), (std::vector<Integer>{1 << 16 | 1, 1 << 16 | 2}));
    h.Press(VK_SPACE);  // without Ctrl: this cell alone
    EXPECT_EQ(list(), (std::vector<Integer>{2 << 16 | 2}));
}

TEST_F(EditGridTest, TheRelaysRaiseTheGridsEvents)
{
    TFollowUpGrid& g = Open(grid);
    String s = u"in";
    g.DoEllipsClick(1, 2, s);
    EXPECT_EQ(s, u"in") << "without a handler the text stays";
    grid->OnEllipsClick = [](TObject*, Integer c, Integer r, String& v) {
        v += u" " + IntToStr(c) + u"," + IntToStr(r);
    };
    g.DoEllipsClick(1, 2, s);
    EXPECT_EQ(s, u"in 1,2");
    std::string unit;
    grid->OnUnitChanged = [&](TObject* Sender, Integer c, Integer r, const String& u) {
        unit = (Sender == grid ? "grid " : "other ") + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(u);
    };
    g.UnitChangedRelay(nullptr, u"mm");
    EXPECT_EQ(unit, "grid 1,1 mm");
}

TEST_F(EditGridTest, TheDialogCodeFilterWantsTabsOnlyWithGoTabs)
{
    TFollowUpGrid& g = Open(grid);
    Integer saved = 0;
    const TWndMethod own = [&](TMessage& M) {
        ++saved;
        M.Result = DLGC_WANTARROWS;
    };
    TMessage m{WM_GETDLGCODE, 0, 0, 0};
    g.ControlDlgCodeFilter(m, own);
    EXPECT_EQ(saved, 1) << "without goTabs the control answers itself";
    grid->SetOptions(grid->Options() | goTabs);
    m.Result = 0;
    g.ControlDlgCodeFilter(m, own);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(m.Result, LRESULT(DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS));
    TMessage other{WM_KEYDOWN, VK_TAB, 0, 0};
    g.ControlDlgCodeFilter(other, own);
    EXPECT_EQ(saved, 2) << "every other message goes to the control's own procedure";
}

TEST_F(EditGridTest, ThePointerOverACellTakesTheApplicationsCursor)
{
    std::string asked;
    grid->OnGetCellCursor = [&](TObject*, Integer c, Integer r, Integer, Integer, TCursor& Cursor) {
        asked = std::to_string(c) + "," + std::to_string(r);
        Cursor = crHandPoint;
    };
    h.MoveTo(grid, CellCentre(3, 2));
    EXPECT_EQ(asked, "3,2");
    EXPECT_EQ(grid->Cursor(), crHandPoint);
}

}  // namespace
}  // namespace gw::test
