// Tests of the configuration image bin/bank.bin, byte for byte.
#include "core/bank_image.h"

#include "core/par_gen_file.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <unistd.h>
#include <vector>

namespace gw::test {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

Cardinal Le(const std::vector<Byte>& image, std::size_t offset, int width)
{
    Cardinal value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | image.at(offset + i);
    return value;
}

// Four address bytes as the little-endian word they make, first octet lowest.
constexpr Cardinal Ip(Cardinal a, Cardinal b, Cardinal c, Cardinal d) { return a | (b << 8) | (c << 16) | (d << 24); }

struct Field {
    std::size_t offset;
    int width;
    Cardinal value;
};

struct Record {
    Cardinal ip;
    Cardinal startIn, numIn, inOffset, startOut, numOut, outOffset;
    Cardinal instTO, pointTO, instOT, pointOT, timePoll, header;
};

// The parameter window's file written with its defaults.
constexpr const char* kWindowDefaults = "window defaults";

struct BankCase {
    const char* name;
    const char* parGen;  // nullptr: no ParGen.xml
    std::string slaves;  // empty: no slaves file
    std::vector<Field> fields;
    std::vector<Record> records;  // the enabled slaves in order; the other records are zero
    std::optional<Cardinal> checksum;
};

std::string Slaves(const std::string& rows)
{
    return "<EtherNetIP_Master_Access>" + rows + "</EtherNetIP_Master_Access><!--SW_VERSION = 1.009-->";
}

std::string Row(const std::string& attributes) { return "<row " + attributes + "/>"; }

std::string FullRow(const char* enable, const char* ip, int numIn, int numOut)
{
    return Row(std::string("Enable=\"") + enable + "\" IP_Address=\"" + ip + "\" Start_Input=\"2\" Num_Input=\"" +
               std::to_string(numIn) + "\" Start_Output=\"3\" Num_Output=\"" + std::to_string(numOut) +
               "\" Time_Poll=\"250\" Instance_T_O=\"101\" Connection_Point_T_O=\"102\" Instance_O_T=\"103\" "
               "Connection_Point_O_T=\"104\" Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" Mnemonic=\"m\"");
}

std::string TwelveRows()
{
    std::string rows;
    for (int i = 1; i <= 12; ++i) rows += FullRow("Y", ("10.0.1." + std::to_string(i)).c_str(), i, 1);
    return rows;
}

// The fields every image of this model has whatever the files hold.
const std::vector<Field> kFixed = {
    {0x000, 4, 250000}, {0x004, 4, 0},    {0x008, 4, 0},       {0x00C, 4, 9600},
    {0x034, 2, 10000},  {0x03C, 4, 9600}, {0x27C, 4, 0x68800},
};

// Fixed checksums, derived by hand from the tables of block defaults (all multi-byte fields
// little-endian, the checksum being the plain sum of the bytes 0x000-0x7FB):
//
// Neither file: the defaults alone.
//   0x000 250000 = 0x0003D090 -> 0x90 + 0xD0 + 0x03     = 355
//   0x00C   9600 = 0x2580     -> 0x80 + 0x25            = 165
//   0x028 192.168.2.205       -> 192 + 168 + 2 + 205    = 567
//   0x02C 255.255.255.0                                 = 765
//   0x030 255.255.255.255                               = 1020
//   0x034  10000 = 0x2710     -> 0x10 + 0x27            = 55
//   0x036  10001 = 0x2711     -> 0x11 + 0x27            = 56
//   0x038  10001                                        = 56
//   0x03C   9600                                        = 165
//   0x27C 0x68800 -> 0x00 + 0x88 + 0x06 + 0x00          = 142
//   everything else 0                         total     = 3346
//
// ParGen.xml as the window writes it by default, no slaves file: the same fixed fields
// (355 + 165 + 55 + 165 + 142 = 882) and
//   0x028 192.168.0.10 (the window's default)  -> 370
//   0x02C 255.255.255.0                        -> 765
//   0x030 flag "0": 255.255.255.255            -> 1020
//   0x036 10001 -> 56;  0x038 := 0 -> 0;  0x068 UDP 10001 -> 56
//   0x130 192.168.0.5 -> 365;  0x134 255.255.255.0 -> 765;  0x138 flag "0": all ones -> 1020
//   total 882 + 370 + 765 + 1020 + 56 + 0 + 56 + 365 + 765 + 1020 = 5299
constexpr Cardinal kChecksumNoFiles = 3346;
constexpr Cardinal kChecksumWindowDefaults = 5299;

const char* const kGatewaysOn =
    "<Par_Gen><EtherNetIP_Master_IP1>10</EtherNetIP_Master_IP1><EtherNetIP_Master_IP2>1</EtherNetIP_Master_IP2>"
    "<EtherNetIP_Master_IP3>2</EtherNetIP_Master_IP3><EtherNetIP_Master_IP4>3</EtherNetIP_Master_IP4>"
    "<EtherNetIP_Master_SM4>128</EtherNetIP_Master_SM4>"
    "<EtherNetIP_Master_GAT1>10</EtherNetIP_Master_GAT1><EtherNetIP_Master_GAT2>1</EtherNetIP_Master_GAT2>"
    "<EtherNetIP_Master_GAT3>2</EtherNetIP_Master_GAT3><EtherNetIP_Master_GAT4>254</EtherNetIP_Master_GAT4>"
    "<EtherNetIP_Master_EN_GAT>1</EtherNetIP_Master_EN_GAT>"
    "<Ethernet_IP1>172</Ethernet_IP1><Ethernet_IP2>16</Ethernet_IP2><Ethernet_IP3>5</Ethernet_IP3>"
    "<Ethernet_GAT1>172</Ethernet_GAT1><Ethernet_GAT2>16</Ethernet_GAT2><Ethernet_GAT3>5</Ethernet_GAT3>"
    "<Ethernet_GAT4>1</Ethernet_GAT4><Ethernet_EN_GAT>1</Ethernet_EN_GAT>"
    "<Ethernet_DNS1>1</Ethernet_DNS1><Ethernet_EN_DNS>1</Ethernet_EN_DNS>"
    "<Ethernet_TCP_Port>0x1F90</Ethernet_TCP_Port><Ethernet_UDP_Port>502</Ethernet_UDP_Port>"
    "</Par_Gen><!--SW_VERSION = 1.001-->";

const char* const kGatewaysOff =
    "<Par_Gen><EtherNetIP_Master_GAT1>10</EtherNetIP_Master_GAT1><EtherNetIP_Master_EN_GAT>0</EtherNetIP_Master_EN_GAT>"
    "<Ethernet_IP4>77</Ethernet_IP4><Ethernet_GAT1>172</Ethernet_GAT1><Ethernet_EN_GAT>0</Ethernet_EN_GAT>"
    "<Ethernet_TCP_Port>70001</Ethernet_TCP_Port></Par_Gen>";

const std::vector<BankCase>& Cases()
{
    static const std::vector<BankCase> cases = {
        {"no files at all",
         nullptr,
         "",
         {{0x028, 4, Ip(192, 168, 2, 205)},
          {0x02C, 4, Ip(255, 255, 255, 0)},
          {0x030, 4, Ip(255, 255, 255, 255)},
          {0x036, 2, 10001},
          {0x038, 2, 10001},
          {0x068, 2, 0},
          {0x074, 4, 0},
          {0x078, 4, 0},
          {0x130, 4, 0},
          {0x134, 4, 0},
          {0x138, 4, 0},
          {0x278, 4, 0}},
         {},
         kChecksumNoFiles},
        {"window defaults, no slaves",
         kWindowDefaults,
         "",
         {{0x028, 4, Ip(192, 168, 0, 10)},
          {0x02C, 4, Ip(255, 255, 255, 0)},
          {0x030, 4, Ip(255, 255, 255, 255)},
          {0x036, 2, 10001},
          {0x038, 2, 0},
          {0x068, 2, 10001},
          {0x130, 4, Ip(192, 168, 0, 5)},
          {0x134, 4, Ip(255, 255, 255, 0)},
          {0x138, 4, Ip(255, 255, 255, 255)},
          {0x278, 4, 0}},
         {},
         kChecksumWindowDefaults},
        {"gateway flags on",
         kGatewaysOn,
         "",
         {{0x130, 4, Ip(10, 1, 2, 3)},
          {0x134, 4, Ip(255, 255, 255, 128)},
          {0x138, 4, Ip(10, 1, 2, 254)},
          {0x028, 4, Ip(172, 16, 5, 6)},  // no Ethernet_IP4: the builder's own default 6
          {0x02C, 4, Ip(255, 255, 255, 0)},
          {0x030, 4, Ip(172, 16, 5, 1)},
          {0x036, 2, 8080},
          {0x038, 2, 0},
          {0x068, 2, 502}},
         {},
         std::nullopt},
        {"gateway flags off",
         kGatewaysOff,
         "",
         {{0x138, 4, Ip(255, 255, 255, 255)},
          {0x030, 4, Ip(255, 255, 255, 255)},
          {0x028, 4, Ip(192, 168, 0, 77)},
          {0x036, 2, 70001 & 0xFFFF},
          {0x068, 2, 10001}},
         {},
         std::nullopt},
        {"three enabled slaves, disabled rows between, missing attributes",
         nullptr,
         Slaves(FullRow("Y", "10.0.0.1", 10, 5) + FullRow("N", "10.0.0.99", 99, 99) +
                Row("Enable=\" y \" IP_Address=\"10.0.0.2\" Num_Input=\"20\" Num_Output=\"7\"") +
                FullRow("YES", "10.0.0.98", 98, 98) + Row("IP_Address=\"10.0.0.97\" Num_Input=\"97\"") +
                Row("Enable=\"Y\" Start_Input=\"0x10\" Num_Input=\"30\" Num_Output=\"$1\" Time_Poll=\"100000000\" "
                    "Instance_T_O=\"70000\" Dim_Header_T_O=\"3\" Dim_Header_O_T=\"default\"")),
         {{0x074, 4, 60}, {0x078, 4, 13}, {0x278, 4, 3}, {0x038, 2, 10001}},
         {{Ip(10, 0, 0, 1), 2, 10, 0, 3, 5, 0, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 0, 2), 0, 20, 10, 0, 7, 5, 1, 100, 1, 101, 1000, 0x20},
          {Ip(255, 255, 255, 255), 16, 30, 30, 0, 1, 12, 70000 & 0xFFFF, 100, 1, 101, 100000000, 0x23}},
         std::nullopt},
        {"numeric and odd header sizes",
         nullptr,
         Slaves(Row("Enable=\"Y\" IP_Address=\"1.2.3.4\" Dim_Header_T_O=\"9\" Dim_Header_O_T=\"9\"") +
                Row("Enable=\"Y\" IP_Address=\"1.2.3.5\" Dim_Header_T_O=\"abc\" Dim_Header_O_T=\"abc\"") +
                Row("Enable=\"Y\" IP_Address=\"1.2.3.6\" Dim_Header_T_O=\"7\" Dim_Header_O_T=\"0\"")),
         {{0x278, 4, 3}},
         {{Ip(1, 2, 3, 4), 0, 0, 0, 0, 0, 0, 1, 100, 1, 101, 1000, 0x01 | (1 << 3)},
          {Ip(1, 2, 3, 5), 0, 0, 0, 0, 0, 0, 1, 100, 1, 101, 1000, 0x20},
          {Ip(1, 2, 3, 6), 0, 0, 0, 0, 0, 0, 1, 100, 1, 101, 1000, 0x07}},
         std::nullopt},
        {"more than ten enabled rows fill ten records",
         kWindowDefaults,
         Slaves(TwelveRows()),
         {{0x278, 4, 10}, {0x074, 4, 55}, {0x078, 4, 10}},
         {{Ip(10, 0, 1, 1), 2, 1, 0, 3, 1, 0, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 2), 2, 2, 1, 3, 1, 1, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 3), 2, 3, 3, 3, 1, 2, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 4), 2, 4, 6, 3, 1, 3, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 5), 2, 5, 10, 3, 1, 4, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 6), 2, 6, 15, 3, 1, 5, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 7), 2, 7, 21, 3, 1, 6, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 8), 2, 8, 28, 3, 1, 7, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 9), 2, 9, 36, 3, 1, 8, 101, 102, 103, 104, 250, 0x20},
          {Ip(10, 0, 1, 10), 2, 10, 45, 3, 1, 9, 101, 102, 103, 104, 250, 0x20}},
         std::nullopt},
    };
    return cases;
}

