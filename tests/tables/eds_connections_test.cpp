// Tests of the EDS connection reader: the section reader on small files and the entry decoder.
#include "tables/eds_connections.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

// What a test expects of one listed connection.
struct TExpected {
    const char* Name;
    Cardinal InstanceOT;
    Cardinal ConnPointOT;
    Cardinal InstanceTO;
    Cardinal ConnPointTO;
    int DimHeaderOT = 0;
    int DimHeaderTO = 0;
};

void ExpectList(const TConnList& list, const std::vector<TExpected>& expected)
{
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(expected[i].Name);
        const TConnData& conn = list[i];
        EXPECT_EQ(conn.ConnIndex, static_cast<Integer>(i) + 1);
        EXPECT_EQ(conn.ConnName, S(expected[i].Name));
        EXPECT_EQ(conn.InstanceOT, expected[i].InstanceOT);
        EXPECT_EQ(conn.ConnPointOT, expected[i].ConnPointOT);
        EXPECT_EQ(conn.InstanceTO, expected[i].InstanceTO);
        EXPECT_EQ(conn.ConnPointTO, expected[i].ConnPointTO);
        EXPECT_EQ(conn.DimHeaderOT, expected[i].DimHeaderOT);
        EXPECT_EQ(conn.DimHeaderTO, expected[i].DimHeaderTO);
        EXPECT_EQ(conn.NumClass, 0);
    }
}

TEST(EdsReader, FilesGiveTheirUsableConnectionsNumberedByPosition)
{
    struct TCase {
        const char* File;
        std::vector<TExpected> Expected;
    };
    const std::vector<TCase> cases = {
        // Comments, a spread entry, an unusable entry between usable ones, sections of other
        // names and case, a keyword in other case, "$" inside quotes, no ";", a second section.
        {"spread.eds",
         {{"\"Exclusive Owner\"", 1, 100, 1, 101, 4, 0},
          {"\"Input Only\"", 3, 102, 4, 103, 2, 3},
          {"\"Second section\"", 9, 16, 9, 17}}},
        // A UTF-8 mark, CR LF, tabs around "=" and between fields.
        {"mark_crlf_tabs.eds", {{"\"Ventil \xC3\xA4\xE2\x82\xAC\"", 5, 150, 5, 151, 3, 2}}},
        // No valid UTF-8: Windows-1252; a lone CR ends a line too.
        {"latin1_cr.eds", {{"\"Ger\xC3\xA4t \xE2\x82\xAC\"", 1, 100, 1, 101}, {"\"CR line\"", 2, 100, 2, 101}}},
        // Continued lines join with nothing between: "0" + "1" is the byte 01, while "2C" +
        // "65" is one token too wide to keep, which leaves the second path too short.
        {"continued_path.eds", {{"\"Split inside a byte\"", 1, 100, 1, 101}, {"\"Split at a field\"", 7, 100, 7, 101}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File);
        ExpectList(Load_EDS_Connections(Path(fixture(c.File))), c.Expected);
    }
}

TEST(EdsReader, HelpTextsKeepTheirQuotesAndAMarkedUtf16FileReadsAsTheSame)
{
    const TConnList list = Load_EDS_Connections(Path(fixture("spread.eds")));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].HelpStr, u"\"\"");
    EXPECT_EQ(list[1].HelpStr, u"\"help\"");

    ScratchDir dir("tables-eds-utf16");
    TStringList lines;
    lines.LoadFromFile(Path(fixture("mark_crlf_tabs.eds")));
    for (TTextEncoding encoding : {TTextEncoding::Utf16LE, TTextEncoding::Utf16BE}) {
        const auto file = dir / "device.eds";
        lines.SaveToFile(Path(file), encoding, true);
        ExpectList(Load_EDS_Connections(Path(file)), {{"\"Ventil \xC3\xA4\xE2\x82\xAC\"", 5, 150, 5, 151, 3, 2}});
    }
}

TEST(EdsReader, NoFileNoSectionOrNothingUsableGivesTheEmptyList)
{
    ScratchDir dir("tables-eds-empty");
    EXPECT_TRUE(Load_EDS_Connections(Path(dir / "missing.eds")).empty());
    const std::vector<std::string> texts = {
        "",
        "[File]\nConnection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"\", \"20 04 24 01 2C 64 2C 65\";\n",
        // The section's header must be written exactly so.
        "[Connection  Manager]\nConnection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"\", \"20 04 24 01 2C 64 2C 65\";\n",
        "[Connection Manager]\nConnection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"\", \"20 04 24 01 2C 64\";\n",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const auto file = dir / "device.eds";
        writeBytes(file, text);
        EXPECT_TRUE(Load_EDS_Connections(Path(file)).empty());
    }
}

