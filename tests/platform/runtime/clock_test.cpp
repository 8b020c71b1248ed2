// The clock: real ticks advance, and an installed clock source takes over GetTickCount and Sleep.
#include "platform/runtime/clock.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class TFakeClock : public TClockSource {
public:
    Cardinal TickCount() override { return now; }
    void Sleep(Cardinal Milliseconds) override { now += Milliseconds; }
    Cardinal now = 0xFFFFFF00u;
};

TEST(Clock, RealTicksAdvanceBySleeping)
{
    const Cardinal start = GetTickCount();
    Sleep(20);
    const Cardinal elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(Clock, AnInstalledSourceDrivesTimeUntilRemoved)
{
    TFakeClock fake;
    SetClockSource(&fake);
    EXPECT_EQ(ClockSource(), &fake);
    const Cardinal start = GetTickCount();
    Sleep(1000);  // virtual: returns at once, and wraps like the system count
    EXPECT_EQ(GetTickCount(), 0xFFFFFF00u + 1000u);
    EXPECT_EQ(GetTickCount() - start, 1000u);
    SetClockSource(nullptr);
    EXPECT_NE(ClockSource(), &fake);
}

}  // namespace
}  // namespace gw
