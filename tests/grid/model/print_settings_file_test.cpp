// The print settings section: the golden section, the defaults of an empty one, the font style
// that only adds, the title lines' escaping, out-of-range numbers and configparser's view.
#include "grid/model/print_settings_file.h"

#include "platform/graphics/font.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/fake_settings_grid.h"
#include "tests/grid/model/python_ini.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

void SetFont(TFont& F, const String& Name, Integer Size, TFontStyles Style, TColor Color)
{
    F.SetName(Name);
    F.SetSize(Size);
    F.SetStyle(Style);
    F.SetColor(Color);
}

// What the golden section holds.
void FillGolden(TPrintSettings& S)
{
    S.ColumnSpacing = 5;
    S.RowSpacing = 6;
    S.TitleSpacing = 7;
    S.FixedHeight = 30;
    S.FixedWidth = 40;
    S.Centered = false;
    S.NoAutoSize = true;
    S.UseFixedHeight = true;
    S.RepeatFixedRows = true;
    S.UseDisplayFont = false;
    S.UseDefaultOrientation = true;
    S.Borders = pbAround;
    S.BorderColor = clWindow;
    S.BorderStyle = psDot;
    S.Date = ppTopRight;
    S.PageNr = ppBottomCenter;
    S.Title = ppTopCenter;
    S.Time = ppNone;
    S.DateFormat = u"yyyy-mm-dd";
    S.TitleText = u"Slaves \u00e9";
    S.FooterSize = 150;
    S.HeaderSize = 120;
    S.LeftSize = 80;
    S.RightSize = 90;
    S.FitToPage = fpShrink;
    SetFont(*S.Font(), u"Courier New", 12, fsBold | fsItalic, clNone);
    SetFont(*S.HeaderFont(), u"Arial", 14, fsUnderline, clRed);
    SetFont(*S.FooterFont(), u"Tahoma", 8, fsStrikeOut, clBlack);
    S.PageNumSep = u"of";
    S.PageSuffix = u")";
    S.PagePrefix = u"(";
    S.Orientation = poLandscape;
    S.TitleLines()->SetText(u"first\r\nsecond\r\n");
    S.PrintGraphics = true;
}

void ExpectFont(const TFont& F, const String& Name, Integer Size, TFontStyles Style, TColor Color)
{
    EXPECT_EQ(F.Name(), Name);
    EXPECT_EQ(F.Size(), Size) << StringToUtf8(Name);
    EXPECT_EQ(F.Style(), Style) << StringToUtf8(Name);
    EXPECT_EQ(F.Color(), Color) << StringToUtf8(Name);
}

class PrintSettingsFile : public ::testing::Test {
protected:
    test::ScratchDir dir{"print_settings_file"};
    std::filesystem::path file = dir / "print.ini";
    String name = Utf8ToString(file.string());
    test::TFakeSettingsGrid grid;
    TPrintSettings settings{&grid};

    void LoadSection(const std::string& Lines)
    {
        test::writeBytes(file, "[Print]\r\n" + Lines);
        LoadPrintSettings(settings, name, u"Print");
    }
};

TEST_F(PrintSettingsFile, TheGoldenSectionIsWrittenBesideTheOthers)
{
    test::writeBytes(file, "[Other]\r\nKeep=1\r\n");
    FillGolden(settings);
    SavePrintSettings(settings, name, u"Print");
    EXPECT_EQ(test::readBytes(file), test::readBytes(test::fixture("print_settings.ini")));
}

