// The string grid's look settings as a whole: what each look writes, the spreadsheet switch, the
// mixer factor's range, the scroll type the looks and styles leave with their scroll bars, the
// office theme follow, the font a cell is measured and edited in, the events of a cell painted in
// a displayed column that is not its real one, the origin of rotated text in every quadrant and
// the background painted outside the cells.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/model/background.h"
#include "grid/model/cell_paint_geometry.h"
#include "grid/model/control_look.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "tests/grid/model/paint_grid.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TLookGrid : public TPaintGrid {
public:
    using TExtStringGrid::FOfficeTheme;
    using TPaintGrid::TPaintGrid;
};

class ExtStringGridLookSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        g = new TLookGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 400, 250);
        g->SetDefaultColWidth(60);
        g->SetColor(clWhite);
    }
    void TearDown() override { delete form; }
    bool SystemBars() const { return (GetWindowStyle(g->Handle()) & WS_VSCROLL) != 0; }
    // What the screen shows at a client point of the grid.
    TColor ScreenAt(TPoint P)
    {
        h.ProcessMessages();
        const TPoint s = g->ClientToScreen(P);
        const auto surface = h.Display().ComposeScreen(Rect(s.X, s.Y, s.X + 1, s.Y + 1));
        cairo_surface_flush(surface.get());
        uint32_t v = 0;
        std::memcpy(&v, cairo_image_surface_get_data(surface.get()), 4);
        return TColor(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
    }
    THarness h;
    TForm* form = nullptr;
    TLookGrid* g = nullptr;
};

