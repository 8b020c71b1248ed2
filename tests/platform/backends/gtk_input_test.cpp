// GDK input in the platform's terms: keys with scan codes (keypad told apart), characters of
// the layout, mouse buttons and wheel notches.
#include "platform/backends/gtk/gtk_input.h"
#include "platform/ui/window_system.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>

namespace gw {
namespace {

struct TKeyCase {
    const char* What;
    unsigned Keyval;
    bool Ctrl;
    Word VirtKey;
    Word Scan;
    bool Extended;
    Char Character;
};

const TKeyCase KeyCases[] = {
    {"small letter", GDK_KEY_a, false, 'A', 0x1E, false, u'a'},
    {"capital letter", GDK_KEY_Q, false, 'Q', 0x10, false, u'Q'},
    {"letter with Ctrl: the control character comes from the platform", GDK_KEY_c, true, 'C', 0x2E, false, 0},
    {"top-row digit", GDK_KEY_7, false, '7', 0x08, false, u'7'},
    {"shifted digit", GDK_KEY_exclam, false, '1', 0x02, false, u'!'},
    {"keypad digit (Num Lock on)", GDK_KEY_KP_7, false, VK_NUMPAD0 + 7, 0x47, false, u'7'},
    {"grey Home", GDK_KEY_Home, false, VK_HOME, 0x47, true, 0},
    {"keypad Home (Num Lock off)", GDK_KEY_KP_Home, false, VK_HOME, 0x47, false, 0},
    {"grey Delete", GDK_KEY_Delete, false, VK_DELETE, 0x53, true, 0},
    {"keypad Delete", GDK_KEY_KP_Delete, false, VK_DELETE, 0x53, false, 0},
    {"keypad decimal point", GDK_KEY_KP_Decimal, false, VK_DECIMAL, 0x53, false, u'.'},
    {"main Enter", GDK_KEY_Return, false, VK_RETURN, 0x1C, false, 0},
    {"keypad Enter", GDK_KEY_KP_Enter, false, VK_RETURN, 0x1C, true, 0},
    {"keypad divide", GDK_KEY_KP_Divide, false, VK_DIVIDE, 0x35, true, u'/'},
    {"main slash", GDK_KEY_slash, false, VK_OEM_2, 0x35, false, u'/'},
    {"keypad minus", GDK_KEY_KP_Subtract, false, VK_SUBTRACT, 0x4A, false, u'-'},
    {"main minus", GDK_KEY_minus, false, VK_OEM_MINUS, 0x0C, false, u'-'},
    {"Shift+Tab", GDK_KEY_ISO_Left_Tab, false, VK_TAB, 0x0F, false, 0},
    {"Escape", GDK_KEY_Escape, false, VK_ESCAPE, 0x01, false, 0},
    {"F12", GDK_KEY_F12, false, VK_F12, 0x58, false, 0},
    {"left Ctrl", GDK_KEY_Control_L, false, VK_CONTROL, 0x1D, false, 0},
    {"right Ctrl: Ctrl, extended", GDK_KEY_Control_R, false, VK_CONTROL, 0x1D, true, 0},
    {"right Shift: Shift on its own scan code", GDK_KEY_Shift_R, false, VK_SHIFT, 0x36, false, 0},
    {"space", GDK_KEY_space, false, VK_SPACE, 0x39, false, u' '},
    {"accented letter without a key code: a packet", GDK_KEY_eacute, false, VK_PACKET, 0, false, u'\u00E9'},
    {"euro sign: a packet", GDK_KEY_EuroSign, false, VK_PACKET, 0, false, u'\u20AC'},
};

TEST(GtkKeys, TranslateToVirtualKeysScanCodesAndCharacters)
{
    for (const TKeyCase& c : KeyCases) {
        SCOPED_TRACE(c.What);
        TKeyTranslation t = TranslateGdkKey(c.Keyval, c.Ctrl);
        EXPECT_EQ(t.VirtKey, c.VirtKey);
        EXPECT_EQ(t.ScanCode, c.Scan);
        EXPECT_EQ(t.Extended, c.Extended);
        EXPECT_EQ(t.Character, c.Character);
    }
}

TEST(GtkKeys, KeysWithoutCodeOrCharacterAreDropped)
{
    EXPECT_EQ(TranslateGdkKey(GDK_KEY_VoidSymbol, false).VirtKey, 0);
    EXPECT_EQ(TranslateGdkKey(GDK_KEY_dead_acute, false).VirtKey, 0);
}

TEST(GtkMouse, ButtonsLeftMiddleRightOnly)
{
    TMouseButton b = mbLeft;
    ASSERT_TRUE(MouseButtonOfGdk(3, b));
    EXPECT_EQ(b, mbRight);
    ASSERT_TRUE(MouseButtonOfGdk(2, b));
    EXPECT_EQ(b, mbMiddle);
    ASSERT_TRUE(MouseButtonOfGdk(1, b));
    EXPECT_EQ(b, mbLeft);
    EXPECT_FALSE(MouseButtonOfGdk(8, b));  // "back" buttons have no message here
}

TEST(GtkMouse, WheelGives120PerNotchUpwards)
{
    double pending = 0;
    EXPECT_EQ(WheelDeltaOfGdk(GDK_SCROLL_UP, 0, pending), 120);
    EXPECT_EQ(WheelDeltaOfGdk(GDK_SCROLL_DOWN, 0, pending), -120);
    EXPECT_EQ(WheelDeltaOfGdk(GDK_SCROLL_LEFT, 0, pending), 0);
    // Smooth deltas: half notches add up, the remainder is kept for the next event.
    EXPECT_EQ(WheelDeltaOfGdk(GDK_SCROLL_SMOOTH, 0.5, pending), 0);
    EXPECT_EQ(WheelDeltaOfGdk(GDK_SCROLL_SMOOTH, 0.75, pending), -120);
    EXPECT_EQ(WheelDeltaOfGdk(GDK_SCROLL_SMOOTH, -2.25, pending), 240);
    EXPECT_DOUBLE_EQ(pending, 0.0);
}

}  // namespace
}  // namespace gw
