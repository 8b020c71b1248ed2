// TApplication, TScreen and TMouse: the message loop, exceptions, hints, forms and the screen.
#pragma once

#include "platform/runtime/exceptions.h"
#include "platform/ui/forms.h"

#include <vector>

namespace gw {

class THintWindow;

struct TMonitor {
    Integer MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = true;
};

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;

// MessageBox flags and answers.
enum : Cardinal {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
};
enum : Integer { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;
    String ClassName() const override { return u"TApplication"; }

    void Initialize() {}
    // Makes a form owned by the application; the first one becomes the main form.
    template <class TFormClass>
    void CreateForm(TFormClass*& Reference)
    {
        auto* form = new TFormClass(this);
        Reference = form;
        if (!m_mainForm) m_mainForm = form;
        form->DoCreate();
    }
    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message queued now, without waiting.
    void ProcessMessages();
    // Handles one message, or waits (after OnIdle) when there is none.
    void HandleMessage();
    // Handles one message; false when the queue was empty.
    bool ProcessMessage();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    TCustomForm* MainForm() const { return m_mainForm; }
    String ExeName() const;
    String Title;

    // The form whose modal loop runs innermost, nullptr outside modal loops.
    TCustomForm* ModalForm() const { return m_modalForms.empty() ? nullptr : m_modalForms.back(); }
    void ModalStarted(TCustomForm* Form) { m_modalForms.push_back(Form); }
    void ModalFinished(TCustomForm* Form);

    // Called inside a catch block: OnException, or the error shown in a message box.
    void HandleException(TObject* Sender);
    void ShowException(const Exception& E);
    // A message box drawn as our own modal form; answers IDOK, IDYES, ...
    Integer MessageBox(const String& Text, const String& Caption, Cardinal Flags = MB_OK);

    // Hints: a control with ShowHint and a hint text shows it after HintPause of rest.
    bool ShowHint = true;
    Cardinal HintPause = 500;
    Cardinal HintHidePause = 2500;
    TColor HintColor = clInfoBk;
    // The window class of every hint whose CM_HINTSHOW handler names none (nullptr: THintWindow).
    THintWindowClass HintWindowClass = nullptr;
    void CancelHint();
    THintWindow* HintWindow() const { return m_hintWindow; }
    // The control under the mouse as the enter/leave messages have it.
    TControl* MouseControl() const { return m_mouseControl; }

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TMessageEvent OnMessage;

    // Internal: a control goes away; references to it are dropped.
    void ControlDestroying(TControl* Control);
    // Internal: frees the form once the messages queued now have been handled.
    void ReleaseForm(TCustomForm* Form);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool IsKeyMsg(TMsg& Msg);
    void Idle();
    void AfterMouseMessage(const TMsg& Msg);
    void StartHintPause(TControl* Control);
    void ActivateHint();
    THintWindow* HintWindowOf(THintWindowClass Class);
    LRESULT AppWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

    TCustomForm* m_mainForm = nullptr;
    bool m_terminated = false;
    std::vector<TCustomForm*> m_modalForms;
    std::vector<TCustomForm*> m_releasing;
    TControl* m_mouseControl = nullptr;
    // The control whose hint was shown last, and the screen area it stays valid in.
    TControl* m_hintControl = nullptr;
    TRect m_hintRect;
    THintWindow* m_hintWindow = nullptr;
    THintWindowClass m_hintClass = nullptr;
    HWND m_window = 0;
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    String ClassName() const override { return u"TScreen"; }

    // The cursor of the whole screen: anything but crDefault overrides every control's.
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor Value);
    // Cursor shapes by number; custom ones come from LoadCursorResource.
    Integer Cursors(Integer Index) const;
    void SetCursors(Integer Index, Integer Handle);

    TCustomForm* ActiveForm() const { return m_activeForm; }
    TCustomForm* ActiveCustomForm() const { return m_activeForm; }
    TWinControl* ActiveControl() const { return m_activeControl; }
    Integer FormCount() const { return Integer(m_forms.size()); }
    TCustomForm* Forms(Integer Index) const { return m_forms.at(std::size_t(Index)); }

    Integer Width() const;
    Integer Height() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;
    Integer MonitorCount() const { return 1; }
    TMonitor Monitors(Integer Index) const;
    Integer PixelsPerInch = 96;

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Internal bookkeeping of the forms.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void FormActivated(TCustomForm* Form);
    void FocusChanged(TCustomForm* Form, TWinControl* Control);
    void ControlDestroying(TControl* Control);

private:
    TCursor m_cursor = crDefault;
    std::vector<std::pair<Integer, Integer>> m_cursors;
    TCustomForm* m_activeForm = nullptr;
    TWinControl* m_activeControl = nullptr;
    std::vector<TCustomForm*> m_forms;
};

class TMouse {
public:
    TPoint CursorPos() const { return GetCursorPos(); }
    void SetCursorPos(TPoint P) { ::gw::SetCursorPos(P); }
    HWND Capture() const { return GetCapture(); }
    void SetCapture(HWND Wnd) { Wnd ? (void)::gw::SetCapture(Wnd) : (void)ReleaseCapture(); }
    bool WheelPresent() const { return true; }
    Integer WheelScrollLines() const;
    Integer DragThreshold = 5;
};

extern TApplication* Application;
extern TScreen* Screen;
extern TMouse* Mouse;

// Creates Application, Screen and Mouse (once); FinalizeUI frees every form and window.
void InitializeUI();
void FinalizeUI();

// A hidden window whose messages go to Proc (timers, posted work).
HWND AllocateHWnd(TWndProc Proc);
void DeallocateHWnd(HWND Wnd);

// The first part of a hint ("short|long"), and the second (the whole when there is no '|').
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

// A cursor shape from the program's CURSOR resources (by name or "#number"): a handle to
// register with Screen->SetCursors; 0 when there is no such resource.
Integer LoadCursorFromResource(StringView Name);
// The resource behind a handle LoadCursorFromResource gave, nullptr for stock cursors.
const struct TResource* CursorResource(Integer Handle);

// Used by the library inside a catch block of a message handler.
void HandleControlException(TObject* Sender);
void ControlDestroying(TControl* Control);

}  // namespace gw
