// Under HotmailRowSelect column 0 shows each row's selection box: a press on a row's box marks or
// unmarks that row and selects it (nothing stays selected once it is unmarked); the header's box
// marks or unmarks every row. The cells' texts never change, the header keeps its caption.
#include "edit_grid_fixture.h"

#include "grid/foundation/mouse_actions.h"

#include <string>
#include <vector>

namespace gw::test {
namespace {

class RowCheckBoxPress : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->MouseActions()->SetHotmailRowSelect(true);
        grid->SetFixedCols(1);  // the boxes' column is fixed, as with row selection it is
        grid->SetCellEx(0, 0, u"Enable");
        grid->OnCheckBoxChange = [this](TObject*, Integer ACol, Integer ARow, bool State) {
            h.Log.Add("change " + std::to_string(ACol) + "," + std::to_string(ARow) + (State ? " on" : " off"));
        };
    }
    void Press(Integer ARow)
    {
        h.Advance(1000);  // past the double-click time
        h.Click(grid, CellCentre(0, ARow));
    }
    std::vector<Integer> Marked() const
    {
        std::vector<Integer> rows;
        for (Integer r = 1; r < grid->RowCount(); ++r)
            if (grid->GetRowSelect(r)) rows.push_back(r);
        return rows;
    }
    std::vector<std::string> ColumnZero() const
    {
        std::vector<std::string> texts;
        for (Integer r = 0; r < grid->RowCount(); ++r) texts.push_back(Utf8(grid->GetCellEx(0, r)));
        return texts;
    }
    std::vector<Integer> SelectionNow() const
    {
        const TGridRect s = grid->Selection();
        return {s.Left, s.Top, s.Right, s.Bottom};
    }
    const std::vector<std::string> texts{"Enable", "Y", "Y", "Y", "Y", "Y"};
};

TEST_F(RowCheckBoxPress, ARowsBoxMarksAndSelectsItsRowThenUnmarksItLeavingNothingSelected)
{
    h.Log.Clear();
    Press(3);
    EXPECT_EQ(Marked(), (std::vector<Integer>{3}));
    EXPECT_EQ(SelectionNow(), (std::vector<Integer>{1, 3, 4, 3})) << "the whole row";
    Press(5);
    EXPECT_EQ(Marked(), (std::vector<Integer>{3, 5})) << "a press on a box keeps the other marks";
    Press(3);
    EXPECT_EQ(Marked(), (std::vector<Integer>{5}));
    EXPECT_EQ(grid->Row(), grid->RowCount()) << "an unmarked row leaves nothing selected";
    EXPECT_EQ(ColumnZero(), texts);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"change 0,3 on", "change 0,5 on", "change 0,3 off"}));
}

TEST_F(RowCheckBoxPress, TheHeadersBoxMarksEveryRowAndTakesThemBack)
{
    Press(2);
    Press(0);
    EXPECT_EQ(Marked(), (std::vector<Integer>{1, 2, 3, 4, 5})) << "some marked: the header marks all";
    EXPECT_TRUE(grid->IsChecked(0, 0));
    Press(0);
    EXPECT_EQ(Marked(), (std::vector<Integer>{}));
    EXPECT_FALSE(grid->IsChecked(0, 0));
    EXPECT_EQ(ColumnZero(), texts) << "the caption stays, no row gets a check text";
}

}  // namespace
}  // namespace gw::test
