// The string grid's sizes from its contents: column widths and row heights fitted to the cells,
// the columns spread over the control, the control fitted to its cells, auto-numbering, and the
// exchange of two columns or rows.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/model/auto_fit.h"
#include "grid/model/column_size.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/controls/memo.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/scope.h"
#include "platform/ui/system_metrics.h"

#include <algorithm>
#include <numeric>

namespace gw {

namespace {

// The margin of a cell's grid lines: columns take the line on both sides and one more pixel
// each, rows the lines alone.
Integer ColumnLineMargin(Integer LineWidth) { return 2 * (LineWidth + 1); }

}  // namespace

// --- columns --------------------------------------------------------------------------------------

void TExtStringGrid::AutoSizeCol(Integer ACol, Integer Padding)
{
    CalcAutoColWidth(ACol, SizeGrowOnly);
    if (Padding != 0) SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, Integer Padding)
{
    const Integer first = DoFixedCols ? 0 : FixedCols();
    const Integer last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (Integer c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

void TExtStringGrid::CalcAutoColWidth(Integer ACol, bool GrowOnly)
{
    const Integer real = RealColIndex(ACol);
    Integer first = 0, last = RowCount() - 1;
    if (m_columnSize->Rows == arNormal) {
        first = FixedRows();
        last = RowCount() - FFixedFooters - 1;
    } else if (m_columnSize->Rows == arFixed) {
        last = FixedRows() - 1;
    }
    const bool sortIndicator = m_sortSettings->Show() && RowCount() - FixedRows() > 1 && ACol == m_sortSettings->Column;
    Integer widest = 0;
    for (Integer r = first; r <= last; ++r) {
        if (IsXMergedCell(real, r)) continue;
        const TCellGraphic* graphic = GetCellGraphic(real, r);
        const Integer graphicWidth = graphic ? GetCellGraphicSize(real, r).X : 0;
        Integer w = graphicWidth + GetCellTextSize(real, r, false, false).cx;
        if (m_controlLook->DropDownAlwaysVisible() && HasComboBox(real, r)) w += 16;
        if (FilterDropDownAuto && r == FixedRows() - 1 && GetColumnFilter(ACol)) w += 12;
        if (sortIndicator && r == m_sortSettings->Row()) w += 10;
        if (graphic && graphic->CellHAlign == haFull) w = graphicWidth - ColumnLineMargin(GridLineWidth()) - XYOffset.X;
        widest = std::max(widest, w);
    }
    Integer width = widest + TotalXOffset() + ColumnLineMargin(GridLineWidth());
    if (GrowOnly && ColWidths(ACol) >= width) return;
    UpdateAutoColSize(ACol, width);
    SetColWidths(ACol, ClampToLimits(width, MinColWidth, MaxColWidth));
}

void TExtStringGrid::UpdateAutoColSize(Integer ACol, Integer& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::SetAutoSize(bool Value)
{
    m_autoSize = Value;
    if (Value && !(ComponentState() & csLoading)) AutoSizeColumns(false, 10);
}

void TExtStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const bool rowsHidden = VisibleRowCount() + FixedRows() < RowCount();
    const Integer sb =
        ScrollBarAlways == saVert || (ScrollBars() != ssNone && rowsHidden) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    if (ColCount() == 1) {
        SetColWidths(0, Width() - sb - 5);
        return;
    }
    const Integer bw = BorderStyle == bsSingle ? (Flat() ? 2 : 4) : 0;
    const Integer first = DoFixedCells ? 0 : FixedCols();
    const Integer last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    Integer space = Width();
    if (!DoFixedCells) {
        for (Integer c = 0; c < ColCount(); ++c)
            if (c < first || c > last) space -= ColWidths(c);
    }
    Integer lines = 0;
    if (Options() & goVertLine) lines = (ColCount() - FixedCols() - FFixedRightCols) * GridLineWidth();
    if ((Options() & goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;
    TAutoFitArgs args{.Space = space, .ScrollBar = sb, .Border = bw, .Lines = lines};
    for (Integer c = first; c <= last; ++c) args.Widths.push_back(ColWidths(c));
    const std::vector<Integer> widths = AutoFitWidths(args);
    for (Integer c = first; c <= last; ++c)
        if (ColWidths(c) != widths[size_t(c - first)]) SetColWidths(c, widths[size_t(c - first)]);
}

// --- rows -----------------------------------------------------------------------------------------

void TExtStringGrid::AutoSizeRow(Integer ARow, Integer Padding)
{
    CalcAutoRowHeight(ARow, SizeGrowOnly, Padding);
    if (Padding != 0) SetRowHeights(ARow, ClampToLimits(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TExtStringGrid::CalcAutoRowHeight(Integer ARow, bool GrowOnly, Integer Padding)
{
    Integer tallest = 0;
    for (Integer c = 0; c < ColCount(); ++c) {
        const Integer real = RealColIndex(c);
        if (IsYMergedCell(real, ARow) && !IsBaseCell(real, ARow)) continue;
        if (m_ignoreColumns->Count() > 0 && IsIgnoredColumn(real)) continue;
        const Integer text = GetCellTextSize(real, ARow, m_wordWrap, false).cy;
        Integer h = text;
        if (const TCellGraphic* graphic = GetCellGraphic(real, ARow)) {
            const TPoint size = CalcCellGraphicSize(real, ARow, Padding);
            Integer g = size.Y, t = text;
            if (graphic->CellVAlign == vaFull) g = text > 0 ? 0 : DefaultRowHeight();
            if ((graphic->CellType == ctDataCheckBox || graphic->CellType == ctVirtCheckBox) && g > 0) t = 0;
            h = t + g;
            const TCellType type = graphic->CellType;
            if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton)
                h = DefaultRowHeight();
        }
        tallest = std::max(tallest, h);
    }
    const Integer height = tallest + TotalYOffset() + 2 * GridLineWidth() + (XYOffsetTopLeftOnly ? 2 : 0);
    if (GrowOnly && RowHeights(ARow) >= height) return;
    SetRowHeights(ARow, ClampToLimits(height, MinRowHeight, MaxRowHeight));
}

void TExtStringGrid::SetRowHeightForLines(Integer ARow, Integer Lines, Integer Padding)
{
    TBitmap measure;
    TCanvas& canvas = *measure.Canvas();
    canvas.SetFont(ARow < FixedRows() ? m_fixedFont.get() : Font());
    GetCellColor(FixedCols(), ARow, TGridDrawState(), canvas.Brush(), canvas.Font());
    const Integer h = canvas.TextHeight(u"gh");
    SetRowHeights(ARow, ClampToLimits(Padding + Lines * (h + h / 8), MinRowHeight, MaxRowHeight));
}

Integer TExtStringGrid::MaxLinesInRow(Integer ARow)
{
    if (!Multilinecells) return 1;
    Integer lines = 1;
    for (Integer c = 0; c < ColCount(); ++c)
        lines = std::max(lines, CountLines(GetCellEx(RealColIndex(c), ARow), true));
    return lines;
}

void TExtStringGrid::AutoSizeRows(bool DoFixedRows, Integer Padding)
{
    if (RowCount() == 0) return;
    ExportNotification(esExportStart, -1);
    for (Integer r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (m_wordWrap) {
            AutoSizeRow(r, 0);
            if (Padding != 0) SetRowHeights(r, ClampToLimits(RowHeights(r) + Padding, MinRowHeight, MaxRowHeight));
        } else {
            SetRowHeightForLines(r, MaxLinesInRow(r), Padding);
        }
    }
    ExportNotification(esExportDone, -1);
}

void TExtStringGrid::AutoSizeCells(bool DoFixedCells, Integer PaddingX, Integer PaddingY)
{
    TUpdateScope<TExtStringGrid> update(*this);
    for (Integer c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        Integer width = SizeGrowOnly ? ColWidths(c) : 0;
        const Integer real = RealColIndex(c);
        for (Integer r = DoFixedCells ? 0 : FixedRows(); r < RowCount(); ++r) {
            const TSize text = GetCellTextSize(real, r, false, false);
            const TPoint graphic = GetCellGraphicSize(real, r);
            const Integer w = text.cx + graphic.X + PaddingX + XYOffset.X;
            const Integer h = text.cy + graphic.Y + PaddingY + XYOffset.Y;
            if (!IsXMergedCell(real, r) && w > width) {
                width = w;
                SetColWidths(c, ClampToLimits(w, MinColWidth, MaxColWidth));
            }
            if (!IsYMergedCell(real, r) && h > RowHeights(r))
                SetRowHeights(r, ClampToLimits(h, MinRowHeight, MaxRowHeight));
        }
    }
}

// --- the control ----------------------------------------------------------------------------------

void TExtStringGrid::SizeToCols()
{
    Integer width = 0;
    for (Integer c = 0; c < ColCount(); ++c) width += ColWidths(c);
    SetClientWidth(width);
}

void TExtStringGrid::SizeToRows()
{
    Integer height = 0;
    for (Integer r = 0; r < RowCount(); ++r) height += RowHeights(r);
    SetClientHeight(height);
}

void TExtStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

// --- numbering and exchanges ----------------------------------------------------------------------

void TExtStringGrid::AutoNumberCol(Integer ACol)
{
    if (RowCount() <= 0) return;
    const Integer last = RowCount() - FFixedFooters - 1;
    for (Integer a = FixedRows() + AutoNumberStart; a <= last; ++a) {
        const Integer row = AutoNumberDirection == sdAscending ? a : FixedRows() + last - a;
        SetInts(ACol, row, a - FixedRows() + 1 + AutoNumberOffset);
    }
}

void TExtStringGrid::AutoNumberRow(Integer ARow)
{
    const Integer last = ColCount() - FFixedRightCols - 1;
    for (Integer a = FixedCols() + AutoNumberStart; a <= last; ++a) {
        const Integer col = AutoNumberDirection == sdAscending ? a : FixedCols() + last - a;
        SetInts(col, ARow, a - FixedCols() + 1 + AutoNumberOffset);
    }
}

void TExtStringGrid::SwapColumns(Integer ACol1, Integer ACol2)
{
    CheckGridIndex(ACol1, ColCount());
    CheckGridIndex(ACol2, ColCount());
    for (Integer r = 0; r < RowCount(); ++r) ExchangeStoredCells(ACol1, r, ACol2, r);
    const Integer width = ColWidths(ACol1);
    SetColWidths(ACol1, ColWidths(ACol2));
    SetColWidths(ACol2, width);
    if (m_sortSettings->Column == ACol1)
        m_sortSettings->Column = ACol2;
    else if (m_sortSettings->Column == ACol2)
        m_sortSettings->Column = ACol1;
}

void TExtStringGrid::SwapRows(Integer ARow1, Integer ARow2)
{
    CheckGridIndex(ARow1, RowCount());
    CheckGridIndex(ARow2, RowCount());
    CellStore().ExchangeRows(ARow1, ARow2);
    const Integer height = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height);
    Invalidate();
}

}  // namespace gw