// Every look from a grid whose colours are all markers: what the look writes and what it keeps.
TEST_F(ExtStringGridLookSettings, EachLookWritesItsColoursAndKeepsTheRest)
{
    constexpr TColor Marker = TColor(0x010203);
    struct Expect {
        TColor Selection, SelectionText, Active, Fixed, From, To, HoverFrom, DownMirrorTo, Search;
    };
    const TColor face = ColorToRGB(clBtnFace);
    const Expect plain{clHighlight, clHighlightText, clGray, clBtnFace, face, clNone, Marker, Marker, clBtnFace};
    const Expect xp{TColor(0xEACAB6), clBlack,           TColor(0xEACAB6), Marker, clWhite, face,
                    TColor(0xCFD0D1), TColor(0x627376), clNone};
    Expect zeq = xp;
    zeq.To = ColorToRGB(clSilver);
    const Expect listView{clHighlight, clHighlightText, clGray, Marker, clWhite, face, Marker, Marker, clBtnFace};
    struct Case {
        TGridLook Look;
        Expect E;
    };
    const std::vector<Case> cases = {{glStandard, plain}, {glSoft, plain}, {glClassic, plain},
                                     {glListView, listView}, {glZEQ, zeq}, {glXP, xp}};
    for (const Case& c : cases) {
        auto grid = std::make_unique<TLookGrid>(nullptr);
        grid->SetLook(glCustom);
        grid->SetSelectionColor(Marker);
        grid->SetSelectionTextColor(Marker);
        grid->SetActiveCellColor(Marker);
        grid->SetFixedColor(Marker);
        grid->SetZEQGradientHoverFrom(Marker);
        grid->SetZEQGradientDownMirrorTo(Marker);
        grid->SearchFooter()->SetColor(Marker);
        grid->SortSettings()->SetHeaderColor(Marker);
        grid->SetBorderColor(clRed);
        grid->BorderStyle = bsNone;
        grid->SetLook(c.Look);
        const std::string name = StringToUtf8(grid->GetLookName(c.Look));
        EXPECT_EQ(grid->SelectionColor(), c.E.Selection) << name;
        EXPECT_EQ(grid->SelectionTextColor(), c.E.SelectionText) << name;
        EXPECT_EQ(grid->ActiveCellColor(), c.E.Active) << name;
        EXPECT_EQ(grid->ActiveCellColorTo(), clNone) << name;
        EXPECT_EQ(grid->FixedColor(), c.E.Fixed) << name;
        EXPECT_EQ(grid->ZEQGradientFrom(), c.E.From) << name;
        EXPECT_EQ(grid->ZEQGradientTo(), c.E.To) << name;
        EXPECT_EQ(grid->ZEQGradientMirrorFrom(), clNone) << name;
        EXPECT_EQ(grid->ZEQGradientHoverFrom(), c.E.HoverFrom) << name;
        EXPECT_EQ(grid->ZEQGradientDownMirrorTo(), c.E.DownMirrorTo) << name;
        EXPECT_EQ(grid->SearchFooter()->Color(), c.E.Search) << name;
        EXPECT_EQ(grid->SortSettings()->HeaderColor(), clNone) << name;
        EXPECT_EQ(grid->GridLineColor(), clSilver) << name;
        EXPECT_EQ(grid->GridFixedLineColor(), clGray) << name;
        EXPECT_EQ(grid->SelectionStyle(), ssDefault) << name;
        EXPECT_EQ(grid->BorderStyle, bsSingle) << name;
        EXPECT_EQ(grid->BorderColor(), TColor(0xB99D7F)) << name;
    }
    // The three styled looks take their style's preset; the custom look keeps every colour.
    struct Styled {
        TGridLook Look;
        TColor Selection;
        TGridSelectionStyle Style;
    };
    for (const Styled& s : std::vector<Styled>{{glVista, TColor(0xEACAB6), ssVista},
                                              {glWin7, TColor(0xEACAB6), ssWin7},
                                              {glOffice2007, TColor(0x5EC1F1), ssOffice2007}}) {
        auto grid = std::make_unique<TLookGrid>(nullptr);
        grid->SetLook(s.Look);
        EXPECT_EQ(grid->Look(), s.Look);
        EXPECT_EQ(grid->SelectionColor(), s.Selection) << int(s.Look);
        EXPECT_EQ(grid->SelectionStyle(), s.Style) << int(s.Look);
    }
    auto grid = std::make_unique<TLookGrid>(nullptr);
    grid->SetSelectionColor(Marker);
    grid->SetFixedColor(Marker);
    grid->SortSettings()->SetHeaderColor(Marker);
    grid->SetBorderColor(clRed);
    grid->SetLook(glCustom);
    EXPECT_EQ(grid->SelectionColor(), Marker);
    EXPECT_EQ(grid->FixedColor(), Marker);
    EXPECT_EQ(grid->SortSettings()->HeaderColor(), Marker);
    EXPECT_EQ(grid->BorderColor(), TColor(0xB99D7F)) << "the border is reset by every look";
}

// A look or a style that ends the metro scroll type gives the window its own bars back, and the
// colour tones' metro type takes them away: the scroll type never says one thing while the
// window shows another.
TEST_F(ExtStringGridLookSettings, LooksAndStylesLeaveTheScrollBarsTheirScrollTypeSays)
{
    g->SetRowCount(1000);
    form->Show();
    h.ProcessMessages();
    struct Case {
        const char* Name;
        std::function<void(TLookGrid&)> Change;
        TScrollType Type;
    };
    TColorTones tones;
    tones.Background = {clWhite, clGray, clBlack};
    tones.Foreground = {clSilver, clGray, clBlack};
    tones.Selected = {clNavy, clNavy, clWhite};
    const std::vector<Case> cases = {
        {"a look", [](TLookGrid& G) { G.SetLook(glXP); }, ssNormal},
        {"the custom look", [](TLookGrid& G) { G.SetLook(glCustom); }, ssNormal},
        {"a component style", [](TLookGrid& G) { G.SetComponentStyle(tsOffice2003Blue); }, ssNormal},
        {"the custom component style", [](TLookGrid& G) { G.SetComponentStyle(tsCustom); }, ssMetro},
    };
    for (const Case& c : cases) {
        g->SetLook(glStandard);
        g->SetScrollType(ssMetro);
        ASSERT_FALSE(SystemBars()) << c.Name;
        c.Change(*g);
        EXPECT_EQ(g->ScrollType(), c.Type) << c.Name;
        EXPECT_EQ(SystemBars(), c.Type == ssNormal) << c.Name;
    }
    g->SetScrollType(ssNormal);
    ASSERT_TRUE(SystemBars());
    g->SetColorTones(tones);
    EXPECT_EQ(g->ScrollType(), ssMetro);
    EXPECT_FALSE(SystemBars()) << "the tones' thin bars replace the window's";
}

