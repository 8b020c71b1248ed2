// Stored column widths and positions in an INI file and in the registry stand-in, read back by
// the store and by Python's configparser.
#include "grid/model/column_store.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/python_ini.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gw {
namespace {

using Ints = std::vector<Integer>;

// Sets an environment variable for one test and puts the old value back.
class TEnvironment {
public:
    TEnvironment(const char* Name, const std::string& Value) : m_name(Name)
    {
        if (const char* old = std::getenv(Name)) m_old = old;
        setenv(Name, Value.c_str(), 1);
    }
    ~TEnvironment()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class ColumnStore : public ::testing::Test {
protected:
    test::ScratchDir dir{"column_store"};
    TColumnSize size{nullptr};
    std::filesystem::path ini = dir / "grid.ini";

    void SetUp() override
    {
        size.Location = clIniFile;
        size.Key = Utf8ToString(ini.string());
        size.Section = u"Widths";
    }
    String Stored(const std::filesystem::path& File, StringView Section, StringView Name)
    {
        TMemIniFile file(Utf8ToString(File.string()));
        return file.ReadString(Section, Name, u"<none>");
    }
};

TEST_F(ColumnStore, WidthsInAnIniFileKeepTheOtherSections)
{
    test::writeBytes(ini, "[Other]\r\nA=1\r\n[Widths]\r\nCol0=5\r\nExtra=x\r\n");
    SaveColSizes(size, {64, 120, 8});
    EXPECT_EQ(test::readBytes(ini), "[Other]\r\nA=1\r\n[Widths]\r\nCol0=64\r\nExtra=x\r\nCol1=120\r\nCol2=8\r\n");

    Ints widths = {1, 2, 3, 4};
    LoadColSizes(size, widths);
    EXPECT_EQ(widths, (Ints{64, 120, 8, 4}));  // Col3 is not stored: the current width stays
}

TEST_F(ColumnStore, StoredWidthsThatAreNoWidthGiveTheCurrentOne)
{
    test::writeBytes(ini, "[Widths]\nCol0= 12\nCol1=70000\nCol2=abc\nCol3=-32768\nCol4=$20\nCol5=32768\nCol6=\n");
    Ints widths = {1, 2, 3, 4, 5, 6, 7};
    LoadColSizes(size, widths);
    EXPECT_EQ(widths, (Ints{12, 2, 3, -32768, 32, 6, 7}));
}

TEST_F(ColumnStore, WithoutKeyOrSectionNothingIsReadOrWritten)
{
    test::writeBytes(ini, "[Widths]\nCol0=12\n");
    for (const auto& [key, section] : {std::pair<String, String>{Utf8ToString(ini.string()), u""}, {u"", u"Widths"}}) {
        size.Key = key;
        size.Section = section;
        Ints widths = {1};
        LoadColSizes(size, widths);
        EXPECT_EQ(widths, Ints{1});
        SaveColSizes(size, {99});
        SaveColPositions(size, {0});
        EXPECT_FALSE(LoadColPositions(size, 1));
    }
    EXPECT_EQ(test::readBytes(ini), "[Widths]\nCol0=12\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ColumnStore, LoadingFromAMissingFileLeavesTheWidthsAndAnEmptyFile)
{
    Ints widths = {10, 20};
    LoadColSizes(size, widths);
    EXPECT_EQ(widths, (Ints{10, 20}));
    ASSERT_TRUE(std::filesystem::exists(ini));
    EXPECT_EQ(std::filesystem::file_size(ini), 0u);
}

TEST_F(ColumnStore, Positions)
{
    // Never moved: nothing written, and a later load does nothing.
    SaveColPositions(size, {});
    EXPECT_EQ(Stored(ini, u"Widths", u"Pos0"), u"<none>");
    EXPECT_FALSE(LoadColPositions(size, 3));

    SaveColPositions(size, {2, 0, 1});
    EXPECT_EQ(Stored(ini, u"Widths", u"Pos2"), u"1");
    const auto stored = LoadColPositions(size, 3);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Positions, (Ints{2, 0, 1}));
    EXPECT_EQ(stored->MoveOrder, (Ints{1, 2, 0}));

    // Only the first N are read, -1 left out: here the list lacks a column.
    test::writeBytes(ini, "[Widths]\nPos0=1\nPos1=-1\nPos2=0\nPos3=2\n");
    EXPECT_THROW(LoadColPositions(size, 3), EStringListError);
    test::writeBytes(ini, "[Widths]\nPos0=-1\nPos1=0\n");
    EXPECT_FALSE(LoadColPositions(size, 2));
    test::writeBytes(ini, "[Widths]\nPos0=1\nPos1=1\n");
    EXPECT_THROW(LoadColPositions(size, 2), EStringListError);
}

TEST_F(ColumnStore, TheRegistryStandInIsOneFileInTheConfigurationFolder)
{
    const TEnvironment config("XDG_CONFIG_HOME", (dir / "config").string());
    const std::filesystem::path file = dir / "config" / "gw-registry.ini";
    EXPECT_EQ(RegistryStandInFileName(), Utf8ToString(file.string()));
    size.Location = clRegistry;
    size.Key = u"Software\\Maker\\Configurator";
    size.Section = u"Grid";

    // Opening creates the key, also for a load (and the folder with it).
    Ints widths = {7};
    LoadColSizes(size, widths);
    EXPECT_EQ(widths, Ints{7});
    EXPECT_TRUE(std::filesystem::exists(file));

    SaveColSizes(size, {31, 32});
    SaveColPositions(size, {1, 0});
    EXPECT_EQ(Stored(file, u"Software\\Maker\\Configurator\\Grid", u"Col1"), u"32");
    widths = {0, 0};
    LoadColSizes(size, widths);
    EXPECT_EQ(widths, (Ints{31, 32}));
    EXPECT_EQ(LoadColPositions(size, 2)->Positions, (Ints{1, 0}));

    // A text that is no integer reads as the default.
    test::writeBytes(file, "[Software\\Maker\\Configurator\\Grid]\nCol0=wide\n");
    widths = {5};
    LoadColSizes(size, widths);
    EXPECT_EQ(widths, Ints{5});
}

TEST_F(ColumnStore, WithoutXdgConfigHomeTheFolderIsDotConfig)
{
    const TEnvironment home("HOME", (dir / "home").string());
    const TEnvironment config("XDG_CONFIG_HOME", "");
    EXPECT_EQ(RegistryStandInFileName(), Utf8ToString((dir / "home" / ".config" / "gw-registry.ini").string()));
}

TEST_F(ColumnStore, ConfigParserReadsTheWrittenFile)
{
    const TEnvironment config("XDG_CONFIG_HOME", (dir / "config").string());
    SaveColSizes(size, {64, 120, 8});
    SaveColPositions(size, {2, 0, 1});
    size.Location = clRegistry;
    size.Key = u"Software\\Maker";
    size.Section = u"Grid";
    SaveColSizes(size, {-5});

    const auto iniValues = test::ReadWithConfigParser(ini);
    if (!iniValues) GTEST_SKIP() << "python3 is missing";
    using Values = std::map<std::pair<String, String>, String>;
    EXPECT_EQ(*iniValues,
              (Values{{{u"Widths", u"Col0"}, u"64"},
                      {{u"Widths", u"Col1"}, u"120"},
                      {{u"Widths", u"Col2"}, u"8"},
                      {{u"Widths", u"Pos0"}, u"2"},
                      {{u"Widths", u"Pos1"}, u"0"},
                      {{u"Widths", u"Pos2"}, u"1"}}));
    EXPECT_EQ(*test::ReadWithConfigParser(dir / "config" / "gw-registry.ini"),
              (Values{{{u"Software\\Maker\\Grid", u"Col0"}, u"-5"}}));
}

}  // namespace
}  // namespace gw
