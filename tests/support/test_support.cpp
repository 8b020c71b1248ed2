// Scratch folders and fixture access for the test programs.
#include "tests/support/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace gw::test {

namespace fs = std::filesystem;

static fs::path scratchRoot()
{
    const char* env = std::getenv("GW_TEST_SCRATCH");
    return env ? fs::path(env) : fs::temp_directory_path() / "gw-tests";
}

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

}  // namespace gw::test
