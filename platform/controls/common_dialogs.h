// TOpenDialog and TSaveDialog: choosing a file through the display's file chooser.
//
// The display answers through a handler (the GTK back end shows its file chooser, tests
// script the answer); the dialog itself applies what is the same everywhere: the default
// extension, the file-must-exist and overwrite checks, and the results.
#pragma once

#include "platform/runtime/component.h"
#include "platform/runtime/string_list.h"

#include <functional>
#include <memory>
#include <vector>

namespace gw {

enum TOpenOption : Cardinal {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofEnableSizing = 1u << 14,
    ofDontAddToRecent = 1u << 15,
    ofForceShowHidden = 1u << 16,
};
using TOpenOptions = Cardinal;

// One entry of a filter: what the chooser lists, and its masks ("*.csv", "*.*").
struct TFileFilter {
    String Description;
    std::vector<String> Masks;
    friend bool operator==(const TFileFilter&, const TFileFilter&) = default;
};

// Reads "Text (*.a)|*.a|All files|*.*": description and masks alternate, masks split at ';'.
// A description without masks is dropped.
std::vector<TFileFilter> ParseFileFilter(StringView Filter);

// The name as the dialog returns it: with no extension typed and a default extension set,
// the extension of the chosen filter when it names one ("*.mib"), else the default extension
// (a leading "*." or "." in it is not doubled). Otherwise the name is unchanged.
String ApplyDefaultExt(const String& FileName, const std::vector<TFileFilter>& Filters, Integer FilterIndex,
                       StringView DefaultExt);

enum class TFileDialogKind { Open, Save };

struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    String Title;
    String InitialDir;
    String FileName;
    std::vector<TFileFilter> Filters;
    Integer FilterIndex = 1;  // 1-based, as the dialog's property
    String DefaultExt;
    TOpenOptions Options = 0;
    // 0 on the first asking; counts the times the choice was refused (missing file, no to
    // overwriting) and the user is asked again.
    Integer Attempt = 0;
};

struct TFileDialogAnswer {
    String FileName;               // as chosen, before the default extension
    std::vector<String> Files;     // several with ofAllowMultiSelect (FileName is the first)
    Integer FilterIndex = 0;       // the filter in force at the end, 0 = unchanged
};

// Answers true with the choice, false when the user cancelled.
using TFileDialogHandler = std::function<bool(const TFileDialogRequest& Request, TFileDialogAnswer& Answer)>;

// Installs the display's handler and returns the one before; without one, Execute raises
// EInvalidOperation, since nothing could answer.
TFileDialogHandler SetFileDialogHandler(TFileDialogHandler Handler);
bool HasFileDialogHandler();

using TCloseQueryHandler = std::function<void(TObject* Sender, bool& CanClose)>;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;
    String ClassName() const override { return u"TOpenDialog"; }

    String DefaultExt;
    String FileName;
    String Filter;
    Integer FilterIndex = 1;
    String InitialDir;
    String Title;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    // The names chosen (one unless ofAllowMultiSelect).
    TStrings* Files() const { return m_files.get(); }

    // Shows the chooser; true with FileName, Files and FilterIndex set, false when cancelled
    // (the properties then stay as they were).
    virtual bool Execute();

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;
    // Asked once a name is chosen; CanClose false sends the user back to the chooser.
    TCloseQueryHandler OnCanClose;

protected:
    virtual TFileDialogKind Kind() const { return TFileDialogKind::Open; }
    // The checks of the options; false sends the user back (after telling why).
    virtual bool Accept(const String& Name);

private:
    std::unique_ptr<TStringList> m_files;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    String ClassName() const override { return u"TSaveDialog"; }

protected:
    TFileDialogKind Kind() const override { return TFileDialogKind::Save; }
};

}  // namespace gw
