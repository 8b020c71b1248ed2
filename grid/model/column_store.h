// Where the string grid keeps its column widths ("Col0", "Col1", ...) and column positions
// ("Pos0", ...): an INI file, or the registry, which here is one INI file in the user's
// configuration folder holding a section per key and sub-key.
#pragma once

#include "grid/model/column_size.h"

#include <optional>
#include <vector>

namespace gw {

// The registry stand-in: "gw-registry.ini" in $XDG_CONFIG_HOME, else in ~/.config. A registry
// key Key with the sub-key Section is its section Key + "\" + Section.
String RegistryStandInFileName();

// Each operation does nothing when Size's Key or Section is empty (the grid also skips them in
// design mode). Otherwise it opens the store (the INI file Key, or the stand-in), reads or writes,
// and rewrites the file, so that a load creates a missing file (or registry key) too. Values are
// integer texts; one that is not an integer reads as the default. A width outside -32768..32767
// counts as no integer. The file's errors are the runtime's (EFCreateError, EWriteError...).

// Widths by display index 0..ColCount-1.
void SaveColSizes(const TColumnSize& Size, const std::vector<Integer>& Widths);
// Widths in: the current ones, the defaults; out: what the store holds (the grid sets a width
// only where it differs).
void LoadColSizes(const TColumnSize& Size, std::vector<Integer>& Widths);

// The column-order list; nothing is written when it is empty.
void SaveColPositions(const TColumnSize& Size, const std::vector<Integer>& ColumnOrder);

// Stored positions for the N columns (hidden included). The grid notes its hidden columns, shows
// them all, calls ResetColumnOrder(MoveOrder) when it is not empty, hides the noted columns again
// and takes Positions as its column-order list.
struct TStoredColumnPositions {
    std::vector<Integer> Positions = {};
    std::vector<Integer> MoveOrder = {};
};
// Nothing when "Pos0" is missing or -1. Positions that do not hold every index 0..N-1 raise the
// list-index error before the grid changes anything.
std::optional<TStoredColumnPositions> LoadColPositions(const TColumnSize& Size, Integer N);

}  // namespace gw
