// Numbers read from cell texts: the strict decimal reading the sorts use, and the cell value the
// column and row calculations (and the grid's GetFloats) read.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// A decimal number and nothing else: leading blanks, an optional sign, digits with an optional
// "." and fraction, an optional exponent. No "inf", "nan", hexadecimal or trailing text; a value
// beyond the double range does not convert, one too small for it is 0.
bool TryStrictTextToFloat(StringView Text, double& Value);

// The value of a displayed cell text (mark-up already removed): the text reduced to a plain
// number (CleanNumberText: currency signs and blanks dropped, parentheses or a leading minus
// negative, thousand separators dropped, the locale's decimal separator read as "."). A reduced
// text without any digit (empty, a lone "-", a word) counts as 0; one that has digits and still
// does not convert ("1.2.3") raises EExtGridError "Cell does not contain a float value".
double CellTextToFloat(StringView Text);

}  // namespace gw
