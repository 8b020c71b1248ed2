// The open and save dialogs: modes cancelled, the display asked, the default extension added.
#include "platform/ui/file_dialogs.h"

#include "platform/runtime/files.h"
#include "platform/ui/backend.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {
String NormalisedExtension(String Ext)
{
    while (!Ext.empty() && (Ext.front() == u'*' || Ext.front() == u'.')) Ext.erase(0, 1);
    return Ext;
}

// The extension a chosen name without one gets: none without a default extension; otherwise
// the one the chosen filter names ("*.csv"), as the display follows the file type the user
// picked, and the default one when the filter names no single extension ("*.*").
String AddedExtension(const String& Filter, Integer FilterIndex, const String& DefaultExt)
{
    if (DefaultExt.empty()) return {};
    String first = FilterPatterns(Filter, FilterIndex);
    first = first.substr(0, first.find(u';'));
    if (first.size() > 2 && first.starts_with(u"*.") && first.find_first_of(u"*?", 2) == String::npos)
        return first.substr(2);
    return DefaultExt;
}

// The parts of S between separators (one part more than separators).
std::vector<String> SplitString(const String& S, Char Separator)
{
    std::vector<String> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = S.find(Separator, start);
        parts.push_back(S.substr(start, at == String::npos ? String::npos : at - start));
        if (at == String::npos) return parts;
        start = at + 1;
    }
}
}  // namespace

String FilterPatterns(const String& Filter, Integer Index)
{
    if (Index < 1) return {};
    const std::vector<String> fields = SplitString(Filter, u'|');
    const std::size_t at = 2 * std::size_t(Index - 1) + 1;
    return at < fields.size() ? fields[at] : String();
}

std::vector<TFileFilterEntry> ParseFileFilter(const String& Filter)
{
    std::vector<TFileFilterEntry> entries;
    std::vector<String> fields = SplitString(Filter, u'|');
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        TFileFilterEntry e{fields[i], {}};
        for (const String& one : SplitString(fields[i + 1], u';'))
            if (!one.empty()) e.Patterns.push_back(one);
        entries.push_back(std::move(e));
    }
    return entries;
}

bool FilterEntryShows(const TFileFilterEntry& Entry, StringView FileName)
{
    return std::any_of(Entry.Patterns.begin(), Entry.Patterns.end(),
                       [&](const String& p) { return MatchesMask(FileName, p); });
}

std::vector<String> FilesShownByFilter(const String& Folder, const String& Filter, Integer Index)
{
    const std::vector<TFileFilterEntry> entries = ParseFileFilter(Filter);
    const bool named = Index >= 1 && std::size_t(Index) <= entries.size();
    std::vector<String> shown;
    TSearchRec f;
    const String folder = Folder.empty() || Folder.ends_with(u'/') ? Folder : Folder + u"/";
    for (Integer r = FindFirst(folder + u"*", 0, f); r == 0; r = FindNext(f))
        if (!named || FilterEntryShows(entries[std::size_t(Index - 1)], f.Name)) shown.push_back(f.Name);
    FindClose(f);
    return shown;
}

bool TOpenDialog::Execute() { return Run(false); }

bool TSaveDialog::Execute() { return Run(true); }

bool TOpenDialog::Run(bool Save)
{
    // A dialog ends whatever mode the mouse was in, as any modal window does.
    if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    TFileDialogRequest r;
    r.Save = Save;
    r.Owner = GetActiveWindow();
    r.Title = Title;
    r.InitialDir = InitialDir;
    r.Filter = Filter;
    r.FilterIndex = FilterIndex;
    r.DefaultExt = NormalisedExtension(DefaultExt);
    r.Options = Options;
    r.FileName = FileName;
    HWND active = GetActiveWindow();
    bool chosen = Backend().RunFileDialog(r);
    if (active && IsWindow(active) && IsWindowVisible(active)) SetActiveWindow(active);
    if (!chosen) return false;
    String ext = AddedExtension(r.Filter, r.FilterIndex, r.DefaultExt);
    if (!ext.empty() && ExtractFileExt(ExtractFileName(r.FileName)).empty()) r.FileName += u"." + ext;
    FileName = r.FileName;
    FilterIndex = r.FilterIndex;
    Files = r.Files.empty() ? std::vector<String>{FileName} : r.Files;
    return true;
}

}  // namespace gw
