// Filter expressions, comparison terms and wildcard patterns.
#include "grid/foundation/filter_match.h"

#include "grid/foundation/date_utils.h"
#include "grid/foundation/number_utils.h"
#include "grid/foundation/text_utils.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace gw {

namespace {

constexpr size_t kMaxOperand = 255;

// The whole-text float reading of an invariant number: blanks around, one sign, digits with an
// optional ".", an optional exponent. Anything else (and nothing at all) is not a number.
std::optional<double> InvariantFloat(StringView Text)
{
    size_t i = 0, n = Text.size();
    while (i < n && Text[i] == u' ') ++i;
    while (n > i && Text[n - 1] == u' ') --n;
    std::string ascii;
    auto digits = [&] {
        size_t count = 0;
        while (i < n && Text[i] >= u'0' && Text[i] <= u'9') {
            ascii += static_cast<char>(Text[i++]);
            ++count;
        }
        return count;
    };
    if (i < n && (Text[i] == u'+' || Text[i] == u'-')) ascii += static_cast<char>(Text[i++]);
    size_t mantissa = digits();
    if (i < n && Text[i] == u'.') {
        ascii += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < n && (Text[i] == u'e' || Text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < n && (Text[i] == u'+' || Text[i] == u'-')) ascii += static_cast<char>(Text[i++]);
        if (digits() == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    // from_chars reads the same whatever the C locale says about decimal points; it takes no
    // "+", and leaves a value out of double's range to the caller.
    const bool negative = ascii[0] == '-';
    const size_t skip = ascii[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data() + skip, ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tiny = ascii.find("e-") != std::string::npos;
        value = tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    return value;
}

// Texts longer than a comparison operand are neither numbers nor dates: a "*" before a
// comparison tries every tail of the cell, and reading each long tail would make the match
// quadratic in the cell's length.
std::optional<double> NumberOf(StringView Text)
{
    if (Text.size() > kMaxOperand) return std::nullopt;
    TDateTime ignored = 0;
    if (ParseDateTimeText(Text, ignored)) return std::nullopt;  // a date is never read as a number
    return InvariantFloat(NumberTextToInvariant(Text));
}

std::optional<TDateTime> DateOf(StringView Text)
{
    if (Text.size() > kMaxOperand) return std::nullopt;
    TDateTime value = 0;
    if (ParseDateTimeText(Text, value)) return value;
    return std::nullopt;
}

template <class T>
bool Compares(const T& A, const T& B, bool Greater, bool Inclusive)
{
    if (Greater) return Inclusive ? A >= B : A > B;
    return Inclusive ? A <= B : A < B;
}

// The cell text against an operand: as numbers, else as dates, else by code unit over at most
// 255 units.
bool CompareWithOperand(StringView Text, StringView Operand, bool Greater, bool Inclusive)
{
    const auto textNumber = NumberOf(Text);
    const auto operandNumber = NumberOf(Operand);
    if (textNumber && operandNumber) return Compares(*textNumber, *operandNumber, Greater, Inclusive);
    const auto textDate = DateOf(Text);
    const auto operandDate = DateOf(Operand);
    if (textDate && operandDate) return Compares(*textDate, *operandDate, Greater, Inclusive);
    return Compares(Text.substr(0, kMaxOperand), Operand.substr(0, kMaxOperand), Greater, Inclusive);
}

struct TOperand {
    String Text;
    bool Inclusive = false;
};

// The operand after the first Sign. A greater-than operand keeps blanks inside quotes; a
// less-than operand ends at any blank.
TOperand ReadOperand(StringView Pattern, Char Sign)
{
    TOperand operand;
    size_t i = Pattern.find(Sign) + 1;
    if (i < Pattern.size() && Pattern[i] == u'=') {
        operand.Inclusive = true;
        ++i;
    }
    while (i < Pattern.size() && Pattern[i] == u' ') ++i;
    bool quoted = false;
    for (; i < Pattern.size(); ++i) {
        const Char c = Pattern[i];
        if (c == u'"') quoted = !quoted;
        if (c == u' ' && (!quoted || Sign == u'<')) break;
        if ((c == u'&' || c == u'|') && !quoted) break;
        operand.Text += c;
    }
    if (!operand.Text.empty() && operand.Text.front() == u'"') operand.Text.erase(0, 1);
    if (!operand.Text.empty() && operand.Text.back() == u'"') operand.Text.pop_back();
    if (operand.Text.size() > kMaxOperand) operand.Text.resize(kMaxOperand);
    return operand;
}

// One term against one text. "*" tries the rest of the pattern, as a term of its own, against
// every suffix of the text from the current position on, from the empty one backwards, and
// succeeds at the first match. Whether the rest after a star group matches some suffix starting
// at j or later depends on j alone, and holds exactly for every j up to the highest start that
// matches; so each group is summed up by that highest start. The groups are settled from the
// last to the first, each needing only the next one's, which makes the whole match proportional
// to pattern length times text length, without recursion however many stars the pattern holds.
class TTermMatcher {
public:
    TTermMatcher(StringView Pattern, StringView Text) : m_p(Pattern), m_t(Text)
    {
        const size_t n = m_p.size();
        m_has.assign(n + 1, 0);
        for (size_t i = n; i-- > 0;) m_has[i] = m_has[i + 1] | FlagOf(m_p[i]);
        m_groupAt.assign(n, -1);
        for (size_t i = 0; i < n; ++i) {
            if (m_p[i] != u'*' || (i > 0 && m_p[i - 1] == u'*')) continue;
            size_t rest = i;
            while (rest < n && m_p[rest] == u'*') ++rest;
            m_groupAt[i] = static_cast<int>(m_groups.size());
            m_groups.push_back({rest, std::nullopt});
        }
    }

    bool Match()
    {
        for (size_t g = m_groups.size(); g-- > 0;)
            m_groups[g].HighestMatch = IsPlain(m_groups[g].Rest) ? HighestPlainMatch(g) : HighestMatch(g);
        return Term(0, 0);
    }

private:
    static constexpr uint8_t kGreater = 1, kLess = 2, kBang = 4, kCaret = 8, kAmp = 16;

    struct TStarGroup {
        size_t Rest;  // pattern index after the stars
        std::optional<size_t> HighestMatch;  // the highest text index whose suffix the rest matches
    };

    static uint8_t FlagOf(Char C)
    {
        switch (C) {
        case u'>': return kGreater;
        case u'<': return kLess;
        case u'!': return kBang;
        case u'^': return kCaret;
        case u'&': return kAmp;
        default: return 0;
        }
    }

    // The rest after a group holds no comparison and no negation: its term is its wildcard match.
    bool IsPlain(size_t Rest) const { return (m_has[Rest] & (kGreater | kLess | kBang)) == 0; }

    std::optional<size_t> HighestMatch(size_t G) const
    {
        for (size_t k = m_t.size() + 1; k-- > 0;)
            if (Term(m_groups[G].Rest, k)) return k;
        return std::nullopt;
    }

    // A plain rest is its literal stretch (with "?" and ignored quotes) up to the next star
    // group, then that group: it matches at k when the stretch does and the next group accepts
    // what follows, so the search starts no later than the next group's highest start allows.
    std::optional<size_t> HighestPlainMatch(size_t G) const
    {
        const size_t rest = m_groups[G].Rest;
        size_t end = rest, length = 0;
        while (end < m_p.size() && m_p[end] != u'*') length += m_p[end++] != u'"';
        size_t limit = m_t.size();  // the stretch must end here (at the text's end without a group)
        if (end < m_p.size()) {
            const auto& next = m_groups[static_cast<size_t>(m_groupAt[end])].HighestMatch;
            if (!next) return std::nullopt;
            limit = *next;
        }
        if (limit < length) return std::nullopt;
        if (end == m_p.size()) {  // the last stretch can only sit at the very end
            const size_t k = m_t.size() - length;
            return StretchMatches(rest, end, k) ? std::optional<size_t>(k) : std::nullopt;
        }
        for (size_t k = limit - length + 1; k-- > 0;)
            if (StretchMatches(rest, end, k)) return k;
        return std::nullopt;
    }

    bool StretchMatches(size_t From, size_t To, size_t At) const
    {
        for (size_t i = From, j = At; i < To; ++i) {
            const Char c = m_p[i];
            if (c == u'"') continue;
            if (c != u'?' && m_t[j] != c) return false;
            ++j;
        }
        return true;
    }

    bool Term(size_t Pi, size_t Ti) const
    {
        const StringView p = m_p.substr(Pi);
        const uint8_t has = m_has[Pi];
        bool g = false, l = false, rg = true, rl = true;
        if (has & kGreater) {
            const TOperand op = ReadOperand(p, u'>');
            rg = CompareWithOperand(m_t.substr(Ti), op.Text, true, op.Inclusive);
            g = true;
        }
        if (has & kLess) {
            const TOperand op = ReadOperand(p, u'<');
            rl = CompareWithOperand(m_t.substr(Ti), op.Text, false, op.Inclusive);
            l = true;
        }
        if (has & kBang) {
            g = g || !(has & kGreater);
            l = l || !(has & kLess);
        }
        if ((has & kCaret) && (g || l)) return rl || rg;
        if ((has & kAmp) && g && l) return rl && rg;
        if ((has & kGreater) && rg) return true;
        if ((has & kLess) && rl) return true;
        return Wildcard(Pi, Ti);
    }

    bool Wildcard(size_t Pi, size_t Ti) const
    {
        const size_t np = m_p.size(), nt = m_t.size();
        bool negate = false, matched = true;
        size_t i = Pi, j = Ti;
        while (matched && !(i == np && j == nt)) {
            const Char c = i < np ? m_p[i] : 0;
            if (i < np && c == u'!') {
                negate = true;
                ++i;
            } else if (i < np && c == u'"') {
                ++i;
            } else if (i < np && c == u'*') {
                // Some suffix from j on matches the rest exactly when j is at most the highest.
                const auto& highest = m_groups[static_cast<size_t>(m_groupAt[i])].HighestMatch;
                matched = highest && j <= *highest;
                break;
            } else if (i < np && c == u'?') {
                matched = j < nt;
                ++i;
                ++j;
            } else {
                matched = i < np && j < nt && m_t[j] == c;
                ++i;
                ++j;
            }
        }
        return matched != negate;
    }

    StringView m_p;
    StringView m_t;
    std::vector<uint8_t> m_has;  // flags of the characters from each pattern index on
    std::vector<int> m_groupAt;  // star group starting at each pattern index, or -1
    std::vector<TStarGroup> m_groups;
};

}  // namespace

bool MatchFilterTerm(StringView Pattern, StringView CellText)
{
    TTermMatcher matcher(Pattern, CellText);
    return matcher.Match();
}

bool MatchFilterTermCased(StringView Term, StringView CellText, bool CaseSensitive)
{
    if (CaseSensitive) return MatchFilterTerm(Term, CellText);
    return MatchFilterTerm(UpperCaseKeepLength(Term), UpperCaseKeepLength(CellText));
}

String RemoveSpacesOutsideQuotes(StringView Text)
{
    String result;
    bool quoted = false;
    for (Char c : Text) {
        if (c == u'"') quoted = !quoted;
        if (c != u' ' || quoted) result += c;
    }
    return result;
}

Char FindFirstDelimiter(StringView Set, StringView Text, Integer& Position)
{
    bool quoted = false;
    for (size_t i = 0; i < Text.size(); ++i) {
        const Char c = Text[i];
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && Set.find(c) != StringView::npos) {
            Position = static_cast<Integer>(i + 1);
            return c;
        }
    }
    Position = -1;
    return 0;
}

Integer FindClosingParenthesis(StringView Text)
{
    Integer open = 0, close = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'(')
            ++open;
        else if (Text[i] == u')' && ++close == open)
            return static_cast<Integer>(i + 1);
    }
    return 0;
}

