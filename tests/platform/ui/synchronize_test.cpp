// Work handed from worker threads to the user-interface thread.
#include "platform/backends/headless/harness.h"
#include "platform/ui/synchronize.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace gw::test {
namespace {

// Pumps the loop until Done, as the program's loop would.
void PumpUntil(THarness& h, const std::atomic<bool>& Done)
{
    while (!Done) {
        h.ProcessMessages();
        std::this_thread::yield();
    }
}

TEST(Synchronize, WorkRunsOnTheUserInterfaceThreadAndTheCallerWaits)
{
    THarness h;
    std::atomic<bool> done = false;
    int value = 0;
    std::thread::id ranOn;
    std::thread worker([&] {
        Synchronize([&] {
            value = 42;
            ranOn = std::this_thread::get_id();
        });
        EXPECT_EQ(value, 42) << "the caller goes on only once the work ran";
        done = true;
    });
    PumpUntil(h, done);
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    Synchronize([&] { value = 7; });
    EXPECT_EQ(value, 7) << "on the user-interface thread the work runs at once";
}

TEST(Synchronize, AnErrorOfTheWorkReachesTheCaller)
{
    THarness h;
    std::atomic<bool> done = false;
    bool caught = false;
    std::thread worker([&] {
        try {
            Synchronize([] { throw EConvertError(u"bad"); });
        } catch (const EConvertError&) {
            caught = true;
        }
        done = true;
    });
    PumpUntil(h, done);
    worker.join();
    EXPECT_TRUE(caught);
}

TEST(Synchronize, QueuedWorkRunsInOrderWithoutWaiting)
{
    THarness h;
    std::vector<int> order;
    std::thread worker([&] {
        Queue([&] { order.push_back(1); });
        Queue([&] { order.push_back(2); });
    });
    worker.join();
    EXPECT_TRUE(order.empty());
    h.ProcessMessages();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(Synchronize, AWaitingCallerIsReleasedWhenTheSessionEnds)
{
    auto h = std::make_unique<THarness>();
    std::atomic<bool> released = false;
    bool ran = false;
    std::thread worker([&] {
        try {
            Synchronize([&] { ran = true; });
        } catch (const EInvalidOperation&) {
            released = true;
        }
    });
    while (!HasPendingMessages()) std::this_thread::yield();
    h.reset();
    worker.join();
    EXPECT_TRUE(released);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace gw::test
