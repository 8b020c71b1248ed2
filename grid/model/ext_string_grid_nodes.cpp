// The string grid's outline nodes: a node is the cell graphic of column 0 of its row (state,
// span, sub-node count), the rows of its block carry their nesting depth in the node level of
// column 0's properties, and contracting hides the block's rows by their real index.
//
// Rows a node hides are hidden by index, never as a filter level, so taking filters back never
// shows the rows of a contracted node.
#include "grid/foundation/control_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/cell_node.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <utility>

namespace gw {

namespace {

// The glyph's width and left offset for a node type.
struct TGlyphPlace {
    Integer Width = 0;
    Integer Offset = 0;
};

TGlyphPlace GlyphPlace(const TCellNode& Node)
{
    switch (Node.NodeType()) {
    case cnFlat:
    case cnXP: return {4, 4};
    case cn3D: return {6, 0};
    case cnLeaf: return {8, 2};
    case cnGlyph:
        if (const TBitmap* glyph = Node.ExpandGlyph(); glyph && glyph->Width() > 0) return {glyph->Width() / 2, 2};
        return {0, 0};
    }
    return {};
}

}  // namespace

TCellGraphic* TExtStringGrid::NodeGraphic(Integer ARow) const
{
    if (ARow < 0) return nullptr;
    auto* graphic = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
    return graphic && graphic->CellType == ctNode ? graphic : nullptr;
}

Integer TExtStringGrid::RowNodeLevel(Integer ARow) const
{
    const TCellProperties* props = ARow >= 0 ? GetGridObject(0, ARow) : nullptr;
    return props ? props->NodeLevel : 0;
}

Integer TExtStringGrid::NodeBlockEnd(Integer ARow) const
{
    const TCellGraphic* node = NodeGraphic(ARow);
    if (node && node->CellIndex > 0) return std::min(ARow + node->CellIndex, RowCount());
    Integer r = ARow + 1;
    while (r < RowCount() && !NodeGraphic(r)) ++r;
    return r;
}

bool TExtStringGrid::IsNode(Integer ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TExtStringGrid::IsSummary(Integer ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TExtStringGrid::GetNodeState(Integer ARow)
{
    const TCellGraphic* node = NodeGraphic(ARow);
    return node && node->CellBoolean;
}

Integer TExtStringGrid::GetNodeLevel(Integer ARow) { return NodeGraphic(ARow) ? RowNodeLevel(ARow) : -1; }

Integer TExtStringGrid::GetNodeSpan(Integer ARow)
{
    const TCellGraphic* node = NodeGraphic(ARow);
    return node ? node->CellIndex : -1;
}

Integer TExtStringGrid::GetSubNodeCount(Integer ARow)
{
    const TCellGraphic* node = NodeGraphic(ARow);
    return node ? node->CellErrFrom : 0;
}

bool TExtStringGrid::HasNodes() const { return FNumNodes > 0; }

Integer TExtStringGrid::RowNodeIndent(Integer ARow) const
{
    if (FNumNodes <= 0 || ARow < 0 || !GetGridObject(0, ARow)) return 0;
    return RowNodeLevel(ARow) * m_cellNode->NodeIndent();
}

Integer TExtStringGrid::GetParentRow(Integer ARow)
{
    if (FNumNodes <= 0) return -1;
    const bool node = IsNode(ARow);
    const Integer levelToBeat = node ? RowNodeLevel(ARow) : 65535;
    Integer correction = 0;
    for (Integer r = ARow; r >= FixedRows(); --r) {
        const TCellGraphic* parent = NodeGraphic(r);
        if (!parent || RowNodeLevel(r) >= levelToBeat) continue;
        if (parent->CellBoolean) correction += parent->CellIndex - 1;
        if (ARow < r + parent->CellIndex - correction) return r;
    }
    return node ? ARow : -1;
}

void TExtStringGrid::ExpandNode(Integer ARow)
{
    if (m_cellNode->ExpandOne) {
        const Integer keep = DisplRowIndex(ARow);
        for (Integer r = FixedRows(); r < RowCount(); ++r) {
            const TCellGraphic* other = NodeGraphic(r);
            if (other && !other->CellBoolean && r != keep) ContractNode(RealRowIndex(r));
        }
    }
    const Integer d = DisplRowIndex(ARow);
    TCellGraphic* node = NodeGraphic(d);
    if (!node || !node->CellBoolean) return;
    node->CellBoolean = false;
    const Integer end = node->CellIndex > 0 ? d + 1 : NodeBlockEnd(d);

    const Integer row = Row();
    const Integer topRow = TopRow();
    const bool disjunct = m_mouseActions->DisjunctRowSelect();
    const bool rowSelect = (Options() & goRowSelect) != 0;
    const bool suspend = m_controlList->Count() == 0;
    m_mouseActions->SetDisjunctRowSelect(false);
    if (rowSelect) SetOptions(Options() & ~goRowSelect);
    if (suspend) BeginUpdate();
    const auto restore = [&] {
        if (rowSelect) {
            SetOptions(Options() | goRowSelect);
            if (row < RowCount()) TBaseGrid::SetRow(row);
            SetTopRowEx(topRow);
        }
        m_mouseActions->SetDisjunctRowSelect(disjunct);
        if (suspend) EndUpdate();
    };
    try {
        UnHideRows(RealRowIndex(d) + 1, RealRowIndex(end) - 1);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    RecalcFooter();
}

void TExtStringGrid::ContractNode(Integer ARow)
{
    CloseEditorForLayoutChange();
    const Integer a = DisplRowIndex(ARow);
    TCellGraphic* node = NodeGraphic(a);
    if (!node || node->CellBoolean) return;
    node->CellBoolean = true;
    const Integer b = a + 1;
    Integer end = NodeBlockEnd(a);
    // A contracted node inside the block already hides its own rows: it is marked expanded and
    // hidden with the rows above it, and the block's end moves up by the rows that went.
    for (Integer r = b; r < end;) {
        TCellGraphic* inner = NodeGraphic(r);
        if (!inner || !inner->CellBoolean) {
            ++r;
            continue;
        }
        inner->CellBoolean = false;
        HideRows(RealRowIndex(b), RealRowIndex(r));
        end = std::min(end + b - inner->CellIndex - r, RowCount());
        r = b;
    }
    if (b < end) HideRows(RealRowIndex(b), RealRowIndex(end - 1));
    RecalcFooter();
}

void TExtStringGrid::ExpandAll()
{
    BeginUpdate();
    try {
        for (Integer r = FixedRows(); r < RowCount(); ++r) {
            if (TCellGraphic* node = NodeGraphic(r)) {
                ExpandNode(RealRowIndex(r));
                node->CellBoolean = false;
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    RecalcFooter();
}

void TExtStringGrid::ContractAll()
{
    BeginUpdate();
    try {
        ExpandAll();
        // Every top block's rows below its node, by real index, hidden from the bottom up so
        // that the displayed indexes above stay valid.
        std::vector<std::pair<Integer, Integer>> blocks;
        for (Integer r = FixedRows(); r < RowCount();) {
            TCellGraphic* node = NodeGraphic(r);
            if (!node) {
                ++r;
                continue;
            }
            node->CellBoolean = true;
            const Integer last = std::min(r + node->CellIndex - 1, RowCount() - 1);
            if (last > r) blocks.push_back({RealRowIndex(r + 1), RealRowIndex(last)});
            r += std::max(node->CellIndex, 1);
        }
        for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) HideRows(block->first, block->second);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    RecalcFooter();
}

bool TExtStringGrid::IsOnNodeGlyph(Integer ARow, Integer X)
{
    if (!m_mouseActions->PreciseNodeClick) return true;
    const Integer level = RowNodeLevel(ARow);
    const Integer indent = m_cellNode->NodeIndent();
    const TGlyphPlace glyph = GlyphPlace(*m_cellNode);
    if (BiDiMode() != bdRightToLeft) return glyph.Offset + (level - 1) * indent < X && X < glyph.Width + level * indent;
    // Right to left the glyph stands at column 0's right edge, by the grid's width less the
    // vertical bar's when that takes room: X (from the cell's left) becomes a client x first.
    const HWND h = HandleIfAllocated();
    const Integer bar = h && (GetWindowStyle(h) & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const Integer x = X + CellRect(0, ARow).Left, w = Width();
    return w - 2 - level * indent - glyph.Width <= x + bar && x + bar < w - (level - 1) * indent;
}

}  // namespace gw
