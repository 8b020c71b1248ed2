// File-dialog filters: their entries, which names an entry shows (without case, as the system's
// dialogs match), and what a dialog lists in a folder.
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/file_dialogs.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace gw::test {
namespace {

TEST(FileDialogFilter, EntriesComeInPairsCountedAsFilterIndexCountsThem)
{
    const std::vector<TFileFilterEntry> e =
        ParseFileFilter(u"EDS files (*.eds)|*.eds;*.EDS|Nothing||All files (*.*)|*.*|Dangling");
    ASSERT_EQ(e.size(), 3u) << "a description without its patterns is no entry";
    EXPECT_EQ(e[0].Description, u"EDS files (*.eds)");
    EXPECT_EQ(e[0].Patterns, (std::vector<String>{u"*.eds", u"*.EDS"}));
    EXPECT_TRUE(e[1].Patterns.empty()) << "an entry without patterns keeps its place";
    EXPECT_EQ(e[2].Patterns, (std::vector<String>{u"*.*"}));
    EXPECT_TRUE(ParseFileFilter(u"").empty());
}

TEST(FileDialogFilter, AnEntryShowsNamesWithoutCase)
{
    const struct {
        const char16_t* Patterns;
        const char16_t* Name;
        bool Shown;
    } cases[] = {
        {u"*.eds", u"DEVICE.EDS", true},  // the toolkit's own pattern would hide it
        {u"*.eds", u"device.eds", true}, {u"*.EDS", u"Device.Eds", true},         {u"*.eds", u"device.eds.bak", false},
        {u"*.eds", u"deviceeds", false}, {u"*.eds;*.xml", u"PLENATOR.XML", true}, {u"*.eds;*.xml", u"notes.txt", false},
        {u"*.*", u"README", true},  // every file, with or without an extension
        {u"*.*", u"a.b.c", true},        {u"bank.bi?", u"BANK.BIN", true},        {u"bank.bi?", u"bank.bi", false},
        {u"", u"anything", false},
    };
    for (const auto& c : cases) {
        const std::vector<TFileFilterEntry> e = ParseFileFilter(String(u"x|") + c.Patterns);
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(FilterEntryShows(e[0], c.Name), c.Shown) << StringToUtf8(c.Patterns) << " " << StringToUtf8(c.Name);
    }
}

TEST(FileDialogFilter, ADialogListsTheFilesItsChosenEntryShowsInNameOrder)
{
    ScratchDir dir("file_dialog_filter");
    for (const char* name : {"DEVICE.EDS", "other.eds", "notes.txt", "Zeta.Eds", ".hidden.eds"})
        std::ofstream(dir / name) << "x";
    std::filesystem::create_directory(dir / "folder.eds");
    const String folder = Utf8ToString(dir.path().string());
    const String filter = u"EDS files|*.eds|Text|*.TXT|All files|*.*";
    EXPECT_EQ(FilesShownByFilter(folder, filter, 1), (std::vector<String>{u"DEVICE.EDS", u"other.eds", u"Zeta.Eds"}))
        << "folders and hidden files are not listed";
    EXPECT_EQ(FilesShownByFilter(folder + u"/", filter, 2), (std::vector<String>{u"notes.txt"}));
    EXPECT_EQ(FilesShownByFilter(folder, filter, 3).size(), 4u);
    EXPECT_EQ(FilesShownByFilter(folder, filter, 9).size(), 4u) << "no such entry: no filtering";

    // The headless display lists what the open dialog's request names.
    THarness h;
    TOpenDialog open(nullptr);
    open.Filter = filter;
    open.InitialDir = folder;
    h.AnswerFileDialog(folder + u"/DEVICE.EDS");
    ASSERT_TRUE(open.Execute());
    const TFileDialogRequest& r = h.FileDialogsShown().back();
    const std::vector<String> listed = FilesShownByFilter(r.InitialDir, r.Filter, r.FilterIndex);
    EXPECT_NE(std::find(listed.begin(), listed.end(), u"DEVICE.EDS"), listed.end());
}

}  // namespace
}  // namespace gw::test
