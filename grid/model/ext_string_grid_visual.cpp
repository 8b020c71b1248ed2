// The string grid's looks of a cell before it is painted: brush, font, gradient colours,
// alignment and word wrap in their order of precedence, the displayed (formatted) text and the
// alignment of a cell's text.
#include "grid/foundation/bands.h"
#include "grid/foundation/colour_arithmetic.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/number_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/model/cell_format.h"
#include "grid/model/cell_paint_geometry.h"
#include "grid/model/colour_mix.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/print_settings.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/runtime/format.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

namespace {

// A cell whose own brush colour survives in a fixed cell.
bool KeepsOwnBrush(TCellType T) { return T == ctNone || T == ctRotated || T == ctEmpty; }

}  // namespace

void TExtStringGrid::GetVisualProperties(Integer ACol, Integer ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush& ABrush, TFont& AFont, TCellLook& Look)
{
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows();
    const bool printFont = Print && !m_printSettings->UseDisplayFont;
    if (normalCell)
        AFont.Assign(printFont ? m_printSettings->Font() : Font());
    else
        AFont.Assign(printFont ? m_printSettings->FixedFont() : m_fixedFont.get());
    const Integer rcol = Remap ? MapDisplToRealCol(ACol) : ACol;
    const bool disjunctRow = m_mouseActions->DisjunctRowSelect();
    const Integer selRow =
        ((disjunctRow && m_mouseActions->RowSelectPersistent) || FUseEnabledRows) ? MapDisplToRealRow(ARow) : ARow;

    ABrush.SetColor(clNone);
    Look.ColorTo = Look.MirrorColor = Look.MirrorColorTo = clNone;
    bool ownBrush = false;
    if (CellHasProperties(rcol, ARow)) {
        const TCellProperties& props = *GetCellProperties(rcol, ARow);
        ABrush.SetColor(props.BrushColor());
        if (props.BrushColor() != clNone && KeepsOwnBrush(GetCellType(rcol, ARow))) ownBrush = true;
        if (props.FontColor != clNone) AFont.SetColor(props.FontColor);
        if (props.FontStyle != 0) AFont.SetStyle(props.FontStyle);
        if (props.FontSize != 0) AFont.SetSize(props.FontSize);
        if (!props.FontName.empty()) AFont.SetName(props.FontName);
        Look.WW = props.WordWrap();
        Look.ColorTo = props.BrushColorTo();
        Look.GD = props.GradientDirection;
    }
    if (AState & gdSelected) Look.GD = GradientVertical;

    const Integer allCols = ColCount() + NumHiddenColumns();
    if (ABrush.Color() == clNone) {
        ABrush.SetColor(Color());
        if (m_bands->Active() && (Print == m_bands->Print || !Print) && m_bands->TotalLength() > 0 && normalCell &&
            ACol < allCols - FFixedRightCols && ARow < RowCount() - FFixedFooters)
            ABrush.SetColor((ARow - FixedRows()) % m_bands->TotalLength() < m_bands->PrimaryLength()
                                ? m_bands->PrimaryColor()
                                : m_bands->SecondaryColor());
        if (!normalCell || DisplColIndex(ACol) >= ColCount() - FFixedRightCols || ARow >= RowCount() - FFixedFooters)
            ABrush.SetColor(FixedColor());
    }

    const bool fixedCell = IsFixed(ACol, ARow) || !normalCell;
    if (fixedCell && !ownBrush && !Print) {
        ABrush.SetColor(FixedColor());
        AFont.Assign(m_fixedFont.get());
        AState |= gdFixed;
        if (FLook > glClassic) {
            ABrush.SetColor(m_zeqGradientFrom);
            Look.ColorTo = m_zeqGradientTo;
            Look.MirrorColor = m_zeqGradientMirrorFrom;
            Look.MirrorColorTo = m_zeqGradientMirrorTo;
        }
    }
    if (Print)
        GetCellPrintColor(rcol, ARow, AState, &ABrush, &AFont);
    else
        GetCellColor(rcol, ARow, AState, &ABrush, &AFont);
    if (OnGetCellGradient) {
        TColor c = ABrush.Color();
        OnGetCellGradient(this, ARow, rcol, c, Look.ColorTo, Look.MirrorColor, Look.MirrorColorTo, Look.GD);
        ABrush.SetColor(c);
    }
    const TColor ownBrushColor = ABrush.Color(), ownFontColor = AFont.Color();

    const auto selectionColours = [&] {
        Look.ColorTo = m_selectionColorTo;
        Look.MirrorColor = SelectionMirrorColor;
        Look.MirrorColorTo = SelectionMirrorColorTo;
        if (m_selectionTextColor != clNone) AFont.SetColor(m_selectionTextColor);
    };
    const bool selecting = !Print && Select && ShowSelection && !fixedCell;
    const bool disjunctCol = m_mouseActions->DisjunctColSelect();
    if (selecting && normalCell && disjunctRow) {
        const bool rowSelected = GetRowSelect(selRow);
        if (((FMouseDown && ARow == Row()) || !rowSelected) && (!FMouseDown || rowSelected || !(AState & gdSelected))) {
            AState &= ~gdSelected;
        } else {
            AState = gdSelected;
            ABrush.SetColor(m_selectionColor);
            selectionColours();
        }
    }
    if (selecting && normalCell && disjunctCol) {
        const bool colSelected = GetColSelect(ACol);
        if (((!FMouseDown || ACol != Col()) && colSelected) || (FMouseDown && !colSelected && (AState & gdSelected))) {
            AState = gdSelected;
            ABrush.SetColor(m_selectionColor);
            selectionColours();
        }
    }
    if ((selecting && !disjunctRow && !disjunctCol && PaintsSelected(ACol, ARow)) ||
        ((AState & gdSelected) && FMouseDown && ShowSelection)) {
        ABrush.SetColor(ABrush.Color() == Color() ? m_selectionColor
                                                  : MixColorIf(m_selectionColor, ABrush.Color(), SelectionColorMixer,
                                                               m_selectionColorMixerFactor));
        selectionColours();
        AState |= gdSelected;
    }
    if (m_mouseActions->DisjunctCellSelect() && ShowSelection) {
        if (IsSelected(ACol, ARow)) {
            ABrush.SetColor(m_selectionColor);
            selectionColours();
            AState |= gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~gdSelected;
            ABrush.SetColor(ownBrushColor);
            AFont.SetColor(ownFontColor);
        }
    }
    if (UseDisabledFont && ((FUseEnabledRows && !GetRowEnabled(selRow)) || !Enabled()))
        AFont.SetColor(DisabledFontColor);
    if (disjunctRow && m_selectionColorTo == clNone && ARow != Row() && IsSelected(ACol, ARow))
        ABrush.SetColor(ChangeColorByPercent(ABrush.Color(), 7));
    DoGetWordWrap(rcol, ARow, Look.WW);
    CellAlignment(rcol, ARow, Look.HA, Look.VA);
}

