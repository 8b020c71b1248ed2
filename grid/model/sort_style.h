// The vocabulary of the string grid's sorts: a column's sort format, the sort direction and
// where blank cells go.
#pragma once

#include <cstdint>

namespace gw {

// How one column compares two cell texts.
enum TSortStyle : uint8_t {
    ssAutomatic,           // decided from the two texts at each comparison
    ssAlphabetic,          // UTF-16 code units in order
    ssNumeric,             // numbers, after the prefix and suffix are removed
    ssDate,                // the locale's date-and-time reading
    ssAlphaNoCase,         // a-z taken as A-Z, then code units
    ssAlphaCase,           // as ssAlphabetic
    ssShortDateEU,         // day, month, year
    ssShortDateUS,         // month, day, year
    ssCustom,              // the grid's OnCustomCompare
    ssFinancial,           // numbers without thousand separators
    ssAnsiAlphaCase,       // the locale's collation with case
    ssAnsiAlphaNoCase,     // the locale's collation without case
    ssRaw,                 // the grid's OnRawCompare on the two rows
    ssHTML,                // code units of the texts without mark-up
    ssImages,              // the cells' picture keys
    ssCheckBox,            // unchecked before checked
    ssDateTime,            // as ssDate
    ssTime,                // the locale's time reading
    ssAlphaNumeric,        // numbers when both are numbers, else ssAlphabetic
    ssAlphaNumericNoCase,  // numbers when both are numbers, else ssAlphaNoCase
};

enum TSortDirection : uint8_t { sdAscending, sdDescending };

// Where blank cells go when blanks are placed apart (`IgnoreBlanks`), in either direction.
enum TSortBlankPosition : uint8_t { blFirst, blLast };

}  // namespace gw