TEST(EdsReader, TheSectionLineMayCarryMoreEndsAtTheNextBracketAndMayFollowItself)
{
    TStringList lines;
    for (const char* line : {
             "x [Connection Manager] Connection1 = 0x0, 0x0,,,,,,,,,,, \"ignored\", \"\", \"20 04 24 08 2C 64 2C 65\";",
             "Connection1 = 0x0, 0x0,,,,,,,,,,, \"first\",",
             "Help = \"a keyword line is left out\"",
             "\"\", \"20 04 24 01 2C 64 2C 65\";",
             "[Next]",
             "\"20 04 24 02 2C 64 2C 65\";",
             "[Connection Manager]",
             "Connection1 = 0x0, 0x0,,,,,,,,,,, \"second\", \"\", \"20 04 24 02 2C 64 2C 65\";",
             "[Connection Manager]",
             "Connection1 = 0x0, 0x0,,,,,,,,,,, \"third\", \"\", \"20 04 24 03 2C 64 2C 65\";",
         })
        lines.Add(S(line));
    ExpectList(Read_Connection_Manager(lines),
               {{"\"first\"", 1, 100, 1, 101}, {"\"second\"", 2, 100, 2, 101}, {"\"third\"", 3, 100, 3, 101}});
}

// An entry with the given parameters and path, fields 3 to 12 empty.
String Entry(const char* params, const char* path)
{
    return S(std::string("0x04010002, ") + params + ", , , , , , , , , , , \"name\", \"help\", " + path);
}

TEST(EdsDecoder, ConnectionParametersGiveTheHeaderKinds)
{
    struct TCase {
        const char* Params;
        int DimHeaderOT;
        int DimHeaderTO;
    };
    const std::vector<TCase> cases = {
        {"0x00003200", 2, 3},
        {"$3200", 2, 3},
        {"12800", 2, 3},
        {" 0X3200 ", 2, 3},
        // Bits 11 and 15 are not part of the formats.
        {"0x8800", 0, 0},
        {"0x7700", 7, 7},
        // Bit 31 set: the number wraps and keeps its low bits, both headers at their defaults.
        {"0x84000400", 4, 0},
        {"0x44640405", 4, 0},
        // No number: -1, every bit set.
        {"abc", 7, 7},
        {"", 7, 7},
        {"0x", 7, 7},
        {"12 00", 7, 7},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Params);
        TConnList list;
        ASSERT_TRUE(DecodeConnStr(Entry(c.Params, "\"20 04 24 01 2C 64 2C 65\";"), list));
        EXPECT_EQ(list[0].DimHeaderOT, c.DimHeaderOT);
        EXPECT_EQ(list[0].DimHeaderTO, c.DimHeaderTO);
        EXPECT_EQ(Dim_Header_OT_Text(list[0]), c.DimHeaderOT == 4 ? String(u"Default") : IntToStr(c.DimHeaderOT));
        EXPECT_EQ(Dim_Header_TO_Text(list[0]), c.DimHeaderTO == 0 ? String(u"Default") : IntToStr(c.DimHeaderTO));
    }
}

// A path of Count tokens: the given bytes first, then "00".
std::string LongPath(const std::vector<std::pair<int, const char*>>& bytes, int count)
{
    std::vector<std::string> tokens(static_cast<std::size_t>(count), "00");
    for (const auto& [at, token] : bytes) tokens[static_cast<std::size_t>(at)] = token;
    std::string path = "\"";
    for (const std::string& t : tokens) path += t + " ";
    return path + "\";";
}

