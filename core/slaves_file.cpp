// The EtherNet/IP slaves file EtherNetIP_Master_Rules.xml: its columns, defaults and access.
#include "core/slaves_file.h"

namespace gw {

namespace {

TTableFileLayout MakeLayout()
{
    TTableLayout table;
    table.KeyColumn = scIP_Address;
    table.Columns = {
        {u"Enable", u"N", true},
        {u"IP_Address", u""},
        {u"Start_Input", u""},
        {u"Num_Input", u""},
        {u"Start_Output", u""},
        {u"Num_Output", u""},
        {u"Time_Poll", u""},
        {u"Instance_T_O", u""},
        {u"Connection_Point_T_O", u""},
        {u"Instance_O_T", u""},
        {u"Connection_Point_O_T", u""},
        {u"Dim_Header_T_O", u"Default"},
        {u"Dim_Header_O_T", u"Default"},
        {u"Mnemonic", u""},
    };
    return {String(Slaves_Root), String(Slaves_Version), {table}};
}

}  // namespace

const TTableFileLayout& Slaves_File_Layout()
{
    static const TTableFileLayout layout = MakeLayout();
    return layout;
}

const String& Slave_Attribute(TSlaveColumn Column)
{
    return Slaves_File_Layout().Tables.front().Columns.at(static_cast<std::size_t>(Column) - 1).Attribute;
}

void Write_Slaves_File(TXMLDocument& Doc, const String& FileName, const TCellTable& Grid)
{
    const TCellTable* tables[] = {&Grid};
    Write_Table_File(Doc, FileName, Slaves_File_Layout(), tables);
}

void Read_Slaves_File(TXMLDocument& Doc, const String& FileName, TCellTable& Grid)
{
    TCellTable* tables[] = {&Grid};
    Read_Table_File(Doc, FileName, Slaves_File_Layout(), tables);
}

}  // namespace gw
