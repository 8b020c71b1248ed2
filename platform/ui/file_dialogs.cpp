// The open and save dialogs: modes cancelled, the display asked, the default extension added.
#include "platform/ui/file_dialogs.h"

#include "platform/runtime/files.h"
#include "platform/ui/backend.h"
#include "platform/ui/window_system.h"

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
}  // namespace

String FilterPatterns(const String& Filter, Integer Index)
{
    Integer field = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = Filter.find(u'|', start);
        String part = Filter.substr(start, bar == String::npos ? String::npos : bar - start);
        if (field % 2 == 1 && field / 2 + 1 == Index) return part;
        if (bar == String::npos) return {};
        start = bar + 1;
        ++field;
    }
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
