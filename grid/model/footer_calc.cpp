// The floating footer's calculation of one column.
#include "grid/model/footer_calc.h"

namespace gw {

namespace {

TFooterValue FloatValue(double Value) { return {.Kind = TFooterValue::fvFloat, .Float = Value}; }

TFooterValue CustomValue(Integer ACol, const TFooterGridRows& Grid, const TFooterCustomCalc& Custom)
{
    String value;
    if (!Custom || !Custom(ACol, Grid.RowCount - 1 + Grid.CountedHidden(), value))
        return {.Kind = TFooterValue::fvClear};
    return {.Kind = TFooterValue::fvText, .Text = std::move(value)};
}

}  // namespace

TCalcRows FooterCalcRows(const TFooterGridRows& Grid)
{
    return {.FromRow = Grid.FixedRows,
            .ToRow = Grid.RowCount - 2 + Grid.CountedHidden(),
            .Numbering = Grid.CalculateHiddenRows ? rnAllRows : rnDisplayedRows};
}

TFooterValue CalcFooterValue(TColumnCalcType Type, Integer ACol, const TFooterGridRows& Grid, const TCalcCells& Cells,
                             const TFooterCustomCalc& Custom)
{
    const TCalcRows rows = FooterCalcRows(Grid);
    switch (static_cast<TColumnCalcType>(Type & 0x7F)) {
    case acSUM: return FloatValue(ColumnSum(Cells, ACol, rows));
    case acAVG: return FloatValue(ColumnAvg(Cells, ACol, rows));
    case acMIN: return FloatValue(ColumnMin(Cells, ACol, rows));
    case acMAX: return FloatValue(ColumnMax(Cells, ACol, rows));
    case acDISTINCT: return FloatValue(ColumnDistinct(Cells, ACol, rows));
    case acSTDDEV: return FloatValue(ColumnStdDev(Cells, ACol, rows));
    case acCOUNT:
        return {.Kind = TFooterValue::fvCount, .Count = Grid.RowCount - Grid.FixedRows - 1 + Grid.CountedHidden()};
    case acCUSTOM: return CustomValue(ACol, Grid, Custom);
    case acNONE:
    case acSPREAD: break;
    }
    return {};
}

}  // namespace gw
