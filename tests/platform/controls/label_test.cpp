// Labels: auto-size measurement, wrapping, accelerators to FocusControl, link captions and clicks.
#include "platform/controls/accelerator.h"
#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/unicode.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class LabelTest : public StdControlsTest {};

TSize TextSize(TFont* Font, StringView Text)
{
    TCanvas c;
    c.Font()->Assign(Font);
    return c.TextExtent(Text);
}

TEST_F(LabelTest, AutoSizeFollowsCaptionFontAndAccelerator)
{
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetCaption(u"Configuration");
    TSize s = TextSize(l->Font(), u"Configuration");
    EXPECT_EQ(l->Width(), s.cx);
    EXPECT_EQ(l->Height(), s.cy);

    // The accelerator mark takes no room; shown literally it does.
    l->SetCaption(u"&Name");
    EXPECT_EQ(l->Width(), TextSize(l->Font(), u"Name").cx);
    l->SetShowAccelChar(false);
    EXPECT_EQ(l->Width(), TextSize(l->Font(), u"&Name").cx);

    // An empty caption keeps one line, so the label can still be seen and clicked.
    l->SetCaption(u"");
    EXPECT_EQ(l->Height(), s.cy);
    EXPECT_GT(l->Width(), 0);

    // A bigger font re-measures.
    l->SetCaption(u"CF52818");
    Integer before = l->Height();
    l->Font()->SetHeight(-32);
    EXPECT_GT(l->Height(), before);
}

TEST_F(LabelTest, RightJustifiedAutoSizeKeepsRightEdge)
{
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetAlignment(taRightJustify);
    l->SetBounds(100, 10, 50, 17);
    l->SetCaption(u"x");
    Integer right = 100 + 50;
    EXPECT_EQ(l->Left() + l->Width(), right);
    l->SetCaption(u"a much longer caption");
    EXPECT_EQ(l->Left() + l->Width(), right);
}

TEST_F(LabelTest, WordWrapKeepsWidthAndGrowsHeight)
{
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetCaption(u"one two three four five six seven eight nine ten");
    Integer oneLine = l->Height();
    l->SetWordWrap(true);
    l->SetWidth(60);
    EXPECT_LE(l->Width(), 60) << "wrapped lines fit the width";
    EXPECT_GE(l->Height(), 3 * oneLine);
    // Without auto-size the bounds are the program's.
    l->SetAutoSize(false);
    l->SetBounds(0, 0, 60, 10);
    l->SetCaption(u"short");
    EXPECT_EQ(l->Height(), 10);
}

TEST_F(LabelTest, AcceleratorFocusesFocusControl)
{
    auto* first = new TButton(form);
    first->SetParent(form);
    first->SetBounds(10, 10, 75, 25);
    auto* target = new TButton(form);
    target->SetParent(form);
    target->SetBounds(10, 50, 75, 25);
    int clicks = 0;
    target->OnClick = [&](TObject*) { ++clicks; };
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetBounds(100, 50, 60, 17);
    l->SetCaption(u"&Port");
    l->SetFocusControl(target);
    ShowForm();
    first->SetFocus();
    ASSERT_TRUE(first->Focused());

    Key(Word('P'), {VK_MENU});
    EXPECT_TRUE(target->Focused());
    EXPECT_EQ(clicks, 0) << "the label focuses, it does not click";

    // Another letter does nothing; a disabled label passes nothing on.
    first->SetFocus();
    Key(Word('Q'), {VK_MENU});
    EXPECT_TRUE(first->Focused());
    l->SetEnabled(false);
    Key(Word('P'), {VK_MENU});
    EXPECT_TRUE(first->Focused());
}

TEST_F(LabelTest, FreedFocusControlIsForgotten)
{
    auto* target = new TButton(form);
    target->SetParent(form);
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetCaption(u"&Port");
    l->SetFocusControl(target);
    target->SetParent(nullptr);
    delete target;
    EXPECT_EQ(l->FocusControl(), nullptr);
    ShowForm();
    Key(Word('P'), {VK_MENU});  // must not touch the freed button
}

