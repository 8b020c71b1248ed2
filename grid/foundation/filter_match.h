// The matcher of the grid's filter conditions and wildcard searches.
//
// An expression is terms joined by "&" (and), "|", ";" and "^" (or), grouped by parentheses and
// evaluated left to right; a term is a comparison (">", ">=", "<", "<=") of numbers, dates or
// texts, or a pattern with "*", "?" and the negation "!". Double quotes make operators and
// blanks text.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// A "(" that is never closed opens a group that runs to the end of the expression.
bool MatchFilterExpression(StringView Expression, StringView CellText, bool CaseSensitive);
// MatchFilterTerm on both texts as given, or on both upper-cased when not CaseSensitive.
bool MatchFilterTermCased(StringView Term, StringView CellText, bool CaseSensitive);
// One term. "*" is matched in time proportional to pattern length times text length.
bool MatchFilterTerm(StringView Pattern, StringView CellText);

// Inner steps, public for their callers' tests.
// A blank stays only where an odd number of double quotes precedes it.
String RemoveSpacesOutsideQuotes(StringView Text);
// The first unit of Set preceded by an even number of double quotes; 0 and Position -1 (0-based
// -1, i.e. none) when there is none. Position is 1-based when found.
Char FindFirstDelimiter(StringView Set, StringView Text, Integer& Position);
// 1-based position of the ")" that closes the parentheses opened so far; 0 when none does.
Integer FindClosingParenthesis(StringView Text);

}  // namespace gw
