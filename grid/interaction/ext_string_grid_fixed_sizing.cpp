// TExtStringGrid: fixed columns and rows sized by the mouse at their edge in any row (column) -
// the edge noted while the mouse moves, the press that takes it, the dotted line that follows
// the mouse and the release that sets the new size.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/ext_string_grid.h"

#include <algorithm>
#include <cstdlib>

namespace gw {

namespace {

// The mouse this near a fixed column's (row's) right (bottom) edge can size it.
constexpr Integer FixedSizingZone = 3;

// Where item Index starts: the items before it, each followed by a grid line.
template <class SizeOf>
Integer ItemStart(Integer Index, Integer LineWidth, SizeOf Size)
{
    Integer start = 0;
    for (Integer i = 0; i < Index; ++i) start += Size(i) + LineWidth;
    return start;
}

// The last of the first Count items whose far edge lies near P; -1 when none does.
template <class SizeOf>
Integer FixedEdgeAt(Integer P, Integer Count, Integer LineWidth, SizeOf Size)
{
    Integer found = -1;
    Integer start = 0;
    for (Integer i = 0; i < Count; ++i) {
        if (std::abs(P - (start + Size(i))) < FixedSizingZone) found = i;
        start += Size(i) + LineWidth;
    }
    return found;
}

}  // namespace

void TExtStringGrid::NoteFixedSizingEdges(Integer X, Integer Y, bool ValidCell)
{
    const Integer line = GridLineWidth();
    FSizeFixed = ValidCell && MouseActions()->SizeFixedCol &&
        FixedEdgeAt(X, FixedCols(), line, [this](Integer c) { return ColWidths(c); }) >= 0;
    FSizeFixedR = ValidCell && MouseActions()->SizeFixedRow &&
        FixedEdgeAt(Y, FixedRows(), line, [this](Integer r) { return RowHeights(r); }) >= 0;
}

// A press on a fixed column's (row's) edge starts its sizing and is nothing else. The mouse is
// held, so that a release outside the grid still ends the sizing.
bool TExtStringGrid::PressFixedSizing(Integer X, Integer Y)
{
    if (IsDesigning()) return false;
    const Integer line = GridLineWidth();
    if (FSizeFixed) {
        const Integer col = FixedEdgeAt(X, FixedCols(), line, [this](Integer c) { return ColWidths(c); });
        if (col < 0) return false;
        FSizingFixed = true;
        FSizingFixedCol = col;
        FSizeFixedX = ItemStart(col, line, [this](Integer c) { return ColWidths(c); }) + ColWidths(col);
        FSizeFixedOfs = X - FSizeFixedX;
        DrawColSizingLine(FSizeFixedX);
    } else if (FSizeFixedR) {
        const Integer row = FixedEdgeAt(Y, FixedRows(), line, [this](Integer r) { return RowHeights(r); });
        if (row < 0) return false;
        FSizingFixedR = true;
        FSizingFixedRow = row;
        FSizeFixedY = ItemStart(row, line, [this](Integer r) { return RowHeights(r); }) + RowHeights(row);
        FSizeFixedOfs = Y - FSizeFixedY;
        DrawRowSizingLine(FSizeFixedY);
    } else {
        return false;
    }
    SetMouseCapture(true);
    return true;
}

// The dotted line moves with the mouse: drawn again where it was, the old one is gone.
void TExtStringGrid::FollowFixedSizing(Integer X, Integer Y)
{
    if (FSizingFixed && X - FSizeFixedOfs != FSizeFixedX) {
        DrawColSizingLine(FSizeFixedX);
        FSizeFixedX = X - FSizeFixedOfs;
        DrawColSizingLine(FSizeFixedX);
    } else if (FSizingFixedR && Y - FSizeFixedOfs != FSizeFixedY) {
        DrawRowSizingLine(FSizeFixedY);
        FSizeFixedY = Y - FSizeFixedOfs;
        DrawRowSizingLine(FSizeFixedY);
    }
}

// The size the fixed column (row) under sizing would take with its edge at the mouse.
Integer TExtStringGrid::FixedSizingSize(Integer X, Integer Y) const
{
    const Integer line = GridLineWidth();
    if (FSizingFixed)
        return std::max(0, X - FSizeFixedOfs - ItemStart(FSizingFixedCol, line, [this](Integer c) { return ColWidths(c); }));
    return std::max(0, Y - FSizeFixedOfs - ItemStart(FSizingFixedRow, line, [this](Integer r) { return RowHeights(r); }));
}

// The release sets the size at the mouse; one let go right of (below) the grid leaves it.
void TExtStringGrid::ReleaseFixedSizing(Integer X, Integer Y)
{
    const bool columns = FSizingFixed;
    if (!columns && !FSizingFixedR) return;
    const Integer size = FixedSizingSize(X, Y);
    if (columns)
        DrawColSizingLine(FSizeFixedX);
    else
        DrawRowSizingLine(FSizeFixedY);
    FSizingFixed = FSizeFixed = FSizingFixedR = FSizeFixedR = false;
    SetMouseCapture(false);
    if (columns ? X > Width() : Y > Height()) return;
    if (!columns) {
        SetRowHeights(FSizingFixedRow, size);
        if (OnEndRowSize) OnEndRowSize(this, FSizingFixedRow);
        return;
    }
    SetColWidths(FSizingFixedCol, size);
    if (OnEndColumnSize) OnEndColumnSize(this, FSizingFixedCol);
    if (!OnUpdateColumnSize) return;
    Integer width = size;
    OnUpdateColumnSize(this, FSizingFixedCol, width);
    if (width != size) SetColWidths(FSizingFixedCol, width);
}

}  // namespace gw
