// The mark-up renderer's reading orders: right to left the runs go from the right edge
// leftwards, right-aligned with right-to-left reading; pictures, controls, bullets, alignment and
// indent take the mirror image of their left-to-right places, and anchors, pictures and controls
// are hit where they are drawn; reading only keeps the left-to-right places.
#include "grid/foundation/picture_container.h"
#include "platform/graphics/image_list.h"
#include "tests/grid/foundation/markup_canvas_fixture.h"
#include "tests/support/test_support.h"

#include <set>

namespace gw {
namespace {

using MarkupReadingOrder = test::MarkupCanvasTest;

struct DrawnRun {
    std::string Text;
    Integer Left, Right;
    Cardinal Format;
};

std::vector<DrawnRun> Runs(const TRecordingCanvas& C)
{
    std::vector<DrawnRun> out;
    for (const TCanvasCall& c : C.Calls())
        if (c.Name == "DrawText" && !(c.Args[4] & DT_CALCRECT))
            out.push_back({StringToUtf8(c.Text), c.Args[0], c.Args[2], Cardinal(c.Args[4])});
    return out;
}

TEST_F(MarkupReadingOrder, RunsAreLaidFromTheEdgeTheReadingStartsAt)
{
    struct Case {
        Byte Mode;
        // Left and right of the three runs' rectangles.
        Integer L1, R1, L2, R2, L3, R3;
        Cardinal Flags;
    };
    const Case cases[] = {
        {0, 1, 100, 1 + 2 * CW, 100, 1 + 4 * CW, 100, 0},
        // one pixel in from the right edge, as left to right from the left one
        {1, 0, 99, 0, 99 - 2 * CW, 0, 99 - 4 * CW, DT_RIGHT | DT_RTLREADING},
        {2, 1, 100, 1 + 2 * CW, 100, 1 + 4 * CW, 100, DT_RTLREADING},
        {3, 1, 100, 1 + 2 * CW, 100, 1 + 4 * CW, 100, DT_RTLREADING},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(int(k.Mode));
        Render(u"ab<B>cd</B> ef", Rect(0, 0, 100, 40), {.BiDiMode = k.Mode});
        const std::vector<DrawnRun> runs = Runs(Canvas);
        ASSERT_EQ(runs.size(), 3u);
        EXPECT_EQ(runs[0].Text, "ab");
        EXPECT_EQ(runs[2].Text, " ef");
        const Integer edges[][2] = {{k.L1, k.R1}, {k.L2, k.R2}, {k.L3, k.R3}};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(runs[i].Left, edges[i][0]) << i;
            EXPECT_EQ(runs[i].Right, edges[i][1]) << i;
            EXPECT_EQ(runs[i].Format & (DT_RIGHT | DT_CENTER | DT_RTLREADING), k.Flags) << i;
        }
    }
}

TEST_F(MarkupReadingOrder, RightToLeftAnAnchorIsHitWhereItIsDrawn)
{
    // "ab" is drawn at 83..99, " cd" at 59..83: the mirror image of 1..17 and 17..41.
    const char16_t* text = u"<A href=\"one\">ab</A> cd";
    struct Case {
        Integer X;
        bool Hit;
    };
    const Case cases[] = {{95, true}, {98, true}, {82, true}, {81, false}, {99, false}, {70, false}, {5, false}};
    for (const Case& k : cases) {
        const TMarkupDrawResult r =
            Render(text, Rect(0, 0, 100, 40), {.MouseX = k.X, .MouseY = 7, .HitTest = true, .BiDiMode = 1});
        EXPECT_EQ(r.Hit, k.Hit) << k.X;
        EXPECT_EQ(r.AnchorValue, k.Hit ? u"one" : u"") << k.X;
    }
    // Left to right the same point lies over " cd".
    EXPECT_FALSE(Render(text, Rect(0, 0, 100, 40), {.MouseX = 95, .MouseY = 7, .HitTest = true}).Hit);
}

// A picture container with "pic", a still picture 10 x 7 pixels.
class MarkupElementsRightToLeft : public test::MarkupCanvasTest {
protected:
    void SetUp() override
    {
        test::MarkupCanvasTest::SetUp();
        TPictureItem* still = container.Items()->Add();
        still->Name = u"pic";
        still->Picture()->LoadFromFile(Utf8ToString(test::fixture("single.gif").string()));
    }
    TMarkupDrawResult Laid(StringView Text, Byte Mode, TMarkupDrawArgs Args = {})
    {
        Args.PictureContainer = &container;
        Args.BiDiMode = Mode;
        return Render(Text, Rect(0, 0, W, 60), Args);
    }
    // The boxes of what the call drew (pictures stretched, frames, filled and framed boxes),
    // mirrored across the rectangle when Mirror is set.
    std::vector<std::string> Boxes(bool Mirror) const
    {
        std::vector<std::string> out;
        for (const TCanvasCall& c : Canvas.Calls()) {
            if (c.Name != "Rectangle" && c.Name != "FillRect" && c.Name != "StretchDraw" &&
                c.Name != "DrawFrameControl" && c.Name != "DrawFocusRect")
                continue;
            const Integer left = Mirror ? W - c.Args[2] : c.Args[0], right = Mirror ? W - c.Args[0] : c.Args[2];
            out.push_back(c.Name + "(" + std::to_string(left) + "," + std::to_string(c.Args[1]) + "," +
                          std::to_string(right) + "," + std::to_string(c.Args[3]) + ")");
        }
        return out;
    }

