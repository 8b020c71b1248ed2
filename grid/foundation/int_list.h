// Integer lists of the grid: a list tied to one cell, and the list of sort columns with the
// short text it is saved as ("u2;d5").
//
// Positions are 0-based; a position outside the list raises EListError "List index out of
// bounds (n)", as the runtime's lists do.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/types.h"

#include <functional>
#include <vector>

namespace gw {

// Raised after a list of a cell changed: which list, and its cell.
using TImageChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;

class TIntList : public TObject {
public:
    TIntList(Integer ACol, Integer ARow) : m_col(ACol), m_row(ARow) {}
    String ClassName() const override { return u"TIntList"; }

    Integer Col() const { return m_col; }
    Integer Row() const { return m_row; }
    Integer Count() const { return static_cast<Integer>(m_items.size()); }

    // Appends; raises OnChange. Returns the new entry's position.
    Integer Add(Integer Value);
    // Inserts before Index (Count appends); raises no OnChange.
    void Insert(Integer Index, Integer Value);
    // Removes the entry; raises OnChange.
    void Delete(Integer Index);
    // Deletes the first entry equal to Value (raising OnChange); nothing when there is none.
    void DeleteValue(Integer Value);
    // Empties the list without OnChange.
    void Clear() { m_items.clear(); }
    bool HasValue(Integer Value) const { return IndexOf(Value) >= 0; }
    // The first position holding Value, -1 when none.
    Integer IndexOf(Integer Value) const;
    Integer GetInteger(Integer Index) const;
    // Replaces the entry; raises OnChange.
    void SetInteger(Integer Index, Integer Value);

    // The entries as decimal numbers joined by "," ("1,-2,3"); empty for an empty list.
    String StrValue() const;
    // Reads comma text (items split at commas and blanks; a double-quoted item may hold them):
    // clears the list, then converts and Adds each item in turn (one OnChange per item). An item
    // that is no integer raises EConvertError; the items before it stay added.
    void SetStrValue(StringView Value);

    TImageChangeEvent OnChange;

protected:
    void CheckIndex(Integer Index) const;

private:
    void Changed();

    Integer m_col;
    Integer m_row;
    std::vector<Integer> m_items;
};

// The sort columns of a grid in sort order. An entry holds the column in bits 0-30 and sets bit
// 31 for a descending column.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}
    String ClassName() const override { return u"TSortIndexList"; }

    // Appends the column (its low 31 bits) with its direction; raises OnChange.
    void AddIndex(Integer ColumnIndex, bool Ascending);
    // The position of the column's first entry, -1 when the column is not in the list.
    Integer FindIndex(Integer ColumnIndex) const;
    // Flips the direction of the column's first entry; nothing when the column is absent.
    void ToggleIndex(Integer ColumnIndex);

    Integer GetSortColumns(Integer Index) const;
    // Replaces the column of an entry and keeps its direction.
    void SetSortColumns(Integer Index, Integer ColumnIndex);
    // True for an ascending entry.
    bool GetSortDirections(Integer Index) const;
    void SetSortDirections(Integer Index, bool Ascending);

    // "u" (ascending) or "d" (descending) and the column's low 16 bits in decimal, per entry,
    // joined by ";" ("u2;d5"); empty for an empty list.
    String SaveToString() const;
    // Clears the list and adds one entry per ";"-separated item of two characters or more: the
    // column is the run of digits after the first character (none: 0; more than a column can
    // hold: the largest column), ascending exactly when the first character is "u".
    void LoadFromString(StringView Value);
};

}  // namespace gw
