// Dates and times on TDateTime: the proleptic Gregorian calendar, text forms after FormatSettings.
#include "platform/runtime/datetime.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/strings.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

namespace gw {

namespace {

constexpr Int64 kMSecsPerDay = 86400000;

// Days since 1970-01-01 of a proleptic Gregorian date (the usual era-based formula).
Int64 daysFromCivil(Int64 y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const Int64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<Int64>(doe) - 719468;
}

void civilFromDays(Int64 z, Int64& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const Int64 era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<Int64>(yoe) + era * 400 + (m <= 2);
}

const Int64 kEpochShift = daysFromCivil(1899, 12, 30);

Word daysInMonth(Word year, Word month)
{
    static constexpr Word kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Whole days and milliseconds into the day, rounded to the millisecond as the runtime splits them.
struct TimeStamp {
    Int64 days = 0;
    Int64 msecs = 0;
};

// Far beyond year 9999 either way (and NaN): no calendar date.
bool outOfRange(TDateTime value) { return !std::isfinite(value) || std::fabs(value) > 3.0e6; }

TimeStamp split(TDateTime value)
{
    TimeStamp ts;
    if (outOfRange(value)) return ts;
    const Int64 total = std::llround(value * kMSecsPerDay);
    ts.days = total / kMSecsPerDay;
    ts.msecs = (total < 0 ? -total : total) % kMSecsPerDay;
    return ts;
}

// Before the epoch the fraction still counts forward from midnight.
TDateTime combine(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

TDateTime timeOf(TDateTime value) { return static_cast<double>(split(value).msecs) / kMSecsPerDay; }

// ---- FormatDateTime ---------------------------------------------------------------------

struct Parts {
    Word year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    Word dayOfWeek = 1;
    bool hasTime = false;
};

String number(Int64 value, size_t width)
{
    std::string s = std::to_string(value);
    if (s.size() < width) s.insert(0, width - s.size(), '0');
    return String(s.begin(), s.end());
}

size_t runLength(StringView f, size_t i, Char upperLetter)
{
    size_t n = 0;
    while (i + n < f.size() && UpCase(f[i + n]) == upperLetter) ++n;
    return n;
}

bool startsWithNoCase(StringView f, size_t i, StringView word)
{
    return CompareText(f.substr(i, word.size()), word) == 0 && f.size() - i >= word.size();
}

// True when the format shows a 12-hour clock (an am/pm marker outside quotes).
bool usesTwelveHours(StringView f)
{
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] == u'"' || f[i] == u'\'') {
            const size_t close = f.find(f[i], i + 1);
            i = close == StringView::npos ? f.size() : close;
        } else if (startsWithNoCase(f, i, u"am/pm") || startsWithNoCase(f, i, u"a/p") ||
                   startsWithNoCase(f, i, u"ampm")) {
            return true;
        }
    }
    return false;
}

class DateTimeWriter {
public:
    explicit DateTimeWriter(const Parts& parts) : m_p(parts) {}

    void write(StringView f, int depth)
    {
        if (depth > 2) return;  // formats naming formats: two levels are all that make sense
        const bool twelve = usesTwelveHours(f);
        bool afterHour = false;
        for (size_t i = 0; i < f.size();) {
            const Char c = f[i];
            const Char u = UpCase(c);
            const size_t n = runLength(f, i, u);
            bool hourToken = false;
            if (c == u'"' || c == u'\'') {
                const size_t close = f.find(c, i + 1);
                const size_t end = close == StringView::npos ? f.size() : close;
                m_out.append(f.substr(i + 1, end - i - 1));
                i = end + 1;
                continue;
            }
            if (u == u'A' &&
                (startsWithNoCase(f, i, u"am/pm") || startsWithNoCase(f, i, u"a/p") ||
                 startsWithNoCase(f, i, u"ampm"))) {
                i += ampm(f, i);
                continue;
            }
            switch (u) {
            case u'C':
                write(FormatSettings.ShortDateFormat, depth + 1);
                if (m_p.hasTime) {
                    m_out += u' ';
                    write(FormatSettings.LongTimeFormat, depth + 1);
                }
                i += 1;
                break;
            case u'D':
                day(n, depth);
                i += std::min<size_t>(n, 6);
                break;
            case u'M':
                if (afterHour) {
                    m_out += number(m_p.minute, n >= 2 ? 2 : 1);
                    i += std::min<size_t>(n, 2);
                } else {
                    month(n);
                    i += std::min<size_t>(n, 4);
                }
                break;
            case u'Y':
                m_out += n <= 2 ? number(m_p.year % 100, 2) : number(m_p.year, 4);
                i += n;
                break;
            case u'H': {
                Word h = m_p.hour;
                if (twelve) h = h % 12 == 0 ? 12 : h % 12;
                m_out += number(h, n >= 2 ? 2 : 1);
                i += std::min<size_t>(n, 2);
                hourToken = true;
                break;
            }
            case u'N':
                m_out += number(m_p.minute, n >= 2 ? 2 : 1);
                i += std::min<size_t>(n, 2);
                break;
            case u'S':
                m_out += number(m_p.second, n >= 2 ? 2 : 1);
                i += std::min<size_t>(n, 2);
                break;
            case u'Z':
                m_out += number(m_p.msec, n >= 3 ? 3 : 1);
                i += std::min<size_t>(n, 3);
                break;
            case u'T':
                write(n >= 2 ? FormatSettings.LongTimeFormat : FormatSettings.ShortTimeFormat, depth + 1);
                i += std::min<size_t>(n, 2);
                break;
            case u'/':
                m_out += FormatSettings.DateSeparator;
                i += 1;
                continue;
            case u':':
                m_out += FormatSettings.TimeSeparator;
                i += 1;
                continue;
            default:
                m_out += c;
                i += 1;
                continue;  // plain text does not end "after an hour" either
            }
            afterHour = hourToken;
        }
    }

