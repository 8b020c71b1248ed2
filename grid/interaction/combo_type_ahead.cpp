// The combo editor's type-ahead completion and drop-down width.
#include "grid/interaction/combo_type_ahead.h"

#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

namespace {

// The longest completion an entry adds to the typed text.
constexpr size_t MaxCompletion = 255;

Integer FirstStartingWith(const TStrings& List, const String& Prefix, bool CaseSensitive)
{
    for (Integer i = 0; i < List.Count(); ++i) {
        const String entry = CaseSensitive ? List.Get(i) : AnsiUpperCase(List.Get(i));
        if (entry.size() >= Prefix.size() && entry.compare(0, Prefix.size(), Prefix) == 0) return i;
    }
    return -1;
}

TTypeAheadResult Completed(const String& Typed, const String& Entry, Integer Index)
{
    TTypeAheadResult r;
    r.Found = true;
    r.ItemIndex = Index;
    r.Text = Typed + Entry.substr(std::min(Typed.size(), Entry.size()), MaxCompletion);
    r.SelStart = Integer(Typed.size());
    r.SelLength = Integer(r.Text.size()) - r.SelStart;
    return r;
}

}  // namespace

TTypeAheadResult CompleteTypeAhead(const String& Text, Integer Caret, const TStrings& Items, const TStrings* Lookup,
                                   bool CaseSensitive)
{
    const String typed = Text.substr(0, size_t(std::clamp<Integer>(Caret, 0, Integer(Text.size()))));
    if (typed.empty()) return {};
    const String prefix = CaseSensitive ? typed : AnsiUpperCase(typed);
    if (const Integer i = FirstStartingWith(Items, prefix, CaseSensitive); i >= 0)
        return Completed(typed, Items.Get(i), i);
    if (Lookup) {
        if (const Integer i = FirstStartingWith(*Lookup, prefix, CaseSensitive); i >= 0)
            return Completed(typed, Lookup->Get(i), -1);
    }
    return {};
}

Integer DropDownWidthFor(Integer Width, Integer DropDownCount, const std::vector<Integer>& TextWidths)
{
    const bool scrollBar = Integer(TextWidths.size()) > DropDownCount;
    for (const Integer w : TextWidths) {
        if (scrollBar && Width - 25 < w) Width = w + 25;
        if (!scrollBar && Width - 5 < w) Width = w + 8;
    }
    return Width;
}

}  // namespace gw
