// The string grid's native text stream: all cells of the save range with the counts and column
// widths, written and read at a stream's position (how one grid copies the cells of another),
// and the notification that follows a bulk change of cells.
#include "grid/exchange/grid_text_stream.h"
#include "grid/foundation/csv_utils.h"
#include "grid/model/ext_grid_error.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/streams.h"

#include <algorithm>

namespace gw {

// Hidden columns keep their cells at their own column of the store, so a stream of the visible
// count alone would drop the last columns' cells and carry the hidden ones in their place: the
// stream counts and carries every column of the store, each width with its column's cells (a
// hidden one's as it was when hidden). Without hidden columns this is exactly the save range.
void TExtStringGrid::SaveToStream(TStream* Stream)
{
    const Integer hidden = NumHiddenColumns();
    const Integer startCol = SaveStartCol(), startRow = SaveStartRow();
    WriteGridTextLine(*Stream, IntToStr(SaveColCount() + hidden) + u"," + IntToStr(SaveRowCount()));
    for (Integer c = 0; c < ColCount() + hidden; ++c) {
        WriteGridTextLine(*Stream, u"cw " + IntToStr(c) + u"," + IntToStr(GetAllColWidths(c)));
    }
    ExportNotification(esExportStart, startRow);
    for (Integer r = startRow; r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (Integer c = startCol; c <= SaveEndCol() + hidden; ++c) {
            const String text = GetExportCellText(c, r);
            if (text.empty()) continue;
            WriteGridTextLine(*Stream, IntToStr(c - startCol) + u"," + IntToStr(r - startRow) + u"," +
                                           EncodeCellLineBreaks(text));
        }
    }
    ExportNotification(esExportDone, -1);
}

// The whole stream is read and checked against the counts it gives before the grid changes, so
// a bad or truncated stream raises and leaves the grid (and the stream's position) as they were.
// A width line beyond the new count is passed over, as the native file's reader does: a grid
// saved without its fixed cells writes the widths of its fixed right columns too, and its copy
// would otherwise fail.
void TExtStringGrid::LoadFromStream(TStream* Stream)
{
    const Int64 start = Stream->Position();
    const TGridTextStream read = ReadGridTextStream(*Stream);
    const Int64 end = Stream->Position();
    Stream->SetPosition(start);
    const Integer startCol = SaveStartCol(), startRow = SaveStartRow();
    // The counts never fall below one, as the grid's own setters keep them.
    const Integer cols = read.HasCounts ? std::max(read.ColCount + startCol, 1) : ColCount();
    const Integer rows = read.HasCounts ? std::max(read.RowCount + startRow, 1) : RowCount();
    for (const TGridTextCell& cell : read.Cells)
        if (cell.Col + startCol >= cols + NumHiddenColumns() || cell.Row + startRow >= rows)
            throw EExtGridError(u"Grid text stream names a cell outside the grid: " + IntToStr(cell.Col) + u"," +
                                IntToStr(cell.Row));
    Stream->SetPosition(end);

    if (read.HasCounts) {
        SetColCount(cols);
        SetRowCount(rows);
    }
    for (const TGridTextWidth& w : read.Widths)
        if (w.Col < ColCount()) SetColWidths(w.Col, w.Width);
    for (const TGridTextCell& cell : read.Cells)
        SetLoadedCell(cell.Col + startCol, cell.Row + startRow, DecodeCellLineBreaks(cell.Text, Multilinecells));
    NotifyCellsChanged(TGridRect{.Left = 0, .Top = 0, .Right = ColCount(), .Bottom = RowCount()});
    AllCellsChanged();
}

void TExtStringGrid::AllCellsChanged() { CalcFooter(-1); }

}  // namespace gw
