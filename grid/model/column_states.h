// The column-state text the string grid gives its owner to keep: column count, widths, order and
// visibility in one line ("3#64,64,64#0,1,2#1,0,1"), and the column-order arithmetic it shares
// with the stored column positions.
#pragma once

#include "platform/runtime/types.h"

#include <vector>

namespace gw {

// The columns as the text carries them. N = ColCount counts every column, hidden ones included.
struct TColumnStates {
    Integer ColCount = 0;
    // Widths by display index; the text pads them with DefaultColWidth up to ColCount.
    std::vector<Integer> Widths = {};
    Integer DefaultColWidth = 64;
    // The column-order list: per display position the initial index of the column shown there;
    // empty until a column is first moved (the text then holds 0,1,...,N-1).
    std::vector<Integer> ColumnOrder = {};
    // By real column index; a missing entry is a shown column.
    std::vector<bool> Visible = {};
};

String ColumnStatesToString(const TColumnStates& States);

// A column-state text read whole, before anything of the grid changes. The grid applies it in
// this order: clear its column-order list, show every hidden column, set ColCount; when MoveOrder
// is not empty, ResetColumnOrder(MoveOrder); take ColumnOrder as its column-order list; hide the
// columns of Hidden (highest first); switch the stretch off; set the widths of the display indexes
// 0.. by Widths; switch the stretch back.
struct TColumnStatesText {
    Integer ColCount = 0;
    std::vector<Integer> MoveOrder = {};
    std::vector<Integer> ColumnOrder = {};
    // Real indexes, highest first.
    std::vector<Integer> Hidden = {};
    // One per shown column.
    std::vector<Integer> Widths = {};
};

// False for a text without "#": it changes nothing. Otherwise reads the text into Out or raises
// what applying it would have met, before anything is changed: EConvertError for a count that is
// no integer, negative, or more than the rest of the text could describe (each column takes at
// least one character), for an order item or width that is no integer, and for a width outside
// -32768..32767 (the range of stored widths); EStringListError "List index out of bounds (n)"
// when the order does not hold every index 0..N-1 or a field has too few items.
bool ReadColumnStates(StringView Value, TColumnStatesText& Out);

// For an order list L (display position -> initial index): per index p from 0 to N-1, the
// position holding it. EStringListError "List index out of bounds (p)" when an index p is
// missing: a list that does not hold every column (with a column twice, or a -1 left out) would
// move columns onto each other.
std::vector<Integer> InverseColumnOrder(const std::vector<Integer>& Order, Integer N);

// Stored widths are 16-bit: a text outside that range counts as no integer.
bool TryStrToColumnWidth(StringView S, Integer& Width);

}  // namespace gw
