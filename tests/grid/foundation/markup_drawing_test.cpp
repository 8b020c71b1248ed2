// Tests of the mark-up renderer's drawing, pinned on the recording canvas for each kind of
// element, and a gallery of mark-up cells drawn to a PNG for a person to look at.
#include "grid/foundation/markup_renderer.h"

#include "grid/foundation/markup_language.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/text_placement.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/foundation/markup_canvas_fixture.h"
#include "tests/support/test_support.h"

#include <filesystem>

namespace gw {
namespace {

using Calls = std::vector<std::string>;

String Fixture(const std::string& name) { return Utf8ToString(test::fixture(name).string()); }

struct DrawCase {
    const char16_t* text;
    Calls calls;
};

class MarkupDrawing : public test::MarkupCanvasTest {
protected:
    void ExpectDrawn(const DrawCase& c, TMarkupDrawArgs args = {})
    {
        Render(c.text, Rect(0, 0, 200, 60), args);
        EXPECT_EQ(Drawn(), c.calls) << StringToUtf8(c.text);
    }
};

TEST_F(MarkupDrawing, TextStylesAndColours)
{
    const DrawCase cases[] = {
        {u"abc", {"DrawText(1,0,200,15) \"abc\" font=000000"}},
        {u"a<B>b</B><I>c</I><U>d</U><S>e</S>",
         {"DrawText(1,0,200,15) \"a\" font=000000", "DrawText(9,0,200,15) \"b\" font=000000 B",
          "DrawText(17,0,200,15) \"c\" font=000000 I", "DrawText(25,0,200,15) \"d\" font=000000 U",
          "DrawText(33,0,200,15) \"e\" font=000000 S"}},
        // colour and background go with </FONT>; any other closing B tag resets the colour alone
        {u"<FONT color=\"#FF0000\" bgcolor=\"clYellow\">x</FONT>y",
         {"DrawText(1,0,200,15) \"x\" font=0000FF bg=00FFFF", "DrawText(9,0,200,15) \"y\" font=000000"}},
        {u"<FONT color=\"clRed\">x</BODY>y<FONT color=\"red\">z",
         {"DrawText(1,0,200,15) \"x\" font=0000FF", "DrawText(9,0,200,15) \"y\" font=000000",
          "DrawText(17,0,200,15) \"z\" font=000000"}},
        {u"<SHAD>ab</SHAD>c",
         {"DrawText(2,1,201,16) \"ab\" font=808080", "DrawText(1,0,200,15) \"ab\" font=000000",
          "DrawText(17,0,200,15) \"c\" font=000000"}},
        // the line makes room of 3 pixels; superscript stands above the text, subscript below
        {u"a<SUP>b</SUP>", {"DrawText(1,0,200,18) \"a\" font=000000", "DrawText(9,0,200,15) \"b\" font=000000"}},
        {u"a<SUB>b</SUB>", {"DrawText(1,0,200,15) \"a\" font=000000", "DrawText(9,0,200,18) \"b\" font=000000"}},
        {u"a<HI>b</HI>c",
         {"DrawText(1,0,200,15) \"a\" font=000000", "DrawText(9,0,200,15) \"b\" font=FF00000E bg=FF00000D",
          "DrawText(17,0,200,15) \"c\" font=000000"}},
        // the zig-zag starts below the line on multiples of 4, from the even x at or left of the run
        {u"<E>ab</E>",
         {"DrawText(1,0,200,15) \"ab\" font=000000",
          "Polyline(0,16,2,14,4,16,6,14,8,16,10,14,12,16,14,14,16,16) pen=0000FF"}},
        {u"a<HR>b",
         {"DrawText(1,0,200,15) \"a\" font=000000", "MoveTo(1,16)", "LineTo(200,16) pen=000000",
          "DrawText(1,15,200,30) \"b\" font=000000"}},
        {u"<R a=\"90\">x</R>y", {"TextOut(1,0) \"x\" font=000000 turn=900", "DrawText(9,0,200,15) \"y\" font=000000"}},
        {u"<BLINK>x</BLINK>y", {"DrawText(1,0,200,15) \"x\" font=000000", "DrawText(9,0,200,15) \"y\" font=000000"}},
        {u"A &amp; B", {"DrawText(1,0,200,15) \"A && B\" font=000000"}},
    };
    for (const DrawCase& c : cases) ExpectDrawn(c);
    ExpectDrawn(
        {u"<BLINK>x</BLINK>y", {"DrawText(1,0,200,15) \"x\" font=FFFFFF", "DrawText(9,0,200,15) \"y\" font=000000"}},
        {.BlinkOn = false});
    // Drawn selected, colour tags leave the font and the background alone.
    ExpectDrawn({u"<FONT color=\"#FF0000\" bgcolor=\"clYellow\">x</FONT><A href=\"h\">y</A>",
                 {"DrawText(1,0,200,15) \"x\" font=000000", "DrawText(9,0,200,15) \"y\" font=000000 U"}},
                {.Selected = true});
    SetMarkupHighlightColors(clBlack, clWhite);
    ExpectDrawn({u"<HI>b</HI>", {"DrawText(1,0,200,15) \"b\" font=FFFFFF bg=000000"}});
    SetMarkupHighlightColors(clHighlight, clHighlightText);
}

TEST_F(MarkupDrawing, AnchorsAndHover)
{
    const DrawCase plain{u"<A href=\"x\">go</A> on",
                         {"DrawText(1,0,200,15) \"go\" font=FF0000 U", "DrawText(17,0,200,15) \" on\" font=000000"}};
    ExpectDrawn(plain);
    const TMarkupDrawArgs hover{.HoverAnchor = 1, .HoverMode = true, .HoverColor = clYellow, .HoverFontColor = clRed};
    ExpectDrawn({plain.text,
                 {"DrawText(1,0,200,15) \"go\" font=0000FF U bg=00FFFF", "DrawText(17,0,200,15) \" on\" font=000000"}},
                hover);
    TMarkupDrawArgs other = hover;
    other.HoverAnchor = 2;
    ExpectDrawn({plain.text, {"DrawText(1,0,200,15) \"go\" font=FF0000", "DrawText(17,0,200,15) \" on\" font=000000"}},
                other);
    // Without HoverMode every anchor is underlined, and the anchor colour wins over the hover font colour.
    ExpectDrawn({plain.text,
                 {"DrawText(1,0,200,15) \"go\" font=FF0000 U bg=00FFFF", "DrawText(17,0,200,15) \" on\" font=000000"}},
                {.HoverAnchor = 2, .HoverColor = clYellow, .HoverFontColor = clRed});
    ExpectDrawn(
        {plain.text, {"DrawText(1,0,200,15) \"go\" font=00FF00 U", "DrawText(17,0,200,15) \" on\" font=000000"}},
        {.AnchorColor = clLime});
}

TEST_F(MarkupDrawing, FocusRectanglesFrameTheFocusedAnchor)
{
    ExpectDrawn({u"<A href=\"a\">one</A> <A href=\"b\">two</A>",
                 {"DrawText(1,0,200,15) \"one\" font=FF0000 U", "DrawText(25,0,200,15) \" \" font=000000",
                  "DrawText(33,0,200,15) \"two\" font=FF0000 U", "DrawFocusRect(32,0,58,15)"}},
                {.FocusAnchor = 1});
    // One rectangle per line the anchor covers; a blank the line ends with is left outside.
    Render(u"<A href=\"a\">one two three</A>", Rect(0, 0, 60, 60), {.FocusAnchor = 0, .WordWrap = true});
    Calls focus;
    for (const std::string& call : Drawn())
        if (call.starts_with("DrawFocusRect")) focus.push_back(call);
    EXPECT_EQ(focus, (Calls{"DrawFocusRect(1,0,25,15)", "DrawFocusRect(2,15,25,30)", "DrawFocusRect(1,30,42,45)"}));
}

TEST_F(MarkupDrawing, BackgroundsListsAndRules)
{
    const DrawCase cases[] = {
        {u"<P bgcolor=\"#00FF00\">ab</P>c",
         {"FillRect(0,0,200,15) brush=00FF00", "DrawText(1,0,200,15) \"ab\" font=000000 bg=00FF00",
          "DrawText(1,15,200,30) \"c\" font=000000"}},
        {u"<P bgcolor=\"#00FF00\">a<BR>b</P>",
         {"FillRect(0,0,200,15) brush=00FF00", "DrawText(1,0,200,15) \"a\" font=000000 bg=00FF00",
          "FillRect(0,15,200,30) brush=00FF00", "DrawText(1,15,200,30) \"b\" font=000000 bg=00FF00"}},
        {u"<BODY bgcolor=\"#0000FF\">x",
         {"FillRect(0,0,200,60) brush=FF0000", "DrawText(1,0,200,15) \"x\" font=000000 bg=FF0000"}},
        {u"<BODY bgcolor=\"clLime\">x",
         {"FillRect(0,0,200,60) brush=00FF00", "DrawText(1,0,200,15) \"x\" font=000000 bg=00FF00"}},
        {u"<BODY bgcolor=\"lime\">x", {"DrawText(1,0,200,15) \"x\" font=000000"}},
        // a bullet of level 1 and one of level 2, each in the last 12 pixels of its indent
        {u"<UL><LI>a<UL><LI>b</UL></UL>",
         {"DrawText(1,15,13,30) \"\u2022\" font=000000", "DrawText(13,15,200,30) \"a\" font=000000",
          "DrawText(13,30,25,45) \"o\" font=000000", "DrawText(25,30,200,45) \"b\" font=000000"}},
    };
    for (const DrawCase& c : cases) ExpectDrawn(c);
}

TEST_F(MarkupDrawing, PicturesAtTheirPlaces)
{
    TPictureContainer container(nullptr);
    TPictureItem* still = container.Items()->Add();
    still->Name = u"pic";
    still->Picture()->LoadFromFile(Fixture("single.gif"));  // 10 x 7
    TPictureItem* animated = container.Items()->Add();
    animated->Name = u"anim";
    animated->Picture()->LoadFromFile(Fixture("frames.gif"));  // 8 x 6, frame 2 is 3 x 2 at (2, 1)
    TImageList images;
    TBitmap icon(16, 16);
    images.Add(&icon, nullptr);
    const TMarkupDrawArgs args{.Images = &images, .PictureContainer = &container};
    const DrawCase cases[] = {
        {u"ab<IMG src=\"pic\">cd",
         {"DrawText(1,0,200,15) \"ab\" font=000000", "Draw(17,0) \"THTMLPicture\"",
          "DrawText(27,0,200,15) \"cd\" font=000000"}},
        {u"<IMG src=\"pic\" width=\"20\" height=\"30\">", {"StretchDraw(1,0,21,30) \"THTMLPicture\""}},
        // the text of the line stands at the top of a picture aligned "TOP", in the middle of a "MIDDLE" one
        {u"a<IMG src=\"pic\" height=\"35\" align=\"top\">",
         {"DrawText(1,0,200,15) \"a\" font=000000", "StretchDraw(9,0,59,35) \"THTMLPicture\""}},
        {u"a<IMG src=\"pic\" height=\"35\" align=\"middle\">",
         {"DrawText(1,0,200,25) \"a\" font=000000", "StretchDraw(9,0,59,35) \"THTMLPicture\""}},
        {u"a<IMG src=\"pic\" height=\"35\">",
         {"DrawText(1,0,200,35) \"a\" font=000000", "StretchDraw(9,0,59,35) \"THTMLPicture\""}},
        // an animation's frame is drawn at its place on its logical screen, over the background
        {u"<IMG src=\"anim\">", {"FillRect(1,0,9,6) brush=FFFFFF", "Draw(1,0) \"THTMLPicture\""}},
        {u"<IMG src=\"missing\">x", {"DrawText(1,0,200,15) \"x\" font=000000"}},
    };
    for (const DrawCase& c : cases) ExpectDrawn(c, args);
    animated->Picture()->SetFrame(2);
    ExpectDrawn({u"<IMG src=\"anim\">", {"FillRect(1,0,9,6) brush=FFFFFF", "Draw(3,1) \"THTMLPicture\""}}, args);
    // Image-list pictures; printed, scaled and drawn as a bitmap.
    Render(u"<IMG src=\"idx:0\">x", Rect(0, 0, 200, 60), args);
    EXPECT_EQ(Drawn().back(), "DrawText(17,0,200,16) \"x\" font=000000");
    TMarkupDrawArgs printing = args;
    printing.Printing = true;
    printing.PrintScale = 2.5;
    ExpectDrawn({u"<IMG src=\"idx:0\">", {"StretchDraw(1,0,41,40) \"TBitmap\""}}, printing);
    // BODY BACKGROUND tiles the picture over the whole rectangle, clipped to it, as far as the
    // surface reaches.
    TBitmap surface(40, 12);
    TRecordingCanvas painted(surface.Surface());
    painted.Font()->Assign(Canvas.Font());
    DrawMarkupText({.Canvas = &painted,
                    .Text = u"<BODY background=\"pic\">",
                    .Rect = Rect(0, 0, 25, 40),
                    .PictureContainer = &container});
    EXPECT_EQ(painted.Log(),
              (Calls{"IntersectClipRect(0,0,25,40)", "Draw(0,0) \"THTMLPicture\"", "Draw(10,0) \"THTMLPicture\"",
                     "Draw(20,0) \"THTMLPicture\"", "Draw(0,7) \"THTMLPicture\"", "Draw(10,7) \"THTMLPicture\"",
                     "Draw(20,7) \"THTMLPicture\""}));
    EXPECT_EQ(surface.PixelColor(24, 11), clYellow);
}

TEST_F(MarkupDrawing, ControlsInTheClassicLook)
{
    const DrawCase cases[] = {
        {u"<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v&amp;w\" WIDTH=\"50\">",
         {"Rectangle(1,4,51,27) brush=FFFFFF pen=808080", "DrawText(3,4,51,25) \"v&&w\" font=000000"}},
        {u"<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"secret\" WIDTH=\"50\">",
         {"Rectangle(1,4,51,27) brush=FFFFFF pen=808080", "DrawText(3,4,51,25) \"******\" font=000000"}},
        {u"<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" WIDTH=\"60\">",
         {"Rectangle(1,4,61,27) brush=FFFFFF pen=808080", "DrawText(5,4,43,25) \"x\" font=000000",
          "DrawFrameControl(43,5,60,26,3,5)"}},
        {u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"16\">", {"DrawFrameControl(3,1,16,16,4,17408)"}},
        {u"<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"no\" WIDTH=\"16\">", {"DrawFrameControl(3,2,15,16,4,16388)"}},
        {u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">",
         {"DrawFrameControl(3,0,49,25,4,16)", "DrawText(5,2,47,23) \"Go\" font=000000"}},
        // without WIDTH nothing is drawn
        {u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\">", {}},
    };
    for (const DrawCase& c : cases) ExpectDrawn(c);
    // A button under a pressed mouse is drawn pushed.
    ExpectDrawn({u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">",
                 {"DrawFrameControl(3,0,49,25,4,528)", "DrawText(5,2,47,23) \"Go\" font=000000"}},
                {.MouseX = 20, .MouseY = 10, .MouseDown = true});
}

TEST_F(MarkupDrawing, TheCanvasIsGivenBackAsItWas)
{
    Canvas.Pen()->SetColor(clAqua);
    Canvas.Pen()->SetWidth(3);
    Canvas.Brush()->SetColor(clSilver);
    Canvas.Font()->SetStyle(fsItalic);
    Render(u"<B><FONT color=\"clRed\" size=\"5\" face=\"Arial\"><R a=\"45\"><E><HR><P bgcolor=\"#00FF00\">x<BODY "
           u"bgcolor=\"#0000FF\"><CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"9\">",
           Rect(0, 0, 200, 60));
    EXPECT_EQ(Canvas.Pen()->Color(), clAqua);
    EXPECT_EQ(Canvas.Pen()->Width(), 3);
    EXPECT_EQ(Canvas.Brush()->Color(), clSilver);
    EXPECT_EQ(Canvas.Brush()->Style(), bsSolid);
    EXPECT_EQ(Canvas.Font()->Style(), fsItalic);
    EXPECT_EQ(Canvas.Font()->Color(), clBlack);
    EXPECT_EQ(Canvas.Font()->Height(), -13);
    EXPECT_EQ(Canvas.Font()->Name(), u"Courier New");
    EXPECT_EQ(Canvas.Font()->Orientation(), 0);
    EXPECT_FALSE(DrawMarkupText({.Text = u"no canvas"}).Hit);
}

// Cells as the configurator shows them, drawn on a real surface: markup_gallery.png in the
// test's working folder is for a person to look at; the test checks that the marks are there.
TEST(MarkupGallery, CellsDrawnToAPicture)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->Name = u"flag";
    item->Picture()->LoadFromFile(Fixture("frames.gif"));
    TImageList images;
    struct Cell {
        const char16_t* text;
        Integer height;
    };
    const Cell cells[] = {
        {u"Plain text, <B>bold</B>, <I>italic</I>, <U>underlined</U> and <S>struck</S>", 24},
        {u"<FONT color=\"clRed\">red</FONT>, <FONT color=\"#008000\" bgcolor=\"#FFFF80\">green on yellow</FONT>, "
         u"<FONT face=\"Times New Roman\" size=\"4\">Times 14</FONT>",
         28},
        {u"A <A href=\"http://example.org\">link</A>, a <HI>highlight</HI> and an <E>errror</E>", 24},
        {u"H<SUB>2</SUB>O and E = mc<SUP>2</SUP>, <SHAD>shadowed</SHAD>", 24},
        {u"<P align=\"center\">centred paragraph</P>", 24},
        {u"<P align=\"right\" bgcolor=\"#E0E8FF\">right on a band<BR>two lines</P>", 36},
        {u"<UL><LI>first item<LI>second item<UL><LI>nested</UL></UL>", 66},
        {u"Picture <IMG src=\"flag\" width=\"24\" height=\"18\" align=\"middle\"> in the text", 26},
        {u"<CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"192.168.0.10\" WIDTH=\"110\"> "
         u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"> enabled "
         u"<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"9600\" WIDTH=\"70\"> "
         u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Apply\" WIDTH=\"60\">",
         32},
        {u"Word wrap: a longer cell text that does not fit on one line is broken at its blanks &amp; "
         u"entities like &euro; &copy; &lt;tags&gt; stay text",
         36},
    };
    const Integer width = 460;
    std::vector<Integer> tops{0};
    for (const Cell& cell : cells) tops.push_back(tops.back() + cell.height);
    TBitmap bitmap(width, tops.back());
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    canvas.Font()->SetName(u"Tahoma");
    canvas.Font()->SetHeight(-12);
    for (size_t i = 0; i < std::size(cells); ++i) {
        canvas.Pen()->SetColor(clSilver);
        canvas.MoveTo(0, tops[i + 1] - 1);
        canvas.LineTo(width, tops[i + 1] - 1);
        DrawMarkupText({.Canvas = &canvas,
                        .Text = cells[i].text,
                        .Rect = Rect(4, tops[i] + 2, width - 4, tops[i + 1] - 2),
                        .Images = &images,
                        .WordWrap = true,
                        .PictureContainer = &container});
    }
    const std::filesystem::path file = test::picturePath("markup_gallery.png");
    SaveSurfaceToPng(bitmap.Surface(), Utf8ToString(file.string()));
    EXPECT_TRUE(std::filesystem::exists(file));
    auto count = [&](size_t row, TColor colour) {
        Integer n = 0;
        for (Integer y = tops[row]; y < tops[row + 1]; ++y)
            for (Integer x = 0; x < width; ++x) n += bitmap.PixelColor(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(1, clRed), 10);  // the red word
    EXPECT_GT(count(2, clBlue), 10);  // the link
    EXPECT_GT(count(5, TColorOf(0xFFE8E0)), 5000);  // the paragraph's band, two lines of it
    EXPECT_GT(count(7, clRed), 10);  // the picture's first frame
}

// The drop-down controls' call: the whole text in the rectangle, selected (colour tags leave the
// font alone), measured or drawn, with the renderer's size; an empty text reaches no renderer.
using MarkupTextInRectDrawing = test::MarkupCanvasTest;

TEST_F(MarkupTextInRectDrawing, DrawsOrMeasuresThroughTheRendererAndReportsItsSize)
{
    TSize size{-1, -1};
    Canvas.ClearCalls();
    DrawMarkupTextInRect(Canvas, u"", Rect(0, 0, 200, 40), nullptr, true, 0, size);
    EXPECT_EQ(size, (TSize{0, 0}));
    EXPECT_TRUE(Canvas.Calls().empty());

    Canvas.ClearCalls();
    DrawMarkupTextInRect(Canvas, u"ab <font color=\"clred\">cd</font>", Rect(10, 5, 200, 40), nullptr, true, 0, size);
    EXPECT_EQ(size, (TSize{5 * CW, LH}));
    EXPECT_EQ(Lines(), (Calls{"11:ab cd"}));
    for (const TCanvasCall& c : Canvas.Calls()) {
        if (c.Name == "DrawText") {
            EXPECT_EQ(c.FontColor, clBlack) << "a selected text keeps its font colour";
        }
    }

    Canvas.ClearCalls();
    DrawMarkupTextInRect(Canvas, u"ab cd", Rect(10, 5, 200, 40), nullptr, false, 0, size);
    EXPECT_EQ(size, (TSize{5 * CW, LH}));
    EXPECT_TRUE(Lines().empty()) << "measuring draws nothing";
}

}  // namespace
}  // namespace gw
