// Harness tests of the grid cell button: Down by style and group, clicks and the drop-down part,
// glyphs made from the glyph, colour sets, and the faces as painted.
#include "grid/foundation/grid_button.h"

#include "platform/backends/headless/harness.h"
#include "platform/graphics/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gw::test {
namespace {

class GridButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 200);
        form->Show();
        h.ProcessMessages();
    }
    TExtGridButton* Add(Integer Left, Integer Group = 0)
    {
        auto* b = new TExtGridButton(form);
        b->SetParent(form);
        b->SetBounds(Left, 10, 40, 23);
        b->SetGroupIndex(Group);
        b->OnClick = [this, b](TObject*) { h.Log.Add("click " + std::to_string(b->Left())); };
        return b;
    }

    THarness h;
    TForm* form = nullptr;
};

TEST_F(GridButtonTest, DownFollowsStyleAndGroup)
{
    TExtGridButton* plain = Add(10);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "no group, push style: never stays down";
    h.Click(plain);
    EXPECT_FALSE(plain->Down());
    plain->SetStyle(tasCheck);
    h.Click(plain);
    EXPECT_TRUE(plain->Down()) << "the check style toggles";
    h.Click(plain);
    EXPECT_FALSE(plain->Down());
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click 10", "click 10", "click 10"}));
}

TEST_F(GridButtonTest, AGroupKeepsOneButtonDown)
{
    TExtGridButton* a = Add(10, 1);
    TExtGridButton* b = Add(60, 1);
    TExtGridButton* other = Add(110, 2);
    other->SetDown(true);
    h.Click(a);
    EXPECT_TRUE(a->Down());
    h.Click(a);
    EXPECT_TRUE(a->Down()) << "without AllowAllUp the down button stays down";
    h.Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "pressing one releases the other of the group";
    EXPECT_TRUE(other->Down()) << "another group is left alone";
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp()) << "the group shares AllowAllUp";
    h.Click(b);
    EXPECT_FALSE(b->Down());
}

TEST_F(GridButtonTest, TheDropDownPartPopsUpAndNeverClicks)
{
    TExtGridButton* b = Add(10);
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(menu);
    item->Caption = u"Choice";
    menu->Items()->Add(item);
    b->SetDropDownButton(true);
    b->SetDropDownMenu(menu);
    b->OnDropDown = [this](TObject*) { h.Log.Add("drop down"); };
    h.AnswerPopupMenu(u"");
    h.Click(b, {35, 10});
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"drop down"});
    EXPECT_EQ(h.MenusShown().size(), 1u);
    h.Click(b, {27, 10});
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"click 10"}) << "left of the 12-pixel part";
    delete menu;
    EXPECT_EQ(b->DropDownMenu(), nullptr) << "the menu's removal is noticed";
}

TEST_F(GridButtonTest, APressReleasedOutsideDoesNotClick)
{
    TExtGridButton* b = Add(10);
    h.MouseDown(b, {5, 5});
    EXPECT_EQ(b->State(), bsDown);
    h.MoveTo(b, {100, 5});
    EXPECT_EQ(b->State(), bsUp);
    h.MouseUp(b, {100, 5});
    EXPECT_TRUE(h.Log.Items().empty());
}

TEST_F(GridButtonTest, TheAcceleratorClicks)
{
    TExtGridButton* b = Add(10);
    b->SetCaption(u"&Go");
    h.Press('G', ssAlt);
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"click 10"});
}

TEST_F(GridButtonTest, TheDisabledGlyphIsMadeOnceFromTheFirstGlyph)
{
    TExtGridButton* b = Add(10);
    TBitmap glyph(2, 1);
    glyph.Canvas()->SetPixel(0, 0, TColor(0x0000FF));  // red: mean 85 -> 85/2 + 96 = 138
    glyph.Canvas()->SetPixel(1, 0, TColor(0xFFFFFF));  // white: 255 -> 223
    b->SetGlyph(&glyph);
    EXPECT_EQ(b->GlyphDisabled()->PixelColor(0, 0), TColor(0x8A8A8A));
    EXPECT_EQ(b->GlyphDisabled()->PixelColor(1, 0), TColor(0xDFDFDF));
    TBitmap second(2, 1);
    b->SetGlyph(&second);
    EXPECT_EQ(b->GlyphDisabled()->PixelColor(0, 0), TColor(0x8A8A8A)) << "kept";
    // The shade: the glyph's pixels grey, the transparent colour (bottom-left, white) kept.
    TBitmap shaded(2, 2);
    shaded.Canvas()->SetPixel(0, 1, clWhite);
    shaded.Canvas()->SetPixel(1, 1, clWhite);
    b->SetGlyph(&shaded);
    EXPECT_EQ(b->GlyphShade()->PixelColor(0, 0), TColor(0x808080));
    EXPECT_EQ(b->GlyphShade()->PixelColor(1, 1), clWhite);
}

