// A hidden row of the string grid (`TGridItem`): its real index, how it was hidden, its height
// and its cells, held outside the cell store while the row is hidden.
//
// Ownership follows the cell store's one rule: a cell's `TCellProperties` belongs to the one slot
// that holds it. While the row is hidden that slot is the item's: the grid moves each cell's text
// and properties out of the store into the item when it hides the row and back when it shows it,
// never copying, and an item dropped with the grid frees the properties it still holds (and with
// them their cell graphics). `CellObject` and `Control` inside stay references, as in the store.
#pragma once

#include "grid/foundation/cell_properties.h"
#include "grid/model/grid_indexes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gw {

// The cells of one hidden row by real column (hidden columns included), in the shape of the
// row's `Items` list: a text and an object per cell. Reads outside the row answer an empty text
// and no object; writes past the end lengthen the row with empty cells.
class TGridItemCells {
public:
    Integer Count() const { return static_cast<Integer>(m_cells.size()); }
    // Shortening frees the properties of the cells cut off.
    void SetCount(Integer Value);

    const String& Strings(Integer Col) const;
    void SetStrings(Integer Col, String Value);
    // Moves the text out, leaving the cell empty.
    String ExtractString(Integer Col);

    TCellProperties* Objects(Integer Col) const;
    // Takes Value over, freeing the properties the cell held before.
    void SetObjects(Integer Col, std::unique_ptr<TCellProperties> Value);
    // Hands the cell's properties over, leaving the cell without.
    std::unique_ptr<TCellProperties> ExtractObject(Integer Col);

private:
    struct TCell {
        String Text;
        std::unique_ptr<TCellProperties> Object;
    };
    // The cell Col, the row lengthened to it; a negative Col raises EListError.
    TCell& Cell(Integer Col);

    std::vector<TCell> m_cells;
};

// By index (`HideRow`, `HideRows`, `HideRowsEx`: outline nodes and code) or as a filter level
// (`HideRowList`). The two are kept apart so that taking back a filter never shows, or drops, a
// row that a collapsed node or `HideRows` hid.
enum class THiddenRowKind : uint8_t { ByIndex, ByFilter };

class TGridItem {
public:
    TGridItem(RealRow Idx, THiddenRowKind Kind, Integer Level) : m_idx(Idx), m_kind(Kind), m_level(Level) {}

    // The row's real index. The hidden-row collection keeps it (and its own order) in step when
    // rows are inserted or removed, so it is read-only here.
    RealRow Idx() const { return m_idx; }
    THiddenRowKind Kind() const { return m_kind; }
    // The filter level the row was hidden at (0 for the first); 0 for a row hidden by index.
    Integer Level() const { return m_level; }

    // The row's height when it was hidden.
    Integer Height = 0;
    TGridItemCells Items;

private:
    friend class THiddenRows;
    RealRow m_idx;
    THiddenRowKind m_kind;
    Integer m_level;
};

}  // namespace gw
