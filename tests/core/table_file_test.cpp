// Tests of the table-file convention and of the slaves file that follows it.
#include "core/slaves_file.h"
#include "core/table_file.h"

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

// A slaves grid (header row + 10 data rows, 15 columns) with the given data rows filled.
TStringTable SlavesGrid(const std::vector<std::vector<const char*>>& rows)
{
    TStringTable grid(Slaves_Col_Count, Slaves_Data_Rows + 1);
    Reset_Table(grid, Slaves_File_Layout().Tables.front());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetCellEx(static_cast<Integer>(c) + 1, static_cast<Integer>(r) + 1, S(rows[r][c]));
    return grid;
}

std::vector<const char*> FullRow(const char* enable, const char* ip, const char* mnemonic)
{
    return {enable, ip, "1", "10", "2", "20", "1000", "1", "100", "1", "101", "Default", "4", mnemonic};
}

TEST(TableFile, SlavesRoundTripKeepsEveryCellAndResetsTheRest)
{
    ScratchDir dir("core-table-roundtrip");
    const String file = Path(dir / "EtherNetIP_Master_Rules.xml");
    const TStringTable written =
        SlavesGrid({FullRow("Y", "192.168.1.10", "first"), FullRow("N", "192.168.1.11", "zweite \xC3\xA4\xE2\x82\xAC"),
                    FullRow("Y", "192.168.1.12", "<&\"'>")});
    TXMLDocument doc;
    Write_Slaves_File(doc, file, written);

    TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
    read.SetCellEx(5, 7, u"stale");
    Read_Slaves_File(doc, file, read);
    for (Integer row = 1; row <= 3; ++row)
        for (Integer col = 1; col < Slaves_Col_Count; ++col)
            EXPECT_EQ(read.GetCellEx(col, row), written.GetCellEx(col, row)) << row << "," << col;
    // Rows beyond the file: their number, "Y" to enable, the rest empty.
    for (Integer row = 4; row <= Slaves_Data_Rows; ++row) {
        EXPECT_EQ(read.GetCellEx(0, row), IntToStr(row));
        EXPECT_EQ(read.GetCellEx(scEnable, row), u"Y");
        for (Integer col = scIP_Address; col < Slaves_Col_Count; ++col)
            EXPECT_EQ(read.GetCellEx(col, row), u"") << row << "," << col;
    }
}

TEST(TableFile, RowsAfterAGapInTheKeyColumnAreKept)
{
    ScratchDir dir("core-table-gap");
    const String file = Path(dir / "EtherNetIP_Master_Rules.xml");
    // Row 3 has no address (as the Insert Row button leaves it), even though it is disabled and
    // holds other cells; rows 4-10 are filled. Row 6's key is blanks only.
    std::vector<std::vector<const char*>> rows;
    const char* ips[] = {"10.0.0.1", "10.0.0.2", "",         "10.0.0.4", "10.0.0.5",
                         "   ",      "10.0.0.7", "10.0.0.8", "10.0.0.9", "10.0.0.10"};
    for (const char* ip : ips) rows.push_back(FullRow("Y", ip, ip));
    rows[2][0] = "N";
    TXMLDocument doc;
    Write_Slaves_File(doc, file, SlavesGrid(rows));

    EXPECT_EQ(pythonDom(dir / "EtherNetIP_Master_Rules.xml",
                        "print(' '.join(r.getAttribute('IP_Address') for r in d.getElementsByTagName('row')))"),
              "10.0.0.1 10.0.0.2 10.0.0.4 10.0.0.5 10.0.0.7 10.0.0.8 10.0.0.9 10.0.0.10\n");

    TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
    Read_Slaves_File(doc, file, read);
    const char* expected[] = {"10.0.0.1", "10.0.0.2", "10.0.0.4",  "10.0.0.5", "10.0.0.7",
                              "10.0.0.8", "10.0.0.9", "10.0.0.10", "",         ""};
    for (Integer row = 1; row <= Slaves_Data_Rows; ++row)
        EXPECT_EQ(read.GetCellEx(scIP_Address, row), S(expected[row - 1])) << row;
}

TEST(TableFile, SlavesRowsCarryTheirAttributesInColumnOrder)
{
    ScratchDir dir("core-table-order");
    TXMLDocument doc;
    Write_Slaves_File(doc, Path(dir / "s.xml"), SlavesGrid({FullRow("Y", "1.2.3.4", "m")}));
    EXPECT_EQ(pythonDom(dir / "s.xml", "print(' '.join(d.getElementsByTagName('row')[0].attributes.keys()))"),
              "Enable IP_Address Start_Input Num_Input Start_Output Num_Output Time_Poll Instance_T_O "
              "Connection_Point_T_O Instance_O_T Connection_Point_O_T Dim_Header_T_O Dim_Header_O_T Mnemonic\n");
}

