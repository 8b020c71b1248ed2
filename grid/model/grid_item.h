// A hidden row of the string grid (`TGridItem`): its real index, how it was hidden, its height
// and its cells, held outside the cell store while the row is hidden.
//
// Ownership follows the cell store's one rule: a cell's `TCellProperties` belongs to the one slot
// that holds it. While the row is hidden that slot is the item's: the grid hands the store's row
// over to the item whole when it hides the row and takes it back whole when it shows it, never
// copying, and an item dropped with the grid frees the properties it still holds (and with
// them their cell graphics). `CellObject` and `Control` inside stay references, as in the store.
#pragma once

#include "grid/foundation/cell_properties.h"
#include "grid/model/grid_indexes.h"
#include "platform/grids/cell_store.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace gw {

// The cells of one hidden row by real column (hidden columns included), in the shape of the
// row's `Items` list: a text and an object per cell. Reads outside the row answer an empty text
// and no object; writes past the end lengthen the row with empty cells.
//
// The cells are the cell store's own row, handed over whole when the row is hidden (`Adopt`) and
// handed back whole when it is shown (`Release`): hiding and showing move no cell. The objects in
// it are the cells' `TCellProperties`, which the item owns while it holds the row.
class TGridItemCells {
public:
    TGridItemCells() = default;
    TGridItemCells(const TGridItemCells&) = delete;
    TGridItemCells& operator=(const TGridItemCells&) = delete;
    ~TGridItemCells() { FreeObjects(0); }

    Integer Count() const { return m_row.Size(); }
    // Shortening frees the properties of the cells cut off.
    void SetCount(Integer Value);

    String Strings(Integer Col) const;
    void SetStrings(Integer Col, StringView Value);
    // Moves the text out, leaving the cell empty.
    String ExtractString(Integer Col);

    TCellProperties* Objects(Integer Col) const;
    // Takes Value over, freeing the properties the cell held before.
    void SetObjects(Integer Col, std::unique_ptr<TCellProperties> Value);
    // Hands the cell's properties over, leaving the cell without.
    std::unique_ptr<TCellProperties> ExtractObject(Integer Col);

    // Takes a store row whole, with the ownership of the properties in it; what the item held
    // before is freed.
    void Adopt(TGridCellRow Row);
    // Hands the row back whole, with the ownership of its properties; the item is left empty.
    [[nodiscard]] TGridCellRow Release() { return std::exchange(m_row, TGridCellRow()); }

private:
    // Frees the properties of the cells from From on.
    void FreeObjects(Integer From);
    // Room for cell Col; a negative Col raises EListError.
    void Reach(Integer Col);

    TGridCellRow m_row;
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
