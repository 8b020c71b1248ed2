// Tests of the mark-up language's data, with the entity tables checked against html.entities.
//
// Tag recognition, attribute values, numbers, colours, font sizes; data/markup_entities.txt comes
// from python3's html.entities.
#include "grid/foundation/markup_language.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace gw {
namespace {

TEST(MarkupLanguage, TagsAreRecognisedByTheirFirstLetters)
{
    using T = TMarkupTag;
    const std::pair<const char16_t*, TMarkupTag> cases[] = {
        {u"<B>", T::mtBold},
        {u"<b>", T::mtBold},
        {u"</B>", T::mtBoldOff},
        {u"</BLINK>", T::mtFontColorOff},
        {u"</BODY>", T::mtFontColorOff},
        {u"<BR>", T::mtBreak},
        {u"<br/>", T::mtBreak},
        {u"<BLINK>", T::mtBlink},
        {u"<BODY bgcolor=\"#FF0000\">", T::mtBody},
        {u"<BIG>", T::mtUnknown},
        {u"<I>", T::mtItalic},
        {u"</I>", T::mtItalicOff},
        {u"<IND x=\"5\">", T::mtIndent},
        {u"<IMG src=\"a\">", T::mtImage},
        {u"<U>", T::mtUnderline},
        {u"</U>", T::mtUnderlineOff},
        {u"<UL>", T::mtListOpen},
        {u"<ULIST>", T::mtListOpen},
        {u"</UL>", T::mtListClose},
        {u"<LI>", T::mtListItem},
        {u"</LI>", T::mtListItemOff},
        {u"<S>", T::mtStrike},
        {u"</S>", T::mtStrikeOff},
        {u"<SHAD>", T::mtShadow},
        {u"</SHAD>", T::mtShadowOff},
        {u"<sub>", T::mtSubscript},
        {u"<SUP>", T::mtSuperscript},
        {u"</SUB>", T::mtSubSupOff},
        {u"</SUP>", T::mtSubSupOff},
        {u"<SPAN>", T::mtUnknown},
        {u"<FONT color=\"clRed\">", T::mtFont},
        {u"</FONT>", T::mtFontOff},
        {u"<A href=\"x\">", T::mtAnchor},
        {u"<ABBR>", T::mtAnchor},
        {u"</ABBR>", T::mtAnchorOff},
        {u"<P align=\"right\">", T::mtParagraph},
        {u"</P>", T::mtParagraphOff},
        {u"<HR>", T::mtRule},
        {u"<HI>", T::mtHighlight},
        {u"</HI>", T::mtHighlightOff},
        {u"<H1>", T::mtUnknown},
        {u"<E>", T::mtError},
        {u"</E>", T::mtErrorOff},
        {u"<R a=\"90\">", T::mtRotate},
        {u"</R>", T::mtRotateOff},
        {u"<Z>", T::mtHidden},
        {u"</Z>", T::mtHiddenOff},
        {u"<CONTROL type=\"edit\">", T::mtControl},
        {u"<X>", T::mtUnknown},
        {u"</>", T::mtUnknown},
        {u"<>", T::mtUnknown},
    };
    for (const auto& [tag, expected] : cases) EXPECT_EQ(RecognizeMarkupTag(tag), expected) << StringToUtf8(tag);
}

TEST(MarkupLanguage, AttributeValues)
{
    struct Case {
        const char16_t* tag;
        const char16_t* name;
        bool found;
        const char16_t* value;
    };
    const Case cases[] = {
        {u"<A href=\"Http://X\" title=\"T\">", u"HREF", true, u"Http://X"},
        {u"<A href=\"x\" title=\"Some Title\">", u"TITLE", true, u"Some Title"},
        {u"<FONT size=3>", u"SIZE", true, u""},  // no quotes: no value
        {u"<FONT face=\"a\">", u"COLOR", false, u""},
        {u"<FONT bgcolor=\"#00FF00\" color=\"clRed\">", u" COLOR", true, u"clRed"},
        {u"<FONT bgcolor=\"#00FF00\" color=\"clRed\">", u"COLOR", true, u"#00FF00"},  // first wins
        {u"<IMG src=\"a.png", u"SRC", true, u""},  // unterminated value
        {u"<IMG alt=\"width=9\" width=\"20\">", u"WIDTH", true, u"20"},  // names inside values do not count
    };
    for (const auto& c : cases) {
        String value = u"unchanged";
        EXPECT_EQ(GetMarkupAttribute(c.tag, c.name, value), c.found) << StringToUtf8(c.tag);
        if (c.found)
            EXPECT_EQ(value, c.value) << StringToUtf8(c.tag);
        else
            EXPECT_EQ(value, u"unchanged");
    }
}

TEST(MarkupLanguage, NumbersAndFontSizes)
{
    const std::pair<const char16_t*, Integer> numbers[] = {
        {u"12", 12},
        {u"  12px", 12},
        {u"$1F", 31},
        {u"x10", 16},
        {u"0x10", 16},
        {u"-5", -5},
        {u"-5px", 0},
        {u"", 0},
        {u"abc", 0},
        {u"7.5", 7},
        {u"99999999999", 2147483647},
    };
    for (const auto& [text, expected] : numbers) EXPECT_EQ(MarkupNumber(text), expected) << StringToUtf8(text);
    Integer n = 0;
    EXPECT_TRUE(MarkupStrictNumber(u"40", n));
    EXPECT_EQ(n, 40);
    EXPECT_FALSE(MarkupStrictNumber(u"40px", n));
    const std::pair<Integer, Integer> sizes[] = {{1, 8}, {2, 10}, {3, 12}, {4, 14}, {5, 16}, {7, 7}, {0, 0}, {24, 24}};
    for (const auto& [size, points] : sizes) EXPECT_EQ(MarkupFontSize(size), points) << size;
}

TEST(MarkupLanguage, Colours)
{
    const std::pair<const char16_t*, uint32_t> cases[] = {
        {u"#FF0000", 0x0000FF},
        {u"#ff0000", 0x0000FF},
        {u"#010203", 0x030201},
        {u"clRed", 0x0000FF},
        {u"CLRED", 0x0000FF},
        {u"red", 0x000000},
        {u"clNavy", 0x800000},
        {u"clBtnFace", 0xFF00000F},
        {u"clInfoBk", 0xFF000018},
        {u"cl3DDkShadow", 0xFF000015},
        {u"", 0},
        {u"#12", 0x000012},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(static_cast<uint32_t>(MarkupColor(value)), expected) << StringToUtf8(value);
    TColor body = 0;
    EXPECT_TRUE(MarkupBodyColor(u"clYellow", body));
    EXPECT_EQ(static_cast<uint32_t>(body), 0x00FFFFu);
    EXPECT_TRUE(MarkupBodyColor(u"#0000FF", body));
    EXPECT_EQ(static_cast<uint32_t>(body), 0xFF0000u);
    EXPECT_FALSE(MarkupBodyColor(u"yellow", body));
    EXPECT_EQ(MarkupColorNames().size(), 40u);
    EXPECT_EQ(static_cast<uint32_t>(MarkupNoColor), 0x1FFFFFFFu);
}

TEST(MarkupLanguage, HighlightColoursStartAsTheSystemHighlightAndCanBeSet)
{
    const TMarkupHighlightColors initial = MarkupHighlightColors();
    EXPECT_EQ(static_cast<uint32_t>(initial.Background), 0xFF00000Du);
    EXPECT_EQ(static_cast<uint32_t>(initial.Text), 0xFF00000Eu);
    SetMarkupHighlightColors(TColorOf(0x00FFFF), TColorOf(0x000000));
    EXPECT_EQ(static_cast<uint32_t>(MarkupHighlightColors().Background), 0x00FFFFu);
    EXPECT_EQ(static_cast<uint32_t>(MarkupHighlightColors().Text), 0u);
    SetMarkupHighlightColors(initial.Background, initial.Text);
}

TEST(MarkupLanguage, EntityTablesMatchHtmlEntities)
{
    std::ifstream in(test::fixture("markup_entities.txt"));
    ASSERT_TRUE(in) << "missing fixture";
    size_t conversion = 0, renderer = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string table, name, hex;
        fields >> table >> name >> hex;
        const Char expected = static_cast<Char>(std::stoul(hex, nullptr, 16));
        const String entity = u"&" + Utf8ToString(name) + u";";
        if (table == "conversion") {
            ASSERT_LT(conversion, MarkupConversionEntities().size());
            const TMarkupEntity& e = MarkupConversionEntities()[conversion++];
            EXPECT_EQ(String(e.Name), entity) << "order at " << name;
            EXPECT_EQ(e.Character, expected) << name;
        } else {
            ASSERT_LT(renderer, MarkupRendererEntities().size());
            const TMarkupEntity& e = MarkupRendererEntities()[renderer++];
            EXPECT_EQ(String(e.Name), entity) << "order at " << name;
            EXPECT_EQ(e.Character, expected) << name;
        }
    }
    EXPECT_EQ(conversion, 51u);
    EXPECT_EQ(conversion, MarkupConversionEntities().size());
    EXPECT_EQ(renderer, MarkupRendererEntities().size());
}

}  // namespace
}  // namespace gw
