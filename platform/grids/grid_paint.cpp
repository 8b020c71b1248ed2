// TCustomGrid: painting - the shown cells only, each through DrawCell with its draw state, the
// grid lines as strips, the focus rectangle and the marks of a sizing or a move; mirrored as a
// whole with right-to-left alignment.
#include "platform/grids/custom_grid.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_controls.h"
#include "platform/grids/inplace_edit.h"

#include <algorithm>

namespace gw {

namespace {

struct TRange {
    Integer From = 0;
    Integer To = -1;
    bool Empty() const { return To < From; }
};

constexpr TColor FixedLineColor = clBlack;
constexpr TColor LineColor = clSilver;

}  // namespace

TGridDrawState TCustomGrid::DrawStateOf(Integer ACol, Integer ARow, const TGridRect& Selected) const
{
    if (ACol < m_fixedCols || ARow < m_fixedRows) return gdFixed;
    TGridDrawState state = 0;
    const bool focused = ACol == m_current.X && ARow == m_current.Y && Focused();
    if (focused) state |= gdFocused;
    if (Selected.Contains(ACol, ARow) && (!focused || (m_options & (goDrawFocusSelected | goRowSelect))))
        state |= gdSelected;
    return state;
}

void TCustomGrid::Paint()
{
    TCanvas& c = *Canvas();
    // Right-to-left, every cell is drawn as left to right on a canvas whose x runs from the
    // client's right edge.
    const TCanvasOrientationScope orientation(c, UseRightToLeftAlignment(), ClientWidth());
    TRect clip;
    if (!IntersectRect(clip, c.ClipRect(), ClientRect())) return;
    const TAxisView h = HorzView(), v = VertView();
    // The items of the fixed and of the scrolling part that reach into [Lo, Hi).
    auto fixedPart = [](const TGridAxis& Axis, const TAxisView& V, Integer Lo, Integer Hi) -> TRange {
        if (V.Fixed == 0 || Lo >= V.FixedExtent) return {};
        return {Axis.IndexAt(Lo), std::min(Axis.IndexAt(std::min<int64_t>(Hi, V.FixedExtent) - 1), V.Fixed - 1)};
    };
    auto scrollingPart = [](const TGridAxis& Axis, const TAxisView& V, Integer Lo, Integer Hi) -> TRange {
        if (V.LastPartial < V.First || Hi <= V.FixedExtent) return {};
        const int64_t lo = std::max<int64_t>(Lo, V.FixedExtent) - V.FixedExtent + V.FirstStart;
        const int64_t hi = int64_t(Hi) - 1 - V.FixedExtent + V.FirstStart;
        return {std::max(Axis.IndexAt(lo), V.First), std::min(Axis.IndexAt(hi), V.LastPartial)};
    };
    const TRange cols[] = {fixedPart(m_cols, h, clip.Left, clip.Right),
                           scrollingPart(m_cols, h, clip.Left, clip.Right)};
    const TRange rows[] = {fixedPart(m_rows, v, clip.Top, clip.Bottom),
                           scrollingPart(m_rows, v, clip.Top, clip.Bottom)};
    for (const TRange& r : rows)
        for (const TRange& col : cols)
            if (!r.Empty() && !col.Empty()) {
                PaintRegion(c, h, v, col.From, col.To, r.From, r.To, clip);
                PaintLines(c, h, v, col.From, col.To, r.From, r.To, &r == &rows[0] || &col == &cols[0]);
            }

    // Beyond the last column and row shown: the grid's colour.
    const Integer gridRight = GridWidth(), gridBottom = GridHeight();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    if (gridRight < client.Right) c.FillRect(Rect(gridRight, 0, client.Right, client.Bottom));
    if (gridBottom < client.Bottom) c.FillRect(Rect(0, gridBottom, gridRight, client.Bottom));

    // A selected row shows its focus around the data cells shown.
    if (m_defaultDrawing && (m_options & goRowSelect) && Focused()) {
        const TRect focus = BoxRect({m_fixedCols, m_current.Y, ColCount() - 1, m_current.Y});
        if (!IsRectEmpty(focus)) {
            // Inside the grid lines the box takes in.
            const TRect inner =
                Rect(focus.Left, focus.Top, focus.Right - GridLineWidth(), focus.Bottom - GridLineWidth());
            c.DrawFocusRect(inner);
        }
    }
    c.Brush()->SetColor(clWindowText);
    if (m_gridState == gsColSizing || m_gridState == gsRowSizing) c.FillRect(SizingLineRect());
    if ((m_gridState == gsColMoving || m_gridState == gsRowMoving) && m_movePos != m_moveIndex)
        c.FillRect(MovingMarkRect());
}

void TCustomGrid::PaintRegion(TCanvas& Canvas, const TAxisView& H, const TAxisView& V, Integer Col0, Integer Col1,
                              Integer Row0, Integer Row1, const TRect& Clip)
{
    const TGridRect selected = Selection();
    const bool editorShown = m_inplaceEdit && m_inplaceEdit->Visible();
    const bool raised = (m_options & (goFixedVertLine | goFixedHorzLine)) == (goFixedVertLine | goFixedHorzLine);
    for (Integer r = Row0; r <= Row1; ++r) {
        const Integer y = Integer(V.PixelOf(m_rows, r)), height = m_rows.Size(r);
        if (y >= Clip.Bottom || y + height <= Clip.Top) continue;
        for (Integer col = Col0; col <= Col1; ++col) {
            TRect cell = Bounds(Integer(H.PixelOf(m_cols, col)), y, m_cols.Size(col), height);
            const TGridDrawState state = DrawStateOf(col, r, selected);
            Canvas.Font()->Assign(Font());
            Canvas.Brush()->SetStyle(bsSolid);
            if (state & gdSelected) {
                Canvas.Brush()->SetColor(clHighlight);
                Canvas.Font()->SetColor(clHighlightText);
            } else {
                Canvas.Brush()->SetColor(state & gdFixed ? m_fixedColor : Color());
            }
            if (m_defaultDrawing) Canvas.FillRect(cell);
            DrawCell(col, r, cell, state);
            if (!m_defaultDrawing) continue;
            if ((state & gdFixed) && raised) {
                DrawEdge(Canvas, cell, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
                DrawEdge(Canvas, cell, BDR_RAISEDINNER, BF_TOPLEFT);
            }
            if ((state & gdFocused) && !editorShown && !(m_options & goRowSelect)) Canvas.DrawFocusRect(cell);
        }
    }
}

void TCustomGrid::PaintLines(TCanvas& Canvas, const TAxisView& H, const TAxisView& V, Integer Col0, Integer Col1,
                             Integer Row0, Integer Row1, bool FixedCells)
{
    const Integer lw = GridLineWidth();
    if (lw <= 0) return;
    const bool vert = m_options & (FixedCells ? goFixedVertLine : goVertLine);
    const bool horz = m_options & (FixedCells ? goFixedHorzLine : goHorzLine);
    const Integer left = Integer(H.PixelOf(m_cols, Col0)), right = Integer(H.PixelOf(m_cols, Col1 + 1));
    const Integer top = Integer(V.PixelOf(m_rows, Row0)), bottom = Integer(V.PixelOf(m_rows, Row1 + 1));
    auto verticals = [&] {
        for (Integer col = Col0; col <= Col1; ++col) {
            const Integer x = Integer(H.PixelOf(m_cols, col)) + m_cols.Size(col);
            Canvas.FillRect(Rect(x, top, x + lw, bottom));
        }
    };
    auto horizontals = [&] {
        for (Integer r = Row0; r <= Row1; ++r) {
            const Integer y = Integer(V.PixelOf(m_rows, r)) + m_rows.Size(r);
            Canvas.FillRect(Rect(left, y, right, y + lw));
        }
    };
    // Where lines are off the gaps take the cells' colour; the lines drawn go over them.
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(FixedCells ? m_fixedColor : Color());
    if (!vert) verticals();
    if (!horz) horizontals();
    Canvas.Brush()->SetColor(FixedCells ? FixedLineColor : LineColor);
    if (vert) verticals();
    if (horz) horizontals();
}

}  // namespace gw
