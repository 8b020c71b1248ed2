// The program-wide state: folders, configuration folders and the paths derived from them.
#include "core/program_state.h"

#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

TProgramState ProgramState;

namespace {

// Characters that a folder name cannot hold on Windows or here, besides control characters.
constexpr StringView Refused_Chars = u"/\\:*?\"<>|";

String Under(const String& Folder, StringView Leaf) { return Folder + PathDelim + String(Leaf); }

// Every configuration folder under Projects_Dir: directories only, hidden ones left out.
std::vector<String> List_Conf_Folders(const String& Projects_Dir)
{
    std::vector<String> names;
    TSearchRec rec;
    if (!Projects_Dir.empty() && FindFirst(Under(Projects_Dir, u"*"), faDirectory, rec) == 0) {
        do {
            if ((rec.Attr & faDirectory) != 0 && !rec.Name.empty() && rec.Name.front() != u'.')
                names.push_back(rec.Name);
        } while (FindNext(rec) == 0);
        FindClose(rec);
    }
    return names;
}

// The folder under Projects_Dir that carries Name, letter case aside (an exact match first);
// empty when there is none.
String Find_Conf_Folder(const String& Projects_Dir, const String& Name)
{
    const std::vector<String> names = List_Conf_Folders(Projects_Dir);
    if (std::find(names.begin(), names.end(), Name) != names.end()) return Name;
    const auto same =
        std::find_if(names.begin(), names.end(), [&Name](const String& n) { return AnsiSameText(n, Name); });
    return same == names.end() ? String() : *same;
}

}  // namespace

bool Is_Valid_Conf_Name(StringView Name)
{
    if (Name.empty() || Name.front() == u'.' || Name.back() == u'.' || Name.back() == u' ') return false;
    return std::none_of(Name.begin(), Name.end(),
                        [](Char c) { return c < u' ' || Refused_Chars.find(c) != StringView::npos; });
}

Integer Search_Open_Conf(const std::vector<String>& SL, StringView snc)
{
    for (size_t i = 0; i < SL.size(); ++i)
        if (AnsiSameText(SL[i], snc)) return static_cast<Integer>(i);
    return -1;
}

void TProgramState::Set_Folders(const String& ExeFolder)
{
    Exe_Dir = ExcludeTrailingPathDelimiter(ExeFolder);
    Master_Dir = Under(Exe_Dir, u"MASTER");
    Projects_Dir = Under(Exe_Dir, u"PROJECTS");
    Language_Dir = Under(Exe_Dir, u"LANGUAGE");
}

void TProgramState::Create_Folders() const
{
    for (const String* dir : {&Master_Dir, &Projects_Dir, &Language_Dir})
        if (!dir->empty() && !DirectoryExists(*dir)) ForceDirectories(*dir);
}

void TProgramState::Set_Files()
{
    // With no configuration open the paths stay empty rather than naming files at the root.
    const auto path = [this](StringView FileName) {
        return Conf_Opened() ? Under(Opened_Conf_Dir, FileName) : String();
    };
    Path_ParGen = path(u"ParGen.xml");
    Path_EtherNetIP_Master_Rules = path(u"EtherNetIP_Master_Rules.xml");
    Path_SNMP_Trap = path(u"SNMP_Trap.xml");
    Path_CAN_Rec_Frames = path(u"CAN_Rec_Frames.xml");
    Path_CAN_Send_Frames = path(u"CAN_Send_Frames.xml");
    Path_BACnet_Slave_SetAccess = path(u"BACnet_Slave_SetAccess.xml");
    Path_KNX_SetAccess = path(u"KNX_SetAccess.xml");
    Path_MQTT_Set_Topic = path(u"MQTT_Set_Topic.xml");
    Path_SDO_Server_CANopen = path(u"SDO_Server_CANopen.xml");
    Path_SDO_Client_CANopen = path(u"SDO_Client_CANopen.xml");
    Path_PDO_CANopen = path(u"PDO_CANopen.xml");
}

void TProgramState::Reopen_Last_Configuration()
{
    const String folder = Opened_Conf_Name.empty() ? String() : Find_Conf_Folder(Projects_Dir, Opened_Conf_Name);
    Opened_Conf_Dir = folder.empty() ? String() : Under(Projects_Dir, folder);
    Set_Files();
}

TNewProjectResult TProgramState::New_Project(const String& Name)
{
    if (Name.empty()) return TNewProjectResult::npEmptyName;
    // A name that is no plain folder name would create a folder elsewhere or none at all.
    if (!Is_Valid_Conf_Name(Name) || Projects_Dir.empty()) return TNewProjectResult::npCannotCreate;
    // Letter case aside, so that configurations stay portable to systems that ignore it.
    if (!Find_Conf_Folder(Projects_Dir, Name).empty()) return TNewProjectResult::npExists;
    const String folder = Under(Projects_Dir, Name);
    if (!CreateDir(folder)) return TNewProjectResult::npCannotCreate;
    ForceDirectories(Under(folder, u"bin"));
    Opened_Conf_Name = Name;
    Opened_Conf_Dir = folder;
    Set_Files();
    return TNewProjectResult::npCreated;
}

std::vector<String> TProgramState::Load_Existing_Configuration() const
{
    std::vector<String> names = List_Conf_Folders(Projects_Dir);
    std::stable_sort(names.begin(), names.end(),
                     [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
    return names;
}

String TProgramState::Current_Conf_Folder_Name() const
{
    if (!Conf_Opened()) return String();
    return Copy(Opened_Conf_Dir, static_cast<Integer>(Projects_Dir.size()) + 2,
                static_cast<Integer>(Opened_Conf_Dir.size()));
}

Integer TProgramState::Open_Preselection(const std::vector<String>& SL) const
{
    const Integer found = Search_Open_Conf(SL, Current_Conf_Folder_Name());
    if (found >= 0) return found;
    return SL.empty() ? -1 : 0;
}

void TProgramState::Open_Project(const String& Name_Conf)
{
    Opened_Conf_Name = Name_Conf;
    // Only a folder that is there under PROJECTS opens; anything else leaves none open.
    const String folder = Name_Conf.empty() ? String() : Find_Conf_Folder(Projects_Dir, Name_Conf);
    Opened_Conf_Dir = folder.empty() ? String() : Under(Projects_Dir, folder);
    Set_Files();
}

void TProgramState::Load_Language() { gw::Load_Language(SL_Lang, Language_Dir, Language_Name); }

}  // namespace gw
