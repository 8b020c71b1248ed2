// The string grid's per-cell questions and notifications: each applies the grid's own rule, then
// lets the event have the last word. Painting, editing, printing and export ask these, never the
// events; descendants (the column grid) answer some of them first.
#include "grid/foundation/bands.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/background.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"

namespace gw {

namespace {

bool IsComboEditor(TEditorType E) { return E == edComboEdit || E == edComboList; }

bool IsSpinEditor(TEditorType E)
{
    return E == edSpinEdit || E == edFloatSpinEdit || E == edTimeSpinEdit || E == edDateSpinEdit;
}

// The cell types whose brush the cell's own colour paints; the others draw their own face.
bool TakesCellBrush(TCellType T)
{
    return T == ctIcon || T == ctNone || T == ctImageList || T == ctEmpty || T == ctImages || T == ctComment;
}

}  // namespace

void TExtStringGrid::DoGridHint(Integer ACol, Integer ARow, String& Hint, String& WideHint)
{
    if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
    if (!OnGridWideHint) return;
    OnGridWideHint(this, ARow, ACol, WideHint);
    if (!WideHint.empty()) Hint = EncodeWideCellText(WideHint);
}

void TExtStringGrid::GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (m_activeCellShow && IsActiveHeaderCell(ACol, ARow)) {
        AFont->Assign(m_activeCellFont.get());
        ABrush->SetColor(m_activeCellColor);
    }
    if (CellHasProperties(ACol, ARow)) {
        const TCellProperties& props = *GetCellProperties(ACol, ARow);
        if (props.BrushColor() != clNone && TakesCellBrush(GetCellType(ACol, ARow)))
            ABrush->SetColor(props.BrushColor());
        if (props.FontColor != clNone) AFont->SetColor(props.FontColor);
        if (props.FontStyle != 0) AFont->SetStyle(props.FontStyle);
        if (props.FontSize != 0) AFont->SetSize(props.FontSize);
        if (!props.FontName.empty()) AFont->SetName(props.FontName);
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

bool TExtStringGrid::IsActiveHeaderCell(Integer ACol, Integer ARow) const
{
    // The last fixed column of the current row, and the last fixed row above the current column.
    const Integer displCol = DisplColIndex(ACol);
    const Integer fixedCols = FixedCols();
    const Integer fixedRows = FixedRows();
    return (ARow == Row() && fixedCols > 0 && displCol == fixedCols - 1) ||
        (displCol == Col() && fixedRows > 0 && ARow == fixedRows - 1);
}

void TExtStringGrid::GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders)
{
    if (m_grouping->HeaderUnderline && ACol > 0 && IsNode(ARow)) {
        Borders = cbBottom;
        APen->SetColor(m_grouping->HeaderLineColor);
        APen->SetWidth(m_grouping->HeaderLineWidth);
    }
    if (m_grouping->SummaryLine && ACol > 0 && IsSummary(ARow)) {
        Borders = cbTop;
        APen->SetColor(m_grouping->SummaryLineColor);
        APen->SetWidth(m_grouping->SummaryLineWidth);
    }
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellAlign(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (m_mouseActions->HotmailRowSelect() && ACol == 0) HAlign = taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetSortFormat(Integer ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix)
{
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

bool TExtStringGrid::HasComboBox(Integer ACol, Integer ARow)
{
    if (OnHasComboBox) {
        bool has = false;
        OnHasComboBox(this, ACol, ARow, has);
        return has;
    }
    if (!m_controlLook->DropDownAlwaysVisible()) return false;
    TEditorType editor = DefaultEditor;
    GetEditorType(ACol, ARow, editor);
    return IsComboEditor(editor);
}

bool TExtStringGrid::HasSpinEdit(Integer ACol, Integer ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    if (OnHasSpinEdit) {
        bool has = false;
        OnHasSpinEdit(this, ACol, ARow, has);
        return has;
    }
    if (!m_controlLook->SpinButtonsAlwaysVisible()) return false;
    TEditorType editor = DefaultEditor;
    QueryEditorType(ACol, ARow, editor);
    return IsSpinEditor(editor);
}

void TExtStringGrid::QueryEditorType(Integer ACol, Integer ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExtStringGrid::HasNoEditor(Integer ACol, Integer ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TExtStringGrid::IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed)
{
    if (IsFixed) return;
    IsFixed = (FixedRowAlways && RowCount() == FMinFixedRows && ARow <= FMinFixedRows) ||
        (FixedColAlways && ColCount() == FMinFixedCols && ACol < FMinFixedCols) || ACol < FixedCols() ||
        ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExtStringGrid::CanEditCell(Integer ACol, Integer ARow, bool& CanEdit)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (CellHasProperties(base.X, base.Y) && CanEdit) {
        CanEdit = !GetCellProperties(base.X, base.Y)->ReadOnly;
        if (!(Options() & goEditing) && !FEditDisable && !m_mouseActions->RangeSelectAndEdit) CanEdit = false;
    }
    if (base.X < ColCount() + NumHiddenColumns())
        DoCanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void TExtStringGrid::DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtStringGrid::DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword)
{
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

bool TExtStringGrid::IsPasswordCell(Integer ACol, Integer ARow)
{
    bool password = false;
    DoIsPasswordCell(ACol, ARow, password);
    return password;
}

void TExtStringGrid::DoGetWordWrap(Integer ACol, Integer ARow, bool& WordWrap)
{
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

void TExtStringGrid::GetCheckTrue(Integer ACol, Integer ARow, String& Value)
{
    Value = CheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(Integer ACol, Integer ARow, String& Value)
{
    Value = CheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

void TExtStringGrid::DoGetCellCursor(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    if (!OnGetCellCursor) return;
    TCursor cursor = Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    SetCursor(cursor);
}

void TExtStringGrid::DoSearchFooterAction(const String& Value, Integer ACol, Integer ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExtStringGrid::DoButtonClick(Integer ACol, Integer ARow)
{
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExtStringGrid::DoComboCloseUp(Integer ARow, Integer ACol)
{
    if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExtStringGrid::DoComboDropDown(Integer ARow, Integer ACol)
{
    if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TExtStringGrid::DoCanAddRow(bool& CanAdd)
{
    if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::DoCanInsertRow(Integer ARow, bool& CanInsert)
{
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExtStringGrid::GetCellDefaults(Integer ACol, Integer ARow, TFont& AFont, TBrush& ABrush, TCellLook& Look)
{
    TGridDrawState state = 0;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AFont, Look);
    // A cell's stored colour is never that of a band, a background gradient or the selection.
    const TBackGroundDisplay display = m_backGround->Display();
    if (IsFixed(ACol, ARow) || m_bands->Active() || display == bdGradientHorz || display == bdGradientVert ||
        (state & gdSelected)) {
        ABrush.SetColor(clNone);
        Look.ColorTo = clNone;
    }
}

void TExtStringGrid::DoFixedEdit(Integer ACol, Integer ARow, TGridFixedCellEditor& AEditor, TStrings* Values)
{
    if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TExtStringGrid::DoSelectionChanged(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) RepaintRect(Selection());
    FSelChange = true;
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::DoFilterDone()
{
    if (OnFilterDone) OnFilterDone(this);
}

void TExtStringGrid::GetEvaluatedCell(Integer ACol, Integer ARow, String& Value) { Value = GetCellEx(ACol, ARow); }

void TExtStringGrid::SetLoadedCell(Integer ACol, Integer ARow, const String& Value)
{
    String loaded = Value;
    if (OnLoadCell) OnLoadCell(this, ACol, ARow, loaded);
    SetGridCell(ACol, ARow, loaded);
}

}  // namespace gw
