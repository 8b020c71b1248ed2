// The one scroll-bar arithmetic: thumb size and place, the parts under a point, and positions
// from thumb offsets; and a window's bars drawn by a painter of its own with that arithmetic.
#include "test_controls.h"

#include "platform/ui/scroll_bar_layout.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

TScrollBarLayout Bar(Integer Length, Integer Min, Integer Max, Integer Page, Integer Position = 0)
{
    TScrollBarLayout l;
    l.Length = Length;
    l.Thickness = 17;
    l.Min = Min;
    l.Max = Max;
    l.PageSize = Page;
    l.Position = Position;
    return l;
}

TEST(ScrollBarLayout, ThumbSizeFollowsThePageToTheNearestPixelWithAFloorAndAFit)
{
    struct Case {
        Integer length, min, max, page;
        Integer thumb;
        const char* why;
    };
    const Case cases[] = {
        {217, 0, 99, 10, 18, "183 * 10 / 100 = 18.3"},
        {217, 0, 99, 11, 20, "183 * 11 / 100 = 20.13"},
        {217, 0, 99, 13, 24, "183 * 13 / 100 = 23.79 rounds up"},
        {100, 0, 99, 10, 8, "6.6 is below the smallest thumb"},
        {217, 0, 99, 0, 17, "without a page the thumb is square"},
        {40, 0, 99, 10, 0, "a track of 6 has no room for a thumb"},
        {217, 0, 99, 100, 0, "nothing to scroll: no thumb"},
        {217, 5, 5, 0, 0, "a range of one position: no thumb"},
    };
    for (const Case& c : cases) EXPECT_EQ(Bar(c.length, c.min, c.max, c.page).ThumbLength(), c.thumb) << c.why;
}

TEST(ScrollBarLayout, PositionsAndThumbOffsetsRoundTripWhereTheTrackHasRoomForEach)
{
    // 58 free pixels for 31 positions, 183 for 91, and an offset range: rounding both ways
    // gives every position back (truncating would lose some).
    for (TScrollBarLayout l : {Bar(100, 0, 39, 10), Bar(217, 0, 99, 10), Bar(217, -50, 49, 10)}) {
        for (Integer p = l.Min; p <= l.MaxPosition(); ++p) {
            l.Position = p;
            ASSERT_EQ(l.PositionAt(l.ThumbStart()), p) << "length " << l.Length << " min " << l.Min;
        }
    }
    TScrollBarLayout l = Bar(217, 0, 99, 10, 90);
    EXPECT_EQ(l.ThumbStart() + l.ThumbLength(), l.TrackEnd()) << "the last position puts the thumb at the end";
    EXPECT_EQ(l.PositionAt(-50), 0);
    EXPECT_EQ(l.PositionAt(500), 90);
}

TEST(ScrollBarLayout, PartsUnderAPoint)
{
    TScrollBarLayout l = Bar(217, 0, 99, 10, 0);  // thumb at 17..35
    EXPECT_EQ(l.PartAt(-1), TScrollBarPart::None);
    EXPECT_EQ(l.PartAt(16), TScrollBarPart::StartArrow);
    EXPECT_EQ(l.PartAt(17), TScrollBarPart::Thumb);
    EXPECT_EQ(l.PartAt(34), TScrollBarPart::Thumb);
    EXPECT_EQ(l.PartAt(35), TScrollBarPart::EndPage);
    EXPECT_EQ(l.PartAt(200), TScrollBarPart::EndArrow);
    EXPECT_EQ(l.PartAt(217), TScrollBarPart::None);
    l.Position = 90;
    EXPECT_EQ(l.PartAt(100), TScrollBarPart::StartPage);
    // Short bar: the arrows still scroll, the track has no thumb; shorter than two arrows, each
    // arrow takes half.
    TScrollBarLayout s = Bar(40, 0, 99, 10);
    EXPECT_EQ(s.PartAt(16), TScrollBarPart::StartArrow);
    EXPECT_EQ(s.PartAt(20), TScrollBarPart::None);
    EXPECT_EQ(s.PartAt(23), TScrollBarPart::EndArrow);
    s.Length = 30;
    EXPECT_EQ(s.PartAt(14), TScrollBarPart::StartArrow);
    EXPECT_EQ(s.PartAt(15), TScrollBarPart::EndArrow);
    // Nothing to scroll: the bar takes no press at all.
    EXPECT_EQ(Bar(217, 0, 99, 100).PartAt(5), TScrollBarPart::None);
}

TEST(ScrollBarLayout, ArrowsTurnedOffTakeNoPressAndBothTurnTheBarOff)
{
    TScrollBarLayout l = Bar(217, 0, 99, 10, 45);
    l.StartArrowOff = true;
    EXPECT_EQ(l.PartAt(16), TScrollBarPart::None);
    EXPECT_EQ(l.PartAt(17), TScrollBarPart::StartPage);
    EXPECT_EQ(l.PartAt(200), TScrollBarPart::EndArrow);
    EXPECT_EQ(l.ThumbLength(), 18) << "one arrow off keeps the thumb";
    l = Bar(217, 0, 99, 10, 45);
    l.EndArrowOff = true;
    EXPECT_EQ(l.PartAt(16), TScrollBarPart::StartArrow);
    EXPECT_EQ(l.PartAt(200), TScrollBarPart::None);
    l.StartArrowOff = true;
    EXPECT_TRUE(l.BarOff());
    EXPECT_EQ(l.ThumbLength(), 0);
    for (Integer offset : {0, 16, 17, 100, 199, 200, 216}) EXPECT_EQ(l.PartAt(offset), TScrollBarPart::None) << offset;
}

TEST(ScrollBarLayout, AWindowsOwnPainterGetsTheSharedLayout)
{
    THarness h;
    TForm* form = MakeForm(Application);
    auto* c = new TCustomControl(form);
    c->SetBounds(0, 0, 200, 117);
    c->SetParent(form);
    form->Show();
    ShowScrollBar(c->Handle(), SB_VERT, true);
    TScrollInfo i;
    i.nMin = 0;
    i.nMax = 99;
    i.nPage = 10;
    i.nPos = 45;
    SetScrollInfo(c->Handle(), SB_VERT, i);
    std::vector<TScrollBarLayout> seen;
    std::vector<TRect> where;
    SetScrollBarPainter(
        c->Handle(),
        [&](TCanvas&, const TRect& R, TScrollBarKind Kind, const TScrollBarLayout& L, bool, TScrollBarPart) {
            EXPECT_EQ(Kind, sbVertical);
            seen.push_back(L);
            where.push_back(R);
        });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(where.back(), Rect(183, 0, 200, 117));
    EXPECT_EQ(seen.back().Length, 117);
    EXPECT_EQ(seen.back().Position, 45);
    EXPECT_EQ(seen.back().PageSize, 10);
    // A press where the shared layout puts the thumb takes the thumb: a drag tracks.
    TScrollBarLayout l = seen.back();
    Integer released = -1;
    TWndMethod inherited = c->WindowProc;
    c->WindowProc = [&](TMessage& M) {
        if (M.Msg == WM_VSCROLL && M.WParamLo() == SB_THUMBPOSITION) released = M.WParamHi();
        inherited(M);
    };
    h.Drag(c, {190, l.ThumbStart() + 2}, {190, l.ThumbStart() + 32});
    l.Position = released;
    EXPECT_EQ(l.ThumbStart(), seen.front().ThumbStart() + 30) << "the thumb follows the mouse, pixel for pixel";
}

}  // namespace
}  // namespace gw::test
