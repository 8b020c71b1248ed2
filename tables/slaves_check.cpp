// The slaves table's data check before saving, and the check of a typed byte path.
#include "tables/slaves_check.h"

#include "core/address_checks.h"
#include "core/slaves_file.h"
#include "core/table_file.h"
#include "core/text_table.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"

#include <array>

namespace gw {

namespace {

// Text numbers of the check's messages.
constexpr Integer kErrorRow = 831;
constexpr Integer kInputTotal = 838;
constexpr Integer kOutputTotal = 839;

// A numeric field: its column, the accepted range and the message of a value outside it.
struct TFieldRule {
    TSlaveColumn Column;
    Integer Low;
    Integer High;
    Integer Message;
};

constexpr std::array<TFieldRule, 9> kNumberRules = {{
    {scStart_Input, 0, 65535, 833},
    {scNum_Input, 0, 65535, 834},
    {scStart_Output, 0, 65535, 835},
    {scNum_Output, 0, 65535, 836},
    {scTime_Poll, 1, 100000000, 837},
    {scInstance_T_O, 0, 65535, 845},
    {scConnection_Point_T_O, 0, 65535, 851},
    {scInstance_O_T, 0, 65535, 846},
    {scConnection_Point_O_T, 0, 65535, 852},
}};

constexpr std::array<TFieldRule, 2> kHeaderRules = {{
    {scDim_Header_T_O, 0, 7, 857},
    {scDim_Header_O_T, 0, 7, 858},
}};

constexpr Integer kAddressMessage = 832;

// The program's integer rule; a text that is no number is -1, outside every range.
Integer CellNumber(const TCellTable& Table, TSlaveColumn Column, Integer Row)
{
    return StrToIntDef(Table.GetCellEx(Column, Row), -1);
}

bool InRange(Integer Value, const TFieldRule& Rule) { return Value >= Rule.Low && Value <= Rule.High; }

bool HeaderValid(const String& Text, const TFieldRule& Rule)
{
    return UpperCase(Trim(Text)) == u"DEFAULT" || InRange(StrToIntDef(Text, -1), Rule);
}

TSlavesCheck RowFault(const TTextTable& Texts, Integer Row, Integer Message)
{
    return {false, Row, Texts[kErrorRow] + IntToStr(Row) + Texts[Message]};
}

// The first fault of one taken row (0 when none), in column order.
Integer FirstFault(const TCellTable& Table, Integer Row)
{
    String p1, p2, p3, p4;
    if (!Check_IP_Address(Table.GetCellEx(scIP_Address, Row), p1, p2, p3, p4)) return kAddressMessage;
    for (const TFieldRule& rule : kNumberRules)
        if (!InRange(CellNumber(Table, rule.Column, Row), rule)) return rule.Message;
    for (const TFieldRule& rule : kHeaderRules)
        if (!HeaderValid(Table.GetCellEx(rule.Column, Row), rule)) return rule.Message;
    return 0;
}

}  // namespace

bool Slave_Row_Taken(const TCellTable& Table, Integer Row)
{
    return !Trim(Table.GetCellEx(scIP_Address, Row)).empty() &&
        UpperCase(Trim(Table.GetCellEx(scEnable, Row))) == Table_Check_True;
}

TSlavesCheck Controllo_Dati(const TCellTable& Table, const TTextTable& Texts, Integer Num_Byte_In, Integer Num_Byte_Out)
{
    Int64 inputTotal = 0;
    Int64 outputTotal = 0;
    for (Integer row = 1; row < Table.RowCount(); ++row) {
        if (!Slave_Row_Taken(Table, row)) continue;
        if (const Integer fault = FirstFault(Table, row)) return RowFault(Texts, row, fault);
        inputTotal += CellNumber(Table, scNum_Input, row);
        outputTotal += CellNumber(Table, scNum_Output, row);
    }
    if (inputTotal > Num_Byte_In) return {false, 0, Texts[kInputTotal] + IntToStr(Num_Byte_In)};
    if (outputTotal > Num_Byte_Out) return {false, 0, Texts[kOutputTotal] + IntToStr(Num_Byte_Out)};
    return {};
}

Integer Err_Check_Data_Path(StringView Data_Path, Integer Num_DP)
{
    Integer count = 0;
    std::size_t start = 0;
    while (start < Data_Path.size()) {
        std::size_t comma = Data_Path.find(u',', start);
        if (comma == StringView::npos) comma = Data_Path.size();
        Integer value = -1;
        const String byte = u"$" + Trim(Data_Path.substr(start, comma - start));
        if (!TryStrToInt(byte, value) || value < 0 || value > 255) return 1;
        ++count;
        start = comma + 1;
        // A trailing "," leaves one more, empty, byte.
        if (comma + 1 == Data_Path.size()) return 1;
    }
    return count < Num_DP ? 2 : 0;
}

}  // namespace gw
