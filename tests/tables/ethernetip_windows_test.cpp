// The slaves table window and the EDS chooser on the headless back end: loading, checking and
// saving the slaves file, the row buttons, the header hints and the import through the chooser.
#include "core/program_state.h"
#include "core/slaves_file.h"
#include "grid/foundation/search_footer.h"
#include "grid/interaction/grid_combo.h"
#include "grid/model/ext_column_grid.h"
#include "imagebutton/img_button.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/timer.h"
#include "tables/ethernetip_eds.h"
#include "tables/ethernetip_master_access.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

String Path(const std::filesystem::path& P) { return Utf8ToString(P.string()); }
std::string Data(const std::string& Name) { return std::string(GW_TEST_DATA) + "/" + Name; }

class SlavesWindowTest : public ::testing::Test {
protected:
    SlavesWindowTest()
    {
        m_savedPath = ProgramState.Path_EtherNetIP_Master_Rules;
        ProgramState.Path_EtherNetIP_Master_Rules = Path(file);
        Application->CreateForm(FEtherNetIP_Master_Access);
        Application->CreateForm(FEtherNEtIP_EDS);
        win = FEtherNetIP_Master_Access;
    }
    ~SlavesWindowTest() override { ProgramState.Path_EtherNetIP_Master_Rules = m_savedPath; }

    // Shows the window modally and runs Action inside it; the window is then cancelled unless the
    // action ended it.
    TModalResult Show(const std::function<void()>& Action)
    {
        h.AnswerModal(u"TFEtherNetIP_Master_Access", [this, Action](TCustomForm& Form) {
            h.ProcessMessages();
            Action();
            if (Form.ModalResult == mrNone) Form.ModalResult = mrCancel;
        });
        return win->ShowModal();
    }
    // Data row r as "c1|c2|...|c14".
    std::string Row(Integer R) const
    {
        std::string row;
        for (Integer c = 1; c < Slaves_Col_Count; ++c)
            row += (c > 1 ? "|" : "") + StringToUtf8(win->ACG->GetCellEx(c, R));
        return row;
    }
    void Set_Row(Integer R, const std::vector<const char*>& Cells)
    {
        for (std::size_t c = 0; c < Cells.size(); ++c) win->ACG->SetCellEx(static_cast<Integer>(c) + 1, R, S(Cells[c]));
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const String& m : h.MessagesShown()) texts.push_back(StringToUtf8(m));
        return texts;
    }

    THarness h;
    ScratchDir dir{"tables-slaves"};
    std::filesystem::path file = dir / "EtherNetIP_Master_Rules.xml";
    TFEtherNetIP_Master_Access* win = nullptr;

private:
    String m_savedPath;
};

const std::vector<const char*> kGood = {"Y", "192.168.1.10", "0", "10",  "0",       "20",      "1000",
                                        "1", "100",          "1", "101", "Default", "Default", " slave one "};
const std::string kGoodRow = "Y|192.168.1.10|0|10|0|20|1000|1|100|1|101|Default|Default| slave one ";
const std::string kResetRow = "Y|||||||||||||";

TEST_F(SlavesWindowTest, WindowIsLaidOutAsTheTableOfSlaves)
{
    EXPECT_EQ(win->ClientWidth(), 1180);
    EXPECT_EQ(win->ClientHeight(), 337);
    EXPECT_EQ(win->ACG->ColCount(), 15);
    EXPECT_EQ(win->ACG->RowCount(), 11);
    EXPECT_EQ(win->ACG->Columns()->Items(scEnable)->Editor(), edDataCheckBox);
    EXPECT_EQ(win->ACG->Columns()->Items(scDim_Header_T_O)->Editor(), edComboEdit);
    EXPECT_EQ(win->ACG->Columns()->Items(scDim_Header_O_T)->ComboItems()->Text(), u"Default\r\n");
    EXPECT_EQ(win->ACG->Columns()->Items(scIP_Address)->Width(), 110);
    EXPECT_EQ(win->ACG->Columns()->Items(scIP_Address)->Color(), TColor(0xFEFAE0));
    EXPECT_EQ(win->Btn_Import_EDS->Left(), 724);
    EXPECT_EQ(win->Btn_PasteRow->Left(), 606);
    EXPECT_EQ(win->OD_EDS->Filter, u"EtherNet/IP EDS (*.eds)|*.eds");
    EXPECT_EQ(win->Caption(), u"Set EtherNet/IP Slaves Access");
    EXPECT_EQ(win->ACG->GetCellEx(scDim_Header_T_O, 0), u"Dim Header T > O");
    EXPECT_EQ(win->Hint.Count(), 14);
}

