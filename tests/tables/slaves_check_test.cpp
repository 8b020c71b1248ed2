// Tests of the slaves table's data check and of the typed byte-path check.
#include "tables/slaves_check.h"

#include "core/bank_image.h"
#include "core/slaves_file.h"
#include "core/table_file.h"
#include "core/text_table.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

// A cell to set: data row, column, text.
struct TCell {
    Integer Row;
    TSlaveColumn Column;
    const char* Text;
};

const std::vector<const char*> kGoodRow = {"Y", "192.168.1.10", "0", "10",  "0",       "20",      "1000",
                                           "1", "100",          "1", "101", "Default", "Default", "slave"};

// The reset slaves grid (every row enabled, nothing else) with good rows at GoodRows, then Cells.
TStringTable Table(const std::vector<Integer>& GoodRows, const std::vector<TCell>& Cells)
{
    TStringTable table(Slaves_Col_Count, Slaves_Data_Rows + 1);
    Reset_Table(table, Slaves_File_Layout().Tables.front());
    for (Integer row : GoodRows)
        for (std::size_t c = 0; c < kGoodRow.size(); ++c)
            table.SetCellEx(static_cast<Integer>(c) + 1, row, S(kGoodRow[c]));
    for (const TCell& cell : Cells) table.SetCellEx(cell.Column, cell.Row, S(cell.Text));
    return table;
}

constexpr const char* kPass = "";
constexpr const char* kInputTotal = "Error!! The Total Number of Input Bytes must be between 0 and 1438";
constexpr const char* kOutputTotal = "Error!! The Total Number of Output Bytes must be between 0 and 1438";

std::string RowError(int Row, const char* Field) { return "Error row " + std::to_string(Row) + "!! " + Field; }

const char* const kIp = "IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)";
const char* const kStartIn = "Start Input must be major or equal to 0";
const char* const kNumIn = "Num Input must be major or equal to 0";
const char* const kStartOut = "Start Output must be major or equal to 0";
const char* const kNumOut = "Num Output must be major or equal to 0";
const char* const kPoll = "Poll Time must be between 1 and 100000000";
const char* const kInstTO = "Instance T > O must be between 0 and 65535. Default Value 1";
const char* const kPointTO = "Connection Point T > O must be between 0 and 65535. Default Value 100";
const char* const kInstOT = "Instance O > T must be between 0 and 65535. Default Value 1";
const char* const kPointOT = "Connection Point O > T must be between 0 and 65535. Default Value 101";
const char* const kHeadTO = "Dimension Header T > O must be between 0 and 7. Default Value 0";
const char* const kHeadOT = "Dimension Header O > T must be between 0 and 7. Default Value 4";

struct TCase {
    const char* What;
    std::vector<Integer> GoodRows;
    std::vector<TCell> Cells;
    std::string Message;  // empty: passes
    // The outcome differs from a check that ends at the first enabled row without address, or
    // compares Enable untrimmed.
    bool Changed = false;
};

