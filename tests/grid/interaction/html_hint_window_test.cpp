// The mark-up hint window: kept on the monitor (table), its window without a border and with a
// shadow, plain and mark-up texts measured and drawn by the renderer, the application-wide swap.
#include "grid/foundation/csv_utils.h"
#include "grid/interaction/html_hint_window.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(HTMLHintWindow, RectanglesStayOnTheMonitor)
{
    const TRect monitor(0, 0, 1024, 768);
    struct Case {
        const char* Name;
        TRect In;
        TRect Out;
    };
    const Case cases[] = {
        {"inside", {100, 100, 300, 120}, {100, 100, 300, 120}},
        {"ending exactly at the edge", {824, 100, 1024, 120}, {824, 100, 1024, 120}},
        {"past the right edge: 2 inside", {900, 100, 1100, 120}, {822, 100, 1022, 120}},
        {"past the bottom: 2 above, text height + 4 high", {100, 760, 300, 790}, {100, 740, 300, 766}},
        {"past both", {1000, 760, 1200, 790}, {822, 740, 1022, 766}},
    };
    for (const Case& c : cases) EXPECT_EQ(ClampHintRect(c.In, monitor, 22), c.Out) << c.Name;
}

class HTMLHintWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hint = new THTMLHintWindow(Application);
        hint->SetColor(clInfoBk);
    }
    void TearDown() override { delete hint; }
    std::vector<std::string> Drawn()
    {
        TRecordingCanvas c;
        c.Font()->Assign(hint->Font());
        hint->DrawHint(c);
        return c.Log();
    }
    static std::string Joined(const std::vector<std::string>& L)
    {
        std::string s;
        for (const std::string& x : L) s += x + "\n";
        return s;
    }
    THarness h;
    THTMLHintWindow* hint = nullptr;
};

TEST_F(HTMLHintWindowTest, NoBorderAndAShadow)
{
    hint->ActivateHint(TRect(10, 10, 20, 20), u"x");
    EXPECT_EQ(GetWindowStyle(hint->Handle()) & WS_BORDER, 0u);
}

TEST_F(HTMLHintWindowTest, PlainAndMarkupTextsAreMeasuredAndDrawnByTheRenderer)
{
    hint->ActivateHint(TRect(50, 60, 51, 61), u"plain text");
    const Integer w = hint->TextWidth(), hgt = hint->TextHeight();
    EXPECT_GT(w, 0);
    EXPECT_EQ(hint->Left(), 50);
    EXPECT_EQ(hint->Width(), w + 16);
    EXPECT_EQ(hint->Height(), hgt + 4);
    EXPECT_EQ(hint->CalcHintRect(1008, u"plain text", nullptr), TRect(0, 0, w, hgt));
    const std::string plain = Joined(Drawn());
    EXPECT_NE(plain.find("plain text"), std::string::npos) << plain;
    EXPECT_EQ(Drawn().front().rfind("FillRect", 0), 0u) << "the hint colour first";

    hint->ActivateHint(TRect(50, 60, 51, 61), u"<b>bold</b> part");
    const std::string markup = Joined(Drawn());
    EXPECT_NE(markup.find("bold"), std::string::npos) << markup;
    EXPECT_EQ(markup.find("<b>"), std::string::npos) << markup;
}

TEST_F(HTMLHintWindowTest, AHintPastTheScreensEdgeMovesLeft)
{
    const TRect screen = Screen->Monitors(0).BoundsRect;
    hint->ActivateHint(TRect(screen.Right - 10, 100, screen.Right, 110), u"a hint that is wide enough");
    EXPECT_EQ(hint->Left() + hint->Width(), screen.Right - 2);
}

TEST_F(HTMLHintWindowTest, FrameAndTheCentredTextRectangle)
{
    HTMLHintFontName() = u"Tahoma";
    hint->ActivateHint(TRect(50, 60, 51, 61), EncodeWideCellText(u"wide"));
    hint->SetBounds(hint->Left(), hint->Top(), 80, 30);
    const Integer w = 80, hgt = 30, top = (hgt - hint->TextHeight()) / 2;
    const std::vector<std::string> drawn = Drawn();
    const std::vector<std::string> frame = {
        "MoveTo(0," + std::to_string(hgt - 2) + ")",
        "LineTo(0,0)",
        "LineTo(" + std::to_string(w - 1) + ",0)",
        "MoveTo(0," + std::to_string(hgt - 1) + ")",
        "LineTo(" + std::to_string(w - 1) + "," + std::to_string(hgt - 1) + ")",
        "LineTo(" + std::to_string(w - 1) + ",-1)",
    };
    std::vector<std::string> lines;
    for (const std::string& s : drawn)
        if (s.rfind("MoveTo", 0) == 0 || s.rfind("LineTo", 0) == 0) lines.push_back(s);
    EXPECT_EQ(lines, frame);
    const std::string text = drawn.back();
    EXPECT_NE(text.find("wide"), std::string::npos) << text;
    EXPECT_NE(text.find("4," + std::to_string(top) + "," + std::to_string(w - 4) + "," +
                        std::to_string(top + hint->TextHeight() + 8)),
              std::string::npos)
        << text;
    HTMLHintFontName().clear();
}

TEST(HTMLHints, TheGridSwapsTheApplicationsHintWindow)
{
    THarness h;
    auto* form = new TForm(Application);
    auto* grid = new TExtStringGrid(form);
    grid->SetUseHTMLHints(true);
    ASSERT_NE(Application->HintWindowClass, nullptr);
    THintWindow* w = Application->HintWindowClass(form);
    EXPECT_NE(dynamic_cast<THTMLHintWindow*>(w), nullptr);
    grid->SetUseHTMLHints(false);
    EXPECT_EQ(Application->HintWindowClass, nullptr);
    delete form;
}

}  // namespace
}  // namespace gw
