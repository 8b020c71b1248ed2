// The string grid's look as a whole: the fixed-cell look and its colours, the sixteen colour
// styles and the office theme they follow, the flat switch and the coloured window border.
#include "grid/foundation/search_footer.h"
#include "grid/foundation/theme_detection.h"
#include "grid/model/colour_presets.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/pen.h"

namespace gw {

namespace {

bool IsPlainLook(TGridLook L) { return L == glStandard || L == glSoft || L == glClassic; }

}  // namespace

void TExtStringGrid::SetLook(TGridLook Value)
{
    if (FLook == Value) return;
    FLook = Value;
    if (Value != glCustom) {
        m_controlLook->SetFixedGradientFrom(clNone);
        m_controlLook->SetFixedGradientTo(clNone);
        m_controlLook->SetFixedGradientMirrorFrom(clNone);
        m_controlLook->SetFixedGradientMirrorTo(clNone);
        m_zeqGradientFrom = m_zeqGradientTo = m_zeqGradientMirrorFrom = m_zeqGradientMirrorTo = clNone;
        m_sortSettings->SetHeaderColor(clNone);
    }
    const bool loading = ComponentState() & csLoading;
    if (Value == glVista || Value == glWin7 || Value == glOffice2007) {
        const TZEQStyle style = Value == glVista ? tsWindowsVista : Value == glWin7 ? tsWindows7 : tsOffice2007Luna;
        SetStyle(style);
        FStyle = style;
        FLook = Value;
        SetSelectionStyle(Value == glVista ? ssVista : Value == glWin7 ? ssWin7 : ssOffice2007);
    } else if (Value != glCustom) {
        SetSelectionStyle(ssDefault);
        if (!loading) {
            if (IsPlainLook(Value)) {
                SetFixedColor(clBtnFace);
                SetZEQGradientFrom(clBtnFace);
                SetZEQGradientTo(clNone);
            } else {
                SetZEQGradientFrom(TColor(0xFFFFFF));
                SetZEQGradientTo(clBtnFace);
            }
            SetGridFixedLineColor(clGray);
            SetZEQGradientMirrorFrom(clNone);
            SetZEQGradientMirrorTo(clNone);
            SetGridLineColor(clSilver);
            if (IsPlainLook(Value) || Value == glListView) {
                SetActiveCellColor(clGray);
                SetActiveCellColorTo(clNone);
                SetSelectionColor(clHighlight);
                SetSelectionTextColor(clHighlightText);
                m_searchFooter->SetColor(clBtnFace);
                m_searchFooter->SetColorTo(clBtnFace);
            } else if (Value == glZEQ || Value == glXP) {
                SetActiveCellColor(TColor(0xEACAB6));
                SetActiveCellColorTo(clNone);
                SetSelectionColor(TColor(0xEACAB6));
                SetSelectionColorTo(clNone);
                SetSelectionTextColor(clBlack);
                m_searchFooter->SetColor(clNone);
                m_searchFooter->SetColorTo(clNone);
                SetZEQGradientFrom(TColor(0xFFFFFF));
                SetZEQGradientTo(Value == glXP ? clBtnFace : clSilver);
                TControlLook& l = *m_controlLook;
                l.SetFixedGradientHoverFrom(TColor(0xCFD0D1));
                l.SetFixedGradientHoverTo(TColor(0xBEC6C8));
                l.SetFixedGradientHoverMirrorFrom(TColor(0xBEC6C8));
                l.SetFixedGradientHoverMirrorTo(TColor(0xABBCBF));
                l.SetFixedGradientDownFrom(TColor(0x868788));
                l.SetFixedGradientDownTo(TColor(0x737C7E));
                l.SetFixedGradientDownMirrorFrom(TColor(0x737C7E));
                l.SetFixedGradientDownMirrorTo(TColor(0x627376));
            }
        }
    }
    m_scrollType = ssNormal;
    BorderStyle = bsSingle;
    SetBorderColor(TColor(0xB99D7F));
    Invalidate();
}

String TExtStringGrid::GetLookName(TGridLook Value) const
{
    switch (Value) {
    case glStandard: return u"Standard";
    case glSoft: return u"Soft";
    case glClassic: return u"Classic";
    case glZEQ: return u"ZEQ";
    case glXP: return u"Windows XP";
    case glListView: return u"ListView";
    case glVista: return u"Windows Vista";
    case glWin7: return u"Windows 7";
    case glOffice2007: return u"Office2007";
    default: return {};
    }
}

void TExtStringGrid::SetStyle(TZEQStyle AStyle)
{
    TStyleColours g;
    g.Look = FLook;
    g.Normal = {m_zeqGradientFrom, m_zeqGradientTo, m_zeqGradientMirrorFrom, m_zeqGradientMirrorTo, clNone};
    g.Hover = {m_zeqGradientHoverFrom, m_zeqGradientHoverTo, m_zeqGradientHoverMirrorFrom, m_zeqGradientHoverMirrorTo,
               m_zeqGradientHoverBorder};
    g.Down = {m_zeqGradientDownFrom, m_zeqGradientDownTo, m_zeqGradientDownMirrorFrom, m_zeqGradientDownMirrorTo,
              m_zeqGradientDownBorder};
    g.ActiveCellColor = m_activeCellColor;
    g.ActiveCellColorTo = m_activeCellColorTo;
    g.SelectionColor = m_selectionColor;
    g.SelectionColorTo = m_selectionColorTo;
    g.SelectionTextColor = m_selectionTextColor;
    g.SelectionStyle = SelectionStyle();
    g.GridLineColor = GridLineColor();
    g.GridFixedLineColor = GridFixedLineColor();
    g.SearchFooterColor = m_searchFooter->Color();
    g.SearchFooterColorTo = m_searchFooter->ColorTo();
    const TStyleColours s = ApplyStyle(g, static_cast<TExtGridStyle>(AStyle));
    m_controlLook->Init();
    m_controlLook->SetFixedGradientFrom(s.LookGradientFrom);
    m_controlLook->SetFixedGradientTo(s.LookGradientTo);
    FLook = s.Look;
    SetZEQGradientFrom(s.Normal.From);
    SetZEQGradientTo(s.Normal.To);
    SetZEQGradientMirrorFrom(s.Normal.MirrorFrom);
    SetZEQGradientMirrorTo(s.Normal.MirrorTo);
    m_zeqGradientHoverFrom = s.Hover.From;
    m_zeqGradientHoverTo = s.Hover.To;
    m_zeqGradientHoverMirrorFrom = s.Hover.MirrorFrom;
    m_zeqGradientHoverMirrorTo = s.Hover.MirrorTo;
    m_zeqGradientHoverBorder = s.Hover.Border;
    m_zeqGradientDownFrom = s.Down.From;
    m_zeqGradientDownTo = s.Down.To;
    m_zeqGradientDownMirrorFrom = s.Down.MirrorFrom;
    m_zeqGradientDownMirrorTo = s.Down.MirrorTo;
    m_zeqGradientDownBorder = s.Down.Border;
    m_activeCellColor = s.ActiveCellColor;
    m_activeCellColorTo = s.ActiveCellColorTo;
    m_selectionColor = s.SelectionColor;
    m_selectionColorTo = s.SelectionColorTo;
    m_selectionTextColor = s.SelectionTextColor;
    SetSelectionStyle(s.SelectionStyle);
    SetGridLineColor(s.GridLineColor);
    SetGridFixedLineColor(s.GridFixedLineColor);
    m_sortSettings->SetHeaderColor(s.SortHeaderColor);
    m_sortSettings->SetHeaderColorTo(s.SortHeaderColorTo);
    m_sortSettings->SetHeaderMirrorColor(s.SortHeaderMirrorColor);
    m_sortSettings->SetHeaderMirrorColorTo(s.SortHeaderMirrorColorTo);
    m_searchFooter->SetColor(s.SearchFooterColor);
    m_searchFooter->SetColorTo(s.SearchFooterColorTo);
    Invalidate();
}

void TExtStringGrid::SetComponentStyle(TZEQStyle AStyle)
{
    FStyle = AStyle;
    SetStyle(AStyle);
    if (AStyle != tsCustom && m_scrollType == ssMetro) m_scrollType = ssNormal;
}

void TExtStringGrid::AdaptToOfficeTheme()
{
    if (IsDesigning()) return;
    const TOfficeTheme theme = GetCurrentOfficeTheme();
    if (theme == FOfficeTheme) return;
    if (const std::optional<TZEQStyle> style = OfficeThemeStyle(theme)) SetComponentStyle(*style);
    FOfficeTheme = theme;
}

void TExtStringGrid::SetFlat(bool Value)
{
    FFlat = Value;
    if (!(ComponentState() & csLoading)) Invalidate();
}

void TExtStringGrid::PaintColoredBorder()
{
    const bool colouredLook = FLook == glSoft || (FLook >= glZEQ && FLook <= glOffice2007);
    if (!colouredLook || BorderStyle != bsSingle || m_borderColor == clNone || FFlat) return;
    TCanvas& c = *Canvas();
    c.Pen()->SetColor(m_borderColor);
    const Integer w = Width(), h = Height();
    const auto outline = [&c](Integer L, Integer T, Integer R, Integer B) {
        c.MoveTo(L, B);
        c.LineTo(L, T);
        c.LineTo(R, T);
        c.LineTo(R, B);
        c.LineTo(L, B);
    };
    if (FitCellsInGrid) {
        outline(1, 1, w - 2, h - 2);
        if (Parent()) {
            c.Pen()->SetColor(Parent()->Color());
            outline(0, 0, w - 1, h - 1);
        }
    } else if (FIsComCtl6) {
        outline(0, 0, w - 1, h - 1);
    }
}

}  // namespace gw
