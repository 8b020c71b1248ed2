// Window scroll bars: the client area they leave, clamped scroll information, and the scroll
// messages a press, a page click and a thumb drag send.
#include "test_controls.h"

#include "platform/graphics/canvas.h"
#include "platform/ui/scroll_bar_side.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

// Scrolls like a list would: lines of 1, pages of the page size, the thumb where it is taken.
class TScroller : public TCustomControl {
public:
    TScroller(TComponent* AOwner, TWinControl* AParent, TEventLog& Log) : TCustomControl(AOwner), m_log(Log)
    {
        SetBounds(10, 10, 200, 100);
        SetParent(AParent);
    }

protected:
    void CreateParams(TCreateParams& P) override
    {
        TCustomControl::CreateParams(P);
        P.Style |= WS_VSCROLL;
    }
    void Dispatch(TMessage& M) override
    {
        if (M.Msg == WM_VSCROLL) {
            static const char* codes[] = {"line up",     "line down", "page up", "page down", "thumb position",
                                          "thumb track", "top",       "bottom",  "end"};
            Word code = M.WParamLo();
            std::string e = codes[code];
            if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) e += " " + std::to_string(M.WParamHi());
            m_log.Add(e);
            Integer pos = GetScrollPos(Handle(), SB_VERT);
            if (code == SB_LINEDOWN) SetScrollPos(Handle(), SB_VERT, pos + 1);
            if (code == SB_PAGEDOWN) SetScrollPos(Handle(), SB_VERT, pos + 10);
            if (code == SB_THUMBPOSITION) SetScrollPos(Handle(), SB_VERT, M.WParamHi());
            return;
        }
        if (M.Msg == WM_SIZE) m_log.Add("size " + std::to_string(M.LParamLo()) + "x" + std::to_string(M.LParamHi()));
        TCustomControl::Dispatch(M);
    }

private:
    TEventLog& m_log;
};

class ScrollBars : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);
        s = new TScroller(form, form, h.Log);
        form->Show();
        TScrollInfo i;
        i.nMin = 0;
        i.nMax = 99;
        i.nPage = 10;
        i.nPos = 0;
        SetScrollInfo(s->Handle(), SB_VERT, i);
        h.ProcessMessages();
        h.Log.Clear();
    }
    TColor Pixel(Integer X, Integer Y)
    {
        TPoint p = s->ClientToScreen({X, Y});
        TPoint f = form->ClientToScreen({0, 0});
        cairo_surface_t* surface = h.Display().NativeWindow(form->Handle())->Surface.get();
        cairo_surface_flush(surface);
        auto* row = cairo_image_surface_get_data(surface) + (p.Y - f.Y) * cairo_image_surface_get_stride(surface);
        uint32_t v = reinterpret_cast<const uint32_t*>(row)[p.X - f.X];
        return RGB(Byte(v >> 16), Byte(v >> 8), Byte(v));
    }
    // How many pixels of a colour a rectangle of the window holds.
    Integer Count(const TRect& R, TColor Colour)
    {
        Integer n = 0;
        for (Integer y = R.Top; y < R.Bottom; ++y)
            for (Integer x = R.Left; x < R.Right; ++x) n += Pixel(x, y) == ColorToRGB(Colour);
        return n;
    }
    // The glyph of an arrow button (inside its 2-pixel edge): in the text colour when active; in
    // the shadow colour over a highlight echo when off.
    std::string ArrowLook(const TRect& Button)
    {
        TRect R = Button;
        InflateRect(R, -2, -2);
        bool active = Count(R, clBtnText) > 0;
        bool greyed = Count(R, clBtnShadow) > 4 && Count(R, clBtnHighlight) > 4;
        return active && !greyed ? "active" : greyed && !active ? "greyed" : "mixed";
    }

    THarness h;
    TForm* form = nullptr;
    TScroller* s = nullptr;
};

