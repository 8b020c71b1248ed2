// The window tree: creating and destroying windows, parents, owners and z-order, styles and
// text, visibility, enabling and geometry, and the state every component of the window system shares.
#include "platform/runtime/exceptions.h"
#include "platform/ui/backend.h"
#include "platform/ui/scroll_bar_side.h"
#include "platform/ui/window_system_state.h"

#include <algorithm>

namespace gw {

namespace detail {

TState& State()
{
    static TState state;
    return state;
}

TWindowRecord* Find(HWND Wnd)
{
    if (!Wnd) return nullptr;
    auto& w = State().Windows;
    auto it = w.find(Wnd);
    return it == w.end() ? nullptr : it->second.get();
}

TRect ClientOf(const TWindowRecord& r)
{
    Integer w = r.Bounds.Width() - ((r.Style & WS_VSCROLL) ? BarSize() : 0);
    Integer h = r.Bounds.Height() - ((r.Style & WS_HSCROLL) ? BarSize() : 0);
    return Rect(0, 0, std::max(0, w), std::max(0, h));
}

TPoint ClientOffsetOf(const TWindowRecord& r)
{
    const bool left = (r.Style & WS_VSCROLL) && (r.ExStyle & WS_EX_LEFTSCROLLBAR);
    return {left ? std::min(BarSize(), r.Bounds.Width()) : 0, 0};
}

std::vector<HWND>& SiblingList(const TWindowRecord& r)
{
    if (r.Parent) return Find(r.Parent)->Children;
    return State().TopLevels;
}

bool IsWithin(HWND Wnd, HWND Ancestor)
{
    for (TWindowRecord* r = Find(Wnd); r; r = Find(r->Parent))
        if (r->Handle == Ancestor) return true;
    return false;
}

// Enabled itself and through all its ancestors.
bool IsEnabledDeep(HWND Wnd)
{
    for (TWindowRecord* r = Find(Wnd); r; r = Find(r->Parent))
        if (r->Style & WS_DISABLED) return false;
    return Find(Wnd) != nullptr;
}

// A child's bounds are measured in its parent's client area.
TPoint OffsetInTopLevel(HWND Wnd)
{
    TPoint p;
    for (TWindowRecord* r = Find(Wnd); r && r->Parent; r = Find(r->Parent)) {
        const TPoint parent = ClientOffsetOf(*Find(r->Parent));
        p.X += r->Bounds.Left + parent.X;
        p.Y += r->Bounds.Top + parent.Y;
    }
    return p;
}

TPoint ClientOffsetInTopLevel(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return {};
    const TPoint p = OffsetInTopLevel(Wnd), own = ClientOffsetOf(*r);
    return {p.X + own.X, p.Y + own.Y};
}

// The part of the window (WholeWindow) or of its client area not cut off by its ancestors, in
// its own coordinates (window or client ones); worked out in the top-level window's.
TRect VisibleClientRect(HWND Wnd, bool WholeWindow)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return {};
    TRect vis = WholeWindow ? Rect(0, 0, r->Bounds.Width(), r->Bounds.Height()) : ClientOf(*r);
    const TPoint own = WholeWindow ? OffsetInTopLevel(Wnd) : ClientOffsetInTopLevel(Wnd);
    OffsetRect(vis, own.X, own.Y);
    for (TWindowRecord* c = r; c->Parent; c = Find(c->Parent)) {
        TRect pc = ClientOf(*Find(c->Parent));
        const TPoint at = ClientOffsetInTopLevel(c->Parent);
        OffsetRect(pc, at.X, at.Y);
        if (!IntersectRect(vis, vis, pc)) return {};
    }
    OffsetRect(vis, -own.X, -own.Y);
    return vis;
}

void BringToTop(TWindowRecord& r)
{
    auto& list = SiblingList(r);
    list.erase(std::find(list.begin(), list.end(), r.Handle));
    auto pos = list.begin();
    if (!(r.ExStyle & WS_EX_TOPMOST)) {
        while (pos != list.end() && Find(*pos) && (Find(*pos)->ExStyle & WS_EX_TOPMOST)) ++pos;
    }
    list.insert(pos, r.Handle);
}

void InvalidateInParent(TWindowRecord& r)
{
    if (r.Parent) InvalidateRect(r.Parent, &r.Bounds, true);
}

}  // namespace detail

using namespace detail;

