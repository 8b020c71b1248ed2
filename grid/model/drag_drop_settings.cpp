// Drag-and-drop settings: the copy rule and the drop-target registration.
#include "grid/model/drag_drop_settings.h"

namespace gw {

void TDragDropSettings::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TDragDropSettings*>(Source);
    if (!from) return;
    ShowCells = from->ShowCells;
    OleAcceptFiles = from->OleAcceptFiles;
    OleAcceptText = from->OleAcceptText;
    OleAcceptURLs = from->OleAcceptURLs;
    OleAppendRows = from->OleAppendRows;
    OleColumnDragDrop = from->OleColumnDragDrop;
    OleColumnReorder = from->OleColumnReorder;
    OleColumnsOnly = from->OleColumnsOnly;
    OleCopyAlways = from->OleCopyAlways;
    m_oleDropTarget = from->m_oleDropTarget;
    OleDropSource = from->OleDropSource;
    OleEntireRows = from->OleEntireRows;
    OleInsertRows = from->OleInsertRows;
    OleRemoveRows = from->OleRemoveRows;
    m_oleDropRTF = from->m_oleDropRTF;
}

void TDragDropSettings::SetOleDropTarget(bool Value)
{
    m_oleDropTarget = Value;
    if (!FGrid) return;
    auto* component = dynamic_cast<TComponent*>(FGrid);
    if (component && (component->ComponentState() & csDesigning)) return;
    if (Value) {
        // A second registration of the same window fails and would lose the first one.
        if (!m_registered) m_registered = FGrid->RegisterDropTarget();
    } else if (m_registered) {
        FGrid->RevokeDropTarget();
        m_registered = false;
    }
}

void TDragDropSettings::SetOleDropRTF(bool Value)
{
    if (FGrid) FGrid->SetOleRtfAcceptFlag(Value);
    m_oleDropRTF = Value;
}

}  // namespace gw
