// The pure rules behind the grid's filter drop-downs and type-ahead narrowing: the values a
// column offers, what a chosen entry turns into, and how one condition matches one cell text.
//
// A value collected from the column is matched literally: picking "R&D", "<5", "x*" or "a=b"
// shows exactly the rows holding that text, and the blank value shows the blank rows. Entries a
// program adds through OnGetColumnFilter keep the "name=condition" form and stay expressions.
// Narrowing matches what was typed as a plain substring, without case.
#pragma once

#include "grid/model/filter.h"

#include <vector>

namespace gw {

// A column's drop-down values from its cell texts: each trimmed, sorted as the drop-down lists
// them (the collating order, lower case before upper), exact repeats dropped, the first kept.
// Texts differing only in case stay apart, since each is matched literally.
std::vector<String> ColumnFilterValues(std::vector<String> Texts);

// What a chosen drop-down entry stands for.
struct TFilterChoice {
    String FriendlyName;
    String Condition;
    TFilterMethod Method = fmExpression;
};

// The choice of one entry. Collected: the entry is a value from ColumnFilterValues (name and
// condition are the value, matched literally, blank included). Otherwise the entry is the
// clear entry (an empty expression: the column's condition goes) or a program's entry, split at
// its first "=" into name and condition (the whole entry for both without one).
TFilterChoice FilterChoiceOf(const String& Entry, bool Collected, const String& ClearEntry);
// The choice once OnFilterSelect or OnFilterCheck had the chance to change Condition: a changed
// condition is the handler's own expression; an unchanged one keeps its method.
TFilterChoice AfterFilterEvent(const TFilterChoice& Offered, const String& Condition);
// Whether the choice takes the column's condition away rather than setting one.
bool RemovesCondition(const TFilterChoice& Choice);

// One condition against one cell text (already trimmed and decoded by the caller): fmLiteral
// is exact equality whatever CaseSensitive says (an empty literal matches blank texts only);
// fmContains is a plain substring test, without case unless CaseSensitive; fmExpression
// matches everything when empty, else as the filter expression does, a matcher exception
// counting as no match.
bool FilterConditionMatches(StringView Condition, TFilterMethod Method, bool CaseSensitive, StringView Text);

// Type-ahead narrowing: Text contains Typed, without case, every character plain text.
bool NarrowDownMatches(StringView Typed, StringView Text);

}  // namespace gw