TEST_F(ScrollBars, TheBarsTakeTheirRoomFromTheClientArea)
{
    EXPECT_EQ(s->ClientRect(), Rect(0, 0, 183, 100));
    auto* fill = new TCustomControl(form);
    fill->SetAlign(alClient);
    fill->SetParent(s);
    EXPECT_EQ(fill->BoundsRect(), Rect(0, 0, 183, 100));
    ShowScrollBar(s->Handle(), SB_HORZ, true);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"size 183x83"}));
    EXPECT_EQ(fill->BoundsRect(), Rect(0, 0, 183, 83));
    EXPECT_EQ(WindowFromPoint(s->ClientToScreen({190, 50})), s->Handle()) << "the bar belongs to the window";
}

TEST_F(ScrollBars, ScrollInformationIsClamped)
{
    EXPECT_EQ(SetScrollPos(s->Handle(), SB_VERT, 95), 0);
    EXPECT_EQ(GetScrollPos(s->Handle(), SB_VERT), 90) << "the last page is the last position";
    SetScrollPos(s->Handle(), SB_VERT, -5);
    EXPECT_EQ(GetScrollPos(s->Handle(), SB_VERT), 0);
    TScrollInfo i;
    i.fMask = SIF_PAGE;
    i.nPage = 500;
    SetScrollInfo(s->Handle(), SB_VERT, i);
    TScrollInfo out;
    ASSERT_TRUE(GetScrollInfo(s->Handle(), SB_VERT, out));
    EXPECT_EQ(out.nPage, 100u) << "a page is never larger than the range";
    Integer mn = 1, mx = 1;
    EXPECT_TRUE(GetScrollRange(s->Handle(), SB_VERT, mn, mx));
    EXPECT_EQ(mn, 0);
    EXPECT_EQ(mx, 99);
}

TEST_F(ScrollBars, ArrowsAndTrackScrollByLinesAndPages)
{
    h.Click(s, {190, 95});
    h.Click(s, {190, 60});
    h.Click(s, {190, 5});
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"line down", "end", "page down", "end", "line up", "end"}));
    EXPECT_EQ(GetScrollPos(s->Handle(), SB_VERT), 11);
}

TEST_F(ScrollBars, DraggingTheThumbTracksAndEndsWithItsPosition)
{
    // 100 pixels: arrows of 17, a track of 66, a thumb of 8 (10 of 100) at the top of it.
    h.Drag(s, {190, 20}, {190, 60});
    std::vector<std::string> e = h.Log.Take();
    ASSERT_GE(e.size(), 3u);
    EXPECT_EQ(e[0].substr(0, 11), "thumb track");
    EXPECT_EQ(e[e.size() - 2], "thumb position 62");
    EXPECT_EQ(e.back(), "end");
    EXPECT_EQ(GetScrollPos(s->Handle(), SB_VERT), 62);
}

TEST_F(ScrollBars, ABarWithNothingToScrollIsDisabled)
{
    TScrollInfo i;
    i.fMask = SIF_PAGE;
    i.nPage = 100;
    SetScrollInfo(s->Handle(), SB_VERT, i);
    h.Click(s, {190, 95});
    EXPECT_TRUE(h.Log.Items().empty());
}

TEST_F(ScrollBars, TheBarIsPaintedOutsideTheClient)
{
    s->Repaint();
    h.ProcessMessages();
    EXPECT_EQ(Pixel(190, 60), ColorToRGB(clScrollBar)) << "the track";
    EXPECT_EQ(Pixel(190, 20), ColorToRGB(clBtnFace)) << "the thumb";
}

