// Tests of the mark-up renderer's layout and hit testing, on a canvas with fixed metrics.
//
// Every character is 8 pixels wide and a line of text 15 high (markup_canvas_fixture.h); a
// line starts one pixel right of the rectangle's left edge.
#include "grid/foundation/markup_renderer.h"

#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/strings.h"
#include "tests/grid/foundation/markup_canvas_fixture.h"
#include "tests/support/test_support.h"

#include <chrono>

namespace gw {
namespace {

using MarkupLayout = test::MarkupCanvasTest;
using MarkupHitTest = test::MarkupCanvasTest;
using TextLines = std::vector<std::string>;

String Fixture(const std::string& name) { return Utf8ToString(test::fixture(name).string()); }

TEST_F(MarkupLayout, WidthsLineBreaksAndHeights)
{
    struct Case {
        const char16_t* text;
        Integer width;
        bool wrap;
        Integer usedWidth, usedHeight;
        TextLines lines;
        const char16_t* plain;
    };
    const Case cases[] = {
        {u"", 100, true, 0, LH, {}, u""},
        {u"abc", 100, true, 3 * CW, LH, {"1:abc"}, u"abc"},
        {u"abc def ghi", 100, true, 11 * CW, LH, {"1:abc def ghi"}, u"abc def ghi"},
        // the line is 59 wide: "def " would end at 64
        {u"abc def ghi", 60, true, 7 * CW, 2 * LH, {"1:abc ", "1:def ghi"}, u"abc def ghi"},
        // a run that ends exactly at the line's right edge does not fit (the line is 56 wide)
        {u"abc def ghi", 57, true, 3 * CW, 3 * LH, {"1:abc ", "1:def ", "1:ghi"}, u"abc def ghi"},
        {u"abc def ghi", 58, true, 7 * CW, 2 * LH, {"1:abc ", "1:def ghi"}, u"abc def ghi"},
        {u"abc def ghi", 66, true, 7 * CW, 2 * LH, {"1:abc def ", "1:ghi"}, u"abc def ghi"},
        // a run continuing a word is never moved to the next line
        {u"abc<B>def</B> ghi", 40, true, 6 * CW, 2 * LH, {"1:abcdef ", "1:ghi"}, u"abcdef ghi"},
        // a word wider than the line stays whole, also after other text
        {u"abcdefghijkl", 50, true, 12 * CW, LH, {"1:abcdefghijkl"}, u"abcdefghijkl"},
        {u"ab abcdefghijkl", 50, true, 15 * CW, LH, {"1:ab abcdefghijkl"}, u"ab abcdefghijkl"},
        // without word wrap: one run is placed whole; the run that overflows ends the text
        {u"abc def ghi", 40, false, 11 * CW, LH, {"1:abc def ghi"}, u"abc def ghi"},
        {u"abc <B>def</B><BR>ghi", 40, false, 7 * CW, LH, {"1:abc def"}, u"abc def"},
        {u"ab <B>c</B><BR>ghi", 40, false, 4 * CW, 2 * LH, {"1:ab c", "1:ghi"}, u"ab c\rghi"},
        // line breaks: BR, a carriage return, list and paragraph ends
        {u"a<BR>b", 100, true, CW, 2 * LH, {"1:a", "1:b"}, u"a\rb"},
        {u"a\r\nb\rc", 100, true, CW, 3 * LH, {"1:a", "1:b", "1:c"}, u"a\rb\rc"},
        {u"a<BR><BR>b", 100, true, CW, 3 * LH, {"1:a", "1:b"}, u"a\r\rb"},
        {u"a</P>b</LI>c<HR>d", 100, true, CW, 4 * LH, {"1:a", "1:b", "1:c", "1:d"}, u"abcd"},
        // lists: UL ends its line, LI indents by 12 per level, a second LI starts a line
        {u"<UL><LI>one<LI>two</UL>", 100, true, 12 + 3 * CW + 12, 3 * LH, {"13:one", "13:two"}, u"onetwo"},
        {u"<UL><UL><LI>x</UL></UL>", 100, true, 24 + CW, 3 * LH, {"25:x"}, u"x"},
        // sub- and superscript make room of a quarter of the text height
        {u"a<SUB>b</SUB>", 100, true, 2 * CW, LH + LH / 4, {"1:ab"}, u"ab"},
        {u"a<SUP>b</SUP>", 100, true, 2 * CW, LH + LH / 4, {"1:ab"}, u"ab"},
        // 12 points is 16 pixels high: 10 wide and 19 high in this face
        {u"a<FONT size=\"3\">b</FONT>c", 100, true, 2 * CW + 10, 19, {"1:abc"}, u"abc"},
        {u"<IND x=\"40\">ab", 100, true, 40 + 2 * CW, LH, {"41:ab"}, u"ab"},
        {u"abcdef<IND x=\"40\">ab", 100, true, 8 * CW, LH, {"1:abcdefab"}, u"abcdefab"},
        {u"ab<IND x=\"4x\">cd", 100, true, 4 * CW, LH, {"1:abcd"}, u"abcd"},
        // alignment and indent; one trailing blank is not counted for the right edge
        {u"<P align=\"right\">abc ", 100, true, 3 * CW, LH, {"76:abc "}, u"abc "},
        {u"<P align=\"center\">abcd", 101, true, 4 * CW, LH, {"35:abcd"}, u"abcd"},
        {u"<P indent=\"10\">ab<BR>cd", 100, true, 2 * CW, 2 * LH, {"11:ab", "11:cd"}, u"ab\rcd"},
        {u"<P align=\"right\">ab</P><P align=\"left\">cd", 100, true, 2 * CW, 2 * LH, {"84:ab", "1:cd"}, u"abcd"},
        // hidden text is neither measured nor drawn, but is plain text
        {u"a<Z>hidden</Z>b", 100, true, 2 * CW, LH, {"1:ab"}, u"ahiddenb"},
        // entities: nine everywhere (amp as the mnemonic "&&"), three only in text
        {u"A &amp; B &lt;i&gt;", 200, true, 9 * CW, LH, {"1:A && B <i>"}, u"A && B <i>"},
        {u"&lt;B&gt;x", 200, true, 4 * CW, LH, {"1:<B>x"}, u"<B>x"},
        {u"a&nbsp;b c", 36, true, 3 * CW, 2 * LH, {"1:a\u00A0b ", "1:c"}, u"a\u00A0b c"},
        // "&amp;lt;" is "&&lt;" after the first step, whose "&lt;" the run then shows as "<"
        {u"&amp;lt;&quot;&euro;", 200, true, 3 * CW, LH, {"1:&<\"\u20AC"}, u"&<\"\u20AC"},
        // "<#" shows its "#"; a "<" without ">" ends the text
        {u"a<#b>c", 100, true, 4 * CW, LH, {"1:a#bc"}, u"a#bc"},
        {u"a<b", 100, true, CW, LH, {"1:a"}, u"a"},
        {u"a<B>b<", 100, true, 2 * CW, LH, {"1:ab"}, u"ab"},
        {u"<ABBR>x</ABBR><ULIST>y", 100, true, CW, 2 * LH, {"1:x", "1:y"}, u"xy"},
    };
    for (const Case& c : cases) {
        const std::string label = StringToUtf8(c.text) + " in " + std::to_string(c.width) + (c.wrap ? " wrapped" : "");
        TMarkupDrawResult r = Render(c.text, Rect(0, 0, c.width, 200), {.WordWrap = c.wrap});
        EXPECT_EQ(r.UsedWidth, c.usedWidth) << label;
        EXPECT_EQ(r.UsedHeight, c.usedHeight) << label;
        EXPECT_EQ(Lines(), c.lines) << label;
        EXPECT_EQ(r.PlainText, c.plain) << label;
        EXPECT_FALSE(r.Hit) << label;
        const TMarkupDrawResult measured =
            Render(c.text, Rect(0, 0, c.width, 200), {.MeasureOnly = true, .WordWrap = c.wrap});
        EXPECT_TRUE(Canvas.Calls().empty() || Drawn().empty()) << label;
        EXPECT_EQ(measured.UsedWidth, c.usedWidth) << label;
        EXPECT_EQ(measured.UsedHeight, c.usedHeight) << label;
    }
}

TEST_F(MarkupLayout, TheRectangleBottomEndsDrawingButNotMeasuring)
{
    // After a line, the next one is laid out only while a "gh" height still fits above the
    // bottom.
    const char16_t* text = u"a<BR>b<BR>c<BR>d";
    struct Case {
        Integer bottom;
        Integer height;
        TextLines lines;
    };
    const Case cases[] = {{35, 2 * LH, {"1:a", "1:b"}}, {45, 3 * LH, {"1:a", "1:b", "1:c"}}, {1, LH, {"1:a"}}};
    for (const Case& c : cases) {
        TMarkupDrawResult r = Render(text, Rect(0, 0, 100, c.bottom));
        EXPECT_EQ(r.UsedHeight, c.height) << c.bottom;
        EXPECT_EQ(Lines(), c.lines) << c.bottom;
        EXPECT_EQ(Render(text, Rect(0, 0, 100, c.bottom), {.MeasureOnly = true}).UsedHeight, 4 * LH);
    }
}

TEST_F(MarkupLayout, PicturesArePlacedAndSized)
{
    // single.gif is 10 x 7 pixels.
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->Name = u"Logo";
    item->Picture()->LoadFromFile(Fixture("single.gif"));
    TImageList images;
    images.SetWidth(16);
    images.SetHeight(12);
    TBitmap strip(32, 12);
    images.Add(&strip, nullptr);
    THTMLPictureCache cache;
    static const std::string resource = test::readBytes(test::fixture("single.gif"));
    RegisterResource("MARKUP_TEST_PICTURE", "RCDATA", reinterpret_cast<const unsigned char*>(resource.data()),
                     resource.size());
    struct Case {
        String text;
        Integer usedWidth, usedHeight;
        TextLines lines;
    };
    const Case cases[] = {
        {u"ab<IMG src=\"logo\">cd", 4 * CW + 10, LH, {"1:abcd"}},
        {u"ab<IMG src=\"LOGO\" width=\"20\" height=\"30\">cd", 4 * CW + 20, 30, {"1:abcd"}},
        {u"ab<IMG src=\"logo\" width=\"20\">", 2 * CW + 20, LH, {"1:ab"}},  // height follows: 14
        {u"ab<IMG src=\"logo\" height=\"21\">", 2 * CW + 30, 21, {"1:ab"}},
        {u"ab<IMG src=\"missing\">cd", 4 * CW, LH, {"1:abcd"}},
        {u"<IMG src=\"idx:1\">x", 16 + CW, LH, {"17:x"}},
        {u"<IMG src=\"idx:2\">x", CW, LH, {"1:x"}},
        {u"<IMG src=\"ssys:c:\\\">x", CW, LH, {"1:x"}},
        // a picture that would pass the right edge starts the next line (the line is 69 wide)
        {u"abcdef<IMG src=\"logo\" width=\"40\">", 6 * CW, LH + 28, {"1:abcdef"}},
        // one wider than the line stays
        {u"ab<IMG src=\"logo\" width=\"80\">", 2 * CW + 80, 56, {"1:ab"}},
        // pictures by URL: files found without regard to case, resources, other URLs empty
        {u"<IMG src=\"file://" + Fixture("single.gif") + u"\">", 10, LH, {}},
        {u"<IMG src=\"res://markup_test_picture\">", 10, LH, {}},
        {u"<IMG src=\"http://example.org/x.gif\">x", CW, LH, {"1:x"}},
        // ALIGN="TOP" raises the line's text to the top of a tall picture
        {u"a<IMG src=\"logo\" height=\"35\" align=\"top\">", CW + 50, 35, {"1:a"}},
    };
    for (const Case& c : cases) {
        TMarkupDrawResult r =
            Render(c.text, Rect(0, 0, 70, 200),
                   {.Images = &images, .WordWrap = true, .PictureCache = &cache, .PictureContainer = &container});
        EXPECT_EQ(r.UsedWidth, c.usedWidth) << StringToUtf8(c.text);
        EXPECT_EQ(r.UsedHeight, c.usedHeight) << StringToUtf8(c.text);
        EXPECT_EQ(Lines(), c.lines) << StringToUtf8(c.text);
    }
    // Sources are upper-cased: the cache holds the file once, under its upper-cased URL.
    EXPECT_NE(cache.FindPicture(u"FILE://" + UpperCase(Fixture("single.gif"))), nullptr);
    EXPECT_EQ(cache.FindPicture(u"HTTP://EXAMPLE.ORG/X.GIF")->Empty(), true);
    EXPECT_EQ(cache.Count(), 3);
    Render(u"<IMG src=\"http://example.org/x.gif\">", Rect(0, 0, 70, 200), {.PictureCache = &cache});
    EXPECT_EQ(cache.Count(), 3);  // never loaded twice
}

TEST_F(MarkupLayout, ControlsTakeTheirSizes)
{
    struct Case {
        const char16_t* text;
        Integer usedWidth, usedHeight;
    };
    const Case cases[] = {
        // an edit box is as high as the text plus 10
        {u"a<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"50\">", CW + 50, LH + 10},
        {u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" VALUE=\"Go\">", 50, 25},
        {u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" HEIGHT=\"40\">", 50, 38},
        {u"<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\">x", 16 + CW, 16},
        // without WIDTH a check box is not drawn but still takes 16 x 16
        {u"<CONTROL TYPE=\"CHECK\" ID=\"c\">x", 16 + CW, 16},
        {u"<CONTROL TYPE=\"EDIT\" ID=\"e\">x", CW, LH},
        {u"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"5x\">x", CW, 23},
    };
    for (const Case& c : cases) {
        TMarkupDrawResult r = Render(c.text, Rect(0, 0, 200, 200));
        EXPECT_EQ(r.UsedWidth, c.usedWidth) << StringToUtf8(c.text);
        EXPECT_EQ(r.UsedHeight, c.usedHeight) << StringToUtf8(c.text);
    }
}

TEST_F(MarkupLayout, LongTextsLayOutInLinearTime)
{
    String text;
    for (int i = 0; i < 4000; ++i) text += u"word <B>bold</B> &amp; <A href=\"x\">link</A> ";
    const auto start = std::chrono::steady_clock::now();
    TMarkupDrawResult r = Render(text, Rect(0, 0, 400, 100), {.MeasureOnly = true, .WordWrap = true});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(r.AnchorCount, 4000);
    EXPECT_GT(r.UsedHeight, 1000 * LH);
}

// "go " link " and " more / x, one line of 24 + 32 + 40 + 32 pixels and one of 8.
const char16_t* kAnchors =
    u"go <A href=\"one\" title=\"First\">link</A> and <A href=\"two\">more</A><BR><A href=\"three\">x</A>";

TEST_F(MarkupHitTest, AnchorsAreFoundAtPoints)
{
    struct Case {
        Integer x, y;
        bool hit;
        const char16_t* value;
        const char16_t* title;
        Integer number;
        TRect hover;
    };
    const Case cases[] = {
        {30, 7, true, u"one", u"First", 1, {25, 0, 57, LH}},
        {25, 7, true, u"one", u"First", 1, {25, 0, 57, LH}},  // both ends belong to the anchor
        {57, 7, true, u"one", u"First", 1, {25, 0, 57, LH}},
        {24, 7, false, u"", u"", -1, {}},
        {10, 7, false, u"", u"", -1, {}},
        {100, 7, true, u"two", u"", 2, {97, 0, 129, LH}},
        {5, 20, true, u"three", u"", 3, {1, LH, 9, 2 * LH}},
        // below "one", on a line without an anchor there: nothing (the line above is not hit)
        {30, 20, false, u"", u"", -1, {}},
        // on the line's top edge: not over the text
        {30, 0, false, u"", u"", -1, {}},
        {30, 40, false, u"", u"", -1, {}},
    };
    for (const Case& c : cases) {
        const std::string label = std::to_string(c.x) + "," + std::to_string(c.y);
        TMarkupDrawResult r = Render(kAnchors, Rect(0, 0, 300, 100), {.MouseX = c.x, .MouseY = c.y, .HitTest = true});
        EXPECT_EQ(r.Hit, c.hit) << label;
        EXPECT_EQ(r.AnchorValue, c.value) << label;
        EXPECT_EQ(r.AnchorTitle, c.title) << label;
        EXPECT_EQ(r.HoverAnchorNumber, c.number) << label;
        EXPECT_EQ(r.HoverRect, c.hover) << label;
        EXPECT_EQ(r.AnchorCount, 3) << label;
        EXPECT_TRUE(Drawn().empty()) << label;  // a hit test draws nothing
    }
}

TEST_F(MarkupHitTest, AnchorsOfAlignedLinesAreHitWhereTheyAreDrawn)
{
    // Right-aligned in 100: "ab " and the anchor "cd" end at the right edge, 76..100.
    const char16_t* text = u"<P align=\"right\">ab <A href=\"r\">cd</A>";
    TMarkupDrawResult r = Render(text, Rect(0, 0, 100, 50), {.MouseX = 98, .MouseY = 5, .HitTest = true});
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.AnchorValue, u"r");
    EXPECT_EQ(r.HoverRect, Rect(84, 0, 100, LH));
    // A drawing call reports the anchor by the unaligned line and never as a hit.
    r = Render(text, Rect(0, 0, 100, 50), {.MouseX = 30, .MouseY = 5});
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.AnchorValue, u"r");
    // Measuring alone never hits.
    EXPECT_FALSE(Render(text, Rect(0, 0, 100, 50), {.MouseX = 98, .MouseY = 5, .MeasureOnly = true}).Hit);
}