    static constexpr Integer W = 200;
    TPictureContainer container{nullptr};
};

// Each element alone at the start of a line: right to left it stands at the line's right edge,
// one pixel in, as left to right it stands one pixel in from the left edge. What a control shows
// inside keeps its direction (the combo's button stays at its right end, where the inline combo
// that opens over it has it).
TEST_F(MarkupElementsRightToLeft, EachElementStandsAtTheMirrorImageOfItsPlace)
{
    struct Case {
        const char16_t* Text;
        std::vector<std::string> Drawn;
    };
    const Case cases[] = {
        {u"ab<IMG src=\"pic\">cd",
         {"DrawText(0,0,199,15) \"ab\" font=000000", "Draw(173,0) \"THTMLPicture\"",
          "DrawText(0,0,173,15) \"cd\" font=000000"}},
        {u"<IMG src=\"pic\" width=\"20\" height=\"30\">", {"StretchDraw(179,0,199,30) \"THTMLPicture\""}},
        {u"<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"50\">",
         {"Rectangle(149,4,199,27) brush=FFFFFF pen=808080", "DrawText(151,4,199,25) \"v\" font=000000"}},
        {u"<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" WIDTH=\"60\">",
         {"Rectangle(139,4,199,27) brush=FFFFFF pen=808080", "DrawText(143,4,181,25) \"x\" font=000000",
          "DrawFrameControl(181,5,198,26,3,5)"}},
        {u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"16\">", {"DrawFrameControl(184,1,197,16,4,17408)"}},
        {u"<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"no\" WIDTH=\"16\">", {"DrawFrameControl(185,2,197,16,4,16388)"}},
        {u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">",
         {"DrawFrameControl(151,0,197,25,4,16)", "DrawText(153,2,195,23) \"Go\" font=000000"}},
        // a bullet in the last 12 pixels of its level's room, at their far side
        {u"<UL><LI>ab</UL>", {"DrawText(187,15,199,30) \"\u2022\" font=000000", "DrawText(0,15,187,30) \"ab\" font=000000"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(StringToUtf8(k.Text));
        Laid(k.Text, 0);
        const std::vector<std::string> mirrored = Boxes(true);
        Laid(k.Text, 1);
        EXPECT_EQ(Drawn(), k.Drawn);
        EXPECT_EQ(Boxes(false).size(), mirrored.size());
        if (StringView(k.Text).find(u"COMBO") == StringView::npos) {
            EXPECT_EQ(Boxes(false), mirrored);
        }
    }
    // A button under a pressed mouse is pushed where it is drawn: the point mirrored.
    Laid(u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">", 1,
         {.MouseX = W - 1 - 20, .MouseY = 10, .MouseDown = true});
    EXPECT_EQ(Drawn().front(), "DrawFrameControl(151,0,197,25,4,528)");
    Laid(u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">", 1,
         {.MouseX = 20, .MouseY = 10, .MouseDown = true});
    EXPECT_EQ(Drawn().front(), "DrawFrameControl(151,0,197,25,4,16)") << "the left-to-right place is not pressed";
}

// Along a line of text, pictures and controls, every box drawn right to left is the mirror image
// of its left-to-right box: the offsets add up from the right edge.
TEST_F(MarkupElementsRightToLeft, AMixedLineIsTheMirrorImageBoxForBox)
{
    const char16_t* lines[] = {
        u"ab <IMG src=\"pic\" width=\"20\" height=\"12\"> <CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\"> x"
        u"<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\"><CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"30\">",
        // the focused anchor's frame, alignment and indent
        u"<A href=\"go\">ab</A> <IMG src=\"pic\" width=\"9\" height=\"9\">",
        u"<P align=\"right\"><IMG src=\"pic\" width=\"9\" height=\"9\">ab</P>",
        u"<P align=\"center\">abc<IMG src=\"pic\" width=\"9\" height=\"9\"></P>",
        u"<P indent=\"30\"><IMG src=\"pic\" width=\"9\" height=\"9\"></P>",
    };
    for (const char16_t* text : lines) {
        SCOPED_TRACE(StringToUtf8(text));
        Laid(text, 0, {.FocusAnchor = 0});
        const std::vector<std::string> mirrored = Boxes(true);
        ASSERT_FALSE(mirrored.empty());
        Laid(text, 1, {.FocusAnchor = 0});
        EXPECT_EQ(Boxes(false), mirrored);
    }
}

// Whatever a left-to-right point hits - an anchor's text, a picture inside it, a control - the
// mirrored point hits right to left, with the control's and the anchor's rectangles mirrored.
TEST_F(MarkupElementsRightToLeft, TheMirroredPointHitsWhatThePointHitsLeftToRight)
{
    const char16_t* text = u"<A href=\"go\">ab <IMG src=\"pic\"></A> <CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\"> x "
                           u"<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\"><CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"30\">";
    const auto mirror = [](const TRect& R) { return IsRectEmpty(R) ? R : TRect{W - R.Right, R.Top, W - R.Left, R.Bottom}; };
    std::set<std::string> found;
    for (Integer y : {3, 10, 20}) {
        for (Integer x = -1; x <= W; ++x) {
            const TMarkupDrawResult ltr = Laid(text, 0, {.MouseX = x, .MouseY = y, .HitTest = true});
            const TMarkupDrawResult rtl = Laid(text, 1, {.MouseX = W - 1 - x, .MouseY = y, .HitTest = true});
            ASSERT_EQ(rtl.Hit, ltr.Hit) << x << "," << y;
            ASSERT_EQ(rtl.AnchorValue, ltr.AnchorValue) << x << "," << y;
            ASSERT_EQ(rtl.ControlID, ltr.ControlID) << x << "," << y;
            ASSERT_EQ(rtl.ControlRect, mirror(ltr.ControlRect)) << x << "," << y;
            ASSERT_EQ(rtl.HoverRect, mirror(ltr.HoverRect)) << x << "," << y;
            if (ltr.Hit) found.insert(StringToUtf8(ltr.ControlID.empty() ? ltr.AnchorValue : ltr.ControlID));
        }
    }
    EXPECT_EQ(found, (std::set<std::string>{"go", "e", "c", "b"})) << "every kind of element was hit";
    // A control named by its ID is described where it is laid out, wherever the mouse is.
    const TRect named = Laid(text, 1, {.HitTest = true, .ControlID = u"e"}).ControlRect;
    EXPECT_EQ(named, mirror(Laid(text, 0, {.HitTest = true, .ControlID = u"e"}).ControlRect));
    EXPECT_EQ(named.Right, W - 1 - 4 * CW - 10) << "left of the anchor's text, its picture and a blank";
}

}  // namespace
}  // namespace gw
