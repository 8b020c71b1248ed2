// Small aids shared by the test programs: scratch folders, fixture paths, outside programs.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace gw::test {

// A fresh, empty folder under the test program's scratch area, removed again on destruction.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& leaf) const { return m_path / leaf; }

private:
    std::filesystem::path m_path;
};

// Full path of a fixture file below the test folder's data/ directory.
#ifdef GW_TEST_DATA
inline std::filesystem::path fixture(const std::string& relative)
{
    return std::filesystem::path(GW_TEST_DATA) / relative;
}
#endif

// Where a test writes a picture (a PNG for a person to look at, a screenshot): the build's
// pictures/ folder (build/test/pictures in the test command's build), created on first use.
// Every test that writes a PNG puts it there under a name of its own.
std::filesystem::path picturePath(const std::string& name);

// Whole contents of a file as bytes; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& file);

// Writes bytes to a file, replacing it; creates missing parent folders.
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// Runs a shell command and returns what it wrote to standard output and error; *exitCode
// receives its exit status (-1 when it could not run or did not exit normally).
std::string runCommand(const std::string& command, int* exitCode = nullptr);

// Reads a file with an independent XML reader, Python's xml.dom.minidom: the script sees the
// parsed document as d; returns what it prints (or Python's error).
std::string pythonDom(const std::filesystem::path& file, const std::string& script);

// Runs Step on another thread and gives back what it returned or raised; a step still running
// after Seconds (blocked, or reading without end) ends the test program with a message, as it
// cannot be stopped otherwise.
void WithinSeconds(int Seconds, const std::function<void()>& Step);

// The files a user may pick by mistake in place of an input file: a FIFO nobody writes to, a
// link to /dev/zero, a folder. Created in Dir; their paths in that order.
std::vector<std::filesystem::path> makeBadInputFiles(const std::filesystem::path& dir);

// Runs Step without the powers of root when the tests run as root (as user 65534, "nobody"), so
// that permissions bind; as anyone else it just runs Step.
void AsUnprivileged(const std::function<void()>& Step);

}  // namespace gw::test
