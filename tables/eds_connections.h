// The connections of an EDS file's [Connection Manager] section: the reader and the entry decoder.
#pragma once

#include "platform/runtime/types.h"

#include <array>
#include <cstddef>
#include <vector>

namespace gw {

class TStrings;

// One usable connection of the section, as the chooser lists it.
struct TConnData {
    // Position in the list, from 1 (not the keyword's number).
    Integer ConnIndex = 0;
    // The name and help fields of the entry as written, quotes included.
    String ConnName;
    String HelpStr;
    // Real-time format of each direction, 0..7 (0 and 4 are the gateway's defaults).
    Byte DimHeaderTO = 0;
    Byte DimHeaderOT = 4;
    Byte NumClass = 4;
    Cardinal InstanceTO = 30;
    Cardinal ConnPointTO = 0;
    Cardinal InstanceOT = 30;
    Cardinal ConnPointOT = 0;
};

using TConnList = std::vector<TConnData>;

// A connection path as bytes: at most Conn_Path_Size kept, the rest of the array zero.
inline constexpr std::size_t Conn_Path_Size = 1001;
struct TConnPath {
    std::array<Byte, Conn_Path_Size> Bytes{};
    std::size_t Count = 0;
    // The byte at Index; 0 past the kept bytes and past the array.
    Byte At(std::size_t Index) const { return Index < Count ? Bytes[Index] : Byte{0}; }
};

// The path text of an entry: double quotes removed, split at runs of spaces, each token read as
// "$" + token by the program's integer rule and kept when it lies in 0..255 (a reference in
// brackets, a token with its own "0x" or a wider number is dropped); the first 1001 kept.
TConnPath Decode_Conn_Path(StringView Text);

// Decodes one joined entry (the text after "ConnectionN ="): appends the connection to List,
// numbered Count + 1, and returns true when its path gives a class, the instances and both
// connection points; otherwise List is unchanged.
bool DecodeConnStr(StringView ConnStr, TConnList& List);

// Reads every [Connection Manager] section of the lines of an EDS file (exact case for the
// section and for "Connection"; "$" starts a comment, inside quotes too; a line without "="
// continues the entry, joined with nothing between; other keywords are ignored).
TConnList Read_Connection_Manager(const TStrings& Lines);

// The file's lines (byte-order mark, else UTF-8 when valid, else Windows-1252) read as above;
// a missing file gives the empty list.
TConnList Load_EDS_Connections(const String& FileName);

// The chooser's texts of the header columns: "Default" for the gateway's default (0 for T > O,
// 4 for O > T), else the number.
String Dim_Header_TO_Text(const TConnData& Conn);
String Dim_Header_OT_Text(const TConnData& Conn);

}  // namespace gw
