// The visual-properties file: the golden file written byte for byte and read back property by
// property, the stop at a bad value, the looks, the reading rules and configparser's view.
#include "grid/model/visual_props.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/python_ini.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

// What the golden file holds.
TVisualProps GoldenProps()
{
    TVisualProps p;
    p.Color = clWhite;
    p.SelectionColor = 0x00FF8000;
    p.SelectionMirrorColor = clMoneyGreen;
    p.SelectionMirrorColorTo = 0x00123456;
    p.URLShow = true;
    p.ActiveRowColor = clCream;
    p.ActiveRowShow = true;
    p.Font = {.Color = clWindowText, .Style = fsBold | fsUnderline, .Size = 9, .Name = u"S\u00c9GOE \u00e9 UI"};
    p.ActiveCellColorTo = clLtGray;  // the value of clSilver, written by that name
    p.ActiveCellFont = {.Color = clRed, .Style = 0, .Size = 10, .Name = u"Tahoma"};
    p.FixedFont = {
        .Color = clDkGray, .Style = fsBold | fsItalic | fsUnderline | fsStrikeOut, .Size = 8, .Name = u"Arial"};
    p.Balloon.BackgroundColor = clInfoBk;
    p.Balloon.TextColor = clInfoText;
    p.Balloon.Transparency = 200;
    p.Bands.Active = true;
    p.ControlLook.ControlStyle = csGlyph;
    p.ControlLook.RadioSize = 11;
    p.ControlLook.ProgressXP = true;
    p.Look = glOffice2007;
    p.SearchFooter.Color = 0x00F0E0D0;
    p.Grouping.HeaderUnderline = true;
    p.Grouping.SummaryLineWidth = 3;
    p.GridFixedLineColor = clBtnShadow;
    p.BackGround.Top = -5;
    p.BackGround.Left = 12;
    p.BackGround.Display = bdGradientVert;
    p.BackGround.Cells = bcAll;
    p.BackGround.ColorTo = static_cast<TColor>(0x80000000u);
    return p;
}

void ExpectFont(const TVisualFont& Got, const TVisualFont& Want, const char* Which)
{
    EXPECT_EQ(Got.Color, Want.Color) << Which;
    EXPECT_EQ(Got.Style, Want.Style) << Which;
    EXPECT_EQ(Got.Size, Want.Size) << Which;
    EXPECT_EQ(Got.Name, Want.Name) << Which;
}

