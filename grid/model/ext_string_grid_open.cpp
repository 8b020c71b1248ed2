// The string grid's members whose behaviour is not built yet. Each raises ENotBuiltYet naming
// itself; the change that builds a member moves its body to the file of its concern
// (docs/ARCHITECTURE.md, "The string grid's rooms").
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/unicode.h"

namespace gw {

void TExtStringGrid::NotBuiltYet(const char* Member)
{
    throw ENotBuiltYet(u"TExtStringGrid." + Utf8ToString(Member) + u" is not built yet");
}

// --- overrides of the base grid's hooks: the base grid's behaviour until their room builds them ---
void TExtStringGrid::CellChanged(Integer ACol, Integer ARow) { TBaseGrid::CellChanged(ACol, ARow); }
bool TExtStringGrid::HasCustomBorders() const { return TBaseGrid::HasCustomBorders(); }
void TExtStringGrid::GetDisplText(Integer ACol, Integer ARow, String& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
}
void TExtStringGrid::KeyDown(Word& Key, TShiftState Shift) { TBaseGrid::KeyDown(Key, Shift); }
void TExtStringGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) { TBaseGrid::MouseMove(Shift, X, Y); }
void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TBaseGrid::MouseUp(Button, Shift, X, Y);
}

// --- not built yet ----------------------------------------------------------------------------
TForm* TExtStringGrid::FindParentForm(TControl* /*Control*/) const { NotBuiltYet("FindParentForm"); }
bool TExtStringGrid::RegisterDropTarget() { NotBuiltYet("RegisterDropTarget"); }
void TExtStringGrid::RevokeDropTarget() { NotBuiltYet("RevokeDropTarget"); }
void TExtStringGrid::SetOleRtfAcceptFlag(bool /*Value*/) { NotBuiltYet("SetOleRtfAcceptFlag"); }
void TExtStringGrid::AppendRow() { NotBuiltYet("AppendRow"); }
void TExtStringGrid::KeepLastRowAboveSearchPanel() { NotBuiltYet("KeepLastRowAboveSearchPanel"); }
void TExtStringGrid::HideSelection() { NotBuiltYet("HideSelection"); }
void TExtStringGrid::UnHideSelection() { NotBuiltYet("UnHideSelection"); }
void TExtStringGrid::BuildSearchFooter() { NotBuiltYet("BuildSearchFooter"); }
void TExtStringGrid::ShowFocusWindow() { NotBuiltYet("ShowFocusWindow"); }
void TExtStringGrid::HideFocusWindow() { NotBuiltYet("HideFocusWindow"); }
void TExtStringGrid::MoveFocusWindow() { NotBuiltYet("MoveFocusWindow"); }
void TExtStringGrid::BalloonInit() { NotBuiltYet("BalloonInit"); }
void TExtStringGrid::BalloonDone() { NotBuiltYet("BalloonDone"); }
TInplaceEdit* TExtStringGrid::NormalEdit() { NotBuiltYet("NormalEdit"); }
TExtRichEdit* TExtStringGrid::RichEdit() { NotBuiltYet("RichEdit"); }
TGridDateTimePicker* TExtStringGrid::DateAndTimePicker() { NotBuiltYet("DateAndTimePicker"); }
void TExtStringGrid::CopySelectionToClipboard() { NotBuiltYet("CopySelectionToClipboard"); }
void TExtStringGrid::CutSelectionToClipboard() { NotBuiltYet("CutSelectionToClipboard"); }
void TExtStringGrid::PasteSelectionFromClipboard() { NotBuiltYet("PasteSelectionFromClipboard"); }
void TExtStringGrid::SaveToStream(TStream* /*Stream*/) { NotBuiltYet("SaveToStream"); }
void TExtStringGrid::LoadFromStream(TStream* /*Stream*/) { NotBuiltYet("LoadFromStream"); }
void TExtStringGrid::SaveRectToBinStream(const TGridRect& /*R*/, TStream* /*Stream*/)
{
    NotBuiltYet("SaveRectToBinStream");
}
void TExtStringGrid::CellToRich(Integer /*ACol*/, Integer /*ARow*/, TExtRichEdit* /*Richeditor*/)
{
    NotBuiltYet("CellToRich");
}
void TExtStringGrid::SearchEditChanged(TObject* /*Sender*/, const String& /*Value*/)
{
    NotBuiltYet("SearchEditChanged");
}
void TExtStringGrid::SearchBackwardClick(TObject* /*Sender*/) { NotBuiltYet("SearchBackwardClick"); }
void TExtStringGrid::SearchForwardClick(TObject* /*Sender*/) { NotBuiltYet("SearchForwardClick"); }
void TExtStringGrid::SearchCloseClick(TObject* /*Sender*/) { NotBuiltYet("SearchCloseClick"); }
void TExtStringGrid::SearchHighlightClick(TObject* /*Sender*/) { NotBuiltYet("SearchHighlightClick"); }
void TExtStringGrid::DoClickSort(Integer /*ACol*/) { NotBuiltYet("DoClickSort"); }
bool TExtStringGrid::CanShowFixedDropDown(Integer /*ACol*/) { NotBuiltYet("CanShowFixedDropDown"); }
void TExtStringGrid::DoPrintGetPageNum(Integer /*APage*/, String& /*PageNumStr*/) { NotBuiltYet("DoPrintGetPageNum"); }
void TExtStringGrid::PaintDesignHelper() { NotBuiltYet("PaintDesignHelper"); }
void TExtStringGrid::DesignHelperClick(Integer /*Item*/) { NotBuiltYet("DesignHelperClick"); }
Integer TExtStringGrid::DesignHelperHitTest(Integer /*X*/, Integer /*Y*/) { NotBuiltYet("DesignHelperHitTest"); }
void TExtStringGrid::SetCellWithUndo(Integer /*ACol*/, Integer /*ARow*/, const String& /*Value*/)
{
    NotBuiltYet("SetCellWithUndo");
}
void TExtStringGrid::AllCellsChanged() { NotBuiltYet("AllCellsChanged"); }
void TExtStringGrid::AdjustSelectAllRect(TGridRect& /*R*/) { NotBuiltYet("AdjustSelectAllRect"); }
void TExtStringGrid::GoToFirstRow() { NotBuiltYet("GoToFirstRow"); }
bool TExtStringGrid::UseFormattedClipboard() { NotBuiltYet("UseFormattedClipboard"); }
void TExtStringGrid::ApplyFilterCheckList(Integer /*ItemIndex*/) { NotBuiltYet("ApplyFilterCheckList"); }
void TExtStringGrid::PasteStarting() { NotBuiltYet("PasteStarting"); }
void TExtStringGrid::PasteFinished() { NotBuiltYet("PasteFinished"); }
void TExtStringGrid::MarkPastedRowsModified(const TGridRect& /*R*/) { NotBuiltYet("MarkPastedRowsModified"); }

}  // namespace gw
