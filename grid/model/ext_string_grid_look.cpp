// The string grid's look as a whole: the fixed-cell look and its colours, the sixteen colour
// styles and the office theme they follow, the flat switch and the coloured window border.
#include "grid/foundation/search_footer.h"
#include "grid/foundation/theme_detection.h"
#include "grid/model/cell_node.h"
#include "grid/model/colour_presets.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/resources.h"
#include "platform/ui/window_canvas.h"

#include <memory>

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
    SetScrollType(ssNormal);
    BorderStyle = bsSingle;
    SetBorderColor(TColor(0xB99D7F));
    Invalidate();
    if (!loading) UpdateFooter();
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

TStyleColours TExtStringGrid::StyleColours() const
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
    g.SortHeaderColor = m_sortSettings->HeaderColor();
    g.SortHeaderColorTo = m_sortSettings->HeaderColorTo();
    g.SortHeaderMirrorColor = m_sortSettings->HeaderMirrorColor();
    g.SortHeaderMirrorColorTo = m_sortSettings->HeaderMirrorColorTo();
    g.SearchFooterColor = m_searchFooter->Color();
    g.SearchFooterColorTo = m_searchFooter->ColorTo();
    g.LookGradientFrom = m_controlLook->FixedGradientFrom();
    g.LookGradientTo = m_controlLook->FixedGradientTo();
    return g;
}

void TExtStringGrid::SetStyleColours(const TStyleColours& S)
{
    m_controlLook->SetFixedGradientFrom(S.LookGradientFrom);
    m_controlLook->SetFixedGradientTo(S.LookGradientTo);
    FLook = S.Look;
    SetZEQGradientFrom(S.Normal.From);
    SetZEQGradientTo(S.Normal.To);
    SetZEQGradientMirrorFrom(S.Normal.MirrorFrom);
    SetZEQGradientMirrorTo(S.Normal.MirrorTo);
    m_zeqGradientHoverFrom = S.Hover.From;
    m_zeqGradientHoverTo = S.Hover.To;
    m_zeqGradientHoverMirrorFrom = S.Hover.MirrorFrom;
    m_zeqGradientHoverMirrorTo = S.Hover.MirrorTo;
    m_zeqGradientHoverBorder = S.Hover.Border;
    m_zeqGradientDownFrom = S.Down.From;
    m_zeqGradientDownTo = S.Down.To;
    m_zeqGradientDownMirrorFrom = S.Down.MirrorFrom;
    m_zeqGradientDownMirrorTo = S.Down.MirrorTo;
    m_zeqGradientDownBorder = S.Down.Border;
    m_activeCellColor = S.ActiveCellColor;
    m_activeCellColorTo = S.ActiveCellColorTo;
    m_selectionColor = S.SelectionColor;
    m_selectionColorTo = S.SelectionColorTo;
    m_selectionTextColor = S.SelectionTextColor;
    SetSelectionStyle(S.SelectionStyle);
    SetGridLineColor(S.GridLineColor);
    SetGridFixedLineColor(S.GridFixedLineColor);
    m_sortSettings->SetHeaderColor(S.SortHeaderColor);
    m_sortSettings->SetHeaderColorTo(S.SortHeaderColorTo);
    m_sortSettings->SetHeaderMirrorColor(S.SortHeaderMirrorColor);
    m_sortSettings->SetHeaderMirrorColorTo(S.SortHeaderMirrorColorTo);
    m_searchFooter->SetColor(S.SearchFooterColor);
    m_searchFooter->SetColorTo(S.SearchFooterColorTo);
}

void TExtStringGrid::SetStyle(TZEQStyle AStyle)
{
    const TStyleColours before = StyleColours();
    m_controlLook->Init();
    TStyleColours reset = before;
    // Re-initialising the control look sets the hover and pressed mirrors to none.
    reset.Hover.MirrorFrom = reset.Hover.MirrorTo = reset.Down.MirrorFrom = reset.Down.MirrorTo = clNone;
    SetStyleColours(ApplyStyle(reset, static_cast<TExtGridStyle>(AStyle)));
    Invalidate();
}

void TExtStringGrid::SetTheme(TXPColorScheme Scheme) { SetStyleColours(ApplyTheme(StyleColours(), Scheme)); }

void TExtStringGrid::SetColorTones(const TColorTones& ATones)
{
    FTones = ATones;
    const TColorTonesLook t = ColorTonesLook(ATones);
    FLook = glClassic;
    FFlat = true;
    SetScrollType(ssMetro);
    SetFixedColor(t.FixedColor);
    m_fixedFont->SetColor(t.FixedFontColor);
    m_fixedFont->SetName(DefaultUIFontName());
    SetColor(t.Color);
    Font()->SetColor(t.FontColor);
    Font()->SetName(DefaultUIFontName());
    m_selectionColor = t.SelectionColor;
    m_selectionTextColor = t.SelectionTextColor;
    m_selectionColorTo = t.SelectionColorTo;
    SetGridLineColor(t.GridLineColor);
    SetGridFixedLineColor(t.GridFixedLineColor);
    BorderStyle = bsNone;
    TControlLook& look = *m_controlLook;
    look.SetControlStyle(csGlyph);
    const auto glyph = [](const char16_t* Name) {
        auto b = std::make_unique<TBitmap>();
        if (FindResource(Name, u"BITMAP")) b->LoadFromResourceName(Name);
        return b;
    };
    look.SetCheckedGlyph(glyph(u"metrocheckon").get());
    look.SetUnCheckedGlyph(glyph(u"metrocheckoff").get());
    look.SetRadioOffGlyph(glyph(u"metroradiooff").get());
    look.SetRadioOnGlyph(glyph(u"metroradioon").get());
    look.SetFlatButton(true);
    m_searchFooter->SetColor(t.SearchFooterColor);
    m_searchFooter->SetColorTo(t.SearchFooterColorTo);
    m_cellNode->SetNodeType(cnFlat);
    Invalidate();
}

void TExtStringGrid::SetComponentStyle(TZEQStyle AStyle)
{
    FStyle = AStyle;
    SetStyle(AStyle);
    if (AStyle != tsCustom && m_scrollType == ssMetro) SetScrollType(ssNormal);
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

void TExtStringGrid::WMNCPaint(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    if (FUpdateCount == 0) PaintColoredBorder();
    Message.Result = 0;
}

void TExtStringGrid::DrawOnWindow(bool WholeWindow, const std::function<void(TCanvas&)>& Draw)
{
    if (!HandleAllocated()) return;
    TWindowCanvas window(Handle(), WholeWindow);
    if (window.Canvas()) Draw(*window.Canvas());
}

// Drawn over the window's edge on its own pixels: a paint of the cells would cover it, so the
// frame handler draws it again after each.
void TExtStringGrid::PaintColoredBorder()
{
    const bool colouredLook = FLook == glSoft || (FLook >= glZEQ && FLook <= glOffice2007);
    if (!colouredLook || BorderStyle != bsSingle || m_borderColor == clNone || FFlat) return;
    DrawOnWindow(true, [this](TCanvas& c) {
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
    });
}

}  // namespace gw
