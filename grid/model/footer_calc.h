// The floating footer's calculation of one column: which rows it covers, numbered explicitly
// (all rows when hidden rows are counted), and what it writes into the footer cell.
#pragma once

#include "grid/foundation/cell_properties.h"
#include "grid/model/column_calc.h"

#include <functional>

namespace gw {

// The grid as the footer calculation sees it: the footer is its last displayed row.
struct TFooterGridRows {
    Integer RowCount = 0;
    Integer FixedRows = 0;
    Integer HiddenRows = 0;
    bool CalculateHiddenRows = true;

    // The hidden rows the footer counts: all of them with CalculateHiddenRows, else none.
    Integer CountedHidden() const { return CalculateHiddenRows ? HiddenRows : 0; }
};

// The data rows of the footer: FixedRows..RowCount - 2 + the counted hidden rows, numbered among
// all rows when hidden rows are counted (the footer row then lies just past them), else among the
// displayed rows.
TCalcRows FooterCalcRows(const TFooterGridRows& Grid);

// What the calculation writes into the footer cell.
struct TFooterValue {
    enum TKind : uint8_t {
        fvLeave,  // the cell is not touched (acNONE, acSPREAD)
        fvFloat,  // Float stored as a floating-point value
        fvCount,  // Count stored as an integer value
        fvText,  // Text stored as the cell text
        fvClear,  // the cell emptied
    };
    TKind Kind = fvLeave;
    double Float = 0;
    Integer Count = 0;
    String Text{};
};

// acCUSTOM's handler: the grid's OnCalcFooter, else the footer's (Sender the grid), called with
// the column, a row and the value to fill; false when neither is assigned.
using TFooterCustomCalc = std::function<bool(Integer ACol, Integer ARow, String& Value)>;

// The footer value of column ACol by its calculation type (the top bit ignored): the column
// functions over FooterCalcRows; acCOUNT the number of those rows; acCUSTOM the handler's text,
// asked with the row RowCount - 1 + the counted hidden rows and an empty value, or a clear cell
// without a handler.
TFooterValue CalcFooterValue(TColumnCalcType Type, Integer ACol, const TFooterGridRows& Grid, const TCalcCells& Cells,
                             const TFooterCustomCalc& Custom);

}  // namespace gw
