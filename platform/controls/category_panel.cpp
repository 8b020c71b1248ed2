// Category panels: header, chevron, collapsing, stacking in the group and scrolling the stack.
#include "platform/controls/category_panel.h"

#include "platform/graphics/canvas.h"
#include "platform/runtime/scope.h"

#include <algorithm>

namespace gw {

// --- TCategoryPanelSurface -------------------------------------------------------------------------------

TCategoryPanelSurface::TCategoryPanelSurface(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetBevelOuter(bvNone);
    SetShowCaption(false);
    SetParentColor(true);
}

// --- TCategoryPanel ------------------------------------------------------------------------------------

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetBevelOuter(bvNone);
    SetShowCaption(false);
    SetTabStop(true);
    SetAlign(alTop);
    m_surface = new TCategoryPanelSurface(this);
    m_surface->SetParent(this);
    m_surface->SetAlign(alClient);
    SetBounds(0, 0, 185, 200);
}

TCategoryPanel::~TCategoryPanel()
{
    if (TCategoryPanelGroup* g = PanelGroup(); g && g->m_lastMoved == this) g->m_lastMoved = nullptr;
    // Taken out of the window first, so the panel's lists hold no freed surface.
    m_surface->SetParent(nullptr);
    DestroyComponents();
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const { return dynamic_cast<TCategoryPanelGroup*>(Parent()); }

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* Value) { SetParent(Value); }

Integer TCategoryPanel::HeaderHeight() const
{
    TCategoryPanelGroup* g = PanelGroup();
    return g ? g->HeaderHeight() : 24;
}

TRect TCategoryPanel::ChevronRect() const
{
    Integer h = HeaderHeight();
    Integer size = std::min(16, h);
    return Bounds(Width() - size - 6, (h - size) / 2, size, size);
}

void TCategoryPanel::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    if (!m_settingHeight) {
        if (m_collapsed) {
            // While collapsed a new height is kept for the next expansion.
            m_expandedHeight = AHeight == HeaderHeight() ? m_expandedHeight : AHeight;
            AHeight = HeaderHeight();
        } else {
            m_expandedHeight = AHeight;
        }
        TCategoryPanelGroup* g = PanelGroup();
        if (g && !g->m_layingOut && ATop != Top()) g->m_lastMoved = this;
    }
    TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCategoryPanel::SetCollapsed(bool Value)
{
    if (m_collapsed == Value) return;
    m_collapsed = Value;
    TScopeExit set{[this] { m_settingHeight = false; }};
    m_settingHeight = true;
    SetBounds(Left(), Top(), Width(), Value ? HeaderHeight() : m_expandedHeight);
    m_surface->SetVisible(!Value);
    Invalidate();
    if (Value && OnCollapse) OnCollapse(this);
    if (!Value && OnExpand) OnExpand(this);
}

void TCategoryPanel::AdjustClientRect(TRect& R) const { R.Top += HeaderHeight(); }

void TCategoryPanel::Paint()
{
    TCanvas& c = *Canvas();
    TCategoryPanelGroup* g = PanelGroup();
    TColor base = g ? g->GradientBaseColor : TColor(0xF0F0F0);
    TColor to = g ? g->GradientColor : TColor(0xD8D8D8);
    TRect header = HeaderRect();
    // A vertical gradient in bands, as the header of the classic category panel.
    TColor b = ColorToRGB(base), t = ColorToRGB(to);
    Integer h = std::max(1, header.Height());
    for (Integer y = 0; y < h; ++y) {
        auto mix = [&](Integer shift) {
            Integer a = (b >> shift) & 0xFF, z = (t >> shift) & 0xFF;
            return Integer(a + (z - a) * y / h) << shift;
        };
        c.Pen()->SetColor(TColor(mix(0) | mix(8) | mix(16)));
        c.MoveTo(0, y);
        c.LineTo(header.Right, y);
    }
    c.Pen()->SetColor(clBtnShadow);
    c.MoveTo(0, h - 1);
    c.LineTo(header.Right, h - 1);
    // Caption.
    c.Font()->Assign(g ? g->HeaderFont() : Font());
    if (!Enabled()) c.Font()->SetColor(clGrayText);
    c.Brush()->SetStyle(bsClear);
    TRect text = Rect(6, 0, ChevronRect().Left - 4, h);
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    // Chevron: two strokes pointing up (expanded) or down (collapsed).
    TRect cr = ChevronRect();
    c.Pen()->SetColor(g ? g->ChevronColor : clBlack);
    Integer cx = (cr.Left + cr.Right) / 2, cy = (cr.Top + cr.Bottom) / 2;
    for (Integer k = 0; k < 2; ++k) {
        Integer y = m_collapsed ? cy - 3 + 4 * k : cy + 1 - 4 * k;
        Integer dir = m_collapsed ? 1 : -1;
        for (Integer w = 0; w < 2; ++w) {
            c.MoveTo(cx - 4, y + w);
            c.LineTo(cx, y + w + 4 * dir);
            c.LineTo(cx + 5, y + w - dir);
        }
    }
    if (Focused()) {
        TRect f = header;
        InflateRect(f, -2, -2);
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect(f);
    }
}