bool TExtStringGrid::PaintsSelected(Integer ACol, Integer ARow)
{
    // Without a disjunct selection a cell is selected exactly when it lies in Selection; only the
    // disjunct kinds need the selection lists.
    const TMouseActions& m = *m_mouseActions;
    if (m.DisjunctCellSelect() || m.DisjunctRowSelect() || m.DisjunctColSelect()) return IsSelected(ACol, ARow);
    return ACol >= FixedCols() && ARow >= FixedRows() && CellInGridRect(Selection(), ACol, ARow);
}

void TExtStringGrid::GetFontProperties(Integer ACol, Integer RCol, Integer ARow, TGridDrawState& AState, TFont& AFont,
                                       TBrush& ABrush, bool Remap)
{
    const Integer rcol = Remap ? RCol : ACol;
    const bool fixedCell = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    AFont.Assign(fixedCell ? m_fixedFont.get() : Font());
    if (CellHasProperties(rcol, ARow)) {
        const TCellProperties& props = *GetCellProperties(rcol, ARow);
        if (props.FontColor != clNone) AFont.SetColor(props.FontColor);
        if (props.FontStyle != 0) AFont.SetStyle(props.FontStyle);
        if (props.FontSize != 0) AFont.SetSize(props.FontSize);
        if (!props.FontName.empty()) AFont.SetName(props.FontName);
    }
    GetCellColor(rcol, ARow, AState, &ABrush, &AFont);
}

