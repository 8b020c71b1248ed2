// The footer panel's painting on the recording canvas: the fixed last row (background, column
// lines by look and options, the cells and who paints them), the two previews, the
// application's own painting and the top border; and a picture of the four styles.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

// A grid that notes which cells the footer asks it to paint instead of painting them.
class TFooterPaintGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FFooterPanel;
    using TExtStringGrid::FNoRTLOrientation;
    using TExtStringGrid::TExtStringGrid;
    struct TBodyCall {
        Integer Col, Row;
        TRect R;
        TGridDrawState State;
        TColor SelectionText;
        bool NoOrientation;
    };
    void PaintCellBody(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override
    {
        if (!Record) return TExtStringGrid::PaintCellBody(ACanvas, ACol, ARow, ARect, AState);
        Bodies.push_back({ACol, ARow, ARect, AState, SelectionTextColor(), FNoRTLOrientation});
    }
    bool Record = true;
    std::vector<TBodyCall> Bodies;
};

std::string Rect4(const TRect& R)
{
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
        std::to_string(R.Bottom);
}

class FooterPanelPaint : public ::testing::Test {
protected:
    THarness h;
    std::unique_ptr<TForm> form{new TForm(Application)};
    TFooterPaintGrid* g = nullptr;
    TRecordingCanvas canvas;

    // Four 40-pixel columns (one fixed) over five rows, the last one the footer's; a visible
    // footer 25 high under a grid 300 wide.
    void SetUp() override
    {
        form->SetBounds(0, 0, 400, 300);
        g = new TFooterPaintGrid(form.get());
        g->SetParent(form.get());
        g->SetBounds(0, 0, 300, 200);
        g->SetColCount(4);
        g->SetRowCount(5);
        g->SetFixedCols(1);
        g->SetFixedRows(1);
        g->SetColor(clWhite);
        for (Integer c = 0; c < 4; ++c) g->SetColWidths(c, 40);
        const std::vector<const char16_t*> footer{u"Sum", u"10", u"20", u"30"};
        for (Integer c = 0; c < 4; ++c) g->SetCells(c, 4, footer[static_cast<size_t>(c)]);
        g->FloatingFooter()->SetHeight(25);
        g->FloatingFooter()->SetVisible(true);
        g->FloatingFooter()->SetColor(TColor(0xE0E0E0));
        form->Show();
        g->HandleNeeded();
        Panel().HandleNeeded();
    }
    TFooterPanel& Panel() { return *g->FFooterPanel; }
    std::vector<TCanvasCall> PaintCalls()
    {
        canvas.ClearCalls();
        g->Bodies.clear();
        Panel().PaintFooter(canvas);
        return canvas.Calls();
    }
    // Each MoveTo with the LineTo after it, as "colour:x1,y1-x2,y2" (colour in hex).
    std::vector<std::string> Lines()
    {
        std::vector<std::string> out;
        const std::vector<TCanvasCall> calls = PaintCalls();
        for (size_t i = 0; i + 1 < calls.size(); ++i) {
            if (calls[i].Name != "MoveTo" || calls[i + 1].Name != "LineTo") continue;
            char colour[16];
            std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(calls[i + 1].PenColor));
            out.push_back(std::string(colour) + ":" + std::to_string(calls[i].Args[0]) + "," +
                          std::to_string(calls[i].Args[1]) + "-" + std::to_string(calls[i + 1].Args[0]) + "," +
                          std::to_string(calls[i + 1].Args[1]));
        }
        return out;
    }
    std::vector<std::string> Fills(const std::vector<TCanvasCall>& Calls)
    {
        std::vector<std::string> out;
        for (const TCanvasCall& c : Calls)
            if (c.Name == "FillRect") {
                char colour[16];
                std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(c.BrushColor));
                out.push_back(std::string(colour) + ":" + std::to_string(c.Args[0]) + "," + std::to_string(c.Args[1]) +
                              "," + std::to_string(c.Args[2]) + "," + std::to_string(c.Args[3]));
            }
        return out;
    }
};

