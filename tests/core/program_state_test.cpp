// Tests of the program state: folders, creating and opening configurations, derived paths.
#include "core/program_state.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

namespace fs = std::filesystem;

String PathOf(const fs::path& p) { return Utf8ToString(p.string()); }

class ProgramStateTest : public ::testing::Test {
protected:
    ScratchDir dir{"program_state"};
    TProgramState state;

    ProgramStateTest()
    {
        state.Set_Folders(PathOf(dir.path()) + u"/");
        state.Create_Folders();
    }
    fs::path Projects() const { return dir / "PROJECTS"; }
    void MakeFolder(const std::string& name) { fs::create_directories(Projects() / name); }

    // Every derived path names its file directly inside the open configuration's folder.
    void ExpectPathsInside(const String& folder) const
    {
        const std::pair<const String*, const char16_t*> paths[] = {
            {&state.Path_ParGen, u"ParGen.xml"},
            {&state.Path_EtherNetIP_Master_Rules, u"EtherNetIP_Master_Rules.xml"},
            {&state.Path_SNMP_Trap, u"SNMP_Trap.xml"},
            {&state.Path_CAN_Rec_Frames, u"CAN_Rec_Frames.xml"},
            {&state.Path_CAN_Send_Frames, u"CAN_Send_Frames.xml"},
            {&state.Path_BACnet_Slave_SetAccess, u"BACnet_Slave_SetAccess.xml"},
            {&state.Path_KNX_SetAccess, u"KNX_SetAccess.xml"},
            {&state.Path_MQTT_Set_Topic, u"MQTT_Set_Topic.xml"},
            {&state.Path_SDO_Server_CANopen, u"SDO_Server_CANopen.xml"},
            {&state.Path_SDO_Client_CANopen, u"SDO_Client_CANopen.xml"},
            {&state.Path_PDO_CANopen, u"PDO_CANopen.xml"},
        };
        ASSERT_EQ(state.Opened_Conf_Dir, folder);
        const fs::path base = fs::weakly_canonical(fs::path(StringToUtf8(folder)));
        ASSERT_EQ(base.parent_path(), fs::weakly_canonical(Projects()));
        for (const auto& [path, file] : paths) {
            EXPECT_EQ(*path, folder + u"/" + file);
            EXPECT_EQ(fs::weakly_canonical(fs::path(StringToUtf8(*path))).parent_path(), base);
        }
    }
    void ExpectNoPaths() const
    {
        EXPECT_FALSE(state.Conf_Opened());
        EXPECT_EQ(state.Path_ParGen, u"");
        EXPECT_EQ(state.Path_PDO_CANopen, u"");
    }
};

TEST_F(ProgramStateTest, FoldersLieBesideTheExecutable)
{
    const String exe = PathOf(dir.path());
    EXPECT_EQ(state.Exe_Dir, exe);
    EXPECT_EQ(state.Master_Dir, exe + u"/MASTER");
    EXPECT_EQ(state.Projects_Dir, exe + u"/PROJECTS");
    EXPECT_EQ(state.Language_Dir, exe + u"/LANGUAGE");
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(fs::is_directory(dir / sub)) << sub;
    EXPECT_EQ(state.SW_Code, u"CF52818");
    EXPECT_EQ(state.Main_Title.back(), u' ');
}

TEST_F(ProgramStateTest, WithNoConfigurationOpenThePathsAreEmpty)
{
    state.Set_Files();
    ExpectNoPaths();
}

TEST_F(ProgramStateTest, NewConfigurationCreatesItsFoldersAndPaths)
{
    ASSERT_EQ(state.New_Project(u"Plant \u00C4 1"), TNewProjectResult::npCreated);
    EXPECT_EQ(state.Opened_Conf_Name, u"Plant \u00C4 1");
    EXPECT_TRUE(fs::is_directory(Projects() / "Plant \xC3\x84 1" / "bin"));
    ExpectPathsInside(state.Projects_Dir + u"/Plant \u00C4 1");
}

