// The column grid's column stream: a small versioned format of its own that carries every
// published property of each column item by name and typed value.
//
// Layout (little endian): the class name "TExtColumnGridIO" (a text), a version byte, the item
// count (u32), then per item the number of properties (u32) and each property as its name (a
// text), a kind byte and the value. A text is a u32 count of UTF-16 units and the units. Strings
// are written only when not empty, PrintBorderCustom and PrintFontCustom only when false,
// references (by component name) only when set. Every count and length is bounded by the bytes
// left; anything unknown or short raises EReadError.
#pragma once

#include "grid/model/grid_column_item.h"

#include <functional>
#include <string>
#include <string_view>

namespace gw {

std::string WriteColumnStream(const TGridColumnCollection& Columns);
// Reads every item into Into (a spare collection), finding referenced components by name with
// Resolve (nullptr: left unset).
void ReadColumnStream(std::string_view Bytes, TGridColumnCollection& Into,
                      const std::function<TComponent*(const String&)>& Resolve);

}  // namespace gw
