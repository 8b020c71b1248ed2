// The date editor's move to the next part after a typed digit.
#include "grid/interaction/date_part_advance.h"

#include "platform/runtime/datetime.h"

namespace gw {

TPickerParts PickerPartsOf(TDateTime Value)
{
    TPickerParts p;
    Word ms = 0;
    DecodeDate(Value, p.Year, p.Month, p.Day);
    DecodeTime(Value, p.Hour, p.Minute, p.Second, ms);
    return p;
}

bool PickerPartAdvances(bool TimeKind, const String& Format, const TPickerParts& Before, const TPickerParts& After)
{
    if (TimeKind) return Before.Hour != After.Hour || Before.Minute != After.Minute || Before.Second != After.Second;
    const bool day = Before.Day != After.Day, month = Before.Month != After.Month, year = Before.Year != After.Year;
    if (Format.empty()) return day || month;
    const Char last = Format.back();
    const bool lastDay = last == u'd' || last == u'D', lastMonth = last == u'm' || last == u'M',
               lastYear = last == u'y' || last == u'Y';
    // A change in the part the format ends with stays there, whatever else changed.
    if ((day && lastDay) || (month && lastMonth) || (year && lastYear)) return false;
    return day || month || year;
}

}  // namespace gw
