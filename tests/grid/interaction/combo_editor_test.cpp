// The combo cell editor end to end on the slaves table's grid: opening by a typed character,
// the list, the change reports, Enter, Escape, Tab, the wheel and the item API.
#include "grid/interaction/grid_combo.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// The slaves table's combo column (2) with its items set as the table sets them.
class ComboEditorTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->OnGetEditorProp = [this](TObject*, Integer ACol, Integer) {
            if (ACol != 2) return;
            grid->ClearComboString();
            for (const char16_t* item : {u"Default", u"Dim Header", u"Disabled"}) grid->AddComboString(item);
        };
    }
    TGridCombo* Combo() const { return grid->Combobox(); }
    bool ComboShown() const { return Combo()->Visible(); }
    void LogCombo()
    {
        LogEvents();
        grid->OnComboChange = [this](TObject*, Integer c, Integer r, Integer i, const String& s) {
            h.Log.Add("combo change " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " +
                      Utf8(s));
        };
    }
    void OpenAt(Integer ACol, Integer ARow, const String& Typed)
    {
        grid->FocusCell(ACol, ARow);
        h.ProcessMessages();
        h.Type(Typed);
        h.ProcessMessages();
    }
};

TEST_F(ComboEditorTest, DimHeaderScriptOpensPicksCommitsAndMovesOn)
{
    EnterMovesOn();
    TObject* enterSender = nullptr;
    grid->OnKeyPress = [&enterSender, moveOn = grid->OnKeyPress](TObject* Sender, Char& Key) {
        if (Key == VK_RETURN) enterSender = Sender;
        moveOn(Sender, Key);
    };
    grid->SetCellEx(2, 1, u"Dim Header");
    grid->FocusCell(2, 1);
    h.ProcessMessages();
    LogCombo();
    h.Type(u"D");
    h.ProcessMessages();
    ASSERT_TRUE(ComboShown());
    EXPECT_TRUE(Combo()->Focused());
    EXPECT_EQ(Combo()->Text(), u"D") << "the typed character replaces the text";
    h.Log.Clear();

    h.Press(VK_DOWN, ssAlt);
    EXPECT_TRUE(Combo()->DroppedDown());
    const TRect item = Combo()->ListPopup()->ItemRect(0);
    h.Click(Combo()->ListPopup(), TPoint{item.Left + 4, (item.Top + item.Bottom) / 2});
    h.ProcessMessages();
    EXPECT_FALSE(Combo()->DroppedDown());
    EXPECT_EQ(Combo()->Text(), u"Default");
    Log picked = h.Log.Take();
    EXPECT_EQ(std::count(picked.begin(), picked.end(), "combo change 2,1 0 Default"), 1)
        << testing::PrintToString(picked);

    h.Press(VK_END);
    h.Press(VK_BACK);
    h.ProcessMessages();
    Log typed = h.Log.Take();
    EXPECT_EQ(std::count_if(typed.begin(), typed.end(),
                            [](const std::string& e) { return e == "combo change 2,1 -1 Defaul"; }),
              2)
        << "the selection-or-edit report and the edit report: " << testing::PrintToString(typed);
    h.Type(u"T");
    h.ProcessMessages();
    h.Log.Clear();

    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(2, 1), u"DefaulT");
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(grid->Col(), 3) << "the posted Enter character reaches the table's key handler";
    EXPECT_EQ(enterSender, Combo()) << "the character arrives at the hidden combo, which hands it on";
    const Log done = h.Log.Take();
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.back(), "edit cell done 2,1") << testing::PrintToString(done);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// Escape leaves the cell as it was when the edit began, whatever the combo could show.
struct EscapeCase {
    const char* Name;
    TEditorType Type;
    const char16_t* CellText;
    const char16_t* Typed;
};

