// Tests of reading and writing the settings file Plenator.xml.
#include "core/settings_file.h"

#include "core/program_state.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gw::test {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    ScratchDir dir{"settings_file"};
    TXMLDocument xml;
    TProgramState state;

    SettingsFileTest() { state.Exe_Dir = Utf8ToString(dir.path().string()); }
    std::filesystem::path File() const { return dir / "Plenator.xml"; }
};

TEST_F(SettingsFileTest, EveryValueSurvivesWritingAndReading)
{
    // Two switch patterns so that each switch is seen both on and off.
    for (int pattern = 0; pattern < 2; ++pattern) {
        state.Opened_Conf_Name = u" Anlage S\u00FCd \u20AC <&> \"x\"";
        state.Device_IP_Address = u"10.0.0.7";
        state.Language_Name = u"Fran\u00E7ais";
        state.Internet_Enabled = pattern == 0;
        state.Update_Enabled = pattern == 1;
        state.Jump_Field_Enabled = pattern == 0;
        state.Auto_Size_Enabled = pattern == 1;
        Save_Setting(state, xml);

        TProgramState back;
        back.Exe_Dir = state.Exe_Dir;
        back.Opened_Conf_Dir = u"stale";
        Read_Setting(back, xml);
        EXPECT_EQ(back.Opened_Conf_Name, state.Opened_Conf_Name);
        EXPECT_EQ(back.Opened_Conf_Dir, u"");
        EXPECT_EQ(back.Device_IP_Address, state.Device_IP_Address);
        EXPECT_EQ(back.Language_Name, state.Language_Name);
        EXPECT_EQ(back.Internet_Enabled, state.Internet_Enabled);
        EXPECT_EQ(back.Update_Enabled, state.Update_Enabled);
        EXPECT_EQ(back.Jump_Field_Enabled, state.Jump_Field_Enabled);
        EXPECT_EQ(back.Auto_Size_Enabled, state.Auto_Size_Enabled);
    }
}

