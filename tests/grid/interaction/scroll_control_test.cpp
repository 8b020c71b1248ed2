// The metro scroll control: the thumb's arithmetic as tables, then the control over a grid on the
// headless display (page presses, drags, painting over the grid, nothing to scroll).
#include "grid/interaction/scroll_control.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TThumbAxis AxisOf(Integer Extent, Integer Lead, Integer Trail, Integer Count, Integer Fixed, Integer Visible,
                  Integer First)
{
    TThumbAxis a;
    a.Extent = Extent;
    a.LeadingFixed = Lead;
    a.TrailingFixed = Trail;
    a.Count = Count;
    a.Fixed = Fixed;
    a.Visible = Visible;
    a.First = First;
    return a;
}

TEST(ScrollThumb, GeometryOfTheThumb)
{
    struct Case {
        const char* Name;
        TThumbAxis Axis;
        std::optional<TThumb> Thumb;
    };
    const Case cases[] = {
        {"every row fits", AxisOf(200, 20, 0, 10, 1, 9, 1), std::nullopt},
        {"more visible than scrolling", AxisOf(200, 20, 0, 10, 1, 12, 1), std::nullopt},
        {"all rows fixed: nothing to divide by", AxisOf(200, 20, 0, 1, 1, 0, 1), std::nullopt},
        {"no rows at all", AxisOf(200, 0, 0, 0, 0, 0, 0), std::nullopt},
        {"first page, minimum size", AxisOf(200, 20, 0, 100, 1, 9, 1), TThumb{20, 20}},
        {"middle, position from the scrolling rows", AxisOf(200, 20, 0, 100, 1, 9, 50), TThumb{109, 20}},
        {"half visible: half the track", AxisOf(200, 0, 0, 20, 0, 10, 10), TThumb{100, 100}},
        {"never past the end", AxisOf(200, 0, 0, 100, 0, 9, 99), TThumb{180, 20}},
        {"fixed footers shorten the track", AxisOf(200, 20, 20, 20, 1, 8, 5), TThumb{54, 64}},
    };
    for (const Case& c : cases) EXPECT_EQ(ThumbOf(c.Axis), c.Thumb) << c.Name;
}

TEST(ScrollThumb, PressesAndDrags)
{
    // Thumb at 100..120 on a 200 pixel control.
    const TThumbAxis a = AxisOf(200, 0, 0, 100, 0, 10, 50);
    EXPECT_EQ(ThumbPressAt(a, 99), TThumbPress::PageBack);
    EXPECT_EQ(ThumbPressAt(a, 100), TThumbPress::Drag);
    EXPECT_EQ(ThumbPressAt(a, 120), TThumbPress::Drag);
    EXPECT_EQ(ThumbPressAt(a, 121), TThumbPress::PageOn);
    EXPECT_EQ(ThumbPressAt(AxisOf(200, 20, 0, 1, 1, 0, 1), 5), TThumbPress::None) << "all fixed";

    struct Page {
        Integer Count, Fixed, Visible, First, Back, On;
    };
    const Page pages[] = {
        {100, 1, 10, 5, 1, 15},  // back on the first page stops at the first scrolling row
        {100, 1, 10, 50, 40, 60},
        {100, 1, 10, 85, 75, 90},  // on stops at the last full page
    };
    for (const Page& p : pages) {
        const TThumbAxis x = AxisOf(200, 0, 0, p.Count, p.Fixed, p.Visible, p.First);
        EXPECT_EQ(PageBackTarget(x), p.Back) << p.First;
        EXPECT_EQ(PageOnTarget(x), p.On) << p.First;
    }

    TThumbAxis d = AxisOf(220, 20, 0, 100, 1, 10, 10);
    d.FirstItemSize = 20;  // 200 pixels stand for the 100 rows
    struct Drag {
        Integer Delta, First;
    };
    const Drag drags[] = {{0, 10}, {50, 35}, {-10, 5}, {1000, 90}, {-1000, 1}};
    for (const Drag& g : drags) EXPECT_EQ(DragTarget(d, 10, g.Delta), g.First) << g.Delta;
    d.Extent = 20;  // no longer than row 0: nothing to divide by
    EXPECT_EQ(DragTarget(d, 10, 50), 10);
}

class MetroScrollTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 500);
        grid = new TExtStringGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 400, 250);
        grid->SetRowCount(100);
        grid->SetColCount(20);
        grid->SetScrollType(ssMetro);
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }
    TScrollControl* Bar(TScrollDirection D) const
    {
        for (Integer i = 0; i < grid->ControlCount(); ++i)
            if (auto* s = dynamic_cast<TScrollControl*>(grid->Controls(i)); s && s->Direction() == D) return s;
        return nullptr;
    }
    TThumb ThumbNow(TScrollControl* S) const { return ThumbOf(*S->Axis()).value_or(TThumb{-1, -1}); }
    THarness h;
    TForm* form = nullptr;
    TExtStringGrid* grid = nullptr;
};

TEST_F(MetroScrollTest, MadeAtTheWindowAlongTheRightAndBottomEdges)
{
    TScrollControl* v = Bar(sdVertical);
    TScrollControl* hz = Bar(sdHorizontal);
    ASSERT_TRUE(v && hz);
    EXPECT_EQ(v->Width(), 6);
    EXPECT_EQ(v->Left(), grid->ClientWidth() - 6);
    EXPECT_EQ(hz->Height(), 6);
    EXPECT_EQ(hz->Top(), grid->ClientHeight() - 6);
    grid->SetScrollType(ssNormal);
    EXPECT_EQ(Bar(sdVertical), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
    grid->SetScrollType(ssMetro);
    EXPECT_TRUE(Bar(sdVertical) && Bar(sdHorizontal));
    EXPECT_EQ(grid->ScrollBars(), ssNone) << "the window's own bars give way";
}

TEST_F(MetroScrollTest, PagePressesAndADragMoveTheTopRow)
{
    TScrollControl* v = Bar(sdVertical);
    const Integer visible = grid->VisibleRowCount();
    const TThumb t = ThumbNow(v);
    h.Click(v, {3, t.Position + t.Size + 10});
    EXPECT_EQ(grid->TopRow(), 1 + visible);
    h.Click(v, {3, ThumbNow(v).Position - 2});
    EXPECT_EQ(grid->TopRow(), 1);
    h.Click(v, {3, ThumbNow(v).Position - 2});
    EXPECT_EQ(grid->TopRow(), 1) << "no further back than the first scrolling row";

    const TThumb at = ThumbNow(v);
    h.Drag(v, {3, at.Position + 5}, {3, v->Height() + 400});
    EXPECT_EQ(grid->TopRow(), grid->RowCount() - visible) << "past the end: the last full page";
    EXPECT_FALSE(v->DownOnScroller());

    TScrollControl* hz = Bar(sdHorizontal);
    const TThumb c = ThumbNow(hz);
    h.Click(hz, {c.Position + c.Size + 10, 3});
    EXPECT_EQ(grid->LeftCol(), 1 + grid->VisibleColCount());
}

// (A table whose rows are all fixed has no thumb either: see GeometryOfTheThumb.)
TEST_F(MetroScrollTest, RowsThatAllFitShowNoThumbAndIgnorePresses)
{
    grid->SetRowCount(4);
    TScrollControl* v = Bar(sdVertical);
    TRecordingCanvas c;
    v->DrawThumb(c);
    EXPECT_TRUE(c.Calls().empty());
    h.Click(v, {3, 10});
    h.Drag(v, {3, 10}, {3, 100});
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(MetroScrollTest, ThumbIsDrawnOverTheGridsOwnPainting)
{
    TScrollControl* v = Bar(sdVertical);
    v->SetColor(TColor(0x0000FF));
    TRecordingCanvas c;
    v->DrawThumb(c);
    const TThumb t = ThumbNow(v);
    EXPECT_EQ(c.Log().back(),
              "Rectangle(0," + std::to_string(t.Position) + ",4," + std::to_string(t.Position + t.Size) + ")");

    grid->SetColor(clWhite);
    TBitmap b(v->Width(), v->Height());
    v->PaintTo(*b.Canvas(), 0, 0);
    EXPECT_EQ(b.PixelColor(1, t.Position + 2), TColor(0x0000FF)) << "thumb";
    EXPECT_EQ(b.PixelColor(5, t.Position + 2), clWhite) << "beside the thumb: the grid's cell under it";
    EXPECT_NE(b.PixelColor(1, v->Height() - 20), TColor(0x0000FF));
    h.SavePng(grid, u"metro_scroll_bars.png");
}

}  // namespace
}  // namespace gw
