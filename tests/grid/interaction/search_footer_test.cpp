// The search footer: its layout as a table, the panel the grid lays out from its settings, and
// the search actions driven as a person would on the slaves-table fixture (typing, Enter and
// Ctrl+Enter, the accelerator, highlighting and closing, the last row above the panel).
#include "edit_grid_fixture.h"
#include "grid/foundation/ext_check_box.h"
#include "grid/foundation/grid_button.h"
#include "grid/foundation/search_footer.h"
#include "grid/interaction/search_panel.h"
#include "grid/model/control_look.h"
#include "grid/model/grouping.h"
#include "platform/controls/message_beep.h"
#include "platform/graphics/recording_canvas.h"

#include <functional>

namespace gw::test {
namespace {

TEST(SearchPanelLayout, PlacesMirroringAndTheMatchCaseBox)
{
    struct Case {
        const char* Name;
        bool Mirrored, Highlight;
        TSearchPanelPart Part;
        TSearchPanelPlace Place;
    };
    const Case cases[] = {
        {"edit", false, true, spEdit, {25, 6, 110, 0}},
        {"forward", false, true, spForward, {140, 5, 90, 23}},
        {"backward", false, true, spBackward, {235, 5, 90, 23}},
        {"close", false, true, spClose, {5, 7, 14, 14}},
        {"highlight", false, true, spHighlight, {330, 5, 90, 23}},
        {"match case beside the highlight button", false, true, spMatchCase, {425, 8, 0, 0}},
        {"match case in the hidden highlight's place", false, false, spMatchCase, {330, 8, 0, 0}},
        {"mirrored edit", true, true, spEdit, {400 - 110 - 25, 6, 110, 0}},
        {"mirrored forward", true, true, spForward, {400 - 90 - 140, 5, 90, 23}},
        {"mirrored close", true, true, spClose, {400 - 14 - 5, 7, 14, 14}},
        {"mirrored highlight", true, true, spHighlight, {400 - 90 - 330, 5, 90, 23}},
        {"the box is not mirrored", true, false, spMatchCase, {330, 8, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(SearchPanelLayout(400, c.Mirrored, c.Highlight)[c.Part], c.Place) << c.Name;
}

// The slaves table with the footer texts every form sets.
class SearchFooterTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        TSearchFooter& f = *grid->SearchFooter();
        f.SetFindNextCaption(u"Find &next");
        f.SetFindPrevCaption(u"Find &previous");
        f.SetHighLightCaption(u"Highlight");
        f.SetMatchCaseCaption(u"Match case");
        f.SetHintFindNext(u"Find next occurrence");
        f.SetHintFindPrev(u"Find previous occurrence");
        f.SetHintHighlight(u"Highlight occurrences");
        f.SetHintClose(u"Close");
        grid->OnSearchFooterAction = [this](TObject*, const String& V, Integer C, Integer R, TSearchAction A) {
            h.Log.Add("action " + std::to_string(A) + " " + Utf8(V) + " " + std::to_string(C) + "," +
                      std::to_string(R));
        };
    }
    TSearchPanel* Panel() const
    {
        for (Integer i = 0; i < grid->ControlCount(); ++i)
            if (auto* p = dynamic_cast<TSearchPanel*>(grid->Controls(i))) return p;
        return nullptr;
    }
    TRetEdit* SearchEdit() const { return Panel()->Edit(); }
    void Open()
    {
        grid->ShowSearchFooter();
        h.ProcessMessages();
    }
    std::vector<bool> ButtonsEnabled() const
    {
        return {Panel()->ForwardButton()->Enabled(), Panel()->BackwardButton()->Enabled(),
                Panel()->HiliteButton()->Enabled()};
    }
    TPoint Current() const { return {grid->Col(), grid->Row()}; }
};

TEST_F(SearchFooterTest, HiddenUntilOpenedThenLaidOutFromTheSettings)
{
    TSearchPanel* p = Panel();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Height(), 0);
    Open();
    EXPECT_TRUE(grid->SearchFooter()->Visible());
    EXPECT_TRUE(SearchEdit()->Focused());
    EXPECT_EQ(p->Height(), 32);
    EXPECT_EQ(p->Top(), grid->ClientHeight() - 32);
    EXPECT_EQ(p->ForwardButton()->Caption(), u"Find &next");
    EXPECT_EQ(p->ForwardButton()->Hint, u"Find next occurrence");
    EXPECT_TRUE(p->ForwardButton()->ShowHint());
    EXPECT_EQ(p->MatchCase()->Left(), 425);
    EXPECT_EQ(p->MatchCase()->Height(), 18);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{false, false, false}));