String TExtStringGrid::GetFormattedCell(Integer ACol, Integer ARow)
{
    String text = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat || ClassifyNumberText(Trim(text)) == ntNotANumber) return text;
    bool isFloat = true;
    String format = FloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.empty()) return text;
    try {
        if (FormatTakesInteger(format)) return Format(format, {GetInts(ACol, ARow)});
        return Format(format, {GetFloats(ACol, ARow)});
    } catch (const Exception&) {
        return text;
    }
}

TAlignment TExtStringGrid::GetCellAlignment(Integer ACol, Integer ARow)
{
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    CellAlignment(ACol, ARow, ha, va);
    return ha;
}

void TExtStringGrid::CellAlignment(Integer ACol, Integer ARow, TAlignment& HA, TVAlignment& VA)
{
    HA = m_defaultAlignment;
    VA = VAlignment;
    bool formula = false;
    if (AutoNumAlign) {
        String text = GetCellEx(ACol, ARow);
        formula = !text.empty() && text[0] == u'=';
        if (formula || (text.size() > 3 && text[0] == u'|' && text[1] == u'\\' && text[3] == u'='))
            GetEvaluatedCell(ACol, ARow, text);
        if (ClassifyNumberText(Trim(text)) != ntNotANumber) HA = taRightJustify;
    }
    if (CellHasProperties(ACol, ARow) && !formula) HA = GetCellProperties(ACol, ARow)->Alignment;
    GetCellAlign(ACol, ARow, HA, VA);
}

TSize TExtStringGrid::GetCellTextSize(Integer ACol, Integer ARow, bool VS, bool SB)
{
    String text;
    try {
        text = GetFormattedCell(ACol, ARow);
    } catch (const Exception&) {
        text = GetCellEx(ACol, ARow);  // measured as the painter shows it
    }
    TCellTextKind kind = ClassifyCellText(text, EnableHTML);
    TCanvas& c = *Canvas();
    TGridDrawState state = 0;
    GetFontProperties(ACol, ACol, ARow, state, *c.Font(), *c.Brush(), false);
    const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (fixed && m_activeCellShow && (m_activeCellFont->Style() & fsBold))
        c.Font()->SetStyle(c.Font()->Style() | fsBold);
    if (FZoomFactor != 0) c.Font()->SetSize(c.Font()->Size() + FZoomFactor);
    if (kind == ctkFormula) {
        GetEvaluatedCell(ACol, ARow, text);
        kind = ClassifyCellText(text, EnableHTML);
    }
    TRect r = CellRect(MapRealToDisplCol(ACol), ARow);
    r.Left += XYOffset.X;
    r.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly) {
        r.Right -= XYOffset.X;
        r.Bottom -= XYOffset.Y;
    }
    if (VS) r.Right -= 17;
    if (kind == ctkMarkup) {
        if (!SB) r.Right = 65535;
        r.Bottom = 65535;
        TMarkupDrawArgs args;
        args.Canvas = &c;
        args.Text = text;
        args.Rect = r;
        args.MeasureOnly = true;
        args.AnchorColor = URLColor;
        args.PictureCache = m_imageCache.get();
        args.PictureContainer = m_pictureContainer;
        args.WordWrap = SB;
        const TMarkupDrawResult m = DrawMarkupText(args);
        return TSize{m.UsedWidth + 2, m.UsedHeight + 2};
    }
    const TCellGraphic* graphic = PaintedGraphic(ACol, ARow);
    const bool rotated = graphic && graphic->CellType == ctRotated;
    TSize size;
    if (SB) {
        InflateRect(r, -2, -2);
        TRect m = r;
        const Cardinal flags =
            DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | (rotated ? DT_SINGLELINE : DT_WORDBREAK);
        c.DrawText(text, m, flags);
        size = TSize{r.Right - r.Left, m.Bottom - m.Top};
    } else {
        String rest = text;
        Integer lines = 0;
        Integer widest = 0;
        do {
            String line;
            ExtractFirstLine(rest, true, line);
            if (URLShow() && !URLFull() && kind == ctkPlain) StripURLProtocol(line);
            widest = std::max(widest, c.TextWidth(line));
            ++lines;
        } while (!rest.empty());
        size = TSize{widest, c.TextHeight(u"gh") * lines};
    }
    if (rotated) size = RotatedTextSize(size, graphic->CellAngle);
    return size;
}

}  // namespace gw
