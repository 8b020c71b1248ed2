// GDK input in the platform's terms: virtual keys with scan codes and characters, buttons, wheel.
#pragma once

#include "platform/ui/messages.h"

namespace gw {

struct TKeyTranslation {
    Word VirtKey = 0;  // 0: a key the platform has no code for (ignored)
    Word ScanCode = 0;  // set-1 scan code; keypad keys keep their own codes
    bool Extended = false;
    // The character the key gives on the user's layout; 0 leaves it to the platform's table
    // (control characters with Ctrl, keys that give none).
    Char Character = 0;
};

// Translates a GDK key symbol. Ctrl down means the character is the platform's control
// character, not the layout's. A printable symbol without a key code of its own (an accented
// letter, a quote) becomes a VK_PACKET carrying its character.
TKeyTranslation TranslateGdkKey(unsigned Keyval, bool Ctrl);

// GDK's button number (1 left, 2 middle, 3 right); false for other buttons.
bool MouseButtonOfGdk(unsigned Button, TMouseButton& Result);

// The wheel delta of a scroll event, 120 per notch upwards: discrete steps count one notch
// each, smooth deltas add up in Pending until they make whole notches. 0 = nothing to report.
Integer WheelDeltaOfGdk(int Direction, double DeltaY, double& Pending);

}  // namespace gw
