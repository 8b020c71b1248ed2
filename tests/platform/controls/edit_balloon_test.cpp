// The balloon of an edit box and of a combo box (EM_SHOWBALLOONTIP, EM_HIDEBALLOONTIP): what it
// shows, where it points, and what ends it.
#include "platform/controls/balloon_tooltip.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/memo.h"
#include "platform/graphics/canvas.h"
#include "std_controls_harness.h"

#include <cairo.h>

namespace gw::test {
namespace {

class EditBalloonTest : public StdControlsTest {
public:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(20, 20, 150, 21);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(20, 100, 150, 21);
        combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(20, 60, 150, 21);
        combo->Items()->Add(u"Modbus");
        ShowForm();
    }
    // The balloon tooltip that shows now (0 when none does).
    static HWND ShownBalloon()
    {
        for (HWND w : GetTopLevelWindows()) {
            TToolTipInfo i;
            if (GetToolTipInfo(w, i) && i.Visible) return w;
        }
        return 0;
    }
    static TToolTipInfo InfoOf(HWND Tip)
    {
        TToolTipInfo i;
        EXPECT_TRUE(GetToolTipInfo(Tip, i));
        return i;
    }
    static LRESULT ShowBalloon(TWinControl* C, const Char* Title, const Char* Text, Integer Icon)
    {
        TEditBalloonTip tip;
        tip.pszTitle = Title;
        tip.pszText = Text;
        tip.ttiIcon = Icon;
        LRESULT r = SendMessage(C->Handle(), EM_SHOWBALLOONTIP, 0, LPARAM(&tip));
        Pump();
        return r;
    }
    Integer CountInBalloon(HWND Tip, TColor Colour)
    {
        cairo_surface_t* s = backend.NativeWindow(Tip)->Surface.get();
        TCanvas c(s);
        const TToolTipInfo i = InfoOf(Tip);
        Integer n = 0;
        for (Integer y = 0; y < i.Bounds.Height(); ++y)
            for (Integer x = 0; x < i.Bounds.Width(); ++x) n += c.Pixels(x, y) == ColorToRGB(Colour);
        return n;
    }