struct NameCase {
    const char* name;
    TNewProjectResult result;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class NewNameTest : public ProgramStateTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NewNameTest, RefusedNamesChangeNothing)
{
    MakeFolder("Existing");
    MakeFolder("sub");
    MakeFolder("\xC3\xA4rger");
    ASSERT_EQ(state.New_Project(u"Before"), TNewProjectResult::npCreated);
    const auto entriesBefore = std::distance(fs::recursive_directory_iterator(dir.path()), {});

    EXPECT_EQ(state.New_Project(Utf8ToString(GetParam().name)), GetParam().result);
    EXPECT_EQ(state.Opened_Conf_Name, u"Before");
    ExpectPathsInside(state.Projects_Dir + u"/Before");
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), entriesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NewNameTest,
    ::testing::Values(
        NameCase{"", TNewProjectResult::npEmptyName}, NameCase{"Existing", TNewProjectResult::npExists},
        NameCase{"EXISTING", TNewProjectResult::npExists}, NameCase{"existing", TNewProjectResult::npExists},
        NameCase{"\xC3\x84RGER", TNewProjectResult::npExists},
        NameCase{"sub/nested", TNewProjectResult::npCannotCreate},
        NameCase{"sub\\nested", TNewProjectResult::npCannotCreate},
        NameCase{"../escaped", TNewProjectResult::npCannotCreate},
        NameCase{"/tmp/absolute", TNewProjectResult::npCannotCreate}, NameCase{".", TNewProjectResult::npCannotCreate},
        NameCase{"..", TNewProjectResult::npCannotCreate}, NameCase{".hidden", TNewProjectResult::npCannotCreate},
        NameCase{"trailing ", TNewProjectResult::npCannotCreate},
        NameCase{"trailing.", TNewProjectResult::npCannotCreate}, NameCase{"a:b", TNewProjectResult::npCannotCreate},
        NameCase{"a*b", TNewProjectResult::npCannotCreate}, NameCase{"a?b", TNewProjectResult::npCannotCreate},
        NameCase{"a\"b", TNewProjectResult::npCannotCreate}, NameCase{"a<b", TNewProjectResult::npCannotCreate},
        NameCase{"a>b", TNewProjectResult::npCannotCreate}, NameCase{"a|b", TNewProjectResult::npCannotCreate},
        NameCase{"tab\tin", TNewProjectResult::npCannotCreate}));

TEST_F(ProgramStateTest, NewConfigurationWithoutProjectsFolderIsRefused)
{
    fs::remove(Projects());
    EXPECT_EQ(state.New_Project(u"Plant"), TNewProjectResult::npCannotCreate);
    ExpectNoPaths();
    EXPECT_FALSE(fs::exists(Projects()));
}

TEST_F(ProgramStateTest, OpenListsConfigurationsSortedWithoutHiddenEntries)
{
    for (const char* name : {"gamma", "Alpha", ".hidden", "beta"}) MakeFolder(name);
    writeBytes(Projects() / "file.txt", "x");
    EXPECT_EQ(state.Load_Existing_Configuration(), (std::vector<String>{u"Alpha", u"beta", u"gamma"}));
}

TEST_F(ProgramStateTest, OpenPreselectsTheOpenConfigurationLetterCaseAside)
{
    for (const char* name : {"Alpha", "beta"}) MakeFolder(name);
    const std::vector<String> list = state.Load_Existing_Configuration();
    EXPECT_EQ(state.Open_Preselection(list), 0);
    state.Opened_Conf_Dir = state.Projects_Dir + u"/BETA";
    EXPECT_EQ(state.Current_Conf_Folder_Name(), u"BETA");
    EXPECT_EQ(state.Open_Preselection(list), 1);
    state.Opened_Conf_Dir = state.Projects_Dir + u"/deleted";
    EXPECT_EQ(state.Open_Preselection(list), 0);
    EXPECT_EQ(state.Open_Preselection({}), -1);
    EXPECT_EQ(Search_Open_Conf(list, u"ALPHA"), 0);
    EXPECT_EQ(Search_Open_Conf(list, u"Alph"), -1);
}

TEST_F(ProgramStateTest, OpenProjectDerivesThePathsOrLeavesNoneOpen)
{
    MakeFolder("beta");
    state.Open_Project(u"beta");
    ExpectPathsInside(state.Projects_Dir + u"/beta");

    state.Open_Project(u"");
    EXPECT_EQ(state.Opened_Conf_Name, u"");
    ExpectNoPaths();

    state.Open_Project(u"../beta");
    ExpectNoPaths();
}

struct ReopenCase {
    const char* stored;
    const char* folder;  // nullptr: no configuration open
};

void PrintTo(const ReopenCase& c, std::ostream* os) { *os << '"' << c.stored << '"'; }

class ReopenTest : public ProgramStateTest, public ::testing::WithParamInterface<ReopenCase> {};

TEST_P(ReopenTest, LastConfigurationReopensOnlyFromItsFolder)
{
    MakeFolder("beta");
    MakeFolder("beta/inner");
    state.Opened_Conf_Name = Utf8ToString(GetParam().stored);
    state.Reopen_Last_Configuration();
    EXPECT_EQ(state.Opened_Conf_Name, Utf8ToString(GetParam().stored));
    if (GetParam().folder)
        ExpectPathsInside(state.Projects_Dir + u"/" + Utf8ToString(GetParam().folder));
    else
        ExpectNoPaths();
}

INSTANTIATE_TEST_SUITE_P(Stored, ReopenTest,
                         ::testing::Values(ReopenCase{"beta", "beta"}, ReopenCase{"BETA", "beta"},
                                           ReopenCase{"", nullptr}, ReopenCase{"deleted", nullptr},
                                           ReopenCase{"beta/inner", nullptr}, ReopenCase{"../PROJECTS/beta", nullptr},
                                           ReopenCase{".", nullptr}));

}  // namespace
}  // namespace gw::test
