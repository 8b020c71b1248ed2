// TApplication, TScreen, TMouse: the loop with key pre-translation, exceptions, hints, the screen.
#include "platform/ui/application.h"

#include "platform/runtime/files.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/backend.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/drag.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/synchronize.h"
#include "platform/ui/system_metrics.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace gw {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

namespace {
constexpr uintptr_t HintShowTimer = 1;
constexpr uintptr_t HintHideTimer = 2;

// The whole hint stays on the screen: moved left from the right edge, and above the cursor
// rather than over it from the bottom edge (a hint under the mouse would end itself).
TRect KeepHintOnScreen(TRect R, const TRect& Screen, TPoint Cursor)
{
    if (R.Right > Screen.Right) OffsetRect(R, Screen.Right - R.Right, 0);
    if (R.Left < Screen.Left) OffsetRect(R, Screen.Left - R.Left, 0);
    if (R.Bottom > Screen.Bottom) OffsetRect(R, 0, std::min(Screen.Bottom, Cursor.Y) - R.Bottom);
    if (R.Top < Screen.Top) OffsetRect(R, 0, Screen.Top - R.Top);
    return R;
}

std::unique_ptr<TScreen>& ScreenInstance()
{
    static std::unique_ptr<TScreen> p;
    return p;
}
std::unique_ptr<TApplication>& ApplicationInstance()
{
    static std::unique_ptr<TApplication> p;
    return p;
}
std::unique_ptr<TMouse>& MouseInstance()
{
    static std::unique_ptr<TMouse> p;
    return p;
}
}  // namespace

void InitializeUI()
{
    if (!Screen) {
        ScreenInstance() = std::make_unique<TScreen>(nullptr);
        Screen = ScreenInstance().get();
    }
    if (!Mouse) {
        MouseInstance() = std::make_unique<TMouse>();
        Mouse = MouseInstance().get();
    }
    if (!Application) {
        ApplicationInstance() = std::make_unique<TApplication>(nullptr);
        Application = ApplicationInstance().get();
        StartWorkQueue();
    }
}

void FinalizeUI()
{
    StopWorkQueue();
    // The application frees the forms it owns; forms made without it go after.
    ApplicationInstance().reset();
    Application = nullptr;
    while (Screen && Screen->FormCount() > 0) delete Screen->Forms(Screen->FormCount() - 1);
    ScreenInstance().reset();
    Screen = nullptr;
    MouseInstance().reset();
    Mouse = nullptr;
    ResetWindowSystem();
}

HWND AllocateHWnd(TWndProc Proc)
{
    TCreateWindowParams p;
    p.Style = WS_POPUP;
    p.ExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    p.WndProc = std::move(Proc);
    return CreateWindow(p);
}

void DeallocateHWnd(HWND Wnd)
{
    if (IsWindow(Wnd)) {
        SetWindowProc(Wnd, DefWindowProc);
        DestroyWindow(Wnd);
    }
}

String GetShortHint(const String& Hint)
{
    auto bar = Hint.find(u'|');
    return bar == String::npos ? Hint : Hint.substr(0, bar);
}

String GetLongHint(const String& Hint)
{
    auto bar = Hint.find(u'|');
    return bar == String::npos ? Hint : Hint.substr(bar + 1);
}

namespace {
std::vector<const TResource*>& LoadedCursors()
{
    static std::vector<const TResource*> list;
    return list;
}
constexpr Integer FirstCursorHandle = 1000;
}  // namespace

Integer LoadCursorFromResource(StringView Name)
{
    const TResource* r = FindResource(Name, u"CURSOR");
    if (!r) return 0;
    auto& list = LoadedCursors();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == r) return FirstCursorHandle + Integer(i);
    list.push_back(r);
    return FirstCursorHandle + Integer(list.size()) - 1;
}

const TResource* CursorResource(Integer Handle)
{
    auto& list = LoadedCursors();
    Integer i = Handle - FirstCursorHandle;
    return i >= 0 && i < Integer(list.size()) ? list[std::size_t(i)] : nullptr;
}

