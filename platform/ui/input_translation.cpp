// Input translation: the key-state table, the standard keyboard layout and scan codes, and the
// conversion of the display's key and mouse input into messages (double clicks, activation on
// a press, the cursor query).
#include "platform/ui/message_records.h"
#include "platform/ui/window_system_state.h"

#include "platform/ui/system_metrics.h"

#include <algorithm>

namespace gw {

namespace detail {

bool KeyDown(Word Vk) { return (State().Keys[Vk] & 0x80) != 0; }

}  // namespace detail

using namespace detail;

namespace {

WPARAM MouseKeyFlags()
{
    auto& k = State().Keys;
    WPARAM f = 0;
    if (k[VK_LBUTTON] & 0x80) f |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80) f |= MK_RBUTTON;
    if (k[VK_MBUTTON] & 0x80) f |= MK_MBUTTON;
    if (k[VK_SHIFT] & 0x80) f |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80) f |= MK_CONTROL;
    return f;
}

void SetKeyDown(Word Vk, bool Down)
{
    auto& k = State().Keys;
    if (Down) {
        if (!(k[Vk] & 0x80)) k[Vk] ^= 0x01;
        k[Vk] |= 0x80;
    } else {
        k[Vk] &= 0x7F;
    }
}

// Left/right variants and the generic modifier keys move together.
void UpdateKeyState(Word Vk, bool Down)
{
    SetKeyDown(Vk, Down);
    auto pair = [&](Word generic, Word left, Word right) {
        if (Vk == generic) SetKeyDown(left, Down);
        if (Vk == left || Vk == right) SetKeyDown(generic, Down || (State().Keys[left == Vk ? right : left] & 0x80));
    };
    pair(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    pair(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    pair(VK_MENU, VK_LMENU, VK_RMENU);
}

// The character a key gives on the standard layout, 0 for none.
Char CharOfKey(Word Vk)
{
    bool shift = KeyDown(VK_SHIFT);
    bool ctrl = KeyDown(VK_CONTROL);
    bool caps = (State().Keys[VK_CAPITAL] & 0x01) != 0;
    if (Vk >= 'A' && Vk <= 'Z') {
        if (ctrl) return Char(Vk - 'A' + 1);
        return (shift != caps) ? Char(Vk) : Char(Vk - 'A' + 'a');
    }
    if (ctrl) {
        if (Vk == VK_RETURN) return 10;
        if (Vk == VK_BACK) return 127;
        if (Vk == VK_ESCAPE) return 27;
        return 0;
    }
    if (Vk >= '0' && Vk <= '9') {
        static const char16_t shifted[] = u")!@#$%^&*(";
        return shift ? shifted[Vk - '0'] : Char(Vk);
    }
    if (Vk >= VK_NUMPAD0 && Vk <= VK_NUMPAD0 + 9) return Char('0' + (Vk - VK_NUMPAD0));
    switch (Vk) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_SPACE: return 32;
    case VK_MULTIPLY: return u'*';
    case VK_ADD: return u'+';
    case VK_SUBTRACT: return u'-';
    case VK_DECIMAL: return u'.';
    case VK_DIVIDE: return u'/';
    case VK_OEM_1: return shift ? u':' : u';';
    case VK_OEM_PLUS: return shift ? u'+' : u'=';
    case VK_OEM_COMMA: return shift ? u'<' : u',';
    case VK_OEM_MINUS: return shift ? u'_' : u'-';
    case VK_OEM_PERIOD: return shift ? u'>' : u'.';
    case VK_OEM_2: return shift ? u'?' : u'/';
    default: return 0;
    }
}

Word ButtonKey(TMouseButton B) { return B == mbLeft ? VK_LBUTTON : B == mbRight ? VK_RBUTTON : VK_MBUTTON; }

}  // namespace