void ExpectSameProps(const TVisualProps& Got, const TVisualProps& W)
{
    const std::pair<TColor, TColor> colours[] = {
        {Got.Color, W.Color},
        {Got.HintColor, W.HintColor},
        {Got.SelectionColor, W.SelectionColor},
        {Got.SelectionColorTo, W.SelectionColorTo},
        {Got.SelectionMirrorColor, W.SelectionMirrorColor},
        {Got.SelectionMirrorColorTo, W.SelectionMirrorColorTo},
        {Got.SelectionTextColor, W.SelectionTextColor},
        {Got.URLColor, W.URLColor},
        {Got.ScrollColor, W.ScrollColor},
        {Got.ActiveRowColor, W.ActiveRowColor},
        {Got.ActiveCellColor, W.ActiveCellColor},
        {Got.ActiveCellColorTo, W.ActiveCellColorTo},
        {Got.Balloon.BackgroundColor, W.Balloon.BackgroundColor},
        {Got.Balloon.TextColor, W.Balloon.TextColor},
        {Got.Bands.PrimaryColor, W.Bands.PrimaryColor},
        {Got.Bands.SecondaryColor, W.Bands.SecondaryColor},
        {Got.SortSettings.IndexColor, W.SortSettings.IndexColor},
        {Got.FloatingFooter.Color, W.FloatingFooter.Color},
        {Got.ControlLook.Color, W.ControlLook.Color},
        {Got.ControlLook.CommentColor, W.ControlLook.CommentColor},
        {Got.ControlLook.FixedGradientFrom, W.ControlLook.FixedGradientFrom},
        {Got.ControlLook.FixedGradientTo, W.ControlLook.FixedGradientTo},
        {Got.ControlLook.ProgressBorderColor, W.ControlLook.ProgressBorderColor},
        {Got.SearchFooter.Color, W.SearchFooter.Color},
        {Got.SearchFooter.ColorTo, W.SearchFooter.ColorTo},
        {Got.Grouping.HeaderColor, W.Grouping.HeaderColor},
        {Got.Grouping.HeaderColorTo, W.Grouping.HeaderColorTo},
        {Got.Grouping.HeaderTextColor, W.Grouping.HeaderTextColor},
        {Got.Grouping.HeaderLineColor, W.Grouping.HeaderLineColor},
        {Got.Grouping.SummaryColor, W.Grouping.SummaryColor},
        {Got.Grouping.SummaryColorTo, W.Grouping.SummaryColorTo},
        {Got.Grouping.SummaryTextColor, W.Grouping.SummaryTextColor},
        {Got.Grouping.SummaryLineColor, W.Grouping.SummaryLineColor},
        {Got.GridLineColor, W.GridLineColor},
        {Got.GridFixedLineColor, W.GridFixedLineColor},
        {Got.BackGround.Color, W.BackGround.Color},
        {Got.BackGround.ColorTo, W.BackGround.ColorTo},
    };
    for (size_t i = 0; i < std::size(colours); ++i) EXPECT_EQ(colours[i].first, colours[i].second) << "colour " << i;
    const std::pair<bool, bool> flags[] = {
        {Got.URLShow, W.URLShow},
        {Got.URLShowInText, W.URLShowInText},
        {Got.ActiveRowShow, W.ActiveRowShow},
        {Got.ActiveCellShow, W.ActiveCellShow},
        {Got.Bands.Active, W.Bands.Active},
        {Got.ControlLook.FlatButton, W.ControlLook.FlatButton},
        {Got.ControlLook.ProgressXP, W.ControlLook.ProgressXP},
        {Got.Grouping.HeaderUnderline, W.Grouping.HeaderUnderline},
        {Got.Grouping.SummaryLine, W.Grouping.SummaryLine},
    };
    for (size_t i = 0; i < std::size(flags); ++i) EXPECT_EQ(flags[i].first, flags[i].second) << "flag " << i;
    const std::pair<Integer, Integer> integers[] = {
        {Got.Balloon.Transparency, W.Balloon.Transparency},
        {Got.ControlLook.CheckSize, W.ControlLook.CheckSize},
        {Got.ControlLook.RadioSize, W.ControlLook.RadioSize},
        {Got.Grouping.HeaderLineWidth, W.Grouping.HeaderLineWidth},
        {Got.Grouping.SummaryLineWidth, W.Grouping.SummaryLineWidth},
        {Got.BackGround.Top, W.BackGround.Top},
        {Got.BackGround.Left, W.BackGround.Left},
        {Got.ControlLook.ControlStyle, W.ControlLook.ControlStyle},
        {Got.Look, W.Look},
        {Got.BackGround.Display, W.BackGround.Display},
        {Got.BackGround.Cells, W.BackGround.Cells},
    };
    for (size_t i = 0; i < std::size(integers); ++i) EXPECT_EQ(integers[i].first, integers[i].second) << "value " << i;
    ExpectFont(Got.Font, W.Font, "Font");
    ExpectFont(Got.ActiveCellFont, W.ActiveCellFont, "ActiveCellFont");
    ExpectFont(Got.FixedFont, W.FixedFont, "FixedFont");
}

class VisualProps : public ::testing::Test {
protected:
    test::ScratchDir dir{"visual_props"};
    std::filesystem::path file = dir / "look.txt";
    String name = Utf8ToString(file.string());
    std::string golden = test::readBytes(test::fixture("visual_props.txt"));

    // The golden file with one line replaced (or removed, for an empty With).
    std::string GoldenWith(const std::string& Line, const std::string& With)
    {
        std::string text = golden;
        const size_t at = text.find(Line + "\r\n");
        EXPECT_NE(at, std::string::npos) << Line;
        text.replace(at, Line.size() + 2, With.empty() ? "" : With + "\r\n");
        return text;
    }
    TVisualProps Load(const std::string& Bytes, TVisualProps Props = {})
    {
        test::writeBytes(file, Bytes);
        LoadVisualProps(Props, name);
        return Props;
    }
};

TEST_F(VisualProps, TheGoldenFileIsWrittenByteForByte)
{
    ASSERT_FALSE(golden.empty());
    SaveVisualProps(GoldenProps(), name);
    EXPECT_EQ(test::readBytes(file), golden);
}

