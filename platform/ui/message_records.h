// Typed views of the message record: each reads the fields one kind of message carries, so
// handlers say Mouse.Pos or Scroll.Code instead of unpacking WParam and LParam themselves.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/ui/messages.h"

namespace gw {

class TCanvas;
class TControl;
class TCustomForm;
struct THintInfo;

// Shift state of mouse message key flags (MK_*), with Alt from the key-state table.
TShiftState KeysToShiftState(WPARAM Keys);
// Shift, Ctrl from the key-state table and Alt from key data (window_system.cpp).
TShiftState KeyDataToShiftState(LPARAM KeyData);

// What a mouse-button message says happened to its button.
enum class TMouseButtonEvent { Down, Up, Double };

// The message of a button event: WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDBLCLK...
constexpr UINT ButtonMessage(TMouseButton Button, TMouseButtonEvent Event)
{
    UINT base = Button == mbLeft ? WM_LBUTTONDOWN : Button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    return base + UINT(Event);
}

constexpr LPARAM PointToLParam(TPoint P) { return MakeLParam(P.X, P.Y); }
constexpr TPoint LParamToPoint(LPARAM L) { return {GetXLParam(L), GetYLParam(L)}; }

// WM_MOUSEMOVE and the button messages: key flags and the client point.
struct TWMMouse {
    explicit TWMMouse(const TMessage& M) : Keys(M.WParam), Pos(LParamToPoint(M.LParam)) {}
    WPARAM Keys;
    TPoint Pos;
    TShiftState Shift() const { return KeysToShiftState(Keys); }
    bool LeftDown() const { return (Keys & MK_LBUTTON) != 0; }
};

// WM_MOUSEWHEEL and CM_MOUSEWHEEL: key flags, the signed turn (WHEEL_DELTA a notch, positive
// away from the user) and the screen point.
struct TWMMouseWheel {
    explicit TWMMouseWheel(const TMessage& M)
        : Keys(M.WParam & 0xFFFF), WheelDelta(int16_t(M.WParamHi())), Pos(LParamToPoint(M.LParam))
    {
    }
    WPARAM Keys;
    Integer WheelDelta;
    TPoint Pos;
    TShiftState Shift() const { return KeysToShiftState(Keys); }
};

// Key messages (WM_KEYDOWN, WM_SYSKEYUP, CN_KEYDOWN, CM_DIALOGKEY, CM_WANTSPECIALKEY...).
struct TWMKey {
    explicit TWMKey(const TMessage& M) : Key(Word(M.WParam)), KeyData(M.LParam) {}
    Word Key;
    LPARAM KeyData;
    TShiftState Shift() const { return KeyDataToShiftState(KeyData); }
};

// Character messages (WM_CHAR, WM_SYSCHAR, CN_CHAR, CM_DIALOGCHAR).
struct TWMChar {
    explicit TWMChar(const TMessage& M) : CharCode(Char(M.WParam)), KeyData(M.LParam) {}
    Char CharCode;
    LPARAM KeyData;
    // The key's scan code, from bits 16 to 23 of the key data.
    Word ScanCode() const { return Word((KeyData >> 16) & 0xFF); }
};

// WM_HSCROLL / WM_VSCROLL and their reflections: the SB_* request and, for the thumb
// requests, the position.
struct TWMScroll {
    explicit TWMScroll(const TMessage& M)
        : Code(M.WParamLo()), Pos(int16_t(M.WParamHi())), ScrollBar(HWND(M.LParam))
    {
    }
    Word Code;
    Integer Pos;
    // The scroll bar control that sent it; 0 for the window's own bars.
    HWND ScrollBar;
};

// Messages that carry a text in LParam (WM_SETTEXT, EM_REPLACESEL, CB_ADDSTRING...): a
// null-terminated string, 0 for none.
struct TWMText {
    explicit TWMText(const TMessage& M) : Text(reinterpret_cast<const Char*>(M.LParam)) {}
    const Char* Text;
    String Value() const { return Text ? String(Text) : String(); }
    StringView View() const { return Text ? StringView(Text) : StringView(); }
};

// WM_COMMAND and CN_COMMAND: the notification, the control's id and window.
struct TWMCommand {
    explicit TWMCommand(const TMessage& M) : NotifyCode(M.WParamHi()), ItemId(M.WParamLo()), Ctl(HWND(M.LParam)) {}
    Word NotifyCode;
    Word ItemId;
    HWND Ctl;
};

// WM_NOTIFY and CN_NOTIFY: the header every notification record starts with, and the whole
// record as its notification defines it.
struct TWMNotify {
    explicit TWMNotify(const TMessage& M) : Header(reinterpret_cast<const NMHDR*>(M.LParam)) {}
    const NMHDR* Header;
    UINT Code() const { return Header ? Header->code : 0; }
    template <class T>
    const T& Record() const
    {
        return *reinterpret_cast<const T*>(Header);
    }
};

// WM_PAINT and WM_ERASEBKGND: the canvas to paint into, nullptr for the window's own pixels.
struct TWMPaint {
    explicit TWMPaint(const TMessage& M) : Canvas(reinterpret_cast<TCanvas*>(M.WParam)) {}
    TCanvas* Canvas;
};

// WM_SETCURSOR: the window under the mouse, the hit-test code and the mouse message.
struct TWMSetCursor {
    explicit TWMSetCursor(const TMessage& M)
        : Wnd(HWND(M.WParam)), HitTest(int16_t(M.LParamLo())), MouseMsg(M.LParamHi())
    {
    }
    HWND Wnd;
    Integer HitTest;
    Word MouseMsg;
};

// WM_SETFOCUS / WM_KILLFOCUS: the window that lost (gets) the focus, 0 for none.
struct TWMFocus {
    explicit TWMFocus(const TMessage& M) : Other(HWND(M.WParam)) {}
    HWND Other;
};

// WM_CAPTURECHANGED: the window that takes the mouse, 0 for none.
struct TWMCaptureChanged {
    explicit TWMCaptureChanged(const TMessage& M) : NewCapture(HWND(M.LParam)) {}
    HWND NewCapture;
};

// WM_TIMER.
struct TWMTimer {
    explicit TWMTimer(const TMessage& M) : TimerId(M.WParam) {}
    uintptr_t TimerId;
};

// WM_ACTIVATE: WA_ACTIVE, WA_CLICKACTIVE or WA_INACTIVE, and the window on the other side.
struct TWMActivate {
    explicit TWMActivate(const TMessage& M) : State(M.WParamLo()), Other(HWND(M.LParam)) {}
    Word State;
    HWND Other;
    bool Active() const { return State != WA_INACTIVE; }
};

// WM_CONTEXTMENU: the screen point; (-1, -1) when the keyboard asked.
struct TWMContextMenu {
    explicit TWMContextMenu(const TMessage& M) : Wnd(HWND(M.WParam)), Pos(LParamToPoint(M.LParam)) {}
    HWND Wnd;
    TPoint Pos;
    bool FromKeyboard() const { return Pos.X == -1 && Pos.Y == -1; }
};

// CM_MOUSEENTER / CM_MOUSELEAVE: the child the mouse entered or left, nullptr for the control
// itself.
struct TCMMouseEnterLeave {
    explicit TCMMouseEnterLeave(const TMessage& M) : Child(reinterpret_cast<TControl*>(M.LParam)) {}
    TControl* Child;
};

// CM_CONTROLCHANGE: the control put on (Inserting) or taken off the parent.
struct TCMControlChange {
    explicit TCMControlChange(const TMessage& M)
        : Control(reinterpret_cast<TControl*>(M.WParam)), Inserting(M.LParam != 0)
    {
    }
    TControl* Control;
    bool Inserting;
};

// CM_BUTTONPRESSED: a grouped button went down; the others of its group come up.
struct TCMButtonPressed {
    explicit TCMButtonPressed(const TMessage& M)
        : GroupIndex(Integer(M.WParam)), Control(reinterpret_cast<TControl*>(M.LParam))
    {
    }
    Integer GroupIndex;
    TControl* Control;
};

// CM_RELEASE: the form to free once the messages before it are handled.
struct TCMRelease {
    explicit TCMRelease(const TMessage& M) : Form(reinterpret_cast<TCustomForm*>(M.LParam)) {}
    TCustomForm* Form;
};

// CM_HINTSHOW: the hint about to show, which a handler may change.
struct TCMHintShow {
    explicit TCMHintShow(const TMessage& M) : Info(reinterpret_cast<THintInfo*>(M.LParam)) {}
    THintInfo* Info;
};

}  // namespace gw
