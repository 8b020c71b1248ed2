// System metrics and settings: scroll bar and edge sizes, double-click area and time, wheel lines.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

enum TSystemMetric : Integer {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CYCAPTION = 4,
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10,
    SM_CXICON = 11,
    SM_CYICON = 12,
    SM_CXCURSOR = 13,
    SM_CYCURSOR = 14,
    SM_CYMENU = 15,
    SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CXSMICON = 49,
    SM_CYSMICON = 50,
    SM_CMONITORS = 80,
    SM_CXDRAG = 68,
    SM_CYDRAG = 69,
};

// The value of a metric on this platform (the screen from the back end); 0 for unknown ones.
Integer GetSystemMetrics(Integer Index);
// Milliseconds between two presses that make a double click.
Cardinal GetDoubleClickTime();
// Lines scrolled per wheel notch: the user's setting, 3 until it is changed.
Integer WheelScrollLines();
// Changes that setting (as the system's mouse settings do) and returns the one before.
Integer SetWheelScrollLines(Integer Lines);

}  // namespace gw
