// The window system: window tree, procedures, the queue, focus, activation, capture, timers,
// invalidation and input, on one user-interface thread, the same on every back end.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/messages.h"
#include "platform/ui/scroll_bar_painter.h"

#include <cairo.h>

#include <functional>
#include <vector>

namespace gw {

class TCanvas;
class TRegion;

// A window procedure. Subclassing replaces it with SetWindowProc and calls the previous one
// through CallWindowProc.
using TWndProc = std::function<LRESULT(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)>;

// Window style bits.
enum : Cardinal {
    WS_POPUP = 0x80000000,
    WS_CHILD = 0x40000000,
    WS_VISIBLE = 0x10000000,
    WS_DISABLED = 0x08000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_CLIPCHILDREN = 0x02000000,
    WS_CAPTION = 0x00C00000,
    WS_BORDER = 0x00800000,
    WS_VSCROLL = 0x00200000,
    WS_HSCROLL = 0x00100000,
    WS_TABSTOP = 0x00010000,
};
enum : Cardinal {
    WS_EX_TOPMOST = 0x00000008,
    WS_EX_TRANSPARENT = 0x00000020,
    WS_EX_TOOLWINDOW = 0x00000080,
    WS_EX_LAYERED = 0x00080000,
    WS_EX_NOACTIVATE = 0x08000000,
};
// Class style bits.
enum : Cardinal { CS_DBLCLKS = 0x0008, CS_SAVEBITS = 0x0800, CS_DROPSHADOW = 0x00020000 };

struct TCreateWindowParams {
    String Caption;
    Cardinal Style = 0;
    Cardinal ExStyle = 0;
    Cardinal ClassStyle = CS_DBLCLKS;
    // Relative to the parent's client area for child windows, screen coordinates otherwise.
    TRect Bounds;
    // The parent of a WS_CHILD window; the owner of a top-level one (0 = none).
    HWND Parent = 0;
    // The class procedure; DefWindowProc when empty.
    TWndProc WndProc;
};

// A message as the queue hands it out.
struct TMsg {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    Cardinal time = 0;
    TPoint pt;
    // The character of a VK_PACKET key (text typed without a key of its own).
    Char packetChar = 0;
};

// --- windows -------------------------------------------------------------------------------
HWND CreateWindow(const TCreateWindowParams& Params);
// Sends WM_DESTROY to the window and then to its descendants, frees them all; false for a
// handle that is not (or no longer) a window.
bool DestroyWindow(HWND Wnd);
bool IsWindow(HWND Wnd);
HWND GetParent(HWND Wnd);
// The owner of a top-level window.
HWND GetWindowOwner(HWND Wnd);
// The top-level window that holds Wnd (Wnd itself for a top-level window).
HWND GetTopLevelWindow(HWND Wnd);
bool IsChild(HWND Parent, HWND Wnd);
// Child windows from the top of the z-order down.
std::vector<HWND> GetChildWindows(HWND Wnd);
// Top-level windows from the top of the z-order down.
std::vector<HWND> GetTopLevelWindows();
HWND SetParent(HWND Wnd, HWND NewParent);
// Moves the window to the top (InsertAfter 0) or just below InsertAfter among its siblings.
void SetWindowZOrder(HWND Wnd, HWND InsertAfter);
Cardinal GetWindowStyle(HWND Wnd);
void SetWindowStyle(HWND Wnd, Cardinal Style);
Cardinal GetWindowExStyle(HWND Wnd);
void SetWindowExStyle(HWND Wnd, Cardinal ExStyle);
Cardinal GetClassStyle(HWND Wnd);
String GetWindowText(HWND Wnd);
void SetWindowText(HWND Wnd, const String& Text);

// --- procedures and messages ---------------------------------------------------------------
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Appends to the queue; safe from any thread. False when Wnd is not a window (0 posts a
// message for the thread itself, which the loop hands out with hwnd 0).
bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
void PostQuitMessage(Integer ExitCode);
LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT CallWindowProc(const TWndProc& Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
TWndProc GetWindowProc(HWND Wnd);
// Installs a new procedure and returns the one it replaces.
TWndProc SetWindowProc(HWND Wnd, TWndProc Proc);
// A stable number at or above $C000, equal for equal names (ignoring case).
UINT RegisterWindowMessage(StringView Name);
// The name a registered number was given (as first registered); empty for other numbers.
String RegisteredMessageName(UINT Msg);

// --- send-message observers --------------------------------------------------------------------
// An observer sees every message sent to a window (SendMessage, and what the window system sends
// itself) just before the window's procedure gets it; posted messages and input, which reach
// their window through DispatchMessage, pass unseen. Observers run in the order they were added.
// They outlive ResetWindowSystem: whoever added one removes it.
using TSendMessageObserver = std::function<void(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)>;

// Keeps an observer registered while it lives (empty when default-made or moved from).
class TSendMessageObservation {
public:
    TSendMessageObservation() = default;
    explicit TSendMessageObservation(TSendMessageObserver Observer);
    TSendMessageObservation(TSendMessageObservation&& Other) noexcept;
    TSendMessageObservation& operator=(TSendMessageObservation&& Other) noexcept;
    TSendMessageObservation(const TSendMessageObservation&) = delete;
    TSendMessageObservation& operator=(const TSendMessageObservation&) = delete;
    ~TSendMessageObservation();

    bool Active() const { return m_id != 0; }
    // Removes the observer now (nothing when none is held).
    void Reset();

private:
    Cardinal m_id = 0;
};
// The observers registered now.
Cardinal SendMessageObserverCount();

// --- the loop --------------------------------------------------------------------------------
// Takes the next message: posted messages first in first out, then input, then paint of an
// invalid window, then a due timer. False when there is none.
bool PeekMessage(TMsg& Msg);
// Posts the WM_CHAR (WM_SYSCHAR with Alt) a key-down produces.
bool TranslateMessage(const TMsg& Msg);
LRESULT DispatchMessage(const TMsg& Msg);
// Asks the back end to wait until something may have arrived.
void WaitMessage();
// True while the queue holds posted messages or input.
bool HasPendingMessages();
// The time and position of the message last taken from the queue.
Cardinal GetMessageTime();
// Milliseconds of the back end's clock.
Cardinal GetTickCountUI();

// --- visibility, enabling, geometry ----------------------------------------------------------
// Shows or hides; hiding a window that holds the focus moves the focus to its parent at once.
bool ShowWindow(HWND Wnd, bool Visible);
// The window and all its ancestors are visible.
bool IsWindowVisible(HWND Wnd);
// Disabling a window holding the focus sends WM_CANCELMODE and leaves the focus on nothing.
bool EnableWindow(HWND Wnd, bool Enable);
bool IsWindowEnabled(HWND Wnd);
// Bounds relative to the parent's client area (screen for top-level windows); sends
// WM_WINDOWPOSCHANGED, WM_MOVE and WM_SIZE (with the client size) as they apply.
void MoveWindow(HWND Wnd, const TRect& Bounds, bool Repaint = true);
TRect GetWindowBounds(HWND Wnd);
TRect GetWindowRect(HWND Wnd);  // screen coordinates
// (0, 0, width, height) less the window's scroll bars.
TRect GetClientRect(HWND Wnd);
TPoint ClientToScreen(HWND Wnd, TPoint P);
TPoint ScreenToClient(HWND Wnd, TPoint P);
// The topmost visible window under a screen point; disabled child windows are transparent, and
// so is a top-level window outside its shape and where a layered window lets the mouse through.
HWND WindowFromPoint(TPoint ScreenPoint);

// --- focus, activation, capture --------------------------------------------------------------
// Returns the previous focus window; no change (0 returned) when Wnd is hidden, disabled,
// destroyed or inside a non-activating window. SetFocus(0) leaves the focus on nothing.
HWND SetFocus(HWND Wnd);
HWND GetFocus();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND Wnd);
// For displays that activate windows themselves: Wnd (0 = another application) became active.
void NotifyActivated(HWND Wnd);
HWND SetCapture(HWND Wnd);
bool ReleaseCapture();
HWND GetCapture();

// --- painting ----------------------------------------------------------------------------------
// Rect is in client coordinates; nullptr = the whole client area.
void InvalidateRect(HWND Wnd, const TRect* Rect, bool Erase);
void ValidateRect(HWND Wnd, const TRect* Rect);
// The bounding rectangle of the update region; false when the window is valid.
bool GetUpdateRect(HWND Wnd, TRect& Rect);
// Paints the window at once when it is invalid (and then its invalid children).
void UpdateWindow(HWND Wnd);
bool IsRedrawEnabled(HWND Wnd);
// Whether WM_NCPAINT will follow the window's next paint (its update region reached the edge).
bool FramePaintPending(HWND Wnd);

// Where a window's pixels are: a surface, the device position of the client's (0, 0), and the
// device rectangle that may be drawn (the window's visible part, cut to what is painted).
struct TWindowPixels {
    cairo_surface_t* Surface = nullptr;  // nullptr: hidden or no pixels
    TPoint Origin;
    TRect Clip;
};

struct TPaintStruct {
    TRect Paint;  // the rectangle to paint, client coordinates
    bool Erase = false;  // the background needs erasing first
    TWindowPixels Pixels;
};
// Validates the window and says where to paint; EndPaint shows the result.
void BeginPaint(HWND Wnd, TPaintStruct& PS);
void EndPaint(HWND Wnd, TPaintStruct& PS);
// The window's pixels outside a paint, for drawing at once; ReleaseWindowPixels shows them.
TWindowPixels GetWindowPixels(HWND Wnd);
// The same for the whole window, scroll bars included: Origin is the window's top-left corner.
TWindowPixels GetWholeWindowPixels(HWND Wnd);
void ReleaseWindowPixels(HWND Wnd, const TWindowPixels& Pixels);
// Counters for tests: paints dispatched and invalidations recorded since the start.
Cardinal PaintCount();
Cardinal InvalidateCount();

// --- layered windows and shapes ------------------------------------------------------------
// A top-level window with WS_EX_LAYERED is shown either from a picture it is given
// (UpdateLayeredWindow: per-pixel alpha) or from what it paints, with a constant opacity and a
// colour key over it (SetLayeredWindowAttributes); once given attributes it takes no picture
// until WS_EX_LAYERED is cleared and set again. Until either call it shows what it paints.
// The mouse falls through its pixels of alpha 0 and its keyed pixels, and through the whole
// window when WS_EX_TRANSPARENT is set too.
enum : Cardinal { ULW_COLORKEY = 0x1, ULW_ALPHA = 0x2, ULW_OPAQUE = 0x4 };
enum : Cardinal { LWA_COLORKEY = 0x1, LWA_ALPHA = 0x2 };
enum : Byte { AC_SRC_OVER = 0x00, AC_SRC_ALPHA = 0x01 };

struct TBlendFunction {
    Byte BlendOp = AC_SRC_OVER;
    Byte BlendFlags = 0;
    Byte SourceConstantAlpha = 255;
    Byte AlphaFormat = AC_SRC_ALPHA;  // AC_SRC_ALPHA: the source's pixels carry alpha
};

// Gives a layered top-level window its picture: Size pixels of SourceDC from SourcePos (logical,
// default (0, 0)), whose colours are premultiplied by their alpha. ULW_ALPHA applies Blend (the
// pixels' alpha with AC_SRC_ALPHA, times SourceConstantAlpha / 255), ULW_COLORKEY makes pixels
// of Key transparent, ULW_OPAQUE (or no flag) shows the pixels as they are. DestPos (screen)
// and Size move and size the window; nullptr keeps them, and without SourceDC only the position
// and the blend change, over the picture it has. DestDC is not used (the screen). False, with
// nothing changed, for a child window, a window without WS_EX_LAYERED or with attributes, a
// size of 0, a source rectangle outside the source's pixels, or unknown flags.
bool UpdateLayeredWindow(HWND Wnd, TCanvas* DestDC, const TPoint* DestPos, const TSize* Size, TCanvas* SourceDC,
                         const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend, Cardinal Flags);
// Shows a layered top-level window from what it paints: LWA_ALPHA with the opacity Alpha / 255,
// LWA_COLORKEY with its pixels of Key transparent. False for a child window, a window without
// WS_EX_LAYERED or unknown flags.
bool SetLayeredWindowAttributes(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags);
// Limits where a top-level window shows and takes the mouse to Region (window coordinates; the
// window keeps a copy); nullptr gives it its whole rectangle again. Redraw shows the change at
// once. False for a child window or a handle that is not a window.
bool SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw);
// The shape SetWindowRgn gave; false when the window has none.
bool GetWindowRgn(HWND Wnd, TRegion& Region);

// --- window scroll bars ------------------------------------------------------------------------
// A window with WS_VSCROLL / WS_HSCROLL has a bar along its right / bottom edge, outside its
// client area. Clicks on it send WM_VSCROLL / WM_HSCROLL (lParam 0) with the SB_* code in the
// low word of wParam and, for SB_THUMBTRACK and SB_THUMBPOSITION, the position in the high word.
enum : Integer { SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3 };
enum : Word {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};
enum : UINT {
    SIF_RANGE = 0x1,
    SIF_PAGE = 0x2,
    SIF_POS = 0x4,
    SIF_DISABLENOSCROLL = 0x8,
    SIF_TRACKPOS = 0x10,
    SIF_ALL = 0x17
};

struct TScrollInfo {
    UINT fMask = SIF_ALL;
    Integer nMin = 0;
    Integer nMax = 0;
    UINT nPage = 0;
    Integer nPos = 0;
    Integer nTrackPos = 0;
};

// Sets the parts named by fMask; the page is kept within the range and the position within
// Min .. Max - Page + 1. Returns the new position.
Integer SetScrollInfo(HWND Wnd, Integer Bar, const TScrollInfo& Info, bool Redraw = true);
bool GetScrollInfo(HWND Wnd, Integer Bar, TScrollInfo& Info);
Integer SetScrollPos(HWND Wnd, Integer Bar, Integer Pos, bool Redraw = true);
Integer GetScrollPos(HWND Wnd, Integer Bar);
bool SetScrollRange(HWND Wnd, Integer Bar, Integer Min, Integer Max, bool Redraw = true);
bool GetScrollRange(HWND Wnd, Integer Bar, Integer& Min, Integer& Max);
// The painter of the window's bars (nullptr: the classic DrawScrollBar); the layout stays the
// one every scroll bar has (scroll_bar_layout.h), so an owner-drawn look changes only the paint.
void SetScrollBarPainter(HWND Wnd, TScrollBarPaint Paint);
// Shows or hides the bar (its style bit); the client area changes and WM_SIZE tells it.
bool ShowScrollBar(HWND Wnd, Integer Bar, bool Show);
// What EnableScrollBar turns off: the left or up arrow, the right or down one, or both, which
// turns the whole bar off (greyed arrows, no thumb, no presses).
enum : UINT {
    ESB_ENABLE_BOTH = 0x0,
    ESB_DISABLE_LTUP = 0x1,
    ESB_DISABLE_LEFT = 0x1,
    ESB_DISABLE_UP = 0x1,
    ESB_DISABLE_RTDN = 0x2,
    ESB_DISABLE_RIGHT = 0x2,
    ESB_DISABLE_DOWN = 0x2,
    ESB_DISABLE_BOTH = 0x3,
};
// Turns off the arrows Arrows names on SB_HORZ, SB_VERT or SB_BOTH, and on the others; the state
// holds, shown or hidden, whatever range is set, until the next call. False when nothing changed
// (or Wnd is no window, or the bar is SB_CTL).
bool EnableScrollBar(HWND Wnd, Integer Bar, UINT Arrows);
// The ESB_* arrows turned off on SB_HORZ or SB_VERT.
UINT GetScrollBarArrowsOff(HWND Wnd, Integer Bar);

// --- timers --------------------------------------------------------------------------------------
// Starts or re-arms the timer (Wnd, Id); WM_TIMER reaches Wnd when due and the queue holds
// nothing else. Returns Id (0 for a window that does not exist).
uintptr_t SetTimer(HWND Wnd, uintptr_t Id, UINT Elapse);
bool KillTimer(HWND Wnd, uintptr_t Id);
// Milliseconds until the next timer is due (0 when one is due); Infinite when none runs.
Cardinal NextTimerDue();

// --- keyboard and mouse --------------------------------------------------------------------------
// High bit (negative) = down, low bit = toggled.
int16_t GetKeyState(Integer VirtKey);
int16_t GetAsyncKeyState(Integer VirtKey);
// Shift, Ctrl and Alt as the key-state table has them now.
TShiftState KeyboardStateToShiftState();
TShiftState KeyDataToShiftState(LPARAM KeyData);
TPoint GetCursorPos();
void SetCursorPos(TPoint P);
// The set-1 scan code and the extended flag of a virtual key.
Word ScanCodeOfKey(Word VirtKey, bool& Extended);

constexpr Word VK_PACKET = 0xE7;

// Input from the back end or the test harness; handled in queue order.
void InjectKey(Word VirtKey, bool Down, Char PacketChar = 0);
// Key input from a display that knows the key's set-1 scan code (keypad keys differ from the
// main keys there) and the character its keyboard layout gives (0 = as the standard layout has it).
void InjectKeyEx(Word VirtKey, bool Down, Word ScanCode, bool Extended, Char LayoutChar);
enum class TMouseAction { Move, Down, Up, Wheel };
// Time: when the display saw the event, on the tick clock (0 = when the loop takes it); a
// double click is judged by the times of the presses.
void InjectMouse(TMouseAction Action, TPoint ScreenPoint, TMouseButton Button = mbLeft, Integer WheelDelta = 0,
                 Cardinal Time = 0);

// --- lifetime ----------------------------------------------------------------------------------
// Destroys every window and forgets queue, timers and key state: the start of a fresh session
// (tests). Registered message numbers stay, as names registered once keep their number.
void ResetWindowSystem();
Cardinal WindowCount();

}  // namespace gw
