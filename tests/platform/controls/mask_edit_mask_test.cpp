// Tests of the edit-mask language: parsing, accepted characters, Text and EditText, validation.
#include "platform/controls/edit_mask.h"

#include "platform/runtime/format_settings.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

namespace gw::test {

TEST(EditMask, ParsesPictureFieldsAndSwitches)
{
    const TEditMask m(u"!>LL\\-000;0;*");
    EXPECT_TRUE(m.LeadingBlanks());
    EXPECT_FALSE(m.SaveLiterals());
    EXPECT_EQ(m.BlankChar(), u'*');
    ASSERT_EQ(m.Length(), 6);
    EXPECT_TRUE(m.IsLiteral(2));
    EXPECT_EQ(m.Position(2).Literal, u'-');
    EXPECT_EQ(m.EmptyEditText(), u"**-***");
    EXPECT_FALSE(TEditMask(u"").IsMasked());
}

TEST(EditMask, AcceptsCharactersByPositionKind)
{
    struct Case {
        const char16_t* mask;
        Char in;
        Char out;
    };
    const Case cases[] = {
        {u"L", u'a', u'a'},  {u"L", u'1', 0},      {u"A", u'7', u'7'}, {u"A", u'-', 0},    {u"a", u'z', u'z'},
        {u"a", u'-', 0},     {u"l", u'1', 0},      {u"c", u'%', u'%'}, {u"C", u'-', u'-'}, {u"0", u'5', u'5'},
        {u"0", u'x', 0},     {u"9", u'x', 0},      {u"#", u'+', u'+'}, {u"#", u'x', 0},    {u">l", u'a', u'A'},
        {u"<L", u'Q', u'q'}, {u"><l", u'q', u'q'},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(TEditMask(cases[i].mask).Accept(0, cases[i].in), cases[i].out) << "case " << i;
    // The case switches hold until the next one.
    const TEditMask m(u">L<>l");
    EXPECT_EQ(m.Accept(0, u'b'), u'B');
    EXPECT_EQ(m.Accept(1, u'b'), u'b');
    EXPECT_EQ(m.Accept(5, u'b'), 0);
}

TEST(EditMask, SeparatorsFollowTheRegionalSettings)
{
    const test::KeepFormatSettings keep;
    FormatSettings.DateSeparator = u'.';
    FormatSettings.TimeSeparator = u'-';
    EXPECT_EQ(TEditMask(u"00/00 00:00;1;_").EmptyEditText(), u"__.__ __-__");
}

TEST(EditMask, TextAndEditTextAcrossTheSaveLiteralsSwitch)
{
    struct Case {
        const char16_t* mask;
        const char16_t* value;
        const char16_t* edit;
        const char16_t* text;
    };
    const Case cases[] = {
        {u"000-000;1;_", u"123-456", u"123-456", u"123-456"},
        {u"000-000;0;_", u"123456", u"123-456", u"123456"},
        {u"000-000;0;_", u"12", u"12_-___", u"12    "},
        {u"!999;0;_", u"7", u"__7", u"  7"},  // leading blanks
        {u"LL00;1;_", u"ab1x", u"ab1_", u"ab1 "},  // x is no digit: left empty
        {u"(000) 000;1;_", u"(555) 123", u"(555) 123", u"(555) 123"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const TEditMask m(cases[i].mask);
        const String edit = m.EditTextFromText(cases[i].value);
        EXPECT_EQ(edit, cases[i].edit) << "case " << i;
        EXPECT_EQ(m.TextFromEditText(edit), cases[i].text) << "case " << i;
    }
    EXPECT_EQ(FormatMaskText(u"000-000;0;_", u"123456"), u"123456");
    EXPECT_EQ(FormatMaskText(u"000-000;1;_", u"123456"), u"123-456");
}

TEST(EditMask, ValidationFindsTheFirstEmptyRequiredPosition)
{
    const TEditMask m(u"00-99;1;_");
    EXPECT_EQ(m.FirstMissing(u"12-__"), -1);  // optional digits may stay empty
    EXPECT_EQ(m.FirstMissing(u"1_-34"), 1);
    EXPECT_EQ(m.FirstMissing(u"__-__"), 0);
    EXPECT_TRUE(m.IsEmpty(u"__-__"));
    EXPECT_FALSE(m.IsEmpty(u"__-_3"));
}

TEST(EditMask, NavigationSkipsLiterals)
{
    const TEditMask m(u"0\\-(0)");
    EXPECT_EQ(m.NextInput(1), 3);
    EXPECT_EQ(m.PrevInput(2), 0);
    EXPECT_EQ(m.NextInput(4), -1);
}

}  // namespace gw::test