std::vector<TCase> Cases()
{
    const std::vector<Integer> one = {1};
    return {
        {"reset table: every row enabled, none with an address", {}, {}, kPass},
        {"one good row", one, {}, kPass},
        {"address with blanks around it", one, {{1, scIP_Address, " 192.168.1.10 "}}, kPass},
        {"address part past 255", one, {{1, scIP_Address, "192.168.1.256"}}, RowError(1, kIp)},
        {"address of three parts", one, {{1, scIP_Address, "192.168.1"}}, RowError(1, kIp)},
        {"start input at its top", one, {{1, scStart_Input, "65535"}}, kPass},
        {"start input past its top", one, {{1, scStart_Input, "65536"}}, RowError(1, kStartIn)},
        {"start input below 0", one, {{1, scStart_Input, "-1"}}, RowError(1, kStartIn)},
        {"start input empty", one, {{1, scStart_Input, ""}}, RowError(1, kStartIn)},
        {"start input with a blank after it", one, {{1, scStart_Input, "5 "}}, RowError(1, kStartIn)},
        {"start input in hexadecimal", one, {{1, scStart_Input, "0xFFFF"}}, kPass},
        {"num input at the total's limit", one, {{1, scNum_Input, "1438"}}, kPass},
        {"num input past its top", one, {{1, scNum_Input, "65536"}}, RowError(1, kNumIn)},
        {"num input not a number", one, {{1, scNum_Input, "ten"}}, RowError(1, kNumIn)},
        {"start output at its top", one, {{1, scStart_Output, "$FFFF"}}, kPass},
        {"start output past its top", one, {{1, scStart_Output, "65536"}}, RowError(1, kStartOut)},
        {"num output below 0", one, {{1, scNum_Output, "-1"}}, RowError(1, kNumOut)},
        {"num output past its top", one, {{1, scNum_Output, "65536"}}, RowError(1, kNumOut)},
        {"poll time 1", one, {{1, scTime_Poll, "1"}}, kPass},
        {"poll time at its top", one, {{1, scTime_Poll, "100000000"}}, kPass},
        {"poll time $64", one, {{1, scTime_Poll, "$64"}}, kPass},
        {"poll time 0", one, {{1, scTime_Poll, "0"}}, RowError(1, kPoll)},
        {"poll time past its top", one, {{1, scTime_Poll, "100000001"}}, RowError(1, kPoll)},
        {"poll time empty", one, {{1, scTime_Poll, ""}}, RowError(1, kPoll)},
        {"instance T > O 0", one, {{1, scInstance_T_O, "0"}}, kPass},
        {"instance T > O past its top", one, {{1, scInstance_T_O, "65536"}}, RowError(1, kInstTO)},
        {"point T > O at its top", one, {{1, scConnection_Point_T_O, "65535"}}, kPass},
        {"point T > O below 0", one, {{1, scConnection_Point_T_O, "-1"}}, RowError(1, kPointTO)},
        {"instance O > T past its top", one, {{1, scInstance_O_T, "65536"}}, RowError(1, kInstOT)},
        {"point O > T past its top", one, {{1, scConnection_Point_O_T, "65536"}}, RowError(1, kPointOT)},
        {"header \" Default \"", one, {{1, scDim_Header_T_O, " Default "}, {1, scDim_Header_O_T, "default"}}, kPass},
        {"headers 0 and 7", one, {{1, scDim_Header_T_O, "0"}, {1, scDim_Header_O_T, "7"}}, kPass},
        {"header T > O 8", one, {{1, scDim_Header_T_O, "8"}}, RowError(1, kHeadTO)},
        {"header T > O -1", one, {{1, scDim_Header_T_O, "-1"}}, RowError(1, kHeadTO)},
        {"header T > O empty", one, {{1, scDim_Header_T_O, ""}}, RowError(1, kHeadTO)},
        {"header O > T 8", one, {{1, scDim_Header_O_T, "8"}}, RowError(1, kHeadOT)},
        {"header O > T \"Defaults\"", one, {{1, scDim_Header_O_T, "Defaults"}}, RowError(1, kHeadOT)},
        {"the first bad field of a row in column order",
         one,
         {{1, scDim_Header_O_T, "8"}, {1, scTime_Poll, "0"}, {1, scStart_Input, "x"}},
         RowError(1, kStartIn)},
        {"the first bad row", {1, 2, 3}, {{3, scNum_Output, "x"}, {2, scTime_Poll, "0"}}, RowError(2, kPoll)},
        {"a disabled row of garbage",
         one,
         {{2, scEnable, "N"}, {2, scIP_Address, "garbage"}, {2, scNum_Input, "99999"}, {2, scTime_Poll, "0"}},
         kPass},
        {"a row with an empty Enable is disabled", one, {{2, scEnable, ""}, {2, scIP_Address, "x"}}, kPass},
        {"a disabled row is left out of the totals", {1, 2}, {{1, scNum_Input, "1438"}, {2, scEnable, "n"}}, kPass},
        {"a row of blanks for an address is passed over",
         one,
         {{2, scIP_Address, "   "}, {2, scTime_Poll, "0"}},
         kPass},
        {"800 + 800 input bytes", {1, 2}, {{1, scNum_Input, "800"}, {2, scNum_Input, "800"}}, kInputTotal},
        {"719 + 719 input bytes", {1, 2}, {{1, scNum_Input, "719"}, {2, scNum_Input, "719"}}, kPass},
        {"800 + 800 output bytes", {1, 2}, {{1, scNum_Output, "800"}, {2, scNum_Output, "800"}}, kOutputTotal},
        {"1439 output bytes", one, {{1, scNum_Output, "1439"}}, kOutputTotal},
        {"both totals past the limit: input first",
         {1, 2},
         {{1, scNum_Input, "800"}, {2, scNum_Input, "800"}, {1, scNum_Output, "1439"}},
         kInputTotal},
        {"a bad row reported before the totals",
         {1, 2},
         {{1, scNum_Input, "1439"}, {2, scTime_Poll, "0"}},
         RowError(2, kPoll)},
        {"a gap, then a bad row: its own number", {1, 3}, {{3, scTime_Poll, "0"}}, RowError(3, kPoll), true},
        {"a gap, then totals past 1438", {1, 3}, {{1, scNum_Input, "800"}, {3, scNum_Input, "800"}}, kInputTotal, true},
        {"the last row after gaps",
         one,
         {{10, scEnable, "Y"}, {10, scIP_Address, "10.0.0.1"}},
         RowError(10, kStartIn),
         true},
        {"\" y\" is enabled", one, {{2, scEnable, " y"}, {2, scIP_Address, "10.0.0.2"}}, RowError(2, kStartIn), true},
        {"\"Y \" is enabled", one, {{2, scEnable, "Y "}, {2, scIP_Address, "10.0.0.2"}}, RowError(2, kStartIn), true},
    };
}

TEST(SlavesCheck, EachCheckAtAndPastItsBoundsGivesPassOrItsExactMessage)
{
    const TTextTable texts;
    for (const TCase& c : Cases()) {
        SCOPED_TRACE(c.What);
        const TSlavesCheck result = Controllo_Dati(Table(c.GoodRows, c.Cells), texts);
        EXPECT_EQ(result.Passed, c.Message.empty());
        EXPECT_EQ(result.Message, S(c.Message));
    }
}

