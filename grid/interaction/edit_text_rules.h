// The text editor's rules by editor type, without a window: which typed characters a cell's
// editor takes, how a pasted text merges into the text, and the completion from a lookup list.
#pragma once

#include "grid/foundation/editor_types.h"
#include "platform/runtime/types.h"

#include <bitset>
#include <cstdint>
#include <vector>

namespace gw {

// What becomes of a typed character: inserted, ignored silently, or ignored with a beep.
enum class TCharVerdict : uint8_t { Pass, Drop, Refuse };

// The editor's state and the character typed. Lengths and the limit are full-width integers:
// a limit above 32,767 is a limit, not "none".
struct TCharFilterInput {
    TEditorType Type = edNormal;
    String Text;
    Integer SelStart = 0;
    Integer SelLength = 0;
    Char Ch = 0;
    bool Ctrl = false;
    Char DecimalSeparator = u'.';
    Char ThousandSeparator = u',';
    String ValidChars;
    std::bitset<256> ValidCharSet;
    Integer LengthLimit = 0;  // below 1: no limit
};

struct TCharFilterResult {
    TCharVerdict Verdict = TCharVerdict::Pass;
    Char Ch = 0;  // the character to insert (case-converted for the case types)
};

// The length limit first (a full text takes only Backspace, Escape and Enter while nothing is
// selected), then the rule of the editor type.
TCharFilterResult FilterEditChar(const TCharFilterInput& In);

// The keypad's decimal key (bit 22 of the key data) types the locale's decimal separator where
// the grid asks for it; the main keyboard's "." stays ".".
Char KeypadDecimal(Char Ch, intptr_t KeyData, bool ExcelStyle, Char DecimalSeparator);

// A paste into the editor: the text, the selection and what happened.
struct TPasteInput {
    TEditorType Type = edNormal;
    String Text;
    Integer SelStart = 0;
    Integer SelLength = 0;
    String Pasted;
    String ValidChars;
    Integer LengthLimit = 0;
};

struct TPasteResult {
    // The pasted text and the merged text both fit the limit; only then is anything written.
    bool Fits = false;
    // The editor's text afterwards (unchanged when the type refused the merged text).
    String Text;
    Integer SelStart = 0;
    Integer SelLength = 0;
};

TPasteResult MergePaste(const TPasteInput& In);

// Completion of the text before the caret from a list: the first item (in list order) that
// begins with it; false when completion does not apply. The completed part runs from SelFrom to
// the end of NewText.
bool LookupComplete(const String& Text, Integer Caret, const std::vector<String>& Items, bool CaseSensitive,
                    String& NewText, Integer& SelFrom);

}  // namespace gw
