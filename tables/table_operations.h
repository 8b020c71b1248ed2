// The row buttons and grid conveniences every exchange-table window shares: delete, insert, copy
// and paste a row, fit a column on a header double click, Enter to the next cell.
//
// They work on any column grid whose column 0 is the fixed row number and whose cells hold text.
// The data columns are 1 .. n - 1, n being the visible plus the hidden columns, so hidden columns
// move, copy and paste like the others. Column 0 is never touched.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TExtColumnGrid;

// Removes row ARow: the rows below move up and the last row is emptied.
void Grid_Del_Row(TExtColumnGrid& Grid, Integer ARow);
// Opens an empty row at ARow: the rows below move down and the last row's content is lost. With
// Enable_Y the new row's column 1 (an Enable check box) reads "Y".
void Grid_Ins_Row(TExtColumnGrid& Grid, Integer ARow, bool Enable_Y);
// The row's data cells, in column order, into the program-wide row clipboard.
void Grid_Copy_Row(TExtColumnGrid& Grid, Integer ARow);
// The row clipboard into row ARow. Refused with a message when nothing was copied in this showing
// of the window (Do_Copy false) or the copy has another column count; a row already used (a text
// cell not blank; check-box cells never count) is overwritten only after the user says Yes.
void Grid_Paste_Row(TExtColumnGrid& Grid, Integer ARow, bool Do_Copy);
// A double click on a header cell fits that column to its content, when the setting is on.
void Grid_DblClick_Size(TExtColumnGrid& Grid, Integer ARow, Integer ACol);
// Enter moves to the next cell (row by row, wrapping from the last cell to the first data cell)
// and is swallowed, when the setting is on; any other key, or the setting off, passes.
void Grid_Enter_Next(TExtColumnGrid& Grid, Char& Key);

}  // namespace gw
