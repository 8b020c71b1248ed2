// Tests of child processes: exit codes, working folder, ending at a limit, start failures.
#include "platform/net/process.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace gw::test {
namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

String P(const fs::path& path) { return Utf8ToString(path.string()); }

fs::path Script(const ScratchDir& dir, const std::string& name, const std::string& body)
{
    fs::path file = dir / name;
    writeBytes(file, "#!/bin/sh\n" + body + "\n");
    fs::permissions(file, fs::perms::owner_all);
    return file;
}

// The callers' policy in small: poll every 10 ms until it ends or the limit passes.
bool WaitEnded(TProcess& process, int limitMs)
{
    auto end = Clock::now() + std::chrono::milliseconds(limitMs);
    while (!process.HasEnded()) {
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// True once the process is gone or only a zombie waiting for its parent.
bool Gone(const std::string& pid)
{
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    size_t paren = line.rfind(')');
    return paren != std::string::npos && paren + 2 < line.size() && line[paren + 2] == 'Z';
}

TEST(Process, ReportsTheExitCodeAndRunsInTheGivenFolder)
{
    ScratchDir dir("process-exit");
    fs::create_directories(dir / "work");
    fs::path script = Script(dir, "exit3.sh", "pwd > where.txt\nexit 3");
    TProcess process;
    process.Start(P(script), P(dir / "work"));
    EXPECT_TRUE(process.Started());
    ASSERT_TRUE(WaitEnded(process, 10000));
    EXPECT_EQ(process.ExitCode(), 3);
    EXPECT_EQ(readBytes(dir / "work" / "where.txt"), (dir / "work").string() + "\n");
    EXPECT_TRUE(process.HasEnded());  // asking again keeps the answer
    EXPECT_EQ(process.ExitCode(), 3);
}

TEST(Process, OneRunningPastTheLimitIsEndedWithWhatItStarted)
{
    ScratchDir dir("process-kill");
    fs::path script = Script(dir, "forever.sh", "sleep 60 &\necho $! > sleep.pid\nwait");
    TProcess process;
    process.Start(P(script), P(dir.path()));
    EXPECT_FALSE(WaitEnded(process, 300));
    EXPECT_EQ(process.ExitCode(), TProcess::STILL_ACTIVE);
    std::string sleeper = readBytes(dir / "sleep.pid");
    ASSERT_FALSE(sleeper.empty());
    sleeper.pop_back();

    auto start = Clock::now();
    process.Terminate();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(process.HasEnded());
    EXPECT_EQ(process.ExitCode(), 128 + 9);
    auto limit = Clock::now() + std::chrono::seconds(5);
    while (!Gone(sleeper) && Clock::now() < limit) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(Gone(sleeper)) << "the program's own child outlived it";
    process.Terminate();  // a second request does nothing
}

// Giving up the wait is not ending the program; its status is still collected when it ends.
TEST(Process, DroppingTheObjectLeavesTheProgramRunning)
{
    ScratchDir dir("process-drop");
    fs::path slow = Script(dir, "slow.sh", "sleep 60");
    pid_t pid = -1;
    {
        TProcess process;
        process.Start(P(slow));
        pid = process.Pid();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(Gone(std::to_string(pid)));
    ::kill(-pid, SIGKILL);
    auto limit = Clock::now() + std::chrono::seconds(5);
    while (::kill(pid, 0) == 0 && Clock::now() < limit) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_NE(::kill(pid, 0), 0) << "no zombie left behind";
}

TEST(Process, UnstartablePathsFailAtOnceWithTheReason)
{
    ScratchDir dir("process-fail");
    writeBytes(dir / "plain.txt", "not a program");
    fs::path good = Script(dir, "good.sh", "exit 0");
    struct Case {
        fs::path path;
        fs::path folder;
        const char* reason;
    };
    const Case cases[] = {
        {dir / "missing.exe", "", "No such file"},
        {dir / "plain.txt", "", "Permission denied"},
        {dir.path(), "", "Permission denied"},
        {good, dir / "no-such-folder", "No such file"},
        {"", "", "No program"},
    };
    for (const auto& c : cases) {
        TProcess process;
        try {
            process.Start(P(c.path), P(c.folder));
            ADD_FAILURE() << c.path << " started";
        } catch (const EProcessError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.path.filename().string()), std::string::npos) << e.what();
        }
        EXPECT_FALSE(process.Started());
        EXPECT_FALSE(process.HasEnded());
    }
}

TEST(Process, OneObjectRunsOneProgramAtATime)
{
    ScratchDir dir("process-twice");
    fs::path slow = Script(dir, "slow.sh", "sleep 60");
    fs::path quick = Script(dir, "quick.sh", "exit 7");
    TProcess process;
    process.Start(P(slow));
    EXPECT_THROW(process.Start(P(quick)), EProcessError);
    process.Terminate();
    process.Start(P(quick));  // once ended, the object can start the next
    ASSERT_TRUE(WaitEnded(process, 10000));
    EXPECT_EQ(process.ExitCode(), 7);
}

}  // namespace
}  // namespace gw::test
