// TWinControl: the window behind a control, its children, focus, key handling and painting.
#include "platform/ui/win_control.h"

#include "platform/graphics/canvas.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/scroll_bar_side.h"
#include "platform/ui/system_metrics.h"

#include <algorithm>
#include <unordered_map>

namespace gw {

namespace {
std::unordered_map<HWND, TWinControl*>& Registry()
{
    static std::unordered_map<HWND, TWinControl*> map;
    return map;
}
}  // namespace

TWinControl* FindControl(HWND Wnd)
{
    if (!Wnd) return nullptr;
    auto& m = Registry();
    auto it = m.find(Wnd);
    return it == m.end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    Destroying();
    if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, true);
    // A parent frees the controls it holds, whoever owns them.
    while (!m_controls.empty()) {
        TControl* c = m_controls.back();
        RemoveControl(c);
        delete c;
    }
    DestroyHandle();
    // Leave the parent while still a TWinControl: past this point the parent could no longer
    // tell a windowed child and would keep it in its tab list.
    if (Parent()) Parent()->RemoveControl(this);
}

// --- messages ---------------------------------------------------------------------------------

LRESULT TWinControl::MainWndProc(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    try {
        WindowProc(m);
    } catch (...) {
        HandleControlException(this);
    }
    return m.Result;
}

void TWinControl::WndProc(TMessage& M)
{
    switch (M.Msg) {
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this)) return;
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
        // A windowless child under the mouse (or holding the capture) gets the message.
        const TPoint p = TWMMouse(M).Pos;
        TControl* target = nullptr;
        TControl* cap = GetCaptureControl();
        if (cap && cap->Parent() == this && !cap->IsWindowed())
            target = cap;
        else if (!cap || cap == this)
            target = ControlAtPos(p, false);
        if (target && !target->IsWindowed()) {
            M.Result = target->Perform(M.Msg, M.WParam, PointToLParam({p.X - target->Left(), p.Y - target->Top()}));
            return;
        }
        // Controls take the focus on a press; the press goes on only when they got it.
        if ((M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONDBLCLK) && m_tabStop && !Focused() &&
            !(ComponentState() & csDesigning)) {
            SendCancelMode();
            if (CanFocus()) SetFocus();
            if (!Focused()) return;
        }
        break;
    }
    default: break;
    }
    TControl::WndProc(M);
}

void TWinControl::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_PAINT: WMPaint(M); return;
    case WM_ERASEBKGND: WMEraseBkgnd(M); return;
    case WM_SETCURSOR: WMSetCursor(M); return;
    case WM_GETDLGCODE: M.Result = DialogCode(); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: WMFocusChanged(M); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: KeyMessage(M, &TWinControl::DoKeyDown); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: KeyMessage(M, &TWinControl::DoKeyUp); return;
    case WM_CHAR: KeyMessage(M, &TWinControl::DoKeyPress); return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(M); return;
    case CN_CHAR: CNChar(M); return;
    case CN_SYSCHAR: SysCharToForm(M); return;
    case CM_CHILDKEY: ChildKeyToParent(M); return;
    case CM_DIALOGKEY: CMDialogKey(M); return;
    case CM_DIALOGCHAR: CMDialogChar(M); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_FOCUSCHANGED: Broadcast(M); return;
    case WM_COMMAND:
    case WM_NOTIFY: WMCommandNotify(M); return;
    case WM_CONTEXTMENU: WMContextMenu(M); return;
    case WM_WINDOWPOSCHANGED: WindowMovedByDisplay(M); return;
    case WM_SIZE: WindowSized(M); return;
    case CM_ENABLEDCHANGED: EnabledChanged(); return;
    case CM_VISIBLECHANGED: UpdateShowing(); return;
    case CM_COLORCHANGED: TellChildren(CM_PARENTCOLORCHANGED, true); return;
    case CM_FONTCHANGED: TellChildren(CM_PARENTFONTCHANGED, true); return;
    case CM_SHOWHINTCHANGED: TellChildren(CM_PARENTSHOWHINTCHANGED, false); return;
    case CM_BIDIMODECHANGED: TellChildren(CM_PARENTBIDIMODECHANGED, true); return;
    default: TControl::Dispatch(M); return;
    }
}

void TWinControl::KeyMessage(TMessage& M, bool (TWinControl::*Handle)(TMessage&))
{
    if (!(this->*Handle)(M)) DefaultHandler(M);
}

