// The string grid's small pictures inside cells: check boxes in every control style, the sort
// indicator of header cells, and the dotted lines that follow a column or row being sized.
#include "grid/foundation/bitmap_drawing.h"
#include "grid/foundation/int_list.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/convert.h"

#include <algorithm>
#include <array>

namespace gw {

namespace {

// The bitmap resources of a check box: checked enabled, checked disabled, unchecked enabled,
// unchecked disabled.
const char16_t* CheckResource(TControlStyle Style, bool Checked, bool Enabled)
{
    static constexpr std::array<const char16_t*, 4> winXP{u"ESGCHK05", u"ESGCHK07", u"ESGCHK06", u"ESGCHK08"};
    static constexpr std::array<const char16_t*, 4> zeq{u"ESGCHK01", u"ESGCHK03", u"ESGCHK02", u"ESGCHK04"};
    const size_t i = (Checked ? 0 : 2) + (Enabled ? 0 : 1);
    return Style == csZEQ ? zeq[i] : winXP[i];
}

void Line(TCanvas& C, Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    C.MoveTo(X1, Y1);
    C.LineTo(X2, Y2);
}

void DrawBevelCheck(TCanvas& C, const TRect& R, bool Checked, bool Enabled, TColor TickColor, Integer Size)
{
    C.Brush()->SetColor(Enabled ? clBtnFace : clBtnShadow);
    C.Pen()->SetColor(clBtnFace);
    C.Rectangle(R);
    C.Pen()->SetColor(clBtnHighlight);
    Line(C, R.Left, R.Bottom - 1, R.Left, R.Top);
    C.LineTo(R.Right - 1, R.Top);
    C.Pen()->SetColor(clBtnShadow);
    Line(C, R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
    C.LineTo(R.Left, R.Bottom - 1);
    if (!Checked) return;
    C.Pen()->SetColor(Enabled ? TickColor : TColor(0x808080));
    C.Pen()->SetWidth(1);
    Line(C, R.Left + 2, R.Top + Size / 2, R.Left + 2, R.Bottom - 2);
    Line(C, R.Left + 3, R.Top - 1 + Size / 2, R.Left + 3, R.Bottom - 3);
    Line(C, R.Left + 2, R.Bottom - 2, R.Right - 2, R.Top + 2);
    Line(C, R.Left + 3, R.Bottom - 2, R.Right - 1, R.Top + 2);
}

}  // namespace

void TExtStringGrid::DrawCheckGlyph(TCanvas& ACanvas, const TRect& R, bool Checked, bool Enabled, bool Grayed)
{
    const TControlLook& look = *m_controlLook;
    if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive) Enabled = true;
    const Integer size = look.CheckSize();
    switch (look.ControlStyle()) {
    case csWinXP:
    case csZEQ: DrawResourceBitmap(ACanvas, clNone, R, CheckResource(look.ControlStyle(), Checked, Enabled)); return;
    case csGlyph: {
        TBitmap* glyph = Checked ? look.CheckedGlyph() : look.UnCheckedGlyph();
        if (glyph && !glyph->Empty()) DrawTransparentBitmap(ACanvas, glyph, clNone, R);
        return;
    }
    case csBevel: DrawBevelCheck(ACanvas, R, Checked, Enabled, look.Color(), size); return;
    default: {
        // Classic, flat, and the themed style, which draws classic without visual styles.
        TRect box = Bounds(R.Left + (R.Right - R.Left - size) / 2, R.Top + (R.Bottom - R.Top - size) / 2, size, size);
        Cardinal state = DFCS_BUTTONCHECK;
        if (Checked) state |= DFCS_CHECKED;
        if (Grayed) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (look.ControlStyle() == csFlat) state |= DFCS_FLAT;
        if (!Enabled) state |= DFCS_INACTIVE;
        DrawFrameControl(ACanvas, box, DFC_BUTTON, state);
    }
    }
}

void TExtStringGrid::DrawSortIndicator(TCanvas& ACanvas, Integer ACol, Integer Y, Integer X)
{
    TCanvas& c = ACanvas;
    const TSortSettings& s = *m_sortSettings;
    if (s.IndexShow) {
        const Integer k = SortIndexes().FindIndex(ACol);
        if (k < 0) return;
        c.Brush()->SetColor(s.IndexColor);
        c.SetBkMode(TRANSPARENT);
        c.Font()->SetColor(clBlack);
        c.Font()->SetSize(6);
        const bool descending = !SortIndexes().GetSortDirections(k);
        const bool glyphs =
            s.IndexUpGlyph() && !s.IndexUpGlyph()->Empty() && s.IndexDownGlyph() && !s.IndexDownGlyph()->Empty();
        const String number = IntToStr(k + 1);
        if (descending) {
            if (glyphs) {
                DrawTransparentBitmap(c, s.IndexUpGlyph(), clNone, Bounds(X - 7, Y - 7, 0, 0));
            } else {
                const std::array<TPoint, 3> t{Point(X - 7, Y - 5), Point(X + 7, Y - 5), Point(X, Y + 8)};
                c.Polygon(t);
            }
            c.TextOut(X - 2, Y - 4, number);
        } else {
            if (glyphs) {
                DrawTransparentBitmap(c, s.IndexDownGlyph(), clNone, Bounds(X - 7, Y - 7, 0, 0));
            } else {
                const std::array<TPoint, 3> t{Point(X - 6, Y + 8), Point(X + 6, Y + 8), Point(X, Y - 4)};
                c.Polygon(t);
            }
            c.TextOut(X - 2, Y - 2, number);
        }
        return;
    }
    const bool glyphs = s.UpGlyph() && !s.UpGlyph()->Empty() && s.DownGlyph() && !s.DownGlyph()->Empty();
    if (glyphs) {
        TBitmap* g = s.Direction == sdDescending ? s.DownGlyph() : s.UpGlyph();
        DrawTransparentBitmap(c, g, clNone, Bounds(X - 4, Y - 4, 0, 0));
        c.Brush()->SetColor(FixedColor());
        return;
    }
    c.Pen()->SetWidth(1);
    if (s.Direction == sdDescending) {
        c.Pen()->SetColor(clWhite);
        Line(c, X + 4, Y - 4, X, Y + 4);
        c.Pen()->SetColor(TColor(0x808080));
        c.LineTo(X - 4, Y - 4);
        c.LineTo(X + 4, Y - 4);
    } else {
        c.Pen()->SetColor(clWhite);
        Line(c, X - 4, Y + 4, X + 4, Y + 4);
        c.LineTo(X, Y - 4);
        c.Pen()->SetColor(TColor(0x808080));
        c.LineTo(X - 4, Y + 4);
    }
    c.Pen()->SetColor(clBlack);
}

void TExtStringGrid::DrawColSizingLine(Integer X, TCanvas* ACanvas)
{
    const Integer bottom = std::max(Height(), CellRect(0, RowCount() - 1).Bottom);
    DrawSizingLine(ACanvas ? *ACanvas : *Canvas(), Point(X, 0), Point(X, bottom));
}

void TExtStringGrid::DrawRowSizingLine(Integer Y, TCanvas* ACanvas)
{
    const Integer right = std::max(Width(), CellRect(ColCount() - 1, 0).Right);
    DrawSizingLine(ACanvas ? *ACanvas : *Canvas(), Point(0, Y), Point(right, Y));
}

void TExtStringGrid::DrawSizingLine(TCanvas& ACanvas, TPoint From, TPoint To)
{
    TCanvas& c = ACanvas;
    TPen saved;
    saved.Assign(c.Pen());
    // XOR with black would change no pixel: white inverts what the line crosses, and a second
    // line puts it back.
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetStyle(psDot);
    c.Pen()->SetMode(pmXor);
    c.Pen()->SetWidth(1);
    Line(c, From.X, From.Y, To.X, To.Y);
    c.SetPen(&saved);
}

}  // namespace gw