void TCategoryPanel::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_CONTROLCHANGE: CMControlChange(M); return;
    default: TCustomPanel::Dispatch(M); return;
    }
}

void TCategoryPanel::CMControlChange(TMessage& M)
{
    // Controls put on the panel go onto its surface.
    const TCMControlChange change(M);
    TCustomPanel::Dispatch(M);
    if (change.Inserting && m_surface && change.Control != m_surface) change.Control->SetParent(m_surface);
}

void TCategoryPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled() && PtInRect(HeaderRect(), {X, Y})) SetCollapsed(!m_collapsed);
}

void TCategoryPanel::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomPanel::KeyDown(Key, Shift);
    if (Key == VK_SPACE || Key == VK_RETURN) {
        SetCollapsed(!m_collapsed);
        Key = 0;
    }
}

// --- TCategoryPanelGroup -----------------------------------------------------------------------------------

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner)
    : TScrollingWinControl(AOwner), m_headerFont(std::make_unique<TFont>())
{
    SetBounds(0, 0, 200, 400);
    SetColor(clBtnFace);
    VertScrollBar()->Tracking = true;
    HorzScrollBar()->SetVisible(false);
    m_headerFont->SetStyle(fsBold);
    m_headerFont->OnChange = [this](TObject*) { Invalidate(); };
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const
{
    std::vector<TCategoryPanel*> list;
    for (Integer i = 0; i < ControlCount(); ++i)
        if (auto* p = dynamic_cast<TCategoryPanel*>(Controls(i))) list.push_back(p);
    std::stable_sort(list.begin(), list.end(), [this](TCategoryPanel* a, TCategoryPanel* b) {
        if (a->Top() != b->Top()) return a->Top() < b->Top();
        return a == m_lastMoved && b != m_lastMoved;
    });
    return list;
}

void TCategoryPanelGroup::SetHeaderHeight(Integer Value)
{
    Value = std::max(8, Value);
    if (m_headerHeight == Value) return;
    m_headerHeight = Value;
    for (TCategoryPanel* p : Panels()) {
        if (p->Collapsed()) {
            p->m_settingHeight = true;
            p->SetBounds(p->Left(), p->Top(), p->Width(), Value);
            p->m_settingHeight = false;
        }
        p->Realign();
        p->Invalidate();
    }
    Realign();
}

void TCategoryPanelGroup::CollapseAll()
{
    for (TCategoryPanel* p : Panels()) p->Collapse();
}

void TCategoryPanelGroup::ExpandAll()
{
    for (TCategoryPanel* p : Panels()) p->Expand();
}

TSize TCategoryPanelGroup::ContentExtent() const
{
    Integer total = 0;
    for (TCategoryPanel* p : Panels())
        if (p->Visible()) total += p->Height();
    return {0, total};
}

void TCategoryPanelGroup::AlignControls(TControl* /*AControl*/, TRect& /*R*/)
{
    if (m_layingOut) return;
    TScopeExit done{[this] { m_layingOut = false; }};
    m_layingOut = true;
    // Stacked from the top, shifted by the scroll position, as wide as the client area.
    UpdateScrollBars();
    Integer y = -VertScrollBar()->Position();
    Integer width = ClientRect().Width();
    for (TCategoryPanel* p : Panels()) {
        if (!p->Visible()) continue;
        p->m_settingHeight = true;
        p->SetBounds(0, y, width, p->Height());
        p->m_settingHeight = false;
        y += p->Height();
    }
    m_lastMoved = nullptr;
    UpdateScrollBars();
}

void TCategoryPanelGroup::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_VSCROLL:
    case WM_MOUSEMOVE: ScrollThenLayOut(M); return;
    default: TScrollingWinControl::Dispatch(M); return;
    }
}

void TCategoryPanelGroup::ScrollThenLayOut(TMessage& M)
{
    // A scroll, or a drag of the scroll bar's thumb, moves the stack: lay it out again at the
    // new position.
    TScrollingWinControl::Dispatch(M);
    if (M.Msg == WM_VSCROLL || TWMMouse(M).LeftDown()) Realign();
}

}  // namespace gw
