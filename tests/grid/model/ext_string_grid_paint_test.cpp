// The string grid's cell painter on the recording canvas: the calls it makes for text, fixed
// cells, selection, borders, check boxes, the sort indicator and the focus rectangle, and the
// order of its events.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/int_list.h"
#include "grid/model/background.h"
#include "grid/model/control_look.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/paint_grid.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        g = new TPaintGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 400, 250);
        g->SetDefaultColWidth(60);
        g->SetColor(clWhite);
        g->Select(1, 1, 1, 1);
    }
    void TearDown() override { delete form; }
    // The calls that painting one cell made.
    std::vector<TCanvasCall> Paint(Integer ACol, Integer ARow, TGridDrawState State = 0)
    {
        canvas.ClearCalls();
        g->PaintCell(canvas, ACol, ARow, g->CellRect(ACol, ARow), State);
        return canvas.Calls();
    }
    static std::vector<TCanvasCall> Named(const std::vector<TCanvasCall>& Calls, const std::string& Name)
    {
        std::vector<TCanvasCall> out;
        std::copy_if(Calls.begin(), Calls.end(), std::back_inserter(out),
                     [&](const TCanvasCall& c) { return c.Name == Name; });
        return out;
    }
    // The one DrawText call that drew (not measured) the cell's text.
    static TCanvasCall TextCall(const std::vector<TCanvasCall>& Calls)
    {
        for (const TCanvasCall& c : Named(Calls, "DrawText"))
            if (!(c.Args[4] & DT_CALCRECT)) return c;
        ADD_FAILURE() << "no text drawn";
        return {};
    }
    THarness h;
    TForm* form = nullptr;
    TPaintGrid* g = nullptr;
    TRecordingCanvas canvas;
};

TEST_F(ExtStringGridPaint, PlainTextFlagsByWrapLinesEllipsisAndAlignment)
{
    struct Case {
        const char* Name;
        bool WW, Multi, Enh;
        TAlignment HA;
        TVAlignment VA;
        const char16_t* Text;
        Cardinal Flags;
        const char16_t* Shown;
    };
    constexpr Cardinal base = DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX;
    const std::vector<Case> cases = {
        {"wrapped", true, false, false, taLeftJustify, vtaTop, u"a b", base | DT_WORDBREAK, u"a b"},
        {"wrapped with ellipsis", true, false, true, taLeftJustify, vtaTop, u"a b",
         base | DT_WORDBREAK | DT_END_ELLIPSIS, u"a b"},
        {"one line: only the first", false, false, false, taLeftJustify, vtaTop, u"one\r\ntwo", base | DT_SINGLELINE,
         u"one"},
        {"one line with ellipsis", false, false, true, taRightJustify, vtaCenter, u"x",
         base | DT_SINGLELINE | DT_END_ELLIPSIS | DT_RIGHT | DT_VCENTER, u"x"},
        {"multi-line cells keep their lines", false, true, false, taCenter, vtaBottom, u"one\r\ntwo",
         base | DT_WORDBREAK | DT_CENTER | DT_BOTTOM, u"one\r\ntwo"},
    };
    for (const Case& c : cases) {
        g->SetWordWrap(c.WW);
        g->Multilinecells = c.Multi;
        g->EnhTextSize = c.Enh;
        g->SetDefaultAlignment(c.HA);
        g->VAlignment = c.VA;
        g->SetCells(2, 2, c.Text);
        const TCanvasCall t = TextCall(Paint(2, 2));
        EXPECT_EQ(Cardinal(t.Args[4]), c.Flags) << c.Name;
        EXPECT_EQ(StringToUtf8(t.Text), StringToUtf8(c.Shown)) << c.Name;
    }
}

