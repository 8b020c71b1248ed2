// TInplaceEdit: the grid's editor, a masked edit without a border laid over the current cell.
#pragma once

#include "platform/controls/mask_edit.h"

namespace gw {

class TCustomGrid;

// Made once by the grid's CreateEditor, owned by the grid and its child window. It takes the
// cell's text, mask and length limit from the grid (UpdateContents) and hands the keys that
// leave the cell to the grid: Up, Down, Page Up, Page Down, Tab, F2 and Escape always; Left,
// Right, Home and End at the ends of the text (or with Ctrl) when the editor always shows.
// Enter goes to the grid's key press, which closes the editor. The grid's OnKeyDown and
// OnKeyPress see every key typed here.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TCustomGrid* AGrid);
    String ClassName() const override { return u"TInplaceEdit"; }

    TCustomGrid* Grid() const { return m_grid; }
    // Takes the current cell's text (GetEditText), mask and length limit, and selects it all.
    virtual void UpdateContents();
    // Lays the editor over a cell rectangle (then BoundsChanged) and shows it.
    void Move(const TRect& Loc);
    // Puts the caret at the end of the text, selecting nothing.
    void Deselect();

protected:
    // Runs each time Move laid the editor over its cell, before it shows: a descendant may adjust
    // its place on the cell.
    virtual void BoundsChanged() {}
    void CreateParams(TCreateParams& Params) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    LRESULT DialogCode() const override;

private:
    // The key goes to the grid's key-down handling instead of the text.
    void SendToGrid(Word& Key, TShiftState Shift);
    bool CaretAtStart() const;
    bool CaretAtEnd() const;

    TCustomGrid* m_grid;
};

}  // namespace gw
