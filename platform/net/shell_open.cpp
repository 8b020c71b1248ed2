// The shell-open check and the default opener (xdg-open).
#include "platform/net/shell_open.h"

#include "platform/runtime/unicode.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <mutex>
#include <thread>

extern char** environ;

namespace gw {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool HasControlOrBlank(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return c <= 0x20 || c == 0x7F; });
}

// "scheme:" at the start, as URLs spell it (letter, then letters, digits, "+", "-", ".").
std::string SchemeOf(const std::string& text)
{
    size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(text[0]))) return {};
    for (size_t i = 1; i < colon; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
    }
    return Lower(text.substr(0, colon));
}

TShellTarget ClassifyUrl(const std::string& url, const std::string& scheme)
{
    if (HasControlOrBlank(url)) return TShellTarget::Refused;
    std::string rest = url.substr(scheme.size() + 1);
    if (scheme == "mailto") return rest.empty() ? TShellTarget::Refused : TShellTarget::Url;
    if (scheme == "http" || scheme == "https") {
        // A host must follow: "http:" alone or "http:/x" is not a web address.
        if (rest.size() < 3 || rest.compare(0, 2, "//") != 0 || rest[2] == '/') return TShellTarget::Refused;
        return TShellTarget::Url;
    }
    return TShellTarget::Refused;
}

// A desktop entry or anything with an execute bit would be run rather than shown.
bool IsProgram(const std::filesystem::path& path, const struct stat& info)
{
    if (S_ISDIR(info.st_mode)) return false;
    if (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) return true;
    return Lower(path.extension().string()) == ".desktop";
}

bool DefaultOpener(const std::string& argument)
{
    std::string program = "xdg-open";
    char* argv[] = {program.data(), const_cast<char*>(argument.c_str()), nullptr};
    pid_t pid = -1;
    if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    try {
        std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    } catch (...) {
    }
    return true;
}

std::mutex g_openerLock;
TShellOpener g_opener;

}  // namespace

TShellTarget ClassifyShellTarget(const String& Target, std::string& Argument)
{
    // Blanks around a link copied from a cell are not part of it.
    std::string target = StringToUtf8(Target);
    size_t first = 0, last = target.size();
    while (first < last && static_cast<unsigned char>(target[first]) <= 0x20) ++first;
    while (last > first && static_cast<unsigned char>(target[last - 1]) <= 0x20) --last;
    target = target.substr(first, last - first);
    if (target.empty()) return TShellTarget::Refused;
    std::string scheme = SchemeOf(target);
    if (!scheme.empty()) {
        TShellTarget kind = ClassifyUrl(target, scheme);
        if (kind == TShellTarget::Url) Argument = target;
        return kind;
    }
    // A local file: it must exist; whatever it is named, it is handed on by absolute path so
    // that no name is taken for an option of the opener.
    // The real path (links resolved) is what gets checked and handed on.
    std::error_code ec;
    std::filesystem::path path = std::filesystem::canonical(target, ec);
    struct stat info {};
    if (ec || ::stat(path.c_str(), &info) != 0) return TShellTarget::Refused;
    if (IsProgram(path, info)) return TShellTarget::Refused;
    Argument = path.string();
    return TShellTarget::File;
}

TShellOpener SetShellOpener(TShellOpener Opener)
{
    std::lock_guard<std::mutex> lock(g_openerLock);
    TShellOpener before = std::move(g_opener);
    g_opener = std::move(Opener);
    return before;
}

bool ShellOpen(const String& Target)
{
    std::string argument;
    if (ClassifyShellTarget(Target, argument) == TShellTarget::Refused) return false;
    TShellOpener opener;
    {
        std::lock_guard<std::mutex> lock(g_openerLock);
        opener = g_opener;
    }
    return opener ? opener(argument) : DefaultOpener(argument);
}

}  // namespace gw