    grid->SearchFooter()->SetShowHighLight(false);
    grid->SearchFooter()->SetShowMatchCase(false);
    grid->SearchFooter()->SetHintFindNext(u"");
    EXPECT_EQ(p->MatchCase()->Left(), 330);
    EXPECT_EQ(p->HiliteButton()->Height(), 0);
    EXPECT_EQ(p->MatchCase()->Height(), 0);
    EXPECT_EQ(p->ForwardButton()->Height(), 23);
    EXPECT_FALSE(p->ForwardButton()->ShowHint()) << "an empty hint is not shown";
}

TEST_F(SearchFooterTest, GroupingDocksAndLaysOutTheShownPanelAgain)
{
    Open();
    TSearchPanel* p = Panel();
    grid->SetBiDiMode(bdRightToLeft);  // mirrored controls are placed from the panel's right edge
    grid->Grouping()->Summary = true;
    const Integer widthBefore = grid->ClientWidth();
    grid->Group(1);
    h.ProcessMessages();
    ASSERT_LT(grid->ClientWidth(), widthBefore) << "the group rows brought the vertical scroll bar";
    EXPECT_EQ(p->Width(), grid->ClientWidth());
    EXPECT_EQ(p->Top() + p->Height(), grid->ClientHeight());
    EXPECT_EQ(p->Edit()->Left(), p->Width() - 110 - 25);
}

// The panel reads as the grid does: mirrored exactly under right-to-left alignment, back again
// when the grid turns back, and not for right-to-left reading alone; hidden buttons stay 0 high.
TEST_F(SearchFooterTest, ThePanelMirrorsWithTheGridsReadingOrder)
{
    grid->SearchFooter()->SetShowHighLight(false);
    Open();
    TSearchPanel* p = Panel();
    const Integer w = p->Width();
    const auto lefts = [&] {
        return std::vector<Integer>{p->Edit()->Left(), p->ForwardButton()->Left(), p->BackwardButton()->Left(),
                                    p->ExitButton()->Left(), p->MatchCase()->Left()};
    };
    const std::vector<Integer> ltr{25, 140, 235, 5, 330};
    const std::vector<Integer> mirrored{w - 110 - 25, w - 90 - 140, w - 90 - 235, w - 14 - 5, 330};
    struct Case {
        TBiDiMode Mode;
        const std::vector<Integer>& Lefts;
    };
    EXPECT_EQ(lefts(), ltr);
    for (const Case& c : {Case{bdRightToLeft, mirrored}, Case{bdRightToLeftNoAlign, ltr}, Case{bdRightToLeft, mirrored},
                          Case{bdLeftToRight, ltr}, Case{bdRightToLeftReadingOnly, ltr}}) {
        grid->SetBiDiMode(c.Mode);
        EXPECT_EQ(p->BiDiMode(), c.Mode);
        EXPECT_EQ(lefts(), c.Lefts) << "mode " << c.Mode;
        EXPECT_EQ(p->HiliteButton()->Height(), 0) << "the hidden button stays hidden";
        EXPECT_EQ(p->ForwardButton()->Height(), 23);
    }
    // Built again while right to left, the panel places its controls mirrored from the start.
    grid->SetBiDiMode(bdRightToLeft);
    grid->SearchFooter()->SetShowHighLight(true);
    EXPECT_EQ(p->Edit()->Left(), w - 110 - 25);
    EXPECT_EQ(p->HiliteButton()->Left(), w - 90 - 330);
}

TEST_F(SearchFooterTest, ButtonLookFollowsTheControlStyle)
{
    struct Case {
        const char* Name;
        TControlStyle Style;
        bool Adapts;
        bool Flat, AutoXP, ThemeAdapt;
    };
    const Case cases[] = {
        {"classic", csClassic, false, false, false, false},
        {"flat", csFlat, false, true, false, false},
        {"XP", csWinXP, false, false, true, false},
        {"theme", csTheme, false, false, true, false},
        {"the grid adapts to the theme", csTheme, true, true, false, true},
    };
    for (const Case& c : cases) {
        TSearchPanel* p = Panel();
        for (TExtGridButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton()}) {
            b->AutoXPStyle = false;
            b->SetAutoThemeAdapt(false);
        }
        grid->SetAutoThemeAdapt(c.Adapts);
        grid->ControlLook()->SetControlStyle(c.Style);
        grid->SearchFooter()->SetColor(clWhite);  // lays the footer out again
        for (TExtGridButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton()}) {
            EXPECT_EQ(b->Flat(), c.Flat) << c.Name;
            EXPECT_EQ(b->AutoXPStyle, c.AutoXP) << c.Name;
            EXPECT_EQ(b->AutoThemeAdapt(), c.ThemeAdapt) << c.Name;
        }
        EXPECT_FALSE(p->ExitButton()->AutoXPStyle) << "the close button keeps its look";
    }
}