TEST_F(PrintSettingsFile, TheGoldenSectionReadsBack)
{
    test::writeBytes(file, test::readBytes(test::fixture("print_settings.ini")));
    LoadPrintSettings(settings, name, u"Print");
    const std::pair<Integer, Integer> numbers[] = {
        {settings.ColumnSpacing, 5},       {settings.RowSpacing, 6},       {settings.TitleSpacing, 7},
        {settings.FixedHeight, 30},        {settings.FixedWidth, 40},      {settings.Borders, pbAround},
        {settings.BorderColor, clWindow},  {settings.BorderStyle, psDot},  {settings.Date, ppTopRight},
        {settings.PageNr, ppBottomCenter}, {settings.Title, ppTopCenter},  {settings.Time, ppNone},
        {settings.FooterSize, 150},        {settings.HeaderSize, 120},     {settings.LeftSize, 80},
        {settings.RightSize, 90},          {settings.FitToPage, fpShrink}, {settings.Orientation, poLandscape},
    };
    for (size_t i = 0; i < std::size(numbers); ++i) EXPECT_EQ(numbers[i].first, numbers[i].second) << "number " << i;
    const std::pair<bool, bool> flags[] = {
        {settings.Centered, false},       {settings.NoAutoSize, true},
        {settings.UseFixedHeight, true},  {settings.UseFixedWidth, false},
        {settings.RepeatFixedRows, true}, {settings.RepeatFixedCols, false},
        {settings.UseDisplayFont, false}, {settings.UseDefaultOrientation, true},
        {settings.PrintGraphics, true},
    };
    for (size_t i = 0; i < std::size(flags); ++i) EXPECT_EQ(flags[i].first, flags[i].second) << "flag " << i;
    EXPECT_EQ(settings.DateFormat, u"yyyy-mm-dd");
    EXPECT_EQ(settings.TitleText, u"Slaves \u00e9");
    EXPECT_EQ(settings.PageNumSep, u"of");
    EXPECT_EQ(settings.PageSuffix, u")");
    EXPECT_EQ(settings.PagePrefix, u"(");
    ExpectFont(*settings.Font(), u"Courier New", 12, fsBold | fsItalic, clNone);
    ExpectFont(*settings.HeaderFont(), u"Arial", 14, fsUnderline, clRed);
    ExpectFont(*settings.FooterFont(), u"Tahoma", 8, fsStrikeOut, clBlack);
    EXPECT_EQ(settings.TitleLines()->Text(), u"first\r\nsecond\r\n");
}

TEST_F(PrintSettingsFile, AnEmptySectionGivesTheDefaults)
{
    FillGolden(settings);
    settings.FooterFont()->SetStyle(0);
    LoadSection("");
    for (Integer spacing : {settings.ColumnSpacing, settings.RowSpacing, settings.TitleSpacing}) EXPECT_EQ(spacing, 20);
    for (Integer size : {settings.FooterSize, settings.HeaderSize, settings.LeftSize, settings.RightSize})
        EXPECT_EQ(size, 100);
    for (Integer fixed : {settings.FixedHeight, settings.FixedWidth}) EXPECT_EQ(fixed, 0);
    EXPECT_TRUE(settings.Centered);
    EXPECT_FALSE(settings.NoAutoSize || settings.UseFixedHeight || settings.RepeatFixedRows ||
                 settings.UseDisplayFont || settings.UseDefaultOrientation || settings.PrintGraphics);
    EXPECT_EQ(settings.Borders, pbNoborder);
    EXPECT_EQ(settings.BorderStyle, psSolid);
    EXPECT_EQ(settings.BorderColor, clBlack);
    EXPECT_EQ(settings.Date, ppNone);
    EXPECT_EQ(settings.PageNr, ppNone);
    EXPECT_EQ(settings.FitToPage, fpNever);
    EXPECT_EQ(settings.Orientation, poPortrait);
    // Texts as they stand: empty, not the settings' own defaults.
    EXPECT_EQ(settings.DateFormat, u"");
    EXPECT_EQ(settings.PageNumSep, u"");
    EXPECT_EQ(settings.TitleText, u"");
    EXPECT_EQ(settings.TitleLines()->Count(), 0);
    // Styles only add: the fonts keep theirs.
    ExpectFont(*settings.Font(), u"Arial", 10, fsBold | fsItalic, clBlack);
    ExpectFont(*settings.HeaderFont(), u"Arial", 10, fsUnderline, clBlack);
    ExpectFont(*settings.FooterFont(), u"Arial", 10, 0, clBlack);
}

TEST_F(PrintSettingsFile, FontStylesOnlyAdd)
{
    settings.Font()->SetStyle(fsBold);
    LoadSection("FontStyle=0\r\n");
    EXPECT_EQ(settings.Font()->Style(), fsBold);
    LoadSection("FontStyle=2\r\nHeaderFontStyle=13\r\n");
    EXPECT_EQ(settings.Font()->Style(), fsBold | fsItalic);
    EXPECT_EQ(settings.HeaderFont()->Style(), fsBold | fsUnderline | fsStrikeOut);
    LoadSection("FontStyle=-1\r\n");  // every bit: every style, nothing beyond them
    EXPECT_EQ(settings.Font()->Style(), fsBold | fsItalic | fsUnderline | fsStrikeOut);
}

