// TExtStringGrid: the rich edits - the hidden converter between cell text and rich text (which
// also renders rich-text cells), and the in-place editor of rich-text cells with its opening and
// commit.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/text_utils.h"
#include "grid/interaction/ext_rich_edit.h"
#include "grid/model/cell_paint_geometry.h"
#include "grid/model/cell_rich_text.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/edit_messages.h"
#include "platform/controls/rich_edit.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/streams.h"
#include "platform/ui/window_system.h"

namespace gw {

TExtRichEdit* TExtStringGrid::RichEdit()
{
    if (HiddenRichEdit) return HiddenRichEdit;
    // Hidden, sizeless and borderless: it only converts and measures.
    HiddenRichEdit = new TExtRichEdit(this);
    HiddenRichEdit->SetVisible(false);
    HiddenRichEdit->SetBorderStyle(bsNone);
    HiddenRichEdit->SetBounds(0, 0, 0, 0);
    HiddenRichEdit->SetParent(this);
    return HiddenRichEdit;
}

TExtRichEdit* TExtStringGrid::InplaceRichEditor()
{
    if (InplaceRichEdit) return InplaceRichEdit;
    InplaceRichEdit = new TExtRichEdit(this);
    InplaceRichEdit->SetVisible(false);
    InplaceRichEdit->SetParent(this);
    InplaceRichEdit->OnSelectionChange = [this](TObject*) {
        if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
    };
    return InplaceRichEdit;
}

void TExtStringGrid::CellToRich(Integer ACol, Integer ARow, TExtRichEdit* Richeditor)
{
    const String text = GetCellEx(ACol, ARow);
    if (text.empty()) {
        Richeditor->Clear();
        return;
    }
    TMemoryStream stream;
    const std::string bytes = CellTextToRtfBytes(text);
    stream.Write(bytes.data(), Integer(bytes.size()));
    stream.SetPosition(0);
    Richeditor->Lines()->LoadFromStream(&stream);
}

String TExtStringGrid::RichToString(TExtRichEdit* Richeditor)
{
    if (FDestroying) return {};
    TMemoryStream stream;
    Richeditor->Lines()->SaveToStream(&stream);
    return RtfBytesToCellText(stream.Bytes());
}

void TExtStringGrid::RichToCell(Integer ACol, Integer ARow, TExtRichEdit* Richeditor)
{
    SetCellEx(ACol, ARow, RichToString(Richeditor));
}

void TExtStringGrid::DrawRichCell(Integer ACol, Integer ARow, const TRect& ARect, TCanvas& ACanvas)
{
    if (IsDesigning()) return;
    TExtRichEdit& rich = *RichEdit();
    CellToRich(ACol, ARow, &rich);
    const TMouseActions& mouse = *m_mouseActions;
    const Integer selRow = mouse.RowSelectPersistent ? RealRowIndex(ARow) : ARow;
    const bool focusedCurrent = ARow == Row() && ACol == Col() && Focused() && !(Options() & goDrawFocusSelected);
    const bool selected = (CellInGridRect(Selection(), ACol, ARow) && !focusedCurrent && !mouse.DisjunctRowSelect()) ||
        (mouse.DisjunctRowSelect() && GetRowSelect(selRow)) || (mouse.DisjunctColSelect() && GetColSelect(ACol));
    if (selected && !SelectionRTFKeep && m_selectionTextColor != clNone) {
        rich.SelectAll();
        rich.SelAttributes()->SetColor(m_selectionTextColor);
    }
    TFormatRange range;
    range.hdc = &ACanvas;
    range.hdcTarget = &ACanvas;
    range.rc = RichFormatRect(ARect, GetDeviceCaps(ACanvas, LOGPIXELSX), GetDeviceCaps(ACanvas, LOGPIXELSY), XYOffset);
    range.rcPage = range.rc;
    range.chrg = {0, -1};
    rich.Perform(EM_FORMATRANGE, 1, LPARAM(&range));
    rich.Perform(EM_FORMATRANGE, 0, 0);
}

void TExtStringGrid::OpenRichEditor(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour)
{
    FEditMode = true;
    TExtRichEdit& editor = *InplaceRichEditor();
    editor.ReCreate();
    editor.ResetEscaped();
    editor.SetBorderStyle(bsNone);
    editor.SetHideSelection(false);
    editor.SetBounds(Cell.Left, Cell.Top, Cell.Right - Cell.Left, Cell.Bottom - Cell.Top);
    const Integer real = RealColIndex(ACol);
    DoGetEditorProp(real, ARow);
    editor.Lock();
    CellToRich(real, ARow, &editor);
    if (Navigation()->EditSelectAll) editor.SelectAll();
    editor.SetVisible(true);
    editor.SetEnabled(true);
    TRect format = Rect(2, 2, Cell.Right - Cell.Left - 2, Cell.Bottom - Cell.Top - 2);
    editor.Perform(EM_SETRECT, 0, LPARAM(&format));
    editor.SetColor(Colour);
    if (editor.CanFocus()) editor.SetFocus();
    PostStartChar(editor);
    editor.Unlock();
}

void TExtStringGrid::CommitRichEditor()
{
    TExtRichEdit& editor = *InplaceRichEditor();
    WriteEditedCell(editor.Escaped() ? FCellCache : RichToString(&editor));
    if (editor.Focused() && CanFocus()) SetFocus();
    editor.SetEnabled(false);
    editor.SetVisible(false);
    FEditMode = false;
}

}  // namespace gw
