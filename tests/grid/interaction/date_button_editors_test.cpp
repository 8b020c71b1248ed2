// The date, time, date-and-time, button-edit, unit and button editors over a cell of the slaves
// table: what each opens with, what an unchanged commit stores, Escape, and their keys.
#include "grid/interaction/ext_rich_edit.h"
#include "grid/interaction/grid_button.h"
#include "grid/interaction/grid_check_box.h"
#include "grid/interaction/grid_combo.h"
#include "grid/interaction/grid_date_pickers.h"
#include "grid/interaction/grid_edit_buttons.h"
#include "grid/interaction/grid_spin.h"
#include "tests/grid/interaction/edit_grid_fixture.h"
#include "tests/support/format_settings.h"

#include "platform/runtime/datetime.h"
#include "platform/ui/clipboard.h"

#include <cmath>

namespace gw::test {
namespace {

// Days since 1899-12-30, from Python's datetime: date(2024, 3, 5) - date(1899, 12, 30) and so on.
constexpr double Day2024_01_01 = 45292, Day2024_01_02 = 45293, Day2024_03_05 = 45356, Day2024_06_29 = 45472,
                 Day2024_06_30 = 45473;

class SpecialEditorTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        // The unit's start-up finds the date editors' common controls, as the program's does.
        TExtStringGrid::StartUp();
        grid->OnGetEditorType = [this](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 3) AEditor = type;
        };
    }

    void TearDown() override { TExtStringGrid::ShutDown(); }

    // Opens the editor of cell (3, ARow) holding Text by F2.
    void Open(TEditorType Type, const String& Text, Integer ARow = 1)
    {
        type = Type;
        grid->SetCellEx(3, ARow, Text);
        grid->FocusCell(3, ARow);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
    }
    String Cell(Integer ARow = 1) const { return grid->GetCellEx(3, ARow); }
    TGridEditBtn* EditBtn() const { return grid->BtnEdit(); }
    TGridUnitEditBtn* UnitBtn() const { return grid->BtnUnitEdit(); }
    TGridDatePicker* Picker() const { return grid->DatePicker(); }
    TGridDateTimePicker* DateTimePicker() const { return grid->DateAndTimePicker(); }

    TEditorType type = edNormal;
    KeepFormatSettings keep;
};

TEST_F(SpecialEditorTest, EachFamilyOpensWithTheCellsValueAndAnUnchangedCommitStoresItsText)
{
    UnitBtn()->Units()->Add(u"mm");
    UnitBtn()->Units()->Add(u"cm");
    struct TCase {
        TEditorType Type;
        const char16_t* In;
        std::function<String()> Shown;
        const char16_t* Out;
    };
    const auto editText = [this] { return EditBtn()->Text(); };
    const auto unitText = [this] { return UnitBtn()->Text() + u"|" + UnitBtn()->UnitID(); };
    const auto date = [this] { return FloatToStr(Picker()->Date()); };
    const auto time = [this] { return TimeToStr(Picker()->Time()); };
    const auto dateTime = [this] { return DateTimeToStr(DateTimePicker()->DateTime()); };
    const auto caption = [this] { return grid->Btn()->Caption(); };
    const TCase cases[] = {
        {edEditBtn, u"12abc", editText, u"12abc"},
        {edNumericEditBtn, u"12abc", editText, u"12abc"},
        {edFloatEditBtn, u"1,5", editText, u"1,5"},
        {edUnitEditBtn, u"12mm", unitText, u"12mm"},
        {edFloatUnitEditBtn, u"1.5cm", unitText, u"1.5cm"},
        // No unit ends the value: all of it is the text, none of it is lost.
        {edUnitEditBtn, u"12", unitText, u"12"},
        {edUnitEditBtn, u"12 inch", unitText, u"12 inch"},
        {edDateEdit, u"05/03/2024", date, u"05/03/2024"},
        {edDateEditUpDown, u"5/3/2024", date, u"05/03/2024"},
        {edTimeEdit, u"13:45:10", time, u"13:45:10"},
        {edDateTimeEdit, u"05/03/2024 13:45", dateTime, u"05/03/2024 13:45"},
        {edButton, u"Go", caption, u"Go"},
    };
    const String shown[] = {u"12abc",
                            u"12abc",
                            u"1,5",
                            u"12|mm",
                            u"1.5|cm",
                            u"12|",
                            u"12 inch|",
                            u"45356",
                            u"45356",
                            u"13:45:10",
                            u"05/03/2024 13:45:00",
                            u"Go"};
    size_t i = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf8(EditorTypeNames[c.Type]) + " " + Utf8(c.In));
        Open(c.Type, c.In);
        ASSERT_TRUE(grid->EditMode());
        EXPECT_EQ(c.Shown(), shown[i++]);
        grid->HideInplaceEdit();
        h.ProcessMessages();
        EXPECT_FALSE(grid->EditMode());
        EXPECT_EQ(Cell(), c.Out);
        EXPECT_TRUE(grid->Focused()) << "the hidden editor gave the focus back to the grid";
    }
}