void HandleControlException(TObject* Sender)
{
    if (Application) {
        Application->HandleException(Sender);
        return;
    }
    // Without an application there is nobody to tell; the handler's failure ends here.
}

void ControlDestroying(TControl* Control)
{
    DragControlDestroying(Control);
    if (Application) Application->ControlDestroying(Control);
    if (Screen) Screen->ControlDestroying(Control);
}

// --- TApplication -------------------------------------------------------------------------------------

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner)
{
    m_window = AllocateHWnd(
        [this](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) { return AppWndProc(Wnd, Msg, WParam, LParam); });
}

TApplication::~TApplication()
{
    Destroying();
    CancelHint();
    DestroyComponents();
    DeallocateHWnd(m_window);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_mainForm) m_mainForm = nullptr;
    if (AComponent == m_hintWindow) m_hintWindow = nullptr;
}

void TApplication::ControlDestroying(TControl* Control)
{
    if (m_mouseControl == Control) m_mouseControl = nullptr;
    if (m_hintControl == Control) CancelHint();
    if (Control == m_mainForm) m_mainForm = nullptr;
    if (Control == m_hintWindow) m_hintWindow = nullptr;
    std::erase(m_modalForms, Control);
    std::erase(m_releasing, Control);
}

void TApplication::ReleaseForm(TCustomForm* Form)
{
    if (std::find(m_releasing.begin(), m_releasing.end(), Form) != m_releasing.end()) return;
    m_releasing.push_back(Form);
    PostMessage(m_window, CM_RELEASE, 0, LPARAM(Form));
}

String TApplication::ExeName() const
{
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? String() : Utf8ToString(p.string());
}

void TApplication::Run()
{
    if (m_mainForm) m_mainForm->Show();
    while (!m_terminated) HandleMessage();
}

void TApplication::Terminate()
{
    m_terminated = true;
    PostQuitMessage(0);
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {}
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage()) Idle();
}

void TApplication::Idle()
{
    bool done = true;
    if (OnIdle) OnIdle(this, done);
    if (done) WaitMessage();
}

