// The string grid's column and row calculations: the grid's cells as the calculations read them
// (displayed rows, or all rows with the hidden ones), and the members callers use.
#include "grid/foundation/markup_text.h"
#include "grid/model/column_calc.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/footer_calc.h"

namespace gw {

// Rows numbered among all rows are read at their displayed place while no row is hidden.
class TGridCalcCells final : public TCalcCells {
public:
    explicit TGridCalcCells(TExtStringGrid& AGrid) : m_grid(AGrid) {}

    String DisplayedText(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const override
    {
        if (Numbering == rnAllRows && m_grid.NumHiddenRows() > 0) return m_grid.GetCellsEx(ACol, ARow);
        return m_grid.GetCellEx(ACol, ARow);
    }
    String ValueText(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const override
    {
        return MarkupToPlainText(DisplayedText(ACol, ARow, Numbering));
    }
    bool HoldsGroupTotals(Integer ARow, TCalcRowNumbering Numbering) const override
    {
        if (m_grid.FGroupColumn == -1) return false;
        const Integer row = Displayed(ARow, Numbering);
        return row >= 0 && (m_grid.IsNode(row) || m_grid.IsSummary(row));
    }
    bool IsBaseCell(Integer ACol, Integer ARow, TCalcRowNumbering Numbering) const override
    {
        const Integer row = Displayed(ARow, Numbering);
        return row < 0 || m_grid.TBaseGrid::IsBaseCell(ACol, row);
    }
    void CalcProgress(TCalcProgress Step, Integer ARow) const override
    {
        static constexpr TGridExportState States[] = {esExportStart, esExportNextRow, esExportDone};
        m_grid.ExportNotification(States[Step], ARow);
    }

private:
    // The displayed row of a row of the numbering, -1 for a hidden one.
    Integer Displayed(Integer ARow, TCalcRowNumbering Numbering) const
    {
        if (Numbering == rnDisplayedRows || m_grid.NumHiddenRows() == 0) return ARow;
        return m_grid.IsHiddenRow(ARow) ? -1 : m_grid.DisplRowIndex(ARow);
    }

    TExtStringGrid& m_grid;
};

namespace {

TCalcGridRows CalcGridRowsOf(const TExtStringGrid& Grid)
{
    return {.RowCount = Grid.RowCount(),
            .FixedRows = Grid.FixedRows(),
            .FixedFooters = Grid.FixedFooters(),
            .FooterVisible = Grid.FloatingFooter()->Visible()};
}

}  // namespace

double TExtStringGrid::ColumnSum(Integer ACol, Integer FromRow, Integer ToRow)
{
    return gw::ColumnSum(TGridCalcCells(*this), ACol, CallerCalcRows(FromRow, ToRow, CalcGridRowsOf(*this)));
}

double TExtStringGrid::ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow)
{
    return gw::ColumnAvg(TGridCalcCells(*this), ACol, CallerCalcRows(FromRow, ToRow, CalcGridRowsOf(*this)));
}

double TExtStringGrid::ColumnMin(Integer ACol, Integer FromRow, Integer ToRow)
{
    return gw::ColumnMin(TGridCalcCells(*this), ACol, CallerCalcRows(FromRow, ToRow, CalcGridRowsOf(*this)));
}

double TExtStringGrid::ColumnMax(Integer ACol, Integer FromRow, Integer ToRow)
{
    return gw::ColumnMax(TGridCalcCells(*this), ACol, CallerCalcRows(FromRow, ToRow, CalcGridRowsOf(*this)));
}

double TExtStringGrid::ColumnDistinct(Integer ACol, Integer FromRow, Integer ToRow)
{
    return gw::ColumnDistinct(TGridCalcCells(*this), ACol, CallerCalcRows(FromRow, ToRow, CalcGridRowsOf(*this)));
}

double TExtStringGrid::ColumnStdDev(Integer ACol, Integer FromRow, Integer ToRow)
{
    return gw::ColumnStdDev(TGridCalcCells(*this), ACol, CallerCalcRows(FromRow, ToRow, CalcGridRowsOf(*this)));
}

double TExtStringGrid::ColumnCustomCalc(Integer ACol, Integer FromRow, Integer ToRow)
{
    double res = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExtStringGrid::GroupCustomCalc(Integer ACol, Integer FromRow, Integer ToRow)
{
    double res = 0;
    if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExtStringGrid::RowSum(Integer ARow, Integer FromCol, Integer ToCol)
{
    return gw::RowSum(TGridCalcCells(*this), ARow, FromCol, ToCol);
}

double TExtStringGrid::RowAvg(Integer ARow, Integer FromCol, Integer ToCol)
{
    return gw::RowAvg(TGridCalcCells(*this), ARow, FromCol, ToCol);
}

double TExtStringGrid::RowMin(Integer ARow, Integer FromCol, Integer ToCol)
{
    return gw::RowMin(TGridCalcCells(*this), ARow, FromCol, ToCol);
}

double TExtStringGrid::RowMax(Integer ARow, Integer FromCol, Integer ToCol)
{
    return gw::RowMax(TGridCalcCells(*this), ARow, FromCol, ToCol);
}

void TExtStringGrid::CalcFooter(Integer ACol) { CalcFooterColumns(ACol); }

// Only a visible footer that shows the last row as its summary row, with its calculation on.
void TExtStringGrid::CalcFooterColumns(Integer ACol)
{
    const TFloatingFooter& footer = *m_floatingFooter;
    if (!footer.Visible() || footer.FooterStyle() != fsFixedLastRow || !footer.EnableCalculation) return;
    CalcFooterCells(ACol, footer.CalculateHiddenRows, footer.OnCalcFooter);
}

void TExtStringGrid::ColumnCalcChanged() { CalcFooter(-1); }

void TExtStringGrid::UpdateFooter() { FFooterPanel->Invalidate(); }

void TExtStringGrid::CalcFooterCells(Integer ACol, bool CalculateHiddenRows, const TCalcFooterEvent& FooterEvent)
{
    const Integer footerRow = RowCount() - 1;
    const TFooterGridRows rows{.RowCount = RowCount(),
                               .FixedRows = FixedRows(),
                               .HiddenRows = NumHiddenRows(),
                               .CalculateHiddenRows = CalculateHiddenRows};
    const TFooterCustomCalc custom = [&](Integer Col, Integer Row, String& Value) {
        const TCalcFooterEvent& event = OnCalcFooter ? OnCalcFooter : FooterEvent;
        if (!event) return false;
        event(this, Col, Row, Value);
        return true;
    };
    const TGridCalcCells cells(*this);
    const Integer first = ACol < 0 ? 0 : ACol, last = ACol < 0 ? AllColCount() - 1 : ACol;
    for (Integer c = first; c <= last; ++c) {
        const TCellProperties* props = GetGridObject(c, footerRow);
        if (!props || props->CalcType == acNONE) continue;
        const TFooterValue value = CalcFooterValue(props->CalcType, c, rows, cells, custom);
        switch (value.Kind) {
        case TFooterValue::fvFloat: SetFloats(c, footerRow, value.Float); break;
        case TFooterValue::fvCount: SetInts(c, footerRow, value.Count); break;
        case TFooterValue::fvText: SetCellEx(c, footerRow, value.Text); break;
        case TFooterValue::fvClear: SetCellEx(c, footerRow, u""); break;
        case TFooterValue::fvLeave: break;
        }
    }
}

}  // namespace gw
