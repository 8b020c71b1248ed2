// TExtStringGrid: the fill after a selection paste with AllowSmartClipboard - one value into
// every cell, a date, number or whole-number series, a repeated block along a line, or the
// pasted line or column repeated over the selection.
#include "grid/foundation/date_utils.h"
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/format.h"
#include "platform/runtime/format_settings.h"

namespace gw {

namespace {

bool Holds(const String& Text, Char C) { return Text.find(C) != String::npos; }

bool ReadDateTime(const String& Text, TDateTime& Value)
{
    return TryStrToDateTime(Text, Value) || TryStrToTime(Text, Value);
}

}  // namespace

void TExtStringGrid::SmartFill(const TGridRect& S, Integer Count, Integer Cols, Integer Rows)
{
    PasteStarting();
    if (Count == 1 && (S.Left != S.Right || S.Top != S.Bottom)) FillSingleValue(S);
    PasteFinished();
    const bool line = S.Left == S.Right || S.Top == S.Bottom;
    if (Count > 1 && line) {
        if (FillSeries(S, Count)) return;
        FillPattern(S, Count);
    }
    RepeatPaste(S, Cols, Rows);
}

// A filled value: asked of OnClipboardBeforePasteCell and told to the after event (with Events),
// written when allowed; false when refused. The caller marks the row.
bool TExtStringGrid::WriteFilledCell(Integer ACol, Integer ARow, String Value, bool Events)
{
    bool allow = true;
    if (Events && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, Value, allow);
    if (!allow) return false;
    PasteWrite(ACol, ARow, Value);
    if (Events && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, Value);
    return true;
}

void TExtStringGrid::FillSingleValue(const TGridRect& S)
{
    const Integer topLeft = RealColIndex(S.Left);
    String v = GetCellEx(topLeft, S.Top);
    bool state = false;
    if (HasCheckBox(topLeft, S.Top) && GetCheckBoxState(topLeft, S.Top, state)) v = state ? CheckTrue : CheckFalse;
    for (Integer c = S.Left; c <= S.Right; ++c)
        for (Integer r = S.Top; r <= S.Bottom; ++r) {
            if (!ClipboardMayWrite(c, r)) continue;
            WriteFilledCell(c, r, v, c != S.Left || r != S.Top);
            MarkPastedRowsModified(FClipTopLeft, {c, r, c, r}, coCopy);
        }
}

// The first two cells of a one-column (or one-row) selection set a series; true when one was
// recognised, whether or not it ran to the end.
bool TExtStringGrid::FillSeries(const TGridRect& S, Integer /*Count*/)
{
    const bool alongRow = S.Top == S.Bottom;
    // Both read where the user sees them: with hidden columns the real column holds them.
    const String a = GetCellEx(RealColIndex(S.Left), S.Top);
    const String b = alongRow ? GetCellEx(RealColIndex(S.Left + 1), S.Top) : GetCellEx(RealColIndex(S.Left), S.Top + 1);
    const TFormatSettings& fs = FormatSettings;
    using TNext = std::function<String()>;
    TNext next;
    bool markAlways = false;
    if ((IsDateLike(a) || Holds(a, fs.TimeSeparator)) && (IsDateLike(b) || Holds(b, fs.TimeSeparator))) {
        TDateTime d1 = 0, d2 = 0;
        if (!ReadDateTime(a, d1) || !ReadDateTime(b, d2)) return true;
        Word y1 = 0, m1 = 0, day1 = 0, y2 = 0, m2 = 0, day2 = 0;
        DecodeDate(d1, y1, m1, day1);
        DecodeDate(d2, y2, m2, day2);
        const auto dy = static_cast<int16_t>(y2 - y1), dm = static_cast<int16_t>(m2 - m1),
                   dd = static_cast<int16_t>(day2 - day1);
        const TDateTime step = d2 - d1;
        const bool date = Holds(a, fs.DateSeparator);
        TDateTime v = d1;
        next = [=]() mutable {
            const String text = date ? FormatDateTime(fs.ShortDateFormat, v) : FormatDateTime(fs.LongTimeFormat, v);
            v = IncrementDate(dy, dm, dd, v, step);
            return text;
        };
        markAlways = true;
    } else if (Holds(a, fs.DecimalSeparator) || Holds(b, fs.DecimalSeparator)) {
        double f1 = 0, f2 = 0;
        if (!TryStrToFloat(a, f1) || !TryStrToFloat(b, f2)) return true;
        double v = f1;
        const String format = FloatFormat;
        next = [=]() mutable {
            const String text = Format(format, {v});
            v += f2 - f1;
            return text;
        };
    } else {
        Integer i1 = 0, i2 = 0;
        if (!TryStrToInt(a, i1) || !TryStrToInt(b, i2)) return false;
        Int64 v = i1;
        const Int64 step = Int64{i2} - i1;
        next = [=]() mutable {
            const String text = IntToStr(v);
            v += step;
            return text;
        };
    }
    try {
        for (Integer c = S.Left; c <= S.Right; ++c)
            for (Integer r = S.Top; r <= S.Bottom; ++r) {
                const String v = next();
                if (!ClipboardMayWrite(c, r)) continue;
                const bool written = WriteFilledCell(c, r, v, c != S.Left || r != S.Top);
                if (written || markAlways) MarkPastedRowsModified(FClipTopLeft, {c, r, c, r}, coCopy);
            }
    } catch (const EConvertError&) {
        // A date the calendar lacks ends the series; what it wrote stays.
    }
    return true;
}

// The pasted block repeats along the line: each later cell takes the text one block before it.
void TExtStringGrid::FillPattern(const TGridRect& S, Integer Count)
{
    // The block's length: the fields pasted, less the empty one after a final line break.
    const Integer period = Count - (FPasteTrailingBreak ? 1 : 0);
    if (period < 1) return;
    const bool alongRow = S.Top == S.Bottom && S.Left != S.Right;
    if (!alongRow) {
        for (Integer r = S.Top + period; r <= S.Bottom; ++r) {
            if (!ClipboardMayWrite(S.Left, r)) continue;
            WriteFilledCell(S.Left, r, GetCellEx(RealColIndex(S.Left), r - period), true);
        }
        MarkPastedRowsModified({S.Left, S.Top}, {S.Left, S.Top + period, S.Left, S.Bottom}, coCopy);
        return;
    }
    for (Integer c = S.Left + period; c <= S.Right; ++c) {
        if (!ClipboardMayWrite(c, S.Top)) continue;
        WriteFilledCell(c, S.Top, GetCellEx(RealColIndex(c - period), S.Top), true);
    }
    MarkPastedRowsModified({S.Left, S.Top}, {S.Left + period, S.Top, S.Right, S.Top}, coCopy);
}

// A pasted single line goes on every row of the selection, a single column on every column.
void TExtStringGrid::RepeatPaste(const TGridRect& S, Integer Cols, Integer Rows)
{
    if (S.Top == S.Bottom || S.Left == S.Right) return;
    if (Rows == 1) {
        for (Integer r = S.Top + 1; r <= S.Bottom; ++r) {
            SetRowEx(r);
            PasteClipboardAt(S.Left, r, Cols, Rows);
        }
        SetSelection(S);
    }
    if (Cols == 1) {
        for (Integer c = S.Left + 1; c <= S.Right; ++c) {
            SetCol(c);
            PasteClipboardAt(c, S.Top, Cols, Rows);
        }
        SetSelection(S);
    }
}

}  // namespace gw