class ComboEscape : public ComboEditorTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(ComboEscape, KeepsTheTextTheCellHadWhenTheEditBegan)
{
    const EscapeCase& c = GetParam();
    grid->OnGetEditorType = [&](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
        if (ACol == 2) AEditor = c.Type;
    };
    grid->SetCellEx(2, 1, c.CellText);
    grid->FocusCell(2, 1);
    h.ProcessMessages();
    h.Press(VK_F2);
    h.Type(c.Typed);
    h.ProcessMessages();
    ASSERT_TRUE(ComboShown());
    h.Press(VK_ESCAPE);
    h.ProcessMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->GetCellEx(2, 1), c.CellText);
    EXPECT_TRUE(grid->Focused());
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboEscape,
                         ::testing::Values(EscapeCase{"EditableTyped", edComboEdit, u"Default", u"xyz"},
                                           EscapeCase{"EditableEmpty", edComboEdit, u"", u"q"},
                                           EscapeCase{"PickListUnknownText", edComboList, u"Custom 7", u""},
                                           EscapeCase{"PickListStepped", edComboList, u"Default", u"Di"}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ComboEditorTest, APickListOnAnUnknownTextSelectsTheFirstItemAndReportsItWhileOpening)
{
    grid->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
        if (ACol == 2) AEditor = edComboList;
    };
    Log objects;
    grid->OnComboObjectChange = [&](TObject*, Integer c, Integer r, Integer i, const String& s, TObject* o) {
        objects.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + Utf8(s) +
                          (o ? " object" : " none"));
    };
    LogCombo();
    grid->SetCellEx(2, 2, u"unknown");
    grid->FocusCell(2, 2);
    h.ProcessMessages();
    h.Log.Clear();
    h.Press(VK_F2);
    EXPECT_EQ(Combo()->ItemIndex(), 0);
    Log log = h.Log.Take();
    EXPECT_EQ(std::count(log.begin(), log.end(), "combo change 2,2 0 Default"), 1) << testing::PrintToString(log);
    EXPECT_EQ(objects, (Log{"2,2 0 Default none"}));
    h.Press(VK_RETURN);
    EXPECT_EQ(grid->GetCellEx(2, 2), u"Default") << "Enter takes what the list shows";

    // Without items nothing is selected and nothing reported.
    grid->OnGetEditorProp = [this](TObject*, Integer, Integer) { grid->ClearComboString(); };
    grid->SetCellEx(2, 3, u"unknown");
    grid->FocusCell(2, 3);
    h.ProcessMessages();
    objects.clear();
    h.Press(VK_F2);
    EXPECT_TRUE(ComboShown());
    EXPECT_EQ(Combo()->ItemIndex(), -1);
    EXPECT_TRUE(objects.empty());
}

TEST_F(ComboEditorTest, EnterRefusedByValidationKeepsTheEditorWithTheValidatedTextSelected)
{
    grid->Navigation()->AdvanceOnEnter = true;
    grid->OnCellValidate = [](TObject*, Integer, Integer, String& Value, bool& Valid) {
        Valid = Value != u"bad";
        if (!Valid) Value = u"bad!";
    };
    OpenAt(2, 1, u"bad");
    ASSERT_TRUE(ComboShown());
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_TRUE(ComboShown());
    EXPECT_TRUE(grid->EditMode());
    EXPECT_EQ(Combo()->Text(), u"bad!");
    EXPECT_EQ(Combo()->SelStart(), 0);
    EXPECT_EQ(Combo()->SelLength(), 4);
    EXPECT_EQ(grid->Col(), 2) << "the grid did not advance";
    EXPECT_EQ(grid->Row(), 1);

    h.Type(u"good");
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(grid->GetCellEx(2, 1), u"good");
    EXPECT_EQ(grid->Col(), 3) << "AdvanceOnEnter moves on after an accepted commit";
}