TEST(TableFile, CellsAreWrittenUntrimmed)
{
    ScratchDir dir("core-table-blanks");
    const String file = Path(dir / "t.xml");
    std::vector<const char*> row = FullRow("Y", " 10.0.0.1 ", "  two  words  ");
    row[scNum_Input - 1] = " 12 ";
    TXMLDocument doc;
    Write_Slaves_File(doc, file, SlavesGrid({row}));
    EXPECT_EQ(pythonDom(dir / "t.xml",
                        "r = d.getElementsByTagName('row')[0]; "
                        "print(repr([r.getAttribute(a) for a in ('IP_Address', 'Num_Input', 'Mnemonic')]))"),
              "[' 10.0.0.1 ', ' 12 ', '  two  words  ']\n");
    TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
    Read_Slaves_File(doc, file, read);
    EXPECT_EQ(read.GetCellEx(scNum_Input, 1), u" 12 ");
    EXPECT_EQ(read.GetCellEx(scMnemonic, 1), u"  two  words  ");
}

TEST(TableFile, MissingAttributesTakeTheirColumnDefaults)
{
    TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
    TXMLDocument doc;
    Read_Slaves_File(doc, Path(fixture("table_file_missing_attributes.xml")), read);
    struct Expect {
        Integer row;
        Integer col;
        const char* text;
    };
    const Expect cases[] = {
        {1, scEnable, "Y"},
        {1, scTime_Poll, "500"},
        {1, scDim_Header_O_T, "3"},
        {1, scMnemonic, "full"},
        {2, scEnable, "N"},
        {2, scIP_Address, "10.0.0.2"},
        {2, scNum_Input, "20"},
        {2, scStart_Input, ""},
        {2, scDim_Header_T_O, "Default"},
        {2, scDim_Header_O_T, "Default"},
        {2, scMnemonic, ""},
        // The comment is a child of the root too: its row takes every default.
        {3, scEnable, "N"},
        {3, scIP_Address, ""},
        {3, scDim_Header_T_O, "Default"},
        {4, scEnable, "N"},
        {4, scIP_Address, " 10.0.0.3 "},
        {4, scMnemonic, "  keep blanks  "},
        // Past the file: reset only.
        {5, 0, "5"},
        {5, scEnable, "Y"},
        {5, scDim_Header_T_O, ""},
    };
    for (const Expect& e : cases)
        EXPECT_EQ(read.GetCellEx(e.col, e.row), S(e.text)) << "row " << e.row << " col " << e.col;
}

TEST(TableFile, VersionCommentFollowsTheRootAtDocumentLevel)
{
    ScratchDir dir("core-table-version");
    TXMLDocument doc;
    Write_Slaves_File(doc, Path(dir / "s.xml"), SlavesGrid({FullRow("Y", "1.2.3.4", "")}));
    EXPECT_EQ(readBytes(dir / "s.xml").rfind("<EtherNetIP_Master_Access", 0), 0u) << "root first";
    EXPECT_EQ(pythonDom(dir / "s.xml",
                        "print([(n.nodeType, n.nodeName, n.nodeValue) for n in d.childNodes]); "
                        "print(len(d.documentElement.getElementsByTagName('row')))"),
              "[(1, 'EtherNetIP_Master_Access', None), (8, '#comment', 'SW_VERSION = 1.009')]\n1\n");
}

// A file of two tables, each under its own element, with a check-box column of enabling.
TTableFileLayout TwoTables()
{
    const std::vector<TTableColumn> columns = {{u"Enable", u"N", true}, {u"Name", u"?"}, {u"Value", u"0"}};
    return {u"Two_Tables", u"1.001", {{u"First", 2, columns}, {u"Second", 1, columns}}};
}

TEST(TableFile, SeveralTablesGoUnderTheirElementsInOrder)
{
    ScratchDir dir("core-table-several");
    const String file = Path(dir / "two.xml");
    const TTableFileLayout layout = TwoTables();
    TStringTable first(4, 4);
    TStringTable second(4, 3);
    first.SetCellEx(2, 1, u"a");
    first.SetCellEx(3, 1, u"1");
    first.SetCellEx(1, 3, u"N");
    first.SetCellEx(2, 3, u"c");
    second.SetCellEx(1, 2, u"Y");  // key column 1: only this row of the second table
    second.SetCellEx(2, 2, u"z");
    TXMLDocument doc;
    const TCellTable* out[] = {&first, &second};
    Write_Table_File(doc, file, layout, out);
    EXPECT_EQ(pythonDom(dir / "two.xml",
                        "r = d.documentElement; "
                        "print([(t.tagName, [(x.getAttribute('Name'), x.getAttribute('Value')) "
                        "for x in t.getElementsByTagName('row')]) for t in r.childNodes if t.nodeType == 1])"),
              "[('First', [('a', '1'), ('c', '')]), ('Second', [('z', '')])]\n");

    TStringTable back1(4, 4);
    TStringTable back2(4, 3);
    TCellTable* in[] = {&back1, &back2};
    Read_Table_File(doc, file, layout, in);
    EXPECT_EQ(back1.GetCellEx(2, 2), u"c");
    EXPECT_EQ(back1.GetCellEx(1, 2), u"N");
    EXPECT_EQ(back1.GetCellEx(1, 3), u"Y");  // reset
    EXPECT_EQ(back2.GetCellEx(2, 1), u"z");
    EXPECT_EQ(back2.GetCellEx(0, 2), u"2");
}

