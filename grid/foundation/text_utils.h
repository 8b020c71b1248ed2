// Free text routines of the grid library: separators, integers, searching, case, OEM, links.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TStrings;

// The program-wide format settings, read at every call so that a change applies at once.
Char GetDateSeparatorChar();
Char GetTimeSeparatorChar();
Char GetThousandSeparatorChar();
Char GetDecimalSeparatorChar();
String GetShortDateFormat();

Integer IntMax(Integer A, Integer B);
Integer IntMin(Integer A, Integer B);
// Equal limits mean no limits; otherwise a limit of 0 or below is no limit. Both tests look at
// the value passed in.
Integer ClampToLimits(Integer Value, Integer Lower, Integer Upper);

// Inclusive test against any rectangle with Left, Top, Right and Bottom (the grid rectangle).
template <class TRect>
bool CellInGridRect(const TRect& Rect, Integer ACol, Integer ARow)
{
    return Rect.Left <= ACol && ACol <= Rect.Right && Rect.Top <= ARow && ARow <= Rect.Bottom;
}

// Positions are 1-based, 0 = not found.
Integer FirstCharPos(Char C, StringView Text);
// As FirstCharPos; Position is written only when found.
Integer FindCharPos(Char C, StringView Text, Integer& Position);
// As Pos; Position is always written.
Integer FindTextPos(StringView SubText, StringView Text, Integer& Position);
// Searches the upper-cased Text for SubText as given (callers pass it upper-cased).
Integer PosInUpperCase(StringView SubText, StringView Text);
Integer WideTextPos(StringView SubText, StringView Text);
// Upper case with the locale's rules, one unit for one unit, so that positions stay valid.
String UpperCaseKeepLength(StringView Text);

// The text before the first Delimiter; it and the delimiter leave Source. Without a delimiter
// the result is empty and Source stays.
String TakeDelimitedField(String& Source, Char Delimiter);
// All lines joined with no separator.
String ConcatLines(const TStrings& Lines);
// Every unit replaced by C, length kept (password cells).
void FillWithChar(String& Text, Char C);
// Words capitalised; "Mc" names and the roman numerals II and III at the end are kept upper.
String ProperCaseText(StringView Text);
// Text unchanged when CaseSensitive, else upper-cased with the locale's rules.
String MatchCaseText(StringView Text, bool CaseSensitive);

// The system's OEM code page (850) and 8-bit code page (Windows-1252). TextToOEM leaves units
// whose 8-bit form is the OEM bytes; OEMToText reverses it.
constexpr int OemCodePage = 850;
void TextToOEM(String& Text);
void OEMToText(String& Text);

// "://" or "mailto:" in the text, case as written.
bool IsURL(StringView Text);
// Drops everything up to and including the first "://", or else the first "mailto:".
void StripURLProtocol(String& Text);
// When the upper-cased Text holds Prefix (upper case), OutText receives Text with "<" and ">"
// escaped and the first address wrapped in an anchor, and the result is 1; otherwise 0 and
// OutText is untouched.
Integer AutoLinkURL(StringView Text, StringView Prefix, String& OutText);

// "R<row>C<col>" in any case; at least 4 units. Writes ACol and ARow only on success.
bool ParseRowColReference(StringView Text, Integer& ACol, Integer& ARow);

}  // namespace gw