TEST_F(ComboEditorTest, TypeAheadCompletesToTheFirstMatchingItemAndBackspaceDoesNotCompleteAgain)
{
    grid->Lookup = true;
    grid->OnGetEditorProp = [this](TObject*, Integer, Integer) {
        grid->ClearComboString();
        grid->AddComboString(u"Abc");
        grid->AddComboString(u"Abd");
    };
    OpenAt(2, 4, u"ab");
    ASSERT_TRUE(ComboShown());
    EXPECT_EQ(Combo()->Text(), u"abc");
    EXPECT_EQ(Combo()->SelStart(), 2);
    EXPECT_EQ(Combo()->SelLength(), 1);
    EXPECT_EQ(Combo()->ItemIndex(), 0);
    h.Press(VK_BACK);
    EXPECT_EQ(Combo()->Text(), u"ab");
    EXPECT_EQ(Combo()->SelLength(), 0);
}

TEST_F(ComboEditorTest, TheWheelStepsThroughTheItemsReportingEachStepAndNeverScrollsTheGrid)
{
    grid->SetRowCount(60);
    LogCombo();
    grid->OnComboObjectChange = [this](TObject*, Integer, Integer, Integer i, const String&, TObject*) {
        h.Log.Add("object change " + std::to_string(i));
    };
    OpenAt(2, 1, u"x");
    ASSERT_TRUE(ComboShown());
    ASSERT_EQ(Combo()->ItemIndex(), -1);
    const Integer top = grid->TopRow();
    h.Log.Clear();
    h.Wheel(Combo(), 1);  // towards the previous item with none selected: nothing
    EXPECT_EQ(Combo()->ItemIndex(), -1);
    EXPECT_TRUE(h.Log.Take().empty());
    h.Wheel(Combo(), -1);
    EXPECT_EQ(Combo()->ItemIndex(), 0);
    Log log = h.Log.Take();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(Log(log.begin(), log.begin() + 3),
              (Log{"change 2,1 Default", "combo change 2,1 0 Default", "object change 0"}));
    for (Integer i = 0; i < 4; ++i) h.Wheel(Combo(), -1);
    EXPECT_EQ(Combo()->ItemIndex(), 2) << "stops at the last item";
    for (Integer i = 0; i < 4; ++i) h.Wheel(Combo(), 1);
    EXPECT_EQ(Combo()->ItemIndex(), 0) << "stops at the first item";
    EXPECT_EQ(grid->TopRow(), top);
    EXPECT_TRUE(ComboShown());
}

TEST_F(ComboEditorTest, ScrollingTheGridCommitsAnOpenCombo)
{
    grid->SetRowCount(60);
    OpenAt(2, 1, u"Scrolled");
    ASSERT_TRUE(ComboShown());
    grid->SetTopRow(10);
    h.ProcessMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->GetCellEx(2, 1), u"Scrolled");
}

// Edit-change notifications of other children (a header combo, a list box) are not the combo
// editor's: they never report its stale text.
TEST_F(ComboEditorTest, AnEditChangeFromAnotherChildRaisesNoComboChange)
{
    auto* other = new TComboBox(grid);
    other->SetParent(grid);
    other->SetBounds(0, 0, 80, 20);
    Log reports;
    grid->OnComboChange = [&](TObject*, Integer, Integer, Integer i, const String& s) {
        reports.push_back(std::to_string(i) + " " + Utf8(s));
    };
    other->Items()->SetCommaText(u"Alpha,Beta");
    OpenAt(2, 1, u"Stale");
    ASSERT_TRUE(ComboShown());
    reports.clear();
    other->SetFocus();  // the cell's combo commits and closes; typing goes to the header combo
    h.Type(u"Be");
    h.Press(VK_DOWN);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(2, 1), u"Stale");
    for (const Word code : {Word(CBN_EDITCHANGE), Word(CBN_SELCHANGE)})
        grid->Perform(WM_COMMAND, MakeWParam(0, code), LPARAM(other->Handle()));
    EXPECT_TRUE(reports.empty()) << testing::PrintToString(reports);

    // While the combo editor is closed its own notifications report nothing either.
    grid->Perform(WM_COMMAND, MakeWParam(0, CBN_EDITCHANGE), LPARAM(Combo()->Handle()));
    EXPECT_TRUE(reports.empty()) << testing::PrintToString(reports);
}

