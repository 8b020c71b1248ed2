// The atomic writer: a new file beside the old one, flushed, then renamed over it.
#include "platform/runtime/atomic_file.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/unicode.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

namespace {

std::atomic<Int64> g_failAfter{-1};
std::atomic<unsigned> g_counter{0};

String Reason(int error) { return Utf8ToString(std::strerror(error)); }

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a name stands for, following symbolic links (a link is saved through, not replaced
// by a plain file). A dangling link gives the name the file will be created under. 0 or errno.
int FollowLinks(std::string& path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
        if (n < 0) return errno;
        if (static_cast<size_t>(n) == sizeof buffer) return ENAMETOOLONG;
        const std::string link(buffer, static_cast<size_t>(n));
        path = link.front() == '/' ? link : FolderOf(path) + link;
    }
    return ELOOP;
}

// Creates the temporary file beside the target; the umask applies as for any new file.
int CreateBeside(const std::string& target, std::string& tempName)
{
    const std::string dir = FolderOf(target);
    const std::string base = target.substr(dir.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = dir + "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(g_counter++);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes everything or returns the error number.
int WriteAll(int fd, std::string_view bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        size_t want = bytes.size() - done;
        const Int64 limit = g_failAfter.load();
        if (limit >= 0) {
            if (static_cast<Int64>(done) >= limit) return ENOSPC;
            want = std::min<size_t>(want, static_cast<size_t>(limit) - done);
        }
        const ssize_t n = ::write(fd, bytes.data() + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<size_t>(n);
    }
    return 0;
}

void SyncFolder(const std::string& target)
{
    const std::string dir = FolderOf(target);
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

[[noreturn]] void CannotWrite(const String& FileName, const String& reason)
{
    throw EWriteError(u"Cannot write file \"" + FileName + u"\". " + reason);
}

// What a write to the existing file would answer: a file that is not regular, or that the user
// may not write, is refused here, before the replacement could sidestep its permissions.
void CheckExistingTarget(const String& FileName, const std::string& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) CannotWrite(FileName, Reason(EISDIR));
    if (!S_ISREG(st.st_mode)) CannotWrite(FileName, u"It is not a regular file");
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) CannotWrite(FileName, Reason(errno));
}

[[noreturn]] void CannotCreateBeside(const String& FileName, const std::string& target, int error)
{
    if (::access(target.c_str(), F_OK) != 0)
        throw EFCreateError(u"Cannot create file \"" + FileName + u"\". " + Reason(error));
    // The file itself may be written, but saving makes a new file beside it first.
    const std::string dir = FolderOf(target);
    CannotWrite(FileName,
                u"Its folder \"" + Utf8ToString(dir.empty() ? "." : dir) +
                    u"\" does not allow new files, which saving needs (" + Reason(error) + u")");
}

}  // namespace

void SetAtomicWriteFaultForTesting(Int64 FailAfterBytes) { g_failAfter = FailAfterBytes; }

void WriteFileAtomic(const String& FileName, std::string_view Bytes)
{
    if (FileName.empty()) throw EFCreateError(u"Cannot create file \"\". " + Reason(ENOENT));
    detail::IgnoreFileSizeSignal();
    std::string target = StringToUtf8(FileName);
    if (const int error = FollowLinks(target))
        throw EFCreateError(u"Cannot create file \"" + FileName + u"\". " + Reason(error));
    CheckExistingTarget(FileName, target);

    std::string temp;
    const int fd = CreateBeside(target, temp);
    if (fd < 0) CannotCreateBeside(FileName, target, errno);
    TScopeExit removeTemp([&] { ::unlink(temp.c_str()); });

    struct stat old {};
    int error = WriteAll(fd, Bytes);
    if (error == 0 && ::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) CannotWrite(FileName, Reason(error));
    removeTemp.Release();
    SyncFolder(target);
}

}  // namespace gw
