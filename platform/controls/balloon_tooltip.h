// The tooltip control: a window that shows a tip (title, icon, text) for tools of other windows,
// driven by TTM_* requests like the platform's tooltip class, balloon-shaped with TTS_BALLOON.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/window_system.h"

#include <array>

namespace gw {

// Tooltip styles.
enum : Cardinal {
    TTS_ALWAYSTIP = 0x01,
    TTS_NOPREFIX = 0x02,
    TTS_NOANIMATE = 0x10,
    TTS_NOFADE = 0x20,
    TTS_BALLOON = 0x40
};
// Tool flags.
enum : Cardinal {
    TTF_IDISHWND = 0x0001,
    TTF_CENTERTIP = 0x0002,
    TTF_SUBCLASS = 0x0010,
    TTF_TRACK = 0x0020,
    TTF_ABSOLUTE = 0x0080,
    TTF_TRANSPARENT = 0x0100,
};
// Delay kinds of TTM_SETDELAYTIME / TTM_GETDELAYTIME.
enum : WPARAM { TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3 };
// Title icons.
enum : WPARAM { TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3 };
// Requests.
enum : UINT {
    TTM_ACTIVATE = WM_USER + 1,
    TTM_SETDELAYTIME = WM_USER + 3,
    TTM_RELAYEVENT = WM_USER + 7,
    TTM_TRACKACTIVATE = WM_USER + 17,
    TTM_TRACKPOSITION = WM_USER + 18,
    TTM_SETTIPBKCOLOR = WM_USER + 19,
    TTM_SETTIPTEXTCOLOR = WM_USER + 20,
    TTM_GETTIPBKCOLOR = WM_USER + 22,
    TTM_GETTIPTEXTCOLOR = WM_USER + 23,
    TTM_GETDELAYTIME = WM_USER + 21,
    TTM_SETMAXTIPWIDTH = WM_USER + 24,
    TTM_POP = WM_USER + 28,
    TTM_UPDATE = WM_USER + 29,
    TTM_SETTITLEW = WM_USER + 33,
    TTM_ADDTOOLW = WM_USER + 50,
    TTM_DELTOOLW = WM_USER + 51,
    TTM_NEWTOOLRECTW = WM_USER + 52,
    TTM_UPDATETIPTEXTW = WM_USER + 57,
    TTM_GETTOOLCOUNT = WM_USER + 13,
};
// TTM_SETDELAYTIME and TTM_GETDELAYTIME: which delay (TTDT_*) and, to set, the milliseconds
// (negative: that delay's default).
struct TTMDelayTime {
    explicit TTMDelayTime(const TMessage& M) : Kind(M.WParam), Milliseconds(Integer(int32_t(M.LParam))) {}
    WPARAM Kind;
    Integer Milliseconds;
};
// TTM_SETTITLEW: the icon (TTI_*) and the title, nullptr for none.
struct TTMSetTitle {
    explicit TTMSetTitle(const TMessage& M) : Icon(M.WParam), Title(reinterpret_cast<const Char*>(M.LParam)) {}
    WPARAM Icon;
    const Char* Title;
};

// Notifications to the tool's window (WM_NOTIFY).
constexpr UINT TTN_FIRST = UINT(-520);
constexpr UINT TTN_GETDISPINFOW = TTN_FIRST - 10;
constexpr UINT TTN_SHOW = TTN_FIRST - 1;
constexpr UINT TTN_POP = TTN_FIRST - 2;

// The text of a tool given as this is asked for with TTN_GETDISPINFOW when the tip shows.
inline const Char* const LPSTR_TEXTCALLBACKW = reinterpret_cast<const Char*>(intptr_t(-1));

struct TToolInfo {
    Cardinal cbSize = 48;
    Cardinal uFlags = 0;
    HWND hwnd = 0;  // the window that gets the notifications
    uintptr_t uId = 0;  // with TTF_IDISHWND: the tool's window
    TRect rect;  // the tool's area in hwnd's client coordinates (without TTF_IDISHWND)
    uintptr_t hinst = 0;
    const Char* lpszText = nullptr;  // text, or LPSTR_TEXTCALLBACKW
    LPARAM lParam = 0;
};

// TTN_GETDISPINFOW: the owner sets lpszText (read at once) or fills szText.
struct NMTTDISPINFOW {
    NMHDR hdr;
    const Char* lpszText = nullptr;
    std::array<Char, 80> szText{};
    uintptr_t hinst = 0;
    Cardinal uFlags = 0;
    LPARAM lParam = 0;
};

// Creates a tooltip window owned by Parent (0: none), hidden; Style holds TTS_* bits. It is
// destroyed with DestroyWindow (or with its owner's session).
HWND CreateToolTipWindow(HWND Parent, Cardinal Style);
// Makes the window topmost, as the platform's tooltip asks after creation (no move, no size).
void SetToolTipTopmost(HWND ToolTip);

// What a tooltip window holds and shows, for tests and the display.
struct TToolTipInfo {
    Cardinal Style = 0;
    bool Active = true;
    bool Visible = false;
    String Title;
    WPARAM Icon = TTI_NONE;
    String Text;  // the text shown last
    TRect Bounds;  // screen, while visible
    Integer InitialDelay = 500;
    Integer AutoPopDelay = 5000;
    Integer ReshowDelay = 100;
    Integer MaxTipWidth = -1;
    Integer ToolCount = 0;
    // TTM_SETTIPBKCOLOR, TTM_SETTIPTEXTCOLOR (wParam, an RGB colour): the body's fill, and the
    // texts and the outline.
    TColor TipBkColor = clInfoBk;
    TColor TipTextColor = clInfoText;
};
bool GetToolTipInfo(HWND ToolTip, TToolTipInfo& Info);

}  // namespace gw