TEST_F(SpecialEditorTest, ADateOutsideASetRangeOpensOneDayInsideIt)
{
    struct TCase {
        const char16_t* In;
        double Min, Max;
        double Opened;
    };
    const TCase cases[] = {
        {u"15/07/2024", 0, Day2024_06_30, Day2024_06_29},
        {u"30/06/2024", 0, Day2024_06_30, Day2024_06_30},  // on MaxDate: unchanged
        {u"01/01/2024", Day2024_01_01, 0, Day2024_01_02},  // on MinDate: one day after
        {u"05/03/2024", Day2024_01_01, Day2024_06_30, Day2024_03_05},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf8(c.In));
        // The range is the editor's own: set before the edit, kept from one edit to the next.
        Picker()->SetMinDate(c.Min != 0 ? c.Min : -693593.0);
        Picker()->SetMaxDate(c.Max != 0 ? c.Max : 2958465.0);
        Open(edDateEdit, c.In);
        EXPECT_EQ(Picker()->Date(), c.Opened);
        grid->HideInplaceEdit();
        EXPECT_EQ(Cell(), DateToStr(c.Opened));
    }
}

// A host's own date reading: it gets the cell text and a date starting as now; what it leaves
// there is the opening date, also for a text the grid itself cannot read.
TEST_F(SpecialEditorTest, OnCustomStrToDateReadsTheTextTheDateEditorOpensWith)
{
    std::vector<std::string> texts;
    double startOffset = 1;
    grid->OnCustomStrToDate = [&](TObject* Sender, const String& Value, TDateTime& ADate) {
        EXPECT_EQ(Sender, grid);
        texts.push_back(Utf8(Value));
        startOffset = std::abs(ADate - Now());
        if (Value == u"2024.03.05") ADate = Day2024_03_05;
    };
    Open(edDateEdit, u"2024.03.05");
    EXPECT_EQ(Picker()->Date(), Day2024_03_05);
    EXPECT_LT(startOffset, 2.0 / 86400) << "the date handed over starts as now";
    grid->HideInplaceEdit();
    EXPECT_EQ(Cell(), DateToStr(Day2024_03_05));
    Open(edDateEdit, u"05/03/2024", 2);
    EXPECT_EQ(std::floor(Picker()->Date()), std::floor(Now())) << "left alone by the handler: today";
    grid->HideInplaceEdit();
    EXPECT_EQ(texts, (std::vector<std::string>{"2024.03.05", "05/03/2024"}));
}

// The editors that read their grid from their owner refuse any other owner at once.
TEST_F(SpecialEditorTest, EditorsThatNeedTheGridAsOwnerRefuseAnother)
{
    const std::pair<const char*, std::function<void()>> needGrid[] = {
        {"combo", [this] { delete new TGridCombo(form); }},
        {"spin", [this] { delete new TGridSpin(form); }},
        {"check box", [this] { delete new TGridCheckBox(form); }},
        {"date picker", [this] { delete new TGridDatePicker(form); }},
        {"rich edit", [this] { delete new TExtRichEdit(form); }},
    };
    for (const auto& [name, make] : needGrid) {
        SCOPED_TRACE(name);
        EXPECT_THROW(make(), EInvalidCast);
    }
    EXPECT_NO_THROW(delete new TGridDateTimePicker(form)) << "this one takes any owner";
    EXPECT_NO_THROW(delete new TGridDatePicker(grid));
}

