// The string grid right to left: the cells' frames paint as the mirror image of the
// left-to-right grid, while texts, check boxes, pictures and the sort indicator take their
// mirrored places without being drawn mirror-image; the background beyond the cells lies on the
// left; the text flags turn; a move of the current cell repaints the whole grid; and a picture
// of such a grid for a person to look at.
#include "grid/foundation/cell_properties.h"
#include "grid/model/background.h"
#include "grid/model/control_look.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "platform/ui/scroll_bar_side.h"
#include "platform/ui/window_system.h"
#include "tests/grid/model/paint_grid.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridRightToLeft : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        g = new TPaintGrid(form);
        g->SetParent(form);
        g->SetScrollBars(ssNone);
        g->SetBounds(0, 0, 330, 130);
        g->SetColCount(5);
        g->SetRowCount(5);
        g->SetDefaultColWidth(60);
        g->SetColor(clWhite);
        g->FLook = glClassic;
        g->Select(4, 4, 4, 4);
    }
    void TearDown() override { delete form; }

    std::unique_ptr<TBitmap> Picture(TBiDiMode Mode)
    {
        g->SetBiDiMode(Mode);
        auto bmp = std::make_unique<TBitmap>(g->Width(), g->Height());
        g->PaintTo(*bmp->Canvas(), 0, 0);
        return bmp;
    }
    Integer W() const { return g->ClientWidth(); }
    TRect Mirror(const TRect& R) const { return {W() - R.Right, R.Top, W() - R.Left, R.Bottom}; }
    // The pixels of B that differ from the mirror image of A across the client width.
    Integer MirrorDifferences(const TBitmap& A, const TBitmap& B) const
    {
        Integer n = 0;
        for (Integer y = 0; y < g->Height(); ++y)
            for (Integer x = 0; x < W(); ++x) n += B.PixelColor(x, y) != A.PixelColor(W() - 1 - x, y);
        return n;
    }
    // The ink inside Cell of the left-to-right picture stands, right to left, at its mirrored place
    // (up to Slack pixels) without being mirror-image, on the side the cell starts at.
    void ExpectMirroredPlaceUnmirrored(const TBitmap& Ltr, const TBitmap& Rtl, const TRect& Cell, TColor Background,
                                       Integer Slack, Integer NearStart)
    {
        const TRect a = Ink(Ltr, Cell, Background), b = Ink(Rtl, Mirror(Cell), Background);
        ASSERT_FALSE(IsRectEmpty(a));
        ASSERT_FALSE(IsRectEmpty(b));
        EXPECT_LE(std::abs(b.Left - Mirror(a).Left), Slack);
        EXPECT_EQ(b.Width(), a.Width());
        EXPECT_EQ(Pixels(Rtl, b), Pixels(Ltr, a)) << "not mirror-image";
        EXPECT_LE(Mirror(Cell).Right - b.Right, NearStart) << "on the side the cell starts at";
    }

    // The bounding box of the pixels inside R that are not Background; empty when none.
    static TRect Ink(const TBitmap& B, const TRect& R, TColor Background)
    {
        TRect box{R.Right, R.Bottom, R.Left, R.Top};
        for (Integer y = R.Top; y < R.Bottom; ++y)
            for (Integer x = R.Left; x < R.Right; ++x)
                if (B.PixelColor(x, y) != Background) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Left < box.Right ? box : TRect{};
    }
    static std::vector<TColor> Pixels(const TBitmap& B, const TRect& R)
    {
        std::vector<TColor> out;
        for (Integer y = R.Top; y < R.Bottom; ++y)
            for (Integer x = R.Left; x < R.Right; ++x) out.push_back(B.PixelColor(x, y));
        return out;
    }

    THarness h;
    TForm* form = nullptr;
    TPaintGrid* g = nullptr;
};

