// TControlEdit and TControlCombo: Tab claimed, Enter and Tab ending the mark-up element's edit.
#include "grid/interaction/markup_control_editors.h"

#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"

namespace gw {

namespace {

void RunExit(TWinControl& Editor)
{
    if (auto* edit = dynamic_cast<TControlEdit*>(&Editor)) edit->Exit();
    if (auto* combo = dynamic_cast<TControlCombo*>(&Editor)) combo->Exit();
}

// Tab is the editor's own key (it moves to the next element); Enter is left to the dialog.
bool ClaimsSpecialKey(TMessage& M)
{
    if (M.Msg != CM_WANTSPECIALKEY || Word(M.WParam) != VK_TAB) return false;
    M.Result = 1;
    return true;
}

}  // namespace

bool MarkupEditorEndKey(TWinControl& Editor, Char& Key)
{
    auto* grid = dynamic_cast<TExtStringGrid*>(Editor.Parent());
    if (!grid || (Key != VK_RETURN && Key != VK_TAB)) return false;
    const Char key = Key;
    Key = 0;
    RunExit(Editor);
    if (key == VK_RETURN) {
        if (grid->CanFocus()) grid->SetFocus();
        return true;
    }
    if (grid->Navigation()->AdvanceAuto()) {
        grid->AdvanceToNextCell(grid->Col(), grid->GetRowEx(), true, false, true, false, true);
        return true;
    }
    // The element's own cell, which a press on it does not make current.
    const TPoint cell = grid->FCtrlXY;
    grid->ShowNextControlEditor(grid->DisplColIndex(cell.X), cell.Y, grid->FCtrlID);
    return true;
}

void TControlEdit::Dispatch(TMessage& M)
{
    if (ClaimsSpecialKey(M)) return;
    TMaskEdit::Dispatch(M);
}

void TControlEdit::KeyPress(Char& Key)
{
    if (MarkupEditorEndKey(*this, Key)) return;
    TMaskEdit::KeyPress(Key);
}

void TControlCombo::Dispatch(TMessage& M)
{
    if (ClaimsSpecialKey(M)) return;
    TEsgComboBox::Dispatch(M);
}

void TControlCombo::KeyPress(Char& Key)
{
    if (MarkupEditorEndKey(*this, Key)) return;
    TEsgComboBox::KeyPress(Key);
}

}  // namespace gw