void TWinControl::SysCharToForm(TMessage& M)
{
    // Alt with a character is a form's accelerator; Alt+Space is the window menu's.
    if (TWMChar(M).CharCode == VK_SPACE) return;
    if (TCustomForm* form = GetParentForm(this)) M.Result = form->Perform(CM_DIALOGCHAR, M.WParam, M.LParam);
}

void TWinControl::ChildKeyToParent(TMessage& M)
{
    if (Parent()) M.Result = Parent()->Perform(CM_CHILDKEY, M.WParam, M.LParam);
}

void TWinControl::WindowMovedByDisplay(TMessage& M)
{
    // The display moved or sized the window itself (a person dragging its frame).
    TRect b = GetWindowBounds(m_handle);
    if (!(b == BoundsRect())) {
        bool resized = b.Width() != Width() || b.Height() != Height();
        m_left = b.Left;
        m_top = b.Top;
        m_width = b.Width();
        m_height = b.Height();
        if (resized) Resize();
    }
    DefaultHandler(M);
}

void TWinControl::WindowSized(TMessage& M)
{
    DefaultHandler(M);
    Realign();
}

void TWinControl::EnabledChanged()
{
    // A disabled control gives up the focus, and its form forgets it as the active control,
    // so that a later click on it, enabled again, focuses it anew.
    if (!Enabled() && Parent())
        if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
    if (HandleAllocated()) EnableWindow(m_handle, Enabled());
    Invalidate();
}

void TWinControl::TellChildren(UINT ParentMsg, bool Repaint)
{
    if (Repaint) Invalidate();
    TMessage m{ParentMsg, 0, 0, 0};
    Broadcast(m);
}

void TWinControl::WMFocusChanged(TMessage& M)
{
    DefaultHandler(M);
    if (RepaintsOnFocusChange()) Invalidate();
}

void TWinControl::DefaultHandler(TMessage& M)
{
    if (m_handle) M.Result = DefWindowProc(m_handle, M.Msg, M.WParam, M.LParam);
}

void TWinControl::WMCommandNotify(TMessage& M)
{
    // The parent's default handling reflects a child's notification back to that child.
    HWND from = 0;
    if (M.Msg == WM_COMMAND)
        from = TWMCommand(M).Ctl;
    else if (const NMHDR* header = TWMNotify(M).Header)
        from = header->hwndFrom;
    if (TWinControl* child = FindControl(from); child && child != this) {
        M.Result = child->Perform(CN_BASE + M.Msg, M.WParam, M.LParam);
        return;
    }
    DefaultHandler(M);
}

void TWinControl::WMContextMenu(TMessage& M)
{
    // The request names the screen point (-1, -1 from the keyboard: the control's centre).
    const TWMContextMenu request(M);
    TPoint p = request.FromKeyboard() ? TPoint{Width() / 2, Height() / 2} : ScreenToClient(request.Pos);
    TControl* target = ControlAtPos(p, false);
    if (!target) target = this;
    bool handled = false;
    if (target != this && target->OnContextPopup)
        target->OnContextPopup(target, TPoint{p.X - target->Left(), p.Y - target->Top()}, handled);
    if (!handled && OnContextPopup) OnContextPopup(this, p, handled);
    if (!handled) {
        TControl* owner = target->PopupMenu() ? target : PopupMenu() ? this : nullptr;
        if (owner && owner->PopupMenu()->AutoPopup) {
            TPoint at = ClientToScreen(p);
            owner->PopupMenu()->PopupComponent = owner;
            owner->PopupMenu()->Popup(at.X, at.Y);
            handled = true;
        }
    }
    if (handled) {
        M.Result = 1;
        return;
    }
    DefaultHandler(M);
}

void TWinControl::CNKeyDown(TMessage& M)
{
    M.Result = 1;
    Word key = TWMKey(M).Key;
    if (!(ComponentState() & csDesigning)) {
        if (Perform(CM_CHILDKEY, key, LPARAM(this)) != 0) return;
        LRESULT mask = 0;
        switch (key) {
        case VK_TAB: mask = DLGC_WANTTAB; break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: mask = DLGC_WANTARROWS; break;
        case VK_RETURN:
        case VK_EXECUTE:
        case VK_ESCAPE:
        case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
        default: break;
        }
        if (mask && Perform(CM_WANTSPECIALKEY, key, M.LParam) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0) {
            TCustomForm* form = GetParentForm(this);
            if (form && form->Perform(CM_DIALOGKEY, key, M.LParam) != 0) return;
        }
    }
    M.Result = 0;
}