TEST_F(SearchFooterTest, TypingFindsMarksTheEditAndEnablesTheButtons)
{
    Open();
    h.Type(u"10.0.0.3");
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    EXPECT_EQ(SearchEdit()->Color(), clWindow);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(h.Log.Items().back(), "action 0 10.0.0.3 1,3");
    h.Type(u"9");
    EXPECT_EQ(SearchEdit()->Color(), TColor(255)) << "found nowhere: red";
    EXPECT_EQ(h.Log.Items().back(), "action 0 10.0.0.39 -1,-1");
    for (int i = 0; i < 9; ++i) h.Press(VK_BACK);
    EXPECT_EQ(SearchEdit()->Text(), u"");
    EXPECT_EQ(SearchEdit()->Color(), clWindow);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{false, false, false}));
}

TEST_F(SearchFooterTest, EnterFindsNextCtrlEnterPreviousWithoutLineBreakOrBeep)
{
    Open();
    h.Type(u"10.0.0.");
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    const Cardinal beeps = BeepCount();
    h.Log.Clear();
    h.Press(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{1, 2}));
    h.Press(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    h.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(Current(), (TPoint{1, 2}));
    EXPECT_EQ(h.Log.Items(),
              (std::vector<std::string>{"action 2 10.0.0. 1,2", "action 2 10.0.0. 1,3", "action 1 10.0.0. 1,2"}));
    EXPECT_EQ(SearchEdit()->Text(), u"10.0.0.");
    EXPECT_EQ(BeepCount(), beeps);
    EXPECT_TRUE(SearchEdit()->Focused());
}

TEST_F(SearchFooterTest, TheAcceleratorRunsFindNextOnce)
{
    Open();
    h.Type(u"10.0.0.");
    h.Log.Clear();
    h.Press('N', ssAlt);
    EXPECT_EQ(h.Log.Items(), (std::vector<std::string>{"action 2 10.0.0. 1,2"}));
    EXPECT_EQ(SearchEdit()->Text(), u"10.0.0.");
}

TEST_F(SearchFooterTest, AcceleratorsActThroughShownEnabledButtonsOnly)
{
    const struct {
        const char* Name;
        std::function<void()> Prepare;
        Word Key;
        std::vector<std::string> Log;
    } cases[] = {
        {"find previous", [] {}, 'P', {"action 1"}},
        {"letters without case", [] {}, 'n', {"action 2"}},
        {"a disabled button is passed over", [this] { Panel()->ForwardButton()->SetEnabled(false); }, 'N', {}},
        {"a hidden button is passed over", [this] { grid->SearchFooter()->SetShowFindNext(false); }, 'N', {}},
        {"no button has the key", [] {}, 'X', {}},
        {"the footer closed", [this] { grid->SearchFooter()->SetVisible(false); }, 'N', {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SearchFooter()->SetShowFindNext(true);
        Open();
        SearchEdit()->SetText(u"10.0.0.");
        grid->FocusCell(1, 1);
        c.Prepare();
        h.Log.Clear();
        EXPECT_EQ(grid->Perform(CM_DIALOGCHAR, c.Key, 0), c.Log.empty() ? 0 : 1);
        std::vector<std::string> actions;  // which action ran; where it landed is the search's business
        for (const std::string& line : h.Log.Items()) actions.push_back(line.substr(0, 8));
        EXPECT_EQ(actions, c.Log);
    }
}

// The highlight accelerator works with the button's state as it is: it never toggles it.
TEST_F(SearchFooterTest, TheHighlightAcceleratorKeepsTheButtonState)
{
    grid->SearchFooter()->SetHighLightCaption(u"&Highlight");
    Open();
    h.Type(u"10.0.0.3");
    TExtGridButton& hilite = *Panel()->HiliteButton();
    hilite.SetDown(true);
    h.Press('H', ssAlt);
    EXPECT_TRUE(hilite.Down());
    EXPECT_NE(grid->GetCellEx(1, 3), u"10.0.0.3") << "highlighted";
    hilite.SetDown(false);
    h.Press('H', ssAlt);
    EXPECT_FALSE(hilite.Down());
    EXPECT_EQ(grid->GetCellEx(1, 3), u"10.0.0.3") << "the highlights removed";

    // A later button with the same key acts when the earlier one cannot.
    grid->SearchFooter()->SetHighLightCaption(u"&Next marks");
    Panel()->ForwardButton()->SetEnabled(false);
    hilite.SetDown(true);
    h.Log.Clear();
    h.Press('N', ssAlt);
    EXPECT_TRUE(h.Log.Items().empty()) << "no find";
    EXPECT_NE(grid->GetCellEx(1, 3), u"10.0.0.3");
}

TEST_F(SearchFooterTest, AResizedGridLaysThePanelAlongItsNewBottom)
{
    Open();
    TSearchPanel& p = *Panel();
    p.SetHeight(10);
    grid->SetHeight(grid->Height() + 40);
    h.ProcessMessages();
    EXPECT_EQ(p.Height(), 32);
    EXPECT_EQ(p.Top(), grid->ClientHeight() - 32);
    EXPECT_EQ(p.Width(), grid->ClientWidth());
}

TEST_F(SearchFooterTest, WithoutAutoSearchEnterStartsOverForANewText)
{
    grid->SearchFooter()->AutoSearch = false;
    grid->SetCellEx(3, 4, u"abc");
    grid->SetCellEx(3, 5, u"abd");
    Open();
    h.Type(u"10.0.0.");
    EXPECT_EQ(Current(), (TPoint{1, 1})) << "typing does not search";
    h.Press(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    h.Press(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{1, 2}));
    SearchEdit()->SetText(u"ab");
    h.Press(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{3, 4})) << "a new text starts at the top";
    h.Press(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{3, 5}));
}

