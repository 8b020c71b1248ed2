// Files and folders: existence, creation, removal, file-name parts and FindFirst/FindNext.
#include "platform/runtime/files.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

namespace {

std::string Native(const String& name) { return StringToUtf8(name); }

bool StatOf(const String& name, struct stat& st) { return !name.empty() && ::stat(Native(name).c_str(), &st) == 0; }

size_t LastDelim(StringView s) { return s.rfind(PathDelim); }

String TooLargeReason() { return u"It is larger than " + IntToStr(MaxReadFileSize >> 20) + u" MB"; }

// Whether the program, as the user it runs as, is refused writing the file: the owner's write
// bit says nothing for a file of another owner, a group's or others' bit, root or a read-only
// mount. Only a refusal counts; a link to nothing is not read-only.
bool RefusesWriting(const std::string& path)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) return false;
    return errno == EACCES || errno == EPERM || errno == EROFS || errno == ETXTBSY;
}

}  // namespace

bool FileExists(const String& FileName)
{
    struct stat st {};
    return StatOf(FileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const String& Directory)
{
    struct stat st {};
    return StatOf(Directory, st) && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const String& Dir)
{
    if (Dir.empty()) throw EInOutError(u"Unable to create directory");
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(Native(Dir)), ec);
    return DirectoryExists(Dir);
}

bool CreateDir(const String& Dir) { return !Dir.empty() && ::mkdir(Native(Dir).c_str(), 0777) == 0; }

bool RemoveDir(const String& Dir) { return !Dir.empty() && ::rmdir(Native(Dir).c_str()) == 0; }

bool DeleteFile(const String& FileName) { return FileExists(FileName) && ::unlink(Native(FileName).c_str()) == 0; }

bool RenameFile(const String& OldName, const String& NewName)
{
    struct stat st {};
    if (OldName.empty() || NewName.empty() || ::lstat(Native(NewName).c_str(), &st) == 0) return false;
    return ::rename(Native(OldName).c_str(), Native(NewName).c_str()) == 0;
}

String ExtractFilePath(StringView FileName)
{
    const size_t at = LastDelim(FileName);
    return at == StringView::npos ? String() : String(FileName.substr(0, at + 1));
}

String ExtractFileDir(StringView FileName)
{
    const size_t at = LastDelim(FileName);
    if (at == StringView::npos) return String();
    return String(FileName.substr(0, at == 0 ? 1 : at));
}

String ExtractFileName(StringView FileName)
{
    const size_t at = LastDelim(FileName);
    return String(at == StringView::npos ? FileName : FileName.substr(at + 1));
}

String ExtractFileExt(StringView FileName)
{
    const size_t at = FileName.find_last_of(u"./");
    if (at == StringView::npos || FileName[at] != u'.') return String();
    return String(FileName.substr(at));
}

String ChangeFileExt(StringView FileName, StringView Extension)
{
    const size_t at = FileName.find_last_of(u"./");
    const size_t end = (at == StringView::npos || FileName[at] != u'.') ? FileName.size() : at;
    return String(FileName.substr(0, end)) + String(Extension);
}

String IncludeTrailingPathDelimiter(StringView S)
{
    String r(S);
    if (r.empty() || r.back() != PathDelim) r += PathDelim;
    return r;
}

String ExcludeTrailingPathDelimiter(StringView S)
{
    String r(S);
    if (!r.empty() && r.back() == PathDelim) r.pop_back();
    return r;
}

String ExeDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return IncludeTrailingPathDelimiter(Utf8ToString(std::filesystem::current_path().string()));
    return IncludeTrailingPathDelimiter(Utf8ToString(exe.parent_path().string()));
}

