// Tests of mark-up text operations, including the highlight round trip that must change nothing.
//
// Plain text, escaping, CONTROL attributes and highlighting.
#include "grid/foundation/markup_text.h"

#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <chrono>

namespace gw {
namespace {

TEST(MarkupText, PlainAndVisibleText)
{
    const std::pair<const char16_t*, const char16_t*> plain[] = {
        {u"a<BR>b", u"a\r\nb"},
        {u"a<br>b<Hr>c", u"a\r\nb\r\nc"},
        {u"x<B>y</B>", u"xy"},
        {u"a<b", u"a<b"},
        {u"a<b>c<d", u"ac<d"},
        {u"a>b<i>c", u"a>bc"},
        {u"", u""},
    };
    for (const auto& [in, out] : plain) EXPECT_EQ(MarkupToPlainText(in), out) << StringToUtf8(in);
    const std::pair<const char16_t*, const char16_t*> visible[] = {
        {u"a<BR>b", u"ab"},        {u"ab<i>cd</i>", u"abcd"},
        {u"a<b", u"a<b"},          {u"a>b<i>c", u"a>b<i>c"},  // a ">" before the next "<": the rest stays as it is
        {u"<b>x</b>y>z", u"xy>z"},
    };
    for (const auto& [in, out] : visible) EXPECT_EQ(StripMarkupTags(in), out) << StringToUtf8(in);
}

TEST(MarkupText, EscapeAndUnescape)
{
    struct Case {
        const char16_t* text;
        bool table;
        const char16_t* escaped;
    };
    const Case cases[] = {
        {u"a&b", false, u"a&amp;b"},
        {u"*amp;", false, u"*amp;"},  // user text is never taken for an internal marker
        {u"x*amp;y&z", false, u"x*amp;y&amp;z"},
        {u"<a href=\"x\">", false, u"&lt;a href=&quot;x&quot;&gt;"},
        {u"\u00E9 \u20AC", true, u"&eacute; &euro;"},
        {u"\u00E9 \u20AC", false, u"\u00E9 \u20AC"},
        {u"&lt;", false, u"&amp;lt;"},
        {u"\u00A9\u00AB\u00BB", true, u"&copy;&laquo;&raquo;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeMarkup(c.text, c.table), c.escaped) << StringToUtf8(c.text);
        EXPECT_EQ(UnescapeMarkup(c.escaped, c.table), c.text) << StringToUtf8(c.text);
    }
    EXPECT_EQ(UnescapeMarkup(u"&amp;lt;", false), u"&lt;");
    EXPECT_EQ(UnescapeMarkup(u"&eacute;", false), u"&eacute;");
    EXPECT_EQ(SpacesToNbsp(u"a b  c"), u"a&nbsp;b&nbsp;&nbsp;c");
}

TEST(MarkupText, ParseControlTag)
{
    const TControlTag t =
        ParseControlTag(u"CONTROL type=\"edit\" id=\"Name\" value=\"a &quot;b&quot; &eacute;\" width=\"80\" "
                        u"height=\"20\" prop=\"p&amp;q\" maxlen=\"12\">");
    EXPECT_EQ(t.Type, u"EDIT");
    EXPECT_EQ(t.ID, u"Name");
    EXPECT_EQ(t.Value, u"a \"b\" \u00E9");
    EXPECT_EQ(t.Width, u"80");
    EXPECT_EQ(t.Height, u"20");
    EXPECT_EQ(t.Prop, u"p&q");
    EXPECT_EQ(t.MaxLen, u"12");
    const TControlTag empty = ParseControlTag(u"CONTROL>");
    EXPECT_EQ(empty.ID, u"");
    EXPECT_EQ(empty.Type, u"");
}

const String kControls = u"Name: <control type=\"edit\" id=\"n\" value=\"Bob\" width=\"80\" prop=\"P1\" maxlen=\"20\" "
                         u"height=\"30\"> "
                         u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"> "
                         u"<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">"
                         u"<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"true\" WIDTH=\"16\">"
                         u"<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" WIDTH=\"50\"> end";

TEST(MarkupText, ControlQueries)
{
    EXPECT_TRUE(HasControlTags(kControls));
    EXPECT_FALSE(HasControlTags(u"<b>no controls</b>"));
    String value = u"kept";
    EXPECT_TRUE(GetControlValue(kControls, u"n", value));
    EXPECT_EQ(value, u"Bob");
    value = u"kept";
    EXPECT_FALSE(GetControlValue(kControls, u"N", value));  // IDs compare with case
    EXPECT_EQ(value, u"kept");
    EXPECT_EQ(GetControlProp(kControls, u"n"), u"P1");
    EXPECT_EQ(GetControlProp(kControls, u"zz"), u"");
    EXPECT_EQ(GetControlMaxLen(kControls, u"n"), 20);
    EXPECT_EQ(GetControlMaxLen(kControls, u"c"), 0);
    EXPECT_EQ(NextEditControlID(kControls, u""), u"n");
    EXPECT_EQ(NextEditControlID(kControls, u"n"), u"k");
    EXPECT_EQ(NextEditControlID(kControls, u"c"), u"k");
    EXPECT_EQ(NextEditControlID(kControls, u"k"), u"");  // the last edit element
    EXPECT_EQ(NextEditControlID(u"plain", u""), u"");
}

// An element left without ">" ends before the next "<": many of them in one text are each read
// once (the fuzzer's input of 600 such elements took over ten seconds per query).
TEST(MarkupText, UnterminatedControlsEndAtTheNextElement)
{
    String open;
    for (int i = 0; i < 600; ++i)
        open += u"<CONTROL TYPE=\"EDIT\" ID=\"e" + String(1, static_cast<Char>(u'a' + i % 26)) + u"\" ";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(NextEditControlID(open, u""), u"ea");
    EXPECT_EQ(GetControlProp(open, u"zz"), u"");
    EXPECT_EQ(ClearRadioControls(open), open);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // A well-formed element after an open one is still found whole.
    EXPECT_EQ(GetControlProp(u"<CONTROL ID=\"a\" <CONTROL ID=\"b\" PROP=\"P2\">", u"b"), u"P2");
}

TEST(MarkupText, SetControlTagValueRewritesOneElement)
{
    String text = kControls;
    EXPECT_TRUE(SetControlTagValue(text, u"n", u"say \"hi\" & \u00E9"));
    EXPECT_EQ(text.substr(0, 7), u"Name: <");
    const String expected = u"Name: <CONTROL ID=\"n\" VALUE=\"say &quot;hi&quot; &amp; &eacute;\" WIDTH=\"80\" "
                            u"TYPE=\"EDIT\" PROP=\"P1\" MAXLEN=\"20\" HEIGHT=\"30\"> <CONTROL TYPE=\"CHECK\"";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    String value;
    ASSERT_TRUE(GetControlValue(text, u"n", value));
    EXPECT_EQ(value, u"say \"hi\" & \u00E9");
    EXPECT_EQ(text.substr(text.size() - 4), u" end");

    // A value holding attribute-like text stays a value.
    String tricky = u"<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"40\">";
    ASSERT_TRUE(SetControlTagValue(tricky, u"e", u"type=check id=x width=1"));
    const TControlTag parsed = ParseControlTag(tricky.substr(1));
    EXPECT_EQ(parsed.Type, u"EDIT");
    EXPECT_EQ(parsed.ID, u"e");
    EXPECT_EQ(parsed.Width, u"40");
    EXPECT_EQ(parsed.Value, u"type=check id=x width=1");

    String unchanged = kControls;
    EXPECT_FALSE(SetControlTagValue(unchanged, u"missing", u"x"));
    EXPECT_EQ(unchanged, kControls);

    const String cleared = ClearRadioControls(kControls);
    for (const char16_t* id : {u"r1", u"r2"}) {
        ASSERT_TRUE(GetControlValue(cleared, id, value));
        EXPECT_EQ(value, u"FALSE");
    }
    ASSERT_TRUE(GetControlValue(cleared, u"c", value));
    EXPECT_EQ(value, u"TRUE");
}

TEST(MarkupText, HighlightInMarkup)
{
    struct Case {
        const char16_t* text;
        const char16_t* search;
        bool caseSensitive;
        const char16_t* result;
    };
    const Case cases[] = {
        {u"ab<i>cd</i>", u"bc", true, u"a<HI>b<i>c</HI>d</i>"},
        {u"Hello world", u"O", false, u"Hell<HI>o</HI> w<HI>o</HI>rld"},
        {u"Hello world", u"O", true, u"Hello world"},
        {u"abc", u"b", true, u"a<HI>b</HI>c"},
        {u"<b>x</b>", u"x", true, u"<HI><b>x</b></HI>"},
        {u"abab", u"ab", true, u"<HI>ab</HI><HI>ab</HI>"},  // touching hits are both marked
        {u"aaa", u"aa", true, u"<HI>aa</HI>a"},
        {u"a<b", u"b", true, u"a&lt;<HI>b</HI>"},  // a stray bracket: marked as plain text
        {u"a&amp;b", u"amp", true, u"a&amp;b"},  // never inside an entity
        {u"a&amp;b amp", u"amp", true, u"a&amp;b <HI>amp</HI>"},
        {u"&lt;x&gt;", u"&lt;", true, u"<HI>&lt;</HI>x&gt;"},
        {u"abc", u"", true, u"abc"},
        {u"", u"x", true, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HighlightInMarkup(c.text, c.search, u"HI", c.caseSensitive), c.result)
            << StringToUtf8(c.text) << " / " << StringToUtf8(c.search);
}

TEST(MarkupText, HighlightingManyHitsStaysFast)
{
    const String text = String(50000, u'a') + u"<b>x</b>";
    const String marked = HighlightInMarkup(text, u"a", u"HI", true);
    EXPECT_EQ(marked.size(), text.size() + 50000 * 9);
    EXPECT_EQ(marked.substr(marked.size() - 18), u"<HI>a</HI><b>x</b>");
    EXPECT_EQ(RemoveMarkupHighlight(marked, u"HI"), text);
}

TEST(MarkupText, RemoveMarkupHighlightRemovesOnlyTheTags)
{
    EXPECT_EQ(RemoveMarkupHighlight(u"a<HI>b</HI>c<hi>d</hI>", u"hi"), u"abcd");
    EXPECT_EQ(RemoveMarkupHighlight(u"a&lt;b&gt;<e>c</e>", u"e"), u"a&lt;b&gt;c");
    EXPECT_EQ(RemoveMarkupHighlight(u"<high>x</high>", u"hi"), u"<high>x</high>");
}

TEST(MarkupText, HighlightRoundTripLeavesEveryTextAsItWas)
{
    // What the grid does: escape the cell text and the search text, highlight; later unescape
    // and remove the highlight. The cell must come back unchanged, also when it held entities
    // or a text that looks like an internal marker.
    const char16_t* texts[] = {u"plain",           u"<b>x</b>", u"a&lt;b", u"x*amp;y",
                               u"a & b \"q\" <x>", u"x&ltamp;", u"&amp;",  u"AMP&amp"};
    const char16_t* searches[] = {u"a", u"x", u"b", u"amp", u"<", u"&", u"zz", u"lt", u"t;", u"quot", u"p;", u";"};
    for (const char16_t* text : texts) {
        for (const char16_t* search : searches) {
            for (bool caseSensitive : {true, false}) {
                const String marked =
                    HighlightInMarkup(EscapeMarkup(text, false), EscapeMarkup(search, false), u"hi", caseSensitive);
                const String back = RemoveMarkupHighlight(UnescapeMarkup(marked, false), u"hi");
                EXPECT_EQ(back, text) << StringToUtf8(text) << " / " << StringToUtf8(search);
            }
        }
    }
}

}  // namespace
}  // namespace gw
