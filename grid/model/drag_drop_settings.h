// What the grid allows in drag and drop, within itself and with other programs (OLE).
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/runtime/component.h"

namespace gw {

class TDragDropSettings : public TPersistent {
public:
    explicit TDragDropSettings(TSettingsGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return u"TDragDropSettings"; }
    // From other drag-and-drop settings only (anything else is ignored): all fifteen flags,
    // without running the setters, so nothing is registered or revoked.
    void Assign(TPersistent* Source) override;

    bool ShowCells = true;
    bool OleAcceptFiles = true;
    bool OleAcceptText = true;
    bool OleAcceptURLs = true;
    bool OleAppendRows = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool OleCopyAlways = false;
    // Stores the value; outside design time, true registers the grid's window as a drop target
    // and false revokes a registration that succeeded.
    bool OleDropTarget() const { return m_oleDropTarget; }
    void SetOleDropTarget(bool Value);
    bool OleDropSource = false;
    bool OleEntireRows = false;
    bool OleInsertRows = false;
    bool OleRemoveRows = false;
    // Passes the value to the drag-and-drop layer's rich-text acceptance first, then stores it.
    bool OleDropRTF() const { return m_oleDropRTF; }
    void SetOleDropRTF(bool Value);

    // The grid's window is registered as a drop target (the registration succeeded and has not
    // been revoked): the grid revokes it when its window goes.
    bool DropTargetRegistered() const { return m_registered; }

private:
    TSettingsGrid* FGrid;
    bool m_oleDropTarget = false;
    bool m_oleDropRTF = false;
    bool m_registered = false;
};

}  // namespace gw
