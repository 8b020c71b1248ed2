// The tooltip control: tools, the text asked on demand, delays, title and icon, subclassing.
#include "platform/controls/balloon_tooltip.h"

#include "platform/graphics/canvas.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

// A control that answers the tooltip's text requests, as the grid does for the cell under the mouse.
class TTipOwner : public TCustomControl {
public:
    explicit TTipOwner(TComponent* AOwner) : TCustomControl(AOwner) {}
    String Answer = u"cell text";
    int Requests = 0;
    std::vector<UINT> Codes;

protected:
    void Dispatch(TMessage& M) override
    {
        if (M.Msg == WM_NOTIFY) {
            auto* h = reinterpret_cast<NMHDR*>(M.LParam);
            Codes.push_back(h->code);
            if (h->code == TTN_GETDISPINFOW) {
                ++Requests;
                reinterpret_cast<NMTTDISPINFOW*>(M.LParam)->lpszText = Answer.c_str();
            }
            return;
        }
        TCustomControl::Dispatch(M);
    }
};

class BalloonToolTipTest : public StdControlsTest {
protected:
    void Build()
    {
        owner = new TTipOwner(form);
        owner->SetParent(form);
        owner->SetBounds(10, 10, 200, 100);
        ShowForm();
        tip = CreateToolTipWindow(owner->Handle(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
        SetToolTipTopmost(tip);
        TToolInfo ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = owner->Handle();
        ti.uId = owner->Handle();
        ti.rect = owner->ClientRect();
        ti.lpszText = LPSTR_TEXTCALLBACKW;
        ASSERT_EQ(SendMessage(tip, TTM_ADDTOOLW, 0, LPARAM(&ti)), 1);
        String title = u"ToolTipText";
        SendMessage(tip, TTM_SETTITLEW, TTI_ERROR, LPARAM(title.c_str()));
    }
    TToolTipInfo Info()
    {
        TToolTipInfo i;
        EXPECT_TRUE(GetToolTipInfo(tip, i));
        return i;
    }
    void MoveTo(TPoint P)
    {
        InjectMouse(TMouseAction::Move, owner->ClientToScreen(P));
        Pump();
    }

    TTipOwner* owner = nullptr;
    HWND tip = 0;
};

TEST_F(BalloonToolTipTest, ShowsTheOwnersTextAfterTheInitialDelayAndPopsLater)
{
    Build();
    SendMessage(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 200);
    SendMessage(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 3000);
    SendMessage(tip, TTM_SETDELAYTIME, TTDT_RESHOW, -1);
    EXPECT_EQ(Info().ReshowDelay, 100) << "-1 restores the control's own delay";
    MoveTo({50, 50});
    EXPECT_FALSE(Info().Visible);
    backend.Advance(199);
    Pump();
    EXPECT_FALSE(Info().Visible);
    backend.Advance(1);
    Pump();
    TToolTipInfo shown = Info();
    ASSERT_TRUE(shown.Visible);
    EXPECT_EQ(shown.Text, u"cell text");
    EXPECT_EQ(shown.Title, u"ToolTipText");
    EXPECT_EQ(shown.Icon, TTI_ERROR);
    EXPECT_EQ(owner->Requests, 1);
    EXPECT_TRUE(IsWindowVisible(tip));
    // The balloon's stem is at the mouse.
    TPoint mouse = owner->ClientToScreen({50, 50});
    EXPECT_EQ(shown.Bounds.Top, mouse.Y);
    backend.Advance(3000);
    Pump();
    EXPECT_FALSE(Info().Visible);
    EXPECT_NE(std::find(owner->Codes.begin(), owner->Codes.end(), TTN_POP), owner->Codes.end());
}

TEST_F(BalloonToolTipTest, EmptyTextShowsNothingAndAPressHides)
{
    Build();
    owner->Answer.clear();
    MoveTo({20, 20});
    backend.Advance(600);
    Pump();
    EXPECT_FALSE(Info().Visible);
    owner->Answer = u"again";
    MoveTo({21, 20});
    backend.Advance(300);
    Pump();
    MoveTo({22, 20});  // moving on within the tool does not restart the wait
    backend.Advance(300);
    Pump();
    ASSERT_TRUE(Info().Visible);
    EXPECT_EQ(Info().Text, u"again");
    InjectMouse(TMouseAction::Down, owner->ClientToScreen({22, 20}));
    InjectMouse(TMouseAction::Up, owner->ClientToScreen({22, 20}));
    Pump();
    EXPECT_FALSE(Info().Visible);
}

TEST_F(BalloonToolTipTest, TheOwnerRefreshesAndPopsTheBalloon)
{
    Build();
    MoveTo({50, 50});
    backend.Advance(600);
    Pump();
    ASSERT_TRUE(Info().Visible);
    // The mouse reached another cell: the owner asks for the new text, then closes the balloon.
    owner->Answer = u"next cell";
    SendMessage(tip, TTM_UPDATE, 0, 0);
    EXPECT_EQ(Info().Text, u"next cell");
    EXPECT_EQ(owner->Requests, 2);
    SendMessage(tip, TTM_POP, 0, 0);
    EXPECT_FALSE(Info().Visible);
    EXPECT_FALSE(IsWindowVisible(tip));
    String title = u"Title";
    SendMessage(tip, TTM_SETTITLEW, 7, LPARAM(title.c_str()));
    EXPECT_EQ(Info().Icon, TTI_NONE) << "an unknown icon shows none";
    EXPECT_EQ(SendMessage(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 5000);
}

TEST_F(BalloonToolTipTest, TextAndBackgroundColoursAreKeptAnsweredAndPainted)
{
    Build();
    String title = u"Colours";
    SendMessage(tip, TTM_SETTITLEW, TTI_NONE, LPARAM(title.c_str()));  // an icon has colours of its own
    EXPECT_EQ(SendMessage(tip, TTM_GETTIPBKCOLOR, 0, 0), LRESULT(ColorToRGB(clInfoBk))) << "the system's tip colours";
    EXPECT_EQ(SendMessage(tip, TTM_GETTIPTEXTCOLOR, 0, 0), LRESULT(ColorToRGB(clInfoText)));
    const TColor back = RGB(0x20, 0x60, 0xA0), text = RGB(0xF0, 0xE0, 0x10);
    SendMessage(tip, TTM_SETTIPBKCOLOR, WPARAM(back), 0);
    SendMessage(tip, TTM_SETTIPTEXTCOLOR, WPARAM(text), 0);
    EXPECT_EQ(SendMessage(tip, TTM_GETTIPBKCOLOR, 0, 0), LRESULT(back));
    EXPECT_EQ(SendMessage(tip, TTM_GETTIPTEXTCOLOR, 0, 0), LRESULT(text)) << "text and background are apart";
    MoveTo({50, 50});
    backend.Advance(600);
    Pump();
    ASSERT_TRUE(Info().Visible);
    auto count = [&](TColor Colour) {
        TCanvas c(backend.NativeWindow(tip)->Surface.get());
        const TRect b = Info().Bounds;
        Integer n = 0;
        for (Integer y = 0; y < b.Height(); ++y)
            for (Integer x = 0; x < b.Width(); ++x) n += c.Pixels(x, y) == ColorToRGB(Colour);
        return n;
    };
    EXPECT_GT(count(back), Info().Bounds.Width() * 10) << "the body is filled with the background colour";
    EXPECT_GT(count(text), 30) << "the outline and the texts take the text colour";
    EXPECT_EQ(count(clInfoBk), 0);
    EXPECT_EQ(count(clInfoText), 0);
    // A change reaches a tip that shows.
    SendMessage(tip, TTM_SETTIPBKCOLOR, WPARAM(RGB(0x10, 0x80, 0x10)), 0);
    Pump();
    EXPECT_EQ(count(back), 0);
    EXPECT_GT(count(RGB(0x10, 0x80, 0x10)), Info().Bounds.Width() * 10);
}

TEST_F(BalloonToolTipTest, InactiveAndDestroyedTooltipsLeaveTheOwnerAlone)
{
    Build();
    SendMessage(tip, TTM_ACTIVATE, 0, 0);
    MoveTo({40, 40});
    backend.Advance(1000);
    Pump();
    EXPECT_FALSE(Info().Visible);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    // Destroyed: the owner's window works on without it.
    DestroyWindow(tip);
    TToolTipInfo gone;
    EXPECT_FALSE(GetToolTipInfo(tip, gone));
    MoveTo({45, 45});
    backend.Advance(1000);
    Pump();
    int clicks = 0;
    owner->OnClick = [&](TObject*) { ++clicks; };
    ClickCentre(owner);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace gw::test
