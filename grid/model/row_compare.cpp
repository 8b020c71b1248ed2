// One column's comparison of two cell texts, format by format.
#include "grid/model/row_compare.h"

#include "grid/foundation/date_utils.h"
#include "grid/foundation/markup_text.h"
#include "grid/foundation/number_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/model/cell_number.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"

#include <string>

namespace gw {

namespace {

template <class T>
Integer Sign(T A, T B)
{
    return (A > B) - (A < B);
}

Integer Sign(Integer Value) { return (Value > 0) - (Value < 0); }

Char FoldAsciiCase(Char C) { return C >= u'a' && C <= u'z' ? static_cast<Char>(C - (u'a' - u'A')) : C; }

// Code units in order, a proper prefix first; with FoldCase a-z count as A-Z.
Integer CompareOrdinal(StringView A, StringView B, bool FoldCase)
{
    const size_t n = std::min(A.size(), B.size());
    for (size_t i = 0; i < n; ++i) {
        const Char a = FoldCase ? FoldAsciiCase(A[i]) : A[i];
        const Char b = FoldCase ? FoldAsciiCase(B[i]) : B[i];
        if (a != b) return a < b ? -1 : 1;
    }
    return Sign(A.size(), B.size());
}

bool IsNumberText(StringView Text)
{
    const TNumberTextClass kind = ClassifyNumberText(Text);
    return kind == ntInteger || kind == ntDecimal || kind == ntScientific;
}

bool Contains(StringView Text, Char C) { return Text.find(C) != StringView::npos; }

// A separator at the second or third place, with a number character on both sides.
bool SeparatedNumbers(StringView A, size_t At)
{
    return At >= 1 && At <= 2 && At + 1 < A.size() && IsNumberChar(A[At - 1]) && IsNumberChar(A[At + 1]);
}

TSortStyle DetectSortFormat(StringView A, StringView B, bool IgnoreCase)
{
    if (IsNumberText(A)) return ssNumeric;
    const Char dateSeparator = GetDateSeparatorChar();
    const Char timeSeparator = GetTimeSeparatorChar();
    const size_t date = A.find(dateSeparator);
    if (date >= 1 && date <= 2 && date + 1 < A.size()) {
        if (SeparatedNumbers(A, date) && Contains(B, dateSeparator))
            return Contains(A, timeSeparator) ? ssDateTime : ssDate;
    } else if (SeparatedNumbers(A, A.find(timeSeparator)) && Contains(B, timeSeparator)) {
        return ssTime;
    }
    return IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
}

// ---- numbers -------------------------------------------------------------------------------

void DeleteFirst(String& Text, StringView Part)
{
    if (Part.empty()) return;
    const size_t at = Text.find(Part);
    if (at != String::npos) Text.erase(at, Part.size());
}

// The text as the numeric formats read it: suffix, prefix and (financial) thousand separators
// removed, the locale's decimal separator turned into ".".
String NumberText(StringView Text, const TCellSortRule& Rule, bool Financial)
{
    String text(Text);
    DeleteFirst(text, Rule.Suffix);
    DeleteFirst(text, Rule.Prefix);
    if (Financial) std::erase(text, GetThousandSeparatorChar());
    const Char decimal = GetDecimalSeparatorChar();
    if (decimal != u'.') {
        const size_t at = text.find(decimal);
        if (at != String::npos) text[at] = u'.';
    }
    return text;
}

Integer CompareNumbers(StringView A, StringView B)
{
    double a = 0, b = 0;
    // A text that does not convert counts as 0 (so two such texts are equal).
    if (!TryStrictTextToFloat(A, a)) a = 0;
    if (!TryStrictTextToFloat(B, b)) b = 0;
    return Sign(a, b);
}

// ---- dates and times -----------------------------------------------------------------------

TDateTime DateTimeValue(StringView Text)
{
    TDateTime value = 0;
    return Text.empty() || !TryStrToDateTime(Text, value) ? 0 : value;
}

TDateTime TimeValue(StringView Text)
{
    TDateTime value = 0;
    return TryStrToTime(Text, value) ? value : 0;
}

TDateTime ShortDateValue(StringView Text, bool DayFirst)
{
    try {
        return DayFirst ? ParseShortDateEU(Text) : ParseShortDateUS(Text);
    } catch (const EConvertError&) {
        return 0;
    }
}

// ---- blanks --------------------------------------------------------------------------------

// An empty text against a non-empty one goes first (blFirst) or last (blLast) in either
// direction: a descending sort puts the greater row first.
Integer PlaceBlanks(Integer Result, bool AEmpty, bool BEmpty, const TCellSortRule& Rule)
{
    if (AEmpty == BEmpty) return Result;
    Integer emptyFirst = Rule.BlankPos == blFirst ? -1 : 1;
    if (Rule.Direction == sdDescending) emptyFirst = -emptyFirst;
    return AEmpty ? emptyFirst : -emptyFirst;
}

struct TDefaultCompareGrid : TCellCompareGrid {};

}  // namespace

void TCellCompareGrid::StripMarkup(String& A, String& B) const
{
    A = MarkupToPlainText(A);
    B = MarkupToPlainText(B);
}

TSortStyle StartSortFormat(bool AutoFormat, bool IgnoreCase)
{
    if (AutoFormat) return ssAutomatic;
    return IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
}

TSortStyle ResolveSortFormat(TSortStyle Style, StringView A, StringView B, bool IgnoreCase, bool CheckBoxCell)
{
    switch (Style) {
    case ssAutomatic: return CheckBoxCell ? ssCheckBox : DetectSortFormat(A, B, IgnoreCase);
    case ssAlphaNumeric: return IsNumberText(A) && IsNumberText(B) ? ssNumeric : ssAlphabetic;
    case ssAlphaNumericNoCase: return IsNumberText(A) && IsNumberText(B) ? ssNumeric : ssAlphaNoCase;
    default: return Style;
    }
}

Integer CompareCells(const TCellSortRule& Rule, StringView A, StringView B, const TCellCompareGrid& Grid)
{
    const bool checkBoxCell = Rule.Style == ssAutomatic && Grid.IsCheckBoxCell();
    const TSortStyle style = ResolveSortFormat(Rule.Style, A, B, Rule.IgnoreCase, checkBoxCell);
    // The texts as the format leaves them decide what is blank.
    bool aEmpty = A.empty(), bEmpty = B.empty();
    Integer result = 0;
    switch (style) {
    case ssAutomatic:
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:  // resolved above
    case ssAlphabetic:
    case ssAlphaCase: result = CompareOrdinal(A, B, false); break;
    case ssAlphaNoCase: result = CompareOrdinal(A, B, true); break;
    case ssNumeric:
    case ssFinancial: {
        const String a = NumberText(A, Rule, style == ssFinancial);
        const String b = NumberText(B, Rule, style == ssFinancial);
        aEmpty = a.empty();
        bEmpty = b.empty();
        result = CompareNumbers(a, b);
        break;
    }
    case ssDate:
    case ssDateTime: result = Sign(DateTimeValue(A), DateTimeValue(B)); break;
    case ssTime: result = Sign(TimeValue(A), TimeValue(B)); break;
    case ssShortDateEU: result = Sign(ShortDateValue(A, true), ShortDateValue(B, true)); break;
    case ssShortDateUS: result = Sign(ShortDateValue(A, false), ShortDateValue(B, false)); break;
    case ssCustom: result = Grid.CustomCompare(A, B); break;
    case ssRaw: result = Grid.RawCompare(); break;
    case ssHTML: {
        String a(A), b(B);
        Grid.StripMarkup(a, b);
        aEmpty = a.empty();
        bEmpty = b.empty();
        result = CompareOrdinal(a, b, false);
        break;
    }
    case ssImages: {
        const auto [a, b] = Grid.PictureKeys();
        result = Sign(a, b);
        break;
    }
    case ssCheckBox: {
        const auto [a, b] = Grid.CheckStates();
        result = Sign(a, b);
        break;
    }
    case ssAnsiAlphaCase: result = Sign(AnsiCompareStr(A, B)); break;
    case ssAnsiAlphaNoCase: result = Sign(AnsiCompareText(A, B)); break;
    }
    return Rule.IgnoreBlanks ? PlaceBlanks(result, aEmpty, bEmpty, Rule) : result;
}

Integer CompareCells(const TCellSortRule& Rule, StringView A, StringView B)
{
    static const TDefaultCompareGrid grid;
    return CompareCells(Rule, A, B, grid);
}

}  // namespace gw
