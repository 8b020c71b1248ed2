// TCustomForm: activation, the active control with enter/exit, dialog keys, show, close, modal loops.
#include "platform/ui/forms.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"

#include <algorithm>

namespace gw {

namespace {
const char16_t* const CannotFocus = u"Cannot focus a disabled or invisible window";

// The windows a modal form disables: every visible, enabled top-level window except the
// form itself and the pop-ups it owns.
std::vector<HWND> DisableTaskWindows(HWND Modal)
{
    std::vector<HWND> disabled;
    for (HWND h : GetTopLevelWindows()) {
        if (h == Modal || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        bool ownedByModal = false;
        for (HWND o = GetWindowOwner(h); o; o = GetWindowOwner(GetTopLevelWindow(o)))
            if (GetTopLevelWindow(o) == Modal) {
                ownedByModal = true;
                break;
            }
        if (ownedByModal) continue;
        disabled.push_back(h);
    }
    for (HWND h : disabled) EnableWindow(h, false);
    return disabled;
}
}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    m_formState |= fsCreating;
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    ControlStyle |= csAcceptsControls;
    if (Screen) Screen->AddForm(this);
    m_formState &= ~fsCreating;
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            // No exception leaves a destructor.
        }
    }
    if (Screen) Screen->RemoveForm(this);
    DestroyComponents();
}