TEST_F(SearchFooterTest, SearchColumnOutsideTheGridSearchesEveryColumn)
{
    grid->SetCellEx(3, 2, u"gamma");
    grid->SetCellEx(4, 4, u"gamma");
    grid->SearchFooter()->SearchColumn = 9;
    Open();
    h.Type(u"gamma");
    EXPECT_EQ(Current(), (TPoint{3, 2}));
    grid->SearchFooter()->SearchColumn = 4;
    SearchEdit()->SetText(u"gamm");
    EXPECT_EQ(Current(), (TPoint{4, 4})) << "a column of the grid limits the search to it";
}

TEST_F(SearchFooterTest, ClosingWhileHighlightingRemovesTheHighlights)
{
    bool closed = false;
    grid->OnSearchFooterClose = [&](TObject*) { closed = true; };
    Open();
    h.Type(u"10.0.0.3");
    h.Click(Panel()->HiliteButton());
    ASSERT_TRUE(Panel()->HiliteButton()->Down());
    EXPECT_NE(grid->GetCellEx(1, 3), u"10.0.0.3") << "highlighted";
    EXPECT_EQ(grid->GetCellEx(1, 2), u"10.0.0.2");
    h.Click(Panel()->ExitButton());
    EXPECT_TRUE(closed);
    EXPECT_FALSE(grid->SearchFooter()->Visible());
    EXPECT_EQ(Panel()->Height(), 0);
    EXPECT_EQ(grid->GetCellEx(1, 3), u"10.0.0.3");
}

TEST_F(SearchFooterTest, TheLastRowStaysAboveThePanel)
{
    grid->SetRowCount(40);
    grid->SetRowEx(39);
    Open();
    const Integer limit = grid->ClientHeight() - Panel()->Height() + 2;
    EXPECT_LE(grid->CellRect(0, 39).Bottom, limit);
    EXPECT_GT(grid->CellRect(0, 39).Bottom, 0) << "still shown";
    // Finding a row near the end leaves it above the panel too.
    grid->SetCellEx(3, 38, u"near the end");
    grid->SetRowEx(1);
    SearchEdit()->SetText(u"near");
    h.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(grid->Row(), 38);
    EXPECT_LE(grid->CellRect(0, 38).Bottom, limit);
}

TEST_F(SearchFooterTest, PanelPaintsItsColourOrGradientAndTheTopLine)
{
    grid->SetGridLineColor(TColor(0x123456));
    grid->SearchFooter()->SetColor(TColor(0xFFFFFF));
    grid->SearchFooter()->SetColorTo(TColor(TSearchPanel::NoColorTo));
    Open();
    TRecordingCanvas c;
    Panel()->DrawPanel(c);
    std::vector<std::string> log = c.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.rfind("FillRect", 0) == 0; }),
              1);
    EXPECT_EQ(log.back(), "LineTo(" + std::to_string(Panel()->Width()) + ",0)");
    grid->SearchFooter()->SetColorTo(TColor(0x808080));
    c.ClearCalls();
    Panel()->DrawPanel(c);
    log = c.Log();
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.rfind("Rectangle", 0) == 0; }),
              32)
        << "32 bands";
    EXPECT_EQ(log.back(), "LineTo(" + std::to_string(Panel()->Width()) + ",0)") << "the line over the bands";
    h.SavePng(form, u"search_footer.png");
}

}  // namespace
}  // namespace gw::test