TEST_F(FooterPanelPaint, TheFixedLastRowFillsTheColumnsInTheFootersColourAndTheRestInTheGrids)
{
    ASSERT_EQ(Panel().ClientHeight(), 24);
    const Integer w = Panel().ClientWidth();
    const std::vector<std::string> fills = Fills(PaintCalls());
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[0], "E0E0E0:0,0,160,24");
    EXPECT_EQ(fills[1], "FFFFFF:160,0," + std::to_string(w) + ",24");
    // Scrolled to the third column: the fixed column and the two from LeftCol on.
    g->SetLeftCol(2);
    ASSERT_EQ(g->LeftCol(), 2);
    EXPECT_EQ(Fills(PaintCalls())[0], "E0E0E0:0,0,120,24");
}

TEST_F(FooterPanelPaint, ColumnLinesFollowTheLookTheFlatSwitchAndTheFixedLineOptions)
{
    // The standard case in full: a white left edge (raised look), a grid-line top and right
    // edge for the fixed column, grey right edges for the scrolled ones.
    g->SetGridLineColor(TColor(0x00C000));
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"FFFFFF:0,24-0,0", "00C000:0,0-39,0", "00C000:39,0-39,24", "FFFFFF:40,24-40,0",
                                        "00C000:40,0-79,0", "808080:79,0-79,24", "FFFFFF:80,24-80,0",
                                        "00C000:80,0-119,0", "808080:119,0-119,24", "FFFFFF:120,24-120,0",
                                        "00C000:120,0-159,0", "808080:159,0-159,24"}));
    struct Case {
        TGridLook Look;
        bool Flat;
        TGridOptions Options;
        size_t White, Top;
        const char* ScrolledRight;  // the first scrolled column's right edge, "" for none
    };
    const TGridOptions both = goFixedVertLine | goFixedHorzLine;
    for (const Case& c :
         {Case{glVista, false, both, 4, 4, "00C000:79,0-79,24"}, Case{glSoft, false, both, 4, 4, "808080:79,0-79,24"},
          Case{glZEQ, false, both, 4, 4, "808080:79,0-79,24"}, Case{glXP, true, both, 0, 4, "808080:79,0-79,24"},
          Case{glStandard, false, both, 0, 4, "808080:79,0-79,24"},
          Case{glOffice2007, false, both, 0, 4, "808080:79,0-79,24"}, Case{glXP, false, goFixedHorzLine, 0, 4, ""},
          Case{glXP, false, goFixedVertLine, 4, 0, "808080:79,0-79,24"}}) {
        g->SetLook(c.Look);
        g->SetGridLineColor(TColor(0x00C000));
        g->SetFlat(c.Flat);
        g->SetOptions(c.Options);
        const std::vector<std::string> lines = Lines();
        const auto count = [&](const std::string& Prefix, char Y) {
            size_t n = 0;
            for (const std::string& l : lines)
                if (l.rfind(Prefix, 0) == 0 && (Y == 0 || l.back() == Y)) ++n;
            return n;
        };
        const std::string label =
            "look " + std::to_string(c.Look) + (c.Flat ? " flat" : "") + " options " + std::to_string(c.Options);
        EXPECT_EQ(count("FFFFFF:", 0), c.White) << label;
        size_t top = 0;
        for (const std::string& l : lines)
            if (l.rfind("00C000:", 0) == 0 && l.find(",0-") != std::string::npos && l.back() == '0' &&
                l.find(",0-0,") == std::string::npos)
                ++top;
        EXPECT_EQ(top, c.Top) << label;
        const bool hasRight = std::find(lines.begin(), lines.end(), c.ScrolledRight) != lines.end();
        EXPECT_EQ(hasRight, std::string(c.ScrolledRight).size() > 0) << label;
        if (!*c.ScrolledRight) {
            EXPECT_EQ(count("808080:", 0), 0u) << label;
        }
    }
}

