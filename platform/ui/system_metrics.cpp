// Fixed metrics of the platform's look, the screen size from the back end and the wheel setting.
#include "platform/ui/system_metrics.h"

#include "platform/ui/backend.h"

#include <utility>

namespace gw {

Integer GetSystemMetrics(Integer Index)
{
    switch (Index) {
    case SM_CXSCREEN: return HasBackend() ? Backend().ScreenRect().Width() : 1920;
    case SM_CYSCREEN: return HasBackend() ? Backend().ScreenRect().Height() : 1080;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 20;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CMONITORS: return 1;
    default: return 0;
    }
}

Cardinal GetDoubleClickTime() { return 500; }

namespace {

Integer Wheel_Scroll_Lines = 3;

}  // namespace

Integer WheelScrollLines() { return Wheel_Scroll_Lines; }

Integer SetWheelScrollLines(Integer Lines) { return std::exchange(Wheel_Scroll_Lines, Lines); }

}  // namespace gw
