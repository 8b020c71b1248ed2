// Starting an external program and watching it: started, still running, ended with a code, ended on request.
#pragma once

#include "platform/runtime/exceptions.h"
#include "platform/runtime/types.h"

#include <sys/types.h>

namespace gw {

class EProcessError : public Exception {
public:
    using Exception::Exception;
};

// One child process. The wait policy (how often to poll, when to give up) is the caller's.
// Destroying the object while the program still runs leaves it running, as a program the user
// started; its exit status is collected when it ends.
class TProcess {
public:
    // What ExitCode answers while the program still runs.
    static constexpr int32_t STILL_ACTIVE = 259;

    TProcess() = default;
    ~TProcess();
    TProcess(const TProcess&) = delete;
    TProcess& operator=(const TProcess&) = delete;

    // Starts the program at Path without arguments, in the folder WorkDir (empty: the current
    // one). Hidden is accepted for the callers' sake; programs here have no window to hide.
    // Raises EProcessError with the reason when the program cannot be started (missing, not
    // executable, bad folder) or when this object already runs one.
    void Start(const String& Path, const String& WorkDir = String(), bool Hidden = false);

    bool Started() const { return m_pid > 0; }
    // Polls without blocking: true once the program has ended (false when never started).
    bool HasEnded();
    // The exit code once ended (a program ended by a signal gives 128 + the signal number);
    // STILL_ACTIVE while it runs.
    int32_t ExitCode();
    // Ends the program and every process it started, at once, and collects its status; does
    // nothing when it has already ended.
    void Terminate();

    pid_t Pid() const { return m_pid; }

private:
    void Collect(int status);

    pid_t m_pid = -1;
    bool m_ended = false;
    int32_t m_exitCode = STILL_ACTIVE;
};

}  // namespace gw
