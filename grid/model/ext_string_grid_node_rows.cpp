// The string grid's outline structure: adding and removing nodes, summary rows, and inserting and
// removing rows inside node blocks with the spans of the nodes above kept in step.
//
// A row inserted among hidden rows raises the real index of every hidden row at or after its
// place, so that a contracted node above or below keeps exactly its own rows.
#include "grid/foundation/control_list.h"
#include "grid/model/ext_string_grid.h"

#include <algorithm>

namespace gw {

void TExtStringGrid::AddNode(Integer ARow, Integer Span)
{
    const Integer d = DisplRowIndex(ARow);
    TCellGraphic* node = CreateCellGraphic(0, d);
    node->CellType = ctNode;
    node->CellBoolean = false;
    node->CellIndex = Span;
    node->CellErrFrom = 0;
    node->CellAngle = d;
    node->CellVar = Integer(-1);
    node->CellHAlign = haBeforeText;
    node->CellVAlign = vaCenter;
    for (Integer r = d; r < std::min(d + Span, RowCount()); ++r) ++GetCellProperties(0, r)->NodeLevel;
    if (FNumNodes == 0) InvalidateCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::RemoveNode(Integer ARow)
{
    ExpandNode(ARow);
    const Integer d = DisplRowIndex(ARow);
    const TCellGraphic* node = NodeGraphic(d);
    if (!node) return;
    for (Integer r = d; r < std::min(d + node->CellIndex, RowCount()); ++r) {
        if (TCellProperties* props = GetGridObject(0, r); props && props->NodeLevel > 0) --props->NodeLevel;
    }
    RemoveCellGraphic(0, d);
    FNumNodes = std::max(FNumNodes - 1, 0);
}

void TExtStringGrid::RemoveAllNodes()
{
    for (Integer r = 0; r < RowCount(); ++r) {
        if (IsNode(r)) RemoveNode(RealRowIndex(r));
    }
    Invalidate();
}

void TExtStringGrid::MarkSummaryRow(Integer ARow) { CreateCellGraphic(0, DisplRowIndex(ARow))->CellType = ctSummary; }

void TExtStringGrid::InsertDisplayedRowShiftingHidden(Integer ADisplRow)
{
    // The new row stands directly before the row now at ADisplRow: hidden rows at or after
    // that row's real index move down with it.
    const Integer place = RealRowIndex(ADisplRow);
    InsertRows(ADisplRow, 1, true);
    FHiddenRows.ShiftForInsertedRows(RealRow(place), 1);
}

void TExtStringGrid::InsertNormalRow(Integer ARow) { InsertDisplayedRowShiftingHidden(DisplRowIndex(ARow)); }

void TExtStringGrid::RemoveNormalRow(Integer ARow)
{
    RemoveRows(ARow, 1);
    --FMaxRowCount;
}

void TExtStringGrid::GrowNodeForChild(Integer ANode)
{
    if (TCellGraphic* node = NodeGraphic(ANode)) {
        ++node->CellIndex;
        ++node->CellErrFrom;
    }
    ExpandNode(RealRowIndex(ANode));
}

void TExtStringGrid::ShrinkNodeForChild(Integer ANode)
{
    TCellGraphic* node = NodeGraphic(ANode);
    if (!node || node->CellIndex <= 1) return;
    --node->CellIndex;
    --node->CellErrFrom;
}

void TExtStringGrid::InsertChildRow(Integer ARow, Integer InsertAt)
{
    const Integer d = DisplRowIndex(ARow);
    const Integer parent = GetParentRow(d);
    Integer level = 1;
    if (parent >= 0) {
        GrowNodeForChild(parent);
        level = RowNodeLevel(parent);
    }
    for (Integer a = parent; a >= 0 && level > 1;) {
        const Integer above = GetParentRow(a);
        if (above < 0 || above == a) break;
        a = above;
        if (RowNodeLevel(a) < level) {
            GrowNodeForChild(a);
            level = RowNodeLevel(a);
        }
    }
    const bool takeOver = IsNode(d) && InsertAt == 0;
    const Integer at = takeOver ? d + 1 : d + InsertAt;
    InsertDisplayedRowShiftingHidden(at);
    if (takeOver) {
        // The new row takes the node row's contents; column 0 keeps the node.
        for (Integer c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, at, GetGridCell(c, d));
            SetGridCell(c, d, u"");
            if (c == 0) continue;
            SetGridObject(c, at, GetGridObject(c, d));
            SetGridObject(c, d, nullptr);
        }
    }
    if (parent >= 0) GetCellProperties(0, at)->NodeLevel = RowNodeLevel(parent);
}

void TExtStringGrid::RemoveChildRow(Integer ARow)
{
    const Integer d = DisplRowIndex(ARow);
    const Integer real = RealRowIndex(d);
    RemapCellControls([&](Integer&, Integer& Y) {
        if (Y >= real) --Y;
    });
    Integer parent = GetParentRow(d);
    if (parent >= 0) {
        const Integer firstLevel = RowNodeLevel(parent);
        ShrinkNodeForChild(parent);
        for (;;) {
            ExpandNode(RealRowIndex(parent));
            if (RowNodeLevel(parent) <= 1) break;
            const Integer above = GetParentRow(parent);
            if (above < 0 || above == parent || RowNodeLevel(above) >= firstLevel) break;
            parent = above;
            ShrinkNodeForChild(parent);
        }
    }
    DeleteRowRange(d, 1);
    --FMaxRowCount;
}

}  // namespace gw