    TEdit* edit = nullptr;
    TEdit* other = nullptr;
    TComboBox* combo = nullptr;
};

TEST_F(EditBalloonTest, ShowsTitleTextAndIconBelowTheCaret)
{
    edit->SetFocus();
    edit->SetText(u"12345");
    edit->SetSelStart(3);
    Pump();
    String title = u"Wrong value";
    String text = u"Type a number from 1 to 247.";
    ASSERT_EQ(ShowBalloon(edit, title.c_str(), text.c_str(), TTI_ERROR), 1);
    title = u"changed";  // the texts are copied
    HWND tip = ShownBalloon();
    ASSERT_NE(tip, HWND(0));
    const TToolTipInfo i = InfoOf(tip);
    EXPECT_EQ(i.Title, u"Wrong value");
    EXPECT_EQ(i.Text, u"Type a number from 1 to 247.");
    EXPECT_EQ(i.Icon, WPARAM(TTI_ERROR));
    EXPECT_TRUE(i.Style & TTS_BALLOON);
    // The stem (20 pixels in from the balloon's left, at its top) points at the caret's foot,
    // which in a single-line edit is the bottom of the edit.
    const TPoint caret = edit->ClientToScreen({Integer(edit->Perform(EM_POSFROMCHAR, 3, 0) & 0xFFFF), 0});
    EXPECT_EQ(i.Bounds.Left, caret.X - 20);
    EXPECT_EQ(i.Bounds.Top, edit->ClientToScreen({0, edit->Height()}).Y);
    EXPECT_GT(CountInBalloon(tip, clRed), 20) << "the error icon is drawn";
    EXPECT_GT(CountInBalloon(tip, clInfoBk), 200) << "on the tip's background";
    EXPECT_EQ(GetFocus(), edit->Handle()) << "the balloon takes no focus";
}

TEST_F(EditBalloonTest, InAMemoTheStemIsBelowTheCaretsLine)
{
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(200, 20, 150, 120);
    memo->SetText(u"first\r\nsecond\r\nthird");
    memo->SetFocus();
    Pump();
    for (Integer line : {0, 1}) {
        const Integer start = Integer(memo->Perform(EM_LINEINDEX, WPARAM(line), 0));
        memo->Perform(EM_SETSEL, WPARAM(start + 2), start + 2);
        ASSERT_EQ(ShowBalloon(memo, u"T", u"Text", TTI_NONE), 1);
        const LRESULT pos = memo->Perform(EM_POSFROMCHAR, WPARAM(start + 2), 0);
        const Integer next = Integer(memo->Perform(EM_LINEINDEX, WPARAM(line + 1), 0));
        const Integer nextTop = Integer(memo->Perform(EM_POSFROMCHAR, WPARAM(next), 0) >> 16);
        const TPoint caret = memo->ClientToScreen({Integer(pos & 0xFFFF), Integer(pos >> 16)});
        const TToolTipInfo i = InfoOf(ShownBalloon());
        EXPECT_EQ(i.Bounds.Left, caret.X - 20) << line;
        EXPECT_EQ(i.Bounds.Top, memo->ClientToScreen({0, nextTop}).Y) << "at the top of the next line, line " << line;
    }
}

TEST_F(EditBalloonTest, TheIconIsOneOfFourAndAnythingElseIsNone)
{
    edit->SetFocus();
    const struct {
        Integer Icon;
        WPARAM Shown;
        TColor Mark;  // a colour only that icon draws (clNone: no icon)
    } cases[] = {
        {0, TTI_NONE, clNone}, {1, TTI_INFO, clBlue}, {2, TTI_WARNING, clYellow},
        {3, TTI_ERROR, clRed}, {7, TTI_NONE, clNone}, {-1, TTI_NONE, clNone},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(ShowBalloon(edit, u"Title", u"Text", c.Icon), 1) << c.Icon;
        HWND tip = ShownBalloon();
        ASSERT_NE(tip, HWND(0)) << c.Icon;
        EXPECT_EQ(InfoOf(tip).Icon, c.Shown) << c.Icon;
        for (TColor colour : {clBlue, clYellow, clRed})
            EXPECT_EQ(CountInBalloon(tip, colour) > 20, colour == c.Mark) << c.Icon << " " << colour;
    }
}

TEST_F(EditBalloonTest, EndsOnRequestOnAKeyAndWhenTheFocusLeaves)
{
    const struct {
        const char* Name;
        std::function<void(EditBalloonTest&)> End;
    } cases[] = {
        {"EM_HIDEBALLOONTIP", [](EditBalloonTest& t) { EXPECT_EQ(t.edit->Perform(EM_HIDEBALLOONTIP, 0, 0), 1); }},
        {"a character", [](EditBalloonTest&) { Key('A'); }},
        {"an arrow", [](EditBalloonTest&) { Key(VK_LEFT); }},
        {"the focus leaving", [](EditBalloonTest& t) { t.other->SetFocus(); }},
        {"a click elsewhere", [](EditBalloonTest& t) { ClickCentre(t.other); }},
    };
    for (const auto& c : cases) {
        edit->SetFocus();
        Pump();
        ASSERT_EQ(ShowBalloon(edit, u"T", u"Text", TTI_INFO), 1);
        ASSERT_NE(ShownBalloon(), HWND(0)) << c.Name;
        c.End(*this);
        Pump();
        EXPECT_EQ(ShownBalloon(), HWND(0)) << c.Name;
    }
    const Cardinal windows = WindowCount();
    for (int i = 0; i < 3; ++i) ShowBalloon(edit, u"T", u"Again", TTI_NONE);
    EXPECT_LE(WindowCount(), windows + 1) << "a new balloon replaces the one that shows";
    EXPECT_EQ(InfoOf(ShownBalloon()).Text, u"Again");
    EXPECT_EQ(edit->Perform(EM_HIDEBALLOONTIP, 0, 0), 1);
    EXPECT_EQ(edit->Perform(EM_HIDEBALLOONTIP, 0, 0), 1) << "hiding none is no error";
}

TEST_F(EditBalloonTest, NothingShowsWithoutARecordOrAText)
{
    edit->SetFocus();
    EXPECT_EQ(SendMessage(edit->Handle(), EM_SHOWBALLOONTIP, 0, 0), 0);
    EXPECT_EQ(ShowBalloon(edit, u"Title", nullptr, TTI_INFO), 0);
    EXPECT_EQ(ShownBalloon(), HWND(0));
    EXPECT_EQ(ShowBalloon(edit, nullptr, u"Only a text", TTI_NONE), 1) << "a title is not needed";
    EXPECT_EQ(InfoOf(ShownBalloon()).Title, u"");
}

TEST_F(EditBalloonTest, OnAComboBoxTheBalloonSitsOnTheCombo)
{
    for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
        combo->SetStyle(style);
        combo->SetItemIndex(0);
        combo->SetFocus();
        Pump();
        ASSERT_EQ(ShowBalloon(combo, u"Refused", u"Pick an item of the list.", TTI_WARNING), 1) << style;
        HWND tip = ShownBalloon();
        ASSERT_NE(tip, HWND(0)) << style;
        const TToolTipInfo i = InfoOf(tip);
        const TRect r = combo->BoundsRect();
        const TPoint bottomLeft = form->ClientToScreen({r.Left, r.Bottom});
        EXPECT_EQ(i.Bounds.Top, bottomLeft.Y) << "at the combo's foot, style " << style;
        EXPECT_GE(i.Bounds.Left + 20, bottomLeft.X) << style;
        EXPECT_LT(i.Bounds.Left + 20, bottomLeft.X + r.Width()) << "the stem points into the combo, style " << style;
        Key(VK_DOWN);
        EXPECT_EQ(ShownBalloon(), HWND(0)) << "a key ends it, style " << style;
        ShowBalloon(combo, u"Refused", u"Again", TTI_WARNING);
        other->SetFocus();
        Pump();
        EXPECT_EQ(ShownBalloon(), HWND(0)) << "the focus leaving ends it, style " << style;
    }
}

TEST_F(EditBalloonTest, TheBalloonGoesWithItsEdit)
{
    edit->SetFocus();
    ShowBalloon(edit, u"T", u"Text", TTI_NONE);
    HWND tip = ShownBalloon();
    ASSERT_NE(tip, HWND(0));
    delete edit;
    edit = nullptr;
    EXPECT_FALSE(IsWindow(tip));
}

}  // namespace
}  // namespace gw::test
