// The atomic writer: a new file beside the old one, flushed, then renamed over it.
#include "platform/runtime/atomic_file.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/unicode.h"

#include <atomic>
#include <cerrno>
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

// Creates the temporary file beside the target; the umask applies as for any new file.
int CreateBeside(const std::string& target, std::string& tempName)
{
    const size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
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
    const size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void SetAtomicWriteFaultForTesting(Int64 FailAfterBytes) { g_failAfter = FailAfterBytes; }

void WriteFileAtomic(const String& FileName, std::string_view Bytes)
{
    if (FileName.empty()) throw EFCreateError(u"Cannot create file \"\". " + Reason(ENOENT));
    const std::string target = StringToUtf8(FileName);
    std::string temp;
    const int fd = CreateBeside(target, temp);
    if (fd < 0) throw EFCreateError(u"Cannot create file \"" + FileName + u"\". " + Reason(errno));

    struct stat old {};
    int error = WriteAll(fd, Bytes);
    if (error == 0 && ::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        throw EWriteError(u"Cannot write file \"" + FileName + u"\". " + Reason(error));
    }
    SyncFolder(target);
}

}  // namespace gw
