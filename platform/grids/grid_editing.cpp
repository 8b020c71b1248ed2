// TCustomGrid: the in-place editor's life - when it shows, which cell it holds, when its text
// goes back to the cell, and how it leaves.
#include "platform/grids/custom_grid.h"

#include "platform/grids/inplace_edit.h"
#include "platform/ui/window_system.h"

namespace gw {

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow() const
{
    return (m_options & (goEditing | goRowSelect)) == goEditing && m_editorMode && HandleAllocated() &&
        !(ComponentState() & csDesigning) && ((m_options & goAlwaysShowEditor) || IsActiveControl());
}

bool TCustomGrid::CanEditModify() const { return true; }

String TCustomGrid::GetEditText(Integer /*ACol*/, Integer /*ARow*/) { return {}; }

void TCustomGrid::SetEditText(Integer /*ACol*/, Integer /*ARow*/, const String& /*Value*/) {}

String TCustomGrid::GetEditMask(Integer /*ACol*/, Integer /*ARow*/) { return {}; }

Integer TCustomGrid::GetEditLimit() { return 0; }

void TCustomGrid::SetEditorMode(bool Value)
{
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor()
{
    // A grid that edits no cell (or only whole rows) never enters editor mode.
    if ((m_options & (goEditing | goRowSelect)) != goEditing) return;
    m_editorMode = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor()
{
    m_editorMode = false;
    HideEdit();
}

void TCustomGrid::ShowEditorChar(Char Ch)
{
    ShowEditor();
    // The character reaches the editor after it has the focus, as typed there.
    if (m_inplaceEdit && m_inplaceEdit->Visible() && m_inplaceEdit->HandleAllocated())
        PostMessage(m_inplaceEdit->HandleIfAllocated(), WM_CHAR, Ch, 0);
}

void TCustomGrid::UpdateEditor()
{
    if (m_inplaceEdit && m_inplaceCell.X >= 0 && m_inplaceCell == m_current) {
        m_inplaceEdit->UpdateContents();
        PlaceEditor();
    } else {
        UpdateEdit();
    }
}

void TCustomGrid::UpdateEdit()
{
    if (!CanEditShow()) return;
    if (!m_inplaceEdit) {
        m_inplaceEdit = CreateEditor();
        m_inplaceEdit->SetParent(this);
    }
    if (m_inplaceCell != m_current) {
        // An editor still holding another cell's text gives it back first.
        UpdateText();
        m_inplaceCell = m_current;
        m_inplaceEdit->UpdateContents();
    }
    PlaceEditor();
}

void TCustomGrid::PlaceEditor()
{
    if (!m_inplaceEdit || m_inplaceCell.X < 0) return;
    const TRect r = CellRect(m_inplaceCell.X, m_inplaceCell.Y);
    if (!m_editorMode || IsRectEmpty(r)) {
        // Scrolled out of view: the editor keeps its text and hides until the cell shows again.
        if (m_inplaceEdit->Visible()) {
            if (m_inplaceEdit->Focused() && CanFocus()) SetFocus();
            m_inplaceEdit->Hide();
        }
        return;
    }
    const bool focus = Focused();
    m_inplaceEdit->Move(r);
    if (focus) m_inplaceEdit->SetFocus();
}

void TCustomGrid::UpdateText()
{
    if (!m_inplaceEdit || m_inplaceCell.X < 0 || !m_inplaceEdit->Modified()) return;
    SetEditText(m_inplaceCell.X, m_inplaceCell.Y, m_inplaceEdit->Text());
    m_inplaceEdit->SetModified(false);
}

void TCustomGrid::HideEdit()
{
    if (!m_inplaceEdit || IsDestroying()) return;
    // A masked text must be complete before it goes back (EDBEditError leaves the editor open).
    if (m_inplaceCell.X >= 0 && m_inplaceEdit->Modified() && m_inplaceEdit->IsMasked()) m_inplaceEdit->ValidateEdit();
    UpdateText();
    m_inplaceCell = {-1, -1};
    if (m_inplaceEdit->Visible()) {
        // The focus stays in the grid when the editor had it.
        if (m_inplaceEdit->Focused() && CanFocus()) SetFocus();
        m_inplaceEdit->Hide();
    }
}

void TCustomGrid::CancelEdit()
{
    if (!m_inplaceEdit || m_inplaceCell.X < 0) return;
    if (m_options & goAlwaysShowEditor) {
        m_inplaceEdit->UpdateContents();
        return;
    }
    // The text typed is dropped: nothing goes back to the cell.
    m_inplaceEdit->SetModified(false);
    HideEditor();
}

void TCustomGrid::DoExit()
{
    if (!(m_options & goAlwaysShowEditor)) HideEditor();
    TCustomControl::DoExit();
}

// The editor going (freed with the grid's children, or by someone else) leaves no dangling
// reference behind.
void TCustomGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_inplaceEdit) {
        m_inplaceEdit = nullptr;
        m_inplaceCell = {-1, -1};
        m_editorMode = false;
    }
}

}  // namespace gw
