// TExtColumnGrid's per-cell questions: the column of the cell answers first, then the string grid
// (whose events see, and may change, the column's answer).
#include "grid/foundation/bands.h"
#include "grid/foundation/cell_properties.h"
#include "grid/interaction/grid_combo.h"
#include "grid/interaction/grid_spin.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_column_grid.h"
#include "grid/model/print_settings.h"
#include "platform/graphics/brush.h"

namespace gw {

TGridColumnItem* TExtColumnGrid::ItemOf(Integer ACol) const
{
    if (!FColumnCollection || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
    return FColumnCollection->Items(ACol);
}

bool TExtColumnGrid::IsBodyCell(Integer ACol, Integer ARow) const
{
    return ItemOf(ACol) != nullptr && ACol >= FixedCols() &&
        ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow >= FixedRows() &&
        ARow < RowCount() - FixedFooters();
}

bool TExtColumnGrid::IsLoading() const { return (ComponentState() & csLoading) != 0; }

// A new cell's properties start from its column; inside the collection the string grid's rule
// does not run.
void TExtColumnGrid::GetCellDefaults(Integer ACol, Integer ARow, TFont& AFont, TBrush& ABrush, TCellLook& Look)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item == nullptr) {
        TExtStringGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, Look);
        return;
    }
    AFont.Assign(item->Font());
    ABrush.SetColor(item->Color());
    Look.ColorTo = clNone;
    Look.HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    Look.VA = VAlignment;
    Look.WW = WordWrap();
    Look.GD = GradientVertical;
    if (IsFixed(ACol, ARow) || (item->ShowBands() && Bands()->Active())) {
        ABrush.SetColor(clNone);
        Look.ColorTo = clNone;
    }
}

void TExtColumnGrid::GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item != nullptr && ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (ARow >= FixedRows() && (!item->ShowBands() || !Bands()->Active()))
            ABrush->SetColor(item->Color());
        AFont->Assign(ARow < FixedRows() ? item->HeaderFont() : item->Font());
        if (CellHasProperties(ACol, ARow)) {
            const TCellProperties& props = *GetCellProperties(ACol, ARow);
            if (props.BrushColor() != clNone) ABrush->SetColor(props.BrushColor());
            if (props.FontColor != clNone) AFont->SetColor(props.FontColor);
        }
    }
    TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        const bool fixedArea = ACol < FixedCols() || ARow < FixedRows() ||
            ACol >= ColCount() + NumHiddenColumns() - FixedRightCols() || ARow >= RowCount() - FixedFooters();
        if (fixedArea)
            AFont->Assign(PrintSettings()->FixedFont());
        else
            PrintColumnLook(*item, ACol, ARow, ABrush, AFont);
    }
    TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::PrintColumnLook(const TGridColumnItem& Item, Integer ACol, Integer ARow, TBrush* ABrush,
                                     TFont* AFont)
{
    const TCellProperties* props = CellHasProperties(ACol, ARow) ? GetCellProperties(ACol, ARow) : nullptr;
    if (Item.Fixed())
        ABrush->SetColor(FixedColor());
    else if (!(Item.ShowBands() && Bands()->Active() && Bands()->Print))
        ABrush->SetColor(Item.PrintColor);
    if (!Item.Fixed() && props != nullptr && props->BrushColor() != clNone) ABrush->SetColor(props->BrushColor());
    if (!Item.PrintFontCustom) {
        AFont->Assign(PrintSettings()->Font());
        return;
    }
    AFont->Assign(Item.PrintFont());
    if (props == nullptr) return;
    if (props->FontColor != clNone) AFont->SetColor(props->FontColor);
    if (props->FontStyle != 0) AFont->SetStyle(props->FontStyle);
    if (props->FontSize != 0) AFont->SetSize(props->FontSize);
    if (!props->FontName.empty()) AFont->SetName(props->FontName);
}

void TExtColumnGrid::GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item != nullptr && ACol >= FixedCols() && ARow >= FixedRows()) {
        Borders = item->Borders();
        APen->Assign(item->BorderPen());
    }
    TExtStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item != nullptr && ACol >= FixedCols() && ARow >= FixedRows() && item->PrintBorderCustom) {
        Borders = item->PrintBorders;
        APen->Assign(item->PrintBorderPen());
    }
    TExtStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellAlign(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (CellHasProperties(ACol, ARow)) HAlign = GetCellProperties(ACol, ARow)->Alignment;
    }
    TExtStringGrid::GetCellAlign(ACol, ARow, HAlign, VAlign);
}

void TExtColumnGrid::GetSortFormat(Integer ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        AStyle = item->SortStyle;
        APrefix = item->SortPrefix;
        ASuffix = item->SortSuffix;
    }
    TExtStringGrid::GetSortFormat(ACol, AStyle, APrefix, ASuffix);
}

void TExtColumnGrid::GetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        if (ACol >= FixedCols() && ARow >= FixedRows()) {
            AEditor = item->Editor();
            ControlLook()->DropDownCount = item->DropDownCount;
            // The one combo and the one spin editor of the grid take the column's items and limits.
            if (Combobox()) {
                Combobox()->Items()->Assign(item->ComboItems());
                Combobox()->DropDownCount = item->DropDownCount;
            }
            if (EditorFamily(AEditor) == efSpin && !IsDesigning()) {
                SpinEdit()->MinValue = item->SpinMin;
                SpinEdit()->MaxValue = item->SpinMax;
                SpinEdit()->Increment = item->SpinStep;
            }
        }
        if (!item->FloatFormat().empty()) FloatFormat = item->FloatFormat();
    }
    TExtStringGrid::GetEditorType(ACol, ARow, AEditor);
}

