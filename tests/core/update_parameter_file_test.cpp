// Tests of Ethernet_Update.xml: the element sequence of every option with read-back on and off,
// the other boot loader's variant, and a file that an independent reader accepts.
#include "core/update_parameter_file.h"

#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace gw::test {
namespace {

using Lines = std::vector<std::string>;

// Every element in document order as "path=text"; elements with children as "path".
void Flatten(TXMLNode Node, const std::string& Parent, Lines& Out)
{
    for (TXMLNode n = Node.FirstChild(); n; n = n.NextSibling()) {
        if (!n.IsElement()) {
            Out.push_back(Parent + " holds a " + StringToUtf8(n.NodeName()));
            continue;
        }
        const std::string path = Parent + "/" + StringToUtf8(n.NodeName());
        String text;
        if (n.TryGetText(text)) {
            Out.push_back(path + "=" + StringToUtf8(text));
        } else {
            Out.push_back(path);
            Flatten(n, path, Out);
        }
    }
}

Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string Op = "/Ethernet_Update/Operations/Operation";

Lines Header(const std::string& Title, const std::string& Address, const std::string& Protection_Address,
             const std::string& Protection)
{
    return {"/Ethernet_Update",
            "/Ethernet_Update/Version=1000",
            "/Ethernet_Update/Title=" + Title,
            "/Ethernet_Update/IP_Address_Dev=" + Address,
            "/Ethernet_Update/Application_Port=10000",
            "/Ethernet_Update/Boot_Port=2008",
            "/Ethernet_Update/Boot_Port_Sec=2007",
            "/Ethernet_Update/Address_Protection=" + Protection_Address,
            "/Ethernet_Update/Protections",
            "/Ethernet_Update/Protections/Protection=" + Protection,
            "/Ethernet_Update/Operations"};
}

Lines Step_Start(const std::string& File, const std::string& Start, const std::string& Bank, bool Read_Back,
                 const std::string& Write_CSS, const std::string& Address_CSS, const std::string& Command_CSS)
{
    return {Op,
            Op + "/Ope_Protection_Enabled=",
            Op + "/Ope_GoToBoot_Before=0",
            Op + "/Ope_GoToApp_Before=0",
            Op + "/Ope_IP_Address=",
            Op + "/Ope_Port=2008",
            Op + "/Ope_Port_Sec=2007",
            Op + "/Ope_Erase_Memory=0",
            Op + "/Ope_FileName=" + File,
            Op + "/Ope_Start_Address=" + Start,
            Op + "/Ope_Memory_Type=0",
            Op + "/Ope_Bank_Type=" + Bank,
            Op + "/Ope_Read_Back=" + (Read_Back ? "1" : "0"),
            Op + "/Ope_Write_CSS=" + Write_CSS,
            Op + "/Ope_Address_CSS=" + Address_CSS,
            Op + "/Ope_Command_CSS=" + Command_CSS};
}

Lines Internal_Data(const std::string& Address, const std::string& Command)
{
    return {Op + "/Ope_Write_Internal_Data=0", Op + "/Ope_WID_Address=" + Address, Op + "/Ope_WID_Command=" + Command,
            Op + "/Ope_WID_Data=0x00, 0x00, 0x00, 0x01"};
}

Lines App_After(bool Start) { return {Op + "/Ope_GoToApp_After=" + (Start ? "1" : "0")}; }

class UpdateFileTest : public ::testing::Test {
protected:
    // Writes the file and reads it back as lines, after checking it as it lies on disk.
    Lines Written(void (*Build)(TXMLDocument&, const TUpdateJob&), const TUpdateJob& Job)
    {
        Build(doc, Job);
        const auto file = dir / "Ethernet_Update.xml";
        doc.SaveToFile(Utf8ToString(file.string()));
        const std::string bytes = readBytes(file);
        EXPECT_EQ(bytes.rfind("<Ethernet_Update>", 0), 0u) << "no declaration or comment before the root:\n" << bytes;
        const std::string lint = "xmllint --noout '" + file.string() + "'";
        EXPECT_EQ(std::system(lint.c_str()), 0) << bytes;
        TXMLDocument back;
        back.LoadFromFile(Utf8ToString(file.string()));
        EXPECT_EQ(back.FirstNode().NodeName(), u"Ethernet_Update");
        Lines lines;
        Flatten(back.Node(), "", lines);
        return lines;
    }

    ScratchDir dir{"core-update-file"};
    TXMLDocument doc;
    const std::string master = "/opt/gw/MASTER", conf = "/opt/gw/PROJECTS/Plant";
};

TEST_F(UpdateFileTest, EveryOptionWithReadBackOnAndOff)
{
    const std::string firmware = master + "/Sim52818.sim", image = conf + "/bin/bank.bin";
    for (bool readBack : {true, false}) {
        const auto firmware_step = [&](bool start) {
            return Step_Start(firmware, "0x8000", "1", readBack, "1", "0x78100", "0x0B") + App_After(start);
        };
        const Lines configuration_step = Step_Start(image, "0x68000", "2", readBack, "0", "0x50100", "0x0B") +
            Internal_Data("0x78200", "0x0B") + App_After(true);
        const Lines header = Header("QuordaGate - CF52818 Ethernet Update", "192.168.002.205", "0x78000", "0x5E1");
        const struct {
            TUpdateOption option;
            Lines expected;
        } cases[] = {
            {uoFirmware_Configuration, header + firmware_step(false) + configuration_step},
            {uoFirmware, header + firmware_step(true)},
            {uoConfiguration, header + configuration_step},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.option) + (readBack ? " read back" : " no read back"));
            const TUpdateJob job{u"192.168.002.205", c.option, readBack, Utf8ToString(master), Utf8ToString(conf)};
            EXPECT_EQ(Written(Build_Update_File, job), c.expected);
        }
    }
}

TEST_F(UpdateFileTest, TextsThatNeedEscapingComeBackAsTheyWere)
{
    const TUpdateJob job{u"1.2.3.4", uoConfiguration, true, u"/m", u"/p/A&B <\"x\">"};
    const Lines lines = Written(Build_Update_File, job);
    EXPECT_NE(std::find(lines.begin(), lines.end(), Op + "/Ope_FileName=/p/A&B <\"x\">/bin/bank.bin"), lines.end());
}

TEST_F(UpdateFileTest, TheOtherBootLoadersVariant)
{
    const Lines internal = Internal_Data("0x07810", "0x02");
    const Lines expected = Header("QuordaGate - Ethernet Update", "10.0.0.9", "0x07800", "0x3D6") +
        Step_Start(master + "/Sim52822.sim", "0x8000", "1", false, "1", "0x07A00", "0x02") + internal +
        App_After(false) + Step_Start(conf + "/bin/bank1.bin", "0x07000", "2", false, "0", "0x07A00", "0x02") +
        internal + App_After(false) +
        Step_Start(conf + "/bin/bank2.bin", "0x80000", "2", false, "0", "0x07A00", "0x02") + internal + App_After(true);
    const TUpdateJob job{u"10.0.0.9", uoFirmware_Configuration, false, Utf8ToString(master), Utf8ToString(conf)};
    EXPECT_EQ(Written(Build_Update_File_New_Boot, job), expected);
}

}  // namespace
}  // namespace gw::test