void TWinControl::CNChar(TMessage& M)
{
    M.Result = 1;
    if (!(ComponentState() & csDesigning) && !(Perform(WM_GETDLGCODE) & DLGC_WANTCHARS)) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGCHAR, M.WParam, M.LParam) != 0) return;
    }
    M.Result = 0;
}

void TWinControl::CMDialogKey(TMessage& M) { Broadcast(M); }

void TWinControl::CMDialogChar(TMessage& M) { Broadcast(M); }

void TWinControl::Broadcast(TMessage& M)
{
    std::vector<TControl*> list = m_controls;
    for (TControl* c : list) {
        if (std::find(m_controls.begin(), m_controls.end(), c) == m_controls.end()) continue;
        c->WindowProc(M);
        if (M.Result != 0) return;
    }
}

bool TWinControl::DoKey(TMessage& M, bool (TWinControl::*Preview)(TMessage&),
                        const std::function<void(WPARAM&)>& Handle)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview && (form->*Preview)(M)) return true;
    if (ControlStyle & csNoStdEvents) return false;
    Handle(M.WParam);
    return M.WParam == 0;
}

bool TWinControl::DoKeyDown(TMessage& M)
{
    return DoKey(M, &TWinControl::DoKeyDown, [&](WPARAM& K) {
        Word key = Word(K);
        KeyDown(key, TWMKey(M).Shift());
        K = key;
    });
}

bool TWinControl::DoKeyUp(TMessage& M)
{
    return DoKey(M, &TWinControl::DoKeyUp, [&](WPARAM& K) {
        Word key = Word(K);
        KeyUp(key, TWMKey(M).Shift());
        K = key;
    });
}

bool TWinControl::DoKeyPress(TMessage& M)
{
    return DoKey(M, &TWinControl::DoKeyPress, [&](WPARAM& K) {
        Char ch = Char(K);
        KeyPress(ch);
        K = ch;
    });
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift)
{
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift)
{
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(Char& Key)
{
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

// --- the window ------------------------------------------------------------------------------

void TWinControl::CreateParams(TCreateParams& P)
{
    P.Caption = Text();
    P.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Parent())
        P.Style |= WS_CHILD;
    else
        P.Style |= WS_POPUP;
    if (Visible()) P.Style |= WS_VISIBLE;
    if (!Enabled()) P.Style |= WS_DISABLED;
    if (m_tabStop) P.Style |= WS_TABSTOP;
    if (UseRightToLeftScrollBar()) P.ExStyle |= WS_EX_LEFTSCROLLBAR;
    // Without double clicks a quick second press is a press of its own.
    if (!(ControlStyle & csDoubleClicks)) P.ClassStyle &= ~CS_DBLCLKS;
    P.Bounds = BoundsRect();
    P.WndParent = Parent() ? Parent()->Handle() : m_parentWindow;
}

void TWinControl::CreateWnd()
{
    TCreateParams p;
    CreateParams(p);
    TCreateWindowParams w;
    w.Caption = p.Caption;
    w.Style = p.Style;
    w.ExStyle = p.ExStyle;
    w.ClassStyle = p.ClassStyle;
    w.Bounds = p.Bounds;
    w.Parent = p.WndParent;
    // The window is registered before WM_CREATE so that FindControl works from the start.
    w.WndProc = [this](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) -> LRESULT {
        if (!m_handle) {
            m_handle = Wnd;
            Registry()[Wnd] = this;
        }
        return MainWndProc(Msg, WParam, LParam);
    };
    HWND h = CreateWindow(w);
    if (!m_handle) {
        m_handle = h;
        Registry()[h] = this;
    }
}

void TWinControl::DestroyWnd()
{
    HWND h = m_handle;
    // The object takes no more messages once its window starts to go away.
    SetWindowProc(h, DefWindowProc);
    Registry().erase(h);
    m_handle = 0;
    DestroyWindow(h);
}

void TWinControl::CreateHandle()
{
    if (m_handle) return;
    ControlState |= csCreating;
    {
        TScopeExit created{[this] { ControlState &= ~csCreating; }};
        CreateWnd();
    }
    // Windowed children come with their parent, in z-order.
    for (TControl* c : m_controls)
        if (auto* w = WindowedControl(c)) w->CreateHandle();
    // Windows are stacked in creation order (newest on top); keep the tab order's stacking.
    for (TControl* c : m_controls)
        if (auto* w = WindowedControl(c); w && w->m_handle) SetWindowZOrder(w->m_handle, 0);
    Realign();
}

void TWinControl::DestroyHandle()
{
    if (!m_handle) return;
    ControlState |= csDestroyingHandle;
    for (TControl* c : m_controls)
        if (auto* w = WindowedControl(c)) w->DestroyHandle();
    DestroyWnd();
    ControlState &= ~csDestroyingHandle;
}

HWND TWinControl::Handle()
{
    if (!m_handle) {
        if (Parent()) Parent()->Handle();
        CreateHandle();
    }
    return m_handle;
}

void TWinControl::RecreateWnd()
{
    if (!m_handle) return;
    bool focused = Focused();
    // A rebuilt window is the same control: the focus rests on nothing meanwhile instead of
    // passing through the parent, so the form sees no exit and no enter for it.
    if (focused) ::gw::SetFocus(0);
    DestroyHandle();
    Handle();
    if (focused && CanFocus()) ::gw::SetFocus(m_handle);
}

bool TWinControl::Showing() const { return m_handle && IsWindowVisible(m_handle); }

void TWinControl::UpdateShowing()
{
    if (Visible() && !m_handle && (!Parent() || Parent()->HandleAllocated())) Handle();
    if (m_handle) ShowWindow(m_handle, Visible());
}

void TWinControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    Integer w = Width(), h = Height();
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (m_handle)
        MoveWindow(m_handle, BoundsRect());  // WM_SIZE realigns the children
    else if (w != Width() || h != Height())
        Realign();
}