TEST_F(PrintSettingsFile, TitleLinesAreEscaped)
{
    LoadSection("TitleLines=first\\nsecond\\n\r\n");
    ASSERT_EQ(settings.TitleLines()->Count(), 2);
    EXPECT_EQ(settings.TitleLines()->Strings(0), u"first");
    EXPECT_EQ(settings.TitleLines()->Strings(1), u"second");

    settings.TitleLines()->SetText(u"one\r\n\r\nthree");
    SavePrintSettings(settings, name, u"Print");
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadString(u"Print", u"TitleLines", u""), u"one\\n\\nthree\\n");
    LoadPrintSettings(settings, name, u"Print");
    EXPECT_EQ(settings.TitleLines()->Text(), u"one\r\n\r\nthree\r\n");
}

TEST_F(PrintSettingsFile, NumbersOutsideTheirValuesAndTextsThatAreNone)
{
    FillGolden(settings);
    LoadSection("Borders=9\r\nBorderStyle=7\r\nFitToPage=5\r\nOrientation=2\r\nDate=7\r\nPageNr=-1\r\n"
                "Title=1\r\nColumnSpacing=abc\r\nRowSpacing=$10\r\nCentered=y\r\nPrintGraphics=Y\r\n"
                "BorderColor=0x20\r\nFooterSize= 7\r\n");
    EXPECT_EQ(settings.Borders, pbAround);
    EXPECT_EQ(settings.BorderStyle, psDot);
    EXPECT_EQ(settings.FitToPage, fpShrink);
    EXPECT_EQ(settings.Orientation, poLandscape);
    EXPECT_EQ(settings.Date, ppNone);
    EXPECT_EQ(settings.PageNr, ppNone);
    EXPECT_EQ(settings.Title, ppTopLeft);
    EXPECT_EQ(settings.ColumnSpacing, 20);
    EXPECT_EQ(settings.RowSpacing, 16);
    EXPECT_FALSE(settings.Centered);  // only an upper-case Y
    EXPECT_TRUE(settings.PrintGraphics);
    EXPECT_EQ(settings.BorderColor, 0x20);
    EXPECT_EQ(settings.FooterSize, 7);
    LoadSection("Borders=8\r\nBorderStyle=6\r\nFitToPage=4\r\nOrientation=0\r\nDate=6\r\n");
    EXPECT_EQ(settings.Borders, pbCustom);
    EXPECT_EQ(settings.BorderStyle, psInsideFrame);
    EXPECT_EQ(settings.FitToPage, fpCustom);
    EXPECT_EQ(settings.Orientation, poPortrait);
    EXPECT_EQ(settings.Date, ppBottomCenter);
}

TEST_F(PrintSettingsFile, LoadingCreatesAMissingFile)
{
    LoadPrintSettings(settings, name, u"Print");
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(settings.ColumnSpacing, 20);
}

TEST_F(PrintSettingsFile, ConfigParserReadsTheWrittenSection)
{
    FillGolden(settings);
    SavePrintSettings(settings, name, u"Print");
    const auto values = test::ReadWithConfigParser(file);
    if (!values) GTEST_SKIP() << "python3 is missing";
    TMemIniFile ini(name);
    TStringList keys;
    ini.ReadSection(u"Print", &keys);
    EXPECT_EQ(keys.Count(), 45);
    EXPECT_EQ(values->size(), 45u);
    for (Integer i = 0; i < keys.Count(); ++i) {
        const auto it = values->find({u"Print", keys.Strings(i)});
        ASSERT_NE(it, values->end()) << StringToUtf8(keys.Strings(i));
        EXPECT_EQ(it->second, ini.ReadString(u"Print", keys.Strings(i), u"")) << StringToUtf8(keys.Strings(i));
    }
    EXPECT_EQ(values->at({u"Print", u"TitleText"}), u"Slaves \u00e9");
}

}  // namespace
}  // namespace gw