TEST_F(GridButtonTest, LooksSetTheirColourSets)
{
    TExtGridButton* b = Add(10);
    b->SetBorderColor(clRed);
    b->SetFlat(false);
    b->SetLook(2);
    EXPECT_EQ(b->Color(), TColor(0xFDEADA));
    EXPECT_EQ(b->ColorTo(), TColor(0xE4AE88));
    EXPECT_EQ(b->ColorDown, TColor(0x4E91FE));
    EXPECT_EQ(b->ColorCheckedTo(), TColor(0x55ADFF));
    EXPECT_EQ(b->BorderHotColor, TColor(0x000000));
    EXPECT_EQ(b->BorderColor(), clNone);
    EXPECT_TRUE(b->Flat());
    b->SetLook(0);
    EXPECT_TRUE(b->Rounded());
    EXPECT_EQ(b->BorderDownColor, TColor(0xAF987A));
    EXPECT_EQ(b->BorderHotColor, TColor(0xC3CECE));
    b->SetLook(7);
    EXPECT_EQ(b->Look(), 7);
    EXPECT_EQ(b->Color(), TColor(0xEDF1F1)) << "an unknown set changes no colour";
    b->SetAutoThemeAdapt(true);
    EXPECT_EQ(b->Look(), 1) << "a classic desktop takes set 1";
}

TEST_F(GridButtonTest, FacesAsPainted)
{
    TExtGridButton* b = Add(10);
    b->SetBounds(10, 10, 40, 23);
    // Flat, not hot: the face colour filled one pixel in (no border-down colour).
    TRecordingCanvas flat;
    form->PaintTo(flat, 0, 0);
    bool face = false;
    for (const TCanvasCall& c : flat.Calls())
        face = face ||
            (c.Name == "FillRect" && c.Args == std::vector<Integer>{1, 1, 39, 22} &&
             c.BrushColor == TColor(0xFF00000F));
    EXPECT_TRUE(face);
    // A gradient from Color to ColorTo in 16 bands, outlined in BorderColor.
    b->SetColor(TColor(0x000000));
    b->SetColorTo(TColor(0x100000));
    b->SetBorderColor(TColor(0x0000FF));
    TRecordingCanvas gradient;
    form->PaintTo(gradient, 0, 0);
    std::vector<TColor> bands;
    for (const TCanvasCall& c : gradient.Calls())
        if (c.Name == "Rectangle" && c.BrushStyle == bsSolid) bands.push_back(c.BrushColor);
    ASSERT_EQ(bands.size(), 16u);
    EXPECT_EQ(bands[0], TColor(0x000000));
    EXPECT_EQ(bands[8], TColor(0x080000));
    EXPECT_EQ(bands[15], TColor(0x0F0000)) << "one step short of ColorTo";
    const TCanvasCall& outline = gradient.Calls().back();
    EXPECT_EQ(outline.Name, "Rectangle");
    EXPECT_EQ(outline.PenColor, TColor(0x0000FF));
}