TRect TWinControl::ClientRect() const
{
    // From the control's own size: while SetBounds runs, the window still has the old one.
    TRect r = TControl::ClientRect();
    if (!m_handle) return r;
    Cardinal style = GetWindowStyle(m_handle);
    Integer bar = GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_VSCROLL) r.Right = std::max(0, r.Right - bar);
    if (style & WS_HSCROLL) r.Bottom = std::max(0, r.Bottom - bar);
    return r;
}

void TWinControl::ChangeScale(Integer M, Integer D)
{
    if (M == D) return;
    DisableAlign();
    {
        TScopeExit enable{[this] { EnableAlign(); }};
        for (TControl* c : std::vector<TControl*>(m_controls)) c->ChangeScale(M, D);
        TControl::ChangeScale(M, D);
    }
}

TPoint TWinControl::ClientOrigin() const
{
    if (m_handle) return gw::ClientToScreen(m_handle, {0, 0});
    return TControl::ClientOrigin();
}

void TWinControl::SetEnabled(bool Value) { TControl::SetEnabled(Value); }

void TWinControl::SetText(const String& Value)
{
    if (Value == Text()) return;
    if (m_handle) SetWindowText(m_handle, Value);
    TControl::SetText(Value);
}

void TWinControl::SetZOrder(bool TopMost)
{
    TControl::SetZOrder(TopMost);
    if (!m_handle) return;
    if (TopMost) {
        SetWindowZOrder(m_handle, 0);
    } else if (Parent()) {
        auto kids = GetChildWindows(Parent()->HandleIfAllocated());
        if (!kids.empty() && kids.back() != m_handle) SetWindowZOrder(m_handle, kids.back());
    }
}

// --- children -----------------------------------------------------------------------------------

void TWinControl::InsertControl(TControl* Control)
{
    Control->m_parent = this;
    m_controls.push_back(Control);
    if (auto* w = WindowedControl(Control)) m_tabList.push_back(w);
    if (Control->ParentColor()) Control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (Control->ParentFont()) Control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (Control->ParentShowHint()) Control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (Control->ParentBiDiMode()) Control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    Control->UpdateAnchorRules();
    if (auto* w = WindowedControl(Control); w && m_handle) w->CreateHandle();
    Control->Invalidate();
    Perform(CM_CONTROLCHANGE, WPARAM(Control), 1);
    Realign(Control);
}

void TWinControl::RemoveControl(TControl* Control)
{
    Perform(CM_CONTROLCHANGE, WPARAM(Control), 0);
    if (auto* w = WindowedControl(Control)) {
        if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(w, true);
        w->DestroyHandle();
        std::erase(m_tabList, w);
    } else {
        Control->Invalidate();
    }
    std::erase(m_controls, Control);
    Control->m_parent = nullptr;
    if (!IsDestroying()) Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        bool windowed = c->IsWindowed();
        if (windowed && !AllowWinControls) continue;
        if (!c->Visible() || (!c->Enabled() && !AllowDisabled)) continue;
        if (PtInRect(c->BoundsRect(), P)) return c;
    }
    return nullptr;
}

