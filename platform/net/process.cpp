// Child processes through posix_spawn, each in its own process group so that it can be ended whole.
#include "platform/net/process.h"

#include "platform/runtime/unicode.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

extern char** environ;

namespace gw {

namespace {

class SpawnAttributes {
public:
    SpawnAttributes()
    {
        posix_spawnattr_init(&m_attr);
        posix_spawn_file_actions_init(&m_actions);
    }
    ~SpawnAttributes()
    {
        posix_spawnattr_destroy(&m_attr);
        posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    posix_spawnattr_t* attr() { return &m_attr; }
    posix_spawn_file_actions_t* actions() { return &m_actions; }

private:
    posix_spawnattr_t m_attr;
    posix_spawn_file_actions_t m_actions;
};

String Reason(int error) { return S(std::strerror(error)); }

}  // namespace

TProcess::~TProcess()
{
    if (m_pid <= 0 || HasEnded()) return;
    // Still running: someone has to collect its status when it ends, or it stays a zombie.
    pid_t pid = m_pid;
    try {
        std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    } catch (...) {
    }
}

void TProcess::Start(const String& Path, const String& WorkDir, bool /*Hidden*/)
{
    if (m_pid > 0 && !HasEnded()) throw EProcessError(u"A program is already running");
    m_pid = -1;
    m_ended = false;
    m_exitCode = STILL_ACTIVE;
    std::string path = StringToUtf8(Path);
    if (path.empty()) throw EProcessError(u"No program to start");

    SpawnAttributes spawn;
    // Its own process group, so that Terminate reaches whatever it starts in turn; the default
    // signal handling and mask, whatever this program changed.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setpgroup(spawn.attr(), 0);
    posix_spawnattr_setsigmask(spawn.attr(), &none);
    posix_spawnattr_setsigdefault(spawn.attr(), &all);
    posix_spawnattr_setflags(spawn.attr(), POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string dir = StringToUtf8(WorkDir);
    if (!dir.empty()) posix_spawn_file_actions_addchdir_np(spawn.actions(), dir.c_str());

    char* argv[] = {path.data(), nullptr};
    pid_t pid = -1;
    int error = ::posix_spawn(&pid, path.c_str(), spawn.actions(), spawn.attr(), argv, environ);
    if (error != 0)
        throw EProcessError(u"Cannot start \"" + Path + u"\"" + (dir.empty() ? String() : u" in \"" + WorkDir + u"\"") +
                            u": " + Reason(error));
    m_pid = pid;
}

void TProcess::Collect(int status)
{
    m_ended = true;
    if (WIFEXITED(status))
        m_exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        m_exitCode = 128 + WTERMSIG(status);
    else
        m_exitCode = -1;
}

bool TProcess::HasEnded()
{
    if (m_pid <= 0) return false;
    if (m_ended) return true;
    int status = 0;
    pid_t got = ::waitpid(m_pid, &status, WNOHANG);
    if (got == m_pid)
        Collect(status);
    else if (got < 0 && errno == ECHILD) {  // collected elsewhere: it has ended, code unknown
        m_ended = true;
        m_exitCode = -1;
    }
    return m_ended;
}

int32_t TProcess::ExitCode()
{
    HasEnded();
    return m_exitCode;
}

void TProcess::Terminate()
{
    if (m_pid <= 0 || HasEnded()) return;
    ::kill(-m_pid, SIGKILL);  // the whole group it leads
    ::kill(m_pid, SIGKILL);  // and the child itself, should it have left the group
    int status = 0;
    pid_t got;
    do {
        got = ::waitpid(m_pid, &status, 0);
    } while (got < 0 && errno == EINTR);
    if (got == m_pid)
        Collect(status);
    else {
        m_ended = true;
        m_exitCode = -1;
    }
}

}  // namespace gw