TEST_F(ScrollBars, ABarTurnedOffShowsGreyedArrowsAndNoThumbAndTakesNoPress)
{
    const TRect up = Rect(183, 0, 200, 17), down = Rect(183, 83, 200, 100), track = Rect(184, 17, 199, 83);
    ASSERT_EQ(ArrowLook(up), "active");
    // The track and the thumb's face share a colour: the thumb shows by its raised edge.
    ASSERT_GT(Count(track, clBtnHighlight), 10) << "the thumb shows before";
    EXPECT_TRUE(EnableScrollBar(s->Handle(), SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_EQ(GetScrollBarArrowsOff(s->Handle(), SB_VERT), UINT(ESB_DISABLE_BOTH));
    EXPECT_EQ(ArrowLook(up), "greyed");
    EXPECT_EQ(ArrowLook(down), "greyed");
    EXPECT_EQ(Count(track, clBtnHighlight), 0) << "no thumb";
    EXPECT_EQ(Count(track, clScrollBar), track.Width() * track.Height());
    h.Click(s, {190, 95});
    h.Click(s, {190, 5});
    h.Click(s, {190, 60});
    h.Drag(s, {190, 20}, {190, 60});
    EXPECT_TRUE(h.Log.Items().empty()) << "arrows, track and thumb take no press";
    EXPECT_EQ(GetScrollPos(s->Handle(), SB_VERT), 0);
    // The state holds through new scroll information and hiding, until turned on again.
    SetScrollPos(s->Handle(), SB_VERT, 40);
    ShowScrollBar(s->Handle(), SB_VERT, false);
    ShowScrollBar(s->Handle(), SB_VERT, true);
    h.ProcessMessages();
    h.Log.Clear();
    EXPECT_EQ(ArrowLook(down), "greyed");
    EXPECT_EQ(Count(track, clBtnHighlight), 0);
    EXPECT_TRUE(EnableScrollBar(s->Handle(), SB_VERT, ESB_ENABLE_BOTH));
    EXPECT_EQ(ArrowLook(up), "active");
    EXPECT_GT(Count(track, clBtnHighlight), 10);
    h.Click(s, {190, 95});
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"line down", "end"}));
}

TEST_F(ScrollBars, OneArrowTurnedOffIsGreyedAndIgnoredWhileTheRestWorks)
{
    const TRect up = Rect(183, 0, 200, 17), down = Rect(183, 83, 200, 100);
    struct TCase {
        UINT Arrows;
        const char* Up;
        const char* Down;
        std::vector<std::string> Clicks;  // up arrow, then down arrow
    };
    const TCase cases[] = {
        {ESB_DISABLE_UP, "greyed", "active", {"line down", "end"}},
        {ESB_DISABLE_DOWN, "active", "greyed", {"line up", "end"}},
    };
    for (const TCase& c : cases) {
        SetScrollPos(s->Handle(), SB_VERT, 5);
        EXPECT_TRUE(EnableScrollBar(s->Handle(), SB_VERT, c.Arrows));
        EXPECT_EQ(ArrowLook(up), c.Up) << c.Arrows;
        EXPECT_EQ(ArrowLook(down), c.Down) << c.Arrows;
        h.Click(s, {190, 5});
        h.Click(s, {190, 95});
        EXPECT_EQ(h.Log.Take(), c.Clicks) << c.Arrows;
        h.Click(s, {190, 70});
        EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"page down", "end"})) << "the track still pages";
    }
}