bool TApplication::ProcessMessage()
{
    TMsg msg;
    if (!PeekMessage(msg)) return false;
    if (msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    if (!handled && !IsKeyMsg(msg)) {
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) AfterMouseMessage(msg);
    return true;
}

bool TApplication::IsKeyMsg(TMsg& Msg)
{
    if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST || !Msg.hwnd) return false;
    TWinControl* c = nullptr;
    for (HWND h = Msg.hwnd; h && !c; h = GetParent(h)) c = FindControl(h);
    if (!c) return false;
    return c->Perform(CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

void TApplication::ModalFinished(TCustomForm* Form) { std::erase(m_modalForms, Form); }

void TApplication::HandleException(TObject* Sender)
{
    if (!std::current_exception()) return;
    try {
        throw;
    } catch (const EAbort&) {
        // The silent exception: the operation ends, nobody is told.
    } catch (const Exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    } catch (const std::exception& e) {
        Exception wrapped(Utf8ToString(e.what()));
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(wrapped);
    } catch (...) {
        Exception wrapped(u"Unknown error");
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& E)
{
    String msg = E.Message();
    if (!msg.empty() && msg.back() > u'.') msg += u'.';
    MessageBox(msg, Title, MB_OK | MB_ICONERROR);
}

Integer TApplication::MessageBox(const String& Text, const String& Caption, Cardinal Flags)
{
    TMsgDlgButtons buttons = mbOK;
    switch (Flags & 0x0F) {
    case MB_OKCANCEL: buttons = mbOKCancel; break;
    case MB_ABORTRETRYIGNORE: buttons = mbAbortRetryIgnore; break;
    case MB_YESNOCANCEL: buttons = mbYesNoCancel; break;
    case MB_YESNO: buttons = mbYesNo; break;
    case MB_RETRYCANCEL: buttons = mbRetry | mbCancel; break;
    default: break;
    }
    TMsgDlgType type = mtCustom;
    switch (Flags & 0xF0) {
    case MB_ICONERROR: type = mtError; break;
    case MB_ICONQUESTION: type = mtConfirmation; break;
    case MB_ICONWARNING: type = mtWarning; break;
    case MB_ICONINFORMATION: type = mtInformation; break;
    default: break;
    }
    std::unique_ptr<TMessageForm> form(new TMessageForm(this, Text, type, buttons, TMsgDlgBtn(0)));
    form->SetCaption(Caption);
    return form->ShowModal();
}

void TApplication::AfterMouseMessage(const TMsg& Msg)
{
    TControl* under = FindDragTarget(GetCursorPos(), false);
    if (under != m_mouseControl) {
        TControl* old = m_mouseControl;
        m_mouseControl = under;
        CancelHint();
        if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
        if (under && m_mouseControl == under) under->Perform(CM_MOUSEENTER, 0, 0);
        if (m_mouseControl == under) StartHintPause(under);
    } else if (Msg.message == WM_MOUSEMOVE && !(m_hintControl && PtInRect(m_hintRect, GetCursorPos()))) {
        // Moving on over the same control: the pause counts from the last move, and a hint that
        // was cancelled (a grid's cell hint) or is left behind comes back for the new place.
        CancelHint();
        StartHintPause(under);
    }
    if (Msg.message != WM_MOUSEMOVE) CancelHint();
}

void TApplication::StartHintPause(TControl* Control)
{
    // The text may come from CM_HINTSHOW alone (cell hints), so an empty Hint still waits.
    if (Control && ShowHint && Control->ShowHint()) SetTimer(m_window, HintShowTimer, HintPause);
}

void TApplication::CancelHint()
{
    if (IsWindow(m_window)) {
        KillTimer(m_window, HintShowTimer);
        KillTimer(m_window, HintHideTimer);
    }
    if (m_hintWindow) m_hintWindow->ReleaseHandle();
    m_hintControl = nullptr;
}

void TApplication::ActivateHint()
{
    TControl* c = m_mouseControl;
    if (!c || !ShowHint || !c->ShowHint()) return;
    THintInfo info;
    TPoint cursor = GetCursorPos();
    info.HintControl = c;
    info.CursorPos = c->ScreenToClient(cursor);
    info.CursorRect = c->ClientRect();
    info.HintPos = {cursor.X, cursor.Y + 20};
    info.HintMaxWidth = Screen ? Screen->Width() : 1920;
    info.HintColor = HintColor;
    info.HideTimeout = Integer(HintHidePause);
    info.HintStr = GetShortHint(c->Hint);
    if (c->Perform(CM_HINTSHOW, 0, LPARAM(&info)) != 0 || info.HintStr.empty()) return;
    THintWindow* window = HintWindowOf(info.HintWindowClass ? info.HintWindowClass : HintWindowClass);
    window->SetColor(info.HintColor);
    TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(r, info.HintPos.X, info.HintPos.Y);
    window->ActivateHintData(KeepHintOnScreen(r, Screen ? Screen->DesktopRect() : Rect(0, 0, 1920, 1080), cursor),
                             info.HintStr, info.HintData);
    m_hintControl = c;
    TPoint a = c->ClientToScreen(info.CursorRect.TopLeft()), b = c->ClientToScreen(info.CursorRect.BottomRight());
    m_hintRect = Rect(a.X, a.Y, b.X, b.Y);
    if (info.HideTimeout > 0) SetTimer(m_window, HintHideTimer, UINT(info.HideTimeout));
}

THintWindow* TApplication::HintWindowOf(THintWindowClass Class)
{
    if (!Class) Class = &MakeHintWindow<THintWindow>;
    // One hint window at a time: a hint of another class replaces it.
    if (m_hintWindow && m_hintClass != Class) {
        delete m_hintWindow;
        m_hintWindow = nullptr;
    }
    if (!m_hintWindow) {
        m_hintWindow = Class(this);
        m_hintClass = Class;
    }
    return m_hintWindow;
}

LRESULT TApplication::AppWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == CM_RELEASE) {
        // Only a form still waiting is freed: one destroyed meanwhile left the list.
        TCustomForm* form = TCMRelease(TMessage{Msg, WParam, LParam, 0}).Form;
        auto it = std::find(m_releasing.begin(), m_releasing.end(), form);
        if (it != m_releasing.end()) {
            m_releasing.erase(it);
            delete form;
        }
        return 0;
    }
    if (Msg == WM_TIMER) {
        const uintptr_t timer = TWMTimer(TMessage{Msg, WParam, LParam, 0}).TimerId;
        KillTimer(Wnd, timer);
        try {
            if (timer == HintShowTimer) ActivateHint();
            // Hidden, but remembered: resting on, the mouse does not bring it back.
            else if (timer == HintHideTimer && m_hintWindow)
                m_hintWindow->ReleaseHandle();
        } catch (...) {
            HandleException(this);
        }
        return 0;
    }
    return DefWindowProc(Wnd, Msg, WParam, LParam);
}

// --- TScreen --------------------------------------------------------------------------------------------

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

void TScreen::SetCursor(TCursor Value)
{
    m_cursor = Value;
    if (!HasBackend()) return;
    if (Value != crDefault) {
        Backend().SetCursorShape(Cursors(Value));
        return;
    }
    HWND under = WindowFromPoint(GetCursorPos());
    if (under)
        SendMessage(under, WM_SETCURSOR, under, MakeLParam(HTCLIENT, WM_MOUSEMOVE));
    else
        Backend().SetCursorShape(crArrow);
}

Integer TScreen::Cursors(Integer Index) const
{
    for (auto& [i, h] : m_cursors)
        if (i == Index) return h;
    return Index;
}

void TScreen::SetCursors(Integer Index, Integer Handle)
{
    for (auto& entry : m_cursors)
        if (entry.first == Index) {
            entry.second = Handle;
            return;
        }
    m_cursors.emplace_back(Index, Handle);
}

Integer TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
Integer TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
TRect TScreen::DesktopRect() const { return Rect(0, 0, Width(), Height()); }

TRect TScreen::WorkAreaRect() const { return HasBackend() ? Backend().WorkAreaRect() : Rect(0, 0, Width(), Height()); }

TMonitor TScreen::Monitors(Integer Index) const
{
    TMonitor m;
    m.MonitorNum = Index;
    m.BoundsRect = DesktopRect();
    m.WorkareaRect = WorkAreaRect();
    m.Primary = Index == 0;
    return m;
}

void TScreen::AddForm(TCustomForm* Form) { m_forms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form)
{
    std::erase(m_forms, Form);
    if (m_activeForm == Form) {
        m_activeForm = nullptr;
        m_activeControl = nullptr;
    }
}

void TScreen::FormActivated(TCustomForm* Form)
{
    if (m_activeForm == Form) return;
    m_activeForm = Form;
    m_activeControl = Form->ActiveControl();
    // The most recently active form comes first.
    std::erase(m_forms, Form);
    m_forms.insert(m_forms.begin(), Form);
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::FocusChanged(TCustomForm* Form, TWinControl* Control)
{
    bool formChanged = m_activeForm != Form;
    m_activeForm = Form;
    bool controlChanged = m_activeControl != Control;
    m_activeControl = Control;
    if (formChanged && OnActiveFormChange) OnActiveFormChange(this);
    if (controlChanged && OnActiveControlChange) OnActiveControlChange(this);
}

void TScreen::ControlDestroying(TControl* Control)
{
    if (m_activeControl == Control) m_activeControl = nullptr;
}

Integer TMouse::WheelScrollLines() const { return ::gw::WheelScrollLines(); }

}  // namespace gw
