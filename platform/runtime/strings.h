// Text routines of the runtime: positions, pieces, case, trimming, replacing, comparing, quoting.
// Pos/Copy/Delete/Insert/PosEx take the runtime's 1-based positions (0 = not found) so that
// algorithms written that way transcribe without off-by-one slips.
#pragma once

#include "platform/runtime/types.h"

#include <cstdint>

namespace gw {

// 1-based position of Sub in S, 0 when absent (an empty Sub is absent).
Integer Pos(StringView Sub, StringView S);
// As Pos, starting the search at Offset (1-based); 0 when Offset is out of range.
Integer PosEx(StringView Sub, StringView S, Integer Offset = 1);
// Count units from 1-based Index; out-of-range parts are clipped, never an error.
String Copy(StringView S, Integer Index, Integer Count);
// Removes Count units from 1-based Index; nothing when Index is out of range.
void Delete(String& S, Integer Index, Integer Count);
// Inserts Source so that it starts at 1-based Index (clipped to 1..Length+1).
void Insert(StringView Source, String& S, Integer Index);

// Plain case mapping covers ASCII only; the Ansi forms map every Unicode letter (one-to-one, so the
// length never changes).
String UpperCase(StringView S);
String LowerCase(StringView S);
String AnsiUpperCase(StringView S);
String AnsiLowerCase(StringView S);
Char UpCase(Char C);

// Trim removes every unit <= ' ' (blanks and control characters) from the ends.
String Trim(StringView S);
String TrimLeft(StringView S);
String TrimRight(StringView S);

enum class TReplaceFlag : uint8_t { rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = uint8_t;
constexpr TReplaceFlags rfReplaceAll = 1;
constexpr TReplaceFlags rfIgnoreCase = 2;
// rfIgnoreCase matches without case for every Unicode letter; an empty OldPattern changes nothing.
String StringReplace(StringView S, StringView OldPattern, StringView NewPattern, TReplaceFlags Flags);

// Ordinal comparisons: < 0, 0, > 0. CompareText folds ASCII case only.
Integer CompareStr(StringView S1, StringView S2);
Integer CompareText(StringView S1, StringView S2);
bool SameText(StringView S1, StringView S2);
// Collating comparisons as a user expects them in lists: letters compare first without case and
// without the accents of Western European letters ("e" < "é" < "f"), then by accent, then (Str
// form only) lower case before upper case ("a" < "A" < "b"). The Text form ignores case.
Integer AnsiCompareStr(StringView S1, StringView S2);
Integer AnsiCompareText(StringView S1, StringView S2);
bool AnsiSameText(StringView S1, StringView S2);
bool AnsiSameStr(StringView S1, StringView S2);
// Case-insensitive (every Unicode letter) prefix and suffix tests.
bool StartsText(StringView SubText, StringView Text);
bool EndsText(StringView SubText, StringView Text);

String QuotedStr(StringView S);
String AnsiQuotedStr(StringView S, Char Quote);
// Removes the quotes and undoubles inner quotes; text after the closing quote is dropped. S comes
// back unchanged when it does not start with Quote or has no closing quote.
String AnsiDequotedStr(StringView S, Char Quote);

String StringOfChar(Char C, Integer Count);
// 1-based Index; true when S[Index] is one of Delimiters.
bool IsDelimiter(StringView Delimiters, StringView S, Integer Index);
// 1-based position of the last unit of S that is one of Delimiters, 0 when none.
Integer LastDelimiter(StringView Delimiters, StringView S);

}  // namespace gw
