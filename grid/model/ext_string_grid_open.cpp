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
void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TBaseGrid::Notification(AComponent, Operation);
}
void TExtStringGrid::CellChanged(Integer ACol, Integer ARow) { TBaseGrid::CellChanged(ACol, ARow); }
bool TExtStringGrid::HasCustomBorders() const { return TBaseGrid::HasCustomBorders(); }
void TExtStringGrid::GetDisplText(Integer ACol, Integer ARow, String& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
}
Integer TExtStringGrid::RowNodeIndent(Integer ARow) const { return TBaseGrid::RowNodeIndent(ARow); }
bool TExtStringGrid::HasNodes() const { return TBaseGrid::HasNodes(); }
void TExtStringGrid::HiddenLastRowChanged() { TBaseGrid::HiddenLastRowChanged(); }
bool TExtStringGrid::IsFixed(Integer ACol, Integer ARow) const { return TBaseGrid::IsFixed(ACol, ARow); }
void TExtStringGrid::Paint() { TBaseGrid::Paint(); }
void TExtStringGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    TBaseGrid::DrawCell(ACol, ARow, ARect, AState);
}
void TExtStringGrid::ColWidthsChanged() { TBaseGrid::ColWidthsChanged(); }
void TExtStringGrid::RowHeightsChanged() { TBaseGrid::RowHeightsChanged(); }
void TExtStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) { TBaseGrid::ColumnMoved(FromIndex, ToIndex); }
void TExtStringGrid::RowMoved(Integer FromIndex, Integer ToIndex) { TBaseGrid::RowMoved(FromIndex, ToIndex); }
void TExtStringGrid::SizeChanged(Integer OldColCount, Integer OldRowCount)
{
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}
void TExtStringGrid::KeyDown(Word& Key, TShiftState Shift) { TBaseGrid::KeyDown(Key, Shift); }
void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TBaseGrid::MouseDown(Button, Shift, X, Y);
}
void TExtStringGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) { TBaseGrid::MouseMove(Shift, X, Y); }
void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TBaseGrid::MouseUp(Button, Shift, X, Y);
}
bool TExtStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return TBaseGrid::DoMouseWheelDown(Shift, MousePos);
}
bool TExtStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return TBaseGrid::DoMouseWheelUp(Shift, MousePos);
}
void TExtStringGrid::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)
{
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

// --- not built yet ----------------------------------------------------------------------------
void TExtStringGrid::Assign(TPersistent* /*Source*/) { NotBuiltYet("Assign"); }
void TExtStringGrid::AssignCells(TPersistent* /*Source*/) { NotBuiltYet("AssignCells"); }
TForm* TExtStringGrid::FindParentForm(TControl* /*Control*/) const { NotBuiltYet("FindParentForm"); }
void TExtStringGrid::SetRowIndicator(TBitmap* /*Value*/) { NotBuiltYet("SetRowIndicator"); }
void TExtStringGrid::SetProgressAppearance(TGridProgressAppearance* /*Value*/) { NotBuiltYet("SetProgressAppearance"); }
void TExtStringGrid::RepaintActiveHeaders(Integer /*OldCol*/, Integer /*OldRow*/, Integer /*NewCol*/,
                                          Integer /*NewRow*/)
{
    NotBuiltYet("RepaintActiveHeaders");
}
void TExtStringGrid::StretchRightColumn() { NotBuiltYet("StretchRightColumn"); }
bool TExtStringGrid::RegisterDropTarget() { NotBuiltYet("RegisterDropTarget"); }
void TExtStringGrid::RevokeDropTarget() { NotBuiltYet("RevokeDropTarget"); }
void TExtStringGrid::SetOleRtfAcceptFlag(bool /*Value*/) { NotBuiltYet("SetOleRtfAcceptFlag"); }
void TExtStringGrid::SetLook(TGridLook /*Value*/) { NotBuiltYet("SetLook"); }
String TExtStringGrid::GetLookName(TGridLook /*Value*/) const { NotBuiltYet("GetLookName"); }
void TExtStringGrid::SetStyle(TZEQStyle /*AStyle*/) { NotBuiltYet("SetStyle"); }
void TExtStringGrid::SetComponentStyle(TZEQStyle /*AStyle*/) { NotBuiltYet("SetComponentStyle"); }
void TExtStringGrid::AdaptToOfficeTheme() { NotBuiltYet("AdaptToOfficeTheme"); }
void TExtStringGrid::SetFlat(bool /*Value*/) { NotBuiltYet("SetFlat"); }
void TExtStringGrid::PaintColoredBorder() { NotBuiltYet("PaintColoredBorder"); }
void TExtStringGrid::SetScrollType(TScrollType /*Value*/) { NotBuiltYet("SetScrollType"); }
void TExtStringGrid::SetScrollColor(TColor /*Value*/) { NotBuiltYet("SetScrollColor"); }
void TExtStringGrid::SetScrollWidth(Integer /*Value*/) { NotBuiltYet("SetScrollWidth"); }
Integer TExtStringGrid::GetRealCol() const { NotBuiltYet("GetRealCol"); }
void TExtStringGrid::AppendRow() { NotBuiltYet("AppendRow"); }
void TExtStringGrid::ScrollInView(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("ScrollInView"); }
void TExtStringGrid::KeepLastRowAboveSearchPanel() { NotBuiltYet("KeepLastRowAboveSearchPanel"); }
void TExtStringGrid::HideColumn(Integer /*ColIndex*/) { NotBuiltYet("HideColumn"); }
void TExtStringGrid::UnHideColumn(Integer /*ColIndex*/) { NotBuiltYet("UnHideColumn"); }
void TExtStringGrid::UnHideColumnsAll() { NotBuiltYet("UnHideColumnsAll"); }
void TExtStringGrid::HideRows(Integer /*FromRow*/, Integer /*ToRow*/) { NotBuiltYet("HideRows"); }
bool TExtStringGrid::IsIgnoredColumn(Integer /*ACol*/) const { NotBuiltYet("IsIgnoredColumn"); }
void TExtStringGrid::ResetColumnOrder() { NotBuiltYet("ResetColumnOrder"); }
String TExtStringGrid::GetCellsEx(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetCellsEx"); }
void TExtStringGrid::SetCellsEx(Integer /*ACol*/, Integer /*ARow*/, const String& /*Value*/)
{
    NotBuiltYet("SetCellsEx");
}
TObject* TExtStringGrid::RealRowGridObject(Integer /*ACol*/, Integer /*ARow*/) const
{
    NotBuiltYet("RealRowGridObject");
}
void TExtStringGrid::SplitColumnCells(Integer /*ColIndex*/) { NotBuiltYet("SplitColumnCells"); }
void TExtStringGrid::MergeColumnCells(Integer /*ColIndex*/, bool /*MainMerge*/) { NotBuiltYet("MergeColumnCells"); }
void TExtStringGrid::SplitAllColumnCells() { NotBuiltYet("SplitAllColumnCells"); }
void TExtStringGrid::MergeAllColumnCells() { NotBuiltYet("MergeAllColumnCells"); }
TCellGraphic* TExtStringGrid::CreateCellGraphic(Integer /*ACol*/, Integer /*ARow*/)
{
    NotBuiltYet("CreateCellGraphic");
}
bool TExtStringGrid::RemoveCellGraphic(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("RemoveCellGraphic"); }
bool TExtStringGrid::HasControlGraphic(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasControlGraphic"); }
bool TExtStringGrid::HasDataGraphic(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasDataGraphic"); }
bool TExtStringGrid::HasCheckBox(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasCheckBox"); }
bool TExtStringGrid::GetCheckBoxState(Integer /*ACol*/, Integer /*ARow*/, bool& /*State*/)
{
    NotBuiltYet("GetCheckBoxState");
}
bool TExtStringGrid::IsChecked(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("IsChecked"); }
bool TExtStringGrid::HasRating(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasRating"); }
bool TExtStringGrid::HasExpand(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasExpand"); }
bool TExtStringGrid::ToggleExpand(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("ToggleExpand"); }
bool TExtStringGrid::HasScrollBar(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasScrollBar"); }
bool TExtStringGrid::HasAutoRangeScrollBar(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("HasAutoRangeScrollBar"); }
void TExtStringGrid::SetScrollProp(Integer /*ACol*/, Integer /*ARow*/, TPoint /*Prop*/)
{
    NotBuiltYet("SetScrollProp");
}
bool TExtStringGrid::IsComment(Integer /*ACol*/, Integer /*ARow*/, String& /*Comment*/) { NotBuiltYet("IsComment"); }
bool TExtStringGrid::IsInCheckBox(Integer /*ACol*/, Integer /*ARow*/, Integer /*X*/, Integer /*Y*/)
{
    NotBuiltYet("IsInCheckBox");
}
void TExtStringGrid::GetMarker(Integer /*ACol*/, Integer /*ARow*/, Integer& /*ErrLen*/, Integer& /*ErrPos*/)
{
    NotBuiltYet("GetMarker");
}
TStrings* TExtStringGrid::GetRadioStrings(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetRadioStrings"); }
bool TExtStringGrid::GetRadioIdx(Integer /*ACol*/, Integer /*ARow*/, Integer& /*Index*/) { NotBuiltYet("GetRadioIdx"); }
void TExtStringGrid::SetRadioIdx(Integer /*ACol*/, Integer /*ARow*/, Integer /*Index*/) { NotBuiltYet("SetRadioIdx"); }
void TExtStringGrid::SelectNextRadioItem(Integer /*ACol*/, Integer /*ARow*/, bool /*Check*/)
{
    NotBuiltYet("SelectNextRadioItem");
}
void TExtStringGrid::SetRadioButtonColumnIndex(Integer /*ACol*/, Integer /*Index*/)
{
    NotBuiltYet("SetRadioButtonColumnIndex");
}
Integer TExtStringGrid::GetImageIdx(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetImageIdx"); }
void TExtStringGrid::SetImageIdx(Integer /*ACol*/, Integer /*ARow*/, Integer /*Value*/) { NotBuiltYet("SetImageIdx"); }
TColor TExtStringGrid::GetShapeColor(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetShapeColor"); }
void TExtStringGrid::SetShapeColor(Integer /*ACol*/, Integer /*ARow*/, TColor /*Value*/)
{
    NotBuiltYet("SetShapeColor");
}
TIntList* TExtStringGrid::GetCellImages(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetCellImages"); }
TPoint TExtStringGrid::GetCellGraphicSize(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetCellGraphicSize"); }
TRect TExtStringGrid::CellButtonRect(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("CellButtonRect"); }
TRect TExtStringGrid::CellExpandRect(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("CellExpandRect"); }
void TExtStringGrid::PushButton(Integer /*ACol*/, Integer /*ARow*/, bool /*Down*/) { NotBuiltYet("PushButton"); }
bool TExtStringGrid::IsSummary(Integer /*ARow*/) { NotBuiltYet("IsSummary"); }
void TExtStringGrid::MarkSummaryRow(Integer /*ARow*/) { NotBuiltYet("MarkSummaryRow"); }
bool TExtStringGrid::GetReadOnly(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetReadOnly"); }
TAlignment TExtStringGrid::GetCellAlignment(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetCellAlignment"); }
TColor TExtStringGrid::GetColors(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetColors"); }
void TExtStringGrid::SetColors(Integer /*ACol*/, Integer /*ARow*/, TColor /*Value*/) { NotBuiltYet("SetColors"); }
void TExtStringGrid::SetColorsTo(Integer /*ACol*/, Integer /*ARow*/, TColor /*Value*/) { NotBuiltYet("SetColorsTo"); }
void TExtStringGrid::SetFontColors(Integer /*ACol*/, Integer /*ARow*/, TColor /*Value*/)
{
    NotBuiltYet("SetFontColors");
}
void TExtStringGrid::SetRowColor(Integer /*ARow*/, TColor /*Value*/) { NotBuiltYet("SetRowColor"); }
void TExtStringGrid::SetRowColorTo(Integer /*ARow*/, TColor /*Value*/) { NotBuiltYet("SetRowColorTo"); }
void TExtStringGrid::SetRowFontColor(Integer /*ARow*/, TColor /*Value*/) { NotBuiltYet("SetRowFontColor"); }
void TExtStringGrid::SetAlignments(Integer /*ACol*/, Integer /*ARow*/, TAlignment /*Value*/)
{
    NotBuiltYet("SetAlignments");
}
TSize TExtStringGrid::GetCellTextSize(Integer /*ACol*/, Integer /*ARow*/, bool /*VS*/, bool /*SB*/)
{
    NotBuiltYet("GetCellTextSize");
}
bool TExtStringGrid::IsRotated(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("IsRotated"); }
void TExtStringGrid::HilightInGrid(bool /*CaseSensitive*/, const String& /*Text*/) { NotBuiltYet("HilightInGrid"); }
void TExtStringGrid::HilightInCol(bool /*CaseSensitive*/, const String& /*Text*/, Integer /*ACol*/)
{
    NotBuiltYet("HilightInCol");
}
void TExtStringGrid::UnHilightInGrid() { NotBuiltYet("UnHilightInGrid"); }
void TExtStringGrid::UnHilightInCol(Integer /*ACol*/) { NotBuiltYet("UnHilightInCol"); }
bool TExtStringGrid::IsNode(Integer /*ARow*/) { NotBuiltYet("IsNode"); }
Integer TExtStringGrid::GetNodeLevel(Integer /*ARow*/) { NotBuiltYet("GetNodeLevel"); }
Integer TExtStringGrid::GetNodeSpan(Integer /*ARow*/) { NotBuiltYet("GetNodeSpan"); }
bool TExtStringGrid::GetNodeState(Integer /*ARow*/) { NotBuiltYet("GetNodeState"); }
Integer TExtStringGrid::GetParentRow(Integer /*ARow*/) { NotBuiltYet("GetParentRow"); }
void TExtStringGrid::ExpandNode(Integer /*ARow*/) { NotBuiltYet("ExpandNode"); }
void TExtStringGrid::ContractNode(Integer /*ARow*/) { NotBuiltYet("ContractNode"); }
void TExtStringGrid::ExpandAll() { NotBuiltYet("ExpandAll"); }
void TExtStringGrid::ContractAll() { NotBuiltYet("ContractAll"); }
void TExtStringGrid::RemoveAllNodes() { NotBuiltYet("RemoveAllNodes"); }
bool TExtStringGrid::IsOnNodeGlyph(Integer /*ARow*/, Integer /*X*/) { NotBuiltYet("IsOnNodeGlyph"); }
void TExtStringGrid::Group(Integer /*ColIndex*/) { NotBuiltYet("Group"); }
void TExtStringGrid::UnGroup() { NotBuiltYet("UnGroup"); }
void TExtStringGrid::InsertNormalRow(Integer /*ARow*/) { NotBuiltYet("InsertNormalRow"); }
void TExtStringGrid::InsertChildRow(Integer /*ARow*/, Integer /*InsertAt*/) { NotBuiltYet("InsertChildRow"); }
void TExtStringGrid::RemoveNormalRow(Integer /*ARow*/) { NotBuiltYet("RemoveNormalRow"); }
void TExtStringGrid::RemoveChildRow(Integer /*ARow*/) { NotBuiltYet("RemoveChildRow"); }
void TExtStringGrid::InsertRows(Integer /*ARow*/, Integer /*ACount*/, bool /*Update*/) { NotBuiltYet("InsertRows"); }
void TExtStringGrid::RemoveRows(Integer /*ARow*/, Integer /*ACount*/) { NotBuiltYet("RemoveRows"); }
void TExtStringGrid::RemoveRowsEx(Integer /*ARow*/, Integer /*ACount*/) { NotBuiltYet("RemoveRowsEx"); }
void TExtStringGrid::InsertCols(Integer /*ACol*/, Integer /*ACount*/) { NotBuiltYet("InsertCols"); }
void TExtStringGrid::RemoveCols(Integer /*ACol*/, Integer /*ACount*/) { NotBuiltYet("RemoveCols"); }
void TExtStringGrid::ClearRows(Integer /*ARow*/, Integer /*ACount*/) { NotBuiltYet("ClearRows"); }
void TExtStringGrid::ClearCols(Integer /*ACol*/, Integer /*ACount*/) { NotBuiltYet("ClearCols"); }
void TExtStringGrid::Clear() { NotBuiltYet("Clear"); }
void TExtStringGrid::ClearRect(Integer /*ACol1*/, Integer /*ARow1*/, Integer /*ACol2*/, Integer /*ARow2*/)
{
    NotBuiltYet("ClearRect");
}
void TExtStringGrid::MoveColumn(Integer /*FromIndex*/, Integer /*ToIndex*/) { NotBuiltYet("MoveColumn"); }
void TExtStringGrid::MoveRow(Integer /*FromIndex*/, Integer /*ToIndex*/) { NotBuiltYet("MoveRow"); }
void TExtStringGrid::MoveRows(Integer /*FromIndex*/, Integer /*ToIndex*/, Integer /*Count*/)
{
    NotBuiltYet("MoveRows");
}
void TExtStringGrid::RemoveSelectedRows() { NotBuiltYet("RemoveSelectedRows"); }
void TExtStringGrid::AutoSizeCol(Integer /*ACol*/) { NotBuiltYet("AutoSizeCol"); }
void TExtStringGrid::AutoSizeColumns(bool /*DoFixedCols*/, Integer /*Padding*/) { NotBuiltYet("AutoSizeColumns"); }
TGridRect TExtStringGrid::GetUsedCells() { NotBuiltYet("GetUsedCells"); }
void TExtStringGrid::QSort() { NotBuiltYet("QSort"); }
void TExtStringGrid::QSortIndexed() { NotBuiltYet("QSortIndexed"); }
void TExtStringGrid::SetFilterActive(bool /*Value*/) { NotBuiltYet("SetFilterActive"); }
void TExtStringGrid::RemoveAllFilters() { NotBuiltYet("RemoveAllFilters"); }
void TExtStringGrid::NarrowDown(const String& /*AText*/, Integer /*AColumn*/) { NotBuiltYet("NarrowDown"); }
double TExtStringGrid::ColumnSum(Integer /*ACol*/, Integer /*FromRow*/, Integer /*ToRow*/) { NotBuiltYet("ColumnSum"); }
double TExtStringGrid::ColumnAvg(Integer /*ACol*/, Integer /*FromRow*/, Integer /*ToRow*/) { NotBuiltYet("ColumnAvg"); }
double TExtStringGrid::ColumnMin(Integer /*ACol*/, Integer /*FromRow*/, Integer /*ToRow*/) { NotBuiltYet("ColumnMin"); }
double TExtStringGrid::ColumnMax(Integer /*ACol*/, Integer /*FromRow*/, Integer /*ToRow*/) { NotBuiltYet("ColumnMax"); }
double TExtStringGrid::ColumnDistinct(Integer /*ACol*/, Integer /*FromRow*/, Integer /*ToRow*/)
{
    NotBuiltYet("ColumnDistinct");
}
double TExtStringGrid::ColumnStdDev(Integer /*ACol*/, Integer /*FromRow*/, Integer /*ToRow*/)
{
    NotBuiltYet("ColumnStdDev");
}
void TExtStringGrid::UpdateFooter() { NotBuiltYet("UpdateFooter"); }
void TExtStringGrid::SyncFlatVertScrollBar() { NotBuiltYet("SyncFlatVertScrollBar"); }
void TExtStringGrid::SyncFlatHorzScrollBar() { NotBuiltYet("SyncFlatHorzScrollBar"); }
void TExtStringGrid::ShowFlatScrollBar(Integer /*Bar*/, bool /*Show*/) { NotBuiltYet("ShowFlatScrollBar"); }
void TExtStringGrid::UpdateVertProportionalScroll() { NotBuiltYet("UpdateVertProportionalScroll"); }
void TExtStringGrid::UpdateHorzProportionalScroll() { NotBuiltYet("UpdateHorzProportionalScroll"); }
void TExtStringGrid::SetSelection(const TGridRect& /*Value*/) { NotBuiltYet("SetSelection"); }
void TExtStringGrid::ClearSelection() { NotBuiltYet("ClearSelection"); }
void TExtStringGrid::ClearRowSelect() { NotBuiltYet("ClearRowSelect"); }
void TExtStringGrid::SetRowSelect(Integer /*ARow*/, bool /*Value*/) { NotBuiltYet("SetRowSelect"); }
bool TExtStringGrid::GetRowSelect(Integer /*ARow*/) { NotBuiltYet("GetRowSelect"); }
void TExtStringGrid::ClearColSelect() { NotBuiltYet("ClearColSelect"); }
void TExtStringGrid::SetColSelect(Integer /*ACol*/, bool /*Value*/) { NotBuiltYet("SetColSelect"); }
bool TExtStringGrid::GetColSelect(Integer /*ACol*/) { NotBuiltYet("GetColSelect"); }
Integer TExtStringGrid::RowSelectCount() { NotBuiltYet("RowSelectCount"); }
void TExtStringGrid::SelectRows(Integer /*RowIndex*/, Integer /*RCount*/) { NotBuiltYet("SelectRows"); }
void TExtStringGrid::UpdateRowSelectFromSelection(bool /*Value*/) { NotBuiltYet("UpdateRowSelectFromSelection"); }
void TExtStringGrid::UpdateColSelectFromSelection(bool /*Value*/) { NotBuiltYet("UpdateColSelectFromSelection"); }
bool TExtStringGrid::GetRowModified(Integer /*ARow*/) { NotBuiltYet("GetRowModified"); }
void TExtStringGrid::SetRowModified(Integer /*ARow*/, bool /*Value*/) { NotBuiltYet("SetRowModified"); }
bool TExtStringGrid::GetRowEnabled(Integer /*ARow*/) { NotBuiltYet("GetRowEnabled"); }
void TExtStringGrid::HideSelection() { NotBuiltYet("HideSelection"); }
void TExtStringGrid::UnHideSelection() { NotBuiltYet("UnHideSelection"); }
bool TExtStringGrid::IsSelected(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("IsSelected"); }
String TExtStringGrid::SelectedText() { NotBuiltYet("SelectedText"); }
void TExtStringGrid::BuildSearchFooter() { NotBuiltYet("BuildSearchFooter"); }
void TExtStringGrid::ShowFocusWindow() { NotBuiltYet("ShowFocusWindow"); }
void TExtStringGrid::HideFocusWindow() { NotBuiltYet("HideFocusWindow"); }
void TExtStringGrid::MoveFocusWindow() { NotBuiltYet("MoveFocusWindow"); }
void TExtStringGrid::CellControlsUpdate(bool /*Force*/) { NotBuiltYet("CellControlsUpdate"); }
bool TExtStringGrid::IsOnSizingEdge(TPoint /*MousePos*/) { NotBuiltYet("IsOnSizingEdge"); }
bool TExtStringGrid::IsHoverFixedCell(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("IsHoverFixedCell"); }
void TExtStringGrid::ScreenToCell(TPoint /*P*/, Integer& /*ACol*/, Integer& /*ARow*/) { NotBuiltYet("ScreenToCell"); }
void TExtStringGrid::Zoom(Integer /*Factor*/) { NotBuiltYet("Zoom"); }
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
void TExtStringGrid::SaveColSizes() { NotBuiltYet("SaveColSizes"); }
void TExtStringGrid::LoadColSizes() { NotBuiltYet("LoadColSizes"); }
void TExtStringGrid::SaveColPositions() { NotBuiltYet("SaveColPositions"); }
void TExtStringGrid::LoadColPositions() { NotBuiltYet("LoadColPositions"); }
void TExtStringGrid::CellToRich(Integer /*ACol*/, Integer /*ARow*/, TExtRichEdit* /*Richeditor*/)
{
    NotBuiltYet("CellToRich");
}
void TExtStringGrid::StartUp() { NotBuiltYet("StartUp"); }
void TExtStringGrid::ShutDown() { NotBuiltYet("ShutDown"); }
void TExtStringGrid::DateAndTimeEditorChange(TObject* /*Sender*/) { NotBuiltYet("DateAndTimeEditorChange"); }
void TExtStringGrid::DateEditorChange(TObject* /*Sender*/) { NotBuiltYet("DateEditorChange"); }
void TExtStringGrid::DateEditorCloseUp(TObject* /*Sender*/) { NotBuiltYet("DateEditorCloseUp"); }
void TExtStringGrid::DateEditorDropDown(TObject* /*Sender*/) { NotBuiltYet("DateEditorDropDown"); }
void TExtStringGrid::GridButtonClick(TObject* /*Sender*/) { NotBuiltYet("GridButtonClick"); }
void TExtStringGrid::SearchEditChanged(TObject* /*Sender*/, const String& /*Value*/)
{
    NotBuiltYet("SearchEditChanged");
}
void TExtStringGrid::SearchBackwardClick(TObject* /*Sender*/) { NotBuiltYet("SearchBackwardClick"); }
void TExtStringGrid::SearchForwardClick(TObject* /*Sender*/) { NotBuiltYet("SearchForwardClick"); }
void TExtStringGrid::SearchCloseClick(TObject* /*Sender*/) { NotBuiltYet("SearchCloseClick"); }
void TExtStringGrid::SearchHighlightClick(TObject* /*Sender*/) { NotBuiltYet("SearchHighlightClick"); }
void TExtStringGrid::DoExpandClick(Integer /*ACol*/, Integer /*ARow*/, bool /*Expanded*/)
{
    NotBuiltYet("DoExpandClick");
}
bool TExtStringGrid::DoRatingChange(Integer /*ACol*/, Integer /*ARow*/, Integer& /*NewRate*/)
{
    NotBuiltYet("DoRatingChange");
}
void TExtStringGrid::DoCheckBoxChange(Integer /*ACol*/, Integer /*ARow*/, bool /*State*/)
{
    NotBuiltYet("DoCheckBoxChange");
}
void TExtStringGrid::DoCheckBoxClick(Integer /*ACol*/, Integer /*ARow*/, bool /*State*/)
{
    NotBuiltYet("DoCheckBoxClick");
}
void TExtStringGrid::DoColorSelect(Integer /*ACol*/, Integer /*ARow*/, TColor /*AColor*/)
{
    NotBuiltYet("DoColorSelect");
}
void TExtStringGrid::DoImageSelect(Integer /*ACol*/, Integer /*ARow*/, Integer /*AIndex*/)
{
    NotBuiltYet("DoImageSelect");
}
void TExtStringGrid::DoClickSort(Integer /*ACol*/) { NotBuiltYet("DoClickSort"); }
void TExtStringGrid::DoScrollCell(Integer /*ACol*/, Integer /*ARow*/, Integer /*ScrollPosition*/)
{
    NotBuiltYet("DoScrollCell");
}
bool TExtStringGrid::CanShowFixedDropDown(Integer /*ACol*/) { NotBuiltYet("CanShowFixedDropDown"); }
void TExtStringGrid::DoStartBlockFocus() { NotBuiltYet("DoStartBlockFocus"); }
void TExtStringGrid::DoEndBlockFocus() { NotBuiltYet("DoEndBlockFocus"); }
void TExtStringGrid::DoPrintGetPageNum(Integer /*APage*/, String& /*PageNumStr*/) { NotBuiltYet("DoPrintGetPageNum"); }
void TExtStringGrid::PaintDesignHelper() { NotBuiltYet("PaintDesignHelper"); }
void TExtStringGrid::DesignHelperClick(Integer /*Item*/) { NotBuiltYet("DesignHelperClick"); }
Integer TExtStringGrid::DesignHelperHitTest(Integer /*X*/, Integer /*Y*/) { NotBuiltYet("DesignHelperHitTest"); }
TCustomImageList* TExtStringGrid::GetCellImageList(Integer /*ACol*/, Integer /*ARow*/)
{
    NotBuiltYet("GetCellImageList");
}
TCellGraphic* TExtStringGrid::GetCellGraphic(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetCellGraphic"); }
TCellType TExtStringGrid::GetCellType(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetCellType"); }
void TExtStringGrid::CalcCellGraphicSize(Integer /*ACol*/, Integer /*ARow*/, TPoint& /*Size*/, Integer /*Reserve*/)
{
    NotBuiltYet("CalcCellGraphicSize");
}
void TExtStringGrid::CalcPrintGraphicSize(Integer /*ACol*/, Integer /*ARow*/, TPoint& /*Size*/)
{
    NotBuiltYet("CalcPrintGraphicSize");
}
String TExtStringGrid::GetCurrentCell() { NotBuiltYet("GetCurrentCell"); }
void TExtStringGrid::SetCurrentCell(const String& /*Value*/) { NotBuiltYet("SetCurrentCell"); }
String TExtStringGrid::GetCurrentCellText() { NotBuiltYet("GetCurrentCellText"); }
void TExtStringGrid::SetCurrentCellEditText(const String& /*Value*/) { NotBuiltYet("SetCurrentCellEditText"); }
String TExtStringGrid::GetFormattedCell(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetFormattedCell"); }
String TExtStringGrid::GetExportCellText(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("GetExportCellText"); }
void TExtStringGrid::SetCellWithUndo(Integer /*ACol*/, Integer /*ARow*/, const String& /*Value*/)
{
    NotBuiltYet("SetCellWithUndo");
}
void TExtStringGrid::AutoInsertRow(Integer /*ARow*/) { NotBuiltYet("AutoInsertRow"); }
void TExtStringGrid::AutoDeleteRow(Integer /*ARow*/) { NotBuiltYet("AutoDeleteRow"); }
void TExtStringGrid::NotifyCellsChanged(const TGridRect& /*R*/) { NotBuiltYet("NotifyCellsChanged"); }
void TExtStringGrid::AllCellsChanged() { NotBuiltYet("AllCellsChanged"); }
void TExtStringGrid::DeleteRowRange(Integer /*ARow*/, Integer /*ACount*/) { NotBuiltYet("DeleteRowRange"); }
void TExtStringGrid::SortSwapRows(Integer /*ARow1*/, Integer /*ARow2*/) { NotBuiltYet("SortSwapRows"); }
void TExtStringGrid::TrimRect(Integer /*ACol1*/, Integer /*ARow1*/, Integer /*ACol2*/, Integer /*ARow2*/)
{
    NotBuiltYet("TrimRect");
}
void TExtStringGrid::QSortGroup() { NotBuiltYet("QSortGroup"); }
void TExtStringGrid::QSortGroupIndexed() { NotBuiltYet("QSortGroupIndexed"); }
void TExtStringGrid::QUnSort() { NotBuiltYet("QUnSort"); }
void TExtStringGrid::SubGroup(Integer /*ColIndex*/) { NotBuiltYet("SubGroup"); }
void TExtStringGrid::SubUnGroup() { NotBuiltYet("SubUnGroup"); }
void TExtStringGrid::UpdateColSize(Integer /*ACol*/, Integer& /*AWidth*/) { NotBuiltYet("UpdateColSize"); }
void TExtStringGrid::UpdateAutoColSize(Integer /*ACol*/, Integer& /*AWidth*/) { NotBuiltYet("UpdateAutoColSize"); }
bool TExtStringGrid::GetColumnFilter(Integer /*ACol*/) { NotBuiltYet("GetColumnFilter"); }
bool TExtStringGrid::RowMatchesFilter(Integer /*ARow*/) { NotBuiltYet("RowMatchesFilter"); }
void TExtStringGrid::CalcFooter(Integer /*ACol*/) { NotBuiltYet("CalcFooter"); }
void TExtStringGrid::CalcFooterColumns(Integer /*ACol*/) { NotBuiltYet("CalcFooterColumns"); }
void TExtStringGrid::ColumnCalcChanged() { NotBuiltYet("ColumnCalcChanged"); }
void TExtStringGrid::RemoveRowRange(Integer /*ARow*/, Integer /*ACount*/, bool /*Flag*/)
{
    NotBuiltYet("RemoveRowRange");
}
void TExtStringGrid::InsertRowRange(Integer /*ARow*/, Integer /*ACount*/, bool /*Flag*/)
{
    NotBuiltYet("InsertRowRange");
}
bool TExtStringGrid::CalcSizingState(Integer /*X*/, Integer /*Y*/) { NotBuiltYet("CalcSizingState"); }
void TExtStringGrid::AdjustSelectAllRect(TGridRect& /*R*/) { NotBuiltYet("AdjustSelectAllRect"); }
void TExtStringGrid::ToggleCellCheckBox(Integer /*ACol*/, Integer /*ARow*/, bool /*Toggle*/)
{
    NotBuiltYet("ToggleCellCheckBox");
}
void TExtStringGrid::ToggleCellRadioButton(Integer /*ACol*/, Integer /*ARow*/, bool /*Toggle*/)
{
    NotBuiltYet("ToggleCellRadioButton");
}
void TExtStringGrid::WheelRowMoved() { NotBuiltYet("WheelRowMoved"); }
void TExtStringGrid::CellSelectorClick(Integer /*ACol*/, Integer /*ARow*/) { NotBuiltYet("CellSelectorClick"); }
void TExtStringGrid::AdjustClickSelection(TGridRect& /*R*/) { NotBuiltYet("AdjustClickSelection"); }
void TExtStringGrid::GoToFirstRow() { NotBuiltYet("GoToFirstRow"); }
bool TExtStringGrid::UseFormattedClipboard() { NotBuiltYet("UseFormattedClipboard"); }
void TExtStringGrid::ApplyFilterListChoice(Integer /*ItemIndex*/) { NotBuiltYet("ApplyFilterListChoice"); }
void TExtStringGrid::ApplyFilterCheckList(Integer /*ItemIndex*/) { NotBuiltYet("ApplyFilterCheckList"); }
void TExtStringGrid::PasteStarting() { NotBuiltYet("PasteStarting"); }
void TExtStringGrid::PasteFinished() { NotBuiltYet("PasteFinished"); }
void TExtStringGrid::MarkPastedRowsModified(const TGridRect& /*R*/) { NotBuiltYet("MarkPastedRowsModified"); }

}  // namespace gw
