// The settings file Plenator.xml beside the executable: the user's choices between runs.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

struct TProgramState;
class TXMLDocument;

// Name of the settings file inside Exe_Dir.
inline constexpr StringView Settings_File_Name = u"Plenator.xml";

// Reads Exe_Dir/Plenator.xml into the state through the document XML1: Opened_Conf_Name,
// Device_IP_Address, Language_Name and the four switches. Each value that is missing or
// unreadable takes its default; a missing or damaged file gives every default. Opened_Conf_Dir
// is emptied (start-up reopens the configuration afterwards).
void Read_Setting(TProgramState& State, TXMLDocument& XML1);

// Writes the settings file whole from the state, replacing the old one only once the new one
// is complete. Raises EFCreateError / EWriteError when it cannot be written; the old file then
// stays as it was.
void Save_Setting(const TProgramState& State, TXMLDocument& XML1);

}  // namespace gw