namespace {

void CollectSubtree(HWND Wnd, std::vector<HWND>& Out)
{
    Out.push_back(Wnd);
    if (TWindowRecord* r = Find(Wnd))
        for (HWND c : r->Children) CollectSubtree(c, Out);
}

// How the display treats a new top-level window. A pop-up that cannot be activated - one with
// WS_EX_NOACTIVATE, or one created disabled (a focus frame, a drag image) - is shown as an
// overlay that never takes the display's focus or the pointer.
TNativeKind NativeKindOf(Cardinal Style, Cardinal ExStyle)
{
    if (ExStyle & WS_EX_NOACTIVATE) return TNativeKind::NonActivatingPopup;
    if (!(Style & WS_POPUP)) return TNativeKind::Normal;
    return (Style & WS_DISABLED) ? TNativeKind::NonActivatingPopup : TNativeKind::ActivatingPopup;
}

void NotifyBackendShown(TWindowRecord& r, bool Visible)
{
    if (IsTopLevel(r) && HasBackend()) Backend().WindowShown(r.Handle, Visible);
}

}  // namespace

// --- windows -----------------------------------------------------------------------------------

HWND CreateWindow(const TCreateWindowParams& P)
{
    TState& s = State();
    bool child = (P.Style & WS_CHILD) != 0;
    if (child && !Find(P.Parent)) throw EInvalidOperation(u"Control has no parent window");
    if (child && Find(P.Parent)->Destroying) throw EInvalidOperation(u"The parent window is being destroyed");
    auto rec = std::make_unique<TWindowRecord>();
    rec->Handle = s.NextHandle++;
    rec->Style = P.Style;
    rec->ExStyle = P.ExStyle;
    rec->ClassStyle = P.ClassStyle;
    rec->Bounds = P.Bounds;
    rec->Text = P.Caption;
    rec->Proc = std::make_shared<const TWndProc>(P.WndProc ? P.WndProc : TWndProc(DefWindowProc));
    if (child)
        rec->Parent = P.Parent;
    else
        rec->Owner = Find(P.Parent) ? P.Parent : 0;
    HWND h = rec->Handle;
    TWindowRecord& r = *rec;
    s.Windows.emplace(h, std::move(rec));
    SiblingList(r).insert(SiblingList(r).begin(), h);
    BringToTop(r);
    if (!child && HasBackend()) Backend().WindowCreated(h, NativeKindOf(P.Style, P.ExStyle), r.Owner, r.Bounds);
    SendMessage(h, WM_CREATE, 0, 0);
    if (Find(h) && (Find(h)->Style & WS_VISIBLE)) {
        InvalidateRect(h, nullptr, true);
        NotifyBackendShown(*Find(h), true);
    }
    return h;
}

bool DestroyWindow(HWND Wnd)
{
    TState& s = State();
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Destroying) return false;
    // Owned windows go first, as they cannot outlive their owner.
    std::vector<HWND> owned;
    for (HWND t : s.TopLevels)
        if (Find(t)->Owner == Wnd) owned.push_back(t);
    for (HWND t : owned) DestroyWindow(t);
    r = Find(Wnd);
    if (!r || r->Destroying) return false;
    if (s.Capture && IsWithin(s.Capture, Wnd)) ReleaseCapture();
    MoveFocusOutOf(Wnd);
    std::vector<HWND> tree;
    CollectSubtree(Wnd, tree);
    for (HWND h : tree)
        if (TWindowRecord* x = Find(h)) x->Destroying = true;
    if (s.Focus && IsWithin(s.Focus, Wnd)) s.Focus = 0;
    if (s.Announced && IsWithin(s.Announced, Wnd)) s.Announced = 0;
    if (s.Active == Wnd) s.Active = 0;
    for (HWND h : tree) SendMessage(h, WM_DESTROY, 0, 0);
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) SendMessage(*it, WM_NCDESTROY, 0, 0);
    r = Find(Wnd);
    if (r->Parent) InvalidateInParent(*r);
    auto& siblings = SiblingList(*r);
    siblings.erase(std::find(siblings.begin(), siblings.end(), Wnd));
    bool top = IsTopLevel(*r);
    std::erase_if(s.Timers,
                  [&](const TTimerRecord& t) { return std::find(tree.begin(), tree.end(), t.Wnd) != tree.end(); });
    if (s.LastClick.Valid && std::find(tree.begin(), tree.end(), s.LastClick.Wnd) != tree.end())
        s.LastClick.Valid = false;
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (s.Focus == *it) s.Focus = 0;
        if (s.Announced == *it) s.Announced = 0;
        if (s.Capture == *it) s.Capture = 0;
        s.Windows.erase(*it);
    }
    for (auto& t : s.TopLevels)
        if (Find(t)->Owner == Wnd) Find(t)->Owner = 0;
    if (top && HasBackend()) Backend().WindowDestroyed(Wnd);
    return true;
}

