// TExtInplaceEdit: the string grid's text editor - the base grid's in-place editor with the
// cell's character rules, validation on the keys and focus changes that leave the cell, guarded
// clipboard, lookup completion and the grid's length limit.
#pragma once

#include "platform/grids/inplace_edit.h"

namespace gw {

class TExtStringGrid;

// Made once by the grid (CreateEditor) and reused for every text edit. It talks back only
// through the grid's edit operations: ValidateCell, HideInplaceEdit, SelectCell, DoEditingDone,
// KeyPress and the current cell.
class TExtInplaceEdit : public TInplaceEdit {
public:
    explicit TExtInplaceEdit(TExtStringGrid* AGrid);
    String ClassName() const override { return u"TExtInplaceEdit"; }

    void Dispatch(TMessage& Message) override;
    void UpdateContents() override;

    // Below 1: no limit. Full width: 40,000 is a limit of 40,000.
    Integer LengthLimit() const { return m_lengthLimit; }
    void SetLengthLimit(Integer Value) { m_lengthLimit = Value; }
    // Right-aligned text (the cell's alignment), set whenever the grid hands over a text.
    bool VAlign() const { return m_vAlign; }
    void SetVAlign(bool Value);
    // Lookup completion of the text before the caret.
    void DoChange();

protected:
    // With right-to-left reading the editor stands one pixel right of the cell's left edge (its
    // right edge kept), as the special editors do.
    void BoundsChanged() override;
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void Change() override;
    LRESULT DialogCode() const override;

private:
    void WMChar(TMessage& Message);
    void WMKeyDown(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMPaste(TMessage& Message);
    void WMCopyCut(TMessage& Message);
    void WMSysKey(TMessage& Message);
    void WMLButtonDblClk(TMessage& Message);
    // WM_KEYDOWN's validating keys; true when the key is done with.
    bool ValidatingKeyDown(Word Key, TShiftState Shift);
    void CaretToPointer();
    // After a refused value: the text validation left, selected or with the caret at the end.
    void ShowRefusedText(const String& OldCellText);
    // Left at the start or Right at the end of the text: on to the neighbour cell.
    void WalkOut(Word& Key, bool Forward);
    void CaretToEnd();
    bool TakesCtrlEnter() const;
    // The sizes that follow the typed text (the grid's SizeWhileTyping).
    void GrowRowForNewLine();
    void SizeToTypedText();
    bool NothingSelected() const { return SelLength() == 0; }

    TExtStringGrid* m_grid;
    Integer m_selKeyDown = 0;
    Integer m_oldSelStart = 0;
    Integer m_lengthLimit = 0;
    bool m_vAlign = false;
    bool m_wordWrap = false;
    bool m_gotFocus = false;
    bool m_workmode = true;
    bool m_altBack = false;
    Integer m_colE = -1;
    Integer m_rowE = -1;
};

}  // namespace gw
