// Typed message records read what their messages carry: signed points and turns, the scroll
// request and position, absent texts, and the button messages of each event.
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

TEST(MessageRecords, SignedHalvesAndAbsentFields)
{
    TMessage mouse{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MakeLParam(-3, 70000 - 65536), 0};
    TWMMouse m(mouse);
    EXPECT_EQ(m.Pos, (TPoint{-3, 4464}));
    EXPECT_TRUE(m.LeftDown());
    EXPECT_NE(m.Shift() & ssShift, 0);
    EXPECT_EQ(LParamToPoint(PointToLParam({-1, -1})), (TPoint{-1, -1}));

    TMessage wheel{WM_MOUSEWHEEL, MakeWParam(MK_CONTROL, -2 * WHEEL_DELTA), MakeLParam(500, 20), 0};
    TWMMouseWheel w(wheel);
    EXPECT_EQ(w.WheelDelta, -240) << "towards the user is negative";
    EXPECT_EQ(w.Keys, WPARAM(MK_CONTROL)) << "the turn is not part of the key flags";
    EXPECT_EQ(w.Pos, (TPoint{500, 20}));

    TMessage scroll{WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 40000), 0, 0};
    EXPECT_EQ(TWMScroll(scroll).Code, SB_THUMBTRACK);
    EXPECT_EQ(TWMScroll(scroll).Pos, 40000 - 65536) << "a 16-bit signed position, as the message has it";
    EXPECT_EQ(TWMScroll(scroll).ScrollBar, HWND(0)) << "the window's own bar";
    TMessage fromControl{WM_VSCROLL, MakeWParam(SB_LINEDOWN, 0), LPARAM(0x1234), 0};
    EXPECT_EQ(TWMScroll(fromControl).ScrollBar, HWND(0x1234));

    TMessage none{WM_SETTEXT, 0, 0, 0};
    EXPECT_EQ(TWMText(none).Value(), u"");
    const Char text[] = u"abc";
    TMessage some{WM_SETTEXT, 0, LPARAM(text), 0};
    EXPECT_EQ(TWMText(some).View(), u"abc");

    TMessage menu{WM_CONTEXTMENU, 0, MakeLParam(-1, -1), 0};
    EXPECT_TRUE(TWMContextMenu(menu).FromKeyboard());
}

TEST(MessageRecords, ButtonMessagesOfEachEvent)
{
    EXPECT_EQ(ButtonMessage(mbLeft, TMouseButtonEvent::Down), WM_LBUTTONDOWN);
    EXPECT_EQ(ButtonMessage(mbRight, TMouseButtonEvent::Up), WM_RBUTTONUP);
    EXPECT_EQ(ButtonMessage(mbMiddle, TMouseButtonEvent::Double), WM_MBUTTONDBLCLK);
}

}  // namespace
}  // namespace gw::test