namespace detail {

bool ConvertKey(const TInputEvent& In, TMsg& M)
{
    bool wasDown = KeyDown(In.VirtKey);
    if (In.VirtKey != VK_PACKET) UpdateKeyState(In.VirtKey, In.Down);
    HWND target = State().Focus ? State().Focus : State().Active;
    if (!target) return false;
    bool alt = KeyDown(VK_MENU);
    bool sys = (alt && !KeyDown(VK_CONTROL)) || In.VirtKey == VK_F10 || In.VirtKey == VK_MENU;
    bool ext = false;
    Word scan = ScanCodeOfKey(In.VirtKey, ext);
    if (In.HasScan) {
        scan = In.ScanCode;
        ext = In.Extended;
    }
    LPARAM data = 1 | (LPARAM(scan) << 16);
    if (ext) data |= KF_EXTENDED_BIT;
    if (alt) data |= KF_ALTDOWN_BIT;
    if (In.Down ? wasDown : true) data |= KF_REPEAT_BIT;
    if (!In.Down) data |= KF_UP_BIT;
    M.hwnd = target;
    M.message = In.Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    M.wParam = In.VirtKey;
    M.lParam = data;
    M.packetChar = In.PacketChar;
    return true;
}

bool ConvertMouse(const TInputEvent& In, TMsg& M)
{
    TState& s = State();
    s.Cursor = In.Point;
    if (In.Action == TMouseAction::Down) SetKeyDown(ButtonKey(In.Button), true);
    if (In.Action == TMouseAction::Up) SetKeyDown(ButtonKey(In.Button), false);
    if (In.Action == TMouseAction::Wheel) {
        HWND target = s.Focus ? s.Focus : s.Active;
        if (!target) return false;
        M.hwnd = target;
        M.message = WM_MOUSEWHEEL;
        M.wParam = MakeWParam(Integer(MouseKeyFlags()), In.WheelDelta);
        M.lParam = MakeLParam(In.Point.X, In.Point.Y);
        return true;
    }
    if (s.Track.Wnd && TrackBar(In)) return false;
    HWND target = s.Capture ? s.Capture : WindowFromPoint(In.Point);
    if (!target || !IsEnabledDeep(target)) return false;
    // Outside the client area (on a scroll bar) only a left press means something.
    Integer bar = s.Capture ? -1 : BarAt(*Find(target), ScreenToClient(target, In.Point));
    if (bar >= 0 && !(In.Action == TMouseAction::Down && In.Button == mbLeft)) return false;
    UINT msg = WM_MOUSEMOVE;
    if (In.Action == TMouseAction::Down) {
        msg = ButtonMessage(In.Button, TMouseButtonEvent::Down);
        HWND top = GetTopLevelWindow(target);
        if (top != s.Active && !s.Capture) {
            LRESULT r =
                SendMessage(target, WM_MOUSEACTIVATE, top, MakeLParam(bar >= 0 ? HTCAPTION : HTCLIENT, Integer(msg)));
            if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) SetActiveWindow(top);
            if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) return false;
            if (!IsWindow(target) || !IsEnabledDeep(target)) return false;
        }
        if (bar >= 0) {
            PressBar(target, bar, ScreenToClient(target, In.Point));
            return false;
        }
        TLastClick& lc = s.LastClick;
        // A program busy between two presses takes them together: their own times decide.
        Cardinal pressTime = In.Time ? In.Time : Now();
        Integer dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2, dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        bool dbl = lc.Valid && lc.Wnd == target && lc.Button == In.Button && (GetClassStyle(target) & CS_DBLCLKS) &&
            pressTime - lc.Time <= GetDoubleClickTime() && std::abs(lc.Point.X - In.Point.X) <= dx &&
            std::abs(lc.Point.Y - In.Point.Y) <= dy;
        if (dbl) {
            msg = ButtonMessage(In.Button, TMouseButtonEvent::Double);
            lc.Valid = false;
        } else {
            lc = {true, target, In.Button, pressTime, In.Point};
        }
    } else if (In.Action == TMouseAction::Up) {
        msg = ButtonMessage(In.Button, TMouseButtonEvent::Up);
    }
    if (msg != ButtonMessage(In.Button, TMouseButtonEvent::Up)) {
        SendMessage(target, WM_SETCURSOR, target, MakeLParam(HTCLIENT, Integer(msg)));
        if (!IsWindow(target)) return false;
    }
    TPoint cp = ScreenToClient(target, In.Point);
    M.hwnd = target;
    M.message = msg;
    M.wParam = MouseKeyFlags();
    M.lParam = MakeLParam(cp.X, cp.Y);
    return true;
}

}  // namespace detail

// --- keyboard and mouse -------------------------------------------------------------------------------

bool TranslateMessage(const TMsg& M)
{
    if (M.message != WM_KEYDOWN && M.message != WM_SYSKEYDOWN) return false;
    // A display's layout may give another character than the standard one.
    Char c = (M.wParam == VK_PACKET || M.packetChar) ? M.packetChar : CharOfKey(Word(M.wParam));
    if (!c) return false;
    UINT msg = M.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    return PostMessage(M.hwnd, msg, c, M.lParam);
}

int16_t GetKeyState(Integer VirtKey)
{
    uint8_t k = State().Keys[Byte(VirtKey)];
    return int16_t(((k & 0x80) ? 0xFF80 : 0) | (k & 0x01));
}

int16_t GetAsyncKeyState(Integer VirtKey) { return int16_t(GetKeyState(VirtKey) & 0x8000); }

