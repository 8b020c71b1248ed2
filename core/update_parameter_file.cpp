// Writing Ethernet_Update.xml: the header of the boot loader, then one Operation per step.
#include "core/update_parameter_file.h"

#include "platform/runtime/files.h"
#include "platform/xml/xml_document.h"

#include <vector>

namespace gw {

namespace {

constexpr StringView Boot_Port = u"2008";
constexpr StringView Boot_Port_Sec = u"2007";
constexpr StringView Internal_Data = u"0x00, 0x00, 0x00, 0x01";

// What differs between the boot loaders in the file's header.
struct TBootLoader {
    StringView Title;
    StringView Address_Protection;
    StringView Protection;
};

constexpr TBootLoader This_Boot{u"QuordaGate - CF52818 Ethernet Update", u"0x78000", u"0x5E1"};
constexpr TBootLoader New_Boot{u"QuordaGate - Ethernet Update", u"0x07800", u"0x3D6"};

// One file to load and what the boot loader does around it.
struct TStep {
    String FileName;
    StringView Start_Address;
    StringView Bank_Type;  // "1" firmware, "2" configuration
    StringView Write_CSS;
    StringView Address_CSS;
    StringView Command_CSS;
    // The internal-data write, when the step has one.
    bool Writes_Internal_Data = false;
    StringView WID_Address;
    StringView WID_Command;
    bool Start_Application = false;
};

StringView Flag(bool On) { return On ? u"1" : u"0"; }

void Add(TXMLNode Parent, StringView Name, StringView Text) { Parent.AddChild(Name).SetText(Text); }

void Add_Operation(TXMLNode Operations, const TStep& Step, bool Read_Back)
{
    TXMLNode op = Operations.AddChild(u"Operation");
    Add(op, u"Ope_Protection_Enabled", u"");
    Add(op, u"Ope_GoToBoot_Before", u"0");
    Add(op, u"Ope_GoToApp_Before", u"0");
    Add(op, u"Ope_IP_Address", u"");
    Add(op, u"Ope_Port", Boot_Port);
    Add(op, u"Ope_Port_Sec", Boot_Port_Sec);
    Add(op, u"Ope_Erase_Memory", u"0");
    Add(op, u"Ope_FileName", Step.FileName);
    Add(op, u"Ope_Start_Address", Step.Start_Address);
    Add(op, u"Ope_Memory_Type", u"0");
    Add(op, u"Ope_Bank_Type", Step.Bank_Type);
    Add(op, u"Ope_Read_Back", Flag(Read_Back));
    Add(op, u"Ope_Write_CSS", Step.Write_CSS);
    Add(op, u"Ope_Address_CSS", Step.Address_CSS);
    Add(op, u"Ope_Command_CSS", Step.Command_CSS);
    if (Step.Writes_Internal_Data) {
        Add(op, u"Ope_Write_Internal_Data", u"0");
        Add(op, u"Ope_WID_Address", Step.WID_Address);
        Add(op, u"Ope_WID_Command", Step.WID_Command);
        Add(op, u"Ope_WID_Data", Internal_Data);
    }
    Add(op, u"Ope_GoToApp_After", Flag(Step.Start_Application));
}

void Build(TXMLDocument& Doc, const TBootLoader& Loader, const TUpdateJob& Job, const std::vector<TStep>& Steps)
{
    Doc.Clear();
    TXMLNode root = Doc.AddChild(u"Ethernet_Update");
    Add(root, u"Version", u"1000");
    Add(root, u"Title", Loader.Title);
    Add(root, u"IP_Address_Dev", Job.IP_Address_Dev);
    Add(root, u"Application_Port", u"10000");
    Add(root, u"Boot_Port", Boot_Port);
    Add(root, u"Boot_Port_Sec", Boot_Port_Sec);
    Add(root, u"Address_Protection", Loader.Address_Protection);
    Add(root.AddChild(u"Protections"), u"Protection", Loader.Protection);
    TXMLNode operations = root.AddChild(u"Operations");
    for (const TStep& step : Steps) Add_Operation(operations, step, Job.Read_Back);
}

bool Loads_Firmware(Integer Option) { return Option == uoFirmware_Configuration || Option == uoFirmware; }
bool Loads_Configuration(Integer Option) { return Option == uoFirmware_Configuration || Option == uoConfiguration; }

String Bin_File(const TUpdateJob& Job, StringView Name)
{
    return Job.Conf_Dir + PathDelim + u"bin" + PathDelim + String(Name);
}

}  // namespace

void Build_Update_File(TXMLDocument& Doc, const TUpdateJob& Job)
{
    std::vector<TStep> steps;
    // Firmware alone starts the application after it; with the configuration, that step does.
    if (Loads_Firmware(Job.Option_Index))
        steps.push_back({Job.Master_Dir + PathDelim + String(Firmware_File_Name),
                         u"0x8000",
                         u"1",
                         u"1",
                         u"0x78100",
                         u"0x0B",
                         false,
                         {},
                         {},
                         Job.Option_Index == uoFirmware});
    if (Loads_Configuration(Job.Option_Index))
        steps.push_back(
            {Bin_File(Job, u"bank.bin"), u"0x68000", u"2", u"0", u"0x50100", u"0x0B", true, u"0x78200", u"0x0B", true});
    Build(Doc, This_Boot, Job, steps);
}

void Build_Update_File_New_Boot(TXMLDocument& Doc, const TUpdateJob& Job)
{
    std::vector<TStep> steps;
    const auto step = [](String File, StringView Start, StringView Bank, StringView Write_CSS, bool Start_App) {
        return TStep{std::move(File), Start, Bank,       Write_CSS, u"0x07A00",
                     u"0x02",         true,  u"0x07810", u"0x02",   Start_App};
    };
    if (Loads_Firmware(Job.Option_Index))
        steps.push_back(
            step(Job.Master_Dir + PathDelim + u"Sim52822.sim", u"0x8000", u"1", u"1", Job.Option_Index == uoFirmware));
    if (Loads_Configuration(Job.Option_Index)) {
        steps.push_back(step(Bin_File(Job, u"bank1.bin"), u"0x07000", u"2", u"0", false));
        steps.push_back(step(Bin_File(Job, u"bank2.bin"), u"0x80000", u"2", u"0", true));
    }
    Build(Doc, New_Boot, Job, steps);
}

}  // namespace gw