// Right to left the vertical bar stands at the left edge: the client area begins beside it, keeps
// its size, and holds its children; presses on the bar scroll; the bar looks as at the right.
// Back to left to right it returns to the right edge.
TEST_F(ScrollBars, RightToLeftTheBarStandsAtTheLeftAndTheClientBesideIt)
{
    auto* fill = new TCustomControl(form);
    fill->SetAlign(alClient);
    fill->SetParent(s);
    fill->SetColor(clRed);
    s->Repaint();
    h.ProcessMessages();
    std::vector<TColor> rightBar;
    for (Integer y = 0; y < 100; ++y)
        for (Integer x = 183; x < 200; ++x) rightBar.push_back(Pixel(x, y));
    const TPoint window = ClientToScreen(form->Handle(), s->BoundsRect().TopLeft());

    s->SetBiDiMode(bdRightToLeft);
    h.ProcessMessages();
    EXPECT_TRUE(GetWindowExStyle(s->Handle()) & WS_EX_LEFTSCROLLBAR);
    EXPECT_EQ(s->ClientRect(), Rect(0, 0, 183, 100));
    EXPECT_EQ(fill->BoundsRect(), Rect(0, 0, 183, 100));
    EXPECT_EQ(s->ClientToScreen({0, 0}), (TPoint{window.X + 17, window.Y}));
    EXPECT_EQ(ClientToScreen(s->Handle(), {0, 0}), s->ClientToScreen({0, 0}));
    EXPECT_EQ(ClientToScreen(fill->Handle(), {0, 0}), s->ClientToScreen({0, 0}));
    EXPECT_EQ(WindowFromPoint(s->ClientToScreen({-5, 50})), s->Handle()) << "the bar belongs to the window";
    EXPECT_EQ(WindowFromPoint(s->ClientToScreen({2, 50})), fill->Handle());
    // The child paints beside the bar, the bar as it looked at the right.
    EXPECT_EQ(Pixel(0, 50), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(182, 50), ColorToRGB(clRed));
    std::vector<TColor> leftBar;
    for (Integer y = 0; y < 100; ++y)
        for (Integer x = -17; x < 0; ++x) leftBar.push_back(Pixel(x, y));
    EXPECT_EQ(leftBar, rightBar);
    h.Click(s, {-8, 95});
    h.Click(s, {-8, 60});
    h.Click(s, {-8, 5});
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"line down", "end", "page down", "end", "line up", "end"}));
    SetScrollPos(s->Handle(), SB_VERT, 0);
    h.Drag(s, {-8, 20}, {-8, 60});
    const std::vector<std::string> dragged = h.Log.Take();
    ASSERT_GE(dragged.size(), 2u);
    EXPECT_EQ(dragged[dragged.size() - 2], "thumb position 62") << "as the thumb at the right edge";

    s->SetBiDiMode(bdLeftToRight);
    h.ProcessMessages();
    EXPECT_FALSE(GetWindowExStyle(s->Handle()) & WS_EX_LEFTSCROLLBAR);
    EXPECT_EQ(s->ClientToScreen({0, 0}), window);
    EXPECT_EQ(Pixel(0, 50), ColorToRGB(clRed));
    h.Click(s, {190, 95});
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"line down", "end"}));
}

// A window made right to left is created with its bar at the left; reading right to left only
// keeps the mirrored layout off but the bar at the left all the same.
TEST_F(ScrollBars, TheReadingOrderAtCreationPlacesTheBar)
{
    struct Case {
        TBiDiMode Mode;
        bool Left;
    };
    for (const Case& k : {Case{bdRightToLeft, true}, Case{bdRightToLeftNoAlign, true},
                          Case{bdRightToLeftReadingOnly, false}, Case{bdLeftToRight, false}}) {
        auto* other = new TScroller(form, nullptr, h.Log);
        other->SetBiDiMode(k.Mode);
        other->SetParent(form);
        EXPECT_EQ((GetWindowExStyle(other->Handle()) & WS_EX_LEFTSCROLLBAR) != 0, k.Left) << int(k.Mode);
        delete other;
    }
}

TEST_F(ScrollBars, EnableScrollBarAnswersWhetherItChangedSomething)
{
    HWND w = s->Handle();
    EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH)) << "already on";
    EXPECT_TRUE(EnableScrollBar(w, SB_BOTH, ESB_DISABLE_BOTH));
    EXPECT_EQ(GetScrollBarArrowsOff(w, SB_HORZ), UINT(ESB_DISABLE_BOTH)) << "SB_BOTH reaches both bars";
    EXPECT_EQ(GetScrollBarArrowsOff(w, SB_VERT), UINT(ESB_DISABLE_BOTH));
    EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_TRUE(EnableScrollBar(w, SB_HORZ, ESB_DISABLE_LEFT));
    EXPECT_EQ(GetScrollBarArrowsOff(w, SB_HORZ), UINT(ESB_DISABLE_LEFT));
    EXPECT_EQ(GetScrollBarArrowsOff(w, SB_VERT), UINT(ESB_DISABLE_BOTH)) << "one bar leaves the other";
    EXPECT_FALSE(EnableScrollBar(w, SB_CTL, ESB_ENABLE_BOTH));
    EXPECT_FALSE(EnableScrollBar(12345, SB_VERT, ESB_DISABLE_BOTH));
}

}  // namespace
}  // namespace gw::test
