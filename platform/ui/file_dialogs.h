// The common open and save dialogs: what to ask, and the file name chosen (the display shows them).
#pragma once

#include "platform/runtime/component.h"
#include "platform/ui/messages.h"

#include <vector>

namespace gw {

// TOpenDialog::Options bits.
enum TOpenOption : uint32_t {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofAllowMultiSelect = 1u << 4,
    ofExtensionDifferent = 1u << 5,
    ofPathMustExist = 1u << 6,
    ofFileMustExist = 1u << 7,
    ofCreatePrompt = 1u << 8,
    ofNoReadOnlyReturn = 1u << 9,
    ofEnableSizing = 1u << 10,
};
using TOpenOptions = uint32_t;

// What the display is asked, and (on success) what it answers.
struct TFileDialogRequest {
    bool Save = false;
    HWND Owner = 0;
    String Title;
    String InitialDir;
    // "Description|pattern;pattern|Description|pattern"
    String Filter;
    Integer FilterIndex = 1;  // 1-based
    String DefaultExt;
    TOpenOptions Options = 0;
    // In: the name proposed; out: the full name chosen.
    String FileName;
    // Out, with ofAllowMultiSelect: every name chosen.
    std::vector<String> Files;
};

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return u"TOpenDialog"; }

    // Shows the dialog modally; true with FileName set when the user chose a file.
    virtual bool Execute();

    String FileName;
    String Filter;
    Integer FilterIndex = 1;
    String InitialDir;
    // Added (with a dot) to a chosen name that has no extension; "*.ext", ".ext" and "ext"
    // all mean the same. While it is set, a chosen filter naming one extension ("*.csv") gives
    // that extension instead.
    String DefaultExt;
    String Title;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    std::vector<String> Files;

protected:
    bool Run(bool Save);
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    String ClassName() const override { return u"TSaveDialog"; }
    bool Execute() override;
};

// The patterns of the filter's Index-th entry (1-based), "" when there is none.
String FilterPatterns(const String& Filter, Integer Index);

// One entry of a filter: what the dialog calls it and its patterns.
struct TFileFilterEntry {
    String Description;
    std::vector<String> Patterns;
};
// The entries of "Description|pattern;pattern|Description|pattern", one per pair in order (so
// that FilterIndex counts them), an entry without patterns included.
std::vector<TFileFilterEntry> ParseFileFilter(const String& Filter);
// Whether an entry shows a file name: one of its patterns matches it without case, as the
// system's dialogs match ("*.eds" shows "DEVICE.EDS"; "*.*" shows every file).
bool FilterEntryShows(const TFileFilterEntry& Entry, StringView FileName);
// The ordinary files of Folder that the filter's Index-th entry shows (all of them when the
// filter has no such entry), in name order: what a dialog opened there lists.
std::vector<String> FilesShownByFilter(const String& Folder, const String& Filter, Integer Index);

}  // namespace gw
