// Tests of shell open: what is handed to the opener and what is refused.
#include "platform/net/shell_open.h"

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace gw::test {
namespace {

namespace fs = std::filesystem;

// Records what would have been opened, and restores the default opener afterwards.
class RecordingOpener {
public:
    RecordingOpener()
    {
        SetShellOpener([this](const std::string& argument) {
            opened.push_back(argument);
            return answer;
        });
    }
    ~RecordingOpener() { SetShellOpener(nullptr); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    std::vector<std::string> opened;
    bool answer = true;
};

TEST(ShellOpen, WebAndMailLinksAreOpenedAsTheyStand)
{
    RecordingOpener opener;
    const char* links[] = {
        "http://www.example.com/HOME/default.asp?frompg=CF52818",
        "https://www.example.com/Home/download/download.asp#GW52818",
        "HTTP://EXAMPLE.COM",
        "mailto:support@example.com",
    };
    for (const char* link : links) EXPECT_TRUE(ShellOpen(S(link))) << link;
    EXPECT_TRUE(ShellOpen(u" \thttps://example.com/x \r\n"));  // blanks around a link from a cell
    std::vector<std::string> expected(std::begin(links), std::end(links));
    expected.push_back("https://example.com/x");
    EXPECT_EQ(opener.opened, expected);
}

TEST(ShellOpen, AnythingThatCouldRunAProgramIsRefused)
{
    ScratchDir dir("shell-refused");
    writeBytes(dir / "tool.sh", "#!/bin/sh\n");
    fs::permissions(dir / "tool.sh", fs::perms::owner_all);
    writeBytes(dir / "launcher.desktop", "[Desktop Entry]\nExec=sh\n");
    RecordingOpener opener;
    const std::string refused[] = {
        "",
        "  ",
        "rm -rf ~",
        "sh -c 'touch x'",
        "calc.exe",
        "xterm",
        "/bin/sh",
        (dir / "tool.sh").string(),
        (dir / "launcher.desktop").string(),
        (dir / "missing.pdf").string(),
        "javascript:alert(1)",
        "JavaScript:alert(1)",
        "ftp://example.com/file",
        "file:///etc/passwd",
        "smb://server/share",
        "vbscript:x",
        "data:text/html,<script>x</script>",
        "unknown-scheme:thing",
        "C:\\Windows\\system32\\cmd.exe",
        "http:",
        "http:/x",
        "http:///x",
        "http://host/a b",
        "http://host/\nrm -rf ~",
        "mailto:",
        "-h",
        "--help",
    };
    for (const auto& target : refused) {
        EXPECT_FALSE(ShellOpen(S(target))) << target;
        std::string argument;
        EXPECT_EQ(ClassifyShellTarget(S(target), argument), TShellTarget::Refused) << target;
    }
    EXPECT_TRUE(opener.opened.empty()) << opener.opened.front();
}

TEST(ShellOpen, ExistingDocumentsAreOpenedByAbsolutePath)
{
    ScratchDir dir("shell-files");
    writeBytes(dir / "Manual UM52818.pdf", "%PDF");
    writeBytes(dir / "-startswithdash.txt", "x");
    fs::create_directories(dir / "sub");
    fs::create_symlink(dir / "Manual UM52818.pdf", dir / "link.pdf");
    fs::create_symlink("/bin/sh", dir / "link-to-shell.pdf");
    RecordingOpener opener;
    EXPECT_FALSE(ShellOpen(S((dir / "link-to-shell.pdf").string())));  // the link's target counts
    EXPECT_TRUE(ShellOpen(S((dir / "Manual UM52818.pdf").string())));
    EXPECT_TRUE(ShellOpen(S((dir / "sub" / ".." / "-startswithdash.txt").string())));
    EXPECT_TRUE(ShellOpen(S(dir.path().string())));  // a folder opens in the file manager
    EXPECT_TRUE(ShellOpen(S((dir / "link.pdf").string())));
    fs::path real = fs::canonical(dir.path());
    std::vector<std::string> expected = {
        (real / "Manual UM52818.pdf").string(),
        (real / "-startswithdash.txt").string(),
        real.string(),
        (real / "Manual UM52818.pdf").string(),
    };
    EXPECT_EQ(opener.opened, expected);
}

TEST(ShellOpen, FailingOpenerIsReported)
{
    RecordingOpener opener;
    opener.answer = false;
    EXPECT_FALSE(ShellOpen(u"https://example.com"));
    EXPECT_EQ(opener.opened.size(), 1u);
}

}  // namespace
}  // namespace gw::test
