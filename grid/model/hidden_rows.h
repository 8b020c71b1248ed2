// The string grid's hidden rows: one `TGridItem` per hidden row, kept in the order of their real
// indexes, with the filter levels and the mapping between real and displayed row indexes.
//
// Every item holds its row's real index, whichever way the row was hidden (a filter's displayed
// rows are converted when they are hidden), so rows hidden by index, by filter and by several
// stacked filter levels share one exact mapping: `RealRowIndex`, `DisplRowIndex` and
// `IsHiddenRow` are binary searches over the sorted indexes.
//
// This class keeps the items and their indexes; the grid moves the cells. Hiding answers, for
// each new item, the displayed row it stood at, so that the grid can move that row's cells and
// height into the item and close the display rows once; showing hands the items back with the
// displayed row each returns to, so that the grid can open the display rows once and move the
// cells back.
#pragma once

#include "grid/model/grid_indexes.h"
#include "grid/model/grid_item.h"

#include <memory>
#include <span>
#include <vector>

namespace gw {

// A row just hidden: the item to fill and the displayed row whose cells and height it takes.
struct THiddenRow {
    DispRow Shown;
    TGridItem* Item = nullptr;
};

// A row to show again: its item, and the displayed row it stands at once every row of the same
// call is shown.
struct TShownRow {
    DispRow Shown;
    std::unique_ptr<TGridItem> Item;
};

class THiddenRows {
public:
    THiddenRows() = default;
    THiddenRows(const THiddenRows&) = delete;
    THiddenRows& operator=(const THiddenRows&) = delete;

    // `NumHiddenRows`.
    Integer Count() const { return static_cast<Integer>(m_idx.size()); }
    // The items in the order of their real indexes.
    TGridItem& Items(Integer Index) const;
    // The item of a hidden row, nullptr when the row is shown.
    TGridItem* Find(RealRow Row) const;

    bool IsHiddenRow(RealRow Row) const;
    // Displayed to real (`MapDisplToRealRow`): the real index of the (d + 1)-th shown row, so
    // `RealRowIndex(RowCount)` is `TotalRowCount`. A negative index maps to itself.
    RealRow RealRowIndex(DispRow Row) const;
    // Real to displayed (`MapRealToDisplRow`): the index less the hidden rows before it; for a
    // hidden row, the displayed index of the next shown one. A negative index maps to itself.
    DispRow DisplRowIndex(RealRow Row) const;

    // The number of filter levels opened by `HideRowList` and not yet taken back.
    Integer FilterLevel() const { return m_filterLevel; }

    // Hides, by index, every row of From..To that is not hidden yet (`HideRows`, `HideRowsEx`);
    // the new items in ascending order, each with the displayed row it stood at. The range is
    // the caller's to keep within the grid's rows (negative rows are left out here).
    std::vector<THiddenRow> HideRows(RealRow From, RealRow To);
    // Hides the listed displayed rows (ascending, no repeats) as a new filter level, opened even
    // when the list is empty (`HideRowList`). A list out of order or with a negative row raises
    // EListError before anything changes.
    std::vector<THiddenRow> HideRowList(std::span<const DispRow> Rows);

    // Takes one row's item out (`UnHideRow`); no item when the row is not hidden.
    TShownRow UnHideRow(RealRow Row);
    // Takes out the items of every hidden row of From..To, of either kind, but only when From
    // itself is hidden (`UnHideRows`).
    std::vector<TShownRow> UnHideRows(RealRow From, RealRow To);
    // Takes out the items of the last filter level (`UnHideRowList`); the level stays open.
    std::vector<TShownRow> UnHideRowList();
    // Takes out every item hidden by index (`UnHideRowsAll`); filtered rows stay hidden.
    std::vector<TShownRow> UnHideRowsAll();
    // Closes the last filter level (`RemoveLastFilter`, after its rows were taken out).
    void LowerFilterLevel();

    // Keep the real indexes in step with the rows around them. Count rows inserted at real
    // index At: the hidden rows at or after it move down. Count shown rows removed from
    // displayed row From on: each hidden row moves up by the removed rows that stood before it.
    void ShiftForInsertedRows(RealRow At, Integer Count);
    void ShiftForRemovedRows(DispRow From, Integer Count);

private:
    // Merges new items (ascending, none hidden yet) into the collection.
    void Merge(std::vector<std::unique_ptr<TGridItem>> Items);
    // Takes out the items that Take accepts, with the displayed row each returns to.
    template <class Predicate>
    std::vector<TShownRow> Extract(Predicate Take);

    // Ascending real indexes of the hidden rows, and their items in the same order.
    std::vector<Integer> m_idx;
    std::vector<std::unique_ptr<TGridItem>> m_items;
    Integer m_filterLevel = 0;
};

}  // namespace gw
