// The string grid's typed cell values: integers, floating-point numbers, dates, times and the
// values of mark-up control elements, converted to and from the cell text.
#include "grid/foundation/markup_text.h"
#include "grid/foundation/number_utils.h"
#include "grid/model/cell_number.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/format.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

namespace {

// An empty text or a lone minus counts as zero.
String ZeroIfBlank(const String& Text) { return Text.empty() || Text == u"-" ? String(u"0") : Text; }

Integer ParseInts(const String& Text)
{
    Integer value = 0;
    if (!TryStrToInt(ZeroIfBlank(Trim(Text)), value)) throw EExtGridError(u"Cell does not contain integer value");
    return value;
}

// The value the calculations read (cell_number.h), except that a cell holding a word is no
// number here: only a blank cell or a lone minus reads as zero.
double ParseFloats(const String& Text)
{
    const String reduced = CleanNumberText(Text);
    const String trimmed = Trim(Text);
    const bool digits = std::any_of(reduced.begin(), reduced.end(), [](Char C) { return C >= u'0' && C <= u'9'; });
    if (!digits && !trimmed.empty() && trimmed != u"-") throw EExtGridError(u"Cell does not contain a float value");
    return CellTextToFloat(Text);
}

}  // namespace

String TExtStringGrid::GetStrippedCell(Integer ACol, Integer ARow) { return MarkupToPlainText(GetCellEx(ACol, ARow)); }

Integer TExtStringGrid::GetInts(Integer ACol, Integer ARow) { return ParseInts(GetStrippedCell(ACol, ARow)); }

void TExtStringGrid::SetInts(Integer ACol, Integer ARow, Integer Value)
{
    SetCellEx(ACol, ARow, IntToStr(Value));
    if (NumHiddenColumns() > 0) RepaintCell(MapRealToDisplCol(ACol), ARow);
}

Integer TExtStringGrid::GetAllInts(Integer ACol, Integer ARow) { return ParseInts(GetCellsEx(ACol, ARow)); }

void TExtStringGrid::SetAllInts(Integer ACol, Integer ARow, Integer Value) { SetCellsEx(ACol, ARow, IntToStr(Value)); }

double TExtStringGrid::GetFloats(Integer ACol, Integer ARow) { return ParseFloats(GetStrippedCell(ACol, ARow)); }

void TExtStringGrid::SetFloats(Integer ACol, Integer ARow, double Value)
{
    SetCellEx(ACol, ARow, Format(GetColumnFloatFormat(ACol, ARow), {Value}));
}

double TExtStringGrid::GetAllFloats(Integer ACol, Integer ARow) { return ParseFloats(GetCellsEx(ACol, ARow)); }

void TExtStringGrid::SetAllFloats(Integer ACol, Integer ARow, double Value)
{
    SetCellsEx(ACol, ARow, Format(FloatFormat, {Value}));
}

String TExtStringGrid::GetColumnFloatFormat(Integer /*ACol*/, Integer /*ARow*/) { return FloatFormat; }

TDateTime TExtStringGrid::GetDates(Integer ACol, Integer ARow) { return StrToDate(GetCellEx(ACol, ARow)); }

void TExtStringGrid::SetDates(Integer ACol, Integer ARow, TDateTime Value)
{
    SetCellEx(ACol, ARow, Value > 0 || ShowNullDates ? DateToStr(Value) : String());
}

TDateTime TExtStringGrid::GetTimes(Integer ACol, Integer ARow) { return StrToTime(GetCellEx(ACol, ARow)); }

void TExtStringGrid::SetTimes(Integer ACol, Integer ARow, TDateTime Value) { SetCellEx(ACol, ARow, TimeToStr(Value)); }

String TExtStringGrid::GetCtrlVal(Integer ACol, Integer ARow, const String& ID)
{
    String value;
    GetControlValue(GetCellEx(ACol, ARow), ID, value);
    return value;
}

void TExtStringGrid::SetCtrlVal(Integer ACol, Integer ARow, const String& ID, const String& Value)
{
    String text = GetCellEx(ACol, ARow);
    if (SetControlTagValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

}  // namespace gw