    const String& text() const { return m_out; }

private:
    void day(size_t n, int depth)
    {
        const auto& fs = FormatSettings;
        switch (std::min<size_t>(n, 6)) {
        case 1: m_out += number(m_p.day, 1); break;
        case 2: m_out += number(m_p.day, 2); break;
        case 3: m_out += fs.ShortDayNames[m_p.dayOfWeek - 1]; break;
        case 4: m_out += fs.LongDayNames[m_p.dayOfWeek - 1]; break;
        case 5: write(fs.ShortDateFormat, depth + 1); break;
        default: write(fs.LongDateFormat, depth + 1); break;
        }
    }

    void month(size_t n)
    {
        const auto& fs = FormatSettings;
        if (m_p.month < 1 || m_p.month > 12) {
            m_out += number(m_p.month, 1);
            return;
        }
        switch (std::min<size_t>(n, 4)) {
        case 1: m_out += number(m_p.month, 1); break;
        case 2: m_out += number(m_p.month, 2); break;
        case 3: m_out += fs.ShortMonthNames[m_p.month - 1]; break;
        default: m_out += fs.LongMonthNames[m_p.month - 1]; break;
        }
    }

    // Writes the marker of one of the three am/pm forms and returns its length in the format.
    size_t ampm(StringView f, size_t i)
    {
        const bool pm = m_p.hour >= 12;
        if (startsWithNoCase(f, i, u"am/pm")) {
            const bool lower = f[i] == u'a';
            m_out += pm ? (lower ? u"pm" : u"PM") : (lower ? u"am" : u"AM");
            return 5;
        }
        if (startsWithNoCase(f, i, u"a/p")) {
            const bool lower = f[i] == u'a';
            m_out += pm ? (lower ? u'p' : u'P') : (lower ? u'a' : u'A');
            return 3;
        }
        m_out += pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
        return 4;
    }

    const Parts& m_p;
    String m_out;
};

// ---- reading ----------------------------------------------------------------------------

class Scanner {
public:
    explicit Scanner(StringView s) : m_s(s) {}