TEST(SlavesCheck, TheChangedCasesAreTheOnesAnEarlyEndOrAnUntrimmedEnableWouldPass)
{
    // The rule before: the scan ends at the first enabled row without an address, and Enable
    // is compared untrimmed. Under it every changed case passes, every other keeps its result.
    const auto oldRule = [](const TCellTable& t) {
        TStringTable copy(Slaves_Col_Count, Slaves_Data_Rows + 1);
        bool ended = false;
        for (Integer row = 1; row < t.RowCount(); ++row) {
            const String enable = t.GetCellEx(scEnable, row);
            const bool enabled = enable == u"Y" || enable == u"y";
            if (enabled && Trim(t.GetCellEx(scIP_Address, row)).empty()) ended = true;
            if (ended || !enabled) continue;
            for (Integer col = 1; col < Slaves_Col_Count; ++col) copy.SetCellEx(col, row, t.GetCellEx(col, row));
        }
        return copy;
    };
    const TTextTable texts;
    for (const TCase& c : Cases()) {
        SCOPED_TRACE(c.What);
        const TSlavesCheck before = Controllo_Dati(oldRule(Table(c.GoodRows, c.Cells)), texts);
        if (c.Changed)
            EXPECT_TRUE(before.Passed);
        else
            EXPECT_EQ(before.Message, S(c.Message));
    }
}

TEST(SlavesCheck, TheRowOfTheFaultIsReportedAndTheMessagesFollowTheLanguage)
{
    TTextTable texts;
    texts.Load_Lang_Lines(u"STR831 = Fehler Zeile\nSTR837 = !! Abfragezeit 1 bis 100000000\nSTR838 = Eingabebytes bis");
    TSlavesCheck result = Controllo_Dati(Table({1, 4}, {{4, scTime_Poll, "0"}}), texts);
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.Row, 4);
    EXPECT_EQ(result.Message, u"Fehler Zeile4!! Abfragezeit 1 bis 100000000");
    result = Controllo_Dati(Table({1}, {{1, scNum_Input, "500"}}), texts, 400, 400);
    EXPECT_EQ(result.Row, 0);
    EXPECT_EQ(result.Message, u"Eingabebytes bis400");
}

TEST(SlavesCheck, TheRowsCheckedAreExactlyTheRowsSavedAndTakenByTheImage)
{
    ScratchDir dir("tables-slaves-taken");
    // Row 2: no address; 3: " y"; 4: disabled; 5: blanks for an address; 6: enabled.
    const TStringTable table = Table({1, 3, 4, 6},
                                     {{2, scNum_Input, "70000"},
                                      {3, scEnable, " y"},
                                      {3, scNum_Input, "7"},
                                      {4, scEnable, "N"},
                                      {5, scIP_Address, "  "},
                                      {6, scIP_Address, "10.0.0.6"},
                                      {6, scNum_Input, "9"}});
    ASSERT_TRUE(Controllo_Dati(table, TTextTable()).Passed);
    TXMLDocument doc;
    Write_Slaves_File(doc, Path(dir / std::string(Slaves_File_Name.begin(), Slaves_File_Name.end())), table);
    TBankImage bank;
    bank.Build_Bank(doc, Path(dir.path()));
    std::vector<Integer> taken;
    for (Integer row = 1; row <= Slaves_Data_Rows; ++row)
        if (Slave_Row_Taken(table, row)) taken.push_back(row);
    EXPECT_EQ(taken, (std::vector<Integer>{1, 3, 6}));
    const auto& slaves = bank.Slaves();
    EXPECT_EQ(slaves[0].Num_Input, 10);
    EXPECT_EQ(slaves[1].Num_Input, 7);
    EXPECT_EQ(slaves[2].Num_Input, 9);
    EXPECT_EQ(slaves[2].IP_Address, (std::array<Byte, 4>{10, 0, 0, 6}));
    EXPECT_EQ(slaves[3].Num_Input, 0);
}

TEST(DataPathCheck, BytesInRangeAndEnoughOfThem)
{
    struct TCase {
        const char* Path;
        Integer Num_DP;
        Integer Result;
    };
    const std::vector<TCase> cases = {
        {"20,04,24,01", 4, 0},
        {"20, 04 ,24,01", 3, 0},
        {"ff,FF,0", 3, 0},
        {"20,04", 3, 2},
        {"", 0, 0},
        {"", 1, 2},
        {"100,01", 1, 1},
        {"zz,01", 1, 1},
        {"01,zz", 9, 1},
        {"01,,02", 1, 1},
        {"01,", 1, 1},
        {",01", 1, 1},
        {"0x10", 1, 1},
        {"$10", 1, 1},
        {"-1", 1, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(Err_Check_Data_Path(S(c.Path), c.Num_DP), c.Result);
    }
}

}  // namespace
}  // namespace gw::test
