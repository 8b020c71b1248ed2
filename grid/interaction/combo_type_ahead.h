// The combo editor's pure rules: type-ahead completion of the text before the caret, and the
// width its drop-down list needs for its items.
#pragma once

#include "platform/runtime/types.h"

#include <vector>

namespace gw {

class TStrings;

struct TTypeAheadResult {
    bool Found = false;
    // The matching item of the combo's own items; -1 when the match came from the lookup list.
    Integer ItemIndex = -1;
    // The typed prefix as typed, followed by the rest of the matching entry as stored.
    String Text;
    // The completed part, selected so that further typing replaces it.
    Integer SelStart = 0;
    Integer SelLength = 0;
};

// Completes the first Caret characters of Text to the first entry of Items, else of Lookup
// (may be null), that begins with them; an empty prefix matches nothing.
TTypeAheadResult CompleteTypeAhead(const String& Text, Integer Caret, const TStrings& Items, const TStrings* Lookup,
                                   bool CaseSensitive);

// The drop-down width for the items' text widths: at least Width, wider where a text needs it
// (room for a scroll bar when there are more items than DropDownCount).
Integer DropDownWidthFor(Integer Width, Integer DropDownCount, const std::vector<Integer>& TextWidths);

}  // namespace gw
