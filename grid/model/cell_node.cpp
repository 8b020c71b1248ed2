// The node look: defaults, the repainting setters and the copy rule.
#include "grid/model/cell_node.h"

#include "platform/graphics/bitmap.h"

namespace gw {

TCellNode::TCellNode(TSettingsGrid* AOwner)
    : m_owner(AOwner), m_expandGlyph(std::make_unique<TBitmap>()), m_contractGlyph(std::make_unique<TBitmap>())
{
}

TCellNode::~TCellNode() = default;

void TCellNode::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TCellNode*>(Source);
    if (!from) return;
    Color = from->Color;
    ExpandOne = from->ExpandOne;
    m_nodeType = from->m_nodeType;
    NodeColor = from->NodeColor;
    m_nodeIndent = from->m_nodeIndent;
    m_expandGlyph->Assign(from->m_expandGlyph.get());
    m_contractGlyph->Assign(from->m_contractGlyph.get());
    m_showTree = from->m_showTree;
    m_showTreeFull = from->m_showTreeFull;
    m_treeColor = from->m_treeColor;
}

template <class T>
void TCellNode::SetAndRepaint(T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    if (m_owner) m_owner->Repaint();
}

void TCellNode::SetNodeType(TCellNodeType Value) { SetAndRepaint(m_nodeType, Value); }
void TCellNode::SetShowTree(bool Value) { SetAndRepaint(m_showTree, Value); }
void TCellNode::SetShowTreeFull(bool Value) { SetAndRepaint(m_showTreeFull, Value); }
void TCellNode::SetNodeIndent(Integer Value) { SetAndRepaint(m_nodeIndent, Value); }
void TCellNode::SetTreeColor(TColor Value) { SetAndRepaint(m_treeColor, Value); }

void TCellNode::SetExpandGlyph(TBitmap* Value) { m_expandGlyph->Assign(Value); }
void TCellNode::SetContractGlyph(TBitmap* Value) { m_contractGlyph->Assign(Value); }

}  // namespace gw