TEST_F(ExtStringGridLookSettings, TheSpreadSheetSwitchAppliesItsSettingsForEitherValue)
{
    for (const bool value : {true, false}) {
        auto grid = std::make_unique<TLookGrid>(nullptr);
        grid->SetOptions(goFixedVertLine | goFixedHorzLine);
        grid->SetSpreadSheet(value);
        EXPECT_EQ(grid->SpreadSheet(), value);
        EXPECT_TRUE(grid->SelectionRectangle) << value;
        EXPECT_TRUE(grid->SelectionResizer) << value;
        EXPECT_TRUE(grid->Navigation()->AllowSmartClipboard) << value;
        EXPECT_TRUE(grid->MouseActions()->RangeSelectAndEdit) << value;
        EXPECT_EQ(grid->Options(), goFixedVertLine | goFixedHorzLine | goRangeSelect | goEditing) << value;
    }
    EXPECT_FALSE(TLookGrid(nullptr).SpreadSheet());
}

TEST_F(ExtStringGridLookSettings, TheMixerFactorIsKeptWithinAPercentAndRepaints)
{
    struct Case {
        Integer Set, Stored;
    };
    for (const Case& c : std::vector<Case>{{150, 100}, {-5, 0}, {0, 0}, {100, 100}, {37, 37}}) {
        g->SetSelectionColorMixerFactor(c.Set);
        EXPECT_EQ(g->SelectionColorMixerFactor(), c.Stored) << c.Set;
    }
    form->Show();
    h.ProcessMessages();
    const Cardinal before = h.Invalidations();
    g->SetSelectionColorMixerFactor(60);
    EXPECT_GT(h.Invalidations(), before);
}

// The office theme this platform reports is none: the grid keeps its own style, and remembers
// the theme it read.
TEST_F(ExtStringGridLookSettings, FollowingTheOfficeThemeOfThisDesktopKeepsTheGridsStyle)
{
    g->SetSelectionColor(clRed);
    g->SetZEQGradientFrom(clLime);
    g->FOfficeTheme = ot2010Black;
    g->AdaptToOfficeTheme();
    EXPECT_EQ(g->FOfficeTheme, otUnknown);
    EXPECT_EQ(g->SelectionColor(), clRed);
    EXPECT_EQ(g->ZEQGradientFrom(), ColorToRGB(clLime));
}