TShiftState KeyboardStateToShiftState()
{
    TShiftState s = 0;
    if (KeyDown(VK_SHIFT)) s |= ssShift;
    if (KeyDown(VK_CONTROL)) s |= ssCtrl;
    if (KeyDown(VK_MENU)) s |= ssAlt;
    if (KeyDown(VK_LBUTTON)) s |= ssLeft;
    if (KeyDown(VK_RBUTTON)) s |= ssRight;
    if (KeyDown(VK_MBUTTON)) s |= ssMiddle;
    return s;
}

TShiftState KeyDataToShiftState(LPARAM KeyData)
{
    TShiftState s = 0;
    if (KeyDown(VK_SHIFT)) s |= ssShift;
    if (KeyDown(VK_CONTROL)) s |= ssCtrl;
    if (KeyData & KF_ALTDOWN_BIT) s |= ssAlt;
    return s;
}

TPoint GetCursorPos() { return State().Cursor; }
void SetCursorPos(TPoint P) { State().Cursor = P; }

Word ScanCodeOfKey(Word Vk, bool& Extended)
{
    Extended = false;
    static const char* letters =
        "\x1E\x30\x2E\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31\x18\x19\x10\x13\x1F\x14\x16\x2F\x11\x2D\x15\x2C";
    if (Vk >= 'A' && Vk <= 'Z') return Word(Byte(letters[Vk - 'A']));
    if (Vk >= '1' && Vk <= '9') return Word(Vk - '1' + 0x02);
    if (Vk == '0') return 0x0B;
    if (Vk >= VK_F1 && Vk <= VK_F10) return Word(0x3B + (Vk - VK_F1));
    static const Byte numpad[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
    if (Vk >= VK_NUMPAD0 && Vk <= VK_NUMPAD0 + 9) return numpad[Vk - VK_NUMPAD0];
    auto ext = [&](Word code) {
        Extended = true;
        return code;
    };
    switch (Vk) {
    case VK_ESCAPE: return 0x01;
    case VK_OEM_MINUS: return 0x0C;
    case VK_OEM_PLUS: return 0x0D;
    case VK_BACK: return 0x0E;
    case VK_TAB: return 0x0F;
    case VK_RETURN: return 0x1C;
    case VK_CONTROL:
    case VK_LCONTROL: return 0x1D;
    case VK_RCONTROL: return ext(0x1D);
    case VK_OEM_1: return 0x27;
    case VK_SHIFT:
    case VK_LSHIFT: return 0x2A;
    case VK_OEM_COMMA: return 0x33;
    case VK_OEM_PERIOD: return 0x34;
    case VK_OEM_2: return 0x35;
    case VK_RSHIFT: return 0x36;
    case VK_MULTIPLY: return 0x37;
    case VK_MENU:
    case VK_LMENU: return 0x38;
    case VK_RMENU: return ext(0x38);
    case VK_SPACE: return 0x39;
    case VK_CAPITAL: return 0x3A;
    case VK_NUMLOCK: return 0x45;
    case VK_SCROLL: return 0x46;
    case VK_SUBTRACT: return 0x4A;
    case VK_ADD: return 0x4E;
    case VK_DECIMAL: return 0x53;
    case VK_F11: return 0x57;
    case VK_F12: return 0x58;
    case VK_DIVIDE: return ext(0x35);
    case VK_HOME: return ext(0x47);
    case VK_UP: return ext(0x48);
    case VK_PRIOR: return ext(0x49);
    case VK_LEFT: return ext(0x4B);
    case VK_RIGHT: return ext(0x4D);
    case VK_END: return ext(0x4F);
    case VK_DOWN: return ext(0x50);
    case VK_NEXT: return ext(0x51);
    case VK_INSERT: return ext(0x52);
    case VK_DELETE: return ext(0x53);
    case VK_APPS: return ext(0x5D);
    default: return 0;
    }
}

void InjectKey(Word VirtKey, bool Down, Char PacketChar)
{
    TInputEvent e;
    e.IsKey = true;
    e.VirtKey = VirtKey;
    e.Down = Down;
    e.PacketChar = PacketChar;
    State().Input.push_back(e);
}

void InjectKeyEx(Word VirtKey, bool Down, Word ScanCode, bool Extended, Char LayoutChar)
{
    InjectKey(VirtKey, Down, LayoutChar);
    TInputEvent& e = State().Input.back();
    e.HasScan = true;
    e.ScanCode = ScanCode;
    e.Extended = Extended;
}

void InjectMouse(TMouseAction Action, TPoint ScreenPoint, TMouseButton Button, Integer WheelDelta, Cardinal Time)
{
    TInputEvent e;
    e.IsKey = false;
    e.Action = Action;
    e.Point = ScreenPoint;
    e.Button = Button;
    e.WheelDelta = WheelDelta;
    e.Time = Time;
    State().Input.push_back(e);
}

}  // namespace gw
