// TControl: geometry, alignment requests, colours and fonts from the parent, mouse messages.
#include "platform/ui/control.h"

#include "platform/graphics/canvas.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/scroll_bar_side.h"
#include "platform/ui/win_control.h"

#include <cstdlib>

namespace gw {

namespace {
TControl* g_captureControl = nullptr;

bool RaiseWheelStep(const TMouseWheelUpDownEvent& Event, TObject* Sender, TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (Event) Event(Sender, Shift, MousePos, handled);
    return handled;
}

Integer MulDivRound(Integer Value, Integer M, Integer D)
{
    if (D == 0) return Value;
    int64_t v = int64_t(Value) * M;
    return Integer(v >= 0 ? (v + D / 2) / D : (v - D / 2) / D);
}
}  // namespace

TShiftState KeysToShiftState(WPARAM Keys)
{
    TShiftState s = 0;
    if (Keys & MK_SHIFT) s |= ssShift;
    if (Keys & MK_CONTROL) s |= ssCtrl;
    if (Keys & MK_LBUTTON) s |= ssLeft;
    if (Keys & MK_RBUTTON) s |= ssRight;
    if (Keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TCustomForm* GetParentForm(const TControl* Control)
{
    const TControl* c = Control;
    while (c && c->Parent()) c = c->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

TControl* GetCaptureControl()
{
    HWND cap = GetCapture();
    if (!cap) {
        g_captureControl = nullptr;
        return nullptr;
    }
    if (g_captureControl) {
        auto* w = WindowedControl(g_captureControl);
        HWND owner = w ? w->HandleIfAllocated()
                       : (g_captureControl->Parent() ? g_captureControl->Parent()->HandleIfAllocated() : 0);
        if (owner == cap) return g_captureControl;
    }
    return FindControl(cap);
}

void SetCaptureControl(TControl* Control)
{
    g_captureControl = nullptr;
    if (!Control) {
        ReleaseCapture();
        return;
    }
    auto* w = WindowedControl(Control);
    if (!w) w = Control->Parent();
    if (!w) return;
    SetCapture(w->Handle());
    g_captureControl = Control;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
    WindowProc = [this](TMessage& M) { WndProc(M); };
    m_font = std::make_unique<TFont>();
    m_font->OnChange = [this](TObject* Sender) { FontChanged(Sender); };
}

TControl::~TControl()
{
    Destroying();
    if (g_captureControl == this) SetCaptureControl(nullptr);
    ControlDestroying(this);
    if (m_parent) m_parent->RemoveControl(this);
    m_font->OnChange = nullptr;
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& M)
{
    if ((M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONDBLCLK) && DragMode == dmAutomatic &&
        !(ComponentState() & csDesigning)) {
        BeginDrag(false);
        return;
    }
    if (M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONDBLCLK)
        ControlState |= csLButtonDown;
    else if (M.Msg == WM_LBUTTONUP)
        ControlState &= ~csLButtonDown;
    Dispatch(M);
}

void TControl::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_LBUTTONDOWN: WMMouseButton(M, mbLeft, TMouseButtonEvent::Down); break;
    case WM_LBUTTONUP: WMMouseButton(M, mbLeft, TMouseButtonEvent::Up); break;
    case WM_LBUTTONDBLCLK: WMMouseButton(M, mbLeft, TMouseButtonEvent::Double); break;
    case WM_RBUTTONDOWN: WMMouseButton(M, mbRight, TMouseButtonEvent::Down); break;
    case WM_RBUTTONUP: WMMouseButton(M, mbRight, TMouseButtonEvent::Up); break;
    case WM_RBUTTONDBLCLK: WMMouseButton(M, mbRight, TMouseButtonEvent::Double); break;
    case WM_MBUTTONDOWN: WMMouseButton(M, mbMiddle, TMouseButtonEvent::Down); break;
    case WM_MBUTTONUP: WMMouseButton(M, mbMiddle, TMouseButtonEvent::Up); break;
    case WM_MBUTTONDBLCLK: WMMouseButton(M, mbMiddle, TMouseButtonEvent::Double); break;
    case WM_MOUSEMOVE: WMMouseMove(M); break;
    case WM_MOUSEWHEEL: WMMouseWheel(M); break;
    case CM_MOUSEWHEEL: CMMouseWheel(M); break;
    case CM_MOUSEENTER:
        if (OnMouseEnter && !TCMMouseEnterLeave(M).Child) OnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        if (OnMouseLeave && !TCMMouseEnterLeave(M).Child) OnMouseLeave(this);
        break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_BIDIMODECHANGED: Invalidate(); break;
    case CM_VISIBLECHANGED: InvalidateControl(true, false); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(M); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(M); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(M); break;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(M); break;
    default: DefaultHandler(M); break;
    }
}

void TControl::DefaultHandler(TMessage& /*M*/) {}

void TControl::SetParent(TWinControl* AParent)
{
    if (m_parent == AParent) return;
    if (AParent == this) throw EInvalidOperation(u"A control cannot have itself as its parent");
    if (m_parent) m_parent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == m_left && ATop == m_top && AWidth == m_width && AHeight == m_height) return;
    bool resized = AWidth != m_width || AHeight != m_height;
    InvalidateControl(m_visible, false);
    m_left = ALeft;
    m_top = ATop;
    m_width = AWidth;
    m_height = AHeight;
    InvalidateControl(m_visible, false);
    if (!m_parent || !m_parent->m_aligning) UpdateAnchorRules();
    RequestAlign();
    if (resized) Resize();
}

void TControl::SetClientSize(Integer W, Integer H)
{
    TRect c = ClientRect();
    SetBounds(m_left, m_top, m_width + (W - c.Width()), m_height + (H - c.Height()));
}

// A window's client area begins right of a vertical scroll bar standing at its left edge.
TPoint TControl::ClientOrigin() const
{
    TPoint p{m_left, m_top};
    if (m_parent) {
        const TPoint parent = m_parent->ClientOrigin();
        p = {p.X + parent.X, p.Y + parent.Y};
    }
    if (IsWindowed()) {
        const TPoint client = ClientOffset(static_cast<const TWinControl*>(this)->HandleIfAllocated());
        p = {p.X + client.X, p.Y + client.Y};
    }
    return p;
}

TPoint TControl::ClientToScreen(TPoint P) const
{
    TPoint o = ClientOrigin();
    return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const
{
    TPoint o = ClientOrigin();
    return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetAlign(TAlign Value)
{
    if (m_align == Value) return;
    TAlign old = m_align;
    m_align = Value;
    switch (Value) {
    case alTop:
    case alBottom: m_anchors = akLeft | akRight | (Value == alTop ? akTop : akBottom); break;
    case alLeft:
    case alRight: m_anchors = akTop | akBottom | (Value == alLeft ? akLeft : akRight); break;
    case alClient: m_anchors = akLeft | akTop | akRight | akBottom; break;
    default:
        if (old != alNone) m_anchors = akLeft | akTop;
        break;
    }
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (m_anchors == Value) return;
    m_anchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    m_anchorBounds = BoundsRect();
    if (m_parent) {
        TRect c = m_parent->ClientRect();
        m_anchorParentSize = {c.Width(), c.Height()};
        m_anchorsValid = true;
    } else {
        m_anchorsValid = false;
    }
}

void TControl::AnchorToParent(const TRect& ParentClient)
{
    if (!m_anchorsValid) return;
    Integer dw = ParentClient.Width() - m_anchorParentSize.cx;
    Integer dh = ParentClient.Height() - m_anchorParentSize.cy;
    TRect b = m_anchorBounds;
    auto axis = [](Integer pos, Integer size, Integer delta, bool near, bool far, Integer& newPos, Integer& newSize) {
        newPos = pos;
        newSize = size;
        if (near && far)
            newSize = size + delta;
        else if (far)
            newPos = pos + delta;
        else if (!near)
            newPos = pos + delta / 2;
    };
    Integer l, w, t, h;
    axis(b.Left, b.Width(), dw, m_anchors & akLeft, m_anchors & akRight, l, w);
    axis(b.Top, b.Height(), dh, m_anchors & akTop, m_anchors & akBottom, t, h);
    SetBounds(l, t, w, h);
}

void TControl::RequestAlign()
{
    if (m_parent && (m_align != alNone) && !m_parent->m_aligning) m_parent->Realign(this);
}

void TControl::ChangeScale(Integer M, Integer D)
{
    if (M == D) return;
    SetBounds(MulDivRound(m_left, M, D), MulDivRound(m_top, M, D), MulDivRound(m_width, M, D),
              MulDivRound(m_height, M, D));
    if (!m_parentFont || !m_parent) {
        bool wasParentFont = m_parentFont;
        m_settingParentFont = true;
        m_font->SetHeight(MulDivRound(m_font->Height(), M, D));
        m_settingParentFont = false;
        m_parentFont = wasParentFont;
    }
}

void TControl::SetVisible(bool Value)
{
    if (m_visible == Value) return;
    m_visible = Value;
    Perform(CM_VISIBLECHANGED, Value, 0);
    if (m_parent && !m_parent->m_aligning) m_parent->Realign();
}

void TControl::SetEnabled(bool Value)
{
    if (m_enabled == Value) return;
    m_enabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::IsVisibleThroughParents() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

void TControl::SetText(const String& Value)
{
    if (m_text == Value) return;
    m_text = Value;
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value)
{
    if (m_color == Value && !m_parentColor) return;
    m_color = Value;
    m_parentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value)
{
    if (m_parentColor == Value) return;
    m_parentColor = Value;
    if (Value) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::CMParentColorChanged(TMessage& /*M*/)
{
    if (!m_parentColor || !m_parent) return;
    if (m_color != m_parent->Color()) {
        m_color = m_parent->Color();
        Perform(CM_COLORCHANGED, 0, 0);
    }
}

void TControl::SetParentFont(bool Value)
{
    if (m_parentFont == Value) return;
    m_parentFont = Value;
    if (Value) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged(TObject* /*Sender*/)
{
    if (!m_settingParentFont) m_parentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage& /*M*/)
{
    if (!m_parentFont || !m_parent) return;
    TScopeExit settled{[this] { m_settingParentFont = false; }};
    m_settingParentFont = true;
    m_font->Assign(m_parent->Font());
}

void TControl::SetShowHint(bool Value)
{
    m_parentShowHint = false;
    if (m_showHint == Value) return;
    m_showHint = Value;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value)
{
    if (m_parentShowHint == Value) return;
    m_parentShowHint = Value;
    if (Value) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage& /*M*/)
{
    if (m_parentShowHint && m_parent && m_showHint != m_parent->ShowHint()) {
        m_showHint = m_parent->ShowHint();
        Perform(CM_SHOWHINTCHANGED, 0, 0);
    }
}

namespace {

// A window's vertical scroll bar stands on the side its reading order puts it (the window is
// created so; a change moves it).
void PlaceScrollBar(const TControl& C)
{
    if (!C.IsWindowed()) return;
    const HWND wnd = static_cast<const TWinControl&>(C).HandleIfAllocated();
    if (!wnd) return;
    const Cardinal ex = GetWindowExStyle(wnd);
    SetWindowExStyle(wnd, C.UseRightToLeftScrollBar() ? (ex | WS_EX_LEFTSCROLLBAR) : (ex & ~WS_EX_LEFTSCROLLBAR));
}

}  // namespace

void TControl::SetBiDiMode(TBiDiMode Value)
{
    m_parentBiDiMode = false;
    if (m_biDiMode == Value) return;
    m_biDiMode = Value;
    PlaceScrollBar(*this);
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value)
{
    if (m_parentBiDiMode == Value) return;
    m_parentBiDiMode = Value;
    if (Value) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentBiDiModeChanged(TMessage& /*M*/)
{
    if (!m_parentBiDiMode || !m_parent || m_biDiMode == m_parent->BiDiMode()) return;
    m_biDiMode = m_parent->BiDiMode();
    PlaceScrollBar(*this);
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

Cardinal TControl::DrawTextBiDiModeFlags(Cardinal Flags) const
{
    Cardinal result = Flags;
    if (UseRightToLeftAlignment() && !(Flags & DT_CENTER)) {
        if (Flags & DT_RIGHT)
            result &= ~DT_RIGHT;
        else
            result |= DT_RIGHT;
    }
    return result | DrawTextBiDiModeFlagsReadingOnly();
}

Cardinal TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

void TControl::SetCursor(TCursor Value)
{
    if (m_cursor == Value) return;
    m_cursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value)
{
    if (m_popupMenu == Value) return;
    if (m_popupMenu) m_popupMenu->RemoveFreeNotification(this);
    m_popupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_popupMenu) m_popupMenu = nullptr;
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value)
{
    if (Value == MouseCapture()) return;
    SetCaptureControl(Value ? this : nullptr);
}

void TControl::InvalidateControl(bool IsVisible, bool /*IsOpaque*/)
{
    if (!IsVisible || !m_parent || !m_parent->HandleAllocated()) return;
    if (IsWindowed()) return;  // a window repaints its own area
    TRect r = BoundsRect();
    InvalidateRect(m_parent->HandleIfAllocated(), &r, true);
}

void TControl::Invalidate() { InvalidateControl(m_visible, (ControlStyle & csOpaque) != 0); }

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (m_parent) m_parent->Update();
}

void TControl::SetZOrder(bool TopMost)
{
    if (!m_parent) return;
    auto& list = m_parent->m_controls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging()) FinishDrag(Drop);
}

void TControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)
{
    Accept = static_cast<bool>(OnDragOver);
    if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, Integer X, Integer Y)
{
    if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TObject*& DragObject)
{
    if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, Integer X, Integer Y)
{
    if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled) return true;
    // Whole notches become steps; a part of one (a fine-grained wheel) waits for the rest.
    m_wheelAccumulator += WheelDelta;
    while (std::abs(m_wheelAccumulator) >= WHEEL_DELTA) {
        bool down = m_wheelAccumulator < 0;
        m_wheelAccumulator += down ? WHEEL_DELTA : -WHEEL_DELTA;
        handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return RaiseWheelStep(OnMouseWheelDown, this, Shift, MousePos);
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return RaiseWheelStep(OnMouseWheelUp, this, Shift, MousePos);
}

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

void TControl::SendCancelMode()
{
    for (TControl* c = this; c; c = c->Parent()) {
        auto* form = dynamic_cast<TCustomForm*>(c);
        if (form && form->Active() && form->ActiveControl() && form->ActiveControl() != this)
            form->ActiveControl()->Perform(CM_CANCELMODE, 0, LPARAM(this));
    }
}

void TControl::WMMouseButton(TMessage& M, TMouseButton Button, TMouseButtonEvent Event)
{
    TShiftState shift = TWMMouse(M).Shift();
    const TPoint pos = TWMMouse(M).Pos;
    Integer x = pos.X, y = pos.Y;
    if (Event == TMouseButtonEvent::Up) {
        DefaultHandler(M);
        // A windowless control asks its parent, which finds it again under the point.
        if (Button == mbRight && m_parent && !IsWindowed() && m_parent->HandleAllocated()) {
            TPoint s = ClientToScreen({x, y});
            m_parent->Perform(WM_CONTEXTMENU, m_parent->HandleIfAllocated(), MakeLParam(s.X, s.Y));
        }
        if (Button == mbLeft && (ControlStyle & csCaptureMouse)) SetMouseCapture(false);
        if (Button == mbLeft && (ControlState & csClicked)) {
            ControlState &= ~csClicked;
            if (PtInRect(ClientRect(), {x, y})) Click();
        }
        if (!(ControlStyle & csNoStdEvents)) MouseUp(Button, shift, x, y);
        return;
    }
    SendCancelMode();
    DefaultHandler(M);
    if (Button == mbLeft && (ControlStyle & csCaptureMouse)) SetMouseCapture(true);
    if (Event == TMouseButtonEvent::Down && Button == mbLeft && (ControlStyle & csClickEvents))
        ControlState |= csClicked;
    if (Event == TMouseButtonEvent::Double && Button == mbLeft && (ControlStyle & csClickEvents)) DblClick();
    if (!(ControlStyle & csNoStdEvents))
        MouseDown(Button, shift | (Event == TMouseButtonEvent::Double ? ssDouble : 0), x, y);
}

void TControl::WMMouseMove(TMessage& M)
{
    DefaultHandler(M);
    if (!(ControlStyle & csNoStdEvents)) MouseMove(TWMMouse(M).Shift(), TWMMouse(M).Pos.X, TWMMouse(M).Pos.Y);
}

void TControl::WMMouseWheel(TMessage& M)
{
    // The wheel goes to the focus window; one its window passed up unhandled has been offered
    // to the handlers up here already, by the focused control's CM_MOUSEWHEEL.
    auto* self = WindowedControl(this);
    HWND focus = GetFocus();
    bool passedUp = self && self->HandleAllocated() && focus != self->HandleIfAllocated() &&
        IsChild(self->HandleIfAllocated(), focus);
    if (!passedUp) M.Result = Perform(CM_MOUSEWHEEL, M.WParam, M.LParam);
    if (M.Result == 0) DefaultHandler(M);
}

void TControl::CMMouseWheel(TMessage& M)
{
    const TWMMouseWheel wheel(M);
    if (DoMouseWheel(wheel.Shift(), wheel.WheelDelta, wheel.Pos))
        M.Result = 1;
    else if (m_parent)
        M.Result = m_parent->Perform(CM_MOUSEWHEEL, M.WParam, M.LParam);
}

}  // namespace gw
