// Tests of the address checks and the serial-port list.
#include "core/address_checks.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace gw::test {
namespace {

struct KnxCase {
    const char* text;
    bool group;
    bool allowZero;
    Integer expected;
};

TEST(AddressChecks, KnxAddressTable)
{
    const KnxCase cases[] = {
        // Individual mode.
        {"1.1.20", false, true, 0},
        {"15.15.255", false, true, 0},
        {" 15 . 15 . 255 ", false, true, 0},
        {"16.1.1", false, true, 1},
        {"1.16.1", false, true, 1},
        {"1.1.256", false, true, 1},
        {"0.0.0", false, true, 0},
        {"0.0.0", false, false, 1},
        {"0.0.1", false, false, 0},
        {"1.1", false, true, 0},
        {"x.y", false, true, 0},
        {"1.2.3.4", false, true, 1},
        {"1/2", false, true, 1},
        {"1", false, true, 0},
        {"65535", false, true, 0},
        {"0", false, true, 1},
        {"65536", false, true, 1},
        {"", false, true, 1},
        {"a.b.c", false, true, 1},
        {"0x1.$2.0x10", false, true, 0},
        // Group mode.
        {"31/2047", true, true, 0},
        {"0/0", true, true, 1},
        {"0/1", true, true, 0},
        {"32/1", true, true, 1},
        {"1/2048", true, true, 1},
        {"31/7/255", true, true, 0},
        {"0/0/0", true, true, 1},
        {"0/0/0", true, false, 1},
        {"1/8/1", true, true, 1},
        {"1/1/256", true, true, 1},
        {"1.2", true, true, 1},
        {"1/2/3/4", true, true, 1},
        {"1/", true, true, 1},
        {"1", true, false, 0},
        {"65535", true, true, 0},
        {"0", true, true, 1},
        {"65536", true, true, 1},
        {"-1/5", true, true, 1},
    };
    for (const KnxCase& c : cases)
        EXPECT_EQ(Check_KNX_Address(S(c.text), c.group, c.allowZero), c.expected)
            << c.text << (c.group ? " group" : " individual") << (c.allowZero ? "" : " no zero");
}

TEST(AddressChecks, NoDot)
{
    EXPECT_TRUE(No_Dot(u"1/2/3"));
    EXPECT_TRUE(No_Dot(u""));
    EXPECT_FALSE(No_Dot(u"1.2"));
    EXPECT_FALSE(No_Dot(u"."));
}

struct IpCase {
    const char* text;
    bool valid;
    const char* parts[4];  // expected outputs; "?" = left as it was
};

TEST(AddressChecks, CheckIpAddressTable)
{
    const IpCase cases[] = {
        {"192.168.0.1", true, {"192", "168", "0", "1"}},
        {"  192.168.0.1 ", true, {"192", "168", "0", "1"}},
        {"192 . 168 .0 . 1", true, {"192", "168", "0", "1"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"255.255.255.255", true, {"255", "255", "255", "255"}},
        {"0x10.$A.0.1", true, {"0x10", "$A", "0", "1"}},
        {"192.168.0", false, {"192", "168", "?", "?"}},
        {"192", false, {"?", "?", "?", "?"}},
        {"", false, {"?", "?", "?", "?"}},
        {"192.168.0.1.5", false, {"192", "168", "0", "1.5"}},
        {"192.168.0.256", false, {"192", "168", "0", "256"}},
        {"a.b.c.d", false, {"a", "b", "c", "d"}},
        {"1..2.3", false, {"1", "", "2", "3"}},
        {"-1.0.0.0", false, {"-1", "0", "0", "0"}},
        {"1.2.3.", false, {"1", "2", "3", ""}},
    };
    for (const IpCase& c : cases) {
        String p[4] = {u"?", u"?", u"?", u"?"};
        EXPECT_EQ(Check_IP_Address(S(c.text), p[0], p[1], p[2], p[3]), c.valid) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(p[i], S(c.parts[i])) << c.text << " part " << i + 1;
    }
}

struct SplitCase {
    const char* text;
    bool error;
    Byte bytes[4];
};

TEST(AddressChecks, SplitIpBytesTable)
{
    // The bytes start at 7 so that "left untouched" shows.
    const SplitCase cases[] = {
        {"10.0.0.1", false, {10, 0, 0, 1}},
        {"10.0.0.x", true, {10, 0, 0, 0}},
        {"", true, {7, 7, 7, 7}},
        {"1.2.3", true, {1, 2, 0, 3}},
        // Each part trimmed, as the check that accepted the address trims.
        {"192.168.0.1 ", false, {192, 168, 0, 1}},
        {" 192 . 168 . 0 . 1 ", false, {192, 168, 0, 1}},
        {"192.168.0.256", true, {192, 168, 0, 0}},
        {"300.1.1.1", true, {0, 1, 1, 1}},
        {"1.2.3.4.5", true, {1, 2, 3, 0}},
        {"$C0.0xA8.0.1", false, {192, 168, 0, 1}},
        {" ", true, {0, 0, 0, 0}},
    };
    for (const SplitCase& c : cases) {
        Byte b[4] = {7, 7, 7, 7};
        EXPECT_EQ(Split_IP_Bytes(S(c.text), b[0], b[1], b[2], b[3]), c.error) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(b[i], c.bytes[i]) << '"' << c.text << "\" byte " << i + 1;
    }
}

// The one integer conversion as the checks see it: leading blanks, one sign, decimal digits or
// hexadecimal after "$" or "0x"; anything else, and an empty part, is no number.
TEST(AddressChecks, IntegerRuleInsideAddresses)
{
    struct Case {
        const char* part;
        int value;  // -1: not a number
    };
    const Case cases[] = {
        {"7", 7},
        {"007", 7},
        {"+7", 7},
        {" 7", 7},
        {"$ff", 255},
        {"$FF", 255},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-0", 0},
        {"", -1},
        {"$", -1},
        {"0x", -1},
        {"7a", -1},
        {"1e2", -1},
        {"1_0", -1},
        {"+-1", -1},
        {"--1", -1},
        {"7.0", -1},
        {"\xD9\xA3", -1},  // an Arabic-Indic digit is no decimal digit
        {"4294967303", -1},  // would wrap to 7 in 32 bits
        {"0x100000007", -1},
    };
    for (const Case& c : cases) {
        const std::string part = c.part;
        // The last part of a dotted address: the check and the split must agree.
        const String text = S("10.0.0." + part);
        String p1, p2, p3, p4;
        Byte b[4] = {};
        const bool valid = c.value >= 0 && c.value <= 255;
        EXPECT_EQ(Check_IP_Address(text, p1, p2, p3, p4), valid) << part;
        EXPECT_EQ(Split_IP_Bytes(text, b[0], b[1], b[2], b[3]), !valid) << part;
        EXPECT_EQ(b[3], valid ? c.value : 0) << part;
        // A KNX individual address's last part takes 0-255 as well.
        EXPECT_EQ(Check_KNX_Address(S("1.1." + part), false, true), valid ? 0 : 1) << part;
    }
}

TEST(AddressChecks, ComPortsAreNumberedByFamilyAndListedWhenPresentOrHeld)
{
    ScratchDir dev("core-address-ports");
    for (const char* name :
         {"ttyS0", "ttyS1", "ttyS10", "ttyS2", "ttyUSB0", "ttyACM0", "ttyX1", "tty0", "ttySx", "console"})
        writeBytes(dev / name, "");
    // Numbering: ttyS0=1, ttyS1=2, ttyS2=3, ttyS10=4, ttyUSB0=5, ttyACM0=6.
    std::map<std::string, TPortProbe> probes = {
        {"ttyS0", TPortProbe::ppFree},    {"ttyS1", TPortProbe::ppAbsent}, {"ttyS2", TPortProbe::ppHeld},
        {"ttyS10", TPortProbe::ppAbsent}, {"ttyUSB0", TPortProbe::ppFree}, {"ttyACM0", TPortProbe::ppHeld},
    };
    std::vector<std::string> probed;
    const auto prober = [&](const String& device) {
        const std::string name = std::filesystem::path(StringToUtf8(device)).filename().string();
        probed.push_back(name);
        const auto it = probes.find(name);
        return it == probes.end() ? TPortProbe::ppFree : it->second;
    };
    const std::vector<String> ports = List_COM_Ports(Utf8ToString(dev.path().string()), prober);
    EXPECT_EQ(ports, (std::vector<String>{u"1", u"3", u"5", u"6"}));
    EXPECT_EQ(probed, (std::vector<std::string>{"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyUSB0", "ttyACM0"}));
}

TEST(AddressChecks, ComPortsOfAMissingFolderAreNone)
{
    EXPECT_TRUE(List_COM_Ports(u"/nonexistent-device-folder", Probe_Serial_Device).empty());
}

TEST(AddressChecks, ProbeTellsAbsentFromPresentDevices)
{
    ScratchDir dir("core-address-probe");
    writeBytes(dir / "plain", "");
    std::filesystem::create_directory(dir / "folder");
    EXPECT_EQ(Probe_Serial_Device(Utf8ToString((dir / "plain").string())), TPortProbe::ppFree);
    EXPECT_EQ(Probe_Serial_Device(Utf8ToString((dir / "missing").string())), TPortProbe::ppAbsent);
    EXPECT_EQ(Probe_Serial_Device(Utf8ToString((dir / "folder").string())), TPortProbe::ppAbsent);
}

}  // namespace
}  // namespace gw::test