TEST_F(VisualProps, TheGoldenFileReadsBackPropertyByProperty)
{
    ExpectSameProps(Load(golden), GoldenProps());
    // The defaults, written and read back, stay the defaults.
    SaveVisualProps(TVisualProps{}, name);
    TVisualProps defaults;
    LoadVisualProps(defaults, name);
    ExpectSameProps(defaults, TVisualProps{});
}

TEST_F(VisualProps, AMissingFontSizeStopsAfterTheKeysBeforeIt)
{
    test::writeBytes(file, GoldenWith("Font.Size=9", ""));
    TVisualProps props;
    EXPECT_THROW(LoadVisualProps(props, name), EConvertError);
    const TVisualProps want = GoldenProps(), before;
    EXPECT_EQ(props.Color, want.Color);
    EXPECT_EQ(props.SelectionColor, want.SelectionColor);
    EXPECT_EQ(props.ActiveRowShow, want.ActiveRowShow);
    EXPECT_EQ(props.Font.Color, want.Font.Color);
    EXPECT_EQ(props.Font.Style, want.Font.Style);
    // Not reached: the size, the name and everything after.
    EXPECT_EQ(props.Font.Size, before.Font.Size);
    EXPECT_EQ(props.Font.Name, before.Font.Name);
    EXPECT_EQ(props.ActiveCellColorTo, before.ActiveCellColorTo);
    EXPECT_EQ(props.BackGround.Top, before.BackGround.Top);
}

TEST_F(VisualProps, GridLinesAreReadRightAfterTheSearchFooter)
{
    // Written after the grouping, read before it: a bad grouping width stops after the lines.
    test::writeBytes(file, GoldenWith("Grouping.HeaderLineWidth=2", "Grouping.HeaderLineWidth=wide"));
    TVisualProps props;
    EXPECT_THROW(LoadVisualProps(props, name), EConvertError);
    EXPECT_EQ(props.SearchFooter.Color, 0x00F0E0D0);
    EXPECT_EQ(props.GridFixedLineColor, clBtnShadow);
    EXPECT_TRUE(props.Grouping.HeaderUnderline);
    EXPECT_EQ(props.Grouping.SummaryLineWidth, TVisualProps{}.Grouping.SummaryLineWidth);
}

TEST_F(VisualProps, LooksAndOtherEnumerations)
{
    const TVisualProps office = GoldenProps();
    struct Case {
        const char* Line;
        TGridLook Look;
    };
    const TVisualProps soft = [] {
        TVisualProps p;
        p.Look = glSoft;
        return p;
    }();
    for (const auto& [line, look] :
         {Case{"Look=glOffice2007", glOffice2007}, Case{"Look=", glSoft}, Case{"Look=GLXP", glXP},
          Case{"Look=glCustom", glSoft}, Case{"Look= glXP", glSoft}})
        EXPECT_EQ(Load(GoldenWith("Look=glOffice2007", line), soft).Look, look) << line;
    // The custom look is written as an empty value.
    TVisualProps custom = office;
    custom.Look = glCustom;
    SaveVisualProps(custom, name);
    EXPECT_EQ(test::readBytes(file), GoldenWith("Look=glOffice2007", "Look="));
    EXPECT_EQ(Load(GoldenWith("BackGround.Cells=bcAll", "BackGround.Cells=bcNone")).BackGround.Cells, bcNormal);
    EXPECT_EQ(
        Load(GoldenWith("ControlLook.ControlStyle=csGlyph", "ControlLook.ControlStyle=")).ControlLook.ControlStyle,
        TVisualProps{}.ControlLook.ControlStyle);
}

TEST_F(VisualProps, ReadingRules)
{
    // Keys without case, the first line wins, lines without "=" match nothing.
    const TVisualProps p = Load("bands.ACTIVE=TRUE\r\nColor\r\nColor=clRed\r\nColor=clBlue\r\n" +
                                GoldenWith("Bands.Active=true", "Bands.Active=false"));
    EXPECT_TRUE(p.Bands.Active);
    EXPECT_EQ(p.Color, clRed);
    // Empty colour: clNone; flags anything but "true" in any case: false; names without case;
    // style names anywhere in the value; an empty font name keeps the name; only the low byte of
    // the transparency.
    golden = GoldenWith("URLShow=true", "URLShow=yes");
    golden = GoldenWith("Color=clWhite", "Color=");
    golden = GoldenWith("HintColor=clInfoBk", "HintColor=CLWHITE");
    golden = GoldenWith("SelectionColor=$00FF8000", "SelectionColor=0x10");
    golden = GoldenWith("SelectionColorTo=clNone", "SelectionColorTo=-1");
    golden = GoldenWith("Font.Style=fsBold,fsUnderline", "Font.Style=[xfsItalicx fsStrikeOut]");
    golden = GoldenWith("Font.Name=S\xc9GOE \xe9 UI", "Font.Name=");
    golden = GoldenWith("Balloon.Transparency=200", "Balloon.Transparency=511");
    const TVisualProps q = Load(golden);
    EXPECT_FALSE(q.URLShow);
    EXPECT_EQ(q.Color, clNone);
    EXPECT_EQ(q.HintColor, clWhite);
    EXPECT_EQ(q.SelectionColor, 0x10);
    EXPECT_EQ(q.SelectionColorTo, -1);
    EXPECT_EQ(q.Font.Style, fsItalic | fsStrikeOut);
    EXPECT_EQ(q.Font.Name, TVisualFont{}.Name);
    EXPECT_EQ(q.Balloon.Transparency, 255);
}

