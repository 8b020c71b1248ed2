// The string grid's cells: a text and an object reference per cell, for tables of millions.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/types.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace gw {

// One cell's text in eight bytes: nothing for an empty text, up to three UTF-16 units in place
// (the "Y", "N", "0" and "12" that tables are full of), else a pointer to one block that holds
// the length and the units. So an empty cell costs no allocation and a text is stored once.
class TCellText {
public:
    TCellText() = default;
    TCellText(TCellText&& Other) noexcept : m_bits(Other.m_bits) { Other.m_bits = 0; }
    TCellText& operator=(TCellText&& Other) noexcept;
    TCellText(const TCellText&) = delete;
    TCellText& operator=(const TCellText&) = delete;
    ~TCellText() { Free(); }

    bool Empty() const { return m_bits == 0; }
    StringView View() const;
    // A text of the same length is written in place; another one takes a new block.
    void Assign(StringView Value);
    void Clear()
    {
        Free();
        m_bits = 0;
    }

private:
    static constexpr Integer MaxInline = 3;
    bool IsInline() const { return (m_bits & 1) != 0; }
    void Free();

    // Low bit set: inline, the length in bits 1-2 and the units in bytes 2-7 (read through the
    // union's other member, as GCC and Clang define it). Otherwise a heap block or nothing.
    union {
        uintptr_t m_bits = 0;
        struct {
            uint16_t Head;
            char16_t Units[MaxInline];
        } m_inline;
    };
};

static_assert(sizeof(TCellText) == 8 && sizeof(void*) == 8, "a cell's text is one 64-bit word");
static_assert(std::endian::native == std::endian::little, "the inline units follow the low 16 bits");

// One row's cells: a text and an object reference per cell, in two arrays made once for the
// row. The store keeps its rows as these, and a row leaves and re-enters the store whole
// (TGridCellStore::TakeRow, PutRow): its arrays change hands, no cell is copied or made. A row out
// of the store references its objects as the store did; whoever holds it answers for them.
class TGridCellRow {
public:
    TGridCellRow() = default;
    TGridCellRow(TGridCellRow&& Other) noexcept;
    TGridCellRow& operator=(TGridCellRow&& Other) noexcept;
    TGridCellRow(const TGridCellRow&) = delete;
    TGridCellRow& operator=(const TGridCellRow&) = delete;
    ~TGridCellRow() { Release(); }

    // The cells the row has room for; a row with none holds no storage.
    Integer Size() const { return Integer(m_size); }
    bool HasObjects() const { return m_objects != nullptr; }
    // Cells 0 .. Size() - 1 only.
    const TCellText& Text(Integer I) const { return m_texts[I]; }
    TCellText& Text(Integer I) { return m_texts[I]; }
    TObject* Object(Integer I) const { return m_objects ? m_objects[I] : nullptr; }
    void SetObject(Integer I, TObject* Value);
    // Room for at least Count cells.
    void Reserve(Integer Count);
    // Exactly Count cells: the cells cut off go with their texts (their objects are only
    // referenced: the holder deals with them first).
    void Resize(Integer Count);
    void Move(Integer From, Integer To);
    void Insert(Integer At, Integer Count);
    void Erase(Integer At, Integer Count);
    // Exchanges cell I of this row with cell I of Other, making room only where a text or an
    // object has to go.
    void ExchangeCell(TGridCellRow& Other, Integer I);

private:
    void Release();
    void Reallocate(Integer Count);
    bool Holds(Integer I) const { return I < Size() && (!m_texts[I].Empty() || Object(I)); }
    TCellText* m_texts = nullptr;
    TObject** m_objects = nullptr;  // only once the row holds an object
    uint32_t m_size = 0;
};

// The cells of a table. Rows hold their cells; the table holds its rows, so rows are inserted,
// deleted, moved, taken out and put back by moving rows, never cells. A row that holds nothing costs its place in
// the row list and no allocation; objects are referenced, never owned.
//
// The store has no bounds of its own: a cell outside what was ever written reads as empty with
// no object, and writing it makes room. The grid's counts do not cut it either: cells of columns
// and rows beyond the counts keep their contents until they are cleared (the string grid keeps
// its hidden columns there).
class TGridCellStore {
public:
    TGridCellStore() = default;
    ~TGridCellStore();
    TGridCellStore(const TGridCellStore&) = delete;
    TGridCellStore& operator=(const TGridCellStore&) = delete;

    // Valid until the cell is written or its row moves.
    StringView Text(Integer ACol, Integer ARow) const;
    void SetText(Integer ACol, Integer ARow, StringView Value);
    TObject* Object(Integer ACol, Integer ARow) const;
    void SetObject(Integer ACol, Integer ARow, TObject* Value);

    // A row being filled gets room for this many cells at once (the grid's column count).
    Integer ColumnHint = 0;
    // One past the last row that may hold something.
    Integer RowExtent() const { return Integer(m_rows.size()); }
    // One past the last cell of the row that may hold something.
    Integer ColumnExtent(Integer ARow) const;
    // Whether any cell of the row has held an object (false for a row that never did).
    bool RowHasObjects(Integer ARow) const;

    // Count empty rows appear before row At; the rows from At on move down.
    void InsertRows(Integer At, Integer Count);
    // The rows At .. At + Count - 1 go, with their texts; the rows after them move up.
    void DeleteRows(Integer At, Integer Count);
    // Row From is taken out and put back at To, the rows between closing up. With FirstCol, only
    // the cells from that column on move: the cells before it stay in their rows (a row-number
    // column stays where it is while the rows' data moves).
    void MoveRow(Integer From, Integer To, Integer FirstCol = 0);
    void ExchangeRows(Integer A, Integer B);
    // Column From is taken out of every row and put back at To.
    void MoveColumn(Integer From, Integer To);
    // Count empty cells appear before column At in every row; the cells from At on move right.
    void InsertColumns(Integer At, Integer Count);
    // The cells of columns At .. At + Count - 1 go from every row; the cells after them move left.
    void DeleteColumns(Integer At, Integer Count);
    void ClearRow(Integer ARow);

    // Hands row ARow's cells over whole, leaving the row empty (no cells, no storage). A row
    // outside the store hands over an empty row.
    [[nodiscard]] TGridCellRow TakeRow(Integer ARow);
    // Puts Row's cells into row ARow whole, the store growing to it, and hands back what the row
    // held, so that no object reference is dropped or left in two places. A negative row takes
    // nothing: Row comes back as it was.
    [[nodiscard]] TGridCellRow PutRow(Integer ARow, TGridCellRow Row);
    void Clear() { m_rows.clear(); }

private:
    TGridCellRow* Row(Integer ARow);
    const TGridCellRow* Row(Integer ARow) const;
    std::vector<TGridCellRow> m_rows;
};

}  // namespace gw
