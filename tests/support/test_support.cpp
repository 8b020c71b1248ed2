// Scratch folders and fixture access for the test programs.
#include "tests/support/test_support.h"

#include "platform/runtime/scope.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace gw::test {

namespace fs = std::filesystem;

namespace {

fs::path scratchRoot()
{
    const char* env = std::getenv("GW_TEST_SCRATCH");
    return env ? fs::path(env) : fs::temp_directory_path() / "gw-tests";
}

}  // namespace

ScratchDir::ScratchDir(const std::string& name)
{
    m_path = scratchRoot() / (name + "-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(m_path, ec);
    fs::create_directories(m_path);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path picturePath(const std::string& name)
{
    const fs::path folder(GW_TEST_PICTURES);
    fs::create_directories(folder);
    return folder / name;
}

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& file, const std::string& bytes)
{
    if (file.has_parent_path()) fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string runCommand(const std::string& command, int* exitCode)
{
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        if (exitCode) *exitCode = -1;
        return out;
    }
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
    const int status = pclose(pipe);
    if (exitCode) *exitCode = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

std::string pythonDom(const fs::path& file, const std::string& script)
{
    return runCommand("python3 -c \"import sys, xml.dom.minidom as m; d = m.parse(sys.argv[1]); " + script + "\" '" +
                      file.string() + "'");
}

void WithinSeconds(int Seconds, const std::function<void()>& Step)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> result = done->get_future();
    std::thread([done, Step] {
        try {
            Step();
            done->set_value();
        } catch (...) {
            done->set_exception(std::current_exception());
        }
    }).detach();
    if (result.wait_for(std::chrono::seconds(Seconds)) != std::future_status::ready) {
        std::fprintf(stderr, "A step did not finish within %d s: it blocks or runs without end\n", Seconds);
        std::abort();
    }
    result.get();
}

std::vector<fs::path> makeBadInputFiles(const fs::path& dir)
{
    const fs::path fifo = dir / "fifo.xml";
    const fs::path zero = dir / "zero.xml";
    const fs::path folder = dir / "folder.xml";
    if (::mkfifo(fifo.c_str(), 0600) != 0) std::perror("mkfifo");
    fs::create_symlink("/dev/zero", zero);
    fs::create_directory(folder);
    return {fifo, zero, folder};
}

void AsUnprivileged(const std::function<void()>& Step)
{
    if (::geteuid() != 0) return Step();
    ASSERT_EQ(::seteuid(65534), 0);
    TScopeExit back([] { (void)::seteuid(0); });
    Step();
}

}  // namespace gw::test
