// TPageControl and TTabSheet: page list, tab geometry, switching and the classic tab drawing.
#include "platform/controls/page_control.h"

#include "platform/graphics/frame_controls.h"
#include "platform/ui/forms.h"

#include <algorithm>

namespace gw {

// --- TTabSheet -----------------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls;
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (m_pageControl == Value) return;
    if (m_pageControl) m_pageControl->RemovePage(this);
    SetParent(Value);
    if (Value) Value->InsertPage(this);
}

Integer TTabSheet::PageIndex() const
{
    if (!m_pageControl) return -1;
    auto& pages = m_pageControl->m_pages;
    return Integer(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(Integer Value)
{
    if (!m_pageControl) return;
    auto& pages = m_pageControl->m_pages;
    Value = std::clamp(Value, 0, Integer(pages.size()) - 1);
    std::erase(pages, this);
    pages.insert(pages.begin() + Value, this);
    m_pageControl->Invalidate();
}

Integer TTabSheet::TabIndex() const
{
    if (!m_pageControl || !m_tabVisible) return -1;
    Integer n = 0;
    for (TTabSheet* p : m_pageControl->m_pages) {
        if (p == this) return n;
        if (p->m_tabVisible) ++n;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (m_tabVisible == Value) return;
    m_tabVisible = Value;
    if (m_pageControl) m_pageControl->Invalidate();
}

void TTabSheet::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TTabSheet::CMTextChanged(TMessage& M)
{
    // The caption is the tab's text.
    if (m_pageControl) m_pageControl->Invalidate();
    TCustomControl::Dispatch(M);
}

// --- TPageControl ------------------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : m_pages) p->m_pageControl = nullptr;
    m_pages.clear();
    m_activePage = nullptr;
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    m_pages.push_back(Page);
    Page->m_pageControl = this;
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    TTabSheet* next = nullptr;
    if (Page == m_activePage) {
        next = FindNextPage(Page, true, false);
        if (next == Page) next = nullptr;
    }
    std::erase(m_pages, Page);
    Page->m_pageControl = nullptr;
    if (Page == m_activePage) {
        m_activePage = nullptr;
        SetActivePage(next);
    }
    Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->m_pageControl != this) return;
    if (Page == m_activePage) return;
    TTabSheet* old = m_activePage;
    // A focus inside the page going away moves to the page control.
    TCustomForm* form = GetParentForm(this);
    bool focusInside = false;
    if (old && form && form->ActiveControl()) {
        for (TControl* c = form->ActiveControl(); c; c = c->Parent())
            if (c == old) focusInside = true;
    }
    m_activePage = Page;
    if (Page) {
        Page->BringToFront();
        Page->SetVisible(true);
        if (Page->OnShow) Page->OnShow(Page);
    }
    if (old) {
        old->SetVisible(false);
        if (old->OnHide) old->OnHide(old);
    }
    if (focusInside && CanFocus()) SetFocus();
    Invalidate();
}

Integer TPageControl::ActivePageIndex() const { return m_activePage ? m_activePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(Integer Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? m_pages[std::size_t(Value)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const
{
    if (m_pages.empty()) return nullptr;
    Integer count = PageCount();
    Integer start = CurPage ? CurPage->PageIndex() : -1;
    if (start < 0) start = GoForward ? count - 1 : 0;
    Integer i = start;
    for (Integer n = 0; n < count; ++n) {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* p = m_pages[std::size_t(i)];
        if (!CheckTabVisible || p->TabVisible()) return p;
    }
    return nullptr;
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange) OnChange(this);
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible)
{
    TTabSheet* page = FindNextPage(m_activePage, GoForward, CheckTabVisible);
    if (page && page != m_activePage && CanChange()) {
        SetActivePage(page);
        Change();
    }
}

bool TPageControl::SelectTab(Integer TabIndex)
{
    TTabSheet* page = TabSheet(TabIndex);
    if (!page) return false;
    if (page == m_activePage) return true;
    if (!CanChange()) return false;
    SetActivePage(page);
    Change();
    return true;
}

Integer TPageControl::TabCount() const
{
    return Integer(std::count_if(m_pages.begin(), m_pages.end(), [](TTabSheet* p) { return p->TabVisible(); }));
}

TTabSheet* TPageControl::TabSheet(Integer TabIndex) const
{
    for (TTabSheet* p : m_pages)
        if (p->TabVisible() && TabIndex-- == 0) return p;
    return nullptr;
}

void TPageControl::SetTabWidth(Integer Value)
{
    if (m_tabWidth == Value) return;
    m_tabWidth = std::max(0, Value);
    Invalidate();
}

Integer TPageControl::TabHeight() const
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    return c.TextHeight(u"Wg") + 6;
}

std::vector<TRect> TPageControl::TabRects() const
{
    std::vector<TRect> rects;
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    Integer x = 2, h = TabHeight();
    for (TTabSheet* p : m_pages) {
        if (!p->TabVisible()) continue;
        Integer w = m_tabWidth > 0 ? m_tabWidth : c.TextWidth(p->Caption()) + 12;
        TRect r = Rect(x, 2, x + w, 2 + h);
        if (p == m_activePage) {
            r.Left -= 2;
            r.Right += 2;
            r.Top -= 2;
        }
        rects.push_back(r);
        x += w;
    }
    return rects;
}

TRect TPageControl::TabRect(Integer TabIndex) const
{
    std::vector<TRect> rects = TabRects();
    return TabIndex >= 0 && TabIndex < Integer(rects.size()) ? rects[std::size_t(TabIndex)] : TRect{};
}

Integer TPageControl::IndexOfTabAt(Integer X, Integer Y) const
{
    std::vector<TRect> rects = TabRects();
    // The active tab stands over its neighbours, so it is tested first.
    if (m_activePage) {
        Integer active = m_activePage->TabIndex();
        if (active >= 0 && PtInRect(rects[std::size_t(active)], {X, Y})) return active;
    }
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(rects[i], {X, Y})) return Integer(i);
    return -1;
}

TRect TPageControl::DisplayRect() const
{
    Integer top = TabCount() > 0 ? 2 + TabHeight() : 0;
    return Rect(4, top + 4, std::max(4, Width() - 4), std::max(top + 4, Height() - 4));
}

void TPageControl::AdjustClientRect(TRect& R) const { R = DisplayRect(); }

void TPageControl::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    Integer rowBottom = TabCount() > 0 ? 2 + TabHeight() : 0;
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Parent() ? Parent()->Color() : clBtnFace);
    c.FillRect(Rect(0, 0, client.Right, rowBottom));
    TRect frame = Rect(0, rowBottom, client.Right, client.Bottom);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(frame);
    DrawEdge(c, frame, EDGE_RAISED, BF_RECT | BF_SOFT);
    std::vector<TRect> rects = TabRects();
    Integer active = m_activePage ? m_activePage->TabIndex() : -1;
    auto drawTab = [&](Integer i) {
        TRect r = rects[std::size_t(i)];
        TTabSheet* page = TabSheet(i);
        bool isActive = i == active;
        TRect body = r;
        if (isActive) body.Bottom += 1;  // joins the page frame
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(body);
        TRect edge = body;
        DrawEdge(c, edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
        c.Font()->Assign(Font());
        if (!Enabled()) c.Font()->SetColor(clGrayText);
        c.Brush()->SetStyle(bsClear);
        TRect text = r;
        c.DrawText(page->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c.Brush()->SetStyle(bsSolid);
        if (isActive && Focused()) {
            TRect focus = r;
            InflateRect(focus, -3, -3);
            c.DrawFocusRect(focus);
        }
    };
    for (Integer i = 0; i < Integer(rects.size()); ++i)
        if (i != active) drawTab(i);
    if (active >= 0) drawTab(active);
}

void TPageControl::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED: RelayOut(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TPageControl::CMDialogKey(TMessage& M)
{
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages while the focus is in the control.
    if (TWMKey(M).Key == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
        (Focused() || (HandleAllocated() && IsChild(HandleIfAllocated(), GetFocus())))) {
        SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
        M.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(M);
}

void TPageControl::RelayOut(TMessage& M)
{
    // The tabs follow the font, and the focused tab's frame the focus.
    TCustomControl::Dispatch(M);
    Realign();
    Invalidate();
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        Integer tab = IndexOfTabAt(X, Y);
        if (tab >= 0) SelectTab(tab);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageControl::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_LEFT || Key == VK_RIGHT) {
        Integer next = (m_activePage ? m_activePage->TabIndex() : -1) + (Key == VK_RIGHT ? 1 : -1);
        if (next >= 0 && next < TabCount()) SelectTab(next);
        Key = 0;
    }
}

}  // namespace gw