TEST_F(ComboEditorTest, TabWithGoTabsCommitsAndMovesToTheNextCellWithoutPostingATab)
{
    grid->SetOptions(grid->Options() | goTabs);
    OpenAt(2, 1, u"Tabbed");
    ASSERT_TRUE(ComboShown());
    h.Press(VK_TAB);
    h.ProcessMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(grid->GetCellEx(2, 1), u"Tabbed");
    EXPECT_EQ(grid->Col(), 3) << "one cell on, not two";
    EXPECT_TRUE(EditorShown()) << "the grid's Tab walk opens the next cell's editor (AdvanceAutoEdit)";
    EXPECT_TRUE(Editor()->Focused());
}

// The editor's Tab is the grid's Tab walk: a read-only cell is passed over, Shift+Tab walks back.
TEST_F(ComboEditorTest, TabFromTheComboWalksOverReadOnlyCellsBothWays)
{
    grid->SetOptions(grid->Options() | goTabs);
    grid->SetReadOnly(3, 1, true);
    grid->SetReadOnly(1, 2, true);
    OpenAt(2, 1, u"Fwd");
    ASSERT_TRUE(ComboShown());
    h.Press(VK_TAB);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(2, 1), u"Fwd");
    EXPECT_EQ(grid->Col(), 4) << "the read-only cell is passed over";
    OpenAt(2, 2, u"Back");
    ASSERT_TRUE(ComboShown());
    h.Press(VK_TAB, ssShift);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(2, 2), u"Back");
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->Row(), 2);
}