void TCustomForm::DoCreate()
{
    if (m_created) return;
    m_created = true;
    if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& P)
{
    TWinControl::CreateParams(P);
    P.Style &= ~(WS_VISIBLE | WS_POPUP | WS_CHILD);
    if (m_borderStyle != bsNone) P.Style |= WS_CAPTION;
    if (FormStyle == fsStayOnTop) P.ExStyle |= WS_EX_TOPMOST;
    if (m_borderStyle == bsToolWindow || m_borderStyle == bsSizeToolWin) P.ExStyle |= WS_EX_TOOLWINDOW;
    if (m_alphaBlend) P.ExStyle |= WS_EX_LAYERED;
    P.WndParent = ParentWindow();
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    if (m_alphaBlend) ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlend(bool Value)
{
    if (m_alphaBlend == Value) return;
    m_alphaBlend = Value;
    ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(Byte Value)
{
    if (m_alphaBlendValue == Value) return;
    m_alphaBlendValue = Value;
    if (m_alphaBlend) ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend()
{
    const HWND h = HandleIfAllocated();
    if (!h) return;
    const Cardinal ex = GetWindowExStyle(h);
    if (!m_alphaBlend) {
        SetWindowExStyle(h, ex & ~Cardinal(WS_EX_LAYERED));
        return;
    }
    SetWindowExStyle(h, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(h, 0, m_alphaBlendValue, LWA_ALPHA);
}

void TCustomForm::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_ACTIVATE: ActivationChanged(TWMActivate(M)); return;
    case WM_CLOSE: Close(); return;
    case CM_VISIBLECHANGED: ShowWindowNow(Visible()); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TCustomForm::ActivationChanged(const TWMActivate& A)
{
    // A form being freed can still be handed the activation (its own pop-up going away
    // first); it must not register with the screen again nor raise its events.
    if (IsDestroying()) return;
    if (A.Active()) {
        m_active = true;
        m_formState |= fsActivated;
        if (Screen) Screen->FormActivated(this);
        if (!m_activeControl) m_activeControl = FindNextControl(nullptr, true, true, false);
        SetWindowFocus();
        Activate();
    } else if (m_active) {
        m_active = false;
        Deactivate();
    }
}

// --- showing and closing ----------------------------------------------------------------------------

void TCustomForm::Show()
{
    SetVisible(true);
    if (Showing() && !(m_formState & fsModal)) SetActiveWindow(Handle());
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::ShowWindowNow(bool Visible)
{
    if (Visible) {
        DoCreate();
        PlaceByPosition();
        HWND h = Handle();
        m_formState |= fsShowing;
        {
            TScopeExit shown{[this] { m_formState &= ~fsShowing; }};
            DoShow();
        }
        ShowWindow(h, true);
        SetActiveWindow(h);
    } else if (HandleAllocated()) {
        DoHide();
        ShowWindow(HandleIfAllocated(), false);
    }
}

void TCustomForm::PlaceByPosition()
{
    if (m_placed) return;
    m_placed = true;
    TRect area = Screen ? Screen->WorkAreaRect() : Rect(0, 0, 1920, 1040);
    TCustomForm* center = nullptr;
    switch (Position) {
    case poScreenCenter:
    case poDesktopCenter:
        SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(),
                  Height());
        return;
    case poMainFormCenter: center = Application ? Application->MainForm() : nullptr; break;
    case poOwnerFormCenter: center = dynamic_cast<TCustomForm*>(Owner()); break;
    case poDefault:
    case poDefaultPosOnly: SetBounds(area.Left + 24, area.Top + 24, Width(), Height()); return;
    default: return;
    }
    if (!center || center == this) center = nullptr;
    TRect r = center ? center->BoundsRect() : area;
    SetBounds(r.Left + (r.Width() - Width()) / 2, r.Top + (r.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::DoShow()
{
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose) OnClose(this, Action);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (m_formState & fsModal) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) Application->Terminate();
    if (action == caFree)
        Release();
    else
        Hide();
}

void TCustomForm::Release()
{
    if (Application) Application->ReleaseForm(this);
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || (m_formState & fsModal))
        throw EInvalidOperation(u"Cannot make a visible window modal");
    if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    HWND previous = GetActiveWindow();
    HWND self = Handle();
    m_formState |= fsModal;
    std::vector<HWND> disabled = DisableTaskWindows(self);
    ModalResult = mrNone;
    // Whatever ends the loop, the other windows come back as they were.
    struct TRestore {
        TCustomForm* Form;
        std::vector<HWND>& Disabled;
        HWND Previous;
        ~TRestore()
        {
            if (Application) Application->ModalFinished(Form);
            for (HWND h : Disabled)
                if (IsWindow(h)) EnableWindow(h, true);
            if (Previous && IsWindow(Previous) && IsWindowVisible(Previous)) SetActiveWindow(Previous);
            try {
                Form->Hide();
            } catch (...) {
                // The form is hidden by the window system at least.
                if (Form->HandleAllocated()) ShowWindow(Form->HandleIfAllocated(), false);
            }
            Form->m_formState &= ~fsModal;
        }
    } restore{this, disabled, previous};
    if (Application) Application->ModalStarted(this);
    Show();
    do {
        if (!Application) break;
        Application->HandleMessage();
        if (Application->Terminated()) {
            ModalResult = mrCancel;
        } else if (ModalResult != mrNone) {
            TCloseAction action = caHide;
            if (!CloseQuery())
                ModalResult = mrNone;
            else {
                DoClose(action);
                if (action == caNone) ModalResult = mrNone;
            }
        }
    } while (ModalResult == mrNone);
    return ModalResult;
}

// --- focus -------------------------------------------------------------------------------------------

void TCustomForm::ChangeScale(Integer M, Integer D)
{
    if (M == D || D == 0) return;
    Integer left = Left(), top = Top();
    TWinControl::ChangeScale(M, D);
    SetBounds(left, top, Width(), Height());
}

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (m_activeControl == Control) return;
    if (Control && (Control == this || GetParentForm(Control) != this || !Control->CanFocus()))
        throw EInvalidOperation(CannotFocus);
    m_activeControl = Control;
    if (m_active) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    bool wasActive = m_active;
    SetActiveControl(Control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus()
{
    if (m_active) return;
    if (!CanFocus()) throw EInvalidOperation(CannotFocus);
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    TWinControl* c = (m_activeControl && m_activeControl->CanFocus()) ? m_activeControl : this;
    if (!HandleAllocated() || !IsWindowVisible(HandleIfAllocated())) return;
    ::gw::SetFocus(c->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    if (IsDestroying() || !Control) return false;
    Integer generation = ++m_focusCount;
    m_activeControl = Control != this ? Control : nullptr;
    if (Screen) Screen->FocusChanged(this, Control);
    if (Control->ControlState & csFocusing) return false;
    Control->ControlState |= csFocusing;
    struct TClear {
        TWinControl* C;
        ~TClear() { C->ControlState &= ~csFocusing; }
    } clear{Control};
    // A handler that moves the focus elsewhere ends this walk: the newer one has done it.
    auto send = [&](TWinControl* c, UINT msg) {
        c->Perform(msg, 0, 0);
        return m_focusCount == generation && GetFocus() == Control->HandleIfAllocated();
    };
    if (!m_focusedControl) m_focusedControl = this;
    // The focus coming back to the same control (from a pop-up, another form) walks nothing,
    // but the form's controls still hear where the focus is.
    while (m_focusedControl && !m_focusedControl->ContainsControl(Control)) {
        TWinControl* c = m_focusedControl;
        m_focusedControl = c->Parent();
        if (!send(c, CM_EXIT)) return false;
    }
    if (!m_focusedControl) m_focusedControl = this;
    while (m_focusedControl != Control) {
        TWinControl* t = Control;
        while (t->Parent() != m_focusedControl) t = t->Parent();
        m_focusedControl = t;
        if (!send(t, CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, LPARAM(Control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && m_focusedControl && Control->ContainsControl(m_focusedControl))
        m_focusedControl = Control->Parent();
    if (m_activeControl && Control->ContainsControl(m_activeControl)) {
        m_activeControl = nullptr;
        // The focus rests on the form itself, as when no control is active.
        if (m_active && !Removing) SetWindowFocus();
    }
    if (Screen && Screen->ActiveControl() && Control->ContainsControl(Screen->ActiveControl()))
        Screen->FocusChanged(this, nullptr);
}

void TCustomForm::Activate()
{
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate) OnDeactivate(this);
}

bool TCustomForm::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    return TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TCustomForm::CMDialogKey(TMessage& M)
{
    if (GetKeyState(VK_MENU) >= 0) {
        Word key = TWMKey(M).Key;
        if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
            SelectNext(m_activeControl, GetKeyState(VK_SHIFT) >= 0, true);
            M.Result = 1;
            return;
        }
        if ((key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) && m_activeControl &&
            m_activeControl->Parent()) {
            m_activeControl->Parent()->SelectNext(m_activeControl, key == VK_RIGHT || key == VK_DOWN, false);
            M.Result = 1;
            return;
        }
    }
    TWinControl::CMDialogKey(M);
}

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

}  // namespace gw