TEST_F(ExtStringGridLookSettings, TheFontOfACellIsTheFixedOrNormalFontThenItsOwnThenTheColourEvent)
{
    g->Font()->SetColor(TColor(0x111111));
    g->FixedFont()->SetColor(TColor(0x222222));
    g->FixedFont()->SetStyle(fsBold);
    TCellProperties& own = *g->GetCellProperties(3, 2);
    own.FontColor = TColor(0x333333);
    own.FontSize = 17;
    own.FontName = u"Courier";
    own.FontStyle = fsItalic;
    g->OnGetCellColor = [](TObject*, Integer ARow, Integer ACol, TGridDrawState, TBrush*, TFont* F) {
        if (ARow == 4 && ACol == 4) F->SetColor(TColor(0x444444));
    };
    g->HideColumn(1);  // displayed column 2 is real column 3
    struct Case {
        const char* Name;
        Integer Col, RCol, Row;
        bool Remap;
        TColor Colour;
        TFontStyles Style;
        Integer Size;
    };
    const Integer size = g->Font()->Size();
    const std::vector<Case> cases = {
        {"normal cell", 2, 2, 3, true, TColor(0x111111), 0, size},
        {"fixed row", 2, 2, 0, true, TColor(0x222222), fsBold, g->FixedFont()->Size()},
        {"fixed column", 0, 0, 3, true, TColor(0x222222), fsBold, g->FixedFont()->Size()},
        {"own font of the real column", 2, 3, 2, true, TColor(0x333333), fsItalic, 17},
        {"not remapped: the displayed column's", 2, 3, 2, false, TColor(0x111111), 0, size},
        {"the colour event last, told the real column", 3, 4, 4, true, TColor(0x444444), 0, size},
    };
    for (const Case& c : cases) {
        TFont font;
        TBrush brush;
        TGridDrawState state = 0;
        g->GetFontProperties(c.Col, c.RCol, c.Row, state, font, brush, c.Remap);
        EXPECT_EQ(font.Color(), c.Colour) << c.Name;
        EXPECT_EQ(font.Style(), c.Style) << c.Name;
        EXPECT_EQ(font.Size(), c.Size) << c.Name;
        if (c.Colour == TColor(0x333333)) {
            EXPECT_EQ(font.Name(), u"Courier") << c.Name;
        }
    }
}

// A cell painted in a displayed column whose real column lies further right (a column before it
// hidden) reports its real column to every event, in their order.
TEST_F(ExtStringGridLookSettings, EventsOfACellBehindAHiddenColumnNameItsRealColumn)
{
    std::vector<std::string> log;
    const auto note = [&log](const char* What, Integer ACol, Integer ARow) {
        log.push_back(std::string(What) + " " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    g->OnCustomCellBkgDraw = [&](TObject*, TCanvas*, Integer ACol, Integer ARow, TGridDrawState, TRect, bool) {
        note("bkg", ACol, ARow);
    };
    g->OnGetCellBorderProp = [&](TObject*, Integer ARow, Integer ACol, TPen*, TPen*, TPen*, TPen*) {
        note("border", ACol, ARow);
    };
    g->OnDrawCell = [&](TObject*, Integer ACol, Integer ARow, TRect, TGridDrawState) { note("draw", ACol, ARow); };
    g->OnCustomCellDraw = [&](TObject*, TCanvas*, Integer ACol, Integer ARow, TGridDrawState, TRect, bool) {
        note("custom", ACol, ARow);
    };
    g->SetCells(3, 2, u"real three");
    g->SetCells(2, 2, u"hidden two");
    g->HideColumn(2);
    TRecordingCanvas canvas;
    g->PaintCell(canvas, 2, 2, g->CellRect(2, 2), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"bkg 3,2", "border 3,2", "draw 3,2", "custom 3,2"}));
    bool shown = false;
    for (const TCanvasCall& k : canvas.Calls())
        if (k.Name == "DrawText" && !(k.Args[4] & DT_CALCRECT)) shown = shown || k.Text == u"real three";
    EXPECT_TRUE(shown) << "the displayed column shows the real column's text";
}

// The other kinds of disjunct selection and a disabled row, each instead of the row selection.
void ColumnSelection(TLookGrid& G)
{
    G.MouseActions()->SetDisjunctRowSelect(false);
    G.MouseActions()->SetDisjunctColSelect(true);
    G.SetColSelect(3, true);
}

void CellList(TLookGrid& G)
{
    G.MouseActions()->SetDisjunctRowSelect(false);
    G.MouseActions()->SetDisjunctCellSelect(true);
    G.SetSelectedCells(3, 4, true);
}

void DisabledRow(TLookGrid& G)
{
    G.MouseActions()->SetDisjunctRowSelect(false);
    G.SetRowEnabled(4, false);
}