bool IsWindow(HWND Wnd) { return Find(Wnd) != nullptr; }

HWND GetParent(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Parent : 0;
}

HWND GetWindowOwner(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Owner : 0;
}

HWND GetTopLevelWindow(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    while (r && r->Parent) r = Find(r->Parent);
    return r ? r->Handle : 0;
}

bool IsChild(HWND Parent, HWND Wnd) { return Wnd != Parent && IsWithin(Wnd, Parent); }

std::vector<HWND> GetChildWindows(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Children : std::vector<HWND>{};
}

std::vector<HWND> GetTopLevelWindows() { return State().TopLevels; }

HWND SetParent(HWND Wnd, HWND NewParent)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !(r->Style & WS_CHILD) || !Find(NewParent) || IsWithin(NewParent, Wnd)) return 0;
    HWND old = r->Parent;
    if (old == NewParent) return old;
    InvalidateInParent(*r);
    auto& siblings = SiblingList(*r);
    siblings.erase(std::find(siblings.begin(), siblings.end(), Wnd));
    r->Parent = NewParent;
    Find(NewParent)->Children.insert(Find(NewParent)->Children.begin(), Wnd);
    InvalidateInParent(*r);
    return old;
}

void SetWindowZOrder(HWND Wnd, HWND InsertAfter)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    if (!InsertAfter) {
        BringToTop(*r);
    } else {
        auto& list = SiblingList(*r);
        auto it = std::find(list.begin(), list.end(), InsertAfter);
        if (it == list.end() || InsertAfter == Wnd) return;
        list.erase(std::find(list.begin(), list.end(), Wnd));
        it = std::find(list.begin(), list.end(), InsertAfter);
        list.insert(it + 1, Wnd);
    }
    if (r->Parent) InvalidateRect(Wnd, nullptr, true);
}

Cardinal GetWindowStyle(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Style : 0;
}

void SetWindowStyle(HWND Wnd, Cardinal Style)
{
    if (TWindowRecord* r = Find(Wnd)) {
        Cardinal keep = WS_VISIBLE | WS_DISABLED | WS_CHILD;
        r->Style = (Style & ~keep) | (r->Style & keep);
    }
}

Cardinal GetWindowExStyle(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->ExStyle : 0;
}

void SetWindowExStyle(HWND Wnd, Cardinal ExStyle)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    const Cardinal old = r->ExStyle;
    r->ExStyle = ExStyle;
    LayeredStyleChanged(*r, old);
    // The bar changes sides: the client area and the bar move over.
    if (((old ^ ExStyle) & WS_EX_LEFTSCROLLBAR) && (r->Style & WS_VSCROLL)) {
        InvalidateInParent(*r);
        InvalidateRect(Wnd, nullptr, true);
        DrawScrollBars(Wnd);
    }
}

Cardinal GetClassStyle(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->ClassStyle : 0;
}

String GetWindowText(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Text : String();
}

void SetWindowText(HWND Wnd, const String& Text)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Text == Text) return;
    r->Text = Text;
    if (IsTopLevel(*r) && HasBackend()) Backend().WindowCaptionChanged(Wnd, Text);
}

// --- visibility, enabling, geometry ----------------------------------------------------------------

bool ShowWindow(HWND Wnd, bool Visible)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    bool was = (r->Style & WS_VISIBLE) != 0;
    if (was == Visible) return was;
    SendMessage(Wnd, WM_SHOWWINDOW, Visible, 0);
    r = Find(Wnd);
    if (!r) return was;
    if (Visible) {
        r->Style |= WS_VISIBLE;
        if (IsTopLevel(*r)) BringToTop(*r);
        NotifyBackendShown(*r, true);
        InvalidateRect(Wnd, nullptr, true);
    } else {
        r->Style &= ~WS_VISIBLE;
        InvalidateInParent(*r);
        if (State().Capture && IsWithin(State().Capture, Wnd)) ReleaseCapture();
        MoveFocusOutOf(Wnd);
        if ((r = Find(Wnd))) NotifyBackendShown(*r, false);
    }
    return was;
}

bool IsWindowVisible(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    for (; r; r = Find(r->Parent))
        if (!(r->Style & WS_VISIBLE)) return false;
    return true;
}