TEST_F(SettingsFileTest, WrittenFileIsWellFormedWithTheRootFirst)
{
    state.Opened_Conf_Name = u"";  // empty values are written as empty elements
    state.Update_Enabled = true;
    Save_Setting(state, xml);
    const std::string bytes = readBytes(File());
    EXPECT_EQ(bytes.rfind("<Conf_Settings>", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("<enable_update>1</enable_update>"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("<enable_internet>0</enable_internet>"), std::string::npos) << bytes;
    const std::string command = "xmllint --noout '" + File().string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << bytes;
}

TEST_F(SettingsFileTest, FailedWriteRaisesAndLeavesNoFile)
{
    state.Exe_Dir = Utf8ToString((dir / "missing_folder").string());
    EXPECT_THROW(Save_Setting(state, xml), Exception);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing_folder"));
}

TEST_F(SettingsFileTest, InterruptedWriteKeepsTheOldFileWhole)
{
    state.Language_Name = u"Deutsch";
    Save_Setting(state, xml);
    const std::string before = readBytes(File());
    state.Language_Name = u"Italiano";
    SetAtomicWriteFaultForTesting(20);
    EXPECT_THROW(Save_Setting(state, xml), EStreamError);
    SetAtomicWriteFaultForTesting(-1);
    EXPECT_EQ(readBytes(File()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

struct DamagedCase {
    const char* label;
    const char* content;  // nullptr: no file at all
    const char16_t* name;
    const char16_t* address;
    const char16_t* language;
    bool internet, update, jump, autoSize;
};

void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.label; }

class DamagedSettingsTest : public SettingsFileTest, public ::testing::WithParamInterface<DamagedCase> {};

constexpr const char16_t* Ip = u"192.168.2.205";

TEST_P(DamagedSettingsTest, EachDamagedValueTakesItsDefault)
{
    const DamagedCase& c = GetParam();
    if (c.content) writeBytes(File(), c.content);
    state.Opened_Conf_Name = u"before";
    state.Internet_Enabled = true;
    Read_Setting(state, xml);
    EXPECT_EQ(state.Opened_Conf_Name, c.name);
    EXPECT_EQ(state.Device_IP_Address, c.address);
    EXPECT_EQ(state.Language_Name, c.language);
    EXPECT_EQ(state.Internet_Enabled, c.internet);
    EXPECT_EQ(state.Update_Enabled, c.update);
    EXPECT_EQ(state.Jump_Field_Enabled, c.jump);
    EXPECT_EQ(state.Auto_Size_Enabled, c.autoSize);
}

#define ALL_SWITCHES                                                                                                   \
    "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"                               \
    "<enable_jump_field_tables>1</enable_jump_field_tables>"                                                           \
    "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet>"
#define FULL_BODY                                                                                                      \
    "<lastproj><projectname>P1</projectname></lastproj>"                                                               \
    "<lastipadd><ipaddress>10.1.1.1</ipaddress></lastipadd>"                                                           \
    "<lastlang><language>Deutsch</language></lastlang>" ALL_SWITCHES

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettingsTest,
    ::testing::Values(
        DamagedCase{"missing", nullptr, u"", Ip, u"English", false, false, false, false},
        DamagedCase{"complete", "<Conf_Settings>" FULL_BODY "</Conf_Settings>", u"P1", u"10.1.1.1", u"Deutsch", true,
                    true, true, true},
        DamagedCase{"any_root_name", "<Other>" FULL_BODY "</Other>", u"P1", u"10.1.1.1", u"Deutsch", true, true, true,
                    true},
        DamagedCase{"not_well_formed", "<Conf_Settings>" FULL_BODY, u"", Ip, u"English", false, false, false, false},
        DamagedCase{"empty_file", "", u"", Ip, u"English", false, false, false, false},
        // A hand-edited file or another tool's may put these before the root; the values count.
        DamagedCase{"declaration_first", "<?xml version=\"1.0\"?><Conf_Settings>" FULL_BODY "</Conf_Settings>", u"P1",
                    u"10.1.1.1", u"Deutsch", true, true, true, true},
        DamagedCase{"comment_first", "<!-- x --><Conf_Settings>" FULL_BODY "</Conf_Settings>", u"P1", u"10.1.1.1",
                    u"Deutsch", true, true, true, true},
        DamagedCase{"instruction_first", "<?editor x?>\n<Conf_Settings>" FULL_BODY "</Conf_Settings><!-- y -->", u"P1",
                    u"10.1.1.1", u"Deutsch", true, true, true, true},
        DamagedCase{"comments_only", "<!-- x --><!-- y -->", u"", Ip, u"English", false, false, false, false},
        DamagedCase{"address_group_missing",
                    "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj>"
                    "<lastlang><language>Deutsch</language></lastlang>" ALL_SWITCHES "</Conf_Settings>",
                    u"P1", Ip, u"Deutsch", true, true, true, true},
        DamagedCase{"switch_group_missing",
                    "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>", u"", Ip,
                    u"Deutsch", false, false, false, false},
        DamagedCase{"update_value_missing",
                    "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                    "</lastinternet></Conf_Settings>",
                    u"", Ip, u"English", true, false, false, false},
        DamagedCase{"switch_texts_not_exactly_1",
                    "<Conf_Settings><lastinternet><enable_internet>1 </enable_internet>"
                    "<enable_update>true</enable_update><enable_jump_field_tables>01"
                    "</enable_jump_field_tables><Double_Click_Auto_Size> 1</Double_Click_Auto_Size>"
                    "</lastinternet></Conf_Settings>",
                    u"", Ip, u"English", false, false, false, false},
        DamagedCase{"names_are_case_sensitive",
                    "<Conf_Settings><LastLang><language>Deutsch</language></LastLang><lastinternet>"
                    "<double_click_auto_size>1</double_click_auto_size></lastinternet></Conf_Settings>",
                    u"", Ip, u"English", false, false, false, false},
        DamagedCase{"duplicates_first_counts",
                    "<Conf_Settings><lastproj><projectname>A</projectname><projectname>B</projectname>"
                    "</lastproj><lastproj><projectname>C</projectname></lastproj></Conf_Settings>",
                    u"A", Ip, u"English", false, false, false, false},
        DamagedCase{"element_with_children",
                    "<Conf_Settings><lastproj><projectname>P<b>1</b></projectname></lastproj>"
                    "<lastipadd><ipaddress><!-- c -->10.1.1.1</ipaddress></lastipadd>"
                    "<lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
                    u"", Ip, u"Deutsch", false, false, false, false},
        DamagedCase{"other_order_and_extras",
                    "<Conf_Settings x=\"1\"><extra/><lastlang a=\"b\"><language>Deutsch</language>"
                    "</lastlang><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>",
                    u"P1", Ip, u"Deutsch", false, false, false, false}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace gw::test