TEST_F(LabelTest, ClickRaisesOnClick)
{
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetBounds(20, 20, 80, 17);
    l->SetCaption(u"www.example.com");
    l->SetCursor(crHandPoint);
    int clicks = 0;
    l->OnClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, l);
        ++clicks;
    };
    ShowForm();
    ClickCentre(l);
    EXPECT_EQ(clicks, 1);
}

// --- link labels ---------------------------------------------------------------------------------------

TEST(LinkCaption, Parsing)
{
    struct Case {
        const char16_t* caption;
        std::vector<TLinkSegment> expected;
    };
    const Case cases[] = {
        {u"plain text", {{u"plain text", false, u"", sltURL}}},
        {u"New: <a href=\"http://h/Home/download/download.asp#GW52818\">download</a>!",
         {{u"New: ", false, u"", sltURL},
          {u"download", true, u"http://h/Home/download/download.asp#GW52818", sltURL},
          {u"!", false, u"", sltURL}}},
        {u"<A HREF='x.htm'>Go</A>", {{u"Go", true, u"x.htm", sltURL}}},
        {u"<a id=\"help\">Help</a>", {{u"Help", true, u"help", sltID}}},
        {u"<a href=\"u\">runs to the end", {{u"runs to the end", true, u"u", sltURL}}},
        {u"1 < 2 and <b>bold</b>", {{u"1 < 2 and <b>bold</b>", false, u"", sltURL}}},
        {u"<a>x</a><a href=\"y\">y</a>", {{u"x", true, u"", sltID}, {u"y", true, u"y", sltURL}}},
        {u"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseLinkCaption(c.caption), c.expected) << StringToUtf8(c.caption);
}

TEST_F(LabelTest, LinkClickReportsTheLink)
{
    auto* ll = new TLinkLabel(form);
    ll->SetParent(form);
    ll->SetBounds(20, 20, 10, 10);
    ll->SetCaption(u"Version 1.002: <a href=\"http://host/Home/download/download.asp#GW52818\">Download</a> now");
    std::vector<std::pair<String, TSysLinkType>> clicked;
    ll->OnLinkClick = [&](TObject*, const String& Link, TSysLinkType Type) { clicked.emplace_back(Link, Type); };
    ShowForm();
    std::vector<TRect> links = ll->LinkRects();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_GT(links[0].Left, 0);
    EXPECT_LE(links[0].Right, ll->Width()) << "auto-size covers the whole text";

    Click(ll, 2, ll->Height() / 2);  // on the plain text
    EXPECT_TRUE(clicked.empty());
    Click(ll, (links[0].Left + links[0].Right) / 2, ll->Height() / 2);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0].first, u"http://host/Home/download/download.asp#GW52818");
    EXPECT_EQ(clicked[0].second, sltURL);

    // Enter on the focused label opens its link, not the dialog's default button; a disabled
    // label reports nothing.
    auto* ok = new TButton(form);
    ok->SetParent(form);
    ok->SetBounds(10, 100, 75, 25);
    ok->SetDefault(true);
    int okClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    ll->SetFocus();
    Key(VK_RETURN);
    EXPECT_EQ(clicked.size(), 2u);
    EXPECT_EQ(okClicks, 0);
    ll->SetEnabled(false);
    Click(ll, (links[0].Left + links[0].Right) / 2, ll->Height() / 2);
    EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(LabelTest, LinkLabelShowsHandOverLinksOnly)
{
    auto* ll = new TLinkLabel(form);
    ll->SetParent(form);
    ll->SetCaption(u"text <a href=\"http://x\">link</a>");
    ShowForm();
    TRect link = ll->LinkRects().at(0);
    InjectMouse(TMouseAction::Move, ll->ClientToScreen({link.Left + 2, 3}));
    Pump();
    EXPECT_EQ(ll->Cursor(), crHandPoint);
    InjectMouse(TMouseAction::Move, ll->ClientToScreen({1, 3}));
    Pump();
    EXPECT_EQ(ll->Cursor(), crDefault);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST(Accelerator, HotkeysOfCaptions)
{
    struct Case {
        const char16_t* caption;
        Char hotkey;
        const char16_t* shown;
    };
    const Case cases[] = {
        {u"&File", u'F', u"File"}, {u"Save &as", u'a', u"Save as"}, {u"R&&D", 0, u"R&D"}, {u"R&&&D", u'D', u"R&D"},
        {u"No key", 0, u"No key"}, {u"Trailing&", 0, u"Trailing"},  {u"&&&&", 0, u"&&"},  {u"", 0, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetHotkeyChar(c.caption), c.hotkey) << StringToUtf8(c.caption);
        EXPECT_EQ(StripHotkey(c.caption), c.shown) << StringToUtf8(c.caption);
    }
    EXPECT_TRUE(IsAccel(Word('A'), u"Save &as"));
    EXPECT_TRUE(IsAccel(Word('a'), u"Save &As"));
    EXPECT_FALSE(IsAccel(Word('S'), u"Save &as"));
    EXPECT_FALSE(IsAccel(Word('D'), u"R&&D"));
    EXPECT_TRUE(IsAccel(Word(u'\u00E9'), u"&\u00C9t\u00E9")) << "letters beyond ASCII, case-blind";
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

class LabelPaintTest : public StdControlsTest {
protected:
    // A fixed-size label at (10, 10), 150 x 60, on a white panel.
    void SetUp() override
    {
        StdControlsTest::SetUp();
        p = new TPanel(form);
        p->SetParent(form);
        p->SetBounds(0, 0, 200, 100);
        p->SetBevelOuter(bvNone);
        p->SetColor(clWhite);
        l = new TLabel(form);
        l->SetParent(p);
        l->SetAutoSize(false);
        l->SetBounds(10, 10, 150, 60);
    }
    // The first and last rows of the label holding text pixels (not the background).
    std::pair<Integer, Integer> InkRows(TPanel* P, TLabel* L)
    {
        TBitmap b(P->Width(), P->Height());
        P->PaintTo(*b.Canvas(), 0, 0);
        Integer first = -1, last = -1;
        for (Integer y = L->Top(); y < L->Top() + L->Height(); ++y)
            for (Integer x = L->Left(); x < L->Left() + L->Width(); ++x)
                if (b.PixelColor(x, y) == clBlack) {
                    if (first < 0) first = y - L->Top();
                    last = y - L->Top();
                    break;
                }
        return {first, last};
    }

    TPanel* p = nullptr;
    TLabel* l = nullptr;
};

TEST_F(LabelPaintTest, LayoutPlacesTheTextVertically)
{
    l->Font()->SetColor(clBlack);
    l->SetCaption(u"Ethernet");
    ShowForm();
    auto top = InkRows(p, l);
    l->SetLayout(tlCenter);
    auto centre = InkRows(p, l);
    l->SetLayout(tlBottom);
    auto bottom = InkRows(p, l);
    ASSERT_GE(top.first, 0);
    EXPECT_LT(top.first, 8);
    EXPECT_GT(bottom.second, 50);
    EXPECT_NEAR((centre.first + centre.second) / 2, 30, 4);
    // Disabled text is drawn in the shadow colour, not the font's.
    l->SetEnabled(false);
    EXPECT_EQ(InkRows(p, l).first, -1);
}

TEST_F(LabelPaintTest, AnOpaqueLabelFillsItsColourAndATransparentOneShowsTheParent)
{
    l->SetColor(clRed);
    l->SetCaption(u"x");
    ShowForm();
    // (150, 60) is inside the label, away from its text.
    l->SetTransparent(false);
    EXPECT_EQ(PixelAt(p, 150, 60), clRed);
    l->SetTransparent(true);
    EXPECT_EQ(PixelAt(p, 150, 60), clWhite);
}

}  // namespace
}  // namespace gw::test
