// Free text routines of the grid library.
#include "grid/foundation/text_utils.h"

#include "grid/foundation/number_utils.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/text_encoding.h"

namespace gw {

Char GetDateSeparatorChar() { return FormatSettings.DateSeparator; }
Char GetTimeSeparatorChar() { return FormatSettings.TimeSeparator; }
Char GetThousandSeparatorChar() { return FormatSettings.ThousandSeparator; }
Char GetDecimalSeparatorChar() { return FormatSettings.DecimalSeparator; }
String GetShortDateFormat() { return FormatSettings.ShortDateFormat; }

Integer IntMax(Integer A, Integer B) { return A > B ? A : B; }
Integer IntMin(Integer A, Integer B) { return A < B ? A : B; }

Integer ClampToLimits(Integer Value, Integer Lower, Integer Upper)
{
    if (Lower == Upper) return Value;
    Integer result = Value;
    if (Lower > 0 && Value < Lower) result = Lower;
    if (Upper > 0 && Value > Upper) result = Upper;
    return result;
}

Integer FirstCharPos(Char C, StringView Text)
{
    const size_t at = Text.find(C);
    return at == StringView::npos ? 0 : static_cast<Integer>(at + 1);
}

Integer FindCharPos(Char C, StringView Text, Integer& Position)
{
    const Integer at = FirstCharPos(C, Text);
    if (at > 0) Position = at;
    return at;
}

Integer FindTextPos(StringView SubText, StringView Text, Integer& Position)
{
    Position = Pos(SubText, Text);
    return Position;
}

String UpperCaseKeepLength(StringView Text)
{
    String upper = AnsiUpperCase(Text);
    if (upper.size() == Text.size()) return upper;
    upper.clear();
    for (Char c : Text) {  // a mapping that grows the text is not taken
        const String one = AnsiUpperCase(StringView(&c, 1));
        upper += one.size() == 1 ? one[0] : c;
    }
    return upper;
}

Integer PosInUpperCase(StringView SubText, StringView Text) { return Pos(SubText, UpperCaseKeepLength(Text)); }

Integer WideTextPos(StringView SubText, StringView Text) { return Pos(SubText, Text); }

String TakeDelimitedField(String& Source, Char Delimiter)
{
    const size_t at = Source.find(Delimiter);
    if (at == String::npos) return {};
    String field = Source.substr(0, at);
    Source.erase(0, at + 1);
    return field;
}

String ConcatLines(const TStrings& Lines)
{
    String result;
    for (Integer i = 0; i < Lines.Count(); ++i) result += Lines.Get(i);
    return result;
}

void FillWithChar(String& Text, Char C) { Text.assign(Text.size(), C); }

namespace {

bool EndsAt(StringView Text, size_t End, StringView Tail)
{
    return End >= Tail.size() && Text.substr(End - Tail.size(), Tail.size()) == Tail;
}

}  // namespace

// After each unit the next one is capitalised again: after "Mc" at the start, after the first
// " Mc" of the text (only the first one counts), and after " I" or " II" near the end, so that
// roman numerals stay upper case. The units before the current one are already converted, so an
// earlier " Mc" can only lie among them.
String ProperCaseText(StringView Text)
{
    String s(Text);
    const size_t n = s.size();
    bool capitalise = true;
    bool mcSeen = false;
    for (size_t i = 1; i <= n; ++i) {
        Char& c = s[i - 1];
        if (IsWordBreakChar(c)) {
            capitalise = true;
        } else {
            const String mapped =
                capitalise ? UpperCaseKeepLength(StringView(&c, 1)) : AnsiLowerCase(StringView(&c, 1));
            if (mapped.size() == 1) c = mapped[0];
            capitalise = false;
        }
        if (i == 2 && s.compare(0, 2, u"Mc") == 0) capitalise = true;
        if (EndsAt(s, i, u" Mc")) {
            capitalise = capitalise || !mcSeen;
            mcSeen = true;
        }
        if (i + 2 >= n && (EndsAt(s, i, u" I") || EndsAt(s, i, u" II"))) capitalise = true;
    }
    return s;
}

String MatchCaseText(StringView Text, bool CaseSensitive)
{
    return CaseSensitive ? String(Text) : UpperCaseKeepLength(Text);
}

void TextToOEM(String& Text)
{
    const std::string oem = StringToOem(Text, OemCodePage);
    Text = AnsiToString(oem);
}

void OEMToText(String& Text)
{
    const std::string bytes = StringToAnsi(Text);
    Text = OemToString(bytes, OemCodePage);
}

bool IsURL(StringView Text) { return Pos(u"://", Text) > 0 || Pos(u"mailto:", Text) > 0; }

void StripURLProtocol(String& Text)
{
    if (const Integer at = Pos(u"://", Text); at > 0)
        Text.erase(0, static_cast<size_t>(at) + 2);
    else if (const Integer mail = Pos(u"mailto:", Text); mail > 0)
        Text.erase(0, static_cast<size_t>(mail) + 6);
}

namespace {

bool IsAddressChar(Char C)
{
    if ((C >= u'0' && C <= u'9') || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z')) return true;
    switch (C) {
    case u'%':
    case u'(':
    case u')':
    case u'-':
    case u'.':
    case u'/':
    case u':':
    case u'@':
    case u'\\':
    case u'_':
    case u'{':
    case u'}': return true;
    default: return false;
    }
}

}  // namespace

Integer AutoLinkURL(StringView Text, StringView Prefix, String& OutText)
{
    if (Pos(Prefix, UpperCaseKeepLength(Text)) == 0) return 0;
    String escaped = StringReplace(Text, u"<", u"&lt;", rfReplaceAll);
    escaped = StringReplace(escaped, u">", u"&gt;", rfReplaceAll);
    const Integer p = Pos(Prefix, UpperCaseKeepLength(escaped));
    if (p == 0) {  // the prefix itself held a bracket; nothing to link
        OutText = escaped;
        return 1;
    }
    const size_t start = static_cast<size_t>(p) - 1;
    size_t end = start;
    while (end < escaped.size() && IsAddressChar(escaped[end])) ++end;
    const String address = escaped.substr(start, end - start);
    OutText = escaped.substr(0, start) + u"<a href=\"" + address + u"\">" + address + u"</a>" + escaped.substr(end);
    return 1;
}

bool ParseRowColReference(StringView Text, Integer& ACol, Integer& ARow)
{
    const String s = UpperCaseKeepLength(Text);
    if (s.size() < 4 || s[0] != u'R') return false;
    const size_t c = s.find(u'C', 1);
    if (c == String::npos) return false;
    Integer row = 0, col = 0;
    if (!TryStrToInt(StringView(s).substr(1, c - 1), row) || !TryStrToInt(StringView(s).substr(c + 1), col))
        return false;
    ACol = col;
    ARow = row;
    return true;
}

}  // namespace gw