void WriteConfiguration(const ScratchDir& conf, const BankCase& c)
{
    if (c.parGen == kWindowDefaults) {
        TXMLDocument doc;
        Write_ParGen(doc, Path(conf / "ParGen.xml"), ParGen_Window_Defaults());
    } else if (c.parGen) {
        writeBytes(conf / "ParGen.xml", c.parGen);
    }
    if (!c.slaves.empty()) writeBytes(conf / "EtherNetIP_Master_Rules.xml", c.slaves);
}

std::vector<Byte> Bytes(const std::string& s) { return std::vector<Byte>(s.begin(), s.end()); }

TEST(BankImage, ImagesOfSmallConfigurations)
{
    for (const BankCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        ScratchDir conf("core-bank-case");
        WriteConfiguration(conf, c);
        TXMLDocument doc;
        TBankImage bank;
        bank.Build_Bank(doc, Path(conf.path()));
        bank.Save_Bank(Path(conf.path()));

        const std::vector<Byte> image = Bytes(readBytes(conf / "bin" / "bank.bin"));
        ASSERT_EQ(image.size(), 2368u);
        EXPECT_EQ(image, bank.Image());

        const Cardinal sum = std::accumulate(image.begin(), image.begin() + 0x7FC, Cardinal{0});
        EXPECT_EQ(Le(image, 0x7FC, 4), sum);
        if (c.checksum) {
            EXPECT_EQ(Le(image, 0x7FC, 4), *c.checksum);
        }

        for (const std::vector<Field>* fields : {&kFixed, &c.fields})
            for (const Field& f : *fields)
                EXPECT_EQ(Le(image, f.offset, f.width), f.value) << "offset 0x" << std::hex << f.offset;

        for (std::size_t k = 0; k < 10; ++k) {
            const std::size_t base = 0x800 + 32 * k;
            if (k >= c.records.size()) {
                EXPECT_TRUE(std::all_of(image.begin() + base, image.begin() + base + 32, [](Byte b) { return b == 0; }))
                    << "record " << k << " should be zero";
                continue;
            }
            const Record& r = c.records[k];
            const Cardinal expected[] = {r.ip,     r.startIn, r.numIn,  r.inOffset, r.startOut, r.numOut, r.outOffset,
                                         r.instTO, r.pointTO, r.instOT, r.pointOT,  r.timePoll, r.header};
            const std::size_t offsets[] = {0, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 28};
            for (int i = 0; i < 13; ++i) {
                const int width = (i == 0 || i >= 11) ? 4 : 2;
                EXPECT_EQ(Le(image, base + offsets[i], width), expected[i])
                    << "record " << k << " field at +" << offsets[i];
            }
        }
    }
}