// A refused commit shows the grid's balloon on the combo itself, with the host's title, text and
// icon, for Enter and for Tab; without a title or text nothing is shown.
TEST_F(ComboEditorTest, ARefusedCommitShowsTheBalloonOnTheCombo)
{
    grid->SetOptions(grid->Options() | goTabs);
    grid->OnCellValidate = [](TObject*, Integer, Integer, String& Value, bool& Valid) { Valid = Value != u"bad"; };
    grid->InvalidEntryIcon = ieWarning;
    std::vector<std::string> balloons;
    const TWndMethod saved = Combo()->WindowProc;
    Combo()->WindowProc = [&balloons, saved](TMessage& M) {
        saved(M);
        if (M.Msg != EM_SHOWBALLOONTIP) return;
        const auto* tip = reinterpret_cast<const TEditBalloonTip*>(M.LParam);
        balloons.push_back(Utf8(tip->pszTitle) + "|" + Utf8(tip->pszText) + "|" + std::to_string(tip->ttiIcon) +
                           (M.Result ? " shown" : " not shown"));
    };
    const struct {
        Word Key;
        const char16_t* Title;
        const char16_t* Text;
        std::vector<std::string> Balloons;
    } cases[] = {
        {VK_RETURN, u"Invalid mnemonic", u"Pick one of the list", {"Invalid mnemonic|Pick one of the list|2 shown"}},
        {VK_TAB, u"Invalid mnemonic", u"", {"Invalid mnemonic||2 shown"}},
        {VK_RETURN, u"", u"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Key) + " " + Utf8(c.Title));
        grid->InvalidEntryTitle = c.Title;
        grid->InvalidEntryText = c.Text;
        balloons.clear();
        OpenAt(2, 3, u"bad");
        ASSERT_TRUE(ComboShown());
        h.Press(c.Key);
        h.ProcessMessages();
        EXPECT_EQ(balloons, c.Balloons);
        EXPECT_TRUE(ComboShown()) << "the refused text stays in the editor";
        EXPECT_EQ(grid->Col(), 2);
        h.Press(VK_ESCAPE);
        h.ProcessMessages();
    }
    Combo()->WindowProc = saved;
}

struct UpDownCase {
    const char* Name;
    bool ComboGetUpDown;
    Word Key;
    Integer Row;  // the row current afterwards
};

class ComboUpDown : public ComboEditorTest, public ::testing::WithParamInterface<UpDownCase> {};

TEST_P(ComboUpDown, CommitsAndMovesTheRow)
{
    const UpDownCase& c = GetParam();
    grid->Navigation()->ComboGetUpDown = c.ComboGetUpDown;
    grid->Navigation()->AdvanceAutoEdit = false;
    OpenAt(2, 3, u"Moved");
    ASSERT_TRUE(ComboShown());
    h.Press(c.Key);
    h.ProcessMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(grid->GetCellEx(2, 3), u"Moved");
    EXPECT_EQ(grid->Row(), c.Row);
    EXPECT_EQ(grid->Col(), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboUpDown,
                         ::testing::Values(UpDownCase{"GridTakesDown", false, VK_DOWN, 4},
                                           UpDownCase{"GridTakesUp", false, VK_UP, 2},
                                           UpDownCase{"ComboCommitsDown", true, VK_DOWN, 4},
                                           UpDownCase{"ComboCommitsUp", true, VK_UP, 2}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ComboEditorTest, LeftAndRightInADroppedListCloseItAndMoveTheCursor)
{
    for (const auto& [key, col] : {std::pair{Word(VK_LEFT), 1}, std::pair{Word(VK_RIGHT), 3}}) {
        grid->SetCellEx(2, 1, u"Dim Header");
        grid->FocusCell(2, 1);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.Press(VK_DOWN, ssAlt);
        ASSERT_TRUE(Combo()->DroppedDown());
        h.Press(key);
        h.ProcessMessages();
        EXPECT_FALSE(ComboShown());
        EXPECT_FALSE(Combo()->DroppedDown());
        EXPECT_EQ(grid->Col(), col);
        EXPECT_EQ(grid->GetCellEx(2, 1), u"Dim Header");
    }
}

TEST_F(ComboEditorTest, LookupHistoryAddsANewTextOnceAndNoEmptyText)
{
    grid->LookupHistory = true;
    grid->OnGetEditorProp = nullptr;
    grid->ClearComboString();
    grid->AddComboString(u"Default");
    for (const char16_t* typed : {u"Fresh", u"Fresh"}) {
        OpenAt(2, 1, typed);
        ok->SetFocus();  // leaving the combo
        h.ProcessMessages();
    }
    grid->SetCellEx(2, 2, u"");
    grid->FocusCell(2, 2);
    h.Press(VK_F2);
    ok->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(Combo()->Items()->CommaText(), u"Default,Fresh");
}

TEST_F(ComboEditorTest, TheItemApiActsOnTheItemsOfTheCellAskedFor)
{
    grid->OnGetEditorProp = [this](TObject*, Integer ACol, Integer ARow) {
        grid->ClearComboString();
        grid->AddComboString(u"row" + IntToStr(ARow) + u"a");
        grid->AddComboStringObject(u"row" + IntToStr(ARow) + u"b", grid);
        (void)ACol;
    };
    grid->SetComboIndex(2, 4, 1);
    EXPECT_EQ(grid->GetCellEx(2, 4), u"row4b");
    EXPECT_EQ(grid->GetComboIndex(2, 4), 1);
    grid->SetCellEx(2, 5, u"row4b");
    EXPECT_EQ(grid->GetComboIndex(2, 5), -1) << "row 5 has its own items";
    EXPECT_EQ(grid->GetComboCount(), 2);
    EXPECT_TRUE(grid->RemoveComboString(u"row5a"));
    EXPECT_FALSE(grid->RemoveComboString(u"row5a"));
    EXPECT_EQ(grid->GetComboCount(), 1);
    EXPECT_EQ(grid->Combobox()->Items()->Objects(0), grid);
}

TEST_F(ComboEditorTest, APresetSelectionHoldsForEveryLaterComboEdit)
{
    EXPECT_FALSE(grid->SetComboSelectionString(u"Absent"));
    grid->AddComboString(u"Default");
    grid->AddComboString(u"Dim Header");
    EXPECT_TRUE(grid->SetComboSelectionString(u"Dim Header"));
    for (Integer row : {1, 2}) {
        grid->SetCellEx(2, row, u"typed text");
        grid->FocusCell(2, row);
        h.ProcessMessages();
        h.Press(VK_F2);
        EXPECT_EQ(Combo()->ItemIndex(), 1) << "row " << row;
        h.Press(VK_RETURN);
        h.ProcessMessages();
    }
    grid->SetComboSelection(-1);
    grid->FocusCell(2, 3);
    h.Press(VK_F2);
    EXPECT_EQ(Combo()->ItemIndex(), -1);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// Enter in a special editor: its commit and validation, the stored value and the end of the
// edit, then the advance, and the posted report last.
TEST_F(ComboEditorTest, EnterWithAdvanceOnEnterRunsCommitStoreAdvanceAndReportInThatOrder)
{
    grid->Navigation()->AdvanceOnEnter = true;
    grid->Navigation()->AdvanceAutoEdit = false;
    LogCombo();
    grid->OnComboChange = nullptr;
    grid->OnEditChange = nullptr;
    grid->OnCellValidate = [this](TObject*, Integer c, Integer r, String& v, bool&) {
        h.Log.Add("validate " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(v));
    };
    grid->OnSetEditText = [this](TObject*, Integer c, Integer r, const String& v) {
        h.Log.Add("set edit text " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(v));
    };
    grid->OnAutoAdvance = [this](TObject*, Integer, Integer, Integer&, Integer&, bool&) { h.Log.Add("auto advance"); };
    grid->OnCellChanging = [this](TObject*, Integer, Integer, Integer, Integer, bool&) { h.Log.Add("cell changing"); };
    OpenAt(2, 1, u"V");
    ASSERT_TRUE(ComboShown());
    h.Log.Clear();
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(),
              (Log{"validate 2,1 V", "cells changed 2,1-2,1", "set edit text 2,1 V", "editing done", "auto advance",
                   "cell changing", "col changing 2->3", "edit cell done 2,1"}));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_FALSE(ComboShown());
}

}  // namespace
}  // namespace gw::test

#include "grid/interaction/grid_spin.h"
#include "grid/model/ext_column_grid.h"
#include "grid/model/grid_column_item.h"

namespace gw::test {
namespace {

// A column grid's combo and spin columns hand their items and limits to the grid's one combo
// and one spin editor as the cell's editor type is asked.
TEST(ColumnGridEditors, TheColumnsItemsAndSpinLimitsReachTheEditorsOfTheirCells)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 640, 480);
    auto* grid = new TExtColumnGrid(form);
    grid->SetParent(form);
    grid->SetBounds(10, 10, 500, 300);
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetOptions(grid->Options() | goEditing);
    TGridColumnItem& combo = *grid->Columns()->Items(1);
    combo.SetEditor(edComboList);
    combo.ComboItems()->SetCommaText(u"RTU,ASCII,TCP");
    combo.DropDownCount = 3;
    TGridColumnItem& spin = *grid->Columns()->Items(2);
    spin.SetEditor(edSpinEdit);
    spin.SpinMin = 1;
    spin.SpinMax = 247;
    spin.SpinStep = 5;
    grid->SetCellEx(1, 1, u"ASCII");
    grid->SetCellEx(2, 1, u"10");
    form->Show();
    grid->SetFocus();

    grid->FocusCell(1, 1);
    h.Press(VK_F2);
    ASSERT_TRUE(grid->Combobox()->Visible());
    EXPECT_EQ(grid->Combobox()->Items()->CommaText(), u"RTU,ASCII,TCP");
    EXPECT_EQ(grid->Combobox()->DropDownCount, 3);
    EXPECT_EQ(grid->Combobox()->ItemIndex(), 1);
    h.Press(VK_DOWN, ssAlt);
    h.Press(VK_DOWN);
    h.Press(VK_RETURN);  // closes the list on TCP
    h.Press(VK_RETURN);  // commits
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(1, 1), u"TCP");

    grid->FocusCell(2, 1);
    h.Press(VK_F2);
    ASSERT_TRUE(grid->SpinEdit()->Visible());
    EXPECT_EQ(grid->SpinEdit()->MinValue, 1);
    EXPECT_EQ(grid->SpinEdit()->MaxValue, 247);
    h.Press(VK_UP);
    EXPECT_EQ(grid->SpinEdit()->Text(), u"15") << "stepped by the column's increment";
    h.Press(VK_HOME);
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(2, 1), u"247");
    delete form;
}

}  // namespace
}  // namespace gw::test

