// The string grid's small pictures inside cells: check boxes in every control style, the sort
// indicator and the filter glyph of header cells, the outline nodes' expand and contract glyphs,
// and the dotted lines that follow a column or row being sized.
#include "grid/foundation/bitmap_drawing.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/cell_node.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/string_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>

namespace gw {

namespace {

// The filter glyph stands this far left of its cell's right edge.
constexpr Integer FilterGlyphWidth = 16;

// A glyph of the program's resources, loaded at its first use and kept; nullptr without one.
const TBitmap* GridGlyph(StringView Name)
{
    static std::map<String, std::unique_ptr<TBitmap>, std::less<>> glyphs;
    if (const auto it = glyphs.find(Name); it != glyphs.end()) return it->second.get();
    std::unique_ptr<TBitmap> bitmap;
    if (FindResource(Name, u"BITMAP")) {
        bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromResourceName(Name);
    }
    return glyphs.emplace(String(Name), std::move(bitmap)).first->second.get();
}

void DrawGlyph(TCanvas& C, StringView Name, Integer X, Integer Y)
{
    if (const TBitmap* g = GridGlyph(Name)) DrawTransparentBitmap(C, g, clNone, Bounds(X, Y, g->Width(), g->Height()));
}

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

void TExtStringGrid::DrawCheckGlyph(TCanvas& ACanvas, const TRect& ARect, bool Checked, bool Enabled, bool Grayed)
{
    // Right to left the box takes its mirrored place but its tick is not drawn mirror-image.
    const TRect R = UnmirroredRect(ACanvas, ARect);
    const TCanvasOrientationScope leftToRight(ACanvas, false, 0);
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

namespace {

const char16_t* RadioResource(TControlStyle Style, bool Checked, bool Enabled)
{
    static constexpr std::array<const char16_t*, 4> winXP{u"ESGRAD05", u"ESGRAD07", u"ESGRAD06", u"ESGRAD08"};
    static constexpr std::array<const char16_t*, 4> zeq{u"ESGRAD01", u"ESGRAD03", u"ESGRAD02", u"ESGRAD04"};
    const size_t i = (Checked ? 0 : 2) + (Enabled ? 0 : 1);
    return Style == csZEQ ? zeq[i] : winXP[i];
}

// Halves to even, as the runtime rounds.
Integer RoundScaled(double Scale, Integer Size) { return Integer(std::nearbyint(Scale * Size)); }

// Where a vertical list puts the glyph of item I (1-based) of Size, its items Step apart: beside
// its caption, or centred without one.
TPoint VerticalItemOrigin(const TRect& R, Integer I, Integer Step, Integer Size, bool HasCaption)
{
    const Integer x = HasCaption ? R.Left + 2 : R.Left + (R.Right - R.Left - Size) / 2;
    return {x, R.Top + Step * (I - 1) + 2};
}

void DrawBevelRadio(TCanvas& C, Integer X, Integer Y, bool Checked, TColor DotColor)
{
    const TColor saved = C.Brush()->Color();
    C.Brush()->SetColor(clBtnFace);
    C.Pen()->SetColor(clBtnFace);
    const std::array<TPoint, 4> diamond{Point(X + 2, Y + 8), Point(X + 8, Y + 2), Point(X + 14, Y + 8),
                                        Point(X + 8, Y + 14)};
    C.Polygon(diamond);
    C.Pen()->SetColor(Checked ? TColor(0x808080) : clWhite);
    Line(C, X + 8, Y + 14, X + 2, Y + 8);
    C.LineTo(X + 8, Y + 2);
    C.Pen()->SetColor(Checked ? clWhite : TColor(0x808080));
    C.LineTo(X + 14, Y + 8);
    C.LineTo(X + 8, Y + 14);
    if (Checked) {
        C.Brush()->SetColor(DotColor);
        C.Pen()->SetColor(DotColor);
        const std::array<TPoint, 4> dot{Point(X + 6, Y + 8), Point(X + 8, Y + 6), Point(X + 10, Y + 8),
                                        Point(X + 8, Y + 10)};
        C.Polygon(dot);
    }
    C.Brush()->SetColor(saved);
}

}  // namespace

void TExtStringGrid::DrawRadioGlyph(TCanvas& ACanvas, const TRect& R, Integer Count, Integer Checked, bool Horizontal,
                                    bool Disabled, TStrings* Items, bool Selected, Integer ACol, Integer ARow,
                                    TControlStyle Style, double Scale, bool Upward)
{
    const TControlLook& look = *m_controlLook;
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive) Disabled = false;
    if (Style == csTheme) Style = csClassic;
    TCanvas& c = ACanvas;
    c.SetBkMode(TRANSPARENT);
    const Integer d = Upward ? -1 : 1;
    const Integer s = look.RadioSize();
    const Integer hg = c.TextHeight(u"gh");
    const Integer height = R.Bottom - R.Top;
    const bool classic = Style == csClassic || Style == csFlat;
    const bool bitmapStyle = Style == csWinXP || Style == csZEQ || Style == csGlyph;
    Integer w = 0;
    for (Integer i = 1; i <= Count; ++i) {
        String caption;
        const bool hasCaption = Items && Items->Count() >= i;
        if (hasCaption) {
            caption = Items->Strings(i - 1);
            if (Selected && ShowSelection) c.Font()->SetColor(m_selectionTextColor);
        }
        const bool checked = Checked == -1 ? caption == GetCellEx(ACol, ARow) : i == Checked + 1;
        Integer x = 0, y = 0;
        TPoint at{};
        if (classic) {
            if (Horizontal) {
                x = R.Left + 2 + (i - 1) * s + w;
                y = R.Top + (height - s) / 2;
                at = Point(x + RoundScaled(Scale, s), y - 2);
            } else {
                const TPoint o = VerticalItemOrigin(R, i, hg * d, RoundScaled(Scale, s), hasCaption);
                x = o.X;
                y = o.Y;
                at = Point(x + RoundScaled(Scale, s + 4), y - 2);
            }
        } else {
            const Integer h16 = std::max(16, hg);
            if (Horizontal) {
                x = R.Left + i * 16 - 14 + w;
                y = R.Top + (height - 16) / 2;
                at = Point(x + 16, bitmapStyle ? y + 1 : y - 2);
            } else {
                const TPoint o = VerticalItemOrigin(R, i, h16 * d, 16, hasCaption);
                x = o.X;
                y = o.Y;
                at = Point(bitmapStyle ? R.Left + 18 : R.Left + 20, bitmapStyle ? y + 1 : y - 2);
            }
        }
        switch (Style) {
        case csBevel: DrawBevelRadio(c, x, y, checked, look.Color()); break;
        case csWinXP:
        case csZEQ: DrawGlyph(c, RadioResource(Style, checked, !Disabled), x, y); break;
        case csGlyph: {
            TBitmap* g = checked ? look.RadioOnGlyph() : look.RadioOffGlyph();
            if (g && !g->Empty()) DrawTransparentBitmap(c, g, clNone, Bounds(x, y, g->Width(), g->Height()));
            break;
        }
        default: {
            const Integer size = RoundScaled(Scale, look.ControlStyle() == csFlat ? s + 2 : s);
            TRect box = Bounds(x, y, size, size);
            Cardinal state = DFCS_BUTTONRADIO;
            if (Style == csFlat) state |= DFCS_FLAT;
            if (Disabled) state |= DFCS_INACTIVE;
            if (checked) state |= DFCS_CHECKED;
            DrawFrameControl(c, box, DFC_BUTTON, state);
        }
        }
        if (hasCaption) {
            c.TextOut(at.X, at.Y, caption);
            if (Horizontal) w += c.TextWidth(caption);
        }
    }
}

TRect TExtStringGrid::LoneRadioSquare(const TRect& R)
{
    const TControlLook& look = *m_controlLook;
    const TControlStyle style = look.ControlStyle();
    const bool classic = style == csClassic || style == csFlat || style == csTheme;
    const Integer s = look.RadioSize();
    const Integer drawn = classic ? (style == csFlat ? s + 2 : s) : 16;
    const TPoint o = VerticalItemOrigin(R, 1, 0, classic ? s : 16, false);
    return Bounds(o.X, o.Y, drawn, drawn);
}

void TExtStringGrid::DrawSortIndicator(TCanvas& ACanvas, Integer ACol, Integer Y, Integer AX)
{
    TCanvas& c = ACanvas;
    // Right to left the indicator stands at the mirror image of its centre, drawn as left to
    // right so that its light and dark sides and its number keep their look.
    const bool mirrored = UseRightToLeftAlignment() && c.RightToLeftOrientation();
    const Integer X = mirrored ? c.MirrorWidth() - 1 - AX : AX;
    const TCanvasOrientationScope leftToRight(c, false, 0);
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

bool TExtStringGrid::ShowsFilterGlyph(Integer RealCol, Integer ARow)
{
    if (ARow != FilterDropDownRow) return false;
    // A program's own list is only known by asking for it; the collected one is not empty when
    // the column has rows to collect from or the clear entry heads it, so painting never walks
    // the rows.
    if (OnGetColumnFilter) return GetColumnFilter(RealCol);
    if (!FilterDropDownAuto || (RealCol < FixedCols() && FilterDropDownColumns != fdAll)) return false;
    const bool rows = RowCount() - FFixedFooters > FixedRows() || (!FilterIncremental && FHiddenRows.Count() > 0);
    return rows || !FilterDropDownClear.empty();
}

// The column's own glyph (the active one while a filter holds the column), drawn transparently;
// without one, the program's glyph over the fixed colour. Either way at the cell's top-right.
void TExtStringGrid::DrawFilterGlyph(TCanvas& ACanvas, const TRect& CellRect, Integer RealCol)
{
    const TBitmap* own = m_filter->HasFilter(RealCol) ? m_filterDropDown->GlyphActive() : m_filterDropDown->Glyph();
    const TRect at = Bounds(CellRect.Right - FilterGlyphWidth, CellRect.Top, 0, 0);
    if (own && !own->Empty())
        DrawTransparentBitmap(ACanvas, own, clNone, at);
    else if (const TBitmap* g = GridGlyph(u"ESGFILT"))
        DrawTransparentBitmap(ACanvas, g, FixedColor(), at);
}

void TExtStringGrid::DrawColSizingLine(Integer X, TCanvas* ACanvas)
{
    const Integer bottom = std::max(Height(), CellRect(0, RowCount() - 1).Bottom);
    if (ACanvas)
        DrawSizingLine(*ACanvas, Point(X, 0), Point(X, bottom));
    else
        DrawOnWindow(false, [&](TCanvas& c) { DrawSizingLine(c, Point(X, 0), Point(X, bottom)); });
}

void TExtStringGrid::DrawRowSizingLine(Integer Y, TCanvas* ACanvas)
{
    const Integer right = std::max(Width(), CellRect(ColCount() - 1, 0).Right);
    if (ACanvas)
        DrawSizingLine(*ACanvas, Point(0, Y), Point(right, Y));
    else
        DrawOnWindow(false, [&](TCanvas& c) { DrawSizingLine(c, Point(0, Y), Point(right, Y)); });
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

namespace {

// The glyph of the program's resources at (X, Y), its key colour turned into Background.
void DrawNodeResource(TCanvas& C, StringView Name, Integer X, Integer Y, TColor Background)
{
    if (const TBitmap* g = GridGlyph(Name))
        DrawTransparentBitmap(C, g, Background, Bounds(X, Y, g->Width(), g->Height()));
}

}  // namespace

void TExtStringGrid::DrawNodeGlyph(TCanvas& ACanvas, Integer RealCol, Integer ARow, TGridDrawState State,
                                   Integer SelectRow, TRect R)
{
    const TCellNode& node = *m_cellNode;
    const Integer indent = node.NodeIndent(), own = RowNodeIndent(ARow);
    const bool collapsed = GetNodeState(ARow);
    const Integer height = R.Bottom - R.Top;
    if (node.ShowTree() && ARow >= FixedRows()) {
        // The stubs that join the node's box to the branch above and to its children below.
        const Integer x = own - indent + indent / 2 + 2;
        ACanvas.Pen()->SetColor(node.TreeColor());
        const Integer next = ARow + 1 < RowCount() ? RowNodeIndent(ARow + 1) : 0;
        if (next > 0 && !(collapsed && next < own)) Line(ACanvas, x, R.Top + height / 2, x, R.Bottom);
        if (ARow > 0 && RowNodeIndent(ARow - 1) >= own) Line(ACanvas, x, R.Top, x, R.Top + 6);
    }
    R.Left = own - indent / 2 - 4;
    TColor back = ACanvas.Brush()->Color();
    if (back == clNone) back = FixedCols() >= 1 ? FixedColor() : Color();
    if (ShowSelection) {
        const bool disjunctRows = m_mouseActions->DisjunctRowSelect();
        const bool selectedRow = (Options() & goRowSelect) && RealCol >= FixedCols() && GetRowSelect(SelectRow);
        if (disjunctRows ? selectedRow : (State & gdSelected) != 0) back = m_selectionColor;
    }
    const TCellNodeType type = node.NodeType();
    if (type == cnLeaf) {
        DrawNodeResource(ACanvas, collapsed ? u"ESGLEAFCLOSE" : u"ESGLEAFOPEN", R.Left, R.Top + (height - 12) / 2,
                         back);
        return;
    }
    if (type == cnXP) {
        DrawNodeResource(ACanvas, collapsed ? u"XPNODEC" : u"XPNODEO", R.Left + 4, R.Top + (height - 10) / 2, back);
        return;
    }
    const TBitmap* expand = node.ExpandGlyph();
    const TBitmap* contract = node.ContractGlyph();
    if (type == cnGlyph && expand && !expand->Empty() && contract && !contract->Empty()) {
        const TBitmap* glyph = collapsed ? contract : expand;
        DrawTransparentBitmap(ACanvas, glyph, back,
                              Bounds(R.Left, R.Top + (height - glyph->Height()) / 2, glyph->Width(), glyph->Height()));
        return;
    }
    // The box: raised while collapsed and sunken while open, or flat with a plus or minus.
    const Integer x = R.Left + 4, y = R.Top + std::max(0, height - 8) / 2;
    ACanvas.Brush()->SetColor(node.Color);
    if (type == cn3D) {
        // A raised square round the box, lit from the top left.
        const TRect frame = Rect(x - 2, y - 2, x + 10, y + 10);
        ACanvas.Pen()->SetColor(node.Color);
        ACanvas.Rectangle(frame);
        ACanvas.Pen()->SetColor(clWhite);
        Line(ACanvas, frame.Left, frame.Bottom - 1, frame.Left, frame.Top);
        ACanvas.LineTo(frame.Right - 1, frame.Top);
        ACanvas.Pen()->SetColor(TColor(0x808080));
        ACanvas.LineTo(frame.Right - 1, frame.Bottom - 1);
        ACanvas.LineTo(frame.Left - 1, frame.Bottom - 1);
    }
    if (type != cnFlat) {
        TRect box = Bounds(x, y, 8, 8);
        ACanvas.FillRect(box);
        DrawEdge(ACanvas, box, collapsed ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
        return;
    }
    ACanvas.Pen()->SetColor(node.NodeColor);
    ACanvas.Rectangle(x, y, x + 9, y + 9);
    Line(ACanvas, x + 2, y + 4, x + 7, y + 4);
    if (collapsed) Line(ACanvas, x + 4, y + 2, x + 4, y + 7);
}

}  // namespace gw
