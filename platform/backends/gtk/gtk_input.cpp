// GDK input to the platform's: keys of the main block and of the keypad (told apart by scan code
// and extended flag, as the platform's keyboard does) with the layout's character; buttons; wheel.
#include "platform/backends/gtk/gtk_input.h"

#include "platform/ui/messages.h"
#include "platform/ui/window_system.h"

#include <gdk/gdk.h>

namespace gw {

namespace {

struct TKeypadKey {
    unsigned Keyval;
    Word VirtKey;
    Word Scan;
    bool Extended;
};

// The keypad: with Num Lock off its digits are navigation keys, but on the keypad's own scan
// codes and without the extended flag that the grey navigation block carries; the keypad's
// Enter and '/' are extended versions of the main keys.
const TKeypadKey KeypadKeys[] = {
    {GDK_KEY_KP_0, VK_NUMPAD0 + 0, 0x52, false},
    {GDK_KEY_KP_1, VK_NUMPAD0 + 1, 0x4F, false},
    {GDK_KEY_KP_2, VK_NUMPAD0 + 2, 0x50, false},
    {GDK_KEY_KP_3, VK_NUMPAD0 + 3, 0x51, false},
    {GDK_KEY_KP_4, VK_NUMPAD0 + 4, 0x4B, false},
    {GDK_KEY_KP_5, VK_NUMPAD0 + 5, 0x4C, false},
    {GDK_KEY_KP_6, VK_NUMPAD0 + 6, 0x4D, false},
    {GDK_KEY_KP_7, VK_NUMPAD0 + 7, 0x47, false},
    {GDK_KEY_KP_8, VK_NUMPAD0 + 8, 0x48, false},
    {GDK_KEY_KP_9, VK_NUMPAD0 + 9, 0x49, false},
    {GDK_KEY_KP_Insert, VK_INSERT, 0x52, false},
    {GDK_KEY_KP_End, VK_END, 0x4F, false},
    {GDK_KEY_KP_Down, VK_DOWN, 0x50, false},
    {GDK_KEY_KP_Page_Down, VK_NEXT, 0x51, false},
    {GDK_KEY_KP_Left, VK_LEFT, 0x4B, false},
    {GDK_KEY_KP_Begin, VK_CLEAR, 0x4C, false},
    {GDK_KEY_KP_Right, VK_RIGHT, 0x4D, false},
    {GDK_KEY_KP_Home, VK_HOME, 0x47, false},
    {GDK_KEY_KP_Up, VK_UP, 0x48, false},
    {GDK_KEY_KP_Page_Up, VK_PRIOR, 0x49, false},
    {GDK_KEY_KP_Delete, VK_DELETE, 0x53, false},
    {GDK_KEY_KP_Decimal, VK_DECIMAL, 0x53, false},
    {GDK_KEY_KP_Separator, VK_DECIMAL, 0x53, false},
    {GDK_KEY_KP_Enter, VK_RETURN, 0x1C, true},
    {GDK_KEY_KP_Divide, VK_DIVIDE, 0x35, true},
    {GDK_KEY_KP_Multiply, VK_MULTIPLY, 0x37, false},
    {GDK_KEY_KP_Subtract, VK_SUBTRACT, 0x4A, false},
    {GDK_KEY_KP_Add, VK_ADD, 0x4E, false},
};

struct TNamedKey {
    unsigned Keyval;
    Word VirtKey;
};

const TNamedKey NamedKeys[] = {
    {GDK_KEY_BackSpace, VK_BACK},    {GDK_KEY_Tab, VK_TAB},
    {GDK_KEY_ISO_Left_Tab, VK_TAB},  {GDK_KEY_Return, VK_RETURN},
    {GDK_KEY_Escape, VK_ESCAPE},     {GDK_KEY_space, VK_SPACE},
    {GDK_KEY_Page_Up, VK_PRIOR},     {GDK_KEY_Page_Down, VK_NEXT},
    {GDK_KEY_End, VK_END},           {GDK_KEY_Home, VK_HOME},
    {GDK_KEY_Left, VK_LEFT},         {GDK_KEY_Up, VK_UP},
    {GDK_KEY_Right, VK_RIGHT},       {GDK_KEY_Down, VK_DOWN},
    {GDK_KEY_Insert, VK_INSERT},     {GDK_KEY_Delete, VK_DELETE},
    {GDK_KEY_Shift_L, VK_SHIFT},     {GDK_KEY_Shift_R, VK_SHIFT},
    {GDK_KEY_Control_L, VK_CONTROL}, {GDK_KEY_Control_R, VK_CONTROL},
    {GDK_KEY_Alt_L, VK_MENU},        {GDK_KEY_Alt_R, VK_MENU},
    {GDK_KEY_Meta_L, VK_MENU},       {GDK_KEY_Caps_Lock, VK_CAPITAL},
    {GDK_KEY_Num_Lock, VK_NUMLOCK},  {GDK_KEY_Scroll_Lock, VK_SCROLL},
    {GDK_KEY_Pause, VK_PAUSE},       {GDK_KEY_Menu, VK_APPS},
    {GDK_KEY_Super_L, VK_LWIN},      {GDK_KEY_Super_R, VK_RWIN},
    {GDK_KEY_semicolon, VK_OEM_1},   {GDK_KEY_colon, VK_OEM_1},
    {GDK_KEY_equal, VK_OEM_PLUS},    {GDK_KEY_plus, VK_OEM_PLUS},
    {GDK_KEY_comma, VK_OEM_COMMA},   {GDK_KEY_less, VK_OEM_COMMA},
    {GDK_KEY_minus, VK_OEM_MINUS},   {GDK_KEY_underscore, VK_OEM_MINUS},
    {GDK_KEY_period, VK_OEM_PERIOD}, {GDK_KEY_greater, VK_OEM_PERIOD},
    {GDK_KEY_slash, VK_OEM_2},       {GDK_KEY_question, VK_OEM_2},
};

// Shifted digits of the US layout come from their digit keys.
const char ShiftedDigits[] = ")!@#$%^&*(";

Word MainBlockKey(unsigned Keyval)
{
    if (Keyval >= GDK_KEY_a && Keyval <= GDK_KEY_z) return Word('A' + (Keyval - GDK_KEY_a));
    if (Keyval >= GDK_KEY_A && Keyval <= GDK_KEY_Z) return Word(Keyval);
    if (Keyval >= GDK_KEY_0 && Keyval <= GDK_KEY_9) return Word(Keyval);
    if (Keyval >= GDK_KEY_F1 && Keyval <= GDK_KEY_F12) return Word(VK_F1 + (Keyval - GDK_KEY_F1));
    for (char c : std::string_view(ShiftedDigits, 10))
        if (Keyval == unsigned(Byte(c))) return Word('0' + (std::string_view(ShiftedDigits).find(c)));
    for (const TNamedKey& k : NamedKeys)
        if (k.Keyval == Keyval) return k.VirtKey;
    return 0;
}

// The character of a printable symbol in the basic plane, 0 for none.
Char LayoutCharacter(unsigned Keyval)
{
    guint32 u = gdk_keyval_to_unicode(Keyval);
    if (u < 0x20 || u == 0x7F || u > 0xFFFF || (u >= 0xD800 && u <= 0xDFFF)) return 0;
    return Char(u);
}

}  // namespace

TKeyTranslation TranslateGdkKey(unsigned Keyval, bool Ctrl)
{
    TKeyTranslation t;
    for (const TKeypadKey& k : KeypadKeys)
        if (k.Keyval == Keyval) {
            t.VirtKey = k.VirtKey;
            t.ScanCode = k.Scan;
            t.Extended = k.Extended;
            if (!Ctrl) t.Character = LayoutCharacter(Keyval);
            return t;
        }
    t.VirtKey = MainBlockKey(Keyval);
    Char c = LayoutCharacter(Keyval);
    if (!t.VirtKey) {
        // A symbol with no key of its own on the standard layout travels as a packet.
        if (!c) return t;
        t.VirtKey = VK_PACKET;
        t.Character = c;
        return t;
    }
    t.ScanCode = ScanCodeOfKey(t.VirtKey, t.Extended);
    // The right-hand modifiers report the generic key, told apart by their scan code data.
    if (Keyval == GDK_KEY_Control_R || Keyval == GDK_KEY_Alt_R) t.Extended = true;
    if (Keyval == GDK_KEY_Shift_R) t.ScanCode = 0x36;
    if (!Ctrl) t.Character = c;
    return t;
}

bool MouseButtonOfGdk(unsigned Button, TMouseButton& Result)
{
    switch (Button) {
    case 1: Result = mbLeft; return true;
    case 2: Result = mbMiddle; return true;
    case 3: Result = mbRight; return true;
    default: return false;
    }
}

Integer WheelDeltaOfGdk(int Direction, double DeltaY, double& Pending)
{
    switch (Direction) {
    case GDK_SCROLL_UP: return WHEEL_DELTA;
    case GDK_SCROLL_DOWN: return -WHEEL_DELTA;
    case GDK_SCROLL_SMOOTH: {
        // Smooth deltas grow downwards; one unit is one notch.
        Pending -= DeltaY;
        Integer notches = Integer(Pending);
        Pending -= notches;
        return notches * WHEEL_DELTA;
    }
    default: return 0;  // sideways scrolling has no message here
    }
}

}  // namespace gw
