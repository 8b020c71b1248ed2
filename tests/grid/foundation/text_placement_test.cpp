// Tests of the drop-down controls' text placement: measuring, fitting with an ellipsis, image
// and caption, and how mark-up text in a rectangle is handed to the renderer.
#include "grid/foundation/text_placement.h"

#include "painting_fixture.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

TEST(MeasureTextExtent, OneLineInTheCanvasFont)
{
    TCanvas c;
    EXPECT_EQ(MeasureTextExtent(c, u""), (TSize{0, 0}));
    const TSize one = MeasureTextExtent(c, u"Gateway");
    EXPECT_EQ(one, c.TextExtent(u"Gateway"));
    // Single-line: a line break does not add a line.
    EXPECT_EQ(MeasureTextExtent(c, u"Gate\r\nway").cy, one.cy);
    c.Font()->SetHeight(-24);
    EXPECT_GT(MeasureTextExtent(c, u"Gateway").cx, one.cx);
}

TEST(FitTextWithEllipsis, ShortensByWholeCharactersUntilNarrower)
{
    TCanvas c;
    const String text = u"Gateway parameters";
    const Integer full = c.TextWidth(text);
    EXPECT_EQ(FitTextWithEllipsis(c, text, full, true), text);  // as wide as the width: kept
    EXPECT_EQ(FitTextWithEllipsis(c, text, full + 50, true), text);

    // Exactly as wide as "Gateway..." is not narrower: one character more goes.
    EXPECT_EQ(FitTextWithEllipsis(c, text, c.TextWidth(u"Gateway..."), true), u"Gatewa...");
    EXPECT_EQ(FitTextWithEllipsis(c, text, c.TextWidth(u"Gateway...") + 1, true), u"Gateway...");
    EXPECT_EQ(FitTextWithEllipsis(c, text, c.TextWidth(u"Gate") + 1, false), u"Gate");

    // Narrower than "..." itself, or than one character: nothing fits, the whole text returns.
    EXPECT_EQ(FitTextWithEllipsis(c, text, c.TextWidth(u"...") - 1, true), text);
    EXPECT_EQ(FitTextWithEllipsis(c, text, 0, false), text);
    EXPECT_EQ(FitTextWithEllipsis(c, u"", -5, true), u"");
}

TEST(FitTextWithEllipsis, NeverSplitsASurrogatePair)
{
    TCanvas c;
    const String text = u"ab\U0001F600\U0001F600cd";
    for (Integer w = 1; w < c.TextWidth(text); ++w) {
        const String fitted = FitTextWithEllipsis(c, text, w, false);
        ASSERT_FALSE(fitted.empty());
        const Char last = fitted.back();
        EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << "width " << w;
    }
}

class ImageAndText : public ::testing::Test {
protected:
    void SetUp() override
    {
        images.SetWidth(16);
        images.SetHeight(12);
        TBitmap picture(16, 12);
        images.AddMasked(&picture, clNone);
    }
    TImageList images;
};

TEST_F(ImageAndText, ImageAtTheLeftTextAfterIt)
{
    TRecordingCanvas c;
    DrawImageAndText(c, Rect(10, 20, 200, 42), u"Caption", 0, &images);
    // Image at left + 4, top + (22 - 12) / 2; text from left + 16 + 8, left-aligned.
    EXPECT_EQ(
        c.Log(),
        (std::vector<std::string>{"Draw(14,25) \"TBitmap\"",
                                  "DrawText(34,20,200,42," +
                                      std::to_string(DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS) + ") \"Caption\""}));
}

TEST_F(ImageAndText, WithoutImageTheTextIsCentred)
{
    const std::string centred = "DrawText(10,20,200,42," +
        std::to_string(DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_CENTER) + ") \"Caption\"";
    TRecordingCanvas c;
    DrawImageAndText(c, Rect(10, 20, 200, 42), u"Caption", -1, &images);
    EXPECT_EQ(c.Log(), std::vector<std::string>{centred});
    c.ClearCalls();
    DrawImageAndText(c, Rect(10, 20, 200, 42), u"Caption", 0, nullptr);
    EXPECT_EQ(c.Log(), std::vector<std::string>{centred});
    c.ClearCalls();
    DrawImageAndText(c, Rect(10, 20, 200, 42), u"", 0, &images);  // an empty text is not drawn
    EXPECT_EQ(c.Log(), std::vector<std::string>{"Draw(14,25) \"TBitmap\""});
}

TEST(MarkupTextInRect, RendererArgumentsAndReportedSize)
{
    const TMarkupInRectCall draw = MarkupInRectCall(Rect(1, 2, 300, 40), true, 77);
    EXPECT_EQ(draw.Rect, Rect(1, 2, 300, 40));
    EXPECT_FALSE(draw.MeasureOnly);
    EXPECT_EQ(draw.ThemeWindow, 77u);
    EXPECT_TRUE(draw.Selected);  // colour tags change neither font nor background
    EXPECT_FALSE(draw.WordWrap);
    EXPECT_FALSE(draw.HitTest);
    EXPECT_FALSE(draw.Printing);
    EXPECT_EQ(draw.MouseX, -1);
    EXPECT_EQ(draw.MouseY, -1);
    EXPECT_EQ(draw.FocusAnchor, -1);
    EXPECT_EQ(draw.HoverAnchor, -1);
    EXPECT_EQ(draw.AnchorColor, TColor(0xFF0000));
    EXPECT_EQ(draw.HoverColor, clNone);
    EXPECT_EQ(draw.HoverFontColor, clNone);
    EXPECT_EQ(draw.ShadowColor, TColor(0x808080));
    EXPECT_EQ(draw.ShadowOffset, 1);
    EXPECT_EQ(draw.BiDiMode, 0);
    EXPECT_TRUE(MarkupInRectCall(Rect(1, 2, 300, 40), false, 0).MeasureOnly);

    EXPECT_EQ(MarkupInRectSize(u"", 12, 13), (TSize{0, 0}));
    EXPECT_EQ(MarkupInRectSize(u"<b>x</b>", 12, 13), (TSize{12, 13}));
}

}  // namespace
}  // namespace gw::test
