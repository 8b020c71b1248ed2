// The string grid's cell painter: the cell's own scroll bar, the looks of fixed cells, the
// modified mark, buttons that are always shown, text (plain, mark-up or rich), the selection
// rectangle, borders, the cell graphic, the custom-draw events and the focus rectangle, one cell
// at a time, in that order.
#include "grid/foundation/bitmap_drawing.h"
#include "grid/foundation/cell_button_faces.h"
#include "grid/foundation/cell_shapes.h"
#include "grid/foundation/colour_arithmetic.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/gradients.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/progress_drawing.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/text_utils.h"
#include "grid/interaction/search_panel.h"
#include "grid/model/background.h"
#include "grid/model/cell_node.h"
#include "grid/model/cell_paint_geometry.h"
#include "grid/model/check_box_place.h"
#include "grid/model/control_look.h"
#include "grid/model/floating_footer.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/show_modified.h"
#include "grid/model/sort_settings.h"
#include "platform/controls/scroll_bar.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/image_formats.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/pen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

namespace gw {

// What the painter's steps share about the cell being painted.
struct TExtStringGrid::TCellPaint {
    explicit TCellPaint(TCanvas& C) : Canvas(C) {}
    TCanvas& Canvas;
    Integer ACol = 0;
    Integer ARow = 0;
    Integer RealCol = 0;
    Integer SelectRow = 0;
    TRect R{};
    TGridDrawState State = 0;
    TCellLook Look;
    TCellGraphic* Graphic = nullptr;
    Integer GraphicW = 0;
    Integer GraphicH = 0;
    TCellHAlign GH = haLeft;
    TCellVAlign GV = vaTop;
    bool DrawText = true;
    TColor SavedBrush = clNone;
    TColor SavedFont = clNone;
    bool FixedCell = false;
    Integer TextWidth = 0;
    Integer SortGlyphOffset = 0;
    TColor URLColor = clNone;
    Integer ScrollPos = 0;
    bool FilterGlyph = false;
};

namespace {

// What the filter glyph takes of a cell's right side from its plain text, and from mark-up.
constexpr Integer FilterGlyphRoom = 16;
constexpr Integer MarkupFilterGlyphRoom = 18;

// The fixed-cell looks whose header the grid paints itself, as a gradient.
bool PaintsGradientHeader(TGridLook L)
{
    return L == glZEQ || L == glXP || L == glVista || L == glWin7 || L == glOffice2007;
}

Cardinal HorizontalFlag(TAlignment HA)
{
    if (HA == taRightJustify) return DT_RIGHT;
    if (HA == taCenter) return DT_CENTER;
    return DT_LEFT;
}

Cardinal VerticalFlag(TVAlignment VA)
{
    if (VA == vtaCenter) return DT_VCENTER;
    if (VA == vtaBottom) return DT_BOTTOM;
    return DT_TOP;
}

void Line(TCanvas& C, Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    C.MoveTo(X1, Y1);
    C.LineTo(X2, Y2);
}

// The part of Bitmap, placed with its top-left at At, that falls into R.
void DrawBackgroundBitmap(TCanvas& C, TBitmap& Bitmap, TPoint At, const TRect& R)
{
    const TRect placed = Bounds(At.X, At.Y, Bitmap.Width(), Bitmap.Height());
    TRect part;
    if (!IntersectRect(part, placed, R)) return;
    C.SetBkMode(TRANSPARENT);
    C.CopyRect(part, Bitmap.Canvas(), Rect(part.Left - At.X, part.Top - At.Y, part.Right - At.X, part.Bottom - At.Y));
}

// R covered with copies of Bitmap row by row from one pixel left of and above its top-left, the
// first tile starting at Offset inside the bitmap, every tile cut at R's right and bottom edges.
void TileBackgroundBitmap(TCanvas& C, TBitmap& Bitmap, TPoint Offset, const TRect& R)
{
    for (Integer y = R.Top - 1, sy = Offset.Y; y < R.Bottom; y += Bitmap.Height() - sy, sy = 0)
        for (Integer x = R.Left - 1, sx = Offset.X; x < R.Right; x += Bitmap.Width() - sx, sx = 0) {
            const Integer w = std::min(Bitmap.Width() - sx, R.Right - x);
            const Integer h = std::min(Bitmap.Height() - sy, R.Bottom - y);
            C.CopyRect(Bounds(x, y, w, h), Bitmap.Canvas(), Bounds(sx, sy, w, h));
        }
}

}  // namespace

void TExtStringGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    const TRect r = ARect;
    TBaseGrid::DrawCell(ACol, ARow, r, AState);
}

TCellGraphic* TExtStringGrid::PaintedGraphic(Integer RealCol, Integer ARow)
{
    // A graphic lives in the cell's properties; a plain cell has none to ask for.
    return CellHasProperties(RealCol, ARow) ? GetCellGraphic(RealCol, ARow) : nullptr;
}

