// Fuzz target: the slaves table's data check. Whenever a table passes, saving it and building
// the configuration image must succeed, with one record per checked row holding its values.
// The input is the cells of data rows 1-10 in order, columns 1-14, separated by byte 0x1F
// (characters an XML file cannot hold left out).
#include "fuzz/fuzz_support.h"

#include "core/address_checks.h"
#include "core/bank_image.h"
#include "core/slaves_file.h"
#include "core/table_file.h"
#include "core/text_table.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"
#include "platform/xml/xml_document.h"
#include "tables/slaves_check.h"

#include <string>
#include <vector>

namespace {

using namespace gw;
using gw::fuzz::Fail;

TStringTable TableOf(std::string_view bytes)
{
    TStringTable table(Slaves_Col_Count, Slaves_Data_Rows + 1);
    Integer cell = 0;
    while (cell < Slaves_Data_Rows * (Slaves_Col_Count - 1)) {
        const std::size_t cut = bytes.find('\x1F');
        // An XML file cannot hold NUL and most control characters: the save refuses a cell
        // with one, whatever the check says (the file layer's rule, tested there).
        String text = gw::fuzz::FuzzText(bytes.substr(0, cut));
        std::erase_if(text, [](Char C) { return !XmlCanStore(C); });
        table.SetCellEx(cell % (Slaves_Col_Count - 1) + 1, cell / (Slaves_Col_Count - 1) + 1, text);
        ++cell;
        if (cut == std::string_view::npos) break;
        bytes.remove_prefix(cut + 1);
    }
    return table;
}

Integer Number(const TCellTable& table, TSlaveColumn column, Integer row)
{
    return StrToInt(table.GetCellEx(column, row));
}

// The header size the check accepted: "Default" gives the direction's default.
Cardinal Header(const TCellTable& table, TSlaveColumn column, Integer row, Cardinal fallback)
{
    const String text = table.GetCellEx(column, row);
    return UpperCase(Trim(text)) == u"DEFAULT" ? fallback : static_cast<Cardinal>(StrToInt(text));
}

void CheckRecord(const TSlaveRecord& r, const TCellTable& t, Integer row, Cardinal inputSum, Cardinal outputSum)
{
    Byte b[4] = {};
    if (Split_IP_Bytes(t.GetCellEx(scIP_Address, row), b[0], b[1], b[2], b[3])) Fail("an accepted address");
    for (int i = 0; i < 4; ++i)
        if (r.IP_Address[i] != b[i]) Fail("the record's address differs from the row's");
    const std::pair<Word, TSlaveColumn> words[] = {
        {r.Start_Input, scStart_Input},   {r.Num_Input, scNum_Input},
        {r.Start_Output, scStart_Output}, {r.Num_Output, scNum_Output},
        {r.Instance_T_O, scInstance_T_O}, {r.Connection_Point_T_O, scConnection_Point_T_O},
        {r.Instance_O_T, scInstance_O_T}, {r.Connection_Point_O_T, scConnection_Point_O_T},
    };
    for (const auto& [value, column] : words)
        if (value != Number(t, column, row)) Fail("a record field differs from its checked cell");
    const Integer poll = Number(t, scTime_Poll, row);
    if (r.Time_Poll != static_cast<Cardinal>(poll) || poll < 1 || poll > 100000000) Fail("a poll time out of range");
    const Cardinal headers = Header(t, scDim_Header_T_O, row, 0) | (Header(t, scDim_Header_O_T, row, 4) << 3);
    if (r.Dim_Header != headers || headers > 63) Fail("a header size out of range");
    if (r.Input_Offset != inputSum || r.Output_Offset != outputSum) Fail("an offset that is not the running sum");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TStringTable table = TableOf(gw::fuzz::Bytes(data, size));
    static const TTextTable texts;
    if (!Controllo_Dati(table, texts).Passed) return 0;

    const auto& dir = gw::fuzz::ScratchFolder::Path();
    const String confDir = gw::fuzz::ScratchFolder::ToString(dir);
    gw::fuzz::ScratchFolder::Remove(dir / "ParGen.xml");
    TXMLDocument doc;
    Write_Slaves_File(doc, confDir + u"/" + String(Slaves_File_Name), table);
    TBankImage bank;
    bank.Build_Bank(doc, confDir);  // any error escapes and is reported
    if (bank.Image().size() != Bank_Image_Size) Fail("an image of the wrong size");

    std::size_t count = 0;
    Cardinal inputSum = 0;
    Cardinal outputSum = 0;
    for (Integer row = 1; row <= Slaves_Data_Rows; ++row) {
        if (!Slave_Row_Taken(table, row)) continue;
        const TSlaveRecord& record = bank.Slaves()[count++];
        CheckRecord(record, table, row, inputSum, outputSum);
        inputSum += record.Num_Input;
        outputSum += record.Num_Output;
    }
    if (inputSum > Slaves_Byte_Limit || outputSum > Slaves_Byte_Limit) Fail("totals past the limit");
    for (std::size_t k = count; k < Bank_Slave_Count; ++k)
        if (bank.Slaves()[k].Num_Input != 0 || bank.Slaves()[k].Time_Poll != 0) Fail("a record for no checked row");
    const auto& block = bank.Block();
    const Cardinal slaveCount = block[boSlave_Count] | (block[boSlave_Count + 1] << 8);
    if (slaveCount != count) Fail("the image counts other rows than the checked ones");
    return 0;
}
