// Reading and writing Plenator.xml.
#include "core/settings_file.h"

#include "core/program_state.h"
#include "platform/runtime/files.h"
#include "platform/xml/xml_document.h"

namespace gw {

namespace {

constexpr StringView Root_Name = u"Conf_Settings";
constexpr StringView Switch_Group = u"lastinternet";

String Settings_Path(const TProgramState& State) { return State.Exe_Dir + PathDelim + String(Settings_File_Name); }

// The text of Root/Group/Value, or Default when any step is missing or not plain text.
String Read_Value(TXMLNode Root, StringView Group, StringView Value, const String& Default)
{
    String text;
    if (Root.FindChild(Group).FindChild(Value).TryGetText(text)) return text;
    return Default;
}

// A switch is on exactly when its text is "1".
bool Read_Switch(TXMLNode Root, StringView Value) { return Read_Value(Root, Switch_Group, Value, String()) == u"1"; }

void Add_Value(TXMLNode Parent, StringView Name, StringView Text) { Parent.AddChild(Name).SetText(Text); }

StringView Switch_Text(bool On) { return On ? u"1" : u"0"; }

}  // namespace

void Read_Setting(TProgramState& State, TXMLDocument& XML1)
{
    State.Opened_Conf_Dir.clear();
    TXMLNode root;
    const String fileName = Settings_Path(State);
    String error;
    // The document element, also behind a declaration or comment of a hand-edited file.
    if (FileExists(fileName) && XML1.TryLoadFromFile(fileName, error)) root = XML1.DocumentElement();
    State.Opened_Conf_Name = Read_Value(root, u"lastproj", u"projectname", String());
    State.Device_IP_Address = Read_Value(root, u"lastipadd", u"ipaddress", String(Default_Device_IP_Address));
    State.Language_Name = Read_Value(root, u"lastlang", u"language", String(Default_Language_Name));
    State.Internet_Enabled = Read_Switch(root, u"enable_internet");
    State.Update_Enabled = Read_Switch(root, u"enable_update");
    State.Jump_Field_Enabled = Read_Switch(root, u"enable_jump_field_tables");
    State.Auto_Size_Enabled = Read_Switch(root, u"Double_Click_Auto_Size");
}

void Save_Setting(const TProgramState& State, TXMLDocument& XML1)
{
    XML1.Clear();
    TXMLNode root = XML1.AddChild(Root_Name);
    Add_Value(root.AddChild(u"lastproj"), u"projectname", State.Opened_Conf_Name);
    Add_Value(root.AddChild(u"lastipadd"), u"ipaddress", State.Device_IP_Address);
    Add_Value(root.AddChild(u"lastlang"), u"language", State.Language_Name);
    TXMLNode switches = root.AddChild(Switch_Group);
    Add_Value(switches, u"enable_internet", Switch_Text(State.Internet_Enabled));
    Add_Value(switches, u"enable_update", Switch_Text(State.Update_Enabled));
    Add_Value(switches, u"enable_jump_field_tables", Switch_Text(State.Jump_Field_Enabled));
    Add_Value(switches, u"Double_Click_Auto_Size", Switch_Text(State.Auto_Size_Enabled));
    XML1.SaveToFile(Settings_Path(State));
}

}  // namespace gw
