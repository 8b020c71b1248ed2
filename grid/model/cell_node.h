// The look of the grid's outline nodes: box, sign, glyphs and tree lines.
//
// Created, owned and freed by its grid; the tree-line setters repaint the grid at once.
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TBitmap;

// The design calls it TNodeType; renamed here since the XML layer's node kind has that name.
enum TCellNodeType : uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TPersistent {
public:
    explicit TCellNode(TSettingsGrid* AOwner);
    ~TCellNode() override;
    String ClassName() const override { return u"TCellNode"; }
    // From another node look only (anything else is ignored): every value and both glyphs'
    // pictures, straight into the fields, without repainting.
    void Assign(TPersistent* Source) override;

    TSettingsGrid* Owner() const { return m_owner; }

    // Brush of a node's box, and pen of the box and its sign.
    TColor Color = clSilver;
    TColor NodeColor = clBlack;
    // Expanding a node first contracts every other expanded node.
    bool ExpandOne = false;

    // These five store a new value and repaint the grid at once; an equal value does nothing.
    TCellNodeType NodeType() const { return m_nodeType; }
    void SetNodeType(TCellNodeType Value);
    bool ShowTree() const { return m_showTree; }
    void SetShowTree(bool Value);
    // The branch line of a child row runs to the node cell's right edge, not 4 pixels past the
    // row's indent.
    bool ShowTreeFull() const { return m_showTreeFull; }
    void SetShowTreeFull(bool Value);
    // Pixels per node level.
    Integer NodeIndent() const { return m_nodeIndent; }
    void SetNodeIndent(Integer Value);
    TColor TreeColor() const { return m_treeColor; }
    void SetTreeColor(TColor Value);

    // Owned; the setters copy the given picture in and repaint nothing. cnGlyph draws them when
    // both are set.
    TBitmap* ExpandGlyph() const { return m_expandGlyph.get(); }
    void SetExpandGlyph(TBitmap* Value);
    TBitmap* ContractGlyph() const { return m_contractGlyph.get(); }
    void SetContractGlyph(TBitmap* Value);

private:
    template <class T>
    void SetAndRepaint(T& Field, T Value);

    TSettingsGrid* m_owner;
    TCellNodeType m_nodeType = cnXP;
    std::unique_ptr<TBitmap> m_expandGlyph;
    std::unique_ptr<TBitmap> m_contractGlyph;
    bool m_showTree = true;
    bool m_showTreeFull = true;
    Integer m_nodeIndent = 12;
    TColor m_treeColor = clGray;
};

}  // namespace gw