    void skipBlanks()
    {
        while (m_i < m_s.size() && m_s[m_i] == u' ') ++m_i;
    }
    bool atEnd() const { return m_i >= m_s.size(); }
    bool take(Char c)
    {
        if (atEnd() || m_s[m_i] != c) return false;
        ++m_i;
        return true;
    }
    bool takeText(StringView word)
    {
        if (word.empty() || !startsWithNoCase(m_s, m_i, word)) return false;
        m_i += word.size();
        return true;
    }
    // Up to 4 decimal digits; `digits` receives how many were read (0 = no number).
    bool number(Word& value, size_t& digits)
    {
        value = 0;
        digits = 0;
        while (!atEnd() && m_s[m_i] >= u'0' && m_s[m_i] <= u'9') {
            if (++digits > 4) return false;
            value = static_cast<Word>(value * 10 + (m_s[m_i++] - u'0'));
        }
        return digits > 0;
    }

private:
    StringView m_s;
    size_t m_i = 0;
};

// Order of day, month and year in the short date format: 'D', 'M', 'Y' in a three-letter text.
std::u16string dateOrder()
{
    const String f = UpperCase(FormatSettings.ShortDateFormat);
    const size_t d = f.find(u'D'), m = f.find(u'M'), y = f.find(u'Y');
    if (y != String::npos && y < m && y < d) return u"YMD";
    if (m != String::npos && d != String::npos && m < d) return u"MDY";
    return u"DMY";
}

Word currentYear()
{
    Word y = 0, m = 0, d = 0;
    DecodeDate(Date(), y, m, d);
    return y;
}

Word expandYear(Word year, size_t digits)
{
    if (digits > 2) return year;
    const Word window = FormatSettings.TwoDigitYearCenturyWindow;
    const int century = static_cast<int>(currentYear()) - window;
    int y = year + century / 100 * 100;
    if (window > 0 && y < century) y += 100;
    return static_cast<Word>(y);
}

bool scanDate(StringView s, TDateTime& value)
{
    Scanner in(s);
    Word n[3] = {0, 0, 0};
    size_t digits[3] = {0, 0, 0};
    int count = 0;
    in.skipBlanks();
    for (; count < 3; ++count) {
        if (!in.number(n[count], digits[count])) return false;
        if (count == 2 || !in.take(FormatSettings.DateSeparator)) break;
    }
    ++count;
    in.skipBlanks();
    if (!in.atEnd() || count < 2) return false;
    const std::u16string order = dateOrder();
    Word y = 0, m = 0, d = 0;
    if (count == 2) {  // no year: the current one
        y = currentYear();
        const bool monthFirst = order != u"DMY";
        m = monthFirst ? n[0] : n[1];
        d = monthFirst ? n[1] : n[0];
    } else {
        for (int k = 0; k < 3; ++k) {
            if (order[k] == u'Y')
                y = expandYear(n[k], digits[k]);
            else if (order[k] == u'M')
                m = n[k];
            else
                d = n[k];
        }
    }
    return TryEncodeDate(y, m, d, value);
}

bool scanTime(StringView s, TDateTime& value)
{
    const auto& fs = FormatSettings;
    Scanner in(s);
    Word h = 0, m = 0, sec = 0, ms = 0;
    size_t digits = 0;
    in.skipBlanks();
    if (!in.number(h, digits) || !in.take(fs.TimeSeparator) || !in.number(m, digits)) return false;
    if (in.take(fs.TimeSeparator)) {
        if (!in.number(sec, digits)) return false;
        if (in.take(fs.DecimalSeparator)) {
            if (!in.number(ms, digits) || digits > 3) return false;
            for (; digits < 3; ++digits) ms = static_cast<Word>(ms * 10);
        }
    }
    in.skipBlanks();
    int half = 0;  // 1 = AM, 2 = PM
    if (in.takeText(fs.TimeAMString) || in.takeText(u"AM") || in.takeText(u"A"))
        half = 1;
    else if (in.takeText(fs.TimePMString) || in.takeText(u"PM") || in.takeText(u"P"))
        half = 2;
    in.skipBlanks();
    if (!in.atEnd()) return false;
    if (half != 0) {
        if (h == 0 || h > 12) return false;
        h = static_cast<Word>(h % 12 + (half == 2 ? 12 : 0));
    }
    return TryEncodeTime(h, m, sec, ms, value);
}

}  // namespace

bool IsLeapYear(Word Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > daysInMonth(Year, Month)) return false;
    Date = static_cast<double>(daysFromCivil(Year, Month, Day) - kEpochShift);
    return true;
}

TDateTime EncodeDate(Word Year, Word Month, Word Day)
{
    TDateTime d = 0;
    if (!TryEncodeDate(Year, Month, Day, d)) throw EConvertError(u"Invalid argument to date encode");
    return d;
}

void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day)
{
    const TimeStamp ts = split(Date);
    Int64 y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(ts.days + kEpochShift, y, m, d);
    if (outOfRange(Date) || y < 1 || y > 9999) {
        Year = Month = Day = 0;  // not a date this calendar can name
        return;
    }
    Year = static_cast<Word>(y);
    Month = static_cast<Word>(m);
    Day = static_cast<Word>(d);
}

bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time)
{
    if (Hour >= 24 || Min >= 60 || Sec >= 60 || MSec >= 1000) return false;
    const Int64 ms = ((Hour * 60 + Min) * 60 + Sec) * Int64{1000} + MSec;
    Time = static_cast<double>(ms) / kMSecsPerDay;
    return true;
}

TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec)
{
    TDateTime t = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, t)) throw EConvertError(u"Invalid argument to time encode");
    return t;
}

