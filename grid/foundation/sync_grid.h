// Which moves of a grid another grid follows: scrolling, the current row and column, and row
// and column moves.
#pragma once

#include "platform/runtime/component.h"

namespace gw {

class TExtStringGrid;

class TSyncGrid : public TPersistent {
public:
    // AOwner is the grid that creates (and frees) the settings; it can never follow itself.
    explicit TSyncGrid(TExtStringGrid* AOwner) : m_owner(AOwner) {}
    String ClassName() const override { return u"TSyncGrid"; }
    // From another TSyncGrid only (anything else is ignored): Grid through its setter, then the
    // six flags.
    void Assign(TPersistent* Source) override;

    TExtStringGrid* Owner() const { return m_owner; }
    // The grid kept in step; nullptr for none. Setting the owner itself is refused (the value
    // stays).
    TExtStringGrid* Grid() const { return m_grid; }
    void SetGrid(TExtStringGrid* Value);

    bool ScrollHorizontal = false;
    bool ScrollVertical = false;
    bool SelectionRow = false;
    bool SelectionColumn = false;
    bool MoveRow = false;
    bool MoveColumn = false;

    // Fired after Grid took a new value (Assign included), so that the owner can register for
    // the new grid's free notification and clear Grid when that grid goes away.
    TNotifyEvent OnGridChange;

private:
    TExtStringGrid* m_owner;
    TExtStringGrid* m_grid = nullptr;
};

}  // namespace gw