TEST_F(FooterPanelPaint, EachFooterCellIsPaintedInItsOwnRectangleAsAFixedCell)
{
    PaintCalls();
    ASSERT_EQ(g->Bodies.size(), 4u);
    for (Integer c = 0; c < 4; ++c) {
        const auto& b = g->Bodies[static_cast<size_t>(c)];
        EXPECT_EQ(b.Col, c);
        EXPECT_EQ(b.Row, 4);
        EXPECT_EQ(b.State, gdFixed);
        // One pixel down under the top line, one right of the white edge (raised look).
        EXPECT_EQ(Rect4(b.R), Rect4(TRect{c * 40 + 1, 1, c * 40 + 39, 24})) << "column " << c;
    }
    // Without fixed lines the cells take the full height and their left edge.
    g->SetOptions(0);
    PaintCalls();
    EXPECT_EQ(Rect4(g->Bodies[1].R), "40,0,79,24");
    // A merge over two scrolled columns: one cell to the merge's right edge, and the column
    // after it keeps its place.
    g->SetOptions(goFixedVertLine | goFixedHorzLine);
    g->MergeCells(1, 4, 2, 1);
    PaintCalls();
    ASSERT_EQ(g->Bodies.size(), 3u);
    EXPECT_EQ(Rect4(g->Bodies[1].R), "41,1,119,24");
    EXPECT_EQ(g->Bodies[2].Col, 3);
    EXPECT_EQ(Rect4(g->Bodies[2].R), "121,1,159,24");
}

TEST_F(FooterPanelPaint, TheApplicationPaintsScrolledCellsAndItsColoursFillThemFirst)
{
    std::vector<std::string> events;
    g->OnPaintFooter = [&](TObject* Sender, Integer AColumn, TCanvas* Canvas, TRect ARect) {
        events.push_back(std::string(Sender == &Panel() ? "panel" : "other") + " paints " + std::to_string(AColumn) +
                         " at " + Rect4(ARect) + (Canvas == &canvas ? "" : " elsewhere"));
    };
    g->OnGetCellColor = [&](TObject*, Integer ARow, Integer ACol, TGridDrawState AState, TBrush* ABrush, TFont*) {
        events.push_back("colour " + std::to_string(ACol) + "," + std::to_string(ARow) +
                         (AState == gdFixed ? " fixed" : "") + (ABrush->Style() == bsClear ? " clear" : ""));
        if (ACol == 2) ABrush->SetColor(TColor(0x0000FF));
    };
    g->SetColors(3, 4, TColor(0x00FF00));
    events.clear();
    const std::vector<std::string> fills = Fills(PaintCalls());
    EXPECT_EQ(events,
              (std::vector<std::string>{"colour 1,4 fixed clear", "panel paints 1 at 41,1,79,24",
                                        "colour 2,4 fixed clear", "panel paints 2 at 81,1,119,24",
                                        "colour 3,4 fixed clear", "panel paints 3 at 121,1,159,24"}));
    // The fixed column is the grid's to paint; the hook's colour and the cell's own colour fill.
    ASSERT_EQ(g->Bodies.size(), 1u);
    EXPECT_EQ(g->Bodies[0].Col, 0);
    EXPECT_NE(std::find(fills.begin(), fills.end(), "0000FF:81,1,119,24"), fills.end());
    EXPECT_NE(std::find(fills.begin(), fills.end(), "00FF00:121,1,159,24"), fills.end());
    EXPECT_EQ(std::count_if(fills.begin(), fills.end(),
                            [](const std::string& f) { return f.find(":41,") != std::string::npos; }),
              0);
}

TEST_F(FooterPanelPaint, TheColumnPreviewPaintsTheCurrentRowsCellAcrossAFramedArea)
{
    g->FloatingFooter()->SetFooterStyle(fsColumnPreview);
    g->FloatingFooter()->SetColumn(2);
    g->SetRow(2);
    g->SetSelectionTextColor(TColor(0x123456));
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{"808080:0,23-159,23", "808080:159,23-159,0", "FFFFFF:159,0-0,0", "FFFFFF:0,0-0,23"}));
    ASSERT_EQ(g->Bodies.size(), 1u);
    EXPECT_EQ(g->Bodies[0].Col, 2);
    EXPECT_EQ(g->Bodies[0].Row, 2);
    EXPECT_EQ(g->Bodies[0].State, 0);
    EXPECT_EQ(Rect4(g->Bodies[0].R), "0,0,160,24");
    // The selection text colour is black while the preview paints, and comes back.
    EXPECT_EQ(g->Bodies[0].SelectionText, clBlack);
    EXPECT_EQ(g->SelectionTextColor(), TColor(0x123456));
    Integer column = -1;
    g->OnPaintFooter = [&](TObject*, Integer AColumn, TCanvas*, TRect) { column = AColumn; };
    PaintCalls();
    EXPECT_EQ(column, 2);
    EXPECT_TRUE(g->Bodies.empty());
}