TEST_F(ExtStringGridRightToLeft, TheFramesOfTheCellsAreTheMirrorImage)
{
    g->SetFixedCols(1);
    g->SetColWidths(2, 35);
    g->MergeCells(2, 2, 2, 2);
    g->SetGridLineWidth(1);
    g->Select(1, 3, 2, 3);
    for (TGridLook look : {glClassic, glXP}) {
        SCOPED_TRACE(int(look));
        g->FLook = look;
        const auto ltr = Picture(bdLeftToRight), rtl = Picture(bdRightToLeft);
        EXPECT_EQ(MirrorDifferences(*ltr, *rtl), 0);
    }
}

// The selection's frame and the resize handle's square at its outer bottom corner: right to left
// the bottom-left one, pixel for pixel the mirror image, for one cell and a block.
TEST_F(ExtStringGridRightToLeft, TheSelectionFrameAndItsResizeHandleAreTheMirrorImage)
{
    g->SelectionRectangle = true;
    g->SelectionResizer = true;
    g->SelectionRectangleColor = clRed;
    g->SetGridLineWidth(1);
    for (const TGridRect& sel : {TGridRect{2, 2, 2, 2}, TGridRect{1, 1, 3, 3}}) {
        SCOPED_TRACE(sel.Left);
        g->Select(sel.Left, sel.Top, sel.Right, sel.Bottom);
        const auto ltr = Picture(bdLeftToRight), rtl = Picture(bdRightToLeft);
        EXPECT_EQ(MirrorDifferences(*ltr, *rtl), 0);
    }
}

// The current cell's dotted focus rectangle of a focused grid, dot for dot, in every look.
TEST_F(ExtStringGridRightToLeft, TheFocusRectangleIsTheMirrorImageDotForDot)
{
    form->Show();
    h.ProcessMessages();
    g->SetFocus();
    ASSERT_TRUE(g->Focused());
    g->SetFixedCols(1);
    g->SetOptions(g->Options() | goFixedHorzLine | goFixedVertLine);
    for (TGridLook look : {glClassic, glXP, glSoft, glVista}) {
        SCOPED_TRACE(int(look));
        g->FLook = look;
        const auto ltr = Picture(bdLeftToRight), rtl = Picture(bdRightToLeft);
        EXPECT_EQ(MirrorDifferences(*ltr, *rtl), 0);
        EXPECT_GT(MirrorDifferences(*ltr, *ltr), 0) << "the picture is not its own mirror image";
    }
}

// The background beyond the last column is on the left right to left; a horizontal gradient
// there runs as the mirror image of the left-to-right one.
TEST_F(ExtStringGridRightToLeft, TheBackgroundOutsideTheCellsIsTheMirrorImage)
{
    g->BackGround()->SetDisplay(bdGradientHorz);
    g->BackGround()->SetColor(TColor(0x00FFFF));
    g->BackGround()->SetColorTo(TColor(0xFF0000));
    const Integer outside = W() - g->CellRect(4, 0).Right - 1;
    ASSERT_GT(outside, 10) << "room beyond the last column";
    const auto ltr = Picture(bdLeftToRight), rtl = Picture(bdRightToLeft);
    EXPECT_EQ(MirrorDifferences(*ltr, *rtl), 0);
    // The strip at the left holds the gradient, changing across it, not the grid's colour.
    const Integer y = 10;
    EXPECT_NE(rtl->PixelColor(0, y), clWhite);
    EXPECT_NE(rtl->PixelColor(0, y), rtl->PixelColor(outside - 2, y));
}

