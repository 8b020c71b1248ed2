// The slaves table's data check before saving, and the check of a typed byte path.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TCellTable;
class TTextTable;

// The gateway's limit of the summed input bytes and of the summed output bytes.
inline constexpr Integer Slaves_Byte_Limit = 1438;

// What the check found: passed, or the message of the first fault (in the table's language)
// and its row (0 for the totals, which carry no row prefix).
struct TSlavesCheck {
    bool Passed = true;
    Integer Row = 0;
    String Message;
};

// A data row that the slaves file keeps and the configuration image takes as a slave: its
// address is not empty after trimming and its Enable, trimmed and upper-cased, is "Y".
bool Slave_Row_Taken(const TCellTable& Table, Integer Row);

// Checks the taken rows of the slaves table (rows 1 .. RowCount - 1) in order, each field in
// column order, then the input and output totals of those rows against the limits. Rows not
// taken are passed over, whatever they hold, and the rows below them are still checked.
TSlavesCheck Controllo_Dati(const TCellTable& Table, const TTextTable& Texts, Integer Num_Byte_In = Slaves_Byte_Limit,
                            Integer Num_Byte_Out = Slaves_Byte_Limit);

// A path of bytes typed as hexadecimal without prefix and separated by ",", each trimmed:
// 0 when every byte lies in 0..255 and there are at least Num_DP of them; 1 at the first byte
// that is no such number (an empty one included); 2 when all are good but fewer than Num_DP.
// The empty text holds no byte.
Integer Err_Check_Data_Path(StringView Data_Path, Integer Num_DP);

}  // namespace gw
