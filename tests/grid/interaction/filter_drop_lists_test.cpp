// The header filter lists: opened by a release on the filter glyph (items, ticks, size, place),
// choosing with Enter, ticking, and closing on a press outside.
#include "grid/interaction/filter_drop_lists.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/button.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "platform/ui/system_metrics.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class TFilterListGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FFilterCheckList;
    using TExtStringGrid::FFilterCol;
    using TExtStringGrid::FFilterDropList;
    using TExtStringGrid::FilterDropDownMouseUp;
    using TExtStringGrid::TExtStringGrid;
};

class FilterDropListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 640, 480);
        grid = new TFilterListGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 400, 300);
        grid->SetColCount(4);
        grid->SetRowCount(6);
        grid->SetDefaultColWidth(90);
        grid->FilterDropDownAuto = true;
        const char16_t* colours[] = {u"red", u"dark blue", u"green", u"red", u"dark blue"};
        for (Integer r = 1; r < 6; ++r) {
            grid->SetCellEx(1, r, colours[r - 1]);
            grid->SetCellEx(3, r, u"x" + IntToStr(r));
        }
        other = new TButton(form);
        other->SetParent(form);
        other->SetBounds(450, 400, 100, 28);
        form->Show();
        grid->SetFocus();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }
    TPoint Glyph(Integer ACol) const
    {
        const TRect r = grid->CellRect(ACol, 0);
        return {r.Right - 8, r.Top + 5};
    }
    bool OpenAt(Integer ACol)
    {
        const TPoint p = Glyph(ACol);
        const bool opened = grid->FilterDropDownMouseUp(p.X, p.Y);
        h.ProcessMessages();
        return opened;
    }
    std::vector<std::string> Items(TCustomListBox* L) const
    {
        std::vector<std::string> out;
        for (Integer i = 0; i < L->Count(); ++i) out.push_back(StringToUtf8(L->Items()->Strings(i)));
        return out;
    }
    Integer ShownDataRows() const { return grid->RowCount() - grid->FixedRows(); }
    THarness h;
    TForm* form = nullptr;
    TFilterListGrid* grid = nullptr;
    TButton* other = nullptr;
};

TEST_F(FilterDropListsTest, OpensOnlyOnTheGlyphOfAColumnWithValues)
{
    const TRect r = grid->CellRect(1, 0);
    struct Case {
        const char* Name;
        TPoint At;
        bool Opens;
    };
    const Case cases[] = {
        {"on the glyph", {r.Right - 8, r.Top + 5}, true},
        {"just inside the left end", {r.Right - 15, r.Top + 5}, true},
        {"on the left end", {r.Right - 16, r.Top + 5}, false},
        {"on the right margin", {r.Right - 3, r.Top + 5}, false},
        {"below the glyph", {r.Right - 8, r.Top + 19}, false},
        {"a data row", {r.Right - 8, grid->CellRect(1, 2).Top + 5}, false},
    };
    for (const Case& c : cases) {
        grid->FFilterCol = -1;
        EXPECT_EQ(grid->FilterDropDownMouseUp(c.At.X, c.At.Y), c.Opens) << c.Name;
        EXPECT_EQ(grid->FFilterCol, c.Opens ? 1 : -1) << c.Name;
        grid->FFilterDropList->SetVisible(false);
    }
    grid->FilterDropDownRow = 1;
    EXPECT_FALSE(OpenAt(1)) << "the glyph row moved";
}

TEST_F(FilterDropListsTest, AClickOnTheGlyphOpensTheListAndAClickOnACellClosesIt)
{
    h.Click(grid, Glyph(1));
    EXPECT_TRUE(grid->FFilterDropList->Visible());
    EXPECT_EQ(grid->FFilterCol, 1);
    EXPECT_EQ(Items(grid->FFilterDropList), (std::vector<std::string>{"(All)", "dark blue", "green", "red"}));
    const TRect cell = grid->CellRect(2, 3);
    h.Click(grid, {cell.Left + 5, cell.Top + 5});
    EXPECT_FALSE(grid->FFilterDropList->Visible());
    EXPECT_EQ(grid->FFilterCol, -1);
}

TEST_F(FilterDropListsTest, SizeAndPlaceUnderTheHeader)
{
    TFilterDropDown& fd = *grid->FilterDropDown();
    struct Case {
        const char* Name;
        Integer Col;
        bool AutoSize, ColumnWidth;
    };
    const Case cases[] = {
        {"settings' size right of the glyph", 1, false, false},
        {"the column's width", 1, false, true},
        {"past the grid's right edge: ends at the column's edge", 3, false, false},
        {"sized to the items", 1, true, false},
    };
    for (const Case& c : cases) {
        fd.AutoSize = c.AutoSize;
        fd.ColumnWidth = c.ColumnWidth;
        grid->FFilterCol = -1;
        ASSERT_TRUE(OpenAt(c.Col)) << c.Name;
        TDropList* l = grid->FFilterDropList;
        const TRect cell = grid->CellRect(c.Col, 0);
        Integer w = 150, hgt = 150, left = cell.Right - 16;
        if (c.AutoSize) hgt = l->Count() * l->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
        if (c.ColumnWidth) {
            left = cell.Left;
            w = cell.Width();
        }
        if (left + w > grid->Width()) left = cell.Right - w;
        EXPECT_EQ(l->Top(), cell.Top + 16) << c.Name;
        EXPECT_EQ(l->Left(), left) << c.Name;
        EXPECT_EQ(l->Height(), hgt) << c.Name;
        EXPECT_EQ(l->Width() == w, !c.AutoSize) << c.Name << ": the items' width is below 150";
        EXPECT_TRUE(l->Visible() && l->Focused()) << c.Name;
        EXPECT_EQ(l->Parent(), grid);
        l->SetVisible(false);
    }
}

