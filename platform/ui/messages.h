// Window messages: the message record, message numbers, key codes and the flags they carry.
#pragma once

#include "platform/runtime/types.h"

#include <cstdint>

namespace gw {

// A window handle is a number that is never reused, so a stale handle is recognised as dead.
using HWND = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT = Cardinal;

// The record every window procedure and message handler receives.
// WM_PAINT and WM_ERASEBKGND carry in WParam the TCanvas* to paint into when a caller paints
// into a canvas of its own (double buffering, PaintTo); 0 means the window's own pixels.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    Word WParamLo() const { return Word(WParam & 0xFFFF); }
    Word WParamHi() const { return Word((WParam >> 16) & 0xFFFF); }
    Word LParamLo() const { return Word(LParam & 0xFFFF); }
    Word LParamHi() const { return Word((uintptr_t(LParam) >> 16) & 0xFFFF); }
};

constexpr LPARAM MakeLParam(int32_t lo, int32_t hi)
{
    return LPARAM(int32_t(uint32_t(lo & 0xFFFF) | (uint32_t(hi & 0xFFFF) << 16)));
}
constexpr WPARAM MakeWParam(int32_t lo, int32_t hi)
{
    return WPARAM(uint32_t(lo & 0xFFFF) | (uint32_t(hi & 0xFFFF) << 16));
}
// Mouse positions travel as two signed 16-bit halves.
constexpr int32_t GetXLParam(LPARAM l) { return int16_t(l & 0xFFFF); }
constexpr int32_t GetYLParam(LPARAM l) { return int16_t((uintptr_t(l) >> 16) & 0xFFFF); }

// The one list of message numbers, as X(Name, Number): the enumerations below are made from it,
// and so are the names the test harness prints (MessageName).
#define GW_WINDOW_MESSAGES(X)                                                                                          \
    X(WM_NULL, 0x0000)                                                                                                 \
    X(WM_CREATE, 0x0001)                                                                                               \
    X(WM_DESTROY, 0x0002)                                                                                              \
    X(WM_MOVE, 0x0003)                                                                                                 \
    X(WM_SIZE, 0x0005)                                                                                                 \
    X(WM_ACTIVATE, 0x0006)                                                                                             \
    X(WM_SETFOCUS, 0x0007)                                                                                             \
    X(WM_KILLFOCUS, 0x0008)                                                                                            \
    X(WM_ENABLE, 0x000A)                                                                                               \
    X(WM_SETREDRAW, 0x000B)                                                                                            \
    X(WM_SETTEXT, 0x000C)                                                                                              \
    X(WM_GETTEXT, 0x000D)                                                                                              \
    X(WM_GETTEXTLENGTH, 0x000E)                                                                                        \
    X(WM_PAINT, 0x000F)                                                                                                \
    X(WM_CLOSE, 0x0010)                                                                                                \
    X(WM_QUIT, 0x0012)                                                                                                 \
    X(WM_ERASEBKGND, 0x0014)                                                                                           \
    X(WM_SHOWWINDOW, 0x0018)                                                                                           \
    X(WM_ACTIVATEAPP, 0x001C)                                                                                          \
    X(WM_CANCELMODE, 0x001F)                                                                                           \
    X(WM_SETCURSOR, 0x0020)                                                                                            \
    X(WM_MOUSEACTIVATE, 0x0021)                                                                                        \
    X(WM_WINDOWPOSCHANGING, 0x0046)                                                                                    \
    X(WM_WINDOWPOSCHANGED, 0x0047)                                                                                     \
    X(WM_NOTIFY, 0x004E)                                                                                               \
    X(WM_CONTEXTMENU, 0x007B)                                                                                          \
    X(WM_NCDESTROY, 0x0082)                                                                                            \
    X(WM_NCHITTEST, 0x0084)                                                                                            \
    X(WM_NCPAINT, 0x0085)                                                                                              \
    X(WM_GETDLGCODE, 0x0087)                                                                                           \
    X(WM_KEYDOWN, 0x0100)                                                                                              \
    X(WM_KEYUP, 0x0101)                                                                                                \
    X(WM_CHAR, 0x0102)                                                                                                 \
    X(WM_DEADCHAR, 0x0103)                                                                                             \
    X(WM_SYSKEYDOWN, 0x0104)                                                                                           \
    X(WM_SYSKEYUP, 0x0105)                                                                                             \
    X(WM_SYSCHAR, 0x0106)                                                                                              \
    X(WM_COMMAND, 0x0111)                                                                                              \
    X(WM_SYSCOMMAND, 0x0112)                                                                                           \
    X(WM_TIMER, 0x0113)                                                                                                \
    X(WM_HSCROLL, 0x0114)                                                                                              \
    X(WM_VSCROLL, 0x0115)                                                                                              \
    X(WM_MOUSEMOVE, 0x0200)                                                                                            \
    X(WM_LBUTTONDOWN, 0x0201)                                                                                          \
    X(WM_LBUTTONUP, 0x0202)                                                                                            \
    X(WM_LBUTTONDBLCLK, 0x0203)                                                                                        \
    X(WM_RBUTTONDOWN, 0x0204)                                                                                          \
    X(WM_RBUTTONUP, 0x0205)                                                                                            \
    X(WM_RBUTTONDBLCLK, 0x0206)                                                                                        \
    X(WM_MBUTTONDOWN, 0x0207)                                                                                          \
    X(WM_MBUTTONUP, 0x0208)                                                                                            \
    X(WM_MBUTTONDBLCLK, 0x0209)                                                                                        \
    X(WM_MOUSEWHEEL, 0x020A)                                                                                           \
    X(WM_CAPTURECHANGED, 0x0215)                                                                                       \
    X(WM_CUT, 0x0300)                                                                                                  \
    X(WM_COPY, 0x0301)                                                                                                 \
    X(WM_PASTE, 0x0302)                                                                                                \
    X(WM_CLEAR, 0x0303)                                                                                                \
    X(WM_UNDO, 0x0304)                                                                                                 \
    X(WM_THEMECHANGED, 0x031A)                                                                                         \
    X(WM_USER, 0x0400)                                                                                                 \
    X(WM_APP, 0x8000)