TEST(EdsDecoder, PathsGiveInstancesAndConnectionPoints)
{
    struct TCase {
        std::string Path;
        bool Usable;
        Cardinal InstanceOT = 0;
        Cardinal ConnPointOT = 0;
        Cardinal InstanceTO = 0;
        Cardinal ConnPointTO = 0;
    };
    // The last kept byte (1000) is the first of a 32-bit point whose type stands at 999: the
    // three bytes after it are past the array and read 0, not the tokens beyond the 1001st.
    const std::string longPath = LongPath({{0, "20"},
                                           {1, "04"},
                                           {2, "24"},
                                           {3, "01"},
                                           {4, "2C"},
                                           {5, "64"},
                                           {999, "2E"},
                                           {1000, "11"},
                                           {1001, "22"},
                                           {1002, "33"},
                                           {1003, "44"}},
                                          1004);
    const std::vector<TCase> cases = {
        {"\"20 04 24 01 2C 64 2C 65\";", true, 1, 100, 1, 101},
        {"\"20 04 24 01 2C 64 24 02 2C 65\";", true, 1, 100, 2, 101},
        {"\"20 04 25 00 00 01 2C 64 2C 65\";", true, 256, 100, 256, 101},
        {"\"20 04 24 2C 2C 64 2C 65\";", true, 44, 100, 44, 101},
        // No instance segment: instance 1, the search starts at byte 2.
        {"\"20 04 2C 64 2C 65\";", true, 1, 100, 1, 101},
        // 16-bit and 32-bit classes; a 32-bit class leaves nothing at 6 for a path of 6 bytes.
        {"\"21 00 04 00 24 03 2C 64 2C 65\";", true, 3, 100, 3, 101},
        {"\"22 00 04 00 00 00 24 03 2C 64 2C 65\";", true, 3, 100, 3, 101},
        // 16-bit instance after an even type byte (one pad), then one at an odd position (none).
        {"\"21 00 04 00 25 00 34 12 2C 64 2C 65\";", true, 0x1234, 100, 0x1234, 101},
        {"\"20 04 24 01 2C 64 00 25 CD AB 2C 65\";", true, 1, 100, 0xABCD, 101},
        {"\"20 04 26 00 78 56 34 12 2C 64 2C 65\";", true, 0x12345678, 100, 0x12345678, 101},
        {"\"20 04 24 01 2D 00 34 12 2C 65\";", true, 1, 0x1234, 1, 101},
        {"\"20 04 24 01 2C 64 2E 00 04 03 02 01\";", true, 1, 100, 1, 0x01020304},
        // Points whose value runs past the kept bytes read 0 there.
        {"\"20 04 24 01 2C 64 2D 07\";", true, 1, 100, 1, 0},
        {"\"20 04 24 01 2C 64 2E 07 01\";", true, 1, 100, 1, 1},
        // Bytes other than segment types between the segments are passed over.
        {"\"20 04 24 01 00 2C 64 99 2C 65\";", true, 1, 100, 1, 101},
        // Lower case, several blanks, tokens dropped: references, own prefixes, wider numbers.
        {"\"20  04 24 0a [Param1] 0x10 100 2c 64   2c 65\";", true, 10, 100, 10, 101},
        // The path ends at a "," before the ";", and at the ";".
        {"\"20 04 24 01 2C 64 2C 65\", extra;", true, 1, 100, 1, 101},
        {"\"20 04 24 01 2C 64 2C 65\"; 24 09", true, 1, 100, 1, 101},
        {"\"20 04 24 01\", \"2C 64 2C 65\";", false},
        {"\"20 04 24 01 2C 64 2C 65\"", false},
        {longPath, true, 1, 100, 1, 0x11},
        // A point type last, too short, no class, a missing second point.
        {"\"20 04 24 01 2C 64 2C\";", false},
        {"\"20 04 2C 64 2C\";", false},
        {"\"24 01 2C 64 2C 65 00\";", false},
        {"\"23 04 24 01 2C 64 2C 65\";", false},
        {"\"20 04 24 01 2C 64 00 00\";", false},
        {"\"20 04 24 01 00 00 00 00\";", false},
        {"\"20 04 24 01 2C 64 24 02 00 00\";", false},
        {"\"20 04 24 [Param1] 2C 64\";", false},
        {"", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Path.substr(0, 60));
        TConnList list;
        list.push_back(TConnData{});
        EXPECT_EQ(DecodeConnStr(Entry("0x0", c.Path.c_str()), list), c.Usable);
        if (!c.Usable) {
            EXPECT_EQ(list.size(), 1u);
            continue;
        }
        ASSERT_EQ(list.size(), 2u);
        const TConnData& conn = list[1];
        EXPECT_EQ(conn.ConnIndex, 2);
        EXPECT_EQ(conn.ConnName, u"\"name\"");
        EXPECT_EQ(conn.HelpStr, u"\"help\"");
        EXPECT_EQ(conn.InstanceOT, c.InstanceOT);
        EXPECT_EQ(conn.ConnPointOT, c.ConnPointOT);
        EXPECT_EQ(conn.InstanceTO, c.InstanceTO);
        EXPECT_EQ(conn.ConnPointTO, c.ConnPointTO);
    }
}