// The looks of the disjunct selections and of disabled rows: each kind marks exactly its own
// cells, in the selection colours, and drops the selection the rectangle alone would give.
TEST_F(ExtStringGridLookSettings, DisjunctSelectionsAndDisabledRowsDecideTheCellsLooks)
{
    constexpr TColor Sel = TColor(0x0000FF), SelTo = TColor(0x00FF00), SelText = TColor(0x00FFFF);
    // The grid's disabled font colour, whatever it is.
    constexpr TColor Disabled = TColor(0x1FFFFFFE);
    struct Case {
        const char* Name;
        std::function<void(TLookGrid&)> Setup;
        Integer Col, Row;
        TGridDrawState In;
        bool Selected;
        TColor Brush, Text;
    };
    const TColor text = TColor(0x101010);
    const std::vector<Case> cases = {
        {"a row of the row selection", [](TLookGrid& G) { G.SetRowSelect(3, true); }, 2, 3, 0, true, Sel, SelText},
        {"a row outside it loses the rectangle's selection",
         [](TLookGrid& G) { G.SetRowSelect(3, true); }, 2, 2, gdSelected, false, clWhite, text},
        {"a column of the column selection",
         ColumnSelection,
         3, 2, 0, true, Sel, SelText},
        {"a column outside it",
         ColumnSelection,
         2, 2, 0, false, clWhite, text},
        {"a listed cell",
         CellList,
         3, 4, 0, true, Sel, SelText},
        {"the current cell not listed keeps its own colours",
         [](TLookGrid& G) {
             CellList(G);
             G.GetCellProperties(1, 1)->SetBrushColor(clYellow);
         },
         1, 1, gdSelected, false, clYellow, text},
        {"a disabled row greys its font",
         DisabledRow,
         2, 4, 0, false, clWhite, Disabled},
        {"an enabled row beside it",
         DisabledRow,
         2, 3, 0, false, clWhite, text},
    };
    for (const Case& c : cases) {
        auto grid = std::make_unique<TLookGrid>(nullptr);
        grid->SetColor(clWhite);
        grid->Font()->SetColor(text);
        grid->SetSelectionColor(Sel);
        grid->SetSelectionColorTo(SelTo);
        grid->SetSelectionTextColor(SelText);
        grid->MouseActions()->SetDisjunctRowSelect(true);
        grid->Select(1, 1, 1, 1);
        c.Setup(*grid);
        TGridDrawState state = c.In;
        TBrush brush;
        TFont font;
        TCellLook look;
        grid->GetVisualProperties(c.Col, c.Row, state, false, true, true, brush, font, look);
        EXPECT_EQ((state & gdSelected) != 0, c.Selected) << c.Name;
        EXPECT_EQ(brush.Color(), c.Brush) << c.Name;
        EXPECT_EQ(font.Color(), c.Text == Disabled ? grid->DisabledFontColor : c.Text) << c.Name;
        if (c.Selected) {
            EXPECT_EQ(look.ColorTo, SelTo) << c.Name;
        }
    }
}

