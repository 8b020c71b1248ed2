// The string grid's persistence members over their formats: the column-state text applied to
// and taken from a grid, column widths and positions in an INI file, the visual-properties file
// read into the grid's properties and written back, and the print-settings section.
#include "grid/foundation/bands.h"
#include "grid/foundation/search_footer.h"
#include "grid/model/background.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/column_size.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/grouping.h"
#include "grid/model/print_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

using Ints = std::vector<Integer>;

// Counts the width changes the base grid reports.
class TPersistGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void ColWidthsChanged() override
    {
        ++WidthChanges;
        TExtStringGrid::ColWidthsChanged();
    }
    int WidthChanges = 0;
};

class ExtStringGridPersistence : public ::testing::Test {
protected:
    THarness h;
    ScratchDir dir{"grid_persistence"};
    TPersistGrid g{nullptr};

    void SetUp() override
    {
        g.SetColCount(3);
        g.SetDefaultColWidth(64);
    }
    Ints Widths() const
    {
        Ints w;
        for (Integer c = 0; c < g.ColCount(); ++c) w.push_back(g.ColWidths(c));
        return w;
    }
    String File(const std::string& Leaf) const { return Utf8ToString((dir / Leaf).string()); }
    void UseIniFile(const std::string& Leaf)
    {
        g.ColumnSize()->Location = clIniFile;
        g.ColumnSize()->Key = File(Leaf);
        g.ColumnSize()->Section = u"Grid";
    }
    String Stored(const std::string& Leaf, StringView Name)
    {
        TMemIniFile ini(File(Leaf));
        return ini.ReadString(u"Grid", Name, u"<none>");
    }
};

TEST_F(ExtStringGridPersistence, TheColumnStateTextOfAGrid)
{
    EXPECT_EQ(g.ColumnStatesToString(), u"3#64,64,64#0,1,2#1,1,1");
    g.StringToColumnStates(u"4#10,20,30,40#0,1,2,3#1,1,1,1");
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(Widths(), (Ints{10, 20, 30, 40}));
    EXPECT_EQ(g.ColumnStatesToString(), u"4#10,20,30,40#0,1,2,3#1,1,1,1");
    // Without an order the order list stays empty; the text then writes the initial order.
    g.StringToColumnStates(u"2#7,8##1,1");
    EXPECT_EQ(Widths(), (Ints{7, 8}));
    EXPECT_EQ(g.ColumnStatesToString(), u"2#7,8#0,1#1,1");
}

// A text without "#" changes nothing; a malformed one raises before anything changes.
TEST_F(ExtStringGridPersistence, MalformedColumnStateTextsChangeNothing)
{
    g.StringToColumnStates(u"3#10,20,30#0,1,2#1,1,1");
    g.StringToColumnStates(u"abc");
    struct Case {
        const char16_t* Text;
        bool ListError;  // else a conversion error
    };
    const std::vector<Case> cases = {
        {u"2000000000#", false},
        {u"-1#1#0#1", false},
        {u"x#1#0#1", false},
        {u"3#10,20#0,1,2#1,1,1", true},
        {u"3#10,20,x#0,1,2#1,1,1", false},
        {u"3#10,20,40000#0,1,2#1,1,1", false},
        {u"3#10,20,30#0,1,1#1,1,1", true},
        {u"3#10,20,30#0,-1,1,2#1,1,1", true},
        {u"3#10,20,30#0,1,2#1,1", true},
    };
    for (const Case& c : cases) {
        try {
            g.StringToColumnStates(c.Text);
            ADD_FAILURE() << StringToUtf8(c.Text) << " did not raise";
        } catch (const EStringListError&) {
            EXPECT_TRUE(c.ListError) << StringToUtf8(c.Text);
        } catch (const EConvertError&) {
            EXPECT_FALSE(c.ListError) << StringToUtf8(c.Text);
        }
        EXPECT_EQ(Widths(), (Ints{10, 20, 30})) << StringToUtf8(c.Text);
    }
}

// The stretch is switched off while the widths are set and on again after, which stretches.
TEST_F(ExtStringGridPersistence, TheStretchIsKeptAcrossTheColumnStates)
{
    // A parent without a window yet: the stretch runs, the border is not painted.
    TForm form(nullptr);
    auto* grid = new TPersistGrid(&form);
    grid->SetParent(&form);
    grid->ColumnSize()->SetStretch(true);
    grid->StringToColumnStates(u"3#40,50,60#0,1,2#1,1,1");
    EXPECT_TRUE(grid->ColumnSize()->Stretch());
    EXPECT_EQ(grid->ColWidths(0), 40);
    EXPECT_EQ(grid->ColWidths(1), 50);
    EXPECT_EQ(grid->ColWidths(2), grid->ClientWidth() - 90 - 1);
}

