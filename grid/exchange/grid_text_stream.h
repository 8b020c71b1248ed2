// The grid's native text stream, without the grid: its lines as UTF-16 little-endian units ended
// by CR LF, and the reading of a stream into a record that the grid applies only once all of it
// has been read and found sound.
//
// A stream is a first line "columns,rows", width lines "cw <column>,<width>" and cell lines
// "<column>,<row>,<text>" with positions relative to the writer's save range. Reading stops at
// the first line that is neither a width nor a cell line (fewer than two commas) and leaves the
// stream at that line's start, so that other data may follow the cells.
#pragma once

#include "platform/runtime/types.h"

#include <vector>

namespace gw {

class TStream;

struct TGridTextWidth {
    Integer Col = 0;
    Integer Width = 0;
};

// A cell line: its position relative to the save range and its text as written (line breaks
// still encoded: the grid decodes them under its own multi-line setting).
struct TGridTextCell {
    Integer Col = 0;
    Integer Row = 0;
    String Text;
};

struct TGridTextStream {
    // False when the stream held no first line or an empty one: the grid keeps its counts.
    bool HasCounts = false;
    Integer ColCount = 0;
    Integer RowCount = 0;
    std::vector<TGridTextWidth> Widths;
    std::vector<TGridTextCell> Cells;
};

// The largest column or row count and the widest column a stream may give: a count costs the
// grid work however few bytes name it, so it is bounded here rather than by the stream's size.
inline constexpr Integer MaxTextStreamCount = 1 << 24;
inline constexpr Integer MaxTextStreamWidth = 1 << 16;

// Writes Line's UTF-16 units, then CR LF.
void WriteGridTextLine(TStream& Stream, StringView Line);

// Reads from the stream's position. On success the stream stands after the last line taken (at
// the start of a line that stopped the reading); on an error (EExtGridError for a stream that
// ends inside a unit or a number out of bounds, EConvertError for a field that is no whole
// number) it stands where it stood and nothing is returned.
TGridTextStream ReadGridTextStream(TStream& Stream);

}  // namespace gw