// Where the captions of a radio group go, by style and direction: two captioned items in
// (10, 20, 210, 80) at a scale of 1.25 with radio size 10, so that the scaled sizes fall on halves
// (12.5 to 12, 17.5 to 18).
TEST_F(ExtStringGridLookSettings, RadioCaptionsByStyleAndDirection)
{
    g->ControlLook()->SetRadioSize(10);
    TStringList items;
    items.Add(u"one");
    items.Add(u"two");
    TRecordingCanvas canvas;
    canvas.SetFont(g->Font());
    const Integer w1 = canvas.TextWidth(u"one");
    const Integer hg = canvas.TextHeight(u"gh");
    const Integer h16 = std::max(16, hg);
    struct Case {
        const char* Name;
        TControlStyle Style;
        bool Horizontal, Upward;
        TPoint First, Second;
    };
    const std::vector<Case> cases = {
        {"classic across", csClassic, true, false, {12 + 12, 45 - 2}, {12 + 10 + w1 + 12, 45 - 2}},
        {"classic down", csClassic, false, false, {12 + 18, 22 - 2}, {12 + 18, 22 + hg - 2}},
        {"classic up", csClassic, false, true, {12 + 18, 22 - 2}, {12 + 18, 22 - hg - 2}},
        {"flat across", csFlat, true, false, {12 + 12, 45 - 2}, {12 + 10 + w1 + 12, 45 - 2}},
        {"XP across", csWinXP, true, false, {12 + 16, 42 + 1}, {28 + w1 + 16, 42 + 1}},
        {"XP down", csWinXP, false, false, {10 + 18, 22 + 1}, {10 + 18, 22 + h16 + 1}},
        {"bevel down", csBevel, false, false, {10 + 20, 22 - 2}, {10 + 20, 22 + h16 - 2}},
    };
    for (const Case& c : cases) {
        canvas.ClearCalls();
        g->DrawRadioGlyph(canvas, Rect(10, 20, 210, 80), 2, 0, c.Horizontal, false, &items, false, 1, 1, c.Style,
                          1.25, c.Upward);
        std::vector<TPoint> at;
        for (const TCanvasCall& k : canvas.Calls())
            if (k.Name == "TextOut") at.push_back(Point(k.Args[0], k.Args[1]));
        ASSERT_EQ(at.size(), 2u) << c.Name;
        EXPECT_EQ(at[0], c.First) << c.Name;
        EXPECT_EQ(at[1], c.Second) << c.Name;
    }
}

// The origin of rotated text by quadrant, horizontal and vertical alignment: a text 40 x 10 in a
// 100 x 80 rectangle, at angles whose turned sizes all differ, so that a term taken from the
// wrong size or the wrong edge shows.
TEST_F(ExtStringGridLookSettings, RotatedTextOriginInEveryQuadrantForEveryAlignment)
{
    const TRect r = Rect(0, 0, 100, 80);
    struct Case {
        Integer Angle;
        Integer X[3];  // left, right, centred
        Integer Y[3];  // top, centred, bottom
    };
    const std::vector<Case> cases = {
        // 70: W1 13, W2 9, H1 37, H2 3
        {70, {0, 78, 39}, {37, 57, 77}},
        // 110: the same sizes in the second quadrant
        {110, {13, 91, 52}, {40, 60, 80}},
        // 200: W1 37, W2 3, H1 13, H2 9
        {200, {40, 100, 70}, {9, 38, 67}},
        // 290: W1 13, W2 9, H1 37, H2 3
        {290, {9, 87, 48}, {0, 20, 40}},
        // below 0: the first quadrant with absolute sizes W1 37, W2 3, H1 13, H2 9
        {-20, {0, 60, 30}, {13, 42, 71}},
    };
    const TAlignment has[3] = {taLeftJustify, taRightJustify, taCenter};
    const TVAlignment vas[3] = {vtaTop, vtaCenter, vtaBottom};
    for (const Case& c : cases)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const TPoint p = PlaceRotatedText(r, c.Angle, TSize{40, 10}, has[i], vas[j]);
                EXPECT_EQ(p.X, c.X[i]) << c.Angle << " HA " << i << " VA " << j;
                EXPECT_EQ(p.Y, c.Y[j]) << c.Angle << " HA " << i << " VA " << j;
            }
}

