// The grid's balloon tooltips: one tooltip window however often they are switched on, freed when
// switched off, its delays and transparency from the settings; the text of the cell under the
// mouse (or the cell's own balloon) as its answer, and the balloon closed off its cell.
#include "grid/foundation/csv_utils.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/balloon_tooltip.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class TBalloonGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FBalloonTip;
    using TExtStringGrid::FLastBalloonPos;
    using TExtStringGrid::TExtStringGrid;
};

class BalloonsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 400, 300);
        grid = new TBalloonGrid(form);
        grid->SetParent(form);
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }
    TToolTipInfo Info() const
    {
        TToolTipInfo i;
        EXPECT_TRUE(GetToolTipInfo(grid->FBalloonTip, i));
        return i;
    }
    THarness h;
    TForm* form = nullptr;
    TBalloonGrid* grid = nullptr;
};

TEST_F(BalloonsTest, OneTooltipWindowHoweverOftenSwitchedOn)
{
    EXPECT_EQ(grid->FBalloonTip, HWND(0));
    grid->Balloon()->SetEnable(true);
    const HWND first = grid->FBalloonTip;
    ASSERT_TRUE(IsWindow(first));
    grid->Balloon()->SetEnable(true);
    EXPECT_EQ(grid->FBalloonTip, first) << "enabled twice: still the one window";
    const TToolTipInfo i = Info();
    EXPECT_EQ(i.Style & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON), Cardinal(67));
    EXPECT_EQ(i.ToolCount, 1);
    EXPECT_EQ(i.Title, u"ToolTipText");
    EXPECT_EQ(i.Icon, WPARAM(TTI_ERROR));

    grid->Balloon()->SetEnable(false);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(grid->FBalloonTip, HWND(0));
    grid->Balloon()->SetEnable(true);
    EXPECT_TRUE(IsWindow(grid->FBalloonTip));
    EXPECT_EQ(Info().ToolCount, 1);
}

TEST_F(BalloonsTest, DelaysAndTransparencyFromTheSettings)
{
    const TToolTipInfo defaults;
    grid->Balloon()->InitialDelay = -1;
    grid->Balloon()->ReshowDelay = 40;
    grid->Balloon()->AutoHideDelay = 9000;
    grid->Balloon()->SetEnable(true);
    TToolTipInfo i = Info();
    EXPECT_EQ(i.InitialDelay, defaults.InitialDelay) << "-1 leaves the control's own delay";
    EXPECT_EQ(i.ReshowDelay, 40);
    EXPECT_EQ(i.AutoPopDelay, 9000);
    EXPECT_EQ(GetWindowExStyle(grid->FBalloonTip) & WS_EX_LAYERED, 0u) << "transparency 0: opaque";

    grid->Balloon()->SetEnable(false);
    grid->Balloon()->Transparency = 55;
    grid->Balloon()->SetEnable(true);
    EXPECT_NE(GetWindowExStyle(grid->FBalloonTip) & WS_EX_LAYERED, 0u);
}

TEST(Balloons, AGridWithoutAWindowStartsThemWithItsWindow)
{
    THarness h;
    auto* form = new TForm(Application);
    auto* grid = new TBalloonGrid(form);
    grid->Balloon()->SetEnable(true);
    EXPECT_EQ(grid->FBalloonTip, HWND(0));
    grid->SetParent(form);
    form->Show();
    h.ProcessMessages();
    EXPECT_TRUE(IsWindow(grid->FBalloonTip));
    const HWND tip = grid->FBalloonTip;
    delete form;
    EXPECT_FALSE(IsWindow(tip)) << "freed with the grid";
}

// The balloon's answers, with the mouse resting on a cell until the tooltip's initial delay ran.
class BalloonTextTest : public BalloonsTest {
protected:
    void SetUp() override
    {
        BalloonsTest::SetUp();
        grid->SetBounds(0, 0, 380, 260);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->Balloon()->InitialDelay = 100;
        grid->Balloon()->SetEnable(true);
    }
    TPoint CentreOf(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Rests the mouse on the cell's centre (moved by Dx) long enough for the balloon.
    TToolTipInfo RestOn(Integer ACol, Integer ARow, Integer Dx = 0)
    {
        TPoint p = CentreOf(ACol, ARow);
        p.X += Dx;
        h.MoveTo(grid, p);
        h.Advance(150);
        return Info();
    }
};

TEST_F(BalloonTextTest, AnswersWithThePlainTextOfTheCellUnderTheMouse)
{
    const struct {
        String Cell;
        String Shown;
    } cases[] = {
        {u"10.0.0.3", u"10.0.0.3"},
        {u"<b>Slave</b> 3", u"Slave 3"},  // mark-up without its tags
        {u"<i>a</i><br>b", u"a\r\nb"},  // a line break of mark-up is a line of the balloon
        {u"\r\n\r\nafter\tbreaks", u"after breaks"},  // leading breaks skipped, tabs as blanks
        {EncodeWideCellText(u"\u65E5\u672C"), u"\u65E5\u672C"},  // wide-encoded: decoded
        {u"{\\rtf1\\ansi caf\\'e9}", u"caf\u00E9"},  // rich text: its plain text
    };
    Integer row = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Cell.begin(), c.Cell.end()));
        grid->SetCells(2, row, c.Cell);
        const TToolTipInfo i = RestOn(2, row);
        EXPECT_TRUE(i.Visible);
        EXPECT_EQ(i.Text, c.Shown);
        EXPECT_EQ(i.Title, u" ");
        EXPECT_EQ(i.Icon, WPARAM(TTI_INFO));
        EXPECT_EQ(i.MaxTipWidth, 300);
        EXPECT_EQ(grid->FLastBalloonPos, TPoint(2, row));
        h.MoveTo(grid, {1, 1});
        if (++row == grid->RowCount()) row = 1;
    }
}