TEST_F(FooterPanelPaint, TheCustomPreviewDrawsTheTemplateWithTheCurrentRowsCells)
{
    g->SetCells(1, 2, u"Pump");
    g->SetCells(3, 2, u"42");
    g->SetRow(2);
    g->FloatingFooter()->SetFooterStyle(fsCustomPreview);
    g->FloatingFooter()->SetCustomTemplate(u"<b><#1></b> at <#3> bar<#x>");
    String drawn;
    for (const TCanvasCall& c : PaintCalls())
        if (c.Name == "TextOut" || c.Name == "TextRect" || c.Name == "DrawText") drawn += c.Text;
    EXPECT_EQ(StringToUtf8(drawn), "Pump at 42 bar");
}

// The custom preview reads as the grid does: right to left its text runs from the right edge of
// the area, now at the panel's right, with right-to-left reading; reading only keeps the place.
TEST_F(FooterPanelPaint, TheCustomPreviewReadsAsTheGridDoes)
{
    g->SetCells(1, 2, u"Pump");
    g->SetRow(2);
    g->FloatingFooter()->SetFooterStyle(fsCustomPreview);
    g->FloatingFooter()->SetCustomTemplate(u"<b><#1></b> on");
    const Integer w = Panel().ClientWidth();
    struct Case {
        TBiDiMode Mode;
        Cardinal Flags;
        Integer Left, Right;  // the first run's rectangle
    };
    const Case cases[] = {
        {bdLeftToRight, 0, 0, 160},
        // one pixel in from the right edge: the mirror image of the left-to-right run's left edge
        {bdRightToLeft, DT_RIGHT | DT_RTLREADING, w - 160, w - 1},
        {bdRightToLeftNoAlign, DT_RTLREADING, 0, 160},
        {bdRightToLeftReadingOnly, DT_RTLREADING, 0, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Mode));
        g->SetBiDiMode(c.Mode);
        std::vector<TCanvasCall> runs;
        for (const TCanvasCall& call : PaintCalls())
            if (call.Name == "DrawText" && !(call.Args[4] & DT_CALCRECT)) runs.push_back(call);
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(StringToUtf8(runs[0].Text), "Pump");
        EXPECT_EQ(Cardinal(runs[0].Args[4]) & (DT_RIGHT | DT_CENTER | DT_RTLREADING), c.Flags);
        EXPECT_GE(runs[0].Args[0], c.Left);
        EXPECT_EQ(runs[0].Args[2], c.Right);
    }
}

TEST_F(FooterPanelPaint, CustomPaintingTakesTheClientAreaAndTheBorderRunsToTheRightEdge)
{
    g->FloatingFooter()->SetFooterStyle(fsCustomPaint);
    g->FloatingFooter()->SetColumn(3);
    std::string asked;
    g->OnPaintFooter = [&](TObject*, Integer AColumn, TCanvas*, TRect ARect) {
        asked = std::to_string(AColumn) + " at " + Rect4(ARect);
    };
    const Integer w = Panel().ClientWidth();
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(asked, "3 at 0,0," + std::to_string(w) + ",24");
    // The top border follows each style's right edge; clNone draws none.
    struct Case {
        TFooterStyle Style;
        Integer Right;
    };
    g->FloatingFooter()->SetBorderColor(TColor(0x0000C0));
    for (const Case& c :
         {Case{fsCustomPaint, w}, Case{fsFixedLastRow, 160}, Case{fsColumnPreview, 160}, Case{fsCustomPreview, 160}}) {
        g->FloatingFooter()->SetFooterStyle(c.Style);
        const std::vector<std::string> lines = Lines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "0000C0:0,0-" + std::to_string(c.Right) + ",0") << "style " << c.Style;
    }
    g->FloatingFooter()->SetBorderColor(clNone);
    for (const std::string& l : Lines()) EXPECT_NE(l.substr(0, 7), "0000C0:");
}