#include "tests/support/test_support.h"

#include <filesystem>

namespace gw::test {
namespace {

// Pictures for a person to look at: each editor of this room open over its cell, the combo with
// its list down.
TEST_F(ComboEditorTest, PicturesOfTheComboSpinAndCheckBoxEditorsOpenOverTheirCells)
{
    for (Integer c = 0; c < 5; ++c)
        grid->SetCellEx(c, 0, std::vector<String>{u"Enable", u"IP Address", u"Dim Header", u"Time Poll", u"Note"}[c]);
    struct Shot {
        TEditorType Type;
        const char* File;
    };
    for (const Shot& shot :
         {Shot{edComboList, "grid_interaction_combo_open.png"}, Shot{edSpinEdit, "grid_interaction_spin_open.png"},
          Shot{edCheckBox, "grid_interaction_check_box_open.png"}}) {
        grid->OnGetEditorType = [&](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 2) AEditor = shot.Type;
        };
        grid->SetCellEx(2, 2, u"Dim Header");
        grid->FocusCell(2, 2);
        h.ProcessMessages();
        h.Press(VK_F2);
        if (shot.Type == edComboList) h.Press(VK_DOWN, ssAlt);
        h.ProcessMessages();
        ASSERT_TRUE(grid->EditMode()) << shot.File;
        const auto path = picturePath(shot.File);
        h.Display().SaveScreenToPng(form->BoundsRect(), String(path.u16string()));
        EXPECT_TRUE(std::filesystem::exists(path));
        h.Press(VK_ESCAPE);
        h.ProcessMessages();
    }
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// Left at the start and Right at the end of an editable combo's text walk to the neighbour cell
// (CursorWalkEditor), opening its editor with CursorWalkAlwaysEdit; Shift keeps the caret walk.
struct WalkCase {
    const char* Name;
    Word Key;
    TShiftState Shift;
    bool AlwaysEdit;
    Integer Col;
    bool EditorOpen;
};

class ComboWalk : public ComboEditorTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(ComboWalk, LeavesTheComboAtAnEndOfItsText)
{
    const WalkCase& c = GetParam();
    grid->Navigation()->CursorWalkEditor = true;
    grid->Navigation()->CursorWalkAlwaysEdit = c.AlwaysEdit;
    grid->Navigation()->EditSelectAll = false;
    grid->SetCellEx(2, 2, u"ab");
    grid->FocusCell(2, 2);
    h.ProcessMessages();
    h.Press(VK_F2);
    ASSERT_TRUE(ComboShown());
    Combo()->SetSelStart(c.Key == VK_LEFT ? 0 : 2);
    h.Press(c.Key, c.Shift);
    h.ProcessMessages();
    EXPECT_EQ(grid->Col(), c.Col);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->EditMode(), c.EditorOpen);
    EXPECT_EQ(grid->GetCellEx(2, 2), u"ab");
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboWalk,
                         ::testing::Values(WalkCase{"LeftOpensThePreviousCell", VK_LEFT, 0, true, 1, true},
                                           WalkCase{"RightOpensTheNextCell", VK_RIGHT, 0, true, 3, true},
                                           WalkCase{"LeftWithoutAlwaysEditOnlyMoves", VK_LEFT, 0, false, 1, false},
                                           WalkCase{"ShiftLeftStaysInTheText", VK_LEFT, ssShift, true, 2, true}),
                         [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// One key in a combo opened on "Dim Header" at (2, 2): where the grid's cursor ends, whether an
// editor is open, what the cell holds.
struct KeyCase {
    const char* Name;
    Word Key;
    TEditorType Style;
    bool GoTabs;
    bool AdvanceOnEnter;  // with AdvanceAutoEdit
    bool ComboGetUpDown;
    Integer Col, Row;
    bool EditorOpen;
};

class ComboKeys : public ComboEditorTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ComboKeys, MoveTheCursorAndEndOrKeepTheEdit)
{
    const KeyCase& c = GetParam();
    grid->OnGetEditorType = [&](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
        if (ACol == 2) AEditor = c.Style;
    };
    if (c.GoTabs) grid->SetOptions(grid->Options() | goTabs);
    grid->Navigation()->AdvanceOnEnter = c.AdvanceOnEnter;
    grid->Navigation()->AdvanceAutoEdit = c.AdvanceOnEnter;
    grid->Navigation()->ComboGetUpDown = c.ComboGetUpDown;
    grid->SetCellEx(2, 2, u"Dim Header");
    grid->FocusCell(2, 2);
    h.ProcessMessages();
    h.Press(VK_F2);
    ASSERT_TRUE(ComboShown());
    h.Press(c.Key);
    h.ProcessMessages();
    EXPECT_EQ(grid->Col(), c.Col);
    EXPECT_EQ(grid->Row(), c.Row);
    EXPECT_EQ(grid->EditMode(), c.EditorOpen);
    EXPECT_EQ(grid->GetCellEx(2, 2), u"Dim Header");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComboKeys,
    ::testing::Values(KeyCase{"EnterEditable", VK_RETURN, edComboEdit, false, false, true, 2, 2, false},
                      KeyCase{"EnterPickList", VK_RETURN, edComboList, false, false, true, 2, 2, false},
                      KeyCase{"EnterAdvancesAndEdits", VK_RETURN, edComboEdit, false, true, true, 3, 2, true},
                      KeyCase{"EnterPickListAdvances", VK_RETURN, edComboList, false, true, true, 3, 2, true},
                      KeyCase{"TabWithGoTabs", VK_TAB, edComboEdit, true, false, true, 3, 2, false},
                      KeyCase{"EscapeEditable", VK_ESCAPE, edComboEdit, false, true, true, 2, 2, false},
                      KeyCase{"PageDownClosedEditable", VK_NEXT, edComboEdit, false, false, true, 2, 2, false},
                      KeyCase{"RightInTheEditableText", VK_RIGHT, edComboEdit, false, false, true, 2, 2, true},
                      KeyCase{"RightLeavesAPickList", VK_RIGHT, edComboList, false, false, true, 3, 2, false},
                      KeyCase{"EndInTheEditableText", VK_END, edComboEdit, false, false, true, 2, 2, true},
                      KeyCase{"DownStepsAPickList", VK_DOWN, edComboList, false, false, true, 2, 2, true},
                      KeyCase{"DownToTheGridWithoutComboGetUpDown", VK_DOWN, edComboList, false, false, false, 2, 3,
                              false},
                      KeyCase{"DownCommitsAClosedEditable", VK_DOWN, edComboEdit, false, false, true, 2, 3, false}),
    [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
}  // namespace gw::test
