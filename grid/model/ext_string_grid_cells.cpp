// The string grid's cell ranges: clearing, trimming, colouring, merging runs of equal texts and
// splitting them, joining two columns, finding a cell; the per-cell and row-wide colours; the
// column order record.
#include "grid/foundation/control_list.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/cell_graphic.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/row_block_move.h"
#include "grid/model/sort_settings.h"
#include "grid/foundation/sync_grid.h"
#include "platform/runtime/scope.h"
#include "platform/graphics/font.h"
#include "platform/runtime/list.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <memory>

namespace gw {

namespace {

// A cell whose object others point at (a merge) or that lists a control keeps its object when
// a row-wide colour is taken away; only the field changes.
bool KeepsObject(const TCellProperties& Props)
{
    return Props.Control != nullptr || !Props.IsBaseCell || Props.CellSpanX != -1 || Props.CellSpanY != -1;
}

}  // namespace

// --- clearing --------------------------------------------------------------------------------------

void TExtStringGrid::ClearCell(Integer RealColumn, Integer ARow, Integer DisplayedColumn)
{
    if (!ClearTextOnly && CellHasProperties(RealColumn, ARow)) SetCellProperties(RealColumn, ARow, nullptr);
    if (FDestroying || GetGridCell(RealColumn, ARow).empty()) return;
    SetGridCell(RealColumn, ARow, u"");
    RepaintCell(DisplayedColumn, ARow);
}

void TExtStringGrid::ClearRealRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2)
{
    for (Integer r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (Integer c = std::max(ACol1, 0); c <= ACol2; ++c) ClearCell(c, r, DisplColIndex(c));
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= TotalColCount() - 1 && ARow2 >= RowCount() - 1) FHasCellProps = false;
    if (!FDestroying) NotifyCellsChanged({ACol1, ARow1, ACol2, ARow2});
}

void TExtStringGrid::ClearRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2)
{
    if (!SaveHiddenCells) {
        ClearRealRect(ACol1, ARow1, ACol2, ARow2);
        return;
    }
    // A displayed rectangle: each displayed column reaches its real column.
    for (Integer r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (Integer c = std::max(ACol1, 0); c <= ACol2; ++c) ClearCell(RealColIndex(c), r, c);
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1 && NumHiddenColumns() == 0)
        FHasCellProps = false;
    if (!FDestroying) NotifyCellsChanged({RealColIndex(ACol1), ARow1, RealColIndex(ACol2), ARow2});
}

void TExtStringGrid::ClearRows(Integer ARow, Integer ACount)
{
    if (RowCount() == 0 || ColCount() == 0 || ACount <= 0) return;
    ClearRealRect(0, ARow, TotalColCount() - 1, ARow + ACount - 1);
}