TEST(EdsDecoder, PathTokensAreHexadecimalBytesAndTheFirst1001AreKept)
{
    const TConnPath path = Decode_Conn_Path(u"\" 00 ff FF 100 -1 $1 0x1 1F\t 0 \"");
    ASSERT_EQ(path.Count, 4u);
    EXPECT_EQ(path.Bytes[0], 0);
    EXPECT_EQ(path.Bytes[1], 255);
    EXPECT_EQ(path.Bytes[2], 255);
    EXPECT_EQ(path.Bytes[3], 0);
    EXPECT_EQ(path.At(4), 0);
    EXPECT_EQ(path.At(5000), 0);

    std::string many;
    for (int i = 0; i < 1500; ++i) many += "01 ";
    const TConnPath longPath = Decode_Conn_Path(S(many));
    EXPECT_EQ(longPath.Count, Conn_Path_Size);
    EXPECT_EQ(longPath.At(Conn_Path_Size - 1), 1);
    EXPECT_EQ(longPath.At(Conn_Path_Size), 0);
}

TEST(EdsDecoder, FewerFieldsLeaveNoPathAndCommasInQuotesStillSeparate)
{
    TConnList list;
    EXPECT_FALSE(DecodeConnStr(u"0x0, 0x0, \"20 04 24 01 2C 64 2C 65\";", list));
    // The comma inside the name is a field separator: the help text becomes the path, and with
    // one empty field fewer the name's second half is the name.
    EXPECT_FALSE(DecodeConnStr(S("0x0, 0x0,,,,,,,,,,, \"a, b\", \"help\", \"20 04 24 01 2C 64 2C 65\";"), list));
    EXPECT_TRUE(DecodeConnStr(S("0x0, 0x0,,,,,,,,,, \"a, b\", \"help\", \"20 04 24 01 2C 64 2C 65\";"), list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].ConnName, u"b\"");
    EXPECT_EQ(list[0].HelpStr, u"\"help\"");
}

// The fastest of seven reads of the lines, in seconds.
double ReadSeconds(const TStringList& lines)
{
    double best = 1e9;
    // The thread's processor time: other programs on a busy machine do not count against it.
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    for (int i = 0; i < 7; ++i) {
        const double start = now();
        const TConnList list = Read_Connection_Manager(lines);
        best = std::min(best, now() - start);
    }
    return best;
}

TEST(EdsReader, TimeGrowsLinearlyWithTheFile)
{
    // Shapes that a reader with a quadratic step would show: one entry continued over many
    // lines, one long line of fields, many entries, many comment lines.
    struct TShape {
        const char* What;
        std::function<void(TStringList&, int)> Fill;
    };
    const std::vector<TShape> shapes = {
        {"continued entry",
         [](TStringList& l, int n) {
             l.Add(u"[Connection Manager]");
             l.Add(u"Connection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"h\", \"20 04 24 01 2C 64 2C 65");
             for (int i = 0; i < n; ++i) l.Add(u" 2C 10 $ more");
             l.Add(u"\";");
         }},
        {"long line",
         [](TStringList& l, int n) {
             l.Add(u"[Connection Manager]");
             String line = u"Connection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"h\", \"20 04 24 01 2C 64 2C 65";
             for (int i = 0; i < n; ++i) line += u" 2C 10 ,";
             l.Add(line + u";");
         }},
        {"many entries",
         [](TStringList& l, int n) {
             l.Add(u"[Connection Manager]");
             for (int i = 0; i < n / 8; ++i)
                 l.Add(u"Connection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"h\", \"20 04 24 01 2C 64 2C 65\";");
         }},
        {"many sections",
         [](TStringList& l, int n) {
             for (int i = 0; i < n / 2; ++i) {
                 l.Add(u"[Connection Manager] $ a comment");
                 l.Add(u"[Other]");
             }
         }},
    };
    constexpr int kSmall = 2000;
    for (const TShape& shape : shapes) {
        SCOPED_TRACE(shape.What);
        TStringList small;
        TStringList large;
        shape.Fill(small, kSmall);
        shape.Fill(large, 16 * kSmall);
        // A busy machine can stretch one measurement; a quadratic step stretches every one.
        double ratio = 1e9;
        for (int attempt = 0; attempt < 3 && ratio >= 64.0; ++attempt)
            ratio = std::min(ratio, ReadSeconds(large) / std::max(ReadSeconds(small), 1e-6));
        // Sixteen times the input: about sixteen times the time; a quadratic step gives 256.
        // The bound leaves room for a busy shared machine.
        EXPECT_LT(ratio, 64.0);
    }
}

}  // namespace
}  // namespace gw::test
