// The footer panel's painting: the grid's last row as a fixed summary row, a preview of one
// column of the current row, the current row through a mark-up template, or the application's
// own painting, then the top border line. With the grid's right-to-left alignment the whole
// picture is the mirror image of the left-to-right one: the columns start at the right edge.
#include "grid/foundation/markup_renderer.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/footer_template.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/scope.h"

namespace gw {
namespace {

constexpr TColor ShadowGray = TColor(0x808080);

void FillArea(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Color);
    C.Pen()->SetColor(Color);
    C.FillRect(R);
}

void DrawLine(TCanvas& C, TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    C.Pen()->SetColor(Color);
    C.MoveTo(X1, Y1);
    C.LineTo(X2, Y2);
}

}  // namespace

void TFooterPanel::Paint()
{
    if (TCanvas* c = Canvas()) PaintFooter(*c);
}

TRect TFooterPanel::Placed(const TRect& R) const
{
    if (!FGrid->UseRightToLeftAlignment()) return R;
    const Integer w = ClientWidth();
    return {w - R.Right, R.Top, w - R.Left, R.Bottom};
}

Integer TFooterPanel::PlacedX(Integer X) const
{
    return FGrid->UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X;
}

void TFooterPanel::Line(TCanvas& C, TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2) const
{
    DrawLine(C, Color, PlacedX(X1), Y1, PlacedX(X2), Y2);
}

void TFooterPanel::PaintFooter(TCanvas& Canvas)
{
    // The panel reads as the grid does (it may have been given a reading order of its own).
    if (BiDiMode() != FGrid->BiDiMode()) SetBiDiMode(FGrid->BiDiMode());
    const TFloatingFooter& footer = *FGrid->FloatingFooter();
    Integer right = 0;
    switch (footer.FooterStyle()) {
    case fsFixedLastRow: right = PaintFixedLastRow(Canvas); break;
    case fsColumnPreview: right = PaintColumnPreview(Canvas); break;
    case fsCustomPreview: right = PaintCustomPreview(Canvas); break;
    case fsCustomPaint: right = PaintCustom(Canvas); break;
    }
    if (footer.BorderColor() != clNone) Line(Canvas, footer.BorderColor(), 0, 0, right, 0);
}

Integer TFooterPanel::VisibleColumnsWidth() const
{
    Integer w = 0;
    for (Integer c = 0; c < FGrid->FixedCols(); ++c) w += FGrid->ColWidths(c);
    for (Integer c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) w += FGrid->ColWidths(c);
    return w;
}

bool TFooterPanel::RaisedLook() const
{
    const TGridLook look = FGrid->Look();
    const bool raised = look == glSoft || look == glZEQ || look == glXP || look == glVista;
    return raised && !FGrid->Flat();
}

Integer TFooterPanel::PaintFixedLastRow(TCanvas& C)
{
    const Integer w = VisibleColumnsWidth();
    FillArea(C, Placed(TRect{0, 0, w, ClientHeight()}), FGrid->FloatingFooter()->Color());
    FillArea(C, Placed(TRect{w, 0, ClientWidth(), ClientHeight()}), FGrid->Color());
    PaintColumnLines(C);
    // The cells are placed here already: the grid must not mirror them again.
    const TTemporaryChange<bool> placed(FGrid->FNoRTLOrientation, FGrid->UseRightToLeftAlignment());

    const bool horz = (FGrid->Options() & goFixedHorzLine) != 0;
    const Integer top = horz ? 1 : 0;
    const Integer row = FGrid->RowCount() - 1;
    // The cells of one stretch of columns, each placed by the widths before it so that a merge
    // never shifts the columns after it.
    Integer left = 0;
    const auto cells = [&](Integer From, Integer To, bool Fixed) {
        for (Integer c = From; c < To; ++c) {
            const Integer width = FGrid->ColWidths(c);
            TRect r{left, top, left + width - 1, ClientHeight()};
            if (FGrid->IsMergedCell(c, row)) {
                const TPoint span = FGrid->CellExt(c, row);
                for (Integer m = c + 1; m <= c + span.X && m < FGrid->ColCount(); ++m) r.Right += FGrid->ColWidths(m);
            }
            if (horz && RaisedLook()) ++r.Left;
            PaintFooterCell(C, c, Placed(r), Fixed);
            left += width;
        }
    };
    cells(0, FGrid->FixedCols(), true);
    cells(FGrid->LeftCol(), FGrid->ColCount(), false);
    return w;
}