TEST_F(VisualProps, BadValuesRaiseTheConversionError)
{
    for (const auto& [line, with] : {std::pair<std::string, std::string>{"Color=clWhite", "Color=white"},
                                     {"Color=clWhite", "Color=clWindowText"},  // not one of the file's names
                                     {"BackGround.Left=12", "BackGround.Left=12px"},
                                     {"BackGround.Left=12", "BackGround.Left="},
                                     {"Balloon.Transparency=200", "Balloon.Transparency=99999999999"}}) {
        test::writeBytes(file, GoldenWith(line, with));
        TVisualProps props;
        EXPECT_THROW(LoadVisualProps(props, name), EConvertError) << with;
    }
}

TEST_F(VisualProps, ColourTexts)
{
    EXPECT_EQ(VisualColorToString(clWindowText), u"$FF000008");
    EXPECT_EQ(VisualColorToString(clLtGray), u"clSilver");
    EXPECT_EQ(VisualColorToString(clWindowFrame), u"clWindowFrame");
    EXPECT_EQ(VisualColorToString(0x00ABCDEF), u"$00ABCDEF");
    EXPECT_EQ(VisualStringToColor(u"$FF000008"), clWindowText);
    EXPECT_EQ(VisualStringToColor(u"cl3ddkshadow"), cl3DDkShadow);
    for (const char16_t* alias : {u"clWindowText", u"clLtGray", u"cldkgray"})
        EXPECT_THROW(VisualStringToColor(alias), EConvertError) << StringToUtf8(alias);
}

TEST_F(VisualProps, AByteOrderMarkSelectsTheEncoding)
{
    std::string utf8 = GoldenWith("Font.Name=S\xc9GOE \xe9 UI", "Font.Name=Caf\xc3\xa9");
    EXPECT_EQ(Load("\xef\xbb\xbf" + utf8).Font.Name, u"Caf\u00e9");
    // Without the mark the bytes are Windows-1252, even where they would be UTF-8.
    EXPECT_EQ(Load(utf8).Font.Name, u"Caf\u00c3\u00a9");
}

TEST_F(VisualProps, FilesThatCannotBeOpenedOrCreated)
{
    const String missing = Utf8ToString((dir / "none.txt").string());
    TVisualProps props;
    props.Color = clRed;
    try {
        LoadVisualProps(props, missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), u"Cannot open file " + missing);
    }
    EXPECT_EQ(props.Color, clRed);
    const String nowhere = Utf8ToString((dir / "no" / "folder.txt").string());
    try {
        SaveVisualProps(props, nowhere);
        ADD_FAILURE() << "a file was written into a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), u"Cannot Create " + nowhere);
    }
}

TEST_F(VisualProps, ConfigParserReadsTheWrittenFileAfterADummySection)
{
    SaveVisualProps(GoldenProps(), name);
    const auto values = test::ReadWithConfigParser(file, true);
    if (!values) GTEST_SKIP() << "python3 is missing";
    // Key by key against the lines written, split at their first "=".
    std::map<std::pair<String, String>, String> want;
    const String text = DecodeBytesAs(golden, TTextEncoding::Ansi);
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find(u"\r\n", at), eq = text.find(u'=', at);
        want[{u"dummy", text.substr(at, eq - at)}] = text.substr(eq + 1, end - eq - 1);
        at = end + 2;
    }
    EXPECT_EQ(want.size(), 69u);
    EXPECT_EQ(*values, want);
}

}  // namespace
}  // namespace gw
