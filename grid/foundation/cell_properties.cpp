// Cell properties: creation for a grid's cell, the copy rule, merge resolution and the setters
// that repaint their cell.
#include "grid/foundation/cell_properties.h"

namespace gw {

TCellProperties::TCellProperties(TCellPropertiesOwner* AOwner, Integer ACol, Integer ARow)
    : OwnerCol(ACol), OwnerRow(ARow), m_ownerGrid(AOwner), m_wordWrap(AOwner ? AOwner->WordWrap : true)
{
    if (m_ownerGrid) m_ownerGrid->FHasCellProps = true;
}

TCellProperties::~TCellProperties()
{
    if (m_graphicObject && m_graphicObject->ClassName() == u"TCellGraphic") delete m_graphicObject;
}

void TCellProperties::SetGraphicObject(TObject* Value)
{
    m_graphicObject = Value;
    auto* source = dynamic_cast<IGraphicKindSource*>(Value);
    m_graphicKind.Connect(source ? &source->GraphicKindField() : nullptr);
}

void TCellProperties::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TCellProperties*>(Source);
    if (!from) {
        TPersistent::Assign(Source);
        return;
    }
    IsBaseCell = from->IsBaseCell;
    CellSpanX = from->CellSpanX;
    CellSpanY = from->CellSpanY;
    OwnerRow = from->OwnerRow;
    OwnerCol = from->OwnerCol;
    CellObject = from->CellObject;
    Alignment = from->Alignment;
    BorderColor = from->BorderColor;
    BorderWidth = from->BorderWidth;
    m_brushColor = from->m_brushColor;
    BrushStyle = from->BrushStyle;
    FontColor = from->FontColor;
    FontStyle = from->FontStyle;
    FontName = from->FontName;
    FontSize = from->FontSize;
    ReadOnly = from->ReadOnly;
    Editor = from->Editor;
    m_vAlignment = from->m_vAlignment;
    m_wordWrap = from->m_wordWrap;
    NodeLevel = from->NodeLevel;
    Control = from->Control;
}

TPoint TCellProperties::GetBaseCell(Integer ACol, Integer ARow) const
{
    if (!IsBaseCell && CellSpanX != -1 && CellSpanY != -1) return Point(ACol - CellSpanX, ARow - CellSpanY);
    return Point(ACol, ARow);
}

void TCellProperties::SetBrushColor(TColor Value)
{
    m_brushColor = Value;
    Repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value)
{
    m_brushColorTo = Value;
    Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    m_vAlignment = Value;
    Repaint();
}

void TCellProperties::SetWordWrap(bool Value)
{
    m_wordWrap = Value;
    Repaint();
}

void TCellProperties::Repaint() const
{
    if (m_ownerGrid) m_ownerGrid->RepaintCell(OwnerCol, OwnerRow);
}

}  // namespace gw