#define GW_COMPONENT_MESSAGES(X)                                                                                       \
    X(CM_ACTIVATE, CM_BASE + 0)                                                                                        \
    X(CM_DEACTIVATE, CM_BASE + 1)                                                                                      \
    X(CM_GOTFOCUS, CM_BASE + 2)                                                                                        \
    X(CM_LOSTFOCUS, CM_BASE + 3)                                                                                       \
    X(CM_CANCELMODE, CM_BASE + 4)                                                                                      \
    X(CM_DIALOGKEY, CM_BASE + 5)                                                                                       \
    X(CM_DIALOGCHAR, CM_BASE + 6)                                                                                      \
    X(CM_FOCUSCHANGED, CM_BASE + 7)                                                                                    \
    X(CM_PARENTFONTCHANGED, CM_BASE + 8)                                                                               \
    X(CM_PARENTCOLORCHANGED, CM_BASE + 9)                                                                              \
    X(CM_HITTEST, CM_BASE + 10)                                                                                        \
    X(CM_VISIBLECHANGED, CM_BASE + 11)                                                                                 \
    X(CM_ENABLEDCHANGED, CM_BASE + 12)                                                                                 \
    X(CM_COLORCHANGED, CM_BASE + 13)                                                                                   \
    X(CM_FONTCHANGED, CM_BASE + 14)                                                                                    \
    X(CM_CURSORCHANGED, CM_BASE + 15)                                                                                  \
    X(CM_CTL3DCHANGED, CM_BASE + 16)                                                                                   \
    X(CM_PARENTCTL3DCHANGED, CM_BASE + 17)                                                                             \
    X(CM_TEXTCHANGED, CM_BASE + 18)                                                                                    \
    X(CM_MOUSEENTER, CM_BASE + 19)                                                                                     \
    X(CM_MOUSELEAVE, CM_BASE + 20)                                                                                     \
    X(CM_MENUCHANGED, CM_BASE + 21)                                                                                    \
    X(CM_APPKEYDOWN, CM_BASE + 22)                                                                                     \
    X(CM_APPSYSCOMMAND, CM_BASE + 23)                                                                                  \
    X(CM_BUTTONPRESSED, CM_BASE + 24)                                                                                  \
    X(CM_SHOWINGCHANGED, CM_BASE + 25)                                                                                 \
    X(CM_ENTER, CM_BASE + 26)                                                                                          \
    X(CM_EXIT, CM_BASE + 27)                                                                                           \
    X(CM_DESIGNHITTEST, CM_BASE + 28)                                                                                  \
    X(CM_ICONCHANGED, CM_BASE + 29)                                                                                    \
    X(CM_WANTSPECIALKEY, CM_BASE + 30)                                                                                 \
    X(CM_INVOKEHELP, CM_BASE + 31)                                                                                     \
    X(CM_WINDOWHOOK, CM_BASE + 32)                                                                                     \
    X(CM_RELEASE, CM_BASE + 33)                                                                                        \
    X(CM_SHOWHINTCHANGED, CM_BASE + 34)                                                                                \
    X(CM_PARENTSHOWHINTCHANGED, CM_BASE + 35)                                                                          \
    X(CM_SYSCOLORCHANGE, CM_BASE + 36)                                                                                 \
    X(CM_WININICHANGE, CM_BASE + 37)                                                                                   \
    X(CM_FONTCHANGE, CM_BASE + 38)                                                                                     \
    X(CM_TIMECHANGE, CM_BASE + 39)                                                                                     \
    X(CM_TABSTOPCHANGED, CM_BASE + 40)                                                                                 \
    X(CM_UIACTIVATE, CM_BASE + 41)                                                                                     \
    X(CM_UIDEACTIVATE, CM_BASE + 42)                                                                                   \
    X(CM_DOCWINDOWACTIVATE, CM_BASE + 43)                                                                              \
    X(CM_CONTROLLISTCHANGE, CM_BASE + 44)                                                                              \
    X(CM_GETDATALINK, CM_BASE + 45)                                                                                    \
    X(CM_CHILDKEY, CM_BASE + 46)                                                                                       \
    X(CM_DRAG, CM_BASE + 47)                                                                                           \
    X(CM_HINTSHOW, CM_BASE + 48)                                                                                       \
    X(CM_DIALOGHANDLE, CM_BASE + 49)                                                                                   \
    X(CM_ISTOOLCONTROL, CM_BASE + 50)                                                                                  \
    X(CM_RECREATEWND, CM_BASE + 51)                                                                                    \
    X(CM_INVALIDATE, CM_BASE + 52)                                                                                     \
    X(CM_SYSFONTCHANGED, CM_BASE + 53)                                                                                 \
    X(CM_CONTROLCHANGE, CM_BASE + 54)                                                                                  \
    X(CM_CHANGED, CM_BASE + 55)                                                                                        \
    X(CM_BORDERCHANGED, CM_BASE + 59)                                                                                  \
    X(CM_BIDIMODECHANGED, CM_BASE + 60)                                                                                \
    X(CM_PARENTBIDIMODECHANGED, CM_BASE + 61)                                                                          \
    X(CM_ACTIONUPDATE, CM_BASE + 63)                                                                                   \
    X(CM_ACTIONEXECUTE, CM_BASE + 64)                                                                                  \
    X(CM_HINTSHOWPAUSE, CM_BASE + 65)                                                                                  \
    X(CM_MOUSEWHEEL, CM_BASE + 67)                                                                                     \
    X(CM_ISSHORTCUT, CM_BASE + 68)                                                                                     \
    X(CM_STYLECHANGED, CM_BASE + 81)