TEST_F(ExtStringGridPaint, TextRectangleMovesInByTheOffsets)
{
    g->SetCells(2, 2, u"t");
    const TRect cell = g->CellRect(2, 2);
    const Integer lw = g->GridLineWidth();
    TCanvasCall t = TextCall(Paint(2, 2));
    EXPECT_EQ(t.Args[0], cell.Left + lw + 2);
    EXPECT_EQ(t.Args[1], cell.Top + lw + 2);
    EXPECT_EQ(t.Args[2], cell.Right - lw - 2);
    g->XYOffsetTopLeftOnly = true;
    g->SetXYOffset(Point(5, 4));
    t = TextCall(Paint(2, 2));
    EXPECT_EQ(t.Args[0], cell.Left + lw + 5);
    EXPECT_EQ(t.Args[1], cell.Top + lw + 4);
    EXPECT_EQ(t.Args[2], cell.Right - lw) << "the right edge keeps its place";
}

TEST_F(ExtStringGridPaint, PasswordCellsShowOneCharacterEach)
{
    g->SetCells(2, 2, u"secret");
    g->OnIsPasswordCell = [](TObject*, Integer ARow, Integer, bool& P) { P = ARow == 2; };
    g->PasswordChar = u'#';
    EXPECT_EQ(TextCall(Paint(2, 2)).Text, u"######");
    g->SetCells(2, 3, u"open");
    EXPECT_EQ(TextCall(Paint(2, 3)).Text, u"open");
}

TEST_F(ExtStringGridPaint, SelectedCellsPaintTheirTextInTheSelectionColours)
{
    g->SetSelectionColor(TColor(0x0000FF));
    g->SetSelectionTextColor(TColor(0x00FFFF));
    g->Font()->SetColor(TColor(0x101010));
    g->SetCells(2, 2, u"in");
    g->SetCells(3, 3, u"out");
    g->Select(2, 2, 2, 2);
    EXPECT_EQ(TextCall(Paint(2, 2, gdSelected)).FontColor, TColor(0x00FFFF));
    EXPECT_EQ(TextCall(Paint(3, 3)).FontColor, TColor(0x101010));
    g->SetEnabled(false);
    EXPECT_EQ(TextCall(Paint(2, 2, gdSelected)).FontColor, g->DisabledFontColor)
        << "a disabled grid keeps the disabled font colour";
}

