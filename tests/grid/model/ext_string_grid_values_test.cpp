// The string grid's typed values: integers, floats under "." and "," decimal settings, dates (day
// numbers checked against Python's datetime), times and mark-up control values.
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

class ExtStringGridValues : public FormatSettingsTest {
protected:
    THarness h;
    TExtStringGrid g{nullptr};
};

TEST_F(ExtStringGridValues, IntegersReadTheStrippedTrimmedText)
{
    struct Case {
        const char16_t* Text;
        Integer Expected;
    };
    for (const Case& c :
         {Case{u"", 0}, Case{u" ", 0}, Case{u"-", 0}, Case{u" 42 ", 42}, Case{u"<b>7</b>", 7}, Case{u"-13", -13}}) {
        g.SetCellEx(1, 1, c.Text);
        EXPECT_EQ(g.GetInts(1, 1), c.Expected) << StringToUtf8(c.Text);
    }
    for (const char16_t* bad : {u"4.2", u"abc", u"12x"}) {
        g.SetCellEx(1, 1, bad);
        try {
            g.GetInts(1, 1);
            ADD_FAILURE() << StringToUtf8(bad);
        } catch (const EExtGridError& e) {
            EXPECT_EQ(e.Message(), u"Cell does not contain integer value");
        }
        EXPECT_EQ(g.GetCellEx(1, 1), bad) << "a failed read changes nothing";
    }
    g.SetInts(2, 2, -77);
    EXPECT_EQ(g.GetCellEx(2, 2), u"-77");
}

TEST_F(ExtStringGridValues, FloatsFollowTheDecimalSettings)
{
    struct Case {
        Char Decimal;
        Char Thousand;
        const char16_t* Text;
        double Expected;
    };
    const std::vector<Case> cases = {
        {u'.', u',', u"(1,234.50)", -1234.5},
        {u'.', u',', u"3.25", 3.25},
        {u'.', u',', u"", 0},
        {u'.', u',', u"-", 0},
        {u',', u'.', u"(1.234,50)", -1234.5},
        {u',', u'.', u"3,25", 3.25},
        {u'.', u',', u"<i>2.5</i>", 2.5},
    };
    for (const Case& c : cases) {
        FormatSettings.DecimalSeparator = c.Decimal;
        FormatSettings.ThousandSeparator = c.Thousand;
        g.SetCellEx(1, 1, c.Text);
        EXPECT_DOUBLE_EQ(g.GetFloats(1, 1), c.Expected) << StringToUtf8(c.Text) << " with " << char(c.Decimal);
    }
    for (const char16_t* bad : {u"abc", u"1.2.3", u"$"}) {
        g.SetCellEx(1, 1, bad);
        EXPECT_THROW(g.GetFloats(1, 1), EExtGridError) << StringToUtf8(bad);
    }

    FormatSettings.DecimalSeparator = u'.';
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.GetCellEx(1, 1), u"3.14");
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    g.FloatFormat = u"%.3f";
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.GetCellEx(1, 1), u"3,142");
    EXPECT_DOUBLE_EQ(g.GetFloats(1, 1), 3.142) << "what it writes it reads back";
}

// Day numbers from 1899-12-30, as Python's datetime counts them.
TEST_F(ExtStringGridValues, DatesAndTimesUseTheLocaleTexts)
{
    struct Case {
        TDateTime Day;
        const char16_t* Text;
    };
    for (const Case& c :
         {Case{0, u"30/12/1899"}, Case{1, u"31/12/1899"}, Case{36526, u"01/01/2000"}, Case{45000, u"15/03/2023"}}) {
        g.SetDates(1, 1, c.Day);
        EXPECT_EQ(g.GetCellEx(1, 1), c.Text);
        EXPECT_EQ(g.GetDates(1, 1), c.Day);
    }
    g.ShowNullDates = false;
    g.SetDates(1, 1, 0);
    EXPECT_EQ(g.GetCellEx(1, 1), u"") << "a null date empties the cell";
    g.SetDates(1, 1, 45000);
    EXPECT_EQ(g.GetCellEx(1, 1), u"15/03/2023");
    g.SetTimes(1, 2, 0.75);
    EXPECT_DOUBLE_EQ(g.GetTimes(1, 2), 0.75);
    g.SetCellEx(1, 3, u"no date");
    EXPECT_THROW(g.GetDates(1, 3), EConvertError);
}

TEST_F(ExtStringGridValues, ControlValuesAreReadAndRewrittenInTheCellText)
{
    g.SetCellEx(1, 1, u"plain");
    EXPECT_EQ(g.GetCtrlVal(1, 1, u"e1"), u"");
    g.SetCtrlVal(1, 1, u"e1", u"x");
    EXPECT_EQ(g.GetCellEx(1, 1), u"plain") << "no such element: not written";
    g.SetCellEx(1, 1, u"<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\">");
    EXPECT_EQ(g.GetCtrlVal(1, 1, u"e1"), u"old");
    g.SetCtrlVal(1, 1, u"e1", u"new");
    EXPECT_EQ(g.GetCtrlVal(1, 1, u"e1"), u"new");
}

TEST_F(ExtStringGridValues, TheVersionReadsFromItsNumberAndIgnoresWrites)
{
    EXPECT_EQ(g.Version(), u"6.2.1.3");
    g.SetVersion(u"1.0.0.0");
    EXPECT_EQ(g.Version(), u"6.2.1.3");
    EXPECT_EQ(TExtStringGrid::ReadFileVersion(u"comctl32.dll"), 0x00060000);
    EXPECT_EQ(TExtStringGrid::ReadFileVersion(u"other.dll"), -1);
}

}  // namespace
}  // namespace gw::test
