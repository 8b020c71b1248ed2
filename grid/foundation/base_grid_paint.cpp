// The grid cell store's geometry and the painting frame of a cell: merged rectangles, the hidden
// last row, hover and active rows, the selection box, grid lines and the clip under fixed cells.
#include "grid/foundation/base_grid.h"

#include "grid/foundation/gradients.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

// The colours of the rounded selection box of a style.
struct TSelectionColours {
    TColor Fill, FillTo, Lower, LowerTo, Border, LightLine, DarkLine, InnerCorner;
};

const TSelectionColours& SelectionColours(TGridSelectionStyle Style, bool Focused)
{
    static const TSelectionColours vista{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
    static const TSelectionColours win7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
    static const TSelectionColours office{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                          0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
    static const TSelectionColours unfocused{0xF8F8F8, 0xE5E5E5, clNone,   clNone,
                                             0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};
    if (!Focused) return unfocused;
    switch (Style) {
    case ssWin7: return win7;
    case ssOffice2007: return office;
    default: return vista;
    }
}

// Which piece of a rounded box a selected column is.
TRoundedBoxKind PieceKind(Integer ACol, Integer Left, Integer Right)
{
    if (ACol == Left && Left < Right) return rbLeftEnd;
    if (ACol == Right && Right > Left) return rbRightEnd;
    if (Left < ACol && ACol < Right) return rbMiddle;
    return rbSingle;
}

TRect Union(const TRect& A, const TRect& B)
{
    return Rect(std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                std::max(A.Bottom, B.Bottom));
}

}  // namespace

// --- geometry ----------------------------------------------------------------------------------------

TRect TBaseGrid::VirtualCellRect(Integer ACol, Integer ARow) const
{
    // The base grid's own lines are 0 wide, so a start is the sum of the sizes before it.
    int64_t x = ColStart(ACol), y = RowStart(ARow);
    const TRect topLeft = MirrorClientRect(TCustomGrid::CellRect(LeftCol(), TopRow()));
    if (ACol >= FixedCols()) x += topLeft.Left - ColStart(LeftCol());
    if (ARow >= FixedRows()) y += topLeft.Top - RowStart(TopRow());
    return Bounds(Integer(x), Integer(y), ColWidths(ACol), RowHeights(ARow));
}

TRect TBaseGrid::CellRect(Integer ACol, Integer ARow) const
{
    const TCellProperties* props = Props(ACol, ARow);
    if (props && (props->CellSpanX != -1 || props->CellSpanY != -1)) {
        const TPoint base = props->GetBaseCell(ACol, ARow);
        if (const TCellProperties* baseProps = Props(base.X, base.Y)) {
            TRect first = VirtualCellRect(base.X, base.Y);
            if (first.Right == first.Left) ++first.Right;
            TRect last =
                VirtualCellRect(base.X + std::max(baseProps->CellSpanX, 0), base.Y + std::max(baseProps->CellSpanY, 0));
            if (last.Right == last.Left) --last.Left;
            return MirrorClientRect(Union(first, last));
        }
    }
    if (props && props->Control) return MirrorClientRect(VirtualCellRect(ACol, ARow));
    // A cell not shown has no client rectangle (the base grid's answer, empty).
    const TRect shown = TCustomGrid::CellRect(ACol, ARow);
    if (IsRectEmpty(shown)) return shown;
    return Bounds(shown.Left, shown.Top, ColWidths(ACol), RowHeights(ARow));
}

TPoint TBaseGrid::CellSize(Integer ACol, Integer ARow) const
{
    TRect r = VirtualCellRect(ACol, ARow);
    const TCellProperties* props = Props(ACol, ARow);
    if (props && (props->CellSpanX != -1 || props->CellSpanY != -1)) {
        const TPoint base = props->GetBaseCell(ACol, ARow);
        if (const TCellProperties* baseProps = Props(base.X, base.Y))
            r = Union(VirtualCellRect(base.X, base.Y),
                      VirtualCellRect(base.X + std::max(baseProps->CellSpanX, 0),
                                      base.Y + std::max(baseProps->CellSpanY, 0)));
    }
    return Point(r.Right - r.Left, r.Bottom - r.Top);
}

// Under an update lock (redraw off) the cell is gathered, to be repainted whole at the lock's end.
void TBaseGrid::RepaintCell(Integer ACol, Integer ARow)
{
    if (!HandleAllocated()) return;
    if (!IsRedrawEnabled(HandleIfAllocated())) {
        InvalidateCells({ACol, ARow, ACol, ARow});
        return;
    }
    const TRect r = CellRect(ACol, ARow);
    if (!IsRectEmpty(r)) ::gw::InvalidateRect(HandleIfAllocated(), &r, true);
}

TGridRect TBaseGrid::WholeCells(const TGridRect& Cells) const
{
    if (!FHasCellProps) return Cells;
    TGridRect w = Cells;
    // The merged cells that cross an edge: those of the cells on it (each edge's cells inside
    // the store only; a widened range is looked at again).
    auto take = [&](Integer C, Integer R) {
        const TCellProperties* props = Props(C, R);
        if (!props || (props->CellSpanX <= 0 && props->CellSpanY <= 0 && props->IsBaseCell)) return;
        const TRect full = FullCell(C, R);
        // A merge whose base moved away names cells outside the grid: none of those shows.
        w = {std::max(std::min(w.Left, full.Left), 0), std::max(std::min(w.Top, full.Top), 0),
             std::max(w.Right, full.Right), std::max(w.Bottom, full.Bottom)};
    };
    for (TGridRect seen{-1, -1, -2, -2}; !(seen == w);) {
        seen = w;
        const Integer left = std::max(w.Left, 0), top = std::max(w.Top, 0);
        const Integer right = std::min(w.Right, TotalColCount() - 1), bottom = std::min(w.Bottom, RowCount() - 1);
        if (right < left || bottom < top) break;
        for (Integer r = top; r <= bottom; ++r) {
            if (!CellStore().RowHasObjects(r)) continue;
            take(left, r);
            take(right, r);
        }
        for (Integer c = left; c <= right; ++c) {
            take(c, top);
            take(c, bottom);
        }
    }
    return w;
}

// --- painting ----------------------------------------------------------------------------------------

void TBaseGrid::Paint()
{
    TStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellCore(*Canvas(), ACol, ARow, true, AState, ARect);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellCore(ACanvas, ACol, ARow, true, AState, ARect);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellCore(ACanvas, ACol, ARow, false, AState, ARect);
}

void TBaseGrid::GetVisualProperties(Integer /*ACol*/, Integer /*ARow*/, TGridDrawState& /*AState*/, bool /*Print*/,
                                    bool /*Select*/, bool /*Remap*/, TBrush& /*ABrush*/, TFont& /*AFont*/,
                                    TCellLook& /*Look*/)
{
}

TRect TBaseGrid::CellBodyRect(const TRect& Cell, bool Fixed) const
{
    TRect body = Cell;
    if (Fixed) {
        body.Right -= 1;
        body.Bottom -= 2;
    } else {
        InflateRect(body, -FGridLineWidth, -FGridLineWidth);
    }
    return body;
}

void TBaseGrid::PaintCellBody(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect,
                              TGridDrawState /*AState*/)
{
    TRect r = ARect;
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.DrawText(GetCellEx(ACol, ARow), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TBaseGrid::PaintCellCore(TCanvas& ACanvas, Integer ACol, Integer ARow, bool Full, TGridDrawState AState,
                              const TRect& ARect)
{
    if (FHideLastRow && ARow == RowCount() - 1) {
        ACanvas.Brush()->SetColor(Color());
        ACanvas.Pen()->SetColor(Color());
        ACanvas.Rectangle(ARect);
        return;
    }
    Integer baseCol, baseRow;
    if (!ResolveBaseCell(ACol, ARow, baseCol, baseRow)) {
        // The whole merged cell, once per paint pass, through whichever of its cells comes first.
        TCellProperties* base = Props(baseCol, baseRow);
        if (base && base->PaintID != FPaintID) {
            base->PaintID = FPaintID;
            PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
        }
        return;
    }
    if (Full && IsFixed(ACol, ARow)) AState = TGridDrawState((AState | gdFixed) & ~gdSelected);
    // Painting measures from the edge the columns start at (the canvas mirrors right to left).
    const TRect r = Full ? MirrorClientRect(CellRect(ACol, ARow)) : ARect;

    const Integer fw = ACol >= FixedCols() ? Integer(ColStart(FixedCols())) : 0;
    const Integer fh = ARow >= FixedRows() ? Integer(RowStart(FixedRows())) : 0;
    const bool clip = (ACol >= FixedCols() && FixedCols() > 0 && r.Left < fw) ||
        (ARow >= FixedRows() && FixedRows() > 0 && r.Top < fh);
    const Integer saved = clip ? ACanvas.SaveDC() : 0;
    if (clip) ACanvas.IntersectClipRect(Rect(fw, fh, Width(), Height()));

    ACanvas.Pen()->SetWidth(1);
    ACanvas.SetFont(Font());
    // What a grid that sets no look paints with, not the last cell's colour.
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Brush()->SetColor(Color());
    TCellLook look;
    look.WW = WordWrap;
    GetVisualProperties(ACol, ARow, AState, false, true, true, *ACanvas.Brush(), *ACanvas.Font(), look);
    TBrush& brush = *ACanvas.Brush();
    const bool fixed = (AState & gdFixed) != 0, selected = (AState & gdSelected) != 0;
    if (HoverRow && ARow == FHoverRowIdx && !(selected && !(HoverRowCells & hcSelected)) &&
        !(fixed && !(HoverRowCells & hcFixed))) {
        brush.SetColor(HoverRowColor);
        look.ColorTo = HoverRowColorTo;
        look.MirrorColor = look.MirrorColorTo = clNone;
        look.GD = GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!Full && selected)) {
        brush.SetColor(FActiveRowColor);
        look.ColorTo = FActiveRowColorTo;
        look.MirrorColor = FActiveRowMirrorColor;
        look.MirrorColorTo = FActiveRowMirrorColorTo;
    }
    ACanvas.Pen()->SetColor(brush.Color());
    PaintBackground(ACanvas, ACol, r, AState, brush.Color(), look);
    PaintGridLines(ACanvas, ACol, r, AState);

    if (Full) PaintCellBody(ACanvas, ACol, ARow, CellBodyRect(r, fixed), AState);

    if (clip) ACanvas.RestoreDC(saved);
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Pen()->SetStyle(psSolid);
}

void TBaseGrid::PaintBackground(TCanvas& ACanvas, Integer ACol, const TRect& R, TGridDrawState AState,
                                TColor BrushColor, const TCellLook& Look)
{
    if ((AState & gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
        const TGridRect sel = Selection();
        TRect box = R;
        if (!(Options() & goHorzLine)) ++box.Bottom;
        if (!(Options() & goVertLine)) ++box.Right;
        const TSelectionColours& c = SelectionColours(FSelectionStyle, Focused() || (Options() & goDrawFocusSelected));
        DrawRoundedGradientBox(ACanvas, c.Fill, c.FillTo, c.Lower, c.LowerTo, c.LightLine, c.DarkLine, c.Border,
                               c.InnerCorner, Color(), box, PieceKind(ACol, sel.Left, sel.Right));
        return;
    }
    if (UsesAppStyles() && (AState & (gdFixed | gdSelected))) return;
    if (Look.MirrorColorTo == clNone)
        DrawGradientRect(ACanvas, BrushColor, Look.ColorTo, 64, R, Look.GD == GradientHorizontal);
    else
        DrawMirrorGradientRect(ACanvas, R, BrushColor, Look.ColorTo, Look.MirrorColor, Look.MirrorColorTo, true, clNone,
                               false, true);
}

void TBaseGrid::PaintGridLines(TCanvas& ACanvas, Integer ACol, const TRect& R, TGridDrawState AState)
{
    const bool fixed = (AState & gdFixed) != 0;
    Integer w = 0;
    if (fixed) {
        ACanvas.Pen()->SetColor(FGridFixedLineColor);
        ACanvas.Pen()->SetWidth(1);
        w = 1;
    } else if (FGridLineWidth > 0) {
        ACanvas.Pen()->SetColor(FGridLineColor);
        ACanvas.Pen()->SetWidth(FGridLineWidth);
        w = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions o = Options();
    // Right to left the canvas puts each line on the mirror image of its place (one mapped as a
    // mirrored device context would need a pixel's correction here).
    if (!(ACol == 0 && HasNodes()) && ((o & goHorzLine && !fixed) || (o & goFixedHorzLine && fixed))) {
        ACanvas.MoveTo(R.Left - w + 1, R.Bottom - w);
        ACanvas.LineTo(R.Right - w + 1, R.Bottom - w);
    }
    if ((o & goVertLine && !fixed) || (o & goFixedVertLine && fixed)) {
        ACanvas.MoveTo(R.Right - w, R.Bottom - w);
        ACanvas.LineTo(R.Right - w, R.Top - w);
    }
}

}  // namespace gw
