// Scrolling windows: bar visibility, ranges from the children, scroll requests, bar mouse input.
#include "platform/controls/scroll_box.h"

#include "platform/graphics/frame_controls.h"
#include "platform/runtime/scope.h"
#include "platform/ui/system_metrics.h"

#include <algorithm>

namespace gw {

namespace {
Integer BarSize()
{
    Integer s = GetSystemMetrics(SM_CXVSCROLL);
    return s > 0 ? s : 17;
}

// Which bars show: a horizontal bar takes height from the vertical range and the other way.
void BarsNeeded(const TScrollingWinControl& C, bool& Vert, bool& Horz)
{
    const TControlScrollBar* v = C.VertScrollBar();
    const TControlScrollBar* h = C.HorzScrollBar();
    Integer w = C.Width(), ht = C.Height(), bar = BarSize();
    Vert = v->Visible() && v->Range() > ht;
    Horz = h->Visible() && h->Range() > w - (Vert ? bar : 0);
    if (Horz && !Vert) Vert = v->Visible() && v->Range() > ht - bar;
}
}  // namespace

// --- TControlScrollBar -----------------------------------------------------------------------------------

bool TControlScrollBar::IsScrollBarVisible() const
{
    bool v = false, h = false;
    BarsNeeded(*m_control, v, h);
    return m_kind == sbVertical ? v : h;
}

Integer TControlScrollBar::ControlSize() const
{
    TRect c = m_control->ClientRect();
    return m_kind == sbVertical ? c.Height() : c.Width();
}

Integer TControlScrollBar::Range() const
{
    if (!m_control->AutoScroll()) return m_range;
    // Children move without telling their parent, so the extent is taken when asked.
    TSize extent = m_control->ContentExtent();
    return m_kind == sbHorizontal ? extent.cx : extent.cy;
}

void TControlScrollBar::SetRange(Integer Value)
{
    Value = std::max(0, Value);
    if (m_range == Value) return;
    m_range = Value;
    m_control->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value)
{
    if (m_visible == Value) return;
    m_visible = Value;
    m_control->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(Integer Value)
{
    Value = IsScrollBarVisible() ? std::clamp(Value, 0, ScrollPosMax()) : 0;
    if (Value == m_position) return;
    Integer delta = m_position - Value;
    m_position = Value;
    if (m_kind == sbHorizontal)
        m_control->ScrollBy(delta, 0);
    else
        m_control->ScrollBy(0, delta);
    m_control->Invalidate();
    m_control->Scrolled();
}

void TControlScrollBar::ScrollMessage(Word Code, Integer ThumbPos)
{
    switch (Code) {
    case SB_LINEUP: SetPosition(m_position - Increment); break;
    case SB_LINEDOWN: SetPosition(m_position + Increment); break;
    case SB_PAGEUP: SetPosition(m_position - ControlSize()); break;
    case SB_PAGEDOWN: SetPosition(m_position + ControlSize()); break;
    case SB_THUMBPOSITION: SetPosition(ThumbPos); break;
    case SB_THUMBTRACK:
        if (Tracking) SetPosition(ThumbPos);
        break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(Range()); break;
    default: break;
    }
}

TScrollBarLayout TControlScrollBar::Layout(const TRect& Bar) const
{
    TScrollBarLayout l;
    l.Length = m_kind == sbHorizontal ? Bar.Width() : Bar.Height();
    l.Thickness = m_kind == sbHorizontal ? Bar.Height() : Bar.Width();
    l.Min = 0;
    l.Max = std::max(0, Range() - 1);
    l.PageSize = ControlSize();
    l.Position = m_position;
    return l;
}

// --- TScrollingWinControl --------------------------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), m_horz(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      m_vert(std::make_unique<TControlScrollBar>(this, sbVertical))
{
    ControlStyle |= csAcceptsControls;
}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value)
{
    if (m_autoScroll == Value) return;
    m_autoScroll = Value;
    if (!Value) {
        m_horz->m_range = 0;
        m_vert->m_range = 0;
    }
    UpdateScrollBars();
}

TRect TScrollingWinControl::VertBarRect() const
{
    bool v = false, h = false;
    BarsNeeded(*this, v, h);
    if (!v) return {};
    return Rect(Width() - BarSize(), 0, Width(), Height() - (h ? BarSize() : 0));
}

TRect TScrollingWinControl::HorzBarRect() const
{
    bool v = false, h = false;
    BarsNeeded(*this, v, h);
    if (!h) return {};
    return Rect(0, Height() - BarSize(), Width() - (v ? BarSize() : 0), Height());
}

TRect TScrollingWinControl::ClientRect() const
{
    bool v = false, h = false;
    BarsNeeded(*this, v, h);
    return Rect(0, 0, std::max(0, Width() - (v ? BarSize() : 0)), std::max(0, Height() - (h ? BarSize() : 0)));
}

TSize TScrollingWinControl::ContentExtent() const
{
    TSize s;
    for (Integer i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != alNone) continue;
        s.cx = std::max(s.cx, c->Left() + c->Width() + m_horz->m_position);
        s.cy = std::max(s.cy, c->Top() + c->Height() + m_vert->m_position);
    }
    return s;
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (m_updating) return;
    TTemporaryChange updating(m_updating, true);
    // Positions beyond the new range come back.
    m_horz->SetPosition(m_horz->m_position);
    m_vert->SetPosition(m_vert->m_position);
    Invalidate();
}

void TScrollingWinControl::ScrollBy(Integer DeltaX, Integer DeltaY)
{
    if (DeltaX == 0 && DeltaY == 0) return;
    DisableAlign();
    {
        TScopeExit enable{[this] { EnableAlign(); }};
        for (Integer i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c->Align() == alNone) c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
        }
    }
}