bool EnableWindow(HWND Wnd, bool Enable)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    bool wasDisabled = (r->Style & WS_DISABLED) != 0;
    if (wasDisabled == !Enable) return wasDisabled;
    if (!Enable) {
        SendMessage(Wnd, WM_CANCELMODE, 0, 0);
        if (!(r = Find(Wnd))) return wasDisabled;
        r->Style |= WS_DISABLED;
        if (State().Focus && IsWithin(State().Focus, Wnd)) SetFocus(0);
        if (State().Capture && IsWithin(State().Capture, Wnd)) ReleaseCapture();
    } else {
        r->Style &= ~WS_DISABLED;
    }
    SendMessage(Wnd, WM_ENABLE, Enable, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r && !(r->Style & WS_DISABLED);
}

void MoveWindow(HWND Wnd, const TRect& Bounds, bool Repaint)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Bounds == Bounds) return;
    TRect old = r->Bounds;
    if (Repaint) InvalidateInParent(*r);
    r->Bounds = Bounds;
    if (Repaint) {
        InvalidateInParent(*r);
        InvalidateRect(Wnd, nullptr, true);
    }
    if (IsTopLevel(*r) && HasBackend()) Backend().WindowMoved(Wnd, Bounds);
    SendMessage(Wnd, WM_WINDOWPOSCHANGED, 0, 0);
    if (old.TopLeft() != Bounds.TopLeft()) SendMessage(Wnd, WM_MOVE, 0, MakeLParam(Bounds.Left, Bounds.Top));
    if (old.Width() != Bounds.Width() || old.Height() != Bounds.Height()) {
        TRect c = GetClientRect(Wnd);
        SendMessage(Wnd, WM_SIZE, 0, MakeLParam(c.Width(), c.Height()));
    }
}

TRect GetWindowBounds(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Bounds : TRect{};
}

TRect GetWindowRect(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return {};
    TPoint p = ClientToScreen(Wnd, {0, 0});
    return Bounds(p.X, p.Y, r->Bounds.Width(), r->Bounds.Height());
}

TRect GetClientRect(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? ClientOf(*r) : TRect{};
}

TPoint ClientToScreen(HWND Wnd, TPoint P)
{
    for (TWindowRecord* r = Find(Wnd); r; r = Find(r->Parent)) {
        const TPoint client = ClientOffsetOf(*r);
        P.X += r->Bounds.Left + client.X;
        P.Y += r->Bounds.Top + client.Y;
    }
    return P;
}

TPoint ClientOffset(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? ClientOffsetOf(*r) : TPoint{};
}

TPoint ScreenToClient(HWND Wnd, TPoint P)
{
    TPoint o = ClientToScreen(Wnd, {0, 0});
    return {P.X - o.X, P.Y - o.Y};
}

namespace {
// P in the window's own coordinates.
HWND ChildAt(TWindowRecord& r, TPoint P)
{
    const TPoint client = ClientOffsetOf(r);
    P = {P.X - client.X, P.Y - client.Y};
    if (!PtInRect(ClientOf(r), P)) return r.Handle;  // on its scroll bars
    for (HWND c : r.Children) {
        TWindowRecord* cr = Find(c);
        if (!cr || !(cr->Style & WS_VISIBLE) || (cr->Style & WS_DISABLED)) continue;
        if (PtInRect(cr->Bounds, P)) return ChildAt(*cr, {P.X - cr->Bounds.Left, P.Y - cr->Bounds.Top});
    }
    return r.Handle;
}
}  // namespace

HWND WindowFromPoint(TPoint P)
{
    for (HWND t : State().TopLevels) {
        TWindowRecord* r = Find(t);
        if (!r || !(r->Style & WS_VISIBLE) || !PtInRect(r->Bounds, P)) continue;
        const TPoint local{P.X - r->Bounds.Left, P.Y - r->Bounds.Top};
        if (!TakesMouseAt(*r, local)) continue;
        return ChildAt(*r, local);
    }
    return 0;
}

// --- lifetime -----------------------------------------------------------------------------------------

void ResetWindowSystem()
{
    TState& s = State();
    while (!s.TopLevels.empty()) {
        HWND h = s.TopLevels.back();
        if (!DestroyWindow(h)) s.TopLevels.pop_back();
    }
    s.Windows.clear();
    {
        std::lock_guard<std::mutex> lock(s.PostLock);
        s.Posted.clear();
    }
    s.Input.clear();
    s.Timers.clear();
    s.Invalid.clear();
    s.Focus = s.Announced = s.Losing = s.Active = s.Capture = 0;
    s.Keys.fill(0);
    s.Cursor = {};
    s.LastClick = {};
    s.Track = {};
    s.MessageTime = 0;
    s.UiThread = std::this_thread::get_id();
}

Cardinal WindowCount() { return Cardinal(State().Windows.size()); }

}  // namespace gw
