// The update parameter file Ethernet_Update.xml that the update program reads: the device, the
// boot loader's ports and protection, and one operation per file to load.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TXMLDocument;

inline constexpr StringView Update_File_Name = u"Ethernet_Update.xml";
// The update program, in the program folder.
inline constexpr StringView Update_Program_Name = u"Ethernet_Update";
// The firmware of the model built, supplied in MASTER with the program.
inline constexpr StringView Firmware_File_Name = u"Sim52818.sim";

// What an update loads, as the options list offers it.
enum TUpdateOption : Integer { uoFirmware_Configuration, uoFirmware, uoConfiguration };

struct TUpdateJob {
    // The device address as typed (leading zeros kept).
    String IP_Address_Dev;
    Integer Option_Index = uoFirmware_Configuration;
    bool Read_Back = true;
    // Where the firmware and the configuration's bin folder are.
    String Master_Dir;
    String Conf_Dir;
};

// Builds the file for this model's boot loader into Doc (emptied first): the firmware step when
// the option loads firmware, then the configuration step when it loads the configuration; the
// last step starts the application.
void Build_Update_File(TXMLDocument& Doc, const TUpdateJob& Job);

// The same for another boot loader, which loads the configuration as two images bin/bank1.bin
// and bin/bank2.bin; nothing in this model uses it.
void Build_Update_File_New_Boot(TXMLDocument& Doc, const TUpdateJob& Job);

}  // namespace gw
