// TWinControl: a control with a window of its own - children, focus, keys, tab order, painting.
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/window_system.h"

#include <vector>

namespace gw {

// What CreateWnd asks of the window system.
struct TCreateParams {
    String Caption;
    Cardinal Style = 0;
    Cardinal ExStyle = 0;
    Cardinal ClassStyle = CS_DBLCLKS;
    TRect Bounds;
    HWND WndParent = 0;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    String ClassName() const override { return u"TWinControl"; }
    bool IsWindowed() const override { return true; }

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // The window's own procedure (DefWindowProc unless a subclass wraps a system window).
    void DefaultHandler(TMessage& Message) override;

    // --- the window ------------------------------------------------------------------------
    // Creates the window (and the parents' windows) on first use.
    HWND Handle();
    HWND HandleIfAllocated() const { return m_handle; }
    bool HandleAllocated() const { return m_handle != 0; }
    void HandleNeeded() { Handle(); }
    // Destroys and re-creates the window (style changes); children come back with it.
    void RecreateWnd();
    // For a parentless control shown as a pop-up: the window that owns it.
    HWND ParentWindow() const { return m_parentWindow; }
    void SetParentWindow(HWND Value) { m_parentWindow = Value; }
    // The window is visible on the screen: the control and all its parents are visible.
    bool Showing() const;

    // --- children ------------------------------------------------------------------------------
    Integer ControlCount() const { return Integer(m_controls.size()); }
    TControl* Controls(Integer Index) const { return m_controls.at(std::size_t(Index)); }
    bool ContainsControl(const TControl* Control) const;
    // The child (graphic or windowed) under a client point; disabled ones only when asked.
    TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false) const;
    // Sends the message to each child until one sets a result.
    void Broadcast(TMessage& Message);
    void DisableAlign() { ++m_alignLevel; }
    void EnableAlign();
    // Positions the aligned and anchored children; AControl, just moved or inserted, goes
    // first among those of its alignment at the same place.
    void Realign(TControl* AControl = nullptr);

    // --- focus and tab order ---------------------------------------------------------------------
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool Value);
    Integer TabOrder() const;
    void SetTabOrder(Integer Value);
    // The windowed children and their children in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    virtual bool CanFocus() const;
    bool Focused() const;
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" when it cannot.
    virtual void SetFocus();
    // The next (or previous) tab stop after CurControl among this control's descendants.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // --- painting --------------------------------------------------------------------------------
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    // Paints the control and its children into Canvas with the control's (0, 0) at (X, Y).
    void PaintTo(TCanvas& Canvas, Integer X, Integer Y);
    bool DoubleBuffered = false;

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    // The window's client area (less its scroll bars) once it has a window.
    TRect ClientRect() const override;
    // Scales the children, then the control itself.
    void ChangeScale(Integer M, Integer D) override;
    TPoint ClientOrigin() const override;
    void SetEnabled(bool Value) override;
    void SetText(const String& Value) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    void CreateHandle();
    void DestroyHandle();
    // Paints the control itself (TCustomControl: Paint); children come after.
    virtual void PaintWindow(TCanvas& Canvas);
    // Paints the graphic children over the window.
    void PaintControls(TCanvas& Canvas);
    // Positions aligned and anchored children inside Rect (the client area by default).
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect) const { (void)Rect; }

    // The keys the control handles itself: the answer to WM_GETDLGCODE (DLGC_*), none here.
    virtual LRESULT DialogCode() const { return 0; }
    // The control shows whether it has the focus: a focus change repaints it.
    virtual bool RepaintsOnFocusChange() const { return false; }
    // WM_SETFOCUS / WM_KILLFOCUS: the window's own handling, then the repaint if it shows focus.
    void WMFocusChanged(TMessage& Message);

    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(Char& Key);
    // Form KeyPreview first, then KeyDown; true when the key was cleared (handled).
    bool DoKeyDown(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    // The step the three share: the form's preview (Preview on the form), then Handle on the key.
    bool DoKey(TMessage& Message, bool (TWinControl::*Preview)(TMessage&), const std::function<void(WPARAM&)>& Handle);

    virtual void WMPaint(TMessage& Message);
    virtual void WMEraseBkgnd(TMessage& Message);
    virtual void WMSetCursor(TMessage& Message);
    virtual void CNKeyDown(TMessage& Message);
    virtual void CNChar(TMessage& Message);
    virtual void CMDialogKey(TMessage& Message);
    virtual void CMDialogChar(TMessage& Message);
    virtual void WMCommandNotify(TMessage& Message);
    virtual void WMContextMenu(TMessage& Message);

    void SetZOrder(bool TopMost) override;

private:
    friend class TControl;
    friend class TCustomForm;
    void InsertControl(TControl* Control);
    void RemoveControl(TControl* Control);
    void UpdateShowing();
    // Dispatch's handlers of the messages every windowed control answers alike.
    void KeyMessage(TMessage& Message, bool (TWinControl::*Handle)(TMessage&));
    void SysCharToForm(TMessage& Message);
    void ChildKeyToParent(TMessage& Message);
    void WindowMovedByDisplay(TMessage& Message);
    void WindowSized(TMessage& Message);
    void EnabledChanged();
    // A look the children may take from their parent changed: tell them (ParentMsg).
    void TellChildren(UINT ParentMsg, bool Repaint);
    LRESULT MainWndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
    void AlignChildren(TControl* AControl);

    HWND m_handle = 0;
    HWND m_parentWindow = 0;
    std::vector<TControl*> m_controls;  // all children, z-order bottom first
    std::vector<TWinControl*> m_tabList;  // windowed children in tab order
    bool m_tabStop = false;
    Integer m_alignLevel = 0;
    bool m_aligning = false;
    bool m_showing = false;
};

// The control as a windowed one, nullptr when it has no window of its own (or is nullptr).
inline TWinControl* WindowedControl(TControl* Control)
{
    return Control && Control->IsWindowed() ? static_cast<TWinControl*>(Control) : nullptr;
}

// The control that owns a window, nullptr when none.
TWinControl* FindControl(HWND Wnd);

// Paints a windowless control (a label, an image) inside its parent's window.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    String ClassName() const override { return u"TGraphicControl"; }
    void Dispatch(TMessage& Message) override;
    // The canvas painting goes to; valid inside Paint.
    TCanvas* Canvas() const { return m_canvas; }

protected:
    virtual void Paint() {}

private:
    TCanvas* m_canvas = nullptr;
};

// A windowed control that paints itself on a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    String ClassName() const override { return u"TCustomControl"; }
    // The canvas of the control: inside Paint it draws on the window; outside it measures text
    // and draws nothing.
    TCanvas* Canvas() const { return m_canvas.get(); }

protected:
    virtual void Paint();
    void PaintWindow(TCanvas& Canvas) override;

private:
    std::unique_ptr<TCanvas> m_canvas;
};

}  // namespace gw
