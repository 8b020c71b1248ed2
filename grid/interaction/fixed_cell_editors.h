// TGridTransEdit and TGridTransCombo: the editors of a fixed (header) cell's text. The grid's
// fixed-cell handling places one over the cell and fills it; the editor validates its text and
// writes it back itself when the focus leaves it.
#pragma once

#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"

namespace gw {

class TExtStringGrid;

// What both fixed-cell editors share: the cell they edit and the validated write-back.
class TFixedCellEdit {
public:
    explicit TFixedCellEdit(TComponent* AOwner);

    Integer Row() const { return m_row; }
    void SetRow(Integer Value) { m_row = Value; }
    // A real column index.
    Integer Col() const { return m_col; }
    void SetCol(Integer Value) { m_col = Value; }

protected:
    // OnCellValidate may change and refuse Text: stored and hidden (true), or refused with the
    // grid's cursor on the cell and Editor focused again (false, nothing stored).
    bool StopEdit(TWinControl& Editor, const String& Text);

private:
    TExtStringGrid* m_grid;
    Integer m_row = 0;
    Integer m_col = 0;
};

class TGridTransEdit : public TCustomEdit, public TFixedCellEdit {
public:
    explicit TGridTransEdit(TComponent* AOwner);
    String ClassName() const override { return u"TGridTransEdit"; }
    bool StopEdit() { return TFixedCellEdit::StopEdit(*this, Text()); }

protected:
    void KeyPress(Char& Key) override;
    void DoExit() override;
};

class TGridTransCombo : public TCustomComboBox, public TFixedCellEdit {
public:
    explicit TGridTransCombo(TComponent* AOwner);
    String ClassName() const override { return u"TGridTransCombo"; }
    bool StopEdit() { return TFixedCellEdit::StopEdit(*this, Text()); }

protected:
    void KeyPress(Char& Key) override;
    void DoExit() override;
};

}  // namespace gw
