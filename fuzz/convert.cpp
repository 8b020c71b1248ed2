// Fuzz target: the runtime's reading of integers, floats, dates and times from arbitrary text.
#include "fuzz/fuzz_support.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"

#include <cmath>

namespace {

using namespace gw;
using gw::fuzz::Fail;

void CheckIntegers(StringView s)
{
    Integer i = 0;
    if (TryStrToInt(s, i)) {
        if (StrToInt(s) != i || StrToIntDef(s, i ^ 1) != i) Fail("StrToInt disagrees with TryStrToInt");
        Integer back = 0;
        if (!TryStrToInt(IntToStr(i), back) || back != i) Fail("IntToStr does not read back");
    } else {
        try {
            StrToInt(s);
            Fail("StrToInt accepts what TryStrToInt refuses");
        } catch (const EConvertError&) {
        }
    }
    Int64 l = 0;
    if (TryStrToInt64(s, l)) {
        if (StrToInt64(s) != l) Fail("StrToInt64 disagrees with TryStrToInt64");
        Int64 back = 0;
        if (!TryStrToInt64(IntToStr(l), back) || back != l) Fail("IntToStr does not read back (Int64)");
        IntToHex(l, static_cast<Integer>(l & 31));
    } else if (TryStrToInt(s, i)) {
        Fail("an Integer that is no Int64");
    }
}

void CheckFloats(StringView s)
{
    double d = 0;
    if (!TryStrToFloat(s, d)) {
        try {
            StrToFloat(s);
            Fail("StrToFloat accepts what TryStrToFloat refuses");
        } catch (const EConvertError&) {
        }
        return;
    }
    if (!std::isfinite(d)) Fail("TryStrToFloat gave an infinity or NaN");
    if (StrToFloat(s) != d) Fail("StrToFloat disagrees with TryStrToFloat");
    const String shown = FloatToStr(d);
    double back = 0;
    if (std::fabs(d) < 1e300 && !TryStrToFloat(shown, back)) Fail("FloatToStr does not read back");
    try {
        Round(d);
        Trunc(d);
    } catch (const EMathError&) {
        if (std::fabs(d) < 9e18) Fail("Round/Trunc refused a value in range");
    }
}

void CheckDates(StringView s)
{
    TDateTime date = -7e9;
    if (TryStrToDate(s, date)) {
        if (StrToDate(s) != date) Fail("StrToDate disagrees with TryStrToDate");
        TDateTime back = 0;
        if (!TryStrToDate(DateToStr(date), back) || back != date) Fail("DateToStr does not read back");
    } else if (date != -7e9) {
        Fail("TryStrToDate changed the value on failure");
    }
    TDateTime time = -7e9;
    if (TryStrToTime(s, time)) {
        if (!(time >= 0 && time < 1)) Fail("a time outside one day");
        if (StrToTime(s) != time) Fail("StrToTime disagrees with TryStrToTime");
        TimeToStr(time);
    }
}

void CheckAll(StringView s)
{
    CheckIntegers(s);
    CheckFloats(s);
    CheckDates(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data, size));
    CheckAll(text);
    // The same under other regional settings, as a machine with another locale has them.
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.DateSeparator = u'.';
    FormatSettings.TimeSeparator = u'.';
    FormatSettings.ShortDateFormat = u"m/d/yyyy";
    FormatSettings.TwoDigitYearCenturyWindow = 0;
    CheckAll(text);
    FormatSettings = saved;
    return 0;
}