// Right to left, the footer is the mirror image of the left-to-right one, pixel for pixel (the
// cells' contents are the grid's: recorded, not painted, here), for a border, for the raised and
// the flat look and with the columns scrolled. (The preview's frame keeps its light from the top
// left: see the next test.)
TEST_F(FooterPanelPaint, RightToLeftEveryStyleIsTheMirrorImageOfLeftToRight)
{
    const Integer w = Panel().ClientWidth(), hgt = Panel().ClientHeight();
    ASSERT_GT(w, 160);
    const auto picture = [&](TBiDiMode Mode) {
        g->SetBiDiMode(Mode);
        TBitmap bmp;
        bmp.SetSize(w, hgt);
        bmp.Canvas()->Brush()->SetColor(TColor(0x123456));
        bmp.Canvas()->FillRect(Rect(0, 0, w, hgt));
        Panel().PaintFooter(*bmp.Canvas());
        std::vector<TColor> px;
        for (Integer y = 0; y < hgt; ++y)
            for (Integer x = 0; x < w; ++x) px.push_back(bmp.Canvas()->Pixels(x, y));
        return px;
    };
    struct Case {
        TFooterStyle Style;
        TGridLook Look;
        bool Flat;
        Integer LeftCol;
        TColor Border;
    };
    // A cell of its own colour, so that a cell put in the wrong place shows.
    g->SetColors(2, 4, TColor(0x00A000));
    for (const Case& c : {Case{fsFixedLastRow, glXP, false, 1, clNone}, Case{fsFixedLastRow, glStandard, true, 2, TColor(0x0000C0)},
                          Case{fsCustomPaint, glXP, false, 1, TColor(0x0000C0)}}) {
        g->FloatingFooter()->SetFooterStyle(c.Style);
        g->FloatingFooter()->SetBorderColor(c.Border);
        g->SetLook(c.Look);
        g->SetFlat(c.Flat);
        g->SetBiDiMode(bdLeftToRight);
        g->SetLeftCol(c.LeftCol);
        const std::vector<TColor> ltr = picture(bdLeftToRight), rtl = picture(bdRightToLeft);
        Integer differing = 0, firstX = -1, firstY = -1;
        for (Integer y = 0; y < hgt; ++y)
            for (Integer x = 0; x < w; ++x)
                if (rtl[size_t(y * w + x)] != ltr[size_t(y * w + (w - 1 - x))] && differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
        EXPECT_EQ(differing, 0) << "style " << int(c.Style) << " look " << int(c.Look) << ": first at " << firstX << "," << firstY;
        // Not trivially symmetric: the left-to-right picture differs from its mirror image.
        Integer asymmetric = 0;
        for (Integer x = 0; x < w; ++x) asymmetric += ltr[size_t(x + w)] != ltr[size_t(w - 1 - x + w)];
        if (c.Style != fsCustomPaint) {
            EXPECT_GT(asymmetric, 0) << "style " << int(c.Style);
        }
    }
}

TEST_F(FooterPanelPaint, RightToLeftTheCellsGetMirroredRectanglesWithTheGridsOrientationSuspended)
{
    const Integer w = Panel().ClientWidth();
    g->SetBiDiMode(bdRightToLeft);
    std::vector<std::string> painted;
    g->OnPaintFooter = [&](TObject*, Integer AColumn, TCanvas*, TRect ARect) {
        painted.push_back(std::to_string(AColumn) + " at " + Rect4(ARect) + (g->FNoRTLOrientation ? " placed" : ""));
    };
    PaintCalls();
    const auto mirrored = [&](Integer L, Integer R) { return std::to_string(w - R) + ",1," + std::to_string(w - L) + ",24"; };
    ASSERT_EQ(g->Bodies.size(), 1u);
    EXPECT_EQ(Rect4(g->Bodies[0].R), mirrored(1, 39));
    EXPECT_TRUE(g->Bodies[0].NoOrientation);
    EXPECT_EQ(painted, (std::vector<std::string>{"1 at " + mirrored(41, 79) + " placed", "2 at " + mirrored(81, 119) + " placed",
                                                 "3 at " + mirrored(121, 159) + " placed"}));
    EXPECT_FALSE(g->FNoRTLOrientation) << "the orientation comes back after painting";
    // The preview's cell spans the area at the right edge, framed grey at the bottom and right and
    // white at the top and left as left to right; left to right nothing is suspended.
    g->OnPaintFooter = nullptr;
    g->FloatingFooter()->SetFooterStyle(fsColumnPreview);
    const std::string l = std::to_string(w - 160), r = std::to_string(w - 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"808080:" + l + ",23-" + r + ",23", "808080:" + r + ",23-" + r + ",0",
                                                 "FFFFFF:" + r + ",0-" + l + ",0", "FFFFFF:" + l + ",0-" + l + ",23"}));
    ASSERT_EQ(g->Bodies.size(), 1u);
    EXPECT_EQ(Rect4(g->Bodies[0].R), std::to_string(w - 160) + ",0," + std::to_string(w) + ",24");
    EXPECT_TRUE(g->Bodies[0].NoOrientation);
    g->SetBiDiMode(bdLeftToRight);
    PaintCalls();
    EXPECT_EQ(Rect4(g->Bodies[0].R), "0,0,160,24");
    EXPECT_FALSE(g->Bodies[0].NoOrientation);
}

