// Tests of the launcher: a quick program, one that cannot start, one that outlives the limit.
#include "core/start_program.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace gw::test {
namespace {

using Clock = std::chrono::steady_clock;

long Ms_Since(Clock::time_point Start)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - Start).count());
}

// A shell script that writes its process number, then runs Body.
std::filesystem::path Script(const ScratchDir& Dir, const std::string& Body)
{
    const auto file = Dir / "child.sh";
    writeBytes(file, "#!/bin/sh\necho $$ > '" + (Dir / "pid").string() + "'\n" + Body + "\n");
    ::chmod(file.c_str(), 0755);
    return file;
}

// The state letter of a process in /proc ('Z' for a zombie), or 0 when it is gone.
char State_Of(int Pid)
{
    std::ifstream stat("/proc/" + std::to_string(Pid) + "/stat");
    std::string pid, name;
    char state = 0;
    if (!(stat >> pid)) return 0;
    std::getline(stat, name, ')');
    stat >> state;
    return state;
}

TEST(StartProgram, AQuickProgramReturnsAtOnceAndLeavesNoZombie)
{
    ScratchDir dir("core-start-quick");
    const auto start = Clock::now();
    const TStartOutcome outcome = Start_Program(Utf8ToString(Script(dir, "exit 3").string()), u"", false);
    EXPECT_EQ(outcome.Result, TStartResult::srEnded);
    EXPECT_EQ(outcome.ExitCode, 3);
    EXPECT_LT(Ms_Since(start), 2000);
    const int pid = std::stoi(readBytes(dir / "pid"));
    EXPECT_EQ(State_Of(pid), 0) << "the child is still there";
}

TEST(StartProgram, WhatCannotStartReturnsAtOnce)
{
    ScratchDir dir("core-start-missing");
    writeBytes(dir / "not_executable", "#!/bin/sh\n");
    const String cases[] = {Utf8ToString((dir / "missing").string()), Utf8ToString((dir / "not_executable").string()),
                            Utf8ToString(dir.path().string()), u""};
    for (const String& path : cases) {
        const auto start = Clock::now();
        const TStartOutcome outcome = Start_Program(path, u"", false);
        EXPECT_EQ(outcome.Result, TStartResult::srNotStarted) << StringToUtf8(path);
        EXPECT_FALSE(outcome.Reason.empty()) << StringToUtf8(path);
        EXPECT_LT(Ms_Since(start), 1000);
    }
}

TEST(StartProgram, ParametersAreRefusedRatherThanDropped)
{
    ScratchDir dir("core-start-parameters");
    EXPECT_EQ(Start_Program(Utf8ToString(Script(dir, "exit 0").string()), u"-x", true).Result,
              TStartResult::srNotStarted);
    EXPECT_FALSE(std::filesystem::exists(dir / "pid"));
}

TEST(StartProgram, AProgramPastTheLimitRunsOnAndIsReapedWhenItEnds)
{
    ScratchDir dir("core-start-limit");
    const auto start = Clock::now();
    EXPECT_EQ(Start_Program(Utf8ToString(Script(dir, "sleep 1").string()), u"", true, 200).Result,
              TStartResult::srTimedOut);
    const long waited = Ms_Since(start);
    EXPECT_GE(waited, 200);
    EXPECT_LT(waited, 900);
    while (readBytes(dir / "pid").empty() && Ms_Since(start) < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const int pid = std::stoi(readBytes(dir / "pid"));
    EXPECT_NE(State_Of(pid), 0) << "the program goes on after the wait";
    // Gone for good once it ends: no zombie is left behind.
    while (State_Of(pid) != 0 && Ms_Since(start) < 10000) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(State_Of(pid), 0);
}

}  // namespace
}  // namespace gw::test