TEST(BankImage, FilesWithADeclarationOrCommentBeforeTheRootAreRead)
{
    // Such files used to read as empty: default addresses, no slaves, and success reported.
    ScratchDir conf("core-bank-prolog");
    writeBytes(conf / "ParGen.xml", std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + kGatewaysOn);
    writeBytes(conf / "EtherNetIP_Master_Rules.xml",
               "<!-- edited by hand -->" + Slaves(FullRow("Y", "10.0.0.1", 10, 5)));
    TXMLDocument doc;
    TBankImage bank;
    bank.Build_Bank(doc, Path(conf.path()));
    ASSERT_EQ(bank.Image().size(), 2368u);
    EXPECT_EQ(Le(bank.Image(), 0x028, 4), Ip(172, 16, 5, 6));
    EXPECT_EQ(Le(bank.Image(), 0x278, 4), 1u);
    EXPECT_EQ(Le(bank.Image(), 0x800, 4), Ip(10, 0, 0, 1));
}

TEST(BankImage, ABuildRewritesEverythingFromTheFiles)
{
    ScratchDir conf("core-bank-rebuild");
    writeBytes(conf / "EtherNetIP_Master_Rules.xml", Slaves(FullRow("Y", "10.0.0.1", 10, 5)));
    TXMLDocument doc;
    TBankImage bank;
    bank.Build_Bank(doc, Path(conf.path()));
    std::filesystem::remove(conf / "EtherNetIP_Master_Rules.xml");
    bank.Build_Bank(doc, Path(conf.path()));
    ASSERT_EQ(bank.Image().size(), 2368u);
    EXPECT_EQ(Le(bank.Image(), 0x7FC, 4), kChecksumNoFiles);
    EXPECT_EQ(Le(bank.Image(), 0x800, 4), 0u);
}

