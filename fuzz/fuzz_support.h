// Aids shared by the fuzz targets: turning bytes into program text, splitting an input into
// parts, and a private scratch folder for readers that only take a file name.
#pragma once

#include "platform/runtime/types.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace gw::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// Lenient UTF-8: well-formed sequences decode as usual, three-byte forms of surrogates give the
// lone surrogate unit, and every other byte stands for the Latin-1 character of its value, so
// that the fuzzer reaches every UTF-16 unit (unpaired surrogates, controls, NUL) while seeds
// written as ordinary text still read as that text.
inline String FuzzText(std::string_view bytes)
{
    String out;
    out.reserve(bytes.size());
    size_t i = 0;
    const auto cont = [&](size_t k) {
        return i + k < bytes.size() && (static_cast<uint8_t>(bytes[i + k]) & 0xC0) == 0x80;
    };
    const auto low = [&](size_t k) { return static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + k]) & 0x3F); };
    while (i < bytes.size()) {
        const uint8_t b = static_cast<uint8_t>(bytes[i]);
        if (b >= 0xC2 && b <= 0xDF && cont(1)) {
            out.push_back(static_cast<Char>(((b & 0x1Fu) << 6) | low(1)));
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF && cont(1) && cont(2)) {
            const uint32_t cp = ((b & 0x0Fu) << 12) | (low(1) << 6) | low(2);
            if (cp < 0x800) {
                out.push_back(b);
                ++i;
                continue;
            }
            out.push_back(static_cast<Char>(cp));
            i += 3;
        } else if (b >= 0xF0 && b <= 0xF4 && cont(1) && cont(2) && cont(3)) {
            const uint32_t cp = ((b & 0x07u) << 18) | (low(1) << 12) | (low(2) << 6) | low(3);
            if (cp < 0x10000 || cp > 0x10FFFF) {
                out.push_back(b);
                ++i;
                continue;
            }
            out.push_back(static_cast<Char>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<Char>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
            i += 4;
        } else {
            out.push_back(b);
            ++i;
        }
    }
    return out;
}

// Splits at the first NUL byte: the part before it, and the rest after it (empty when there is
// no NUL; `found` tells which).
inline std::string_view SplitAtNul(std::string_view& bytes, bool* found = nullptr)
{
    const size_t nul = bytes.find('\0');
    const std::string_view head = bytes.substr(0, nul);
    if (found) *found = nul != std::string_view::npos;
    bytes = nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1);
    return head;
}

// A folder of this process, made on first use and removed when the process ends, so that
// parallel fuzzing jobs never share files. It lies in memory (/dev/shm) where the system has
// that, because the atomic writer flushes every file to disk and would otherwise set the pace.
class ScratchFolder {
public:
    static const std::filesystem::path& Path()
    {
        static ScratchFolder folder;
        return folder.m_path;
    }

    // The file's full name in the program's path form.
    static String File(const std::string& leaf) { return ToString(Path() / leaf); }

    static void Write(const std::filesystem::path& file, std::string_view bytes)
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "fuzz: cannot write %s\n", file.c_str());
            std::abort();
        }
    }

    static void Remove(const std::filesystem::path& file)
    {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }

    static String ToString(const std::filesystem::path& p)
    {
        const std::string s = p.string();
        return String(s.begin(), s.end());  // the temporary folder's name is plain ASCII
    }

private:
    ScratchFolder()
    {
        std::error_code error;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
        m_path = base / ("gw-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::filesystem::path m_path;
};

// Stops the run with a message when a property of the reader does not hold.
[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz: property violated: %s\n", what);
    std::abort();
}

}  // namespace gw::fuzz