void TExtStringGrid::ClearCols(Integer ACol, Integer ACount)
{
    if (RowCount() == 0 || ColCount() == 0 || ACount <= 0) return;
    ClearRect(ACol, 0, ACol + ACount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(Integer RowIndex, Integer RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
    ClearRealRect(FixedCols(), RowIndex, TotalColCount() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(Integer ColIndex, Integer CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::ClearNormalCells()
{
    if (RowCount() == 0 || ColCount() == 0) return;
    if (FixedCols() == 0 && FNumNodes > 0) RemoveAllNodes();
    ClearRealRect(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::Clear()
{
    if (RowCount() == 0 || ColCount() == 0) return;
    if (!FDestroying && FNumNodes > 0) RemoveAllNodes();
    ClearRealRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    if (NumHiddenColumns() > 0) Invalidate();
}

void TExtStringGrid::ClearAll()
{
    Clear();
    for (Integer i = 0; i < FHiddenRows.Count(); ++i) {
        TGridItemCells& cells = FHiddenRows.Items(i).Items;
        for (Integer c = 0; c < cells.Count(); ++c) cells.SetStrings(c, String());
    }
}

void TExtStringGrid::ClearSelection()
{
    if (m_mouseActions->DisjunctRowSelect()) {
        for (Integer r = FixedRows(); r < RowCount(); ++r)
            if (StoredRowSelect(SelectionRow(r))) ClearRows(r, 1);
        return;
    }
    if (m_mouseActions->DisjunctColSelect()) {
        for (Integer c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c)) ClearCols(c, 1);
        return;
    }
    const TGridRect sel = Selection();
    ClearRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

// --- trimming and colouring --------------------------------------------------------------------------

void TExtStringGrid::TrimRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2)
{
    for (Integer r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (Integer c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const Integer col = SaveHiddenCells ? RealColIndex(c) : c;
            const String text = GetCellEx(col, r);
            const String trimmed = Trim(text);
            if (trimmed != text) SetCellEx(col, r, trimmed);
        }
}

void TExtStringGrid::TrimColumn(Integer ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }

void TExtStringGrid::TrimRow(Integer ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }

void TExtStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExtStringGrid::ColorRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2, TColor AColor)
{
    for (Integer r = ARow1; r <= ARow2; ++r)
        for (Integer c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

TColor TExtStringGrid::GetColors(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->BrushColor() : clNone;
}

void TExtStringGrid::SetColors(Integer ACol, Integer ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColor(Value);
}

void TExtStringGrid::SetColorsTo(Integer ACol, Integer ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
}

void TExtStringGrid::SetFontColors(Integer ACol, Integer ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->FontColor = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::SetAlignments(Integer ACol, Integer ARow, TAlignment Value)
{
    GetCellProperties(ACol, ARow)->Alignment = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

TCellProperties* TExtStringGrid::PropsOrNull(Integer ACol, Integer ARow) const
{
    return CellHasProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr;
}

TColor TExtStringGrid::GetColorsTo(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->BrushColorTo() : clNone;
}

TColor TExtStringGrid::GetFontColors(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->FontColor : clNone;
}

TAlignment TExtStringGrid::GetAlignments(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->Alignment : taLeftJustify;
}

TCellGradientDirection TExtStringGrid::GetGradients(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->GradientDirection : GradientVertical;
}

void TExtStringGrid::SetGradients(Integer ACol, Integer ARow, TCellGradientDirection Value)
{
    GetCellProperties(ACol, ARow)->GradientDirection = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExtStringGrid::GetReadOnly(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props && props->ReadOnly;
}

void TExtStringGrid::SetReadOnly(Integer ACol, Integer ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->ReadOnly = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExtStringGrid::GetWordWraps(Integer ACol, Integer ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void TExtStringGrid::SetWordWraps(Integer ACol, Integer ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->SetWordWrap(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TFontStyles TExtStringGrid::GetFontStyles(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->FontStyle : TFontStyles{};
}

void TExtStringGrid::SetFontStyles(Integer ACol, Integer ARow, TFontStyles Value)
{
    GetCellProperties(ACol, ARow)->FontStyle = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

String TExtStringGrid::GetFontNames(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->FontName : String();
}

void TExtStringGrid::SetFontNames(Integer ACol, Integer ARow, const String& Value)
{
    GetCellProperties(ACol, ARow)->FontName = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

Integer TExtStringGrid::GetFontSizes(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->FontSize : 0;
}

void TExtStringGrid::SetFontSizes(Integer ACol, Integer ARow, Integer Value)
{
    GetCellProperties(ACol, ARow)->FontSize = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::SetFonts(Integer ACol, Integer ARow, TFont* Value)
{
    TCellProperties* props = GetCellProperties(ACol, ARow);
    props->FontName = Value->Name();
    props->FontSize = Value->Size();
    props->FontStyle = Value->Style();
    props->FontColor = Value->Color();
    RepaintCell(DisplColIndex(ACol), ARow);
}

// --- cell controls -------------------------------------------------------------------------------------

TControl* TExtStringGrid::GetCellControls(Integer ACol, Integer ARow)
{
    const TCellProperties* props = PropsOrNull(ACol, ARow);
    return props ? props->Control : nullptr;
}

void TExtStringGrid::SetCellControls(Integer ACol, Integer ARow, TControl* AControl)
{
    const Integer real = RealRowIndex(ARow);
    const Integer listed = m_controlList->ControlIndex(ACol, real);
    if (!AControl) {
        TCellProperties* props = PropsOrNull(ACol, ARow);
        if (!props || !props->Control) return;
        if (listed >= 0) m_controlList->RemoveControl(listed);
        props->Control = nullptr;
        return;
    }
    if (listed >= 0) m_controlList->RemoveControl(listed);
    m_controlList->AddControl(ACol, real, AControl);
    GetCellProperties(ACol, ARow)->Control = AControl;
    AControl->SetParent(this);
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    AControl->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

Integer TExtStringGrid::CellControlCount() const { return m_controlList->Count(); }

// --- other accessors -----------------------------------------------------------------------------------

Integer TExtStringGrid::GetAllColWidths(Integer ACol) const
{
    if (IsHiddenColumn(ACol)) return FColumnVisibility.StoredWidth(RealCol(ACol));
    return ColWidths(DisplColIndex(ACol));
}

String TExtStringGrid::GetOriginalCells(Integer ACol, Integer ARow) { return GetCellEx(ColumnPosition(ACol), ARow); }

void TExtStringGrid::SetOriginalCells(Integer ACol, Integer ARow, const String& Value)
{
    SetCellEx(ColumnPosition(ACol), ARow, Value);
}

Integer TExtStringGrid::LinesInCell(Integer ACol, Integer ARow) { return CountLines(GetCellEx(ACol, ARow), true); }

TGridItemCells* TExtStringGrid::HiddenRowTexts(Integer ARow)
{
    TGridItem* item = ARow >= 0 ? FHiddenRows.Find(RealRow(ARow)) : nullptr;
    return item ? &item->Items : nullptr;
}

String TExtStringGrid::GetAllGridCells(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0) return String();
    if (const TGridItemCells* hidden = HiddenRowTexts(ARow)) return hidden->Strings(ACol);
    return GetGridCell(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetAllGridCells(Integer ACol, Integer ARow, const String& Value)
{
    if (ACol < 0 || ARow < 0) return;
    if (TGridItemCells* hidden = HiddenRowTexts(ARow)) {
        // The hidden row's cells are not lengthened by this write.
        if (ACol < hidden->Count()) hidden->SetStrings(ACol, Value);
        return;
    }
    const Integer row = DisplRowIndex(ARow);
    SetGridCell(ACol, row, Value);
    if (DisplColIndex(ACol) != ACol) RepaintCell(DisplColIndex(ACol), row);
}

TCellProperties* TExtStringGrid::GetAllGridObject(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0) return nullptr;
    if (const TGridItemCells* hidden = HiddenRowTexts(ARow)) return hidden->Objects(ACol);
    return GetGridObject(ACol, DisplRowIndex(ARow));
}

TObject* TExtStringGrid::GetAllObjects(Integer ACol, Integer ARow)
{
    const TCellProperties* props = GetAllGridObject(ACol, ARow);
    return props ? props->CellObject : nullptr;
}

void TExtStringGrid::SetAllObjects(Integer ACol, Integer ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0) return;
    if (TGridItemCells* hidden = HiddenRowTexts(ARow)) {
        // A hidden cell without properties gets them, owned by the item's slot as any other.
        if (!hidden->Objects(ACol)) hidden->SetObjects(ACol, std::make_unique<TCellProperties>(this, ACol, ARow));
        hidden->Objects(ACol)->CellObject = Value;
        return;
    }
    SetObjectEx(ACol, DisplRowIndex(ARow), Value);
}

void TExtStringGrid::SetRowColor(Integer ARow, TColor Value)
{
    for (Integer c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone) {
            GetCellProperties(c, ARow)->SetBrushColor(Value);
            continue;
        }
        if (!CellHasProperties(c, ARow)) continue;
        TCellProperties* props = GetGridObject(c, ARow);
        const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject());
        if (graphic && graphic->CellType == ctNone && !KeepsObject(*props))
            FreeCellObject(c, ARow);
        else
            props->SetBrushColor(clNone);
    }
    RepaintRow(ARow);
}

void TExtStringGrid::SetRowColorTo(Integer ARow, TColor Value)
{
    for (Integer c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone) {
            GetCellProperties(c, ARow)->SetBrushColorTo(Value);
            continue;
        }
        if (!CellHasProperties(c, ARow)) continue;
        TCellProperties* props = GetGridObject(c, ARow);
        if (KeepsObject(*props))
            props->SetBrushColorTo(clNone);
        else
            FreeCellObject(c, ARow);
    }
    RepaintRow(ARow);
}

void TExtStringGrid::SetRowFontColor(Integer ARow, TColor Value)
{
    for (Integer c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone) {
            GetCellProperties(c, ARow)->FontColor = Value;
            continue;
        }
        if (!CellHasProperties(c, ARow)) continue;
        TCellProperties* props = GetGridObject(c, ARow);
        if (props->BrushColor() == clNone && !KeepsObject(*props))
            FreeCellObject(c, ARow);
        else
            props->FontColor = clNone;
    }
    RepaintRow(ARow);
}

// --- merging and splitting ---------------------------------------------------------------------------

void TExtStringGrid::MergeColumnCells(Integer ColIndex, bool MainMerge)
{
    Integer start = FixedRows(), length = 1;
    const Integer last = RowCount() - FixedFooters() - 1;
    for (Integer r = FixedRows() + 1; r <= last; ++r) {
        if (GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1))) {
            ++length;
            continue;
        }
        if (length > 1) MergeCells(ColIndex, start, 1, length);
        start = r;
        length = 1;
    }
    if (length > 1) MergeCells(ColIndex, start, 1, length);
}

void TExtStringGrid::MergeRowCells(Integer RowIndex, bool MainMerge)
{
    Integer start = FixedCols(), length = 1;
    const Integer last = ColCount() - FixedRightCols() - 1;
    for (Integer c = FixedCols() + 1; c <= last; ++c) {
        if (GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1))) {
            ++length;
            continue;
        }
        if (length > 1) MergeCells(start, RowIndex, length, 1);
        start = c;
        length = 1;
    }
    if (length > 1) MergeCells(start, RowIndex, length, 1);
}

void TExtStringGrid::SplitColumnCells(Integer ColIndex)
{
    for (Integer r = 0; r < RowCount() - FixedFooters();) {
        if (!IsYMergedCell(ColIndex, r)) {
            ++r;
            continue;
        }
        const TPoint base = BaseCell(ColIndex, r);
        const Integer span = CellSpan(base.X, base.Y).Y;
        SplitCells(ColIndex, r);
        r = base.Y + span + 1;
    }
}

void TExtStringGrid::SplitRowCells(Integer RowIndex)
{
    for (Integer c = 0; c < ColCount() - FixedRightCols();) {
        if (!IsMergedCell(c, RowIndex)) {
            ++c;
            continue;
        }
        const TPoint base = BaseCell(c, RowIndex);
        const Integer span = CellSpan(base.X, base.Y).X;
        SplitCells(c, RowIndex);
        c = base.X + span + 1;
    }
}

void TExtStringGrid::SplitAllCells()
{
    for (Integer r = 0; r < RowCount(); ++r)
        for (Integer c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TExtStringGrid::MergeCols(Integer ColIndex1, Integer ColIndex2, const String& Separator)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r)
        SetCellEx(ColIndex1, r, Trim(GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

// --- finding -----------------------------------------------------------------------------------------

bool TExtStringGrid::IsCell(const String& SubStr, Integer& ACol, Integer& ARow)
{
    for (Integer r = 0; r < RowCount(); ++r)
        for (Integer c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExtStringGrid::IsWideCell(Integer ACol, Integer ARow)
{
    return ClassifyCellText(GetCellEx(ACol, ARow), false) == ctkWideEncoded;
}

// --- column order ------------------------------------------------------------------------------------

Integer TExtStringGrid::ColumnPosition(Integer ACol) const
{
    if (m_columnOrder->Count() == 0) return ACol;
    Integer result = ACol;
    const Integer n = std::min(m_columnOrder->Count(), TotalColCount());
    for (Integer p = 0; p < n; ++p)
        if (m_columnOrder->GetInteger(p) == ACol) {
            result = p;
            break;
        }
    if (FGroupColumn != -1 && FGroupColumn <= ACol) --result;
    return result;
}

Integer TExtStringGrid::ColumnAtPosition(Integer ACol)
{
    if (m_columnOrder->Count() == 0) SetColumnOrder();
    // A position past the record answers as itself.
    if (ACol < 0 || ACol >= m_columnOrder->Count()) return ACol;
    Integer result = m_columnOrder->GetInteger(ACol);
    if (FGroupColumn != -1 && FGroupColumn <= result) ++result;
    return result;
}

void TExtStringGrid::ResetColumnOrder()
{
    if (NumHiddenColumns() > 0) UnHideColumnsAll();
    if (m_columnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    for (bool moved = true; moved;) {
        moved = false;
        for (Integer i = 0; i < ColCount() && i < m_columnOrder->Count(); ++i) {
            const Integer target = m_columnOrder->GetInteger(i);
            if (target >= i) continue;
            // Every column is shown now: the base grid's move, whose moved notification moves
            // the record's entry with the column.
            TBaseGrid::MoveColumn(i, target);
            moved = true;
        }
    }
}

void TExtStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex)
{
    const Integer realFrom = RealColIndex(FromIndex), realTo = RealColIndex(ToIndex);
    // The record keeps which recorded column stands at each position.
    if (realFrom < m_columnOrder->Count() && realTo < m_columnOrder->Count()) {
        const Integer entry = m_columnOrder->GetInteger(realFrom);
        m_columnOrder->Delete(realFrom);
        m_columnOrder->Insert(realTo, entry);
    }
    if (NumHiddenColumns() == 0)
        TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    else
        TBaseGrid::ColumnMoved(realFrom, realTo);
    // Hidden rows keep their cells outside the store: they move there.
    for (Integer i = 0; i < FHiddenRows.Count(); ++i) {
        TGridItemCells& cells = FHiddenRows.Items(i).Items;
        if (std::max(realFrom, realTo) >= cells.Count()) cells.SetCount(std::max(realFrom, realTo) + 1);
        String text = cells.ExtractString(realFrom);
        std::unique_ptr<TCellProperties> object = cells.ExtractObject(realFrom);
        const Integer step = realFrom < realTo ? 1 : -1;
        for (Integer c = realFrom; c != realTo; c += step) {
            cells.SetStrings(c, cells.ExtractString(c + step));
            cells.SetObjects(c, cells.ExtractObject(c + step));
        }
        cells.SetStrings(realTo, std::move(text));
        cells.SetObjects(realTo, std::move(object));
    }
    ColMoveFlg = true;
    // The sort column and the index list's columns stay with their cells (a column standing at
    // the target of a move to the right moves one left with the others). The base grid's move
    // has already taken the current column along.
    TSortSettings& sort = *m_sortSettings;
    if (sort.Column >= 0) sort.Column = MovedIndex(sort.Column, realFrom, realTo);
    for (Integer i = 0; i < m_sortIndexes->Count(); ++i)
        m_sortIndexes->SetSortColumns(i, MovedIndex(m_sortIndexes->GetSortColumns(i), realFrom, realTo));
    if (FFooterPanel && FloatingFooter()->Visible()) FFooterPanel->Invalidate();
    TExtStringGrid* other = m_syncGrid->Grid();
    if (other && m_syncGrid->MoveColumn && !FSyncedMove) {
        TTemporaryChange following(other->FSyncedMove, true);
        other->MoveColumn(FromIndex, ToIndex);
    }
}

void TExtStringGrid::RowMoved(Integer FromIndex, Integer ToIndex)
{
    // The floating footer's row stays the last one.
    const bool footerRow = FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
    if (footerRow && ToIndex == RowCount() - 1) return;
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    ColMoveFlg = true;
    if (OnRowMove) OnRowMove(this, FromIndex, ToIndex);
    TExtStringGrid* other = m_syncGrid->Grid();
    if (other && m_syncGrid->MoveRow && !FSyncedMove) {
        TTemporaryChange following(other->FSyncedMove, true);
        other->MoveRow(FromIndex, ToIndex);
    }
}

Integer TExtStringGrid::ColumnByHeader(const String& AValue)
{
    const TGridItem* hidden = FHiddenRows.Find(RealRow(0));
    for (Integer c = 0; c < TotalColCount(); ++c) {
        const String header = hidden ? hidden->Items.Strings(c) : GetCellEx(c, DisplRowIndex(0));
        if (header == AValue) return c;
    }
    return -1;
}

}  // namespace gw
