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
    if (!r.DefaultExt.empty() && ExtractFileExt(ExtractFileName(r.FileName)).empty())
        r.FileName += u"." + r.DefaultExt;
    FileName = r.FileName;
    FilterIndex = r.FilterIndex;
    Files = r.Files.empty() ? std::vector<String>{FileName} : r.Files;
    return true;
}

}  // namespace gw
