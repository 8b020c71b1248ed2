// Character tests and the cleaning, classifying and converting of number text in cells.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/types.h"

namespace gw {

// What ClassifyNumberText found. 3 and 4 are never produced; 5 is scientific notation in the
// grid's classifier and hexadecimal in the drop-down controls' one.
enum TNumberTextClass : Integer {
    ntInteger = 0,
    ntDecimal = 1,
    ntNotANumber = 2,
    ntScientific = 5,
    ntHexadecimal = 5,
};

// A UTF-16 unit of the Unicode number categories (decimal digits, letter numbers, other numbers);
// among ASCII only '0'..'9'.
bool IsNumberChar(Char C);
bool IsNumberOrMinusChar(Char C);
// Number characters plus the locale's separators and the exponent letters.
bool IsNumberPartChar(Char C);
bool IsSignedNumberPartChar(Char C);
// Number characters plus the fixed characters of an invariant number ("-", ".", "e", "E", "+").
bool IsPlainNumberChar(Char C);
// Space, apostrophe, comma, hyphen-minus and full stop: where ProperCaseText starts a word.
bool IsWordBreakChar(Char C);
// ",", "-" and ";": the separators of a range edit.
bool IsRangeSeparator(Char C);
// 0..15 for a hexadecimal digit of either case, 0 for anything else.
Integer HexDigitValue(Char C);

// A displayed number reduced to plain form: currency signs and blanks dropped, parentheses as a
// minus, thousand separators removed, "." as decimal point; the scan stops at the first other
// character ("$ 1,234.50" -> "1234.50", "(12)" -> "-12", "-7 kg" -> "-7").
String CleanNumberText(StringView Text);
// Decimal separators become ".", thousand separators are dropped, the rest stays.
String NumberTextToInvariant(StringView Text);
String RemoveThousandSeparators(StringView Text);
// The grid's classifier: integer, decimal number, scientific notation or not a number.
TNumberTextClass ClassifyNumberText(StringView Text);

namespace ExtDropDown {
// The drop-down controls' classifier: integer, decimal (fixed "," and "."), hexadecimal, or not
// a number.
TNumberTextClass ClassifyNumberText(StringView Text);
}  // namespace ExtDropDown

// Hexadecimal digits without sign or prefix; a non-digit counts as 0 and overflow wraps.
Integer HexTextToInt(StringView Text);
// Six upper-case digits, red first; the top byte is ignored, system colours are not resolved.
String ColorToHex(TColor Color);

}  // namespace gw