void TScrollingWinControl::ScrollInView(TControl* AControl)
{
    if (!AControl || AControl->Parent() != this) return;
    TRect c = ClientRect();
    if (AControl->Top() < 0)
        m_vert->SetPosition(m_vert->m_position + AControl->Top());
    else if (AControl->Top() + AControl->Height() > c.Bottom)
        m_vert->SetPosition(m_vert->m_position +
                            std::min(AControl->Top(), AControl->Top() + AControl->Height() - c.Bottom));
    if (AControl->Left() < 0)
        m_horz->SetPosition(m_horz->m_position + AControl->Left());
    else if (AControl->Left() + AControl->Width() > c.Right)
        m_horz->SetPosition(m_horz->m_position +
                            std::min(AControl->Left(), AControl->Left() + AControl->Width() - c.Right));
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& R)
{
    TWinControl::AlignControls(AControl, R);
    UpdateScrollBars();
}

void TScrollingWinControl::AdjustClientRect(TRect& R) const { OffsetRect(R, -m_horz->m_position, -m_vert->m_position); }

void TScrollingWinControl::PaintWindow(TCanvas& Canvas)
{
    TRect v = VertBarRect(), h = HorzBarRect();
    if (!IsRectEmpty(v)) {
        TScrollBarPart pressed = m_dragBar == m_vert.get() ? m_dragPart : TScrollBarPart::None;
        DrawScrollBar(Canvas, v, sbVertical, m_vert->Layout(v), Enabled(), pressed);
    }
    if (!IsRectEmpty(h)) {
        TScrollBarPart pressed = m_dragBar == m_horz.get() ? m_dragPart : TScrollBarPart::None;
        DrawScrollBar(Canvas, h, sbHorizontal, m_horz->Layout(h), Enabled(), pressed);
    }
    if (!IsRectEmpty(v) && !IsRectEmpty(h)) {
        Canvas.Brush()->SetColor(clBtnFace);
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.FillRect(Rect(v.Left, h.Top, v.Right, h.Bottom));
    }
}

void TScrollingWinControl::BarMouse(TMessage& M)
{
    TPoint p = TWMMouse(M).Pos;
    if (M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONDBLCLK) {
        TRect v = VertBarRect(), h = HorzBarRect();
        TControlScrollBar* bar = PtInRect(v, p) ? m_vert.get() : PtInRect(h, p) ? m_horz.get() : nullptr;
        if (!bar) return;
        TRect r = bar == m_vert.get() ? v : h;
        TScrollBarLayout l = bar->Layout(r);
        Integer along = bar == m_vert.get() ? p.Y - r.Top : p.X - r.Left;
        m_dragBar = bar;
        m_dragPart = l.PartAt(along);
        switch (m_dragPart) {
        case TScrollBarPart::StartArrow: bar->ScrollMessage(SB_LINEUP, 0); break;
        case TScrollBarPart::EndArrow: bar->ScrollMessage(SB_LINEDOWN, 0); break;
        case TScrollBarPart::StartPage: bar->ScrollMessage(SB_PAGEUP, 0); break;
        case TScrollBarPart::EndPage: bar->ScrollMessage(SB_PAGEDOWN, 0); break;
        case TScrollBarPart::Thumb: m_dragOffset = along - l.ThumbStart(); break;
        case TScrollBarPart::None: break;
        }
        SetCapture(Handle());
        Invalidate();
        return;
    }
    if (!m_dragBar) return;
    TControlScrollBar* bar = m_dragBar;
    TRect r = bar == m_vert.get() ? VertBarRect() : HorzBarRect();
    Integer along = bar == m_vert.get() ? p.Y - r.Top : p.X - r.Left;
    if (m_dragPart == TScrollBarPart::Thumb) {
        Integer pos = bar->Layout(r).PositionAt(along - m_dragOffset);
        bar->ScrollMessage(M.Msg == WM_LBUTTONUP ? SB_THUMBPOSITION : SB_THUMBTRACK, pos);
    }
    if (M.Msg == WM_LBUTTONUP) {
        m_dragBar = nullptr;
        m_dragPart = TScrollBarPart::None;
        ReleaseCapture();
        Invalidate();
    }
}

void TScrollingWinControl::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_HSCROLL: m_horz->ScrollMessage(TWMScroll(M).Code, TWMScroll(M).Pos); return;
    case WM_VSCROLL: m_vert->ScrollMessage(TWMScroll(M).Code, TWMScroll(M).Pos); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: WMMouseDown(M); return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: WMMouseDrag(M); return;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED: WMEndDrag(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TScrollingWinControl::WMMouseDown(TMessage& M)
{
    // A press on a bar the control paints itself is the bar's.
    const TPoint p = TWMMouse(M).Pos;
    if (PtInRect(VertBarRect(), p) || PtInRect(HorzBarRect(), p))
        BarMouse(M);
    else
        TWinControl::Dispatch(M);
}

void TScrollingWinControl::WMMouseDrag(TMessage& M)
{
    if (m_dragBar)
        BarMouse(M);
    else
        TWinControl::Dispatch(M);
}

void TScrollingWinControl::WMEndDrag(TMessage& M)
{
    m_dragBar = nullptr;
    m_dragPart = TScrollBarPart::None;
    TWinControl::Dispatch(M);
}

// --- TScrollBox --------------------------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value)
{
    if (m_borderStyle == Value) return;
    m_borderStyle = Value;
    Invalidate();
}

void TScrollBox::PaintWindow(TCanvas& Canvas)
{
    TScrollingWinControl::PaintWindow(Canvas);
    if (m_borderStyle == bsSingle) {
        TRect r = ClientRect();
        DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
    }
}

}  // namespace gw