// The background outside the cells: right of the last column and below the last row, only where
// the cells end inside the window, and never for a tiled picture kept to the fixed cells.
TEST_F(ExtStringGridLookSettings, TheBackgroundOutsideTheCellsFillsOnlyWhatTheCellsLeave)
{
    form->Show();
    struct Case {
        const char* Name;
        Integer Cols, Rows;
        bool Right, Below;
    };
    const std::vector<Case> cases = {
        {"cells short of both edges", 5, 5, true, true},
        {"more rows than fit", 5, 200, true, false},
        {"more columns than fit", 30, 5, false, true},
        {"more of both", 30, 200, false, false},
    };
    g->BackGround()->SetDisplay(bdGradientVert);
    g->BackGround()->SetColor(clRed);
    g->BackGround()->SetColorTo(clRed);
    for (const Case& c : cases) {
        g->SetColCount(c.Cols);
        g->SetRowCount(c.Rows);
        g->Invalidate();
        const TRect client = g->ClientRect();
        const TPoint right{client.Right - 3, 5};
        const TPoint below{5, client.Bottom - 3};
        EXPECT_EQ(ScreenAt(right) == clRed, c.Right) << c.Name;
        EXPECT_EQ(ScreenAt(below) == clRed, c.Below) << c.Name;
    }
    g->SetColCount(5);
    g->SetRowCount(5);
    // A vertical gradient from red to blue ends at the bottom of what shows: just above the
    // search footer once it is, where it is blue but for a band's step (0x22 of red, had it run
    // on under the footer).
    g->BackGround()->SetColorTo(clBlue);
    g->SearchFooter()->SetVisible(true);
    g->Invalidate();
    const TColor aboveFooter = ScreenAt({g->ClientRect().Right - 3, g->ClientRect().Bottom - 33});
    EXPECT_LE(GetRValue(aboveFooter), 0x08) << std::hex << aboveFooter;
    EXPECT_GE(GetBValue(aboveFooter), 0xF0) << std::hex << aboveFooter;
    g->SearchFooter()->SetVisible(false);
    g->BackGround()->SetColorTo(clNone);
    g->Invalidate();
    EXPECT_NE(ScreenAt({g->ClientRect().Right - 3, 5}), clRed) << "a gradient without its end colour paints nothing";
    // A tiled picture kept to the fixed cells leaves the outside alone.
    auto tile = std::make_unique<TBitmap>();
    tile->SetSize(8, 8);
    tile->Canvas()->Brush()->SetColor(clLime);
    tile->Canvas()->FillRect(Rect(0, 0, 8, 8));
    g->BackGround()->SetBitmap(tile.get());
    g->BackGround()->SetDisplay(bdTile);
    for (const TBackGroundCells cells : {bcFixed, bcAll}) {
        g->BackGround()->SetCells(cells);
        g->Invalidate();
        EXPECT_EQ(ScreenAt({g->ClientRect().Right - 3, 5}) == clLime, cells != bcFixed) << int(cells);
    }
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// The coloured border of the looks that have one lies on the grid window's own pixels over the
// cells' edge, with the parent's colour just outside it, and stays when the cells are painted
// again; other looks, no colour or the flat switch draw none.
TEST_F(ExtStringGridLookSettings, TheColouredBorderLiesOnTheWindowAndOutlivesRepaints)
{
    form->SetColor(clLime);
    form->Show();
    struct TCase {
        const char* Name;
        TGridLook Look;
        TColor Border;
        bool Flat;
        bool Drawn;
    };
    for (const TCase& c : {TCase{"soft", glSoft, clRed, false, true}, TCase{"office 2007", glOffice2007, clBlue, false, true},
                           TCase{"classic", glClassic, clRed, false, false}, TCase{"no colour", glSoft, clNone, false, false},
                           TCase{"flat", glSoft, clRed, true, false}}) {
        SCOPED_TRACE(c.Name);
        g->SetLook(c.Look);
        g->SetFlat(c.Flat);
        g->SetBorderColor(c.Border);
        const Integer w = g->Width(), mid = g->Height() / 2;
        for (int repaint = 0; repaint < 2; ++repaint) {
            g->Invalidate();
            EXPECT_EQ(ScreenAt({1, mid}) == c.Border, c.Drawn) << "left edge, repaint " << repaint;
            EXPECT_EQ(ScreenAt({w - 2, mid}) == c.Border, c.Drawn) << "right edge";
            EXPECT_EQ(ScreenAt({mid, 1}) == c.Border, c.Drawn) << "top edge";
            EXPECT_EQ(ScreenAt({0, mid}) == clLime, c.Drawn) << "the parent's colour outside";
            EXPECT_NE(ScreenAt({5, mid}), c.Border) << "the cells inside are not touched";
        }
    }
}

}  // namespace
}  // namespace gw::test