namespace detail {

int OpenRegularFile(const String& FileName, int Flags, String& Reason)
{
    const std::string path = Native(FileName);
    auto fail = [&](const String& reason) {
        Reason = reason;
        return -1;
    };
    // Looked at before opening: opening a FIFO waits for its other end, and opening a device
    // may act on it. A name that does not exist yet is left to open (and O_CREAT).
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return fail(S_ISDIR(st.st_mode) ? Utf8ToString(std::strerror(EISDIR)) : u"It is not a regular file");
    // Non-blocking for the open alone, in case the name was swapped for a FIFO meanwhile.
    const int fd = ::open(path.c_str(), Flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd < 0) return fail(Utf8ToString(std::strerror(errno)));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(u"It is not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

void IgnoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

}  // namespace detail

std::string FileToBytes(const String& FileName)
{
    const auto fail = [&](const String& reason) -> std::string {
        throw EFOpenError(u"Cannot open file \"" + FileName + u"\". " + reason);
    };
    String reason;
    const int fd = detail::OpenRegularFile(FileName, O_RDONLY, reason);
    if (fd < 0) return fail(reason);
    const TScopeExit closeFile([fd] { ::close(fd); });
    struct stat st {};
    const bool tooLarge = ::fstat(fd, &st) == 0 && st.st_size > MaxReadFileSize;
    std::string bytes;
    int error = 0;
    // The size is checked again while reading: the file may grow, or report no size at all.
    while (!tooLarge && error == 0 && static_cast<Int64>(bytes.size()) <= MaxReadFileSize) {
        char buffer[64 * 1024];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    if (error != 0) return fail(Utf8ToString(std::strerror(error)));
    if (tooLarge || static_cast<Int64>(bytes.size()) > MaxReadFileSize) return fail(TooLargeReason());
    return bytes;
}

// ---- FindFirst / FindNext ----

namespace {

constexpr Integer kFileNotFound = 2;
constexpr Integer kPathNotFound = 3;
constexpr Integer kNoMoreFiles = 18;

bool Glob(StringView name, StringView mask)
{
    size_t n = 0, m = 0, starM = StringView::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            starM = m++;
            starN = n;
        } else if (starM != StringView::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*') ++m;
    return m == mask.size();
}

TDateTime ToDateTime(time_t t)
{
    struct tm local {};
    ::localtime_r(&t, &local);
    const double seconds = static_cast<double>(t) + static_cast<double>(local.tm_gmtoff);
    return seconds / 86400.0 + 25569.0;
}

}  // namespace

bool MatchesMask(StringView Name, StringView Mask)
{
    const String name = AnsiUpperCase(Name);
    const String mask = AnsiUpperCase(Mask);
    if (Glob(name, mask)) return true;
    // "name.*" also finds a name without extension, as the system's own search does.
    if (mask.size() >= 2 && mask.ends_with(u".*") && name.find(u'.') == String::npos)
        return Glob(name, StringView(mask).substr(0, mask.size() - 2));
    return false;
}

Integer FindFirst(const String& Path, Integer Attr, TSearchRec& F)
{
    F = TSearchRec();
    F.ExcludeAttr = ~Attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    const String folder = ExtractFilePath(Path);
    const String mask = ExtractFileName(Path);
    const std::string dirName = folder.empty() ? std::string(".") : Native(folder);
    DIR* dir = ::opendir(dirName.c_str());
    if (dir == nullptr) return kPathNotFound;
    std::vector<TSearchRec> found;
    while (const dirent* entry = ::readdir(dir)) {
        const String name = Utf8ToString(entry->d_name);
        if (name == u"." || name == u".." || mask.empty() || !MatchesMask(name, mask)) continue;
        const std::string full = dirName + "/" + entry->d_name;
        struct stat st {};
        struct stat lst {};
        if (::lstat(full.c_str(), &lst) != 0) continue;
        const bool link = S_ISLNK(lst.st_mode);
        if (::stat(full.c_str(), &st) != 0) st = lst;
        TSearchRec rec;
        rec.Name = name;
        rec.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<Int64>(st.st_size);
        rec.TimeStamp = ToDateTime(st.st_mtime);
        rec.Attr = (S_ISDIR(st.st_mode) ? faDirectory : 0) | (name[0] == u'.' ? faHidden : 0) |
            (RefusesWriting(full) ? faReadOnly : 0) | (link ? faSymLink : 0);
        if ((rec.Attr & F.ExcludeAttr) == 0) found.push_back(std::move(rec));
    }
    ::closedir(dir);
    if (found.empty()) return kFileNotFound;
    // Name order, last first, so that FindNext takes from the back.
    std::sort(found.begin(), found.end(), [](const TSearchRec& a, const TSearchRec& b) {
        const Integer c = AnsiCompareText(a.Name, b.Name);
        return c != 0 ? c > 0 : a.Name > b.Name;
    });
    F.Pending = std::move(found);
    return FindNext(F);
}

Integer FindNext(TSearchRec& F)
{
    if (F.Pending.empty()) return kNoMoreFiles;
    TSearchRec next = std::move(F.Pending.back());
    F.Pending.pop_back();
    next.Pending = std::move(F.Pending);
    next.ExcludeAttr = F.ExcludeAttr;
    F = std::move(next);
    return 0;
}

void FindClose(TSearchRec& F)
{
    F.Pending.clear();
    F.Pending.shrink_to_fit();
}

}  // namespace gw