void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec)
{
    Int64 ms = split(Time).msecs;
    MSec = static_cast<Word>(ms % 1000);
    ms /= 1000;
    Sec = static_cast<Word>(ms % 60);
    ms /= 60;
    Min = static_cast<Word>(ms % 60);
    Hour = static_cast<Word>(ms / 60);
}

TDateTime DateOf(TDateTime Value) { return static_cast<double>(split(Value).days); }

TDateTime TimeOf(TDateTime Value) { return timeOf(Value); }

TDateTime ComposeDateTime(TDateTime Date, TDateTime Time) { return combine(DateOf(Date), TimeOf(Time)); }

TDateTime Now()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&secs, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                      static_cast<Word>(local.tm_mday)) +
        EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                   static_cast<Word>(std::min(local.tm_sec, 59)), static_cast<Word>(ms < 0 ? 0 : ms));
}

TDateTime Date() { return std::floor(Now()); }

String FormatDateTime(StringView Format, TDateTime DateTime)
{
    Parts p;
    DecodeDate(DateTime, p.year, p.month, p.day);
    DecodeTime(DateTime, p.hour, p.minute, p.second, p.msec);
    p.dayOfWeek = DayOfWeek(DateTime);
    p.hasTime = split(DateTime).msecs != 0;
    DateTimeWriter writer(p);
    writer.write(Format.empty() ? StringView(u"c") : Format, 0);
    return writer.text();
}

String DateToStr(TDateTime Date) { return FormatDateTime(u"ddddd", Date); }

String TimeToStr(TDateTime Time) { return FormatDateTime(u"tt", Time); }

String DateTimeToStr(TDateTime DateTime) { return FormatDateTime(u"c", DateTime); }

bool TryStrToDate(StringView S, TDateTime& Value)
{
    TDateTime v = 0;
    if (!scanDate(S, v)) return false;
    Value = v;
    return true;
}

TDateTime StrToDate(StringView S)
{
    TDateTime v = 0;
    if (!scanDate(S, v)) throw EConvertError(u"'" + String(S) + u"' is not a valid date");
    return v;
}

bool TryStrToTime(StringView S, TDateTime& Value)
{
    TDateTime v = 0;
    if (!scanTime(S, v)) return false;
    Value = v;
    return true;
}

TDateTime StrToTime(StringView S)
{
    TDateTime v = 0;
    if (!scanTime(S, v)) throw EConvertError(u"'" + String(S) + u"' is not a valid time");
    return v;
}

bool TryStrToDateTime(StringView S, TDateTime& Value)
{
    TDateTime v = 0;
    if (scanDate(S, v) || scanTime(S, v)) {
        Value = v;
        return true;
    }
    // The date ends at one of the blanks: the first after which a time follows.
    for (size_t i = 0; i < S.size(); ++i) {
        if (S[i] != u' ') continue;
        TDateTime date = 0, time = 0;
        if (scanDate(S.substr(0, i), date) && scanTime(S.substr(i), time)) {
            Value = combine(date, time);
            return true;
        }
    }
    return false;
}

TDateTime IncMonth(TDateTime Date, Integer NumberOfMonths)
{
    Word y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    const Int64 months = static_cast<Int64>(y) * 12 + (m - 1) + NumberOfMonths;
    const Int64 year = months >= 0 ? months / 12 : -1;
    if (year < 1 || year > 9999) throw EConvertError(u"Invalid argument to date encode");
    const Word newMonth = static_cast<Word>(months % 12 + 1);
    const Word newDay = std::min(d, daysInMonth(static_cast<Word>(year), newMonth));
    return combine(EncodeDate(static_cast<Word>(year), newMonth, newDay), timeOf(Date));
}

Word DayOfWeek(TDateTime Date)
{
    // 30 December 1899, day 0, was a Saturday.
    const Int64 days = split(Date).days;
    return static_cast<Word>(((days % 7) + 13) % 7 + 1);
}

Word WeekOfTheYear(TDateTime Date, Word& Year)
{
    // The week is named after its Thursday: its year and its place among that year's Thursdays.
    const Int64 days = split(Date).days;
    const Integer mondayBased = (DayOfWeek(Date) + 5) % 7;  // Monday 0 .. Sunday 6
    const TDateTime thursday = TDateTime(days - mondayBased + 3);
    Word m, d;
    DecodeDate(thursday, Year, m, d);
    return static_cast<Word>((Int64(thursday) - Int64(EncodeDate(Year, 1, 1))) / 7 + 1);
}

Word WeekOfTheYear(TDateTime Date)
{
    Word year = 0;
    return WeekOfTheYear(Date, year);
}

}  // namespace gw
