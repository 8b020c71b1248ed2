// Tests of cell text kinds, wide text, line breaks, CSV quoting and the HTML clipboard wrapper.
//
// The wrapper's offsets are checked by decoding the bytes it produces.
#include "grid/foundation/csv_utils.h"

#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <random>

namespace gw {
namespace {

String Units(std::initializer_list<Char> units) { return String(units); }

TEST(CsvText, ClassifyCellText)
{
    struct Case {
        String text;
        bool markup;
        TCellTextKind kind;
    };
    const Case cases[] = {
        {u"", true, ctkPlain},
        {u"=A1+1", true, ctkFormula},
        {u"=", true, ctkFormula},
        {u"{\\rtf1 x}", true, ctkRichText},
        {u"<b>x</b>", true, ctkMarkup},
        {u"<b>x", true, ctkPlain},
        {u"<B>x", true, ctkMarkup},
        {u"<I>x", true, ctkMarkup},
        {u"<CONTROL>", true, ctkMarkup},
        {u"<B>x</B>", false, ctkPlain},
        {u"x", true, ctkPlain},
        {u"|\\", true, ctkWideEncoded},
        {EncodeWideCellText(u"abc"), true, ctkWideEncoded},
        {EncodeWideCellText(u"=A1"), true, ctkFormula},
        {EncodeWideCellText(u"\u3D00"), true, ctkWideEncoded},  // "=" as a high byte is no formula
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyCellText(c.text, c.markup), c.kind) << StringToUtf8(c.text);
}

TEST(CsvText, WideTextRoundTripsEveryUnit)
{
    String all;
    for (unsigned u = 0; u < 0x10000; u += 7) all += static_cast<Char>(u);
    all += Units({0, 0xFFFF, 0x0100, 0x00FF});
    const String encoded = EncodeWideCellText(all);
    EXPECT_EQ(encoded.size(), 2 + 2 * all.size());
    EXPECT_EQ(DecodeWideCellText(encoded), all);
    EXPECT_EQ(EncodeWideCellText(u"A"), Units({u'|', u'\\', 0, u'A'}));
    EXPECT_EQ(DecodeWideCellText(Units({u'|', u'\\', 0, u'A', 1})), u"A");  // odd unit ignored
    EXPECT_EQ(DecodeWideCellText(u"x|\\yz"), u"x|\\yz");
    EXPECT_EQ(DecodeWideCellText(u""), u"");
}

TEST(CsvText, NativeLineBreaks)
{
    const String withBreaks = Units({u'a', 13, 10, u'b', 0, u'c'});
    const String encoded = EncodeCellLineBreaks(withBreaks);
    EXPECT_EQ(encoded, Units({u'a', 9, 8, u'b', 1, u'c'}));
    EXPECT_EQ(DecodeCellLineBreaks(encoded, true), withBreaks);
    EXPECT_EQ(DecodeCellLineBreaks(encoded, false), u"a");
    const String lfOnly = Units({u'a', 10, u'b', 0});
    EXPECT_EQ(EncodeCellLineBreaks(lfOnly), lfOnly);
    const String crOnly = EncodeCellLineBreaks(Units({u'a', 13, u'b'}));
    EXPECT_EQ(crOnly, Units({u'a', 9, u'b'}));
    EXPECT_EQ(DecodeCellLineBreaks(crOnly, true), crOnly);  // no #8: left alone
}

TEST(CsvText, ExtractFirstLineAndCount)
{
    struct Case {
        String source;
        bool keep;
        String line, rest;
    };
    const Case cases[] = {
        {u"a\r\nb", true, u"a", u"b"}, {u"a\r\rb", true, u"a", u"\rb"}, {u"a\r\nb", false, u"a", u""},
        {u"abc", true, u"abc", u""},   {u"\r\n", true, u"", u""},       {u"a\n\rb", true, u"a\n", u"b"},
    };
    for (const auto& c : cases) {
        String source = c.source, line = u"old";
        ExtractFirstLine(source, c.keep, line);
        EXPECT_EQ(line, c.line) << StringToUtf8(c.source);
        EXPECT_EQ(source, c.rest) << StringToUtf8(c.source);
    }
    EXPECT_EQ(CountLines(u"a\r\nb\rc", true), 3);
    EXPECT_EQ(CountLines(u"a\r\nb\rc", false), 1);
    EXPECT_EQ(CountLines(u"", true), 1);
}

TEST(CsvText, LineBreakRewrites)
{
    const String text = u"a\r\nb\rc\nd";
    EXPECT_EQ(LineBreaksToBR(text), u"a<br>\nb<br>c\nd");
    EXPECT_EQ(LineBreaksToBR(u"a\nb"), u"a\nb");
    EXPECT_EQ(EscapeNewlines(text), u"a\\nb\\ncd");
    EXPECT_EQ(UnescapeNewlines(EscapeNewlines(u"x\r\ny")), u"x\ry");
    EXPECT_EQ(LineBreaksToTilde(text), u"a~b~cd");
    EXPECT_EQ(TildeToLineBreaks(u"a~b"), u"a\r\nb");
    EXPECT_EQ(TildeToLineBreaks(u"^"), u"");
    EXPECT_EQ(TildeToLineBreaks(u"^^"), u"^^");
    EXPECT_EQ(RemoveCR(text), u"a\nbc\nd");
    EXPECT_EQ(CRToLF(text), u"a\n\nb\nc\nd");
    String crlf = text;
    CRLFToLF(crlf);
    EXPECT_EQ(crlf, u"a\nb\rc\nd");
}

TEST(CsvText, QuotesAndFields)
{
    EXPECT_EQ(EscapeDoubleQuotes(u"a\"b\"\""), u"a\"\"b\"\"\"\"");
    const std::pair<const char16_t*, const char16_t*> collapse[] = {
        {u"\"\"\"", u"\"\""}, {u"a\"\"b", u"a\"b"}, {u"a\"b", u"a\"b"}, {u"ab", u"ab"}, {u"\"\"\"\"", u"\"\""},
    };
    for (const auto& [in, out] : collapse) EXPECT_EQ(CollapseDoubledChar(u'"', in), out) << StringToUtf8(in);
    String field = u"line 1\r\nline 2";
    QuoteMultiLineCsv(field);
    EXPECT_EQ(field, Units({u'"', u'l', u'i', u'n', u'e', u' ', u'1', 11, u'l', u'i', u'n', u'e', u' ', u'2', u'"'}));
    UnquoteMultiLineCsv(field);
    EXPECT_EQ(field, u"\"line 1\r\nline 2\"");

    struct Case {
        const char16_t* text;
        Integer position;
    };
    const Case unpaired[] = {
        {u"a\"\"b\"c", 5}, {u"ab\"\"", 4},  {u"", 0},    {u"abc", 0}, {u"\"", 1},
        {u"\"\"x", 0},     {u"\"\"\"x", 3}, {u"x\"", 2}, {u"\"x", 1},
    };
    for (const auto& c : unpaired) {
        Integer at = 77;
        EXPECT_EQ(FindUnpairedQuote(u'"', c.text, at), c.position) << StringToUtf8(c.text);
        EXPECT_EQ(at, c.position) << StringToUtf8(c.text);
    }
    EXPECT_EQ(CountUnpairedQuotes(u'"', u"\"a\",\"b\""), 4);
    EXPECT_EQ(CountUnpairedQuotes(u'"', u"\"a\"\"b\""), 2);
    EXPECT_EQ(CountUnpairedQuotes(u'"', u"none"), 0);
    EXPECT_EQ(CountCharInText(u'a', u"banana"), 3);
}

TEST(CsvClipboard, EmptyFragmentGivesTheFixedFrame)
{
    const std::string bytes = WrapClipboardHtml(u"");
    EXPECT_EQ(bytes.substr(0, 97),
              "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000301\r\n"
              "StartFragment:00000269\r\nEndFragment:00000269\r\n");
    EXPECT_EQ(bytes.size(), 301u);
    EXPECT_NE(bytes.find("charset=utf-8"), std::string::npos);
}

size_t HeaderValue(const std::string& Bytes, const std::string& Name)
{
    const size_t at = Bytes.find(Name + ":");
    EXPECT_NE(at, std::string::npos) << Name;
    return std::stoul(Bytes.substr(at + Name.size() + 1, 8));
}

TEST(CsvClipboard, OffsetsLandOnTheMarkersForAnyText)
{
    const String fragments[] = {
        u"<table><tr><td>plain</td></tr></table>",
        u"<td>caf\u00E9 \u20AC 5 \u4E2D\u6587 \U0001F600</td>",  // 2-, 3- and 4-byte characters
        u"\u00E9",
    };
    for (const String& fragment : fragments) {
        const std::string bytes = WrapClipboardHtml(fragment);
        const size_t startHtml = HeaderValue(bytes, "StartHTML");
        const size_t endHtml = HeaderValue(bytes, "EndHTML");
        const size_t startFragment = HeaderValue(bytes, "StartFragment");
        const size_t endFragment = HeaderValue(bytes, "EndFragment");
        EXPECT_EQ(bytes.compare(startHtml, 9, "<!DOCTYPE"), 0);
        EXPECT_EQ(endHtml, bytes.size());
        const std::string startMarker = "<!--StartFragment-->";
        ASSERT_GE(startFragment, startMarker.size());
        EXPECT_EQ(bytes.compare(startFragment - startMarker.size(), startMarker.size(), startMarker), 0);
        EXPECT_EQ(bytes.compare(endFragment, 18, "<!--EndFragment-->"), 0);
        // The bytes between the offsets are the fragment itself, nothing lost.
        EXPECT_EQ(Utf8ToString(bytes.substr(startFragment, endFragment - startFragment)), fragment);
        EXPECT_TRUE(IsValidUtf8(bytes));
    }
}

}  // namespace
}  // namespace gw
