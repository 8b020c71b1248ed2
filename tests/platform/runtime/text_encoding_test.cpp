// Code pages and text-file decoding checked against fixtures made with iconv (data/make_encoding_fixtures.sh).
#include "platform/runtime/text_encoding.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

std::string fixtureBytes(const std::string& name)
{
    const std::string bytes = test::readBytes(test::fixture(name));
    EXPECT_FALSE(bytes.empty()) << "missing fixture " << name;
    return bytes;
}

TEST(TextEncoding, CodePagesMatchIconvForEveryByte)
{
    struct Case {
        const char* bytes;
        const char* utf8;
        int codePage;  // 1252 = the ANSI code page
    };
    const Case cases[] = {
        {"oem_all.bin", "cp437_all.utf8", 437},
        {"oem_all.bin", "cp850_all.utf8", 850},
        {"cp1252_defined.bin", "cp1252_defined.utf8", 1252},
    };
    for (const auto& c : cases) {
        const std::string bytes = fixtureBytes(c.bytes);
        const String expected = Utf8ToString(fixtureBytes(c.utf8));
        const String decoded = c.codePage == 1252 ? AnsiToString(bytes) : OemToString(bytes, c.codePage);
        EXPECT_EQ(decoded, expected) << c.codePage;
        const std::string encoded = c.codePage == 1252 ? StringToAnsi(expected) : StringToOem(expected, c.codePage);
        EXPECT_EQ(encoded, bytes) << c.codePage;
    }
}

TEST(TextEncoding, UnmappableCharactersBecomeOneQuestionMarkEach)
{
    // U+4E2D is in none of the pages; the emoji is one character in two UTF-16 units.
    EXPECT_EQ(StringToAnsi(u"a\u4E2Db\U0001F600c"), "a?b?c");
    EXPECT_EQ(StringToOem(u"\u20AC\u00E9", 437), "?\x82");  // no euro sign in 437
    EXPECT_EQ(StringToOem(u"\u00C0\u00E9", 850), "\xB7\x82");
    // The five undefined Windows-1252 bytes come back unchanged through the C1 controls.
    const std::string undefined = "\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(AnsiToString(undefined), u"\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(StringToAnsi(AnsiToString(undefined)), undefined);
}

TEST(TextEncoding, DecodeTextBytesFollowsTheByteOrderMarkThenUtf8ThenAnsi)
{
    const String sentence = Utf8ToString(fixtureBytes("sentence.utf8"));
    ASSERT_NE(sentence.find(u'\u20AC'), String::npos);
    struct Case {
        const char* file;
        TTextEncoding expected;
    };
    const Case cases[] = {
        {"sentence.utf8", TTextEncoding::Utf8},           {"sentence.utf8_bom", TTextEncoding::Utf8},
        {"sentence.utf16le_bom", TTextEncoding::Utf16LE}, {"sentence.utf16be_bom", TTextEncoding::Utf16BE},
        {"sentence.cp1252", TTextEncoding::Ansi},
    };
    for (const auto& c : cases) {
        TTextEncoding detected = TTextEncoding::Oem437;
        EXPECT_EQ(DecodeTextBytes(fixtureBytes(c.file), &detected), sentence) << c.file;
        EXPECT_EQ(detected, c.expected) << c.file;
    }
}

TEST(TextEncoding, EncodeTextBytesReproducesTheFixtures)
{
    const String sentence = Utf8ToString(fixtureBytes("sentence.utf8"));
    EXPECT_EQ(EncodeTextBytes(sentence, TTextEncoding::Utf8, false), fixtureBytes("sentence.utf8"));
    EXPECT_EQ(EncodeTextBytes(sentence, TTextEncoding::Utf8, true), fixtureBytes("sentence.utf8_bom"));
    EXPECT_EQ(EncodeTextBytes(sentence, TTextEncoding::Utf16LE, true), fixtureBytes("sentence.utf16le_bom"));
    EXPECT_EQ(EncodeTextBytes(sentence, TTextEncoding::Utf16BE, true), fixtureBytes("sentence.utf16be_bom"));
    EXPECT_EQ(EncodeTextBytes(sentence, TTextEncoding::Ansi, true), fixtureBytes("sentence.cp1252"));
    EXPECT_EQ(EncodeTextBytes(u"\u00C7", TTextEncoding::Oem850, true), "\x80");
}

TEST(TextEncoding, ShortAndDamagedInputNeverLosesTheRest)
{
    TTextEncoding detected = TTextEncoding::Ansi;
    EXPECT_EQ(DecodeTextBytes("", &detected), u"");
    EXPECT_EQ(detected, TTextEncoding::Utf8);
    // A UTF-16 file cut after an odd number of bytes keeps every whole unit and marks the tail.
    EXPECT_EQ(DecodeTextBytes(std::string("\xFF\xFE"
                                          "A\0B",
                                          5)),
              u"A\uFFFD");
    // A lone 0xEF 0xBB is not a mark: not UTF-8 either, so Windows-1252.
    EXPECT_EQ(DecodeTextBytes("\xEF\xBBx", &detected), u"\u00EF\u00BBx");
    EXPECT_EQ(detected, TTextEncoding::Ansi);
}

TEST(TextEncoding, AnOddUtf16TailIsReportedWhetherTheEncodingIsDetectedOrGiven)
{
    struct Case {
        std::string bytes;  // without a mark
        TTextEncoding encoding;
        const char* mark;
    };
    const Case cases[] = {
        {std::string("A\0B", 3), TTextEncoding::Utf16LE, "\xFF\xFE"},
        {std::string("\0AB", 3), TTextEncoding::Utf16BE, "\xFE\xFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mark);
        const std::string marked = c.mark + c.bytes;
        TTextEncoding detected = TTextEncoding::Ansi;
        EXPECT_EQ(DecodeTextBytes(marked, &detected), u"A\uFFFD");
        EXPECT_EQ(detected, c.encoding);
        EXPECT_EQ(DecodeBytesAs(marked, c.encoding), u"A\uFFFD");
        EXPECT_EQ(DecodeBytesAs(c.bytes, c.encoding), u"A\uFFFD");
        EXPECT_EQ(DecodeBytesAs(c.bytes.substr(0, 2), c.encoding), u"A") << "an even length has no tail";
    }
}

TEST(TextEncoding, ByteOrderMarkNamesTheEncodingItStartsWith)
{
    EXPECT_EQ(ByteOrderMark("\xEF\xBB\xBFx"), TTextEncoding::Utf8);
    EXPECT_EQ(ByteOrderMark("\xFF\xFE"), TTextEncoding::Utf16LE);
    EXPECT_EQ(ByteOrderMark("\xFE\xFFx"), TTextEncoding::Utf16BE);
    EXPECT_EQ(ByteOrderMark("\xEF\xBB"), std::nullopt);
    EXPECT_EQ(ByteOrderMark("x\xFF\xFE"), std::nullopt);
    EXPECT_EQ(ByteOrderMark(""), std::nullopt);
}

}  // namespace
}  // namespace gw
