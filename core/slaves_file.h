// The EtherNet/IP slaves file EtherNetIP_Master_Rules.xml: its columns, defaults and access.
#pragma once

#include "core/table_file.h"

namespace gw {

class TXMLDocument;

inline constexpr StringView Slaves_File_Name = u"EtherNetIP_Master_Rules.xml";
inline constexpr StringView Slaves_Root = u"EtherNetIP_Master_Access";
inline constexpr StringView Slaves_Version = u"1.009";
// The slaves grid: a header row and 10 data rows; column 0 holds the row number.
inline constexpr Integer Slaves_Data_Rows = 10;
inline constexpr Integer Slaves_Col_Count = 15;

// Grid columns of the slaves table; each data column is stored in the attribute of its name.
enum TSlaveColumn : Integer {
    scEnable = 1,
    scIP_Address,
    scStart_Input,
    scNum_Input,
    scStart_Output,
    scNum_Output,
    scTime_Poll,
    scInstance_T_O,
    scConnection_Point_T_O,
    scInstance_O_T,
    scConnection_Point_O_T,
    scDim_Header_T_O,
    scDim_Header_O_T,
    scMnemonic
};

// Root, version, key column (the IP address) and the 14 data columns with the window's reader
// defaults ("N" for Enable, "Default" for both header sizes, empty for the rest).
const TTableFileLayout& Slaves_File_Layout();
// The attribute that stores a grid column.
const String& Slave_Attribute(TSlaveColumn Column);

// The slaves window's write and read of its grid (header row plus 10 data rows).
void Write_Slaves_File(TXMLDocument& Doc, const String& FileName, const TCellTable& Grid);
void Read_Slaves_File(TXMLDocument& Doc, const String& FileName, TCellTable& Grid);

}  // namespace gw
