// Tests of the gateway parameter file: element order, writer and the two readers' defaults.
#include "core/par_gen_file.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

// Order, name, window default and image default (-1: the builder does not read it).
struct ElementCase {
    const char* name;
    const char* window;
    Integer image;
};

const ElementCase kTable[ParGen_Count] = {
    {"EtherNetIP_Master_IP1", "192", 192},
    {"EtherNetIP_Master_IP2", "168", 168},
    {"EtherNetIP_Master_IP3", "0", 0},
    {"EtherNetIP_Master_IP4", "5", 5},
    {"EtherNetIP_Master_SM1", "255", 255},
    {"EtherNetIP_Master_SM2", "255", 255},
    {"EtherNetIP_Master_SM3", "255", 255},
    {"EtherNetIP_Master_SM4", "0", 0},
    {"EtherNetIP_Master_GAT1", "192", 192},
    {"EtherNetIP_Master_GAT2", "168", 168},
    {"EtherNetIP_Master_GAT3", "0", 0},
    {"EtherNetIP_Master_GAT4", "1", 1},
    {"EtherNetIP_Master_EN_GAT", "0", 0},
    {"EtherNetIP_Master_Port", "44818", -1},
    {"Ethernet_IP1", "192", 192},
    {"Ethernet_IP2", "168", 168},
    {"Ethernet_IP3", "0", 0},
    {"Ethernet_IP4", "10", 6},
    {"Ethernet_SM1", "255", 255},
    {"Ethernet_SM2", "255", 255},
    {"Ethernet_SM3", "255", 255},
    {"Ethernet_SM4", "0", 0},
    {"Ethernet_GAT1", "192", 192},
    {"Ethernet_GAT2", "168", 168},
    {"Ethernet_GAT3", "0", 0},
    {"Ethernet_GAT4", "1", 1},
    {"Ethernet_EN_GAT", "0", 0},
    {"Ethernet_DNS1", "8", -1},
    {"Ethernet_DNS2", "8", -1},
    {"Ethernet_DNS3", "8", -1},
    {"Ethernet_DNS4", "8", -1},
    {"Ethernet_EN_DNS", "0", -1},
    {"Ethernet_TCP_Port", "10001", 10001},
    {"Ethernet_UDP_Port", "10001", 10001},
};

TEST(ParGenFile, ElementTableAndBothReadersDefaultsWithoutAFile)
{
    TXMLDocument doc;
    const TParGenTexts window = Read_ParGen_Window(doc, u"/nonexistent/ParGen.xml");
    const TParGenNumbers image = Read_ParGen_Image(doc, u"/nonexistent/ParGen.xml");
    for (int i = 0; i < ParGen_Count; ++i) {
        const TParGenElement& e = ParGen_Elements()[i];
        EXPECT_EQ(e.Name, S(kTable[i].name)) << i;
        EXPECT_EQ(window[i], S(kTable[i].window)) << kTable[i].name;
        EXPECT_EQ(e.ImageReads, kTable[i].image >= 0) << kTable[i].name;
        EXPECT_EQ(image[i], kTable[i].image >= 0 ? kTable[i].image : 0) << kTable[i].name;
    }
}

TEST(ParGenFile, WrittenFileHasRootCommentAndTheElementsInOrder)
{
    ScratchDir dir("core-pargen-order");
    TXMLDocument doc;
    Write_ParGen(doc, Path(dir / "ParGen.xml"), ParGen_Window_Defaults());
    const std::string bytes = readBytes(dir / "ParGen.xml");
    EXPECT_EQ(bytes.rfind("<Par_Gen>", 0), 0u) << "no declaration, root first";

    std::string expected = "[(1, 'Par_Gen'), (8, 'SW_VERSION = 1.001')]\n";
    for (const ElementCase& e : kTable) expected += std::string(e.name) + "=" + e.window + "\n";
    EXPECT_EQ(pythonDom(dir / "ParGen.xml",
                        "print([(n.nodeType, n.nodeName if n.nodeType == 1 else n.data) for n in d.childNodes]); "
                        "[print(e.tagName + '=' + ''.join(t.data for t in e.childNodes)) "
                        "for e in d.documentElement.childNodes if e.nodeType == 1]"),
              expected);
    EXPECT_EQ(bytes.find("PROFINET_"), std::string::npos);
    EXPECT_EQ(bytes.find("BACnet_"), std::string::npos);
    String value = u"kept";
    EXPECT_FALSE(Read_ParGen_Key(doc, Path(dir / "ParGen.xml"), ParGen_PROFINET_NAME_STA, value));
    EXPECT_FALSE(Read_ParGen_Key(doc, Path(dir / "ParGen.xml"), ParGen_BACnet_Type, value));
    EXPECT_EQ(value, u"kept");
}

