// The comparison of two rows over several columns, on top of the one-column comparison: the plain
// sort's ties broken by the following columns (`Full`), and the indexed sort along its list of
// columns, each with its own direction.
//
// The grid binds the two rows: Compare(ACol) (plain) or Compare(ACol, Direction) (indexed) is its
// CompareRowCells on them, Ignored(ACol) tells a column of IgnoreColumns, which compares equal.
#pragma once

#include "grid/foundation/int_list.h"
#include "grid/model/sort_style.h"

namespace gw {

// Column ACol; on a tie with Full, the result of the next column, and so on up to LastCol (the
// grid's last column, hidden columns included while a sort runs).
template <class IsIgnored, class CompareColumn>
Integer CompareRowsFrom(Integer ACol, Integer LastCol, bool Full, IsIgnored Ignored, CompareColumn Compare)
{
    for (Integer col = ACol;; ++col) {
        const Integer result = Ignored(col) ? 0 : Compare(col);
        if (result != 0 || !Full || col >= LastCol) return result;
    }
}

// Entry Index of the list: its column compared in its direction, the result negated for a
// descending entry; on a tie with Full, the result of the next entry, 0 past the last one. Without
// Full the entry alone decides.
template <class IsIgnored, class CompareColumn>
Integer CompareRowsIndexed(const TSortIndexList& Indexes, Integer Index, bool Full, IsIgnored Ignored,
                           CompareColumn Compare)
{
    for (Integer entry = Index; entry < Indexes.Count(); ++entry) {
        const Integer col = Indexes.GetSortColumns(entry);
        const TSortDirection direction = Indexes.GetSortDirections(entry) ? sdAscending : sdDescending;
        const Integer result = Ignored(col) ? 0 : Compare(col, direction);
        if (result != 0 || !Full) return direction == sdDescending ? -result : result;
    }
    return 0;
}

}  // namespace gw
