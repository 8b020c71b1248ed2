// The grid's helper windows and cell controls on the headless display: the drop arrows, the
// focus-frame window with its geometry and image, and the list of cell controls.
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/control_list.h"
#include "grid/foundation/focus_window.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

// Stands in for the grid: a windowed control on a form.
class GridWindowsTest : public ::testing::Test {
protected:
    GridWindowsTest()
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 400, 300);
        grid = new TCustomControl(form);
        grid->SetBounds(10, 10, 300, 200);
        grid->SetParent(form);
        form->Show();
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TCustomControl* grid = nullptr;
};

// --- drop arrows ---------------------------------------------------------------------------------

TEST_F(GridWindowsTest, ArrowWindowsArePopupsOfTheGridHiddenAndLime)
{
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
        auto* arrow = new TArrowWindow(grid, d);
        EXPECT_EQ(arrow->Owner(), grid);
        EXPECT_EQ(arrow->Parent(), grid);
        EXPECT_EQ(arrow->Dir(), d);
        EXPECT_EQ(arrow->Color(), clLime);
        EXPECT_FALSE(arrow->Visible());
        const HWND wnd = arrow->Handle();
        EXPECT_EQ(GetWindowStyle(wnd), Cardinal(WS_POPUP));
        EXPECT_EQ(GetParent(wnd), HWND(0));
        EXPECT_EQ(GetWindowOwner(wnd), grid->Handle());
        EXPECT_FALSE(IsWindowVisible(wnd));
    }
}

TEST_F(GridWindowsTest, ArrowOutlinesPointTheirWay)
{
    struct Case {
        TArrowDirection dir;
        TPoint first;
        TPoint inside, outside;  // a pixel towards the tip that is filled, one beside the tip that is not
    };
    const Case cases[] = {
        {arrUp, {5, 0}, {5, 2}, {1, 1}},  // tip at the top
        {arrDown, {3, 0}, {5, 6}, {1, 7}},  // tip at the bottom
        {arrLeft, {0, 3}, {6, 5}, {7, 1}},  // tip at the right
        {arrRight, {0, 5}, {2, 5}, {1, 1}},  // tip at the left
    };
    for (const Case& c : cases) {
        TArrowWindow arrow(grid, c.dir);
        EXPECT_EQ(arrow.Arrow()[0], c.first);
        const TRegion shape = arrow.ArrowRegion();
        EXPECT_TRUE(shape.Contains(c.inside.X, c.inside.Y)) << int(c.dir);
        EXPECT_FALSE(shape.Contains(c.outside.X, c.outside.Y)) << int(c.dir);
        EXPECT_LE(shape.Bounds().Right, 10);
        EXPECT_LE(shape.Bounds().Bottom, 10);
        arrow.SetParent(nullptr);
    }
}

// --- the focus frame -------------------------------------------------------------------------------

