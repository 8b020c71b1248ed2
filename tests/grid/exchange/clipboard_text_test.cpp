// The clipboard text read apart from a grid: lines and fields, multi-line fields, the measure.
#include "grid/exchange/clipboard_text.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// Lines as "field|field" with a trailing "/" for a line ended by a break.
std::vector<std::string> Shape(const String& Text)
{
    std::vector<std::string> shape;
    for (const TClipLine& line : SplitClipboardText(Text)) {
        std::string s;
        for (size_t i = 0; i < line.Fields.size(); ++i) s += (i ? "|" : "") + StringToUtf8(line.Fields[i]);
        shape.push_back(s + (line.EndsWithBreak ? "/" : ""));
    }
    return shape;
}

TEST(ClipboardText, LinesEndAtCarriageReturnsAndFieldsAtTabs)
{
    struct Case {
        const char16_t* Text;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {u"", {""}},
        {u"x", {"x"}},
        {u"a\tb\r\nc\td\r\n", {"a|b/", "c|d/", ""}},
        {u"a\rb", {"a/", "b"}},                   // a lone CR breaks too
        {u"a\nb", {"a\nb"}},                      // a lone LF stays in the field
        {u"a\r\n\nb", {"a/", "\nb"}},             // only one LF belongs to the break
        {u"a\t", {"a|"}},                         // a final tab leaves an empty last field
        {u"\t\t", {"||"}},
        {u"a\tb\tc\r\nd\r\n\r\ne\tf", {"a|b|c/", "d/", "/", "e|f"}},  // ragged, with an empty line
    };
    for (const Case& c : cases) EXPECT_EQ(Shape(c.Text), c.Lines) << StringToUtf8(c.Text);
}

TEST(ClipboardText, TextFollowsALineUnlessOnlyTheEmptyLastLineComes)
{
    struct Case {
        const char16_t* Text;
        std::vector<bool> Follows;
    };
    const Case cases[] = {
        {u"a", {false}},
        {u"a\r\n", {false, false}},
        {u"a\r\nb", {true, false}},
        {u"a\r\n\r\n", {true, false, false}},  // the empty middle line is text
        {u"a\r\n\t", {true, false}},           // a tab alone is text
    };
    for (const Case& c : cases) {
        const auto lines = SplitClipboardText(c.Text);
        ASSERT_EQ(lines.size(), c.Follows.size()) << StringToUtf8(c.Text);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(MoreTextFollows(lines, i), c.Follows[i]) << StringToUtf8(c.Text) << " line " << i;
    }
}

TEST(ClipboardText, OnlyAFieldHoldingALineFeedIsUnquoted)
{
    struct Case {
        const char16_t* Field;
        const char16_t* Stored;
    };
    const Case cases[] = {
        {u"\"a\n\nb\"", u"a\n\nb"},                 // the copy of a cell holding a CR LF
        {u"\"one\x0Btwo\"", u"\"one\x0Btwo\""},     // no LF: quotes and vertical tab stay
        {u"\"a\n\x0B" u"b\"", u"a\n\r\nb"},         // with an LF the vertical tab becomes CR LF
        {u"\"plain\"", u"\"plain\""},
        {u"a\nb", u"a\nb"},                          // no quotes to take
        {u"\"a\"\nb\"", u"a\"\nb\""},               // the first quote left is not the last unit
        {u"\"\n", u"\n"},
        {u"\n\"", u"\n"},                            // no leading quote; the only one is the last
    };
    for (const Case& c : cases) EXPECT_EQ(UnquotePastedField(c.Field), c.Stored) << StringToUtf8(c.Field);
}

TEST(ClipboardText, CopiedLineBreaksAreQuotedLineFeeds)
{
    EXPECT_EQ(QuoteCopiedLineBreaks(u"a\r\nb"), u"\"a\n\nb\"");
    EXPECT_EQ(QuoteCopiedLineBreaks(u"a\nb"), u"a\nb");
    EXPECT_EQ(QuoteCopiedLineBreaks(u"x"), u"x");
    // What the copy writes, the paste reads back.
    EXPECT_EQ(UnquotePastedField(QuoteCopiedLineBreaks(u"a\r\nb")), u"a\n\nb");
}

TEST(ClipboardText, TheMeasureIsTheWidestLineAndTheLinesWithText)
{
    struct Case {
        const char16_t* Text;
        TPoint Size;
    };
    const Case cases[] = {
        {u"a\tb\r\nc\r\n", {2, 1}},
        {u"a", {1, 0}},
        {u"a\r\nb", {1, 1}},
        {u"a\r\n\r\nb\tc\td", {3, 1}},  // the empty line between is taken off
        {u"", {1, 0}},
    };
    for (const Case& c : cases) {
        const TPoint size = MeasureClipboardText(c.Text);
        EXPECT_EQ(size.X, c.Size.X) << StringToUtf8(c.Text);
        EXPECT_EQ(size.Y, c.Size.Y) << StringToUtf8(c.Text);
    }
}

}  // namespace
}  // namespace gw::test