void TExtStringGrid::PaintCellBody(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect,
                                   TGridDrawState AState)
{
    TCellPaint p(ACanvas);
    p.ACol = ACol;
    p.ARow = ARow;
    p.R = ARect;
    p.State = AState;
    p.RealCol = MapDisplToRealCol(ACol);
    p.SelectRow =
        m_mouseActions->DisjunctRowSelect() && m_mouseActions->RowSelectPersistent ? MapDisplToRealRow(ARow) : ARow;
    p.URLColor = URLColor;
    if (HasScrollBar(p.RealCol, ARow)) p.ScrollPos = PaintCellScrollBar(p);
    p.FilterGlyph = ShowsFilterGlyph(p.RealCol, ARow);

    // The visual properties, then the graphic's layout.
    p.Look.WW = m_wordWrap;
    GetVisualProperties(ACol, ARow, p.State, false, false, true, *ACanvas.Brush(), *ACanvas.Font(), p.Look);
    p.Graphic = PaintedGraphic(p.RealCol, ARow);
    CellGraphicLayout(p);
    if ((p.State & gdSelected) && !(p.State & gdFocused) && m_selectionColor == clNone)
        ACanvas.Brush()->SetColor(clHighlight);
    if (FZoomFactor != 0) ACanvas.Font()->SetSize(ACanvas.Font()->Size() + FZoomFactor);
    p.SavedBrush = ACanvas.Brush()->Color();
    p.SavedFont = ACanvas.Font()->Color();
    p.FixedCell = PaintsAsFixedCell(ACol, ARow);

    if (p.FixedCell) PaintFixedBackground(p);
    const Integer indicator = PaintRowIndicator(p);
    if (FLook == glListView && p.FixedCell && !FFlat) {
        ACanvas.Brush()->SetColor(clBtnFace);
        ACanvas.Pen()->SetColor(clWhite);
        ACanvas.Rectangle(p.R);
    }
    if (ACol == 0 && m_showModified->Enabled && GetRowModified(RealRowIndex(ARow))) {
        ACanvas.Brush()->SetColor(m_showModified->Color());
        ACanvas.Pen()->SetColor(m_showModified->Color());
        ACanvas.Rectangle(p.R.Right - 4, p.R.Top, p.R.Right, p.R.Bottom);
    }
    if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, &ACanvas, p.RealCol, ARow, p.State, p.R, false);

    const Integer savedRight = p.R.Right;
    if (!IsFixed(ACol, ARow)) PaintAlwaysButtons(p);
    const bool customOnly = NoDefaultDraw && (OnDrawCell || OnCustomCellDraw);
    if (!customOnly) DrawCellBody(p);
    p.R.Right = savedRight;
    ACanvas.Brush()->SetColor(p.SavedBrush);
    ACanvas.Font()->SetColor(p.SavedFont);
    InflateRect(p.R, 1, 1);
    DrawCellBorders(p, p.R);
    p.R.Left -= indicator;
    if (p.FixedCell && !FFlat) PaintFixedEdges(p);
    if (HasNodes() && p.RealCol == 0) PaintTreeLines(p);
    if (p.Graphic) {
        TRect g = p.R;
        if (p.FixedCell) ++g.Top;
        DrawCellGraphic(p, g);
    }
    if (OnDrawCell) {
        const TRect saved = p.R;
        p.R.Left += 1;
        p.R.Top += 1;
        p.R.Right -= GridLineWidth();
        p.R.Bottom -= GridLineWidth();
        OnDrawCell(this, p.RealCol, ARow, p.R, p.State);
        p.R = saved;
    }
    if (OnCustomCellDraw) OnCustomCellDraw(this, &ACanvas, p.RealCol, ARow, p.State, p.R, false);
    PaintFocusRect(p);
}

Integer TExtStringGrid::PaintCellScrollBar(TCellPaint& P)
{
    if (!FCellPaintScrollBar) {
        // Never shown: it only lays out and paints the bars of the cells.
        FCellPaintScrollBar = new TScrollBar(this);
        FCellPaintScrollBar->SetVisible(false);
        FCellPaintScrollBar->SetKind(sbVertical);
    }
    TScrollBar& bar = *FCellPaintScrollBar;
    const TPoint prop = GetScrollProp(P.RealCol, P.ARow);
    const Integer page = prop.X, range = prop.Y;
    if (range <= page) return 0;
    bar.SetParams(0, 0, range);
    bar.SetPageSize(page);
    bar.SetPosition(GetScrollPosition(P.RealCol, P.ARow));
    bar.SetHeight(P.R.Bottom - P.R.Top);
    P.R.Right -= bar.Width();
    DrawScrollBar(P.Canvas, Bounds(P.R.Right, P.R.Top, bar.Width(), bar.Height()), sbVertical, bar.Layout(), true);
    return bar.Position();
}

Integer TExtStringGrid::PaintRowIndicator(TCellPaint& P)
{
    TBitmap* b = m_rowIndicator.get();
    if (P.RealCol != 0 || P.ARow != Row() || FixedCols() <= 0 || !b || b->Empty()) return 0;
    if (RowCount() == FixedRows() && FixedRowAlways) return 0;
    Integer y = P.R.Top;
    if (VAlignment == vtaCenter) y = P.R.Top + (P.R.Bottom - P.R.Top - b->Height()) / 2;
    if (VAlignment == vtaBottom) y = P.R.Bottom - b->Height();
    DrawTransparentBitmap(P.Canvas, b, clNone, Bounds(P.R.Left + 2, y, b->Width(), b->Height()));
    P.R.Left += b->Width() + 2;
    return b->Width() + 2;
}

void TExtStringGrid::PaintFixedBackground(TCellPaint& P)
{
    if (!PaintsGradientHeader(FLook)) return;
    TCanvas& c = P.Canvas;
    TRect r = P.R;
    const bool hover = HoverFixedCells != hfNone && IsHoverFixedCell(P.ACol, P.ARow) &&
        ((FHoverFixedX == P.ACol && FHoverFixedY == P.ARow && GridState() != gsColMoving) ||
         (GridState() == gsColMoving && FHoverFixedX == P.ACol));
    if (hover) {
        ++r.Bottom;
        const bool down = FMouseDown || GridState() == gsColMoving;
        if (down)
            DrawMirrorGradientRect(c, r, m_zeqGradientDownFrom, m_zeqGradientDownTo, m_zeqGradientDownMirrorFrom,
                                   m_zeqGradientDownMirrorTo, true, m_zeqGradientDownBorder, false, true);
        else
            DrawMirrorGradientRect(c, r, m_zeqGradientHoverFrom, m_zeqGradientHoverTo, m_zeqGradientHoverMirrorFrom,
                                   m_zeqGradientHoverMirrorTo, true, m_zeqGradientHoverBorder, false, true);
        return;
    }
    if (m_activeCellShow && IsActiveHeaderCell(P.RealCol, P.ARow)) {
        DrawGradientRect(c, m_activeCellColor, m_activeCellColorTo, 64, r, false);
        return;
    }
    const TSortSettings& s = *m_sortSettings;
    if (s.Column != -1 && s.HeaderColor() != clNone && s.Column == P.RealCol && P.ARow == FixedRows() - 1 &&
        (P.ACol >= FixedCols() || s.FixedCols)) {
        DrawMirrorGradientRect(c, r, s.HeaderColor(), s.HeaderColorTo(), s.HeaderMirrorColor(), s.HeaderMirrorColorTo(),
                               true, clNone, true, true);
        return;
    }
    if (FFlat) return;
    DrawMirrorGradientRect(c, r, c.Brush()->Color(), P.Look.ColorTo, P.Look.MirrorColor, P.Look.MirrorColorTo, true,
                           FLook == glVista ? clWhite : clNone, true, true);
}

