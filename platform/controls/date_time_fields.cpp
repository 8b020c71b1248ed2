// The fields of a date or time as the date-time picker shows and edits them, one at a time.
#include "platform/controls/date_time_fields.h"

#include "platform/runtime/datetime.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <cmath>

namespace gw {

Word DaysInMonth(Word Year, Word Month)
{
    static const Word days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 30;
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

namespace {

struct TParts {
    Word Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

TParts Split(TDateTime V)
{
    TParts p;
    DecodeDate(V, p.Year, p.Month, p.Day);
    DecodeTime(V, p.Hour, p.Minute, p.Second, p.MSec);
    return p;
}

TDateTime Join(const TParts& P)
{
    TDateTime d = 0, t = 0;
    const Word day = std::min(P.Day, DaysInMonth(P.Year, P.Month));
    if (!TryEncodeDate(P.Year, P.Month, day, d)) return NAN;
    TryEncodeTime(P.Hour, P.Minute, P.Second, P.MSec, t);
    return d >= 0 ? d + t : d - t;
}

Integer Wrap(Integer V, Integer Lo, Integer Hi)
{
    const Integer n = Hi - Lo + 1;
    return Lo + (((V - Lo) % n) + n) % n;
}

String Pad(Integer V, Integer Width)
{
    String s;
    for (Integer v = V; v > 0 || s.empty(); v /= 10) s.insert(s.begin(), Char(u'0' + v % 10));
    while (Integer(s.size()) < Width) s.insert(s.begin(), u'0');
    return s;
}

}  // namespace

TDateTimeFields::TDateTimeFields(StringView Format)
{
    std::size_t i = 0;
    auto add = [&](TDateField Kind, StringView Picture) { m_spans.push_back({Kind, String(Picture), 0, 0}); };
    while (i < Format.size()) {
        const Char c = Format[i];
        const Char lc = Char(std::tolower(int(c < 128 ? c : 0)));
        std::size_t run = 1;
        while (i + run < Format.size() && Char(std::tolower(int(Format[i + run] < 128 ? Format[i + run] : 0))) == lc &&
               lc != 0)
            ++run;
        const StringView pic = Format.substr(i, run);
        if (c == u'"' || c == u'\'') {
            const std::size_t end = Format.find(c, i + 1);
            const std::size_t stop = end == StringView::npos ? Format.size() : end;
            add(TDateField::Literal, Format.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        if (StartsText(u"am/pm", Format.substr(i))) {
            add(TDateField::AmPm, Format.substr(i, 5));
            i += 5;
            continue;
        }
        switch (lc) {
        case u'd': add(run >= 3 ? TDateField::Literal : TDateField::Day, pic); break;
        case u'm': add(run >= 3 ? TDateField::MonthName : TDateField::Month, pic); break;
        case u'y': add(TDateField::Year, pic); break;
        case u'h': add(TDateField::Hour, pic); break;
        case u'n': add(TDateField::Minute, pic); break;
        case u's': add(TDateField::Second, pic); break;
        case u'/': add(TDateField::Literal, String(run, FormatSettings.DateSeparator)); break;
        case u':': add(TDateField::Literal, String(run, FormatSettings.TimeSeparator)); break;
        default: add(TDateField::Literal, pic); break;
        }
        i += run;
    }
    // An m right after an h means minutes; h with am/pm is the 12-hour clock.
    bool hourSeen = false, ampm = false;
    for (auto& s : m_spans) {
        if (s.Kind == TDateField::AmPm) ampm = true;
        if (s.Kind == TDateField::Hour)
            hourSeen = true;
        else if (s.Kind == TDateField::Month && hourSeen) {
            s.Kind = TDateField::Minute;
            hourSeen = false;
        } else if (s.Kind != TDateField::Literal) {
            hourSeen = false;
        }
    }
    if (ampm)
        for (auto& s : m_spans)
            if (s.Kind == TDateField::Hour) s.Kind = TDateField::Hour12;
}

String TDateTimeFields::Render(TDateTime Value)
{
    const TParts p = Split(Value);
    String text;
    for (auto& s : m_spans) {
        String part;
        const Integer width = Integer(s.Picture.size()) >= 2 ? 2 : 1;
        switch (s.Kind) {
        case TDateField::Literal:
            if (s.Picture.size() >= 3 && (s.Picture[0] == u'd' || s.Picture[0] == u'D')) {
                const Integer dow = DayOfWeek(Value) - 1;
                part = s.Picture.size() == 3 ? FormatSettings.ShortDayNames[std::size_t(dow)]
                                             : FormatSettings.LongDayNames[std::size_t(dow)];
            } else {
                part = s.Picture;
            }
            break;
        case TDateField::Day: part = Pad(p.Day, width); break;
        case TDateField::Month: part = Pad(p.Month, width); break;
        case TDateField::MonthName:
            part = s.Picture.size() == 3 ? FormatSettings.ShortMonthNames[std::size_t(p.Month - 1)]
                                         : FormatSettings.LongMonthNames[std::size_t(p.Month - 1)];
            break;
        case TDateField::Year: part = s.Picture.size() <= 2 ? Pad(p.Year % 100, 2) : Pad(p.Year, 4); break;
        case TDateField::Hour: part = Pad(p.Hour, width); break;
        case TDateField::Hour12: part = Pad(p.Hour % 12 == 0 ? 12 : p.Hour % 12, width); break;
        case TDateField::Minute: part = Pad(p.Minute, width); break;
        case TDateField::Second: part = Pad(p.Second, width); break;
        case TDateField::AmPm: part = p.Hour < 12 ? FormatSettings.TimeAMString : FormatSettings.TimePMString; break;
        }
        s.Start = Integer(text.size());
        s.Length = Integer(part.size());
        text += part;
    }
    return text;
}

std::vector<Integer> TDateTimeFields::EditableSpans() const
{
    std::vector<Integer> r;
    for (Integer i = 0; i < Integer(m_spans.size()); ++i)
        if (m_spans[std::size_t(i)].Kind != TDateField::Literal) r.push_back(i);
    return r;
}

Integer TDateTimeFields::SpanAt(Integer Position) const
{
    Integer best = -1, bestDistance = 1 << 30;
    for (Integer i : EditableSpans()) {
        const auto& s = m_spans[std::size_t(i)];
        const Integer d = Position < s.Start ? s.Start - Position
            : Position >= s.Start + s.Length ? Position - (s.Start + s.Length) + 1
                                             : 0;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

TDateTime TDateTimeFields::Clamp(TDateTime Value) const { return std::clamp(Value, MinDate, MaxDate); }

TDateTime TDateTimeFields::Step(TDateTime Value, Integer Span, Integer Delta) const
{
    if (Span < 0 || Span >= Integer(m_spans.size())) return Value;
    TParts p = Split(Value);
    switch (m_spans[std::size_t(Span)].Kind) {
    case TDateField::Day: p.Day = Word(Wrap(p.Day + Delta, 1, DaysInMonth(p.Year, p.Month))); break;
    case TDateField::Month:
    case TDateField::MonthName: p.Month = Word(Wrap(p.Month + Delta, 1, 12)); break;
    case TDateField::Year: p.Year = Word(std::clamp(p.Year + Delta, 1, 9999)); break;
    case TDateField::Hour:
    case TDateField::Hour12: p.Hour = Word(Wrap(p.Hour + Delta, 0, 23)); break;
    case TDateField::Minute: p.Minute = Word(Wrap(p.Minute + Delta, 0, 59)); break;
    case TDateField::Second: p.Second = Word(Wrap(p.Second + Delta, 0, 59)); break;
    case TDateField::AmPm: p.Hour = Word((p.Hour + 12) % 24); break;
    case TDateField::Literal: return Value;
    }
    const TDateTime v = Join(p);
    return std::isnan(v) ? Value : Clamp(v);
}

TDateTime TDateTimeFields::Extreme(TDateTime Value, Integer Span, bool Highest) const
{
    if (Span < 0 || Span >= Integer(m_spans.size())) return Value;
    TParts p = Split(Value);
    switch (m_spans[std::size_t(Span)].Kind) {
    case TDateField::Day: p.Day = Highest ? DaysInMonth(p.Year, p.Month) : 1; break;
    case TDateField::Month:
    case TDateField::MonthName: p.Month = Highest ? 12 : 1; break;
    case TDateField::Hour:
    case TDateField::Hour12: p.Hour = Highest ? 23 : 0; break;
    case TDateField::Minute: p.Minute = Highest ? 59 : 0; break;
    case TDateField::Second: p.Second = Highest ? 59 : 0; break;
    default: return Value;
    }
    const TDateTime v = Join(p);
    return std::isnan(v) ? Value : Clamp(v);
}

TDateTime TDateTimeFields::TypeDigit(TDateTime Value, Integer Span, Char Digit, String& Pending, bool& Complete) const
{
    Complete = false;
    if (Span < 0 || Span >= Integer(m_spans.size()) || Digit < u'0' || Digit > u'9') return Value;
    const TDateField kind = m_spans[std::size_t(Span)].Kind;
    const bool fourDigits = kind == TDateField::Year && m_spans[std::size_t(Span)].Picture.size() > 2;
    const Integer maxDigits = fourDigits ? 4 : 2;
    Pending += Digit;
    Integer n = 0;
    for (Char c : Pending) n = n * 10 + (c - u'0');
    TParts p = Split(Value);
    Integer highest = 99;
    switch (kind) {
    case TDateField::Day: highest = DaysInMonth(p.Year, p.Month); break;
    case TDateField::Month: highest = 12; break;
    case TDateField::Hour: highest = 23; break;
    case TDateField::Hour12: highest = 12; break;
    case TDateField::Minute:
    case TDateField::Second: highest = 59; break;
    case TDateField::Year: highest = 9999; break;
    default: Pending.clear(); return Value;
    }
    if (n > highest) {
        // The new digit starts the field again.
        Pending = String(1, Digit);
        n = Digit - u'0';
    }
    // Complete when no further digit could keep the number in range.
    Complete = Integer(Pending.size()) >= maxDigits || n * 10 > highest;
    const Integer v = n;
    switch (kind) {
    case TDateField::Day:
        if (v >= 1) p.Day = Word(v);
        break;
    case TDateField::Month:
        if (v >= 1) p.Month = Word(v);
        break;
    case TDateField::Hour: p.Hour = Word(v); break;
    case TDateField::Hour12:
        if (v >= 1) p.Hour = Word((v % 12) + (p.Hour >= 12 ? 12 : 0));
        break;
    case TDateField::Minute: p.Minute = Word(v); break;
    case TDateField::Second: p.Second = Word(v); break;
    case TDateField::Year:
        if (!fourDigits)
            p.Year = Word(p.Year / 100 * 100 + v);
        else if (Complete && v >= 1)
            p.Year = Word(v);
        break;
    default: break;
    }
    if (Complete) Pending.clear();
    const TDateTime r = Join(p);
    return std::isnan(r) ? Value : Clamp(r);
}

}  // namespace gw
