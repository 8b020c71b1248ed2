// The mark-up renderer's reading orders: right to left the runs go from the right edge
// leftwards, right-aligned with right-to-left reading, and anchors are hit where they are drawn;
// reading only keeps the left-to-right places.
#include "tests/grid/foundation/markup_canvas_fixture.h"

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
        {1, 1, 100, 1, 100 - 2 * CW, 1, 100 - 4 * CW, DT_RIGHT | DT_RTLREADING},
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
    // "ab" is drawn at 84..100, " cd" at 60..84.
    const char16_t* text = u"<A href=\"one\">ab</A> cd";
    struct Case {
        Integer X;
        bool Hit;
    };
    const Case cases[] = {{95, true}, {100, true}, {84, true}, {83, false}, {70, false}, {5, false}};
    for (const Case& k : cases) {
        const TMarkupDrawResult r =
            Render(text, Rect(0, 0, 100, 40), {.MouseX = k.X, .MouseY = 7, .HitTest = true, .BiDiMode = 1});
        EXPECT_EQ(r.Hit, k.Hit) << k.X;
        EXPECT_EQ(r.AnchorValue, k.Hit ? u"one" : u"") << k.X;
    }
    // Left to right the same point lies over " cd".
    EXPECT_FALSE(Render(text, Rect(0, 0, 100, 40), {.MouseX = 95, .MouseY = 7, .HitTest = true}).Hit);
}

}  // namespace
}  // namespace gw
