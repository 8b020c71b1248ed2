// The atomic writer: a file is replaced whole or not at all.
#include "platform/runtime/atomic_file.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

}  // namespace
}  // namespace gw