namespace {

bool Combine(Char Operator, bool Result, bool Value)
{
    switch (Operator) {
    case 0: return Value;
    case u'&': return Result && Value;
    case u'(': return Result;  // the empty term between ")" and the next operator drops out
    default: return Result || Value;
    }
}

}  // namespace

namespace {

// The partner ")" (0-based) of every "(" of the text, npos for one never closed: the position at
// which FindClosingParenthesis, counting from that "(", finds the parentheses balanced.
std::vector<size_t> ClosingPartners(StringView Text)
{
    std::vector<size_t> partner(Text.size(), StringView::npos);
    std::vector<size_t> open;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'(') {
            open.push_back(i);
        } else if (Text[i] == u')' && !open.empty()) {
            partner[open.back()] = i;
            open.pop_back();
        }
    }
    return partner;
}

String PreparedExpression(StringView Expression)
{
    String text = RemoveSpacesOutsideQuotes(Trim(Expression));
    if (!text.empty() && text.front() == u'=') text.erase(0, 1);
    return text;
}

}  // namespace

// A group that is never closed runs to the end of the expression, so that what matched before
// it still counts. Such groups are the expression's tail: they are kept as pending operators
// and results, not evaluated by recursion, so however many of them a text holds the walk stays
// flat and reads the expression once.
bool MatchFilterExpression(StringView Expression, StringView CellText, bool CaseSensitive)
{
    const String text = PreparedExpression(Expression);
    const std::vector<size_t> partner = ClosingPartners(text);
    struct TOpenGroup {
        Char Previous;
        bool Result;
    };
    std::vector<TOpenGroup> openGroups;
    bool result = true;
    Char previous = 0;
    size_t at = 0;
    Integer delimiterAt = 0;
    while (const Char found = FindFirstDelimiter(u"(;^&|", StringView(text).substr(at), delimiterAt)) {
        bool value = false;
        Char delimiter = found;
        if (text[at] == u'(' && partner[at] == StringView::npos) {
            openGroups.push_back({previous, result});
            at += 1;
            if (at < text.size() && text[at] == u'=') ++at;  // as the group's own expression would
            result = true;
            previous = 0;
            continue;
        }
        if (text[at] == u'(') {
            const size_t close = partner[at];
            value = MatchFilterExpression(StringView(text).substr(at + 1, close - at - 1), CellText, CaseSensitive);
            at = close + 1;
            delimiter = u'(';
        } else {
            const size_t length = static_cast<size_t>(delimiterAt) - 1;
            value = MatchFilterTermCased(StringView(text).substr(at, length), CellText, CaseSensitive);
            at += length + 1;
        }
        result = Combine(previous, result, value);
        previous = delimiter;
    }
    bool value = Combine(previous, result, MatchFilterTermCased(StringView(text).substr(at), CellText, CaseSensitive));
    for (auto group = openGroups.rbegin(); group != openGroups.rend(); ++group)
        value = Combine(group->Previous, group->Result, value);
    return value;
}

}  // namespace gw
