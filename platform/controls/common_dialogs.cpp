// File dialogs: filter parsing, the default extension, the option checks and the handler hook.
#include "platform/controls/common_dialogs.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"
#include "platform/ui/dialogs.h"

namespace gw {

namespace {
TFileDialogHandler& Handler()
{
    static TFileDialogHandler handler;
    return handler;
}

String Trimmed(StringView S)
{
    std::size_t b = 0, e = S.size();
    while (b < e && S[b] == u' ') ++b;
    while (e > b && S[e - 1] == u' ') --e;
    return String(S.substr(b, e - b));
}

// "*.mib" -> "mib", ".mib" -> "mib"; empty when it holds a wildcard.
String PlainExtension(StringView Ext)
{
    std::size_t i = 0;
    while (i < Ext.size() && (Ext[i] == u'*' || Ext[i] == u'.')) ++i;
    String e = Trimmed(Ext.substr(i));
    if (e.find_first_of(u"*?") != String::npos) return String();
    return e;
}

bool HasExtension(const String& FileName)
{
    String ext = ExtractFileExt(FileName);
    return ext.size() > 1;
}
}  // namespace

std::vector<TFileFilter> ParseFileFilter(StringView Filter)
{
    std::vector<String> parts;
    std::size_t start = 0;
    while (start <= Filter.size()) {
        std::size_t bar = Filter.find(u'|', start);
        if (bar == StringView::npos) bar = Filter.size();
        parts.emplace_back(Filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<TFileFilter> out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        TFileFilter f;
        f.Description = parts[i];
        StringView masks = parts[i + 1];
        std::size_t s = 0;
        while (s <= masks.size()) {
            std::size_t semi = masks.find(u';', s);
            if (semi == StringView::npos) semi = masks.size();
            String m = Trimmed(masks.substr(s, semi - s));
            if (!m.empty()) f.Masks.push_back(m);
            s = semi + 1;
        }
        if (!f.Masks.empty()) out.push_back(f);
    }
    return out;
}

String ApplyDefaultExt(const String& FileName, const std::vector<TFileFilter>& Filters, Integer FilterIndex,
                       StringView DefaultExt)
{
    if (FileName.empty() || DefaultExt.empty() || HasExtension(FileName)) return FileName;
    String ext;
    if (FilterIndex >= 1 && FilterIndex <= Integer(Filters.size())) {
        const TFileFilter& f = Filters[std::size_t(FilterIndex - 1)];
        if (!f.Masks.empty()) ext = PlainExtension(f.Masks.front());
    }
    if (ext.empty()) ext = PlainExtension(DefaultExt);
    if (ext.empty()) return FileName;
    String base = FileName;
    if (!base.empty() && base.back() == u'.') base.pop_back();
    return base + u"." + ext;
}

TFileDialogHandler SetFileDialogHandler(TFileDialogHandler Handler_)
{
    TFileDialogHandler previous = std::move(Handler());
    Handler() = std::move(Handler_);
    return previous;
}

bool HasFileDialogHandler() { return static_cast<bool>(Handler()); }

// --- TOpenDialog -------------------------------------------------------------------------------------

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), m_files(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Accept(const String& Name)
{
    if ((Options & ofPathMustExist) || (Options & ofFileMustExist)) {
        String dir = ExtractFileDir(Name);
        if (!dir.empty() && !DirectoryExists(dir)) {
            MessageDlg(Name + u"\nPath does not exist.\nCheck the path and try again.", mtWarning, mbOK);
            return false;
        }
    }
    bool exists = FileExists(Name);
    if (Kind() == TFileDialogKind::Open && (Options & ofFileMustExist) && !exists) {
        MessageDlg(Name + u"\nFile not found.\nCheck the file name and try again.", mtWarning, mbOK);
        return false;
    }
    if (Kind() == TFileDialogKind::Open && (Options & ofCreatePrompt) && !exists &&
        MessageDlg(Name + u"\nThis file does not exist.\nDo you want to create it?", mtConfirmation, mbYesNo) != mrYes)
        return false;
    if (Kind() == TFileDialogKind::Save && (Options & ofOverwritePrompt) && exists &&
        MessageDlg(Name + u" already exists.\nDo you want to replace it?", mtWarning, mbYesNo) != mrYes)
        return false;
    if (OnCanClose) {
        bool can = true;
        OnCanClose(this, can);
        if (!can) return false;
    }
    return true;
}

bool TOpenDialog::Execute()
{
    if (!HasFileDialogHandler())
        throw EInvalidOperation(u"No file chooser is available to answer the file dialog");
    TFileDialogRequest request;
    request.Kind = Kind();
    request.Title = Title;
    request.InitialDir = InitialDir;
    request.FileName = FileName;
    request.Filters = ParseFileFilter(Filter);
    request.FilterIndex = FilterIndex;
    request.DefaultExt = DefaultExt;
    request.Options = Options;
    if (OnShow) OnShow(this);
    // The handler may be replaced while it runs; a copy keeps this call's alive.
    TFileDialogHandler handler = Handler();
    bool chosen = false;
    TFileDialogAnswer answer;
    for (;; ++request.Attempt) {
        answer = TFileDialogAnswer();
        if (!handler(request, answer) || answer.FileName.empty()) break;
        Integer index = answer.FilterIndex > 0 ? answer.FilterIndex : request.FilterIndex;
        auto complete = [&](const String& Name) {
            String full = Name;
            if (ExtractFilePath(full).empty() && !InitialDir.empty())
                full = IncludeTrailingPathDelimiter(InitialDir) + full;
            return ApplyDefaultExt(full, request.Filters, index, DefaultExt);
        };
        std::vector<String> names;
        if ((Options & ofAllowMultiSelect) && !answer.Files.empty()) {
            for (const String& f : answer.Files) names.push_back(complete(f));
        } else {
            names.push_back(complete(answer.FileName));
        }
        bool ok = true;
        for (const String& n : names)
            if (!(ok = Accept(n))) break;
        if (!ok) {
            request.FileName = answer.FileName;
            request.FilterIndex = index;
            continue;
        }
        FileName = names.front();
        FilterIndex = index;
        m_files->Clear();
        for (const String& n : names) m_files->Add(n);
        chosen = true;
        break;
    }
    if (OnClose) OnClose(this);
    return chosen;
}

}  // namespace gw
