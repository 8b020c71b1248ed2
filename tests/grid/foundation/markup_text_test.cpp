// Tests of mark-up text operations, including the highlight round trip that must change nothing.
//
// Plain text, escaping, CONTROL attributes and highlighting.
#include "grid/foundation/markup_text.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

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
    // The fuzzer's text of open RADIO elements, each cut short inside its ID: each is one
    // element, rewritten closed with the value FALSE.
    const String radios = Utf8ToString(test::readBytes(test::fixture("fuzz-regress-markup-open-controls.txt")));
    const String cleared = ClearRadioControls(radios);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    auto count = [](StringView text, StringView what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != StringView::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(radios, u"<CONTROL "), 600u);
    EXPECT_EQ(count(cleared, u"<CONTROL ID=\"\" VALUE=\"FALSE\" WIDTH=\"\" TYPE=\"RADIO\">"), 600u);
}

// An element ends at the first ">" after its "<", also when a quoted value holds a "<"; the rule
// for open elements never cuts a terminated one short.
TEST(MarkupText, ControlElementsEndAtTheirFirstGreaterThan)
{
    String text = u"x <CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"a<b\" WIDTH=\"50\"> y";
    String value;
    ASSERT_TRUE(GetControlValue(text, u"e", value));
    EXPECT_EQ(value, u"a<b");
    ASSERT_TRUE(SetControlTagValue(text, u"e", u"c<d"));
    EXPECT_EQ(text, u"x <CONTROL ID=\"e\" VALUE=\"c&lt;d\" WIDTH=\"50\" TYPE=\"EDIT\"> y");
    // A "<CONTROL " inside a terminated element is part of it, as the renderer reads the tag.
    const String nested = u"<CONTROL ID=\"a\" <CONTROL ID=\"b\" PROP=\"P2\">";
    EXPECT_EQ(GetControlProp(nested, u"a"), u"P2");
    EXPECT_EQ(GetControlProp(nested, u"b"), u"");
    // An element with no ">" after it ends before the next "<": its value is cut there.
    String cut = u"kept";
    EXPECT_TRUE(GetControlValue(u"<CONTROL ID=\"a\" VALUE=\"1<2\"", u"a", cut));
    EXPECT_EQ(cut, u"");
}

// Clearing the radio buttons of a long text is one walk (it used to rewrite element by element,
// three seconds for 256 K characters).
TEST(MarkupText, ClearRadioControlsIsLinear)
{
    String text;
    for (int i = 0; text.size() < 256 * 1024; ++i)
        text +=
            u"<CONTROL TYPE=\"RADIO\" ID=\"r" + Utf8ToString(std::to_string(i)) + u"\" VALUE=\"TRUE\" WIDTH=\"16\">";
    const auto start = std::chrono::steady_clock::now();
    const String cleared = ClearRadioControls(text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    String value;
    ASSERT_TRUE(GetControlValue(cleared, u"r0", value));
    EXPECT_EQ(value, u"FALSE");
    ASSERT_TRUE(GetControlValue(cleared, u"r4000", value));
    EXPECT_EQ(value, u"FALSE");
    EXPECT_EQ(cleared.find(u"TRUE"), String::npos);
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
    EXPECT_EQ(cleared.substr(cleared.size() - 4), u" end");
}

// Only VALUE changes: PROP (entities and all), MAXLEN and HEIGHT come back as they were, and
// attributes the element did not have are not added.
TEST(MarkupText, SetControlTagValueKeepsTheOtherAttributes)
{
    struct Case {
        const char16_t* element;
        const char16_t* rewritten;
    };
    const Case cases[] = {
        {u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\">",
         u"<CONTROL ID=\"c\" VALUE=\"v\" WIDTH=\"16\" TYPE=\"CHECK\">"},
        {u"<control height=\"40\" prop=\"a&amp;b &eacute;\" id=\"e\" type=\"edit\" width=\"9\">",
         u"<CONTROL ID=\"e\" VALUE=\"v\" WIDTH=\"9\" TYPE=\"EDIT\" PROP=\"a&amp;b &eacute;\" HEIGHT=\"40\">"},
        {u"<CONTROL ID=\"e\" TYPE=\"EDIT\" HEIGHT=\"\" PROP=\"\">",
         u"<CONTROL ID=\"e\" VALUE=\"v\" WIDTH=\"\" TYPE=\"EDIT\">"},
    };
    for (const auto& c : cases) {
        String text = c.element;
        const String id = ParseControlTag(StringView(text).substr(1)).ID;
        ASSERT_TRUE(SetControlTagValue(text, id, u"v")) << StringToUtf8(c.element);
        EXPECT_EQ(text, c.rewritten);
    }
}

TEST(MarkupText, NextEditControlIDSkipsButtonsChecksAndRadios)
{
    const String text = u"<CONTROL TYPE=\"BUTTON\" ID=\"b1\" WIDTH=\"40\">"
                        u"<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"40\">"
                        u"<CONTROL TYPE=\"button\" ID=\"b2\" WIDTH=\"40\">"
                        u"<CONTROL TYPE=\"RADIO\" ID=\"r\" WIDTH=\"40\">"
                        u"<CONTROL TYPE=\"PASSWORD\" ID=\"p\" WIDTH=\"40\">"
                        u"<CONTROL TYPE=\"BUTTON\" ID=\"b3\" WIDTH=\"40\">";
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"", u"e1"}, {u"b1", u"e1"}, {u"e1", u"p"}, {u"b2", u"p"}, {u"p", u""}, {u"b3", u""}, {u"zz", u""},
    };
    for (const auto& [id, next] : cases) EXPECT_EQ(NextEditControlID(text, id), next) << StringToUtf8(id);
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

TEST(MarkupText, RemoveMarkupHighlightRemovesTheTagsAndRestoresBrackets)
{
    EXPECT_EQ(RemoveMarkupHighlight(u"a<HI>b</HI>c<hi>d</hI>", u"hi"), u"abcd");
    // Every other "&lt;" and "&gt;" of the text becomes a bracket as well.
    EXPECT_EQ(RemoveMarkupHighlight(u"a&lt;b&gt;<e>c</e>", u"e"), u"a<b>c");
    EXPECT_EQ(RemoveMarkupHighlight(u"&&lt; &amp;lt; &LT;", u"e"), u"&< &amp;lt; &LT;");
    EXPECT_EQ(RemoveMarkupHighlight(u"<high>x</high>", u"hi"), u"<high>x</high>");
    // A text with a stray bracket is marked in its entity form and comes back whole.
    EXPECT_EQ(RemoveMarkupHighlight(HighlightInMarkup(u"a<b", u"b", u"HI", true), u"HI"), u"a<b");
}

TEST(MarkupText, HighlightRoundTripLeavesTextsWithoutBracketEntitiesAsTheyWere)
{
    // What the grid does: escape the cell text and the search text, highlight; later unescape
    // and remove the highlight. A cell whose own text holds "&lt;" or "&gt;" is not in this set:
    // the removal turns those into brackets, and the grid keeps such texts itself.
    const char16_t* texts[] = {u"plain", u"<b>x</b>", u"x*amp;y", u"a & b \"q\" <x>", u"&amp;", u"AMP&amp", u"a&l t;"};
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
