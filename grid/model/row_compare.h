// The comparison of two cells of one column that every sort of the string grid rests on: the
// column's sort format (detected from the texts under `AutoFormat`), prefix and suffix, and
// blank cells placed by `BlankPos` and direction.
//
// The grid's `CompareRowCells` (ACol, ARow1, ARow2, Direction) reads the two texts (displayed or
// stored, by `SortOnVirtualCells`), fills a TCellSortRule from `SortSettings` and `GetSortFormat`,
// and calls CompareCells with a TCellCompareGrid bound to the column and the two rows for what
// only the grid knows. Ties broken by the following columns (`Full`), the indexed sort's
// directions and the group sorts are the grid's, on top of this.
#pragma once

#include "grid/model/sort_style.h"
#include "platform/runtime/types.h"

#include <utility>

namespace gw {

// The rules of one comparison.
struct TCellSortRule {
    // The format after `GetSortFormat`; ssAutomatic is decided from the texts.
    TSortStyle Style = ssAutomatic;
    // Removed (first occurrence) before a numeric comparison: a currency sign, a unit.
    String Prefix{};
    String Suffix{};
    // `SortSettings.IgnoreCase`: texts that `AutoFormat` finds alphabetic compare without case.
    bool IgnoreCase = false;
    // `SortSettings.IgnoreBlanks`, `BlankPos`: an empty text against a non-empty one goes first or
    // last in either direction, whatever the format says.
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    TSortDirection Direction = sdAscending;
};

// The grid's side of one comparison (one column, rows ARow1 and ARow2): what the two texts cannot
// tell. Each answer is asked for only when the format needs it; the defaults answer as a grid
// without the feature does.
class TCellCompareGrid {
public:
    // `AutoFormat`'s first test: the cell of ARow1 holds a check box of any kind.
    virtual bool IsCheckBoxCell() const { return false; }
    // ssCheckBox: the two cells' check states (a cell without a check box is unchecked).
    virtual std::pair<bool, bool> CheckStates() const { return {false, false}; }
    // ssImages: the two cells' picture keys (image index, -1 without a picture).
    virtual std::pair<Integer, Integer> PictureKeys() const { return {-1, -1}; }
    // ssCustom: `OnCustomCompare` (Res as the handler leaves it; 0 without a handler).
    virtual Integer CustomCompare(StringView /*A*/, StringView /*B*/) const { return 0; }
    // ssRaw: `OnRawCompare` on the two rows (0 without a handler).
    virtual Integer RawCompare() const { return 0; }
    // ssHTML: the two cells' texts without mark-up (`StrippedCells`). By default the mark-up is
    // removed from the texts compared.
    virtual void StripMarkup(String& A, String& B) const;

protected:
    ~TCellCompareGrid() = default;
};

// The format a comparison starts from: ssAutomatic with `AutoFormat`, else ssAlphaNoCase with
// `IgnoreCase`, else ssAlphabetic (`GetSortFormat` may change it).
TSortStyle StartSortFormat(bool AutoFormat, bool IgnoreCase);

// The format a comparison uses, decided on the first text A (and B) where the style leaves it
// open: ssAutomatic becomes ssCheckBox for a check-box cell, ssNumeric for a number, ssDate,
// ssDateTime or ssTime for a date or time against a text that has the same separator, else
// alphabetic (without case with IgnoreCase); ssAlphaNumeric and ssAlphaNumericNoCase become
// ssNumeric when both texts are numbers. Other styles stay.
TSortStyle ResolveSortFormat(TSortStyle Style, StringView A, StringView B, bool IgnoreCase, bool CheckBoxCell);

// A against B in one column: below 0, 0 or above 0 (-1, 0 or 1 for every format but the two
// events, whose answer is passed on as it is). A number that does not convert counts as 0 against
// one that does; dates and times that do not convert count as 0.
Integer CompareCells(const TCellSortRule& Rule, StringView A, StringView B, const TCellCompareGrid& Grid);
Integer CompareCells(const TCellSortRule& Rule, StringView A, StringView B);

}  // namespace gw