// Texts that move or hide columns.
TEST_F(ExtStringGridPersistence, MovedAndHiddenColumnsRoundTrip)
{
    g.StringToColumnStates(u"2#10,20#1,0#1,1");
    EXPECT_EQ(Widths(), (Ints{10, 20}));
    EXPECT_EQ(g.ColumnStatesToString(), u"2#10,20#1,0#1,1");
    TPersistGrid other(nullptr);
    other.SetColCount(3);
    other.SetDefaultColWidth(64);
    other.StringToColumnStates(u"3#64,64,64#0,1,2#1,0,1");
    EXPECT_EQ(other.ColCount(), 2);
    EXPECT_TRUE(other.IsHiddenColumn(1));
    EXPECT_EQ(other.ColumnStatesToString(), u"3#64,64,64#0,1,2#1,0,1");
}

// Widths go to "Col0".. and come back; a load sets only the widths that differ.
TEST_F(ExtStringGridPersistence, ColumnWidthsInAnIniFile)
{
    g.SetColWidths(0, 11);
    g.SetColWidths(2, 33);
    UseIniFile("widths.ini");
    g.SaveColSizes();
    EXPECT_EQ(Stored("widths.ini", u"Col0"), u"11");
    EXPECT_EQ(Stored("widths.ini", u"Col1"), u"64");
    EXPECT_EQ(Stored("widths.ini", u"Col2"), u"33");

    TPersistGrid other(nullptr);
    other.SetColCount(4);
    other.ColumnSize()->Location = clIniFile;
    other.ColumnSize()->Key = File("widths.ini");
    other.ColumnSize()->Section = u"Grid";
    other.WidthChanges = 0;
    other.LoadColSizes();
    EXPECT_EQ(other.ColWidths(0), 11);
    EXPECT_EQ(other.ColWidths(2), 33);
    EXPECT_EQ(other.ColWidths(3), other.DefaultColWidth()) << "no stored width: the current one stays";
    EXPECT_EQ(other.WidthChanges, 2) << "Col1 equals the current width";

    // Without a key or section nothing is written, nothing created.
    g.ColumnSize()->Key = File("none.ini");
    g.ColumnSize()->Section = u"";
    g.SaveColSizes();
    g.LoadColSizes();
    EXPECT_FALSE(std::filesystem::exists(dir / "none.ini"));
    // A load from a missing file keeps the widths and leaves an empty file.
    UseIniFile("new.ini");
    g.LoadColSizes();
    EXPECT_EQ(Widths(), (Ints{11, 64, 33}));
    EXPECT_TRUE(std::filesystem::exists(dir / "new.ini"));
}

// A grid never moved writes no position and loads none; stored positions become its order list.
TEST_F(ExtStringGridPersistence, ColumnPositionsInAnIniFile)
{
    UseIniFile("positions.ini");
    g.SaveColPositions();
    EXPECT_EQ(Stored("positions.ini", u"Pos0"), u"<none>");
    g.LoadColPositions();
    EXPECT_EQ(g.ColumnStatesToString(), u"3#64,64,64#0,1,2#1,1,1");

    g.StringToColumnStates(u"3#64,64,64#0,1,2#1,1,1");  // an order list, in the initial order
    g.SaveColPositions();
    EXPECT_EQ(Stored("positions.ini", u"Pos2"), u"2");
    TMemIniFile ini(File("positions.ini"));
    ini.WriteInteger(u"Grid", u"Pos1", 0);
    ini.UpdateFile();
    EXPECT_THROW(g.LoadColPositions(), EStringListError) << "0 twice leaves 1 out";
    EXPECT_EQ(Widths(), (Ints{64, 64, 64}));

    ini.WriteInteger(u"Grid", u"Pos0", 1);
    ini.UpdateFile();
    g.LoadColPositions();
    EXPECT_EQ(g.ColumnStatesToString(), u"3#64,64,64#1,0,2#1,1,1");
}