void TFooterPanel::PaintColumnLines(TCanvas& C)
{
    const bool vert = (FGrid->Options() & goFixedVertLine) != 0;
    const bool horz = (FGrid->Options() & goFixedHorzLine) != 0;
    const bool white = vert && RaisedLook();
    const TColor scrolledLine = FGrid->Look() == glVista ? FGrid->GridLineColor() : ShadowGray;
    const Integer bottom = ClientHeight();
    Integer x = 0;
    const auto lines = [&](Integer From, Integer To, TColor VertColor) {
        for (Integer c = From; c < To; ++c) {
            if (white) Line(C, clWhite, x, bottom, x, 0);
            const Integer left = x;
            x += FGrid->ColWidths(c);
            if (horz) Line(C, FGrid->GridLineColor(), left, 0, x - 1, 0);
            if (vert) Line(C, VertColor, x - 1, 0, x - 1, bottom);
        }
    };
    lines(0, FGrid->FixedCols(), FGrid->GridLineColor());
    lines(FGrid->LeftCol(), FGrid->ColCount(), scrolledLine);
}

void TFooterPanel::PaintFooterCell(TCanvas& C, Integer ACol, const TRect& R, bool Fixed)
{
    TExtStringGrid& g = *FGrid;
    const Integer row = g.RowCount() - 1;
    if (!Fixed) {
        const Integer real = g.RealColIndex(ACol);
        if (g.OnGetCellColor) {
            C.Brush()->SetStyle(bsClear);
            g.OnGetCellColor(&g, row, real, gdFixed, C.Brush(), C.Font());
            if (C.Brush()->Style() != bsClear) C.FillRect(R);
        }
        const TColor own = g.GetColors(real, row);
        if (own != clNone) FillArea(C, R, own);
    }
    if (!g.IsBaseCell(ACol, row)) return;
    if (!Fixed && g.OnPaintFooter) {
        g.OnPaintFooter(this, ACol, &C, R);
        return;
    }
    g.PaintCellBody(C, ACol, row, R, gdFixed);
}

TRect TFooterPanel::PaintPreviewBackground(TCanvas& C, Integer Width)
{
    const TRect area = Placed(TRect{0, 0, Width, ClientHeight()});
    FillArea(C, area, FGrid->FloatingFooter()->Color());
    // The frame keeps its light from the top left on either side.
    DrawLine(C, ShadowGray, area.Left, area.Bottom - 1, area.Right - 1, area.Bottom - 1);
    DrawLine(C, ShadowGray, area.Right - 1, area.Bottom - 1, area.Right - 1, area.Top);
    DrawLine(C, clWhite, area.Right - 1, area.Top, area.Left, area.Top);
    DrawLine(C, clWhite, area.Left, area.Top, area.Left, area.Bottom - 1);
    FillArea(C, Placed(TRect{Width, 0, ClientWidth(), ClientHeight()}), FGrid->Color());
    return area;
}

Integer TFooterPanel::PaintColumnPreview(TCanvas& C)
{
    TExtStringGrid& g = *FGrid;
    const Integer w = VisibleColumnsWidth();
    const TRect area = PaintPreviewBackground(C, w);
    const Integer column = g.FloatingFooter()->Column();
    // The preview is no selected cell: its text keeps the cell's colour.
    const TColor selectionText = g.m_selectionTextColor;
    g.m_selectionTextColor = clBlack;
    TScopeExit restore{[&] { g.m_selectionTextColor = selectionText; }};
    const TTemporaryChange<bool> placed(g.FNoRTLOrientation, g.UseRightToLeftAlignment());
    if (g.OnPaintFooter)
        g.OnPaintFooter(this, column, &C, area);
    else if (column >= 0 && column < g.ColCount())
        g.PaintCellBody(C, column, g.Row(), area, 0);
    return w;
}

Integer TFooterPanel::PaintCustomPreview(TCanvas& C)
{
    TExtStringGrid& g = *FGrid;
    const Integer w = VisibleColumnsWidth();
    TRect area = PaintPreviewBackground(C, w);
    area.Top += 2;
    const String& pattern = g.FloatingFooter()->CustomTemplate();
    C.Brush()->SetColor(g.FloatingFooter()->Color());
    C.Font()->Assign(g.Font());
    if (g.ComponentState() & csDesigning) {
        C.Brush()->SetStyle(bsClear);
        C.TextRect(area, area.Left, area.Top, pattern);
        return w;
    }
    const Integer row = g.Row();
    const String text = ExpandTemplate(pattern, [&](Integer ACol) {
        return ACol >= 0 && ACol < g.TotalColCount() ? g.GetGridCell(ACol, row) : String();
    });
    TMarkupDrawArgs args;
    args.Canvas = &C;
    args.Text = text;
    args.Rect = area;
    args.AnchorColor = g.URLColor;
    args.PictureCache = g.ImageCache();
    args.PictureContainer = g.PictureContainer();
    args.BiDiMode = Byte(g.BiDiMode());
    DrawMarkupText(args);
    return w;
}

Integer TFooterPanel::PaintCustom(TCanvas& C)
{
    const TRect client = ClientRect();
    if (FGrid->OnPaintFooter) FGrid->OnPaintFooter(this, FGrid->FloatingFooter()->Column(), &C, client);
    return client.Right;
}

}  // namespace gw