TEST_F(FooterPanelPaint, ThePanelTakesTheGridsReadingOrderWhenItPaints)
{
    EXPECT_EQ(Panel().BiDiMode(), bdLeftToRight);
    g->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(Panel().BiDiMode(), bdRightToLeft) << "a child follows its parent";
    // Given one of its own, the panel still paints as the grid reads.
    Panel().SetBiDiMode(bdLeftToRight);
    PaintCalls();
    EXPECT_EQ(Panel().BiDiMode(), bdRightToLeft);
    g->SetBiDiMode(bdRightToLeftNoAlign);
    PaintCalls();
    EXPECT_EQ(Panel().BiDiMode(), bdRightToLeftNoAlign);
    // Reading right to left without the mirrored layout keeps the columns at the left.
    EXPECT_EQ(Fills(PaintCalls())[0], "E0E0E0:0,0,160,24");
}

TEST_F(FooterPanelPaint, PictureOfTheFourStyles)
{
    g->Record = false;
    g->SetCells(1, 2, u"Pump");
    g->SetCells(2, 2, u"7.5");
    g->SetRow(2);
    g->FloatingFooter()->SetColumn(1);
    g->FloatingFooter()->SetCustomTemplate(u"<b><#1></b> runs at <font color=\"clRed\"><#2></font> bar");
    g->FloatingFooter()->SetBorderColor(TColor(0x808080));
    g->OnPaintFooter = nullptr;
    const Integer w = Panel().ClientWidth();
    TBitmap bmp;
    bmp.SetSize(w, 4 * 30);
    bmp.Canvas()->Brush()->SetColor(TColor(0xF8F7ED));
    bmp.Canvas()->FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
    TRecordingCanvas drawing(bmp.Surface());
    Integer y = 0;
    for (TFooterStyle s : {fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint}) {
        g->FloatingFooter()->SetFooterStyle(s);
        if (s == fsCustomPaint)
            g->OnPaintFooter = [](TObject*, Integer, TCanvas* Canvas, TRect ARect) {
                Canvas->Brush()->SetColor(TColor(0xFFE0C0));
                Canvas->FillRect(ARect);
                Canvas->TextOut(ARect.Left + 4, ARect.Top + 4, u"Painted by the application");
            };
        drawing.SetOrigin(TPoint{0, y});
        Panel().PaintFooter(drawing);
        y += 30;
    }
    const std::filesystem::path file = picturePath("footer_panel_styles.png");
    SaveSurfaceToPng(bmp.Surface(), Utf8ToString(file.string()));
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace gw::test