TEST_F(BalloonTextTest, ACellsOwnBalloonAndTheEventHaveTheLastWord)
{
    grid->SetCells(1, 1, u"cell text");
    grid->AddBalloon(1, 1, u"Address", u"Out of range", biError);
    grid->Balloon()->TextColor = clNavy;
    grid->Balloon()->BackgroundColor = clYellow;
    TToolTipInfo i = RestOn(1, 1);
    EXPECT_EQ(i.Title, u"Address");
    EXPECT_EQ(i.Text, u"Out of range");
    EXPECT_EQ(i.Icon, WPARAM(TTI_ERROR));
    EXPECT_EQ(ColorToRGB(i.TipTextColor), ColorToRGB(clNavy));
    EXPECT_EQ(ColorToRGB(i.TipBkColor), ColorToRGB(clYellow));

    std::vector<TPoint> asked;
    grid->OnCellBalloon = [&](TObject*, Integer ACol, Integer ARow, String& ATitle, String& AText,
                              TBalloonIcon& AIcon) {
        asked.push_back({ACol, ARow});
        ATitle = u"Row " + String(1, Char(u'0' + ARow));
        AText += u"!";
        AIcon = biWarning;
    };
    h.MoveTo(grid, {1, 1});
    i = RestOn(3, 2);
    EXPECT_EQ(i.Title, u"Row 2");
    EXPECT_EQ(i.Text, u"!") << "an empty cell's text, changed by the event";
    EXPECT_EQ(i.Icon, WPARAM(TTI_WARNING));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], TPoint(3, 2));
}

// A text of 3000 characters after a line break shows its first 2045 and "..."; a title of 120
// characters, set by the event, its first 97 and "...".
TEST_F(BalloonTextTest, ALongTextAndALongTitleAreCut)
{
    grid->SetCells(1, 1, u"\r\n" + String(3000, u'x'));
    grid->OnCellBalloon = [](TObject*, Integer, Integer, String& ATitle, String&, TBalloonIcon&) {
        ATitle = String(120, u't');
    };
    const TToolTipInfo i = RestOn(1, 1);
    EXPECT_EQ(i.Text, String(2045, u'x') + u"...");
    // The tooltip keeps 99 characters of a title, as the system's does: the grid's cut shows in them.
    EXPECT_EQ(i.Title, String(97, u't') + u"..");
}

TEST_F(BalloonTextTest, ClosesWhenTheMouseLeavesItsCell)
{
    grid->SetCells(1, 1, u"first");
    grid->SetCells(2, 1, u"second");
    grid->MergeCells(1, 3, 2, 1);
    grid->SetCells(1, 3, u"merged");
    // The balloon hangs below the mouse: moves upward stay off it.
    ASSERT_TRUE(RestOn(1, 1).Visible);
    h.MoveTo(grid, {CentreOf(1, 1).X + 3, CentreOf(1, 1).Y - 5});
    EXPECT_TRUE(Info().Visible) << "moving inside the cell keeps it";
    EXPECT_EQ(grid->FLastBalloonPos, TPoint(1, 1));
    h.MoveTo(grid, CentreOf(2, 1));
    EXPECT_FALSE(Info().Visible) << "the next cell closes it";
    EXPECT_EQ(grid->FLastBalloonPos, TPoint(-1, -1));

    TToolTipInfo i = RestOn(1, 3);
    ASSERT_TRUE(i.Visible);
    EXPECT_EQ(i.Text, u"merged");
    const TRect second = grid->CellRect(2, 3);
    const TPoint inSecond{second.Right - 3, second.Top + 2};
    Integer c = -1, r = -1;
    grid->MouseToCell(inSecond.X, inSecond.Y, c, r);
    ASSERT_EQ(TPoint(c, r), TPoint(2, 3));
    h.MoveTo(grid, inSecond);
    EXPECT_TRUE(Info().Visible) << "a merged block is one cell";
    EXPECT_EQ(grid->FLastBalloonPos, TPoint(1, 3));
    h.MoveTo(grid, CentreOf(3, 3));
    EXPECT_FALSE(Info().Visible);
}

TEST_F(BalloonTextTest, NoAnswerWhileBalloonsAreOff)
{
    grid->SetCells(1, 1, u"text");
    h.MoveTo(grid, CentreOf(1, 1));
    grid->Balloon()->SetEnable(false);
    NMTTDISPINFOW d;
    d.hdr.code = TTN_GETDISPINFOW;
    grid->Perform(WM_NOTIFY, 0, LPARAM(&d));
    EXPECT_EQ(d.lpszText, nullptr);
    EXPECT_EQ(grid->FLastBalloonPos, TPoint(-1, -1));
}

}  // namespace
}  // namespace gw