TEST_F(MarkupHitTest, PicturesInAnchorsAndControls)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->Name = u"pic";
    item->Picture()->LoadFromFile(Fixture("single.gif"));
    const char16_t* text = u"<A href=\"p\" title=\"T\"><IMG src=\"pic\"></A> <IMG src=\"pic\"> "
                           u"<CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"Bob\" WIDTH=\"60\">"
                           u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"16\">";
    // The line: picture 1..11, blank, picture 19..29, blank, edit 37..97 (25 high), check 97..113.
    struct Case {
        Integer x, y;
        bool hit;
        const char16_t* value;
        TRect control;
        const char16_t* id;
        const char16_t* type;
        const char16_t* controlValue;
    };
    const Case cases[] = {
        {5, 3, true, u"p", {}, u"", u"", u""},
        {1, 3, false, u"", {}, u"", u"", u""},  // edges do not count
        {5, 7, false, u"", {}, u"", u"", u""},
        {22, 3, false, u"", {}, u"", u"", u""},  // a picture outside an anchor
        {50, 20, true, u"ctrl", {37, 0, 97, 25}, u"n", u"EDIT", u"Bob"},
        {100, 10, true, u"ctrl", {97, 0, 113, 16}, u"c", u"CHECK", u"true"},
        {100, 17, false, u"", {}, u"", u"", u""},
    };
    for (const Case& c : cases) {
        const std::string label = std::to_string(c.x) + "," + std::to_string(c.y);
        TMarkupDrawResult r = Render(text, Rect(0, 0, 300, 100),
                                     {.MouseX = c.x, .MouseY = c.y, .HitTest = true, .PictureContainer = &container});
        EXPECT_EQ(r.Hit, c.hit) << label;
        EXPECT_EQ(r.AnchorValue, c.value) << label;
        EXPECT_EQ(r.ControlRect, c.control) << label;
        EXPECT_EQ(r.ControlID, c.id) << label;
        EXPECT_EQ(r.ControlType, c.type) << label;
        EXPECT_EQ(r.ControlValue, c.controlValue) << label;
        EXPECT_EQ(r.AnchorTitle, c.value == String(u"p") ? u"T" : u"") << label;
    }
    // A control named by ControlID is described wherever the mouse is.
    TMarkupDrawResult r =
        Render(text, Rect(0, 0, 300, 100),
               {.MouseX = 500, .MouseY = 500, .HitTest = true, .ControlID = u"c", .PictureContainer = &container});
    EXPECT_EQ(r.ControlRect, Rect(97, 0, 113, 16));
    EXPECT_EQ(r.ControlValue, u"true");
    EXPECT_EQ(r.ControlID, u"c");
    // Without HitTest the ID given is not an output and finds nothing.
    r = Render(text, Rect(0, 0, 300, 100), {.MouseX = 500, .MouseY = 500, .ControlID = u"c"});
    EXPECT_EQ(r.ControlID, u"");
    EXPECT_EQ(r.ControlRect, TRect{});
}

TEST_F(MarkupHitTest, FocusedAnchorGivesItsValue)
{
    TMarkupDrawResult r = Render(kAnchors, Rect(0, 0, 300, 100), {.FocusAnchor = 1});
    EXPECT_EQ(r.FocusAnchorValue, u"two");
    r = Render(kAnchors, Rect(0, 0, 300, 100), {.FocusAnchor = 5});
    EXPECT_EQ(r.FocusAnchorValue, u"");
    r = Render(kAnchors, Rect(0, 0, 300, 100), {.FocusAnchor = 0, .HitTest = true});
    EXPECT_EQ(r.FocusAnchorValue, u"");  // found while drawing only
}

}  // namespace
}  // namespace gw