TEST_F(SpecialEditorTest, AnUncheckedOrUnreadableDateStoresNothingOrTheOpeningDay)
{
    Open(edDateEdit, u"05/03/2024");
    Picker()->SetChecked(false);
    grid->HideInplaceEdit();
    EXPECT_EQ(Cell(), u"");
    Open(edDateTimeEdit, u"05/03/2024 13:45");
    DateTimePicker()->SetChecked(false);
    grid->HideInplaceEdit();
    EXPECT_EQ(Cell(), u"");
    // A text that is no date opens the editor on the present day.
    Open(edDateEdit, u"no date");
    EXPECT_EQ(Picker()->Date(), Date());
    grid->HideInplaceEdit();
    EXPECT_EQ(Cell(), DateToStr(Date()));
}

TEST_F(SpecialEditorTest, EscapeLeavesTheCellAsTheEditFoundIt)
{
    UnitBtn()->Units()->Add(u"mm");
    struct TCase {
        TEditorType Type;
        const char16_t* In;
        std::function<void()> Change;
    };
    const TCase cases[] = {
        {edEditBtn, u"abc", [this] { h.Type(u"xyz"); }},
        {edUnitEditBtn, u"12mm", [this] { h.Type(u"7"); }},
        {edUnitEditBtn, u"12", [this] { h.Type(u"7"); }},
        // Empty date cells: the editor shows the present day, which Escape must not store.
        {edDateEdit, u"", [] {}},
        {edDateEdit, u"05/03/2024", [this] { h.Press(VK_UP); }},
        {edTimeEdit, u"", [] {}},
        {edDateTimeEdit, u"", [] {}},
        {edDateTimeEdit, u"05/03/2024 13:45", [this] { DateTimePicker()->SetDateTime(Day2024_06_30); }},
        {edButton, u"Go", [] {}},
        // A plain cell would come back as a rich-text document.
        {edRichEdit, u"plain", [this] { h.Type(u"x"); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf8(EditorTypeNames[c.Type]) + " '" + Utf8(c.In) + "'");
        Open(c.Type, c.In);
        ASSERT_TRUE(grid->EditMode());
        c.Change();
        h.Press(VK_ESCAPE);
        h.ProcessMessages();
        EXPECT_FALSE(grid->EditMode());
        EXPECT_EQ(Cell(), c.In);
        EXPECT_EQ(grid->Col(), 3);
        EXPECT_EQ(grid->Row(), 1);
    }
    // The unit editor shows the cell's whole text and no unit after Escape.
    Open(edUnitEditBtn, u"12mm");
    h.Type(u"7");
    h.Press(VK_ESCAPE);
    EXPECT_EQ(UnitBtn()->Text(), u"12mm");
    EXPECT_EQ(UnitBtn()->UnitID(), u"");
}

TEST_F(SpecialEditorTest, TheNumericAndFloatButtonEditorsFilterTypedCharacters)
{
    struct TCase {
        TEditorType Type;
        const char16_t* Typed;
        const char16_t* Text;
    };
    const TCase cases[] = {
        {edNumericEditBtn, u"-1-2x", u"-12"},  // the minus sign only first and once
        {edNumericEditBtn, u"1-", u"1"},
        {edFloatEditBtn, u"-1.2.3", u"-1.23"},  // a second decimal separator is dropped
        {edFloatEditBtn, u"1,000", u"1000"},  // the thousand separator is dropped
        {edFloatEditBtn, u"1a", u"1"},
        {edEditBtn, u"-1.2.3a", u"-1.2.3a"},
        {edNumericUnitEditBtn, u"-1-2x", u"-12"},
        {edFloatUnitEditBtn, u"-1.2.3", u"-1.23"},
        {edUnitEditBtn, u"1-a", u"1-a"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf8(EditorTypeNames[c.Type]) + " " + Utf8(c.Typed));
        Open(c.Type, u"");
        h.Type(c.Typed);
        const bool unit = c.Type == edUnitEditBtn || c.Type == edNumericUnitEditBtn || c.Type == edFloatUnitEditBtn;
        EXPECT_EQ(unit ? UnitBtn()->Text() : EditBtn()->Text(), c.Text);
        h.Press(VK_ESCAPE);
    }
    // A decimal separator replacing the selected one is taken.
    Open(edFloatEditBtn, u"1.5");
    EditBtn()->SetSelStart(1);
    EditBtn()->SetSelLength(1);
    h.Type(u".");
    EXPECT_EQ(EditBtn()->Text(), u"1.5");
}

TEST_F(SpecialEditorTest, APasteLosesOneTrailingLineBreakAndPassesTheClipboardEvents)
{
    struct TCase {
        const char16_t* Clip;
        bool Refuse;
        const char16_t* Text;
    };
    const TCase cases[] = {
        {u"ab\r\n", false, u"xab"},
        {u"a\r\nb\r\n", false, u"xa\r\nb\r\n"},  // two breaks: both kept
        {u"-1x", false, u"x-1x"},  // a paste is not filtered
        {u"ab", true, u"x"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf8(c.Clip));
        bool refuse = c.Refuse;
        grid->OnClipboardPaste = [&](TObject* Sender, bool& Allow) {
            EXPECT_EQ(Sender, EditBtn());
            Allow = !refuse;
        };
        Open(edNumericEditBtn, u"x");
        EditBtn()->SetSelStart(1);
        Clipboard()->SetAsText(c.Clip);
        EditBtn()->Perform(WM_PASTE, 0, 0);
        EXPECT_EQ(EditBtn()->Text(), c.Text);
        h.Press(VK_ESCAPE);
    }
    // The handler before the cell may change the text.
    grid->OnClipboardPaste = nullptr;
    grid->OnClipboardBeforePasteCell = [](TObject*, Integer ACol, Integer ARow, String& Value, bool&) {
        Value = IntToStr(ACol) + u"," + IntToStr(ARow) + u":" + Value;
    };
    Open(edEditBtn, u"");
    Clipboard()->SetAsText(u"v");
    EditBtn()->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(EditBtn()->Text(), u"3,1:v");
    EXPECT_EQ(Cell(), u"3,1:v") << "the pasted text goes on to the cell's edit text";
}

TEST_F(SpecialEditorTest, TheEllipsisButtonPassesTheTextThroughTheGrid)
{
    std::vector<std::string> log;
    grid->OnEllipsClick = [&](TObject*, Integer ACol, Integer ARow, String& S) {
        log.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Utf8(S));
        S = u"picked";
    };
    Open(edEditBtn, u"old");
    h.Press(VK_F4);
    EXPECT_EQ(log, std::vector<std::string>{"3,1 old"});
    EXPECT_EQ(EditBtn()->Text(), u"picked");
    EXPECT_EQ(EditBtn()->SelLength(), 6) << "wholly selected";
    EXPECT_TRUE(grid->EditMode()) << "the edit goes on without StopEditAfterClick";
    h.Press(VK_RETURN);
    EXPECT_EQ(Cell(), u"picked");
    EditBtn()->StopEditAfterClick = true;
    Open(edEditBtn, u"old");
    h.Press(VK_F4);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(Cell(), u"picked");
    EXPECT_TRUE(grid->Focused());
    // The unit editor's button hands over the text alone.
    log.clear();
    UnitBtn()->Units()->Add(u"mm");
    Open(edUnitEditBtn, u"12mm");
    h.AnswerPopupMenu(u"mm");  // the unit list the button offers after the event
    UnitBtn()->DoClickBtn();
    EXPECT_EQ(log, std::vector<std::string>{"3,1 12"});
    EXPECT_EQ(UnitBtn()->Text(), u"picked");
}

