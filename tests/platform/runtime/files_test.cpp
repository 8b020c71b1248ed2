// File and folder helpers: name parts, creation and removal, and FindFirst/FindNext with masks.
#include "platform/runtime/files.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace gw {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

TEST(Files, NameParts)
{
    struct Case {
        String name, path, dir, file, ext, changed;
    };
    const Case cases[] = {
        {u"/etc/gw/Slaves.CSV", u"/etc/gw/", u"/etc/gw", u"Slaves.CSV", u".CSV", u"/etc/gw/Slaves.xml"},
        {u"table", u"", u"", u"table", u"", u"table.xml"},
        {u"a.b/c", u"a.b/", u"a.b", u"c", u"", u"a.b/c.xml"},
        {u"dir/", u"dir/", u"dir", u"", u"", u"dir/.xml"},
        {u"/x.tar.gz", u"/", u"/", u"x.tar.gz", u".gz", u"/x.tar.xml"},
    };
    for (const auto& c : cases) {
        const std::string n = StringToUtf8(c.name);
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << n;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << n;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << n;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << n;
        EXPECT_EQ(ChangeFileExt(c.name, u".xml"), c.changed) << n;
    }
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a"), u"/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a/"), u"/a/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/a/"), u"/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/a"), u"/a");
}

TEST(Files, CreateRenameAndDelete)
{
    test::ScratchDir dir("files_ops");
    const String deep = Path(dir / "a" / "b" / "c");
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_FALSE(FileExists(deep)) << "a folder is not a file";
    EXPECT_THROW(ForceDirectories(u""), EInOutError);
    EXPECT_FALSE(CreateDir(deep)) << "already there";

    const String one = Path(dir / "one.txt");
    const String two = Path(dir / "two.txt");
    test::writeBytes(dir / "one.txt", "1");
    test::writeBytes(dir / "two.txt", "2");
    EXPECT_FALSE(RenameFile(one, two)) << "never replaces an existing file";
    EXPECT_EQ(test::readBytes(dir / "two.txt"), "2");
    EXPECT_TRUE(DeleteFile(two));
    EXPECT_TRUE(RenameFile(one, two));
    EXPECT_FALSE(FileExists(one));
    EXPECT_EQ(FileToBytes(two), "1");
    EXPECT_FALSE(DeleteFile(deep)) << "DeleteFile does not remove folders";
    EXPECT_FALSE(RemoveDir(Path(dir / "a"))) << "not empty";
    EXPECT_TRUE(RemoveDir(deep));
    try {
        FileToBytes(one);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), u"Cannot open file \"" + one + u"\". No such file or directory");
    }
}

TEST(Files, ReadersTakeOnlyRegularFilesOfBoundedSize)
{
    test::ScratchDir dir("files_bad_inputs");
    std::vector<std::filesystem::path> bad = test::makeBadInputFiles(dir.path());
    const std::vector<String> reasons{u"It is not a regular file", u"It is not a regular file", u"Is a directory",
                                      u"It is larger than 1024 MB"};
    // Sparse: as large as the bound allows plus one byte, without taking the room.
    const auto large = dir / "large.txt";
    test::writeBytes(large, "x");
    std::filesystem::resize_file(large, static_cast<std::uintmax_t>(MaxReadFileSize) + 1);
    bad.push_back(large);

    const std::pair<const char*, std::function<void(const String&)>> readers[] = {
        {"FileToBytes", [](const String& n) { FileToBytes(n); }},
        {"TStringList", [](const String& n) { TStringList().LoadFromFile(n); }},
        {"TMemoryStream", [](const String& n) { TMemoryStream().LoadFromFile(n); }},
        {"TMemIniFile", [](const String& n) { TMemIniFile ini(n); }},
        {"TFileStream", [](const String& n) { TFileStream(n, fmOpenRead); }},
    };
    for (const auto& [reader, read] : readers) {
        for (size_t i = 0; i < bad.size(); ++i) {
            const String name = Path(bad[i]);
            SCOPED_TRACE(std::string(reader) + " " + bad[i].filename().string());
            // A stream reads in parts, so any size is fine; an INI file that is no file is empty.
            if ((std::string(reader) == "TFileStream" && i == 3) || (std::string(reader) == "TMemIniFile" && i == 2))
                continue;
            test::WithinSeconds(10, [&] {
                try {
                    read(name);
                    ADD_FAILURE() << "read without an error";
                } catch (const EFOpenError& e) {
                    EXPECT_EQ(e.Message(), u"Cannot open file \"" + name + u"\". " + reasons[i]);
                }
            });
        }
    }
}