#define GW_REFLECTED_MESSAGES(X)                                                                                       \
    X(CN_COMMAND, CN_BASE + WM_COMMAND)                                                                                \
    X(CN_NOTIFY, CN_BASE + WM_NOTIFY)                                                                                  \
    X(CN_KEYDOWN, CN_BASE + WM_KEYDOWN)                                                                                \
    X(CN_KEYUP, CN_BASE + WM_KEYUP)                                                                                    \
    X(CN_CHAR, CN_BASE + WM_CHAR)                                                                                      \
    X(CN_SYSKEYDOWN, CN_BASE + WM_SYSKEYDOWN)                                                                          \
    X(CN_SYSCHAR, CN_BASE + WM_SYSCHAR)

#define GW_MESSAGE_ENUMERATOR(Name, Number) Name = Number,

// Window messages.
enum : UINT { GW_WINDOW_MESSAGES(GW_MESSAGE_ENUMERATOR) };
enum : UINT {
    WM_KEYFIRST = WM_KEYDOWN,
    WM_KEYLAST = 0x0108,
    WM_MOUSEFIRST = WM_MOUSEMOVE,
    WM_MOUSELAST = WM_MOUSEWHEEL,
};

// Component messages of the class library.
enum : UINT { CM_BASE = 0xB000, GW_COMPONENT_MESSAGES(GW_MESSAGE_ENUMERATOR) };

