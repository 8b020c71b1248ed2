// The start of a drag of cells to another window: the press on a selected cell, the threshold
// the mouse must pass, the events, and what a move, a copy or a cancel leaves of the source
// cells. The drag itself is a stand-in answering as the drop side would.
#include "grid/model/drag_drop_settings.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

#include <algorithm>
#include <string>

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// The drop side: answers with Result, and for a drop on this same grid notes where it wrote.
class TDragGrid : public TMouseGrid {
public:
    using TMouseGrid::TCellDragResult;
    using TMouseGrid::TMouseGrid;
    TCellDragResult Result{};
    TGridRect DropHere{-1, -1, -1, -1};
    Log* Events = nullptr;

protected:
    TCellDragResult RunCellDrag(const String& Text, const String& RichText) override
    {
        Events->push_back("drag " + Utf8(Text) + " / " + Utf8(RichText));
        FDroppedBlock = DropHere;
        return Result;
    }
    TCellDragResult RunColumnDrag(Integer RealCol) override
    {
        Events->push_back("column " + std::to_string(RealCol));
        return Result;
    }
};

class CellDragStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TDragGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 600, 300);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetFixedCols(1);
        grid->SetOptions(grid->Options() | goRangeSelect);
        for (Integer r = 1; r < 6; ++r)
            for (Integer c = 1; c < 5; ++c) grid->SetCellEx(c, r, IntToStr(c) + IntToStr(r));
        grid->DragDropSettings()->OleDropSource = true;
        grid->Events = &events;
        grid->OnOleDrag = [this](TObject*, Integer ARow, Integer ACol, const String& Data, bool&) {
            events.push_back("OnOleDrag " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Utf8(Data));
        };
        grid->OnOleDragStart = [this](TObject*, Integer ARow, Integer ACol) {
            events.push_back("OnOleDragStart " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
        grid->OnOleDragStop = [this](TObject*, Integer Effect) {
            events.push_back("OnOleDragStop " + std::to_string(Effect));
        };
        form->Show();
        grid->SetFocus();
        h.ProcessMessages();
    }
    TPoint Centre(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Selects (1,1)-(2,2), then presses on (2,2) and moves the mouse by Dx, Dy and releases.
    void DragFromSelection(Integer Dx, Integer Dy)
    {
        h.Advance(1000);
        h.Click(grid, Centre(1, 1));
        h.Advance(1000);
        h.Click(grid, Centre(2, 2), mbLeft, ssShift);
        events.clear();
        h.Advance(1000);
        const TPoint at = Centre(2, 2);
        h.MouseDown(grid, at);
        h.MoveTo(grid, {at.X + Dx, at.Y + Dy});
        h.MouseUp(grid, {at.X + Dx, at.Y + Dy});
    }
    std::string Cells() const
    {
        std::string s;
        for (Integer r = 1; r <= 3; ++r)
            for (Integer c = 1; c <= 3; ++c)
                s += (s.empty() ? "" : " ") + (grid->GetCellEx(c, r).empty() ? "--" : Utf8(grid->GetCellEx(c, r)));
        return s;
    }

    THarness h;
    TForm* form = nullptr;
    TDragGrid* grid = nullptr;
    Log events;
};

TEST_F(CellDragStartTest, TheDragStartsOnlyOnceTheMouseMovedMoreThanThreePixels)
{
    struct TCase {
        Integer Dx, Dy;
        bool Drags;
    };
    const TCase cases[] = {{3, 0, false}, {0, 3, false}, {-3, -3, false}, {4, 0, true}, {0, -4, true}, {-4, 2, true}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Dx) + "," + std::to_string(c.Dy));
        DragFromSelection(c.Dx, c.Dy);
        const bool dragged =
            std::any_of(events.begin(), events.end(), [](const std::string& e) { return e.rfind("drag ", 0) == 0; });
        EXPECT_EQ(dragged, c.Drags);
        if (dragged) {
            EXPECT_EQ(events.back().substr(events.back().size() - 5), " / 22") << "the pressed cell's text";
        }
    }
}

TEST_F(CellDragStartTest, AMoveEmptiesTheSourceACopyOrACancelLeavesIt)
{
    struct TCase {
        const char* Name;
        TDragGrid::TCellDragResult Result;
        bool CopyAlways;
        TGridRect Drop;
        const char* After;
        const char* Stop;
    };
    const TGridRect elsewhere{-1, -1, -1, -1};
    const TCase cases[] = {
        {"move", {false, 2}, false, elsewhere, "-- -- 31 -- -- 32 13 23 33", "OnOleDragStop 2"},
        {"copy", {false, 1}, false, elsewhere, "11 21 31 12 22 32 13 23 33", "OnOleDragStop 1"},
        {"move, copying always", {false, 2}, true, elsewhere, "11 21 31 12 22 32 13 23 33", "OnOleDragStop 2"},
        {"cancel", {true, 0}, false, elsewhere, "11 21 31 12 22 32 13 23 33", ""},
        {"move onto itself one row down",
         {false, 2},
         false,
         {1, 2, 2, 3},
         "-- -- 31 12 22 32 13 23 33",
         "OnOleDragStop 2"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        for (Integer r = 1; r < 6; ++r)
            for (Integer col = 1; col < 5; ++col) grid->SetCellEx(col, r, IntToStr(col) + IntToStr(r));
        grid->Result = c.Result;
        grid->DropHere = c.Drop;
        grid->DragDropSettings()->OleCopyAlways = c.CopyAlways;
        DragFromSelection(10, 0);
        EXPECT_EQ(Cells(), c.After);
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events[0], "OnOleDrag 2,2 22");
        EXPECT_EQ(events[1], "OnOleDragStart 2,2");
        EXPECT_EQ(events.back(), *c.Stop ? c.Stop : events.back());
        if (!*c.Stop) {
            EXPECT_EQ(events.back().rfind("drag", 0), 0u) << "a cancel raises no OnOleDragStop";
        }
    }
}

TEST_F(CellDragStartTest, ARefusedDragSelectsInsteadAndAPressWithoutDragSelectsTheCell)
{
    grid->OnOleDrag = [this](TObject*, Integer, Integer, const String&, bool& Allow) {
        events.push_back("refused");
        Allow = false;
    };
    DragFromSelection(10, 0);
    EXPECT_EQ(events, Log{"refused"}) << "no drag after a refusal";
    DragFromSelection(0, 0);
    const TGridRect s = grid->Selection();
    EXPECT_EQ(s.Left, 2);
    EXPECT_EQ(s.Right, 2);
    EXPECT_EQ(s.Top, 2);
    EXPECT_EQ(s.Bottom, 2) << "the release selects the pressed cell alone";
}

TEST_F(CellDragStartTest, AMoveOfWholeRowsRemovesThemWithOleRemoveRows)
{
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->DragDropSettings()->OleRemoveRows = true;
    grid->Result = {false, 2};
    DragFromSelection(10, 0);
    EXPECT_EQ(grid->RowCount(), 4) << "rows 1 and 2 went";
    EXPECT_EQ(Utf8(grid->GetCellEx(1, 1)), "13");
}

}  // namespace
}  // namespace gw::test
