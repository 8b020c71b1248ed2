// TExtRichEdit: the grid's rich edit - the in-place editor of rich-text cells and the hidden
// converter between cell text and rich text. Sub- and superscript on the selection, Tab and the
// arrows handed to the grid, and the row grown to the content while typing.
#pragma once

#include "grid/interaction/editor_grid_access.h"
#include "platform/controls/rich_edit.h"

namespace gw {

class TExtStringGrid;

class TExtRichEdit : public TRichEdit, public TEscapeMark {
public:
    explicit TExtRichEdit(TComponent* AOwner);
    String ClassName() const override { return u"TExtRichEdit"; }
    void Dispatch(TMessage& Message) override;
    void ReCreate();

    // The vertical offset of the selected characters, in twips: 0, -40, +40.
    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() { return SelOffset() == 0; }
    bool IsSelSubscript() { return SelOffset() == -40; }
    bool IsSelSuperscript() { return SelOffset() == 40; }

    // While locked (the grid loading a cell into it) a size request does not grow the row.
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }
    // The size the content needs, as the converter instance last heard it.
    Integer ReqWidth() const { return FReqWidth; }
    Integer ReqHeight() const { return FReqHeight; }

protected:
    LRESULT DialogCode() const override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    void SetSelOffset(Integer Offset);
    Integer SelOffset();
    void KillFocus(TMessage& Message);
    // False when the in-place instance has no window yet: then nothing more is done.
    bool ResizeRequested(const TRect& Requested);

    TExtStringGrid* FGrid = nullptr;
    Integer FReqWidth = 0;
    Integer FReqHeight = 0;
    bool FLocked = false;
};

}  // namespace gw
