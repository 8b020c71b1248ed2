// Helpers of the display tests: a private Xvfb on a display number nobody else uses, programs
// started on it, screenshots read back; every wait is bounded and every child is ended.
#pragma once

#include <cairo.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace gw::test {

inline bool ToolAvailable(const std::string& Name)
{
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && access((dir + "/" + Name).c_str(), X_OK) == 0) return true;
    return false;
}

// A program started with DISPLAY set; ended (TERM, then KILL) when the object goes.
class TChildProcess {
public:
    // OutputFile: where the child's standard output and error go (empty: inherited).
    TChildProcess(const std::vector<std::string>& Args, const std::string& Display, const std::string& OutputFile = {},
                  int DisplayFdWrite = -1)
    {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "WAYLAND_DISPLAY=", 16) != 0)
                env.emplace_back(*e);
        if (!Display.empty()) env.push_back("DISPLAY=" + Display);
        std::vector<char*> argv, envp;
        for (auto& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!OutputFile.empty()) {
            posix_spawn_file_actions_addopen(&actions, 1, OutputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            posix_spawn_file_actions_adddup2(&actions, 1, 2);
        }
        if (DisplayFdWrite >= 0 && DisplayFdWrite != 3) posix_spawn_file_actions_adddup2(&actions, DisplayFdWrite, 3);
        if (posix_spawnp(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~TChildProcess() { Stop(); }
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    bool Running()
    {
        Reap(0);
        return m_pid > 0 && !m_exited;
    }
    // Waits at most TimeoutMs for the end; the exit code, or -1 when it did not end (or died
    // from a signal).
    int WaitExit(int TimeoutMs)
    {
        Reap(TimeoutMs);
        if (!m_exited) return -1;
        return WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
    }
    void Stop()
    {
        if (m_pid <= 0 || Reap(0)) return;
        kill(m_pid, SIGTERM);
        if (!Reap(2000)) {
            kill(m_pid, SIGKILL);
            Reap(5000);
        }
    }

private:
    bool Reap(int TimeoutMs)
    {
        if (m_pid <= 0 || m_exited) return m_exited;
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
        for (;;) {
            if (waitpid(m_pid, &m_status, WNOHANG) == m_pid) {
                m_exited = true;
                return true;
            }
            if (std::chrono::steady_clock::now() >= end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    pid_t m_pid = -1;
    int m_status = 0;
    bool m_exited = false;
};

// Runs a program to its end within TimeoutMs; its exit code, -1 when it did not end in time.
inline int RunTool(const std::vector<std::string>& Args, const std::string& Display, int TimeoutMs = 10000,
                   const std::string& OutputFile = {})
{
    TChildProcess p(Args, Display, OutputFile.empty() ? std::string("/dev/null") : OutputFile);
    if (!p.Started()) return -1;
    int rc = p.WaitExit(TimeoutMs);
    return rc;
}

// A private X server; -displayfd lets it pick a free number, so that parallel tests never share.
class TXvfb {
public:
    explicit TXvfb(int Width = 1280, int Height = 1024)
    {
        int fds[2];
        if (pipe(fds) != 0) return;
        std::string screen = std::to_string(Width) + "x" + std::to_string(Height) + "x24";
        // The child's end of the pipe lands on descriptor 3, where -displayfd writes the number.
        m_server =
            std::make_unique<TChildProcess>(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0", screen,
                                                                     "-nolisten", "tcp", "-br", "-noreset"},
                                            "", "/dev/null", fds[1]);
        close(fds[1]);
        std::string number;
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{fds[0], POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char c;
            if (read(fds[0], &c, 1) != 1) break;
            if (c == '\n') break;
            number += c;
        }
        close(fds[0]);
        if (!number.empty()) m_display = ":" + number;
    }
    bool Ok() const { return !m_display.empty(); }
    const std::string& Display() const { return m_display; }

private:
    std::unique_ptr<TChildProcess> m_server;
    std::string m_display;
};

struct TSurfaceRelease {
    void operator()(cairo_surface_t* S) const { cairo_surface_destroy(S); }
};
using TImage = std::unique_ptr<cairo_surface_t, TSurfaceRelease>;

// The whole screen of Display as ImageMagick's import saves it, written to File; nullptr when
// the picture could not be taken.
inline TImage Screenshot(const std::string& Display, const std::string& File)
{
    if (RunTool({"import", "-window", "root", File}, Display, 20000) != 0) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create_from_png(File.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return TImage(s);
}

// The pixel at (X, Y) as 0xRRGGBB.
inline uint32_t PixelAt(cairo_surface_t* S, int X, int Y)
{
    cairo_surface_flush(S);
    const unsigned char* row = cairo_image_surface_get_data(S) + std::ptrdiff_t(Y) * cairo_image_surface_get_stride(S);
    uint32_t v;
    std::memcpy(&v, row + std::ptrdiff_t(X) * 4, 4);
    return v & 0xFFFFFF;
}

inline std::vector<std::string> ReadLines(const std::string& File)
{
    std::vector<std::string> lines;
    std::ifstream in(File);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace gw::test
