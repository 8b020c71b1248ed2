// The drop-down values, the chosen entry and the matching of one condition.
#include "grid/model/column_filter_values.h"

#include "grid/foundation/filter_match.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <exception>

namespace gw {

namespace {

Char AsciiLower(Char C) { return C >= u'A' && C <= u'Z' ? static_cast<Char>(C + 32) : C; }

// The collating order the drop-down shows; texts it calls equal fall back to code units, so
// only identical texts compare equal. Collation looks at base letters first, so where the first
// differing units are ASCII of different letters, or one text is a prefix of the other, that
// place decides at once; only the rest needs the full comparison.
bool ListsBefore(const String& A, const String& B)
{
    const auto [a, b] = std::mismatch(A.begin(), A.end(), B.begin(), B.end());
    if (a == A.end() || b == B.end()) return A.size() < B.size();
    if (*a < 0x80 && *b < 0x80 && AsciiLower(*a) != AsciiLower(*b)) return AsciiLower(*a) < AsciiLower(*b);
    if (const Integer c = AnsiCompareStr(A, B)) return c < 0;
    return A < B;
}

// Trims in place, copying only a text that has blanks to lose.
void TrimInPlace(String& Text)
{
    if (!Text.empty() && Text.front() > u' ' && Text.back() > u' ') return;
    Text = Trim(Text);
}

bool Contains(StringView Text, StringView Part, bool CaseSensitive)
{
    if (CaseSensitive) return Text.find(Part) != StringView::npos;
    return AnsiUpperCase(Text).find(AnsiUpperCase(Part)) != String::npos;
}

}  // namespace

std::vector<String> ColumnFilterValues(std::vector<String> Texts)
{
    for (auto& text : Texts) TrimInPlace(text);
    std::stable_sort(Texts.begin(), Texts.end(), ListsBefore);
    Texts.erase(std::unique(Texts.begin(), Texts.end()), Texts.end());
    return Texts;
}

TFilterChoice FilterChoiceOf(const String& Entry, bool Collected, const String& ClearEntry)
{
    if (Collected) return {Entry, Entry, fmLiteral};
    if (!ClearEntry.empty() && Entry == ClearEntry) return {Entry, String(), fmExpression};
    const size_t eq = Entry.find(u'=');
    if (eq == String::npos) return {Entry, Entry, fmExpression};
    return {Entry.substr(0, eq), Entry.substr(eq + 1), fmExpression};
}

TFilterChoice AfterFilterEvent(const TFilterChoice& Offered, const String& Condition)
{
    if (Condition == Offered.Condition) return Offered;
    return {Offered.FriendlyName, Condition, fmExpression};
}

bool RemovesCondition(const TFilterChoice& Choice) { return Choice.Method == fmExpression && Choice.Condition.empty(); }

bool FilterConditionMatches(StringView Condition, TFilterMethod Method, bool CaseSensitive, StringView Text)
{
    switch (Method) {
    case fmLiteral: return Condition == Text;
    case fmContains: return Contains(Text, Condition, CaseSensitive);
    case fmExpression: break;
    }
    if (Condition.empty()) return true;
    try {
        return MatchFilterExpression(Condition, Text, CaseSensitive);
    } catch (const std::exception&) {
        return false;
    }
}

bool NarrowDownMatches(StringView Typed, StringView Text) { return Contains(Text, Typed, false); }

}  // namespace gw
