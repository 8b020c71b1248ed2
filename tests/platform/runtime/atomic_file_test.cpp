// The atomic writer: a file is replaced whole or not at all.
#include "platform/runtime/atomic_file.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

size_t EntriesIn(const std::filesystem::path& dir)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

struct FaultOff {
    ~FaultOff() { SetAtomicWriteFaultForTesting(-1); }
};

TEST(AtomicFile, WritesNewAndReplacesExistingFilesKeepingTheirPermissions)
{
    test::ScratchDir dir("atomic_replace");
    const auto file = dir / "Settings.ini";
    WriteFileAtomic(Path(file), "first");
    EXPECT_EQ(test::readBytes(file), "first");
    ::chmod(file.c_str(), 0640);
    WriteFileAtomic(Path(file), "second, longer");
    EXPECT_EQ(test::readBytes(file), "second, longer");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    WriteFileAtomic(Path(file), "");
    EXPECT_EQ(test::readBytes(file), "");
    EXPECT_EQ(EntriesIn(dir.path()), 1u) << "no temporary file left behind";
}

TEST(AtomicFile, AWriteInterruptedHalfWayLeavesTheOldFile)
{
    test::ScratchDir dir("atomic_interrupted");
    const auto file = dir / "table.xml";
    test::writeBytes(file, "old contents");
    FaultOff off;
    SetAtomicWriteFaultForTesting(3);
    try {
        WriteFileAtomic(Path(file), std::string(100000, 'n'));
        FAIL();
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), u"Cannot write file \"" + Path(file) + u"\". No space left on device");
    }
    EXPECT_EQ(test::readBytes(file), "old contents");
    EXPECT_EQ(EntriesIn(dir.path()), 1u) << "the half-written file is removed";

    SetAtomicWriteFaultForTesting(-1);
    WriteFileAtomic(Path(file), "new");
    EXPECT_EQ(test::readBytes(file), "new");
}

TEST(AtomicFile, FailuresToCreateOrReplaceAreReported)
{
    test::ScratchDir dir("atomic_fail");
    const String inMissingFolder = Path(dir / "missing" / "a.txt");
    try {
        WriteFileAtomic(inMissingFolder, "x");
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), u"Cannot create file \"" + inMissingFolder + u"\". No such file or directory");
    }
    // A folder in the way cannot be replaced by a file; the folder stays.
    std::filesystem::create_directory(dir / "taken");
    EXPECT_THROW(WriteFileAtomic(Path(dir / "taken"), "x"), EWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFile, ExceedingTheFileSizeLimitIsAWriteErrorNotTheProgramsEnd)
{
    test::ScratchDir dir("atomic_fsize");
    const auto file = dir / "big.xml";
    test::writeBytes(file, "old contents");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    TScopeExit restore([&] { ::setrlimit(RLIMIT_FSIZE, &saved); });
    try {
        WriteFileAtomic(Path(file), std::string(100000, 'n'));
        ADD_FAILURE();
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), u"Cannot write file \"" + Path(file) + u"\". File too large");
    }
    EXPECT_EQ(test::readBytes(file), "old contents");
    EXPECT_EQ(EntriesIn(dir.path()), 1u) << "the temporary file is removed";
}

TEST(AtomicFile, SavesThroughSymbolicLinks)
{
    test::ScratchDir dir("atomic_links");
    namespace fs = std::filesystem;
    fs::create_directory(dir / "real");
    test::writeBytes(dir / "real" / "Settings.xml", "old");
    fs::create_symlink("real/Settings.xml", dir / "relative.xml");
    fs::create_symlink(dir / "relative.xml", dir / "chain.xml");
    fs::create_symlink("real/Later.xml", dir / "dangling.xml");
    const std::pair<const char*, const char*> cases[] = {
        {"relative.xml", "real/Settings.xml"},
        {"chain.xml", "real/Settings.xml"},
        {"dangling.xml", "real/Later.xml"},
    };
    for (const auto& [link, target] : cases) {
        SCOPED_TRACE(link);
        WriteFileAtomic(Path(dir / link), std::string("through ") + link);
        EXPECT_TRUE(fs::is_symlink(dir / link)) << "the link stays a link";
        EXPECT_EQ(test::readBytes(dir / target), std::string("through ") + link);
    }
    EXPECT_EQ(EntriesIn(dir / "real"), 2u);
    fs::create_symlink("loop.xml", dir / "loop.xml");
    EXPECT_THROW(WriteFileAtomic(Path(dir / "loop.xml"), "x"), EFCreateError);
}

TEST(AtomicFile, RefusesWhatAWriteToTheFileWouldRefuse)
{
    test::ScratchDir dir("atomic_permissions");
    namespace fs = std::filesystem;
    fs::permissions(dir.path(), fs::perms::all);
    const auto readOnly = dir / "ReadOnly.xml";
    test::writeBytes(readOnly, "kept");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ::mkfifo((dir / "fifo.xml").c_str(), 0666);
    test::AsUnprivileged([&] {
        try {
            WriteFileAtomic(Path(readOnly), "replaced");
            ADD_FAILURE();
        } catch (const EWriteError& e) {
            EXPECT_EQ(e.Message(), u"Cannot write file \"" + Path(readOnly) + u"\". Permission denied");
        }
        try {
            WriteFileAtomic(Path(dir / "fifo.xml"), "x");
            ADD_FAILURE();
        } catch (const EWriteError& e) {
            EXPECT_EQ(e.Message(), u"Cannot write file \"" + Path(dir / "fifo.xml") + u"\". It is not a regular file");
        }
    });
    EXPECT_EQ(test::readBytes(readOnly), "kept");
    EXPECT_EQ(EntriesIn(dir.path()), 2u);
}

TEST(AtomicFile, AWritableFileInAFolderWithoutRoomForNewFilesSaysWhy)
{
    test::ScratchDir dir("atomic_closed_folder");
    namespace fs = std::filesystem;
    const auto folder = dir / "closed";
    fs::create_directory(folder);
    const auto file = folder / "Settings.xml";
    test::writeBytes(file, "kept");
    fs::permissions(file, fs::perms::all);
    fs::permissions(folder,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec);
    test::AsUnprivileged([&] {
        try {
            WriteFileAtomic(Path(file), "new");
            ADD_FAILURE();
        } catch (const EWriteError& e) {
            EXPECT_EQ(e.Message(),
                      u"Cannot write file \"" + Path(file) + u"\". Its folder \"" + Path(folder) +
                          u"/\" does not allow new files, which saving needs (Permission denied)");
        }
        // A new file there cannot be created, and is reported so.
        EXPECT_THROW(WriteFileAtomic(Path(folder / "New.xml"), "x"), EFCreateError);
    });
    EXPECT_EQ(test::readBytes(file), "kept");
    fs::permissions(folder, fs::perms::owner_all);
}

}  // namespace
}  // namespace gw
