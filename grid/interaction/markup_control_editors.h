// TControlEdit and TControlCombo: the editors of one input element of a cell's mark-up text (an
// EDIT, PASSWORD, MASK or COMBO control tag). The grid's mouse handling places and fills them and
// wires their exit, through which it writes the value into the mark-up; Enter and Tab end them.
#pragma once

#include "grid/foundation/esg_combo.h"
#include "platform/controls/mask_edit.h"

namespace gw {

class TWinControl;

// Enter and Tab in a mark-up editor, when its parent is a string grid: the editor's exit
// handling (which stores the value), then for Enter the grid takes the focus; for Tab the grid
// moves on to the next cell (Navigation.AdvanceAuto) or to the cell's next edit-type element.
// False, with nothing done, for other characters and without a grid.
bool MarkupEditorEndKey(TWinControl& Editor, Char& Key);

class TControlEdit : public TMaskEdit {
public:
    explicit TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {}
    String ClassName() const override { return u"TControlEdit"; }
    void Dispatch(TMessage& Message) override;
    // The exit handling, run by Enter and Tab too.
    void Exit() { DoExit(); }

protected:
    void KeyPress(Char& Key) override;
};

class TControlCombo : public TEsgComboBox {
public:
    explicit TControlCombo(TComponent* AOwner) : TEsgComboBox(AOwner) {}
    String ClassName() const override { return u"TControlCombo"; }
    void Dispatch(TMessage& Message) override;
    void Exit() { DoExit(); }

protected:
    void KeyPress(Char& Key) override;
};

}  // namespace gw
