// What the string grid's settings objects ask of the grid that owns them.
//
// The settings objects (node look, column size, filter, background, drag and drop, control look,
// sort settings...) are created by the grid with itself as this interface and reach the grid only
// through it, so that they build and test without a grid window. The grid is also a component:
// where a settings object needs the grid as a component (its owner, whether it is being designed)
// it finds it by dynamic_cast.
#pragma once

#include "grid/foundation/int_list.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/types.h"

namespace gw {

class TSettingsGrid {
public:
    // Painting: the whole grid with the next paint pass, the whole grid at once, one cell, one
    // row (displayed indexes).
    virtual void Invalidate() = 0;
    virtual void Repaint() = 0;
    virtual void RepaintCell(Integer ACol, Integer ARow) = 0;
    virtual void RepaintRow(Integer ARow) = 0;
    virtual Integer FixedRows() const = 0;

    // Column stretching: whether the grid sits in a parent window, and the stretch itself
    // (ACol -1: the last column), which raises "Stretch column index out of range".
    virtual bool HasParentWindow() const = 0;
    virtual void StretchColumnToClient(Integer ACol) = 0;

    // Sorting: the sort-column list of the indexed sort and the two sorts by the sort settings.
    virtual TSortIndexList& SortIndexes() = 0;
    virtual void QSort() = 0;
    virtual void QSortIndexed() = 0;

    // OLE drag and drop: makes the grid's drop target and registers the grid's window with it
    // (true on success); revokes that registration; the rich-text acceptance switch of the
    // drag-and-drop layer.
    virtual bool RegisterDropTarget() = 0;
    virtual void RevokeDropTarget() = 0;
    virtual void SetOleRtfAcceptFlag(bool Value) = 0;

    // The fixed-cell gradient colours painting reads, which the control look passes on.
    virtual void SetZEQGradientFrom(TColor Value) = 0;
    virtual void SetZEQGradientTo(TColor Value) = 0;
    virtual void SetZEQGradientMirrorFrom(TColor Value) = 0;
    virtual void SetZEQGradientMirrorTo(TColor Value) = 0;
    virtual void SetZEQGradientHoverFrom(TColor Value) = 0;
    virtual void SetZEQGradientHoverTo(TColor Value) = 0;
    virtual void SetZEQGradientHoverMirrorFrom(TColor Value) = 0;
    virtual void SetZEQGradientHoverMirrorTo(TColor Value) = 0;
    virtual void SetZEQGradientHoverBorder(TColor Value) = 0;
    virtual void SetZEQGradientDownFrom(TColor Value) = 0;
    virtual void SetZEQGradientDownTo(TColor Value) = 0;
    virtual void SetZEQGradientDownMirrorFrom(TColor Value) = 0;
    virtual void SetZEQGradientDownMirrorTo(TColor Value) = 0;
    virtual void SetZEQGradientDownBorder(TColor Value) = 0;

protected:
    ~TSettingsGrid() = default;
};

}  // namespace gw
