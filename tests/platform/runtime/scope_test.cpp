// Scope helpers: a step, a temporary value and an update that end with the block, also when an
// exception leaves it.
#include "platform/runtime/scope.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace gw {
namespace {

struct Cause : std::runtime_error {
    Cause() : std::runtime_error("cause") {}
};

TEST(ScopeExit, RunsTheStepOnceWhenTheBlockEndsEitherWay)
{
    int runs = 0;
    {
        TScopeExit step([&] { ++runs; });
    }
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(
        {
            TScopeExit step([&] { ++runs; });
            throw Cause();
        },
        Cause);
    EXPECT_EQ(runs, 2);
    {
        TScopeExit step([&] { ++runs; });
        step.Release();
    }
    EXPECT_EQ(runs, 2) << "a released step does not run";
}

TEST(ScopeExit, AFailingStepRaisesOnANormalExitButNeverHidesTheCause)
{
    auto failingStep = [] { throw std::logic_error("step"); };
    EXPECT_THROW({ TScopeExit step(failingStep); }, std::logic_error);
    EXPECT_THROW(
        {
            TScopeExit step(failingStep);
            throw Cause();
        },
        Cause);
}

TEST(ScopeExit, StepsOfNestedScopesRunNewestFirst)
{
    std::string order;
    {
        TScopeExit outer([&] { order += "outer "; });
        TScopeExit inner([&] { order += "inner "; });
    }
    EXPECT_EQ(order, "inner outer ");
}

// Makes a guard while an exception unwinds the stack past it (in its destructor) and reports
// whether the guard's failing step reached it.
struct GuardInDestructor {
    bool* reported;
    ~GuardInDestructor()
    {
        try {
            TScopeExit step([] { throw std::logic_error("step"); });
        } catch (const std::logic_error&) {
            *reported = true;
        }
    }
};

TEST(ScopeExit, AGuardMadeDuringUnwindingStillReportsItsOwnStep)
{
    // The guard compares with the exceptions in flight when it was made: one made while another
    // exception unwinds is not itself being unwound.
    bool reported = false;
    EXPECT_THROW(
        {
            GuardInDestructor guard{&reported};
            throw Cause();
        },
        Cause);
    EXPECT_TRUE(reported);
}

TEST(TemporaryChange, GivesTheOldValueBackEitherWay)
{
    std::string value = "old";
    {
        TTemporaryChange change(value, std::string("new"));
        EXPECT_EQ(value, "new");
    }
    EXPECT_EQ(value, "old");
    try {
        TTemporaryChange change(value, std::string("during"));
        throw Cause();
    } catch (const Cause&) {
        EXPECT_EQ(value, "old");
    }
    {
        TTemporaryChange first(value, std::string("a"));
        {
            TTemporaryChange second(value, std::string("b"));
            EXPECT_EQ(value, "b");
        }
        EXPECT_EQ(value, "a");
    }
    EXPECT_EQ(value, "old");
}

// Records the calls and can refuse to begin.
struct Updatable {
    std::vector<std::string> calls;
    bool refuseBegin = false;
    void BeginUpdate()
    {
        if (refuseBegin) throw Cause();
        calls.push_back("begin");
    }
    void EndUpdate() { calls.push_back("end"); }
};

TEST(UpdateScope, EndsTheUpdateItBeganAlsoWhenTheWorkFails)
{
    Updatable target;
    {
        TUpdateScope update(target);
        target.calls.push_back("work");
    }
    EXPECT_EQ(target.calls, (std::vector<std::string>{"begin", "work", "end"}));

    target.calls.clear();
    EXPECT_THROW(
        {
            TUpdateScope update(target);
            throw Cause();
        },
        Cause);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"begin", "end"}));
}

TEST(UpdateScope, AFailedBeginIsNotFollowedByAnEnd)
{
    Updatable target;
    target.refuseBegin = true;
    EXPECT_THROW({ TUpdateScope update(target); }, Cause);
    EXPECT_TRUE(target.calls.empty());
}

}  // namespace
}  // namespace gw
