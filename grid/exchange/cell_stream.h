// The grid's cell stream, the one binary form of cells (clipboard "TExtStringGrid Cells", the
// grid's drag-and-drop data, the binary files): a header record, then per cell of a rectangle,
// rows outer, a cell record, its properties record when it has properties, its graphic record
// when those carry a graphic, and the graphic's payload record for the kinds that have one.
//
// Here: the record and property names, the value names of the enumerations the records carry,
// and the splitting of a stream into its cells with every record read and bounded.
#pragma once

#include "grid/exchange/component_records.h"
#include "grid/model/cell_graphic.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw {

// The enumeration value names the records use; an out-of-range value has the name "".
std::string_view AlignmentName(Integer Value);
std::string_view BrushStyleName(Integer Value);
std::string_view VAlignmentName(Integer Value);
std::string_view GradientDirectionName(Integer Value);
std::string_view CellTypeName(Integer Value);
std::string_view CellVAlignName(Integer Value);
std::string_view CellHAlignName(Integer Value);
std::string_view CheckBoxStateName(Integer Value);
std::string EditorTypeName(Integer Value);
// The font style's set members, in the order fsBold, fsItalic, fsUnderline, fsStrikeOut.
std::vector<std::string_view> FontStyleNames(TFontStyles Value);

// The cell kinds whose graphic record is followed by a payload record, and that record's class:
// "" for the kinds without one.
std::string_view PayloadClassName(TCellType Type);
// The value of a cell-type name; nullopt for an unknown one.
std::optional<TCellType> CellTypeOfName(std::string_view Name);

struct TCellStreamCell {
    TComponentRecord Cell;
    std::optional<TComponentRecord> Properties;
    std::optional<TComponentRecord> Graphic;
    std::optional<TComponentRecord> Payload;
};

struct TCellStream {
    TComponentRecord Header;
    std::vector<TCellStreamCell> Cells;
};

// Reads a whole cell stream; every record must be of the class its place asks for. EReadError
// for any fault, before anything is returned.
TCellStream ReadCellStream(std::string_view Bytes);

}  // namespace gw