TEST_F(SlavesWindowTest, BothGridsCarryTheSearchFooterTextsAndHideIt)
{
    for (TExtColumnGrid* grid : {win->ACG, FEtherNEtIP_EDS->ACG}) {
        const TSearchFooter* footer = grid->SearchFooter();
        EXPECT_FALSE(footer->Visible());
        EXPECT_EQ(footer->FindNextCaption(), u"Find &next");
        EXPECT_EQ(footer->FindPrevCaption(), u"Find &previous");
        EXPECT_EQ(footer->HighLightCaption(), u"Highlight");
        EXPECT_EQ(footer->MatchCaseCaption(), u"Match case");
        EXPECT_EQ(footer->HintFindNext(), u"Find next occurrence");
        EXPECT_EQ(footer->HintFindPrev(), u"Find previous occurrence");
        EXPECT_EQ(footer->HintHighlight(), u"Highlight occurrences");
        EXPECT_EQ(footer->HintClose(), u"Close");
    }
}

TEST_F(SlavesWindowTest, ShowingLoadsTheFileWithDefaultsForMissingAttributes)
{
    struct TCase {
        const char* Name;
        const char* File;  // nullptr: no file
        std::vector<std::string> Rows;  // rows 1 to 3
        std::vector<std::string> Messages;
    };
    const std::vector<TCase> cases = {
        {"no file", nullptr, {kResetRow, kResetRow, kResetRow}, {}},
        {"two rows, the second without Enable and T > O header",
         "<EtherNetIP_Master_Access><row Enable=\"Y\" IP_Address=\"10.0.0.1\" Start_Input=\"0\" Num_Input=\"4\" "
         "Start_Output=\"0\" Num_Output=\"4\" Time_Poll=\"100\" Instance_T_O=\"1\" Connection_Point_T_O=\"100\" "
         "Instance_O_T=\"1\" Connection_Point_O_T=\"101\" Dim_Header_T_O=\"0\" Dim_Header_O_T=\"4\" Mnemonic=\"a\"/>"
         "<row IP_Address=\" 10.0.0.2 \" Mnemonic=\"b\"/></EtherNetIP_Master_Access>",
         {"Y|10.0.0.1|0|4|0|4|100|1|100|1|101|0|4|a", "N| 10.0.0.2 ||||||||||Default|Default|b", kResetRow},
         {}},
        {"broken file", "<EtherNetIP_Master_Access><row Enable=", {kResetRow, kResetRow, kResetRow}, {"?"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove(file);
        if (c.File) writeBytes(file, c.File);
        win->ACG->SetCellEx(scMnemonic, 1, u"left from before");
        const std::size_t shown = h.MessagesShown().size();
        if (!c.Messages.empty()) h.AnswerMessage(u"", mrOk);
        std::vector<std::string> rows;
        Show([&] {
            for (Integer r = 1; r <= 3; ++r) rows.push_back(Row(r));
            EXPECT_EQ(win->ACG->GetCellEx(0, 3), u"3");
        });
        EXPECT_EQ(rows, c.Rows);
        EXPECT_EQ(h.MessagesShown().size() - shown, c.Messages.size()) << "an unreadable file is said";
    }
}

TEST_F(SlavesWindowTest, OkWritesTheCheckedTableAndCloses)
{
    const TModalResult result = Show([&] {
        Set_Row(1, kGood);
        Set_Row(3, kGood);
        win->ACG->SetCellEx(scIP_Address, 3, u"192.168.1.11");
        win->ACG->SetCellEx(scEnable, 4, u"N");
        win->ACG->SetCellEx(scIP_Address, 4, u"garbage");
        win->Btn_OKClick();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(h.MessagesShown().empty());
    int rc = -1;
    runCommand("xmllint --noout '" + file.string() + "'", &rc);
    EXPECT_EQ(rc, 0);
    // Written untrimmed, each row with an address; the gap of row 2 closes up.
    std::vector<std::string> rows;
    Show([&] {
        for (Integer r = 1; r <= 4; ++r) rows.push_back(Row(r));
    });
    // Cells are written as they are: the empty header cells of the disabled row stay empty.
    EXPECT_EQ(
        rows,
        (std::vector<std::string>{kGoodRow, "Y|192.168.1.11|0|10|0|20|1000|1|100|1|101|Default|Default| slave one ",
                                  "N|garbage||||||||||||", kResetRow}));
    EXPECT_NE(readBytes(file).find("<!--SW_VERSION = 1.009-->"), std::string::npos);
}

TEST_F(SlavesWindowTest, FailedCheckOrWriteKeepsTheWindowOpenWithTheEdits)
{
    struct TCase {
        const char* Name;
        const char* Poll;
        bool MissingFolder;
        std::string Message;
        String Comment = u" slave one ";
    };
    // An XML file cannot hold a NUL or another control character (a pasted one): the write is
    // refused with the reason, never saved cut short or as a file other readers refuse.
    const std::vector<TCase> cases = {
        {"poll time 0 in row 2", "0", false, "Error row 2!! Poll Time must be between 1 and 100000000"},
        {"folder missing", "1000", true, ""},
        {"NUL in the comment", "1000", false, "NUL", String(u"slave") + u'\0' + u"one"},
        {"control character in the comment", "1000", false, "control character U+0007", u"slave\u0007one"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove(file);
        if (c.MissingFolder) ProgramState.Path_EtherNetIP_Master_Rules = Path(dir / "missing" / "slaves.xml");
        h.AnswerMessage(u"", mrOk);
        const std::size_t shown = h.MessagesShown().size();
        TModalResult during = mrNone;
        std::string row;
        Show([&] {
            Set_Row(2, kGood);
            win->ACG->SetCellEx(scTime_Poll, 2, S(c.Poll));
            win->ACG->SetCellEx(Slaves_Col_Count - 1, 2, c.Comment);
            win->Btn_OKClick();
            during = win->ModalResult;
            row = Row(2);
        });
        EXPECT_EQ(during, mrNone);
        ASSERT_EQ(h.MessagesShown().size(), shown + 1);
        if (!c.Message.empty()) {
            EXPECT_NE(StringToUtf8(h.MessagesShown().back()).find(c.Message), std::string::npos);
        }
        EXPECT_EQ(row.substr(0, 14), "Y|192.168.1.10");
        EXPECT_EQ(win->ACG->GetCellEx(Slaves_Col_Count - 1, 2), c.Comment) << "the edit is kept";
        EXPECT_FALSE(std::filesystem::exists(file));
        ProgramState.Path_EtherNetIP_Master_Rules = Path(file);
    }
}

TEST_F(SlavesWindowTest, DeleteAsksWithTheRowNumberAndCopyLastsOneShowing)
{
    std::vector<std::string> rows;
    Show([&] {
        Set_Row(3, kGood);
        win->ACG->SetRowEx(3);
        h.AnswerMessage(u"Are you sure to delete the Row number 3", mrNo);
        win->Btn_DelRowClick();
        rows.push_back(Row(3));
        h.AnswerMessage(u"Are you sure to delete the Row number 3", mrYes);
        win->Btn_DelRowClick();
        rows.push_back(Row(3));
        rows.push_back(Row(10));
        win->Btn_InsRowClick();
        rows.push_back(Row(3));
        Set_Row(1, kGood);
        win->ACG->SetRowEx(1);
        win->Btn_CopyRowClick();
        win->ACG->SetRowEx(2);
        win->Btn_PasteRowClick();
        rows.push_back(Row(2));
    });
    EXPECT_EQ(rows, (std::vector<std::string>{kGoodRow, kResetRow, "|||||||||||||", kResetRow, kGoodRow}));
    // The next showing has copied nothing yet.
    h.AnswerMessage(u"Copy a valid row", mrOk);
    Show([&] {
        EXPECT_FALSE(win->Do_Copy);
        win->ACG->SetRowEx(2);
        win->Btn_PasteRowClick();
    });
    EXPECT_EQ(StringToUtf8(h.MessagesShown().back()), "Error!!! Copy a valid row before Paste it");
}

TEST_F(SlavesWindowTest, EnterTypedInTheGridGoesToTheNextCellWithTheSwitchOn)
{
    struct TCase {
        bool Switch;
        Integer Col;
    };
    for (const TCase& c : {TCase{true, 3}, TCase{false, 2}}) {
        ProgramState.Jump_Field_Enabled = c.Switch;
        Integer col = -1, row = -1;
        Show([&] {
            win->ACG->SetFocus();
            win->ACG->SetCol(2);
            win->ACG->SetRowEx(4);
            h.Press(VK_RETURN);
            col = win->ACG->Col();
            row = win->ACG->GetRowEx();
        });
        ProgramState.Jump_Field_Enabled = false;
        EXPECT_EQ(col, c.Col) << c.Switch;
        EXPECT_EQ(row, 4) << c.Switch;
    }
}

// Space on Enable toggles the box through the grid's own key handling, before the key events,
// and opens no editor; a second Space toggles it back.
TEST_F(SlavesWindowTest, SpaceOnEnableTogglesItBeforeTheKeyEventsAndOpensNoEditor)
{
    std::vector<std::string> log;
    std::vector<String> texts;
    bool editor = true;
    Show([&] {
        TExtColumnGrid* g = win->ACG;
        g->OnCheckBoxClick = [&](TObject*, Integer ACol, Integer ARow, bool State) {
            log.push_back("check box click " + std::to_string(ACol) + "," + std::to_string(ARow) +
                          (State ? " on" : " off"));
        };
        g->OnKeyDown = [&](TObject*, Word& Key, TShiftState) { log.push_back("keydown " + std::to_string(Key)); };
        g->OnKeyPress = [&](TObject*, Char& Key) { log.push_back("keypress " + std::to_string(Key)); };
        g->SetCellEx(scEnable, 3, u"N");
        g->SetFocus();
        g->FocusCell(scEnable, 3);
        h.ProcessMessages();
        for (int i = 0; i < 2; ++i) {
            h.Press(VK_SPACE);
            h.ProcessMessages();
            texts.push_back(g->GetCellEx(scEnable, 3));
        }
        editor = g->EditorMode();
    });
    EXPECT_EQ(texts, (std::vector<String>{u"Y", u"N"}));
    EXPECT_FALSE(editor) << "a check box opens no editor";
    const std::string col = std::to_string(scEnable);
    EXPECT_EQ(log,
              (std::vector<std::string>{"check box click " + col + ",3 on", "keydown 32", "keypress 32",
                                        "check box click " + col + ",3 off", "keydown 32", "keypress 32"}));
}

// Both "Dim Header" columns open the combo editor with the column's one item: picked from the
// list it is stored as shown, and a typed value is kept as typed (the combo takes free text).
TEST_F(SlavesWindowTest, DimHeaderColumnsPickDefaultFromTheComboOrTakeTypedText)
{
    for (Integer col : {scDim_Header_T_O, scDim_Header_O_T}) {
        std::vector<String> items;
        String picked, typed;
        Show([&] {
            win->ACG->SetFocus();
            win->ACG->FocusCell(col, 2);
            h.ProcessMessages();
            h.Type(u"x");
            h.ProcessMessages();
            TGridCombo* combo = win->ACG->Combobox();
            ASSERT_TRUE(combo->Visible()) << col;
            for (Integer i = 0; i < combo->Items()->Count(); ++i) items.push_back(combo->Items()->Strings(i));
            h.Press(VK_DOWN, ssAlt);
            ASSERT_TRUE(combo->DroppedDown()) << col;
            const TRect item = combo->ListPopup()->ItemRect(0);
            h.Click(combo->ListPopup(), TPoint{item.Left + 4, (item.Top + item.Bottom) / 2});
            h.ProcessMessages();
            h.Press(VK_RETURN);
            h.ProcessMessages();
            picked = win->ACG->GetCellEx(col, 2);

            win->ACG->FocusCell(col, 3);
            h.ProcessMessages();
            h.Type(u"Custom");
            h.Press(VK_RETURN);
            h.ProcessMessages();
            typed = win->ACG->GetCellEx(col, 3);
        });
        EXPECT_EQ(items, std::vector<String>{u"Default"}) << col;
        EXPECT_EQ(picked, u"Default") << col;
        EXPECT_EQ(typed, u"Custom") << col;
    }
}

// Ctrl+F in the slaves grid opens its search footer; typing a slave's address moves to that cell.
TEST_F(SlavesWindowTest, CtrlFFindsASlaveByItsAddress)
{
    bool shown = false;
    TPoint found{-1, -1};
    Show([&] {
        Set_Row(1, kGood);
        std::vector<const char*> other = kGood;
        other[1] = "192.168.1.11";
        Set_Row(2, other);
        other[1] = "192.168.1.12";
        Set_Row(3, other);
        win->ACG->SetFocus();
        win->ACG->FocusCell(1, 1);
        h.ProcessMessages();
        h.Press('F', ssCtrl);
        h.ProcessMessages();
        shown = win->ACG->SearchFooter()->Visible();
        h.Type(u"192.168.1.12");
        h.ProcessMessages();
        found = TPoint{win->ACG->Col(), win->ACG->GetRowEx()};
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(found, (TPoint{2, 3}));
}

TEST_F(SlavesWindowTest, HeaderCellsShowTheirColumnHint)
{
    struct TCase {
        Integer Row;
        Integer Col;
        const char* Hint;
    };
    const std::vector<TCase> cases = {
        {0, 1, "Enable or Disable the Row"},
        {0, 14, "Description of Slave EtherNet/IP"},
        {0, 12, "Insert the Dimension Header Target To Oginator (T > O). Default Value 0"},
        {0, 0, "grid's own"},
        {3, 2, "grid's own"},
    };
    for (const TCase& c : cases) {
        String hint = u"grid's own";
        win->ACG->OnGridHint(win->ACG, c.Row, c.Col, hint);
        EXPECT_EQ(StringToUtf8(hint), c.Hint) << c.Row << "," << c.Col;
    }
}

// The import's steps as they happen, and the target rows afterwards.
class ImportTest : public SlavesWindowTest {
protected:
    // Runs the import inside a showing: the file dialog answered with FileName (empty: cancelled),
    // the chooser (if shown) handed to Chooser. Returns rows 1 to 3.
    std::vector<std::string> Import(const std::string& FileName, const std::function<void(TFEtherNEtIP_EDS&)>& Chooser,
                                    const std::function<void()>& Before = {})
    {
        h.AnswerModal(u"TFEtherNEtIP_EDS", [this, Chooser](TCustomForm& Form) {
            auto& chooser = dynamic_cast<TFEtherNEtIP_EDS&>(Form);
            h.Log.Add("chooser " + StringToUtf8(chooser.EDS_FileName) + " rows " +
                      std::to_string(chooser.ACG->RowCount()));
            Chooser(chooser);
        });
        std::vector<std::string> rows;
        Show([&] {
            Set_Row(1, kGood);
            if (Before) Before();
            h.AnswerFileDialog(S(FileName));
            h.Click(win->Btn_Import_EDS);
            h.Log.Add("dialogs " + std::to_string(h.FileDialogsShown().size()));
            for (Integer r = 1; r <= 3; ++r) rows.push_back(Row(r));
        });
        return rows;
    }
};

TEST_F(ImportTest, ChosenConnectionFillsTheSixCellsOfTheFirstFreeRow)
{
    const auto rows = Import(Data("DEVICE.EDS"), [](TFEtherNEtIP_EDS& C) {
        C.ACG->SetRowEx(2);
        C.ModalResult = mrOk;
    });
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"chooser " + Data("DEVICE.EDS") + " rows 3", "dialogs 1"}));
    EXPECT_EQ(rows, (std::vector<std::string>{kGoodRow, "Y|||||||6|113|5|112|2|3|", kResetRow}));
    EXPECT_EQ(h.FileDialogsShown().front().Filter, u"EtherNet/IP EDS (*.eds)|*.eds");
}

TEST_F(ImportTest, ConnectionChosenWithTheMouse)
{
    const auto rows = Import(Data("DEVICE.EDS"), [this](TFEtherNEtIP_EDS& C) {
        h.ProcessMessages();
        const TRect cell = C.ACG->CellRect(ecConnection_Name, 2);
        h.Click(C.ACG, {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
        h.Click(C.Btn_OK);
    });
    EXPECT_EQ(rows[1], "Y|||||||6|113|5|112|2|3|");
}

TEST_F(ImportTest, FirstConnectionCopiesDefaultAsShown)
{
    const auto rows = Import(Data("DEVICE.EDS"), [](TFEtherNEtIP_EDS& C) {
        EXPECT_EQ(C.ACG->GetCellEx(ecConnection, 1), u"Connection1");
        EXPECT_EQ(C.ACG->GetCellEx(ecConnection_Name, 1), u"\"Exclusive Owner\"");
        C.ModalResult = mrOk;
    });
    EXPECT_EQ(rows[1], "Y|||||||1|101|1|100|Default|Default|");
}

TEST_F(ImportTest, NothingChangesWithoutAChosenConnectionOrAFreeRow)
{
    struct TCase {
        const char* Name;
        std::string File;
        bool ChooserOk;
        bool Full;
        std::vector<std::string> Log;
    };
    const std::string device = Data("DEVICE.EDS");
    const std::vector<TCase> cases = {
        {"no free row", device, true, true, {"chooser " + device + " rows 3", "dialogs 1"}},
        {"chooser cancelled", device, false, false, {"chooser " + device + " rows 3", "dialogs 1"}},
        {"dialog cancelled", "", true, false, {"dialogs 1"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> before;
        const auto rows = Import(
            c.File, [&](TFEtherNEtIP_EDS& C) { C.ModalResult = c.ChooserOk ? mrOk : mrCancel; },
            [&] {
                if (c.Full)
                    for (Integer r = 2; r <= Slaves_Data_Rows; ++r) win->ACG->SetCellEx(scInstance_T_O, r, u"1");
                for (Integer r = 1; r <= 3; ++r) before.push_back(Row(r));
            });
        EXPECT_EQ(rows, before);
        auto log = h.Log.Take();
        log.back() = "dialogs 1";  // the dialog count grows over the cases
        EXPECT_EQ(log, c.Log);
    }
}

TEST_F(ImportTest, FileWithoutUsableConnectionClosesTheChooserWithAMessage)
{
    Cardinal before = 0, shown = 0;
    bool timerOn = false;
    h.AnswerMessage(u"No Valid Connection", mrOk);
    const auto rows = Import(
        Data("nothing_usable.eds"),
        [&](TFEtherNEtIP_EDS& C) {
            h.ProcessMessages();
            shown = h.Paints();
            timerOn = C.TClose->Enabled();
            EXPECT_EQ(C.ACG->RowCount(), 2);
            EXPECT_EQ(C.ACG->GetCellEx(ecConnection, 1), u"");
            h.Advance(TFEtherNEtIP_EDS::Close_Interval_Ms);
            EXPECT_EQ(C.ModalResult, mrCancel);
            EXPECT_FALSE(C.TClose->Enabled());
        },
        [&] {
            h.ProcessMessages();
            before = h.Paints();
        });
    EXPECT_GT(shown, before) << "the empty chooser is painted before it closes";
    EXPECT_TRUE(timerOn);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error!! No Valid Connection found"});
    EXPECT_EQ(rows, (std::vector<std::string>{kGoodRow, kResetRow, kResetRow}));
}

}  // namespace
}  // namespace gw::test