TEST_F(GridWindowsTest, FocusWindowIsADisabledTopmostToolPopup)
{
    auto* frame = new TGridFocusWindow(grid);
    EXPECT_EQ(frame->Width(), 0);
    EXPECT_EQ(frame->Height(), 0);
    EXPECT_EQ(frame->Color(), TColor(0x0000FF));
    EXPECT_FALSE(frame->Visible());
    const HWND wnd = frame->Handle();
    EXPECT_EQ(GetWindowStyle(wnd), Cardinal(WS_POPUP | WS_DISABLED));
    EXPECT_EQ(GetWindowExStyle(wnd), Cardinal(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_FALSE(IsWindowVisible(wnd));
    EXPECT_FALSE(IsWindowEnabled(wnd));
}

TEST(FocusFrame, WindowBoundsAndRegionAroundACell)
{
    struct Case {
        TRect cell;
        TRect bounds;
    };
    const Case cases[] = {
        {Rect(100, 50, 180, 70), Rect(96, 46, 185, 75)},
        {Rect(0, 0, 1, 1), Rect(-4, -4, 6, 6)},
        {Rect(-20, 10, 10, 30), Rect(-24, 6, 15, 35)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FocusFrameBounds(c.cell), c.bounds);
        const TRegion frame = FocusFrameRegion(c.cell);
        const Integer w = c.cell.Width(), hgt = c.cell.Height();
        EXPECT_EQ(frame.Bounds(), Rect(0, 0, w + 9, hgt + 9));
        EXPECT_TRUE(frame.Contains(3, 3));
        EXPECT_FALSE(frame.Contains(4, 4));  // the cell's own pixels stay uncovered
        EXPECT_FALSE(frame.Contains(3 + w, 3 + hgt));
        EXPECT_TRUE(frame.Contains(4 + w, 4 + hgt));
        EXPECT_TRUE(frame.Contains(w + 8, 0));
    }
}

TEST(FocusFrame, ImageIsTheFrameColourUnderASoftOutline)
{
    TGridAlphaMask mask;
    CreateFocusFrameMask(mask, 89, 29);
    EXPECT_EQ(mask.Width(), 89);
    EXPECT_EQ(mask.Height(), 29);
    EXPECT_EQ(mask.PixelFormat(), pf32bit);
    EXPECT_EQ(mask.Opacity, 230);
    auto pixel = [&](Integer X, Integer Y) {
        const uint8_t* p = mask.ScanLine(Y) + X * 4;
        return std::array<unsigned, 4>{p[0], p[1], p[2], p[3]};
    };
    // Along the outline: opaque enough, the colour $FDD397 scaled by alpha.
    const auto ring = pixel(44, 4);
    EXPECT_GT(ring[3], 100u);
    EXPECT_NEAR(ring[0], 0xFDu * ring[3] / 255, 1);
    EXPECT_NEAR(ring[1], 0xD3u * ring[3] / 255, 1);
    EXPECT_NEAR(ring[2], 0x97u * ring[3] / 255, 1);
    // Inside, where the cell is: transparent; the outer corner nearly so.
    EXPECT_EQ(pixel(44, 14)[3], 0u);
    EXPECT_LT(pixel(0, 0)[3], 16u);
    // The blur fades the outline towards the window's edge.
    EXPECT_GT(pixel(44, 1)[3], 0u);
    EXPECT_LT(pixel(44, 1)[3], ring[3]);
}

// --- cell controls -------------------------------------------------------------------------------

TEST_F(GridWindowsTest, ControlListFindsAndRemovesCellControls)
{
    TControlList list;
    auto* a = new TCustomControl(form);
    auto* b = new TCustomControl(form);
    list.AddControl(1, 2, a);
    list.AddControl(3, 4, b);
    list.AddControl(1, 2, b);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(1)->X(), 3);
    EXPECT_EQ(list.GetControl(1)->Y(), 4);
    EXPECT_EQ(list.GetControl(1)->Control(), b);
    list.RemoveControl(0);  // the item goes, its control stays
    EXPECT_EQ(list.ControlIndex(1, 2), 1);
    EXPECT_EQ(a->Owner(), form);
    a->SetBounds(1, 1, 5, 5);
    EXPECT_THROW(list.GetControl(2), EListError);
    EXPECT_THROW(list.RemoveControl(-1), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(GridWindowsTest, ControlListKnowsTheWindowsOfItsControls)
{
    TControlList list;
    auto* edit = new TCustomControl(form);
    edit->SetParent(form);
    auto* pending = new TCustomControl(form);  // no parent: no window yet, and none can be made
    list.AddControl(0, 0, pending);
    list.AddControl(1, 1, edit);
    EXPECT_TRUE(list.HasHandle(edit->Handle()));
    EXPECT_FALSE(list.HasHandle(grid->Handle()));
    EXPECT_FALSE(list.HasHandle(0));
    EXPECT_FALSE(pending->HandleAllocated());
}

}  // namespace
}  // namespace gw