TEST_F(FilterDropListsTest, EnterChoosesTheHighlightedEntryAndNothingGivesMinusOne)
{
    TDropList* l = grid->FFilterDropList;
    std::vector<Integer> chosen;
    const TDropSelectEvent apply = l->OnSelect;
    l->OnSelect = [&](TObject* S, Integer I) {
        chosen.push_back(I);
        apply(S, I);
    };
    ASSERT_TRUE(OpenAt(1));
    EXPECT_EQ(Items(l), (std::vector<std::string>{"(All)", "dark blue", "green", "red"}));
    EXPECT_EQ(l->ItemIndex(), 0);
    l->SetItemIndex(-1);
    h.Press(VK_RETURN);
    EXPECT_FALSE(l->Visible());
    EXPECT_EQ(ShownDataRows(), 5) << "nothing chosen, nothing changed";
    // The column stays noted as open until the next release elsewhere.
    EXPECT_EQ(grid->FFilterCol, 1);
    EXPECT_FALSE(grid->FilterDropDownMouseUp(5, grid->CellRect(0, 2).Top + 5));
    EXPECT_EQ(grid->FFilterCol, -1);

    ASSERT_TRUE(OpenAt(1));
    h.Press(VK_DOWN);
    h.Press(VK_RETURN);
    EXPECT_EQ(chosen, (std::vector<Integer>{-1, 1}));
    EXPECT_FALSE(l->Visible());
    EXPECT_EQ(grid->FFilterCol, -1);
    EXPECT_EQ(ShownDataRows(), 2) << "the two dark blue rows";
}

TEST_F(FilterDropListsTest, APressOutsideHidesTheListAndForgetsTheColumn)
{
    ASSERT_TRUE(OpenAt(1));
    h.Click(grid->FFilterDropList, {5, 5});
    EXPECT_EQ(ShownDataRows(), 5) << "(All) chosen by the click";
    ASSERT_TRUE(OpenAt(1));
    ASSERT_EQ(grid->FFilterCol, 1);
    h.Click(other);
    EXPECT_FALSE(grid->FFilterDropList->Visible());
    EXPECT_EQ(grid->FFilterCol, -1);

    grid->FilterDropDownCheck = true;
    ASSERT_TRUE(OpenAt(1));
    h.Click(other);
    EXPECT_FALSE(grid->FFilterCheckList->Visible());
    EXPECT_EQ(grid->FFilterCol, -1);
}

TEST_F(FilterDropListsTest, CheckListTicksByQuotedConditionAndAppliesEachTick)
{
    grid->FilterDropDownCheck = true;
    TFilterData* d = grid->Filter()->Add();
    d->Column = 1;
    d->Condition = u"\"dark blue\"";
    ASSERT_TRUE(OpenAt(1));
    TDropCheckList* l = grid->FFilterCheckList;
    EXPECT_EQ(Items(l), (std::vector<std::string>{"(All)", "dark blue", "green", "red"}));
    EXPECT_EQ((std::vector<bool>{l->Checked(0), l->Checked(1), l->Checked(2), l->Checked(3)}),
              (std::vector<bool>{false, true, false, false}));

    l->SetChecked(1, false);
    Integer applied = 0;
    grid->OnFilterCheck = [&](TObject*, Integer Col, Integer, const String&, String&, TDropCheckList* List) {
        EXPECT_EQ(Col, 1);
        EXPECT_EQ(List, l);
    };
    const TDropSelectEvent apply = l->OnSelect;
    l->OnSelect = [&](TObject* S, Integer I) {
        ++applied;
        EXPECT_EQ(I, -1);
        apply(S, I);
    };
    auto tick = [&](Integer Index) {
        const TRect r = l->ItemRect(Index);
        h.Click(l, {r.Left + 6, (r.Top + r.Bottom) / 2});
    };
    tick(2);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(grid->Filter()->Count(), 1);
    EXPECT_EQ(ShownDataRows(), 1) << "green";
    tick(3);
    EXPECT_EQ(applied, 2);
    ASSERT_EQ(grid->Filter()->Count(), 2);
    EXPECT_EQ(grid->Filter()->Items(0)->Operation, foNONE);
    EXPECT_EQ(grid->Filter()->Items(1)->Operation, foOR);
    EXPECT_EQ(ShownDataRows(), 3) << "green or red";
    EXPECT_TRUE(l->Visible()) << "the check list stays open";
    EXPECT_EQ(grid->FFilterCol, 1);
}

}  // namespace
}  // namespace gw
