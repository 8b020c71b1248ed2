// The row operations and grid conveniences shared by the exchange-table windows.
#include "tables/table_operations.h"

#include "core/lang_form.h"
#include "core/program_state.h"
#include "grid/model/ext_column_grid.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/ui/dialogs.h"

namespace gw {

namespace {

constexpr Integer kRowUsed = 1100;
constexpr Integer kOtherColumnCount = 1101;
constexpr Integer kNothingCopied = 1102;
constexpr Char kEnter = 13;
// Column 0 holds the row number, which row moves leave in place.
constexpr Integer kFirstDataColumn = 1;

// n: the visible plus the hidden columns; the data columns are 1 .. n - 1.
Integer All_Columns(const TExtColumnGrid& Grid) { return Grid.ColCount() + Grid.NumHiddenColumns(); }

bool Is_Check_Box_Column(const TExtColumnGrid& Grid, Integer ACol)
{
    const TGridColumnCollection* columns = Grid.Columns();
    return ACol < columns->Count() && columns->Items(ACol)->Editor() == edDataCheckBox;
}

// A text cell that is not blank makes the row used; check-box cells never do.
bool Row_Used(TExtColumnGrid& Grid, Integer ARow)
{
    for (Integer c = 1; c < All_Columns(Grid); ++c)
        if (!Is_Check_Box_Column(Grid, c) && !Trim(Grid.GetCellEx(c, ARow)).empty()) return true;
    return false;
}

}  // namespace

void Grid_Del_Row(TExtColumnGrid& Grid, Integer ARow)
{
    // The moves of a whole table, painted once. The rows' data cells move whole (hidden
    // columns and cell properties with them), the row numbers stay.
    Grid.BeginUpdate();
    const TScopeExit unlock([&Grid] { Grid.EndUpdate(); });
    const Integer last = Grid.RowCount() - 1;
    if (ARow >= 0 && ARow < last) Grid.MoveRowCells(ARow, last, kFirstDataColumn);
    Grid.ClearRowCells(last, kFirstDataColumn);
}

void Grid_Ins_Row(TExtColumnGrid& Grid, Integer ARow, bool Enable_Y)
{
    // The moves of a whole table, painted once; the last row's cells come round to ARow, emptied.
    Grid.BeginUpdate();
    const TScopeExit unlock([&Grid] { Grid.EndUpdate(); });
    const Integer last = Grid.RowCount() - 1;
    if (ARow >= 0 && ARow < last) Grid.MoveRowCells(last, ARow, kFirstDataColumn);
    Grid.ClearRowCells(ARow, kFirstDataColumn);
    if (Enable_Y && All_Columns(Grid) > 1) Grid.SetCellEx(1, ARow, u"Y");
}

void Grid_Copy_Row(TExtColumnGrid& Grid, Integer ARow)
{
    TStringList& clipboard = ProgramState.SL_Copy_Row;
    clipboard.Clear();
    for (Integer c = 1; c < All_Columns(Grid); ++c) clipboard.Add(Grid.GetCellEx(c, ARow));
}

void Grid_Paste_Row(TExtColumnGrid& Grid, Integer ARow, bool Do_Copy)
{
    const TStringList& clipboard = ProgramState.SL_Copy_Row;
    if (!Do_Copy) {
        MessageDlg(Lang(kNothingCopied), mtError, mbOK);
        return;
    }
    if (clipboard.Count() != All_Columns(Grid) - 1) {
        MessageDlg(Lang(kOtherColumnCount), mtError, mbOK);
        return;
    }
    if (Row_Used(Grid, ARow) && MessageDlg(Lang(kRowUsed), mtConfirmation, mbYesNo) != mrYes) return;
    // The moves of a whole table, painted once.
    Grid.BeginUpdate();
    const TScopeExit unlock([&Grid] { Grid.EndUpdate(); });
    for (Integer c = 1; c < All_Columns(Grid); ++c) Grid.SetCellEx(c, ARow, clipboard.Strings(c - 1));
}

void Grid_DblClick_Size(TExtColumnGrid& Grid, Integer ARow, Integer ACol)
{
    if (ProgramState.Auto_Size_Enabled && ARow == 0) Grid.AutoSizeCol(ACol, 0);
}

void Grid_Enter_Next(TExtColumnGrid& Grid, Char& Key)
{
    if (!ProgramState.Jump_Field_Enabled || Key != kEnter) return;
    const Integer col = Grid.Col();
    const Integer row = Grid.GetRowEx();
    if (col > 0 && row > 0) {
        if (col < Grid.ColCount() - 1) {
            Grid.SetCol(col + 1);
        } else {
            Grid.SetCol(1);
            Grid.SetRowEx(row < Grid.RowCount() - 1 ? row + 1 : 1);
        }
    }
    Key = 0;
}

}  // namespace gw