void TExtStringGrid::PaintFixedEdges(TCellPaint& P)
{
    TCanvas& c = P.Canvas;
    TRect r = P.R;
    const TColor dark = HalveColor(FixedColor());
    const bool horz = Options() & goFixedHorzLine, vert = Options() & goFixedVertLine;
    const auto darkThenWhite = [&](Integer WhiteRight) {
        c.Pen()->SetColor(dark);
        Line(c, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
        c.Pen()->SetColor(clWhite);
        Line(c, WhiteRight, r.Top + 1, r.Left + 1, r.Top + 1);
        c.LineTo(r.Left + 1, r.Bottom - 1);
    };
    switch (FLook) {
    case glClassic: {
        ++r.Top;
        ++r.Bottom;
        ++r.Left;
        TRect e = r;
        DrawEdge(c, e, BDR_RAISEDINNER, BF_LEFT);
        e = r;
        DrawEdge(c, e, BDR_RAISEDINNER, BF_TOP);
        e = r;
        DrawEdge(c, e, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
        c.Pen()->SetColor(clBlack);
        Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        c.LineTo(r.Left - 1, r.Bottom - 1);
        break;
    }
    case glZEQ:
    case glXP:
        ++r.Bottom;
        if (horz) darkThenWhite(r.Right - 2);
        break;
    case glSoft:
        ++r.Right;
        ++r.Bottom;
        if (horz) darkThenWhite(r.Right);
        if (vert) {
            c.Pen()->SetColor(dark);
            Line(c, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
            c.Pen()->SetColor(clWhite);
            Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        }
        break;
    default: break;
    }
}

TColor TExtStringGrid::OwnCellColor(Integer RealCol, Integer ARow)
{
    // A colour of its own lives in the cell's properties; a plain cell has none.
    return CellHasProperties(RealCol, ARow) ? GetColors(RealCol, ARow) : clNone;
}

void TExtStringGrid::PaintCellBackground(TCellPaint& P)
{
    const TBackGround& bg = *m_backGround;
    TBitmap* bitmap = bg.Bitmap();
    const bool hasBitmap = bitmap && !bitmap->Empty();
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    if (!hasBitmap && !gradient) return;
    const bool kindMatches = P.FixedCell ? bg.Cells() != bcNormal : bg.Cells() != bcFixed;
    if (!kindMatches) return;
    TCanvas& c = P.Canvas;
    const bool selected = (P.State & gdSelected) != 0, focused = (P.State & gdFocused) != 0;
    const Integer g = GridLineWidth();
    if (hasBitmap && !(ShowSelection && selected) && OwnCellColor(P.RealCol, P.ARow) == clNone) {
        TRect r = P.R;
        r.Left -= g - 1;
        r.Top -= g - 1;
        if (bg.Display() == bdTile) {
            // The cell's place in the tiled plane, from the sizes before it: no walk over the rows.
            const Integer firstCol = bg.Cells() == bcNormal ? FixedCols() : 0;
            const Integer firstRow = bg.Cells() == bcNormal ? FixedRows() : 0;
            const Integer x0 =
                Integer((ColStart(P.RealCol) - ColStart(std::min(firstCol, P.RealCol))) % bitmap->Width());
            const Integer y0 = Integer((RowStart(P.ARow) - RowStart(std::min(firstRow, P.ARow))) % bitmap->Height());
            TileBackgroundBitmap(c, *bitmap, Point(x0, y0), r);
        } else {
            DrawBackgroundBitmap(c, *bitmap, Point(bg.Left(), bg.Top()), r);
        }
    }
    if (!gradient) return;
    const TCellType type = P.Graphic ? P.Graphic->CellType : ctEmpty;
    const bool control =
        type == ctCheckBox || type == ctDataCheckBox || type == ctRadio || type == ctButton || type == ctRadioButton;
    const bool plain = ((!selected || focused) && (!focused || !(Options() & goDrawFocusSelected))) || !ShowSelection;
    if (!plain || !(control || OwnCellColor(P.RealCol, P.ARow) == clNone)) return;
    const TRect r = Rect(P.R.Left - 1, P.R.Top - g, P.R.Right, P.R.Bottom + g - 1);
    const bool horz = bg.Display() == bdGradientHorz;
    const Integer extent = horz ? Width() : Height();
    const TColor from = BlendColors(bg.Color(), bg.ColorTo(), 0, extent, horz ? r.Left : r.Top);
    const TColor to = BlendColors(bg.Color(), bg.ColorTo(), 0, extent, horz ? r.Right : r.Bottom);
    c.Brush()->SetColor(to);
    c.Pen()->SetColor(to);
    PaintGradientBands(c, from, to, 128, r, horz);
}

TCellButtonLook TExtStringGrid::ButtonLook() const
{
    // Without visual styles the themed look is the classic one.
    if (FFlat && FTones.Background.BrushColor != clNone) return TCellButtonLook::Custom;
    return m_controlLook->FlatButton() ? TCellButtonLook::Flat : TCellButtonLook::Classic;
}

void TExtStringGrid::PaintAlwaysButtons(TCellPaint& P)
{
    const TControlLook& look = *m_controlLook;
    if (!look.DropDownAlwaysVisible() && !look.SpinButtonsAlwaysVisible()) return;
    const TCellButtonLook buttonLook = ButtonLook();
    bool canEdit = true;
    CanEditCell(RealColIndex(P.ACol), P.ARow, canEdit);
    const TCellButtonState state = canEdit ? TCellButtonState::Normal : TCellButtonState::Disabled;
    const TColorTones& tones = FTones;
    if (look.DropDownAlwaysVisible() && HasComboBox(P.RealCol, P.ARow)) {
        DrawComboDropButton(P.Canvas, HandleIfAllocated(), Rect(P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom),
                            buttonLook, state, tones);
        P.R.Right -= 16;
    }
    if (look.SpinButtonsAlwaysVisible() && HasSpinEdit(P.RealCol, P.ARow)) {
        DrawSpinButtons(P.Canvas, HandleIfAllocated(), P.R, buttonLook, state, tones);
        P.R.Right -= 16;
    }
}

void TExtStringGrid::PaintTreeLines(TCellPaint& P)
{
    const TCellNode& node = *m_cellNode;
    if (P.ARow < FixedRows() || !node.ShowTree()) return;
    TCanvas& c = P.Canvas;
    TRect r = P.R;
    c.Pen()->SetColor(node.TreeColor());
    c.Pen()->SetWidth(1);
    const Integer indent = node.NodeIndent();
    r.Left = RowNodeIndent(P.ARow);
    const Integer x = r.Left - indent + indent / 2 + 2;
    const Integer mid = r.Top + (r.Bottom - r.Top) / 2;
    const auto levelOf = [this](Integer ARow) {
        return CellHasProperties(0, ARow) ? GetCellProperties(0, ARow)->NodeLevel : 0;
    };
    const Integer level = levelOf(P.ARow);
    if (level > 0) Line(c, x, mid, node.ShowTreeFull() ? r.Right : r.Left + 4, mid);
    const Integer span = GetNodeSpan(P.ARow);
    if (span == 1) Line(c, x, r.Top, x, mid);
    if (span == 2) Line(c, x, r.Top, x, r.Bottom + 4);
    const bool lastRow = P.ARow >= RowCount() - 1;
    for (Integer i = 1; i <= level; ++i) {
        const Integer xi = x - indent * i;
        Line(c, xi, r.Top, xi, mid);
        if (lastRow) {
            if (i < level) c.LineTo(x + indent - indent * i, mid);
        } else if (levelOf(P.ARow + 1) != 0) {
            c.LineTo(xi, r.Bottom + 4);
        } else if (i < level) {
            c.LineTo(x + indent - indent * i, mid);
        }
    }
    c.Pen()->SetStyle(psSolid);
}

void TExtStringGrid::DrawCellBody(TCellPaint& P)
{
    TCanvas& c = P.Canvas;
    const bool rowSelected = (Options() & goRowSelect) && P.RealCol >= FixedCols() &&
        P.RealCol < ColCount() - FFixedRightCols && GetRowSelect(P.SelectRow);
    if (((P.State & gdSelected) || rowSelected) && !IsFixed(DisplColIndex(P.RealCol), P.SelectRow)) {
        if (ShowSelection) {
            if (m_selectionColor != clNone) c.Brush()->SetColor(m_selectionColor);
            if (m_selectionTextColor != clNone && Enabled()) c.Font()->SetColor(m_selectionTextColor);
            P.URLColor = m_selectionTextColor;
        } else if (!Focused() || (P.Graphic && HasCheckBox(P.RealCol, P.ARow))) {
            c.Brush()->SetColor(P.SavedBrush);
            c.Font()->SetColor(P.SavedFont);
            P.URLColor = URLColor;
        }
    }
    String text;
    try {
        text = GetFormattedCell(P.RealCol, P.ARow);
    } catch (const Exception&) {
        // A column format that does not fit the cell (or is no format) shows the cell as it is.
        text = GetCellEx(P.RealCol, P.ARow);
    }
    if (IsPasswordCell(P.RealCol, P.ARow)) FillWithChar(text, PasswordChar);

    if (P.FilterGlyph) DrawFilterGlyph(c, P.R, P.RealCol);
    PaintCellBackground(P);
    if (SelectionRectangle && !IsFixed(P.ACol, P.ARow) && CellInGridRect(Selection(), P.ACol, P.ARow)) {
        const TGridRect sel = Selection();
        const Integer g = GridLineWidth();
        const TRect& r = P.R;
        c.Pen()->SetColor(SelectionRectangleColor);
        c.Pen()->SetWidth(2);
        if (P.ACol == sel.Left) Line(c, r.Left - g + 1, r.Bottom, r.Left - g + 1, r.Top - g);
        if (P.ACol == sel.Right) Line(c, r.Right - 1, r.Bottom, r.Right - 1, r.Top - g);
        const Integer right = P.ACol == sel.Right ? r.Right - 1 : r.Right;
        if (P.ARow == sel.Top) Line(c, r.Left - g, r.Top - g + 1, right, r.Top - g + 1);
        if (P.ARow == sel.Bottom) Line(c, r.Left - g, r.Bottom, right, r.Bottom);
        if (SelectionResizer && P.ACol == sel.Right && P.ARow == sel.Bottom) {
            const TColor saved = c.Brush()->Color();
            // In the measure the cell is painted in: right to left the canvas mirrors it.
            const TRect cell = MirrorClientRect(CellRect(P.ACol, P.ARow));
            c.Brush()->SetColor(SelectionRectangleColor);
            c.Rectangle(r.Right - 4, r.Bottom - 4, cell.Right, cell.Bottom);
            c.Brush()->SetColor(saved);
        }
        c.Pen()->SetWidth(1);
    }
    TRect textRect = P.R;
    if (IsFixed(P.ACol, P.ARow)) {
        textRect.Left += GridLineWidth();
        textRect.Top += GridLineWidth();
    }
    // A scrolled cell shows its text moved up, cut at the cell's edges.
    const Integer saved = P.ScrollPos > 0 ? c.SaveDC() : 0;
    if (P.ScrollPos > 0) {
        c.IntersectClipRect(P.R);
        textRect.Top -= P.ScrollPos;
    }
    if (P.DrawText) DrawCellText(P, textRect, std::move(text));
    if (P.ScrollPos > 0) c.RestoreDC(saved);
}

void TExtStringGrid::DrawCellText(TCellPaint& P, TRect R, String Text)
{
    TCanvas& c = P.Canvas;
    R.Left += XYOffset.X;
    R.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly) R.Right -= XYOffset.X;
    const TAlignment ha = P.Look.HA;
    if (P.Graphic) {
        if (ha == taLeftJustify && P.GH == haBeforeText) R.Left += P.GraphicW;
        if (P.GH == haLeft) P.SortGlyphOffset = P.GraphicW;
        if (P.GH == haAfterText) R.Right -= P.GraphicW;
        if (ha != taLeftJustify && P.GH == haBeforeText) R.Left += P.GraphicW;
        if (P.GV == vaAboveText) R.Top += P.GraphicH;
        if (P.GV == vaUnderText) R.Bottom -= P.GraphicH;
    }
    if (P.RealCol == 0 && HasNodes() && !IsNode(P.ARow)) R.Left += RowNodeIndent(P.ARow);
    const bool sortCell = ShowsSortIndicator(P.RealCol, P.ARow);
    const auto sortY = [&](const TRect& Cell) {
        if (P.Look.VA == vtaCenter) return Cell.Top + (Cell.Bottom - Cell.Top) / 2;
        if (P.Look.VA == vtaBottom) return Cell.Bottom - 8;
        return Cell.Top + 8;
    };

    const TCellTextKind kind = ClassifyCellText(Text, EnableHTML);
    if (kind == ctkRichText) {
        c.Pen()->SetColor(c.Brush()->Color());
        const bool unfocusedSelection = (P.State & gdSelected) && !(P.State & gdFocused) && m_selectionColor == clNone;
        if (!unfocusedSelection) c.Rectangle(R);
        c.Brush()->SetStyle(bsClear);
        DrawRichCell(P.RealCol, P.ARow, R, c);
        c.Brush()->SetStyle(bsSolid);
        c.Font()->SetColor(clBlack);
        return;
    }
    // The filter glyph keeps its corner free of text.
    if (kind == ctkMarkup) {
        if (P.FilterGlyph) R.Right -= MarkupFilterGlyphRoom;
        R.Left -= 1;
        if (sortCell) R.Right -= 10;
        TMarkupDrawArgs args;
        args.Canvas = &c;
        args.Text = Text;
        args.Rect = UnmirroredRect(c, R);
        args.ShadowColor = TColor(0x808080);
        args.AnchorColor = P.URLColor;
        args.BlinkOn = !FGridBlink;
        args.HoverMode = URLUnderlineOnHover;
        args.HoverAnchor = FHoverCell.X == P.ACol && FHoverCell.Y == P.ARow ? FHoverlink : -1;
        args.PictureCache = m_imageCache.get();
        args.PictureContainer = m_pictureContainer;
        args.Selected = (P.State & gdSelected) != 0;
        args.WordWrap = P.Look.WW;
        args.BiDiMode = Byte(BiDiMode());
        {
            const TCanvasOrientationScope leftToRight(c, false, 0);
            P.TextWidth = DrawMarkupText(args).UsedWidth + 2;
        }
        if (sortCell) DrawSortIndicator(c, P.RealCol, sortY(P.R), R.Right + 2);
        return;
    }

    if (ha == taCenter && sortCell) R.Left += 10;
    const bool url = URLShow() && IsURL(Text);
    if (url) {
        if (!URLFull()) StripURLProtocol(Text);
        c.Font()->SetStyle(c.Font()->Style() | fsUnderline);
        c.Font()->SetColor(P.URLColor);
    }
    Cardinal flags = DT_EDITCONTROL;
    if (CountLines(Text, Multilinecells) == 1 && !P.Look.WW) {
        String rest = Text, first;
        ExtractFirstLine(rest, false, first);
        Text = first;
        flags |= DT_SINGLELINE;
        if (EnhTextSize) flags |= DT_END_ELLIPSIS;
    }
    if (P.Look.WW && !Multilinecells && EnhTextSize) flags |= DT_END_ELLIPSIS;
    flags |= DT_EXPANDTABS | DT_NOPREFIX | HorizontalFlag(ha) | VerticalFlag(P.Look.VA);
    flags |= (P.Look.WW || Multilinecells) ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
    flags = DrawTextBiDiModeFlags(flags);
    c.SetBkMode(TRANSPARENT);
    if (P.FilterGlyph) R.Right -= FilterGlyphRoom;
    if (P.Graphic && !Text.empty()) {
        TRect m = R;
        c.DrawText(Text, m, flags | DT_CALCRECT);
        P.TextWidth = m.Right - m.Left + 2;
    }
    {
        // Right to left the text reads from its mirrored place, not mirror-image.
        TRect at = UnmirroredRect(c, R);
        const TCanvasOrientationScope leftToRight(c, false, 0);
        c.DrawText(Text, at, flags);
    }
    if (sortCell) {
        TRect cell = P.R;
        if (P.FilterGlyph) cell.Right -= FilterGlyphRoom;
        const Integer q = std::max(0, std::min(cell.Right - cell.Left - 16, c.TextWidth(Text)));
        Integer x = cell.Left + 8;
        if (ha == taLeftJustify) x = cell.Left + q + P.SortGlyphOffset + 10;
        if (ha == taRightJustify) x = cell.Right - q - 10;
        const Integer pos = SortIndexes().FindIndex(P.RealCol);
        if (pos < 1 || m_sortSettings->IndexShow) DrawSortIndicator(c, P.RealCol, sortY(cell), x);
    }
    if (url) c.Font()->SetStyle(c.Font()->Style() & ~fsUnderline);
}

TRect TExtStringGrid::UnmirroredRect(const TCanvas& ACanvas, const TRect& R) const
{
    if (!UseRightToLeftAlignment()) return R;
    if (FNoRTLOrientation) {
        TRect r = R;
        OffsetRect(r, -XYOffset.X, 0);
        return r;
    }
    if (!ACanvas.RightToLeftOrientation()) return R;
    const Integer w = ACanvas.MirrorWidth();
    return {w - R.Right, R.Top, w - R.Left, R.Bottom};
}

bool TExtStringGrid::ShowsSortIndicator(Integer RealCol, Integer ARow)
{
    const TSortSettings& s = *m_sortSettings;
    if (!s.Show() || ARow != s.Row() || RowCount() <= FixedRows() + 1 || FixedRows() <= 0) return false;
    if (RealCol < FixedCols() && !s.FixedCols) return false;
    return RealCol == s.Column || SortIndexes().FindIndex(RealCol) >= 0;
}

void TExtStringGrid::DrawCellBorders(TCellPaint& P, TRect R)
{
    TCanvas& c = P.Canvas;
    TPen saved;
    saved.Assign(c.Pen());
    TCellBorders borders = 0;
    GetCellBorder(P.RealCol, P.ARow, c.Pen(), borders);
    // Most cells have no border of their own: nothing to draw, only the pen to put back.
    if (borders == 0 && !OnGetCellBorderProp) {
        c.SetPen(&saved);
        return;
    }
    TPen left, top, right, bottom;
    left.Assign(c.Pen());
    top.Assign(c.Pen());
    right.Assign(c.Pen());
    bottom.Assign(c.Pen());
    if (OnGetCellBorderProp) OnGetCellBorderProp(this, P.ARow, P.RealCol, &left, &top, &right, &bottom);
    const Integer h = (c.Pen()->Width() + 1) / 2;
    const Integer lx = (Options() & goVertLine) ? h : 0, ly = (Options() & goHorzLine) ? h : 0;
    const Integer g = GridLineWidth();
    R.Left += lx;
    R.Bottom -= ly;
    if (borders & cbLeft) {
        c.SetPen(&left);
        Line(c, std::max(0, R.Left), R.Top, std::max(0, R.Left), R.Bottom);
    }
    R.Right -= lx;
    if (borders & cbRight) {
        c.SetPen(&right);
        Line(c, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    }
    if (borders & cbTop) {
        c.SetPen(&top);
        R.Top += ly;
        const Integer y = g != 0 ? std::max(0, R.Top - g) : R.Top + 1;
        Line(c, R.Left, y, R.Right, y);
    }
    if (borders & cbBottom) {
        c.SetPen(&bottom);
        Line(c, R.Left - g - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
    }
    c.SetPen(&saved);
}

void TExtStringGrid::CellGraphicLayout(TCellPaint& P)
{
    if (!P.Graphic) return;
    const TCellGraphic& g = *P.Graphic;
    P.GH = g.CellHAlign;
    P.GV = g.CellVAlign;
    const auto size = [&P](Integer W, Integer H) {
        P.GraphicW = W;
        P.GraphicH = H;
    };
    switch (g.CellType) {
    case ctBitmap:
        if (const TBitmap* b = g.Bitmap()) size(b->Width(), b->Height());
        break;
    case ctIcon:
        if (const TIcon* i = g.CellIcon()) size(i->Width(), i->Height());
        break;
    case ctCheckBox:
    case ctTriStateCheckBox: size(m_controlLook->CheckSize(), m_controlLook->CheckSize()); break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        size(m_controlLook->CheckSize(), m_controlLook->CheckSize());
        P.DrawText = false;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: P.DrawText = false; break;
    case ctButton:
    case ctBitButton: size(g.CellIndex & 0xFFFF, (g.CellIndex >> 16) & 0xFFFF); break;
    case ctProgressPie: size(20, 20); break;
    case ctInterface:
        if (const ICellPainter* painter = g.Painter()) size(painter->GetWidth(), painter->GetHeight());
        break;
    case ctRadioButton: size(m_controlLook->RadioSize() + 4, m_controlLook->RadioSize() + 4); break;
    case ctShape: {
        const Integer side = RowHeights(P.ARow) - 2 * XYOffset.Y;
        size(side, side);
        break;
    }
    case ctRating:
        size(g.CellAngle * 18, 16);
        P.DrawText = false;
        break;
    case ctImageList:
    case ctDataImage:
        if (const TCustomImageList* list = GetCellImageList(P.RealCol, P.ARow)) {
            size(list->Width(), list->Height());
            P.DrawText = g.CellType == ctImageList;
        }
        break;
    case ctImages:
        if (const TCustomImageList* list = GetCellImageList(P.RealCol, P.ARow)) {
            const Integer count = g.IntList() ? g.IntList()->Count() : 0;
            if (g.CellBoolean)
                size(count * list->Width(), list->Height());
            else
                size(list->Width(), count * list->Height());
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint fitted = g.GetPictureSize(P.R.Right - P.R.Left, P.R.Bottom - P.R.Top, true);
        size(fitted.X, fitted.Y);
        break;
    }
    default: break;
    }
    if (P.RealCol == 0 && HasNodes() && IsNode(P.ARow)) P.GraphicW = GetNodeLevel(P.ARow) * 12 + 4;
}

double TExtStringGrid::PaintedFloat(Integer RealCol, Integer ARow)
{
    // A text that is no number shows as 0: painting reports nothing.
    try {
        return GetFloats(RealCol, ARow);
    } catch (const Exception&) {
        return 0;
    }
}

Integer TExtStringGrid::PaintedInt(Integer RealCol, Integer ARow)
{
    try {
        return GetInts(RealCol, ARow);
    } catch (const Exception&) {
        return 0;
    }
}

void TExtStringGrid::DrawCellGraphic(TCellPaint& P, TRect R)
{
    TCellGraphic& gr = *P.Graphic;
    const TCellType type = gr.CellType;
    TCanvas& c = P.Canvas;
    const TControlLook& look = *m_controlLook;
    const TRect area = R;
    if (type != ctNode && type != ctProgress && type != ctRangeIndicator && type != ctXPProgress)
        InflateRect(R, -(XYOffset.X - 1), -(XYOffset.Y - 1));
    TRect at = PlaceCellGraphic(R, P.GraphicW, P.GraphicH, P.GH, P.GV, P.Look.HA, P.TextWidth);
    bool enabled = true;
    CanEditCell(P.RealCol, P.ARow, enabled);
    switch (type) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton: DrawCheckTypeGraphic(P, area); break;
    case ctBitmap:
        if (TBitmap* b = gr.Bitmap()) {
            if (gr.CellTransparent)
                DrawTransparentBitmap(c, b, clNone, Bounds(at.Left, at.Top, b->Width(), b->Height()));
            else
                c.Draw(at.Left, at.Top, b);
        }
        break;
    case ctIcon:
        if (TIcon* i = gr.CellIcon()) c.Draw(at.Left, at.Top, i);
        break;
    case ctRotated: DrawRotatedText(P, R); break;
    case ctNode: DrawNodeGlyph(c, P.RealCol, P.ARow, P.State, P.SelectRow, R); break;
    case ctImageList:
    case ctDataImage:
    case ctImages:
    case ctPicture:
    case ctFilePicture: DrawImageGraphic(c, gr, P.RealCol, P.ARow, at); break;
    case ctRadio:
        DrawRadioGlyph(c, R, gr.CellAngle, gr.CellIndex, gr.CellBoolean, !enabled, gr.Strings(),
                       (P.State & gdSelected) != 0, P.RealCol, P.ARow, look.ControlStyle(), 1.0, false);
        break;
    case ctProgress: {
        InflateRect(R, -2, -2);
        const TColor bar = gr.CellBitmapColor, back = gr.CellIconColor;
        const TColor barText = gr.CellBoolean ? TColor(gr.CellIndex) : TColor(ColorToRGB(bar) ^ 0xFFFFFF);
        const TColor backText = gr.CellBoolean ? TColor(gr.CellAngle) : TColor(ColorToRGB(back) ^ 0xFFFFFF);
        DrawCellProgressBar(c, R, bar, barText, back, backText, PaintedFloat(P.RealCol, P.ARow), look.ProgressMarginX(),
                            look.ProgressMarginY(), gr.CellErrFrom, gr.CellErrLen, gr.CellText,
                            look.ProgressBorderColor(), false);
        break;
    }
    case ctComment:
        if (look.CommentColor() != clNone) {
            const TColor colour = gr.CellAngle != Integer(clNone) ? TColor(gr.CellIndex) : look.CommentColor();
            c.Pen()->SetColor(colour);
            c.Brush()->SetColor(colour);
            const Integer x = R.Right + XYOffset.X, y = R.Top - XYOffset.Y + 1;
            const std::array<TPoint, 3> corner{Point(x - 8, y), Point(x - 3, y), Point(x - 3, y + 5)};
            c.Polygon(corner);
            c.Brush()->SetColor(Color());
        }
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawButtonGraphic(P, at, enabled || look.NoDisabledButtonLook()); break;
    case ctProgressPie:
        DrawCellProgressPie(c, Bounds(at.Left, at.Top, 20, 20), gr.CellBitmapColor, gr.CellAngle, false);
        break;
    case ctRangeIndicator:
        InflateRect(R, -look.ProgressMarginX(), -look.ProgressMarginY());
        DrawRangeIndicator(c, R, PaintedInt(P.RealCol, P.ARow), gr.CellIndex, gr.CellBoolean, gr.CellIconColor,
                           gr.CellBitmapColor);
        break;
    case ctXPProgress: {
        TProgressLook l;
        const TGridProgressAppearance& a = *m_progressAppearance;
        l.Level0Color = a.Level0Color();
        l.Level0ColorTo = a.Level0ColorTo();
        l.Level1Color = a.Level1Color();
        l.Level1ColorTo = a.Level1ColorTo();
        l.Level2Color = a.Level2Color();
        l.Level2ColorTo = a.Level2ColorTo();
        l.Level3Color = a.Level3Color();
        l.Level3ColorTo = a.Level3ColorTo();
        l.Level1Perc = a.Level1Perc();
        l.Level2Perc = a.Level2Perc();
        l.ShowBorder = a.ShowBorder();
        l.BorderColor = a.BorderColor();
        l.Stacked = a.Stacked();
        l.ShowPercentage = a.ShowPercentage();
        l.CompletionSmooth = a.CompletionSmooth();
        l.ShowGradient = a.ShowGradient();
        l.Font = Font();
        l.CompleteFontColor = a.CompleteFontColor();
        l.Steps = a.Steps();
        l.UnCompleteColor = a.UnCompleteColor() == clNone ? c.Brush()->Color() : a.UnCompleteColor();
        InflateRect(R, -look.ProgressMarginX(), -look.ProgressMarginY());
        --R.Right;
        --R.Bottom;
        DrawXPProgressBar(c, R, XPProgressPercent(PaintedInt(P.RealCol, P.ARow), gr.CellErrFrom, gr.CellErrLen), l);
        break;
    }
    case ctInterface:
        if (ICellPainter* painter = gr.Painter())
            painter->Draw(c, Rect(R.Left - 1, R.Top - 1, R.Right, R.Bottom), P.RealCol, P.ARow,
                          (P.State & gdSelected) != 0, this);
        break;
    case ctShape:
        DrawCellShape(c, at.Left, at.Top, at.Right - at.Left - 1, at.Bottom - at.Top - 1, TCellShape(gr.CellAngle),
                      gr.CellBitmapColor, TColor(gr.CellIndex));
        break;
    case ctRating: {
        const double rating = std::trunc(PaintedFloat(P.RealCol, P.ARow) * 2) / 2;
        Integer x = at.Left;
        for (Integer i = 0; i < gr.CellAngle; ++i, x += 18) {
            const bool empty = i + 1 > rating;
            const TColor colour = empty ? gr.CellBitmapColor : TColor(gr.CellIndex);
            DrawCellShape(c, x, at.Top, 16, 16, csStar, colour, colour);
            if (empty && i < rating)
                DrawCellShape(c, x, at.Top, 16, 16, csHalfStar, TColor(gr.CellIndex), TColor(gr.CellIndex));
        }
        break;
    }
    default: break;
    }
}

bool TExtStringGrid::PaintsAsFixedCell(Integer ACol, Integer ARow)
{
    return (IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows()) &&
        !(HoverRow && ARow == FHoverRowIdx && (HoverRowCells & hcFixed));
}

TRect TExtStringGrid::CellGraphicArea(Integer ACol, Integer ARow)
{
    // The body the base grid hands the painter, which widens it by a pixel each way for the
    // graphic; a fixed cell's graphic starts a pixel lower.
    const bool fixedBody = ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
    TRect r = CellBodyRect(CellRect(ACol, ARow), fixedBody);
    InflateRect(r, 1, 1);
    if (PaintsAsFixedCell(ACol, ARow)) ++r.Top;
    return r;
}

TRect TExtStringGrid::CheckBoxBounds(Integer RealCol, Integer ARow, const TCellGraphic& G, const TRect& Area)
{
    TCheckBoxPlacement p;
    p.Area = Area;
    p.Offset = XYOffset;
    p.Kind = G.CellType;
    p.Size = G.CellType == ctRadioButton ? m_controlLook->RadioSize() : m_controlLook->CheckSize();
    TVAlignment va = VAlignment;
    CellAlignment(RealCol, ARow, p.HAlign, va);
    p.VAlign = G.CellVAlign;
    // A cell aligned apart from the grid takes its box along.
    if (va != VAlignment) p.VAlign = va == vtaCenter ? vaCenter : va == vtaBottom ? vaBottom : vaTop;
    // Only a box beside right-aligned or centred text moves with the text's width.
    const bool besideText = G.CellType == ctCheckBox || G.CellType == ctTriStateCheckBox || G.CellType == ctRadioButton;
    if (besideText && p.HAlign != taLeftJustify) {
        // Measuring sets the grid canvas's font and brush, which a paint in progress may be using.
        TFont font;
        TBrush brush;
        font.Assign(Canvas()->Font());
        brush.Assign(Canvas()->Brush());
        const Integer width = GetCellTextSize(RealCol, ARow, false, false).cx;
        Canvas()->SetFont(&font);
        Canvas()->SetBrush(&brush);
        p.TextWidth = width > 0 ? width + 2 : 0;
    }
    return CheckBoxPlace(p);
}

void TExtStringGrid::DrawCheckTypeGraphic(TCellPaint& P, const TRect& Area)
{
    const TCellGraphic& gr = *P.Graphic;
    const TCellType type = gr.CellType;
    const TRect box = CheckBoxBounds(P.RealCol, P.ARow, gr, Area);
    bool enabled = true;
    CanEditCell(P.RealCol, P.ARow, enabled);
    if (type == ctRadioButton) {
        DrawRadioGlyph(P.Canvas, box, 1, gr.CellBoolean ? 0 : -2, false, !enabled, nullptr, false, P.RealCol, P.ARow,
                       m_controlLook->ControlStyle(), 1.0, false);
        return;
    }
    bool checked = gr.CellBoolean;
    bool grayed = gr.CellAngle > 0;
    if (type == ctDataCheckBox || type == ctVirtCheckBox) {
        String checkTrue;
        GetCheckTrue(P.RealCol, P.ARow, checkTrue);
        checked = GetCellEx(P.RealCol, P.ARow) == checkTrue;
    }
    if (type == ctTriStateCheckBox) {
        checked = gr.CellCheckBoxState == cbChecked;
        grayed = grayed || gr.CellCheckBoxState == cbGrayed;
    }
    DrawCheckGlyph(P.Canvas, box, checked, enabled, grayed);
}

void TExtStringGrid::DrawRotatedText(TCellPaint& P, TRect R)
{
    TCanvas& c = P.Canvas;
    const String text = GetCellEx(P.RealCol, P.ARow);
    const Integer angle = P.Graphic->CellAngle;
    const TSize extent = c.TextExtent(text);
    InflateRect(R, -2, -2);
    const TPoint origin = PlaceRotatedText(R, angle, extent, P.Look.HA, P.Look.VA);
    TFont saved;
    saved.Assign(c.Font());
    c.Font()->SetOrientation(angle * 10);
    c.Brush()->SetStyle(bsClear);
    c.TextRect(R, origin.X, origin.Y, text);
    c.SetFont(&saved);
    c.Brush()->SetStyle(bsSolid);
    if (ShowsSortIndicator(P.RealCol, P.ARow)) DrawSortIndicator(c, P.RealCol, R.Top + 8, R.Right - 10);
}

void TExtStringGrid::DrawButtonGraphic(TCellPaint& P, TRect At, bool Enabled)
{
    TCellGraphic& gr = *P.Graphic;
    TCanvas& c = P.Canvas;
    const TRect cell = P.R;
    if (gr.CellType == ctExpand) At = Rect(cell.Right - 13, cell.Top, cell.Right, cell.Top + 13);
    gr.CellValue = Point(At.Left - cell.Left, At.Top - cell.Top);
    const TColor savedBrush = c.Brush()->Color();
    TCellButtonState state = gr.CellBoolean ? TCellButtonState::Pressed : TCellButtonState::Normal;
    if (!gr.CellBoolean && FHoverButton.X == P.ACol && FHoverButton.Y == P.ARow) state = TCellButtonState::Hot;
    if (!Enabled && gr.CellType != ctExpand) state = TCellButtonState::Disabled;
    DrawCellButtonFace(c, HandleIfAllocated(), At, ButtonLook(), state, FTones);
    if (gr.CellBoolean) OffsetRect(At, 1, 1);
    if (gr.CellType == ctExpand) {
        c.Pen()->SetColor(clBlack);
        const Integer r = cell.Right, t = cell.Top;
        const bool expanded = std::holds_alternative<bool>(gr.CellVar) && std::get<bool>(gr.CellVar);
        if (!expanded) {
            Line(c, r - 10, t + 8, r - 7, t + 5);
            c.LineTo(r - 3, t + 9);
        } else {
            Line(c, r - 10, t + 5, r - 7, t + 8);
            c.LineTo(r - 3, t + 4);
        }
    } else if (!gr.CellText.empty()) {
        TRect text = At;
        ++text.Left;
        c.SetBkMode(TRANSPARENT);
        const bool lines = gr.CellText.find(u'\r') != String::npos;
        c.DrawText(gr.CellText, text,
                   DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | (lines ? DT_WORDBREAK : DT_SINGLELINE));
    }
    c.Brush()->SetColor(savedBrush);
}

void TExtStringGrid::PaintFocusRect(TCellPaint& P)
{
    if (HideFocusRect || !Focused() || (Options() & goRowSelect)) return;
    if (Row() < FixedRows() || Col() < FixedCols()) return;
    const TPoint base = BaseCell(P.ACol, P.ARow);
    if (base.X != Col() || base.Y != Row()) return;
    TRect r = P.R;
    InflateRect(r, GridLineWidth() - 1, GridLineWidth() - 1);
    --r.Right;
    --r.Bottom;
    P.Canvas.DrawFocusRect(r);
}

}  // namespace gw

namespace gw {

void TExtStringGrid::Paint()
{
    TCanvas& c = *Canvas();
    c.Pen()->SetStyle(psSolid);
    c.Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (FEditing) {
        TColor pen = GridLineWidth() < 1 ? Color() : GridLineColor();
        if (!(Options() & (goHorzLine | goVertLine))) pen = Color();
        c.Pen()->SetColor(pen);
        c.Brush()->SetStyle(bsClear);
        c.Rectangle(CellRect(Col(), Row()));
        c.Brush()->SetStyle(bsSolid);
    }
    c.Pen()->SetColor(clBlack);
    const TBitmap* bitmap = m_backGround->Bitmap();
    if ((bitmap && !bitmap->Empty()) || m_backGround->ColorTo() != clNone) PaintBackgroundOutsideCells();
    PaintDesignHelper();
    if (OnPainted) OnPainted(this);
}

void TExtStringGrid::PaintBackgroundOutsideCells()
{
    const TBackGround& bg = *m_backGround;
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    if (gradient && bg.ColorTo() == clNone) return;
    const bool rowsBelow = TopRow() + VisibleRowCount() < RowCount();
    const bool colsRight = LeftCol() + VisibleColCount() < ColCount();
    if (rowsBelow && colsRight) return;
    TRect client = ClientRect();
    const Integer g = GridLineWidth();
    TRect lastCol = CellRect(ColCount() - 1, TopRow());
    InflateRect(lastCol, g, g);
    TRect lastRow = CellRect(LeftCol(), RowCount() - 1);
    InflateRect(lastRow, g, g);
    // Right to left the columns end at their left edge, so the area beyond them is at the left.
    const bool rightToLeft = UseRightToLeftAlignment();
    const bool right = !colsRight && !IsRectEmpty(lastCol) &&
        (rightToLeft ? lastCol.Left > client.Left : lastCol.Right < client.Right);
    const bool below = !rowsBelow && !IsRectEmpty(lastRow) && lastRow.Bottom < client.Bottom;
    if (!right && !below) return;
    const TRect a = rightToLeft ? Rect(client.Left, 0, lastCol.Left, client.Bottom)
                                : Rect(lastCol.Right, 0, client.Right, client.Bottom);
    const TRect b = Rect(0, lastRow.Bottom, client.Right, client.Bottom);
    TRegion region(right ? a : b);
    if (right && below) region.Combine(TRegion(a), TRegion(b), RGN_OR);
    // The footers cover the bottom strip: gradient and picture end above them.
    if (m_searchFooter->Visible() && SearchPanel) client.Bottom -= SearchPanel->Height();
    if (FFooterPanel && m_floatingFooter->Visible()) client.Bottom -= FFooterPanel->Height();
    TCanvas& c = *Canvas();
    const Integer saved = c.SaveDC();
    c.SelectClipRgn(&region);
    // Drawn as the cells are: gradients and bitmap places mirrored with right-to-left alignment.
    const TCanvasOrientationScope orientation(c, rightToLeft, client.Width());
    TBitmap* bitmap = bg.Bitmap();
    if (!(bitmap && !bitmap->Empty())) {
        if (gradient) PaintGradientBands(c, bg.Color(), bg.ColorTo(), 128, client, bg.Display() == bdGradientHorz);
    } else if (bg.Display() != bdTile) {
        DrawBackgroundBitmap(c, *bitmap, Point(bg.Left(), bg.Top()), client);
    } else if (bg.Cells() != bcFixed) {
        TRect r = client;
        if (bg.Cells() == bcNormal) {
            const TRect first = MirrorClientRect(CellRect(FixedCols(), FixedRows()));
            r.Left = first.Left;
            r.Top = first.Top;
        }
        r.Left += XYOffset.X;
        r.Top += XYOffset.Y;
        TileBackgroundBitmap(c, *bitmap, Point(0, 0), r);
    }
    c.RestoreDC(saved);
}

}  // namespace gw