TEST_F(ExtStringGridRightToLeft, TextGlyphsAndPicturesTakeTheirMirroredPlacesUnmirrored)
{
    g->SetCells(1, 1, u"Ab");
    g->SetCells(2, 1, u"Y");
    g->AddGraphic(2, 1, ctDataCheckBox);
    TBitmap pic(5, 3);
    pic.Canvas()->Brush()->SetColor(clRed);
    pic.Canvas()->FillRect(Rect(0, 0, 5, 3));
    pic.Canvas()->SetPixel(0, 0, clBlue);
    pic.Canvas()->SetPixel(4, 2, clLime);
    g->AddBitmap(3, 1, &pic, false, haLeft, vaTop);
    g->SortSettings()->SetShow(true);
    g->SortSettings()->Column = 3;
    const auto ltr = Picture(bdLeftToRight), rtl = Picture(bdRightToLeft);
    struct Case {
        const char* Name;
        Integer Col, Row;
        // How far the ink may lie from the mirror of its place: text keeps only its side of the
        // cell (its bearings do not mirror); the check box's light right edge is no ink.
        Integer Slack;
    };
    const Case cases[] = {
        {"text", 1, 1, 100},
        {"check box", 2, 1, 1},
        {"picture", 3, 1, 0},
        {"sort indicator", 3, 0, 0},
    };
    g->SetBiDiMode(bdLeftToRight);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        TRect cell = g->CellRect(k.Col, k.Row);
        InflateRect(cell, -2, -2);  // inside the grid lines and edges
        const TColor bg = ltr->PixelColor(cell.Left, cell.Bottom - 1);
        // In the half of the cell it starts at.
        ExpectMirroredPlaceUnmirrored(*ltr, *rtl, cell, bg, k.Slack, (cell.Width() + 1) / 2 - 1);
    }
}

// Controls inside a cell's mark-up stand at the mirror image of their left-to-right places in
// the cell, drawn as they are left to right (a button's light stays top left).
TEST_F(ExtStringGridRightToLeft, MarkupControlsTakeTheirMirroredPlacesUnmirrored)
{
    g->SetDefaultRowHeight(30);
    g->SetCells(1, 1, u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"\" WIDTH=\"30\">");
    g->SetCells(2, 1, u"<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"24\">");
    g->SetCells(3, 1, u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\">");
    const auto ltr = Picture(bdLeftToRight), rtl = Picture(bdRightToLeft);
    struct Case {
        const char* Name;
        Integer Col;
        Integer Slack;  // the check box's light right edge is no ink
    };
    const Case cases[] = {{"button", 1, 0}, {"edit", 2, 0}, {"check box", 3, 1}};
    g->SetBiDiMode(bdLeftToRight);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        TRect cell = g->CellRect(k.Col, 1);
        InflateRect(cell, -2, -2);
        const TColor bg = ltr->PixelColor(cell.Right - 1, cell.Top);
        ExpectMirroredPlaceUnmirrored(*ltr, *rtl, cell, bg, k.Slack, 8);
    }
}

TEST_F(ExtStringGridRightToLeft, TextFlagsTurnAndTheTextRectangleMirrors)
{
    g->SetCells(1, 1, u"Ab");
    struct Case {
        TAlignment HA;
        Cardinal Flag;
    };
    const Case cases[] = {{taLeftJustify, DT_RIGHT}, {taRightJustify, DT_LEFT}, {taCenter, DT_CENTER}};
    g->SetBiDiMode(bdRightToLeft);
    const TRect cell = g->CellRect(1, 1);
    for (const Case& k : cases) {
        g->OnGetAlignment = [&](TObject*, Integer, Integer, TAlignment& HA, TVAlignment&) { HA = k.HA; };
        TRecordingCanvas canvas;
        const TCanvasOrientationScope rtl(canvas, true, W());
        g->PaintCell(canvas, 1, 1, cell, 0);
        bool found = false;
        for (const TCanvasCall& c : canvas.Calls()) {
            if (c.Name != "DrawText" || (c.Args[4] & DT_CALCRECT) || c.Text != u"Ab") continue;
            found = true;
            EXPECT_EQ(Cardinal(c.Args[4]) & (DT_LEFT | DT_RIGHT | DT_CENTER), k.Flag) << k.HA;
            EXPECT_TRUE(Cardinal(c.Args[4]) & DT_RTLREADING);
            // Drawn left to right where the cell shows: inside its client rectangle.
            EXPECT_GE(c.Args[0], cell.Left);
            EXPECT_LE(c.Args[2], cell.Right);
        }
        EXPECT_TRUE(found) << k.HA;
    }
}