// A column's own combo items fill the combo editor's list; the event may still change them.
void TExtColumnGrid::DoGetEditorProp(Integer ACol, Integer ARow)
{
    if (const TGridColumnItem* item = ItemOf(ACol); item != nullptr && item->ComboItems()->Count() > 0) {
        ClearComboString();
        for (Integer i = 0; i < item->ComboItems()->Count(); ++i) AddComboString(item->ComboItems()->Strings(i));
    }
    TExtStringGrid::DoGetEditorProp(ACol, ARow);
}

// ACol is a displayed column.
void TExtColumnGrid::IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed)
{
    const TGridColumnItem* item = ItemOf(RealColIndex(ACol));
    if (item != nullptr && ACol >= FixedCols() && ARow >= FixedRows()) IsFixed = item->Fixed();
    TExtStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExtColumnGrid::CanEditCell(Integer ACol, Integer ARow, bool& CanEdit)
{
    CanEdit = false;
    const TGridColumnItem* item = ItemOf(ACol);
    if (!IsLoading() && item != nullptr && ACol >= FixedCols() && ARow >= FixedRows())
        CanEdit = !(item->ReadOnly || item->Fixed());
    if (CanEdit && CellHasProperties(ACol, ARow)) CanEdit = !GetCellProperties(ACol, ARow)->ReadOnly;
    if (OnCanEditCell) {
        const TPoint base = BaseCell(ACol, ARow);
        OnCanEditCell(this, base.Y, base.X, CanEdit);
    }
}

void TExtColumnGrid::DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) IsPassword = item->Password();
    TExtStringGrid::DoIsPasswordCell(ACol, ARow, IsPassword);
}

// Combo columns report a combo box whether or not the drop-down buttons are always shown.
bool TExtColumnGrid::HasComboBox(Integer ACol, Integer ARow)
{
    bool has = false;
    const TGridColumnItem* item = ItemOf(ACol);
    if (item != nullptr && ACol >= FixedCols() && ARow >= FixedRows())
        has = item->Editor() == edComboEdit || item->Editor() == edComboList;
    if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, has);
    return has;
}

void TExtColumnGrid::GetCheckTrue(Integer ACol, Integer ARow, String& Value)
{
    TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (IsBodyCell(ACol, ARow)) Value = ItemOf(ACol)->CheckTrue;
}

void TExtColumnGrid::GetCheckFalse(Integer ACol, Integer ARow, String& Value)
{
    TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (IsBodyCell(ACol, ARow)) Value = ItemOf(ACol)->CheckFalse;
}

TCellType TExtColumnGrid::GetCellType(Integer ACol, Integer ARow)
{
    return ColumnCellType(ACol, ARow, TExtStringGrid::GetCellType(ACol, ARow));
}

TCellType TExtColumnGrid::ColumnCellType(Integer ACol, Integer ARow, TCellType GridType) const
{
    if (GridType != ctEmpty || FDestroying || !IsBodyCell(ACol, ARow)) return GridType;
    return ItemOf(ACol)->Editor() == edDataCheckBox ? ctDataCheckBox : GridType;
}

TCellGraphic* TExtColumnGrid::GetCellGraphic(Integer ACol, Integer ARow)
{
    return ColumnCellGraphic(ACol, ARow, TExtStringGrid::GetCellGraphic(ACol, ARow));
}

// A column's data check box lives in the column, not in the cell's properties: the painter must
// ask for it even where the cell has none.
TCellGraphic* TExtColumnGrid::PaintedGraphic(Integer RealCol, Integer ARow) { return GetCellGraphic(RealCol, ARow); }

// One graphic serves every virtual check box; no cell stores or frees it.
TCellGraphic* TExtColumnGrid::ColumnCellGraphic(Integer ACol, Integer ARow, TCellGraphic* GridGraphic)
{
    if (GridGraphic != nullptr || FDestroying || !IsBodyCell(ACol, ARow)) return GridGraphic;
    if (ItemOf(ACol)->Editor() != edDataCheckBox) return GridGraphic;
    FCellGraphic->CellType = ctVirtCheckBox;
    FCellGraphic->CellTransparent = ControlLook()->ControlStyle() == csFlat;
    return FCellGraphic.get();
}

String TExtColumnGrid::GetColumnFloatFormat(Integer ACol, Integer ARow)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item == nullptr) return TExtStringGrid::GetColumnFloatFormat(ACol, ARow);
    return item->FloatFormat().empty() ? FloatFormat : item->FloatFormat();
}

void TExtColumnGrid::UpdateColSize(Integer ACol, Integer& AWidth)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        if (item->MinSize > 0 && AWidth < item->MinSize) AWidth = item->MinSize;
        if (item->MaxSize > 0 && AWidth > item->MaxSize) AWidth = item->MaxSize;
    }
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtColumnGrid::UpdateAutoColSize(Integer ACol, Integer& AWidth)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        if (item->AutoMinSize > 0 && AWidth < item->AutoMinSize) AWidth = item->AutoMinSize;
        if (item->AutoMaxSize > 0 && AWidth > item->AutoMaxSize) AWidth = item->AutoMaxSize;
    }
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

// ACol is a displayed column; a mask of the string grid's own wins.
String TExtColumnGrid::GetEditMask(Integer ACol, Integer ARow)
{
    String mask;
    const TGridColumnItem* item = ItemOf(RealColIndex(ACol));
    if (item != nullptr && ACol >= FixedCols()) mask = item->EditMask;
    const String grid = TExtStringGrid::GetEditMask(ACol, ARow);
    return grid.empty() ? mask : grid;
}

Integer TExtColumnGrid::GetEditLimit()
{
    const TGridColumnItem* item = ItemOf(RealColIndex(Col()));
    if (item != nullptr && Col() >= FixedCols()) return item->EditLength;
    return TExtStringGrid::GetEditLimit();
}

}  // namespace gw
