// The string grid's hidden columns and the mapping between real and displayed column indexes.
//
// A hidden column keeps its cells in the store at its real index; only the display loses it.
// The map keeps the hidden columns by real index with the width each had when it was hidden, and
// two tables rebuilt on every change (displayed to real, real to displayed) that cover every
// column up to the last hidden one; beyond it every column is shown and the conversion is the
// index shifted by the hidden count. So a conversion costs one table read and is exact for
// every index: none sends a cell access to another column.
#pragma once

#include "grid/model/grid_indexes.h"

#include <vector>

namespace gw {

class TColumnVisibility {
public:
    // Only the columns below this real index can be hidden.
    static constexpr Integer HideableColumns = 512;

    // False for a column that is shown or does not exist.
    bool IsHiddenColumn(RealCol Col) const;
    Integer NumHiddenColumns() const { return static_cast<Integer>(m_hidden.size()); }

    // Displayed to real (`MapDisplToRealCol`): the real index of the (d + 1)-th shown column.
    // A negative index maps to itself.
    RealCol RealColIndex(DispCol Col) const;
    // Real to displayed (`MapRealToDisplCol`): the index less the hidden columns before it; for a
    // hidden column, the displayed index of the next shown one. A negative index maps to itself.
    DispCol DisplColIndex(RealCol Col) const;

    // Marks a shown column below HideableColumns hidden and keeps Width for it; false, changing
    // nothing, for any other column.
    bool Hide(RealCol Col, Integer Width);
    // Marks a hidden column shown and gives back the width kept for it; false, changing nothing,
    // for a column that is not hidden.
    bool Show(RealCol Col, Integer& Width);
    // The width kept for a hidden column; 0 for any other.
    Integer StoredWidth(RealCol Col) const;

    // Keep the map in step when the store opens or closes columns: hidden columns after the
    // place move with their cells. Removing answers how many of the removed columns were hidden
    // (they are gone, and so is their place in the count).
    void InsertColumns(RealCol At, Integer Count);
    Integer RemoveColumns(RealCol At, Integer Count);

private:
    void Rebuild();

    // Real indexes of the hidden columns, ascending, and the width each had when hidden.
    std::vector<Integer> m_hidden;
    std::vector<Integer> m_widths;
    // For the columns up to the last hidden one: the real index of each shown one in display
    // order, and the displayed index of each.
    std::vector<Integer> m_displToReal;
    std::vector<Integer> m_realToDispl;
};

}  // namespace gw
