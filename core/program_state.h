// The program-wide state of the configurator: folders, open configuration, file paths, switches.
#pragma once

#include "core/text_table.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/types.h"

#include <vector>

namespace gw {

// Outcome of creating a configuration; every refusal is the number of the text to show.
enum class TNewProjectResult : Integer {
    npCreated = 0,
    npCannotCreate = 105,  // "Error! Name project is not valid"
    npExists = 106,  // "... because directory already exists"
    npEmptyName = 107,  // "Error! Name Project is not valid"
};

// The identity of the program built: configurator code, its version, the gateway model and the
// code of its user manual.
inline constexpr StringView Configurator_Code = u"CF52818";
inline constexpr StringView Program_Version = u"1.001";
inline constexpr StringView Gateway_Model = u"GW52818";
inline constexpr StringView User_Manual_Code = u"UM52818";

// Values the program starts with when the settings file does not say otherwise.
inline constexpr StringView Default_Device_IP_Address = u"192.168.2.205";
inline constexpr StringView Default_Language_Name = u"English";

struct TProgramState {
    // Folders, without a trailing delimiter.
    String Exe_Dir;
    String Master_Dir;
    String Projects_Dir;
    String Language_Dir;

    // The open configuration; an empty folder means none is open.
    String Opened_Conf_Name;
    String Opened_Conf_Dir;

    String Main_Title = u"QuordaGate - Configurator CF52818 - RarudUra/ZU Vidira / Ethernet ";
    String SW_Code = String(Configurator_Code);
    String SW_Desc = u"RarudUra/ZU Vidira / Ethernet - Converter";

    String Device_IP_Address = String(Default_Device_IP_Address);
    Integer Update_Option_Index = 0;
    bool Update_Read_Back = true;
    String Language_Name = String(Default_Language_Name);
    bool Internet_Enabled = false;
    bool Update_Enabled = false;
    bool Jump_Field_Enabled = false;
    bool Auto_Size_Enabled = false;

    TTextTable SL_Lang;
    // Row clipboard shared by every table window, and the MIB writer's object names.
    TStringList SL_Copy_Row;
    TStringList SL_MIB_Read;
    TStringList SL_MIB_Write;

    // One full path per configuration file, derived by Set_Files; empty while none is open.
    String Path_ParGen;
    String Path_EtherNetIP_Master_Rules;
    String Path_SNMP_Trap;
    String Path_CAN_Rec_Frames;
    String Path_CAN_Send_Frames;
    String Path_BACnet_Slave_SetAccess;
    String Path_KNX_SetAccess;
    String Path_MQTT_Set_Topic;
    String Path_SDO_Server_CANopen;
    String Path_SDO_Client_CANopen;
    String Path_PDO_CANopen;

    // Exe_Dir and the three folders beside it (MASTER, PROJECTS, LANGUAGE).
    void Set_Folders(const String& ExeFolder);
    // Creates the three folders when missing; a failure is not reported.
    void Create_Folders() const;

    bool Conf_Opened() const { return !Opened_Conf_Dir.empty(); }
    // Recomputes the configuration file paths from Opened_Conf_Dir.
    void Set_Files();

    // Start-up: reopens Opened_Conf_Name when its folder exists under PROJECTS (letter case
    // aside), otherwise no configuration is open; then Set_Files. The name is kept as read.
    void Reopen_Last_Configuration();

    // The New window's OK: checks the name as typed, creates its folder and "bin", makes it
    // the open configuration and derives the paths. Refusals change nothing.
    TNewProjectResult New_Project(const String& Name);

    // The configuration folders under PROJECTS for the Open window: hidden entries left out,
    // sorted by name without regard to case.
    std::vector<String> Load_Existing_Configuration() const;
    // The folder name of the open configuration (empty when none is open).
    String Current_Conf_Folder_Name() const;
    // Entry the Open window selects first: the open configuration, else the first; -1 if none.
    Integer Open_Preselection(const std::vector<String>& SL) const;
    // The Open window's OK with its chosen name; an empty name leaves no configuration open.
    void Open_Project(const String& Name_Conf);

    // Rebuilds SL_Lang in Language_Name (falling back to English).
    void Load_Language();
};

// The one instance the whole program reads.
extern TProgramState ProgramState;

// A name a configuration folder can carry on every supported system: not empty, not "." or
// "..", no path separator, no character a folder name cannot hold, not starting with a dot
// (hidden here) and not ending in a blank or a dot.
bool Is_Valid_Conf_Name(StringView Name);

// Index of the first entry equal to snc with letters compared without regard to case; -1.
Integer Search_Open_Conf(const std::vector<String>& SL, StringView snc);

}  // namespace gw