// The golden visual-properties file (with the grid's own look) read into the grid and written back
// gives the same bytes; the properties land where they belong.
TEST_F(ExtStringGridPersistence, TheVisualPropertiesFileRoundTripsThroughTheGrid)
{
    std::string golden = readBytes(fixture("visual_props.txt"));
    const std::string from = "Look=glOffice2007\r\n";
    ASSERT_NE(golden.find(from), std::string::npos);
    golden.replace(golden.find(from), from.size(), "Look=glXP\r\n");
    // The footer's colour, not its default, goes out again.
    const std::string footer = "FloatingFooter.Color=clBtnFace\r\n";
    ASSERT_NE(golden.find(footer), std::string::npos);
    golden.replace(golden.find(footer), footer.size(), "FloatingFooter.Color=clInfoBk\r\n");
    writeBytes(dir / "in.txt", golden);
    g.LoadVisualProps(File("in.txt"));
    EXPECT_EQ(g.Color(), clWhite);
    EXPECT_EQ(g.SelectionColor(), TColor(0x00FF8000));
    EXPECT_EQ(g.SelectionMirrorColor, clMoneyGreen);
    EXPECT_TRUE(g.URLShow());
    EXPECT_EQ(g.ActiveRowColor(), clCream);
    EXPECT_TRUE(g.ActiveRowShow());
    EXPECT_EQ(g.Font()->Style(), TFontStyles(fsBold | fsUnderline));
    EXPECT_EQ(g.Font()->Size(), 9);
    EXPECT_EQ(g.Font()->Name(), u"S\u00c9GOE \u00e9 UI");
    EXPECT_EQ(g.ActiveCellColorTo(), clSilver);
    EXPECT_EQ(g.FixedFont()->Name(), u"Arial");
    EXPECT_EQ(g.Balloon()->Transparency, 200);
    EXPECT_TRUE(g.Bands()->Active());
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
    EXPECT_EQ(g.ControlLook()->RadioSize(), 11);
    EXPECT_EQ(g.SearchFooter()->Color(), TColor(0x00F0E0D0));
    EXPECT_EQ(g.FloatingFooter()->Color(), clInfoBk);
    EXPECT_TRUE(g.Grouping()->HeaderUnderline);
    EXPECT_EQ(g.Grouping()->SummaryLineWidth, 3);
    EXPECT_EQ(g.GridFixedLineColor(), clBtnShadow);
    EXPECT_EQ(g.BackGround()->Top(), -5);
    EXPECT_EQ(g.BackGround()->Display(), bdGradientVert);
    EXPECT_EQ(g.BackGround()->ColorTo(), TColor(0x80000000));
    g.SaveVisualProps(File("out.txt"));
    EXPECT_EQ(readBytes(dir / "out.txt"), golden);
}

// A file without "Font.Size" stops there: the keys before it are applied, the rest stay.
TEST_F(ExtStringGridPersistence, AMissingFontSizeStopsAfterTheKeysBeforeIt)
{
    writeBytes(dir / "part.txt",
               "Color=clAqua\r\nActiveCellShow=true\r\nFont.Color=clRed\r\nFont.Style=fsItalic\r\n"
               "ActiveCellColor=clLime\r\n");
    const TColor activeCell = g.ActiveCellColor();
    EXPECT_THROW(g.LoadVisualProps(File("part.txt")), EConvertError);
    EXPECT_EQ(g.Color(), clAqua);
    EXPECT_TRUE(g.ActiveCellShow());
    EXPECT_EQ(g.Font()->Color(), clRed);
    EXPECT_EQ(g.Font()->Style(), TFontStyles(fsItalic));
    EXPECT_EQ(g.ActiveCellColor(), activeCell);
    // A file that cannot be opened changes nothing.
    EXPECT_THROW(g.LoadVisualProps(File("missing.txt")), EFOpenError);
    EXPECT_EQ(g.Color(), clAqua);
}

// "Look=" keeps the look; a named look goes through the look's setter.
TEST_F(ExtStringGridPersistence, TheLookLine)
{
    g.SaveVisualProps(File("look.txt"));
    std::string text = readBytes(dir / "look.txt");
    const size_t at = text.find("Look=glXP\r\n");
    ASSERT_NE(at, std::string::npos);
    writeBytes(dir / "empty.txt", std::string(text).replace(at, 11, "Look=\r\n"));
    g.LoadVisualProps(File("empty.txt"));
    EXPECT_EQ(g.Look(), glXP);
    writeBytes(dir / "office.txt", std::string(text).replace(at, 11, "Look=glOffice2007\r\n"));
    g.LoadVisualProps(File("office.txt"));
    EXPECT_EQ(g.Look(), glOffice2007);
}

// The print settings go to their section and come back.
TEST_F(ExtStringGridPersistence, ThePrintSettingsSection)
{
    TPrintSettings& p = *g.PrintSettings();
    p.ColumnSpacing = 7;
    p.Centered = false;
    p.Font()->SetStyle(fsBold);
    TStringList lines;
    lines.SetText(u"first\nsecond\n");
    p.SetTitleLines(&lines);
    g.SavePrintSettings(File("print.ini"), u"Print");
    TMemIniFile ini(File("print.ini"));
    EXPECT_EQ(ini.ReadString(u"Print", u"TitleLines", u""), u"first\\nsecond\\n");
    p.ColumnSpacing = 1;
    p.Centered = true;
    TStringList none;
    p.SetTitleLines(&none);
    g.LoadPrintSettings(File("print.ini"), u"Print");
    EXPECT_EQ(p.ColumnSpacing, 7);
    EXPECT_FALSE(p.Centered);
    EXPECT_EQ(p.TitleLines()->Count(), 2);
    EXPECT_EQ(p.Font()->Style(), TFontStyles(fsBold));
}

}  // namespace
}  // namespace gw::test