TEST(Files, ReadersFollowLinksToRegularFiles)
{
    test::ScratchDir dir("files_link");
    test::writeBytes(dir / "real.txt", "content");
    std::filesystem::create_symlink(dir / "real.txt", dir / "link.txt");
    EXPECT_EQ(FileToBytes(Path(dir / "link.txt")), "content");
}

TEST(Files, ExeDirIsTheFolderOfTheRunningProgram)
{
    const String dir = ExeDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), PathDelim);
    EXPECT_TRUE(FileExists(dir + u"test_platform_runtime"));
}

std::vector<String> Find(const String& path, Integer attr)
{
    std::vector<String> names;
    TSearchRec rec;
    for (Integer rc = FindFirst(path, attr, rec); rc == 0; rc = FindNext(rec))
        names.push_back(rec.Name + ((rec.Attr & faDirectory) ? u"/" : u""));
    FindClose(rec);
    return names;
}

TEST(Files, FindFirstMatchesMasksWithoutCaseAndFiltersByAttribute)
{
    test::ScratchDir dir("files_find");
    for (const char* f : {"Table1.XML", "table2.xml", "notes.txt", "README", ".hidden.xml"})
        test::writeBytes(dir / f, "12345");
    std::filesystem::create_directory(dir / "Sub.xml");
    const String base = IncludeTrailingPathDelimiter(Path(dir.path()));

    using Names = std::vector<String>;
    struct Case {
        String mask;
        Integer attr;
        Names names;
    };
    const Case cases[] = {
        {u"*.xml", faArchive, {u"Table1.XML", u"table2.xml"}},
        {u"*.XML", faDirectory, {u"Sub.xml/", u"Table1.XML", u"table2.xml"}},
        {u"*.xml", faAnyFile, {u".hidden.xml", u"Sub.xml/", u"Table1.XML", u"table2.xml"}},
        {u"TABLE?.*", 0, {u"Table1.XML", u"table2.xml"}},
        {u"*.*", 0, {u"notes.txt", u"README", u"Table1.XML", u"table2.xml"}},
        {u"readme.*", 0, {u"README"}},
        {u"*.csv", faAnyFile, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Find(base + c.mask, c.attr), c.names) << StringToUtf8(c.mask);

    TSearchRec rec;
    ASSERT_EQ(FindFirst(base + u"notes.TXT", 0, rec), 0);
    EXPECT_EQ(rec.Size, 5);
    EXPECT_GT(rec.TimeStamp, 40000.0);
    EXPECT_EQ(FindNext(rec), 18);
    EXPECT_EQ(FindFirst(base + u"*.csv", 0, rec), 2);
    EXPECT_EQ(FindFirst(base + u"nowhere/*", 0, rec), 3);
}

// Whether FindFirst calls a file read-only, as the user the program runs as.
bool ReadOnlyFound(const std::filesystem::path& File)
{
    TSearchRec rec;
    const Integer rc = FindFirst(Utf8ToString(File.string()), 0, rec);
    FindClose(rec);
    EXPECT_EQ(rc, 0) << File;
    return (rec.Attr & faReadOnly) != 0;
}

// Read-only means the program's user may not write the file, not that its owner's write bit is
// clear: the options window offers only the language files it can write.
TEST(Files, FindFirstCallsReadOnlyWhatTheUserMayNotWrite)
{
    test::ScratchDir dir("files_read_only");
    namespace fs = std::filesystem;
    using enum fs::perms;
    fs::permissions(dir.path(), all);
    struct Case {
        const char* name;
        fs::perms mode;
        bool foreign;  // owned by user 65534, "nobody" (only when the tests run as root)
        bool readOnlyForMe, readOnlyForNobody;
    };
    const bool root = ::geteuid() == 0;
    const Case cases[] = {
        {"Locked.lng", owner_read | group_read | others_read, false, !root, true},
        {"Mine.lng", owner_read | owner_write | group_read | others_read, false, false, true},
        {"WriteOnly.lng", owner_write, false, false, true},
        {"OthersWrite.lng", owner_read | group_read | group_write | others_read | others_write, false, !root, false},
        {"Theirs.lng", owner_read | owner_write | others_read, true, false, false},
    };
    for (const Case& c : cases) {
        if (c.foreign && !root) continue;
        test::writeBytes(dir / c.name, "x");
        fs::permissions(dir / c.name, c.mode);
        if (c.foreign) {
            ASSERT_EQ(::chown((dir / c.name).c_str(), 65534, 65534), 0);
        }
        EXPECT_EQ(ReadOnlyFound(dir / c.name), c.readOnlyForMe) << c.name;
    }
    if (!root) return;
    test::AsUnprivileged([&] {
        for (const Case& c : cases) {
            EXPECT_EQ(ReadOnlyFound(dir / c.name), c.readOnlyForNobody) << c.name << " as nobody";
        }
    });
}

}  // namespace
}  // namespace gw
