// Message numbers, styles and notification codes of the edit, combo and list controls.
#pragma once

#include "platform/ui/messages.h"

namespace gw {

// Edit control messages.
enum : UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_GETRECT = 0x00B2,
    EM_SETRECT = 0x00B3,
    EM_SETRECTNP = 0x00B4,
    EM_SCROLLCARET = 0x00B7,
    EM_GETMODIFY = 0x00B8,
    EM_SETMODIFY = 0x00B9,
    EM_GETLINECOUNT = 0x00BA,
    EM_LINEINDEX = 0x00BB,
    EM_LINELENGTH = 0x00C1,
    EM_REPLACESEL = 0x00C2,
    EM_GETLINE = 0x00C4,
    EM_LIMITTEXT = 0x00C5,
    EM_SETLIMITTEXT = EM_LIMITTEXT,
    EM_CANUNDO = 0x00C6,
    EM_UNDO = 0x00C7,
    EM_LINEFROMCHAR = 0x00C9,
    EM_SETPASSWORDCHAR = 0x00CC,
    EM_EMPTYUNDOBUFFER = 0x00CD,
    EM_GETFIRSTVISIBLELINE = 0x00CE,
    EM_SETREADONLY = 0x00CF,
    EM_GETPASSWORDCHAR = 0x00D2,
    EM_GETLIMITTEXT = 0x00D5,
    EM_POSFROMCHAR = 0x00D6,
    EM_CHARFROMPOS = 0x00D7,
    // Rich edit.
    EM_EXGETSEL = WM_USER + 52,
    EM_EXSETSEL = WM_USER + 55,
    EM_GETEVENTMASK = WM_USER + 59,
    EM_REQUESTRESIZE = WM_USER + 65,
    EM_SETEVENTMASK = WM_USER + 69,
    EM_FORMATRANGE = WM_USER + 57,
    // A balloon at the edit (lParam: a TEditBalloonTip), and its end.
    EM_SHOWBALLOONTIP = 0x1503,
    EM_HIDEBALLOONTIP = 0x1504,
};

// What EM_SHOWBALLOONTIP shows: a title, a text and the title's icon (TTI_NONE, TTI_INFO,
// TTI_WARNING, TTI_ERROR); the texts are copied.
struct TEditBalloonTip {
    Cardinal cbStruct = sizeof(TEditBalloonTip);
    const Char* pszTitle = nullptr;
    const Char* pszText = nullptr;
    Integer ttiIcon = 0;
};

// Edit styles (low word of the window style).
enum : Cardinal {
    ES_LEFT = 0x0000,
    ES_CENTER = 0x0001,
    ES_RIGHT = 0x0002,
    ES_MULTILINE = 0x0004,
    ES_UPPERCASE = 0x0008,
    ES_LOWERCASE = 0x0010,
    ES_PASSWORD = 0x0020,
    ES_AUTOVSCROLL = 0x0040,
    ES_AUTOHSCROLL = 0x0080,
    ES_NOHIDESEL = 0x0100,
    ES_READONLY = 0x0800,
    ES_WANTRETURN = 0x1000,
};

// Edit notifications (WM_COMMAND) beyond those of messages.h.
enum : Word {
    EN_ERRSPACE = 0x0500,
    EN_MAXTEXT = 0x0501,
    EN_HSCROLL = 0x0601,
    EN_VSCROLL = 0x0602,
};

// Rich edit notifications (WM_NOTIFY) and their event-mask bits.
enum : UINT { EN_SELCHANGE = 0x0702, EN_REQUESTRESIZE = 0x0701 };
enum : Cardinal { ENM_CHANGE = 0x0001, ENM_SELCHANGE = 0x00080000, ENM_REQUESTRESIZE = 0x00040000 };

// Combo box messages.
enum : UINT {
    CB_GETEDITSEL = 0x0140,
    CB_LIMITTEXT = 0x0141,
    CB_SETEDITSEL = 0x0142,
    CB_ADDSTRING = 0x0143,
    CB_DELETESTRING = 0x0144,
    CB_GETCOUNT = 0x0146,
    CB_GETCURSEL = 0x0147,
    CB_GETLBTEXT = 0x0148,
    CB_GETLBTEXTLEN = 0x0149,
    CB_INSERTSTRING = 0x014A,
    CB_RESETCONTENT = 0x014B,
    CB_FINDSTRING = 0x014C,
    CB_SELECTSTRING = 0x014D,
    CB_SETCURSEL = 0x014E,
    CB_SHOWDROPDOWN = 0x014F,
    CB_GETITEMDATA = 0x0150,
    CB_SETITEMHEIGHT = 0x0153,
    CB_GETITEMHEIGHT = 0x0154,
    CB_GETDROPPEDSTATE = 0x0157,
    CB_FINDSTRINGEXACT = 0x0158,
    CB_GETDROPPEDWIDTH = 0x015F,
    CB_SETDROPPEDWIDTH = 0x0160,
};
constexpr LRESULT CB_ERR = -1;

// Combo box notifications beyond those of messages.h.
enum : Word { CBN_EDITUPDATE = 6, CBN_SELENDOK = 9, CBN_SELENDCANCEL = 10 };

// List box messages.
enum : UINT {
    LB_GETCURSEL = 0x0188,
    LB_SETCURSEL = 0x0186,
    LB_GETTOPINDEX = 0x018E,
    LB_SETTOPINDEX = 0x0197,
    LB_GETCOUNT = 0x018B,
    LB_GETITEMHEIGHT = 0x01A1,
    LB_SETITEMHEIGHT = 0x01A0,
    LB_ITEMFROMPOINT = 0x01A9,
};
constexpr LRESULT LB_ERR = -1;

// List box notifications (WM_COMMAND).
enum : Word { LBN_SELCHANGE = 1, LBN_DBLCLK = 2 };

// Date-time picker and month calendar notifications (WM_NOTIFY).
enum : UINT {
    DTN_DATETIMECHANGE = UINT(-759),
    DTN_DROPDOWN = UINT(-754),
    DTN_CLOSEUP = UINT(-753),
    MCN_SELCHANGE = UINT(-749),
    MCN_SELECT = UINT(-746),
};

}  // namespace gw