TEST(TableFile, AMissingTableElementLeavesItsTableReset)
{
    ScratchDir dir("core-table-missing-table");
    writeBytes(dir / "t.xml", "<Two_Tables><Second><row Name=\"only\"/></Second></Two_Tables>");
    TStringTable first(4, 3);
    TStringTable second(4, 3);
    first.SetCellEx(2, 1, u"stale");
    TCellTable* in[] = {&first, &second};
    TXMLDocument doc;
    Read_Table_File(doc, Path(dir / "t.xml"), TwoTables(), in);
    EXPECT_EQ(first.GetCellEx(2, 1), u"");
    EXPECT_EQ(second.GetCellEx(2, 1), u"only");
    EXPECT_EQ(second.GetCellEx(1, 1), u"N");
    EXPECT_EQ(second.GetCellEx(3, 1), u"0");
}

TEST(TableFile, TheRootIsTheDocumentElementWhateverComesBeforeIt)
{
    ScratchDir dir("core-table-prolog");
    for (const char* prolog : {"<?xml version=\"1.0\"?>\n", "<!-- from another tool -->", "<?pi x?><!--c-->"}) {
        writeBytes(dir / "s.xml",
                   std::string(prolog) +
                       "<EtherNetIP_Master_Access><row Enable=\"Y\" IP_Address=\"10.0.0.9\"/>"
                       "</EtherNetIP_Master_Access><!--SW_VERSION = 1.009-->");
        TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
        TXMLDocument doc;
        Read_Slaves_File(doc, Path(dir / "s.xml"), read);
        EXPECT_EQ(read.GetCellEx(scIP_Address, 1), u"10.0.0.9") << prolog;
    }
}

TEST(TableFile, MoreRowsThanTheGridAreIgnored)
{
    ScratchDir dir("core-table-overflow");
    std::string xml = "<EtherNetIP_Master_Access>";
    for (int i = 1; i <= 14; ++i) xml += "<row IP_Address=\"10.0.0." + std::to_string(i) + "\"/>";
    writeBytes(dir / "s.xml", xml + "</EtherNetIP_Master_Access>");
    TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
    TXMLDocument doc;
    Read_Slaves_File(doc, Path(dir / "s.xml"), read);
    EXPECT_EQ(read.GetCellEx(scIP_Address, Slaves_Data_Rows), u"10.0.0.10");
}

TEST(TableFile, FailuresAreReportedAndLoseNothing)
{
    ScratchDir dir("core-table-failures");
    const String file = Path(dir / "s.xml");
    writeBytes(dir / "s.xml", "<EtherNetIP_Master_Access><row IP_Address=\"1.2.3.4\">");
    TStringTable read(Slaves_Col_Count, Slaves_Data_Rows + 1);
    read.SetCellEx(scIP_Address, 1, u"stale");
    TXMLDocument doc;
    EXPECT_THROW(Read_Slaves_File(doc, file, read), EXmlError);
    EXPECT_EQ(read.GetCellEx(scIP_Address, 1), u"") << "reset before the load";

    // A write that fails half-way leaves the earlier file as it was.
    const std::string before = readBytes(dir / "s.xml");
    SetAtomicWriteFaultForTesting(10);
    EXPECT_THROW(Write_Slaves_File(doc, file, SlavesGrid({FullRow("Y", "1.1.1.1", "")})), EWriteError);
    SetAtomicWriteFaultForTesting(-1);
    EXPECT_EQ(readBytes(dir / "s.xml"), before);
}

TEST(TableFile, StringTableRefusesCellsOutsideIt)
{
    TStringTable table(3, 2);
    table.SetCellEx(2, 1, u"x");
    EXPECT_EQ(table.GetCellEx(2, 1), u"x");
    EXPECT_THROW(table.GetCellEx(3, 0), EListError);
    EXPECT_THROW(table.SetCellEx(0, 2, u"y"), EListError);
    EXPECT_THROW(table.GetCellEx(-1, 0), EListError);
}

}  // namespace
}  // namespace gw::test