TEST(BankImage, SaveReportsAFolderOrFileThatCannotBeWritten)
{
    ScratchDir conf("core-bank-unwritable");
    TXMLDocument doc;
    TBankImage bank;
    bank.Build_Bank(doc, Path(conf.path()));

    // "bin" is taken by a plain file: the folder cannot be made.
    writeBytes(conf / "bin", "not a folder");
    EXPECT_THROW(bank.Save_Bank(Path(conf.path())), EFCreateError);

    // A bin folder that does not take files (permissions bind only when not running as root).
    if (::geteuid() != 0) {
        std::filesystem::remove(conf / "bin");
        std::filesystem::create_directory(conf / "bin");
        std::filesystem::permissions(conf / "bin",
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_THROW(bank.Save_Bank(Path(conf.path())), EFCreateError);
        std::filesystem::permissions(conf / "bin", std::filesystem::perms::owner_all);
        std::filesystem::remove(conf / "bin");
    }

    // The write itself fails: reported, and the image saved before stays whole.
    std::filesystem::remove(conf / "bin");
    bank.Save_Bank(Path(conf.path()));
    const std::string before = readBytes(conf / "bin" / "bank.bin");
    writeBytes(conf / "EtherNetIP_Master_Rules.xml", Slaves(FullRow("Y", "10.0.0.1", 10, 5)));
    bank.Build_Bank(doc, Path(conf.path()));
    SetAtomicWriteFaultForTesting(100);
    EXPECT_THROW(bank.Save_Bank(Path(conf.path())), EWriteError);
    SetAtomicWriteFaultForTesting(-1);
    EXPECT_EQ(readBytes(conf / "bin" / "bank.bin"), before);

    // A configuration folder below a plain file.
    EXPECT_THROW(bank.Save_Bank(Path(conf / "EtherNetIP_Master_Rules.xml" / "deeper")), EFCreateError);

    // Nothing built yet: nothing to save.
    EXPECT_THROW(TBankImage().Save_Bank(Path(conf.path())), EInvalidOperation);
}

TEST(BankImage, WithoutAnOpenConfigurationNothingIsBuiltOrSaved)
{
    // An empty folder would make the image /bin/bank.bin and the files /ParGen.xml and so on.
    ScratchDir conf("core-bank-none-open");
    TXMLDocument doc;
    TBankImage bank;
    bank.Build_Bank(doc, Path(conf.path()));
    ASSERT_EQ(bank.Image().size(), 2368u);
    EXPECT_THROW(bank.Save_Bank(u""), EInvalidOperation);
    EXPECT_THROW(bank.Build_Bank(doc, u""), EInvalidOperation);
    EXPECT_TRUE(bank.Image().empty());
}

TEST(BankImage, AnUnusableAddressInAnEnabledRowStopsTheBuild)
{
    struct Case {
        const char* address;
        bool enabled;
        bool fails;
        Cardinal bytes;
    };
    const Case cases[] = {
        {"192.168.0.1 ", true, false, Ip(192, 168, 0, 1)},  // trimmed as the window's check trims
        {" 10 . 0 . 0 . 9", true, false, Ip(10, 0, 0, 9)},
        {"10.0.0.x", true, true, 0},
        {"10.0.0.256", true, true, 0},
        {"10.0.0", true, true, 0},
        {"", true, true, 0},
        {"10.0.0.x", false, false, 0},  // disabled rows are not part of the image
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.address + (c.enabled ? "\" enabled" : "\" disabled"));
        ScratchDir conf("core-bank-address");
        writeBytes(conf / "EtherNetIP_Master_Rules.xml",
                   Slaves(FullRow("Y", "10.0.0.1", 1, 1) + FullRow("N", "10.0.0.2", 1, 1) +
                          FullRow(c.enabled ? "Y" : "N", c.address, 1, 1)));
        TXMLDocument doc;
        TBankImage bank;
        if (c.fails) {
            try {
                bank.Build_Bank(doc, Path(conf.path()));
                ADD_FAILURE() << "no error";
            } catch (const EBankAddressError& e) {
                EXPECT_EQ(e.Row(), 3);
                EXPECT_EQ(e.Address(), Utf8ToString(c.address));
                EXPECT_EQ(e.Message(), u"Error row 3!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)");
            }
            EXPECT_TRUE(bank.Image().empty());
            EXPECT_THROW(bank.Save_Bank(Path(conf.path())), EInvalidOperation);
            EXPECT_FALSE(std::filesystem::exists(conf / "bin" / "bank.bin"));
        } else {
            bank.Build_Bank(doc, Path(conf.path()));
            if (c.enabled) {
                EXPECT_EQ(Le(bank.Image(), 0x800 + 32, 4), c.bytes);
            } else {
                EXPECT_EQ(Le(bank.Image(), 0x278, 4), 1u);
            }
        }
    }
}

TEST(BankImage, AFileThatIsNotWellFormedStopsTheBuild)
{
    for (const char* file : {"ParGen.xml", "EtherNetIP_Master_Rules.xml"}) {
        SCOPED_TRACE(file);
        ScratchDir conf("core-bank-broken");
        writeBytes(conf / file, "<Root><row Enable=\"Y\"></Root>");
        TXMLDocument doc;
        TBankImage bank;
        EXPECT_THROW(bank.Build_Bank(doc, Path(conf.path())), EXmlError);
        EXPECT_TRUE(bank.Image().empty());
    }
}

}  // namespace
}  // namespace gw::test