TEST(ParGenFile, WindowRoundTripFixesTheMasterPortAndNormalisesFlags)
{
    ScratchDir dir("core-pargen-roundtrip");
    const String file = Path(dir / "ParGen.xml");
    TParGenTexts values;
    for (int i = 0; i < ParGen_Count; ++i) values[i] = u"v" + Utf8ToString(std::to_string(i));
    values[pgMaster_EN_GAT] = u"1";
    values[pgEthernet_EN_GAT] = u"yes";
    values[pgEthernet_EN_DNS] = u"1";
    values[pgEthernet_DNS1] = u" 8.8 \u00e9";
    TXMLDocument doc;
    Write_ParGen(doc, file, values);
    const TParGenTexts back = Read_ParGen_Window(doc, file);
    for (int i = 0; i < ParGen_Count; ++i) {
        String expected = values[i];
        if (i == pgMaster_Port)
            expected = u"44818";
        else if (i == pgEthernet_EN_GAT)
            expected = u"0";
        EXPECT_EQ(back[i], expected) << kTable[i].name;
    }
    EXPECT_NE(readBytes(dir / "ParGen.xml").find("<EtherNetIP_Master_Port>44818<"), std::string::npos);
}

TEST(ParGenFile, ReadersTakeTheirOwnDefaultsElementByElement)
{
    TXMLDocument doc;
    const String file = Path(fixture("par_gen_file_odd_values.xml"));
    const TParGenTexts w = Read_ParGen_Window(doc, file);
    const TParGenNumbers n = Read_ParGen_Image(doc, file);
    struct Case {
        TParGenKey key;
        const char* window;
        Integer image;
    };
    const Case cases[] = {
        {pgMaster_IP1, "10", 10},
        {pgMaster_IP2, "0x14", 0x14},
        {pgMaster_IP3, "$1E", 0x1E},
        {pgMaster_IP4, "300", 300 & 0xFF},  // the builder keeps the low 8 bits
        {pgMaster_SM1, "", 255},  // present but empty
        {pgMaster_SM2, "abc", 255},  // not a number
        {pgMaster_SM3, "255", 255},  // more than text: a failed read
        {pgMaster_SM4, "0", 0},  // missing
        {pgMaster_EN_GAT, "0", 0},  // "true" is not set
        {pgMaster_Port, "44818", 0},  // fixed; the builder never reads it
        {pgEthernet_IP1, "-1", 0xFF},
        {pgEthernet_IP4, "10", 6},  // missing: the readers differ on purpose
        {pgEthernet_EN_GAT, "0", 0},  // " 1" is not set
        {pgEthernet_EN_DNS, "1", 0},
        {pgEthernet_DNS1, "not checked", 0},
        {pgEthernet_DNS2, "8", 0},
        {pgEthernet_TCP_Port, "70000", 70000 & 0xFFFF},
        {pgEthernet_UDP_Port, "502", 502},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(w[c.key], S(c.window)) << kTable[c.key].name;
        EXPECT_EQ(n[c.key], c.image) << kTable[c.key].name;
    }
    String name;
    EXPECT_TRUE(Read_ParGen_Key(doc, file, ParGen_PROFINET_NAME_STA, name));
    EXPECT_EQ(name, u"station-7");
}

TEST(ParGenFile, TheRootIsTheDocumentElementWhateverComesBeforeIt)
{
    ScratchDir dir("core-pargen-comment-first");
    for (const char* prolog : {"<!--x-->", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", "<?tool a?><!--x-->"}) {
        writeBytes(dir / "ParGen.xml", std::string(prolog) + "<Par_Gen><Ethernet_IP4>99</Ethernet_IP4></Par_Gen>");
        TXMLDocument doc;
        EXPECT_EQ(Read_ParGen_Window(doc, Path(dir / "ParGen.xml"))[pgEthernet_IP4], u"99") << prolog;
        EXPECT_EQ(Read_ParGen_Image(doc, Path(dir / "ParGen.xml"))[pgEthernet_IP4], 99) << prolog;
        String value;
        EXPECT_TRUE(Read_ParGen_Key(doc, Path(dir / "ParGen.xml"), u"Ethernet_IP4", value)) << prolog;
    }
}

TEST(ParGenFile, AFileThatIsNotWellFormedStopsTheReader)
{
    ScratchDir dir("core-pargen-broken");
    writeBytes(dir / "ParGen.xml", "<Par_Gen><Ethernet_IP1>1</Ethernet_IP2></Par_Gen>");
    TXMLDocument doc;
    EXPECT_THROW(Read_ParGen_Window(doc, Path(dir / "ParGen.xml")), EXmlError);
    EXPECT_THROW(Read_ParGen_Image(doc, Path(dir / "ParGen.xml")), EXmlError);
}

}  // namespace
}  // namespace gw::test
