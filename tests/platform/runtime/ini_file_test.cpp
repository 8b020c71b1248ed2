// INI files: reading with defaults, writing that keeps the rest of the file, and failures.
#include "platform/runtime/ini_file.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

std::vector<String> ItemsOf(const TStrings& list)
{
    std::vector<String> items;
    for (Integer i = 0; i < list.Count(); ++i) items.push_back(list.Get(i));
    return items;
}

TEST(IniFile, ReadsValuesWithoutCaseAndFallsBackToDefaults)
{
    TMemIniFile ini(Path(test::fixture("ini_file_grid.ini")));
    EXPECT_EQ(ini.ReadString(u"grid", u"COL0", u"?"), u"64");
    EXPECT_EQ(ini.ReadInteger(u"Grid", u"Col1", 0), 120);
    EXPECT_EQ(ini.ReadInteger(u"Print", u"FitToPage", 0), 2) << "hexadecimal";
    EXPECT_EQ(ini.ReadInteger(u"Print", u"Orientation", 7), 7) << "not a number";
    EXPECT_EQ(ini.ReadInteger(u"Print", u"Missing", -1), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(u"Print", u"Scale", 0), 1.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(u"Print", u"Title", 2.5), 2.5);
    EXPECT_TRUE(ini.ReadBool(u"Print", u"FitToPage", false));
    EXPECT_FALSE(ini.ReadBool(u"Nowhere", u"x", false));
    EXPECT_EQ(ini.ReadString(u"Print", u"Title", u""), u"\"Report\"") << "kept as written in memory files";

    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ(ItemsOf(list), (std::vector<String>{u"Grid", u"Print"}));
    ini.ReadSection(u"GRID", &list);
    EXPECT_EQ(ItemsOf(list), (std::vector<String>{u"Col0", u"Col1"}));
    ini.ReadSectionValues(u"Grid", &list);
    EXPECT_EQ(ItemsOf(list), (std::vector<String>{u"Col0=64", u"Col1=120"}));
    EXPECT_TRUE(ini.SectionExists(u"print"));
    EXPECT_FALSE(ini.SectionExists(u"Nowhere"));
    EXPECT_TRUE(ini.ValueExists(u"Grid", u"col1"));
    EXPECT_FALSE(ini.ValueExists(u"Grid", u"Col2"));
}

TEST(IniFile, MemIniFileWritesOnlyOnUpdateAndKeepsCommentsAndLayout)
{
    test::ScratchDir dir("ini_mem");
    const auto file = dir / "grid.ini";
    std::filesystem::copy_file(test::fixture("ini_file_grid.ini"), file);
    const std::string original = test::readBytes(file);
    TMemIniFile ini(Path(file));
    ini.WriteInteger(u"Grid", u"Col2", 80);
    ini.WriteString(u"grid", u"col0", u"70");
    ini.DeleteKey(u"Print", u"Orientation");
    ini.WriteBool(u"Look", u"Flat", true);
    EXPECT_EQ(test::readBytes(file), original) << "nothing written yet";
    ini.UpdateFile();
    EXPECT_EQ(test::readBytes(file),
              "; Column sizes of the grid\r\n[Grid]\r\nCol0=70\r\nCol1=120\r\nCol2=80\r\n; hand-made note\r\n\r\n"
              "[Print]\r\nTitle=\"Report\"\r\nFitToPage=0x2\r\nScale=1.5\r\n\r\n[Look]\r\nFlat=1\r\n");
    ini.EraseSection(u"PRINT");
    ini.UpdateFile();
    TMemIniFile again(Path(file));
    EXPECT_FALSE(again.SectionExists(u"Print"));
    EXPECT_EQ(again.ReadInteger(u"Grid", u"Col2", 0), 80);
}

TEST(IniFile, IniFileWritesThroughAndSeesChangesOnDisk)
{
    test::ScratchDir dir("ini_through");
    const auto file = dir / "Settings.ini";
    TIniFile ini(Path(file));
    EXPECT_EQ(ini.ReadString(u"Main", u"Lang", u"EN"), u"EN") << "a missing file is empty";
    ini.WriteString(u"Main", u"Lang", u"IT");
    ini.WriteInteger(u"Main", u"Port", 502);
    EXPECT_EQ(test::readBytes(file), "[Main]\r\nLang=IT\r\nPort=502\r\n");
    // Someone else changes the file: the next read sees it.
    test::writeBytes(file, "[Main]\r\nLang='DE'\r\n");
    EXPECT_EQ(ini.ReadString(u"Main", u"Lang", u""), u"DE") << "quotes removed";
    EXPECT_EQ(ini.ReadInteger(u"Main", u"Port", 0), 0);
}

TEST(IniFile, WritingWhereNoFileCanBeRaisesTheRuntimesErrors)
{
    test::ScratchDir dir("ini_fail");
    const String name = Path(dir / "missing" / "Settings.ini");
    TIniFile ini(name);
    try {
        ini.WriteString(u"Main", u"Lang", u"IT");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), u"Unable to write to " + name);
    }
    EXPECT_EQ(ini.ReadString(u"Main", u"Lang", u"none"), u"none") << "the failed change is not kept";

    TMemIniFile mem(name);
    mem.WriteString(u"Main", u"Lang", u"IT");
    EXPECT_THROW(mem.UpdateFile(), EFCreateError);
    EXPECT_EQ(mem.ReadString(u"Main", u"Lang", u""), u"IT");
}

TEST(IniFile, KeepsTheEncodingOfTheFile)
{
    test::ScratchDir dir("ini_encoding");
    const auto file = dir / "utf16.ini";
    test::writeBytes(file, std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xFC\0\r\0\n\0", 22));
    TMemIniFile ini(Path(file));
    EXPECT_EQ(ini.ReadString(u"A", u"k", u""), u"ü");
    ini.WriteString(u"A", u"k", u"ö");
    ini.UpdateFile();
    EXPECT_EQ(test::readBytes(file), std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xF6\0\r\0\n\0", 22));
}

TEST(IniFile, WithoutAByteOrderMarkTheFileIsWindows1252)
{
    test::ScratchDir dir("ini_ansi");
    const auto file = dir / "plain.ini";
    // Bytes that would also be valid UTF-8 ("\xC3\xA9" is an e with acute there).
    test::writeBytes(file, "[A]\r\nk=\xC3\xA9\r\n");
    TMemIniFile ini(Path(file));
    EXPECT_EQ(ini.ReadString(u"A", u"k", u""), u"\u00C3\u00A9");
    ini.WriteString(u"A", u"e", u"\u00E9");
    ini.UpdateFile();
    EXPECT_EQ(test::readBytes(file), "[A]\r\nk=\xC3\xA9\r\ne=\xE9\r\n");
}

}  // namespace
}  // namespace gw