TEST_F(GridButtonTest, HotTrackingTellsEntryAndExitAndPaintsTheHotFace)
{
    TExtGridButton* b = Add(10);
    b->OnMouseEnter = [this](TObject*) { h.Log.Add("enter"); };
    b->OnMouseLeave = [this](TObject*) { h.Log.Add("leave"); };
    auto hotFaces = [&] {
        TRecordingCanvas c;
        form->PaintTo(c, 0, 0);
        std::vector<std::vector<Integer>> out;
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "Rectangle" && call.BrushColor == TColor(0xCAC7C7)) out.push_back(call.Args);
        return out;
    };
    EXPECT_TRUE(hotFaces().empty());
    h.MoveTo(b, {5, 5});
    EXPECT_TRUE(b->MouseInControl());
    // One pixel in (no border-down colour), the pen taking the face colour.
    EXPECT_EQ(hotFaces(), (std::vector<std::vector<Integer>>{{1, 1, 39, 22}}));
    h.MoveTo(b, {100, 5});
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_TRUE(hotFaces().empty());
    // The pointer's first move over the button runs the hot tracking, which tells the entry
    // itself; the entry notice that follows raises OnMouseEnter again, as every entry notice does.
    const std::vector<std::string> events = h.Log.Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "enter");
    EXPECT_EQ(events.back(), "leave");
    EXPECT_EQ(std::count(events.begin(), events.end(), "leave"), 1);
}

TEST_F(GridButtonTest, ADoubleClickCountsOnlyWhileDown)
{
    TExtGridButton* b = Add(10, 1);
    b->OnClick = nullptr;
    b->OnDblClick = [this](TObject*) { h.Log.Add("double click"); };
    b->Perform(WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_TRUE(h.Log.Items().empty()) << "up";
    b->SetDown(true);
    b->Perform(WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"double click"});
}

TEST_F(GridButtonTest, AnActionRunsOnClickAndLendsItsCaptionAndChecked)
{
    TExtGridButton* b = Add(10, 1);
    b->OnClick = nullptr;
    b->SetAllowAllUp(true);
    b->SetCaption(u"Run");
    TExtGridButton* own = Add(60, 2);
    own->OnClick = nullptr;
    auto* action = new TAction(form);
    action->SetCaption(u"Run");
    action->SetGroupIndex(1);
    action->OnExecute = [this](TObject*) { h.Log.Add("execute"); };
    b->SetAction(action);
    own->SetAction(action);
    own->SetCaption(u"Mine");
    action->SetCaption(u"Go");
    EXPECT_EQ(b->Caption(), u"Go");
    EXPECT_EQ(own->Caption(), u"Mine") << "a caption of its own is not the action's";
    action->SetChecked(true);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(own->Down()) << "without AllowAllUp Checked is not linked";
    h.Click(b);
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"execute"});
    EXPECT_FALSE(b->Down()) << "AllowAllUp lets the click release it";
}

TEST_F(GridButtonTest, AGlyphWithoutCaptionIsDrawnAtTheOrigin)
{
    TExtGridButton* b = Add(10);
    TBitmap glyph(8, 8);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 8, 7));
    b->SetGlyph(&glyph);
    b->SetCaption(u"");
    TBitmap shot(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(*shot.Canvas(), 0, 0);
    // The button lies at (10, 10): its own origin, not the centre (16, 7) of a centred glyph.
    EXPECT_EQ(shot.Canvas()->Pixels(10, 10), clRed) << "margin and spacing -1 with no caption";
    EXPECT_NE(shot.Canvas()->Pixels(30, 20), clRed);
}

TEST(ButtonContentLayout, GlyphAndCaptionPlaces)
{
    TPoint glyph;
    TRect text;
    ButtonContentLayout(Rect(0, 0, 100, 20), {16, 16}, {30, 13}, blGlyphLeft, -1, 4, glyph, text);
    EXPECT_EQ(glyph, (TPoint{25, 2})) << "(100 - (16 + 4 + 30) + 1) / 2";
    EXPECT_EQ(text, Bounds(45, 4, 30, 13));
    ButtonContentLayout(Rect(0, 0, 100, 20), {16, 16}, {30, 13}, blGlyphRight, 5, -1, glyph, text);
    EXPECT_EQ(glyph, (TPoint{79, 2}));
    EXPECT_EQ(text, Bounds(25, 4, 30, 13)) << "spacing (100 - 5 - 16 - 30) / 2 = 24";
    ButtonContentLayout(Rect(2, 2, 98, 98), {16, 16}, {30, 13}, blGlyphTop, -1, -1, glyph, text);
    EXPECT_EQ(glyph, (TPoint{42, 24})) << "margin and spacing a third of what is left";
    EXPECT_EQ(text, Bounds(35, 62, 30, 13));
}

}  // namespace
}  // namespace gw::test