TEST_F(SpecialEditorTest, AButtonEditorsRefusedValueKeepsItOpenWithTheValidatedText)
{
    grid->OnCellValidate = [](TObject*, Integer, Integer, String& Value, bool& Valid) {
        Valid = Value != u"bad";
        if (!Valid) Value = u"fixed";
    };
    struct TCase {
        Word Key;
        TEditorType Type;
    };
    for (const TCase c : {TCase{VK_RETURN, edEditBtn}, TCase{VK_TAB, edEditBtn}, TCase{VK_DOWN, edNumericEditBtn},
                          TCase{VK_RETURN, edUnitEditBtn}}) {
        SCOPED_TRACE(std::to_string(c.Key) + " " + Utf8(EditorTypeNames[c.Type]));
        Open(c.Type, u"");
        h.Type(u"bad");
        if (c.Type == edNumericEditBtn) EditBtn()->SetText(u"bad");
        h.Press(c.Key);
        EXPECT_TRUE(grid->EditMode());
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_EQ(grid->Col(), 3);
        EXPECT_EQ(grid->EditControl, c.Type) << "the editor type is the one of the edit";
        h.Press(VK_ESCAPE);
        EXPECT_EQ(Cell(), u"fixed") << "the refusal wrote its text into the cell and the edit went on from it";
    }
    // Accepted: Enter stores and ends the edit; Down stores and moves on.
    Open(edEditBtn, u"");
    h.Type(u"good");
    h.Press(VK_DOWN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(Cell(), u"good");
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(SpecialEditorTest, TabInAButtonEditorMovesOnWithGoTabsAndIsPostedToTheGridWithout)
{
    for (const bool tabs : {true, false}) {
        SCOPED_TRACE(tabs ? "goTabs" : "a validation handler");
        if (tabs) {
            grid->SetOptions(grid->Options() | goTabs);
        } else {
            grid->SetOptions(grid->Options() & ~TGridOptions(goTabs));
            grid->OnCellValidate = [](TObject*, Integer, Integer, String&, bool&) {};
        }
        Open(edEditBtn, u"");
        h.Type(u"v");
        h.Press(VK_TAB);
        h.ProcessMessages();
        // With goTabs the grid's Tab walk opens the next cell's editor (AdvanceAutoEdit).
        EXPECT_EQ(grid->EditMode(), tabs);
        EXPECT_EQ(Cell(), u"v");
        EXPECT_EQ(grid->Col(), tabs ? 4 : 3);
        // Without goTabs the grid does not take the posted Tab: the form moves on to its next
        // control.
        EXPECT_TRUE(tabs ? grid->Focused() || EditorShown() : ok->Focused());
        grid->SetFocus();
        grid->FocusCell(3, 1);
    }
    // Shift+Tab goes back.
    grid->SetOptions(grid->Options() | goTabs);
    Open(edUnitEditBtn, u"");
    h.Press(VK_TAB, ssShift);
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(SpecialEditorTest, TypeAheadCompletesFromTheLookupListUntilBackspace)
{
    TStringList items;
    items.Add(u"Alpha");
    items.Add(u"Beta");
    grid->SetLookupItems(&items);
    grid->Lookup = true;
    Open(edEditBtn, u"");
    h.Type(u"b");
    EXPECT_EQ(EditBtn()->Text(), u"beta");
    EXPECT_EQ(EditBtn()->SelStart(), 1);
    EXPECT_EQ(EditBtn()->SelLength(), 3);
    h.Press(VK_BACK);
    h.Press(VK_BACK);
    h.Type(u"a");
    EXPECT_EQ(EditBtn()->Text(), u"alpha") << "typing switches it on again";
    h.Press(VK_BACK);
    EXPECT_EQ(EditBtn()->Text(), u"a") << "Backspace removes the completion and completes nothing";
    grid->LookupCaseSensitive = true;
    h.Type(u"l");
    EXPECT_EQ(EditBtn()->Text(), u"al");
}

TEST_F(SpecialEditorTest, TheDateEditorsKeysCommitMoveOnOrRefuse)
{
    grid->Navigation()->AdvanceOnEnter = true;
    Open(edDateEdit, u"05/03/2024");
    h.Press(VK_UP);  // the day part steps
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(Cell(), u"06/03/2024");
    EXPECT_EQ(grid->Col(), 4) << "Enter advances";
    // Refused: the editor stays with the validated text and the grid does not advance.
    grid->OnCellValidate = [](TObject*, Integer, Integer, String& Value, bool& Valid) {
        Valid = false;
        Value = u"01/01/2024";
    };
    Open(edDateEdit, u"05/03/2024", 2);
    h.Press(VK_UP);
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_TRUE(grid->EditMode());
    EXPECT_EQ(Picker()->Date(), Day2024_01_01);
    EXPECT_EQ(grid->Col(), 3);
    h.Press(VK_ESCAPE);
    EXPECT_EQ(Cell(2), u"01/01/2024") << "the refusal wrote its text into the cell and the edit went on from it";
}

TEST_F(SpecialEditorTest, AnUncheckedDateAndTimeEditorStoresNothingOnTabAsOnEnter)
{
    grid->SetOptions(grid->Options() | goTabs);
    for (const Word key : {Word(VK_TAB), Word(VK_RETURN)}) {
        SCOPED_TRACE(key == VK_TAB ? "Tab" : "Enter");
        Open(edDateTimeEdit, u"05/03/2024 13:45");
        DateTimePicker()->SetChecked(false);
        h.Press(key);
        h.ProcessMessages();
        // Tab walks on and opens the next cell's editor (AdvanceAutoEdit); Enter only ends.
        EXPECT_EQ(grid->EditMode(), key == VK_TAB);
        EXPECT_EQ(Cell(), u"");
        EXPECT_EQ(grid->Col(), key == VK_TAB ? 4 : 3);
    }
    // Checked, Tab stores what the commit formats.
    Open(edDateTimeEdit, u"05/03/2024 13:45");
    h.Press(VK_TAB);
    EXPECT_EQ(Cell(), u"05/03/2024 13:45");
}

TEST_F(SpecialEditorTest, ADigitInTheDateEditorMovesToTheNextPartUnlessOnlyTheYearChanged)
{
    Open(edDateEdit, u"05/03/2024");
    const Integer day = Picker()->CurrentField();
    h.Type(u"1");
    h.ProcessMessages();
    EXPECT_EQ(Picker()->Date(), 45352.0) << "the day became 1 (python: date(2024, 3, 1))";
    EXPECT_NE(Picker()->CurrentField(), day) << "the changed day moves the caret on";
    const Integer month = Picker()->CurrentField();
    h.Press(VK_RIGHT);
    const Integer year = Picker()->CurrentField();
    ASSERT_NE(year, month);
    h.Type(u"2");
    h.ProcessMessages();
    EXPECT_EQ(Picker()->CurrentField(), year) << "a changed year alone stays";
    std::vector<Char> keys;
    grid->OnKeyPress = [&](TObject* Sender, Char& Key) {
        EXPECT_EQ(Sender, grid);
        keys.push_back(Key);
    };
    h.Type(u"0");
    EXPECT_EQ(keys, std::vector<Char>{u'0'}) << "every character is shown to the grid";
}

TEST_F(SpecialEditorTest, TheCellButtonExchangesItsCaptionAndGivesArrowsAndEscapeToTheGrid)
{
    std::vector<std::string> log;
    grid->OnEllipsClick = [&](TObject*, Integer, Integer, String& S) {
        log.push_back("ellips " + Utf8(S));
        S = u"Done";
    };
    grid->OnButtonClick = [&](TObject*, Integer ACol, Integer ARow) {
        log.push_back("click " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    Open(edButton, u"Go");
    h.Press(VK_SPACE);
    EXPECT_EQ(log, (std::vector<std::string>{"ellips Go", "click 3,1"}));
    EXPECT_EQ(grid->Btn()->Caption(), u"Done");
    EXPECT_EQ(Cell(), u"Done");
    // Escape writes back the text the edit began with and reaches the grid.
    h.Press(VK_ESCAPE);
    EXPECT_EQ(Cell(), u"Go");
    EXPECT_FALSE(grid->Btn()->Visible());
    EXPECT_TRUE(grid->Focused());
    // An arrow moves the grid.
    Open(edButton, u"Go");
    h.Press(VK_DOWN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(grid->Btn()->Visible());
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_TRUE(grid->Focused());
    // A click passes the caption too.
    log.clear();
    Open(edButton, u"Go");
    h.Click(grid->Btn());
    EXPECT_EQ(log, (std::vector<std::string>{"ellips Go", "click 3,1"}));
}

TEST_F(SpecialEditorTest, OutsideTextCommittedUnchangedTwiceGivesTheSameTextTheSecondTime)
{
    UnitBtn()->Units()->Add(u"mm");
    UnitBtn()->Units()->Add(u"m");
    const TEditorType types[] = {edEditBtn,      edNumericEditBtn, edFloatEditBtn,   edMaskEditBtn,
                                 edUnitEditBtn,  edDateEdit,       edDateEditUpDown, edTimeEdit,
                                 edDateTimeEdit, edButton,         edRichEdit};
    const String texts[] = {u"",
                            u"a\r\nb\r\n",
                            String(1, Char(0)) + u"x\t\x1b",
                            u"\u0100\u4e2d\U0001F600",
                            u"5mmm",
                            u"31/02/2024",
                            u"99:99",
                            u"{\\rtf1 {\\b bold}}",
                            u"{\\rtf1 {"};
    for (const TEditorType t : types) {
        for (const String& text : texts) {
            SCOPED_TRACE(Utf8(EditorTypeNames[t]) + " '" + Utf8(text) + "'");
            Open(t, text);
            grid->HideInplaceEdit();
            const String first = Cell();
            Open(t, first);
            grid->HideInplaceEdit();
            EXPECT_EQ(Cell(), first);
        }
    }
}

}  // namespace
}  // namespace gw::test