void TWinControl::EnableAlign()
{
    if (m_alignLevel > 0 && --m_alignLevel == 0) Realign();
}

void TWinControl::Realign(TControl* AControl)
{
    if (m_alignLevel > 0 || m_aligning || IsDestroying()) return;
    AlignChildren(AControl);
}

void TWinControl::AlignChildren(TControl* AControl)
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(AControl, r);
}

void TWinControl::AlignControls(TControl* AControl, TRect& R)
{
    TScopeExit done{[this] { m_aligning = false; }};
    m_aligning = true;
    auto take = [&](TAlign a) {
        std::vector<TControl*> list;
        for (TControl* c : m_controls)
            if (c->Align() == a && c->Visible()) list.push_back(c);
        auto key = [a, AControl](TControl* c) {
            Integer pos = 0;
            switch (a) {
            case alTop: pos = c->Top(); break;
            case alBottom: pos = -(c->Top() + c->Height()); break;
            case alLeft: pos = c->Left(); break;
            case alRight: pos = -(c->Left() + c->Width()); break;
            default: break;
            }
            return std::pair<Integer, bool>(pos, c != AControl);
        };
        std::stable_sort(list.begin(), list.end(), [&](TControl* x, TControl* y) { return key(x) < key(y); });
        return list;
    };
    for (TControl* c : take(alTop)) {
        c->SetBounds(R.Left, R.Top, R.Width(), c->Height());
        R.Top += c->Height();
    }
    for (TControl* c : take(alBottom)) {
        c->SetBounds(R.Left, R.Bottom - c->Height(), R.Width(), c->Height());
        R.Bottom -= c->Height();
    }
    for (TControl* c : take(alLeft)) {
        c->SetBounds(R.Left, R.Top, c->Width(), R.Height());
        R.Left += c->Width();
    }
    for (TControl* c : take(alRight)) {
        c->SetBounds(R.Right - c->Width(), R.Top, c->Width(), R.Height());
        R.Right -= c->Width();
    }
    for (TControl* c : take(alClient)) c->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    TRect client = ClientRect();
    for (TControl* c : m_controls)
        if (c->Align() == alNone && c->Anchors() != (akLeft | akTop)) c->AnchorToParent(client);
}

// --- focus and tab order --------------------------------------------------------------------------

