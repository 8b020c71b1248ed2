// Tests of the update-program stand-in, run as the built program on files made here.
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <string>

#ifdef GW_ETHERNET_UPDATE_EXE

namespace gw::test {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string output;
};

RunResult RunStandIn(const fs::path& updateFile)
{
    RunResult result;
    result.output =
        runCommand(std::string("'") + GW_ETHERNET_UPDATE_EXE + "' '" + updateFile.string() + "'", &result.exitCode);
    return result;
}

std::string Operation(const std::string& file, const std::string& start, const std::string& bank,
                      const std::string& css, bool internalData, const std::string& goToApp)
{
    std::string op = "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
                     "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
                     "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory>"
                     "<Ope_FileName>" +
        file + "</Ope_FileName><Ope_Start_Address>" + start +
        "</Ope_Start_Address><Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>" + bank +
        "</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back><Ope_Write_CSS>" + css +
        "</Ope_Write_CSS><Ope_Address_CSS>0x78100</Ope_Address_CSS><Ope_Command_CSS>0x0B</Ope_Command_CSS>";
    if (internalData)
        op += "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x78200</Ope_WID_Address>"
              "<Ope_WID_Command>0x0B</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>";
    return op + "<Ope_GoToApp_After>" + goToApp + "</Ope_GoToApp_After></Operation>";
}

// The file the update window writes for "Firmware + Configuration".
std::string UpdateFile(const fs::path& firmware, const fs::path& image, const std::string& address = "192.168.002.205")
{
    return "<Ethernet_Update>\n<Version>1000</Version><Title>QuordaGate - CF52818 Ethernet Update</Title>"
           "<IP_Address_Dev>" +
        address +
        "</IP_Address_Dev><Application_Port>10000</Application_Port>"
        "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
        "<Address_Protection>0x78000</Address_Protection><Protections><Protection>0x5E1</Protection></Protections>"
        "<Operations>" +
        Operation(firmware.string(), "0x8000", "1", "1", false, "0") +
        Operation(image.string(), "0x68000", "2", "0", true, "1") + "</Operations></Ethernet_Update>";
}

class EthernetUpdate : public ::testing::Test {
protected:
    EthernetUpdate() : dir("ethernet-update")
    {
        writeBytes(firmware, std::string(5000, '\x5A'));
        writeBytes(image, std::string(2368, '\0'));
    }
    ScratchDir dir;
    fs::path firmware = dir / "MASTER" / "Sim52818.sim";
    fs::path image = dir / "Conf 1" / "bin" / "bank.bin";
    fs::path file = dir / "Ethernet_Update.xml";
};

TEST_F(EthernetUpdate, AcceptsAWellFormedFileAndTellsWhatItWouldSend)
{
    writeBytes(file, UpdateFile(firmware, image));
    RunResult run = RunStandIn(file);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Device 192.168.2.205"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Step 1: firmware \"" + firmware.string() + "\" (5000 bytes) to address 0x8000"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Step 2: configuration image \"" + image.string() + "\" (2368 bytes) to address 0x68000"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Nothing was sent"), std::string::npos) << run.output;
}

TEST_F(EthernetUpdate, RejectsBadFilesWithAClearMessage)
{
    struct Case {
        const char* name;
        std::string content;  // written to the update file; empty: no file at all
        int exitCode;
        std::string message;
    };
    fs::path shortImage = dir / "short.bin";
    writeBytes(shortImage, std::string(2367, '\0'));
    fs::path longImage = dir / "long.bin";
    writeBytes(longImage, std::string(2369, '\0'));
    std::string good = UpdateFile(firmware, image);
    std::string noProtections = good;
    noProtections.erase(noProtections.find("<Protections>"),
                        std::string("<Protections><Protection>0x5E1</Protection></Protections>").size());
    const Case cases[] = {
        {"missing image", UpdateFile(firmware, dir / "Conf 1" / "bin" / "none.bin"), 1,
         "configuration image file \"" + (dir / "Conf 1" / "bin" / "none.bin").string() + "\" does not exist"},
        {"missing firmware", UpdateFile(dir / "MASTER" / "none.sim", image), 1, "firmware file"},
        {"short image", UpdateFile(firmware, shortImage), 1, "has 2367 bytes; it must have 2368"},
        {"long image", UpdateFile(firmware, longImage), 1, "has 2369 bytes; it must have 2368"},
        {"folder as image", UpdateFile(firmware, dir.path()), 1, "is not a file"},
        {"malformed", good.substr(0, good.size() / 2), 2, "cannot read the update file"},
        {"not xml", "firmware please", 2, "cannot read the update file"},
        {"no file", "", 2, "cannot read the update file"},
        {"other root", "<Update/>", 1, "does not start with the element Ethernet_Update"},
        {"bad address", UpdateFile(firmware, image, "192.168.2"), 1,
         "IP_Address_Dev \"192.168.2\" is not an IPv4 address"},
        {"missing element", noProtections, 1, "/Ethernet_Update/Protections is missing"},
        {"no steps",
         "<Ethernet_Update><Version>1000</Version><Title>t</Title><IP_Address_Dev>1.2.3.4</IP_Address_Dev>"
         "<Application_Port>10000</Application_Port><Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
         "<Address_Protection>0x78000</Address_Protection><Protections><Protection>0x5E1</Protection>"
         "</Protections><Operations/></Ethernet_Update>",
         1, "holds no Operation"},
    };
    for (const auto& c : cases) {
        fs::remove(file);
        if (!c.content.empty()) writeBytes(file, c.content);
        RunResult run = RunStandIn(file);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.name << ": " << run.output;
        EXPECT_EQ(run.output.find("Nothing was sent"), std::string::npos) << c.name;
    }
}

}  // namespace
}  // namespace gw::test

#endif