// Notifications a parent reflects back to the child that sent them.
enum : UINT { CN_BASE = 0xBC00, GW_REFLECTED_MESSAGES(GW_MESSAGE_ENUMERATOR) };

#undef GW_MESSAGE_ENUMERATOR

// Numbers handed out by RegisterWindowMessage start here.
constexpr UINT RegisteredMessageBase = 0xC000;

// Answers to WM_GETDLGCODE.
enum : LRESULT {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_WANTMESSAGE = 0x0004,
    DLGC_HASSETSEL = 0x0008,
    DLGC_DEFPUSHBUTTON = 0x0010,
    DLGC_UNDEFPUSHBUTTON = 0x0020,
    DLGC_RADIOBUTTON = 0x0040,
    DLGC_WANTCHARS = 0x0080,
    DLGC_STATIC = 0x0100,
    DLGC_BUTTON = 0x2000,
};

// WM_ACTIVATE states (low word of wParam).
enum : WPARAM { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };

// Answers to WM_MOUSEACTIVATE.
enum : LRESULT { MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, MA_NOACTIVATEANDEAT = 4 };

// Hit-test codes (low word of WM_SETCURSOR's lParam).
enum : LRESULT { HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2 };

// Mouse key flags carried in wParam of mouse messages.
enum : WPARAM {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

constexpr int32_t WHEEL_DELTA = 120;

// Notification codes of WM_COMMAND (high word of wParam) used by the controls.
enum : Word {
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    EN_UPDATE = 0x0400,
    BN_CLICKED = 0,
    CBN_SELCHANGE = 1,
    CBN_DBLCLK = 2,
    CBN_SETFOCUS = 3,
    CBN_KILLFOCUS = 4,
    CBN_EDITCHANGE = 5,
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
};

// The header of every WM_NOTIFY record (lParam points to it).
struct NMHDR {
    HWND hwndFrom = 0;
    uintptr_t idFrom = 0;
    UINT code = 0;
};

// Virtual key codes.
enum : Word {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_CANCEL = 0x03,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_EXECUTE = 0x2B,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_0 = 0x30,
    VK_A = 0x41,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_F5 = 0x74,
    VK_F6 = 0x75,
    VK_F7 = 0x76,
    VK_F8 = 0x77,
    VK_F9 = 0x78,
    VK_F10 = 0x79,
    VK_F11 = 0x7A,
    VK_F12 = 0x7B,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
};

// Key data (lParam of key messages): repeat count, scan code, extended and context bits.
constexpr LPARAM KF_EXTENDED_BIT = LPARAM(1) << 24;
constexpr LPARAM KF_ALTDOWN_BIT = LPARAM(1) << 29;
constexpr LPARAM KF_REPEAT_BIT = LPARAM(1) << 30;
constexpr LPARAM KF_UP_BIT = LPARAM(1) << 31;

// Modifier and button state handed to key and mouse events.
enum TShiftStateBit : uint8_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};
using TShiftState = uint8_t;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace gw
