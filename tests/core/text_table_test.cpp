// Tests of the built-in text table, language-file lines, encodings and the fall-back chain.
#include "core/text_table.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gw::test {
namespace {

String PathOf(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

TEST(TextTableTest, BuiltInTableHoldsTheEnglishTextsAsWritten)
{
    const TTextTable table;
    ASSERT_EQ(table.Count(), 2400);
    EXPECT_EQ(table.Max_Num_Str(), 2400);
    EXPECT_EQ(table[0], u"Begin");
    EXPECT_EQ(table[2399], u" ");
    EXPECT_EQ(table[55], u" ");
    EXPECT_EQ(table[9], u"None Configuration Opened ");
    EXPECT_EQ(table[11], u"Opened Configuration of the Converter : ");
    EXPECT_EQ(table[306], u" / ");
    EXPECT_EQ(table[317], u" to ");
    EXPECT_EQ(table[831], u"Error row ");
    EXPECT_EQ(table[105], u"Error! Name project is not valid");
    EXPECT_EQ(table[1926], u"Description for the M-Bus meter (defined in the section \u201CM-Bus\u201D)");
    EXPECT_EQ(table[1276],
              u"!! [SNMP Read] Community Name is not correct (allowed characters are "
              u"\"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")");
    EXPECT_EQ(table[2315], u"Error!! No Valid Connection found");
    EXPECT_EQ(table[1931], u" ");
    for (Integer n : {304, 305, 316}) EXPECT_EQ(table[n].back(), u' ') << n;
    const auto blanks = std::count(English_Texts.begin(), English_Texts.end(), StringView(u" "));
    EXPECT_EQ(blanks, 1076);
    EXPECT_TRUE(std::none_of(English_Texts.begin(), English_Texts.end(), [](StringView t) { return t.empty(); }));
}

TEST(TextTableTest, LookupOutsideTheTableRaises)
{
    const TTextTable table;
    EXPECT_THROW(table.Text(-1), EStringListError);
    EXPECT_THROW(table.Text(2400), EStringListError);
}

struct LineCase {
    const char* line;
    Integer number;  // -1: the line changes nothing
    const char16_t* text;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class LangLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LangLineTest, OneLineSetsAtMostOneText)
{
    const LineCase& c = GetParam();
    TTextTable table;
    table.Load_Lang_Lines(Utf8ToString(c.line));
    for (Integer n = 0; n < table.Count(); ++n) {
        const StringView expected = n == c.number ? StringView(c.text) : English_Texts[size_t(n)];
        ASSERT_EQ(table[n], expected) << "text " << n << " after line '" << c.line << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LangLineTest,
    ::testing::Values(
        LineCase{"STR15 = New Configuration X", 15, u"New Configuration X"}, LineCase{"STR0 = First", 0, u"First"},
        LineCase{"STR2399 = Last", 2399, u"Last"}, LineCase{"STR2400 = Beyond", -1, nullptr},
        LineCase{"STR-1 = Negative", -1, nullptr},
        // The character before "=" is always dropped, so without a separator "12" reads as 1.
        LineCase{"STR12=Hello", 1, u"Hello"}, LineCase{"   STR12   =   Hello world   ", 12, u"Hello world"},
        LineCase{"\tSTR12 = Tabbed\t", 12, u"Tabbed"}, LineCase{"STR12 = a = b", 12, u"a = b"},
        LineCase{"STR$1F = Hex", 31, u"Hex"}, LineCase{"STR0x1F = Hex", 31, u"Hex"},
        LineCase{"STRab = Not a number", -1, nullptr}, LineCase{"STR = No number", -1, nullptr},
        LineCase{"STR12 without equals", -1, nullptr}, LineCase{"STR12 = ", -1, nullptr},
        LineCase{"str12 = lower case", -1, nullptr}, LineCase{"Heading STR12 = x", -1, nullptr},
        LineCase{"STR12 = Text /#/ a note", 12, u"Text"}, LineCase{"STR12 = /#/ only a note", -1, nullptr},
        LineCase{"STR12 = \xC2\xB6 word \xC2\xB6", 12, u" word "}, LineCase{"STR12 = Text \xC2\xB6 tail", 12, u"Text "},
        LineCase{"STR12 = \xC2\xB6 lead", 12, u" lead"}, LineCase{"STR12 = \xC2\xB6", 12, u""},
        LineCase{"STR12 = \xC2\xB6\xC2\xB6", 12, u""},
        LineCase{"STR12 = \xC2\xB6 kept \xC2\xB6 /#/ note", 12, u" kept "}));

TEST(TextTableTest, LaterLinesWinAndAllLineEndsSplit)
{
    TTextTable table;
    table.Load_Lang_Lines(u"STR1 = a\r\nSTR2 = b\rSTR3 = c\nSTR1 = d");
    EXPECT_EQ(table[1], u"d");
    EXPECT_EQ(table[2], u"b");
    EXPECT_EQ(table[3], u"c");
}

class LangEncodingTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LangEncodingTest, EveryEncodingGivesTheSameTexts)
{
    TTextTable table;
    ASSERT_TRUE(table.Load_Lang_File(PathOf(fixture(GetParam()))));
    EXPECT_EQ(table[15], u"Neue Konfiguration");
    EXPECT_EQ(table[16], u"Konfiguration \u00F6ffnen");
    EXPECT_EQ(table[14], u"Schlie\u00DFen ");
    EXPECT_EQ(table[9], u" Keine Konfiguration ge\u00F6ffnet ");
    EXPECT_EQ(table[12], u"Preis 5 \u20AC");
    EXPECT_EQ(table[13], English_Texts[13]);
}

INSTANTIATE_TEST_SUITE_P(Files, LangEncodingTest,
                         ::testing::Values("text_table_utf8_bom.lng", "text_table_utf8.lng", "text_table_utf16le.lng",
                                           "text_table_utf16be.lng", "text_table_cp1252.lng"));

TEST(TextTableTest, UnreadableFileLeavesTheTextsAsTheyWere)
{
    TTextTable table;
    table.Load_Lang_Lines(u"STR15 = Before");
    EXPECT_FALSE(table.Load_Lang_File(u"/nonexistent/folder/Missing.lng"));
    EXPECT_EQ(table[15], u"Before");
}

class LanguageChainTest : public ::testing::Test {
protected:
    ScratchDir dir{"text_table_chain"};
    String langDir = PathOf(dir.path());
    TTextTable table;

    void Write(const std::string& name, const std::string& content) { writeBytes(dir / name, content); }
};

TEST_F(LanguageChainTest, NamedFileIsUsedAndTheNameKept)
{
    Write("Deutsch.lng", "STR15 = Neue Konfiguration\n");
    Write("English.lng", "STR15 = English file\n");
    String name = u"Deutsch";
    Load_Language(table, langDir, name);
    EXPECT_EQ(name, u"Deutsch");
    EXPECT_EQ(table[15], u"Neue Konfiguration");
    EXPECT_EQ(table[16], u"Open Configuration");
}

TEST_F(LanguageChainTest, MissingFileFallsBackToEnglishFile)
{
    Write("English.lng", "STR15 = English file\n");
    String name = u"Deleted";
    Load_Language(table, langDir, name);
    EXPECT_EQ(name, u"English");
    EXPECT_EQ(table[15], u"English file");
}

TEST_F(LanguageChainTest, WithoutFilesTheBuiltInTextsStay)
{
    String name = u"Deleted";
    Load_Language(table, langDir, name);
    EXPECT_EQ(name, u"English");
    for (Integer n = 0; n < table.Count(); ++n) ASSERT_EQ(table[n], English_Texts[size_t(n)]) << n;
}

TEST_F(LanguageChainTest, SwitchingBackRebuildsTheEnglishTexts)
{
    Write("Deutsch.lng", "STR15 = Neue Konfiguration\nSTR2399 = Ende\n");
    String name = u"Deutsch";
    Load_Language(table, langDir, name);
    ASSERT_EQ(table[15], u"Neue Konfiguration");
    name = u"English";
    Load_Language(table, langDir, name);
    EXPECT_EQ(table[15], u"New Configuration");
    EXPECT_EQ(table[2399], u" ");
}

TEST_F(LanguageChainTest, ANameThatLeavesTheLanguageFolderFallsBackToEnglish)
{
    // The layout: <scratch>/secret.lng and <scratch>/LANGUAGE/{English,..x}.lng.
    writeBytes(dir / "secret.lng", "STR15 = secret\n");
    writeBytes(dir / "sub" / "inner.lng", "STR15 = inner\n");
    writeBytes(dir / "LANGUAGE" / "English.lng", "STR15 = English file\n");
    writeBytes(dir / "LANGUAGE" / "..x.lng", "STR15 = dots inside a name\n");
    const String folder = PathOf(dir / "LANGUAGE");
    struct Case {
        const char16_t* name;
        const char16_t* text15;
        const char16_t* nameAfter;
    };
    const Case cases[] = {
        {u"../secret", u"English file", u"English"},    {u"..\\secret", u"English file", u"English"},
        {u"../sub/inner", u"English file", u"English"}, {u"", u"English file", u"English"},
        {u"..", u"English file", u"English"},           {u"English\n", u"English file", u"English"},
        {u"..x", u"dots inside a name", u"..x"},  // a plain name that merely starts with dots
    };
    for (const Case& c : cases) {
        String name = c.name;
        Load_Language(table, folder, name);
        EXPECT_EQ(table[15], c.text15) << StringToUtf8(c.name);
        EXPECT_EQ(name, c.nameAfter) << StringToUtf8(c.name);
    }
}

}  // namespace
}  // namespace gw::test