TEST_F(ExtStringGridRightToLeft, AMoveOfTheCurrentCellRepaintsTheWholeGrid)
{
    form->Show();
    h.ProcessMessages();
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        g->SetBiDiMode(mode);
        g->SetCol(1);
        g->SetRow(1);
        UpdateWindow(g->Handle());
        g->SetCol(2);
        TRect dirty;
        ASSERT_TRUE(GetUpdateRect(g->Handle(), dirty));
        if (mode == bdRightToLeft)
            EXPECT_EQ(dirty, g->ClientRect());
        else
            EXPECT_LT(dirty.Width(), g->ClientWidth()) << "left to right the two cells alone";
    }
}

// Right to left the grid's vertical scroll bar stands at its left edge: the columns start at the
// client's right edge beside nothing, the bar scrolls the rows, and the client keeps its width.
TEST_F(ExtStringGridRightToLeft, TheVerticalScrollBarStandsAtTheLeft)
{
    g->SetRowCount(40);
    g->SetScrollBars(ssVertical);
    form->Show();
    h.ProcessMessages();
    const Integer width = g->ClientWidth();
    ASSERT_LT(width, g->Width()) << "the bar shows";
    const TPoint leftToRight = g->ClientToScreen({0, 0});
    g->SetBiDiMode(bdRightToLeft);
    h.ProcessMessages();
    EXPECT_TRUE(GetWindowExStyle(g->Handle()) & WS_EX_LEFTSCROLLBAR);
    EXPECT_EQ(g->ClientWidth(), width);
    EXPECT_EQ(g->ClientToScreen({0, 0}).X, leftToRight.X + g->Width() - width);
    EXPECT_EQ(g->CellRect(0, 0).Right, width) << "the first column at the client's right edge";
    const Integer top = g->TopRow();
    h.Click(g, {-(g->Width() - width) / 2, g->ClientHeight() - 4});
    h.ProcessMessages();
    EXPECT_EQ(g->TopRow(), top + 1) << "the bar's down arrow, at the bottom left";
    g->SetBiDiMode(bdLeftToRight);
    h.ProcessMessages();
    EXPECT_FALSE(GetWindowExStyle(g->Handle()) & WS_EX_LEFTSCROLLBAR);
    EXPECT_EQ(g->ClientToScreen({0, 0}), leftToRight);
}

TEST_F(ExtStringGridRightToLeft, PictureOfAGridBothWays)
{
    auto setUp = [&](TPaintGrid& G) {
        G.SetBounds(0, 0, 300, 150);
        G.SetColCount(4);
        G.SetRowCount(7);
        G.SetDefaultRowHeight(20);
        G.SetColWidths(0, 70);
        const char16_t* heads[] = {u"Node", u"Name", u"On", u"Value"};
        for (Integer c = 0; c < 4; ++c) G.SetCells(c, 0, heads[c]);
        const char16_t* names[] = {u"Alpha", u"Beta", u"Gamma", u"Delta", u"Epsilon", u"Zeta"};
        for (Integer r = 1; r < 7; ++r) {
            G.SetCells(1, r, names[r - 1]);
            G.SetCells(2, r, r % 2 ? u"Y" : u"N");
            G.AddGraphic(2, r, ctDataCheckBox);
            G.SetCells(3, r, IntToStr(r * 17));
        }
        // Mark-up with a control: laid out from the cell's right edge right to left.
        G.SetCells(3, 6, u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"><B>102</B>");
        G.AddNode(1, 3);
        G.AddNode(4, 2);
        G.SortSettings()->SetShow(true);
        G.SortSettings()->Column = 1;
        G.Select(1, 2, 1, 2);
    };
    TBitmap bmp;
    bmp.SetSize(2 * 310, 150);
    bmp.Canvas()->Brush()->SetColor(TColor(0xF8F7ED));
    bmp.Canvas()->FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        auto* grid = new TPaintGrid(form);
        grid->SetParent(form);
        setUp(*grid);
        grid->SetBiDiMode(mode);
        grid->PaintTo(*bmp.Canvas(), mode == bdLeftToRight ? 0 : 310, 0);
    }
    const auto path = picturePath("ext_string_grid_right_to_left.png");
    SaveSurfaceToPng(bmp.Canvas()->Handle(), Utf8ToString(path.string()));
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace gw::test
