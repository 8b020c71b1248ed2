// The gateway parameter file ParGen.xml: its elements in file order, the writer and the readers.
#pragma once

#include "platform/runtime/types.h"

#include <array>

namespace gw {

class TXMLDocument;

inline constexpr StringView ParGen_File_Name = u"ParGen.xml";
inline constexpr StringView ParGen_Root = u"Par_Gen";
inline constexpr StringView ParGen_Version_Comment = u"SW_VERSION = 1.001";
// The master side's EtherNet/IP port is fixed: shown and written as this whatever a file holds.
inline constexpr StringView ParGen_Master_Port = u"44818";

// The elements this model writes, in file order (the index into ParGen_Elements()).
enum TParGenKey : int {
    pgMaster_IP1,
    pgMaster_IP2,
    pgMaster_IP3,
    pgMaster_IP4,
    pgMaster_SM1,
    pgMaster_SM2,
    pgMaster_SM3,
    pgMaster_SM4,
    pgMaster_GAT1,
    pgMaster_GAT2,
    pgMaster_GAT3,
    pgMaster_GAT4,
    pgMaster_EN_GAT,
    pgMaster_Port,
    pgEthernet_IP1,
    pgEthernet_IP2,
    pgEthernet_IP3,
    pgEthernet_IP4,
    pgEthernet_SM1,
    pgEthernet_SM2,
    pgEthernet_SM3,
    pgEthernet_SM4,
    pgEthernet_GAT1,
    pgEthernet_GAT2,
    pgEthernet_GAT3,
    pgEthernet_GAT4,
    pgEthernet_EN_GAT,
    pgEthernet_DNS1,
    pgEthernet_DNS2,
    pgEthernet_DNS3,
    pgEthernet_DNS4,
    pgEthernet_EN_DNS,
    pgEthernet_TCP_Port,
    pgEthernet_UDP_Port,
    ParGen_Count
};

enum TParGenKind { pkOctet, pkFlag, pkPort };

// One element: its name, the parameter window's default text and, when the image builder reads
// it, the builder's default. The two readers differ on purpose (Ethernet_IP4: "10" against 6).
struct TParGenElement {
    StringView Name;
    TParGenKind Kind = pkOctet;
    StringView WindowDefault;
    bool ImageReads = false;
    Integer ImageDefault = 0;
};

const std::array<TParGenElement, ParGen_Count>& ParGen_Elements();

// Values as the window holds them, one text per element in file order.
using TParGenTexts = std::array<String, ParGen_Count>;
// Values as the image builder takes them: octets in their low 8 bits, ports in their low 16,
// flags 1 or 0; elements the builder does not read hold 0.
using TParGenNumbers = std::array<Integer, ParGen_Count>;

TParGenTexts ParGen_Window_Defaults();

// Replaces the file with the root, the version comment after it at document level and the 34
// elements in order. Flags are written "1" when their text is "1" and "0" otherwise; the master
// port is always "44818". Doc is emptied first and serves as the working document.
void Write_ParGen(TXMLDocument& Doc, const String& FileName, const TParGenTexts& Values);

// The window's reader: each element's text (empty stays empty), its window default when the
// element is missing or holds more than text; flags "1" when the text is exactly "1", else "0";
// the master port "44818". A missing file gives every default; a file that is not well-formed
// raises EXmlError.
TParGenTexts Read_ParGen_Window(TXMLDocument& Doc, const String& FileName);

// The image builder's reader: each element it reads through the integer conversion with the
// builder's default (also for a missing or empty element or a text that is not a number).
TParGenNumbers Read_ParGen_Image(TXMLDocument& Doc, const String& FileName);

// Keys of other gateway models of the family, read by the description-file writers; the window
// of this model never writes them.
inline constexpr StringView ParGen_PROFINET_NAME_STA = u"PROFINET_NAME_STA";
inline constexpr StringView ParGen_PROFINET_NB_IN = u"PROFINET_NB_IN";
inline constexpr StringView ParGen_PROFINET_NB_OUT = u"PROFINET_NB_OUT";
inline constexpr StringView ParGen_BACnet_Type = u"BACnet_Type";
inline constexpr StringView ParGen_BACnet_DEV_IDE = u"BACnet_DEV_IDE";
inline constexpr StringView ParGen_BACnet_Ser_DEV_IDE = u"BACnet_Ser_DEV_IDE";
inline constexpr StringView ParGen_BACnet_Desc_Chars_Limit = u"BACnet_Desc_Chars_Limit";

// One element's text; false (Value untouched) when the file or the element is missing or the
// element holds more than text, so that each reader applies its own default.
bool Read_ParGen_Key(TXMLDocument& Doc, const String& FileName, StringView Name, String& Value);

}  // namespace gw