void TWinControl::SetTabStop(bool Value)
{
    if (m_tabStop == Value) return;
    m_tabStop = Value;
    if (m_handle) {
        Cardinal s = GetWindowStyle(m_handle);
        SetWindowStyle(m_handle, Value ? (s | WS_TABSTOP) : (s & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

Integer TWinControl::TabOrder() const
{
    if (!Parent()) return -1;
    auto& list = Parent()->m_tabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : Integer(it - list.begin());
}

void TWinControl::SetTabOrder(Integer Value)
{
    if (!Parent()) return;
    auto& list = Parent()->m_tabList;
    std::erase(list, this);
    Value = std::clamp<Integer>(Value, 0, Integer(list.size()));
    list.insert(list.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* c : m_tabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

bool TWinControl::CanFocus() const
{
    // Up to the form: a control on a form not shown yet can still be chosen to take the focus.
    for (const TControl* c = this; c; c = c->Parent()) {
        if (c != this && dynamic_cast<const TCustomForm*>(c)) break;
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

bool TWinControl::Focused() const { return m_handle && GetFocus() == m_handle; }

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(this)) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus()) throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
    ::gw::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    Integer n = Integer(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    Integer start = found == list.end() ? (GoForward ? n - 1 : 0) : Integer(found - list.begin());
    Integer i = start;
    do {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[std::size_t(i)];
        if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this)) return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* c = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) c->SetFocus();
}

// --- painting ---------------------------------------------------------------------------------------

void TWinControl::Invalidate()
{
    if (m_handle) InvalidateRect(m_handle, nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Update()
{
    if (m_handle) UpdateWindow(m_handle);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

void TWinControl::PaintWindow(TCanvas& /*Canvas*/) {}

void TWinControl::PaintControls(TCanvas& Canvas)
{
    for (TControl* c : m_controls) {
        if (c->IsWindowed() || !c->Visible()) continue;
        Integer saved = Canvas.SaveDC();
        Canvas.MoveOrigin(c->Left(), c->Top());
        Canvas.IntersectClipRect(Rect(0, 0, c->Width(), c->Height()));
        c->Perform(WM_PAINT, WPARAM(&Canvas), 0);
        Canvas.RestoreDC(saved);
    }
}

void TWinControl::WMPaint(TMessage& M)
{
    if (TCanvas* given = TWMPaint(M).Canvas) {
        // Painting into a given canvas (PaintTo, double buffering).
        PaintWindow(*given);
        PaintControls(*given);
        return;
    }
    TPaintStruct ps;
    BeginPaint(m_handle, ps);
    if (ps.Pixels.Surface) {
        TCanvas canvas(ps.Pixels.Surface);
        TRegion clip(ps.Pixels.Clip);
        canvas.SetDeviceClip(&clip);
        canvas.SetOrigin(ps.Pixels.Origin);
        if (DoubleBuffered) {
            TRect client = ClientRect();
            std::shared_ptr<cairo_surface_t> buffer(cairo_image_surface_create(CAIRO_FORMAT_RGB24,
                                                                               std::max(1, client.Width()),
                                                                               std::max(1, client.Height())),
                                                    cairo_surface_destroy);
            TCanvas memory(buffer.get());
            Perform(WM_ERASEBKGND, WPARAM(&memory), 0);
            Perform(WM_PAINT, WPARAM(&memory), 0);
            canvas.CopyRect(client, &memory, client);
        } else {
            if (ps.Erase) Perform(WM_ERASEBKGND, WPARAM(&canvas), 0);
            PaintWindow(canvas);
            PaintControls(canvas);
        }
    }
    EndPaint(m_handle, ps);
}

void TWinControl::WMEraseBkgnd(TMessage& M)
{
    TCanvas* given = TWMPaint(M).Canvas;
    if (!given) return;
    TCanvas& c = *given;
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(ClientRect());
    M.Result = 1;
}

void TWinControl::WMSetCursor(TMessage& M)
{
    TCursor screen = Screen ? Screen->Cursor() : crDefault;
    if (screen != crDefault) {
        if (HasBackend()) Backend().SetCursorShape(Screen->Cursors(screen));
        M.Result = 1;
        return;
    }
    if (TWMSetCursor(M).Wnd == m_handle && TWMSetCursor(M).HitTest == HTCLIENT) {
        TControl* c = ControlAtPos(ScreenToClient(GetCursorPos()), false);
        TCursor cur = c ? c->Cursor() : Cursor();
        if (c && cur == crDefault) cur = Cursor();
        if (cur != crDefault) {
            if (HasBackend()) Backend().SetCursorShape(Screen ? Screen->Cursors(cur) : cur);
            M.Result = 1;
            return;
        }
    }
    DefaultHandler(M);
}

void TWinControl::PaintTo(TCanvas& Canvas, Integer X, Integer Y)
{
    Integer saved = Canvas.SaveDC();
    Canvas.MoveOrigin(X, Y);
    Canvas.IntersectClipRect(Rect(0, 0, Width(), Height()));
    Perform(WM_ERASEBKGND, WPARAM(&Canvas), 0);
    Perform(WM_PAINT, WPARAM(&Canvas), 0);
    for (TControl* c : m_controls)
        if (auto* w = WindowedControl(c); w && w->Visible()) w->PaintTo(Canvas, w->Left(), w->Top());
    Canvas.RestoreDC(saved);
}

// --- TGraphicControl -----------------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& M)
{
    if (M.Msg == WM_PAINT && TWMPaint(M).Canvas) {
        TTemporaryChange<TCanvas*> canvas(m_canvas, TWMPaint(M).Canvas);
        Paint();
        return;
    }
    TControl::Dispatch(M);
}

// --- TCustomControl ------------------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), m_canvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(TCanvas& Canvas)
{
    // The control's own canvas draws on the pixels being painted for the length of Paint.
    m_canvas->SetHandle(Canvas.Handle());
    m_canvas->SetOrigin(Canvas.Origin());
    TRegion device(Canvas.ClipRect());
    device.Offset(Canvas.Origin().X, Canvas.Origin().Y);
    m_canvas->SetDeviceClip(&device);
    m_canvas->Font()->Assign(Font());
    m_canvas->Brush()->SetColor(Color());
    TScopeExit release{[this] { m_canvas->SetHandle(nullptr); }};
    Paint();
    m_canvas->SetDeviceClip(nullptr);
}

}  // namespace gw
