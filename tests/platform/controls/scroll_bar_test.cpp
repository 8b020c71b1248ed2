// Scroll bars and scroll boxes: scroll messages, mouse on arrows, pages and thumb, ranges.
#include "platform/controls/scroll_box.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class ScrollBarTest : public StdControlsTest {};

TEST(ScrollBarLayout, ThumbFollowsPositionAndPage)
{
    TScrollBarLayout l;
    l.Length = 217;  // 17 + 183 + 17
    l.Thickness = 17;
    l.Min = 0;
    l.Max = 99;
    l.PageSize = 10;
    EXPECT_EQ(l.MaxPosition(), 90);
    EXPECT_EQ(l.ThumbLength(), 183 * 10 / 100);
    l.Position = 0;
    EXPECT_EQ(l.ThumbStart(), 17);
    l.Position = 90;
    EXPECT_EQ(l.ThumbStart() + l.ThumbLength(), 200);
    EXPECT_EQ(l.PositionAt(l.ThumbStart()), 90);
    EXPECT_EQ(l.PositionAt(17), 0);
    EXPECT_EQ(l.PositionAt(-50), 0);
    EXPECT_EQ(l.PartAt(5), TScrollBarPart::StartArrow);
    EXPECT_EQ(l.PartAt(30), TScrollBarPart::StartPage);
    EXPECT_EQ(l.PartAt(210), TScrollBarPart::EndArrow);
    // Too short for a thumb: no thumb, only arrows.
    l.Length = 40;
    EXPECT_EQ(l.ThumbLength(), 0);
    EXPECT_EQ(l.PartAt(20), TScrollBarPart::None);
    EXPECT_EQ(l.PartAt(30), TScrollBarPart::EndArrow);
}

TEST_F(ScrollBarTest, ScrollMessagesMoveThePosition)
{
    auto* sb = new TScrollBar(form);
    sb->SetParent(form);
    sb->SetKind(sbVertical);
    sb->SetParams(50, 0, 100);
    sb->SmallChange = 2;
    sb->LargeChange = 20;
    std::vector<TScrollCode> codes;
    sb->OnScroll = [&](TObject*, TScrollCode Code, Integer&) { codes.push_back(Code); };
    int changes = 0;
    sb->OnChange = [&](TObject*) { ++changes; };
    struct Case {
        Word code;
        Integer thumb;
        Integer expected;
        TScrollCode scroll;
    };
    const Case cases[] = {
        {SB_LINEDOWN, 0, 52, scLineDown}, {SB_LINEUP, 0, 50, scLineUp},      {SB_PAGEDOWN, 0, 70, scPageDown},
        {SB_PAGEUP, 0, 50, scPageUp},     {SB_THUMBTRACK, 33, 33, scTrack},  {SB_THUMBPOSITION, 40, 40, scPosition},
        {SB_BOTTOM, 0, 100, scBottom},    {SB_LINEDOWN, 0, 100, scLineDown}, {SB_TOP, 0, 0, scTop},
        {SB_PAGEUP, 0, 0, scPageUp},      {SB_ENDSCROLL, 0, 0, scEndScroll},
    };
    for (const Case& c : cases) {
        sb->Perform(WM_VSCROLL, MakeWParam(c.code, c.thumb), 0);
        EXPECT_EQ(sb->Position(), c.expected) << c.code;
        EXPECT_EQ(codes.back(), c.scroll);
    }
    EXPECT_EQ(changes, 8) << "one OnChange per real move";
    // A handler may hold the position.
    sb->OnScroll = [](TObject*, TScrollCode, Integer& Pos) { Pos = 7; };
    sb->Perform(CN_VSCROLL, MakeWParam(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(sb->Position(), 7);
    EXPECT_THROW(sb->SetParams(0, 10, 5), EInvalidOperation);
}

TEST_F(ScrollBarTest, MouseOnArrowsPagesAndThumb)
{
    auto* sb = new TScrollBar(form);
    sb->SetParent(form);
    sb->SetBounds(10, 10, 217, 17);
    sb->SetParams(0, 0, 100);
    sb->SetPageSize(10);
    sb->LargeChange = 10;
    std::vector<TScrollCode> codes;
    sb->OnScroll = [&](TObject*, TScrollCode Code, Integer&) { codes.push_back(Code); };
    ShowForm();
    Click(sb, 210, 8);  // right arrow
    EXPECT_EQ(sb->Position(), 1);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scEndScroll}));
    Click(sb, 150, 8);  // page right of the thumb
    EXPECT_EQ(sb->Position(), 11);

    codes.clear();
    TScrollBarLayout l = sb->Layout();
    Integer grab = l.ThumbStart() + 3;
    InjectMouse(TMouseAction::Move, sb->ClientToScreen({grab, 8}));
    InjectMouse(TMouseAction::Down, sb->ClientToScreen({grab, 8}));
    InjectMouse(TMouseAction::Move, sb->ClientToScreen({grab + 40, 8}));
    InjectMouse(TMouseAction::Move, sb->ClientToScreen({grab + 400, 30}));
    InjectMouse(TMouseAction::Up, sb->ClientToScreen({grab + 400, 30}));
    Pump();
    EXPECT_EQ(sb->Position(), 91) << "dragged to the end: the last page ends at Max";
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes.front(), scTrack);
    EXPECT_EQ(codes[codes.size() - 2], scPosition);
    EXPECT_EQ(codes.back(), scEndScroll);
    // Keys.
    sb->SetFocus();
    Key(VK_HOME);
    EXPECT_EQ(sb->Position(), 0);
    Key(VK_RIGHT);
    EXPECT_EQ(sb->Position(), 1);
}

TEST_F(ScrollBarTest, ScrollBoxScrollsItsChildren)
{
    auto* box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 200, 100);
    auto* child = new TPanel(form);
    child->SetParent(box);
    child->SetBounds(10, 250, 50, 50);  // extent 300 high
    auto* strip = new TPanel(form);
    strip->SetParent(box);
    strip->SetHeight(30);
    strip->SetAlign(alTop);
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->VertScrollBar()->Range(), 300);
    EXPECT_EQ(box->ClientRect().Width(), 200 - 17);
    box->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(child->Top(), 242);
    EXPECT_EQ(strip->Top(), -8) << "aligned children scroll as well";
    EXPECT_EQ(strip->Width(), 200 - 17);
    box->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(box->VertScrollBar()->Position(), 200);
    EXPECT_EQ(child->Top(), 50);
    box->Perform(WM_VSCROLL, SB_TOP, 0);
    box->ScrollInView(child);
    EXPECT_GE(child->Top(), 0);
    EXPECT_LE(child->Top() + child->Height(), box->ClientRect().Bottom);
    // Thumb tracking waits for the release unless Tracking is on.
    Integer before = box->VertScrollBar()->Position();
    box->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 10), 0);
    EXPECT_EQ(box->VertScrollBar()->Position(), before);
    box->VertScrollBar()->Tracking = true;
    box->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 10), 0);
    EXPECT_EQ(box->VertScrollBar()->Position(), 10);
}

}  // namespace
}  // namespace gw::test
