// The selection's resize handle, driven by the mouse on the headless back end: the press copies
// the selection, the drag widens it, the release pastes and fills the new selection.
#include "grid/foundation/navigation.h"
#include "platform/ui/clipboard.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"

namespace gw::test {
namespace {

class SelectionResizerTest : public MouseGridTest {
protected:
    void SetUp() override
    {
        MouseGridTest::SetUp();
        grid->SelectionResizer = true;
        grid->SelectionRectangle = true;
        grid->SetOptions(grid->Options() | goRangeSelect);
        grid->Navigation()->AllowSmartClipboard = true;
        grid->SetCellEx(3, 1, u"1");
        grid->SetCellEx(3, 2, u"3");
        grid->OnSelectionResize = [this](TObject*, const TGridRect& From, const TGridRect& To) {
            h.Log.Add("resize " + Rect(From) + " to " + Rect(To) + " clipboard " + Utf8(Clipboard()->AsText()));
        };
        grid->OnSelectionResized = [this](TObject*, const TGridRect& From, const TGridRect& To) {
            h.Log.Add("resized " + Rect(From) + " to " + Rect(To));
        };
        Clipboard()->SetAsText(u"before");
    }
    static std::string Rect(const TGridRect& R)
    {
        return std::to_string(R.Left) + "," + std::to_string(R.Top) + "-" + std::to_string(R.Right) + "," +
            std::to_string(R.Bottom);
    }
    // Two pixels inside the bottom-right corner of a cell: on the handle when the cell is the
    // selection's last one.
    TPoint Corner(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {r.Right - 2, r.Bottom - 2};
    }
    std::string Column(Integer ACol, Integer From, Integer To) const
    {
        std::string s;
        for (Integer r = From; r <= To; ++r) s += (r > From ? "/" : "") + Utf8(grid->GetCellEx(ACol, r));
        return s;
    }
};

TEST_F(SelectionResizerTest, DraggingTheHandleDownContinuesTheSeries)
{
    grid->SetSelection({3, 1, 3, 2});
    h.Drag(grid, Corner(3, 2), Centre(3, 4));
    EXPECT_EQ(Column(3, 1, 4), "1/3/5/7");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"resize 3,1-3,2 to 3,1-3,4 clipboard 1\r\n3\r\n",
                                                      "resized 3,1-3,2 to 3,1-3,4"}));
    const TGridRect s = grid->Selection();
    EXPECT_EQ(Rect(s), "3,1-3,4");
}

// Right to left the handle is the cell's bottom-left corner; the bottom-right one is an ordinary
// press there.
TEST_F(SelectionResizerTest, RightToLeftTheHandleIsTheBottomLeftCorner)
{
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetSelection({3, 1, 3, 2});
    const TRect r = grid->CellRect(3, 2);
    ASSERT_LT(r.Left, r.Right);
    h.Drag(grid, {r.Right - 2, r.Bottom - 2}, Centre(3, 4));
    EXPECT_EQ(Column(3, 1, 4), "1/3//") << "the left-to-right corner is no handle here";
    EXPECT_TRUE(h.Log.Take().empty());
    grid->SetSelection({3, 1, 3, 2});
    h.Advance(1000);
    h.Drag(grid, {r.Left + 2, r.Bottom - 2}, Centre(3, 4));
    EXPECT_EQ(Column(3, 1, 4), "1/3/5/7");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"resize 3,1-3,2 to 3,1-3,4 clipboard 1\r\n3\r\n",
                                                      "resized 3,1-3,2 to 3,1-3,4"}));
}

TEST_F(SelectionResizerTest, DraggingRightRepeatsTheCopiedCellInAnEditingGrid)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetSelection({1, 2, 1, 2});  // "a"
    h.Drag(grid, Corner(1, 2), Centre(3, 2));
    EXPECT_EQ(Utf8(grid->GetCellEx(2, 2)), "a");
    EXPECT_EQ(Utf8(grid->GetCellEx(3, 2)), "a");
    EXPECT_EQ(Utf8(grid->GetCellEx(4, 2)), "") << "beyond the new selection";
    EXPECT_FALSE(grid->EditMode());
}

TEST_F(SelectionResizerTest, APressBesideTheHandleOrWithoutItIsAnOrdinaryPress)
{
    struct Case {
        const char* Name;
        bool Resizer;
        bool Rectangle;
        Integer Inset;  // pixels left of and above the cell's corner
    };
    const Case cases[] = {
        {"beside the handle", true, true, 9},
        {"no resizer", false, true, 2},
        {"no selection rectangle", true, false, 2},
    };
    for (const Case& c : cases) {
        grid->SelectionResizer = c.Resizer;
        grid->SelectionRectangle = c.Rectangle;
        grid->SetSelection({3, 1, 3, 2});
        const TRect r = grid->CellRect(3, 2);
        h.Advance(1000);
        h.Drag(grid, {r.Right - c.Inset, r.Bottom - c.Inset}, Centre(3, 4));
        EXPECT_EQ(Column(3, 1, 4), "1/3//") << c.Name;
        EXPECT_EQ(Utf8(Clipboard()->AsText()), "before") << c.Name;
        EXPECT_TRUE(h.Log.Take().empty()) << c.Name;
    }
}

}  // namespace
}  // namespace gw::test