TEST_F(ExtStringGridPaint, EventsComeInTheirOrderWithTheCellsColumn)
{
    std::vector<std::string> log;
    g->OnCustomCellBkgDraw = [&](TObject*, TCanvas*, Integer ACol, Integer ARow, TGridDrawState, TRect, bool P) {
        log.push_back("bkg " + std::to_string(ACol) + "," + std::to_string(ARow) + (P ? " printing" : ""));
    };
    g->OnGetCellBorderProp = [&](TObject*, Integer ARow, Integer ACol, TPen*, TPen*, TPen*, TPen*) {
        log.push_back("border " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    g->OnDrawCell = [&](TObject*, Integer ACol, Integer ARow, TRect, TGridDrawState) {
        log.push_back("draw " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    g->OnCustomCellDraw = [&](TObject*, TCanvas*, Integer ACol, Integer ARow, TGridDrawState, TRect, bool) {
        log.push_back("custom " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    g->SetCells(3, 2, u"x");
    const auto calls = Paint(3, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"bkg 3,2", "border 3,2", "draw 3,2", "custom 3,2"}));
    EXPECT_EQ(Named(calls, "DrawText").size(), 1u) << "the default drawing runs with the events";
    g->NoDefaultDraw = true;
    EXPECT_TRUE(Named(Paint(3, 2), "DrawText").empty()) << "NoDefaultDraw leaves the text to the events";
}

TEST_F(ExtStringGridPaint, BordersOfTheCellBorderHookAndTheirPens)
{
    g->OnGetCellBorder = [](TObject*, Integer ARow, Integer ACol, TPen* Pen, TCellBorders& B) {
        if (ARow == 2 && ACol == 2) {
            B = cbLeft | cbBottom;
            Pen->SetColor(clRed);
        }
    };
    g->OnGetCellBorderProp = [](TObject*, Integer, Integer, TPen*, TPen*, TPen*, TPen* Bottom) {
        Bottom->SetColor(clBlue);
    };
    const TRect cell = g->CellRect(2, 2);
    const auto calls = Paint(2, 2);
    std::vector<std::string> lines;
    for (size_t i = 0; i + 1 < calls.size(); ++i)
        if (calls[i].Name == "MoveTo" && calls[i + 1].Name == "LineTo" &&
            (calls[i + 1].PenColor == clRed || calls[i + 1].PenColor == clBlue))
            lines.push_back((calls[i + 1].PenColor == clRed ? "red " : "blue ") + std::to_string(calls[i].Args[0]) +
                            "," + std::to_string(calls[i].Args[1]) + "-" + std::to_string(calls[i + 1].Args[0]) + "," +
                            std::to_string(calls[i + 1].Args[1]));
    const Integer l = cell.Left + 1, b = cell.Bottom - 1;  // the body rectangle inflated by 1, moved by the lines
    const std::vector<std::string> expected = {
        "red " + std::to_string(l) + "," + std::to_string(cell.Top) + "-" + std::to_string(l) + "," + std::to_string(b),
        "blue " + std::to_string(l - 2) + "," + std::to_string(b - 1) + "-" + std::to_string(cell.Right - 1) + "," +
            std::to_string(b - 1),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(Named(Paint(3, 3), "LineTo").size(), Named(Paint(3, 4), "LineTo").size());
}

TEST_F(ExtStringGridPaint, FocusRectangleOnlyOnTheFocusedCurrentCell)
{
    form->Show();
    g->SetFocus();
    h.ProcessMessages();
    ASSERT_TRUE(g->Focused());
    g->SetCol(2);
    g->SetRowEx(3);
    const TRect cell = g->CellRect(2, 3);
    auto focus = Named(Paint(2, 3, gdFocused), "DrawFocusRect");
    ASSERT_EQ(focus.size(), 1u);
    // The body rectangle (inside the lines) inflated by 1 and grown by GridLineWidth - 1, less 1 at right and bottom.
    EXPECT_EQ(focus[0].Args, (std::vector<Integer>{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}));
    EXPECT_TRUE(Named(Paint(2, 2), "DrawFocusRect").empty());
    g->HideFocusRect = true;
    EXPECT_TRUE(Named(Paint(2, 3, gdFocused), "DrawFocusRect").empty());
    g->HideFocusRect = false;
    g->SetCol(0);
    EXPECT_TRUE(Named(Paint(0, 3), "DrawFocusRect").empty()) << "a fixed current cell has none";
}

TEST_F(ExtStringGridPaint, FixedHeadersByLook)
{
    struct Case {
        TGridLook Look;
        bool Gradient;
    };
    const std::vector<Case> cases = {{glClassic, false}, {glStandard, false}, {glXP, true},
                                     {glZEQ, true},      {glWin7, true},      {glListView, false}};
    g->SetCells(2, 0, u"Head");
    for (const Case& c : cases) {
        g->FLook = c.Look;
        const auto calls = Paint(2, 0);
        // The header's own gradient, in bands across the body of the cell (one pixel less wide than
        // the cell's background, which the base painter fills).
        const TRect cell = g->CellRect(2, 0);
        size_t bands = 0;
        for (const TCanvasCall& k : Named(calls, "Rectangle"))
            if (k.Args[2] == cell.Right - 1 && k.Args[3] - k.Args[1] <= 2) ++bands;
        EXPECT_EQ(bands > 4, c.Gradient) << int(c.Look);
        EXPECT_EQ(TextCall(calls).Text, u"Head");
        EXPECT_EQ(TextCall(calls).FontStyle & fsBold, fsBold) << "fixed cells use the fixed font";
    }
}

TEST_F(ExtStringGridPaint, FixedCellEdgesByLook)
{
    // Cell (2, 0) spans x 120..180 and y 0..22; its body grown by one is (119, -1, 180, 21).
    ASSERT_EQ(g->CellRect(2, 0), Rect(120, 0, 180, 22));
    g->SetFixedColor(TColor(0x808080));
    const std::string dark = "404040", white = "ffffff";
    struct Case {
        TGridLook Look;
        std::vector<std::string> Lines;
    };
    const std::vector<Case> cases = {
        {glXP, {dark + " 119,21-179,21", white + " 178,0-120,0", white + " 120,0-120,21"}},
        {glZEQ, {dark + " 119,21-179,21", white + " 178,0-120,0", white + " 120,0-120,21"}},
        {glSoft,
         {dark + " 119,21-180,21", white + " 181,0-120,0", white + " 120,0-120,21", dark + " 179,-1-179,21",
          white + " 180,-1-180,21"}},
        {glStandard, {}},
        {glWin7, {}},
    };
    for (const Case& c : cases) {
        g->FLook = c.Look;
        const auto calls = Paint(2, 0);
        std::vector<std::string> lines;
        TPoint at{};
        for (const TCanvasCall& k : calls) {
            if (k.Name == "MoveTo") at = Point(k.Args[0], k.Args[1]);
            if (k.Name != "LineTo") continue;
            const TPoint to = Point(k.Args[0], k.Args[1]);
            char colour[16];
            std::snprintf(colour, sizeof colour, "%06x", unsigned(k.PenColor));
            if (k.PenColor == TColor(0x404040) || k.PenColor == clWhite)
                lines.push_back(std::string(colour) + " " + std::to_string(at.X) + "," + std::to_string(at.Y) + "-" +
                                std::to_string(to.X) + "," + std::to_string(to.Y));
            at = to;
        }
        EXPECT_EQ(lines, c.Lines) << int(c.Look);
    }
}

TEST_F(ExtStringGridPaint, CheckBoxesByKindState)
{
    g->ControlLook()->SetControlStyle(csBevel);
    g->ControlLook()->SetCheckSize(15);
    g->SetOptions(g->Options() | goEditing);
    struct Case {
        TCellType Type;
        const char16_t* Text;
        bool Boolean;
        bool Ticked;
        bool TextDrawn;
    };
    const std::vector<Case> cases = {
        {ctCheckBox, u"label", true, true, true},   {ctCheckBox, u"label", false, false, true},
        {ctDataCheckBox, u"Y", false, true, false}, {ctDataCheckBox, u"N", true, false, false},
        {ctVirtCheckBox, u"Y", false, true, false}, {ctTriStateCheckBox, u"", false, false, true},
    };
    for (const Case& c : cases) {
        g->SetCells(2, 2, c.Text);
        TCellGraphic& gr = g->AddGraphic(2, 2, c.Type);
        gr.CellBoolean = c.Boolean;
        const auto calls = Paint(2, 2);
        // The bevel look draws a box in the button face and, when checked, a tick of four lines.
        const auto boxes = Named(calls, "Rectangle");
        const bool box = std::any_of(boxes.begin(), boxes.end(), [](const TCanvasCall& k) {
            return k.BrushColor == clBtnFace && k.Args[2] - k.Args[0] == 15 && k.Args[3] - k.Args[1] == 15;
        });
        EXPECT_TRUE(box) << int(c.Type);
        size_t ticks = 0;
        for (const TCanvasCall& k : calls)
            if (k.Name == "LineTo" && k.PenColor == g->ControlLook()->Color()) ++ticks;
        EXPECT_EQ(ticks == 4, c.Ticked) << int(c.Type) << " " << ticks;
        bool drawn = false;
        for (const TCanvasCall& k : Named(calls, "DrawText")) drawn = drawn || !(k.Args[4] & DT_CALCRECT);
        EXPECT_EQ(drawn, c.TextDrawn) << int(c.Type);
    }
    // A grid that does not edit shows its check boxes disabled: shadowed box, grey tick.
    g->SetOptions(g->Options() & ~goEditing);
    g->AddGraphic(2, 2, ctCheckBox).CellBoolean = true;
    const auto calls = Paint(2, 2);
    const auto boxes = Named(calls, "Rectangle");
    EXPECT_TRUE(
        std::any_of(boxes.begin(), boxes.end(), [](const TCanvasCall& k) { return k.BrushColor == clBtnShadow; }));
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const TCanvasCall& k) { return k.Name == "LineTo" && k.PenColor == TColor(0x808080); }),
              4);
}

TEST_F(ExtStringGridPaint, SortIndicatorPlacementAndModes)
{
    g->FLook = glStandard;  // a look without white edges of its own
    g->SortSettings()->SetShow(true);
    g->SortSettings()->Column = 2;
    g->SortSettings()->SetRow(0);
    g->SetCells(2, 0, u"Name");
    const TRect cell = g->CellRect(2, 0);
    // An outline triangle of the ascending direction: its white base at the bottom.
    const auto whiteLines = [&](const std::vector<TCanvasCall>& Calls) {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& k : Calls)
            if (k.Name == "LineTo" && k.PenColor == clWhite) out.push_back(k);
        return out;
    };
    struct Case {
        TAlignment HA;
        Integer X;  // the indicator's centre
    };
    for (const Case& c : std::vector<Case>{{taCenter, cell.Left + 8}, {taRightJustify, -1}}) {
        g->SetDefaultAlignment(c.HA);
        const auto calls = Paint(2, 0);
        const auto white = whiteLines(calls);
        ASSERT_EQ(white.size(), 2u) << int(c.HA);
        const Integer centre = white[1].Args[0];  // the apex (X, Y - 4)
        if (c.X >= 0) {
            EXPECT_EQ(centre, c.X);
        } else {
            EXPECT_LT(centre, cell.Right - 10 - 4);
        }
        if (c.HA == taCenter) {
            g->SortSettings()->SetShow(false);
            EXPECT_EQ(TextCall(calls).Args[0], TextCall(Paint(2, 0)).Args[0] + 10) << "centred text moves right";
            g->SortSettings()->SetShow(true);
        }
    }
    EXPECT_TRUE(whiteLines(Paint(3, 0)).empty()) << "another column has no indicator";
    g->SortSettings()->Direction = sdDescending;
    const auto down = whiteLines(Paint(2, 0));
    ASSERT_EQ(down.size(), 1u);
    // Index mode: the second sort column shows its number 2.
    g->SortSettings()->IndexShow = true;
    g->SortIndexes().AddIndex(1, true);
    g->SortIndexes().AddIndex(2, false);
    g->SetCells(1, 0, u"First");
    const auto numbered = Named(Paint(2, 0), "TextOut");
    ASSERT_EQ(numbered.size(), 1u);
    EXPECT_EQ(numbered[0].Text, u"2");
    EXPECT_EQ(Named(Paint(1, 0), "TextOut").at(0).Text, u"1");
}

TEST_F(ExtStringGridPaint, ASizingLineDrawnTwiceLeavesThePixels)
{
    // A picture of painted cells, so that the line crosses text, lines and colours.
    TBitmap bmp;
    bmp.SetSize(g->Width(), g->Height());
    g->SetCells(1, 1, u"Text under the line");
    g->SetCells(1, 0, u"Head");
    for (Integer r = 0; r < 5; ++r)
        for (Integer c = 0; c < 4; ++c) g->PaintCell(*bmp.Canvas(), c, r, g->CellRect(c, r), 0);
    const auto pixels = [&] {
        std::vector<TColor> out;
        for (Integer y = 0; y < bmp.Height(); ++y)
            for (Integer x = 0; x < bmp.Width(); ++x) out.push_back(bmp.Canvas()->Pixels(x, y));
        return out;
    };
    const std::vector<TColor> before = pixels();
    g->DrawColSizingLine(70, bmp.Canvas());
    g->DrawRowSizingLine(33, bmp.Canvas());
    const std::vector<TColor> shown = pixels();
    Integer changed = 0;
    for (size_t i = 0; i < before.size(); ++i) changed += before[i] != shown[i];
    EXPECT_GT(changed, g->Height() / 3) << "the lines show, dotted";
    g->DrawColSizingLine(70, bmp.Canvas());
    g->DrawRowSizingLine(33, bmp.Canvas());
    EXPECT_TRUE(pixels() == before);
    EXPECT_EQ(bmp.Canvas()->Pen()->Mode(), pmCopy) << "the pen is restored";
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// A self-painting cell object: it records where it was asked to draw.
class TSelfPainter : public TPersistent, public ICellPainter {
public:
    String ClassName() const override { return u"TSelfPainter"; }
    void Draw(TCanvas&, const TRect& R, Integer ACol, Integer ARow, bool, TExtStringGrid*) override
    {
        Calls.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + std::to_string(R.Left) + "," +
                        std::to_string(R.Top));
    }
    Integer GetWidth() const override { return 10; }
    Integer GetHeight() const override { return 10; }
    bool IsBackground() const override { return false; }
    std::vector<std::string> Calls;
};

class ExtStringGridGraphicPaint : public ExtStringGridPaint {};

TEST_F(ExtStringGridGraphicPaint, ValueGraphicsOfTextThatIsNoNumberPaintAsZero)
{
    // Painting raises nothing, whatever the cell holds.
    for (TCellType type : {ctProgress, ctRating, ctRangeIndicator, ctXPProgress, ctProgressPie}) {
        for (const char16_t* text : {u"abc", u"1.2.3", u"", u"50"}) {
            g->SetCells(2, 2, text);
            TCellGraphic& gr = g->AddGraphic(2, 2, type);
            gr.CellAngle = 5;
            gr.CellErrLen = 100;
            EXPECT_NO_THROW(Paint(2, 2)) << int(type) << " " << StringToUtf8(text);
        }
    }
    // The XP bar of an empty range shows 0 %.
    g->SetCells(2, 2, u"40");
    TCellGraphic& xp = g->AddGraphic(2, 2, ctXPProgress);
    xp.CellErrFrom = 0;
    xp.CellErrLen = 0;
    const auto texts = Named(Paint(2, 2), "TextOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, u"0%");
    xp.CellErrLen = 80;
    EXPECT_EQ(Named(Paint(2, 2), "TextOut").at(0).Text, u"50%");
}

TEST_F(ExtStringGridGraphicPaint, RatingsShowFullHalfAndEmptyStars)
{
    g->SetCells(2, 2, u"2.7");
    TCellGraphic& gr = g->AddGraphic(2, 2, ctRating);
    gr.CellAngle = 5;
    gr.CellIndex = Integer(TColor(0x00D7FF));
    gr.CellBitmapColor = TColor(0xC0C0C0);
    const auto polygons = Named(Paint(2, 2), "Polygon");
    std::vector<std::string> stars;
    for (const TCanvasCall& k : polygons) stars.push_back(k.BrushColor == TColor(0x00D7FF) ? "full" : "empty");
    // Two full stars, the third empty with a half star over it, two empty ones.
    EXPECT_EQ(stars, (std::vector<std::string>{"full", "full", "empty", "full", "empty", "empty"}));
    EXPECT_TRUE(Named(Paint(2, 2), "DrawText").empty()) << "a rating shows no text";
}

TEST_F(ExtStringGridGraphicPaint, RadioGroupItemsSideBySideOrStacked)
{
    auto* items = new TStringList;
    items->Add(u"one");
    items->Add(u"two");
    items->Add(u"three");
    TCellGraphic& gr = g->AddGraphic(2, 2, ctRadio);
    gr.AdoptCellBitmap(std::unique_ptr<TObject>(items));
    gr.CellAngle = 3;
    gr.CellIndex = 1;
    g->ControlLook()->SetControlStyle(csBevel);
    g->SetRowHeights(2, 60);
    g->SetColWidths(2, 200);
    const auto captions = [&] {
        std::vector<std::string> out;
        for (const TCanvasCall& k : Named(Paint(2, 2), "TextOut"))
            out.push_back(StringToUtf8(k.Text) + "@" + std::to_string(k.Args[0]) + "," + std::to_string(k.Args[1]));
        return out;
    };
    const TRect cell = g->CellRect(2, 2);
    const Integer left = cell.Left + 1, top = cell.Top + 1;  // the body grown by one: the cell less its lines
    TRecordingCanvas measure;
    measure.SetFont(g->Font());
    const Integer hg = std::max(16, measure.TextHeight(u"gh"));
    // Stacked: one item per line of max(16, text height), captions 20 right of the cell's left.
    const std::vector<std::string> stacked = {
        "one@" + std::to_string(left + 20) + "," + std::to_string(top + 2 - 2),
        "two@" + std::to_string(left + 20) + "," + std::to_string(top + hg + 2 - 2),
        "three@" + std::to_string(left + 20) + "," + std::to_string(top + 2 * hg + 2 - 2),
    };
    EXPECT_EQ(captions(), stacked);
    // Side by side: each glyph 16 further right plus the captions before it.
    gr.CellBoolean = true;
    const auto row = captions();
    ASSERT_EQ(row.size(), 3u);
    const Integer y = top + (cell.Bottom - cell.Top - 2 - 16) / 2 - 2;
    const Integer w1 = measure.TextWidth(u"one"), w2 = measure.TextWidth(u"two");
    EXPECT_EQ(row[0], "one@" + std::to_string(left + 2 + 16) + "," + std::to_string(y));
    EXPECT_EQ(row[1], "two@" + std::to_string(left + 18 + w1 + 16) + "," + std::to_string(y));
    EXPECT_EQ(row[2], "three@" + std::to_string(left + 34 + w1 + w2 + 16) + "," + std::to_string(y));
}

TEST_F(ExtStringGridGraphicPaint, ButtonsRememberTheirPlaceAndSelfPaintingCellsDrawThemselves)
{
    g->SetOptions(g->Options() | goEditing);
    TCellGraphic& b = g->AddGraphic(2, 2, ctButton);
    b.CellIndex = (14 << 16) | 30;
    b.CellText = u"Go";
    b.CellHAlign = haRight;
    const auto calls = Paint(2, 2);
    const TRect cell = g->CellRect(2, 2);
    // The body grown by one is the cell less its lines; deflated by XYOffset - 1; right-aligned.
    EXPECT_EQ(b.CellValue.X, (cell.Right - 1 - 1) - 30 - cell.Left);
    EXPECT_EQ(b.CellValue.Y, 1 + 1) << "one in from the body's top, one more for the graphic";
    bool caption = false;
    for (const TCanvasCall& k : Named(calls, "DrawText")) caption = caption || k.Text == u"Go";
    EXPECT_TRUE(caption);

    auto* painter = new TSelfPainter;
    TCellGraphic& i = g->AddGraphic(3, 3, ctInterface);
    i.AdoptCellBitmap(std::unique_ptr<TObject>(painter));
    Paint(3, 3);
    ASSERT_EQ(painter->Calls.size(), 1u);
    const TRect c3 = g->CellRect(3, 3);
    EXPECT_EQ(painter->Calls[0], "3,3 " + std::to_string(c3.Left + 1 - 1) + "," + std::to_string(c3.Top + 1 - 1));
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(ExtStringGridPaint, ATiledBackgroundContinuesAcrossCells)
{
    auto* tile = new TBitmap;
    tile->SetSize(50, 16);
    g->BackGround()->SetBitmap(tile);
    delete tile;
    g->BackGround()->SetDisplay(bdTile);
    g->BackGround()->SetCells(bcNormal);
    // Each cell's first tile starts where its left neighbour's plane left off: columns are 60
    // wide from the first normal column at 60, rows 22 high from the first normal row at 22.
    struct Case {
        Integer Col, Row, SourceX, SourceY;
    };
    for (const Case& c : std::vector<Case>{{1, 2, 0, 6}, {2, 2, 10, 6}, {3, 2, 20, 6}, {2, 3, 10, 12}}) {
        const auto copies = Named(Paint(c.Col, c.Row), "CopyRect");
        ASSERT_FALSE(copies.empty());
        EXPECT_EQ(copies[0].Args[4], c.SourceX) << c.Col << "," << c.Row;
        EXPECT_EQ(copies[0].Args[5], c.SourceY) << c.Col << "," << c.Row;
        const TRect cell = g->CellRect(c.Col, c.Row);
        EXPECT_EQ(copies[0].Args[0], cell.Left) << "one left of the body";
    }
    EXPECT_TRUE(Named(Paint(2, 0), "CopyRect").empty()) << "fixed cells keep no background with bcNormal";
    g->Select(2, 2, 2, 2);
    EXPECT_TRUE(Named(Paint(2, 2, gdSelected), "CopyRect").empty()) << "a selected cell shows its selection";
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(ExtStringGridPaint, HeaderStatesPaintTheirOwnColours)
{
    // The header's own gradient is drawn in bands across the body (one pixel narrower than the cell).
    const auto bodyBrushes = [&](Integer ACol, Integer ARow) {
        std::vector<TColor> out;
        const TRect cell = g->CellRect(ACol, ARow);
        for (const TCanvasCall& k : Named(Paint(ACol, ARow), "Rectangle"))
            if (k.Args[2] == cell.Right - 1) out.push_back(k.BrushColor);
        return out;
    };
    const auto has = [](const std::vector<TColor>& Brushes, TColor C) {
        return std::find(Brushes.begin(), Brushes.end(), C) != Brushes.end();
    };
    g->SetActiveCellShow(true);
    g->SetActiveCellColor(TColor(0x3366CC));
    g->SetCol(2);
    g->SetRowEx(3);
    EXPECT_TRUE(has(bodyBrushes(2, 0), TColor(0x3366CC))) << "the header above the current column";
    EXPECT_TRUE(has(bodyBrushes(0, 3), TColor(0x3366CC))) << "the header left of the current row";
    EXPECT_FALSE(has(bodyBrushes(3, 0), TColor(0x3366CC)));
    g->SetActiveCellShow(false);
    g->SortSettings()->Column = 3;
    g->SortSettings()->SetHeaderColor(TColor(0x22AA22));
    g->SortSettings()->SetHeaderColorTo(TColor(0x22AA22));
    EXPECT_TRUE(has(bodyBrushes(3, 0), TColor(0x22AA22))) << "the sorted column's header";
    EXPECT_FALSE(has(bodyBrushes(2, 0), TColor(0x22AA22)));
    g->SetFlat(true);
    EXPECT_TRUE(bodyBrushes(2, 0).empty()) << "a flat grid paints no header gradient";
}

TEST_F(ExtStringGridPaint, TheWindowPaintsThroughTheGrid)
{
    Integer painted = 0;
    g->OnPainted = [&](TObject*) { ++painted; };
    g->SetRowCount(4);
    for (Integer r = 0; r < 4; ++r) g->SetCells(1, r, u"Row " + IntToStr(r));
    g->AddGraphic(2, 2, ctCheckBox).CellBoolean = true;
    form->Show();
    h.ProcessMessages();
    EXPECT_GE(painted, 1);
    h.SavePng(form, Utf8ToString(picturePath("ext_string_grid_window.png").string()));
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(ExtStringGridPaint, TheRowIndicatorMarksTheCurrentRow)
{
    g->RowIndicator()->SetSize(8, 8);
    g->SetRowEx(3);
    g->SetCells(0, 2, u"2");
    g->SetCells(0, 3, u"3");
    const Integer plain = TextCall(Paint(0, 2)).Args[0];
    EXPECT_EQ(TextCall(Paint(0, 3)).Args[0], plain + 8 + 2) << "the text moves right of the indicator";
    g->FixedRowAlways = true;
    g->SetFixedCols(0);
    EXPECT_EQ(TextCall(Paint(0, 3)).Args[0], TextCall(Paint(0, 2)).Args[0]) << "no fixed column, no indicator";
}

TEST_F(ExtStringGridPaint, MarkupCellsGoThroughTheRenderer)
{
    g->SetCells(2, 2, u"<b>bold</b> plain");
    const auto calls = Paint(2, 2);
    // The renderer draws each run in its own font; the tags themselves are never drawn.
    std::vector<std::string> runs;
    for (const TCanvasCall& k : Named(calls, "DrawText")) {
        EXPECT_EQ(k.Text.find(u'<'), String::npos) << StringToUtf8(k.Text);
        runs.push_back(StringToUtf8(k.Text) + ((k.FontStyle & fsBold) ? " bold" : ""));
    }
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs[0], "bold bold");
    g->EnableHTML = false;
    EXPECT_EQ(TextCall(Paint(2, 2)).Text, u"<b>bold</b> plain") << "without HTML the tags are text";
}

}  // namespace
}  // namespace gw::test
